#include "ui/commands/menu_layout.h"

namespace veldor::ui {

namespace {

using C = CommandId;

MenuEntry Cmd(C id, const char* text = nullptr) {
  MenuEntry e;
  e.kind = MenuEntry::Command;
  e.id = id;
  e.text = text;
  return e;
}
MenuEntry Sep() {
  MenuEntry e;
  e.kind = MenuEntry::Separator;
  return e;
}
MenuEntry Sub(const char* title, std::vector<MenuEntry> children) {
  MenuEntry e;
  e.kind = MenuEntry::Submenu;
  e.text = title;
  e.children = std::move(children);
  return e;
}
MenuEntry Recent() {
  MenuEntry e;
  e.kind = MenuEntry::RecentFiles;
  return e;
}

void Collect(const std::vector<MenuEntry>& entries, std::vector<CommandId>& out) {
  for (const MenuEntry& e : entries) {
    if (e.kind == MenuEntry::Command) out.push_back(e.id);
    if (e.kind == MenuEntry::RecentFiles) {
      for (C id : {C::RecentFile1, C::RecentFile2, C::RecentFile3, C::RecentFile4}) {
        out.push_back(id);
      }
    }
    Collect(e.children, out);
  }
}

}  // namespace

const std::vector<MenuSpec>& ProjectMenus() {
  static const std::vector<MenuSpec> menus = {
      {"&Fichier",
       {Cmd(C::FileNew),
        Cmd(C::FileOpen),
        Cmd(C::FileClose),
        Cmd(C::FileSave),
        Cmd(C::FileSaveAs),
        Sep(),
        Cmd(C::FilePrint),
        Cmd(C::FilePrintPreview),
        Cmd(C::FilePrintSetup),
        Sep(),
        Cmd(C::ImportText),
        Cmd(C::ImportRtf),
        Sep(),
        Cmd(C::ExportText),
        Cmd(C::ExportRtf),
        Cmd(C::ExportHtml),
        Sep(),
        Recent(),
        Sep(),
        Cmd(C::AppExit)}},
      {"&Edit",
       {Cmd(C::EditUndo), Sep(), Cmd(C::TopicCut), Cmd(C::TopicCopy), Cmd(C::TopicPaste), Sep(),
        Cmd(C::SubjectCut), Cmd(C::SubjectCopy), Cmd(C::SubjectPaste), Sep(),
        Cmd(C::RecoverDeleted), Cmd(C::SearchWord)}},
      {"&Vues", {Cmd(C::ViewToolbar), Cmd(C::ViewStatusBar)}},
      {"Fe&nêtres",
       {Cmd(C::WindowCascade), Cmd(C::WindowTile), Cmd(C::WindowArrangeIcons), Sep(),
        Cmd(C::WindowTree)}},
      {"Fabrique",
       {Cmd(C::BuildHelpMap), Sep(), Cmd(C::BuildRtf), Cmd(C::BuildHelpProject), Cmd(C::BuildHelp),
        Cmd(C::BuildAll), Sep(), Cmd(C::TestHelp)}},
      {"Outils",
       {Sub("&Insert", {Cmd(C::InsertSpecialChar)}),
        Sub("&language",
            {Cmd(C::VbxWizard),
             Sub("Basic Wizard", {Cmd(C::BasicWizard), Cmd(C::ShowDoubleReference)}),
             Sub("Delphi Wizard", {Cmd(C::DelphiWizard), Cmd(C::ShowDoubleReference)})}),
        Sep(), Cmd(C::ResourceList), Cmd(C::ChangeDirectory), Sep(),
        Sub("", {Cmd(C::EditMarkers), Cmd(C::EditButtons), Cmd(C::EditMenu), Cmd(C::EditMenuItem),
                 Cmd(C::CompleteMenu)})}},
      {"Options",
       {Cmd(C::OptionsGeneral), Cmd(C::OptionsProject), Cmd(C::OptionsWindows),
        Sub("Global", {Cmd(C::OptionsGlobalInput)}), Sep(), Cmd(C::OptionsVisualC),
        Cmd(C::OptionsVisualBasic), Cmd(C::OptionsDelphi), Sep(), Cmd(C::OptionsTools)}},
      {"&Aide", {Cmd(C::HelpIndex), Cmd(C::HelpUsing), Sep(), Cmd(C::AppAbout)}},
  };
  return menus;
}

const std::vector<MenuSpec>& ReducedMenus() {
  static const std::vector<MenuSpec> menus = {
      {"&Fichier",
       {Cmd(C::FileNew), Cmd(C::FileOpen, "&Ouvre...\tCtrl+O"), Sep(), Recent(), Sep(),
        Cmd(C::AppExit, "&Quitter")}},
      {"&Vues", {Cmd(C::ViewToolbar), Cmd(C::ViewStatusBar)}},
      {"Options", {Cmd(C::OptionsTools)}},
      {"&Aide",
       {Cmd(C::HelpIndex), Cmd(C::HelpUsing, "&Utiliser l'aide"), Sep(), Cmd(C::AppAbout)}},
  };
  return menus;
}

const ToolbarSpec& MainToolbar() {
  static const ToolbarSpec bar = {"mainToolbar",
                                  "Barre principale",
                                  {Cmd(C::FileNew), Cmd(C::FileOpen), Cmd(C::FileSave), Sep(),
                                   Cmd(C::FilePrint), Sep(), Cmd(C::AppAbout), Cmd(C::HelpMode)}};
  return bar;
}

const ToolbarSpec& BuildToolbar() {
  static const ToolbarSpec bar = {
      "buildToolbar",
      "Barre Fabrique",
      {Cmd(C::ExchangeSubjects), Sep(), Cmd(C::BuildRtf), Cmd(C::BuildHelpProject),
       Cmd(C::BuildHelp), Sep(), Cmd(C::BuildAll)}};
  return bar;
}

const ToolbarSpec& OptionsToolbar() {
  static const ToolbarSpec bar = {
      "optionsToolbar",
      "Barre Options",
      {Cmd(C::OptionsGeneral), Cmd(C::OptionsWindows), Cmd(C::OptionsGlobalInput), Sep(),
       Cmd(C::ExportRtf), Sep(), Cmd(C::TestHelp), Sep(), Cmd(C::WindowTree), Sep(),
       Cmd(C::SearchWord), Sep(), Cmd(C::RecoverDeleted)}};
  return bar;
}

const ToolbarSpec& ProjectWindowToolbar() {
  static const ToolbarSpec bar = {"projectToolbar",
                                  "Barre Sujets",
                                  {Cmd(C::SubjectCut), Cmd(C::SubjectCopy), Cmd(C::SubjectPaste)}};
  return bar;
}

const std::vector<MenuSpec>& TreeWindowMenus() {
  static const std::vector<MenuSpec> menus = {
      {"&Options", {Cmd(C::TreeRefresh), Cmd(C::TreeExpandAll), Cmd(C::TreeCollapseAll)}}};
  return menus;
}

const ToolbarSpec& TreeWindowToolbar() {
  static const ToolbarSpec bar = {
      "treeToolbar", "Barre Arbre", {Cmd(C::TreeRefresh), Cmd(C::TreeExpandAll)}};
  return bar;
}

std::vector<CommandId> CommandsInMenus(const std::vector<MenuSpec>& menus) {
  std::vector<CommandId> out;
  for (const MenuSpec& m : menus) Collect(m.entries, out);
  return out;
}

}  // namespace veldor::ui
