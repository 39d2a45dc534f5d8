// Global strings: words that the help build turns into links wherever
// they occur in subject texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

class CArchive;

class CGlobalTexte {
 public:
  CGlobalTexte() = default;
  // Copies the meaningful fields and zeroes the reserved numbers; the
  // reserved strings are neither copied nor cleared.
  CGlobalTexte(const CGlobalTexte& other) { *this = other; }
  CGlobalTexte& operator=(const CGlobalTexte& other);
  // Moving keeps every field: the table moves its records when it grows or
  // closes a gap, and must not lose the reserved ones on the way.
  CGlobalTexte(CGlobalTexte&&) noexcept = default;
  CGlobalTexte& operator=(CGlobalTexte&&) noexcept = default;

  void Serialize(CArchive& ar);

  std::string text;
  int32_t action = 0;
  std::string soundOrCommand;
  std::string target;
  std::string windowName;
  int32_t caseSensitive = 0;
  int32_t keepColour = 0;
  std::string reservedText1;
  std::string reservedText2;
  int32_t reservedLong = 0;
  uint16_t reservedWord1 = 0;
  uint16_t reservedWord2 = 0;
};

class CGestGlobal {
 public:
  static constexpr int kCapacity = 512;

  int count() const { return static_cast<int>(records_.size()); }
  int Add(const CGlobalTexte& record);
  CGlobalTexte Get(int i) const;
  CGlobalTexte* GetAt(int i);
  const CGlobalTexte* GetAt(int i) const;
  int Set(int i, const CGlobalTexte& record);
  int Remove(int i);
  void CopyFrom(const CGestGlobal& other);
  void Clear() { records_.clear(); }

  void Serialize(CArchive& ar);

 private:
  std::vector<CGlobalTexte> records_;
};

}  // namespace veldor
