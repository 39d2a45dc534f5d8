#include "ui/dialogs/common/dialog_parts.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>

#include "ui/dialogs/common/qt_text.h"

namespace veldor {

QString PlainLabel(const QString& text) {
  QString plain;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&')) {
      if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
        plain += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    plain += text[i];
  }
  return plain.trimmed();
}

QLabel* LabelFor(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  buddy->setAccessibleName(PlainLabel(text));
  return label;
}

QPushButton* MakeButton(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setAccessibleName(PlainLabel(text));
  button->setAutoDefault(false);
  return button;
}

void FillCombo(QComboBox* combo, const std::vector<std::string>& items) {
  combo->clear();
  for (const std::string& item : items) combo->addItem(FromModel(item));
}

void FillList(QListWidget* list, const std::vector<std::string>& items) {
  list->clear();
  for (const std::string& item : items) list->addItem(FromModel(item));
}

void FillComboUtf8(QComboBox* combo, const std::vector<std::string>& items) {
  combo->clear();
  for (const std::string& item : items) combo->addItem(QString::fromStdString(item));
}

bool SelectComboText(QComboBox* combo, const std::string& value) {
  const int index = combo->findText(FromModel(value), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) return false;
  combo->setCurrentIndex(index);
  return true;
}

void PlaySoundOnce(const std::string& path) {
  // One effect at a time, kept alive while it plays; a missing device or a
  // file it cannot read simply plays nothing.
  static QSoundEffect* effect = nullptr;
  if (effect == nullptr) effect = new QSoundEffect();
  effect->stop();
  effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
  effect->setLoopCount(1);
  effect->play();
}

QHBoxLayout* ConfirmButtons(QDialog* dialog, const QString& okText, const QString& cancelText) {
  QPushButton* ok = MakeButton(okText, dialog);
  ok->setDefault(true);
  QPushButton* cancel = MakeButton(cancelText, dialog);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  return buttons;
}

}  // namespace veldor
