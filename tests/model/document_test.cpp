#include "model/document.h"

#include <gtest/gtest.h>

namespace veldor {
namespace {

std::unique_ptr<CTopic> MakeTopic(const std::string& name, const std::string& chapter = "",
                                  const std::string& browse = "") {
  auto topic = std::make_unique<CTopic>();
  topic->name = name;
  topic->chapter = chapter;
  topic->browse = browse;
  return topic;
}

std::string Names(const CVeldorDoc& doc) {
  std::string names;
  for (int i = 0; i < doc.topicCount(); ++i) names += doc.GetTopic(i)->name;
  return names;
}

std::unique_ptr<CTypeEdit> Link(int code, int action, const std::string& target) {
  auto s = CTypeEdit::CreateSubject(code);
  s->action = action;
  s->target = target;
  return s;
}

TEST(DocumentTest, TopicLookupAndLimit) {
  CVeldorDoc doc;
  doc.AddTopic(MakeTopic("Accueil"));
  // Lookup is exact; the name check for new topics ignores case.
  EXPECT_EQ(doc.IndexOfTopic("Accueil"), 0);
  EXPECT_EQ(doc.FindTopic("accueil"), nullptr);
  EXPECT_EQ(doc.TopicNameExists("ACCUEIL"), 1);
  EXPECT_EQ(doc.TopicNameExists("Accueil2"), 0);
  for (int i = 1; i < CVeldorDoc::kMaxTopics; ++i) ASSERT_EQ(doc.AddTopic(MakeTopic("T")), 1);
  EXPECT_EQ(doc.AddTopic(MakeTopic("trop")), 0);
  EXPECT_EQ(doc.topicCount(), 4096);
}

TEST(DocumentTest, SortOrdersByChapterThenBrowseKeyAndIsStable) {
  CVeldorDoc doc;
  doc.AddTopic(MakeTopic("1", "B", "1"));
  doc.AddTopic(MakeTopic("2", "A", "2"));
  doc.AddTopic(MakeTopic("3", "A", "1"));
  doc.AddTopic(MakeTopic("4", "A", "1"));
  doc.AddTopic(MakeTopic("5", "", "9"));
  doc.AddTopic(MakeTopic("6", "a", "0"));
  doc.AddTopic(MakeTopic("7", "\xE9", "0"));  // bytes compare unsigned: after 'a'
  doc.SortTopics();
  EXPECT_EQ(Names(doc), "5342167");
}

TEST(DocumentTest, ChaptersOfTopics) {
  CVeldorDoc doc;
  doc.AddTopic(MakeTopic("a", "X"));
  doc.AddTopic(MakeTopic("b", "Y"));
  doc.AddTopic(MakeTopic("c", "X"));
  std::vector<std::string> list{"stale"};
  doc.GetTopicsOfChapter("X", list);
  EXPECT_EQ(list, (std::vector<std::string>{"a", "c"}));
  doc.GetTopicsOfChapter(kAllChapters, list);
  EXPECT_EQ(list.size(), 3u);
  doc.GetTopicsOfChapter("x", list);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(doc.PositionInChapter(2), 1);
  EXPECT_EQ(doc.PositionInChapter(1), 0);
}

TEST(DocumentTest, ChapterListEditing) {
  CVeldorDoc doc;
  EXPECT_EQ(doc.AddChapter("A"), 1);
  EXPECT_TRUE(doc.IsModified());
  doc.SetModifiedFlag(false);
  EXPECT_EQ(doc.AddChapter("A"), 0);
  EXPECT_EQ(doc.InsertChapter(0, "A"), 0);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.InsertChapter(0, "B"), 1);
  EXPECT_EQ(doc.AddChapter("a"), 1);  // names are compared exactly
  EXPECT_EQ(doc.chapters, (std::vector<std::string>{"B", "A", "a"}));
  doc.MoveChapterUp(0);
  doc.MoveChapterDown(2);
  EXPECT_EQ(doc.chapters, (std::vector<std::string>{"B", "A", "a"}));
  doc.MoveChapterDown(0);
  EXPECT_EQ(doc.IndexOfChapter("B"), 1);
  EXPECT_EQ(doc.IndexOfChapter("C"), -1);
}

TEST(DocumentTest, ChapterChangesAreUndoneFromSnapshots) {
  CVeldorDoc doc;
  doc.chapters = {"Intro", "Suite"};
  doc.AddTopic(MakeTopic("a", "Intro"));
  doc.AddTopic(MakeTopic("b", "Suite"));
  doc.AddTopic(MakeTopic("c", "Intro"));
  doc.GetTopic(0)->AddSubject(std::make_unique<CTypeEdit>());  // kept by the snapshot
  doc.GetTopic(0)->reservedText = "r";
  const auto savedChapters = doc.chapters;

  doc.DiscardSnapshots();
  doc.RenameChapter(0, "Debut");
  EXPECT_EQ(doc.GetTopic(0)->chapter, "Debut");
  EXPECT_EQ(doc.GetTopic(2)->chapter, "Debut");
  EXPECT_EQ(doc.chapters[0], "Debut");
  EXPECT_TRUE(doc.HasSnapshot(0));
  EXPECT_FALSE(doc.HasSnapshot(1));
  doc.DeleteChapter(0);
  EXPECT_EQ(doc.GetTopic(0)->chapter, kNoChapter);
  doc.DeleteChapter(0);
  EXPECT_EQ(doc.GetTopic(1)->chapter, kNoChapter);
  EXPECT_TRUE(doc.chapters.empty());
  EXPECT_TRUE(doc.IsModified());

  // Cancelling the dialog: the snapshots taken first are restored.
  doc.RestoreSnapshots();
  doc.chapters = savedChapters;
  EXPECT_EQ(doc.GetTopic(0)->chapter, "Intro");
  EXPECT_EQ(doc.GetTopic(1)->chapter, "Suite");
  EXPECT_EQ(doc.GetTopic(2)->chapter, "Intro");
  EXPECT_EQ(doc.GetTopic(0)->subjectCount(), 1);
  EXPECT_EQ(doc.GetTopic(0)->reservedText, "r");
  EXPECT_FALSE(doc.HasSnapshot(0));

  // Discarding keeps the changes.
  doc.RenameChapter(1, "Fin");
  doc.DiscardSnapshots();
  doc.RestoreSnapshots();
  EXPECT_EQ(doc.GetTopic(1)->chapter, "Fin");
}

TEST(DocumentTest, DeletedTopicsCanBeRecoveredUpToTheLimit) {
  CVeldorDoc doc;
  doc.AddTopic(MakeTopic("a"));
  doc.AddTopic(MakeTopic("b"));
  doc.DeleteTopic(5);
  doc.DeleteTopic(0);
  EXPECT_EQ(Names(doc), "b");
  ASSERT_EQ(doc.GetDeletedCount(), 1);
  EXPECT_EQ(doc.GetDeletedTopic(0)->name, "a");
  EXPECT_GT(doc.GetDeletedTopic(0)->deletedAt, 0);
  EXPECT_EQ(doc.GetDeletedTopic(1), nullptr);
  auto back = doc.RemoveDeletedTopic(0, false);
  ASSERT_TRUE(back);
  doc.AddTopic(std::move(back));
  EXPECT_EQ(Names(doc), "ba");
  ASSERT_EQ(doc.GetDeletedCount(), 0);
  EXPECT_EQ(doc.RemoveDeletedTopic(0, false), nullptr);

  for (int i = 0; i < CVeldorDoc::kMaxDeletedTopics + 2; ++i) {
    doc.AddTopic(MakeTopic(std::to_string(i)));
    doc.DeleteTopic(doc.topicCount() - 1);
  }
  ASSERT_EQ(doc.GetDeletedCount(), CVeldorDoc::kMaxDeletedTopics);
  EXPECT_EQ(doc.GetDeletedTopic(CVeldorDoc::kMaxDeletedTopics - 1)->name, "2047");
  EXPECT_EQ(doc.RemoveDeletedTopic(0, true), nullptr);
  EXPECT_EQ(doc.GetDeletedCount(), CVeldorDoc::kMaxDeletedTopics - 1);
  doc.ClearDeletedTopics();
  EXPECT_EQ(doc.GetDeletedCount(), 0);
}

TEST(DocumentTest, RenamingATopicRedirectsItsLinks) {
  CVeldorDoc doc;
  auto topic = MakeTopic("Page");
  topic->AddSubject(Link(kTypeJump, kActionPopup, "accueil"));
  topic->AddSubject(Link(kTypeJump, kActionSon, "Accueil"));
  topic->AddSubject(Link(kTypeBitMap, kActionSaut, "ACCUEIL"));
  topic->AddSubject(Link(kTypeJump, kActionSaut, "Accueil2"));
  topic->AddSubject(Link(kTypeJump, kActionSaut, ""));
  auto text = CTypeEdit::CreateSubject(kTypeTexte);
  text->action = kActionSaut;
  text->target = "Accueil";
  topic->AddSubject(std::move(text));
  doc.AddTopic(std::move(topic));
  CGlobalTexte global;
  global.target = "ACCUEIL";
  global.action = kActionExecute;
  doc.globals.Add(global);
  doc.contentsTopic = "Accueil";

  doc.RenameTopicReferences("Accueil", "Debut");
  const CTopic& page = *doc.GetTopic(0);
  EXPECT_EQ(page.GetSubject(0)->target, "Debut");
  EXPECT_EQ(page.GetSubject(1)->target, "Accueil");  // a sound is not a topic link
  EXPECT_EQ(page.GetSubject(2)->target, "Debut");
  EXPECT_EQ(page.GetSubject(3)->target, "Accueil2");
  EXPECT_EQ(page.GetSubject(5)->target, "Accueil");  // text subjects do not link
  EXPECT_EQ(doc.globals.GetAt(0)->target, "Debut");
  EXPECT_EQ(doc.contentsTopic, "Accueil");

  doc.RenameTopicReferences("", "Vide");
  EXPECT_EQ(page.GetSubject(4)->target, "");
}

}  // namespace
}  // namespace veldor
