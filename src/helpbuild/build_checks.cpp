#include "helpbuild/build_checks.h"

#include "helpbuild/work_directory.h"
#include "model/document.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/fs_names.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace veldor {

bool IsValidProjectName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

bool CheckProjectName(const CVeldorDoc& doc) {
  if (IsValidProjectName(doc.projectName)) return true;
  Messages().Message(kNoValidProjectName, kBuildCaption, MessageIcon::Error);
  return false;
}

bool CheckBuildPreconditions(const CVeldorDoc& doc) {
  if (!CheckProjectName(doc)) return false;
  if (!doc.rootDir.empty() && !DirectoryExists(SystemPathOf(doc.rootDir))) {
    Messages().Message(kNoWorkDirectory, kBuildCaption, MessageIcon::Error);
    return false;
  }
  return true;
}

std::string ProjectOutputPath(const CVeldorDoc& doc, const std::string& extension) {
  const std::string name = SystemNameOf(doc.projectName + extension);
  const std::string directory = WorkDirectory(doc);
  if (!directory.empty() && DirectoryExists(directory))
    return ResolvePath(JoinPath(directory, name));
  return ResolvePath(name);
}

std::string ForMessage(const std::string& text) {
  return IsValidUtf8(text) ? text : Cp1252ToUtf8(text);
}

void ReportFileFailure(const std::string& path, const std::string& reason) {
  Messages().Message(
      "Impossible d'\xC3\xA9"
      "crire le fichier " +
          ForMessage(path) + " : " + reason,
      kBuildCaption, MessageIcon::Error);
}

bool WriteOutputFile(const std::string& path, const std::string& contents) {
  std::string reason;
  if (WriteFile(path, contents, &reason)) return true;
  ReportFileFailure(path, reason);
  return false;
}

}  // namespace veldor
