// The LZ77 variant of help files: a flag byte announces eight items, each a
// literal byte (bit clear) or a 16-bit back reference (bit set: 12 bits of
// distance minus one, 4 bits of length minus three).
#pragma once

#include <cstddef>
#include <string>

#include "hlpfile/byte_reader.h"

namespace veldor::hlp {

// Appends the expansion of `packed` to `out`, stopping once `limit` bytes
// were produced. A reference before the start of the output fails.
void ExpandLz77(Bytes packed, std::size_t limit, std::string& out);

// The run-length coding of pictures: a count byte with bit 7 set copies the
// next count&0x7F bytes, else repeats the next byte count times. Stops at
// `limit` bytes.
void ExpandRunLength(Bytes packed, std::size_t limit, std::string& out);

}  // namespace veldor::hlp
