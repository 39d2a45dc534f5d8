#include "hlpfile/font_file.h"

#include "hlpfile/hlp_limits.h"
#include "hlpfile/system_file.h"

namespace veldor::hlp {

namespace {
constexpr std::size_t kDescriptorSize = 11;
// Attribute bits of a descriptor.
enum : uint8_t {
  kBold = 0x01,
  kItalic = 0x02,
  kUnderline = 0x04,
  kStrikeOut = 0x08,
  kDoubleUnderline = 0x10,
  kSmallCaps = 0x20,
};
}  // namespace

std::vector<HelpFont> ReadFonts(Bytes fonts) {
  const uint16_t faceCount = fonts.U16(0, "|FONT");
  const uint16_t descriptorCount = fonts.U16(2, "|FONT");
  const uint16_t faceOffset = fonts.U16(4, "|FONT");
  const uint16_t descriptorOffset = fonts.U16(6, "|FONT");
  if (descriptorCount > kMaxFonts) Fail("Trop de polices.");
  if (descriptorOffset < faceOffset) Fail("Table des polices invalide.");
  // Larger headers announce the descriptors of multimedia titles.
  if (faceOffset >= 12) Fail("Les polices des titres multimédias ne sont pas prises en charge.");
  const std::size_t faceLength = faceCount ? (descriptorOffset - faceOffset) / faceCount : 0;
  std::vector<std::string> faces;
  faces.reserve(faceCount);
  for (std::size_t i = 0; i < faceCount; ++i) {
    faces.push_back(RecordText(fonts.Sub(faceOffset + i * faceLength, faceLength, "|FONT")));
  }
  std::vector<HelpFont> result;
  result.reserve(descriptorCount);
  const Bytes descriptors =
      fonts.Sub(descriptorOffset, std::size_t{descriptorCount} * kDescriptorSize, "|FONT");
  for (std::size_t i = 0; i < descriptorCount; ++i) {
    const Bytes d = descriptors.Sub(i * kDescriptorSize, kDescriptorSize, "|FONT");
    HelpFont font;
    const uint8_t attributes = d.data[0];
    font.bold = attributes & kBold;
    font.italic = attributes & kItalic;
    font.underline = attributes & kUnderline;
    font.strikeOut = attributes & kStrikeOut;
    font.doubleUnderline = attributes & kDoubleUnderline;
    font.smallCaps = attributes & kSmallCaps;
    font.halfPoints = d.data[1];
    font.family = d.data[2];
    const uint16_t face = d.U16(3, "|FONT");
    font.face = face < faces.size() ? faces[face] : std::string("Helv");
    font.colour = d.data[5] | (d.data[6] << 8) | (d.data[7] << 16);
    result.push_back(std::move(font));
  }
  return result;
}

}  // namespace veldor::hlp
