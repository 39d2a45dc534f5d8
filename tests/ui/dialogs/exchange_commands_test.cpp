// The choosers and questions of the import, export and wizard commands.
#include "ui/dialogs/rules/exchange_commands.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>

#include "model/document.h"
#include "platform/files.h"
#include "platform/recording_messages.h"
#include "platform/settings_store.h"
#include "support/temp_directory.h"
#include "ui/dialogs/exchange/help_id_list_dialog.h"
#include "ui/dialogs/exchange/text_import_dialog.h"

namespace veldor {
namespace {

class ConverterTest : public ::testing::Test {
 protected:
  std::optional<std::string> Run(std::optional<std::string> answer) {
    return EnsureConverter(store, [&](const FileChooser& chooser) {
      asked.push_back(chooser);
      return answer;
    });
  }
  TempDirectory dir;
  SettingsStore store{dir / "VELDOR.INI"};
  RecordingMessages messages;
  std::vector<FileChooser> asked;
};

TEST_F(ConverterTest, AConverterThatCanRunIsTakenWithoutQuestion) {
  ASSERT_TRUE(WriteFile(dir / "convert.exe", "x"));
  store.SetString("Fichier", "convert", dir / "CONVERT.EXE");
  EXPECT_EQ(Run(std::nullopt), dir / "CONVERT.EXE");
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(messages.messages.empty());
}

TEST(ConverterAvailableTest, FilesOrNamesThePathFinds) {
  EXPECT_TRUE(ConverterAvailable("sh"));
  EXPECT_FALSE(ConverterAvailable("veldor-no-such-converter.exe"));
  EXPECT_FALSE(ConverterAvailable("/nowhere/convert.exe"));
  EXPECT_FALSE(ConverterAvailable(""));
}

TEST_F(ConverterTest, MissingConverterIsAskedForAndStored) {
  store.SetString("Fichier", "convert", dir / "old/convert.exe");
  ASSERT_TRUE(WriteFile(dir / "convert.exe", "x"));
  EXPECT_EQ(Run(dir / "convert.exe"), dir / "convert.exe");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].title, "Choisir convert.exe delphi dans rep bin");
  EXPECT_EQ(asked[0].filter, "Fichier convert (*.exe)|*.exe||");
  EXPECT_EQ(asked[0].initialName, dir / "old/convert.exe");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Fichier convert.exe non présent");
  EXPECT_EQ(store.GetString("Fichier", "convert"), dir / "convert.exe");
}

TEST_F(ConverterTest, CancelledOrMissingChoiceEndsTheCommand) {
  EXPECT_EQ(Run(std::nullopt), std::nullopt);
  EXPECT_EQ(Run(dir / "absent.exe"), std::nullopt);
  ASSERT_EQ(messages.messages.size(), 4u);
  EXPECT_EQ(messages.messages[1].text, "Abandon:Fichier convert.exe non précisé");
  EXPECT_EQ(messages.messages[3].text, "Fichier convert.exe non présent");
  EXPECT_EQ(store.GetString("Fichier", "convert"), "");
}

TEST(ExchangeCommandsTest, TextImportTagsMustBeFilledAndShort) {
  RecordingMessages messages;
  ImportTags tags;
  EXPECT_TRUE(CheckTextImportFields(tags));
  tags.pageTag = "";
  EXPECT_FALSE(CheckTextImportFields(tags));
  tags.pageTag = "<P>";
  tags.titleTag = std::string(129, 't');
  EXPECT_FALSE(CheckTextImportFields(tags));
  tags.titleTag = std::string(128, 't');
  EXPECT_TRUE(CheckTextImportFields(tags));
  EXPECT_EQ(messages.messages.size(), 2u);
}

TEST(ExchangeCommandsTest, ChoosersOfTheCommands) {
  TempDirectory dir;
  CVeldorDoc doc;
  doc.SetPathName(dir / "aide.ehe");
  EXPECT_EQ(OutputBaseName(doc), "aide");
  doc.projectName = "PROJ";
  const FileChooser text = TextExportChooser(doc);
  EXPECT_EQ(text.title, "Selection fichier txt");
  EXPECT_EQ(text.filter, "Fichier Txt (*.txt)|*.txt||");
  EXPECT_EQ(text.initialName, dir / "PROJ.TXT");
  EXPECT_FALSE(text.confirmOverwrite);
  EXPECT_EQ(RtfImportChooser().defaultSuffix, "rtf");
  EXPECT_EQ(VisualBasicProjectChooser().filter,
            "Fichier VB3 (*.mak)|*.mak|Fichier VB4 (*.vbp)|*.vbp||");
  EXPECT_EQ(DelphiProjectChooser().defaultSuffix, "dpr");
  // Without a linked project file the list is empty and nothing is said.
  RecordingMessages messages;
  EXPECT_TRUE(LinkedHelpIdLines(doc).empty());
  EXPECT_TRUE(messages.messages.empty());
}

TEST(ExchangeDialogsTest, TextImportDialogShowsAndStoresTheTags) {
  TempDirectory dir;
  SettingsStore store(dir / "VELDOR.INI");
  TextImportDialog dialog(store);
  EXPECT_EQ(dialog.pageTagField()->text(), "<PAGE>");
  EXPECT_EQ(dialog.nameTagField()->maxLength(), 128);
  dialog.fileField()->setText("notes.txt");
  dialog.titleTagField()->setText("#T");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(store.GetString("IMPORT", "BALISETITRE"), "#T");
  EXPECT_EQ(store.GetString("IMPORT", "NomFichier"), "notes.txt");
}

TEST(ExchangeDialogsTest, HelpIdListIsSortedAsText) {
  HelpIdListDialog dialog({"010\t\tB", "002\t\tA", "010\t\tA"});
  EXPECT_EQ(dialog.windowTitle(), "Liste ID  Help");
  ASSERT_EQ(dialog.list()->count(), 3);
  EXPECT_EQ(dialog.list()->item(0)->text(), "002\t\tA");
  EXPECT_EQ(dialog.list()->item(2)->text(), "010\t\tB");
}

}  // namespace
}  // namespace veldor
