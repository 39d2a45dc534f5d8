// The style choice of the subject dialog ("&Style"): a font with its size
// and attributes, and the text colour from the 16-colour grid.
#pragma once

#include <QDialog>

#include "model/type_font.h"

class QFontDialog;

namespace veldor {

class ColourGrid;

class StyleDialog : public QDialog {
  Q_OBJECT

 public:
  StyleDialog(const CTypeFont& style, uint32_t colour, QWidget* parent = nullptr);

  const CTypeFont& style() const { return style_; }
  uint32_t colour() const;
  QFontDialog* fontChooser() const { return fonts_; }
  ColourGrid* colourGrid() const { return colours_; }

  void accept() override;

 private:
  CTypeFont style_;
  QFontDialog* fonts_;
  ColourGrid* colours_;
};

// The Qt font of a subject style (the face, size and attributes it holds).
QFont FontOfStyle(const CTypeFont& style);

}  // namespace veldor
