#include "hlpfile/hlp_container.h"

#include "hlpfile/btree.h"
#include "hlpfile/hlp_limits.h"

namespace veldor::hlp {

namespace {
constexpr std::size_t kFileHeaderSize = 16;
constexpr std::size_t kInternalHeaderSize = 9;

// The content of the internal file at `offset`: its used space after the
// 9-byte header, which must lie within the file.
Bytes InternalFile(Bytes file, uint32_t offset, const char* what) {
  const Bytes header = file.Sub(offset, kInternalHeaderSize, what);
  const uint32_t reserved = header.U32(0, what);
  const uint32_t used = header.U32(4, what);
  if (used > reserved) Fail(std::string("Taille de fichier interne incohérente : ") + what);
  return file.Sub(std::size_t{offset} + kInternalHeaderSize, used, what);
}
}  // namespace

bool LooksLikeHelpFile(Bytes bytes) {
  return bytes.size >= kFileHeaderSize && bytes.U32(0, "en-tête") == kHelpFileMagic;
}

HlpContainer::HlpContainer(Bytes file) {
  if (!LooksLikeHelpFile(file)) Fail("Ce fichier n'est pas un fichier d'aide Windows.");
  const uint32_t directory = file.U32(4, "en-tête");
  const uint32_t declaredSize = file.U32(12, "en-tête");
  if (declaredSize > file.size) Fail("Le fichier d'aide est tronqué.");
  const Bytes tree = InternalFile(file, directory, "répertoire");
  ForEachBtreeEntry(tree, "répertoire", [&](ByteReader& entry) {
    std::string name = entry.StringZ();
    const uint32_t offset = entry.U32();
    if (files_.size() >= kMaxInternalFiles) Fail("Trop de fichiers internes.");
    files_[name] = InternalFile(file, offset, "fichier interne");
  });
}

std::optional<Bytes> HlpContainer::Find(const std::string& name) const {
  auto it = files_.find(name);
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

}  // namespace veldor::hlp
