// The phrase tables of compressed text. Two schemes exist: |Phrases, where
// text bytes 1..15 start a two-byte phrase reference, and the later
// |PhrIndex with |PhrImage ("Hall" compression), where every byte is a
// command. A table expands the compressed text of topic links.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hlpfile/byte_reader.h"

namespace veldor::hlp {

class PhraseTable {
 public:
  enum class Scheme { None, Phrases, Hall };

  PhraseTable() = default;
  // |Phrases of a file of minor version `minor`.
  static PhraseTable FromPhrases(Bytes phrases, int minor);
  // |PhrIndex and |PhrImage.
  static PhraseTable FromHall(Bytes index, Bytes image);

  Scheme scheme() const { return scheme_; }
  std::size_t size() const { return offsets_.empty() ? 0 : offsets_.size() - 1; }
  std::string_view Phrase(std::size_t index) const;

  // Appends the expansion of `packed` to `out`, stopping at `limit` bytes.
  // A reference to a phrase that does not exist fails.
  void Expand(Bytes packed, std::size_t limit, std::string& out) const;

 private:
  Scheme scheme_ = Scheme::None;
  std::string text_;
  std::vector<uint32_t> offsets_;  // size()+1 entries into text_
};

}  // namespace veldor::hlp
