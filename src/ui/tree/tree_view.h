// ProjectTreeView: draws a ProjectTree and passes it the pointer, the keys
// and the scroll bars. Every decision lives in ProjectTree.
#pragma once

#include <QAbstractScrollArea>
#include <QFont>
#include <QPixmap>
#include <QString>

#include "ui/tree/project_tree.h"

namespace veldor {

class ProjectTreeView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit ProjectTreeView(QWidget* parent = nullptr);

  ProjectTree& tree() { return tree_; }
  // Call after the tree's elements changed: scroll ranges and drawing.
  void TreeChanged();
  TreeTextMetrics Metrics() const;

 signals:
  // A node was double-clicked: the topic it stands for (Windows-1252).
  void topicActivated(const std::string& topicName);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void SyncScrollBars();
  void SelectionMayHaveChanged();

  ProjectTree tree_;
  QFont labelFont_;
  QPixmap images_;
  bool syncing_ = false;
};

}  // namespace veldor
