#include "viewer/index_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace veldor::viewer {

IndexDialog::IndexDialog(const HelpSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setWindowTitle(QStringLiteral("Index"));
  auto* layout = new QVBoxLayout(this);
  auto* searchLabel = new QLabel(QStringLiteral("&Tapez les premières lettres du mot :"), this);
  search_ = new QLineEdit(this);
  search_->setAccessibleName(QStringLiteral("Tapez les premières lettres du mot"));
  searchLabel->setBuddy(search_);
  keywords_ = new QListWidget(this);
  keywords_->setAccessibleName(QStringLiteral("Mots clés"));
  auto* topicsLabel = new QLabel(QStringLiteral("&Rubriques trouvées :"), this);
  topics_ = new QListWidget(this);
  topics_->setAccessibleName(QStringLiteral("Rubriques trouvées"));
  topicsLabel->setBuddy(topics_);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* show = buttons->addButton(QStringLiteral("&Afficher"), QDialogButtonBox::AcceptRole);
  show->setAccessibleName(QStringLiteral("Afficher"));
  QPushButton* cancel = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
  cancel->setAccessibleName(QStringLiteral("Annuler"));
  layout->addWidget(searchLabel);
  layout->addWidget(search_);
  layout->addWidget(keywords_, 2);
  layout->addWidget(topicsLabel);
  layout->addWidget(topics_, 1);
  layout->addWidget(buttons);

  QStringList words;
  if (const hlp::HelpDocument* document = session_.document()) {
    words.reserve(static_cast<int>(document->keywords.size()));
    for (const auto& keyword : document->keywords)
      words.append(QString::fromStdString(keyword.word));
  }
  keywords_->setUniformItemSizes(true);
  keywords_->addItems(words);
  if (!words.isEmpty()) keywords_->setCurrentRow(0);

  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
    const int row = session_.FirstKeyword(text.toStdString());
    if (row >= 0) {
      keywords_->setCurrentRow(row);
      keywords_->scrollToItem(keywords_->item(row), QAbstractItemView::PositionAtTop);
    }
  });
  connect(keywords_, &QListWidget::itemDoubleClicked, this, [this] { ChooseKeyword(); });
  connect(topics_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    chosen_ = item->data(Qt::UserRole).toInt();
    accept();
  });
  connect(show, &QPushButton::clicked, this, [this] {
    if (topics_->currentItem()) {
      chosen_ = topics_->currentItem()->data(Qt::UserRole).toInt();
      accept();
    } else {
      ChooseKeyword();
    }
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::accepted, this, [] {});
}

void IndexDialog::ChooseKeyword() {
  topics_->clear();
  const std::vector<int> topics = session_.TopicsOfKeyword(keywords_->currentRow());
  if (topics.size() == 1) {
    chosen_ = topics.front();
    accept();
    return;
  }
  for (int topic : topics) {
    auto* item = new QListWidgetItem(
        QString::fromStdString(session_.document()->topics[topic].title), topics_);
    item->setData(Qt::UserRole, topic);
  }
  if (topics_->count()) topics_->setCurrentRow(0);
}

}  // namespace veldor::viewer
