#include "ui/topics/subject_row.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "model/subject.h"
#include "ui/app/ui_text.h"

namespace veldor::ui {

namespace {

constexpr double kTwipsPerCentimetre = 566.93;
constexpr int kTwipsPerPixel = 15;

int AlignmentFlags(const CTypeEdit& s) {
  switch (s.alignment) {
    case 1:
      return Qt::AlignRight;
    case 2:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

bool Framed(const CTypeEdit& s) {
  return (s.flags & kFlagBox) != 0;
}

QString DisplayText(const CTypeEdit& s) {
  return FromModel(s.GetText());
}

// The left edge of the text once an image has taken its place.
int ImageIndent(QSize image, int rowWidth) {
  if (image.isEmpty()) return 0;
  return std::min(image.width(), rowWidth / 2);
}

void DrawMarker(QPainter& p, int x, int y, int action) {
  const QRect box(x, y, kMarkerSize, kMarkerSize);
  p.save();
  p.setPen(Qt::black);
  switch (action) {
    case kActionSaut:  // an arrow
      p.fillRect(box, QColor(0, 160, 0));
      p.setPen(Qt::white);
      p.drawLine(x + 2, y + 5, x + 8, y + 5);
      p.drawLine(x + 5, y + 2, x + 8, y + 5);
      p.drawLine(x + 5, y + 8, x + 8, y + 5);
      break;
    case kActionSon:  // a note
      p.fillRect(box, QColor(0, 0, 200));
      p.setPen(Qt::white);
      p.drawLine(x + 6, y + 2, x + 6, y + 7);
      p.drawEllipse(QRect(x + 2, y + 6, 4, 3));
      break;
    case kActionPopup:  // a small window
      p.fillRect(box, QColor(200, 120, 0));
      p.setPen(Qt::white);
      p.drawRect(QRect(x + 2, y + 2, 6, 6));
      break;
    default:
      break;
  }
  p.restore();
}

}  // namespace

QColor ColourOf(uint32_t rgb) {
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>((rgb >> 16) & 0xFF));
}

QFont FontOf(const CTypeEdit& s) {
  QFont font(FromModel(s.style.faceName.empty() ? std::string("MS Sans Serif") : s.style.faceName));
  font.setPointSize(s.style.pointSize > 0 ? s.style.pointSize : 10);
  font.setBold(s.style.weight >= 600);
  font.setItalic(s.style.italic != 0);
  font.setUnderline(s.style.underline != 0);
  font.setStrikeOut(s.style.strikeOut != 0);
  return font;
}

int MarginPixels(float centimetres) {
  const int twips = static_cast<int>(centimetres * kTwipsPerCentimetre);
  return std::max(0, twips / kTwipsPerPixel);
}

QRect TextArea(const CTypeEdit& s, int rowWidth, QSize image, int rowHeight) {
  int left = MarginPixels(s.leftMargin) + ImageIndent(image, rowWidth);
  int right = rowWidth - MarginPixels(s.rightMargin);
  int top = 0;
  int bottom = rowHeight;
  if (Framed(s)) {
    ++left;
    --right;
    ++top;
    --bottom;
  }
  if (s.flags & kFlagVerticalBar) ++left;
  if (s.flags & kFlagRuleAbove) ++top;
  if (s.flags & kFlagRuleBelow) --bottom;
  if (right - left < 10) right = left + 10;  // a narrow row still shows something
  return QRect(QPoint(left, top), QPoint(right - 1, std::max(top, bottom - 1)));
}

int RowHeight(const CTypeEdit& s, int rowWidth, QSize image) {
  int textHeight = kEmptyTextHeight;
  const QString text = DisplayText(s);
  if (!text.isEmpty()) {
    const QRect area = TextArea(s, rowWidth, image, kMaxRowHeight);
    const QFontMetrics metrics(FontOf(s));
    textHeight = metrics
                     .boundingRect(QRect(0, 0, area.width(), 100000),
                                   AlignmentFlags(s) | Qt::TextWordWrap, text)
                     .height();
  }
  int height = std::max(textHeight, image.isEmpty() ? 0 : image.height());
  if (Framed(s)) height += 2;
  return std::clamp(height, 1, kMaxRowHeight);
}

void PaintSubjectRow(QPainter& p, const QRect& rect, const CTypeEdit& s, const QImage* image,
                     const RowOptions& options) {
  p.save();
  p.setClipRect(rect);
  const bool nonScroll = (s.flags & kFlagNonScroll) != 0;
  QColor background = nonScroll ? options.colours.nonScroll : options.colours.window;
  QColor ink = ColourOf(s.colour);
  if (options.selected) {
    background = QColor(255 - background.red(), 255 - background.green(), 255 - background.blue());
    ink = QColor(255 - ink.red(), 255 - ink.green(), 255 - ink.blue());
  }
  p.fillRect(rect, background);

  const QSize imageSize = image && !image->isNull() ? image->size() : QSize();
  QRect area = TextArea(s, rect.width(), imageSize, rect.height()).translated(rect.topLeft());
  if (!imageSize.isEmpty()) {
    p.drawImage(QPoint(rect.left() + MarginPixels(s.leftMargin), rect.top()), *image);
  }
  p.setPen(ink);
  p.setFont(FontOf(s));
  p.drawText(area, AlignmentFlags(s) | Qt::TextWordWrap, DisplayText(s));

  p.setPen(ink);
  const int left = rect.left() + MarginPixels(s.leftMargin);
  const int right = rect.right() - MarginPixels(s.rightMargin);
  if (Framed(s)) p.drawRect(QRect(QPoint(left, rect.top()), QPoint(right, rect.bottom())));
  if (s.flags & kFlagVerticalBar) p.drawLine(left, rect.top(), left, rect.bottom());
  if (s.flags & kFlagRuleAbove) p.drawLine(left, rect.top(), right, rect.top());
  if (s.flags & kFlagRuleBelow) p.drawLine(left, rect.bottom(), right, rect.bottom());

  if (options.showMarkers && (s.typeCode == kTypeBitMap || s.typeCode == kTypeJump)) {
    DrawMarker(p, rect.left(), rect.top(), s.action);
  }
  if (options.selected) {
    p.fillRect(QRect(rect.left(), rect.top(), kSelectionBarWidth, rect.height()), Qt::red);
  }
  p.restore();
}

}  // namespace veldor::ui
