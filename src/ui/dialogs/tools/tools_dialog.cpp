#include "ui/dialogs/tools/tools_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/file_choosers.h"
#include "ui/dialogs/common/qt_text.h"

namespace veldor {

ToolDialog::ToolDialog(const ToolEntry& tool, bool fixedName, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Edite outil"));
  name_ = new QLineEdit(FromModel(tool.label), this);
  name_->setMaxLength(kToolNameLength);
  name_->setEnabled(!fixedName);
  command_ = new QLineEdit(FromModel(tool.command), this);
  command_->setMaxLength(kToolCommandLength);
  connect(command_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int cursor = command_->cursorPosition();
    command_->setText(text.toLower());
    command_->setCursorPosition(cursor);
  });
  auto* browse = MakeButton(QStringLiteral("Parcourir"), this);
  auto* grid = new QGridLayout;
  grid->addWidget(LabelFor(QStringLiteral("Nom outil:"), name_, this), 0, 0);
  grid->addWidget(name_, 0, 1);
  grid->addWidget(LabelFor(QStringLiteral("Nom executable associé:"), command_, this), 1, 0);
  grid->addWidget(command_, 1, 1);
  grid->addWidget(browse, 1, 2);
  auto* ok = MakeButton(QStringLiteral("Valider"), this);
  ok->setDefault(true);
  auto* cancel = MakeButton(QStringLiteral("Annuler"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  connect(browse, &QPushButton::clicked, this, [this] {
    FileChooser chooser{"Selection fichier EXE", "Fichier EXE (*.exe)|*.exe||", "exe",
                        StartingName(command_->text().toStdString(), "*.exe")};
    if (auto chosen = ChooseFileToOpen(this, chooser)) {
      command_->setText(QString::fromStdString(*chosen));
    }
  });
  connect(ok, &QPushButton::clicked, this, &ToolDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &ToolDialog::reject);
}

ToolEntry ToolDialog::tool() const {
  return {ToModel(name_->text()), ToModel(command_->text())};
}

void ToolDialog::accept() {
  if (CheckToolEntry(tool())) QDialog::accept();
}

ToolsDialog::ToolsDialog(CAppSettings& settings, SettingsStore& store, QWidget* parent)
    : QDialog(parent), settings_(settings), store_(store), editor_(settings.tools) {
  setWindowTitle(QStringLiteral("Outils"));
  list_ = new QListWidget(this);
  list_->setFont(QFont(QStringLiteral("Monospace")));
  auto* add = MakeButton(QStringLiteral("Ajouter"), this);
  auto* modify = MakeButton(QStringLiteral("Modifier"), this);
  auto* remove = MakeButton(QStringLiteral("Supprimer"), this);
  auto* ok = MakeButton(QStringLiteral("Valider"), this);
  ok->setDefault(true);
  auto* cancel = MakeButton(QStringLiteral("Annuler"), this);
  auto* side = new QVBoxLayout;
  for (QPushButton* button : {add, modify, remove}) side->addWidget(button);
  side->addStretch();
  side->addWidget(ok);
  side->addWidget(cancel);
  auto* column = new QVBoxLayout;
  column->addWidget(LabelFor(QStringLiteral("Liste des outils"), list_, this));
  column->addWidget(list_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(column, 1);
  layout->addLayout(side);
  connect(add, &QPushButton::clicked, this, &ToolsDialog::addTool);
  connect(modify, &QPushButton::clicked, this, &ToolsDialog::modifyTool);
  connect(list_, &QListWidget::itemDoubleClicked, this, &ToolsDialog::modifyTool);
  connect(remove, &QPushButton::clicked, this, &ToolsDialog::removeTool);
  connect(ok, &QPushButton::clicked, this, &ToolsDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &ToolsDialog::reject);
  showList(0);
}

void ToolsDialog::showList(int select) {
  FillList(list_, editor_.Rows());
  if (select >= 0 && select < list_->count()) list_->setCurrentRow(select);
}

void ToolsDialog::addTool() {
  ToolEntry tool;
  // A refused name opens the tool dialog again on what was typed.
  for (;;) {
    ToolDialog dialog(tool, false, this);
    if (dialog.exec() != QDialog::Accepted) return;
    tool = dialog.tool();
    if (editor_.Add(tool)) break;
  }
  showList(static_cast<int>(editor_.tools().size()) - 1);
}

void ToolsDialog::modifyTool() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(editor_.tools().size())) return;
  ToolEntry tool = editor_.tools()[static_cast<size_t>(row)];
  for (;;) {
    ToolDialog dialog(tool, editor_.IsFixed(row), this);
    if (dialog.exec() != QDialog::Accepted) return;
    tool = dialog.tool();
    if (editor_.Modify(row, tool)) break;
  }
  showList(row);
}

void ToolsDialog::removeTool() {
  showList(editor_.Remove(list_->currentRow()));
}

void ToolsDialog::accept() {
  editor_.Confirm(settings_, store_);
  QDialog::accept();
}

}  // namespace veldor
