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

TEST(CodepageTest, KnownWindows1252Characters) {
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(Cp1252ToUtf8("\x92"), "\u2019");
  EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\u0178");
  EXPECT_EQ(Cp1252ToUtf8("d\xE9j\xE0"), "d\u00E9j\u00E0");
  EXPECT_EQ(Cp1252ToUtf8("\xA0\xFF"), "\u00A0\u00FF");
  // The undefined bytes become the control characters of the same number.
  EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
  EXPECT_EQ(Utf8ToCp1252("\u0152uvre \u2013 \u2122"), "\x8Cuvre \x96 \x99");
}

TEST(CodepageTest, WhatWindows1252CannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(Utf8ToCp1252("\u0100"), "?");             // Latin A with macron
  EXPECT_EQ(Utf8ToCp1252("a\u4E2Db"), "a?b");         // CJK
  EXPECT_EQ(Utf8ToCp1252("\U0001F600"), "?");         // outside the BMP, one character
  EXPECT_EQ(Utf8ToCp1252("\xC2\x80\xC2\x82"), "??");  // C1 controls 1252 uses for letters
}

TEST(CodepageTest, MalformedUtf8) {
  EXPECT_FALSE(IsValidUtf8("\xC3"));              // truncated
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong '/'
  EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\x80"));              // lone continuation
  EXPECT_FALSE(IsValidUtf8("\xFF"));
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));
  EXPECT_TRUE(IsValidUtf8(std::string_view("a\0b", 3)));

  // Each broken sequence gives one '?' and does not swallow what follows.
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
  EXPECT_EQ(Utf8ToCp1252("\xC3("), "?(");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82("), "?(");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xC3\xA9"), "?\xE9");
  EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");
  EXPECT_EQ(Utf8ToCp1252("\xFF\xFE"), "??");
}

TEST(CodepageTest, Oem850) {
  EXPECT_EQ(Cp1252ToOem850("Caf\xE9 \xE0 No\xEBl"), "Caf\x82 \x85 No\x89l");
  EXPECT_EQ(Cp1252ToOem850("\xC9\xC7\xE7\xFC\xA9\xB0\xA0"), "\x90\x80\x87\x81\xB8\xF8\xFF");
  EXPECT_EQ(Cp1252ToOem850("\x83"), "\x9F");  // florin exists in both
  // The euro, typographic quotes and the undefined bytes are not in 850.
  EXPECT_EQ(Cp1252ToOem850("\x80\x93\x94\x81\x9D"), "?????");
  // ASCII, controls included, is unchanged.
  std::string ascii;
  for (int b = 0; b < 128; ++b) ascii += static_cast<char>(b);
  EXPECT_EQ(Cp1252ToOem850(ascii), ascii);
  // Every Latin-1 character has its own 850 byte.
  const std::string latin1 = AllBytes().substr(0xA0);
  const std::string oem = Cp1252ToOem850(latin1);
  EXPECT_EQ(oem.find('?'), std::string::npos);
  for (std::size_t i = 0; i < oem.size(); ++i) {
    EXPECT_EQ(oem.find(oem[i]), i) << "two characters share byte " << int(oem[i] & 0xFF);
  }
}

TEST(CodepageTest, Utf16Units) {
  EXPECT_EQ(Utf16UnitToCp1252(u'A'), 'A');
  EXPECT_EQ(Utf16UnitToCp1252(u'\u00E9'), '\xE9');
  EXPECT_EQ(Utf16UnitToCp1252(u'\u20AC'), '\x80');
  EXPECT_EQ(Utf16UnitToCp1252(u'\u0081'), '\x81');
  EXPECT_EQ(Utf16UnitToCp1252(u'\u0080'), '?');
  EXPECT_EQ(Utf16UnitToCp1252(u'\u0416'), '?');
  EXPECT_EQ(Utf16UnitToCp1252(char16_t{0xD83D}), '?');  // half of a surrogate pair
}

}  // namespace
}  // namespace veldor
