// The plain procedure for turning global strings into links: after each
// link, every global string is searched again in the rest of the text.
// Kept as the reference the fast substitution is compared with, in the
// tests and in the benchmark.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "helpbuild/global_links.h"
#include "helpbuild/rtf_escape.h"
#include "model/document.h"
#include "model/global_texte.h"
#include "platform/paths.h"

namespace veldor::reference {

// With `onlyAtCharacterStarts`, an occurrence inside an escape ("\'e9",
// "\line ") is passed over, as the fast substitution does.
inline std::string LiteralSubstituteGlobals(std::string_view text, const CVeldorDoc& doc,
                                            bool onlyAtCharacterStarts) {
  struct Global {
    const CGlobalTexte* record;
    std::string pattern;
  };
  std::vector<Global> globals;
  for (int i = 0; i < doc.globals.count(); ++i) {
    const CGlobalTexte* g = doc.globals.GetAt(i);
    std::string pattern = RtfEscape(g->text);
    globals.push_back({g, g->caseSensitive ? pattern : AsciiUpper(pattern)});
  }
  const std::string upperText = AsciiUpper(std::string(text));

  std::string result;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t best = std::string_view::npos;
    const Global* winner = nullptr;
    for (const Global& g : globals) {
      if (g.pattern.empty()) continue;
      const std::string_view haystack =
          g.record->caseSensitive ? text : std::string_view(upperText);
      size_t at = haystack.find(g.pattern, pos);
      while (onlyAtCharacterStarts && at != std::string_view::npos &&
             !IsEscapedCharacterStart(text, at)) {
        at = haystack.find(g.pattern, at + 1);
      }
      if (at < best) {
        best = at;
        winner = &g;
      }
    }
    if (winner == nullptr) break;
    result.append(text.substr(pos, best - pos));
    WriteLinkRtf(*winner->record, text.substr(best, winner->pattern.size()), doc.help32 != 0,
                 result);
    pos = best + winner->pattern.size();
  }
  if (pos < text.size()) result.append(text.substr(pos));
  return result;
}

}  // namespace veldor::reference
