#include "viewer/topic_view.h"

#include <QScrollBar>
#include <QVBoxLayout>

#include "viewer/topic_renderer.h"

namespace veldor::viewer {

namespace {
QTextBrowser* MakeBrowser(QWidget* parent, const QString& name) {
  auto* browser = new QTextBrowser(parent);
  browser->setOpenLinks(false);
  browser->setOpenExternalLinks(false);
  browser->setAccessibleName(name);
  return browser;
}
}  // namespace

TopicView::TopicView(QWidget* parent) : QWidget(parent) {
  nonScrolling_ = MakeBrowser(this, QStringLiteral("Zone non défilante"));
  nonScrolling_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  nonScrolling_->setFrameShape(QFrame::NoFrame);
  scrolling_ = MakeBrowser(this, QStringLiteral("Texte de la rubrique"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(nonScrolling_);
  layout->addWidget(scrolling_, 1);
  for (QTextBrowser* browser : {nonScrolling_, scrolling_}) {
    connect(browser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { emit linkActivated(url.toString()); });
  }
}

void TopicView::ShowTopic(const hlp::HelpDocument& document, int topic) {
  RenderTopic(document, topic, *nonScrolling_->document(), *scrolling_->document());
  const bool hasTop = !nonScrolling_->document()->isEmpty();
  nonScrolling_->setVisible(hasTop);
  if (hasTop) {
    nonScrolling_->document()->setTextWidth(std::max(200, width()));
    nonScrolling_->setFixedHeight(static_cast<int>(nonScrolling_->document()->size().height()) + 4);
  }
  scrolling_->verticalScrollBar()->setValue(0);
}

void TopicView::SetBackgrounds(const QColor& scrolling, const QColor& nonScrolling) {
  QPalette palette = scrolling_->palette();
  palette.setColor(QPalette::Base, scrolling);
  scrolling_->setPalette(palette);
  palette = nonScrolling_->palette();
  palette.setColor(QPalette::Base, nonScrolling);
  nonScrolling_->setPalette(palette);
}

}  // namespace veldor::viewer
