#include "ui/dialogs/exchange/text_import_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "exchange/text_import.h"
#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/file_choosers.h"
#include "ui/dialogs/common/qt_text.h"
#include "ui/dialogs/rules/exchange_commands.h"

namespace veldor {

TextImportDialog::TextImportDialog(SettingsStore& store, QWidget* parent)
    : QDialog(parent), store_(store) {
  setWindowTitle(QStringLiteral("Importe fichier Texte"));
  const ImportTags tags = LoadImportTags(store);
  file_ = new QLineEdit(FromModel(tags.fileName), this);
  page_ = new QLineEdit(FromModel(tags.pageTag), this);
  name_ = new QLineEdit(FromModel(tags.nameTag), this);
  name_->setMaxLength(static_cast<int>(kMaxImportTagLength));
  title_ = new QLineEdit(FromModel(tags.titleTag), this);
  title_->setMaxLength(static_cast<int>(kMaxImportTagLength));
  auto* browse = MakeButton(QStringLiteral("..."), this);
  browse->setAccessibleName(QStringLiteral("Parcourir"));
  auto* grid = new QGridLayout;
  int row = 0;
  for (auto [label, field] : {std::pair<const char*, QLineEdit*>{"Nom Fichier", file_},
                              {"Balise de page", page_},
                              {"Balise de nom", name_},
                              {"Balise de titre", title_}}) {
    grid->addWidget(LabelFor(QString::fromUtf8(label), field, this), row, 0);
    grid->addWidget(field, row++, 1);
  }
  grid->addWidget(browse, 0, 2);
  auto* buttons = ConfirmButtons(this, QStringLiteral("&Importer"), QStringLiteral("&Annuler"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  connect(browse, &QPushButton::clicked, this, [this] {
    if (auto chosen = ChooseFileToOpen(this, TextImportChooser(file_->text().toStdString()))) {
      file_->setText(QString::fromStdString(*chosen));
    }
  });
}

ImportTags TextImportDialog::tags() const {
  ImportTags tags;
  tags.fileName = ToModel(file_->text());
  tags.pageTag = ToModel(page_->text());
  tags.nameTag = ToModel(name_->text());
  tags.titleTag = ToModel(title_->text());
  return tags;
}

void TextImportDialog::accept() {
  if (StoreTextImportFields(store_, tags())) QDialog::accept();
}

}  // namespace veldor
