#include "ui/topics/topic_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/settings_store.h"
#include "ui/app/ui_text.h"
#include "ui/topics/deleted_topics.h"
#include "ui/topics/word_search.h"

namespace veldor::ui {

std::optional<std::string> AskTopicName(QWidget* parent, const std::string& proposal) {
  QDialog dialog(parent);
  dialog.setWindowTitle("Topic déjà existant");
  auto* layout = new QVBoxLayout(&dialog);
  auto* label = new QLabel("Nom suggéré:", &dialog);
  auto* edit = new QLineEdit(FromModel(proposal), &dialog);
  edit->setAccessibleName("Nom suggéré:");
  label->setBuddy(edit);
  layout->addWidget(label);
  layout->addWidget(edit);
  auto* buttons = new QDialogButtonBox(&dialog);
  QPushButton* ok = buttons->addButton("Valider", QDialogButtonBox::AcceptRole);
  QPushButton* skip = buttons->addButton("Annuler coller", QDialogButtonBox::RejectRole);
  ok->setAccessibleName("Valider");
  skip->setAccessibleName("Annuler coller");
  ok->setDefault(true);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  edit->selectAll();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ToModel(edit->text());
}

NameAsker DialogNameAsker(QWidget* parent) {
  return [parent](const std::string& proposal) { return AskTopicName(parent, proposal); };
}

SearchDialog::SearchDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Saisie de la recherche");
  const WordSearchFields fields = LoadWordSearch(SettingsStore::Instance());
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel("Chaine à chercher", this);
  text_ = new QComboBox(this);
  text_->setEditable(true);
  text_->setInsertPolicy(QComboBox::NoInsert);
  text_->setAccessibleName("Chaine à chercher");
  for (const std::string& entry : fields.history) text_->addItem(FromModel(entry));
  text_->setMinimumWidth(260);
  label->setBuddy(text_);
  case_ = new QCheckBox("Distingue majuscule/minuscule", this);
  case_->setAccessibleName("Distingue majuscule/minuscule");
  case_->setChecked(fields.caseSensitive);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(label);
  layout->addWidget(text_);
  layout->addWidget(case_);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::string SearchDialog::text() const {
  return ToModel(text_->currentText());
}

bool SearchDialog::caseSensitive() const {
  return case_->isChecked();
}

DeletedTopicsDialog::DeletedTopicsDialog(CVeldorDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc) {
  setWindowTitle("Récupération de groupes détruits");
  auto* layout = new QHBoxLayout(this);
  list_ = new QListWidget(this);
  list_->setAccessibleName("Topics détruits");
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setMinimumWidth(300);
  layout->addWidget(list_);
  auto* column = new QVBoxLayout;
  auto button = [&](const char* text) {
    auto* b = new QPushButton(text, this);
    b->setAccessibleName(QString(text).remove('&'));
    column->addWidget(b);
    return b;
  };
  QPushButton* recover = button("&Récuperer");
  QPushButton* clearAll = button("&Vider la liste");
  QPushButton* destroy = button("&Supprimer Sélection");
  QPushButton* quit = button("&Quitter");
  column->addStretch();
  layout->addLayout(column);
  recover->setDefault(true);
  connect(recover, &QPushButton::clicked, this, [this] {
    const int n = RecoverDeletedTopics(doc_, SelectedRows(), DialogNameAsker(this));
    restored_ += n;
    if (n > 0) {
      accept();
    } else {
      Fill();
    }
  });
  connect(clearAll, &QPushButton::clicked, this, [this] {
    if (ClearDeletedTopics(doc_)) Fill();
  });
  connect(destroy, &QPushButton::clicked, this, [this] {
    DestroyDeletedTopics(doc_, SelectedRows());
    Fill();
  });
  connect(quit, &QPushButton::clicked, this, &QDialog::reject);
  Fill();
}

void DeletedTopicsDialog::Fill() {
  list_->clear();
  for (const std::string& row : DeletedTopicRows(doc_)) list_->addItem(FromModel(row));
}

std::vector<int> DeletedTopicsDialog::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows()) {
    rows.push_back(index.row());
  }
  return rows;
}

}  // namespace veldor::ui
