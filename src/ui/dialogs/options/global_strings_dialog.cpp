#include "ui/dialogs/options/global_strings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/document.h"
#include "model/subject.h"
#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/file_choosers.h"
#include "ui/dialogs/common/qt_text.h"
#include "ui/dialogs/rules/subject_form.h"

namespace veldor {

GlobalStringsDialog::GlobalStringsDialog(CVeldorDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), editor_(doc) {
  setWindowTitle(QStringLiteral("Choix des textes globaux"));
  list_ = Named(new QListWidget(this), QStringLiteral("Textes globaux"));
  text_ = new QLineEdit(this);
  action_ = new QComboBox(this);
  for (int action = 0; action < kActionCount; ++action) action_->addItem(ActionName(action));
  target_ = new QComboBox(this);
  window_ = new QComboBox(this);
  file_ = new QLineEdit(this);
  fileBrowse_ = MakeButton(QStringLiteral("..."), this);
  fileBrowse_->setAccessibleName(QStringLiteral("Parcourir son"));
  caseSensitive_ = Named(new QCheckBox(QStringLiteral("Distingue Maj/Min"), this),
                         QStringLiteral("Distingue Maj/Min"));
  keepColour_ = Named(new QCheckBox(QStringLiteral("Couleur courante"), this),
                      QStringLiteral("Couleur courante"));
  auto* grid = new QGridLayout;
  grid->addWidget(LabelFor(QStringLiteral("Chaine globale"), text_, this), 0, 0);
  grid->addWidget(text_, 0, 1);
  grid->addWidget(LabelFor(QStringLiteral("Type du lien"), action_, this), 1, 0);
  grid->addWidget(action_, 1, 1);
  targetLabel_ = LabelFor(QStringLiteral("Groupe"), target_, this);
  grid->addWidget(targetLabel_, 2, 0);
  grid->addWidget(target_, 2, 1);
  windowLabel_ = LabelFor(QStringLiteral("Fenêtre"), window_, this);
  grid->addWidget(windowLabel_, 3, 0);
  grid->addWidget(window_, 3, 1);
  fileLabel_ = LabelFor(QString::fromUtf8(kSoundFileLabel), file_, this);
  grid->addWidget(fileLabel_, 4, 0);
  grid->addWidget(file_, 4, 1);
  grid->addWidget(fileBrowse_, 4, 2);
  grid->addWidget(caseSensitive_, 5, 0, 1, 2);
  grid->addWidget(keepColour_, 6, 0, 1, 2);

  auto* actions = new QVBoxLayout;
  QPushButton* add = MakeButton(QStringLiteral("&Ajouter"), this);
  QPushButton* modify = MakeButton(QStringLiteral("&Modifier"), this);
  QPushButton* remove = MakeButton(QStringLiteral("&Supprimer"), this);
  for (QPushButton* button : {add, modify, remove}) actions->addWidget(button);
  actions->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addWidget(list_);
  columns->addLayout(grid);
  columns->addLayout(actions);
  auto* buttons = ConfirmButtons(this, QStringLiteral("&OK"), QStringLiteral("&Cancel"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  connect(add, &QPushButton::clicked, this, &GlobalStringsDialog::add);
  connect(modify, &QPushButton::clicked, this, &GlobalStringsDialog::modify);
  connect(remove, &QPushButton::clicked, this, &GlobalStringsDialog::remove);
  connect(fileBrowse_, &QPushButton::clicked, this, &GlobalStringsDialog::chooseSound);
  connect(action_, &QComboBox::currentIndexChanged, this, &GlobalStringsDialog::showFieldsOfAction);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (const CGlobalTexte* global = editor_.table().GetAt(row)) showGlobal(*global);
  });
  showGlobal(CGlobalTexte());
  showList(0);
}

void GlobalStringsDialog::showList(int select) {
  {
    const QSignalBlocker block(list_);
    FillList(list_, editor_.Texts());
  }
  if (select >= 0 && select < list_->count()) list_->setCurrentRow(select);
}

void GlobalStringsDialog::showFieldsOfAction() {
  const SubjectFieldVisibility shown =
      VisibleSubjectFields(kTypeBitMap, std::max(0, action_->currentIndex()));
  targetLabel_->setVisible(shown.target);
  target_->setVisible(shown.target);
  windowLabel_->setVisible(shown.window);
  window_->setVisible(shown.window);
  fileLabel_->setVisible(shown.fileField);
  file_->setVisible(shown.fileField);
  fileBrowse_->setVisible(shown.fileBrowse);
  if (shown.fileField) {
    fileLabel_->setText(QString::fromUtf8(shown.fileLabel));
    file_->setAccessibleName(QString::fromUtf8(shown.fileLabel).simplified());
  }
}

void GlobalStringsDialog::showGlobal(const CGlobalTexte& global) {
  text_->setText(FromModel(global.text));
  action_->setCurrentIndex(global.action >= 0 && global.action < kActionCount ? global.action : 0);
  FillCombo(target_, TargetChoices(doc_, global.target));
  SelectComboText(target_, global.target);
  FillCombo(window_, WindowChoices(doc_, global.windowName));
  SelectComboText(window_, global.windowName);
  file_->setText(FromModel(global.soundOrCommand));
  caseSensitive_->setChecked(global.caseSensitive != 0);
  keepColour_->setChecked(global.keepColour != 0);
  showFieldsOfAction();
}

CGlobalTexte GlobalStringsDialog::shownGlobal() const {
  CGlobalTexte global;
  if (const CGlobalTexte* selected = editor_.table().GetAt(list_->currentRow())) {
    global = *selected;
  }
  global.text = ToModel(text_->text());
  global.action = std::max(0, action_->currentIndex());
  global.target = ToModel(target_->currentText());
  global.windowName = ToModel(window_->currentText());
  global.soundOrCommand = ToModel(file_->text());
  global.caseSensitive = caseSensitive_->isChecked() ? 1 : 0;
  global.keepColour = keepColour_->isChecked() ? 1 : 0;
  return global;
}

void GlobalStringsDialog::add() {
  const int added = editor_.Add(shownGlobal());
  if (added >= 0) showList(added);
}

void GlobalStringsDialog::modify() {
  const int modified = editor_.Modify(list_->currentRow(), shownGlobal());
  if (modified >= 0) showList(modified);
}

void GlobalStringsDialog::remove() {
  showList(editor_.Remove(list_->currentRow()));
}

void GlobalStringsDialog::chooseSound() {
  FileChooser chooser{"Selection fichier son(WAV)", "Fichier WAV(*.wav)|*.wav||", "wav",
                      StartingName(file_->text().toStdString(), "*.wav")};
  if (auto chosen = ChooseFileToOpen(this, chooser)) {
    file_->setText(QString::fromStdString(*chosen));
    PlaySoundOnce(*chosen);
  }
}

void GlobalStringsDialog::accept() {
  editor_.Confirm(doc_);
  QDialog::accept();
}

}  // namespace veldor
