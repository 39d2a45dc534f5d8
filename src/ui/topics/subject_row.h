// How a subject row of the subject list previews its subject: its font,
// colours, margins, frame and bars, image and action marker, and the row
// height that follows from them (at most 250 pixels).
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <cstdint>

class QPainter;
class QImage;

namespace veldor {
class CTypeEdit;
}

namespace veldor::ui {

inline constexpr int kMaxRowHeight = 250;
inline constexpr int kEmptyTextHeight = 20;
inline constexpr int kMarkerSize = 10;
inline constexpr int kSelectionBarWidth = 2;

QColor ColourOf(uint32_t rgb);  // 0x00BBGGRR
QFont FontOf(const CTypeEdit& subject);
// A margin in centimetres, in pixels (through twips, 15 to the pixel).
int MarginPixels(float centimetres);

struct RowColours {
  QColor window = Qt::white;     // the "main" help window's colour
  QColor nonScroll = Qt::white;  // and its non-scrolling region's
};

struct RowOptions {
  bool showMarkers = true;  // "Montre rappel"
  bool showImages = true;   // "Montre image"
  bool selected = false;
  RowColours colours;
};

// The rectangle the text is laid out in, for a row `rowWidth` wide.
QRect TextArea(const CTypeEdit& subject, int rowWidth, QSize image, int rowHeight);
// The height of a row: text or image, whichever is higher, plus 2 for a
// frame, at most 250; an empty text counts 20 pixels.
int RowHeight(const CTypeEdit& subject, int rowWidth, QSize image);

// Draws the row into `rect`; `image` may be null.
void PaintSubjectRow(QPainter& painter, const QRect& rect, const CTypeEdit& subject,
                     const QImage* image, const RowOptions& options);

}  // namespace veldor::ui
