#include "winhelp/byte_writer.h"

#include <algorithm>

namespace veldor::winhelp {

void ByteWriter::U16(uint16_t value) {
  bytes_.push_back(static_cast<uint8_t>(value));
  bytes_.push_back(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::U32(uint32_t value) {
  U16(static_cast<uint16_t>(value));
  U16(static_cast<uint16_t>(value >> 16));
}

void ByteWriter::StringZ(std::string_view text) {
  Append(text);
  U8(0);
}

void ByteWriter::FixedString(std::string_view text, size_t size) {
  if (size == 0) return;
  const size_t kept = std::min(text.size(), size - 1);
  Append(text.substr(0, kept));
  Zeros(size - kept);
}

void ByteWriter::CompressedUShort(uint16_t value) {
  if (value < 0x80) {
    U8(static_cast<uint8_t>(value * 2));
  } else {
    U16(static_cast<uint16_t>(value * 2 + 1));
  }
}

void ByteWriter::CompressedShort(int16_t value) {
  if (value >= -0x40 && value < 0x40) {
    U8(static_cast<uint8_t>((value + 0x40) * 2));
  } else {
    const int clamped = std::clamp<int>(value, -0x4000, 0x3FFF);
    U16(static_cast<uint16_t>((clamped + 0x4000) * 2 + 1));
  }
}

void ByteWriter::CompressedULong(uint32_t value) {
  if (value < 0x8000) {
    U16(static_cast<uint16_t>(value * 2));
  } else {
    U32(value * 2 + 1);
  }
}

void ByteWriter::CompressedLong(int32_t value) {
  if (value >= -0x4000 && value < 0x4000) {
    U16(static_cast<uint16_t>((value + 0x4000) * 2));
  } else {
    const int64_t clamped = std::clamp<int64_t>(value, -0x40000000LL, 0x3FFFFFFFLL);
    U32(static_cast<uint32_t>((clamped + 0x40000000LL) * 2 + 1));
  }
}

void ByteWriter::PatchU16(size_t at, uint16_t value) {
  bytes_[at] = static_cast<uint8_t>(value);
  bytes_[at + 1] = static_cast<uint8_t>(value >> 8);
}

void ByteWriter::PatchU32(size_t at, uint32_t value) {
  PatchU16(at, static_cast<uint16_t>(value));
  PatchU16(at + 2, static_cast<uint16_t>(value >> 16));
}

}  // namespace veldor::winhelp
