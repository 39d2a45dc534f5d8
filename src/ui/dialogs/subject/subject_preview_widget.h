// The subject dialog's preview: the subject text in its font, colour and
// alignment, and for an image subject its picture at the top right.
#pragma once

#include <QImage>
#include <QWidget>

namespace veldor {

class SubjectPreviewWidget : public QWidget {
  Q_OBJECT

 public:
  explicit SubjectPreviewWidget(QWidget* parent = nullptr);

  void setText(const QString& text);
  void setTextFont(const QFont& font);
  void setTextColour(const QColor& colour);
  void setAlignment(int alignment);  // 0 left, 1 right, 2 centred
  // An image subject's picture file ("" for none); others pass imageSubject false.
  void setImage(bool imageSubject, const QString& path);

  int alignment() const { return alignment_; }
  bool hasImage() const { return !image_.isNull(); }
  QRect imageRect() const;
  QSize sizeHint() const override;

 signals:
  void bitmapEditorRequested();
  void hotspotEditorRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QString text_;
  QFont font_;
  QColor colour_ = Qt::black;
  int alignment_ = 0;
  bool imageSubject_ = false;
  QImage image_;
};

}  // namespace veldor
