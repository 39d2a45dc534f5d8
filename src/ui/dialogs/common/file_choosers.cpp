#include "ui/dialogs/common/file_choosers.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {
namespace {

std::optional<std::string> Run(QWidget* parent, const FileChooser& chooser,
                               QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, QString::fromStdString(chooser.title));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  // Qt's own dialog works the same on every platform and in the tests.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !chooser.confirmOverwrite);
  QStringList filters;
  for (const std::string& filter : QtNameFilters(chooser.filter)) {
    filters << QString::fromStdString(filter);
  }
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!chooser.defaultSuffix.empty())
    dialog.setDefaultSuffix(QString::fromStdString(chooser.defaultSuffix));
  if (!chooser.initialName.empty() && !IsPattern(chooser.initialName)) {
    const std::string resolved = ResolvePath(chooser.initialName);
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

std::optional<std::string> ChooseFileToOpen(QWidget* parent, const FileChooser& chooser) {
  return Run(parent, chooser, QFileDialog::AcceptOpen);
}

std::optional<std::string> ChooseFileToSave(QWidget* parent, const FileChooser& chooser) {
  return Run(parent, chooser, QFileDialog::AcceptSave);
}

}  // namespace veldor
