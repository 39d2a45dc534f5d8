// The command table as data: its invariants, the menus built from it, and
// the availability of commands in the situations a project window meets.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "ui/commands/command_routing.h"
#include "ui/commands/command_table.h"
#include "ui/commands/menu_layout.h"
#include "ui/shell/command_handlers.h"

namespace veldor::ui {
namespace {

using C = CommandId;

TEST(CommandTable, RowsAreInIdOrderWithUniqueNames) {
  std::set<std::string> names;
  ASSERT_EQ(CommandTable().size(), static_cast<size_t>(kCommandCount));
  for (size_t i = 0; i < CommandTable().size(); ++i) {
    const CommandRow& row = CommandTable()[i];
    EXPECT_EQ(static_cast<size_t>(row.id), i);
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    EXPECT_NE(row.enabled, nullptr) << row.name;
  }
}

TEST(CommandTable, NoShortcutIsGivenTwice) {
  std::map<std::string, std::string> owners;
  for (const CommandRow& row : CommandTable()) {
    for (const char* key : row.shortcuts) {
      const auto [it, fresh] = owners.emplace(key, row.name);
      EXPECT_TRUE(fresh) << key << " used by " << it->second << " and " << row.name;
    }
  }
}

TEST(CommandTable, ShortcutTextOfTheMenuMatchesThePrimaryKey) {
  for (const CommandRow& row : CommandTable()) {
    const std::string text = row.menuText;
    const auto tab = text.find('\t');
    if (tab == std::string::npos || row.id == C::TestHelp) continue;  // "ALT F1" as tabled
    ASSERT_FALSE(row.shortcuts.empty()) << row.name;
    EXPECT_EQ(text.substr(tab + 1), row.shortcuts.front()) << row.name;
  }
}

TEST(CommandTable, EveryMenuAndToolbarEntryHasARowAndEveryRunnableRowAHandler) {
  std::set<CommandId> placed;
  for (const auto* menus : {&ProjectMenus(), &ReducedMenus(), &TreeWindowMenus()}) {
    for (CommandId id : CommandsInMenus(*menus)) placed.insert(id);
  }
  for (const ToolbarSpec* bar : {&MainToolbar(), &BuildToolbar(), &OptionsToolbar(),
                                 &ProjectWindowToolbar(), &TreeWindowToolbar()}) {
    for (const MenuEntry& e : bar->buttons) {
      if (e.kind == MenuEntry::Command) placed.insert(e.id);
    }
  }
  for (const CommandRow& row : CommandTable()) {
    // Commands reached by keys alone.
    const bool keysOnly =
        row.id == C::HelpContext || row.id == C::NextPane || row.id == C::PreviousPane;
    EXPECT_TRUE(placed.count(row.id) || keysOnly) << row.name << " is in no menu or toolbar";
    if (row.enabled != Never) {
      EXPECT_NE(HandlerOf(row.id), nullptr) << row.name;
    }
  }
}

TEST(CommandTable, ReducedMenuHoldsOnlyApplicationAndMainWindowCommands) {
  std::vector<std::string> titles;
  for (const MenuSpec& m : ReducedMenus()) titles.push_back(m.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"&Fichier", "&Vues", "Options", "&Aide"}));
  for (CommandId id : CommandsInMenus(ReducedMenus())) {
    const Owner owner = CommandRowOf(id).owner;
    EXPECT_TRUE(owner == Owner::Application || owner == Owner::MainWindow) << CommandRowOf(id).name;
  }
}

// --- Availability ---------------------------------------------------------

CommandContext OneProject(int topics) {
  CommandContext c;
  c.hasProject = true;
  c.topicCount = topics;
  c.features = kAllFeatures;
  return c;
}

struct EnablingCase {
  const char* situation;
  CommandContext context;
  CommandId id;
  bool enabled;
};

CommandContext With(CommandContext c, void (*change)(CommandContext&)) {
  change(c);
  return c;
}

TEST(CommandEnabling, FollowsTheSituation) {
  const CommandContext none{};
  const CommandContext empty = OneProject(0);
  const CommandContext one = OneProject(1);
  const CommandContext two = OneProject(2);
  const auto building = With(two, [](CommandContext& c) { c.buildRunning = true; });
  const auto errorsActive = With(two, [](CommandContext& c) { c.activePane = Pane::ErrorList; });
  const auto listActive = With(two, [](CommandContext& c) { c.activePane = Pane::TopicList; });
  const auto topicCopied = With(one, [](CommandContext& c) { c.topicClipboardCount = 1; });
  const auto subjectCopied = With(one, [](CommandContext& c) { c.subjectClipboardCount = 3; });
  const auto treeOpen = With(two, [](CommandContext& c) { c.treeOpen = true; });
  const auto vcLinks = With(two, [](CommandContext& c) { c.vcLinkChangesAllowed = true; });
  const auto unhooked = With(two, [](CommandContext& c) { c.features = 0; });
  auto language = [&](int l) {
    CommandContext c = two;
    c.language = l;
    return c;
  };

  const EnablingCase cases[] = {
      {"no project: new, open, tools, quit", none, C::FileNew, true},
      {"no project", none, C::FileOpen, true},
      {"no project", none, C::AppExit, true},
      {"no project: tools (hooked)",
       With(none, [](CommandContext& c) { c.features = kAllFeatures; }), C::OptionsTools, true},
      {"no project: save has no claimant", none, C::FileSave, false},
      {"no project: topic copy has no claimant", none, C::TopicCopy, false},
      {"printing is never available", two, C::FilePrint, false},
      {"undo is never available", two, C::EditUndo, false},
      {"empty project: copy topic", empty, C::TopicCopy, false},
      {"empty project: RTF export", empty, C::ExportRtf, false},
      {"empty project: HTML export", empty, C::ExportHtml, false},
      {"one topic: copy topic", one, C::TopicCopy, true},
      {"one topic: exchange", one, C::ExchangeSubjects, false},
      {"two topics: exchange", two, C::ExchangeSubjects, true},
      {"paste topic with an empty clipboard", one, C::TopicPaste, false},
      {"paste topic after a copy anywhere", topicCopied, C::TopicPaste, true},
      {"paste subject with an empty clipboard", one, C::SubjectPaste, false},
      {"paste subject after a copy anywhere", subjectCopied, C::SubjectPaste, true},
      {"build running: quit", building, C::AppExit, false},
      {"build running: Fait Tout", building, C::BuildAll, false},
      {"build running: Fait RTF", building, C::BuildRtf, false},
      {"build running: test", building, C::TestHelp, false},
      {"build running: cut topic", building, C::TopicCut, false},
      {"build running: save still works", building, C::FileSave, true},
      {"no build: Fait HLP", two, C::BuildHelp, true},
      {"help map needs the Visual C++ link option", two, C::BuildHelpMap, false},
      {"help map with the option", vcLinks, C::BuildHelpMap, true},
      {"error list active: copy topic", errorsActive, C::TopicCopy, false},
      {"error list active: project options", errorsActive, C::OptionsProject, false},
      {"error list active: tree", errorsActive, C::WindowTree, false},
      {"error list active: search", errorsActive, C::SearchWord, false},
      {"error list active: document commands stay", errorsActive, C::BuildAll, true},
      {"error list active: main window commands stay", errorsActive, C::WindowCascade, true},
      {"topic list active: search", listActive, C::SearchWord, true},
      {"topic list active: recovery", listActive, C::RecoverDeleted, true},
      {"topic list active: copy topic", listActive, C::TopicCopy, false},
      {"tree closed", two, C::WindowTree, true},
      {"tree open", treeOpen, C::WindowTree, false},
      {"tree not wired", unhooked, C::WindowTree, false},
      {"options not wired", unhooked, C::OptionsGeneral, false},
      {"language 0: Visual C++", language(0), C::OptionsVisualC, true},
      {"language 0: Visual Basic", language(0), C::OptionsVisualBasic, false},
      {"language 1: Visual Basic", language(1), C::OptionsVisualBasic, true},
      {"language 3: Visual Basic", language(3), C::OptionsVisualBasic, true},
      {"language 3: Delphi", language(3), C::OptionsDelphi, false},
      {"language 4: Delphi", language(4), C::OptionsDelphi, true},
      {"language 5: Delphi", language(5), C::OptionsDelphi, true},
      {"language 5: Visual C++", language(5), C::OptionsVisualC, false},
      {"language 2: none of the three", language(2), C::OptionsVisualBasic, false},
  };
  for (const EnablingCase& c : cases) {
    EXPECT_EQ(Resolve(c.id, c.context).enabled, c.enabled)
        << c.situation << " (" << CommandRowOf(c.id).name << ")";
  }
}

TEST(CommandRouting, OffersACommandToThePaneFirstThenUpwards) {
  CommandContext c = OneProject(2);
  EXPECT_EQ(RoutingChain(c),
            (std::vector<Level>{Level::TopicEditor, Level::Document, Level::ProjectWindow,
                                Level::MainWindow, Level::Application}));
  EXPECT_EQ(Resolve(C::TopicCopy, c).level, Level::TopicEditor);
  EXPECT_EQ(Resolve(C::FileSave, c).level, Level::Document);
  EXPECT_EQ(Resolve(C::NextPane, c).level, Level::ProjectWindow);
  EXPECT_EQ(Resolve(C::WindowTile, c).level, Level::MainWindow);
  EXPECT_EQ(Resolve(C::FileNew, c).level, Level::Application);

  c.activePane = Pane::TopicList;
  EXPECT_EQ(Resolve(C::SearchWord, c).level, Level::TopicList);
  EXPECT_FALSE(Resolve(C::TopicCopy, c).claimed);

  c.activePane = Pane::ErrorList;
  EXPECT_EQ(RoutingChain(c).front(), Level::ErrorList);
  EXPECT_FALSE(Resolve(C::SubjectCopy, c).claimed);

  EXPECT_EQ(RoutingChain(CommandContext{}),
            (std::vector<Level>{Level::MainWindow, Level::Application}));
}

TEST(CommandRouting, TheActiveTreeWindowTakesItsOwnCommandsFirst) {
  CommandContext c = OneProject(2);
  c.treeOpen = true;
  EXPECT_FALSE(Resolve(C::TreeRefresh, c).claimed);  // the topic editor is active
  c.treeWindowActive = true;
  EXPECT_EQ(RoutingChain(c).front(), Level::TreeWindow);
  EXPECT_TRUE(Resolve(C::TreeRefresh, c).enabled);
  EXPECT_TRUE(Resolve(C::TreeExpandAll, c).enabled);
  EXPECT_FALSE(Resolve(C::TreeCollapseAll, c).enabled);
  EXPECT_FALSE(Resolve(C::TopicCopy, c).claimed);
  EXPECT_TRUE(Resolve(C::BuildAll, c).enabled);  // the document's commands stay
  c.features &= ~kFeatureTreeWindow;
  EXPECT_FALSE(Resolve(C::TreeRefresh, c).enabled);
}

TEST(CommandRouting, ADisabledClaimantDoesNotPassTheCommandOn) {
  CommandContext c = OneProject(0);
  const Resolution r = Resolve(C::TopicCopy, c);
  EXPECT_TRUE(r.claimed);
  EXPECT_EQ(r.level, Level::TopicEditor);
  EXPECT_FALSE(r.enabled);
}

}  // namespace
}  // namespace veldor::ui
