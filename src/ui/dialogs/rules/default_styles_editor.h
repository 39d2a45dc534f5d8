// The default paragraph style of each subject type ("Marges par défaut"),
// edited type by type and written to the settings on confirmation.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/app_settings.h"

namespace veldor {

class SettingsStore;

// Margins and first-line indent of the defaults, in centimetres.
inline constexpr double kMaxDefaultLength = 21.0;

// The values of one type as the dialog shows them.
struct StyleFields {
  std::string leftMargin;
  std::string rightMargin;
  std::string spaceBefore;
  std::string spaceAfter;
  std::string firstIndent;
  std::string faceName;  // Windows-1252
  std::string pointSize;
  uint32_t colour = 0;
};

class DefaultStylesEditor {
 public:
  DefaultStylesEditor(CAppSettings& settings, SettingsStore& store);

  int shownType() const { return shownType_; }
  StyleFields Shown() const { return FieldsOf(shownType_); }
  StyleFields FieldsOf(int typeCode) const;

  // Keeps the shown values for the shown type, then shows `typeCode`.
  // A length out of range is reported and the shown type stays (false).
  bool SelectType(int typeCode, const StyleFields& shown);
  // Keeps the shown values and writes every type to the settings.
  bool Confirm(const StyleFields& shown);
  // Drops every change: the settings are read back.
  void Cancel();

 private:
  bool Keep(const StyleFields& shown);

  CAppSettings& settings_;
  SettingsStore& store_;
  std::array<TypeStyleDefaults, 6> styles_;
  int shownType_ = 0;
};

// The sizes offered for a font: the usual list for a scalable font, else
// the font's own sizes in points, ascending, each once ("%.1f" for half
// points).
std::vector<std::string> FontSizeChoices(bool scalable, const std::vector<double>& ownSizes);

}  // namespace veldor
