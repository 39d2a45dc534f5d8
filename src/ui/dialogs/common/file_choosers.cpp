#include "ui/dialogs/common/file_choosers.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {
namespace {

std::optional<std::string> Run(QWidget* parent, const FileChooserSpec& spec,
                               QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, QString::fromStdString(spec.title));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  // Qt's own dialog works the same on every platform and in the tests.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !spec.confirmOverwrite);
  QStringList filters;
  for (const std::string& filter : QtNameFilters(spec.filter)) {
    filters << QString::fromStdString(filter);
  }
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!spec.defaultSuffix.empty())
    dialog.setDefaultSuffix(QString::fromStdString(spec.defaultSuffix));
  if (!spec.initialName.empty() && !IsPattern(spec.initialName)) {
    const std::string resolved = ResolvePath(spec.initialName);
    const QFileInfo info(QString::fromStdString(resolved));
    if (info.isDir()) {
      dialog.setDirectory(info.absoluteFilePath());
    } else {
      if (info.dir().exists()) dialog.setDirectory(info.absolutePath());
      dialog.selectFile(info.fileName());
    }
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace

std::optional<std::string> ChooseFileToOpen(QWidget* parent, const FileChooserSpec& spec) {
  return Run(parent, spec, QFileDialog::AcceptOpen);
}

std::optional<std::string> ChooseFileToSave(QWidget* parent, const FileChooserSpec& spec) {
  return Run(parent, spec, QFileDialog::AcceptSave);
}

}  // namespace veldor
