// CTypeFont: the style record of a subject, a logical-font description
// with a point size.
#pragma once

#include <cstdint>
#include <string>

namespace veldor {

class CArchive;

class CTypeFont {
 public:
  static constexpr int kFaceNameSize = 32;  // 31 characters and the NUL

  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 0;
  uint8_t italic = 0;
  uint8_t underline = 0;
  uint8_t strikeOut = 0;
  uint8_t charSet = 0;
  uint8_t outPrecision = 0;
  uint8_t clipPrecision = 0;
  uint8_t quality = 0;
  uint8_t pitchAndFamily = 0;
  std::string faceName;  // at most 31 characters, Windows-1252
  int32_t fontSet = 0;   // 1 when the style holds a chosen font
  uint16_t pointSize = 0;

  // Stores at most 31 characters of `name`.
  void SetFaceName(const std::string& name);
  // The family nibble (high nibble of pitchAndFamily).
  int Family() const { return pitchAndFamily >> 4; }

  void Serialize(CArchive& ar);
  bool operator==(const CTypeFont&) const = default;
};

// Family word of font tables, indexed by the family nibble (above 5 uses 5).
const char* FontFamilyWord(int family);

}  // namespace veldor
