#include "ui/dialogs/options/project_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/document.h"
#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/file_choosers.h"
#include "ui/dialogs/common/qt_text.h"
#include "ui/dialogs/options/directory_chooser_dialog.h"

namespace veldor {
namespace {

void UpperCaseAsTyped(QLineEdit* field) {
  QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
    const int cursor = field->cursorPosition();
    field->setText(text.toUpper());
    field->setCursorPosition(cursor);
  });
}

QComboBox* Choices(QWidget* parent, std::initializer_list<const char*> items, int current) {
  auto* combo = new QComboBox(parent);
  for (const char* item : items) combo->addItem(QString::fromUtf8(item));
  combo->setCurrentIndex(current);
  return combo;
}

}  // namespace

ProjectOptionsDialog::ProjectOptionsDialog(CVeldorDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), form_(LoadProjectOptions(doc)), chapterEditor_(doc) {
  setWindowTitle(QStringLiteral("Options projet"));
  name_ = new QLineEdit(FromModel(form_.projectName), this);
  name_->setMaxLength(kProjectNameLength);
  contents_ = new QComboBox(this);
  FillCombo(contents_, form_.topicChoices);
  // A contents topic the project lacks is kept; none stays none.
  if (form_.contentsTopic.empty()) {
    contents_->setCurrentIndex(-1);
  } else if (!SelectComboText(contents_, form_.contentsTopic)) {
    contents_->insertItem(0, FromModel(form_.contentsTopic));
    contents_->setCurrentIndex(0);
  }
  title_ = new QLineEdit(FromModel(form_.helpTitle), this);
  rights_ = new QLineEdit(FromModel(form_.rightsNotice), this);
  icon_ = new QLineEdit(FromModel(form_.iconFile), this);
  rootDir_ = new QLineEdit(FromModel(form_.rootDir), this);
  UpperCaseAsTyped(rootDir_);
  errorFile_ = new QLineEdit(FromModel(form_.errorLogFile), this);
  description_ = new QPlainTextEdit(MultiLineFromModel(form_.description), this);
  includes_ = new QPlainTextEdit(MultiLineFromModel(form_.mapIncludes), this);
  rtfFiles_ = new QPlainTextEdit(MultiLineFromModel(form_.extraRtfFiles), this);
  for (QPlainTextEdit* text : {description_, includes_, rtfFiles_}) {
    text->setTabChangesFocus(true);
    text->setMaximumHeight(70);
  }
  compression_ = Choices(this, {"Aucun", "Moyenne", "Maximum"}, form_.compression);
  warning_ = Choices(this, {"minimum", "moyen", "Tout"}, form_.warningLevel);
  report_ = Named(new QCheckBox(QStringLiteral("Rapport"), this), QStringLiteral("Rapport"));
  report_->setChecked(form_.report);
  cdrom_ = Named(new QCheckBox(QStringLiteral("CDROM"), this), QStringLiteral("CDROM"));
  cdrom_->setChecked(form_.cdrom);
  help32_ =
      Named(new QCheckBox(QStringLiteral("Aide 32 bits"), this), QStringLiteral("Aide 32 bits"));
  help32_->setChecked(form_.help32);
  language_ = new QComboBox(this);
  FillComboUtf8(language_, LanguageNames());
  language_->setCurrentIndex(LanguagePositionOfValue(form_.devLinkKind));
  compiler_ = Choices(this, {"HC31", "HCP", "HCW"}, form_.helpCompiler);

  auto* grid = new QGridLayout;
  int row = 0;
  auto addRow = [&](const char* label, QWidget* field, QPushButton* browse = nullptr) {
    grid->addWidget(LabelFor(QString::fromUtf8(label), field, this), row, 0);
    grid->addWidget(field, row, 1);
    if (browse != nullptr) grid->addWidget(browse, row, 2);
    ++row;
  };
  auto browseButton = [this](const char* name) {
    auto* button = MakeButton(QStringLiteral("..."), this);
    button->setAccessibleName(QString::fromUtf8(name));
    return button;
  };
  QPushButton* iconBrowse = browseButton("Parcourir icône");
  QPushButton* dirBrowse = browseButton("Parcourir répertoire");
  QPushButton* errorBrowse = browseButton("Parcourir fichier erreur");
  addRow("Nom du projet", name_);
  addRow("Groupe par défaut", contents_);
  addRow("Titre", title_);
  addRow("Copyright", rights_);
  addRow("Nom fichier Icon ", icon_, iconBrowse);
  addRow("Nom répertoire", rootDir_, dirBrowse);
  addRow("Fichier erreur", errorFile_, errorBrowse);
  addRow("Descriptif", description_);
  addRow("Includes externes", includes_);
  addRow("RTF externes", rtfFiles_);
  addRow("Compression", compression_);
  addRow("Warning", warning_);
  addRow("language", language_);
  addRow("compilateur", compiler_);
  auto* boxes = new QHBoxLayout;
  boxes->addWidget(report_);
  boxes->addWidget(cdrom_);
  boxes->addWidget(help32_);
  grid->addLayout(boxes, row++, 0, 1, 3);

  auto* chapterGroup = new QGroupBox(QStringLiteral("Gestion des CHAPITRES"), this);
  chapterName_ = Named(new QLineEdit(chapterGroup), QStringLiteral("Chapitre"));
  UpperCaseAsTyped(chapterName_);
  chapters_ = Named(new QListWidget(chapterGroup), QStringLiteral("Gestion des CHAPITRES"));
  auto* chapterButtons = new QGridLayout;
  int index = 0;
  for (const char* label : {"Ajouter", "Insere", "Modifier", "Supprimer", "Monte", "Descend"}) {
    auto* button = MakeButton(QString::fromUtf8(label), chapterGroup);
    connect(button, &QPushButton::clicked, this,
            [this, label] { chapterButton(QString::fromUtf8(label)); });
    chapterButtons->addWidget(button, index / 2, index % 2);
    ++index;
  }
  auto* chapterLayout = new QVBoxLayout(chapterGroup);
  chapterLayout->addWidget(chapterName_);
  chapterLayout->addWidget(chapters_);
  chapterLayout->addLayout(chapterButtons);
  connect(chapters_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { chapterName_->setText(item->text()); });

  auto* buttons = ConfirmButtons(this, QStringLiteral("&Valider"), QStringLiteral("&Annuler"));
  auto* columns = new QHBoxLayout;
  columns->addLayout(grid, 2);
  columns->addWidget(chapterGroup, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  connect(iconBrowse, &QPushButton::clicked, this, &ProjectOptionsDialog::chooseIcon);
  connect(errorBrowse, &QPushButton::clicked, this, &ProjectOptionsDialog::chooseErrorFile);
  connect(dirBrowse, &QPushButton::clicked, this, &ProjectOptionsDialog::chooseDirectory);
  showChapters(chapterEditor_.chapters().empty() ? -1 : 0);
}

void ProjectOptionsDialog::showChapters(int select) {
  FillList(chapters_, chapterEditor_.chapters());
  if (select >= 0 && select < chapters_->count()) chapters_->setCurrentRow(select);
}

void ProjectOptionsDialog::chapterButton(const QString& label) {
  const std::string name = ToModel(chapterName_->text());
  const int selected = chapters_->currentRow();
  int next = selected;
  if (label == "Ajouter") next = chapterEditor_.Add(name, selected);
  if (label == "Insere") next = chapterEditor_.Insert(name, selected);
  if (label == "Modifier") next = chapterEditor_.Rename(name, selected);
  if (label == "Supprimer") next = chapterEditor_.Remove(selected);
  if (label == "Monte") next = chapterEditor_.MoveUp(selected);
  if (label == "Descend") next = chapterEditor_.MoveDown(selected);
  showChapters(next);
}

void ProjectOptionsDialog::chooseIcon() {
  const std::string project = name_->text().toStdString();
  FileChooser chooser{
      "Choix ICON", "Fichier ICON (*.ico)|*.ico||", "ico",
      StartingName(icon_->text().toStdString(), project.empty() ? "*.ico" : project + ".ico")};
  if (auto chosen = ChooseFileToOpen(this, chooser))
    icon_->setText(QString::fromStdString(*chosen));
}

void ProjectOptionsDialog::chooseErrorFile() {
  const std::string project = name_->text().toStdString();
  FileChooser chooser{
      "Fichier erreur", "Fichier txt (*.txt)|*.txt||", "txt",
      StartingName(errorFile_->text().toStdString(), project.empty() ? "*.txt" : project + ".txt")};
  if (auto chosen = ChooseFileToSave(this, chooser)) {
    errorFile_->setText(QString::fromStdString(*chosen));
  }
}

void ProjectOptionsDialog::chooseDirectory() {
  if (auto chosen = ChooseDirectory(this, rootDir_->text().toStdString())) {
    rootDir_->setText(QString::fromStdString(*chosen));
  }
}

ProjectOptionsForm ProjectOptionsDialog::form() const {
  ProjectOptionsForm form = form_;
  form.projectName = ToModel(name_->text());
  form.contentsTopic = ToModel(contents_->currentText());
  form.helpTitle = ToModel(title_->text());
  form.rightsNotice = ToModel(rights_->text());
  form.iconFile = ToModel(icon_->text());
  form.rootDir = ToModel(rootDir_->text());
  form.errorLogFile = ToModel(errorFile_->text());
  form.description = MultiLineToModel(description_->toPlainText());
  form.mapIncludes = MultiLineToModel(includes_->toPlainText());
  form.extraRtfFiles = MultiLineToModel(rtfFiles_->toPlainText());
  form.compression = compression_->currentIndex();
  form.warningLevel = warning_->currentIndex();
  form.report = report_->isChecked();
  form.cdrom = cdrom_->isChecked();
  form.help32 = help32_->isChecked();
  form.devLinkKind = LanguageValueOfPosition(language_->currentIndex());
  form.helpCompiler = compiler_->currentIndex();
  return form;
}

void ProjectOptionsDialog::accept() {
  if (ConfirmProjectOptions(doc_, form())) QDialog::accept();
}

void ProjectOptionsDialog::reject() {
  chapterEditor_.Cancel();
  QDialog::reject();
}

}  // namespace veldor
