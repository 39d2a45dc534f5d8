#include "ui/dialogs/options/directory_chooser_dialog.h"

#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/common/dialog_parts.h"

namespace veldor {

DirectoryChooserDialog::DirectoryChooserDialog(const std::string& start, QWidget* parent)
    : QDialog(parent), browser_(start) {
  setWindowTitle(QStringLiteral("Selection du chemin"));
  list_ = Named(new QListWidget(this), QStringLiteral("Répertoires"));
  path_ = new QLabel(this);
  path_->setAccessibleName(QStringLiteral("Répertoire choisi:"));
  auto* create = MakeButton(QStringLiteral("Créer répertoire"), this);
  auto* choose = MakeButton(QStringLiteral("&Choisir"), this);
  choose->setDefault(true);
  auto* cancel = MakeButton(QStringLiteral("&Annuler"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(create);
  buttons->addStretch();
  buttons->addWidget(choose);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Répertoire choisi:"), this));
  layout->addWidget(path_);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  connect(list_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { openEntry(item->text()); });
  connect(create, &QPushButton::clicked, this, &DirectoryChooserDialog::createDirectory);
  connect(choose, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  refresh();
}

void DirectoryChooserDialog::refresh() {
  list_->clear();
  for (const std::string& entry : browser_.Entries()) {
    list_->addItem(QString::fromStdString(entry));
  }
  path_->setText(QString::fromStdString(browser_.current()));
}

void DirectoryChooserDialog::openEntry(const QString& entry) {
  if (browser_.Open(entry.toStdString())) refresh();
}

void DirectoryChooserDialog::createDirectory() {
  QInputDialog ask(this);
  ask.setWindowTitle(QStringLiteral("Créer un répertoire"));
  ask.setLabelText(QStringLiteral("Nouveau répertoire"));
  ask.setOkButtonText(QStringLiteral("Créer"));
  ask.setCancelButtonText(QStringLiteral("Cancel"));
  if (ask.exec() != QDialog::Accepted) return;
  if (browser_.Create(ask.textValue().left(kNewDirectoryNameLength).toStdString())) refresh();
}

std::optional<std::string> ChooseDirectory(QWidget* parent, const std::string& start) {
  DirectoryChooserDialog dialog(start, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.current();
}

}  // namespace veldor
