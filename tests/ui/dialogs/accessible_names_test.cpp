// Every control of every dialog carries an accessible name, and the subject
// text takes Tab while Escape cancels the subject dialog.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <memory>

#include "model/app_settings.h"
#include "model/document.h"
#include "platform/recording_messages.h"
#include "platform/settings_store.h"
#include "support/temp_directory.h"
#include "ui/dialogs/common/colour_grid.h"
#include "ui/dialogs/exchange/text_import_dialog.h"
#include "ui/dialogs/options/default_styles_dialog.h"
#include "ui/dialogs/options/dev_link_dialogs.h"
#include "ui/dialogs/options/directory_chooser_dialog.h"
#include "ui/dialogs/options/global_strings_dialog.h"
#include "ui/dialogs/options/project_options_dialog.h"
#include "ui/dialogs/options/window_config_dialog.h"
#include "ui/dialogs/subject/subject_dialog.h"
#include "ui/dialogs/subject/subject_exchange_dialog.h"
#include "ui/dialogs/subject/subject_type_dialog.h"
#include "ui/dialogs/tools/element_list_dialog.h"
#include "ui/dialogs/tools/image_directory_dialog.h"
#include "ui/dialogs/tools/resource_list_dialog.h"
#include "ui/dialogs/tools/tools_dialog.h"
#include "ui/dialogs/topic/topic_dialog.h"
#include "ui/dialogs/topic/topic_exists_dialog.h"

namespace veldor {
namespace {

// The controls of `dialog` without an accessible name, by class name.
std::vector<std::string> UnnamedControls(QWidget& dialog) {
  std::vector<std::string> unnamed;
  for (QWidget* child : dialog.findChildren<QWidget*>()) {
    // The font chooser is Qt's own widget, shown inside the style dialog.
    bool insideFontDialog = false;
    for (QObject* up = child->parent(); up != nullptr; up = up->parent()) {
      insideFontDialog = insideFontDialog || qobject_cast<QFontDialog*>(up) != nullptr;
    }
    const bool control = qobject_cast<QAbstractButton*>(child) || qobject_cast<QLineEdit*>(child) ||
                         qobject_cast<QComboBox*>(child) || qobject_cast<QListWidget*>(child) ||
                         qobject_cast<QPlainTextEdit*>(child) || qobject_cast<ColourGrid*>(child);
    // Line edits inside editable combo boxes belong to their combo box.
    const bool comboPart = qobject_cast<QComboBox*>(child->parentWidget()) != nullptr;
    if (control && !comboPart && !insideFontDialog && child->accessibleName().isEmpty()) {
      unnamed.push_back(child->metaObject()->className() + std::string(" ") +
                        child->objectName().toStdString());
    }
  }
  return unnamed;
}

TEST(AccessibleNamesTest, EveryDialogNamesEveryControl) {
  TempDirectory dir;
  SettingsStore store(dir / "VELDOR.INI");
  RecordingMessages messages;
  CVeldorDoc doc;
  auto topic = std::make_unique<CTopic>();
  topic->name = "Accueil";
  doc.AddTopic(std::move(topic));
  CAppSettings settings;
  auto jump = CTypeEdit::CreateSubject(kTypeJump);
  auto image = CTypeEdit::CreateSubject(kTypeBitMap);
  const std::vector<std::pair<const char*, std::function<std::unique_ptr<QDialog>()>>> dialogs = {
      {"topic", [&] { return std::make_unique<TopicDialog>(doc, *doc.GetTopic(0)); }},
      {"exists", [&] { return std::make_unique<TopicExistsDialog>("Page1"); }},
      {"type", [&] { return std::make_unique<SubjectTypeDialog>(); }},
      {"jump", [&] { return std::make_unique<SubjectDialog>(doc, *jump); }},
      {"image", [&] { return std::make_unique<SubjectDialog>(doc, *image); }},
      {"exchange", [&] { return std::make_unique<SubjectExchangeDialog>(doc); }},
      {"styles", [&] { return std::make_unique<DefaultStylesDialog>(settings, store); }},
      {"project", [&] { return std::make_unique<ProjectOptionsDialog>(doc); }},
      {"directory", [&] { return std::make_unique<DirectoryChooserDialog>(dir.path()); }},
      {"windows", [&] { return std::make_unique<WindowConfigDialog>(doc); }},
      {"globals", [&] { return std::make_unique<GlobalStringsDialog>(doc); }},
      {"vc", [&] { return std::make_unique<VisualCppLinkDialog>(doc); }},
      {"vb", [&] { return std::make_unique<DevProjectLinkDialog>(doc, store, false); }},
      {"delphi", [&] { return std::make_unique<DevProjectLinkDialog>(doc, store, true); }},
      {"tools", [&] { return std::make_unique<ToolsDialog>(settings, store); }},
      {"tool",
       [&] {
         return std::make_unique<ToolDialog>(ToolEntry{"a", "b"}, true);
       }},
      {"resources", [&] { return std::make_unique<ResourceListDialog>(doc); }},
      {"image dir", [&] { return std::make_unique<ImageDirectoryDialog>(doc, store); }},
      {"elements", [&] { return std::make_unique<ElementListDialog>("Edition Bouton"); }},
      {"import", [&] { return std::make_unique<TextImportDialog>(store); }},
  };
  for (const auto& [name, make] : dialogs) {
    const std::unique_ptr<QDialog> dialog = make();
    EXPECT_FALSE(dialog->windowTitle().isEmpty()) << name;
    EXPECT_EQ(UnnamedControls(*dialog), std::vector<std::string>{}) << name;
    dialog->close();
  }
  if (doc.GetTopic(0)->name != "Accueil") ADD_FAILURE() << "a dialog changed the project";
  EXPECT_FALSE(doc.IsModified());
}

TEST(SubjectTextTest, TabIsTextAndEscapeCancels) {
  CVeldorDoc doc;
  auto text = CTypeEdit::CreateSubject(kTypeTexte);
  SubjectDialog dialog(doc, *text);
  dialog.show();
  dialog.textField()->setFocus();
  QTest::keyClicks(dialog.textField(), "a");
  QTest::keyClick(dialog.textField(), Qt::Key_Tab);
  QTest::keyClick(dialog.textField(), Qt::Key_Return);
  QTest::keyClicks(dialog.textField(), "b");
  EXPECT_EQ(dialog.textField()->toPlainText(), "a\t\nb");
  EXPECT_TRUE(dialog.isVisible());
  QTest::keyClick(dialog.textField(), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(text->text, "");
}

}  // namespace
}  // namespace veldor
