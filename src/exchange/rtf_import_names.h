// How the RTF import cleans the names it reads: context strings, targets
// and window names keep only the characters a WinHelp context string is
// made of.
#pragma once

#include <string>
#include <string_view>

namespace veldor {

// The ASCII letters, digits, '_' and '.' of `text`, in order.
inline std::string KeepContextCharacters(std::string_view text) {
  std::string out;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
        c == '.') {
      out += c;
    }
  }
  return out;
}

}  // namespace veldor
