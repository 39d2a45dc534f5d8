#include "hlpfile/phrases.h"

#include "hlpfile/hlp_limits.h"
#include "hlpfile/lz77.h"

namespace veldor::hlp {

namespace {
constexpr uint16_t kOneHundred = 0x0100;
constexpr std::size_t kHallHeaderSize = 28;
}  // namespace

PhraseTable PhraseTable::FromPhrases(Bytes phrases, int minor) {
  ByteReader reader(phrases, "|Phrases");
  const uint16_t count = reader.U16();
  if (reader.U16() != kOneHundred) Fail("Table de phrases invalide.");
  // Files after the 3.0 format store the decompressed size and compress
  // the phrase text with LZ77.
  const bool packed = minor > 16;
  const uint32_t size = packed ? reader.U32() : 0;
  if (packed && size > kMaxPhraseTextSize) Fail("Table de phrases trop grande.");
  const std::size_t tableStart = reader.Position();
  std::vector<uint32_t> raw(count + 1u);
  for (uint32_t& offset : raw) offset = reader.U16();
  const Bytes rest = reader.Take(reader.Remaining());
  PhraseTable table;
  table.scheme_ = Scheme::Phrases;
  if (packed) {
    table.text_.reserve(size);
    ExpandLz77(rest, size, table.text_);
  } else {
    table.text_.assign(reinterpret_cast<const char*>(rest.data), rest.size);
  }
  (void)tableStart;
  // Offsets count from the start of the offset table.
  const uint32_t base = 2u * (count + 1u);
  table.offsets_.reserve(raw.size());
  for (uint32_t offset : raw) {
    if (offset < base || offset - base > table.text_.size()) Fail("Décalage de phrase invalide.");
    if (!table.offsets_.empty() && offset - base < table.offsets_.back()) {
      Fail("Décalages de phrases non croissants.");
    }
    table.offsets_.push_back(offset - base);
  }
  return table;
}

PhraseTable PhraseTable::FromHall(Bytes index, Bytes image) {
  ByteReader header(index, "|PhrIndex");
  if (header.U32() != 1) Fail("Index de phrases invalide.");
  const uint32_t count = header.U32();
  header.U32();  // compressed size of the index
  const uint32_t imageSize = header.U32();
  const uint32_t imageCompressedSize = header.U32();
  header.U32();
  const unsigned bitCount = header.U16() & 0x0F;
  header.U16();
  if (count > kMaxPhrases) Fail("Trop de phrases.");
  if (imageSize > kMaxPhraseTextSize) Fail("Table de phrases trop grande.");
  // Phrase lengths are bit-coded in little-endian 32-bit words, each
  // consumed from its lowest bit.
  const Bytes bits = index.From(kHallHeaderSize, "|PhrIndex");
  std::size_t bitPos = 0;
  auto nextBit = [&]() -> bool {
    const std::size_t word = bitPos / 32;
    const unsigned bit = bitPos % 32;
    ++bitPos;
    return (bits.U32(word * 4, "|PhrIndex") >> bit) & 1u;
  };
  PhraseTable table;
  table.scheme_ = Scheme::Hall;
  table.offsets_.reserve(count + 1u);
  table.offsets_.push_back(0);
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t n = 1;
    while (nextBit()) {
      n += 1u << bitCount;
      if (n > imageSize + 1u) Fail("Longueur de phrase invalide.");
    }
    if (nextBit()) n += 1;
    if (bitCount > 1 && nextBit()) n += 2;
    if (bitCount > 2 && nextBit()) n += 4;
    if (bitCount > 3 && nextBit()) n += 8;
    if (bitCount > 4 && nextBit()) n += 16;
    table.offsets_.push_back(table.offsets_.back() + n);
  }
  if (imageSize == imageCompressedSize) {
    table.text_.assign(reinterpret_cast<const char*>(image.data),
                       std::min<std::size_t>(image.size, imageSize));
  } else {
    table.text_.reserve(imageSize);
    ExpandLz77(image, imageSize, table.text_);
  }
  if (table.offsets_.back() > table.text_.size()) Fail("Phrases au-delà de leur texte.");
  return table;
}

std::string_view PhraseTable::Phrase(std::size_t index) const {
  if (index + 1 >= offsets_.size()) Fail("Référence à une phrase inexistante.");
  return std::string_view(text_).substr(offsets_[index], offsets_[index + 1] - offsets_[index]);
}

void PhraseTable::Expand(Bytes packed, std::size_t limit, std::string& out) const {
  const std::size_t start = out.size();
  auto room = [&]() { return limit - (out.size() - start); };
  auto put = [&](std::string_view s) { out.append(s.substr(0, std::min(s.size(), room()))); };
  std::size_t i = 0;
  while (i < packed.size && out.size() - start < limit) {
    const uint8_t c = packed.data[i++];
    if (scheme_ == Scheme::Phrases) {
      if (c == 0 || c >= 0x10) {
        out.push_back(static_cast<char>(c));
        continue;
      }
      if (i >= packed.size) Fail("Référence de phrase tronquée.");
      const unsigned code = c * 256u + packed.data[i++] - 256u;
      put(Phrase(code / 2));
      if ((code & 1) && room()) out.push_back(' ');
    } else if (scheme_ == Scheme::Hall) {
      if ((c & 1) == 0) {
        put(Phrase(c / 2u));
      } else if ((c & 3) == 1) {
        if (i >= packed.size) Fail("Référence de phrase tronquée.");
        put(Phrase(c * 64u + 64u + packed.data[i++]));
      } else if ((c & 7) == 3) {
        const std::size_t n = c / 8u + 1;
        if (n > packed.size - i) Fail("Texte compressé tronqué.");
        put(std::string_view(reinterpret_cast<const char*>(packed.data + i), n));
        i += n;
      } else {
        const std::size_t n = c / 16u + 1;
        const char fill = (c & 0x0F) == 0x07 ? ' ' : '\0';
        out.append(std::min(n, room()), fill);
      }
    } else {
      out.push_back(static_cast<char>(c));
    }
  }
}

}  // namespace veldor::hlp
