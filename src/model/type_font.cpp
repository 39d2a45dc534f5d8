#include "model/type_font.h"

#include <algorithm>
#include <array>

#include "model/archive.h"

namespace veldor {

void CTypeFont::SetFaceName(const std::string& name) {
  faceName = name.substr(0, kFaceNameSize - 1);
}

void CTypeFont::Serialize(CArchive& ar) {
  ar.WordOf32(fontSet);
  ar.Word(pointSize);
  // The packed font block: five 16-bit values, eight bytes, the face name.
  ar.SignedWordOf32(height);
  ar.SignedWordOf32(width);
  ar.SignedWordOf32(escapement);
  ar.SignedWordOf32(orientation);
  ar.SignedWordOf32(weight);
  ar.Byte(italic);
  ar.Byte(underline);
  ar.Byte(strikeOut);
  ar.Byte(charSet);
  ar.Byte(outPrecision);
  ar.Byte(clipPrecision);
  ar.Byte(quality);
  ar.Byte(pitchAndFamily);
  std::array<char, kFaceNameSize> face{};
  if (ar.IsStoring()) {
    const size_t n = std::min(faceName.size(), face.size() - 1);
    std::copy_n(faceName.data(), n, face.data());
    ar.Bytes(face.data(), face.size());
  } else {
    // Whatever follows the terminating NUL is ignored; a block without one
    // keeps the 31 characters the model can hold.
    ar.Bytes(face.data(), face.size());
    const auto nul = std::find(face.begin(), face.end() - 1, '\0');
    faceName.assign(face.begin(), nul);
  }
}

const char* FontFamilyWord(int family) {
  static constexpr const char* kWords[] = {"fmodern", "froman",  "fswiss",
                                           "fmodern", "fscript", "fdecorative"};
  if (family < 0) family = 0;
  if (family > 5) family = 5;
  return kWords[family];
}

}  // namespace veldor
