#include "helpbuild/error_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "helpbuild/build_test_support.h"
#include "helpbuild/text_index.h"
#include "platform/files.h"
#include "support/temp_directory.h"

namespace veldor {
namespace {

using testing::AddSubject;
using testing::AddTopic;
using ::testing::ElementsAre;
using testing::MakeSubject;

class ErrorListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"IDH_A", "IDH_B", "IDH_C"}) {
      CTopic& topic = AddTopic(doc_, name);
      AddSubject(topic, MakeSubject(kTypeTexte, "un"));
      AddSubject(topic, MakeSubject(kTypeTexte, "deux"));
    }
    ASSERT_TRUE(WriteFile(temp_ / "topic.ref", "1 :IDH_A\n  3 :  IDH_C  \r\nrien\n4 :GONE\n"));
    ASSERT_TRUE(list_.LoadTopicRef(temp_ / "topic.ref"));
  }
  // "topic name/subject", or "-" when the line leads nowhere.
  std::string Open(const std::string& line) {
    auto target = list_.OpenFromErrorLine(line, doc_);
    if (!target) return "-";
    EXPECT_EQ(doc_.GetTopic(target->topicIndex)->name, target->topicName);
    return target->topicName + "/" + std::to_string(target->subjectIndex);
  }

  TempDirectory temp_;
  CVeldorDoc doc_;
  CErrorList list_;
};

TEST_F(ErrorListTest, LinesLeadToTopicsByNumberOrIndex) {
  EXPECT_EQ(list_.topicNumbers(), (StringMap{{"1", "IDH_A"}, {"3", "IDH_C"}, {"4", "GONE"}}));
  EXPECT_EQ(Open("HC3025: Warning: topic #3 of D:\\AIDE\\DEMO.RTF : Jump to undefined"),
            "IDH_C/-1");
  EXPECT_EQ(Open("topic...1 VELDOR Nom Font Vide"), "IDH_A/-1");
  EXPECT_EQ(Open("#9 x topic...1 of Z"), "IDH_A/-1");  // "..." before "#"
  EXPECT_EQ(Open("topic...2 Chaine Ed 1 Ligne 0"), "IDH_C/1");
  EXPECT_EQ(Open("topic...0 Chaine Ed  Ligne 0"), "IDH_A/-1");   // no subject number
  EXPECT_EQ(Open("topic...0 Chaine Ed 7 Ligne 0"), "IDH_A/-1");  // no such subject
  for (const char* nowhere :
       {"HC1002: Note: Using existing phrase table", "topic #3 unended", "topic #2 of DEMO.RTF",
        "topic #4 of DEMO.RTF", "", "topic...3 Chaine Ed 0 Ligne 0",
        "topic...-1 Chaine Ed 0 Ligne 0", "topic...99999999999999999999 Chaine Ed 0 Ligne 0"}) {
    EXPECT_EQ(Open(nowhere), "-") << nowhere;
  }
  EXPECT_FALSE(list_.LoadTopicRef(temp_ / "missing.ref"));
  EXPECT_TRUE(list_.topicNumbers().empty());
}

// A huge "topic.ref" is read up to its last whole line within 16 MiB.
TEST_F(ErrorListTest, AHugeTopicRefIsReadUpToALineWithinItsLimit) {
  const size_t limit = 16 * 1024 * 1024;
  const std::string first = "1 :IDH_A\n";
  std::string huge = first + std::string(limit - first.size() - 9, '#') + "\n";
  huge += "2 :IDH_BIS\n";  // cut after "2 :IDH_B"
  ASSERT_TRUE(WriteFile(temp_ / "huge.ref", huge));
  ASSERT_TRUE(list_.LoadTopicRef(temp_ / "huge.ref"));
  EXPECT_EQ(list_.topicNumbers(), (StringMap{{"1", "IDH_A"}}));
}

TEST(SearchTextTest, EveryOccurrenceWithItsLine) {
  CVeldorDoc doc;
  CTopic& first = AddTopic(doc, "T0");
  AddSubject(first, MakeSubject(kTypeTexte, "rien"));
  AddSubject(first, MakeSubject(kTypeTexte, "banana"));
  AddSubject(AddTopic(doc, "T1"), MakeSubject(kTypeTitre, "\xC9t\xE9\nl'\xE9t\xE9\r\nBANANA"));
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
  SearchText(doc, "", false, list);
  EXPECT_THAT(list.lines(), ElementsAre("Recherche de "));
}

}  // namespace
}  // namespace veldor
