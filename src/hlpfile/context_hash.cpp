#include "hlpfile/context_hash.h"

namespace veldor::hlp {

namespace {
// The weight of one byte, a signed 8-bit value. Letters weigh the same in
// either case ('A' and 'a' 17 ... 42), digits '1'..'9' weigh 1..9 and '0'
// 10, '.' 12, '_' 13; the other bytes follow a few ranges with exceptions.
int8_t Weight(uint8_t c) {
  switch (c) {
    case 0x00:
      return 0;
    case '!':
      return 0x0B;
    case '.':
      return 0x0C;
    case '0':
      return 0x0A;
    case '[':
      return 0x0B;
    case '\\':
      return 0x0C;
    case ']':
      return 0x0D;
    case '^':
      return 0x0E;
    case '_':
      return 0x0D;
    case 0xB4:
      return 0x0B;
    default:
      break;
  }
  int value;
  if (c < 0x30)
    value = c + 0xD0;  // controls and punctuation: 0xD1..0xFF
  else if (c < 0x60)
    value = c - 0x30;  // digits, ':'..'@', upper case
  else if (c < 0x80)
    value = c - 0x50;  // '`', lower case, '{'..DEL
  else
    value = c - 0x30;  // 0x50..0xCF
  return static_cast<int8_t>(static_cast<uint8_t>(value));
}
}  // namespace

uint32_t ContextHash(std::string_view context) {
  if (context.empty()) return 1;
  uint32_t hash = 0;
  for (char ch : context) {
    hash =
        hash * 43u + static_cast<uint32_t>(static_cast<int32_t>(Weight(static_cast<uint8_t>(ch))));
  }
  return hash;
}

}  // namespace veldor::hlp
