#include "ui/dialogs/topic/topic_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/topic.h"
#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/qt_text.h"

namespace veldor {

TopicDialog::TopicDialog(CVeldorDoc& doc, CTopic& topic, QWidget* parent)
    : QDialog(parent), doc_(doc), topic_(topic), form_(LoadTopicForm(doc, topic)) {
  setWindowTitle(QStringLiteral("Rattachement groupe"));
  name_ = new QLineEdit(FromModel(form_.name), this);
  title_ = new QLineEdit(FromModel(form_.title), this);
  keywords_ = new QPlainTextEdit(MultiLineFromModel(form_.keywordText), this);
  keywords_->setTabChangesFocus(true);
  browse_ = new QLineEdit(FromModel(form_.browse), this);
  browse_->setMaxLength(kBrowseKeyLength);
  connect(browse_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int cursor = browse_->cursorPosition();
    browse_->setText(text.toUpper());
    browse_->setCursorPosition(cursor);
  });
  chapter_ = new QComboBox(this);
  FillCombo(chapter_, form_.chapterChoices);
  SelectComboText(chapter_, form_.chapter);
  attached_ = new QListWidget(this);
  available_ = new QListWidget(this);
  available_->setAccessibleName(QStringLiteral("Références disponibles"));
  FillList(available_, form_.available);
  showAttached(0);
  if (available_->count() > 0) available_->setCurrentRow(0);

  auto* grid = new QGridLayout;
  int row = 0;
  for (auto [text, field] : {std::pair<const char*, QWidget*>{"Nom", name_},
                             {"Titre", title_},
                             {"Mots Clefs", keywords_},
                             {"Browser", browse_},
                             {"Chapitre", chapter_}}) {
    grid->addWidget(LabelFor(QString::fromUtf8(text), field, this), row, 0);
    grid->addWidget(field, row++, 1);
  }
  auto* add = MakeButton(QStringLiteral("Ajouter"), this);
  auto* remove = MakeButton(QStringLiteral("Supprimer"), this);
  auto* referenceButtons = new QVBoxLayout;
  referenceButtons->addStretch();
  referenceButtons->addWidget(add);
  referenceButtons->addWidget(remove);
  referenceButtons->addStretch();
  auto* references = new QHBoxLayout;
  auto* attachedColumn = new QVBoxLayout;
  attachedColumn->addWidget(LabelFor(QStringLiteral("Référence"), attached_, this));
  attachedColumn->addWidget(attached_);
  auto* availableColumn = new QVBoxLayout;
  availableColumn->addWidget(new QLabel(QStringLiteral("Références disponibles"), this));
  availableColumn->addWidget(available_);
  references->addLayout(attachedColumn);
  references->addLayout(referenceButtons);
  references->addLayout(availableColumn);
  grid->addLayout(references, row++, 0, 1, 2);

  auto* buttons = ConfirmButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  connect(add, &QPushButton::clicked, this, &TopicDialog::attachSelected);
  connect(available_, &QListWidget::itemDoubleClicked, this, &TopicDialog::attachSelected);
  connect(remove, &QPushButton::clicked, this, &TopicDialog::detachSelected);
  connect(attached_, &QListWidget::itemDoubleClicked, this, &TopicDialog::detachSelected);
}

void TopicDialog::showAttached(int select) {
  FillList(attached_, form_.attached);
  if (attached_->count() > 0) {
    attached_->setCurrentRow(std::clamp(select, 0, attached_->count() - 1));
  }
}

void TopicDialog::attachSelected() {
  QListWidgetItem* item = available_->currentItem();
  if (item == nullptr) return;
  showAttached(AttachReference(form_, ToModel(item->text())));
}

void TopicDialog::detachSelected() {
  const int row = attached_->currentRow();
  if (DetachReference(form_, row)) showAttached(row);
}

TopicForm TopicDialog::form() const {
  TopicForm form = form_;
  form.name = ToModel(name_->text());
  form.title = ToModel(title_->text());
  form.keywordText = MultiLineToModel(keywords_->toPlainText());
  form.browse = ToModel(browse_->text());
  form.chapter = chapter_->currentIndex() >= 0 ? ToModel(chapter_->currentText()) : "";
  return form;
}

void TopicDialog::accept() {
  if (ConfirmTopicForm(doc_, topic_, form())) QDialog::accept();
}

}  // namespace veldor
