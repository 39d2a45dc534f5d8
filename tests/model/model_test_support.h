// Helpers of the model tests: a byte builder that writes the archive
// encodings independently of CArchive, and access to the golden files.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "support/test_files.h"

namespace veldor::testing {

class Bytes {
 public:
  Bytes& Raw(const std::string& s) {
    data += s;
    return *this;
  }
  Bytes& Byte(uint8_t v) {
    data.push_back(static_cast<char>(v));
    return *this;
  }
  Bytes& Word(uint16_t v) { return Byte(v & 0xFF).Byte(v >> 8); }
  Bytes& Long(uint32_t v) { return Word(v & 0xFFFF).Word(v >> 16); }
  Bytes& Float(float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    return Long(bits);
  }
  // A string with the shortest length prefix.
  Bytes& Str(const std::string& s) {
    if (s.size() < 255) {
      Byte(static_cast<uint8_t>(s.size()));
    } else if (s.size() < 0xFFFE) {
      Byte(0xFF).Word(static_cast<uint16_t>(s.size()));
    } else {
      Byte(0xFF).Word(0xFFFF).Long(static_cast<uint32_t>(s.size()));
    }
    return Raw(s);
  }
  std::string data;
};

// The bytes of tests/data/model/<name>.
inline std::string Golden(const std::string& name) {
  return FileContents(TestDataPath("model/" + name));
}

// The fixed dates written in the golden files.
inline constexpr int64_t kGoldenCreated = 0x5F5E1000;
inline constexpr int64_t kGoldenModified = 0x5F5E2000;

}  // namespace veldor::testing
