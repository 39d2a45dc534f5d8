#include "helpbuild/project_rtf.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

#include "helpbuild/build_commands.h"
#include "helpbuild/build_test_support.h"
#include "helpbuild/error_list.h"
#include "platform/files.h"
#include "platform/recording_messages.h"
#include "support/scoped_environment.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using testing::AddSubject;
using testing::AddTopic;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::LoadProject;
using testing::MakeSubject;

class ProjectRtfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MakeDirectory(work_));
    doc_.projectName = "DEMO";
    doc_.rootDir = work_;
  }

  TempDirectory temp_;
  const std::string work_ = temp_ / "work";
  CVeldorDoc doc_;
  CErrorList errors_;
  RecordingMessages messages_;
};

TEST_F(ProjectRtfTest, WorkedExample) {
  doc_.chapters = {"Intro"};
  CTopic& topic = AddTopic(doc_, "IDH_INDEX", "Intro");
  topic.title = "Index";
  topic.keywords = {"aide"};
  AddSubject(topic, testing::MakeExampleTitle());

  ASSERT_TRUE(BuildRtf(doc_, errors_));
  EXPECT_TRUE(MatchesGolden(FileContents(work_ + "/DEMO.RTF"), "helpbuild/project_example.rtf"));
  EXPECT_TRUE(MatchesGolden(FileContents(work_ + "/topic.ref"), "helpbuild/project_example.ref"));
  EXPECT_TRUE(errors_.lines().empty());
  EXPECT_TRUE(messages_.messages.empty());
}

// Chapters with a topic outside the list, reference strings, fonts and an
// empty face name, a topic without subjects, an open paragraph, globals.
TEST_F(ProjectRtfTest, FullProjectTwiceGivesTheSameFiles) {
  LoadProject("helpbuild/full_project.json", doc_, work_);
  ASSERT_TRUE(BuildRtf(doc_, errors_));
  const std::string rtf = FileContents(work_ + "/DEMO.RTF");
  EXPECT_TRUE(MatchesGolden(rtf, "helpbuild/project_full.rtf"));
  EXPECT_EQ(FileContents(work_ + "/topic.ref"), "1 :A1\n2 :B1\n3 :B2\n4 :B3\n5 :Z9\n6 :Z8\n");
  EXPECT_THAT(errors_.lines(), ElementsAre("topic...2 VELDOR Nom Font Vide"));
  // The document keeps the sorted order.
  EXPECT_EQ(doc_.GetTopic(4)->name, "Z9");

  doc_.fontMap["\\fnil Stale"] = "7";  // the font map is rebuilt by every build
  ASSERT_TRUE(BuildRtf(doc_, errors_));
  EXPECT_EQ(FileContents(work_ + "/DEMO.RTF"), rtf);
}

TEST_F(ProjectRtfTest, ExportHasChapterHeadingsAndNoHelpMarkup) {
  LoadProject("helpbuild/full_project.json", doc_, work_);
  ASSERT_TRUE(ExportRtf(doc_, temp_ / "export.rtf"));
  EXPECT_TRUE(MatchesGolden(FileContents(temp_ / "export.rtf"), "helpbuild/export_full.rtf"));
  EXPECT_TRUE(ListDirectory(work_).empty());
}

// A heading only where a topic of another chapter follows one of a listed
// chapter: never for the first topic, nor after a topic whose chapter is
// not in the list. Chapter names are escaped.
TEST_F(ProjectRtfTest, ExportHeadingsFollowTheChapterNumbers) {
  doc_.chapters = {"A", "B"};
  for (const auto& [name, chapter] :
       {std::pair{"T3", "B"}, {"T4", "{Z}"}, {"T1", "A"}, {"T0", ""}, {"T2", "A"}}) {
    CTypeEdit& text = AddSubject(AddTopic(doc_, name, chapter), MakeSubject(kTypeTexte, name));
    text.flags = 0;
  }
  ASSERT_TRUE(ExportRtf(doc_, temp_ / "export.rtf"));
  EXPECT_TRUE(MatchesGolden(FileContents(temp_ / "export.rtf"), "helpbuild/export_chapters.rtf"));
}

// A project never saved and without a work directory builds in the current
// directory, and no copy of the document is made.
TEST_F(ProjectRtfTest, UnsavedProjectWithoutWorkDirectoryBuildsInTheCurrentDirectory) {
  doc_.rootDir = "";
  AddTopic(doc_, "IDH_A");
  ScopedCurrentDirectory inWork(work_);
  ASSERT_TRUE(inWork.ok());
  ASSERT_TRUE(BuildRtf(doc_, errors_));
  EXPECT_EQ(FileContents(work_ + "/topic.ref"), "1 :IDH_A\n");
  EXPECT_THAT(FileContents(work_ + "/DEMO.RTF"),
              ::testing::EndsWith("#{\\footnote IDH_A}\n+{\\footnote 0000:0000}\n\\page\n}\n"));
  EXPECT_EQ(ListDirectory(work_).size(), 2u);
}

TEST_F(ProjectRtfTest, RefusalsAndFilesThatCannotBeWritten) {
  doc_.projectName = "";
  EXPECT_FALSE(BuildRtf(doc_, errors_));
  EXPECT_FALSE(ExportRtf(doc_, temp_ / "x.rtf"));
  doc_.projectName = "../DEMO";
  EXPECT_FALSE(BuildRtf(doc_, errors_));
  doc_.projectName = "DEMO";
  doc_.rootDir = temp_ / "missing";
  EXPECT_FALSE(BuildRtf(doc_, errors_));
  EXPECT_TRUE(ListDirectory(work_).empty());
  EXPECT_FALSE(FileExists(temp_ / "x.rtf"));

  doc_.rootDir = work_;
  ASSERT_TRUE(MakeDirectory(work_ + "/DEMO.RTF"));  // in the way of the RTF file
  EXPECT_FALSE(BuildRtf(doc_, errors_));
  EXPECT_FALSE(FileExists(work_ + "/topic.ref"));
  EXPECT_FALSE(ExportRtf(doc_, temp_ / "no/such/dir/x.rtf"));

  ASSERT_EQ(messages_.messages.size(), 6u);
  EXPECT_EQ(messages_.messages[2].text, "Le projet n'a pas de Nom valide");
  EXPECT_EQ(messages_.messages[3].text,
            "Repertoire de travail non d\xC3\xA9"
            "fini");
  EXPECT_EQ(messages_.messages[3].icon, MessageIcon::Error);
  EXPECT_THAT(messages_.messages[4].text, HasSubstr(work_ + "/DEMO.RTF"));
  EXPECT_THAT(messages_.messages[5].text, HasSubstr("no/such/dir/x.rtf"));
}

TEST_F(ProjectRtfTest, BuildCommandSavesACopyInTheProgramDirectory) {
  ScopedEnvironment programDir("VELDOR_PROGRAM_DIR", temp_ / "work");
  doc_.rootDir = "";
  AddTopic(doc_, "ZZ").browse = "2";
  AddTopic(doc_, "AA").browse = "1";
  ASSERT_TRUE(MakeDirectory(temp_ / "project"));
  ASSERT_TRUE(doc_.Save(temp_ / "project/Projet.ehe"));
  doc_.SetModifiedFlag(true);
  errors_.AddErrorLine("old line");

  ASSERT_TRUE(CommandBuildRtf(doc_, errors_));
  EXPECT_TRUE(errors_.lines().empty());
  // Without a work directory the files go beside the project; the copy,
  // into the program directory, holds the project as it was before sorting.
  EXPECT_TRUE(FileExists(temp_ / "project/DEMO.RTF"));
  CVeldorDoc copy;
  ASSERT_TRUE(copy.Open(temp_ / "work/Projet.000"));
  EXPECT_EQ(copy.GetTopic(0)->name, "ZZ");
  EXPECT_EQ(doc_.GetTopic(0)->name, "AA");
  EXPECT_TRUE(doc_.IsModified());
}

}  // namespace
}  // namespace veldor
