// Qt's file and directory choosers opened from a FileChooser.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "ui/dialogs/rules/file_chooser.h"

class QWidget;

namespace veldor {

// The chosen file (UTF-8, full path), or none when cancelled.
std::optional<std::string> ChooseFileToOpen(QWidget* parent, const FileChooser& chooser);
std::optional<std::string> ChooseFileToSave(QWidget* parent, const FileChooser& chooser);

}  // namespace veldor
