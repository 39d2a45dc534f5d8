#include "helpbuild/rtf_escape.h"

namespace veldor {

namespace {

void AppendHexEscape(unsigned char byte, std::string& out) {
  static const char kHex[] = "0123456789abcdef";
  out += "\\'";
  out += kHex[byte >> 4];
  out += kHex[byte & 0x0F];
}

void Escape(std::string_view text, bool doubleBackslash, std::string& out) {
  out.reserve(out.size() + text.size() + text.size() / 8);
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      out += "\\line ";
    } else if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') {
        out += "\\line ";
        ++i;
      }
    } else if (c == '\\' && doubleBackslash) {
      out += "\\'5c\\'5c";
    } else if (c > 127 || c == '\\' || c == '{' || c == '}') {
      AppendHexEscape(c, out);
    } else {
      out += static_cast<char>(c);
    }
  }
}

}  // namespace

void AppendRtfEscaped(std::string_view text, std::string& out) {
  Escape(text, false, out);
}

std::string RtfEscape(std::string_view text) {
  std::string out;
  Escape(text, false, out);
  return out;
}

std::string MacroEscape(std::string_view text) {
  std::string out;
  Escape(text, true, out);
  return out;
}

}  // namespace veldor
