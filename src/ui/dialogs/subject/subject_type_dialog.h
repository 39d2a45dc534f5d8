// The subject type choice ("Choix du type de sujet"): one row "%d,%s" per
// subject type, the first preselected.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace veldor {

class SubjectTypeDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SubjectTypeDialog(QWidget* parent = nullptr);
  // The selected type code once accepted.
  int selectedType() const;
  QListWidget* list() const { return list_; }

 private:
  QListWidget* list_;
};

// The rows of the list, by type code 0 to 5 (UTF-8).
std::vector<std::string> SubjectTypeRows();

}  // namespace veldor
