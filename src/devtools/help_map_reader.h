// Reading help-map files (".hm": the maps written here, the class
// library's help map, and "#define" map includes) into the working tables
// of the document.
#pragma once

#include <string>
#include <string_view>

namespace veldor {

class CVeldorDoc;

// Lines longer than this are cut.
inline constexpr std::size_t kMaxHelpMapLine = 16000;

// Appends every entry of a help-map text to hmLines ("NAME,VALUE"),
// hmNames, hmValues, hmKnownNames and hmNameOfValue. Blank lines and "//"
// comments are skipped; an entry is a name and a value text separated by
// blanks or tabs ("#define" before the name is passed over; a name holding
// a comma is not an identifier and is skipped). Returns the number of
// entries read.
int ReadHelpMapText(CVeldorDoc& doc, std::string_view text);

// The same from a file (any letter case, '\' accepted). False, with the
// system's reason, when the file cannot be read.
bool ReadHelpMapFile(CVeldorDoc& doc, const std::string& path, std::string* reason = nullptr);

}  // namespace veldor
