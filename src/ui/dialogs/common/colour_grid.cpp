#include "ui/dialogs/common/colour_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace veldor {
namespace {
constexpr int kMargin = 3;
constexpr int kCellSize = 18;
}  // namespace

QColor ToQColor(uint32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

uint32_t FromQColor(const QColor& colour) {
  return Rgb(colour.red(), colour.green(), colour.blue());
}

ColourGrid::ColourGrid(ColourPalette::Kind kind, const QString& accessibleName, QWidget* parent)
    : QWidget(parent), palette_(kind) {
  setAccessibleName(accessibleName);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ColourGrid::setValue(uint32_t colour) {
  selectCell(palette_.CellOf(colour));
}

QRect ColourGrid::cellRect(int cell) const {
  const int columns = ColourPalette::kColumns;
  const int cellWidth = std::max(4, (width() - 2 * kMargin) / columns);
  const int cellHeight = std::max(4, (height() - 2 * kMargin) / palette_.rows());
  return QRect(kMargin + (cell % columns) * cellWidth, kMargin + (cell / columns) * cellHeight,
               cellWidth, cellHeight);
}

QSize ColourGrid::sizeHint() const {
  return QSize(2 * kMargin + ColourPalette::kColumns * kCellSize,
               2 * kMargin + palette_.rows() * kCellSize);
}

QSize ColourGrid::minimumSizeHint() const {
  return sizeHint();
}

void ColourGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  for (int cell = 0; cell < palette_.count(); ++cell) {
    const QRect box = cellRect(cell).adjusted(1, 1, -1, -1);
    painter.fillRect(box, ToQColor(palette_.ColourAt(cell)));
    painter.setPen(Qt::darkGray);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
  }
  const QRect selected = cellRect(cell_);
  QPen pen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(Qt::black));
  pen.setWidth(2);
  painter.setPen(pen);
  painter.drawRect(selected.adjusted(0, 0, -1, -1));
}

void ColourGrid::mousePressEvent(QMouseEvent* event) {
  for (int cell = 0; cell < palette_.count(); ++cell) {
    if (cellRect(cell).contains(event->position().toPoint())) {
      selectCell(cell);
      return;
    }
  }
}

void ColourGrid::keyPressEvent(QKeyEvent* event) {
  int cell = cell_;
  switch (event->key()) {
    case Qt::Key_Left:
      --cell;
      break;
    case Qt::Key_Right:
      ++cell;
      break;
    case Qt::Key_Up:
      cell -= ColourPalette::kColumns;
      break;
    case Qt::Key_Down:
      cell += ColourPalette::kColumns;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  if (cell >= 0 && cell < palette_.count()) selectCell(cell);
}

void ColourGrid::selectCell(int cell) {
  if (cell == cell_) {
    update();
    return;
  }
  cell_ = cell;
  update();
  emit valueChanged(value());
}

}  // namespace veldor
