// The files of real projects: byte-order marks and UTF-16, projects of the
// wrong kind, forms named in scripts that names cannot hold, project paths
// with accents, and nested Delphi collections.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "devtools/delphi_form.h"
#include "devtools/delphi_project.h"
#include "devtools/delphi_wizard.h"
#include "devtools/help_map_include.h"
#include "devtools/help_map_rules.h"
#include "devtools/project_kind.h"
#include "devtools/resource_header.h"
#include "devtools/vb_form.h"
#include "devtools/vb_wizard.h"
#include "devtools_test_support.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/recording_messages.h"

namespace veldor {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* kBom = "\xEF\xBB\xBF";

std::string Utf16LeWithMark(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

std::string VbForm(const std::string& name, const std::string& body = "") {
  return "VERSION 5.00\r\nBegin VB.Form " + name + "\r\n" + body + "End\r\n";
}

class ProjectFilesTest : public ::testing::Test {
 protected:
  TempDirectory dir_;
  CVeldorDoc doc_;
  RecordingMessages messages_;
};

// Visual Studio saves resource headers in UTF-16; editors put a mark
// before UTF-8. Neither may lose a form or an identifier.
TEST_F(ProjectFilesTest, MarksAndUtf16AreRead) {
  ASSERT_TRUE(WriteFile(dir_ / "resource.h", Utf16LeWithMark("#define ID_FILE_OPEN 0xE101\r\n")));
  ASSERT_TRUE(ConvertResourceHeader(VisualCppRuleTexts(), dir_ / "resource.h", dir_ / "P.hm"));
  EXPECT_THAT(FileContents(dir_ / "P.hm"), HasSubstr("HID_FILE_OPEN"));

  ASSERT_TRUE(WriteFile(dir_ / "A.frm", kBom + VbForm("frmA", "HelpContextID = 5\r\n")));
  ASSERT_TRUE(WriteFile(dir_ / "B.frm", Utf16LeWithMark(VbForm("frmB"))));
  ASSERT_TRUE(WriteFile(dir_ / "P.vbp", std::string(kBom) + "Form=A.frm\r\nForm=B.frm\r\n"));
  CVbProject project;
  ASSERT_TRUE(project.ReadVbProject(dir_ / "P.vbp", true)) << project.error;
  EXPECT_TRUE(project.skipped.empty()) << project.SkippedFormsText();
  ASSERT_EQ(project.formCount(), 2);
  EXPECT_EQ(project.forms[0].name, "FRMA");
  EXPECT_EQ(project.forms[0].helpContextId, 5);
  EXPECT_EQ(project.forms[1].name, "FRMB");
}

// A form file whose name Windows-1252 cannot hold cannot be found through
// the project's text; the wizard says so rather than "missing".
TEST_F(ProjectFilesTest, FormNamesOutsideWindows1252AreSaidSo) {
  ASSERT_TRUE(WriteFile(dir_ / "\xED\x95\x9C.frm", VbForm("frmK")));
  ASSERT_TRUE(WriteFile(dir_ / "K.vbp", "Form=\xED\x95\x9C.frm\r\nForm=Absent.frm\r\n"));
  CVbProject project;
  ASSERT_TRUE(project.ReadVbProject(dir_ / "K.vbp", true)) << project.error;
  ASSERT_EQ(project.skipped.size(), 2u);
  EXPECT_THAT(project.skipped[0].reason, HasSubstr("Windows-1252"));
  EXPECT_EQ(project.skipped[1].reason, "fichier absent");
}

// A wizard given the other tool's project refuses it, naming what it
// expected, and changes nothing.
TEST_F(ProjectFilesTest, ProjectsOfTheWrongKindAreRefused) {
  ASSERT_TRUE(
      WriteFile(dir_ / "Stock.dpr", "program Stock;\r\nuses\r\n  Main in 'Main.pas' {F};\r\n"));
  ASSERT_TRUE(WriteFile(dir_ / "Ledger.vbp", "Type=Exe\r\nForm=Main.frm\r\n"));
  ASSERT_TRUE(WriteFile(dir_ / "notes.mak", "Quelques notes\r\nsans projet\r\n"));
  const struct {
    bool delphi;
    const char* file;
    const char* expected;
  } cases[] = {{false, "Stock.dpr", "Visual Basic"},
               {false, "notes.mak", "Visual Basic"},
               {true, "Ledger.vbp", "Delphi"}};
  for (const auto& c : cases) {
    WizardReport report;
    const bool ok = c.delphi ? RunDelphiWizard(doc_, dir_ / c.file, &report)
                             : RunVbWizard(doc_, dir_ / c.file, &report);
    EXPECT_FALSE(ok) << c.file;
    EXPECT_THAT(report.error, HasSubstr(c.expected));
    EXPECT_THAT(report.error, HasSubstr(c.file));
  }
  EXPECT_EQ(doc_.topicCount(), 0);
  EXPECT_FALSE(doc_.IsModified());

  // What each tool writes at the top of its projects.
  EXPECT_TRUE(LooksLikeDelphiProject({"{ Stock }", "", "program Stock; { main }"}));
  EXPECT_TRUE(LooksLikeDelphiProject({"library Outils;"}));
  EXPECT_FALSE(LooksLikeDelphiProject({"Program=Stock"}));
  EXPECT_TRUE(LooksLikeVbProject({"MAIN.FRM", "ProjWinSize=152,402,248,215"}));
  EXPECT_TRUE(LooksLikeVbProject({"Title=\"Ledger\""}));
  EXPECT_FALSE(LooksLikeVbProject({"=x", "uses Forms;"}));
}

// Forms and controls named in Korean all normalise to underscores; their
// topics and help identifiers stay distinct, numbered, and the wizard says
// which names it changed.
TEST_F(ProjectFilesTest, NamesThatNormaliseAlikeAreNumbered) {
  const std::string button = "Begin VB.CommandButton \xEB\xB2\x84\xED\x8A\xBC\r\nHelpContextID = ";
  ASSERT_TRUE(
      WriteFile(dir_ / "a.frm", VbForm("\xEC\xA3\xBC\xEB\xAC\xB8",  // two syllables
                                       button + "10\r\nEnd\r\n" + button + "11\r\nEnd\r\n")));
  ASSERT_TRUE(
      WriteFile(dir_ / "b.frm", VbForm("\xEA\xB3\xA0\xEA\xB0\x9D", button + "12\r\nEnd\r\n")));
  ASSERT_TRUE(WriteFile(dir_ / "c.frm", VbForm("__2")));  // already holds the first new name
  ASSERT_TRUE(WriteFile(dir_ / "K.vbp", "Form=a.frm\r\nForm=b.frm\r\nForm=c.frm\r\n"));
  WizardReport report;
  ASSERT_TRUE(RunVbWizard(doc_, dir_ / "K.vbp", &report)) << report.error;
  EXPECT_THAT(report.renamed, ElementsAre("_____ -> _____2", "__ -> __3"));
  EXPECT_THAT(FileContents(dir_ / "K.hm"),
              ::testing::AllOf(HasSubstr("HM______   0xA"), HasSubstr("HM______2   0xB"),
                               HasSubstr("HM___3___   0xC")));
  for (const char* topic :
       {"Index__", "Index__3", "Index__2", "topic_____", "topic_____2", "topic__3___"}) {
    EXPECT_NE(doc_.FindTopic(topic), nullptr) << topic;
  }
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_THAT(messages_.messages[0].text, HasSubstr("_____ -> _____2"));
}

// The document keeps the linked project's path as project text
// (Windows-1252) and finds it again; a project in a directory that
// Windows-1252 cannot name is refused before anything changes.
TEST_F(ProjectFilesTest, LinkedProjectPathsAreProjectText) {
  const std::string onDisk = dir_ / "Projets \xC3\xA9t\xC3\xA9";
  const std::string inProject = dir_ / "Projets \xE9t\xE9";
  ASSERT_TRUE(MakeDirectory(onDisk));
  ASSERT_TRUE(WriteFile(onDisk + "/Main.frm", VbForm("frmMain", "HelpContextID = 7\r\n")));
  ASSERT_TRUE(WriteFile(onDisk + "/Compta.vbp", "Form=Main.frm\r\n"));
  WizardReport report;
  ASSERT_TRUE(RunVbWizard(doc_, onDisk + "/Compta.vbp", &report)) << report.error;
  EXPECT_EQ(doc_.devProjectFile, inProject + "/Compta.vbp");
  EXPECT_EQ(doc_.rootDir, inProject);
  EXPECT_EQ(report.skeleton.helpMapPath, onDisk + "/Compta.hm");
  HelpMapIncludeReport again;
  EXPECT_TRUE(BuildHelpMapInclude(doc_, &again)) << again.silentReason;
  EXPECT_THAT(FileContents(onDisk + "/Compta.hm"), HasSubstr("HM_FRMMAIN   0x7"));

  const std::string korean = dir_ / "\xED\x95\x9C";
  ASSERT_TRUE(MakeDirectory(korean));
  ASSERT_TRUE(WriteFile(korean + "/Compta.vbp", "Form=Main.frm\r\n"));
  CVeldorDoc other;
  EXPECT_FALSE(RunVbWizard(other, korean + "/Compta.vbp", &report));
  EXPECT_THAT(report.error, HasSubstr(korean + "/Compta.vbp"));
  EXPECT_THAT(report.error, HasSubstr("Windows-1252"));
  EXPECT_EQ(other.topicCount(), 0);
}

// An item after a nested collection's "end>" still belongs to the outer
// collection (its HelpContext is not the grid's), and the controls after
// the collection are read.
TEST(DelphiCollectionTest, ItemsAfterANestedCollectionStayInTheirCollection) {
  CEnfant root;
  ASSERT_TRUE(
      ParseDelphiForm("object Form1: TForm1\n"
                      "  object Grid: TDBGrid\n"
                      "    Columns = <\n"
                      "      item\n"
                      "        Items = <\n"
                      "          item\n"
                      "            HelpContext = 1\n"
                      "          end>\n"
                      "      end\n"
                      "      item\n"
                      "        HelpContext = 2\n"
                      "      end>\n"
                      "    HelpContext = 31\n"
                      "  end\n"
                      "  object Button1: TButton\n"
                      "    HelpContext = 40\n"
                      "  end\n"
                      "end\n",
                      root));
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].helpContextId, 31);
  EXPECT_EQ(root.children[1].name, "BUTTON1");
  EXPECT_EQ(root.children[1].helpContextId, 40);
  EXPECT_EQ(root.helpContextId, -1);
}

}  // namespace
}  // namespace veldor
