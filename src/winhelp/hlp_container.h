// The container of a help file: a 16-byte header, the internal files each
// behind its file header, and the internal directory (a B+ tree of the
// file names and where each file starts).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "winhelp/byte_writer.h"

namespace veldor::winhelp {

class HlpContainer {
 public:
  // Adds (or replaces) an internal file such as "|SYSTEM" or "|bm0".
  void AddFile(const std::string& name, Bytes contents);
  bool HasFile(const std::string& name) const;
  // The whole help file.
  Bytes Build() const;

 private:
  std::vector<std::pair<std::string, Bytes>> files_;
};

}  // namespace veldor::winhelp
