#include "ui/dialogs/subject/subject_preview_widget.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "ui/dialogs/rules/subject_preview.h"

namespace veldor {

SubjectPreviewWidget::SubjectPreviewWidget(QWidget* parent) : QWidget(parent) {
  setAccessibleName(QStringLiteral("Aperçu"));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  setPalette(colours);
  setMinimumHeight(80);
}

QSize SubjectPreviewWidget::sizeHint() const {
  return QSize(420, 110);
}

void SubjectPreviewWidget::setText(const QString& text) {
  text_ = text;
  update();
}

void SubjectPreviewWidget::setTextFont(const QFont& font) {
  font_ = font;
  update();
}

void SubjectPreviewWidget::setTextColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void SubjectPreviewWidget::setAlignment(int alignment) {
  alignment_ = alignment;
  update();
}

void SubjectPreviewWidget::setImage(bool imageSubject, const QString& path) {
  imageSubject_ = imageSubject;
  image_ = QImage();
  if (imageSubject && !path.isEmpty()) image_.load(path);
  update();
}

QRect SubjectPreviewWidget::imageRect() const {
  if (image_.isNull()) return QRect();
  const PreviewBox box = ImageBoxInPreview(width(), height(), image_.width(), image_.height());
  return QRect(box.x, box.y, box.width, box.height);
}

void SubjectPreviewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font_);
  painter.setPen(colour_);
  const int flags[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
  const int horizontal = flags[alignment_ >= 0 && alignment_ <= 2 ? alignment_ : 0];
  const QRect textArea(4, 2, PreviewTextWidth(width(), imageSubject_) - 8, height() - 4);
  painter.drawText(textArea, horizontal | Qt::AlignTop | Qt::TextWordWrap, text_);
  if (!image_.isNull()) painter.drawImage(imageRect(), image_);
}

void SubjectPreviewWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (!imageSubject_) return;
  QMenu menu(this);
  QAction* bitmap = menu.addAction(QStringLiteral("Editeur de Bitmap"));
  QAction* hotspot = menu.addAction(QStringLiteral("Editeur de hotspot"));
  QAction* chosen = menu.exec(event->globalPos());
  if (chosen == bitmap) emit bitmapEditorRequested();
  if (chosen == hotspot) emit hotspotEditorRequested();
}

}  // namespace veldor
