#include "exchange/import_file.h"

#include <unistd.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text_decoding.h"

namespace veldor {

namespace {

// The French cause of a failed open, found by looking at the path.
std::string OpenFailureCause(const std::string& path) {
  if (!PathExists(path)) {
    const std::string directory = DirectoryPart(path);
    if (!directory.empty() && !DirectoryExists(directory)) return "Chemin invalide";
    return "Fichier non trouvé";
  }
  // A directory, a device or a pipe: nothing an importer can read.
  if (!FileExists(path)) return "Fichier invalide";
  if (::access(path.c_str(), R_OK) != 0) {
    switch (errno) {
      case EACCES:
      case EPERM:
        return "Accès refusé";
      case EMFILE:
      case ENFILE:
        return "Trop de fichiers ouverts";
      case EIO:
        return "Erreur matérielle";
      default:
        break;
    }
  }
  return "Erreur indéterminée";
}

}  // namespace

std::string ImportBytesToCp1252(std::string_view bytes, bool truncated) {
  return DecodeText(bytes, truncated).text;
}

bool ReadImportFile(const std::string& path, std::size_t limit, ImportFile& file,
                    std::string* cause) {
  const std::string resolved = ResolvePath(path);
  std::string bytes;
  if (!FileExists(resolved) || !ReadFilePrefix(resolved, limit + 1, bytes)) {
    if (cause != nullptr) *cause = OpenFailureCause(resolved);
    return false;
  }
  file.truncated = bytes.size() > limit;
  if (file.truncated) bytes.resize(limit);
  file.bytes = ImportBytesToCp1252(bytes, file.truncated);
  return true;
}

std::string OpenFailureMessage(const std::string& path, const std::string& cause) {
  return "Impossible d'ouvrir le fichier " + path + ".\n" + cause;
}

}  // namespace veldor
