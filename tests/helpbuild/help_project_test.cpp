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
