// Small pieces shared by the dialogs: labelled fields that carry their
// label as accessible name, buttons, list and combo filling, and the one-shot
// sound of the WAV choosers.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace veldor {

// The label text without its '&' mnemonic markers, as an accessible name.
QString PlainLabel(const QString& text);
// Names `widget` after `label` and returns it.
template <typename W>
W* Named(W* widget, const QString& label) {
  widget->setAccessibleName(PlainLabel(label));
  return widget;
}
// A label for `buddy`, which takes the label's text as accessible name.
QLabel* LabelFor(const QString& text, QWidget* buddy, QWidget* parent);
// A push button whose accessible name is its text.
QPushButton* MakeButton(const QString& text, QWidget* parent);
// The row that ends a dialog: the confirming button (the default one) and
// the cancelling one, right-aligned, wired to accept() and reject().
QHBoxLayout* ConfirmButtons(QDialog* dialog, const QString& okText = QStringLiteral("Valider"),
                            const QString& cancelText = QStringLiteral("Annuler"));

// Fills a combo box or list with model strings (Windows-1252).
void FillCombo(QComboBox* combo, const std::vector<std::string>& items);
void FillList(QListWidget* list, const std::vector<std::string>& items);
// Fills with UTF-8 strings.
void FillComboUtf8(QComboBox* combo, const std::vector<std::string>& items);
// Selects the entry whose text is `value` (Windows-1252); false when none.
bool SelectComboText(QComboBox* combo, const std::string& value);

// Plays a WAV file once; without a sound device nothing plays.
void PlaySoundOnce(const std::string& path);

}  // namespace veldor
