// The editor's windows on the demo project, driven headless: what opens,
// which commands are available where, the shared clipboards, a build in
// the background, and saving over a file changed on disk.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include "model/subject.h"
#include "model/topic.h"

#include "model/app_settings.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/recording_messages.h"
#include "support/scoped_settings.h"
#include "support/temp_directory.h"
#include "ui/errors/error_list_view.h"
#include "ui/shell/editor_hooks.h"
#include "ui/shell/main_window.h"
#include "ui/shell/project_window.h"
#include "ui/topics/subject_list.h"
#include "ui/topics/topic_editor_view.h"
#include "ui/topics/topic_list_view.h"

namespace veldor::ui {
namespace {

using C = CommandId;

class EditorWindowTest : public ::testing::Test {
 protected:
  EditorWindowTest() : settings_(dir_ / "VELDOR.INI") {
    std::filesystem::copy_file(VELDOR_DEMO_EHE, dir_ / "DEMO.ehe");
    demo_ = QString::fromStdString(dir_ / "DEMO.ehe");
    window_ = std::make_unique<MainWindow>(StartEditor());
  }
  ~EditorWindowTest() override {
    for (ProjectWindow* p : window_->Projects()) p->document().SetModifiedFlag(false);
    window_.reset();
  }
  bool Enabled(C id) {
    window_->UpdateActions();
    return window_->Action(id)->isEnabled();
  }

  TempDirectory dir_;
  ScopedSettingsFile<CAppSettings> settings_;
  RecordingMessages messages_;
  QString demo_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(EditorWindowTest, WithoutAProjectOnlyTheReducedMenuIsShown) {
  EXPECT_TRUE(window_->ReducedMenuShown());
  QStringList titles;
  for (QAction* a : window_->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&Fichier", "&Vues", "Options", "&Aide"}));
  EXPECT_FALSE(Enabled(C::FileSave));
  EXPECT_TRUE(Enabled(C::FileOpen));
  EXPECT_FALSE(Enabled(C::OptionsTools));  // until the tools dialog is wired
  Hooks().editTools = [](QWidget*) {};
  EXPECT_TRUE(Enabled(C::OptionsTools));
  Hooks().editTools = nullptr;
  EXPECT_EQ(window_->windowTitle().toStdString(), "Veldor Windows Application");
}

TEST_F(EditorWindowTest, OpeningTheDemoShowsItsTopicsInTheEditor) {
  ProjectWindow* project = window_->OpenProject(demo_);
  ASSERT_NE(project, nullptr);
  EXPECT_FALSE(window_->ReducedMenuShown());
  EXPECT_EQ(window_->windowTitle().toStdString(), "Veldor Windows Application - DEMO.ehe");
  EXPECT_EQ(project->activePane(), Pane::TopicEditor);
  const int topics = project->document().topicCount();
  ASSERT_GT(topics, 2);
  EXPECT_EQ(project->editor().topicSelector().count(), topics);
  EXPECT_EQ(project->topicList().count(), topics);
  EXPECT_EQ(project->editor().subjectList().model()->rowCount(),
            project->editor().model().selectedTopic()->subjectCount());
  EXPECT_EQ(project->editor().topicSelector().accessibleName(), "Topic");

  EXPECT_FALSE(Enabled(C::FilePrint));
  EXPECT_TRUE(Enabled(C::TopicCopy));
  EXPECT_TRUE(Enabled(C::ExchangeSubjects) == bool(Hooks().exchangeSubjects));
  // Opening it again shows the same window.
  EXPECT_EQ(window_->OpenProject(demo_), project);
  EXPECT_EQ(window_->Projects().size(), 1);

  // Choosing another topic loads its subjects.
  project->editor().topicSelector().setCurrentIndex(1);
  EXPECT_EQ(project->editor().model().topicIndex(), 1);
  EXPECT_EQ(project->editor().subjectList().model()->rowCount(),
            project->editor().model().selectedTopic()->subjectCount());
}

TEST_F(EditorWindowTest, TheActivePaneDecidesWhatTheTopicEditorOffers) {
  ProjectWindow* project = window_->OpenProject(demo_);
  ASSERT_NE(project, nullptr);
  Pane pane;
  EXPECT_TRUE(project->PaneOf(&project->editor().subjectList(), &pane));
  EXPECT_EQ(pane, Pane::TopicEditor);
  EXPECT_TRUE(project->PaneOf(&project->errorList(), &pane));
  EXPECT_EQ(pane, Pane::ErrorList);

  project->SetActivePane(Pane::ErrorList);
  EXPECT_FALSE(Enabled(C::TopicCopy));
  EXPECT_FALSE(Enabled(C::SearchWord));
  EXPECT_TRUE(Enabled(C::BuildRtf));
  project->MovePane(true);  // F6: error list -> topic list
  EXPECT_EQ(project->activePane(), Pane::TopicList);
  EXPECT_TRUE(Enabled(C::SearchWord));
  EXPECT_FALSE(Enabled(C::TopicCopy));
  project->MovePane(false);
  project->MovePane(true);
  project->MovePane(true);  // back to the editor
  EXPECT_EQ(project->activePane(), Pane::TopicEditor);
  EXPECT_TRUE(Enabled(C::TopicCopy));
}

TEST_F(EditorWindowTest, ATopicCopiedInOneProjectPastesIntoAnother) {
  ProjectWindow* demo = window_->OpenProject(demo_);
  ASSERT_NE(demo, nullptr);
  const std::string name = demo->editor().model().selectedTopic()->GetName();
  EXPECT_FALSE(Enabled(C::TopicPaste));
  window_->Execute(C::TopicCopy);
  ProjectWindow* fresh = window_->NewProject();
  EXPECT_EQ(window_->ActiveProject(), fresh);
  EXPECT_TRUE(Enabled(C::TopicPaste));
  EXPECT_FALSE(Enabled(C::TopicCopy));  // the new project has no topic
  window_->Execute(C::TopicPaste);
  ASSERT_EQ(fresh->document().topicCount(), 1);
  EXPECT_EQ(fresh->document().GetTopic(0)->GetName(), name);
  EXPECT_EQ(fresh->editor().topicSelector().currentText().toStdString(), name);
  EXPECT_TRUE(fresh->document().IsModified());
  EXPECT_EQ(window_->windowTitle().toStdString(), "Veldor Windows Application - Veldor1 *");
}

TEST_F(EditorWindowTest, ABuildRunsInTheBackgroundWithItsCommandsDisabled) {
  ProjectWindow* project = window_->OpenProject(demo_);
  ASSERT_NE(project, nullptr);
  const std::string shown = project->editor().model().selectedTopic()->GetName();
  window_->Execute(C::BuildRtf);
  EXPECT_TRUE(project->building());
  EXPECT_FALSE(Enabled(C::BuildAll));
  EXPECT_FALSE(Enabled(C::AppExit));
  EXPECT_FALSE(project->editor().isEnabled());
  project->WaitForBuild();
  EXPECT_FALSE(project->building());
  EXPECT_TRUE(Enabled(C::BuildAll));
  EXPECT_TRUE(project->editor().isEnabled());
  EXPECT_TRUE(FileExists(dir_ / "DEMO.RTF"));
  ASSERT_NE(project->editor().model().selectedTopic(), nullptr);
  EXPECT_EQ(project->editor().model().selectedTopic()->GetName(), shown);
}

TEST_F(EditorWindowTest, AFullBuildCompilesWithOurCompilerAndKeepsTheProject) {
  // No Windows compiler is configured: the build falls back on veldor-hc,
  // which lies beside the test program, and lists its messages.
  ProjectWindow* project = window_->OpenProject(demo_);
  ASSERT_NE(project, nullptr);
  const int topics = project->document().topicCount();
  window_->Execute(C::BuildAll);
  project->WaitForBuild();
  EXPECT_TRUE(FileExists(dir_ / "DEMO.HPJ"));
  EXPECT_TRUE(FileExists(dir_ / "DEMO.HLP"));
  bool summary = false;
  for (const auto& line : project->errors().lines()) {
    summary = summary || line.find("15 topics") != std::string::npos;
  }
  EXPECT_TRUE(summary);
  EXPECT_EQ(project->document().topicCount(), topics);
  EXPECT_EQ(project->editor().topicSelector().count(), topics);
  EXPECT_TRUE(Enabled(C::TestHelp));
}

TEST_F(EditorWindowTest, ASearchLineLeadsToItsTopicAndSubject) {
  ProjectWindow* project = window_->OpenProject(demo_);
  ASSERT_NE(project, nullptr);
  project->RunSearch("e", false);
  const auto& lines = project->errors().lines();
  ASSERT_GT(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Recherche de e");
  EXPECT_EQ(project->errorList().count(), static_cast<int>(lines.size()));
  project->OpenErrorLine(static_cast<int>(lines.size()) - 1);
  const CVeldorDoc& doc = project->document();
  const CTopic* last = doc.GetTopic(doc.topicCount() - 1);
  EXPECT_EQ(project->editor().model().selectedTopic(), last);
  EXPECT_EQ(project->editor().model().selectedSubjects().size(), 1u);
}

TEST_F(EditorWindowTest, SavingOverAFileChangedOnDiskAsksFirst) {
  ProjectWindow* project = window_->OpenProject(demo_);
  ASSERT_NE(project, nullptr);
  std::string bytes;
  ASSERT_TRUE(ReadFile(dir_ / "DEMO.ehe", bytes));
  ASSERT_TRUE(WriteFile(dir_ / "DEMO.ehe", bytes + "x"));
  EXPECT_FALSE(project->Save());  // answered No
  ASSERT_EQ(messages_.confirmations.size(), 1u);
  std::string after;
  ReadFile(dir_ / "DEMO.ehe", after);
  EXPECT_EQ(after, bytes + "x");

  messages_.answerYes = true;
  EXPECT_TRUE(project->Save());
  EXPECT_TRUE(project->Save());  // no longer changed elsewhere: no question
  EXPECT_EQ(messages_.confirmations.size(), 2u);
  EXPECT_EQ(window_->recentFiles().Entries().front(), dir_ / "DEMO.ehe");
}

TEST_F(EditorWindowTest, DroppedFilesOpenInTurnAndClosingTheLastBringsBackTheReducedMenu) {
  std::filesystem::copy_file(VELDOR_DEMO_EHE, dir_ / "SECOND.ehe");
  window_->OpenDroppedFiles({QUrl::fromLocalFile(demo_),
                             QUrl::fromLocalFile(QString::fromStdString(dir_ / "SECOND.ehe"))});
  ASSERT_EQ(window_->Projects().size(), 2);
  EXPECT_EQ(window_->ActiveProject()->DisplayName(), "SECOND.ehe");
  EXPECT_EQ(window_->recentFiles().Entries().size(), 2u);

  window_->Execute(C::FileClose);
  window_->Execute(C::FileClose);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  EXPECT_TRUE(window_->Projects().isEmpty());
  window_->UpdateActions();
  EXPECT_TRUE(window_->ReducedMenuShown());
}

TEST_F(EditorWindowTest, AFileThatIsNotAProjectIsRefusedWithAMessage) {
  ASSERT_TRUE(WriteFile(dir_ / "bad.ehe", "not a project"));
  EXPECT_EQ(window_->OpenProject(QString::fromStdString(dir_ / "bad.ehe")), nullptr);
  ASSERT_FALSE(messages_.messages.empty());
  EXPECT_EQ(messages_.messages.back().text.rfind("L'ouverture du document a échoué.", 0), 0u);
  EXPECT_TRUE(window_->Projects().isEmpty());
}

// The topic and subject dialogs plug in through their hooks.
class HookedDialogsTest : public EditorWindowTest {
 protected:
  HookedDialogsTest() {
    Hooks().editTopic = [this](QWidget*, CVeldorDoc&, CTopic& topic) {
      ++topicDialogs_;
      topic.SetName(topic.GetName().empty() ? "NOUVEAU" : topic.GetName() + "_2");
      return true;
    };
    Hooks().chooseSubjectType = [](QWidget*) { return static_cast<int>(kTypeJump); };
    Hooks().editSubject = [this](QWidget*, CVeldorDoc&, CTypeEdit& subject) {
      ++subjectDialogs_;
      subject.text = "dialog";
      return true;
    };
  }
  ~HookedDialogsTest() override { Hooks() = EditorHooks(); }
  int topicDialogs_ = 0;
  int subjectDialogs_ = 0;
};

TEST_F(HookedDialogsTest, TopicsAndSubjectsAreAddedAndEditedThroughTheDialogs) {
  ProjectWindow* project = window_->OpenProject(demo_);
  ASSERT_NE(project, nullptr);
  TopicEditorView& editor = project->editor();
  const int topics = project->document().topicCount();
  editor.AddTopic();
  EXPECT_EQ(project->document().topicCount(), topics + 1);
  EXPECT_EQ(editor.model().selectedTopic()->GetName(), "NOUVEAU");
  EXPECT_EQ(editor.topicSelector().currentText(), "NOUVEAU");

  editor.AddSubject(false);
  ASSERT_EQ(editor.model().selectedTopic()->subjectCount(), 1);
  EXPECT_EQ(editor.model().selectedTopic()->GetSubject(0)->typeCode, kTypeJump);
  EXPECT_EQ(editor.subjectList().model()->rowCount(), 1);
  editor.AddSubject(true);  // before the selected one
  EXPECT_EQ(editor.model().selectedTopic()->subjectCount(), 2);
  EXPECT_EQ(editor.model().caret(), 0);

  // Enter in the topic selector edits the topic, in the subject list the subject.
  window_->show();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  editor.topicSelector().setFocus();
  QTest::keyClick(&editor.topicSelector(), Qt::Key_Return);
  EXPECT_EQ(topicDialogs_, 2);
  EXPECT_EQ(editor.model().selectedTopic()->GetName(), "NOUVEAU_2");
  editor.subjectList().setFocus();
  QTest::keyClick(&editor.subjectList(), Qt::Key_Return);
  EXPECT_EQ(subjectDialogs_, 3);
  EXPECT_TRUE(project->document().IsModified());
}

}  // namespace
}  // namespace veldor::ui
