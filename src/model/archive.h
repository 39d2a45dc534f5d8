// CArchive: the byte stream in which the model records write and read
// themselves. One object either stores (appends to a string) or loads (reads
// from a block of bytes). The same Serialize code runs both ways: every
// operation takes a reference, writes it when storing and fills it when
// loading.
//
// Encodings: little-endian integers; strings with a length prefix (one byte
// below 255, else 0xFF and a word, else 0xFF 0xFFFF and a long); counted
// arrays (a word below 0xFFFF, else 0xFFFF and a long). A reader also accepts
// the wide-string form 0xFF 0xFFFE, a second length prefix and UTF-16 units.
//
// Loading never trusts the bytes: running out of data, or a length or count
// that the remaining bytes could not hold, throws ArchiveError before
// anything is allocated. The exception stays inside the model; the document
// catches it and reports the file as unreadable.
#pragma once

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/memory_budget.h"

namespace veldor {

// A stream that cannot be read as a project. The text is UTF-8 and says
// what was wrong and where.
class ArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CArchive {
 public:
  // Storing: every operation appends to `out`.
  explicit CArchive(std::string& out) : out_(&out) {}
  // Loading: operations read `in` from its start. `in` must outlive the
  // archive.
  explicit CArchive(std::string_view in)
      : pos_(reinterpret_cast<const uint8_t*>(in.data())),
        begin_(pos_),
        end_(pos_ + in.size()),
        budget_(in.size(), kMemoryFactor) {}

  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  bool IsStoring() const { return out_ != nullptr; }
  bool IsLoading() const { return out_ == nullptr; }

  // Loading: bytes read so far and bytes left.
  size_t Position() const { return static_cast<size_t>(pos_ - begin_); }
  size_t Remaining() const { return static_cast<size_t>(end_ - pos_); }

  // --- Symmetric operations -------------------------------------------------
  void Byte(uint8_t& v) {
    if (IsStoring()) {
      out_->push_back(static_cast<char>(v));
    } else {
      v = *Take(1);
    }
  }
  void Word(uint16_t& v) {
    if (IsStoring()) {
      PutWord(v);
    } else {
      v = GetWord();
    }
  }
  // A 32-bit field held in a word: its low 16 bits, read back zero-extended.
  void WordOf32(int32_t& v) {
    if (IsStoring()) {
      PutWord(static_cast<uint16_t>(v));
    } else {
      v = GetWord();
    }
  }
  // A 32-bit field held in a word, read back sign-extended.
  void SignedWordOf32(int32_t& v) {
    if (IsStoring()) {
      PutWord(static_cast<uint16_t>(v));
    } else {
      v = static_cast<int16_t>(GetWord());
    }
  }
  void Long(int32_t& v) {
    if (IsStoring()) {
      PutLong(static_cast<uint32_t>(v));
    } else {
      v = static_cast<int32_t>(GetLong());
    }
  }
  void Long(uint32_t& v) {
    if (IsStoring()) {
      PutLong(v);
    } else {
      v = GetLong();
    }
  }
  void Float(float& v) {
    uint32_t bits;
    if (IsStoring()) {
      std::memcpy(&bits, &v, 4);
      PutLong(bits);
    } else {
      bits = GetLong();
      std::memcpy(&v, &bits, 4);
    }
  }
  // Seconds since 1970-01-01 UTC in a long (unsigned on reading).
  void Time(int64_t& v) {
    if (IsStoring()) {
      PutLong(static_cast<uint32_t>(v));
    } else {
      v = GetLong();
    }
  }
  // Exactly `size` raw bytes.
  void Bytes(void* data, size_t size) {
    if (IsStoring()) {
      out_->append(static_cast<const char*>(data), size);
    } else {
      std::memcpy(data, Take(size), size);
    }
  }
  void String(std::string& s) {
    if (IsStoring()) {
      PutString(s);
    } else {
      ReadString(s);
    }
  }
  void StringArray(std::vector<std::string>& list);
  void WordArray(std::vector<uint16_t>& list);
  void LongArray(std::vector<uint32_t>& list);

  // An array count. Storing writes `count`; loading reads one, checks that
  // the remaining bytes could hold that many elements of at least
  // `minElementSize` bytes each, and returns it.
  uint32_t Count(size_t count, size_t minElementSize);

  // --- One-way helpers ---------------------------------------------------------
  void PutWord(uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    out_->append(b, 2);
  }
  void PutLong(uint32_t v) {
    const char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
    out_->append(b, 4);
  }
  void PutString(const std::string& s);
  uint16_t GetWord() {
    const uint8_t* p = Take(2);
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
  }
  uint32_t GetLong() {
    const uint8_t* p = Take(4);
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  }
  void ReadString(std::string& s);

  // Throws ArchiveError with `what` and the current position.
  [[noreturn]] void Fail(const std::string& what) const;

  // Loading: counts `bytes` of memory taken by what is read (records made,
  // strings and arrays filled) and throws ArchiveError once they pass
  // three times the size of the stream plus a fixed allowance. The strings
  // and arrays read here charge themselves; callers charge the records
  // they create.
  void Charge(size_t bytes);
  static constexpr double kMemoryFactor = 3.0;

 private:
  const uint8_t* Take(size_t n) {
    if (n > Remaining()) Truncated(n);
    const uint8_t* p = pos_;
    pos_ += n;
    return p;
  }
  [[noreturn]] void Truncated(size_t wanted) const;
  // Reads a string length prefix (after a possible wide mark); sets `wide`.
  uint32_t ReadStringLength(bool& wide);

  std::string* out_ = nullptr;
  const uint8_t* pos_ = nullptr;
  const uint8_t* begin_ = nullptr;
  const uint8_t* end_ = nullptr;
  MemoryBudget budget_{0, kMemoryFactor};
};

}  // namespace veldor
