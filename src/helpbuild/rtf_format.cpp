#include "helpbuild/rtf_format.h"

#include <cmath>
#include <cstdio>

#include "model/subject.h"
#include "model/type_font.h"

namespace veldor {

std::string ColourKey(uint32_t rgb) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, ";\\red%u\\green%u\\blue%u", rgb & 0xFFu, (rgb >> 8) & 0xFFu,
                (rgb >> 16) & 0xFFu);
  return buffer;
}

std::string FontKey(const CTypeFont& style) {
  std::string key = "\\";
  key += FontFamilyWord(style.Family());
  key += ' ';
  key += style.faceName;
  return key;
}

long CmToTwips(float cm) {
  const double twips = static_cast<double>(cm) * 566.93;
  if (!std::isfinite(twips)) return 0;
  // Lengths are at most a few hundred centimetres; keep absurd stored
  // values from overflowing the conversion.
  if (twips > 1e9) return 1000000000L;
  if (twips < -1e9) return -1000000000L;
  return static_cast<long>(twips);  // truncates toward zero
}

void WriteRtfFormat(const CTypeEdit& subject, std::string& out, const RtfMaps& maps) {
  const CTypeFont& style = subject.style;
  out += "\\plain";
  if (style.weight == 700) out += "\\b";
  if (style.italic) out += "\\i";
  if (style.underline && subject.typeCode != kTypeBitMap && subject.typeCode != kTypeJump &&
      !subject.GetText().empty()) {
    out += "\\ul";
  }
  if (auto it = maps.colours.find(ColourKey(subject.colour)); it != maps.colours.end()) {
    out += "\\cf" + it->second;
  }
  if (auto it = maps.fonts.find(FontKey(style)); it != maps.fonts.end()) {
    out += "\\f" + it->second;
  }
  out += "\\fs" + std::to_string(static_cast<unsigned>(style.pointSize) * 2);
  switch (subject.border) {
    case 0:
      out += "\\brdrs";
      break;
    case 1:
      out += "\\brdrth";
      break;
    case 2:
      out += "\\brdrdb";
      break;
    default:
      break;
  }
  const uint16_t flags = subject.flags;
  if (flags & kFlagBox) out += "\\box";
  if (flags & kFlagVerticalBar) out += "\\brdrbar";
  if (flags & kFlagRuleAbove) out += "\\brdrt";
  if (flags & kFlagRuleBelow) out += "\\brdrb";
  if (flags & kFlagKeep) out += "\\keep";
  if (flags & kFlagNonScroll) out += "\\keepn";
  if (flags & kFlagParagraphEnd) {
    out += '\\';
    out += subject.alignment <= 2 ? AlignmentWord(subject.alignment) : "ql";
    out += "\\li" + std::to_string(CmToTwips(subject.leftMargin));
    out += "\\ri" + std::to_string(CmToTwips(subject.rightMargin));
    out += "\\sa" + std::to_string(CmToTwips(subject.spaceAfter) + 5);
    out += "\\sb" + std::to_string(CmToTwips(subject.spaceBefore));
    out += ' ';
  }
}

void WriteRtfClosing(const CTypeEdit& subject, std::string& out) {
  if (subject.flags & kFlagParagraphEnd) {
    out += "\\par";
    if (subject.useDefaultStyle) out += "\\pard";
    out += '}';
  }
  out += '\n';
}

}  // namespace veldor
