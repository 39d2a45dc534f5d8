#include "winhelp/hlp_container.h"

#include <algorithm>

#include "winhelp/btree_writer.h"
#include "winhelp/hlp_limits.h"

namespace veldor::winhelp {

namespace {

void AppendInternalFile(ByteWriter& out, const Bytes& contents) {
  const auto used = static_cast<uint32_t>(contents.size());
  out.U32(used + static_cast<uint32_t>(kFileHeaderSize));  // reserved, header included
  out.U32(used);
  out.U8(kInternalFileFlags);
  out.Append(contents);
}

}  // namespace

void HlpContainer::AddFile(const std::string& name, Bytes contents) {
  for (auto& file : files_) {
    if (file.first == name) {
      file.second = std::move(contents);
      return;
    }
  }
  files_.emplace_back(name, std::move(contents));
}

bool HlpContainer::HasFile(const std::string& name) const {
  return std::any_of(files_.begin(), files_.end(),
                     [&](const auto& file) { return file.first == name; });
}

Bytes HlpContainer::Build() const {
  size_t total = 16;
  for (const auto& file : files_) total += kFileHeaderSize + file.second.size();
  ByteWriter out;
  out.bytes().reserve(total + 4096);
  out.U32(kHelpFileMagic);
  out.U32(0);            // directory start, patched below
  out.U32(kNoPosition);  // no free list
  out.U32(0);            // file size, patched below
  std::vector<std::pair<std::string, uint32_t>> directory;
  for (const auto& file : files_) {
    directory.emplace_back(file.first, static_cast<uint32_t>(out.size()));
    AppendInternalFile(out, file.second);
  }
  std::sort(directory.begin(), directory.end());
  std::vector<BTreeEntry> entries;
  for (const auto& [name, offset] : directory) {
    ByteWriter key;
    key.StringZ(name);
    ByteWriter leaf;
    leaf.StringZ(name);
    leaf.U32(offset);
    entries.push_back({key.bytes(), leaf.bytes()});
  }
  const auto directoryStart = static_cast<uint32_t>(out.size());
  AppendInternalFile(out, BuildBTree(entries, {kDirectoryPageSize, kDirectoryBTreeFlags, "z4"}));
  out.PatchU32(4, directoryStart);
  out.PatchU32(12, static_cast<uint32_t>(out.size()));
  return std::move(out.bytes());
}

}  // namespace veldor::winhelp
