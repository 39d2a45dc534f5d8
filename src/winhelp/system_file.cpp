#include "winhelp/system_file.h"

#include <algorithm>

#include "winhelp/hlp_limits.h"

namespace veldor::winhelp {

namespace {

void Record(ByteWriter& out, uint16_t type, const Bytes& data) {
  out.U16(type);
  out.U16(static_cast<uint16_t>(data.size()));
  out.Append(data);
}

void StringRecord(ByteWriter& out, uint16_t type, const std::string& text, size_t limit) {
  ByteWriter data;
  data.StringZ(text.substr(0, limit));
  Record(out, type, data.bytes());
}

uint32_t Colour(const uint8_t rgb[3]) {
  return uint32_t{rgb[0]} | (uint32_t{rgb[1]} << 8) | (uint32_t{rgb[2]} << 16);
}

Bytes WindowRecord(const HelpWindow& window) {
  uint16_t flags = 0x0002 | 0x0004;  // name and caption
  if (!window.type.empty()) flags |= 0x0001;
  if (window.hasPosition) flags |= 0x0008 | 0x0010 | 0x0020 | 0x0040;
  if (window.maximize != 0) flags |= 0x0080;
  if (window.hasMainColour) flags |= 0x0100;
  if (window.hasNonScrollColour) flags |= 0x0200;
  if (window.onTop) flags |= 0x0400;
  ByteWriter data;
  data.U16(flags);
  data.FixedString(window.type, kWindowTypeSize);
  data.FixedString(window.name, kWindowNameSize);
  data.FixedString(window.caption, kWindowCaptionSize);
  const auto clampCoordinate = [](int v) { return static_cast<int16_t>(std::clamp(v, 0, 1023)); };
  data.I16(clampCoordinate(window.x));
  data.I16(clampCoordinate(window.y));
  data.I16(clampCoordinate(window.width));
  data.I16(clampCoordinate(window.height));
  data.I16(static_cast<int16_t>(window.maximize));
  data.U32(Colour(window.mainColour));
  data.U32(Colour(window.nonScrollColour));
  return std::move(data.bytes());
}

}  // namespace

Bytes BuildSystemFile(const SystemInfo& info) {
  ByteWriter out;
  out.U16(kSystemMagic);
  out.U16(kSystemMinor);
  out.U16(kSystemMajor);
  out.U32(info.date);
  out.U16(kSystemFlagsCompressed4k);
  StringRecord(out, 1, info.title, kMaxHelpTitleLength);
  if (!info.copyright.empty()) StringRecord(out, 2, info.copyright, kMaxCopyrightLength);
  if (info.hasContents) {
    ByteWriter data;
    data.U32(info.contentsOffset);
    Record(out, 3, data.bytes());
  }
  if (!info.icon.empty() && info.icon.size() < 0xFFFF) Record(out, 5, info.icon);
  for (const std::string& macro : info.configMacros) StringRecord(out, 4, macro, kMaxMacroLength);
  for (const HelpWindow& window : info.windows) Record(out, 6, WindowRecord(window));
  if (!info.citation.empty()) StringRecord(out, 8, info.citation, kMaxCopyrightLength);
  return std::move(out.bytes());
}

}  // namespace veldor::winhelp
