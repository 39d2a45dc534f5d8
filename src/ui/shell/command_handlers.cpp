#include "ui/shell/command_handlers.h"

#include <QApplication>
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>
#include <array>
#include <utility>

#include "ui/app/clipboards.h"
#include "ui/app/program_help.h"
#include "ui/shell/editor_hooks.h"
#include "ui/shell/help_launcher.h"
#include "ui/shell/main_window.h"
#include "ui/shell/project_window.h"
#include "ui/topics/topic_editor_view.h"

namespace veldor::ui {

namespace {

using C = CommandId;
using T = CommandTargets;

TopicEditorView& Editor(T& t) {
  return t.project->editor();
}

template <auto Member>
void RunHook(T& t) {
  t.project->RunProjectDialog(Hooks().*Member);
}

const std::vector<std::pair<CommandId, CommandHandler>>& Handlers() {
  static const std::vector<std::pair<CommandId, CommandHandler>> handlers = {
      {C::FileNew, [](T& t) { t.main.NewProject(); }},
      {C::FileOpen, [](T& t) { t.main.OpenWithDialog(); }},
      {C::FileClose, [](T& t) { t.main.area().closeActiveSubWindow(); }},
      {C::FileSave, [](T& t) { t.project->Save(); }},
      {C::FileSaveAs, [](T& t) { t.project->SaveAs(); }},
      {C::FilePrintSetup, [](T& t) { t.main.PrintSetup(); }},
      {C::ImportText, [](T& t) { t.project->ImportText(); }},
      {C::ImportRtf, [](T& t) { t.project->ImportRtf(); }},
      {C::ExportText, [](T& t) { t.project->ExportText(); }},
      {C::ExportRtf, [](T& t) { t.project->ExportRtf(); }},
      {C::ExportHtml, [](T& t) { t.project->ExportHtml(); }},
      {C::RecentFile1, [](T& t) { t.main.OpenRecent(0); }},
      {C::RecentFile2, [](T& t) { t.main.OpenRecent(1); }},
      {C::RecentFile3, [](T& t) { t.main.OpenRecent(2); }},
      {C::RecentFile4, [](T& t) { t.main.OpenRecent(3); }},
      {C::AppExit, [](T& t) { t.main.Quit(); }},
      {C::TopicCut, [](T& t) { Editor(t).DeleteTopic(); }},
      {C::TopicCopy, [](T& t) { Editor(t).CopyTopic(); }},
      {C::TopicPaste, [](T& t) { Editor(t).PasteTopic(); }},
      {C::SubjectCut, [](T& t) { Editor(t).DeleteSubjects(); }},
      {C::SubjectCopy, [](T& t) { Editor(t).CopySubjects(); }},
      {C::SubjectPaste, [](T& t) { Editor(t).PasteSubjects(); }},
      {C::RecoverDeleted, [](T& t) { Editor(t).RecoverDeleted(); }},
      {C::SearchWord, [](T& t) { Editor(t).SearchWord(); }},
      {C::ViewToolbar,
       [](T& t) {
         QToolBar* bar = t.main.toolbar("mainToolbar");
         bar->setVisible(!bar->isVisible());
       }},
      {C::ViewStatusBar,
       [](T& t) { t.main.statusBar()->setVisible(!t.main.statusBar()->isVisible()); }},
      {C::WindowCascade, [](T& t) { t.main.area().cascadeSubWindows(); }},
      {C::WindowTile, [](T& t) { t.main.area().tileSubWindows(); }},
      {C::WindowArrangeIcons, [](T& t) { t.main.ArrangeIcons(); }},
      {C::WindowTree, [](T& t) { t.project->OpenTree(); }},
      {C::BuildHelpMap, [](T& t) { t.project->RunBuild(C::BuildHelpMap); }},
      {C::BuildRtf, [](T& t) { t.project->RunBuild(C::BuildRtf); }},
      {C::BuildHelpProject, [](T& t) { t.project->RunBuild(C::BuildHelpProject); }},
      {C::BuildHelp, [](T& t) { t.project->RunBuild(C::BuildHelp); }},
      {C::BuildAll, [](T& t) { t.project->RunBuild(C::BuildAll); }},
      {C::TestHelp, [](T& t) { t.project->TestHelp(); }},
      {C::BasicWizard, [](T& t) { t.project->RunWizard(false); }},
      {C::ShowDoubleReference, [](T& t) { t.project->ShowDoubleReference(); }},
      {C::DelphiWizard, [](T& t) { t.project->RunWizard(true); }},
      {C::ResourceList, RunHook<&EditorHooks::resourceList>},
      {C::ChangeDirectory, RunHook<&EditorHooks::changeImageDirectory>},
      {C::EditMarkers, RunHook<&EditorHooks::editMarkers>},
      {C::EditButtons, RunHook<&EditorHooks::editButtons>},
      // "Men&u" and "&Element menu" are offered but do nothing.
      {C::EditMenu, [](T&) {}},
      {C::EditMenuItem, [](T&) {}},
      {C::OptionsGeneral, RunHook<&EditorHooks::generalOptions>},
      {C::OptionsProject, RunHook<&EditorHooks::projectOptions>},
      {C::OptionsWindows, RunHook<&EditorHooks::windowOptions>},
      {C::OptionsGlobalInput, RunHook<&EditorHooks::globalStrings>},
      {C::OptionsVisualC, RunHook<&EditorHooks::visualCOptions>},
      {C::OptionsVisualBasic, RunHook<&EditorHooks::visualBasicOptions>},
      {C::OptionsDelphi, RunHook<&EditorHooks::delphiOptions>},
      {C::OptionsTools,
       [](T& t) {
         if (Hooks().editTools) Hooks().editTools(&t.main);
       }},
      {C::HelpIndex, [](T&) { OpenProgramHelp(""); }},
      {C::HelpUsing, [](T&) { OpenProgramHelp(kHelpUsingHelp); }},
      {C::HelpContext,
       [](T& t) {
         QWidget* focus = QApplication::focusWidget();
         OpenProgramHelp(HelpContextOf(focus != nullptr ? focus : &t.main));
       }},
      {C::HelpMode, [](T& t) { t.main.EnterHelpMode(); }},
      {C::AppAbout, [](T& t) { t.main.About(); }},
      {C::ExchangeSubjects, [](T& t) { Editor(t).ExchangeSubjects(); }},
      {C::NextPane, [](T& t) { t.project->MovePane(true); }},
      {C::PreviousPane, [](T& t) { t.project->MovePane(false); }},
      {C::TreeRefresh, [](T& t) { Hooks().treeCommand(*t.project, C::TreeRefresh); }},
      {C::TreeExpandAll, [](T& t) { Hooks().treeCommand(*t.project, C::TreeExpandAll); }},
  };
  return handlers;
}

}  // namespace

CommandHandler HandlerOf(CommandId id) {
  static const std::array<CommandHandler, kCommandCount> table = [] {
    std::array<CommandHandler, kCommandCount> t{};
    for (const auto& [command, handler] : Handlers()) t[static_cast<size_t>(command)] = handler;
    return t;
  }();
  return table[static_cast<size_t>(id)];
}

}  // namespace veldor::ui
