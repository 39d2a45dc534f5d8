// The Delphi wizard on the sample project: text forms read directly,
// binary forms through the converter (a stand-in script here), forms left
// out with the reason, and the golden help map and topics.
#include "devtools/delphi_wizard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "devtools/help_map_include.h"
#include "devtools_test_support.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/recording_messages.h"
#include "support/scoped_settings.h"

namespace veldor {
namespace {

class DelphiWizardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.path().empty());
    // The stand-in converters are in a directory whose name has a blank.
    CopySample("delphi", dir_ / "delphi");
    CopySample("bin", dir_ / "Program Files");
  }

  std::string Converter(const std::string& name) const { return dir_ / ("Program Files/" + name); }

  // The project read with `converter`: its number of forms and the forms
  // left out.
  std::vector<SkippedForm> Read(const std::string& project, const std::string& converter,
                                int expectedForms) {
    CDelphiProject reader;
    reader.converterPath = converter;
    EXPECT_TRUE(reader.ReadDelphiProject(dir_ / ("delphi/" + project)));
    EXPECT_EQ(reader.formCount(), expectedForms) << project;
    return reader.skipped;
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
  ASSERT_TRUE(
      WriteFile(dir_ / "veldor.ini", "[Fichier]\r\nconvert=" + Converter("convert.sh") + "\r\n"));
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
  // Two binary forms.
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

TEST_F(DelphiWizardTest, ProjectFilesAndConverters) {
  // A converter that writes nothing leaves the binary form out.
  std::vector<SkippedForm> skipped = Read("Stock.dpr", Converter("convert-nothing.sh"), 3);
  ASSERT_EQ(skipped.size(), 1u);
  EXPECT_NE(skipped[0].reason.find("Rapport.TXT"), std::string::npos);
  // A converter whose path holds a blank is started all the same.
  EXPECT_TRUE(Read("Stock.dpr", Converter("convert.sh"), 4).empty());
  EXPECT_TRUE(messages_.messages.empty());

  // Only "Main" is a form: "uses" lines without "in", a unit that does not
  // exist, a unit without a form, and a unit with a text form beside it but
  // not marked as a form unit ("{frmArticles}") give none.
  EXPECT_TRUE(Read("Lines.dpr", "", 1).empty());

  // A text form left by an earlier conversion is read without converter.
  ASSERT_TRUE(WriteFile(dir_ / "delphi/rapport.txt",
                        "object frmRapport: TfrmRapport\r\n  HelpContext = 600\r\nend\r\n"));
  EXPECT_TRUE(Read("Stock.dpr", "", 4).empty());
}

TEST_F(DelphiWizardTest, ConverterCommandLine) {
  EXPECT_EQ(ConverterCommandLine("convert.exe", "D:\\P\\UNIT2.DFM"),
            "convert.exe \"D:\\P\\UNIT2.DFM\"");
  EXPECT_EQ(ConverterCommandLine("wine convert.exe", "/p/U.DFM"), "wine convert.exe \"/p/U.DFM\"");
  // An installed converter whose path holds a blank stays one word.
  EXPECT_EQ(ConverterCommandLine(Converter("convert.sh"), "/p/U.DFM"),
            "\"" + Converter("convert.sh") + "\" \"/p/U.DFM\"");
  // Whatever the form's name holds, the converter receives it as one
  // argument.
  for (const std::string form : {"/p/a\" \"b.DFM", "/p/x\\\" y.DFM", "/p/dir\\"}) {
    EXPECT_THAT(SplitCommandLine(ConverterCommandLine("convert.exe", form)),
                ::testing::ElementsAre("convert.exe", form));
  }
}

}  // namespace
}  // namespace veldor
