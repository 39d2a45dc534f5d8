#include "ui/tree/topic_tree_builder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "tree_test_support.h"

namespace veldor {
namespace {

using testing::Link;
using testing::Outline;
using testing::ProjectBuilder;
using Lines = std::vector<std::string>;

Lines Build(CVeldorDoc& doc, size_t budget = kTreeElementBudget) {
  ProjectTree tree;
  BuildTopicTree(doc, tree, budget);
  return Outline(tree);
}

TEST(TopicTreeBuilderTest, NoContentsTopicGivesAnEmptyTree) {
  ProjectBuilder empty;
  empty.Contents("A");
  EXPECT_TRUE(Build(empty.doc()).empty());

  ProjectBuilder unnamed;
  unnamed.Topic("A", {{"B"}}).Topic("B");
  EXPECT_TRUE(Build(unnamed.doc()).empty());

  ProjectBuilder unknown;
  unknown.Topic("A", {{"B"}}).Topic("B").Contents("SOMMAIRE");
  EXPECT_TRUE(Build(unknown.doc()).empty());

  // Names are looked up exactly, case included.
  ProjectBuilder otherCase;
  otherCase.Topic("A").Contents("a");
  EXPECT_TRUE(Build(otherCase.doc()).empty());
}

TEST(TopicTreeBuilderTest, ShapesOfLinkedTopics) {
  struct TopicLinks {
    std::string name;
    std::vector<Link> links;
  };
  struct Case {
    const char* what;
    std::vector<TopicLinks> topics;
    std::string contents;
    Lines expected;
  };
  const std::vector<Case> cases = {
      {"a single topic", {{"A", {}}}, "A", {"A|TA"}},
      {"a link back to the contents ends the cycle",
       {{"A", {{"B"}}}, {"B", {{"A"}}}},
       "A",
       {"A|TA", "  B|TB", "    A|TA<<"}},
      {"a link of a topic to itself", {{"A", {{"A"}}}}, "A", {"A|TA", "  A|TA<<"}},
      {"two links to one target expand it under both",
       {{"A", {{"B"}, {"B"}}}, {"B", {{"C"}}}, {"C", {}}},
       "A",
       {"A|TA", "  B|TB", "    C|TC", "  B|TB", "    C|TC"}},
      {"a topic shown higher up in another branch is a leaf",
       {{"A", {{"B"}, {"D"}}}, {"B", {}}, {"D", {{"B"}}}},
       "A",
       {"A|TA", "  B|TB", "  D|TD", "    B|TB<<"}},
      {"a topic first met deeper is expanded again where it is shallower",
       {{"A", {{"B"}, {"C"}}}, {"B", {{"C"}}}, {"C", {{"D"}}}, {"D", {{"A"}}}},
       "A",
       {"A|TA", "  B|TB", "    C|TC", "      D|TD", "        A|TA<<", "  C|TC", "    D|TD",
        "      A|TA<<"}},
      {"images with a jump or popup link, popups of jump subjects",
       {{"A",
         {{"B", kActionSaut, kTypeBitMap},
          {"C", kActionPopup, kTypeBitMap},
          {"D", kActionPopup, kTypeJump}}},
        {"B", {}},
        {"C", {}},
        {"D", {}}},
       "A",
       {"A|TA", "  B|TB", "  C|TC", "  D|TD"}},
      {"other actions, other types and unknown targets add nothing",
       {{"A",
         {{"B", kActionRien},
          {"B", kActionSon},
          {"B", kActionImprime},
          {"B", kActionQuitte},
          {"B", kActionExecute},
          {"B", kActionSon, kTypeBitMap},
          {"B", kActionSaut, kTypeTexte},
          {"B", kActionSaut, kTypeTitre},
          {"NOWHERE"},
          {"b"}}},
        {"B", {}}},
       "A",
       {"A|TA"}},
      {"the first topic of a duplicated name is the one followed",
       {{"A", {{"B"}}}, {"B", {}}, {"B", {{"A"}}}},
       "A",
       {"A|TA", "  B|TB"}},
      {"topics not reached are not shown",
       {{"A", {{"B"}}}, {"B", {{"C"}}}, {"C", {}}},
       "B",
       {"B|TB", "  C|TC"}},
  };
  for (const Case& c : cases) {
    ProjectBuilder project;
    for (const TopicLinks& topic : c.topics) project.Topic(topic.name, topic.links);
    project.Contents(c.contents);
    EXPECT_EQ(Build(project.doc()), c.expected) << c.what;
  }
}

TEST(TopicTreeBuilderTest, BuildOpensEveryNodeAndLeavesTheProjectUnchanged) {
  ProjectBuilder project;
  project.Topic("A", {{"B"}, {"C"}}).Topic("B", {{"C"}}).Topic("C").Contents("A");
  const std::string before = project.doc().SaveToBytes();
  ProjectTree tree;
  BuildTopicTree(project.doc(), tree);
  // C is shown under B, and again in full under A where it is shallower.
  EXPECT_EQ(Outline(tree), (Lines{"A|TA", "  B|TB", "    C|TC", "  C|TC"}));
  const CEvElement* a = tree.root().child(0);
  EXPECT_TRUE(a->IsExpanded());
  EXPECT_EQ(a->imageIndex(), 0);
  EXPECT_FALSE(a->child(1)->IsExpanded());  // a leaf
  EXPECT_EQ(a->child(1)->imageIndex(), 1);
  EXPECT_EQ(a->topicName(), "A");
  EXPECT_EQ(project.doc().SaveToBytes(), before);
  EXPECT_FALSE(project.doc().IsModified());

  // Building again replaces the elements and forgets the selection.
  tree.Select(tree.root().child(0));
  tree.SetClientSize(100, 30);
  tree.SetFirstRow(3);
  project.doc().GetTopic(1)->subjects.clear();
  BuildTopicTree(project.doc(), tree);
  EXPECT_EQ(Outline(tree), (Lines{"A|TA", "  B|TB", "  C|TC"}));
  EXPECT_EQ(tree.Selected(), nullptr);
  EXPECT_EQ(tree.FirstRow(), 0);
}

// Each topic links twice to the next: every repeated expansion doubles the
// tree, so only the budget keeps it finite.
TEST(TopicTreeBuilderTest, RepeatedExpansionsStopAtTheBudget) {
  ProjectBuilder project;
  constexpr int kTopics = 40;
  for (int i = 0; i < kTopics; ++i) {
    const std::string next = "T" + std::to_string(i + 1);
    if (i + 1 < kTopics) {
      project.Topic("T" + std::to_string(i), {{next}, {next}});
    } else {
      project.Topic("T" + std::to_string(i), {{"T0"}});
    }
  }
  project.Contents("T0");

  // Within the budget the small case is the full picture.
  const Lines full = Build(project.doc(), kTreeElementBudget);
  ProjectTree tree;
  BuildTopicTree(project.doc(), tree, 1000);
  const Lines bounded = Outline(tree);
  EXPECT_LE(bounded.size(), 1000u + 2 * kTopics);
  EXPECT_GE(bounded.size(), 1000u);
  EXPECT_LE(full.size(), kTreeElementBudget + 2 * kTopics);
  // Every topic still appears expanded once: the deepest one is there.
  EXPECT_EQ(tree.DeepestLevel(), kTopics + 1);
  // Beyond the budget, repeats are marked as shown elsewhere.
  EXPECT_EQ(bounded.back().substr(bounded.back().size() - 2), "<<");
}

// Links that chain through thousands of topics make a tree thousands of
// levels deep; it is built, laid out and destroyed without recursion.
TEST(TopicTreeBuilderTest, ThousandsOfLevelsDeep) {
  ProjectBuilder project;
  constexpr int kTopics = 4096;
  for (int i = 0; i < kTopics; ++i) {
    project.Topic("T" + std::to_string(i), {{"T" + std::to_string((i + 1) % kTopics)},
                                            {"T" + std::to_string((i + 3) % kTopics)}});
  }
  project.Contents("T0");
  const auto start = std::chrono::steady_clock::now();
  ProjectTree tree;
  BuildTopicTree(project.doc(), tree);
  EXPECT_EQ(tree.DeepestLevel(), kTopics + 1);
  EXPECT_LE(static_cast<size_t>(tree.RowCount()), kTreeElementBudget + 2 * kTopics);
  EXPECT_EQ(tree.HorizontalMaximum(), kTopics + 1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace veldor
