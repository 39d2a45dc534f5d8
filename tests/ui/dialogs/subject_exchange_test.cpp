#include "ui/dialogs/rules/subject_exchange.h"

#include <gtest/gtest.h>

#include "model/document.h"
#include "platform/recording_messages.h"

namespace veldor {
namespace {

class SubjectExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddTopic("Source", {"un", "deux", "trois"});
    AddTopic("Dest", {"a", "b"});
    AddTopic("Vide", {});
  }
  void AddTopic(const std::string& name, const std::vector<std::string>& texts) {
    auto topic = std::make_unique<CTopic>();
    topic->name = name;
    for (const std::string& text : texts) {
      auto subject = CTypeEdit::CreateSubject(kTypeTexte);
      subject->text = text;
      topic->AddSubject(std::move(subject));
    }
    doc.AddTopic(std::move(topic));
  }
  std::vector<std::string> Texts(const std::string& name) {
    std::vector<std::string> texts;
    const CTopic* topic = doc.FindTopic(name);
    for (int i = 0; i < topic->subjectCount(); ++i) texts.push_back(topic->GetSubject(i)->text);
    return texts;
  }
  CVeldorDoc doc;
  RecordingMessages messages;
};

TEST_F(SubjectExchangeTest, CopiesAppendInsertAndAllInSourceOrder) {
  SubjectExchange exchange(doc);
  EXPECT_EQ(exchange.TopicNames(), (std::vector<std::string>{"Dest", "Source", "Vide"}));
  EXPECT_EQ(exchange.SubjectRows("Dest"), (std::vector<std::string>{"3,a", "3,b"}));
  EXPECT_EQ(exchange.Copy("Source", "Dest", {2, 0}), 2);
  EXPECT_EQ(Texts("Dest"), (std::vector<std::string>{"a", "b", "un", "trois"}));
  EXPECT_EQ(exchange.Copy("Source", "Dest", {1, 2}, 1), 2);
  EXPECT_EQ(Texts("Dest"), (std::vector<std::string>{"a", "deux", "trois", "b", "un", "trois"}));
  EXPECT_EQ(exchange.CopyAll("Source", "Vide"), 3);
  EXPECT_EQ(Texts("Vide"), Texts("Source"));
  // Clones, not shared subjects.
  EXPECT_NE(doc.FindTopic("Vide")->GetSubject(0), doc.FindTopic("Source")->GetSubject(0));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(exchange.Finish());
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(SubjectExchangeTest, WrongTopicsAreRefusedWithTheirMessages) {
  SubjectExchange exchange(doc);
  EXPECT_EQ(exchange.Copy("", "Dest", {0}), 0);
  EXPECT_EQ(exchange.Copy("Source", "Source", {0}), 0);
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[0].text, "Pas de topic sélectionné");
  EXPECT_EQ(messages.messages[1].text,
            "Vous avez choisi le même topic\nEn source et en destination");
  EXPECT_EQ(messages.messages[1].caption, "ERREUR SELECTION");
  EXPECT_EQ(Texts("Source").size(), 3u);
}

TEST_F(SubjectExchangeTest, NothingCopiedLeavesTheProjectUnmodified) {
  SubjectExchange exchange(doc);
  EXPECT_EQ(exchange.CopyAll("Vide", "Dest"), 0);
  EXPECT_EQ(exchange.Copy("Source", "Dest", {}), 0);
  EXPECT_FALSE(exchange.Finish());
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(SubjectExchangeTest, AFullTopicTakesNoMore) {
  CTopic& dest = *doc.FindTopic("Dest");
  while (dest.subjectCount() < CTopic::kMaxSubjects - 1) {
    dest.AddSubject(CTypeEdit::CreateSubject(kTypeTexte));
  }
  SubjectExchange exchange(doc);
  EXPECT_EQ(exchange.CopyAll("Source", "Dest"), 1);
  EXPECT_EQ(dest.subjectCount(), CTopic::kMaxSubjects);
}

}  // namespace
}  // namespace veldor
