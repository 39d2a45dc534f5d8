#include "platform/text_decoding.h"

#include <gtest/gtest.h>

namespace veldor {
namespace {

std::string Utf16Le(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

std::string Utf16Be(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit >> 8);
    bytes += static_cast<char>(unit & 0xFF);
  }
  return bytes;
}

// Every way a text editor on Windows or here saves "#define IDÉ 1" comes
// back as the same Windows-1252 text, the byte-order mark dropped.
TEST(TextDecodingTest, EncodingsOfOneText) {
  const std::string expected = "#define ID\xC9 1\r\n";
  const std::u16string wide = u"#define ID\u00C9 1\r\n";
  const struct {
    std::string bytes;
    TextEncoding encoding;
  } cases[] = {
      {expected, TextEncoding::Windows1252},
      {"#define ID\xC3\x89 1\r\n", TextEncoding::Utf8},
      {"\xEF\xBB\xBF#define ID\xC3\x89 1\r\n", TextEncoding::Utf8},
      {"\xFF\xFE" + Utf16Le(wide), TextEncoding::Utf16LE},
      {"\xFE\xFF" + Utf16Be(wide), TextEncoding::Utf16BE},
      {Utf16Le(wide), TextEncoding::Utf16LE},  // no mark: the zero high bytes tell
      {Utf16Be(wide), TextEncoding::Utf16BE},
  };
  for (const auto& c : cases) {
    const DecodedText decoded = DecodeText(c.bytes);
    EXPECT_EQ(decoded.text, expected) << c.bytes;
    EXPECT_EQ(decoded.encoding, c.encoding) << c.bytes;
    EXPECT_FALSE(decoded.lossy);
  }
  // A UTF-8 mark alone makes UTF-8 of ASCII text.
  EXPECT_EQ(DecodeText("\xEF\xBB\xBF"
                       "Form=A.frm")
                .text,
            "Form=A.frm");
}

// Characters Windows-1252 lacks become '?' and are reported; a '?' of the
// text itself is not.
TEST(TextDecodingTest, CharactersOutsideWindows1252) {
  const DecodedText korean = DecodeText("Begin VB.Form \xEC\x96\x91\xEC\x8B\x9D?\n");
  EXPECT_EQ(korean.text, "Begin VB.Form ???\n");
  EXPECT_TRUE(korean.lossy);
  const DecodedText pair = DecodeText("\xFF\xFE" + Utf16Le(u"a\U0001F600b"));
  EXPECT_EQ(pair.text, "a?b");
  EXPECT_TRUE(pair.lossy);
  EXPECT_FALSE(DecodeText("Quoi ?").lossy);
  // Binary data stays as it is.
  const std::string binary("TPF0\x06TForm1\x00\x01", 12);
  EXPECT_EQ(DecodeText(binary).text, binary);
  // A character cut by a size limit is dropped, not taken as malformed.
  EXPECT_EQ(DecodeText("\xC3\xA9t\xC3", true).text, "\xE9t");
}

}  // namespace
}  // namespace veldor
