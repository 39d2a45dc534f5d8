// "Topic déjà existant": the name proposed for a pasted topic, which the
// author may edit ("Valider") or give up pasting ("Annuler coller").
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace veldor {

class TopicExistsDialog : public QDialog {
  Q_OBJECT

 public:
  TopicExistsDialog(const std::string& proposal, QWidget* parent = nullptr);
  std::string name() const;
  QLineEdit* nameField() const { return name_; }

 private:
  QLineEdit* name_;
};

}  // namespace veldor
