#include "helpbuild/work_directory.h"

#include "model/document.h"
#include "platform/files.h"
#include "platform/fs_names.h"
#include "platform/paths.h"

namespace veldor {

std::string DocumentDirectory(const CVeldorDoc& doc) {
  return DirectoryPart(doc.GetPathName());
}

std::string WorkDirectory(const CVeldorDoc& doc) {
  if (!doc.rootDir.empty()) {
    const std::string resolved = SystemPathOf(doc.rootDir);
    if (DirectoryExists(resolved)) return resolved;
  }
  return DocumentDirectory(doc);
}

}  // namespace veldor
