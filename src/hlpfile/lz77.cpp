#include "hlpfile/lz77.h"

namespace veldor::hlp {

void ExpandLz77(Bytes packed, std::size_t limit, std::string& out) {
  const std::size_t start = out.size();
  std::size_t in = 0;
  while (in < packed.size && out.size() - start < limit) {
    const uint8_t flags = packed.data[in++];
    for (int bit = 0; bit < 8 && in < packed.size && out.size() - start < limit; ++bit) {
      if (flags & (1 << bit)) {
        if (in + 2 > packed.size) return;  // a dangling half reference ends the stream
        const unsigned code = packed.data[in] | (packed.data[in + 1] << 8);
        in += 2;
        const std::size_t distance = (code & 0x0FFF) + 1;
        std::size_t length = (code >> 12) + 3;
        if (distance > out.size() - start) Fail("Données compressées invalides.");
        while (length-- > 0 && out.size() - start < limit)
          out.push_back(out[out.size() - distance]);
      } else {
        out.push_back(static_cast<char>(packed.data[in++]));
      }
    }
  }
}

void ExpandRunLength(Bytes packed, std::size_t limit, std::string& out) {
  const std::size_t start = out.size();
  std::size_t in = 0;
  while (in < packed.size && out.size() - start < limit) {
    const uint8_t count = packed.data[in++];
    const std::size_t n = count & 0x7F;
    if (count & 0x80) {
      for (std::size_t i = 0; i < n && in < packed.size && out.size() - start < limit; ++i) {
        out.push_back(static_cast<char>(packed.data[in++]));
      }
    } else {
      if (in >= packed.size) break;
      const char value = static_cast<char>(packed.data[in++]);
      for (std::size_t i = 0; i < n && out.size() - start < limit; ++i) out.push_back(value);
    }
  }
}

}  // namespace veldor::hlp
