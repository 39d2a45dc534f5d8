// "Liste ID  Help": the numbered objects of the linked project, one line
// each. Nothing is changed.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace veldor {

class HelpIdListDialog : public QDialog {
  Q_OBJECT

 public:
  HelpIdListDialog(const std::vector<std::string>& lines, QWidget* parent = nullptr);
  QListWidget* list() const { return list_; }

 private:
  QListWidget* list_;
};

}  // namespace veldor
