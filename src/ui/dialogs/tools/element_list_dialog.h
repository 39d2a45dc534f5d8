// The element list dialog ("Edition d'éléments") of the group markers and
// buttons.
#pragma once

#include <QDialog>

#include "ui/dialogs/rules/element_list.h"

class QListWidget;

namespace veldor {

class ElementListDialog : public QDialog {
  Q_OBJECT

 public:
  // `title`: "Edition Marqueur" or "Edition Bouton".
  ElementListDialog(const QString& title, QWidget* parent = nullptr);

  const ElementList& elements() const { return elements_; }
  QListWidget* list() const { return list_; }

 private:
  void showList(int select);
  void add();
  void edit();
  void remove();
  // The one-line text dialog ("Edition", "Edition texte"); "" when cancelled.
  std::string askText(const std::string& start);

  ElementList elements_;
  QListWidget* list_;
};

}  // namespace veldor
