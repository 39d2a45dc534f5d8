#include "ui/dialogs/options/default_styles_dialog.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/subject.h"
#include "platform/codepage.h"
#include "ui/dialogs/common/colour_grid.h"
#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/qt_text.h"

namespace veldor {

DefaultStylesDialog::DefaultStylesDialog(CAppSettings& settings, SettingsStore& store,
                                         QWidget* parent)
    : QDialog(parent), editor_(settings, store) {
  setWindowTitle(QStringLiteral("Marges par défaut"));
  type_ = new QComboBox(this);
  for (int type = 0; type < kSubjectTypeCount; ++type) {
    type_->addItem(QString::fromStdString(Cp1252ToUtf8(SubjectTypeDisplayName(type))));
  }
  auto* values = new QGroupBox(QStringLiteral("Valeur"), this);
  auto* valueGrid = new QGridLayout(values);
  const char* labels[] = {"gauche", "droite", "haut", "bas", "Retrait 1ère ligne"};
  for (int i = 0; i < 5; ++i) {
    lengths_[i] = new QLineEdit(this);
    lengths_[i]->setMaxLength(8);
    valueGrid->addWidget(LabelFor(QString::fromUtf8(labels[i]), lengths_[i], this), i, 0);
    valueGrid->addWidget(lengths_[i], i, 1);
    valueGrid->addWidget(new QLabel(QStringLiteral("cm"), this), i, 2);
  }
  auto* fonts = new QGroupBox(QStringLiteral("Police de caractère"), this);
  auto* fontGrid = new QGridLayout(fonts);
  font_ = Named(new QComboBox(this), QStringLiteral("Police de caractère"));
  font_->addItems(QFontDatabase::families());
  size_ = Named(new QComboBox(this), QStringLiteral("Taille"));
  size_->setEditable(true);
  fontGrid->addWidget(font_, 0, 0);
  fontGrid->addWidget(size_, 0, 1);
  colour_ = new ColourGrid(ColourPalette::kSixteen, QStringLiteral("Couleur"), this);
  fontGrid->addWidget(colour_, 1, 0, 1, 2);

  auto* buttons = ConfirmButtons(this, QStringLiteral("Valider"), QStringLiteral("&Annuler"));
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(LabelFor(QStringLiteral("Type de sujet"), type_, this));
  typeRow->addWidget(type_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(typeRow);
  auto* middle = new QHBoxLayout;
  middle->addWidget(values);
  middle->addWidget(fonts);
  layout->addLayout(middle);
  layout->addLayout(buttons);

  showType(0);
  connect(type_, &QComboBox::currentIndexChanged, this, &DefaultStylesDialog::typeChosen);
  connect(font_, &QComboBox::currentIndexChanged, this, &DefaultStylesDialog::fillSizes);
}

void DefaultStylesDialog::fillSizes() {
  const QString family = font_->currentText();
  const QString keep = size_->currentText();
  std::vector<double> own;
  const bool scalable = QFontDatabase::isScalable(family) || family.isEmpty();
  if (!scalable) {
    for (int size : QFontDatabase::pointSizes(family)) own.push_back(size);
  }
  size_->clear();
  for (const std::string& size : FontSizeChoices(scalable, own)) {
    size_->addItem(QString::fromStdString(size));
  }
  size_->setCurrentText(keep);
}

void DefaultStylesDialog::showType(int typeCode) {
  const StyleFields fields = editor_.FieldsOf(typeCode);
  const std::string* texts[] = {&fields.leftMargin, &fields.rightMargin, &fields.spaceBefore,
                                &fields.spaceAfter, &fields.firstIndent};
  for (int i = 0; i < 5; ++i) lengths_[i]->setText(QString::fromStdString(*texts[i]));
  {
    const QSignalBlocker block(font_);
    const QString face = FromModel(fields.faceName);
    if (font_->findText(face) < 0) font_->addItem(face);
    font_->setCurrentText(face);
  }
  fillSizes();
  size_->setCurrentText(FromModel(fields.pointSize));
  colour_->setValue(fields.colour);
}

StyleFields DefaultStylesDialog::shownFields() const {
  StyleFields fields;
  std::string* texts[] = {&fields.leftMargin, &fields.rightMargin, &fields.spaceBefore,
                          &fields.spaceAfter, &fields.firstIndent};
  for (int i = 0; i < 5; ++i) *texts[i] = lengths_[i]->text().toStdString();
  fields.faceName = ToModel(font_->currentText());
  fields.pointSize = ToModel(size_->currentText());
  fields.colour = colour_->value();
  return fields;
}

void DefaultStylesDialog::typeChosen(int typeCode) {
  if (editor_.SelectType(typeCode, shownFields())) {
    showType(typeCode);
  } else {
    const QSignalBlocker block(type_);
    type_->setCurrentIndex(editor_.shownType());
  }
}

void DefaultStylesDialog::accept() {
  if (editor_.Confirm(shownFields())) QDialog::accept();
}

void DefaultStylesDialog::reject() {
  editor_.Cancel();
  QDialog::reject();
}

}  // namespace veldor
