#include "ui/dialogs/exchange/help_id_list_dialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/common/dialog_parts.h"

namespace veldor {

HelpIdListDialog::HelpIdListDialog(const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Liste ID  Help"));
  list_ = Named(new QListWidget(this), QStringLiteral("Liste ID  Help"));
  FillList(list_, lines);
  list_->sortItems();
  auto* ok = MakeButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  resize(420, 360);
}

}  // namespace veldor
