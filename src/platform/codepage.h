// Code pages. Strings of the model are single-byte Windows-1252 text, the
// very bytes stored in project files; the user interface and JSON use
// UTF-8; the help project wants OEM 850.
#pragma once

#include <string>
#include <string_view>

namespace veldor {

// Every byte converts; the five bytes Windows-1252 leaves undefined
// (0x81 0x8D 0x8F 0x90 0x9D) map to the control characters U+0081... so
// that Cp1252ToUtf8 and Utf8ToCp1252 round-trip every byte string.
std::string Cp1252ToUtf8(std::string_view text);
// Characters Windows-1252 cannot hold, and malformed UTF-8 sequences,
// become '?'.
std::string Utf8ToCp1252(std::string_view text);
// True when `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);
// Windows-1252 to OEM code page 850; characters 850 lacks become '?'.
std::string Cp1252ToOem850(std::string_view text);
// OEM code page 850 back to Windows-1252, the inverse of Cp1252ToOem850;
// characters Windows-1252 lacks (box drawing) become '?'.
std::string Oem850ToCp1252(std::string_view text);
// One UTF-16 code unit to Windows-1252 ('?' when it has no equivalent).
char Utf16UnitToCp1252(char16_t unit);

}  // namespace veldor
