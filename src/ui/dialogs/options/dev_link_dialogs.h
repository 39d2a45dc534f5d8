// The link options with Visual C++ ("Option Lien avec Visual C++"), Visual
// Basic ("Options de Visual Basic ") and Delphi ("Options de Delphi").
#pragma once

#include <QDialog>
#include <array>

#include "ui/dialogs/rules/dev_link_forms.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace veldor {

class VisualCppLinkDialog : public QDialog {
  Q_OBJECT

 public:
  VisualCppLinkDialog(CVeldorDoc& doc, QWidget* parent = nullptr);

  VisualCppLinkForm form() const;
  void accept() override;

  QRadioButton* allButton() const { return all_; }
  QRadioButton* chooseButton() const { return choose_; }
  QCheckBox* prefixBox(int choice) const { return prefixes_[static_cast<size_t>(choice)]; }

 private:
  void enablePrefixes();

  CVeldorDoc& doc_;
  QRadioButton* all_;
  QRadioButton* choose_;
  std::array<QCheckBox*, kHidChoiceCount> prefixes_{};
  QLineEdit* resource_;
  QLineEdit* afx_;
  QCheckBox* prompt_;
  QCheckBox* allow_;
  QCheckBox* index_;
};

// Visual Basic (`delphi` false) or Delphi (`delphi` true).
class DevProjectLinkDialog : public QDialog {
  Q_OBJECT

 public:
  DevProjectLinkDialog(CVeldorDoc& doc, SettingsStore& store, bool delphi,
                       QWidget* parent = nullptr);

  DevProjectLinkForm form() const;
  void accept() override;

  QLineEdit* projectField() const { return project_; }
  QLineEdit* converterField() const { return converter_; }

 private:
  CVeldorDoc& doc_;
  SettingsStore& store_;
  bool delphi_;
  QLineEdit* project_;
  QLineEdit* converter_ = nullptr;
  QCheckBox* allow_;
  QCheckBox* prompt_;
  QCheckBox* index_;
};

}  // namespace veldor
