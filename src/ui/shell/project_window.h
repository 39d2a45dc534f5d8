// A project window: one open project with its toolbar and three panes
// (topic list on the left, topic editor over the error list on the right).
// It carries out the document's commands: save, close, the builds (run in
// a worker so the window keeps painting), the help test and the text export.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "helpbuild/error_list.h"
#include "ui/commands/command_context.h"
#include "ui/commands/command_ids.h"
#include "ui/topics/topic_editor_model.h"

class QSplitter;

namespace veldor {
class CVeldorDoc;
}

namespace veldor::ui {

class ErrorListView;
class TopicEditorView;
class TopicListView;

class ProjectWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Takes the project; `path` is empty for a new project.
  ProjectWindow(std::unique_ptr<CVeldorDoc> doc, const QString& untitledName,
                QWidget* parent = nullptr);
  ~ProjectWindow() override;

  CVeldorDoc& document() { return *doc_; }
  const CErrorList& errors() const { return errors_; }
  TopicEditorView& editor() { return *editor_; }
  TopicListView& topicList() { return *topicList_; }
  ErrorListView& errorList() { return *errorList_; }

  // The name shown in titles: the file name, or "Veldor1" for a new one.
  QString DisplayName() const;
  Pane activePane() const { return activePane_; }
  void SetActivePane(Pane pane);
  // F6 / Shift+F6.
  void MovePane(bool forward);
  // Tells which pane holds `widget`, if any; returns false otherwise.
  bool PaneOf(const QWidget* widget, Pane* pane) const;

  bool building() const { return building_; }
  bool treeOpen() const { return treeWindow_ != nullptr; }
  QWidget* treeWindow() const { return treeWindow_; }
  // Called by the tree window when it opens (itself) and closes (nullptr).
  void SetTreeWindow(QWidget* tree);
  void OpenTree();

  // Fills the project-dependent part of a command context.
  void FillContext(CommandContext& context) const;

  // --- Document commands ------------------------------------------------
  bool Save();
  bool SaveAs();
  // Asks to save a modified project; false when the author cancels.
  bool CanClose();
  void ExportText();
  void RunBuild(CommandId command);
  void TestHelp();
  // The error list's line `row` leads to its topic.
  void OpenErrorLine(int row);
  void RunSearch(const std::string& text, bool caseSensitive);

  // --- Topic editor commands that need files ----------------------------
  void ImportText();
  void ImportRtf();
  void ExportRtf();
  void ExportHtml();
  void RunWizard(bool delphi);
  void ShowDoubleReference();
  // Runs a dialog hook on the project, refreshing the views when it
  // reports a change.
  void RunProjectDialog(const std::function<bool(QWidget*, CVeldorDoc&)>& dialog);

  // Blocks until a running build has ended (tests and quitting).
  void WaitForBuild();

 signals:
  // Something the commands or the title depend on changed.
  void stateChanged();
  void fileSaved(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void RememberDiskState();
  bool ChangedOnDisk() const;
  bool SaveTo(const std::string& path);
  void AfterProjectChange();
  void ShowErrors();

  std::unique_ptr<CVeldorDoc> doc_;
  CErrorList errors_;
  TopicEditorModel model_;
  QString untitledName_;
  TopicEditorView* editor_;
  TopicListView* topicList_;
  ErrorListView* errorList_;
  QSplitter* leftRight_;
  QSplitter* topBottom_;
  Pane activePane_ = Pane::TopicEditor;
  bool building_ = false;
  QPointer<QWidget> treeWindow_;
  QThread* buildThread_ = nullptr;
  int64_t diskTime_ = 0;
  int64_t diskSize_ = -1;
};

}  // namespace veldor::ui
