#include "winhelp/picture_file.h"

#include <algorithm>
#include <cstring>

#include "winhelp/context_hash.h"
#include "winhelp/hlp_limits.h"
#include "winhelp/lz77.h"

namespace veldor::winhelp {

namespace {

uint16_t Get16(const Bytes& b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
uint32_t Get32(const Bytes& b, size_t at) {
  return Get16(b, at) | (static_cast<uint32_t>(Get16(b, at + 2)) << 16);
}

size_t RowBytes(uint32_t width, uint16_t bits) {
  return ((width * bits + 31) / 32) * 4;
}

// Decodes RLE8 or RLE4 bitmap data into plain rows (bottom-up).
bool DecodeRle(const uint8_t* p, const uint8_t* end, uint32_t width, uint32_t height, int bits,
               Bytes& out) {
  const size_t row = RowBytes(width, static_cast<uint16_t>(bits));
  out.assign(row * height, 0);
  uint32_t x = 0, y = 0;
  const auto put = [&](uint8_t index) {
    if (x >= width || y >= height) return;
    uint8_t* line = out.data() + y * row;
    if (bits == 8) {
      line[x] = index;
    } else {
      line[x / 2] = static_cast<uint8_t>((x % 2) == 0 ? (line[x / 2] & 0x0F) | (index << 4)
                                                      : (line[x / 2] & 0xF0) | (index & 0x0F));
    }
    ++x;
  };
  while (p + 1 < end) {
    const uint8_t count = *p++;
    const uint8_t value = *p++;
    if (count > 0) {
      for (int i = 0; i < count; ++i) {
        put(bits == 8 ? value : static_cast<uint8_t>((i % 2) == 0 ? value >> 4 : value & 0x0F));
      }
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      return true;
    } else if (value == 2) {
      if (p + 1 >= end) return false;
      x += *p++;
      y += *p++;
    } else {
      const int n = value;
      const int bytes = bits == 8 ? n : (n + 1) / 2;
      if (p + bytes > end) return false;
      for (int i = 0; i < n; ++i) {
        put(bits == 8 ? p[i]
                      : static_cast<uint8_t>((i % 2) == 0 ? p[i / 2] >> 4 : p[i / 2] & 0x0F));
      }
      p += bytes + (bytes % 2);
    }
  }
  return true;
}

// The hot spot block of one picture inside an "lP" file: fill in the hash
// of every jump from its context string, and count the hot spots.
int FixHotSpots(Bytes& data, size_t pictureStart, size_t hotSpotOffset, size_t hotSpotSize) {
  const size_t at = pictureStart + hotSpotOffset;
  if (hotSpotOffset == 0 || hotSpotSize < 7 || at + hotSpotSize > data.size()) return 0;
  const uint16_t count = Get16(data, at + 1);
  const uint32_t macroSize = Get32(data, at + 3);
  size_t strings = at + 7 + 15 * size_t{count} + macroSize;
  const size_t end = at + hotSpotSize;
  if (at + 7 + 15 * size_t{count} > end) return 0;
  for (int i = 0; i < count && strings < end; ++i) {
    const size_t record = at + 7 + 15 * static_cast<size_t>(i);
    const char* name = reinterpret_cast<const char*>(data.data() + strings);
    const size_t nameLength = strnlen(name, end - strings);
    const size_t targetAt = strings + nameLength + 1;
    if (targetAt >= end) break;
    const char* target = reinterpret_cast<const char*>(data.data() + targetAt);
    const size_t targetLength = strnlen(target, end - targetAt);
    const uint8_t type = data[record];
    if (type == 0xE2 || type == 0xE3 || type == 0xE6 || type == 0xE7) {
      const auto hash = static_cast<uint32_t>(ContextHash(std::string(target, targetLength)));
      for (int b = 0; b < 4; ++b) data[record + 11 + b] = static_cast<uint8_t>(hash >> (8 * b));
    }
    strings = targetAt + targetLength + 1;
  }
  return count;
}

// Reads a compressed unsigned value and moves on.
uint32_t ReadCULong(const Bytes& b, size_t& at) {
  if (b[at] & 1) {
    const uint32_t v = Get32(b, at) >> 1;
    at += 4;
    return v;
  }
  const uint32_t v = Get16(b, at) >> 1;
  at += 2;
  return v;
}
uint16_t ReadCUShort(const Bytes& b, size_t& at) {
  if (b[at] & 1) {
    const uint16_t v = Get16(b, at) >> 1;
    at += 2;
    return v;
  }
  return static_cast<uint16_t>(b[at++] >> 1);
}

bool HotSpotPicture(Bytes data, HelpPicture& picture, std::string& reason) {
  const uint16_t count = Get16(data, 2);
  if (count == 0 || 4 + 4 * size_t{count} > data.size()) {
    reason = "damaged hot spot picture";
    return false;
  }
  int hotSpots = 0;
  for (int i = 0; i < count; ++i) {
    const size_t start = Get32(data, 4 + 4 * static_cast<size_t>(i));
    // The longest picture header: type, packing, nine compressed numbers
    // of up to four bytes and two offsets.
    if (start + 2 + 9 * 4 + 8 > data.size()) {
      reason = "damaged hot spot picture";
      return false;
    }
    const uint8_t type = data[start];
    size_t at = start + 2;
    if (type == kPictureDdb || type == kPictureDib) {
      for (int f = 0; f < 2; ++f) ReadCULong(data, at);   // resolution
      for (int f = 0; f < 2; ++f) ReadCUShort(data, at);  // planes, bits
      for (int f = 0; f < 5; ++f) ReadCULong(data, at);   // size, colours, data size
    } else if (type == kPictureMetafile) {
      ReadCUShort(data, at);
      at += 4;
      for (int f = 0; f < 2; ++f) ReadCULong(data, at);
    } else {
      reason = "unknown picture type in hot spot picture";
      return false;
    }
    const uint32_t hotSpotSize = ReadCULong(data, at);
    at += 4;  // data offset
    const uint32_t hotSpotOffset = Get32(data, at);
    const int found = FixHotSpots(data, start, hotSpotOffset, hotSpotSize);
    if (i == 0) hotSpots = found;
  }
  picture.data = std::move(data);
  picture.hotSpots = hotSpots;
  return true;
}

}  // namespace

bool MakeHelpPicture(const Bytes& file, bool compress, bool transparent, HelpPicture& picture,
                     std::string& reason) {
  if (file.size() >= 8 && (Get16(file, 0) == kPictureMagic || Get16(file, 0) == 0x706C)) {
    return HotSpotPicture(file, picture, reason);
  }
  // A .BMP starts with its file header; a .DIB may start with the info header.
  size_t info = 0;
  if (file.size() >= 14 && file[0] == 'B' && file[1] == 'M') info = 14;
  if (file.size() < info + 12) {
    reason = "not a bitmap";
    return false;
  }
  const uint32_t headerSize = Get32(file, info);
  int32_t width = 0, height = 0;
  uint16_t planes = 1, bits = 0;
  uint32_t compression = 0, coloursUsed = 0, xPelsPerMeter = 0, yPelsPerMeter = 0;
  size_t paletteEntry = 4;
  if (headerSize == 12) {
    width = Get16(file, info + 4);
    height = static_cast<int16_t>(Get16(file, info + 6));
    planes = Get16(file, info + 8);
    bits = Get16(file, info + 10);
    paletteEntry = 3;
  } else if (headerSize >= 40 && file.size() >= info + 40) {
    width = static_cast<int32_t>(Get32(file, info + 4));
    height = static_cast<int32_t>(Get32(file, info + 8));
    planes = Get16(file, info + 12);
    bits = Get16(file, info + 14);
    compression = Get32(file, info + 16);
    xPelsPerMeter = Get32(file, info + 24);
    yPelsPerMeter = Get32(file, info + 28);
    coloursUsed = Get32(file, info + 32);
  } else {
    reason = "unknown bitmap header";
    return false;
  }
  const bool topDown = height < 0;
  const uint32_t rows = static_cast<uint32_t>(topDown ? -static_cast<int64_t>(height) : height);
  if (width <= 0 || rows == 0 || width > 32767 || rows > 32767 || planes != 1 ||
      (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)) {
    reason = "unsupported bitmap size or depth";
    return false;
  }
  const uint32_t paletteCount =
      bits <= 8 ? (coloursUsed != 0 && coloursUsed < (1u << bits) ? coloursUsed : (1u << bits)) : 0;
  const size_t paletteAt = info + headerSize + (compression == 3 && headerSize == 40 ? 12 : 0);
  if (paletteAt + paletteCount * paletteEntry > file.size()) {
    reason = "bitmap palette is cut short";
    return false;
  }
  size_t bitsAt = paletteAt + paletteCount * paletteEntry;
  if (info == 14 && Get32(file, 10) >= bitsAt && Get32(file, 10) < file.size()) {
    bitsAt = Get32(file, 10);
  }
  const size_t row = RowBytes(static_cast<uint32_t>(width), bits);
  Bytes pixels;
  if (compression == 0) {
    if (bitsAt + row * rows > file.size()) {
      reason = "bitmap data is cut short";
      return false;
    }
    pixels.assign(file.begin() + static_cast<std::ptrdiff_t>(bitsAt),
                  file.begin() + static_cast<std::ptrdiff_t>(bitsAt + row * rows));
  } else if ((compression == 1 && bits == 8) || (compression == 2 && bits == 4)) {
    if (!DecodeRle(file.data() + bitsAt, file.data() + file.size(), static_cast<uint32_t>(width),
                   rows, bits, pixels)) {
      reason = "damaged RLE bitmap data";
      return false;
    }
  } else if (compression == 3 && (bits == 16 || bits == 32)) {
    // Bit fields: the usual 5-6-5 and 8-8-8 layouts read as 24 bits.
    const uint32_t masks[3] = {Get32(file, info + 40), Get32(file, info + 44),
                               Get32(file, info + 48)};
    if (bitsAt + row * rows > file.size() || masks[0] == 0 || masks[1] == 0 || masks[2] == 0) {
      reason = "bitmap data is cut short";
      return false;
    }
    const size_t outRow = RowBytes(static_cast<uint32_t>(width), 24);
    pixels.assign(outRow * rows, 0);
    const auto channel = [](uint32_t value, uint32_t mask) {
      int shift = 0;
      while (((mask >> shift) & 1) == 0) ++shift;
      const uint32_t max = mask >> shift;
      return static_cast<uint8_t>(((value & mask) >> shift) * 255 / max);
    };
    for (uint32_t y = 0; y < rows; ++y) {
      for (int32_t x = 0; x < width; ++x) {
        const size_t at = bitsAt + y * row + static_cast<size_t>(x) * (bits / 8);
        const uint32_t value = bits == 16 ? Get16(file, at) : Get32(file, at);
        uint8_t* out = pixels.data() + y * outRow + static_cast<size_t>(x) * 3;
        out[0] = channel(value, masks[2]);
        out[1] = channel(value, masks[1]);
        out[2] = channel(value, masks[0]);
      }
    }
    bits = 24;
  } else {
    reason = "unsupported bitmap compression";
    return false;
  }
  if (topDown) {
    const size_t r = RowBytes(static_cast<uint32_t>(width), bits);
    for (uint32_t y = 0; y < rows / 2; ++y) {
      std::swap_ranges(pixels.begin() + static_cast<std::ptrdiff_t>(y * r),
                       pixels.begin() + static_cast<std::ptrdiff_t>((y + 1) * r),
                       pixels.begin() + static_cast<std::ptrdiff_t>((rows - 1 - y) * r));
    }
  }
  const Bytes packed = compress ? Lz77Compress(pixels.data(), pixels.size()) : Bytes();
  const bool useLz77 = compress && packed.size() < pixels.size();
  const Bytes& stored = useLz77 ? packed : pixels;

  const auto dpi = [](uint32_t pelsPerMeter) {
    return pelsPerMeter == 0 ? 96u : std::max(1u, (pelsPerMeter * 254 + 5000) / 10000);
  };
  ByteWriter head;
  head.U8(kPictureDib);
  head.U8(useLz77 ? 2 : 0);
  head.CompressedULong(dpi(xPelsPerMeter));
  head.CompressedULong(dpi(yPelsPerMeter));
  head.CompressedUShort(1);
  head.CompressedUShort(bits);
  head.CompressedULong(static_cast<uint32_t>(width));
  head.CompressedULong(rows);
  head.CompressedULong(paletteCount);
  head.CompressedULong(transparent && paletteCount > 0 ? 1 : 0);
  head.CompressedULong(static_cast<uint32_t>(stored.size()));
  head.CompressedULong(0);  // no hot spots
  const size_t dataOffsetAt = head.size();
  head.U32(0);
  head.U32(0);
  for (uint32_t i = 0; i < paletteCount; ++i) {
    const size_t at = paletteAt + i * paletteEntry;
    head.U8(file[at]);
    head.U8(file[at + 1]);
    head.U8(file[at + 2]);
    head.U8(0);
  }
  head.PatchU32(dataOffsetAt, static_cast<uint32_t>(head.size()));
  ByteWriter out;
  out.U16(kPictureMagic);
  out.U16(1);
  out.U32(8);
  out.Append(head.bytes());
  out.Append(stored);
  picture.data = std::move(out.bytes());
  picture.hotSpots = 0;
  return true;
}

}  // namespace veldor::winhelp
