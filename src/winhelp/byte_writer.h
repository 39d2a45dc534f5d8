// Little-endian output into a byte vector, and the "compressed" integers
// of the topic records (one or two bytes, or two or four, by their size).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace veldor::winhelp {

using Bytes = std::vector<uint8_t>;

class ByteWriter {
 public:
  Bytes& bytes() { return bytes_; }
  const Bytes& bytes() const { return bytes_; }
  size_t size() const { return bytes_.size(); }

  void U8(uint8_t value) { bytes_.push_back(value); }
  void U16(uint16_t value);
  void U32(uint32_t value);
  void I16(int16_t value) { U16(static_cast<uint16_t>(value)); }
  void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
  void Append(const Bytes& data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  void Append(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
  // The text and a NUL.
  void StringZ(std::string_view text);
  // The text cut or padded with NULs to exactly `size` bytes (the last
  // always NUL).
  void FixedString(std::string_view text, size_t size);
  void Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }

  // Compressed integers: unsigned short (1 or 2 bytes), signed short (1 or
  // 2), unsigned long (2 or 4), signed long (2 or 4).
  void CompressedUShort(uint16_t value);
  void CompressedShort(int16_t value);
  void CompressedULong(uint32_t value);
  void CompressedLong(int32_t value);

  // Overwrites bytes already written.
  void PatchU16(size_t at, uint16_t value);
  void PatchU32(size_t at, uint32_t value);

 private:
  Bytes bytes_;
};

}  // namespace veldor::winhelp
