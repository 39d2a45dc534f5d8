#include "ui/dialogs/subject/subject_type_dialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/subject.h"
#include "platform/codepage.h"
#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/rules/subject_exchange.h"

namespace veldor {

std::vector<std::string> SubjectTypeRows() {
  std::vector<std::string> rows;
  for (int type = 0; type < kSubjectTypeCount; ++type) {
    rows.push_back(Cp1252ToUtf8(SubjectRow(type, SubjectTypeDisplayName(type))));
  }
  return rows;
}

SubjectTypeDialog::SubjectTypeDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Choix du type de sujet"));
  list_ = Named(new QListWidget(this), QStringLiteral("Choix du type de sujet"));
  for (const std::string& row : SubjectTypeRows()) list_->addItem(QString::fromStdString(row));
  list_->setCurrentRow(0);
  auto* buttons = ConfirmButtons(this, QStringLiteral("&OK"), QStringLiteral("Annuler"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int SubjectTypeDialog::selectedType() const {
  return std::max(0, list_->currentRow());
}

}  // namespace veldor
