// Bounds-checked little-endian reading of help-file structures. Every read
// past the end of the data raises FormatError, which the reader turns into
// a message at its public entry point.
#pragma once

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace veldor::hlp {

// A structure of the file is damaged; `what()` is a French sentence.
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] inline void Fail(const std::string& what) {
  throw FormatError(what);
}

// A read-only window on bytes.
struct Bytes {
  const uint8_t* data = nullptr;
  std::size_t size = 0;

  Bytes() = default;
  Bytes(const uint8_t* d, std::size_t n) : data(d), size(n) {}
  explicit Bytes(std::string_view s)
      : data(reinterpret_cast<const uint8_t*>(s.data())), size(s.size()) {}

  // The bytes [offset, offset + length); fails when they are not all there.
  Bytes Sub(std::size_t offset, std::size_t length, const char* what) const {
    if (offset > size || length > size - offset) Fail(std::string("Structure tronquée : ") + what);
    return Bytes(data + offset, length);
  }
  Bytes From(std::size_t offset, const char* what) const {
    if (offset > size) Fail(std::string("Structure tronquée : ") + what);
    return Bytes(data + offset, size - offset);
  }
  uint8_t U8(std::size_t at, const char* what) const { return Sub(at, 1, what).data[0]; }
  uint16_t U16(std::size_t at, const char* what) const {
    const uint8_t* p = Sub(at, 2, what).data;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
  }
  int16_t S16(std::size_t at, const char* what) const {
    return static_cast<int16_t>(U16(at, what));
  }
  uint32_t U32(std::size_t at, const char* what) const {
    const uint8_t* p = Sub(at, 4, what).data;
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  }
  std::string_view View() const {
    return std::string_view(reinterpret_cast<const char*>(data), size);
  }
};

// A cursor over Bytes: sequential reads of the fixed and the variable-length
// ("compressed") integers of the format.
class ByteReader {
 public:
  ByteReader(Bytes bytes, const char* what) : bytes_(bytes), what_(what) {}

  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return bytes_.size - pos_; }
  bool AtEnd() const { return pos_ >= bytes_.size; }
  void Seek(std::size_t pos) {
    if (pos > bytes_.size) Fail(std::string("Position hors limites : ") + what_);
    pos_ = pos;
  }
  void Skip(std::size_t n) {
    if (n > Remaining()) Fail(std::string("Structure tronquée : ") + what_);
    pos_ += n;
  }

  uint8_t U8() { return bytes_.U8(Advance(1), what_); }
  int8_t S8() { return static_cast<int8_t>(U8()); }
  uint16_t U16() { return bytes_.U16(Advance(2), what_); }
  int16_t S16() { return bytes_.S16(Advance(2), what_); }
  uint32_t U32() { return bytes_.U32(Advance(4), what_); }
  int32_t S32() { return static_cast<int32_t>(U32()); }
  Bytes Take(std::size_t n) { return bytes_.Sub(Advance(n), n, what_); }

  // A NUL-terminated string; the terminator must be present.
  std::string StringZ() {
    const void* end =
        pos_ < bytes_.size ? std::memchr(bytes_.data + pos_, 0, bytes_.size - pos_) : nullptr;
    if (!end) Fail(std::string("Chaîne sans fin : ") + what_);
    const std::size_t length = static_cast<const uint8_t*>(end) - (bytes_.data + pos_);
    std::string s(reinterpret_cast<const char*>(bytes_.data + pos_), length);
    pos_ += length + 1;
    return s;
  }

  // One byte when even (value/2), two when odd.
  uint16_t CompressedU16() {
    const uint8_t first = U8();
    if (!(first & 1)) return first / 2;
    return static_cast<uint16_t>(first / 2 + 128u * U8());
  }
  int16_t CompressedS16() {
    const uint8_t first = U8();
    if (!(first & 1)) return static_cast<int16_t>(first / 2 - 64);
    return static_cast<int16_t>(first / 2 + 128 * U8() - 16384);
  }
  // Two bytes when even, four when odd.
  uint32_t CompressedU32() {
    const uint16_t first = U16();
    if (!(first & 1)) return first / 2u;
    return first / 2u + 32768u * U16();
  }
  int32_t CompressedS32() {
    const uint16_t first = U16();
    if (!(first & 1)) return static_cast<int32_t>(first / 2) - 16384;
    return static_cast<int32_t>(first / 2 + 32768u * U16()) - 67108864;
  }

 private:
  std::size_t Advance(std::size_t n) {
    if (n > Remaining()) Fail(std::string("Structure tronquée : ") + what_);
    const std::size_t at = pos_;
    pos_ += n;
    return at;
  }

  Bytes bytes_;
  const char* what_;
  std::size_t pos_ = 0;
};

}  // namespace veldor::hlp
