#include "model/topic.h"

#include <gtest/gtest.h>

#include "model/archive.h"
#include "model_test_support.h"

namespace veldor {
namespace {

std::unique_ptr<CTypeEdit> TextSubject(const std::string& text) {
  auto s = CTypeEdit::CreateSubject(kTypeTexte);
  s->text = text;
  return s;
}

std::string Texts(const CTopic& topic) {
  std::string all;
  for (int i = 0; i < topic.subjectCount(); ++i) all += topic.GetSubject(i)->text;
  return all;
}

TEST(TopicTest, SubjectListOperations) {
  CTopic topic;
  EXPECT_EQ(topic.RemoveSubject(0), 0);
  EXPECT_EQ(topic.AddSubject(TextSubject("a")), 1);
  EXPECT_EQ(topic.AddSubject(TextSubject("c")), 1);
  EXPECT_EQ(topic.InsertSubject(1, TextSubject("b")), 1);
  EXPECT_EQ(topic.InsertSubject(4, TextSubject("z")), 0);
  EXPECT_EQ(Texts(topic), "abc");
  EXPECT_EQ(topic.MoveSubjectUp(0), 0);
  EXPECT_EQ(topic.MoveSubjectDown(2), 0);
  EXPECT_EQ(Texts(topic), "abc");
  EXPECT_EQ(topic.MoveSubjectUp(2), 1);
  EXPECT_EQ(Texts(topic), "acb");
  EXPECT_EQ(topic.MoveSubjectDown(0), 1);
  EXPECT_EQ(Texts(topic), "cab");
  EXPECT_EQ(topic.RemoveSubject(2), 1);
  EXPECT_EQ(Texts(topic), "ca");
  EXPECT_EQ(topic.subjectCount(), 2);
}

TEST(TopicTest, A257thSubjectIsRefused) {
  CTopic topic;
  for (int i = 0; i < CTopic::kMaxSubjects; ++i) ASSERT_EQ(topic.AddSubject(TextSubject("")), 1);
  EXPECT_EQ(topic.AddSubject(TextSubject("x")), 0);
  EXPECT_EQ(topic.InsertSubject(0, TextSubject("x")), 0);
  EXPECT_EQ(topic.subjectCount(), 256);
}

TEST(TopicTest, CopyKeepsContentButNotReservedFieldsOrPlainSubjects) {
  CTopic topic;
  topic.name = "A";
  topic.title = "Titre";
  topic.references = "R1;R2";
  topic.keywords = {"k"};
  topic.browse = "B";
  topic.chapter = "C";
  topic.reservedText = "rt";
  topic.reservedWordA = 5;
  topic.reservedLongs = {1};
  topic.deletedAt = 99;
  topic.AddSubject(TextSubject("1"));
  topic.AddSubject(std::make_unique<CTypeEdit>());
  auto jump = CTypeEdit::CreateSubject(kTypeJump);
  jump->target = "B";
  topic.AddSubject(std::move(jump));

  auto copy = topic.Copy();
  EXPECT_EQ(copy->title, "Titre");
  EXPECT_EQ(copy->references, "R1;R2");
  EXPECT_EQ(copy->keywords, topic.keywords);
  EXPECT_EQ(copy->browse + copy->chapter, "BC");
  EXPECT_EQ(copy->reservedText, "");
  EXPECT_EQ(copy->reservedWordA, 0);
  EXPECT_TRUE(copy->reservedLongs.empty());
  EXPECT_EQ(copy->deletedAt, 0);
  ASSERT_EQ(copy->subjectCount(), 2);  // the plain subject is left out
  EXPECT_EQ(copy->GetSubject(1)->target, "B");
  EXPECT_NE(copy->GetSubject(0), topic.GetSubject(0));

  auto exact = topic.ExactCopy();
  EXPECT_EQ(exact->subjectCount(), 3);
  EXPECT_EQ(exact->reservedText, "rt");
  EXPECT_EQ(exact->reservedWordA, 5);
}

TEST(TopicTest, KeywordTextAndReferences) {
  EXPECT_EQ(SplitKeywordText("un\r\n\r\ndeux"), (std::vector<std::string>{"un", "deux"}));
  EXPECT_EQ(SplitKeywordText("un\ndeux\n"), (std::vector<std::string>{"un", "deux"}));
  EXPECT_EQ(SplitKeywordText("\r\n"), std::vector<std::string>{});
  EXPECT_EQ(SplitKeywordText("seul"), std::vector<std::string>{"seul"});

  CTopic topic;
  EXPECT_EQ(topic.SetReferences(std::string(510, 'r')), 1);
  EXPECT_EQ(topic.SetReferences(std::string(511, 's')), 0);
  EXPECT_EQ(topic.references, std::string(510, 'r'));
  topic.name = std::string(150, 'n');
  EXPECT_EQ(topic.GetShortName().size(), 100u);
}

TEST(TopicTest, TypeWordChoosesTheClassAndTheInnerCodeFollows) {
  // A text subject written with an inner type code that disagrees with the
  // type word before it: reading trusts the type word, so writing the topic
  // again gives a stream that reads the same way.
  CTopic source;
  auto image = CTypeEdit::CreateSubject(kTypeBitMap);
  image->target = "T";
  source.AddSubject(std::move(image));
  source.AddSubject(std::make_unique<CTypeEdit>());
  std::string bytes;
  {
    CArchive ar(bytes);
    source.Serialize(ar);
  }
  // The inner type code of the image sits after its type word, two
  // one-byte strings, the colour, its index and the edit box.
  const size_t inner = 3 + 2 + 2 + 2 + 4 + 2 + 8;
  bytes[inner] = 9;
  CTopic read;
  CArchive in{std::string_view(bytes)};
  read.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0u);
  ASSERT_EQ(read.subjectCount(), 2);
  EXPECT_EQ(read.GetSubject(0)->typeCode, kTypeBitMap);
  EXPECT_EQ(read.GetSubject(0)->target, "T");
  EXPECT_EQ(read.GetSubject(1)->typeCode, 0xFFFF);
  EXPECT_EQ(read.GetSubject(1)->GetTypeName(), "Mere");
}

}  // namespace
}  // namespace veldor
