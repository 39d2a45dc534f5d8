#include "build/project_rtf.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "build/build_checks.h"
#include "build/build_commands.h"
#include "build/build_test_support.h"
#include "build/error_list.h"
#include "model/document.h"
#include "platform/recording_messages.h"
#include "platform/scoped_environment.h"
#include "platform/settings_store.h"
#include "platform/temp_directory.h"

namespace veldor {
namespace {

using testing::AddSubject;
using testing::AddTopic;
using ::testing::ElementsAre;
using testing::FileText;
using testing::MakeGlobal;
using testing::MakeSubject;
using testing::MatchesGolden;

class ProjectRtfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(temp_.path().empty());
    ASSERT_TRUE(MakeDirectory(temp_ / "work"));
    ASSERT_TRUE(MakeDirectory(temp_ / "program"));
    doc_.projectName = "DEMO";
    doc_.rootDir = temp_ / "work";
  }

  // The project of the golden files "project_full.*": chapters, reference
  // strings, a chapter missing from the list, several fonts, an empty face
  // name, a topic without subjects, global strings.
  void FillFullProject() {
    doc_.chapters = {"Alpha", "Beta"};
    doc_.globals.Add(MakeGlobal("guide", kActionPopup, "A1"));
    doc_.globals.Add(MakeGlobal("Fichier", kActionSaut, "B3", true, true));

    CTopic& b2 = AddTopic(doc_, "B2", "Beta");
    b2.browse = "2";
    AddSubject(b2, MakeSubject(kTypeTexte, "Lire le guide du Fichier."));
    auto jump = MakeSubject(kTypeJump, "vers A1");
    jump->action = kActionSaut;
    jump->target = "A1";  // A1 has references: the last one is used
    AddSubject(b2, std::move(jump));
    AddSubject(b2, MakeSubject(kTypeTexte, "suite ")).flags = 0;
    AddSubject(b2, MakeSubject(kTypeTexte, "sans fin")).flags = 0;

    CTopic& a1 = AddTopic(doc_, "A1", "Alpha");
    a1.browse = "1";
    a1.title = "Premier {sujet}";
    a1.references = "REF_A;REF_B";
    a1.keywords = {"k1", "", "cl\xE9"};
    auto title = MakeSubject(kTypeTitre, "Premier");
    title->style.weight = 700;
    AddSubject(a1, std::move(title));
    auto bitmap = MakeSubject(kTypeBitMap, "Image");
    bitmap->title = "IMG.BMP";
    bitmap->action = kActionPopup;
    bitmap->target = "B1";
    AddSubject(a1, std::move(bitmap));

    AddTopic(doc_, "Z9", "Inconnu");

    CTopic& b1 = AddTopic(doc_, "B1", "Beta");
    b1.browse = "1";
    b1.references = " \tSEUL ";
    AddSubject(b1, MakeSubject(kTypeTexte, "sans police")).style.SetFaceName("");
    auto roman = MakeSubject(kTypeIndent, "Times");
    roman->style.SetFaceName("Times New Roman");
    roman->style.pitchAndFamily = 0x12;
    roman->SetColour(0x0000FF);
    AddSubject(b1, std::move(roman));

    CTopic& z8 = AddTopic(doc_, "Z8", "Inconnu");
    auto modern = MakeSubject(kTypeTexte, "Courier");
    modern->style.SetFaceName("Courier");
    modern->style.pitchAndFamily = 0x31;
    AddSubject(z8, std::move(modern));

    CTopic& b3 = AddTopic(doc_, "B3", "Beta");
    b3.browse = "3";
    AddSubject(b3, MakeSubject(kTypeSSTitre, "Trois"));
  }

  std::vector<std::string> TopicOrder() const {
    std::vector<std::string> names;
    for (int i = 0; i < doc_.topicCount(); ++i) names.push_back(doc_.GetTopic(i)->name);
    return names;
  }

  TempDirectory temp_;
  CVeldorDoc doc_;
  CErrorList errors_;
  RecordingMessages messages_;
};

TEST_F(ProjectRtfTest, WorkedExample) {
  doc_.chapters = {"Intro"};
  CTopic& topic = AddTopic(doc_, "IDH_INDEX", "Intro");
  topic.title = "Index";
  topic.keywords = {"aide"};
  auto title = MakeSubject(kTypeTitre, "\xC9t\xE9");
  title->style.weight = 700;
  title->style.pointSize = 12;
  title->SetColour(0x000000);
  title->alignment = 2;
  AddSubject(topic, std::move(title));

  ASSERT_TRUE(BuildRtf(doc_, errors_));
  EXPECT_TRUE(MatchesGolden(FileText(temp_ / "work/DEMO.RTF"), "project_example.rtf"));
  EXPECT_TRUE(MatchesGolden(FileText(temp_ / "work/topic.ref"), "project_example.ref"));
  EXPECT_TRUE(errors_.lines().empty());
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(ProjectRtfTest, FullProjectSortsNumbersAndReportsEmptyFaces) {
  FillFullProject();
  ASSERT_TRUE(BuildRtf(doc_, errors_));
  EXPECT_TRUE(MatchesGolden(FileText(temp_ / "work/DEMO.RTF"), "project_full.rtf"));
  EXPECT_EQ(FileText(temp_ / "work/topic.ref"), "1 :A1\n2 :B1\n3 :B2\n4 :B3\n5 :Z9\n6 :Z8\n");
  // The document keeps the sorted order: by chapter, then browse key, then
  // the previous order.
  EXPECT_THAT(TopicOrder(), ElementsAre("A1", "B1", "B2", "B3", "Z9", "Z8"));
  EXPECT_THAT(errors_.lines(), ElementsAre("topic...2 VELDOR Nom Font Vide"));
  EXPECT_EQ(doc_.fontMap.size(), 3u);
  EXPECT_EQ(doc_.colourMap.size(), 16u);
}

TEST_F(ProjectRtfTest, TwoBuildsWriteIdenticalFiles) {
  FillFullProject();
  ASSERT_TRUE(BuildRtf(doc_, errors_));
  const std::string rtf = FileText(temp_ / "work/DEMO.RTF");
  const std::string ref = FileText(temp_ / "work/topic.ref");
  doc_.fontMap["\\fnil Stale"] = "7";  // the font map is rebuilt by every build
  ASSERT_TRUE(BuildRtf(doc_, errors_));
  EXPECT_EQ(FileText(temp_ / "work/DEMO.RTF"), rtf);
  EXPECT_EQ(FileText(temp_ / "work/topic.ref"), ref);
}

TEST_F(ProjectRtfTest, ExportHasChapterHeadingsAndNoHelpMarkup) {
  FillFullProject();
  ASSERT_TRUE(ExportRtf(doc_, temp_ / "export.rtf"));
  EXPECT_TRUE(MatchesGolden(FileText(temp_ / "export.rtf"), "export_full.rtf"));
  EXPECT_TRUE(errors_.lines().empty());
  EXPECT_FALSE(FileExists(temp_ / "work/topic.ref"));
}

TEST_F(ProjectRtfTest, ExportOfChaptersAABWritesOneHeading) {
  doc_.chapters = {"A", "B"};
  AddSubject(AddTopic(doc_, "T1", "A"), MakeSubject(kTypeTexte, "un"));
  AddSubject(AddTopic(doc_, "T2", "A"), MakeSubject(kTypeTexte, "deux"));
  AddSubject(AddTopic(doc_, "T3", "B"), MakeSubject(kTypeTexte, "trois"));
  ASSERT_TRUE(ExportRtf(doc_, temp_ / "x.rtf"));
  const std::string rtf = FileText(temp_ / "x.rtf");
  EXPECT_EQ(rtf.find("CHAPITRE"), rtf.rfind("CHAPITRE"));
  EXPECT_NE(rtf.find("deux\\par\\pard}\n\\page\nCHAPITRE B\\line\n{"), std::string::npos);
}

TEST_F(ProjectRtfTest, RefusalsWriteNothing) {
  doc_.projectName = "";
  EXPECT_FALSE(BuildRtf(doc_, errors_));
  EXPECT_FALSE(ExportRtf(doc_, temp_ / "x.rtf"));
  doc_.projectName = "../DEMO";
  EXPECT_FALSE(BuildRtf(doc_, errors_));
  doc_.projectName = "DEMO";
  doc_.rootDir = temp_ / "missing";
  EXPECT_FALSE(BuildRtf(doc_, errors_));
  ASSERT_EQ(messages_.messages.size(), 4u);
  EXPECT_EQ(messages_.messages[0].text, "Le projet n'a pas de Nom valide");
  EXPECT_EQ(messages_.messages[2].text, "Le projet n'a pas de Nom valide");
  EXPECT_EQ(messages_.messages[3].text,
            "Repertoire de travail non d\xC3\xA9"
            "fini");
  EXPECT_EQ(messages_.messages[3].icon, MessageIcon::Error);
  EXPECT_TRUE(ListDirectory(temp_ / "work").empty());
  EXPECT_FALSE(FileExists(temp_ / "x.rtf"));
}

TEST_F(ProjectRtfTest, AFileThatCannotBeWrittenIsReported) {
  AddTopic(doc_, "T");
  ASSERT_TRUE(MakeDirectory(temp_ / "work/DEMO.RTF"));  // in the way of the RTF file
  EXPECT_FALSE(BuildRtf(doc_, errors_));
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_THAT(messages_.messages[0].text, ::testing::HasSubstr(temp_ / "work/DEMO.RTF"));
  EXPECT_FALSE(FileExists(temp_ / "work/topic.ref"));

  EXPECT_FALSE(ExportRtf(doc_, temp_ / "no/such/dir/x.rtf"));
  EXPECT_EQ(messages_.messages.size(), 2u);
}

TEST_F(ProjectRtfTest, BuildCommandSavesACopyInTheProgramDirectory) {
  ScopedEnvironment programDir("VELDOR_PROGRAM_DIR", temp_ / "program");
  doc_.rootDir = "";
  AddTopic(doc_, "ZZ").browse = "2";
  AddTopic(doc_, "AA").browse = "1";
  ASSERT_TRUE(doc_.Save(temp_ / "work/Projet.ehe"));
  doc_.SetModifiedFlag(true);
  errors_.AddErrorLine("old line");

  ASSERT_TRUE(CommandBuildRtf(doc_, errors_));
  EXPECT_TRUE(errors_.lines().empty());
  // Without a work directory the files go beside the project.
  EXPECT_TRUE(FileExists(temp_ / "work/DEMO.RTF"));
  EXPECT_TRUE(FileExists(temp_ / "work/topic.ref"));
  // The copy holds the project as it was before sorting.
  CVeldorDoc copy;
  ASSERT_TRUE(copy.Open(temp_ / "program/Projet.000"));
  EXPECT_EQ(copy.GetTopic(0)->name, "ZZ");
  EXPECT_EQ(doc_.GetTopic(0)->name, "AA");
  EXPECT_TRUE(doc_.IsModified());
  EXPECT_EQ(CurrentDirectory(), std::filesystem::current_path().string());
}

}  // namespace
}  // namespace veldor
