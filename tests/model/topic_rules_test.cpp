#include "model/topic_rules.h"

#include <gtest/gtest.h>

#include "model/document.h"

namespace veldor {
namespace {

class TopicRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"Accueil", "Suite"}) {
      auto topic = std::make_unique<CTopic>();
      topic->name = name;
      doc.AddTopic(std::move(topic));
    }
    auto link = CTypeEdit::CreateSubject(kTypeJump);
    link->target = "accueil";
    doc.GetTopic(1)->AddSubject(std::move(link));
  }
  CVeldorDoc doc;
};

TEST_F(TopicRulesTest, NamesMustBeFilledAndUnique) {
  auto empty = CheckTopicName(doc, "", "Accueil");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->message, "La saisie du Nom doit ètre non vide");
  EXPECT_EQ(empty->caption, "ERREUR Champs Vide");
  auto taken = CheckTopicName(doc, "SUITE", "Accueil");
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->message, "Nom de Topic déjà existant");
  EXPECT_EQ(taken->caption, "ERREUR Champs en double");
  EXPECT_FALSE(CheckTopicName(doc, "ACCUEIL", "Accueil"));  // its own name, other case
  EXPECT_FALSE(CheckTopicName(doc, "Nouveau", ""));
  EXPECT_TRUE(CheckTopicName(doc, "accueil", ""));
}

TEST_F(TopicRulesTest, AcceptedEditRenamesLinksAndStoresFields) {
  TopicEdit edit;
  edit.name = "Debut";
  edit.title = "Titre";
  edit.browse = "A01";
  edit.chapter = "Intro";
  edit.keywordText = "un\r\n\r\ndeux";
  edit.references = {"R1", "R2"};
  CTopic& topic = *doc.GetTopic(0);
  EXPECT_FALSE(ApplyTopicEdit(doc, topic, "Accueil", edit));
  EXPECT_EQ(topic.name, "Debut");
  EXPECT_EQ(topic.title, "Titre");
  EXPECT_EQ(topic.browse, "A01");
  EXPECT_EQ(topic.chapter, "Intro");
  EXPECT_EQ(topic.keywords, (std::vector<std::string>{"un", "deux"}));
  EXPECT_EQ(topic.references, "R1;R2");
  EXPECT_EQ(doc.GetTopic(1)->GetSubject(0)->target, "Debut");
  EXPECT_TRUE(doc.IsModified());

  edit.chapter.reset();
  EXPECT_FALSE(ApplyTopicEdit(doc, topic, "Debut", edit));
  EXPECT_EQ(topic.chapter, "Intro");
}

TEST_F(TopicRulesTest, RefusedEditChangesNothing) {
  TopicEdit edit;
  edit.name = "Suite";
  CTopic& topic = *doc.GetTopic(0);
  EXPECT_TRUE(ApplyTopicEdit(doc, topic, "Accueil", edit));
  edit.name = "Autre";
  edit.references = {std::string(300, 'a'), std::string(300, 'b')};
  auto tooLong = ApplyTopicEdit(doc, topic, "Accueil", edit);
  ASSERT_TRUE(tooLong);
  EXPECT_NE(tooLong->message.find("510"), std::string::npos);
  EXPECT_EQ(topic.name, "Accueil");
  EXPECT_EQ(doc.GetTopic(1)->GetSubject(0)->target, "accueil");
}

}  // namespace
}  // namespace veldor
