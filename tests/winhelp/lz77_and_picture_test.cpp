// LZ77 blocks decode to what was encoded within their limits, and bitmaps
// of every depth and storage become pictures with the same pixels.
#include <gtest/gtest.h>

#include <random>

#include "winhelp/hlp_test_reader.h"
#include "winhelp/lz77.h"
#include "winhelp/picture_file.h"

namespace veldor::winhelp {
namespace {

using testing::Lz77Decode;

Bytes Sample(size_t size, int alphabet) {
  std::mt19937 random(7);
  Bytes data(size);
  for (auto& b : data) b = static_cast<uint8_t>('a' + random() % alphabet);
  return data;
}

TEST(Lz77, BlocksRoundTripWithinTheirLimits) {
  struct Case {
    Bytes data;
    size_t maxInput, maxOutput;
    bool matches;
  };
  const std::vector<Case> cases = {
      {Sample(20000, 3), 0x4000, 4084, true},    // compressible: the input limit stops it
      {Sample(20000, 200), 0x4000, 4084, true},  // barely: the output limit stops it
      {Bytes(50000, 'x'), 0x4000, 4084, true},   // one long run
      {Sample(9000, 26), 0x4000, 4084, false},   // stored as literals
      {Sample(100, 4), 100, 1000, true},        {Bytes(), 0x4000, 4084, true},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    const Lz77Block block =
        Lz77CompressBlock(c.data.data(), c.data.size(), c.maxInput, c.maxOutput, c.matches);
    SCOPED_TRACE(i);
    EXPECT_LE(block.consumed, c.maxInput);
    EXPECT_LE(block.output.size(), c.maxOutput);
    if (block.consumed < c.data.size() && block.consumed < c.maxInput) {
      EXPECT_EQ(block.output.size(), c.maxOutput) << "stopped by the output: filled exactly";
    }
    const Bytes decoded =
        Lz77Decode(block.output.data(), block.output.data() + block.output.size(), SIZE_MAX);
    EXPECT_EQ(decoded, Bytes(c.data.begin(), c.data.begin() + block.consumed));
  }
  const Bytes all = Sample(70000, 5);
  const Bytes packed = Lz77Compress(all.data(), all.size());
  EXPECT_LT(packed.size(), all.size() / 2);
  EXPECT_EQ(Lz77Decode(packed.data(), packed.data() + packed.size(), SIZE_MAX), all);
}

TEST(Lz77, PatchableBytesStayLiterals) {
  Bytes data = Bytes(4000, 'q');
  Bytes patchable(data.size(), 0);
  for (size_t i = 100; i < 3000; i += 97) patchable[i] = 1;
  const Lz77Block block =
      Lz77CompressBlock(data.data(), data.size(), 0x4000, 4084, true, patchable.data());
  ASSERT_EQ(block.consumed, data.size());
  Bytes output = block.output;
  for (const auto& [input, at] : block.patchableLiterals) output[at] = 'Z';
  const Bytes decoded = Lz77Decode(output.data(), output.data() + output.size(), SIZE_MAX);
  ASSERT_EQ(decoded.size(), data.size());
  for (size_t i = 0; i < data.size(); ++i) {
    ASSERT_EQ(decoded[i], patchable[i] ? 'Z' : 'q') << i;
  }
}

// A bitmap file: header, palette, rows as given (bottom-up unless `topDown`).
Bytes BitmapFile(int width, int height, int bits, uint32_t compression, const Bytes& palette,
                 const Bytes& pixels, bool topDown = false) {
  ByteWriter out;
  out.U16(0x4D42);  // "BM"
  out.U32(static_cast<uint32_t>(54 + palette.size() + pixels.size()));
  out.U32(0);
  out.U32(static_cast<uint32_t>(54 + palette.size()));
  out.U32(40);
  out.I32(width);
  out.I32(topDown ? -height : height);
  out.U16(1);
  out.U16(static_cast<uint16_t>(bits));
  out.U32(compression);
  out.U32(static_cast<uint32_t>(pixels.size()));
  out.U32(2835);  // 72 dpi
  out.U32(2835);
  out.U32(static_cast<uint32_t>(palette.size() / 4));
  out.U32(0);
  out.Append(palette);
  out.Append(pixels);
  return std::move(out.bytes());
}

// The pixel rows of a one-image picture, unpacked.
Bytes PictureRows(const HelpPicture& picture, int& bits) {
  const Bytes& d = picture.data;
  EXPECT_EQ(d[0], 'l');
  EXPECT_EQ(d[8], 6);  // a DIB
  size_t at = 10;
  const auto cul = [&] {
    uint32_t v = (d[at] & 1)
                     ? (d[at] | d[at + 1] << 8 | d[at + 2] << 16 | uint32_t{d[at + 3]} << 24) >> 1
                     : (d[at] | d[at + 1] << 8) >> 1;
    at += (d[at] & 1) ? 4 : 2;
    return v;
  };
  const auto cus = [&] {
    const uint32_t v = (d[at] & 1) ? (d[at] | d[at + 1] << 8) >> 1 : d[at] >> 1;
    at += (d[at] & 1) ? 2 : 1;
    return v;
  };
  EXPECT_EQ(cul(), 72u);
  cul();
  cus();
  bits = static_cast<int>(cus());
  cul();
  cul();
  cul();
  cul();
  const uint32_t size = cul();
  cul();
  const uint32_t offset = d[at] | d[at + 1] << 8 | d[at + 2] << 16 | uint32_t{d[at + 3]} << 24;
  const uint8_t packing = d[9];
  const uint8_t* data = d.data() + 8 + offset;
  return packing == 2 ? Lz77Decode(data, data + size, SIZE_MAX) : Bytes(data, data + size);
}

TEST(PictureFile, BitmapsOfEveryStorageKeepTheirPixels) {
  const Bytes palette4 = {0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0};
  // 4 x 2 pixels, 8 bits: rows of 4 bytes, bottom-up.
  const Bytes rows8 = {1, 2, 3, 0, 3, 2, 1, 0};
  // The same as RLE8: a run of 1, then literal groups, end of line, end.
  const Bytes rle8 = {1, 1, 0, 3, 2, 3, 0, 0, 0, 0, 0, 3, 3, 2, 1, 0, 0, 0, 0, 1};
  // 24 bits, 2 x 2, stored top-down.
  const Bytes rowsTop = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  const Bytes rowsBottom = {7, 8, 9, 10, 11, 12, 0, 0, 1, 2, 3, 4, 5, 6, 0, 0};
  struct Case {
    Bytes file;
    int bits;
    Bytes rows;
  };
  const std::vector<Case> cases = {
      {BitmapFile(4, 2, 8, 0, palette4, rows8), 8, rows8},
      {BitmapFile(4, 2, 8, 1, palette4, rle8), 8, rows8},
      {BitmapFile(2, 2, 24, 0, {}, rowsTop, true), 24, rowsBottom},
      {BitmapFile(8, 2, 1, 0, {0, 0, 0, 0, 255, 255, 255, 0}, {0xA5, 0, 0, 0, 0x5A, 0, 0, 0}),
       1,
       {0xA5, 0, 0, 0, 0x5A, 0, 0, 0}},
  };
  for (const bool compress : {false, true}) {
    for (size_t i = 0; i < cases.size(); ++i) {
      SCOPED_TRACE(i);
      HelpPicture picture;
      std::string reason;
      ASSERT_TRUE(MakeHelpPicture(cases[i].file, compress, false, picture, reason)) << reason;
      int bits = 0;
      EXPECT_EQ(PictureRows(picture, bits), cases[i].rows);
      EXPECT_EQ(bits, cases[i].bits);
    }
  }
}

// A hot spot picture as a hot spot editor saves it: one 8 x 1 monochrome
// image and two hot spots, a jump (hash left at zero) and a macro.
Bytes HotSpotPictureFile() {
  ByteWriter hot;
  hot.U8(1);
  hot.U16(2);
  hot.U32(0);  // no macro data
  for (const uint8_t type : {uint8_t{0xE3}, uint8_t{0xC8}}) {
    hot.U8(type);
    hot.U8(0);
    hot.U8(0);
    for (int i = 0; i < 4; ++i) hot.U16(static_cast<uint16_t>(i + 1));
    hot.U32(0);
  }
  hot.StringZ("zone1");
  hot.StringZ("IDH_TARGET");
  hot.StringZ("zone2");
  hot.StringZ("Back()");
  ByteWriter picture;
  picture.U8(6);
  picture.U8(0);
  picture.CompressedULong(96);
  picture.CompressedULong(96);
  picture.CompressedUShort(1);
  picture.CompressedUShort(1);
  picture.CompressedULong(8);
  picture.CompressedULong(1);
  picture.CompressedULong(2);
  picture.CompressedULong(0);
  picture.CompressedULong(4);
  picture.CompressedULong(static_cast<uint32_t>(hot.size()));
  const size_t offsets = picture.size();
  picture.U32(0);
  picture.U32(0);
  picture.Zeros(8);  // palette
  picture.PatchU32(offsets, static_cast<uint32_t>(picture.size()));
  picture.Append(Bytes{0xF0, 0, 0, 0});
  picture.PatchU32(offsets + 4, static_cast<uint32_t>(picture.size()));
  picture.Append(hot.bytes());
  ByteWriter file;
  file.U16(0x506C);
  file.U16(1);
  file.U32(8);
  file.Append(picture.bytes());
  return std::move(file.bytes());
}

TEST(PictureFile, HotSpotPicturesGetTheirJumpHashes) {
  const Bytes file = HotSpotPictureFile();
  HelpPicture picture;
  std::string reason;
  ASSERT_TRUE(MakeHelpPicture(file, true, false, picture, reason)) << reason;
  EXPECT_EQ(picture.hotSpots, 2);
  ASSERT_EQ(picture.data.size(), file.size());
  // The hot spot block starts after the image data; the jump's hash is the
  // last field of its 15-byte record.
  const size_t strings = 6 + 11 + 6 + 7;  // the four names and targets
  const size_t records = picture.data.size() - strings - 2 * 15;
  const size_t jumpHash = records + 11;
  uint32_t hash = 0;
  for (int i = 3; i >= 0; --i) hash = (hash << 8) | picture.data[jumpHash + i];
  EXPECT_EQ(static_cast<int32_t>(hash), testing::ReferenceHash("IDH_TARGET"));
  // Nothing else changed.
  for (size_t i = 0; i < file.size(); ++i) {
    if (i < jumpHash || i >= jumpHash + 4) {
      ASSERT_EQ(picture.data[i], file[i]) << i;
    }
  }
}

TEST(PictureFile, RefusesWhatIsNotABitmap) {
  for (const Bytes& file :
       {Bytes{}, Bytes{'B', 'M', 1, 2}, Bytes(60, 0), BitmapFile(4, 2, 8, 0, {}, {1, 2})}) {
    HelpPicture picture;
    std::string reason;
    EXPECT_FALSE(MakeHelpPicture(file, true, false, picture, reason));
    EXPECT_FALSE(reason.empty());
  }
}

}  // namespace
}  // namespace veldor::winhelp
