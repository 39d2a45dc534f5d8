// The files the importers read: size limit, the French cause shown when a
// file cannot be opened, and the conversion of UTF-8 text files to the
// Windows-1252 bytes the model holds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace veldor {

struct ImportFile {
  std::string bytes;       // Windows-1252, at most the limit
  bool truncated = false;  // the file was longer than the limit
};

// Reads at most `limit` bytes of `path` (looked up without regard to case,
// '\' accepted) and converts them with ImportBytesToCp1252. On failure
// returns false with the French cause in `cause` ("Fichier non trouvé",
// "Accès refusé", ...; UTF-8).
bool ReadImportFile(const std::string& path, std::size_t limit, ImportFile& file,
                    std::string* cause = nullptr);

// "Impossible d'ouvrir le fichier ", the path, ".\n" and the cause (UTF-8).
std::string OpenFailureMessage(const std::string& path, const std::string& cause);

// The text of an imported file as the model holds it (DecodeText: UTF-8
// and UTF-16 are converted, the byte-order mark dropped).
std::string ImportBytesToCp1252(std::string_view bytes, bool truncated);

}  // namespace veldor
