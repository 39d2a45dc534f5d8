#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace veldor {
namespace {

std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

TEST(CodepageTest, EveryByteRoundTripsThroughUtf8) {
  const std::string bytes = AllBytes();
  const std::string utf8 = Cp1252ToUtf8(bytes);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << "byte " << b;
  }
}

TEST(CodepageTest, Windows1252AndUtf8) {
  const std::pair<std::string, std::string> both[] = {
      {"\x80\x92\x9F", "\u20AC\u2019\u0178"},
      {"d\xE9j\xE0\xA0\xFF", "d\u00E9j\u00E0\u00A0\u00FF"},
      {"\x8Cuvre \x96 \x99", "\u0152uvre \u2013 \u2122"},
      // The undefined bytes become the control characters of the same number.
      {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"}};
  for (const auto& [cp1252, utf8] : both) {
    EXPECT_EQ(Cp1252ToUtf8(cp1252), utf8);
    EXPECT_EQ(Utf8ToCp1252(utf8), cp1252);
  }
  // What Windows-1252 cannot hold, and each broken sequence, gives one '?'
  // and does not swallow what follows.
  const std::pair<const char*, const char*> lossy[] = {
      {"\u0100", "?"},     {"a\u4E2Db", "a?b"},
      {"\U0001F600", "?"}, {"\xC2\x80\xC2\x82", "??"},  // C1 controls 1252 uses for letters
      {"a\xC3", "a?"},     {"\xC3(", "?("},
      {"\xE2\x82(", "?("}, {"\xE2\x82\xC3\xA9", "?\xE9"},
      {"\xC0\xAF", "??"},  {"\xFF\xFE", "??"}};
  for (const auto& [utf8, cp1252] : lossy) EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
}

TEST(CodepageTest, MalformedUtf8) {
  // Truncated, overlong, surrogate, above U+10FFFF, lone continuation.
  for (const char* bad :
       {"\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80", "\xFF"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  }
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));
  EXPECT_TRUE(IsValidUtf8(std::string_view("a\0b", 3)));
}

TEST(CodepageTest, Oem850) {
  EXPECT_EQ(Cp1252ToOem850("Caf\xE9 \xE0 No\xEBl"), "Caf\x82 \x85 No\x89l");
  EXPECT_EQ(Cp1252ToOem850("\xC9\xC7\xE7\xFC\xA9\xB0\xA0\x83"), "\x90\x80\x87\x81\xB8\xF8\xFF\x9F");
  // The euro, typographic quotes and the undefined bytes are not in 850.
  EXPECT_EQ(Cp1252ToOem850("\x80\x93\x94\x81\x9D"), "?????");
  // ASCII, controls included, is unchanged; every Latin-1 character has its own byte.
  const std::string all = AllBytes();
  EXPECT_EQ(Cp1252ToOem850(all.substr(0, 128)), all.substr(0, 128));
  const std::string oem = Cp1252ToOem850(all.substr(0xA0));
  EXPECT_EQ(oem.find('?'), std::string::npos);
  for (std::size_t i = 0; i < oem.size(); ++i) {
    EXPECT_EQ(oem.find(oem[i]), i) << "two characters share byte " << int(oem[i] & 0xFF);
  }
}

TEST(CodepageTest, Utf16Units) {
  const std::pair<char16_t, char> cases[] = {
      {u'A', 'A'},      {u'\u00E9', '\xE9'}, {u'\u20AC', '\x80'},    {u'\u0081', '\x81'},
      {u'\u0080', '?'}, {u'\u0416', '?'},    {char16_t{0xD83D}, '?'}};  // half a surrogate pair
  for (const auto& [unit, byte] : cases) EXPECT_EQ(Utf16UnitToCp1252(unit), byte) << int(unit);
}

}  // namespace
}  // namespace veldor
