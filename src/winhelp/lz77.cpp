#include "winhelp/lz77.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "winhelp/hlp_limits.h"

namespace veldor::winhelp {

namespace {

constexpr size_t kHashBits = 13;
constexpr size_t kHashSize = size_t{1} << kHashBits;
constexpr int kMaxChain = 24;
constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();

uint32_t Hash3(const uint8_t* p) {
  const uint32_t v = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
  return (v * 2654435761u) >> (32 - kHashBits);
}

// Hash chains over the positions of the input already passed.
class Matcher {
 public:
  Matcher(const uint8_t* data, size_t size, const uint8_t* patchable)
      : data_(data),
        patchable_(patchable),
        size_(size),
        head_(kHashSize, kNone),
        previous_(size, kNone) {}

  bool Usable(size_t pos) const { return patchable_ == nullptr || patchable_[pos] == 0; }

  void Insert(size_t pos) {
    if (pos + kLz77MinMatch > size_) return;
    const uint32_t h = Hash3(data_ + pos);
    previous_[pos] = head_[h];
    head_[h] = static_cast<uint32_t>(pos);
  }

  // Longest match for data[pos..] of at most `maxLength` bytes.
  size_t Find(size_t pos, size_t maxLength, size_t& distance) const {
    if (maxLength < kLz77MinMatch || pos + kLz77MinMatch > size_) return 0;
    size_t best = 0;
    uint32_t candidate = head_[Hash3(data_ + pos)];
    for (int chain = 0; chain < kMaxChain && candidate != kNone; ++chain) {
      if (pos - candidate > kLz77Window) break;
      size_t length = 0;
      while (length < maxLength && data_[candidate + length] == data_[pos + length] &&
             Usable(candidate + length) && Usable(pos + length)) {
        ++length;
      }
      if (length > best) {
        best = length;
        distance = pos - candidate;
        if (best == maxLength) break;
      }
      candidate = previous_[candidate];
    }
    return best >= kLz77MinMatch ? best : 0;
  }

 private:
  const uint8_t* data_;
  const uint8_t* patchable_;
  size_t size_;
  std::vector<uint32_t> head_;
  std::vector<uint32_t> previous_;
};

}  // namespace

Lz77Block Lz77CompressBlock(const uint8_t* data, size_t size, size_t maxInput, size_t maxOutput,
                            bool useMatches, const uint8_t* patchable) {
  Lz77Block block;
  const size_t limit = std::min(size, maxInput);
  Bytes& out = block.output;
  out.reserve(std::min(maxOutput, limit + limit / 8 + 2));
  Matcher matcher(data, limit, patchable);
  size_t pos = 0;
  size_t flagAt = 0;
  int item = 0;  // items in the current group
  while (pos < limit && out.size() < maxOutput) {
    if (item == 0) {
      flagAt = out.size();
      out.push_back(0);
      if (out.size() == maxOutput) break;
    }
    const size_t room = maxOutput - out.size();
    size_t distance = 0;
    const size_t length = useMatches && room >= 2
                              ? matcher.Find(pos, std::min(kLz77MaxMatch, limit - pos), distance)
                              : 0;
    if (length > 0) {
      out[flagAt] = static_cast<uint8_t>(out[flagAt] | (1u << item));
      const auto code = static_cast<uint16_t>(((length - kLz77MinMatch) << 12) | (distance - 1));
      out.push_back(static_cast<uint8_t>(code));
      out.push_back(static_cast<uint8_t>(code >> 8));
      for (size_t i = 0; i < length; ++i) matcher.Insert(pos + i);
      pos += length;
    } else {
      if (patchable != nullptr && patchable[pos] != 0) {
        block.patchableLiterals.emplace_back(static_cast<uint32_t>(pos),
                                             static_cast<uint32_t>(out.size()));
      }
      out.push_back(data[pos]);
      if (useMatches) matcher.Insert(pos);
      ++pos;
    }
    item = (item + 1) % 8;
  }
  block.consumed = pos;
  return block;
}

Bytes Lz77Compress(const uint8_t* data, size_t size) {
  return Lz77CompressBlock(data, size, size, std::numeric_limits<size_t>::max()).output;
}

}  // namespace veldor::winhelp
