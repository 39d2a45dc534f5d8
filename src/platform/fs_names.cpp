#include "platform/fs_names.h"

#include <utility>

#include "platform/codepage.h"
#include "platform/files.h"

namespace veldor {

std::string SystemPathOf(const std::string& modelPath) {
  const std::string utf8 = Cp1252ToUtf8(modelPath);
  const std::string resolved = ResolvePath(utf8);
  if (utf8 == modelPath || PathExists(resolved) || !IsValidUtf8(modelPath)) return resolved;
  // Stored by an earlier version as the file system spelled it.
  const std::string asStored = ResolvePath(modelPath);
  return PathExists(asStored) ? asStored : resolved;
}

std::string SystemNameOf(const std::string& modelName) {
  return Cp1252ToUtf8(modelName);
}

bool ToModelPath(const std::string& systemPath, std::string& modelPath, std::string* reason) {
  if (!IsValidUtf8(systemPath)) {
    if (reason != nullptr) {
      *reason = Cp1252ToUtf8(systemPath) + " : nom de fichier qui n'est pas en UTF-8";
    }
    return false;
  }
  std::string converted = Utf8ToCp1252(systemPath);
  if (Cp1252ToUtf8(converted) != systemPath) {
    if (reason != nullptr) {
      *reason = systemPath +
                " : nom de fichier avec des caract\xC3\xA8res que Windows-1252 ne peut pas "
                "\xC3\xA9"
                "crire";
    }
    return false;
  }
  modelPath = std::move(converted);
  return true;
}

std::string ModelTextOfPath(const std::string& systemPath) {
  return IsValidUtf8(systemPath) ? Utf8ToCp1252(systemPath) : systemPath;
}

}  // namespace veldor
