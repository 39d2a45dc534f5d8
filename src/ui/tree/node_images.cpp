#include "ui/tree/node_images.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include "ui/tree/project_tree.h"

namespace veldor {

namespace {

constexpr int kW = ProjectTree::kImageWidth;
constexpr int kH = ProjectTree::kImageHeight;

void Frame(QPainter& painter, int left, const QColor& colour) {
  painter.fillRect(left, 0, kW, kH, QColor(40, 40, 48));
  painter.fillRect(left, 0, kW, 2, colour);
  painter.fillRect(left, kH - 2, kW, 2, colour);
  painter.fillRect(left, 0, 2, kH, colour);
  painter.fillRect(left + kW - 2, 0, 2, kH, colour);
}

void QuestionMarks(QPainter& painter, const QRect& area, int count) {
  QFont font(QStringLiteral("Sans Serif"));
  font.setPixelSize(13);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(255, 255, 0));
  painter.drawText(area, Qt::AlignCenter, QString(count, QLatin1Char('?')));
}

}  // namespace

QPixmap TreeNodeImageStrip() {
  QImage strip(2 * kW, kH, QImage::Format_RGB32);
  strip.fill(QColor(192, 192, 192));
  QPainter painter(&strip);

  Frame(painter, 0, QColor(0, 0, 255));
  QuestionMarks(painter, QRect(2, 2, kW - 4, kH - 4), 3);

  Frame(painter, kW, QColor(255, 0, 0));
  QuestionMarks(painter, QRect(kW + 2, 2, 10, kH - 4), 1);
  // The arrow points right: a shaft and a head.
  const QColor green(0, 200, 0);
  painter.fillRect(kW + 13, 8, 7, 4, green);
  painter.setPen(Qt::NoPen);
  painter.setBrush(green);
  painter.drawPolygon(QPolygon({QPoint(kW + 20, 4), QPoint(kW + 27, 10), QPoint(kW + 20, 15)}));
  painter.end();
  return QPixmap::fromImage(strip);
}

}  // namespace veldor
