// Help-window definitions, one line each of the help project's [Windows].
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/record_table.h"

namespace veldor {

class CArchive;

class CWinAttr {
 public:
  CWinAttr() = default;
  // Copies the meaningful fields and zeroes the reserved numbers; the
  // reserved strings are neither copied nor cleared.
  CWinAttr(const CWinAttr& other) { *this = other; }
  CWinAttr& operator=(const CWinAttr& other);
  // Moving keeps every field: the table moves its records when it grows or
  // closes a gap, and must not lose the reserved ones on the way.
  CWinAttr(CWinAttr&&) noexcept = default;
  CWinAttr& operator=(CWinAttr&&) noexcept = default;

  void Serialize(CArchive& ar);

  std::string name;
  std::string caption;
  uint32_t mainColour = 0xFFFFFF;
  uint32_t nonScrollColour = 0xFFFFFF;
  int32_t height = 600;
  int32_t maximize = 0;
  int32_t onTop = 1;
  int32_t width = 800;
  int32_t x = 100;
  int32_t y = 100;
  int32_t useMainColour = 1;
  int32_t useNonScrollColour = 1;
  int32_t usePosition = 1;
  std::string reservedText1;
  std::string reservedText2;
  int32_t reservedLong1 = 0;
  int32_t reservedLong2 = 0;
  uint16_t reservedWord1 = 0;
  uint16_t reservedWord2 = 0;
};

class CGestWinAttr : public RecordTable<CWinAttr, 10> {
 public:
  int Exists(const std::string& name) const;   // ignoring ASCII case
  int IndexOf(const std::string& name) const;  // ignoring ASCII case, or -1

  void Serialize(CArchive& ar);
};

// The checks of the window dialog ("Configuration fenêtre"), in the order
// the dialog applies them, for Add (index -1) and Modify (index i).
enum class WindowCheck {
  kOk,
  kOutOfRange,     // x, y, width or height outside 0 to 1023
  kTooLarge,       // x + width or y + height reaches 1024
  kEmptyName,      // refused without a message
  kDuplicateName,  // another record has that name, ignoring case
  kTableFull,      // Add with 10 records held, refused without a message
  kBadIndex,       // Modify of a record that does not exist
};
WindowCheck CheckWindow(const CGestWinAttr& table, const CWinAttr& record, int index);
// The message the dialog shows for a result (UTF-8), "" for none.
std::string WindowCheckMessage(WindowCheck check);
// Add (index -1) or Modify (index i) after the checks; the table changes only
// when the result is kOk.
WindowCheck StoreWindowRecord(CGestWinAttr& table, const CWinAttr& record, int index);

// The same checks as one text: "" when the record may be stored, else the
// message to show, or kWindowSilentRefusal when the dialog shows nothing.
inline constexpr const char* kWindowSilentRefusal = "\x01";
std::string CheckWindowRecord(const CGestWinAttr& table, const CWinAttr& record, int index);

}  // namespace veldor
