#include "ui/dialogs/options/window_config_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/document.h"
#include "ui/dialogs/common/colour_grid.h"
#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/qt_text.h"

namespace veldor {

WindowConfigDialog::WindowConfigDialog(CVeldorDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), editor_(doc) {
  setWindowTitle(QStringLiteral("Configuration fenêtre"));
  list_ = Named(new QListWidget(this), QStringLiteral("Fenêtres"));
  name_ = new QLineEdit(this);
  caption_ = new QLineEdit(this);
  width_ = new QLineEdit(this);
  height_ = new QLineEdit(this);
  x_ = new QLineEdit(this);
  y_ = new QLineEdit(this);
  for (QLineEdit* number : {width_, height_, x_, y_}) number->setMaxLength(6);
  auto box = [this](const char* label) {
    return Named(new QCheckBox(QString::fromUtf8(label), this), QString::fromUtf8(label));
  };
  maximize_ = box("Maximize");
  onTop_ = box("Toujours visible");
  usePosition_ = box("Valide position");
  useMainColour_ = box("Valide Couleur");
  useNonScrollColour_ = box("Valide couleur NoScroll");
  mainColour_ = new ColourGrid(ColourPalette::kFortyEight, QStringLiteral("Couleur Fenêtre"), this);
  nonScrollColour_ =
      new ColourGrid(ColourPalette::kFortyEight, QStringLiteral("Couleur région non scroll"), this);

  auto* grid = new QGridLayout;
  int row = 0;
  for (auto [label, field] : {std::pair<const char*, QWidget*>{"Nom fenêtre", name_},
                              {"Caption", caption_},
                              {"Largeur", width_},
                              {"Hauteur", height_},
                              {"X pos", x_},
                              {"Y pos", y_}}) {
    grid->addWidget(LabelFor(QString::fromUtf8(label), field, this), row, 0);
    grid->addWidget(field, row++, 1);
  }
  for (QCheckBox* check : {maximize_, onTop_, usePosition_, useMainColour_, useNonScrollColour_}) {
    grid->addWidget(check, row++, 0, 1, 2);
  }
  auto* colours = new QVBoxLayout;
  colours->addWidget(new QLabel(QStringLiteral("Couleur Fenêtre"), this));
  colours->addWidget(mainColour_);
  colours->addWidget(new QLabel(QStringLiteral("Couleur région non scroll"), this));
  colours->addWidget(nonScrollColour_);
  colours->addStretch();

  auto* actions = new QVBoxLayout;
  QPushButton* add = MakeButton(QStringLiteral("&Ajouter"), this);
  QPushButton* modify = MakeButton(QStringLiteral("&Modifier"), this);
  QPushButton* fresh = MakeButton(QStringLiteral("Nouveau"), this);
  QPushButton* remove = MakeButton(QStringLiteral("&supprimer"), this);
  for (QPushButton* button : {add, modify, fresh, remove}) actions->addWidget(button);
  actions->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addWidget(list_);
  columns->addLayout(grid);
  columns->addLayout(colours);
  columns->addLayout(actions);
  auto* buttons = ConfirmButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  connect(add, &QPushButton::clicked, this, &WindowConfigDialog::add);
  connect(modify, &QPushButton::clicked, this, &WindowConfigDialog::modify);
  connect(fresh, &QPushButton::clicked, this, &WindowConfigDialog::clearFields);
  connect(remove, &QPushButton::clicked, this, &WindowConfigDialog::remove);
  connect(list_, &QListWidget::currentRowChanged, this, &WindowConfigDialog::selectionChanged);
  clearFields();
  showList(0);
}

void WindowConfigDialog::showList(int select) {
  {
    const QSignalBlocker block(list_);
    FillList(list_, editor_.Names());
  }
  if (select >= 0 && select < list_->count()) list_->setCurrentRow(select);
}

void WindowConfigDialog::selectionChanged(int row) {
  if (const CWinAttr* window = editor_.table().GetAt(row)) showFields(FieldsOfWindow(*window));
}

void WindowConfigDialog::showFields(const WindowFields& fields) {
  name_->setText(FromModel(fields.name));
  caption_->setText(FromModel(fields.caption));
  width_->setText(QString::fromStdString(fields.width));
  height_->setText(QString::fromStdString(fields.height));
  x_->setText(QString::fromStdString(fields.x));
  y_->setText(QString::fromStdString(fields.y));
  maximize_->setChecked(fields.maximize);
  onTop_->setChecked(fields.onTop);
  usePosition_->setChecked(fields.usePosition);
  useMainColour_->setChecked(fields.useMainColour);
  useNonScrollColour_->setChecked(fields.useNonScrollColour);
  mainColour_->setValue(fields.mainColour);
  nonScrollColour_->setValue(fields.nonScrollColour);
}

WindowFields WindowConfigDialog::fields() const {
  WindowFields fields;
  fields.name = ToModel(name_->text());
  fields.caption = ToModel(caption_->text());
  fields.width = width_->text().toStdString();
  fields.height = height_->text().toStdString();
  fields.x = x_->text().toStdString();
  fields.y = y_->text().toStdString();
  fields.maximize = maximize_->isChecked();
  fields.onTop = onTop_->isChecked();
  fields.usePosition = usePosition_->isChecked();
  fields.useMainColour = useMainColour_->isChecked();
  fields.useNonScrollColour = useNonScrollColour_->isChecked();
  fields.mainColour = mainColour_->value();
  fields.nonScrollColour = nonScrollColour_->value();
  return fields;
}

void WindowConfigDialog::add() {
  const int added = editor_.Add(fields());
  if (added >= 0) showList(added);
}

void WindowConfigDialog::modify() {
  const int modified = editor_.Modify(list_->currentRow(), fields());
  if (modified >= 0) showList(modified);
}

void WindowConfigDialog::clearFields() {
  showFields(WindowFields());
}

void WindowConfigDialog::remove() {
  showList(editor_.Remove(list_->currentRow()));
}

void WindowConfigDialog::accept() {
  editor_.Confirm(doc_);
  QDialog::accept();
}

}  // namespace veldor
