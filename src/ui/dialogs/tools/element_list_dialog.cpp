#include "ui/dialogs/tools/element_list_dialog.h"

#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/qt_text.h"

namespace veldor {

ElementListDialog::ElementListDialog(const QString& title, QWidget* parent) : QDialog(parent) {
  setWindowTitle(title);
  list_ = new QListWidget(this);
  auto* add = MakeButton(QStringLiteral("&Ajouter"), this);
  auto* remove = MakeButton(QStringLiteral("&Supprimer"), this);
  auto* edit = MakeButton(QStringLiteral("&Editer"), this);
  auto* ok = MakeButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  auto* cancel = MakeButton(QStringLiteral("Cancel"), this);
  auto* side = new QVBoxLayout;
  for (QPushButton* button : {add, remove, edit}) side->addWidget(button);
  side->addStretch();
  side->addWidget(ok);
  side->addWidget(cancel);
  auto* column = new QVBoxLayout;
  column->addWidget(LabelFor(QStringLiteral("Liste des marqueurs"), list_, this));
  column->addWidget(list_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(column, 1);
  layout->addLayout(side);
  connect(add, &QPushButton::clicked, this, &ElementListDialog::add);
  connect(edit, &QPushButton::clicked, this, &ElementListDialog::edit);
  connect(list_, &QListWidget::itemDoubleClicked, this, &ElementListDialog::edit);
  connect(remove, &QPushButton::clicked, this, &ElementListDialog::remove);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  showList(0);
}

void ElementListDialog::showList(int select) {
  FillList(list_, elements_.entries());
  if (select >= 0 && select < list_->count()) list_->setCurrentRow(select);
}

std::string ElementListDialog::askText(const std::string& start) {
  QInputDialog ask(this);
  ask.setWindowTitle(windowTitle());
  ask.setLabelText(QStringLiteral("Edition texte"));
  ask.setTextValue(FromModel(start));
  ask.setAccessibleName(QStringLiteral("Edition"));
  if (ask.exec() != QDialog::Accepted) return "";
  return ToModel(ask.textValue());
}

void ElementListDialog::add() {
  showList(elements_.Add(askText(""), list_->currentRow()));
}

void ElementListDialog::edit() {
  const int row = list_->currentRow();
  if (row < 0) return;
  showList(elements_.Edit(row, askText(elements_.entries()[static_cast<size_t>(row)])));
}

void ElementListDialog::remove() {
  showList(elements_.Remove(list_->currentRow()));
}

}  // namespace veldor
