// The LZ77 compression of topic blocks and pictures: groups of eight
// items behind a flag byte, each item a literal byte (flag bit clear) or a
// two-byte back reference (12-bit distance minus one, 4-bit length minus
// three).
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "winhelp/byte_writer.h"

namespace veldor::winhelp {

struct Lz77Block {
  size_t consumed = 0;  // input bytes encoded
  Bytes output;
  // For every input byte marked patchable: its input index and where its
  // literal lies in the output, so that it can be overwritten later.
  std::vector<std::pair<uint32_t, uint32_t>> patchableLiterals;
};

// Encodes data[0..min(size, maxInput)) into at most `maxOutput` bytes and
// stops when either limit is reached; references never reach before
// data[0]. When the output limit stops it, the output has exactly
// `maxOutput` bytes (a trailing flag byte with nothing behind it decodes to
// nothing). Without `useMatches` every byte is a literal: the data is
// stored, only framed as LZ77. Bytes flagged in `patchable` (when
// given) are always written as literals and never matched, so that their
// values can change afterwards without changing the output's size.
Lz77Block Lz77CompressBlock(const uint8_t* data, size_t size, size_t maxInput, size_t maxOutput,
                            bool useMatches = true, const uint8_t* patchable = nullptr);

// The whole input in one stream.
Bytes Lz77Compress(const uint8_t* data, size_t size);

}  // namespace veldor::winhelp
