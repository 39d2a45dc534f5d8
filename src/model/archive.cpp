#include "model/archive.h"

#include "platform/codepage.h"

namespace veldor {

namespace {

constexpr uint8_t kLongPrefix = 0xFF;
constexpr uint16_t kWideMark = 0xFFFE;
constexpr uint16_t kLongMark = 0xFFFF;

}  // namespace

void CArchive::Fail(const std::string& what) const {
  throw ArchiveError(what + " (octet " + std::to_string(Position()) + ")");
}

void CArchive::Charge(size_t bytes) {
  if (!budget_.Charge(bytes)) {
    Fail("le projet demanderait plus de " + std::to_string(budget_.LimitInMegabytes()) +
         " Mo de mémoire pour un fichier de cette taille (trop d'éléments vides)");
  }
}

void CArchive::Truncated(size_t) const {
  Fail("le fichier s'arrête avant la fin du projet");
}

void CArchive::PutString(const std::string& s) {
  const size_t n = s.size();
  if (n < kLongPrefix) {
    out_->push_back(static_cast<char>(n));
  } else if (n < kWideMark) {
    out_->push_back(static_cast<char>(kLongPrefix));
    PutWord(static_cast<uint16_t>(n));
  } else {
    out_->push_back(static_cast<char>(kLongPrefix));
    PutWord(kLongMark);
    PutLong(static_cast<uint32_t>(n));
  }
  out_->append(s);
}

uint32_t CArchive::ReadStringLength(bool& wide) {
  wide = false;
  for (;;) {
    const uint8_t first = *Take(1);
    if (first != kLongPrefix) return first;
    const uint16_t word = GetWord();
    if (word == kWideMark) {
      // The wide mark may appear once; a second one is not a valid prefix.
      if (wide) Fail("longueur de chaîne invalide");
      wide = true;
      continue;
    }
    if (word != kLongMark) return word;
    return GetLong();
  }
}

void CArchive::ReadString(std::string& s) {
  bool wide = false;
  const uint32_t length = ReadStringLength(wide);
  const size_t bytes = wide ? static_cast<size_t>(length) * 2 : length;
  if (bytes > Remaining()) {
    Fail("une chaîne annonce " + std::to_string(bytes) + " octets, il en reste " +
         std::to_string(Remaining()));
  }
  Charge(MemoryBudget::StringText(length));
  const uint8_t* p = Take(bytes);
  if (!wide) {
    s.assign(reinterpret_cast<const char*>(p), bytes);
    return;
  }
  s.resize(length);
  for (uint32_t i = 0; i < length; ++i) {
    const char16_t unit = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    s[i] = Utf16UnitToCp1252(unit);
  }
}

uint32_t CArchive::Count(size_t count, size_t minElementSize) {
  if (IsStoring()) {
    if (count < kLongMark) {
      PutWord(static_cast<uint16_t>(count));
    } else {
      PutWord(kLongMark);
      PutLong(static_cast<uint32_t>(count));
    }
    return static_cast<uint32_t>(count);
  }
  uint32_t n = GetWord();
  if (n == kLongMark) n = GetLong();
  if (static_cast<uint64_t>(n) * minElementSize > Remaining()) {
    Fail("une liste annonce " + std::to_string(n) + " éléments, il reste " +
         std::to_string(Remaining()) + " octets");
  }
  return n;
}

void CArchive::StringArray(std::vector<std::string>& list) {
  const uint32_t n = Count(list.size(), 1);
  if (IsStoring()) {
    for (const std::string& s : list) PutString(s);
    return;
  }
  list.clear();
  Charge(MemoryBudget::HeapBlock(static_cast<size_t>(n) * sizeof(std::string)));
  list.resize(n);
  for (std::string& s : list) ReadString(s);
}

void CArchive::WordArray(std::vector<uint16_t>& list) {
  const uint32_t n = Count(list.size(), 2);
  if (IsStoring()) {
    for (uint16_t v : list) PutWord(v);
    return;
  }
  Charge(MemoryBudget::HeapBlock(static_cast<size_t>(n) * sizeof(uint16_t)));
  list.resize(n);
  for (uint16_t& v : list) v = GetWord();
}

void CArchive::LongArray(std::vector<uint32_t>& list) {
  const uint32_t n = Count(list.size(), 4);
  if (IsStoring()) {
    for (uint32_t v : list) PutLong(v);
    return;
  }
  Charge(MemoryBudget::HeapBlock(static_cast<size_t>(n) * sizeof(uint32_t)));
  list.resize(n);
  for (uint32_t& v : list) v = GetLong();
}

}  // namespace veldor
