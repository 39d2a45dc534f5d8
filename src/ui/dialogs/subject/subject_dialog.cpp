#include "ui/dialogs/subject/subject_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/app_settings.h"
#include "model/document.h"
#include "model/subject.h"
#include "ui/dialogs/common/colour_grid.h"
#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/file_choosers.h"
#include "ui/dialogs/common/qt_text.h"
#include "ui/dialogs/rules/editor_tools.h"
#include "ui/dialogs/rules/subject_preview.h"
#include "ui/dialogs/subject/style_dialog.h"
#include "ui/dialogs/subject/subject_preview_widget.h"

namespace veldor {
namespace {

struct FlagBox {
  uint16_t flag;
  const char* label;
  ParagraphField field;  // kAlignment when "fin paragraphe" does not govern it
  bool paragraph;
};

const FlagBox kFlagBoxes[] = {
    {kFlagNonScroll, "Non Scroll", ParagraphField::kNonScroll, true},
    {kFlagKeep, "Fixe", ParagraphField::kKeep, true},
    {kFlagBox, "Cadre", ParagraphField::kBox, true},
    {kFlagVerticalBar, "barre verticale", ParagraphField::kVerticalBar, true},
    {kFlagRuleAbove, "barre horzAv", ParagraphField::kRuleAbove, true},
    {kFlagRuleBelow, "barre horzAp", ParagraphField::kRuleBelow, true},
    {kFlagImageRight, "Image à droite", ParagraphField::kAlignment, false},
    {kFlagImageInLine, "Image sur ligne", ParagraphField::kAlignment, false},
    {kFlagIgnoreGlobals, "Ignore global", ParagraphField::kAlignment, false},
};

struct LengthField {
  ParagraphField field;
  const char* label;
};

const LengthField kLengthFields[] = {
    {ParagraphField::kFirstIndent, "retrait 1°ligne"},
    {ParagraphField::kLeftMargin, "marge gauche de"},
    {ParagraphField::kRightMargin, "marge droite de"},
    {ParagraphField::kSpaceBefore, "marge haut"},
    {ParagraphField::kSpaceAfter, "marge bas"},
};

std::vector<std::string> ActionNames() {
  std::vector<std::string> names;
  for (int action = 0; action < kActionCount; ++action) names.push_back(ActionName(action));
  return names;
}

}  // namespace

SubjectDialog::SubjectDialog(const CVeldorDoc& doc, CTypeEdit& subject, QWidget* parent)
    : QDialog(parent), doc_(doc), subject_(subject), form_(LoadSubjectForm(subject)) {
  setWindowTitle(QStringLiteral("Sujet :"));
  buildFields();
  showFieldsOfAction();
  enableParagraphFields();
  updateColourSwatch();
  updatePreview();
}

void SubjectDialog::buildFields() {
  const SubjectFieldVisibility shown = VisibleSubjectFields(form_.typeCode, form_.action);
  auto* layout = new QVBoxLayout(this);

  // The optional title, or the bitmap file name with its browse button.
  first_ = new QLineEdit(FromModel(form_.title), this);
  firstLabel_ = LabelFor(QString::fromStdString(shown.firstFieldLabel), first_, this);
  imageBrowse_ = MakeButton(QStringLiteral("..."), this);
  imageBrowse_->setAccessibleName(QStringLiteral("Parcourir bitmap"));
  imageBrowse_->setVisible(shown.imageBrowse);
  auto* firstRow = new QHBoxLayout;
  firstRow->addWidget(firstLabel_);
  firstRow->addWidget(first_, 1);
  firstRow->addWidget(imageBrowse_);
  layout->addLayout(firstRow);

  text_ = new QPlainTextEdit(MultiLineFromModel(form_.text), this);
  text_->setAccessibleName(QStringLiteral("Texte du sujet"));
  text_->setTabChangesFocus(false);
  text_->setContextMenuPolicy(Qt::CustomContextMenu);
  layout->addWidget(text_, 1);

  preview_ = new SubjectPreviewWidget(this);
  layout->addWidget(preview_);

  // Paragraph layout.
  auto* grid = new QGridLayout;
  alignment_ = new QComboBox(this);
  FillComboUtf8(alignment_, AlignmentChoices());
  alignment_->setCurrentIndex(form_.alignment);
  alignment_->setAccessibleName(QStringLiteral("Alignement"));
  paragraphWidgets_[ParagraphField::kAlignment] = alignment_;
  grid->addWidget(new QLabel(QStringLiteral("Alignement"), this), 0, 0);
  grid->addWidget(alignment_, 0, 1);
  const std::string* values[] = {&form_.firstIndent, &form_.leftMargin, &form_.rightMargin,
                                 &form_.spaceBefore, &form_.spaceAfter};
  int row = 1;
  for (size_t i = 0; i < std::size(kLengthFields); ++i) {
    auto* field = new QLineEdit(QString::fromStdString(*values[i]), this);
    field->setMaxLength(8);
    lengths_[kLengthFields[i].field] = field;
    paragraphWidgets_[kLengthFields[i].field] = field;
    auto* label = LabelFor(QString::fromUtf8(kLengthFields[i].label), field, this);
    auto* unit = new QLabel(QStringLiteral("cm"), this);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(unit, row, 2);
    if (kLengthFields[i].field == ParagraphField::kFirstIndent && !shown.firstIndent) {
      label->hide();
      field->hide();
      unit->hide();
    }
    ++row;
  }
  auto* boxes = new QGridLayout;
  paragraphEnd_ = Named(new QCheckBox(QStringLiteral("fin paragraphe"), this),
                        QStringLiteral("fin paragraphe"));
  paragraphEnd_->setChecked(form_.HasFlag(kFlagParagraphEnd));
  defaultStyle_ =
      Named(new QCheckBox(QStringLiteral("style defaut"), this), QStringLiteral("style defaut"));
  defaultStyle_->setChecked(form_.useDefaultStyle);
  paragraphWidgets_[ParagraphField::kDefaultStyle] = defaultStyle_;
  boxes->addWidget(paragraphEnd_, 0, 0);
  boxes->addWidget(defaultStyle_, 0, 1);
  int box = 2;
  for (const FlagBox& entry : kFlagBoxes) {
    const QString label = QString::fromUtf8(entry.label);
    auto* check = Named(new QCheckBox(label, this), label);
    check->setChecked(form_.HasFlag(entry.flag));
    flags_[entry.flag] = check;
    if (entry.paragraph) paragraphWidgets_[entry.field] = check;
    boxes->addWidget(check, box / 2, box % 2);
    ++box;
  }
  border_ = new QComboBox(this);
  FillComboUtf8(border_, BorderChoices());
  border_->setCurrentIndex(form_.border);
  paragraphWidgets_[ParagraphField::kBorder] = border_;
  boxes->addWidget(LabelFor(QStringLiteral("bord"), border_, this), box / 2 + 1, 0);
  boxes->addWidget(border_, box / 2 + 1, 1);
  colourSwatch_ = new QLabel(this);
  colourSwatch_->setFixedSize(40, 18);
  colourSwatch_->setFrameShape(QFrame::Box);
  colourSwatch_->setAutoFillBackground(true);
  boxes->addWidget(LabelFor(QStringLiteral("Couleur texte"), colourSwatch_, this), box / 2 + 2, 0);
  boxes->addWidget(colourSwatch_, box / 2 + 2, 1);
  auto* paragraph = new QHBoxLayout;
  paragraph->addLayout(grid);
  paragraph->addLayout(boxes);
  layout->addLayout(paragraph);

  // The action of images and jumps.
  auto* links = new QGridLayout;
  action_ = new QComboBox(this);
  FillComboUtf8(action_, ActionNames());
  action_->setCurrentIndex(form_.action);
  actionLabel_ = LabelFor(QStringLiteral("Type du lien"), action_, this);
  target_ = new QComboBox(this);
  FillCombo(target_, TargetChoices(doc_, form_.target));
  SelectComboText(target_, form_.target);
  targetLabel_ = LabelFor(QStringLiteral("Topic"), target_, this);
  window_ = new QComboBox(this);
  FillCombo(window_, WindowChoices(doc_, form_.windowName));
  SelectComboText(window_, form_.windowName);
  windowLabel_ = LabelFor(QStringLiteral("Fenêtre"), window_, this);
  jumpMark_ = new QComboBox(this);
  FillComboUtf8(jumpMark_, JumpMarkChoices());
  jumpMark_->setCurrentIndex(form_.linkMark);
  jumpMarkLabel_ = LabelFor(QStringLiteral("Marque du saut"), jumpMark_, this);
  file_ = new QLineEdit(FromModel(form_.soundOrCommand), this);
  fileLabel_ = LabelFor(QString::fromUtf8(kSoundFileLabel), file_, this);
  fileBrowse_ = MakeButton(QStringLiteral("..."), this);
  fileBrowse_->setAccessibleName(QStringLiteral("Parcourir son"));
  links->addWidget(actionLabel_, 0, 0);
  links->addWidget(action_, 0, 1);
  links->addWidget(targetLabel_, 1, 0);
  links->addWidget(target_, 1, 1);
  links->addWidget(windowLabel_, 2, 0);
  links->addWidget(window_, 2, 1);
  links->addWidget(jumpMarkLabel_, 3, 0);
  links->addWidget(jumpMark_, 3, 1);
  links->addWidget(fileLabel_, 4, 0);
  links->addWidget(file_, 4, 1);
  links->addWidget(fileBrowse_, 4, 2);
  layout->addLayout(links);

  ok_ = MakeButton(QStringLiteral("&Valider"), this);
  ok_->setDefault(false);
  cancel_ = MakeButton(QStringLiteral("&Annuler"), this);
  style_ = MakeButton(QStringLiteral("&Style"), this);
  auto* paste = MakeButton(QStringLiteral("Co&ller"), this);
  auto* copy = MakeButton(QStringLiteral("&Copier"), this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {ok_, cancel_, style_, paste, copy}) buttons->addWidget(button);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &SubjectDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &SubjectDialog::reject);
  connect(style_, &QPushButton::clicked, this, &SubjectDialog::chooseStyle);
  connect(paste, &QPushButton::clicked, this, &SubjectDialog::pasteText);
  connect(copy, &QPushButton::clicked, this, &SubjectDialog::copyText);
  connect(imageBrowse_, &QPushButton::clicked, this, &SubjectDialog::chooseImage);
  connect(fileBrowse_, &QPushButton::clicked, this, &SubjectDialog::chooseSound);
  connect(action_, &QComboBox::currentIndexChanged, this, &SubjectDialog::showFieldsOfAction);
  connect(paragraphEnd_, &QCheckBox::toggled, this, &SubjectDialog::enableParagraphFields);
  connect(alignment_, &QComboBox::currentIndexChanged, this, &SubjectDialog::updatePreview);
  connect(text_, &QPlainTextEdit::textChanged, this, &SubjectDialog::updatePreview);
  connect(first_, &QLineEdit::textChanged, this, &SubjectDialog::updatePreview);
  connect(text_, &QWidget::customContextMenuRequested, this, &SubjectDialog::showTextMenu);
  connect(flags_[kFlagImageRight], &QCheckBox::toggled, this, [this](bool on) {
    if (on) flags_[kFlagImageInLine]->setChecked(true);
  });
  connect(preview_, &SubjectPreviewWidget::bitmapEditorRequested, this,
          &SubjectDialog::startBitmapEditor);
  connect(preview_, &SubjectPreviewWidget::hotspotEditorRequested, this,
          &SubjectDialog::startHotspotEditor);
}

QLineEdit* SubjectDialog::lengthField(ParagraphField field) const {
  const auto found = lengths_.find(field);
  return found == lengths_.end() ? nullptr : found->second;
}

QCheckBox* SubjectDialog::flagBox(uint16_t flag) const {
  if (flag == kFlagParagraphEnd) return paragraphEnd_;
  const auto found = flags_.find(flag);
  return found == flags_.end() ? nullptr : found->second;
}

QWidget* SubjectDialog::paragraphWidget(ParagraphField field) const {
  const auto found = paragraphWidgets_.find(field);
  return found == paragraphWidgets_.end() ? nullptr : found->second;
}

void SubjectDialog::showFieldsOfAction() {
  const SubjectFieldVisibility shown =
      VisibleSubjectFields(form_.typeCode, std::max(0, action_->currentIndex()));
  actionLabel_->setVisible(shown.actionKind);
  action_->setVisible(shown.actionKind);
  targetLabel_->setVisible(shown.target);
  target_->setVisible(shown.target);
  windowLabel_->setVisible(shown.window);
  window_->setVisible(shown.window);
  jumpMarkLabel_->setVisible(shown.jumpMark);
  jumpMark_->setVisible(shown.jumpMark);
  fileLabel_->setVisible(shown.fileField);
  file_->setVisible(shown.fileField);
  fileBrowse_->setVisible(shown.fileBrowse);
  if (shown.fileField) {
    fileLabel_->setText(QString::fromUtf8(shown.fileLabel));
    file_->setAccessibleName(QString::fromUtf8(shown.fileLabel).simplified());
  }
}

void SubjectDialog::enableParagraphFields() {
  const bool on = paragraphEnd_->isChecked();
  for (ParagraphField field : ParagraphFields()) {
    if (QWidget* widget = paragraphWidget(field)) widget->setEnabled(on);
  }
}

void SubjectDialog::updatePreview() {
  preview_->setText(text_->toPlainText());
  preview_->setTextFont(FontOfStyle(form_.style));
  preview_->setTextColour(ToQColor(form_.colour));
  preview_->setAlignment(alignment_->currentIndex());
  const bool image = form_.typeCode == kTypeBitMap;
  preview_->setImage(
      image,
      image ? QString::fromStdString(ImageFileOfSubject(first_->text().toStdString())) : QString());
}

void SubjectDialog::updateColourSwatch() {
  QPalette colours = colourSwatch_->palette();
  colours.setColor(QPalette::Window, ToQColor(form_.colour));
  colourSwatch_->setPalette(colours);
}

void SubjectDialog::chooseStyle() {
  for (QPushButton* button : {style_, ok_, cancel_}) button->setEnabled(false);
  StyleDialog dialog(form_.style, form_.colour, this);
  if (dialog.exec() == QDialog::Accepted) {
    form_.style = dialog.style();
    form_.colour = dialog.colour();
    updateColourSwatch();
    updatePreview();
  }
  for (QPushButton* button : {style_, ok_, cancel_}) button->setEnabled(true);
}

void SubjectDialog::chooseImage() {
  FileChooser chooser{"Selection fichier bmp ou shg",
                      "Fichier BMP(*.bmp)|*.bmp| Fichier SHG(*.shg)|*.shg||", "bmp",
                      StartingName(first_->text().toStdString(), "*.bmp;*.shg")};
  if (auto chosen = ChooseFileToOpen(this, chooser)) {
    first_->setText(QString::fromStdString(*chosen));
    updatePreview();
  }
}

void SubjectDialog::chooseSound() {
  FileChooser chooser{"Selection fichier son(WAV)", "Fichier WAV(*.wav)|*.wav||", "wav",
                      StartingName(file_->text().toStdString(), "*.wav")};
  if (auto chosen = ChooseFileToOpen(this, chooser)) {
    file_->setText(QString::fromStdString(*chosen));
    PlaySoundOnce(*chosen);
  }
}

void SubjectDialog::startBitmapEditor() {
  const auto& tools = CAppSettings::Instance().tools;
  if (auto command = BitmapEditorCommand(tools, ToModel(first_->text()))) StartTool(*command);
}

void SubjectDialog::startHotspotEditor() {
  const auto& tools = CAppSettings::Instance().tools;
  if (auto command = HotspotEditorCommand(tools, ToModel(first_->text()))) StartTool(*command);
}

void SubjectDialog::showTextMenu(const QPoint& position) {
  QMenu menu(this);
  QAction* copy = menu.addAction(QStringLiteral("Copier"));
  QAction* paste = menu.addAction(QStringLiteral("Coller"));
  QAction* cut = menu.addAction(QStringLiteral("Couper"));
  QAction* chosen = menu.exec(text_->viewport()->mapToGlobal(position));
  if (chosen == copy) text_->copy();
  if (chosen == paste) text_->paste();
  if (chosen == cut) text_->cut();
}

void SubjectDialog::copyText() {
  // The selection, or the whole text when nothing is selected.
  if (text_->textCursor().hasSelection()) {
    text_->copy();
  } else {
    QApplication::clipboard()->setText(text_->toPlainText());
  }
}

void SubjectDialog::pasteText() {
  text_->paste();
}

SubjectForm SubjectDialog::form() const {
  SubjectForm form = form_;
  form.title = ToModel(first_->text());
  form.text = MultiLineToModel(text_->toPlainText());
  form.alignment = std::max(0, alignment_->currentIndex());
  form.firstIndent = lengths_.at(ParagraphField::kFirstIndent)->text().toStdString();
  form.leftMargin = lengths_.at(ParagraphField::kLeftMargin)->text().toStdString();
  form.rightMargin = lengths_.at(ParagraphField::kRightMargin)->text().toStdString();
  form.spaceBefore = lengths_.at(ParagraphField::kSpaceBefore)->text().toStdString();
  form.spaceAfter = lengths_.at(ParagraphField::kSpaceAfter)->text().toStdString();
  form.SetFlag(kFlagParagraphEnd, paragraphEnd_->isChecked());
  for (const auto& [flag, check] : flags_) form.SetFlag(flag, check->isChecked());
  form.useDefaultStyle = defaultStyle_->isChecked();
  form.border = std::max(0, border_->currentIndex());
  form.action = std::max(0, action_->currentIndex());
  form.target = ToModel(target_->currentText());
  form.windowName = ToModel(window_->currentText());
  form.linkMark = std::max(0, jumpMark_->currentIndex());
  form.soundOrCommand = ToModel(file_->text());
  return form;
}

void SubjectDialog::accept() {
  if (StoreSubjectForm(form(), subject_, text_->width(), text_->height())) QDialog::accept();
}

}  // namespace veldor
