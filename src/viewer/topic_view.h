// One place that shows a topic: its non-scrolling region above the
// scrolling text. Used by the main window, the secondary windows and the
// pop-ups; anchors clicked are reported with linkActivated.
#pragma once

#include <QTextBrowser>
#include <QWidget>

#include "hlpfile/help_document.h"

namespace veldor::viewer {

class TopicView : public QWidget {
  Q_OBJECT
 public:
  explicit TopicView(QWidget* parent = nullptr);
  void ShowTopic(const hlp::HelpDocument& document, int topic);
  void SetBackgrounds(const QColor& scrolling, const QColor& nonScrolling);
  QTextDocument* scrollingDocument() const { return scrolling_->document(); }
  QTextDocument* nonScrollingDocument() const { return nonScrolling_->document(); }
  QTextBrowser* scrollingBrowser() const { return scrolling_; }
  QTextBrowser* nonScrollingBrowser() const { return nonScrolling_; }

 signals:
  void linkActivated(const QString& href);

 private:
  QTextBrowser* nonScrolling_;
  QTextBrowser* scrolling_;
};

}  // namespace veldor::viewer
