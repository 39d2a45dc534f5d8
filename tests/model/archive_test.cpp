#include "model/archive.h"

#include <gtest/gtest.h>

#include "model_test_support.h"

namespace veldor {
namespace {

using testing::Bytes;

std::string Stored(const std::string& s) {
  std::string out;
  CArchive ar(out);
  std::string copy = s;
  ar.String(copy);
  return out;
}

std::string ReadOneString(const std::string& bytes, size_t* left = nullptr) {
  CArchive ar{std::string_view(bytes)};
  std::string s;
  ar.String(s);
  if (left) *left = ar.Remaining();
  return s;
}

TEST(ArchiveTest, StringLengthPrefixes) {
  struct Case {
    size_t length;
    std::string prefix;
  };
  const Case cases[] = {
      {0, std::string("\x00", 1)},
      {254, "\xFE"},
      {255, std::string("\xFF\xFF\x00", 3)},
      {65533, "\xFF\xFD\xFF"},
      {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
      {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
  };
  for (const Case& c : cases) {
    const std::string text(c.length, 'x');
    const std::string bytes = Stored(text);
    EXPECT_EQ(bytes, c.prefix + text) << c.length;
    size_t left = 99;
    EXPECT_EQ(ReadOneString(bytes, &left), text) << c.length;
    EXPECT_EQ(left, 0u);
  }
}

TEST(ArchiveTest, ReaderAcceptsLongerPrefixesThanNeeded) {
  EXPECT_EQ(ReadOneString(Bytes().Byte(0xFF).Word(3).Raw("abc").data), "abc");
  EXPECT_EQ(ReadOneString(Bytes().Byte(0xFF).Word(0xFFFF).Long(2).Raw("ab").data), "ab");
}

TEST(ArchiveTest, WideStringsAreConvertedToWindows1252) {
  // "A", e acute, the euro sign, a CJK character without equivalent.
  const std::string shortForm =
      Bytes().Byte(0xFF).Word(0xFFFE).Byte(4).Word('A').Word(0xE9).Word(0x20AC).Word(0x4E00).data;
  EXPECT_EQ(ReadOneString(shortForm), "A\xE9\x80?");
  const std::string longForm =
      Bytes().Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0xFFFF).Long(1).Word('z').data;
  EXPECT_EQ(ReadOneString(longForm), "z");
  const std::string wordForm =
      Bytes().Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(2).Raw(std::string("a\0b\0", 4)).data;
  EXPECT_EQ(ReadOneString(wordForm), "ab");
}

TEST(ArchiveTest, CorruptStringsAreRefused) {
  const std::string cases[] = {
      "",  // nothing at all
      "\x05"
      "abc",                                                           // 5 announced, 3 left
      Bytes().Byte(0xFF).Word(0xFFFF).Long(0xFFFFFFFF).Raw("x").data,  // 4 GB announced
      Bytes().Byte(0xFF).Word(0xFFFE).Byte(3).Raw(std::string("a\0b\0", 4)).data,  // 3 wide units,
                                                                                   // 2 left
      Bytes().Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0xFFFE).Byte(0).data,        // two wide marks
      Bytes().Byte(0xFF).Byte(1).data,  // prefix cut short
  };
  for (const std::string& bytes : cases) {
    EXPECT_THROW(ReadOneString(bytes), ArchiveError) << ::testing::PrintToString(bytes);
  }
}

TEST(ArchiveTest, CountsUseTheLongFormFrom0xFFFF) {
  std::vector<uint16_t> small(3, 7), large(0xFFFF, 1);
  std::string out;
  {
    CArchive ar(out);
    ar.WordArray(small);
    ar.WordArray(large);
  }
  EXPECT_EQ(out.substr(0, 2), std::string("\x03\x00", 2));
  EXPECT_EQ(out.substr(8, 6), std::string("\xFF\xFF\xFF\xFF\x00\x00", 6));
  EXPECT_EQ(out.size(), 2 + 6 + 6 + 2 * 0xFFFFu);

  CArchive in{std::string_view(out)};
  std::vector<uint16_t> a, b;
  in.WordArray(a);
  in.WordArray(b);
  EXPECT_EQ(a, small);
  EXPECT_EQ(b, large);
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ArchiveTest, ArrayCountsBeyondTheRemainingBytesAreRefused) {
  const std::string strings = Bytes().Word(3).Str("a").Str("b").data;  // 3 announced, 2 held
  const std::string giantLongs = Bytes().Word(0xFFFF).Long(0x40000000).Long(1).data;
  const std::string words = Bytes().Word(2).Word(1).data;
  std::vector<std::string> s;
  std::vector<uint32_t> l;
  std::vector<uint16_t> w;
  CArchive a{std::string_view(strings)}, b{std::string_view(giantLongs)},
      c{std::string_view(words)};
  EXPECT_THROW(a.StringArray(s), ArchiveError);
  EXPECT_THROW(b.LongArray(l), ArchiveError);
  EXPECT_THROW(c.WordArray(w), ArchiveError);
}

TEST(ArchiveTest, NarrowFieldsAndTruncation) {
  std::string out;
  {
    CArchive ar(out);
    int32_t minusOne = -1, big = 0x12345678;
    ar.WordOf32(minusOne);
    ar.SignedWordOf32(minusOne);
    ar.Long(big);
  }
  EXPECT_EQ(out, std::string("\xFF\xFF\xFF\xFF\x78\x56\x34\x12", 8));
  CArchive in{std::string_view(out)};
  int32_t zeroExtended = 0, signExtended = 0, whole = 0;
  in.WordOf32(zeroExtended);
  in.SignedWordOf32(signExtended);
  in.Long(whole);
  EXPECT_EQ(zeroExtended, 65535);
  EXPECT_EQ(signExtended, -1);
  EXPECT_EQ(whole, 0x12345678);
  uint16_t w = 0;
  EXPECT_THROW(in.Word(w), ArchiveError);
  try {
    in.Word(w);
  } catch (const ArchiveError& e) {
    EXPECT_NE(std::string(e.what()).find("octet 8"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace veldor
