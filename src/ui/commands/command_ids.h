// The identifiers of every command of the editor: menus, toolbars and
// accelerators all name commands by these ids.
#pragma once

namespace veldor::ui {

enum class CommandId {
  // Fichier
  FileNew,
  FileOpen,
  FileClose,
  FileSave,
  FileSaveAs,
  FilePrint,
  FilePrintPreview,
  FilePrintSetup,
  ImportText,
  ImportRtf,
  ExportText,
  ExportRtf,
  ExportHtml,
  RecentFile1,
  RecentFile2,
  RecentFile3,
  RecentFile4,
  AppExit,
  // Edit
  EditUndo,
  TopicCut,
  TopicCopy,
  TopicPaste,
  SubjectCut,
  SubjectCopy,
  SubjectPaste,
  RecoverDeleted,
  SearchWord,
  // Vues
  ViewToolbar,
  ViewStatusBar,
  // Fenêtres
  WindowCascade,
  WindowTile,
  WindowArrangeIcons,
  WindowTree,
  // Fabrique
  BuildHelpMap,
  BuildRtf,
  BuildHelpProject,
  BuildHelp,
  BuildAll,
  TestHelp,
  // Outils
  InsertSpecialChar,
  VbxWizard,
  BasicWizard,
  ShowDoubleReference,
  DelphiWizard,
  ResourceList,
  ChangeDirectory,
  EditMarkers,
  EditButtons,
  EditMenu,
  EditMenuItem,
  CompleteMenu,
  // Options
  OptionsGeneral,
  OptionsProject,
  OptionsWindows,
  OptionsGlobalInput,
  OptionsVisualC,
  OptionsVisualBasic,
  OptionsDelphi,
  OptionsTools,
  // Aide
  HelpIndex,
  HelpUsing,
  AppAbout,
  HelpContext,
  HelpMode,
  // Toolbar only
  ExchangeSubjects,
  // Panes of a project window
  NextPane,
  PreviousPane,
  // The tree window's own menu
  TreeRefresh,
  TreeExpandAll,
  TreeCollapseAll,
  Count_
};

inline constexpr int kCommandCount = static_cast<int>(CommandId::Count_);

}  // namespace veldor::ui
