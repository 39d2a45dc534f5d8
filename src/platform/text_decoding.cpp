#include "platform/text_decoding.h"

#include <algorithm>

#include "platform/codepage.h"

namespace veldor {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool HasNonAscii(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// Length of the UTF-8 sequence a lead byte announces (0 for a byte that
// cannot start one).
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

// Drops a UTF-8 sequence that the end of `bytes` cuts short.
std::string_view WithoutCutCharacter(std::string_view bytes) {
  std::size_t start = bytes.size();
  int continuations = 0;
  while (start > 0 && continuations < 3 &&
         (static_cast<unsigned char>(bytes[start - 1]) & 0xC0) == 0x80) {
    --start;
    ++continuations;
  }
  if (start == 0) return bytes;
  const std::size_t length = SequenceLength(static_cast<unsigned char>(bytes[start - 1]));
  if (length > static_cast<std::size_t>(continuations) + 1) return bytes.substr(0, start - 1);
  return bytes;
}

// UTF-16 without a mark: in the first bytes, the high byte of every
// character (ASCII text) is zero and the low byte is not.
TextEncoding GuessUtf16(std::string_view bytes) {
  const std::size_t size = std::min<std::size_t>(bytes.size(), 256) & ~std::size_t{1};
  if (size < 4) return TextEncoding::Windows1252;
  std::size_t evenZeros = 0;
  std::size_t oddZeros = 0;
  for (std::size_t i = 0; i < size; i += 2) {
    if (bytes[i] == '\0') ++evenZeros;
    if (bytes[i + 1] == '\0') ++oddZeros;
  }
  const std::size_t pairs = size / 2;
  if (evenZeros == 0 && oddZeros * 4 >= pairs * 3) return TextEncoding::Utf16LE;
  if (oddZeros == 0 && evenZeros * 4 >= pairs * 3) return TextEncoding::Utf16BE;
  return TextEncoding::Windows1252;
}

std::string Utf16ToCp1252(std::string_view bytes, bool bigEndian, bool& lossy) {
  std::string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto high = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
    const auto low = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
    const auto unit = static_cast<char16_t>((high << 8) | low);
    if (unit >= 0xDC00 && unit <= 0xDFFF) continue;  // second half of a pair: one '?' is enough
    const char c = unit >= 0xD800 && unit <= 0xDBFF ? '?' : Utf16UnitToCp1252(unit);
    if (c == '?' && unit != u'?') lossy = true;
    text += c;
  }
  return text;
}

std::string Utf8ToCp1252Noting(std::string_view text, bool& lossy) {
  std::string converted = Utf8ToCp1252(text);
  lossy = std::count(converted.begin(), converted.end(), '?') !=
          std::count(text.begin(), text.end(), '?');
  return converted;
}

}  // namespace

DecodedText DecodeText(std::string_view bytes, bool truncated) {
  DecodedText decoded;
  if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
    decoded.encoding = bytes[0] == '\xFF' ? TextEncoding::Utf16LE : TextEncoding::Utf16BE;
    bytes.remove_prefix(2);
  } else {
    decoded.encoding = GuessUtf16(bytes);
  }
  if (decoded.encoding != TextEncoding::Windows1252) {
    decoded.text = Utf16ToCp1252(bytes, decoded.encoding == TextEncoding::Utf16BE, decoded.lossy);
    return decoded;
  }
  const bool bom = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
  std::string_view text = bom ? bytes.substr(kUtf8Bom.size()) : bytes;
  if (truncated) text = WithoutCutCharacter(text);
  if (bom || (HasNonAscii(text) && IsValidUtf8(text))) {
    decoded.encoding = TextEncoding::Utf8;
    decoded.text = Utf8ToCp1252Noting(text, decoded.lossy);
  } else {
    decoded.text = std::string(bytes);
  }
  return decoded;
}

}  // namespace veldor
