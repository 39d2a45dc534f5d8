#include "hlpfile/btree.h"

#include <vector>

#include "hlpfile/hlp_limits.h"

namespace veldor::hlp {

namespace {
constexpr uint16_t kBtreeMagic = 0x293B;
constexpr std::size_t kBtreeHeaderSize = 38;
constexpr std::size_t kIndexPageHeaderSize = 6;
constexpr std::size_t kLeafPageHeaderSize = 8;
constexpr uint16_t kNoPage = 0xFFFF;
}  // namespace

void ForEachBtreeEntry(Bytes tree, const char* what,
                       const std::function<void(ByteReader& entry)>& onEntry) {
  if (tree.U16(0, what) != kBtreeMagic) Fail(std::string("Arbre B invalide : ") + what);
  const uint16_t pageSize = tree.U16(4, what);
  uint16_t page = tree.U16(26, what);
  const uint16_t totalPages = tree.U16(30, what);
  const uint16_t levels = tree.U16(32, what);
  const uint32_t totalEntries = tree.U32(34, what);
  if (pageSize < kLeafPageHeaderSize) Fail(std::string("Taille de page invalide : ") + what);
  const Bytes pages = tree.Sub(kBtreeHeaderSize, std::size_t{totalPages} * pageSize, what);
  auto pageAt = [&](uint16_t number) {
    if (number >= totalPages) Fail(std::string("Numéro de page invalide : ") + what);
    return pages.Sub(std::size_t{number} * pageSize, pageSize, what);
  };
  if (totalEntries == 0 && levels == 0) return;
  if (levels == 0 || levels > totalPages) Fail(std::string("Niveaux invalides : ") + what);
  // Down the first entry of each index page to the first leaf.
  for (uint16_t level = 1; level < levels; ++level) page = pageAt(page).U16(4, what);
  std::vector<bool> seen(totalPages, false);
  std::size_t visited = 0;
  uint32_t entries = 0;
  while (page != kNoPage) {
    const Bytes leaf = pageAt(page);
    if (seen[page] || ++visited > kMaxBtreePages) Fail(std::string("Pages en boucle : ") + what);
    seen[page] = true;
    const int16_t count = leaf.S16(2, what);
    if (count < 0) Fail(std::string("Nombre d'entrées invalide : ") + what);
    ByteReader reader(leaf, what);
    reader.Seek(kLeafPageHeaderSize);
    for (int16_t i = 0; i < count; ++i) {
      onEntry(reader);
      ++entries;
    }
    page = leaf.U16(6, what);
  }
  (void)kIndexPageHeaderSize;
  if (entries != totalEntries) Fail(std::string("Nombre d'entrées incohérent : ") + what);
}

}  // namespace veldor::hlp
