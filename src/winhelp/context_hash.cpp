#include "winhelp/context_hash.h"

#include <array>

namespace veldor::winhelp {

namespace {

// The value each byte adds to the hash: digits 1..9 count 1..9 and '0'
// 10, letters 17..42 whatever their case, '.' 12 and '_' 13; the other
// bytes keep their own values, a few remapped, read as signed bytes.
constexpr std::array<int8_t, 256> BuildHashTable() {
  std::array<int8_t, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = static_cast<int8_t>(c);
  for (int c = 1; c < 0x20; ++c) table[c] = static_cast<int8_t>(0xD0 + c);
  for (int c = 0x20; c < 0x30; ++c) table[c] = static_cast<int8_t>(0xD0 + c);
  table[0x21] = 0x0B;
  table[0x2E] = 0x0C;
  table[0x30] = 0x0A;
  for (int c = '1'; c <= '9'; ++c) table[c] = static_cast<int8_t>(c - '0');
  table[0x3A] = 0x0A;
  table[0x3B] = 0x0B;
  table[0x3C] = 0x0C;
  table[0x3D] = 0x0D;
  table[0x3E] = 0x0E;
  table[0x3F] = 0x0F;
  for (int c = 0x40; c < 0x5B; ++c) table[c] = static_cast<int8_t>(c - 0x30);
  table[0x5B] = 0x0B;
  table[0x5C] = 0x0C;
  table[0x5D] = 0x0D;
  table[0x5E] = 0x0E;
  table[0x5F] = 0x0D;
  for (int c = 0x60; c < 0x80; ++c) table[c] = static_cast<int8_t>(c - 0x50);
  for (int c = 0x80; c < 0x100; ++c) table[c] = static_cast<int8_t>(c - 0x30);
  table[0xB4] = 0x0B;
  return table;
}

constexpr std::array<int8_t, 256> kHashTable = BuildHashTable();

}  // namespace

int32_t ContextHash(std::string_view contextString) {
  if (contextString.empty()) return 1;
  uint32_t hash = 0;
  for (const char c : contextString) {
    hash = hash * 43 +
           static_cast<uint32_t>(static_cast<int32_t>(kHashTable[static_cast<uint8_t>(c)]));
  }
  return static_cast<int32_t>(hash);
}

bool IsValidContextString(std::string_view contextString) {
  if (contextString.empty()) return false;
  for (const char c : contextString) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || c == '#' || c == '=' || c == '+' || c == '@' || c == '*' || c == '%' ||
        c == '!' || c == '>' || c == ';' || c == '{' || c == '}' || c == '\\') {
      return false;
    }
  }
  return true;
}

}  // namespace veldor::winhelp
