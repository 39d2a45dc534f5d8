// The WinHelp conventions written in plain text inside RTF: the hidden
// target of a hot spot, the bitmap references in escaped braces and the
// footnotes that name, title and index a topic.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "helprtf/help_topics.h"

namespace veldor::helprtf {

// The hot spot of hidden text "%TARGET>WINDOW@FILE" (with '*' or '%' and
// blanks first; "!Macro()" for a macro). `jumpUnderline` is true for a
// double underline or strike-through (a jump), false for a single or
// dotted underline (a pop-up). Empty when the text names no target.
std::optional<HotSpot> ParseHotSpotTarget(std::string_view hidden, bool jumpUnderline);

// The picture of the text between escaped braces, "bmc FILE" (also bml,
// bmr, and the variants with letters after the placement such as "bmct"
// for a transparent one). Empty for any other text.
std::optional<PictureRef> ParseBitmapReference(std::string_view inner);

// Splits at ';' and trims each piece; empty pieces are left out. With
// `respectQuotes`, a ';' inside "..." or `...' does not split (macros).
std::vector<std::string> SplitList(std::string_view text, bool respectQuotes);

// Blanks (space, tab, CR, LF) removed at both ends.
std::string_view Trim(std::string_view text);

// Gives `topic` what the footnote of `mark` says. Returns false for a mark
// that means nothing to WinHelp (the footnote is then ignored).
bool ApplyFootnote(Topic& topic, char mark, std::string_view text);

}  // namespace veldor::helprtf
