// The rules of the topic editor without its widgets: selections and
// counters, topic and subject operations with the shared clipboards, the
// names of pasted topics, the subject popup menu.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/document.h"
#include "platform/recording_messages.h"
#include "ui/app/clipboards.h"
#include "ui/topics/subject_popup.h"
#include "ui/topics/topic_editor_model.h"
#include "ui/topics/topic_names.h"

namespace veldor::ui {
namespace {

// A topic named `name` with subjects whose texts are `texts`.
std::unique_ptr<CTopic> MakeTopic(const std::string& name, std::vector<std::string> texts = {},
                                  const std::string& chapter = "") {
  auto topic = std::make_unique<CTopic>();
  topic->SetName(name);
  topic->chapter = chapter;
  for (const std::string& text : texts) {
    auto s = CTypeEdit::CreateSubject(kTypeTexte);
    s->text = text;
    topic->AddSubject(std::move(s));
  }
  return topic;
}

void AddTopics(CVeldorDoc& doc, std::initializer_list<const char*> names) {
  for (const char* n : names) doc.AddTopic(MakeTopic(n));
}

std::vector<std::string> Texts(const CTopic& topic) {
  std::vector<std::string> out;
  for (int i = 0; i < topic.subjectCount(); ++i) out.push_back(topic.GetSubject(i)->text);
  return out;
}

NameAsker Accepting(std::vector<std::string>* proposals) {
  return [proposals](const std::string& proposal) -> std::optional<std::string> {
    proposals->push_back(proposal);
    return proposal;
  };
}

TEST(TopicNames, ProposalStripsTrailingDigitsAndTakesTheFirstFreeNumber) {
  CVeldorDoc doc;
  AddTopics(doc, {"Aide12", "Aide1", "7", "page", "PAGE1"});
  struct Case {
    const char* name;
    const char* proposal;
  } cases[] = {
      {"Aide12", "Aide2"},  // Aide1 is taken
      {"7", "71"},          // a lone digit is kept
      {"page", "page2"},    // PAGE1 is taken, ignoring case
      {"x99", "x1"},
  };
  for (const Case& c : cases) EXPECT_EQ(ProposeTopicName(doc, c.name), c.proposal) << c.name;
}

TEST(TopicNames, AskingRepeatsUntilTheNameIsFreeOrTheTopicIsSkipped) {
  CVeldorDoc doc;
  AddTopics(doc, {"A", "B"});
  std::vector<std::string> answers = {"b", "C"};  // "b" is still taken
  int asked = 0;
  const auto name = ResolveTopicName(doc, "a", [&](const std::string&) {
    return std::optional<std::string>(answers[static_cast<size_t>(asked++)]);
  });
  EXPECT_EQ(name, std::optional<std::string>("C"));
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(ResolveTopicName(doc, "A", [](const std::string&) { return std::nullopt; }));
  EXPECT_EQ(ResolveTopicName(doc, "new", nullptr), std::optional<std::string>("new"));
}

TEST(TopicEditorModel, ChaptersAndTopicsAreSortedIgnoringCaseWithCounters) {
  CVeldorDoc doc;
  doc.chapters = {"zeta", "Alpha"};
  doc.AddTopic(MakeTopic("beta", {"x", "y"}, "zeta"));
  doc.AddTopic(MakeTopic("Alpha", {}, "Alpha"));
  doc.AddTopic(MakeTopic("gamma", {"z"}, "zeta"));
  TopicEditorModel model(doc);
  model.FillChapters();
  EXPECT_EQ(model.chapters(), (std::vector<std::string>{"Alpha", "ToutChapitre", "zeta"}));
  EXPECT_EQ(model.chapterName(), "ToutChapitre");
  EXPECT_EQ(model.topicNames(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
  EXPECT_EQ(model.topicNamesInOrder(), (std::vector<std::string>{"beta", "Alpha", "gamma"}));
  EXPECT_EQ(model.TopicCounterText(), "1/3");
  EXPECT_EQ(model.SubjectCounterText(), "0");

  model.ShowTopic("GAMMA", true, 0);  // any case; its chapter is chosen
  EXPECT_EQ(model.chapterName(), "zeta");
  EXPECT_EQ(model.selectedTopic()->GetName(), "gamma");
  EXPECT_EQ(model.TopicCounterText(), "2/2");
  EXPECT_EQ(model.selectedSubjects(), std::vector<int>{0});

  // A chapter that disappears leaves its index selected.
  doc.chapters = {"Alpha"};
  model.Refresh();
  EXPECT_EQ(model.chapterIndex(), 1);
}

TEST(TopicEditorModel, DeletingTopicsAsksAndSelectsTheNeighbour) {
  RecordingMessages messages;
  CVeldorDoc doc;
  AddTopics(doc, {"a", "b", "c"});
  TopicEditorModel model(doc);
  model.FillChapters();
  model.SelectTopic(2);
  EXPECT_FALSE(model.DeleteSelectedTopic());  // answered No
  ASSERT_EQ(messages.confirmations.size(), 1u);
  EXPECT_EQ(messages.confirmations[0].text, "ATTENTION\nConfirmer destruction du TOPIC c");
  EXPECT_EQ(doc.topicCount(), 3);

  messages.answerYes = true;
  EXPECT_TRUE(model.DeleteSelectedTopic());  // the last one: the new last is selected
  EXPECT_EQ(model.selectedTopic()->GetName(), "b");
  EXPECT_EQ(doc.GetDeletedCount(), 1);
  EXPECT_TRUE(doc.IsModified());
  model.SelectTopic(0);
  EXPECT_TRUE(model.DeleteSelectedTopic());  // same position
  EXPECT_EQ(model.selectedTopic()->GetName(), "b");
  EXPECT_TRUE(model.DeleteSelectedTopic());
  EXPECT_EQ(model.selectedTopic(), nullptr);
  EXPECT_EQ(model.TopicCounterText(), "0");

  EXPECT_FALSE(model.DeleteSelectedTopic());
  EXPECT_EQ(messages.messages.back().text, kNoTopicSelected);
  EXPECT_EQ(messages.messages.back().caption, kSelectionCaption);
}

TEST(TopicEditorModel, TopicsCopiedInOneProjectPasteIntoAnotherUnderFreeNames) {
  TopicClipboard clipboard;
  CVeldorDoc first;
  first.AddTopic(MakeTopic("Aide12", {"one", "two"}));
  TopicEditorModel source(first);
  source.FillChapters();
  source.CopySelectedTopic(clipboard);
  EXPECT_EQ(clipboard.Count(), 1);

  CVeldorDoc second;
  AddTopics(second, {"Aide12", "Aide1"});
  TopicEditorModel target(second);
  target.FillChapters();
  std::vector<std::string> proposals;
  EXPECT_TRUE(target.PasteTopics(clipboard, Accepting(&proposals)));
  EXPECT_EQ(proposals, std::vector<std::string>{"Aide2"});
  ASSERT_NE(second.FindTopic("Aide2"), nullptr);
  EXPECT_EQ(Texts(*second.FindTopic("Aide2")), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(target.selectedTopic()->GetName(), "Aide2");
  EXPECT_TRUE(second.IsModified());

  // "Annuler coller" skips the topic.
  EXPECT_FALSE(target.PasteTopics(clipboard, [](const std::string&) { return std::nullopt; }));
  EXPECT_EQ(second.topicCount(), 3);
}

TEST(TopicEditorModel, SubjectClipboardCutsCopiesAndPastesAroundTheCaret) {
  RecordingMessages messages;
  messages.answerYes = true;
  SubjectClipboard clipboard;
  CVeldorDoc doc;
  doc.AddTopic(MakeTopic("t", {"s0", "s1", "s2", "s3", "s4"}));
  doc.AddTopic(MakeTopic("u", {}));
  TopicEditorModel model(doc);
  model.FillChapters();

  model.SetSubjectSelection({3, 1}, 3);  // two rows apart
  EXPECT_TRUE(model.CutSubjects(clipboard));
  EXPECT_EQ(Texts(*doc.FindTopic("t")), (std::vector<std::string>{"s0", "s2", "s4"}));
  EXPECT_EQ(model.selectedSubjects(), std::vector<int>{1});  // where the first cut row was
  EXPECT_EQ(clipboard.Count(), 2);

  model.SetSubjectSelection({0, 1, 2}, 0);
  EXPECT_TRUE(model.CopySubjects(clipboard));
  model.SetSubjectSelection({0}, 0);
  EXPECT_TRUE(model.PasteSubjects(clipboard));
  EXPECT_EQ(Texts(*doc.FindTopic("t")),
            (std::vector<std::string>{"s0", "s0", "s2", "s4", "s2", "s4"}));
  EXPECT_EQ(model.selectedSubjects(), (std::vector<int>{1, 2, 3}));

  model.SelectTopic(1);  // an empty topic takes them at its end
  EXPECT_TRUE(model.PasteSubjects(clipboard));
  EXPECT_EQ(Texts(*doc.FindTopic("u")), (std::vector<std::string>{"s0", "s2", "s4"}));

  model.SetSubjectSelection({}, -1);
  EXPECT_FALSE(model.CopySubjects(clipboard));  // nothing selected: the clipboard stays
  EXPECT_EQ(clipboard.Count(), 3);
  EXPECT_EQ(messages.messages.back().text, kNoSubjectSelected);
}

TEST(TopicEditorModel, MovingSubjectsStopsAtTheEnds) {
  RecordingMessages messages;
  CVeldorDoc doc;
  doc.AddTopic(MakeTopic("t", {"a", "b", "c"}));
  TopicEditorModel model(doc);
  model.FillChapters();
  model.SetSubjectSelection({0}, 0);
  EXPECT_FALSE(model.MoveSubjectUp());
  EXPECT_TRUE(model.MoveSubjectDown());
  EXPECT_TRUE(model.MoveSubjectDown());
  EXPECT_FALSE(model.MoveSubjectDown());
  EXPECT_EQ(Texts(*doc.FindTopic("t")), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_EQ(model.caret(), 2);
}

TEST(TopicEditorModel, MultipleDeletionFromTheTopicListAsksOnce) {
  RecordingMessages messages;
  messages.answerYes = true;
  CVeldorDoc doc;
  AddTopics(doc, {"a", "b", "c"});
  TopicEditorModel model(doc);
  model.FillChapters();
  TopicClipboard clipboard;
  model.CopyTopics({"a", "c"}, clipboard);
  EXPECT_EQ(clipboard.Count(), 2);
  EXPECT_TRUE(model.DeleteTopics({"a", "c"}));
  ASSERT_EQ(messages.confirmations.size(), 1u);
  EXPECT_EQ(messages.confirmations[0].caption, "Attention Confirmer!");
  EXPECT_EQ(model.topicNames(), std::vector<std::string>{"b"});
  EXPECT_EQ(doc.GetDeletedCount(), 2);
}

TEST(Clipboards, KeepTheirCapacityAndAnswerOutOfRangeWithAnEmptyEntry) {
  TopicClipboard topics;
  auto topic = MakeTopic("x");
  topics.Add(*topic);  // no capacity yet
  EXPECT_EQ(topics.Count(), 0);
  topics.SetCapacity(1);
  topics.Add(*topic);
  topics.Add(*topic);
  EXPECT_EQ(topics.Count(), 1);
  EXPECT_EQ(topics.At(5).GetName(), "");

  SubjectClipboard subjects;
  auto s = CTypeEdit::CreateSubject(kTypeJump);
  for (int i = 0; i < SubjectClipboard::kCapacity + 5; ++i) subjects.Add(*s);
  EXPECT_EQ(subjects.Count(), SubjectClipboard::kCapacity);
  EXPECT_EQ(subjects.At(-1).typeCode, kTypeMere);
}

TEST(SubjectPopup, OffersTheJumpTargetOnlyForJumpsAndPopups) {
  CVeldorDoc doc;
  auto topic = MakeTopic("t", {"text"});
  for (int action : {kActionSaut, kActionSon, kActionPopup}) {
    auto jump = CTypeEdit::CreateSubject(kTypeJump);
    jump->action = action;
    jump->target = "CIBLE";
    topic->AddSubject(std::move(jump));
  }
  auto texts = [&](std::vector<int> selection, int clipboard) {
    std::vector<std::string> out;
    for (const PopupItem& item :
         SubjectPopupItems(topic.get(), selection, clipboard, true, false)) {
      out.push_back(item.text);
    }
    return out;
  };
  EXPECT_EQ(texts({1}, 0),
            (std::vector<std::string>{"Montre rappel", "Montre image", "Edite", "Vers Saut CIBLE",
                                      "", "Couper sujet", "Copier sujet"}));
  EXPECT_EQ(texts({2}, 0).size(), 6u);  // a sound: no "Vers Saut"
  EXPECT_EQ(texts({3}, 0)[3], "Vers Saut CIBLE");
  EXPECT_EQ(texts({1, 3}, 0).size(), 6u);  // two selected
  EXPECT_EQ(texts({}, 2), (std::vector<std::string>{"Montre rappel", "Montre image", "Edite", "",
                                                    "Coller sujet"}));
  EXPECT_EQ(texts({}, 0).size(), 3u);
}

}  // namespace
}  // namespace veldor::ui
