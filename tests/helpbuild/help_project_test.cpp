#include "helpbuild/help_project.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "helpbuild/build_test_support.h"
#include "platform/recording_messages.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using testing::AddSubject;
using testing::AddTopic;
using ::testing::ElementsAre;
using testing::LoadProject;
using testing::MakeSubject;

class HelpProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MakeDirectory(work_));
    doc_.projectName = "DEMO";
    doc_.rootDir = work_;
    doc_.report = 0;
  }
  std::string Hpj() { return ReplaceAll(FileContents(work_ + "/DEMO.HPJ"), temp_.path(), "$TMP"); }
  CTypeEdit& AddBitmap(CTopic& topic, const std::string& file) {
    CTypeEdit& s = AddSubject(topic, MakeSubject(kTypeBitMap, "image"));
    s.title = file;
    return s;
  }

  TempDirectory temp_;
  const std::string work_ = temp_ / "work";
  CVeldorDoc doc_;
  RecordingMessages messages_;
};

// [BITMAPS] and [ALIAS] are left out when empty, and the help-map include
// is only named once it exists.
TEST_F(HelpProjectTest, WorkedExample) {
  LoadProject("helpbuild/help_project_example.json", doc_, work_);
  ASSERT_TRUE(BuildHelpProject(doc_));
  EXPECT_TRUE(MatchesGolden(ReplaceAll(FileContents(work_ + "/DEMO.HPJ"), work_, "D:\\AIDE"),
                            "helpbuild/help_project_example.hpj"));
  EXPECT_EQ(FileContents(work_ + "/DEMO.BAT"),
            "rem ****************************************************************\n"
            "rem fichier batch de recopie des BMP \xE9parpill\xE9s vers un seul r\xE9peroire\n"
            "rem c'est bien pratique pour regrouper le projet\n");
  EXPECT_EQ(HelpMapIncludePath(doc_), work_ + "/DEMO.hm");
  EXPECT_TRUE(messages_.messages.empty());
}

// TITLE and COPYRIGHT in code page 850, the notice cut to 74 characters,
// the contents topic through its reference, every option, the help-map
// include, and window lines (main without position, colours, no name).
TEST_F(HelpProjectTest, EveryOptionAndSection) {
  LoadProject("helpbuild/help_project_full.json", doc_, work_);
  ASSERT_TRUE(WriteFile(work_ + "/DEMO.hm", "HID_X 0x10001\n"));
  ASSERT_TRUE(BuildHelpProject(doc_));
  EXPECT_TRUE(MatchesGolden(Hpj(), "helpbuild/help_project_full.hpj"));
}

TEST_F(HelpProjectTest, BitmapsAreFoundListedOnceAndCopied) {
  ASSERT_TRUE(MakeDirectory(temp_ / "images"));
  ASSERT_TRUE(MakeDirectory(temp_ / "bmroot"));
  for (const char* file :
       {"work/LOGO.BMP", "work/CARTE.BMP", "work/Zone.shg", "work/ZONE.BMP", "images/Photo.bmp",
        "bmroot/Plan", "bmroot/Plan.bmp", "bmroot/Seul.bmp"}) {
    ASSERT_TRUE(WriteFile(temp_ / file, "BM"));
  }
  doc_.bitmapRootDir = temp_ / "bmroot";
  CTopic& first = AddTopic(doc_, "T1");
  CTopic& second = AddTopic(doc_, "T2");
  AddBitmap(first, work_ + "/logo.bmp");
  AddBitmap(first, temp_ / "images/Photo.bmp");
  CTypeEdit& carte = AddBitmap(first, "C:\\CARTES\\Carte.bmp");
  AddBitmap(second, work_ + "/LOGO.bmp");  // the same file again
  CTypeEdit& plan = AddBitmap(second, "X:\\ANCIEN\\Plan.bmp");
  CTypeEdit& seul = AddBitmap(second, "X:\\Seul.bmp");
  AddBitmap(second, work_ + "/zone.SHG");
  AddBitmap(second, "introuvable.bmp");
  AddSubject(second, MakeSubject(kTypeTexte, "pas une image")).title = work_ + "/LOGO.BMP";

  ASSERT_TRUE(BuildHelpProject(doc_));
  EXPECT_THAT(doc_.bitmapLines, ElementsAre("LOGO.BMP", temp_ / "images/Photo.bmp", "CARTE.BMP",
                                            temp_ / "bmroot/Plan.bmp", "Zone.shg"));
  const std::string batch = ReplaceAll(FileContents(work_ + "/DEMO.BAT"), temp_.path(), "$TMP");
  EXPECT_EQ(batch.substr(batch.find("copy")),
            "copy $TMP/work/LOGO.BMP %1 %2\ncopy $TMP/images/Photo.bmp %1 %2\n"
            "copy $TMP/work/CARTE.BMP %1 %2\ncopy $TMP/bmroot/Plan.bmp %1 %2\n"
            "copy $TMP/work/Zone.shg %1 %2\ncopy $TMP/work/ZONE.BMP %1 %2\n");
  EXPECT_NE(Hpj().find("[BITMAPS]\nLOGO.BMP\n$TMP/images/Photo.bmp\nCARTE.BMP\n"
                       "$TMP/bmroot/Plan.bmp\nZone.shg\n\n\n"),
            std::string::npos);
  // Bitmaps found elsewhere than named are renamed, with the real spelling;
  // the bitmap root is only used when it holds the name without extension.
  EXPECT_EQ(carte.title, work_ + "/CARTE.BMP");
  EXPECT_EQ(plan.title, temp_ / "bmroot/Plan.bmp");
  EXPECT_EQ(seul.title, "X:\\Seul.bmp");
  EXPECT_TRUE(doc_.IsModified());
}

// A path the command interpreter would split or expand is quoted in the
// batch file, its '%' doubled; [BITMAPS] keeps it as it is.
TEST_F(HelpProjectTest, BatchFileQuotesPathsTheInterpreterWouldSplit) {
  ASSERT_TRUE(MakeDirectory(temp_ / "mes images"));
  ASSERT_TRUE(WriteFile(temp_ / "mes images/a&b 100%.shg", "SHG"));
  ASSERT_TRUE(WriteFile(work_ + "/a&b 100%.bmp", "BM"));
  AddBitmap(AddTopic(doc_, "T1"), temp_ / "mes images/a&b 100%.shg");

  ASSERT_TRUE(BuildHelpProject(doc_));
  EXPECT_THAT(doc_.bitmapLines, ElementsAre(temp_ / "mes images/a&b 100%.shg"));
  const std::string batch = ReplaceAll(FileContents(work_ + "/DEMO.BAT"), temp_.path(), "$TMP");
  EXPECT_EQ(batch.substr(batch.find("copy")),
            "copy \"$TMP/mes images/a&b 100%%.shg\" %1 %2\n"
            "copy \"$TMP/work/a&b 100%%.bmp\" %1 %2\n");
}

// A line break in a value must not add a line (a [CONFIG] macro, say) to
// the help project, and a quote must not end the caption's field.
TEST_F(HelpProjectTest, ValuesStayOnTheirLineAndInTheirField) {
  doc_.helpTitle = "Aide\r\n[CONFIG]\r\nExecProgram(\"calc.exe\")";
  doc_.iconFile = "app.ico\nRegisterRoutine(\"x\")";
  CWinAttr window;
  window.name = "main";
  window.caption =
      "Aide \"sp\xE9"
      "ciale\"\n[CONFIG]";
  window.usePosition = 1;
  doc_.windows.Add(window);
  ASSERT_TRUE(BuildHelpProject(doc_));
  const std::string hpj = Hpj();
  EXPECT_NE(hpj.find("\nTITLE=Aide  [CONFIG]  ExecProgram(\"calc.exe\")\n"), std::string::npos);
  EXPECT_NE(hpj.find("\nICON=app.ico RegisterRoutine(\"x\")\n"), std::string::npos);
  EXPECT_NE(hpj.find("\nmain=\"Aide 'sp\xE9"
                     "ciale' [CONFIG]\",("),
            std::string::npos)
      << hpj;
  // Exactly one [Config] section, the one written by the build.
  EXPECT_EQ(hpj.find("[CONFIG]\n"), std::string::npos);
}

// A bitmap whose name would end the copy command early is left out of the
// batch file and of [BITMAPS], with a message; the others are copied.
TEST_F(HelpProjectTest, BitmapNamesThatWouldSplitTheCopyCommandAreLeftOut) {
  CTopic& topic = AddTopic(doc_, "T1");
  for (const char* name : {"a\"&del x.bmp", "b\ndel x.bmp", "c.bmp"}) {
    ASSERT_TRUE(WriteFile(work_ + "/" + name, "BM"));
    AddBitmap(topic, work_ + "/" + name);
  }
  ASSERT_TRUE(BuildHelpProject(doc_));
  EXPECT_THAT(doc_.bitmapLines, ElementsAre("c.bmp"));
  const std::string batch = FileContents(work_ + "/DEMO.BAT");
  EXPECT_EQ(batch.substr(batch.find("copy")), "copy " + work_ + "/c.bmp %1 %2\n");
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_THAT(messages_.messages[0].text, ::testing::HasSubstr("guillemet"));
}

// The project names its directories in Windows-1252; on disk they are
// UTF-8. The build finds them, writes the generated files there, and
// writes the paths back in Windows-1252; a bitmap whose name Windows-1252
// cannot write is left out, and the message names it.
TEST_F(HelpProjectTest, AccentedAndNonLatinDirectories) {
  const std::string aide = temp_ / "Aide \xC3\xA9t\xC3\xA9";      // on disk
  const std::string aideModel = temp_ / "Aide \xE9t\xE9";         // in the project
  const std::string korean = temp_ / "\xEA\xB7\xB8\xEB\xA6\xBC";  // no Windows-1252 form
  ASSERT_TRUE(MakeDirectory(aide));
  ASSERT_TRUE(MakeDirectory(temp_ / "Images \xC3\xA0 part"));
  ASSERT_TRUE(MakeDirectory(korean));
  ASSERT_TRUE(WriteFile(aide + "/Logo.bmp", "BM"));
  ASSERT_TRUE(WriteFile(temp_ / "Images \xC3\xA0 part/Plan.bmp", "BM"));
  ASSERT_TRUE(WriteFile(korean + "/Carte.bmp", "BM"));
  doc_.rootDir = aideModel;
  CTopic& topic = AddTopic(doc_, "T1");
  AddBitmap(topic, aideModel + "\\LOGO.BMP");
  AddBitmap(topic, temp_ / "Images \xE0 part/Plan.bmp");
  AddBitmap(topic, korean + "/Carte.bmp");

  ASSERT_TRUE(BuildHelpProject(doc_));
  EXPECT_TRUE(FileExists(aide + "/DEMO.HPJ"));
  EXPECT_TRUE(FileExists(aide + "/DEMO.BAT"));
  EXPECT_THAT(doc_.bitmapLines, ElementsAre("Logo.bmp", temp_ / "Images \xE0 part/Plan.bmp"));
  const std::string batch = FileContents(aide + "/DEMO.BAT");
  EXPECT_EQ(batch.substr(batch.find("copy")), "copy \"" + aideModel + "/Logo.bmp\" %1 %2\ncopy \"" +
                                                  temp_.path() +
                                                  "/Images \xE0 part/Plan.bmp\" %1 %2\n");
  EXPECT_NE(FileContents(aide + "/DEMO.HPJ").find("\nROOT=" + aideModel + "\n"), std::string::npos);
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_THAT(messages_.messages[0].text, ::testing::HasSubstr(korean + "/Carte.bmp"));

  // A project saved in such a directory is still built there, and the
  // message says that the help project cannot name it.
  messages_.messages.clear();
  doc_.rootDir.clear();
  doc_.SetPathName(korean + "/DEMO.ehe");
  ASSERT_TRUE(BuildHelpProject(doc_));
  EXPECT_TRUE(FileExists(korean + "/DEMO.HPJ"));
  ASSERT_FALSE(messages_.messages.empty());
  EXPECT_THAT(messages_.messages[0].text, ::testing::HasSubstr(korean));
}

TEST_F(HelpProjectTest, ErrorLogPathAndRefusals) {
  doc_.errorLogFile = "D:\\LOGS\\err.log";
  EXPECT_EQ(ErrorLogPath(doc_), "D:\\LOGS\\err.log");
  doc_.rootDir = temp_ / "absent";
  EXPECT_FALSE(BuildHelpProject(doc_));
  EXPECT_EQ(HelpMapIncludePath(doc_), "");
  doc_.rootDir = work_;
  ASSERT_TRUE(MakeDirectory(work_ + "/DEMO.BAT"));  // in the way of the batch file
  EXPECT_FALSE(BuildHelpProject(doc_));
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_THAT(messages_.messages[1].text, ::testing::HasSubstr("DEMO.BAT"));
}

}  // namespace
}  // namespace veldor
