// Recovering deleted topics and the word search with its history.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "helpbuild/error_list.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "platform/recording_messages.h"
#include "platform/settings_store.h"
#include "support/temp_directory.h"
#include "ui/topics/deleted_topics.h"
#include "ui/topics/word_search.h"

namespace veldor::ui {
namespace {

std::unique_ptr<CTopic> Named(const std::string& name) {
  auto t = std::make_unique<CTopic>();
  t->SetName(name);
  return t;
}

TEST(DeletedTopics, RecoveryResolvesNamesAndKeepsSkippedTopics) {
  RecordingMessages messages;
  CVeldorDoc doc;
  for (const char* n : {"a", "b", "c"}) doc.AddTopic(Named(n));
  doc.DeleteTopic(0);        // a
  doc.DeleteTopic(0);        // b
  doc.AddTopic(Named("A"));  // takes a's name, ignoring case
  const auto rows = DeletedTopicRows(doc);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].size(), std::string("00H00M00S\ta").size());
  EXPECT_EQ(rows[0].substr(2, 1), "H");
  EXPECT_EQ(rows[0].substr(9), "\ta");

  // "a" is in use and skipped; "b" comes back.
  const int restored = RecoverDeletedTopics(
      doc, {0, 1}, [](const std::string&) { return std::optional<std::string>(); });
  EXPECT_EQ(restored, 1);
  EXPECT_NE(doc.FindTopic("b"), nullptr);
  ASSERT_EQ(doc.GetDeletedCount(), 1);
  EXPECT_EQ(doc.GetDeletedTopic(0)->GetName(), "a");
  EXPECT_TRUE(doc.IsModified());

  // Renamed on the way back.
  EXPECT_EQ(RecoverDeletedTopics(
                doc, {0},
                [](const std::string& proposal) { return std::optional<std::string>(proposal); }),
            1);
  EXPECT_NE(doc.FindTopic("a1"), nullptr);

  EXPECT_EQ(RecoverDeletedTopics(doc, {}, nullptr), 0);
  EXPECT_EQ(messages.messages.back().text, kNoActiveSelection);
}

TEST(DeletedTopics, EmptyingAsksAndDestroyingTheSelectionDoesNot) {
  RecordingMessages messages;
  CVeldorDoc doc;
  for (const char* n : {"a", "b", "c"}) doc.AddTopic(Named(n));
  for (int i = 0; i < 3; ++i) doc.DeleteTopic(0);
  DestroyDeletedTopics(doc, {2, 0, 2});
  ASSERT_EQ(doc.GetDeletedCount(), 1);
  EXPECT_EQ(doc.GetDeletedTopic(0)->GetName(), "b");
  EXPECT_TRUE(messages.confirmations.empty());

  EXPECT_FALSE(ClearDeletedTopics(doc));
  EXPECT_EQ(messages.confirmations.back().text, "Ok pour tout supprimer");
  EXPECT_EQ(messages.confirmations.back().caption, "Attention");
  messages.answerYes = true;
  EXPECT_TRUE(ClearDeletedTopics(doc));
  EXPECT_EQ(doc.GetDeletedCount(), 0);
}

TEST(WordSearch, KeepsTwentyNewestStringsAndTheCaseSetting) {
  TempDirectory dir;
  SettingsStore store(dir / "VELDOR.INI");
  CVeldorDoc doc;
  auto topic = Named("t");
  auto s = CTypeEdit::CreateSubject(kTypeTexte);
  s->text = "Note\nnote";
  topic->AddSubject(std::move(s));
  doc.AddTopic(std::move(topic));

  CErrorList errors;
  for (int i = 0; i < 21; ++i) {
    EXPECT_TRUE(RunWordSearch(store, doc, "mot" + std::to_string(i), false, errors));
  }
  EXPECT_TRUE(RunWordSearch(store, doc, "note", true, errors));
  WordSearchFields fields = LoadWordSearch(store);
  ASSERT_EQ(fields.history.size(), 20u);
  EXPECT_EQ(fields.history.front(), "note");
  EXPECT_EQ(fields.history.back(), "mot2");  // mot0 and mot1 pushed out
  EXPECT_TRUE(fields.caseSensitive);
  EXPECT_EQ(errors.lines(),
            (std::vector<std::string>{"Recherche de note", "topic...0 Chaine Ed 0 Ligne 1"}));

  // Again: moves to the front without a duplicate; without case, two hits.
  EXPECT_TRUE(RunWordSearch(store, doc, "mot5", false, errors));
  EXPECT_TRUE(RunWordSearch(store, doc, "NOTE", false, errors));
  EXPECT_EQ(errors.lines().size(), 3u);
  fields = LoadWordSearch(store);
  EXPECT_EQ(fields.history[1], "mot5");
  EXPECT_EQ(fields.history.size(), 20u);
  EXPECT_FALSE(fields.caseSensitive);

  EXPECT_FALSE(RunWordSearch(store, doc, "", false, errors));
  EXPECT_EQ(LoadWordSearch(store).history.front(), "NOTE");
}

}  // namespace
}  // namespace veldor::ui
