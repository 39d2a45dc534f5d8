// The Delphi wizard on the sample project: text forms read directly,
// binary forms through the converter (a stand-in script here), forms left
// out with the reason, and the golden help map and topics.
#include "devtools/delphi_wizard.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "devtools/help_map_include.h"
#include "devtools_test_support.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/recording_messages.h"
#include "support/scoped_settings.h"

namespace veldor {
namespace {

// Writes, as Delphi's converter does, the text form beside the binary one.
const char* const kFakeConverter =
    "#!/bin/sh\n"
    "txt=\"${1%.*}.TXT\"\n"
    "printf 'object frmRapport: TfrmRapport\\r\\n  HelpContext = 600\\r\\n"
    "  object btnImprimer: TButton\\r\\n    HelpContext = 610\\r\\n  end\\r\\nend\\r\\n'"
    " > \"$txt\"\n";

class DelphiWizardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.path().empty());
    CopySample("delphi", dir_ / "delphi");
  }

  std::string MakeConverter(const std::string& script) {
    const std::string path = dir_ / "bin/convert.sh";
    EXPECT_TRUE(MakeDirectories(dir_ / "bin"));
    EXPECT_TRUE(WriteFile(path, script));
    ::chmod(path.c_str(), 0755);
    return path;
  }

  TempDirectory dir_;
  CVeldorDoc doc_;
  RecordingMessages messages_;
};

TEST_F(DelphiWizardTest, SampleProjectWithoutConverter) {
  const std::string none;
  WizardReport report;
  ASSERT_TRUE(RunDelphiWizard(doc_, dir_ / "delphi/STOCK.DPR", &report, &none)) << report.error;
  EXPECT_TRUE(MatchesGolden(FileContents(dir_ / "delphi/Stock.hm"), "devtools/golden/delphi.hm"));
  EXPECT_TRUE(MatchesGolden(DumpSkeleton(doc_, dir_.path()), "devtools/golden/delphi_topics.txt"));

  // Only the binary form is left out, and the message says why.
  ASSERT_EQ(report.skipped.size(), 1u);
  EXPECT_NE(report.skipped[0].path.find("Rapport.dfm"), std::string::npos);
  EXPECT_NE(report.skipped[0].reason.find("convertisseur"), std::string::npos);
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_NE(messages_.messages[0].text.find("Rapport.dfm"), std::string::npos);
  EXPECT_FALSE(FileExists(dir_ / "delphi/Main.TXT"));  // text forms need no conversion

  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(ListLinkedHelpIds(doc_, lines, &error)) << error;
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  EXPECT_TRUE(MatchesGolden(text, "devtools/golden/delphi_ids.txt"));
}

TEST_F(DelphiWizardTest, BinaryFormsGoThroughTheConverterOfTheSettings) {
  const std::string converter = MakeConverter(kFakeConverter);
  ASSERT_TRUE(WriteFile(dir_ / "veldor.ini", "[Fichier]\r\nconvert=" + converter + "\r\n"));
  WizardReport report;
  {
    ScopedSettingsFile<> settings(dir_ / "veldor.ini");
    ASSERT_TRUE(RunDelphiWizard(doc_, dir_ / "delphi/Stock.dpr", &report));
  }
  EXPECT_TRUE(report.skipped.empty());
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_TRUE(FileExists(dir_ / "delphi/Rapport.TXT"));
  EXPECT_NE(doc_.FindTopic("topicFRMRAPPORT_BTNIMPRIMER"), nullptr);
  EXPECT_EQ(doc_.chapters.back(), "FRMRAPPORT");
  EXPECT_NE(FileContents(dir_ / "delphi/Stock.hm").find("HM_FRMRAPPORT_BTNIMPRIMER   0x262\r\n"),
            std::string::npos);
}

TEST_F(DelphiWizardTest, AConverterThatCannotStartIsReportedOnce) {
  ASSERT_TRUE(WriteFile(dir_ / "delphi/Second.pas", "unit Second;\r\nend.\r\n"));
  ASSERT_TRUE(CopyFile(dir_ / "delphi/Rapport.dfm", dir_ / "delphi/Second.dfm"));
  ASSERT_TRUE(WriteFile(dir_ / "delphi/Two.dpr",
                        "program Two;\r\nuses\r\n  Rapport in 'Rapport.pas' {frmRapport},\r\n"
                        "  Second in 'Second.pas' {frmSecond};\r\nbegin\r\nend.\r\n"));
  const std::string missing = dir_ / "bin/nothing-here.exe";
  WizardReport report;
  ASSERT_TRUE(RunDelphiWizard(doc_, dir_ / "delphi/Two.dpr", &report, &missing));
  ASSERT_EQ(report.skipped.size(), 2u);
  EXPECT_NE(report.skipped[1].reason.find("lanc"), std::string::npos);
  // One launch error, then the list of forms left out.
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_EQ(messages_.messages[0].text.rfind("Erreur de lancement convert de delphi\n", 0), 0u);
  EXPECT_EQ(messages_.messages[0].icon, MessageIcon::Error);
  EXPECT_NE(messages_.messages[0].text.find("nothing-here.exe"), std::string::npos);
  EXPECT_EQ(doc_.devLinkKind, 4);
  EXPECT_EQ(doc_.topicCount(), 1);  // the main index only
}

TEST_F(DelphiWizardTest, AConverterThatWritesNothingLeavesTheFormOut) {
  const std::string converter = MakeConverter("#!/bin/sh\nexit 0\n");
  CDelphiProject project;
  project.converterPath = converter;
  ASSERT_TRUE(project.ReadDelphiProject(dir_ / "delphi/Stock.dpr"));
  EXPECT_EQ(project.formCount(), 3);
  ASSERT_EQ(project.skipped.size(), 1u);
  EXPECT_NE(project.skipped[0].reason.find("Rapport.TXT"), std::string::npos);
}

TEST_F(DelphiWizardTest, ATextFormLeftByAnEarlierConversionIsRead) {
  ASSERT_TRUE(WriteFile(dir_ / "delphi/rapport.txt",
                        "object frmRapport: TfrmRapport\r\n  HelpContext = 600\r\nend\r\n"));
  CDelphiProject project;
  project.converterPath = "";
  ASSERT_TRUE(project.ReadDelphiProject(dir_ / "delphi/Stock.dpr"));
  EXPECT_EQ(project.formCount(), 4);
  EXPECT_TRUE(project.skipped.empty());
}

TEST_F(DelphiWizardTest, UnitLinesOfTheProjectFile) {
  ASSERT_TRUE(WriteFile(dir_ / "delphi/Lines.dpr",
                        "program Lines;\r\n"
                        "uses Forms, Main, Articles;\r\n"            // no "in": no unit
                        "uses Main in 'Main.pas' {frmMain};\r\n"     // after "uses"
                        "  Absent in 'Absent.pas' {frmAbsent},\r\n"  // no such unit
                        "  Outils in 'Outils.pas',\r\n"              // a unit without form
                        // A text form beside the unit, but the unit is not
                        // marked as a form unit ("{frmArticles}").
                        "  Articles in 'Forms\\Articles.pas';\r\n"
                        "begin\r\nend.\r\n"));
  CDelphiProject project;
  project.converterPath = "";
  ASSERT_TRUE(project.ReadDelphiProject(dir_ / "delphi/Lines.dpr"));
  ASSERT_EQ(project.formCount(), 1);
  EXPECT_EQ(project.forms[0].name, "FRMMAIN");
  EXPECT_TRUE(project.skipped.empty());
}

TEST_F(DelphiWizardTest, ConverterCommandLine) {
  EXPECT_EQ(ConverterCommandLine("convert.exe", "D:\\P\\UNIT2.DFM"),
            "convert.exe \"D:\\P\\UNIT2.DFM\"");
  // A command of several words is not a file: it stays as written.
  EXPECT_EQ(ConverterCommandLine("wine convert.exe", "/p/U.DFM"), "wine convert.exe \"/p/U.DFM\"");
  // An installed converter whose path holds a blank stays one word.
  const std::string converter = dir_ / "Program Files/bin/convert.sh";
  ASSERT_TRUE(MakeDirectories(dir_ / "Program Files/bin"));
  ASSERT_TRUE(WriteFile(converter, kFakeConverter));
  ::chmod(converter.c_str(), 0755);
  EXPECT_EQ(ConverterCommandLine(converter, "/p/U.DFM"), "\"" + converter + "\" \"/p/U.DFM\"");

  CDelphiProject project;
  project.converterPath = converter;
  ASSERT_TRUE(project.ReadDelphiProject(dir_ / "delphi/Stock.dpr"));
  EXPECT_TRUE(project.skipped.empty());
  EXPECT_EQ(project.formCount(), 4);
  EXPECT_TRUE(messages_.messages.empty());
}

}  // namespace
}  // namespace veldor
