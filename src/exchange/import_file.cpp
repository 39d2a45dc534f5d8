#include "exchange/import_file.h"

#include <unistd.h>

#include <cerrno>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool HasNonAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

// Length of the UTF-8 sequence a lead byte announces (0 for a byte that
// cannot start one).
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

// Drops a UTF-8 sequence that the end of `bytes` cuts short.
std::string_view WithoutCutCharacter(std::string_view bytes) {
  std::size_t start = bytes.size();
  int continuations = 0;
  while (start > 0 && continuations < 3 &&
         (static_cast<unsigned char>(bytes[start - 1]) & 0xC0) == 0x80) {
    --start;
    ++continuations;
  }
  if (start == 0) return bytes;
  const std::size_t length = SequenceLength(static_cast<unsigned char>(bytes[start - 1]));
  if (length > static_cast<std::size_t>(continuations) + 1) return bytes.substr(0, start - 1);
  return bytes;
}

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
  std::string_view text = bytes;
  const bool bom = text.substr(0, kUtf8Bom.size()) == kUtf8Bom;
  if (bom) text.remove_prefix(kUtf8Bom.size());
  if (truncated) text = WithoutCutCharacter(text);
  if (bom || (HasNonAscii(text) && IsValidUtf8(text))) return Utf8ToCp1252(text);
  return std::string(bytes);
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
