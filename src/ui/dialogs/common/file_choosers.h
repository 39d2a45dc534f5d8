// Qt's file and directory choosers opened from a FileChooserSpec.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "ui/dialogs/rules/file_chooser_spec.h"

class QWidget;

namespace veldor {

// The chosen file (UTF-8, full path), or none when cancelled.
std::optional<std::string> ChooseFileToOpen(QWidget* parent, const FileChooserSpec& spec);
std::optional<std::string> ChooseFileToSave(QWidget* parent, const FileChooserSpec& spec);

}  // namespace veldor
