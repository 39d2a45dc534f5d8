// The two palettes of the colour grid control: 16 colours in 2 rows of 8
// (text colours) and 48 colours in 6 rows of 8 (help-window colours).
// Colours are 0x00BBGGRR values, as the model stores them.
#pragma once

#include <cstdint>
#include <vector>

namespace veldor {

class ColourPalette {
 public:
  enum Kind { kSixteen, kFortyEight };
  static constexpr int kColumns = 8;

  explicit ColourPalette(Kind kind);

  Kind kind() const { return kind_; }
  int count() const { return static_cast<int>(colours_.size()); }
  int rows() const { return count() / kColumns; }
  uint32_t ColourAt(int cell) const;  // the first cell for a cell outside the grid
  // The cell a value selects: the first cell of that colour, or the first
  // cell when the palette lacks it.
  int CellOf(uint32_t colour) const;

 private:
  Kind kind_;
  std::vector<uint32_t> colours_;
};

// 0x00BBGGRR from red, green and blue.
constexpr uint32_t Rgb(int red, int green, int blue) {
  return static_cast<uint32_t>(red) | (static_cast<uint32_t>(green) << 8) |
         (static_cast<uint32_t>(blue) << 16);
}

}  // namespace veldor
