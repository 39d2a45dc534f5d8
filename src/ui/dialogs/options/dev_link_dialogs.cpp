#include "ui/dialogs/options/dev_link_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/document.h"
#include "ui/dialogs/common/dialog_parts.h"
#include "ui/dialogs/common/file_choosers.h"
#include "ui/dialogs/common/qt_text.h"

namespace veldor {
namespace {

QCheckBox* CheckBox(const char* label, bool checked, QWidget* parent) {
  const QString text = QString::fromUtf8(label);
  auto* box = Named(new QCheckBox(text, parent), text);
  box->setChecked(checked);
  return box;
}

// A labelled file field with its browse button, added as one row.
QLineEdit* FileRow(QVBoxLayout* layout, const char* label, const std::string& value, int maxLength,
                   FileChooser chooser, QWidget* parent) {
  auto* field = new QLineEdit(FromModel(value), parent);
  if (maxLength > 0) field->setMaxLength(maxLength);
  auto* browse = MakeButton(QStringLiteral("..."), parent);
  browse->setAccessibleName(QStringLiteral("Parcourir ") + PlainLabel(QString::fromUtf8(label)));
  auto* row = new QHBoxLayout;
  row->addWidget(field, 1);
  row->addWidget(browse);
  layout->addWidget(LabelFor(QString::fromUtf8(label), field, parent));
  layout->addLayout(row);
  QObject::connect(browse, &QPushButton::clicked, parent, [field, chooser, parent] {
    FileChooser start = chooser;
    start.initialName = StartingName(field->text().toStdString(), chooser.initialName);
    if (auto chosen = ChooseFileToOpen(parent, start)) {
      field->setText(QString::fromStdString(*chosen));
    }
  });
  return field;
}

}  // namespace

VisualCppLinkDialog::VisualCppLinkDialog(CVeldorDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc) {
  setWindowTitle(QStringLiteral("Option Lien avec Visual C++"));
  const VisualCppLinkForm form = LoadVisualCppLink(doc);
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral("Choix des HID_"), this);
  auto* groupLayout = new QGridLayout(group);
  all_ = Named(new QRadioButton(QStringLiteral("Tout"), group), QStringLiteral("Tout"));
  choose_ =
      Named(new QRadioButton(QStringLiteral("Choix HID_"), group), QStringLiteral("Choix HID_"));
  (form.choosePrefixes ? choose_ : all_)->setChecked(true);
  groupLayout->addWidget(all_, 0, 0);
  groupLayout->addWidget(choose_, 0, 1);
  for (int i = 0; i < kHidChoiceCount; ++i) {
    prefixes_[static_cast<size_t>(i)] = CheckBox(HidChoiceLabels()[static_cast<size_t>(i)],
                                                 form.prefixes[static_cast<size_t>(i)], group);
    groupLayout->addWidget(prefixes_[static_cast<size_t>(i)], 1 + i / 2, i % 2);
  }
  layout->addWidget(group);
  resource_ =
      FileRow(layout, "Fichier Include Resource du projet Visual C++", form.resourceInclude, 0,
              {"Choix include Resource", "Fichier include (*.h)|*.h||", "h", "*.h"}, this);
  afx_ = FileRow(layout, "Fichier MFC afxhelp.hm (dans msvc\\mfc\\include)", form.afxHelpInclude, 0,
                 {"Choix include HM", "Fichier HM (*.hm)|*.hm||", "hm", "*.hm"}, this);
  prompt_ =
      CheckBox("Prompt avant effacement référence non rattachée", form.promptUnattached, this);
  allow_ = CheckBox("Autorise modification liens avec Visual C++", form.allowLinkChanges, this);
  index_ = CheckBox("Fabrique index texte", form.buildTextIndex, this);
  for (QCheckBox* box : {prompt_, allow_, index_}) layout->addWidget(box);
  layout->addLayout(ConfirmButtons(this, QStringLiteral("&Valider"), QStringLiteral("&Annuler")));
  connect(choose_, &QRadioButton::toggled, this, &VisualCppLinkDialog::enablePrefixes);
  enablePrefixes();
}

void VisualCppLinkDialog::enablePrefixes() {
  for (QCheckBox* box : prefixes_) box->setEnabled(choose_->isChecked());
}

VisualCppLinkForm VisualCppLinkDialog::form() const {
  VisualCppLinkForm form;
  form.choosePrefixes = choose_->isChecked();
  for (size_t i = 0; i < prefixes_.size(); ++i) form.prefixes[i] = prefixes_[i]->isChecked();
  form.resourceInclude = ToModel(resource_->text());
  form.afxHelpInclude = ToModel(afx_->text());
  form.promptUnattached = prompt_->isChecked();
  form.allowLinkChanges = allow_->isChecked();
  form.buildTextIndex = index_->isChecked();
  return form;
}

void VisualCppLinkDialog::accept() {
  ConfirmVisualCppLink(doc_, form());
  QDialog::accept();
}

DevProjectLinkDialog::DevProjectLinkDialog(CVeldorDoc& doc, SettingsStore& store, bool delphi,
                                           QWidget* parent)
    : QDialog(parent), doc_(doc), store_(store), delphi_(delphi) {
  setWindowTitle(delphi ? QStringLiteral("Options de Delphi")
                        : QStringLiteral("Options de Visual Basic "));
  const DevProjectLinkForm form = LoadDevProjectLink(doc, store);
  auto* layout = new QVBoxLayout(this);
  if (delphi) {
    project_ =
        FileRow(layout, "Nom du projet  (.DPR)", form.projectFile, kDelphiPathLength,
                {"Nom du projet  (.DPR)", "Fichier DPR (*.dpr)|*.dpr||", "dpr", "*.dpr"}, this);
    converter_ = FileRow(
        layout, "Chemin accès de convert.exe", form.converterPath, kDelphiPathLength,
        {"Chemin accès de convert.exe", "Fichier convert (*.exe)|*.exe||", "exe", "convert.exe"},
        this);
  } else {
    project_ =
        FileRow(layout, "Nom du projet VB (.MAK)", form.projectFile, kVisualBasicProjectLength,
                {"Nom du projet VB (.MAK)", "Fichier VB3 (*.mak)|*.mak|Fichier VB4 (*.vbp)|*.vbp||",
                 "mak", "*.mak"},
                this);
  }
  allow_ = CheckBox(
      delphi ? "Autorise modification liens DELPHI" : "Autorise modification liens Visual Basic",
      form.allowLinkChanges, this);
  prompt_ =
      CheckBox("Prompt avant effacement référence non rattachée", form.promptUnattached, this);
  index_ = CheckBox("Fabrique index texte", form.buildTextIndex, this);
  for (QCheckBox* box : {allow_, prompt_, index_}) layout->addWidget(box);
  layout->addLayout(ConfirmButtons(this, QStringLiteral("&Valider"), QStringLiteral("&Annuler")));
}

DevProjectLinkForm DevProjectLinkDialog::form() const {
  DevProjectLinkForm form;
  form.projectFile = ToModel(project_->text());
  if (converter_ != nullptr) form.converterPath = ToModel(converter_->text());
  form.allowLinkChanges = allow_->isChecked();
  form.promptUnattached = prompt_->isChecked();
  form.buildTextIndex = index_->isChecked();
  return form;
}

void DevProjectLinkDialog::accept() {
  ConfirmDevProjectLink(doc_, form(), delphi_, store_);
  QDialog::accept();
}

}  // namespace veldor
