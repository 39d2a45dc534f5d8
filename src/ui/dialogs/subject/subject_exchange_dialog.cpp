#include "ui/dialogs/subject/subject_exchange_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/qt_text.h"

namespace veldor {

SubjectExchangeDialog::SubjectExchangeDialog(CVeldorDoc& doc, QWidget* parent)
    : QDialog(parent), exchange_(doc) {
  setWindowTitle(QStringLiteral("Echange de sujets"));
  sourceTopics_ = Named(new QListWidget(this), QStringLiteral("SOURCE"));
  destinationTopics_ = Named(new QListWidget(this), QStringLiteral("DESTINATION"));
  sourceSubjects_ = Named(new QListWidget(this), QStringLiteral("Sujets source"));
  sourceSubjects_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  destinationSubjects_ = Named(new QListWidget(this), QStringLiteral("Sujets destination"));
  const std::vector<std::string> names = exchange_.TopicNames();
  FillList(sourceTopics_, names);
  FillList(destinationTopics_, names);

  auto* copy = MakeButton(QStringLiteral(">>>"), this);
  auto* insert = MakeButton(QStringLiteral("&Insèrer"), this);
  auto* all = MakeButton(QStringLiteral(">>Tout>>"), this);
  auto* back = MakeButton(QStringLiteral("<<"), this);
  auto* finish = MakeButton(QStringLiteral("&Fin Echange"), this);
  auto* middle = new QVBoxLayout;
  middle->addStretch();
  for (QPushButton* button : {copy, insert, all, back}) middle->addWidget(button);
  middle->addStretch();
  middle->addWidget(finish);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("SOURCE"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("DESTINATION"), this), 0, 2);
  grid->addWidget(sourceTopics_, 1, 0);
  grid->addWidget(destinationTopics_, 1, 2);
  grid->addWidget(sourceSubjects_, 2, 0);
  grid->addWidget(destinationSubjects_, 2, 2);
  grid->addLayout(middle, 1, 1, 2, 1);

  connect(sourceTopics_, &QListWidget::currentRowChanged, this,
          [this] { showSubjects(sourceTopics_, sourceSubjects_); });
  connect(destinationTopics_, &QListWidget::currentRowChanged, this,
          [this] { showSubjects(destinationTopics_, destinationSubjects_); });
  connect(copy, &QPushButton::clicked, this, &SubjectExchangeDialog::copySelected);
  connect(sourceSubjects_, &QListWidget::itemDoubleClicked, this,
          &SubjectExchangeDialog::copySelected);
  connect(insert, &QPushButton::clicked, this, &SubjectExchangeDialog::insertSelected);
  connect(all, &QPushButton::clicked, this, &SubjectExchangeDialog::copyAll);
  connect(finish, &QPushButton::clicked, this, &QDialog::accept);
  if (sourceTopics_->count() > 0) sourceTopics_->setCurrentRow(0);
  if (destinationTopics_->count() > 0) destinationTopics_->setCurrentRow(0);
}

std::string SubjectExchangeDialog::topicOf(QListWidget* topics) const {
  QListWidgetItem* item = topics->currentItem();
  return item == nullptr ? std::string() : ToModel(item->text());
}

std::vector<int> SubjectExchangeDialog::selectedSourceRows() const {
  std::vector<int> rows;
  for (int row = 0; row < sourceSubjects_->count(); ++row) {
    if (sourceSubjects_->item(row)->isSelected()) rows.push_back(row);
  }
  return rows;
}

void SubjectExchangeDialog::showSubjects(QListWidget* topics, QListWidget* subjects) {
  FillList(subjects, exchange_.SubjectRows(topicOf(topics)));
}

void SubjectExchangeDialog::afterCopy(int copied, int firstNewRow) {
  if (copied == 0) return;
  sourceSubjects_->clearSelection();
  showSubjects(destinationTopics_, destinationSubjects_);
  destinationSubjects_->clearSelection();
  for (int row = firstNewRow; row < firstNewRow + copied && row < destinationSubjects_->count();
       ++row) {
    destinationSubjects_->item(row)->setSelected(true);
  }
  destinationSubjects_->scrollToItem(destinationSubjects_->item(firstNewRow));
}

void SubjectExchangeDialog::copySelected() {
  const int end = destinationSubjects_->count();
  afterCopy(
      exchange_.Copy(topicOf(sourceTopics_), topicOf(destinationTopics_), selectedSourceRows()),
      end);
}

void SubjectExchangeDialog::insertSelected() {
  const int at = destinationSubjects_->currentRow();
  afterCopy(
      exchange_.Copy(topicOf(sourceTopics_), topicOf(destinationTopics_), selectedSourceRows(), at),
      at < 0 ? destinationSubjects_->count() : at);
}

void SubjectExchangeDialog::copyAll() {
  const int end = destinationSubjects_->count();
  afterCopy(exchange_.CopyAll(topicOf(sourceTopics_), topicOf(destinationTopics_)), end);
}

void SubjectExchangeDialog::done(int result) {
  exchange_.Finish();
  QDialog::done(result);
}

}  // namespace veldor
