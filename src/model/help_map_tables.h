// The working tables of the Visual C++ help map (hmNames, hmValues,
// hmKnownNames, hmNameOfValue, allowedHelpIds), derived from the document's
// hmLines and hidPrefixes. Rebuilt whenever a project is read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace veldor {

class CVeldorDoc;

// The number of a help-map value text: the hexadecimal digits that follow
// the first "0x" (lower-case x; the low 32 bits are kept), or, in a text
// without "0x", the text itself when it is a plain decimal number. -1 when
// neither gives a number.
int32_t HelpMapValue(std::string_view valueText);

// Enters one help-map entry into hmNames, hmValues, hmKnownNames and
// hmNameOfValue (which keeps the first name read for a value). hmLines is
// left to the caller.
void AddHelpMapEntry(CVeldorDoc& doc, const std::string& name, const std::string& valueText);

// Empties hmNames, hmValues, hmKnownNames and hmNameOfValue.
void ClearHelpMapTables(CVeldorDoc& doc);

// Rebuilds allowedHelpIds from hmNames: every name when hidPrefixes is
// empty or the project is not linked to Visual C++ (devLinkKind 0), else
// the names whose first four characters are one of hidPrefixes.
void RebuildAllowedHelpIds(CVeldorDoc& doc);

// Rebuilds every working table from hmLines (each "NAME,VALUE") and
// hidPrefixes.
void RebuildHelpMapTables(CVeldorDoc& doc);

}  // namespace veldor
