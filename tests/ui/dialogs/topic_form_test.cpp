#include "ui/dialogs/rules/topic_form.h"

#include <gtest/gtest.h>

#include "model/document.h"
#include "platform/recording_messages.h"
#include "ui/dialogs/rules/pasted_topic_name.h"

namespace veldor {
namespace {

class TopicFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.chapters = {"ZETA", "ALPHA"};
    AddTopic("Accueil", "ALPHA");
    AddTopic("Suite", "");
    AddTopic("Orphelin", kNoChapter);
    auto jump = CTypeEdit::CreateSubject(kTypeJump);
    jump->target = "ACCUEIL";
    doc.GetTopic(1)->AddSubject(std::move(jump));
    doc.GetTopic(0)->references = "HID_B;HID_A;HID_B";
    doc.allowedHelpIds = {"HID_Z", "HID_A", "HID_C"};
  }
  void AddTopic(const std::string& name, const std::string& chapter) {
    auto topic = std::make_unique<CTopic>();
    topic->name = name;
    topic->chapter = chapter;
    doc.AddTopic(std::move(topic));
  }
  CVeldorDoc doc;
  RecordingMessages messages;
};

TEST_F(TopicFormTest, LoadsSortedChoicesAndPreselectsTheChapter) {
  const TopicForm form = LoadTopicForm(doc, *doc.GetTopic(0));
  EXPECT_EQ(form.chapterChoices, (std::vector<std::string>{"ALPHA", "ToutChapitre", "ZETA"}));
  EXPECT_EQ(form.chapter, "ALPHA");
  EXPECT_EQ(form.attached, (std::vector<std::string>{"HID_A", "HID_B"}));
  EXPECT_EQ(form.available, (std::vector<std::string>{"HID_A", "HID_C", "HID_Z"}));
  EXPECT_EQ(LoadTopicForm(doc, *doc.GetTopic(1)).chapter, "ToutChapitre");
  // A chapter the list lost is still offered, so confirming keeps it.
  const TopicForm orphan = LoadTopicForm(doc, *doc.GetTopic(2));
  EXPECT_EQ(orphan.chapter, kNoChapter);
  EXPECT_NE(std::find(orphan.chapterChoices.begin(), orphan.chapterChoices.end(), kNoChapter),
            orphan.chapterChoices.end());
}

TEST_F(TopicFormTest, AttachingKeepsOneSortedEntryAndDetachingRemoves) {
  TopicForm form = LoadTopicForm(doc, *doc.GetTopic(0));
  EXPECT_EQ(AttachReference(form, "HID_C"), 2);
  EXPECT_EQ(AttachReference(form, "HID_C"), 2);
  EXPECT_EQ(AttachReference(form, "HID_0"), 0);
  EXPECT_EQ(form.attached, (std::vector<std::string>{"HID_0", "HID_A", "HID_B", "HID_C"}));
  EXPECT_TRUE(DetachReference(form, 1));
  EXPECT_FALSE(DetachReference(form, 3));
  EXPECT_FALSE(DetachReference(form, -1));
  EXPECT_EQ(form.attached, (std::vector<std::string>{"HID_0", "HID_B", "HID_C"}));
}

TEST_F(TopicFormTest, RefusalsShowTheirMessageAndChangeNothing) {
  CTopic& topic = *doc.GetTopic(0);
  TopicForm form = LoadTopicForm(doc, topic);
  form.name = "";
  EXPECT_FALSE(ConfirmTopicForm(doc, topic, form));
  form.name = "suite";
  EXPECT_FALSE(ConfirmTopicForm(doc, topic, form));
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[0].text, "La saisie du Nom doit ètre non vide");
  EXPECT_EQ(messages.messages[0].caption, "ERREUR Champs Vide");
  EXPECT_EQ(messages.messages[1].text, "Nom de Topic déjà existant");
  EXPECT_EQ(messages.messages[1].caption, "ERREUR Champs en double");
  EXPECT_EQ(messages.messages[1].icon, MessageIcon::Error);
  EXPECT_EQ(topic.name, "Accueil");
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(TopicFormTest, ConfirmStoresFieldsAndRenamesReferences) {
  CTopic& topic = *doc.GetTopic(0);
  TopicForm form = LoadTopicForm(doc, topic);
  form.name = "Entree";
  form.title = "Titre";
  form.keywordText = "un\r\n\r\ndeux\r\n";
  form.browse = "abcdefghijklmnopqrstuvwxyz";
  form.chapter = "ZETA";
  AttachReference(form, "HID_C");
  EXPECT_TRUE(ConfirmTopicForm(doc, topic, form));
  EXPECT_EQ(topic.name, "Entree");
  EXPECT_EQ(topic.keywords, (std::vector<std::string>{"un", "deux"}));
  EXPECT_EQ(topic.browse, "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(topic.chapter, "ZETA");
  EXPECT_EQ(topic.references, "HID_A;HID_B;HID_C");
  EXPECT_EQ(doc.GetTopic(1)->GetSubject(0)->target, "Entree");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(TopicFormTest, SameNameInOtherCaseIsAcceptedAndNewTopicsNeedFreshNames) {
  CTopic& topic = *doc.GetTopic(0);
  TopicForm form = LoadTopicForm(doc, topic);
  form.name = "ACCUEIL";
  EXPECT_TRUE(ConfirmTopicForm(doc, topic, form));
  EXPECT_EQ(topic.name, "ACCUEIL");

  CTopic fresh;
  TopicForm newForm = LoadTopicForm(doc, fresh);
  newForm.name = "accueil";
  EXPECT_FALSE(ConfirmTopicForm(doc, fresh, newForm));
  newForm.name = "Nouveau";
  EXPECT_TRUE(ConfirmTopicForm(doc, fresh, newForm));
  EXPECT_EQ(fresh.chapter, "ToutChapitre");
  // Nothing pointed at the empty name of the new topic.
  EXPECT_EQ(doc.GetTopic(1)->GetSubject(0)->target, "ACCUEIL");
}

}  // namespace
}  // namespace veldor

namespace veldor {
namespace {

TEST(PastedTopicNameTest, ProposalDropsTrailingDigitsAndTakesTheFirstFreeNumber) {
  CVeldorDoc doc;
  for (const char* name : {"Page", "page1", "PAGE2", "7", "Suite12"}) {
    auto topic = std::make_unique<CTopic>();
    topic->name = name;
    doc.AddTopic(std::move(topic));
  }
  struct Case {
    const char* name;
    const char* proposal;
  };
  for (const Case& c : {Case{"Page", "Page3"}, Case{"page12", "page3"}, Case{"Suite12", "Suite1"},
                        Case{"7", "71"}, Case{"789", "71"}}) {
    EXPECT_EQ(ProposeTopicName(doc, c.name), c.proposal) << c.name;
  }
  EXPECT_TRUE(PastedNameTaken(doc, "SUITE12"));
  EXPECT_FALSE(PastedNameTaken(doc, "Neuf"));
  EXPECT_FALSE(PastedNameTaken(doc, ""));
}

}  // namespace
}  // namespace veldor
