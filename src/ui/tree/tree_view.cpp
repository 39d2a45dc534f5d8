#include "ui/tree/tree_view.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScrollBar>

#include "platform/codepage.h"
#include "ui/tree/node_images.h"

namespace veldor {

namespace {

const QColor kBackground(192, 192, 192);
const QColor kBoxFill(224, 224, 224);
const QColor kLabel(0, 0, 200);
const QColor kSelectedLabel(255, 0, 0);
const QColor kFrame(0, 0, 255);

QString Text(const std::string& cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QRect ToQRect(const TreeRect& r) {
  return QRect(r.left, r.top, r.Width(), r.Height());
}

// A frame `width` pixels wide inside the rectangle.
void FillFrame(QPainter& painter, const TreeRect& r, int width, const QColor& colour) {
  painter.fillRect(r.left, r.top, r.Width(), width, colour);
  painter.fillRect(r.left, r.bottom - width, r.Width(), width, colour);
  painter.fillRect(r.left, r.top, width, r.Height(), colour);
  painter.fillRect(r.right - width, r.top, width, r.Height(), colour);
}

}  // namespace

ProjectTreeView::ProjectTreeView(QWidget* parent)
    : QAbstractScrollArea(parent),
      labelFont_(QStringLiteral("Times New Roman")),
      images_(TreeNodeImageStrip()) {
  labelFont_.setPixelSize(16);
  labelFont_.setWeight(QFont::Medium);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QStringLiteral("Arbre de l'aide"));
  viewport()->setAutoFillBackground(false);
  horizontalScrollBar()->setPageStep(ProjectTree::kPageLevels);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setPageStep(ProjectTree::kPageRows);
  verticalScrollBar()->setSingleStep(1);
  tree_.SetClientSize(viewport()->width(), viewport()->height());
  SyncScrollBars();
}

TreeTextMetrics ProjectTreeView::Metrics() const {
  const QFontMetrics metrics(labelFont_);
  TreeTextMetrics result;
  result.height = metrics.height();
  result.width = [metrics](const std::string& label) {
    return metrics.horizontalAdvance(Text(label));
  };
  return result;
}

void ProjectTreeView::TreeChanged() {
  tree_.Rows();
  SyncScrollBars();
  SelectionMayHaveChanged();
  viewport()->update();
}

void ProjectTreeView::SyncScrollBars() {
  syncing_ = true;
  verticalScrollBar()->setRange(0, tree_.VerticalMaximum());
  verticalScrollBar()->setValue(tree_.FirstRow());
  horizontalScrollBar()->setRange(0, tree_.HorizontalMaximum());
  horizontalScrollBar()->setValue(tree_.HorizontalLevel());
  syncing_ = false;
}

void ProjectTreeView::SelectionMayHaveChanged() {
  const CEvElement* selected = tree_.Selected();
  setAccessibleDescription(selected != nullptr ? Text(selected->DisplayLabel()) : QString());
}

void ProjectTreeView::scrollContentsBy(int, int) {
  if (syncing_) return;
  tree_.SetFirstRow(verticalScrollBar()->value());
  tree_.SetHorizontalLevel(horizontalScrollBar()->value());
  viewport()->update();
}

void ProjectTreeView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  tree_.SetClientSize(viewport()->width(), viewport()->height());
  SyncScrollBars();
}

void ProjectTreeView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), kBackground);
  painter.setFont(labelFont_);
  const std::vector<TreeRowGeometry> rows = tree_.LayoutVisibleRows(Metrics());
  const QPen linePen(Qt::black, 1);
  for (const TreeRowGeometry& row : rows) {
    painter.setPen(linePen);
    for (const TreeLine& line : row.lines) painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    if (!row.box.IsEmpty()) {
      painter.fillRect(ToQRect(row.box), kBoxFill);
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(row.box.left, row.box.top, row.box.Width() - 1, row.box.Height() - 1);
      const int xc = (row.box.left + row.box.right - 1) / 2;
      const int yc = (row.box.top + row.box.bottom - 1) / 2;
      const int bar = ProjectTree::kBoxHalf - 3;
      painter.drawLine(xc - bar, yc, xc + bar, yc);
      if (row.plus) painter.drawLine(xc, yc - bar, xc, yc + bar);
    }
    painter.drawPixmap(row.image.left, row.image.top, images_,
                       row.element->imageIndex() * ProjectTree::kImageWidth, 0,
                       ProjectTree::kImageWidth, ProjectTree::kImageHeight);
    painter.setPen(row.element->IsSelected() ? kSelectedLabel : kLabel);
    painter.drawText(QRect(row.text.left, row.text.top, row.text.Width() + 2, row.text.Height()),
                     Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine,
                     Text(row.element->DisplayLabel()));
    if (!row.frame.IsEmpty()) FillFrame(painter, row.frame, 2, kFrame);
  }
}

void ProjectTreeView::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  bool redraw = false;
  if (event->button() == Qt::LeftButton) {
    redraw = tree_.LeftPress(p.x(), p.y(), Metrics());
  } else if (event->button() == Qt::RightButton) {
    redraw = tree_.RightPress(p.x(), p.y(), Metrics());
  }
  if (redraw) TreeChanged();
}

void ProjectTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  const std::optional<std::string> topic = tree_.DoubleClick(p.x(), p.y(), Metrics());
  if (!topic) return;
  TreeChanged();
  emit topicActivated(*topic);
}

void ProjectTreeView::keyPressEvent(QKeyEvent* event) {
  TreeKey key;
  switch (event->key()) {
    case Qt::Key_Up:
      key = TreeKey::Up;
      break;
    case Qt::Key_Down:
      key = TreeKey::Down;
      break;
    case Qt::Key_PageUp:
      key = TreeKey::PageUp;
      break;
    case Qt::Key_PageDown:
      key = TreeKey::PageDown;
      break;
    case Qt::Key_Left:
      key = TreeKey::Left;
      break;
    case Qt::Key_Right:
      key = TreeKey::Right;
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  if (tree_.Key(key)) {
    SyncScrollBars();
    viewport()->update();
  }
}

}  // namespace veldor
