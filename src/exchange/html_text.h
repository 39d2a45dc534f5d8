// Text helpers of the HTML export: character entities, the Windows path to
// URL conversion, and the escaping of attribute values.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace veldor {

struct HtmlEntity {
  unsigned char code;  // Windows-1252 / ISO 8859-1
  const char* name;    // written as "&" name ";"
};

// The 66 characters written as entities, in table order.
extern const std::array<HtmlEntity, 66> HtmlEntityTable;

// Each character of the table becomes its entity; a line feed is followed
// by "<BR>"; every other byte is copied.
std::string HtmlEscape(std::string_view text);

// Every '\' becomes '/'; the first ':' becomes '|', with a '/' in front when
// it is the second character (a drive letter): "D:\IMG\A.BMP" gives
// "/D|/IMG/A.BMP".
std::string PathToUrl(std::string_view path);

// A URL as the value of a double-quoted attribute: the characters that
// would end the quotes or start markup or a character reference ('"',
// '<', '>', '&') become entities, and those a file name may hold but a URL
// path gives another meaning ('%', '#', '?') are percent-encoded.
std::string HtmlUrlAttribute(std::string_view url);

// Text that must stay text inside an element (the page title): '&', '<',
// '>' and '"' become entities; every other byte is copied.
std::string HtmlMarkupEscape(std::string_view text);

}  // namespace veldor
