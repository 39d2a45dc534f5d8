// The dialogs and the tree window plugged into the editor: every hook is
// set, and the tree window opens from "Arbre", greys it while open, leads
// to a topic and gives the command back when it closes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>

#include <filesystem>

#include "model/app_settings.h"
#include "model/document.h"
#include "model/topic.h"
#include "platform/recording_messages.h"
#include "support/scoped_settings.h"
#include "support/temp_directory.h"
#include "ui/commands/command_context.h"
#include "ui/shell/editor_hooks.h"
#include "ui/shell/editor_wiring.h"
#include "ui/shell/main_window.h"
#include "ui/shell/project_window.h"
#include "ui/topics/topic_editor_model.h"
#include "ui/topics/topic_editor_view.h"
#include "ui/tree/tree_window.h"

namespace veldor::ui {
namespace {

class EditorWiringTest : public ::testing::Test {
 protected:
  EditorWiringTest() : settings_(dir_ / "VELDOR.INI") {
    std::filesystem::copy_file(VELDOR_DEMO_EHE, dir_ / "DEMO.ehe");
    WireEditorHooks();
    window_ = std::make_unique<MainWindow>(StartEditor());
  }
  ~EditorWiringTest() override {
    for (ProjectWindow* p : window_->Projects()) p->document().SetModifiedFlag(false);
    window_.reset();
    Hooks() = EditorHooks{};
  }
  bool Enabled(CommandId id) {
    window_->UpdateActions();
    return window_->Action(id)->isEnabled();
  }

  TempDirectory dir_;
  ScopedSettingsFile<CAppSettings> settings_;
  RecordingMessages messages_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(EditorWiringTest, EveryHookIsSet) {
  EXPECT_EQ(HookedFeatures(), (kFeatureDelphiOptions << 1) - 1);
}

TEST_F(EditorWiringTest, TheTreeWindowOpensFromArbreAndLeadsToATopic) {
  ProjectWindow* project = window_->OpenProject(QString::fromStdString(dir_ / "DEMO.ehe"));
  ASSERT_NE(project, nullptr);
  ASSERT_TRUE(Enabled(CommandId::WindowTree));
  window_->Execute(CommandId::WindowTree);
  auto* tree = qobject_cast<TreeWindow*>(project->treeWindow());
  ASSERT_NE(tree, nullptr);
  EXPECT_FALSE(Enabled(CommandId::WindowTree));

  const CVeldorDoc& doc = project->document();
  const CTopic* last = doc.GetTopic(doc.topicCount() - 1);
  ASSERT_NE(last, nullptr);
  emit tree->showTopicRequested(doc.topicCount() - 1, QString::fromLatin1(last->name.c_str()));
  EXPECT_EQ(project->editor().model().selectedTopic(), last);

  tree->close();
  QApplication::processEvents();
  EXPECT_FALSE(project->treeOpen());
  EXPECT_TRUE(Enabled(CommandId::WindowTree));
}

}  // namespace
}  // namespace veldor::ui
