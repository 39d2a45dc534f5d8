// The subject dialog ("Sujet :"): every field of one subject, shown by
// subject type and action kind, with a live preview.
#pragma once

#include <QDialog>
#include <map>

#include "ui/dialogs/rules/subject_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace veldor {

class CTypeEdit;
class CVeldorDoc;
class SubjectPreviewWidget;

class SubjectDialog : public QDialog {
  Q_OBJECT

 public:
  // Edits `subject` of `doc`; the subject changes only on "&Valider".
  SubjectDialog(const CVeldorDoc& doc, CTypeEdit& subject, QWidget* parent = nullptr);

  SubjectForm form() const;
  void accept() override;

  // For tests: controls by label.
  QLineEdit* firstField() const { return first_; }
  QLabel* firstLabel() const { return firstLabel_; }
  QPlainTextEdit* textField() const { return text_; }
  QComboBox* alignmentField() const { return alignment_; }
  QLineEdit* lengthField(ParagraphField field) const;
  QCheckBox* flagBox(uint16_t flag) const;
  QCheckBox* paragraphEndBox() const { return paragraphEnd_; }
  QCheckBox* defaultStyleBox() const { return defaultStyle_; }
  QComboBox* actionField() const { return action_; }
  QComboBox* targetField() const { return target_; }
  QComboBox* windowField() const { return window_; }
  QComboBox* jumpMarkField() const { return jumpMark_; }
  QComboBox* borderField() const { return border_; }
  QLineEdit* fileField() const { return file_; }
  QLabel* fileLabel() const { return fileLabel_; }
  QPushButton* fileBrowseButton() const { return fileBrowse_; }
  QPushButton* imageBrowseButton() const { return imageBrowse_; }
  QPushButton* styleButton() const { return style_; }
  SubjectPreviewWidget* preview() const { return preview_; }
  // The widgets "fin paragraphe" enables.
  QWidget* paragraphWidget(ParagraphField field) const;

  void copyText();
  void pasteText();

 private:
  void buildFields();
  void showFieldsOfAction();
  void enableParagraphFields();
  void updatePreview();
  void updateColourSwatch();
  void chooseStyle();
  void chooseImage();
  void chooseSound();
  void startBitmapEditor();
  void startHotspotEditor();
  void showTextMenu(const QPoint& position);

  const CVeldorDoc& doc_;
  CTypeEdit& subject_;
  SubjectForm form_;  // style and colour; the rest lives in the controls
  QLabel* firstLabel_ = nullptr;
  QLineEdit* first_ = nullptr;
  QPushButton* imageBrowse_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QComboBox* alignment_ = nullptr;
  std::map<ParagraphField, QLineEdit*> lengths_;
  std::map<ParagraphField, QWidget*> paragraphWidgets_;
  std::map<uint16_t, QCheckBox*> flags_;
  QCheckBox* paragraphEnd_ = nullptr;
  QCheckBox* defaultStyle_ = nullptr;
  QComboBox* border_ = nullptr;
  QLabel* colourSwatch_ = nullptr;
  QLabel* actionLabel_ = nullptr;
  QComboBox* action_ = nullptr;
  QLabel* targetLabel_ = nullptr;
  QComboBox* target_ = nullptr;
  QLabel* windowLabel_ = nullptr;
  QComboBox* window_ = nullptr;
  QLabel* jumpMarkLabel_ = nullptr;
  QComboBox* jumpMark_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  QLineEdit* file_ = nullptr;
  QPushButton* fileBrowse_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* style_ = nullptr;
  SubjectPreviewWidget* preview_ = nullptr;
};

}  // namespace veldor
