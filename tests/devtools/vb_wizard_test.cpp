// The Visual Basic wizard on the sample projects: the help map, the
// generated topics and the list of numbered objects, compared with golden
// files; forms that are left out; the limit of 4096 topics.
#include "devtools/vb_wizard.h"

#include <gtest/gtest.h>

#include "devtools/help_map_include.h"
#include "devtools/help_map_reader.h"
#include "devtools/help_maps.h"
#include "devtools_test_support.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/recording_messages.h"

namespace veldor {
namespace {

class VbWizardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.path().empty());
    CopySample("vb3", dir_ / "vb3");
    CopySample("vb6", dir_ / "vb6");
  }

  // Every jump of the project leads to a topic of the project.
  void ExpectNoDanglingJump() const {
    for (int t = 0; t < doc_.topicCount(); ++t) {
      const CTopic& topic = *doc_.GetTopic(t);
      for (int s = 0; s < topic.subjectCount(); ++s) {
        const CTypeEdit& subject = *topic.GetSubject(s);
        if (subject.typeCode == kTypeJump) {
          EXPECT_NE(doc_.FindTopic(subject.target), nullptr) << subject.target;
        }
      }
    }
  }

  TempDirectory dir_;
  CVeldorDoc doc_;
  RecordingMessages messages_;
};

TEST_F(VbWizardTest, VisualBasic3Project) {
  WizardReport report;
  // The project is named as Windows would: '\' and another letter case.
  ASSERT_TRUE(RunVbWizard(doc_, dir_.path() + "/VB3\\INVOICE.MAK", &report)) << report.error;
  EXPECT_EQ(report.skeleton.helpMapPath, dir_ / "vb3/Invoice.hm");
  EXPECT_TRUE(MatchesGolden(FileContents(dir_ / "vb3/Invoice.hm"), "devtools/golden/vb3.hm"));
  EXPECT_TRUE(MatchesGolden(DumpSkeleton(doc_, dir_.path()), "devtools/golden/vb3_topics.txt"));
  ExpectNoDanglingJump();
  EXPECT_TRUE(doc_.IsModified());
  EXPECT_EQ(messages_.waitDepth, 0);

  // The binary form and the missing one are left out, and said so.
  ASSERT_EQ(report.skipped.size(), 2u);
  EXPECT_NE(report.skipped[0].path.find("BINARY.FRM"), std::string::npos);
  EXPECT_NE(report.skipped[1].path.find("MISSING.FRM"), std::string::npos);
  EXPECT_EQ(report.skipped[1].reason, "fichier absent");
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(messages_.messages[0].text.rfind("Formulaires non lus :\n", 0), 0u);
}

TEST_F(VbWizardTest, VisualBasic6Project) {
  WizardReport report;
  ASSERT_TRUE(RunVbWizard(doc_, dir_ / "vb6/ledger.VBP", &report)) << report.error;
  EXPECT_TRUE(report.skipped.empty());
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_TRUE(MatchesGolden(FileContents(dir_ / "vb6/Ledger.hm"), "devtools/golden/vb6.hm"));
  EXPECT_TRUE(MatchesGolden(DumpSkeleton(doc_, dir_.path()), "devtools/golden/vb6_topics.txt"));
  ExpectNoDanglingJump();

  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(ListLinkedHelpIds(doc_, lines, &error)) << error;
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  EXPECT_TRUE(MatchesGolden(text, "devtools/golden/vb6_ids.txt"));
}

TEST_F(VbWizardTest, AnIdentifierAlreadyKnownKeepsASharedNumber) {
  // Both "cmdPrint" and "cmdOK" carry the number 10: the map keeps the one
  // the help maps already know, and only that one gets a topic.
  ReadHelpMapText(doc_, "HM_FRMINVOICE_CMDPRINT   0xA\r\n");
  ASSERT_TRUE(RunVbWizard(doc_, dir_ / "vb3/Invoice.mak"));
  const std::string map = FileContents(dir_ / "vb3/Invoice.hm");
  EXPECT_NE(map.find("HM_FRMINVOICE_CMDPRINT   0xA\r\n"), std::string::npos);
  EXPECT_EQ(map.find("HM_FRMCUSTOMER_CMDOK"), std::string::npos);
  EXPECT_NE(doc_.FindTopic("topicFRMINVOICE_CMDPRINT"), nullptr);
  EXPECT_EQ(doc_.FindTopic("topicFRMCUSTOMER_CMDOK"), nullptr);
}

TEST_F(VbWizardTest, AnExistingProjectKeepsItsNameChaptersAndReferences) {
  doc_.projectName = "AIDE";
  doc_.contentsTopic = "Sommaire";
  doc_.chapters = {"INTRO", "INDEX"};
  AddTopic(doc_, "Sommaire", "HM_FRMMAIN;HM_OLD", "INTRO");
  messages_.answerYes = false;  // keep the reference the new map lacks

  WizardReport report;
  ASSERT_TRUE(RunVbWizard(doc_, dir_ / "vb6/Ledger.vbp", &report));
  EXPECT_EQ(doc_.projectName, "AIDE");
  EXPECT_EQ(report.skeleton.helpMapPath, dir_ / "vb6/AIDE.hm");
  EXPECT_EQ(doc_.contentsTopic, "Sommaire");
  EXPECT_EQ(doc_.chapters,
            (std::vector<std::string>{"INDEX", "FRMMAIN", "FRMMAIN_What", "FRMACCOUNT",
                                      "FRMACCOUNT_What", "FRMABOUT", "FRMABOUT_What", "INTRO"}));
  EXPECT_EQ(report.skeleton.maps.unattached,
            std::vector<std::string>{"HM_OLD dans topic Sommaire"});
  EXPECT_EQ(doc_.GetTopic(0)->references, "HM_FRMMAIN;HM_OLD");
  EXPECT_EQ(doc_.GetTopic(doc_.topicCount() - 1)->name, "IndexPrincipal");
}

TEST_F(VbWizardTest, AtTheTopicLimitTheRestIsLeftOutAndCounted) {
  FillWithTopics(doc_, CVeldorDoc::kMaxTopics - 6);
  WizardReport report;
  ASSERT_TRUE(RunVbWizard(doc_, dir_ / "vb6/Ledger.vbp", &report));
  ASSERT_EQ(doc_.topicCount(), CVeldorDoc::kMaxTopics);
  EXPECT_EQ(report.skeleton.topicsGenerated, 6);
  // The whole skeleton is 19 topics (see the golden file); the first form
  // keeps its index topic and its first four topics.
  EXPECT_EQ(report.skeleton.topicsLeftOut, 19 - 6);
  EXPECT_NE(doc_.FindTopic("IndexFRMMAIN"), nullptr);
  EXPECT_NE(doc_.FindTopic("topicFRMMAIN_FRAACCOUNT_FRABALANCE_TXTBALANCE"), nullptr);
  EXPECT_EQ(doc_.FindTopic("topicFRMMAIN_FRAACCOUNT_1CMDPOST"), nullptr);
  EXPECT_EQ(doc_.FindTopic("IndexFRMACCOUNT"), nullptr);
  EXPECT_EQ(doc_.GetTopic(CVeldorDoc::kMaxTopics - 1)->name, "IndexPrincipal");
  ExpectNoDanglingJump();
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].text,
            "Limite de 4096 topics atteinte : 6 topics g\u00e9n\u00e9r\u00e9s, 13 laiss\u00e9s de "
            "c\u00f4t\u00e9");

  // A full project gets no topic but still its map.
  CVeldorDoc full;
  FillWithTopics(full, CVeldorDoc::kMaxTopics);
  ASSERT_TRUE(RunVbWizard(full, dir_ / "vb6/Ledger.vbp", &report));
  EXPECT_EQ(report.skeleton.topicsGenerated, 0);
  EXPECT_EQ(report.skeleton.topicsLeftOut, 19);
  EXPECT_TRUE(report.skeleton.helpMapWritten);
}

TEST_F(VbWizardTest, AProjectThatCannotBeReadEndsWithoutMessage) {
  WizardReport report;
  EXPECT_FALSE(RunVbWizard(doc_, dir_ / "vb6/Nothing.vbp", &report));
  EXPECT_NE(report.error.find("Nothing.vbp"), std::string::npos);
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_EQ(doc_.topicCount(), 0);
  EXPECT_FALSE(doc_.IsModified());
}

TEST_F(VbWizardTest, FormLinesOfTheProjectFile) {
  // Named relative to the project, in any letter case and with '\'.
  ASSERT_TRUE(
      WriteFile(dir_ / "vb6/Sub.vbp", "Form=FRMABOUT.FRM\r\nForm=forms\\frmaccount.frm\r\n"));
  CVbProject project;
  ASSERT_TRUE(project.ReadVbProject(dir_ / "vb6/Sub.vbp", true));
  ASSERT_EQ(project.formCount(), 2);
  EXPECT_EQ(project.forms[0].name, "FRMABOUT");
  EXPECT_EQ(project.forms[1].name, "FRMACCOUNT");
  EXPECT_EQ(project.projectTitle, "Sub");

  // At most 96 forms are read; the others are left out.
  std::string mak;
  for (int i = 0; i < 100; ++i) mak += "FRMABOUT.FRM\r\n";
  ASSERT_TRUE(WriteFile(dir_ / "vb6/Many.mak", mak));
  CVbProject many;
  ASSERT_TRUE(many.ReadVbProject(dir_ / "vb6/Many.mak", false));
  EXPECT_EQ(many.formCount(), 96);
  EXPECT_EQ(many.skipped.size(), 4u);
}

}  // namespace
}  // namespace veldor
