#include "model/win_attr.h"

#include "model/archive.h"
#include "platform/paths.h"

namespace veldor {

namespace {

// Help-window coordinates and sizes live in a 0 to 1023 space.
constexpr int32_t kMaxCoordinate = 1023;

bool InRange(int32_t v) {
  return v >= 0 && v <= kMaxCoordinate;
}

}  // namespace

CWinAttr& CWinAttr::operator=(const CWinAttr& other) {
  if (&other == this) return *this;
  name = other.name;
  caption = other.caption;
  mainColour = other.mainColour;
  nonScrollColour = other.nonScrollColour;
  height = other.height;
  maximize = other.maximize;
  onTop = other.onTop;
  width = other.width;
  x = other.x;
  y = other.y;
  useMainColour = other.useMainColour;
  useNonScrollColour = other.useNonScrollColour;
  usePosition = other.usePosition;
  reservedLong1 = 0;
  reservedLong2 = 0;
  reservedWord1 = 0;
  reservedWord2 = 0;
  return *this;
}

void CWinAttr::Serialize(CArchive& ar) {
  ar.String(name);
  ar.String(caption);
  ar.WordOf32(x);
  ar.WordOf32(y);
  ar.WordOf32(height);
  ar.WordOf32(width);
  ar.WordOf32(maximize);
  ar.WordOf32(onTop);
  ar.Long(mainColour);
  ar.Long(nonScrollColour);
  ar.WordOf32(useMainColour);
  ar.WordOf32(useNonScrollColour);
  ar.WordOf32(usePosition);
  ar.String(reservedText1);
  ar.String(reservedText2);
  ar.Word(reservedWord1);
  ar.Word(reservedWord2);
  ar.WordOf32(reservedLong1);
  ar.WordOf32(reservedLong2);
}

int CGestWinAttr::Exists(const std::string& name) const {
  return IndexOf(name) >= 0 ? 1 : 0;
}

int CGestWinAttr::IndexOf(const std::string& name) const {
  for (int i = 0; i < count(); ++i) {
    if (EqualsIgnoreCase(records_[static_cast<size_t>(i)].name, name)) return i;
  }
  return -1;
}

void CGestWinAttr::Serialize(CArchive& ar) {
  SerializeRecords(ar, "fenêtres", "fenêtres");
}

WindowCheck CheckWindow(const CGestWinAttr& table, const CWinAttr& record, int index) {
  if (index >= table.count()) return WindowCheck::kBadIndex;
  if (!InRange(record.x) || !InRange(record.y) || !InRange(record.width) ||
      !InRange(record.height)) {
    return WindowCheck::kOutOfRange;
  }
  if (record.x + record.width > kMaxCoordinate || record.y + record.height > kMaxCoordinate) {
    return WindowCheck::kTooLarge;
  }
  if (record.name.empty()) return WindowCheck::kEmptyName;
  const int existing = table.IndexOf(record.name);
  if (existing >= 0 && existing != index) return WindowCheck::kDuplicateName;
  if (index < 0 && table.count() >= CGestWinAttr::kCapacity) return WindowCheck::kTableFull;
  return WindowCheck::kOk;
}

std::string WindowCheckMessage(WindowCheck check) {
  switch (check) {
    case WindowCheck::kOutOfRange:
      return "Entrez un nombre entier compris entre 0 et 1023.";
    case WindowCheck::kTooLarge:
      return "Erreur:Les dimensions exèdent 1023 ";
    case WindowCheck::kDuplicateName:
      return "Nom en double";
    default:
      return "";
  }
}

WindowCheck StoreWindowRecord(CGestWinAttr& table, const CWinAttr& record, int index) {
  const WindowCheck check = CheckWindow(table, record, index);
  if (check != WindowCheck::kOk) return check;
  if (index < 0) {
    table.Add(record);
  } else {
    table.Set(index, record);
  }
  return check;
}

std::string CheckWindowRecord(const CGestWinAttr& table, const CWinAttr& record, int index) {
  const WindowCheck check = CheckWindow(table, record, index);
  if (check == WindowCheck::kOk) return "";
  const std::string message = WindowCheckMessage(check);
  return message.empty() ? kWindowSilentRefusal : message;
}

}  // namespace veldor
