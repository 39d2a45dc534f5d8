// The |FONT internal file: face names and the font descriptors (face,
// size, attributes, colour) that the topic text switches between.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "winhelp/byte_writer.h"

namespace veldor::winhelp {

struct FontDescriptor {
  std::string face;
  uint8_t family = 3;  // 1 modern, 2 roman, 3 swiss, 4 script, 5 decorative
  uint8_t halfPoints = 20;
  bool bold = false, italic = false, underline = false, strike = false, smallCaps = false;
  uint8_t red = 0, green = 0, blue = 0;
  // Equal for equal descriptors.
  std::string Key() const;
};

// The family byte of a font table family name ("roman", "swiss"...).
uint8_t FontFamilyCode(const std::string& rtfFamily);

class FontTable {
 public:
  // The number of the descriptor, added when new.
  uint16_t Descriptor(const FontDescriptor& font);
  size_t size() const { return descriptors_.size(); }
  Bytes Build() const;

 private:
  std::vector<FontDescriptor> descriptors_;
  std::map<std::string, uint16_t> index_;
};

}  // namespace veldor::winhelp
