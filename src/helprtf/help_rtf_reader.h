// The reader of WinHelp topic files: RTF as help authors write it, by hand,
// with a word processor or with our own help build, turned into topics of
// paragraphs of runs (HelpDocument). One pass over the bytes; bad input
// never stops it: what it cannot make sense of becomes a ReadNote.
#pragma once

#include <cstddef>
#include <string_view>

#include "helprtf/help_topics.h"

namespace veldor::helprtf {

struct ReadLimits {
  // Bytes read at most; the rest is ignored and `truncated` set.
  std::size_t maxBytes = std::size_t{256} << 20;
  // Groups nested deeper than this are read as part of the group that
  // reached the limit (their braces still count).
  int maxDepth = 512;
  // Notes kept at most (one more says that others were left out).
  int maxNotes = 1000;
};

// True when `data` starts, after blanks and an optional UTF-8 byte order
// mark, with "{\rtf".
bool LooksLikeRtf(std::string_view data);

// Reads a topic file. The text is Windows-1252 (\uN escapes are converted,
// '?' when Windows-1252 lacks the character).
HelpDocument ReadHelpRtf(std::string_view data, const ReadLimits& limits = {});

}  // namespace veldor::helprtf
