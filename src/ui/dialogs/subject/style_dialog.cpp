#include "ui/dialogs/subject/style_dialog.h"

#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/common/colour_grid.h"
#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/qt_text.h"
#include "ui/dialogs/rules/subject_form.h"

namespace veldor {

QFont FontOfStyle(const CTypeFont& style) {
  QFont font;
  if (style.fontSet == 0) return font;
  if (!style.faceName.empty()) font.setFamily(FromModel(style.faceName));
  if (style.pointSize > 0) font.setPointSize(style.pointSize);
  font.setBold(style.weight >= 600);
  font.setItalic(style.italic != 0);
  font.setUnderline(style.underline != 0);
  font.setStrikeOut(style.strikeOut != 0);
  return font;
}

StyleDialog::StyleDialog(const CTypeFont& style, uint32_t colour, QWidget* parent)
    : QDialog(parent), style_(style) {
  setWindowTitle(QStringLiteral("Style"));
  fonts_ = new QFontDialog(this);
  // Shown inside this dialog, beside the colours, rather than as a window.
  fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  fonts_->setWindowFlags(Qt::Widget);
  fonts_->setAccessibleName(QStringLiteral("Police"));
  if (style.fontSet != 0) fonts_->setCurrentFont(FontOfStyle(style));
  colours_ = new ColourGrid(ColourPalette::kSixteen, QStringLiteral("Couleur texte"), this);
  colours_->setValue(colour);
  auto* ok = MakeButton(QStringLiteral("&OK"), this);
  ok->setDefault(true);
  auto* cancel = MakeButton(QStringLiteral("Annuler"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(new QLabel(QStringLiteral("Couleur texte"), this));
  buttons->addWidget(colours_);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fonts_);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &StyleDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &StyleDialog::reject);
}

uint32_t StyleDialog::colour() const {
  return colours_->value();
}

void StyleDialog::accept() {
  const QFont font = fonts_->currentFont();
  ChosenFont chosen;
  chosen.faceName = ToModel(font.family());
  chosen.pointSize = font.pointSize() > 0 ? font.pointSize() : 10;
  chosen.bold = font.bold();
  chosen.italic = font.italic();
  chosen.underline = font.underline();
  chosen.strikeOut = font.strikeOut();
  // A font without a face name is refused with a message; the choice stays open.
  if (ApplyChosenFont(chosen, style_)) QDialog::accept();
}

}  // namespace veldor
