// The small dialogs of the topic editor: the name question of pasting and
// recovering ("Topic déjà existant"), the word search ("Saisie de la
// recherche") and the recovery of deleted topics.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "ui/topics/topic_names.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace veldor {
class CVeldorDoc;
}

namespace veldor::ui {

// "Valider" gives the edited name, "Annuler coller" nothing.
std::optional<std::string> AskTopicName(QWidget* parent, const std::string& proposal);
// A NameAsker showing that dialog over `parent`.
NameAsker DialogNameAsker(QWidget* parent);

class SearchDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SearchDialog(QWidget* parent = nullptr);
  std::string text() const;  // Windows-1252
  bool caseSensitive() const;

 private:
  QComboBox* text_;
  QCheckBox* case_;
};

class DeletedTopicsDialog : public QDialog {
  Q_OBJECT
 public:
  DeletedTopicsDialog(CVeldorDoc& doc, QWidget* parent = nullptr);
  int restored() const { return restored_; }

 private:
  void Fill();
  std::vector<int> SelectedRows() const;
  CVeldorDoc& doc_;
  QListWidget* list_;
  int restored_ = 0;
};

}  // namespace veldor::ui
