// Global strings: words that the help build turns into links wherever
// they occur in subject texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/record_table.h"

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

class CGestGlobal : public RecordTable<CGlobalTexte, 512> {
 public:
  void Serialize(CArchive& ar);
};

}  // namespace veldor
