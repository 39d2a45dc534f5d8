#include "ui/shell/project_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QSplitter>
#include <QThread>
#include <QToolBar>
#include <QVBoxLayout>
#include <filesystem>

#include "devtools/delphi_wizard.h"
#include "devtools/help_map_include.h"
#include "devtools/vb_wizard.h"
#include "exchange/html_export.h"
#include "exchange/import_summary.h"
#include "exchange/rtf_import.h"
#include "exchange/text_export.h"
#include "exchange/text_import.h"
#include "helpbuild/build_commands.h"
#include "helpbuild/help_compiler.h"
#include "helpbuild/project_rtf.h"
#include "helpbuild/work_directory.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/settings_store.h"
#include "ui/app/message_boxes.h"
#include "ui/app/ui_text.h"
#include "ui/commands/menu_layout.h"
#include "ui/dialogs/dialog_launchers.h"
#include "ui/errors/error_list_view.h"
#include "ui/shell/editor_hooks.h"
#include "ui/topics/topic_editor_view.h"
#include "ui/topics/topic_list_view.h"
#include "ui/topics/word_search.h"

namespace veldor::ui {

namespace {

constexpr const char* kProjectFilter = "Veldor Files (*.ehe)";

int64_t FileSize(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  return error ? -1 : static_cast<int64_t>(size);
}

// A copy of the project for a build in a worker: the stored fields through
// the file form, and the working tables the build reads.
std::shared_ptr<CVeldorDoc> CopyForBuild(const CVeldorDoc& doc) {
  auto copy = std::make_shared<CVeldorDoc>();
  copy->LoadFromBytes(doc.SaveToBytes());
  copy->SetPathName(doc.GetPathName());
  copy->fontMap = doc.fontMap;
  copy->colourMap = doc.colourMap;
  copy->hmLines = doc.hmLines;
  copy->hmNames = doc.hmNames;
  copy->hmValues = doc.hmValues;
  copy->hmKnownNames = doc.hmKnownNames;
  copy->hmNameOfValue = doc.hmNameOfValue;
  copy->allowedHelpIds = doc.allowedHelpIds;
  return copy;
}

// Gives the built copy's topics (sorted, bitmap names corrected) and
// working tables back to the project.
void TakeBuildResult(CVeldorDoc& doc, CVeldorDoc& built) {
  const std::string before = doc.SaveToBytes();
  doc.topics.swap(built.topics);
  doc.fontMap.swap(built.fontMap);
  doc.colourMap.swap(built.colourMap);
  doc.hmLines.swap(built.hmLines);
  doc.hmNames.swap(built.hmNames);
  doc.hmValues.swap(built.hmValues);
  doc.hmKnownNames.swap(built.hmKnownNames);
  doc.hmNameOfValue.swap(built.hmNameOfValue);
  doc.allowedHelpIds.swap(built.allowedHelpIds);
  if (doc.SaveToBytes() != before) doc.SetModifiedFlag();
}

QString DialogDirectory(const CVeldorDoc& doc) {
  const std::string dir = DirectoryPart(doc.GetPathName());
  return FromUtf8(dir.empty() ? CurrentDirectory() : dir);
}

}  // namespace

ProjectWindow::ProjectWindow(std::unique_ptr<CVeldorDoc> doc, const QString& untitledName,
                             QWidget* parent)
    : QMainWindow(parent), doc_(std::move(doc)), model_(*doc_), untitledName_(untitledName) {
  setObjectName("projectWindow");
  editor_ = new TopicEditorView(model_, this);
  topicList_ = new TopicListView(*editor_, this);
  errorList_ = new ErrorListView(this);

  topBottom_ = new QSplitter(Qt::Vertical, this);
  topBottom_->addWidget(editor_);
  topBottom_->addWidget(errorList_);
  topBottom_->setStretchFactor(0, 3);
  topBottom_->setStretchFactor(1, 1);
  leftRight_ = new QSplitter(Qt::Horizontal, this);
  leftRight_->addWidget(topicList_);
  leftRight_->addWidget(topBottom_);
  leftRight_->setStretchFactor(1, 1);
  leftRight_->setSizes({160, 300});
  topBottom_->setSizes({300, 100});
  editor_->setMinimumSize(300, 300);
  setCentralWidget(leftRight_);

  connect(editor_, &TopicEditorView::changed, this, &ProjectWindow::stateChanged);
  connect(editor_, &TopicEditorView::searchRequested, this,
          [this](const QByteArray& text, bool caseSensitive) {
            RunSearch(text.toStdString(), caseSensitive);
          });
  connect(errorList_, &ErrorListView::lineActivated, this, &ProjectWindow::OpenErrorLine);
  RememberDiskState();
  setWindowTitle(DisplayName());
  // The topic editor is the active pane at opening.
  SetActivePane(Pane::TopicEditor);
}

ProjectWindow::~ProjectWindow() {
  WaitForBuild();
}

QString ProjectWindow::DisplayName() const {
  if (doc_->GetPathName().empty()) return untitledName_;
  return FromUtf8(FileNamePart(doc_->GetPathName()));
}

void ProjectWindow::SetActivePane(Pane pane) {
  if (activePane_ == pane) return;
  activePane_ = pane;
  emit stateChanged();
}

bool ProjectWindow::PaneOf(const QWidget* widget, Pane* pane) const {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (w == editor_) {
      *pane = Pane::TopicEditor;
      return true;
    }
    if (w == topicList_) {
      *pane = Pane::TopicList;
      return true;
    }
    if (w == errorList_) {
      *pane = Pane::ErrorList;
      return true;
    }
    if (w == this) return false;
  }
  return false;
}

void ProjectWindow::MovePane(bool forward) {
  static const Pane order[] = {Pane::TopicList, Pane::TopicEditor, Pane::ErrorList};
  int i = 0;
  while (order[i] != activePane_) ++i;
  i = (i + (forward ? 1 : 2)) % 3;
  SetActivePane(order[i]);
  switch (order[i]) {
    case Pane::TopicList:
      topicList_->setFocus(Qt::TabFocusReason);
      break;
    case Pane::TopicEditor:
      editor_->topicSelector().setFocus(Qt::TabFocusReason);
      break;
    case Pane::ErrorList:
      errorList_->setFocus(Qt::TabFocusReason);
      break;
  }
}

void ProjectWindow::SetTreeWindow(QWidget* tree) {
  treeWindow_ = tree;
  emit stateChanged();
}

void ProjectWindow::OpenTree() {
  if (treeOpen() || !Hooks().openTree) return;
  Hooks().openTree(*this);
}

void ProjectWindow::FillContext(CommandContext& c) const {
  c.hasProject = true;
  c.activePane = activePane_;
  c.topicCount = doc_->topicCount();
  c.buildRunning = c.buildRunning || building_;
  c.language = doc_->devLinkKind;
  c.vcLinkChangesAllowed = doc_->allowVcLinkChanges != 0;
  c.treeOpen = treeOpen();
  c.treeWindowActive = treeWindow_ != nullptr && treeWindow_->isActiveWindow();
}

// --- Files -------------------------------------------------------------------

void ProjectWindow::RememberDiskState() {
  const std::string& path = doc_->GetPathName();
  diskTime_ = path.empty() ? 0 : FileModificationTime(path);
  diskSize_ = path.empty() ? -1 : FileSize(path);
}

bool ProjectWindow::ChangedOnDisk() const {
  const std::string& path = doc_->GetPathName();
  if (path.empty() || !FileExists(path)) return false;
  return FileModificationTime(path) != diskTime_ || FileSize(path) != diskSize_;
}

bool ProjectWindow::SaveTo(const std::string& path) {
  std::string error;
  bool ok = false;
  {
    WaitCursor wait;
    ok = doc_->Save(path, &error);
  }
  if (!ok) {
    Messages().Message("L'enregistrement du document a échoué.\n" + error, "", MessageIcon::Error);
    return false;
  }
  doc_->SetPathName(path);
  doc_->SetModifiedFlag(false);
  RememberDiskState();
  setWindowTitle(DisplayName());
  emit fileSaved(FromUtf8(path));
  emit stateChanged();
  return true;
}

bool ProjectWindow::Save() {
  if (doc_->GetPathName().empty()) return SaveAs();
  if (ChangedOnDisk() && !ConfirmWithIcon("Le fichier " + doc_->GetPathName() +
                                              " a été modifié par ailleurs depuis son ouverture.\n"
                                              "Le remplacer par le projet en cours?",
                                          "", MessageIcon::Warning)) {
    return false;
  }
  return SaveTo(doc_->GetPathName());
}

bool ProjectWindow::SaveAs() {
  QString proposed = FromUtf8(doc_->GetPathName());
  if (proposed.isEmpty()) proposed = untitledName_ + ".ehe";
  QString path = QFileDialog::getSaveFileName(this, "Enregistrer sous", proposed, kProjectFilter);
  if (path.isEmpty()) return false;
  if (!path.endsWith(".ehe", Qt::CaseInsensitive)) path += ".ehe";
  return SaveTo(ToUtf8(path));
}

bool ProjectWindow::CanClose() {
  if (building_) return false;
  if (!doc_->IsModified()) return true;
  QMessageBox box(QMessageBox::Warning, kDefaultCaption,
                  QString("Enregistrer les modifications apportées à %1?").arg(DisplayName()),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
  box.setDefaultButton(QMessageBox::Yes);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Save();
    case QMessageBox::No:
      return true;
    default:
      return false;
  }
}

void ProjectWindow::closeEvent(QCloseEvent* event) {
  if (CanClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

// --- Builds ------------------------------------------------------------------

void ProjectWindow::RunBuild(CommandId command) {
  if (building_) return;
  std::function<bool(CVeldorDoc&, CErrorList&)> work;
  switch (command) {
    case CommandId::BuildHelpMap:
      work = [](CVeldorDoc& d, CErrorList&) {
        return RunBuildStep(d, [&d] { return BuildHelpMapInclude(d); });
      };
      break;
    case CommandId::BuildRtf:
      work = CommandBuildRtf;
      break;
    case CommandId::BuildHelpProject:
      work = [](CVeldorDoc& d, CErrorList&) { return CommandBuildHelpProject(d); };
      break;
    case CommandId::BuildHelp:
      work = CommandCompileHelp;
      break;
    case CommandId::BuildAll:
      work = [](CVeldorDoc& d, CErrorList& e) { return CommandBuildAll(d, e, HelpMapBuildStep); };
      break;
    default:
      return;
  }
  auto copy = CopyForBuild(*doc_);
  auto errors = std::make_shared<CErrorList>(errors_);
  building_ = true;
  // The panes show the project while a copy of it is built: no edits meanwhile.
  topicList_->setEnabled(false);
  editor_->setEnabled(false);
  emit stateChanged();
  buildThread_ = QThread::create([copy, errors, work] { work(*copy, *errors); });
  connect(buildThread_, &QThread::finished, this, [this, copy, errors] {
    buildThread_->deleteLater();
    buildThread_ = nullptr;
    TakeBuildResult(*doc_, *copy);
    errors_ = *errors;
    building_ = false;
    topicList_->setEnabled(true);
    editor_->setEnabled(true);
    AfterProjectChange();
    ShowErrors();
    emit stateChanged();
  });
  buildThread_->start();
}

void ProjectWindow::WaitForBuild() {
  // The worker may be waiting for a message box on this thread: keep
  // serving events while waiting for it.
  while (buildThread_ != nullptr) {
    buildThread_->wait(20);
    QCoreApplication::processEvents();
  }
}

void ProjectWindow::TestHelp() {
  ::veldor::TestHelp(*doc_);
}

void ProjectWindow::ShowErrors() {
  errorList_->ShowLines(errors_);
}

void ProjectWindow::OpenErrorLine(int row) {
  if (row < 0 || row >= static_cast<int>(errors_.lines().size())) return;
  if (errors_.topicNumbers().empty()) {
    const std::string workDir = WorkDirectory(*doc_);
    errors_.LoadTopicRef(!workDir.empty() && DirectoryExists(workDir)
                             ? JoinPath(workDir, "topic.ref")
                             : JoinPath(ProgramDirectory(), "topic.ref"));
  }
  if (auto target = errors_.OpenFromErrorLine(errors_.lines()[static_cast<size_t>(row)], *doc_)) {
    editor_->ShowTopic(target->topicName, true, target->subjectIndex);
    SetActivePane(Pane::TopicEditor);
  }
}

void ProjectWindow::RunSearch(const std::string& text, bool caseSensitive) {
  RunWordSearch(SettingsStore::Instance(), *doc_, text, caseSensitive, errors_);
  ShowErrors();
}

// --- Exchange ----------------------------------------------------------------

void ProjectWindow::AfterProjectChange() {
  // The topic shown stays shown when it is still listed.
  const int shown = model_.topicIndex();
  const std::string name =
      shown >= 0 ? model_.topicNames()[static_cast<size_t>(shown)] : std::string();
  model_.Refresh();
  if (!name.empty()) model_.SelectTopicByName(name);
  editor_->Sync();
  setWindowTitle(DisplayName());
  emit stateChanged();
}

void ProjectWindow::ExportText() {
  ExportTextDialog(this, *doc_);
}

void ProjectWindow::ExportRtf() {
  QFileDialog dialog(this, "Selection fichier rtf", DialogDirectory(*doc_), "Fichier RTF (*.rtf)");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("rtf");
  dialog.selectFile("export.rtf");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  {
    WaitCursor wait;
    ::veldor::ExportRtf(*doc_, ToUtf8(dialog.selectedFiles().first()));
  }
  AfterProjectChange();  // the export sorts the topics
}

void ProjectWindow::ExportHtml() {
  ExportHtmlDialog(this, *doc_);
}

void ProjectWindow::ImportText() {
  if (ImportTextDialog(this, *doc_, SettingsStore::Instance()) > 0) doc_->SetModifiedFlag();
  AfterProjectChange();
}

void ProjectWindow::ImportRtf() {
  if (ImportRtfDialog(this, *doc_) > 0) doc_->SetModifiedFlag();
  AfterProjectChange();
}

void ProjectWindow::RunWizard(bool delphi) {
  const bool changed = delphi ? DelphiWizardDialog(this, *doc_, SettingsStore::Instance())
                              : VisualBasicWizardDialog(this, *doc_);
  if (changed) doc_->SetModifiedFlag();
  AfterProjectChange();
}

void ProjectWindow::ShowDoubleReference() {
  ShowHelpIdListDialog(this, *doc_);
}

void ProjectWindow::RunProjectDialog(const std::function<bool(QWidget*, CVeldorDoc&)>& dialog) {
  if (!dialog) return;
  if (dialog(this, *doc_)) {
    doc_->SetModifiedFlag();
    editor_->ReadColours();
    AfterProjectChange();
  }
}

}  // namespace veldor::ui
