#include "ui/dialogs/topic/topic_exists_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/qt_text.h"

namespace veldor {

TopicExistsDialog::TopicExistsDialog(const std::string& proposal, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Topic déjà existant"));
  name_ = new QLineEdit(FromModel(proposal), this);
  auto* ok = MakeButton(QStringLiteral("Valider"), this);
  ok->setDefault(true);
  auto* cancel = MakeButton(QStringLiteral("Annuler coller"), this);
  auto* row = new QHBoxLayout;
  row->addWidget(LabelFor(QStringLiteral("Nom suggéré:"), name_, this));
  row->addWidget(name_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::string TopicExistsDialog::name() const {
  return ToModel(name_->text());
}

}  // namespace veldor
