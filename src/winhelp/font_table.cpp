#include "winhelp/font_table.h"

#include "platform/paths.h"
#include "winhelp/hlp_limits.h"

namespace veldor::winhelp {

uint8_t FontFamilyCode(const std::string& rtfFamily) {
  const std::string family = AsciiLower(rtfFamily);
  if (family == "modern") return 1;
  if (family == "roman") return 2;
  if (family == "script") return 4;
  if (family == "decor") return 5;
  return 3;  // swiss, tech, nil
}

std::string FontDescriptor::Key() const {
  std::string key = face;
  key += '\0';
  for (const int value : {int{family}, int{halfPoints}, int{bold}, int{italic}, int{underline},
                          int{strike}, int{smallCaps}, int{red}, int{green}, int{blue}}) {
    key += static_cast<char>(value);
  }
  return key;
}

uint16_t FontTable::Descriptor(const FontDescriptor& font) {
  const auto found = index_.find(font.Key());
  if (found != index_.end()) return found->second;
  const auto number = static_cast<uint16_t>(descriptors_.size());
  descriptors_.push_back(font);
  index_.emplace(font.Key(), number);
  return number;
}

Bytes FontTable::Build() const {
  std::vector<std::string> faces;
  std::map<std::string, uint16_t> faceIndex;
  std::vector<uint16_t> faceOf;
  for (const FontDescriptor& font : descriptors_) {
    auto [it, added] = faceIndex.emplace(font.face, static_cast<uint16_t>(faces.size()));
    if (added) faces.push_back(font.face);
    faceOf.push_back(it->second);
  }
  if (faces.empty()) faces.push_back("Arial");
  constexpr uint16_t kFacesOffset = 8;
  const auto descriptorsOffset = static_cast<uint16_t>(kFacesOffset + faces.size() * kFaceNameSize);
  ByteWriter out;
  out.U16(static_cast<uint16_t>(faces.size()));
  out.U16(static_cast<uint16_t>(descriptors_.size()));
  out.U16(kFacesOffset);
  out.U16(descriptorsOffset);
  for (const std::string& face : faces) out.FixedString(face, kFaceNameSize);
  for (size_t i = 0; i < descriptors_.size(); ++i) {
    const FontDescriptor& font = descriptors_[i];
    uint8_t attributes = 0;
    if (font.bold) attributes |= 0x01;
    if (font.italic) attributes |= 0x02;
    if (font.underline) attributes |= 0x04;
    if (font.strike) attributes |= 0x08;
    if (font.smallCaps) attributes |= 0x20;
    out.U8(attributes);
    out.U8(font.halfPoints);
    out.U8(font.family);
    out.U16(faceOf[i]);
    out.U8(font.red);
    out.U8(font.green);
    out.U8(font.blue);
    out.Zeros(3);  // background colour, unused
  }
  return std::move(out.bytes());
}

}  // namespace veldor::winhelp
