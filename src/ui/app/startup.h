// The start of the editor before any window: the program directory, the
// settings, the default tools, the recent files, and the texts of the
// document template.
#pragma once

#include <string>

#include "ui/app/recent_files.h"

namespace veldor::ui {

// The seven fields of the document template.
struct DocumentTemplate {
  static constexpr const char* kWindowTitle = "Veldor Windows Application";
  static constexpr const char* kDocumentName = "Veldor";
  static constexpr const char* kFileNewName = "Veldor Document";
  static constexpr const char* kFilterName = "Veldor Files (*.ehe)";
  static constexpr const char* kFilterExtension = ".ehe";
  static constexpr const char* kFileTypeId = "Veldor.Document";
  static constexpr const char* kFileTypeName = "Veldor Document";
};

struct StartupState {
  std::string programDirectory;
  RecentFiles recentFiles;
};

// Program directory, settings, tools (the two defaults when none is
// defined, kept in the settings), recent files, in this order.
StartupState StartEditor();

}  // namespace veldor::ui
