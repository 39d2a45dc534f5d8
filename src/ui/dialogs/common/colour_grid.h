// The colour grid control: the cells of a palette drawn in a frame; a click
// selects the cell under the pointer and the selected cell's colour is the
// value.
#pragma once

#include <QWidget>
#include <cstdint>

#include "ui/dialogs/rules/colour_palette.h"

namespace veldor {

class ColourGrid : public QWidget {
  Q_OBJECT

 public:
  ColourGrid(ColourPalette::Kind kind, const QString& accessibleName, QWidget* parent = nullptr);

  uint32_t value() const { return palette_.ColourAt(cell_); }
  // Selects the first cell of that colour, or the first cell.
  void setValue(uint32_t colour);
  int selectedCell() const { return cell_; }
  // The rectangle of a cell inside the widget.
  QRect cellRect(int cell) const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void valueChanged(uint32_t colour);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void selectCell(int cell);

  ColourPalette palette_;
  int cell_ = 0;
};

// A QColor from a 0x00BBGGRR value, and back.
QColor ToQColor(uint32_t colour);
uint32_t FromQColor(const QColor& colour);

}  // namespace veldor
