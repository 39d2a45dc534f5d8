// The topic list pane: the sorted names of the current chapter's topics
// (the same as the topic selector), multiple selection, and its menu
// "Copier", "Couper", "Coller".
#pragma once

#include <QListWidget>

namespace veldor::ui {

class TopicEditorView;

class TopicListView : public QListWidget {
  Q_OBJECT
 public:
  TopicListView(TopicEditorView& editor, QWidget* parent = nullptr);
  // Takes the names from the topic editor.
  void Fill();
  std::vector<std::string> SelectedNames() const;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  TopicEditorView& editor_;
};

}  // namespace veldor::ui
