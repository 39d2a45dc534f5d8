// The container of a help file: a header, then internal files located by a
// directory B-tree ("|SYSTEM", "|TOPIC", "|bm0", ...). Each internal file
// starts with its own 9-byte header giving the space it uses.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "hlpfile/byte_reader.h"

namespace veldor::hlp {

inline constexpr uint32_t kHelpFileMagic = 0x00035F3F;

class HlpContainer {
 public:
  // Reads the header and the directory of `file`, which must outlive the
  // container. Throws FormatError.
  explicit HlpContainer(Bytes file);

  // The content of an internal file (without its header), or nothing.
  std::optional<Bytes> Find(const std::string& name) const;
  const std::map<std::string, Bytes>& Files() const { return files_; }

 private:
  std::map<std::string, Bytes> files_;
};

// True when `bytes` start like a help file.
bool LooksLikeHelpFile(Bytes bytes);

}  // namespace veldor::hlp
