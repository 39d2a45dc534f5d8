#include "build/error_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "build/build_test_support.h"
#include "build/text_index.h"
#include "model/document.h"
#include "platform/recording_messages.h"
#include "platform/temp_directory.h"

namespace veldor {
namespace {

using testing::AddSubject;
using testing::AddTopic;
using ::testing::ElementsAre;
using testing::FileText;
using testing::MakeSubject;

class ErrorListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(temp_.path().empty());
    for (const char* name : {"IDH_A", "IDH_B", "IDH_C"}) {
      CTopic& topic = AddTopic(doc_, name);
      AddSubject(topic, MakeSubject(kTypeTexte, "un"));
      AddSubject(topic, MakeSubject(kTypeTexte, "deux"));
    }
    ASSERT_TRUE(WriteFile(temp_ / "topic.ref",
                          "1 :IDH_A\n2 :IDH_B\n  3 :  IDH_C  \r\nsans deux-points\n4 :GONE\n"));
    ASSERT_TRUE(list_.LoadTopicRef(temp_ / "topic.ref"));
  }
  std::optional<ErrorLineTarget> Open(const std::string& line) {
    return list_.OpenFromErrorLine(line, doc_);
  }

  TempDirectory temp_;
  CVeldorDoc doc_;
  CErrorList list_;
};

TEST_F(ErrorListTest, TopicReferenceFile) {
  EXPECT_EQ(list_.topicNumbers(),
            (StringMap{{"1", "IDH_A"}, {"2", "IDH_B"}, {"3", "IDH_C"}, {"4", "GONE"}}));
  EXPECT_FALSE(list_.LoadTopicRef(temp_ / "missing.ref"));
  EXPECT_TRUE(list_.topicNumbers().empty());
}

TEST_F(ErrorListTest, CompilerAndBuildLinesLeadToTopicsByNumber) {
  auto target = Open("HC3025: Warning: topic #3 of D:\\AIDE\\DEMO.RTF : Jump to undefined");
  ASSERT_TRUE(target.has_value());
  EXPECT_EQ(target->topicName, "IDH_C");
  EXPECT_EQ(target->topicIndex, 2);
  EXPECT_EQ(target->subjectIndex, -1);

  target = Open("topic...2 VELDOR Nom Font Vide");
  ASSERT_TRUE(target.has_value());
  EXPECT_EQ(target->topicName, "IDH_B");

  // "..." is looked for before "#".
  target = Open("#9 x topic...1 of Z");
  ASSERT_TRUE(target.has_value());
  EXPECT_EQ(target->topicName, "IDH_A");

  EXPECT_FALSE(Open("HC1002: Note: Using existing phrase table"));  // neither ... nor #
  EXPECT_FALSE(Open("topic #3 without its end"));
  EXPECT_FALSE(Open("topic #12 of DEMO.RTF"));  // not in the map
  EXPECT_FALSE(Open("topic #4 of DEMO.RTF"));   // the map names a topic that is gone
  EXPECT_FALSE(Open(""));
}

TEST_F(ErrorListTest, SearchLinesLeadToTopicAndSubjectByIndex) {
  auto target = Open("topic...2 Chaine Ed 1 Ligne 0");
  ASSERT_TRUE(target.has_value());
  EXPECT_EQ(target->topicIndex, 2);
  EXPECT_EQ(target->topicName, "IDH_C");
  EXPECT_EQ(target->subjectIndex, 1);

  target = Open("topic...0 Chaine Ed  Ligne 0");  // nothing between "Ed " and " Ligne"
  ASSERT_TRUE(target.has_value());
  EXPECT_EQ(target->subjectIndex, -1);
  target = Open("topic...0 Chaine Ed 7 Ligne 0");  // no such subject any more
  ASSERT_TRUE(target.has_value());
  EXPECT_EQ(target->subjectIndex, -1);

  EXPECT_FALSE(Open("topic...3 Chaine Ed 0 Ligne 0"));
  EXPECT_FALSE(Open("topic...-1 Chaine Ed 0 Ligne 0"));
  EXPECT_FALSE(Open("topic...99999999999999999999 Chaine Ed 0 Ligne 0"));
}

TEST(SearchTextTest, EveryOccurrenceWithItsLine) {
  CVeldorDoc doc;
  CTopic& first = AddTopic(doc, "T0");
  AddSubject(first, MakeSubject(kTypeTexte, "rien"));
  AddSubject(first, MakeSubject(kTypeTexte, "banana"));
  CTopic& second = AddTopic(doc, "T1");
  AddSubject(second, MakeSubject(kTypeTitre, "\xC9t\xE9\nl'\xE9t\xE9\r\nBANANA"));
  CErrorList list;
  list.AddErrorLine("ancienne ligne");

  SearchText(doc, "a", true, list);
  EXPECT_THAT(list.lines(),
              ElementsAre("Recherche de a", "topic...0 Chaine Ed 1 Ligne 0",
                          "topic...0 Chaine Ed 1 Ligne 0", "topic...0 Chaine Ed 1 Ligne 0"));
  SearchText(doc, "ana", false, list);  // occurrences may overlap
  EXPECT_THAT(list.lines(),
              ElementsAre("Recherche de ana", "topic...0 Chaine Ed 1 Ligne 0",
                          "topic...0 Chaine Ed 1 Ligne 0", "topic...1 Chaine Ed 0 Ligne 2",
                          "topic...1 Chaine Ed 0 Ligne 2"));
  SearchText(doc, "\xE9t\xE9", false, list);  // accented capitals match without case
  EXPECT_THAT(list.lines(), ElementsAre("Recherche de \xE9t\xE9", "topic...1 Chaine Ed 0 Ligne 0",
                                        "topic...1 Chaine Ed 0 Ligne 1"));
  SearchText(doc, "\xE9t\xE9", true, list);
  EXPECT_THAT(list.lines(), ElementsAre("Recherche de \xE9t\xE9", "topic...1 Chaine Ed 0 Ligne 1"));
  SearchText(doc, "", false, list);
  EXPECT_THAT(list.lines(), ElementsAre("Recherche de "));
}

TEST(TextIndexTest, KeywordsAndDistinctContextStrings) {
  TempDirectory temp;
  RecordingMessages messages;
  CVeldorDoc doc;
  doc.projectName = "DEMO";
  doc.rootDir = temp.path();
  AddTopic(doc, "IDH_A").keywords = {"un", "", "deux"};
  AddTopic(doc, "IDH_B").keywords = {"trois"};
  AddTopic(doc, "IDH_A");
  ASSERT_TRUE(BuildTextIndex(doc));
  EXPECT_EQ(FileText(temp / "DEMO.KEY"), "un\n\ndeux\ntrois\n");
  EXPECT_EQ(FileText(temp / "DEMO.IND"), "IDH_A\nIDH_B\n");

  doc.projectName = "";
  EXPECT_FALSE(BuildTextIndex(doc));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Le projet n'a pas de Nom valide");
}

}  // namespace
}  // namespace veldor
