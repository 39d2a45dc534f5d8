// TreeWindow ("Arbre"): the floating window that shows how the topics of a
// project link from its contents topic.
//
// How a project window uses it:
//   - "Arbre" (menu "Fe&nêtres"): if no tree window is open for this project
//     window, create `new TreeWindow(doc, projectWindow)` (it floats, deletes
//     itself when closed, builds its tree and opens every node) and show it;
//     keep it in a QPointer<TreeWindow> and grey "Arbre" while it is set.
//   - connect `showTopicRequested(int topicIndex, QString topicName)` to the
//     topic editor's show-topic operation (select the topic and its chapter);
//     `topicIndex` is -1 when the topic no longer exists.
//   - connect `closed()` to re-enable "Arbre" (the QPointer clears itself).
//   - `refresh()` and `openAll()` are the window's "&Rafraichir" and
//     "&Ouvre tout"; the tree never follows edits by itself.
// The window reads the document only while it builds its tree (when created
// and on refresh); it keeps no pointer into the topics.
#pragma once

#include <QMainWindow>
#include <QString>

namespace veldor {

class CVeldorDoc;
class ProjectTreeView;

class TreeWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit TreeWindow(CVeldorDoc& doc, QWidget* projectWindow = nullptr);

  ProjectTreeView* view() const { return view_; }

 public slots:
  // Discards the tree and builds it again from the project.
  void refresh();
  // Opens every node.
  void openAll();

 signals:
  // A node was double-clicked: show this topic in the topic editor.
  void showTopicRequested(int topicIndex, const QString& topicName);
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  CVeldorDoc& doc_;
  ProjectTreeView* view_ = nullptr;
};

}  // namespace veldor
