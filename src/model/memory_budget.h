// How much memory a reader may spend on what it builds from an input: the
// program promises to hold any input in at most four times its size plus
// 50 MB. Readers charge what they allocate (estimated from the sizes of the
// objects they make) and give up with a message once the budget is spent,
// instead of letting a small file of many tiny items (millions of empty
// strings) grow into gigabytes.
#pragma once

#include <cstddef>
#include <string>

namespace veldor {

class MemoryBudget {
 public:
  // The input itself stays in memory while it is read, and the process
  // needs some room of its own: what is built may take `factor` times the
  // input plus `allowance` bytes.
  static constexpr std::size_t kAllowance = 32u * 1024 * 1024;

  MemoryBudget(std::size_t inputSize, double factor)
      : limit_(static_cast<std::size_t>(factor * static_cast<double>(inputSize)) + kAllowance) {}

  // Adds `bytes`; false once the total is above the limit.
  bool Charge(std::size_t bytes) {
    spent_ += bytes;
    return spent_ <= limit_;
  }
  std::size_t spent() const { return spent_; }
  std::size_t limit() const { return limit_; }
  // The limit in megabytes, rounded up, for messages.
  std::size_t LimitInMegabytes() const { return (limit_ + (1u << 20) - 1) >> 20; }

  // What a heap block of `size` bytes takes, with the allocator's header
  // and rounding.
  static constexpr std::size_t HeapBlock(std::size_t size) { return (size + 8 + 15) / 16 * 16; }
  // What the characters of a string of `length` bytes take beyond the
  // string object (short strings are held inside it).
  static constexpr std::size_t StringText(std::size_t length) {
    return length < sizeof(std::string) / 2 ? 0 : HeapBlock(length + 1);
  }

 private:
  std::size_t limit_;
  std::size_t spent_ = 0;
};

}  // namespace veldor
