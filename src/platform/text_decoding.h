// Text files written by other programs, decoded to the Windows-1252 text
// the model holds. A byte-order mark decides (UTF-8, UTF-16 little or big
// endian); without one, text whose every other byte is zero is UTF-16, valid
// UTF-8 holding non-ASCII characters is UTF-8, and anything else is taken
// as Windows-1252 already.
#pragma once

#include <string>
#include <string_view>

namespace veldor {

enum class TextEncoding { Windows1252, Utf8, Utf16LE, Utf16BE };

struct DecodedText {
  std::string text;  // Windows-1252, without the byte-order mark
  TextEncoding encoding = TextEncoding::Windows1252;
  // Characters Windows-1252 lacks (Korean, Japanese...) became '?'.
  bool lossy = false;
};

// `truncated`: the bytes were cut at a size limit, so a character cut in
// the middle at the very end is dropped rather than taken as malformed.
DecodedText DecodeText(std::string_view bytes, bool truncated = false);

}  // namespace veldor
