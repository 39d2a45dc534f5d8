// Offscreen window tests of the option dialogs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "model/app_settings.h"
#include "model/document.h"
#include "platform/recording_messages.h"
#include "platform/settings_store.h"
#include "support/temp_directory.h"
#include "ui/dialogs/common/colour_grid.h"
#include "ui/dialogs/options/default_styles_dialog.h"
#include "ui/dialogs/options/dev_link_dialogs.h"
#include "ui/dialogs/options/global_strings_dialog.h"
#include "ui/dialogs/options/project_options_dialog.h"
#include "ui/dialogs/options/window_config_dialog.h"

namespace veldor {
namespace {

TEST(OptionDialogsTest, WindowDialogAddsFromItsFieldsAndConfirms) {
  CVeldorDoc doc;
  RecordingMessages messages;
  WindowConfigDialog dialog(doc);
  EXPECT_EQ(dialog.windowTitle(), "Configuration fenêtre");
  WindowFields fields;
  fields.name = "main";
  fields.x = "23";
  fields.width = "1000";
  fields.mainColour = 0x808080;
  dialog.showFields(fields);
  dialog.add();
  fields.name = "second";
  fields.x = "24";
  dialog.showFields(fields);
  dialog.add();
  ASSERT_EQ(dialog.list()->count(), 1);
  ASSERT_EQ(messages.messages.size(), 1u);
  dialog.accept();
  ASSERT_EQ(doc.windows.count(), 1);
  EXPECT_EQ(doc.windows.GetAt(0)->x, 23);
  EXPECT_EQ(doc.windows.GetAt(0)->mainColour, 0x808080u);
}

TEST(OptionDialogsTest, GlobalDialogShowsFieldsByActionAndAddsStrings) {
  CVeldorDoc doc;
  GlobalStringsDialog dialog(doc);
  dialog.show();
  dialog.textField()->setText("Aide");
  dialog.actionField()->setCurrentIndex(6);
  EXPECT_TRUE(dialog.fileField()->isVisible());
  EXPECT_FALSE(dialog.fileBrowseButton()->isVisible());
  dialog.actionField()->setCurrentIndex(2);
  EXPECT_TRUE(dialog.fileBrowseButton()->isVisible());
  EXPECT_FALSE(dialog.targetField()->isVisible());
  dialog.fileField()->setText("ding.wav");
  dialog.add();
  dialog.accept();
  ASSERT_EQ(doc.globals.count(), 1);
  EXPECT_EQ(doc.globals.GetAt(0)->action, 2);
  EXPECT_EQ(doc.globals.GetAt(0)->soundOrCommand, "ding.wav");
}

TEST(OptionDialogsTest, VisualCppDialogGreysPrefixesUnderTout) {
  CVeldorDoc doc;
  doc.hidPrefixes = {"HIDP"};
  VisualCppLinkDialog dialog(doc);
  EXPECT_TRUE(dialog.chooseButton()->isChecked());
  EXPECT_TRUE(dialog.prefixBox(kHidPrompt)->isChecked());
  EXPECT_FALSE(dialog.prefixBox(kHidCommands)->isChecked());
  dialog.allButton()->setChecked(true);
  EXPECT_FALSE(dialog.prefixBox(kHidPrompt)->isEnabled());
  dialog.accept();
  EXPECT_TRUE(doc.hidPrefixes.empty());
}

TEST(OptionDialogsTest, ProjectDialogCancelUndoesChapterButtons) {
  CVeldorDoc doc;
  doc.chapters = {"A", "B"};
  auto topic = std::make_unique<CTopic>();
  topic->name = "t";
  topic->chapter = "A";
  doc.AddTopic(std::move(topic));
  ProjectOptionsDialog dialog(doc);
  EXPECT_EQ(dialog.projectNameField()->maxLength(), 8);
  dialog.chapterList()->setCurrentRow(0);
  dialog.chapterField()->setText("Z");
  dialog.chapterButton("Modifier");
  dialog.chapterButton("Ajouter");  // "Z" exists now: nothing added
  dialog.chapterField()->setText("neuf");
  dialog.chapterButton("Ajouter");
  EXPECT_EQ(doc.GetTopic(0)->chapter, "Z");
  EXPECT_EQ(dialog.chapterList()->count(), 3);
  dialog.reject();
  EXPECT_EQ(dialog.form().contentsTopic, "");  // no contents topic: none chosen
  EXPECT_EQ(doc.chapters, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(doc.GetTopic(0)->chapter, "A");
}

TEST(OptionDialogsTest, DefaultStylesDialogKeepsEachTypeUntilCancel) {
  TempDirectory dir;
  SettingsStore store(dir / "VELDOR.INI");
  CAppSettings settings;
  DefaultStylesDialog dialog(settings, store);
  EXPECT_EQ(dialog.typeField()->currentText(), "Titre");
  dialog.lengthField(0)->setText("4");
  dialog.typeField()->setCurrentIndex(3);
  EXPECT_EQ(dialog.lengthField(0)->text(), "1,7");
  dialog.lengthField(1)->setText("5,5");
  dialog.typeField()->setCurrentIndex(0);
  EXPECT_EQ(dialog.lengthField(0)->text(), "4");
  dialog.reject();
  EXPECT_FLOAT_EQ(settings.styles[0].leftMargin, 1.7f);
  EXPECT_FLOAT_EQ(settings.styles[3].rightMargin, 1.7f);
}

}  // namespace
}  // namespace veldor
