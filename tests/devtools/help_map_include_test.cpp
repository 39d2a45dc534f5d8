// "Fait Visual HM include" for each kind of link, its messages, and the
// help-map step of the full build.
#include "devtools/help_map_include.h"

#include <gtest/gtest.h>

#include "devtools_test_support.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/recording_messages.h"

namespace veldor {
namespace {

class HelpMapIncludeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.path().empty());
    CopySample("vc", dir_ / "vc");
    CopySample("vb6", dir_ / "vb6");
    doc_.SetPathName(dir_ / "Ledger.ehe");
    doc_.projectName = "LEDGER";
    doc_.allowVcLinkChanges = 1;
    // Written on Windows: '\' and another letter case.
    doc_.vcResourceInclude = dir_.path() + "\\VC\\resource.H";
  }

  std::string Map() const { return dir_ / "LEDGER.hm"; }
  std::string OnlyMessage() const {
    return messages_.messages.size() == 1 ? messages_.messages[0].text : "<not one message>";
  }

  TempDirectory dir_;
  CVeldorDoc doc_;
  RecordingMessages messages_;
};

TEST_F(HelpMapIncludeTest, VisualCppHeaderBecomesTheProjectMap) {
  HelpMapIncludeReport report;
  ASSERT_TRUE(BuildHelpMapInclude(doc_, &report));
  EXPECT_EQ(report.path, Map());
  EXPECT_TRUE(MatchesGolden(FileContents(Map()), "devtools/golden/Resource.hm"));
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_EQ(messages_.waitDepth, 0);
}

TEST_F(HelpMapIncludeTest, MessagesOfTheVisualCppLink) {
  CVeldorDoc unsaved;  // no file, no work directory
  unsaved.projectName = "LEDGER";
  EXPECT_FALSE(BuildHelpMapInclude(unsaved));
  EXPECT_EQ(OnlyMessage(), "Repertoire de travail non d\u00e9fini");

  messages_.messages.clear();
  doc_.projectName = "";
  EXPECT_FALSE(BuildHelpMapInclude(doc_));
  EXPECT_EQ(OnlyMessage(), "Le projet n'a pas de Nom valide");
  EXPECT_EQ(messages_.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(messages_.messages[0].caption, "Veldor  Application Windows");

  messages_.messages.clear();
  doc_.projectName = "LEDGER";
  messages_.messages.clear();
  doc_.vcResourceInclude = "";
  EXPECT_FALSE(BuildHelpMapInclude(doc_));
  EXPECT_EQ(OnlyMessage(), "Nom Include Resource Visual Manquant");

  // A stale map is removed even when the header is missing.
  messages_.messages.clear();
  ASSERT_TRUE(WriteFile(Map(), "HID_OLD 0x1\r\n"));
  doc_.vcResourceInclude = dir_ / "vc/Gone.h";
  EXPECT_FALSE(BuildHelpMapInclude(doc_));
  EXPECT_EQ(OnlyMessage(), "Le fichier resource n'existe pas\"");
  EXPECT_FALSE(FileExists(Map()));

  messages_.messages.clear();
  doc_.vcResourceInclude = dir_ / "vc/Resource.h";
  ASSERT_TRUE(MakeDirectory(Map()));  // a directory stands where the file goes
  EXPECT_FALSE(BuildHelpMapInclude(doc_));
  EXPECT_EQ(OnlyMessage().rfind("Impossible d'\u00e9crire le fichier " + Map() + "\n", 0), 0u);
}

TEST_F(HelpMapIncludeTest, VisualBasicLinkRereadsTheProjectForms) {
  doc_.devLinkKind = 3;
  doc_.devProjectFile = dir_.path() + "\\VB6\\LEDGER.VBP";
  HelpMapIncludeReport report;
  ASSERT_TRUE(BuildHelpMapInclude(doc_, &report));
  EXPECT_TRUE(MatchesGolden(FileContents(Map()), "devtools/golden/vb6.hm"));
}

TEST_F(HelpMapIncludeTest, VisualBasicAndDelphiLinksEndSilentlyWithoutAProject) {
  for (uint16_t kind : {1, 3, 4, 5}) {
    doc_.devLinkKind = kind;
    doc_.devProjectFile = "";
    HelpMapIncludeReport report;
    EXPECT_FALSE(BuildHelpMapInclude(doc_, &report));
    EXPECT_FALSE(report.silentReason.empty());
    doc_.devProjectFile = dir_ / "none/Missing.vbp";
    EXPECT_FALSE(BuildHelpMapInclude(doc_, &report));
    EXPECT_NE(report.silentReason.find("Missing.vbp"), std::string::npos);
  }
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(HelpMapIncludeTest, BuildStepRunsOnlyWhenLinkChangesAreAllowedAndNeverStopsTheBuild) {
  doc_.allowVcLinkChanges = 0;
  EXPECT_TRUE(HelpMapBuildStep(doc_));
  EXPECT_FALSE(FileExists(Map()));
  doc_.allowVcLinkChanges = 1;
  EXPECT_TRUE(HelpMapBuildStep(doc_));
  EXPECT_TRUE(FileExists(Map()));
  // Without a link the step only removes the old map.
  doc_.devLinkKind = 2;
  EXPECT_TRUE(HelpMapBuildStep(doc_));
  EXPECT_FALSE(FileExists(Map()));
  // A missing header is shown, and the build goes on.
  doc_.devLinkKind = 0;
  doc_.vcResourceInclude = dir_ / "vc/Gone.h";
  EXPECT_TRUE(HelpMapBuildStep(doc_));
  EXPECT_EQ(OnlyMessage(), "Le fichier resource n'existe pas\"");
}

}  // namespace
}  // namespace veldor
