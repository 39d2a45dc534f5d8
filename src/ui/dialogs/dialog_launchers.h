// One call per dialog that the editor opens. Each works on the document or
// settings it is given, changes them only when the dialog is confirmed, and
// says whether it did.
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace veldor {

class CTopic;
class CTypeEdit;
class CAppSettings;
class CVeldorDoc;
class SettingsStore;

// "Rattachement groupe" on `topic` (one of the project's, or a new empty
// topic that the caller adds when this returns true).
bool EditTopicDialog(QWidget* parent, CVeldorDoc& doc, CTopic& topic);
// The name a pasted topic takes: `name` when no topic has it, else what the
// author accepts in "Topic déjà existant" (asked again while that name is
// taken too), or none when the author chooses "Annuler coller".
std::optional<std::string> PastedTopicNameDialog(QWidget* parent, const CVeldorDoc& doc,
                                                 const std::string& name);
// "Choix du type de sujet": the chosen type code 0 to 5, or none.
std::optional<int> ChooseSubjectTypeDialog(QWidget* parent);
// "Sujet :" on `subject` (of the project, or new from CreateSubject).
bool EditSubjectDialog(QWidget* parent, const CVeldorDoc& doc, CTypeEdit& subject);
// "Echange de sujets": true when subjects were copied (the project is then
// marked modified and the topic editor reloads its subjects).
bool ExchangeSubjectsDialog(QWidget* parent, CVeldorDoc& doc);

// "Marges par défaut": the default styles in `settings`, written to `store`
// on confirmation and read back from it on cancel.
bool EditDefaultStylesDialog(QWidget* parent, CAppSettings& settings, SettingsStore& store);
// "Options projet". On true the topic editor rebuilds its chapter selector;
// on cancel the chapters and the topics' chapters are as before.
bool EditProjectOptionsDialog(QWidget* parent, CVeldorDoc& doc);
// "Configuration fenêtre". On true the topic editor re-reads the colours of
// the window "main".
bool EditHelpWindowsDialog(QWidget* parent, CVeldorDoc& doc);
// "Choix des textes globaux".
bool EditGlobalStringsDialog(QWidget* parent, CVeldorDoc& doc);
// "Option Lien avec Visual C++", "Options de Visual Basic ", "Options de
// Delphi" (the converter's path goes to `store`).
bool EditVisualCppLinkDialog(QWidget* parent, CVeldorDoc& doc);
bool EditVisualBasicLinkDialog(QWidget* parent, CVeldorDoc& doc, SettingsStore& store);
bool EditDelphiLinkDialog(QWidget* parent, CVeldorDoc& doc, SettingsStore& store);

// "Outils": the tools list of `settings`, written to `store` on "Valider".
bool EditToolsDialog(QWidget* parent, CAppSettings& settings, SettingsStore& store);
// Starts tool `position` of the list without waiting; a tool that cannot
// start is reported by name.
bool RunToolAt(const CAppSettings& settings, int position);
// "Liste des resources", with its printout.
void ShowResourceListDialog(QWidget* parent, const CVeldorDoc& doc);
// "Translation de répertoire image": the number of image subjects changed
// (the project is then marked modified and the subject list is redrawn).
int ChangeImageDirectoryDialog(QWidget* parent, CVeldorDoc& doc, SettingsStore& store);
// "Edition Marqueur" (`buttons` false) or "Edition Bouton".
void EditElementsDialog(QWidget* parent, bool buttons);
// "Imprim&ante Setup...": the page set-up of the printer the printouts use.
void PrinterSetupDialog(QWidget* parent);

// "Importe fichier Texte", then the import: the number of topics added
// (-1 when cancelled). The tags are stored in `store`.
int ImportTextDialog(QWidget* parent, CVeldorDoc& doc, SettingsStore& store);
// "Selection fichier txt", then the text export; false when cancelled or
// the file could not be written (after a message).
bool ExportTextDialog(QWidget* parent, const CVeldorDoc& doc);
// The RTF file chooser, then the import: the number of topics added.
int ImportRtfDialog(QWidget* parent, CVeldorDoc& doc);
// "Selection du chemin", then the HTML export into the chosen directory.
bool ExportHtmlDialog(QWidget* parent, const CVeldorDoc& doc);
// "Génération Basic Wizzard": the project chooser, then the wizard.
bool VisualBasicWizardDialog(QWidget* parent, CVeldorDoc& doc);
// "Génération Delphi Wizard": the project chooser, the converter check
// (and its chooser), then the wizard.
bool DelphiWizardDialog(QWidget* parent, CVeldorDoc& doc, SettingsStore& store);
// "Montre double référence": the list "Liste ID  Help" of the linked project.
void ShowHelpIdListDialog(QWidget* parent, const CVeldorDoc& doc);

}  // namespace veldor
