// The text export: every topic with its title, keywords and subjects in
// one labelled text file.
#pragma once

#include <string>

namespace veldor {

class CVeldorDoc;

// The bytes of the export (Windows-1252, CR LF line ends).
std::string TextExportBytes(const CVeldorDoc& doc);

// Writes the export to `path`, replacing it. A file that cannot be written
// is reported with its name and the system's reason; returns false then.
bool ExportText(const CVeldorDoc& doc, const std::string& path);

}  // namespace veldor
