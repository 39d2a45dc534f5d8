#include "ui/topics/topic_list_view.h"

#include <QContextMenuEvent>
#include <QMenu>

#include "ui/app/clipboards.h"
#include "ui/app/ui_text.h"
#include "ui/topics/topic_editor_view.h"

namespace veldor::ui {

TopicListView::TopicListView(TopicEditorView& editor, QWidget* parent)
    : QListWidget(parent), editor_(editor) {
  setObjectName("topicList");
  setAccessibleName("Liste des topics");
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true);
  connect(&editor_, &TopicEditorView::topicsListed, this, &TopicListView::Fill);
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { editor_.ShowTopic(ToModel(item->text()), false, -1); });
  Fill();
}

void TopicListView::Fill() {
  clear();
  QStringList names;
  for (const std::string& n : editor_.model().topicNames()) names << FromModel(n);
  addItems(names);
}

std::vector<std::string> TopicListView::SelectedNames() const {
  std::vector<std::string> names;
  for (const QListWidgetItem* item : selectedItems()) names.push_back(ToModel(item->text()));
  return names;
}

void TopicListView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copy = menu.addAction("Copier");
  QAction* cut = menu.addAction("Couper");
  QAction* paste = menu.addAction("Coller");
  const bool any = !selectedItems().isEmpty();
  copy->setEnabled(any);
  cut->setEnabled(any);
  paste->setEnabled(SharedClipboards().topics.Count() > 0);
  QAction* chosen = menu.exec(event->globalPos());
  if (chosen == copy) {
    editor_.model().CopyTopics(SelectedNames(), SharedClipboards().topics);
    emit editor_.changed();
  } else if (chosen == cut) {
    if (editor_.model().DeleteTopics(SelectedNames())) editor_.Refresh();
  } else if (chosen == paste) {
    editor_.PasteTopic();
  }
}

}  // namespace veldor::ui
