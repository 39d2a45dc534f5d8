#include "model/app_settings.h"

#include <gtest/gtest.h>

#include "model/subject.h"
#include "platform/files.h"
#include "platform/settings_store.h"
#include "support/scoped_settings.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

SettingsStore InMemory(const std::string& text) {
  SettingsStore store("");
  store.LoadFromText(text);
  return store;
}

TEST(AppSettingsTest, LoadKeepsDefaultsForEmptyValuesAndReadsNumbersLikeTheCLibrary) {
  CAppSettings settings;
  settings.LoadSettings(
      InMemory("[Init]\r\nTitreLeftMarge=2.5\r\nTitreNomFont=Arial\r\nTitreTailleFont=0\r\n"
               "SSTitreRightMarge=abc\r\nTexteNomFont=\r\nIndentRetrait=1.25cm\r\nCoulSaut=255\r\n"
               "CoulBM=junk\r\n"));
  EXPECT_FLOAT_EQ(settings.StyleOf(kTypeTitre).leftMargin, 2.5f);
  EXPECT_EQ(settings.StyleOf(kTypeTitre).faceName, "Arial");
  EXPECT_EQ(settings.StyleOf(kTypeTitre).pointSize, "0");
  EXPECT_FLOAT_EQ(settings.StyleOf(kTypeSSTitre).rightMargin, 0.0f);
  EXPECT_EQ(settings.StyleOf(kTypeTexte).faceName, "MS Sans Serif");
  EXPECT_FLOAT_EQ(settings.StyleOf(kTypeIndent).firstIndent, 1.25f);
  EXPECT_EQ(settings.StyleOf(kTypeJump).colour, 255u);
  EXPECT_EQ(settings.StyleOf(kTypeBitMap).colour, 0u);
}

TEST(AppSettingsTest, CancellingTheStyleDialogGivesBackTheStartValues) {
  // The store holds one key; the dialog edits that one and two it lacks.
  const SettingsStore store = InMemory("[Init]\r\nTitreLeftMarge=2.5\r\n");
  CAppSettings settings;
  settings.LoadSettings(store);
  settings.StyleOf(kTypeTitre).leftMargin = 4.0f;
  settings.StyleOf(kTypeTitre).rightMargin = 3.0f;
  settings.StyleOf(kTypeJump).colour = 0x0000FF;
  settings.ReloadSettings(store);
  EXPECT_FLOAT_EQ(settings.StyleOf(kTypeTitre).leftMargin, 2.5f);
  EXPECT_FLOAT_EQ(settings.StyleOf(kTypeTitre).rightMargin, 1.7f);
  EXPECT_EQ(settings.StyleOf(kTypeJump).colour, 0xFF0000u);
}

TEST(AppSettingsTest, SaveWritesThe48KeysInOrderAndReadsThemBack) {
  // The built-in styles (an empty store changes none), but for a colour
  // with the sign bit set.
  TempDirectory dir;
  SettingsStore store(dir / "VELDOR.INI");
  CAppSettings settings;
  settings.LoadSettings(InMemory(""));
  settings.StyleOf(kTypeJump).colour = 0xFFFFFFFF;
  ASSERT_TRUE(settings.SaveSettings(store));
  EXPECT_TRUE(MatchesGolden(FileContents(dir / "VELDOR.INI"), "model/settings_saved.ini"));

  CAppSettings reread;
  reread.LoadSettings(store);
  EXPECT_EQ(reread.StyleOf(kTypeJump).colour, 0xFFFFFFFFu);
  EXPECT_FLOAT_EQ(reread.StyleOf(kTypeIndent).firstIndent, 1.0f);
}

TEST(AppSettingsTest, ToolsNeedALabelAndACommand) {
  CAppSettings settings;
  settings.LoadTools(InMemory("[Outils]\r\noutil0=Sans commande\r\n"));
  ASSERT_EQ(settings.tools.size(), 2u);  // nothing complete: the built-in tools
  EXPECT_EQ(settings.tools[0].label, "Editeur BMP");
  EXPECT_EQ(settings.tools[1].command, "shed.exe");
  settings.LoadTools(InMemory(
      "[Outils]\r\noutil0=Bloc\r\noutil0exe=notepad.exe\r\noutil3=Calc\r\noutil3exe=calc.exe\r\n"
      "outil32=Trop\r\noutil32exe=loin.exe\r\n"));
  ASSERT_EQ(settings.tools.size(), 2u);
  EXPECT_EQ(settings.tools[1].label, "Calc");

  SettingsStore store = InMemory("[Outils]\r\noutil5=Ancien\r\noutil5exe=ancien.exe\r\n");
  ASSERT_TRUE(settings.SaveTools(store));
  EXPECT_EQ(store.GetString(kSectionTools, "outil0"), "Bloc");
  EXPECT_EQ(store.GetString(kSectionTools, "outil1exe"), "calc.exe");
  EXPECT_EQ(store.Find(kSectionTools, "outil5"), "");
  EXPECT_EQ(store.Find(kSectionTools, "outil31exe"), "");
  EXPECT_FALSE(store.Find(kSectionTools, "outil32"));
}

TEST(AppSettingsTest, HistoriesKeepTheNewestDistinctValuesFirst) {
  SettingsStore store = InMemory("[COMBO]\r\nrecherche0=un\r\nrecherche1=deux\r\n");
  ASSERT_TRUE(CAppSettings::AddToHistory(store, kHistorySearch, "deux"));
  ASSERT_TRUE(CAppSettings::AddToHistory(store, kHistorySearch, "trois"));
  EXPECT_EQ(CAppSettings::LoadHistory(store, kHistorySearch),
            (std::vector<std::string>{"trois", "deux", "un"}));
  EXPECT_FALSE(CAppSettings::AddToHistory(store, kHistorySearch, ""));
  for (int i = 0; i < 30; ++i) CAppSettings::AddToHistory(store, "TransOldRep", std::to_string(i));
  const auto list = CAppSettings::LoadHistory(store, "TransOldRep");
  ASSERT_EQ(list.size(), 20u);
  EXPECT_EQ(list.front(), "29");
  EXPECT_EQ(list.back(), "10");
  EXPECT_FALSE(store.Find(kSectionCombo, "TransOldRep20"));
  // A gap ends the list.
  EXPECT_EQ(CAppSettings::LoadHistory(InMemory("[COMBO]\r\nx0=a\r\nx2=c\r\n"), "x").size(), 1u);
}

TEST(AppSettingsTest, ImportTags) {
  SettingsStore store = InMemory("");
  ImportTags tags = LoadImportTags(store);
  EXPECT_EQ(tags.pageTag, "<PAGE>");
  EXPECT_EQ(tags.nameTag, "<NOM>");
  EXPECT_EQ(tags.titleTag, "<TITRE>");
  tags.pageTag = "@@";
  tags.fileName = "a.txt";
  ASSERT_TRUE(SaveImportTags(store, tags));
  EXPECT_EQ(store.GetString("IMPORT", "BALISEPAGE"), "@@");
  EXPECT_EQ(LoadImportTags(store).fileName, "a.txt");

  // An empty tag would turn every line into a name (or page, or title)
  // line: it is refused, and one stored earlier reads as the default.
  for (std::string ImportTags::*tag :
       {&ImportTags::pageTag, &ImportTags::nameTag, &ImportTags::titleTag}) {
    ImportTags emptied = tags;
    emptied.*tag = "";
    EXPECT_NE(EmptyImportTagKey(emptied), nullptr);
    EXPECT_FALSE(SaveImportTags(store, emptied));
    EXPECT_EQ(store.GetString("IMPORT", "BALISEPAGE"), "@@");
  }
  EXPECT_EQ(EmptyImportTagKey(tags), nullptr);
  const ImportTags stored = LoadImportTags(InMemory("[IMPORT]\r\nBALISENOM=\r\nBALISEPAGE=##\r\n"));
  EXPECT_EQ(stored.nameTag, "<NOM>");
  EXPECT_EQ(stored.pageTag, "##");
}

TEST(AppSettingsTest, NewSubjectsFollowTheUsersSettingsFile) {
  TempDirectory dir;
  const std::string ini = dir / "VELDOR.INI";
  ASSERT_TRUE(WriteFile(ini,
                        "[Init]\r\nSautTailleFont=12\r\nCoulSaut=255\r\n"
                        "TitreNomFont=Une police au nom bien trop long pour tenir\r\n"));
  {
    ScopedSettingsFile<CAppSettings> settings(ini);
    auto jump = CTypeEdit::CreateSubject(kTypeJump);
    auto title = CTypeEdit::CreateSubject(kTypeTitre);
    EXPECT_EQ(jump->style.pointSize, 12);
    EXPECT_EQ(jump->style.height, -16);
    EXPECT_EQ(jump->colour, 255u);
    EXPECT_EQ(jump->colourIndex, 9);
    EXPECT_EQ(title->style.faceName, "Une police au nom bien trop lon");
    EXPECT_EQ(title->style.pointSize, 24);
  }
  EXPECT_EQ(CTypeEdit::CreateSubject(kTypeJump)->colour, 0xFF0000u);
}

}  // namespace
}  // namespace veldor
