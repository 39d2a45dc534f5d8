#include "ui/dialogs/dialog_launchers.h"

#include "devtools/delphi_wizard.h"
#include "devtools/vb_wizard.h"
#include "exchange/html_export.h"
#include "exchange/import_summary.h"
#include "exchange/rtf_import.h"
#include "exchange/text_export.h"
#include "exchange/text_import.h"
#include "helpbuild/work_directory.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "ui/dialogs/common/file_choosers.h"
#include "ui/dialogs/exchange/help_id_list_dialog.h"
#include "ui/dialogs/exchange/text_import_dialog.h"
#include "ui/dialogs/options/default_styles_dialog.h"
#include "ui/dialogs/options/dev_link_dialogs.h"
#include "ui/dialogs/options/directory_chooser_dialog.h"
#include "ui/dialogs/options/global_strings_dialog.h"
#include "ui/dialogs/options/project_options_dialog.h"
#include "ui/dialogs/options/window_config_dialog.h"
#include "ui/dialogs/rules/editor_tools.h"
#include "ui/dialogs/rules/exchange_commands.h"
#include "ui/dialogs/rules/pasted_topic_name.h"
#include "ui/dialogs/subject/subject_dialog.h"
#include "ui/dialogs/subject/subject_exchange_dialog.h"
#include "ui/dialogs/subject/subject_type_dialog.h"
#include "ui/dialogs/tools/element_list_dialog.h"
#include "ui/dialogs/tools/image_directory_dialog.h"
#include "ui/dialogs/tools/resource_list_dialog.h"
#include "ui/dialogs/tools/tools_dialog.h"
#include "ui/dialogs/topic/topic_dialog.h"
#include "ui/dialogs/topic/topic_exists_dialog.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace veldor {

bool EditTopicDialog(QWidget* parent, CVeldorDoc& doc, CTopic& topic) {
  TopicDialog dialog(doc, topic, parent);
  return dialog.exec() == QDialog::Accepted;
}

std::optional<std::string> PastedTopicNameDialog(QWidget* parent, const CVeldorDoc& doc,
                                                 const std::string& name) {
  std::string chosen = name;
  while (PastedNameTaken(doc, chosen)) {
    TopicExistsDialog dialog(ProposeTopicName(doc, chosen), parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    chosen = dialog.name();
  }
  return chosen;
}

std::optional<int> ChooseSubjectTypeDialog(QWidget* parent) {
  SubjectTypeDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selectedType();
}

bool EditSubjectDialog(QWidget* parent, const CVeldorDoc& doc, CTypeEdit& subject) {
  SubjectDialog dialog(doc, subject, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool ExchangeSubjectsDialog(QWidget* parent, CVeldorDoc& doc) {
  SubjectExchangeDialog dialog(doc, parent);
  dialog.exec();
  return dialog.changed();
}

namespace {
template <typename Dialog, typename... Args>
bool Run(QWidget* parent, Args&&... args) {
  Dialog dialog(std::forward<Args>(args)..., parent);
  return dialog.exec() == QDialog::Accepted;
}
}  // namespace

bool EditDefaultStylesDialog(QWidget* parent, CAppSettings& settings, SettingsStore& store) {
  return Run<DefaultStylesDialog>(parent, settings, store);
}

bool EditProjectOptionsDialog(QWidget* parent, CVeldorDoc& doc) {
  return Run<ProjectOptionsDialog>(parent, doc);
}

bool EditHelpWindowsDialog(QWidget* parent, CVeldorDoc& doc) {
  return Run<WindowConfigDialog>(parent, doc);
}

bool EditGlobalStringsDialog(QWidget* parent, CVeldorDoc& doc) {
  return Run<GlobalStringsDialog>(parent, doc);
}

bool EditVisualCppLinkDialog(QWidget* parent, CVeldorDoc& doc) {
  return Run<VisualCppLinkDialog>(parent, doc);
}

bool EditVisualBasicLinkDialog(QWidget* parent, CVeldorDoc& doc, SettingsStore& store) {
  return Run<DevProjectLinkDialog>(parent, doc, store, false);
}

bool EditDelphiLinkDialog(QWidget* parent, CVeldorDoc& doc, SettingsStore& store) {
  return Run<DevProjectLinkDialog>(parent, doc, store, true);
}

bool EditToolsDialog(QWidget* parent, CAppSettings& settings, SettingsStore& store) {
  return Run<ToolsDialog>(parent, settings, store);
}

bool RunToolAt(const CAppSettings& settings, int position) {
  if (position < 0 || position >= static_cast<int>(settings.tools.size())) return false;
  return StartTool(ToolCommandLine(settings.tools[static_cast<size_t>(position)], ""));
}

void ShowResourceListDialog(QWidget* parent, const CVeldorDoc& doc) {
  ResourceListDialog dialog(doc, parent);
  dialog.exec();
}

int ChangeImageDirectoryDialog(QWidget* parent, CVeldorDoc& doc, SettingsStore& store) {
  ImageDirectoryDialog dialog(doc, store, parent);
  return dialog.exec() == QDialog::Accepted ? dialog.changed() : 0;
}

void EditElementsDialog(QWidget* parent, bool buttons) {
  ElementListDialog dialog(
      buttons ? QStringLiteral("Edition Bouton") : QStringLiteral("Edition Marqueur"), parent);
  dialog.exec();
}

void PrinterSetupDialog(QWidget* parent) {
  QPageSetupDialog dialog(&ProgramPrinter(), parent);
  dialog.exec();
}

int ImportTextDialog(QWidget* parent, CVeldorDoc& doc, SettingsStore& store) {
  TextImportDialog dialog(store, parent);
  if (dialog.exec() != QDialog::Accepted) return -1;
  const ImportTags tags = dialog.tags();
  ImportSummary summary;
  ImportText(doc, tags.fileName, tags, &summary);
  return summary.added;
}

bool ExportTextDialog(QWidget* parent, const CVeldorDoc& doc) {
  const auto chosen = ChooseFileToSave(parent, TextExportChooser(doc));
  if (!chosen) return false;
  WaitCursor wait;
  if (ExportText(doc, *chosen)) return true;
  Messages().Message("Impossible d'écrire le fichier " + *chosen, "Exporte fichier texte",
                     MessageIcon::Error);
  return false;
}

int ImportRtfDialog(QWidget* parent, CVeldorDoc& doc) {
  const auto chosen = ChooseFileToOpen(parent, RtfImportChooser());
  if (!chosen) return 0;
  return ImportRtf(doc, *chosen);
}

bool ExportHtmlDialog(QWidget* parent, const CVeldorDoc& doc) {
  const auto directory = ChooseDirectory(parent, WorkDirectory(doc));
  if (!directory || directory->empty()) return false;
  WaitCursor wait;
  return ExportHtml(doc, *directory);
}

bool VisualBasicWizardDialog(QWidget* parent, CVeldorDoc& doc) {
  const auto chosen = ChooseFileToOpen(parent, VisualBasicProjectChooser());
  if (!chosen) return false;
  WaitCursor wait;
  return RunVbWizard(doc, *chosen);
}

bool DelphiWizardDialog(QWidget* parent, CVeldorDoc& doc, SettingsStore& store) {
  const auto chosen = ChooseFileToOpen(parent, DelphiProjectChooser());
  if (!chosen) return false;
  const auto converter = EnsureConverter(
      store, [parent](const FileChooser& chooser) { return ChooseFileToOpen(parent, chooser); });
  if (!converter) return false;
  WaitCursor wait;
  return RunDelphiWizard(doc, *chosen, nullptr, &*converter);
}

void ShowHelpIdListDialog(QWidget* parent, const CVeldorDoc& doc) {
  if (doc.devProjectFile.empty()) return;
  const std::vector<std::string> lines = LinkedHelpIdLines(doc);
  HelpIdListDialog dialog(lines, parent);
  dialog.exec();
}

}  // namespace veldor
