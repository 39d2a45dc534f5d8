#include "ui/dialogs/tools/image_directory_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/app_settings.h"
#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/qt_text.h"
#include "ui/dialogs/rules/image_directory_change.h"

namespace veldor {

ImageDirectoryDialog::ImageDirectoryDialog(CVeldorDoc& doc, SettingsStore& store, QWidget* parent)
    : QDialog(parent), doc_(doc), store_(store) {
  setWindowTitle(QStringLiteral("Translation de répertoire image"));
  old_ = new QComboBox(this);
  new_ = new QComboBox(this);
  const char* prefixes[] = {kHistoryOldImageDir, kHistoryNewImageDir};
  QComboBox* fields[] = {old_, new_};
  for (int i = 0; i < 2; ++i) {
    fields[i]->setEditable(true);
    FillCombo(fields[i], CAppSettings::LoadHistory(store, prefixes[i]));
    fields[i]->setCurrentIndex(fields[i]->count() > 0 ? 0 : -1);
  }
  auto* grid = new QGridLayout;
  grid->addWidget(LabelFor(QStringLiteral("Ancien répertoire:"), old_, this), 0, 0);
  grid->addWidget(old_, 0, 1);
  grid->addWidget(LabelFor(QStringLiteral("Nouveau répertoire:"), new_, this), 1, 0);
  grid->addWidget(new_, 1, 1);
  auto* buttons = ConfirmButtons(this, QStringLiteral("OK"), QStringLiteral("Cancel"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
}

void ImageDirectoryDialog::accept() {
  changed_ = ChangeImageDirectory(doc_, store_, ToModel(old_->currentText()),
                                  ToModel(new_->currentText()));
  QDialog::accept();
}

}  // namespace veldor
