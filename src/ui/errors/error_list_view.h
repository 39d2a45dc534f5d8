// The error list pane of a project window: compiler messages, build
// problems and search results; a double-click leads to the topic.
#pragma once

#include <QListWidget>

namespace veldor {
class CErrorList;
}

namespace veldor::ui {

class ErrorListView : public QListWidget {
  Q_OBJECT
 public:
  explicit ErrorListView(QWidget* parent = nullptr);
  // Shows the lines of `errors` (Windows-1252).
  void ShowLines(const CErrorList& errors);

 signals:
  void lineActivated(int row);
};

}  // namespace veldor::ui
