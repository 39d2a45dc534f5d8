#include "ui/dialogs/rules/colour_palette.h"

#include <algorithm>

namespace veldor {
namespace {

const std::vector<uint32_t>& SixteenColours() {
  static const std::vector<uint32_t> colours = {
      Rgb(255, 255, 255), Rgb(0, 255, 255), Rgb(255, 0, 0),   Rgb(255, 255, 0),
      Rgb(192, 192, 192), Rgb(0, 128, 128), Rgb(128, 0, 0),   Rgb(128, 128, 0),
      Rgb(128, 128, 128), Rgb(0, 0, 255),   Rgb(255, 0, 255), Rgb(0, 255, 0),
      Rgb(0, 0, 0),       Rgb(0, 0, 128),   Rgb(128, 0, 128), Rgb(0, 128, 0)};
  return colours;
}

const std::vector<uint32_t>& FortyEightColours() {
  static const std::vector<uint32_t> colours = {
      Rgb(255, 255, 255), Rgb(255, 192, 192), Rgb(255, 224, 192), Rgb(255, 255, 224),
      Rgb(192, 255, 192), Rgb(192, 255, 255), Rgb(192, 192, 255), Rgb(255, 192, 255),
      Rgb(224, 224, 224), Rgb(255, 128, 128), Rgb(255, 192, 128), Rgb(255, 255, 128),
      Rgb(128, 255, 128), Rgb(128, 255, 255), Rgb(128, 128, 255), Rgb(255, 128, 255),
      Rgb(192, 192, 192), Rgb(255, 0, 0),     Rgb(255, 128, 0),   Rgb(255, 255, 0),
      Rgb(0, 255, 0),     Rgb(0, 255, 255),   Rgb(0, 0, 255),     Rgb(255, 0, 255),
      Rgb(128, 128, 128), Rgb(192, 0, 0),     Rgb(192, 64, 0),    Rgb(192, 192, 0),
      Rgb(0, 192, 0),     Rgb(0, 192, 192),   Rgb(0, 0, 192),     Rgb(192, 0, 192),
      Rgb(64, 64, 64),    Rgb(128, 0, 0),     Rgb(128, 64, 0),    Rgb(128, 128, 0),
      Rgb(0, 128, 0),     Rgb(0, 128, 128),   Rgb(0, 0, 128),     Rgb(128, 0, 128),
      Rgb(0, 0, 0),       Rgb(64, 0, 0),      Rgb(128, 64, 64),   Rgb(64, 64, 0),
      Rgb(0, 64, 0),      Rgb(0, 64, 64),     Rgb(0, 0, 64),      Rgb(64, 0, 64)};
  return colours;
}

}  // namespace

ColourPalette::ColourPalette(Kind kind)
    : kind_(kind), colours_(kind == kSixteen ? SixteenColours() : FortyEightColours()) {}

uint32_t ColourPalette::ColourAt(int cell) const {
  if (cell < 0 || cell >= count()) cell = 0;
  return colours_[static_cast<size_t>(cell)];
}

int ColourPalette::CellOf(uint32_t colour) const {
  const auto found = std::find(colours_.begin(), colours_.end(), colour & 0xFFFFFFu);
  return found == colours_.end() ? 0 : static_cast<int>(found - colours_.begin());
}

}  // namespace veldor
