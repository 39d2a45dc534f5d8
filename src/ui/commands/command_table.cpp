#include "ui/commands/command_table.h"

#include <stdexcept>

namespace veldor::ui {

bool Always(const CommandContext&) {
  return true;
}
bool Never(const CommandContext&) {
  return false;
}

namespace {

bool HasProject(const CommandContext& c) {
  return c.hasProject;
}
bool NotBuilding(const CommandContext& c) {
  return !c.buildRunning;
}
bool ProjectNotBuilding(const CommandContext& c) {
  return c.hasProject && !c.buildRunning;
}
bool HasTopic(const CommandContext& c) {
  return c.topicCount >= 1;
}
bool HasTwoTopics(const CommandContext& c) {
  return c.topicCount >= 2;
}
bool TopicClipboardFilled(const CommandContext& c) {
  return c.topicClipboardCount > 0 && !c.buildRunning;
}
bool SubjectClipboardFilled(const CommandContext& c) {
  return c.subjectClipboardCount > 0;
}
bool HelpMapAllowed(const CommandContext& c) {
  return c.hasProject && c.vcLinkChangesAllowed && !c.buildRunning;
}
bool TreeClosed(const CommandContext& c) {
  return !c.treeOpen;
}
bool LanguageVisualC(const CommandContext& c) {
  return c.language == 0;
}
bool LanguageVisualBasic(const CommandContext& c) {
  return c.language == 1 || c.language == 3;
}
bool LanguageDelphi(const CommandContext& c) {
  return c.language == 4 || c.language == 5;
}

using O = Owner;
using C = CommandId;

std::vector<CommandRow> BuildTable() {
  std::vector<CommandRow> rows = {
      {C::FileNew, "FileNew", "&Nouveau\tCtrl+N", "Crée un nouveau document", {"Ctrl+N"},
       O::Application, Always},
      {C::FileOpen, "FileOpen", "&Ouvrir...\tCtrl+O", "Ouvre un document existant", {"Ctrl+O"},
       O::Application, Always},
      {C::FileClose, "FileClose", "&Fermer", "Ferme le document actif", {}, O::Document,
       HasProject},
      {C::FileSave, "FileSave", "&Sauver\tCtrl+S", "Sauve le document en cours", {"Ctrl+S"},
       O::Document, HasProject},
      {C::FileSaveAs, "FileSaveAs", "Sauve &Sous...", "Sauve avec un nouveau nom", {},
       O::Document, HasProject},
      {C::FilePrint, "FilePrint", "&Imprimer...\tCtrl+P", "Imprime de fichier Aide", {"Ctrl+P"},
       O::Application, Never},
      {C::FilePrintPreview, "FilePrintPreview", "&Prévisualisation", "Visualise l'impression", {},
       O::Application, Never},
      {C::FilePrintSetup, "FilePrintSetup", "Imprim&ante Setup...",
       "Change la configuration de l'imprimante", {}, O::Application, Always},
      {C::ImportText, "ImportText", "Importe Texte",
       "Importation fichier texte avec balise de séparation", {}, O::TopicEditor, Always},
      {C::ImportRtf, "ImportRtf", "Importe RTF", "importation d'un fichier RTF", {},
       O::TopicEditor, Always},
      {C::ExportText, "ExportText", "Exporte fichier texte", "Exporte vers un fichier txt", {},
       O::Document, HasProject},
      {C::ExportRtf, "ExportRtf", "Exporte fichier RTF", "Export un fichier RTF", {},
       O::TopicEditor, HasTopic},
      {C::ExportHtml, "ExportHtml", "Exporte fichiers HTML", "Exporte des fichiers HTML", {},
       O::TopicEditor, HasTopic},
      {C::RecentFile1, "RecentFile1", "", "Ouvre ce document", {}, O::Application, Always},
      {C::RecentFile2, "RecentFile2", "", "Ouvre ce document", {}, O::Application, Always},
      {C::RecentFile3, "RecentFile3", "", "Ouvre ce document", {}, O::Application, Always},
      {C::RecentFile4, "RecentFile4", "", "Ouvre ce document", {}, O::Application, Always},
      {C::AppExit, "AppExit", "Q&uitter", "Quitte le programme", {}, O::Application,
       NotBuilding},
      {C::EditUndo, "EditUndo", "&Undo\tCtrl+Z", "Annule la dernière action",
       {"Ctrl+Z", "Alt+Backspace"}, O::Application, Never},
      {C::TopicCut, "TopicCut", "Cou&pe topic\tCtrl+X",
       "Coupe et met le topic dans le presse papier", {"Ctrl+X", "Shift+Del"}, O::TopicEditor,
       NotBuilding},
      {C::TopicCopy, "TopicCopy", "&Copie topic\tCtrl+C", "Copie le topic dans le presse papier",
       {"Ctrl+C", "Ctrl+Ins"}, O::TopicEditor, HasTopic},
      {C::TopicPaste, "TopicPaste", "&Ramène topic\tCtrl+V",
       "Insère le topic contenu dans le presse papier", {"Ctrl+V", "Shift+Ins"}, O::TopicEditor,
       TopicClipboardFilled},
      {C::SubjectCut, "SubjectCut", "Cou&pe sujet", "Coupe et met le sujet dans le presse papier",
       {}, O::TopicEditor, Always},
      {C::SubjectCopy, "SubjectCopy", "&Copie sujet", "Copie le sujet dans le presse papier", {},
       O::TopicEditor, Always},
      {C::SubjectPaste, "SubjectPaste", "&Ramène sujet",
       "Insère le sujet contenu dans le presse papier", {}, O::TopicEditor,
       SubjectClipboardFilled},
      {C::RecoverDeleted, "RecoverDeleted", "Récupère détruit",
       "Récupére des topics déjà détuits", {}, O::TopicEditor, Always},
      {C::SearchWord, "SearchWord", "Recherche mot", "Recherche d'un mot dans le document", {},
       O::TopicEditor, Always},
      {C::ViewToolbar, "ViewToolbar", "&Barre d'outils", "Montre ou cache la barre d'outils", {},
       O::MainWindow, Always, 0, true},
      {C::ViewStatusBar, "ViewStatusBar", "&Ligne d'aide", "Montre ou cache la barre de status",
       {}, O::MainWindow, Always, 0, true},
      {C::WindowCascade, "WindowCascade", "&Cascade", "Arrange windows so they overlap", {},
       O::MainWindow, HasProject},
      {C::WindowTile, "WindowTile", "&Partage", "Arrange windows as non-overlapping tiles", {},
       O::MainWindow, HasProject},
      {C::WindowArrangeIcons, "WindowArrangeIcons", "&Arrange Icones",
       "Arrange icons at the bottom of the window", {}, O::MainWindow, HasProject},
      {C::WindowTree, "WindowTree", "Arbre", "Déroule l'arbre de l'aide", {}, O::TopicEditor,
       TreeClosed, kFeatureTreeWindow},
      {C::BuildHelpMap, "BuildHelpMap", "Fait Visual HM include", "Fabrique .hm du visual C++",
       {}, O::Document, HelpMapAllowed},
      {C::BuildRtf, "BuildRtf", "Fait RTF", "Fabrique le fichier RTF", {}, O::Document,
       ProjectNotBuilding},
      {C::BuildHelpProject, "BuildHelpProject", "Fait HPJ", "Fabrique le fichier HPJ", {},
       O::Document, ProjectNotBuilding},
      {C::BuildHelp, "BuildHelp", "Fait HLP", "Fabrique le fichier HLP", {}, O::Document,
       ProjectNotBuilding},
      {C::BuildAll, "BuildAll", "Fait Tout", "Fabrique tous les fichiers", {}, O::Document,
       ProjectNotBuilding},
      {C::TestHelp, "TestHelp", "Test l'aide\tALT F1", "Test l'aide courante", {"Alt+F1"},
       O::Document, ProjectNotBuilding},
      {C::InsertSpecialChar, "InsertSpecialChar", "Caractère spécial",
       "permet de choisir un paramètre dans une font de dessin", {}, O::TopicEditor, Never},
      {C::VbxWizard, "VbxWizard", "VB&X Wizard", "Crée un VBX HELP", {}, O::TopicEditor, Never},
      {C::BasicWizard, "BasicWizard", "Génération Basic Wizzard",
       "Génère squelette pour Visual Basic", {}, O::TopicEditor, Always},
      {C::ShowDoubleReference, "ShowDoubleReference", "Montre double référence",
       "Montre liste des HelpIDContexte basic", {}, O::TopicEditor, Always},
      {C::DelphiWizard, "DelphiWizard", "Génération Delphi Wizard", "", {}, O::TopicEditor,
       Always},
      {C::ResourceList, "ResourceList", "Liste des resources",
       "Affiche la liste des resources (images, sons ...)", {}, O::TopicEditor, Always,
       kFeatureResourceList},
      {C::ChangeDirectory, "ChangeDirectory", "Changement de répertoire",
       "changement de répertoire pour image", {}, O::TopicEditor, Always,
       kFeatureImageDirectory},
      {C::EditMarkers, "EditMarkers", "&Marqueurs", "édition des marqueurs de groupe", {},
       O::TopicEditor, Always, kFeatureMarkers},
      {C::EditButtons, "EditButtons", "&Boutons", "édition des boutons", {}, O::TopicEditor,
       Always, kFeatureButtons},
      {C::EditMenu, "EditMenu", "Men&u", "édition des menus", {}, O::TopicEditor, Always},
      {C::EditMenuItem, "EditMenuItem", "&Element menu", "édition des éléments d'un menu", {},
       O::TopicEditor, Always},
      {C::CompleteMenu, "CompleteMenu", "Menu &Complet", "création interactive d'un menu complet",
       {}, O::TopicEditor, Never},
      {C::OptionsGeneral, "OptionsGeneral", "General", "Options générales du programme", {},
       O::TopicEditor, Always, kFeatureGeneralOptions},
      {C::OptionsProject, "OptionsProject", "Project", "Options du projet courant", {},
       O::TopicEditor, Always, kFeatureProjectOptions},
      {C::OptionsWindows, "OptionsWindows", "Fenêtres", "options des fenêtres", {},
       O::TopicEditor, Always, kFeatureWindowOptions},
      {C::OptionsGlobalInput, "OptionsGlobalInput", "Saisie", "Saisie des chaines globales", {},
       O::TopicEditor, Always, kFeatureGlobalStrings},
      {C::OptionsVisualC, "OptionsVisualC", "Visual C++",
       "Options concernant les liens avec Visual C++", {}, O::TopicEditor, LanguageVisualC,
       kFeatureVisualCOptions},
      {C::OptionsVisualBasic, "OptionsVisualBasic", "Visual Basic", "Options pour aide Visual Basic",
       {}, O::TopicEditor, LanguageVisualBasic, kFeatureVisualBasicOptions},
      {C::OptionsDelphi, "OptionsDelphi", "Delphi", "Configuration pour Delphi", {},
       O::TopicEditor, LanguageDelphi, kFeatureDelphiOptions},
      {C::OptionsTools, "OptionsTools", "Outils", "Configure les outils", {}, O::MainWindow,
       Always, kFeatureTools},
      {C::HelpIndex, "HelpIndex", "&Index", "Index de l'aide", {}, O::MainWindow, Always},
      {C::HelpUsing, "HelpUsing", "&Comment Utiliser Aide",
       "Affiche instructions pour utiliser l'aide", {}, O::MainWindow, Always},
      {C::AppAbout, "AppAbout", "&A propos de Veldor...", "Affiche les informations sur le programme",
       {}, O::Application, Always},
      {C::HelpContext, "HelpContext", "Aide", "Affiche l'aide courante", {"F1"}, O::MainWindow,
       Always},
      {C::HelpMode, "HelpMode", "Aide sur", "Affiche l'aide sur la fenêtre, le bouton ou le menu",
       {"Shift+F1"}, O::MainWindow, Always},
      {C::ExchangeSubjects, "ExchangeSubjects", "Echange de sujets",
       "Echange les sujets entre topics", {}, O::TopicEditor, HasTwoTopics,
       kFeatureSubjectExchange},
      {C::NextPane, "NextPane", "Volet suivant", "", {"F6"}, O::ProjectWindow, HasProject},
      {C::PreviousPane, "PreviousPane", "Volet précédent", "", {"Shift+F6"}, O::ProjectWindow,
       HasProject},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    if (static_cast<size_t>(rows[i].id) != i) throw std::logic_error("command table out of order");
  }
  return rows;
}

}  // namespace

const std::vector<CommandRow>& CommandTable() {
  static const std::vector<CommandRow> table = BuildTable();
  return table;
}

const CommandRow& CommandRowOf(CommandId id) {
  return CommandTable()[static_cast<size_t>(id)];
}

}  // namespace veldor::ui
