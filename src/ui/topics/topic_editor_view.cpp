#include "ui/topics/topic_editor_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "helpbuild/error_list.h"
#include "model/document.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/settings_store.h"
#include "ui/app/clipboards.h"
#include "ui/app/ui_text.h"
#include "ui/commands/command_context.h"
#include "ui/shell/editor_hooks.h"
#include "ui/topics/subject_list.h"
#include "ui/topics/subject_popup.h"
#include "ui/topics/topic_dialogs.h"

namespace veldor::ui {

namespace {

constexpr int kButtonSpacing = 22;

QPushButton* Button(const char* text, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setAccessibleName(QString(text).remove('&'));
  b->setFixedHeight(kButtonSpacing);
  b->setAutoDefault(false);
  return b;
}

QStringList ToList(const std::vector<std::string>& names) {
  QStringList list;
  list.reserve(static_cast<int>(names.size()));
  for (const std::string& n : names) list << FromModel(n);
  return list;
}

}  // namespace

TopicEditorView::TopicEditorView(TopicEditorModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setObjectName("topicEditor");
  setAccessibleName("Editeur de topics");
  chapterBox_ = new QComboBox(this);
  chapterBox_->setAccessibleName("Chapitre");
  topics_ = new QComboBox(this);
  topics_->setAccessibleName("Topic");
  topics_->setMaxVisibleItems(20);
  topicCounter_ = new QLabel(this);
  topicCounter_->setAccessibleName("Compteur de topics");
  subjectCounter_ = new QLabel(this);
  subjectCounter_->setAccessibleName("Compteur de sujets");
  subjects_ = new SubjectList(this);

  addTopic_ = Button("Ajouter", this);
  deleteTopic_ = Button("Supprimer", this);
  editTopic_ = Button("Editer", this);
  addSubject_ = Button("Ajouter", this);
  insertSubject_ = Button("&Insèrer", this);
  deleteSubject_ = Button("Supprimer", this);
  editSubject_ = Button("Editer", this);
  upSubject_ = Button("Monte", this);
  downSubject_ = Button("Descend", this);
  addTopic_->setAccessibleName("Ajouter topic");
  deleteTopic_->setAccessibleName("Supprimer topic");
  editTopic_->setAccessibleName("Editer topic");
  addSubject_->setAccessibleName("Ajouter sujet");
  deleteSubject_->setAccessibleName("Supprimer sujet");
  editSubject_->setAccessibleName("Editer sujet");

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 4);
  auto* chapterLabel = new QLabel("Chapitre", this);
  chapterLabel->setBuddy(chapterBox_);
  auto* topicLabel = new QLabel("Topic", this);
  topicLabel->setBuddy(topics_);
  grid->addWidget(chapterLabel, 0, 0);
  grid->addWidget(chapterBox_, 0, 1);
  grid->addWidget(topicLabel, 1, 0);
  grid->addWidget(topics_, 1, 1);
  grid->addWidget(topicCounter_, 1, 2);
  auto* topicButtons = new QVBoxLayout;
  topicButtons->setSpacing(0);
  for (QPushButton* b : {addTopic_, deleteTopic_, editTopic_}) topicButtons->addWidget(b);
  grid->addLayout(topicButtons, 0, 3, 3, 1, Qt::AlignTop);
  auto* subjectLabel = new QLabel("Sujets", this);
  subjectLabel->setBuddy(subjects_);
  grid->addWidget(subjectLabel, 2, 0);
  grid->addWidget(subjectCounter_, 2, 2);
  grid->addWidget(subjects_, 3, 0, 1, 3);
  auto* subjectButtons = new QVBoxLayout;
  subjectButtons->setSpacing(0);
  for (QPushButton* b :
       {addSubject_, insertSubject_, deleteSubject_, editSubject_, upSubject_, downSubject_}) {
    subjectButtons->addWidget(b);
  }
  subjectButtons->addStretch();
  grid->addLayout(subjectButtons, 3, 3);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(3, 1);

  connect(chapterBox_, &QComboBox::activated, this, [this](int index) {
    model_.SelectChapter(index);
    Changed();
  });
  connect(topics_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (topicsShown_ != model_.topicsRevision() || index == model_.topicIndex()) return;
    model_.SelectTopic(index);
    Changed();
  });
  connect(subjects_, &SubjectList::selectionChangedByUser, this, [this] {
    model_.SetSubjectSelection(subjects_->SelectedRows(), subjects_->CaretRow());
    emit changed();
  });
  connect(subjects_, &SubjectList::editRequested, this, &TopicEditorView::EditSubject);
  connect(subjects_, &SubjectList::contextMenuAsked, this, &TopicEditorView::ShowPopup);
  connect(addTopic_, &QPushButton::clicked, this, &TopicEditorView::AddTopic);
  connect(editTopic_, &QPushButton::clicked, this, &TopicEditorView::EditTopic);
  connect(deleteTopic_, &QPushButton::clicked, this, &TopicEditorView::DeleteTopic);
  connect(addSubject_, &QPushButton::clicked, this, [this] { AddSubject(false); });
  connect(insertSubject_, &QPushButton::clicked, this, [this] { AddSubject(true); });
  connect(deleteSubject_, &QPushButton::clicked, this, &TopicEditorView::DeleteSubjects);
  connect(editSubject_, &QPushButton::clicked, this, &TopicEditorView::EditSubject);
  connect(upSubject_, &QPushButton::clicked, this, [this] { MoveSubject(true); });
  connect(downSubject_, &QPushButton::clicked, this, [this] { MoveSubject(false); });

  UpdateButtons();
  ReadColours();
  model_.FillChapters();
  Sync();
}

void TopicEditorView::UpdateButtons() {
  const uint32_t features = HookedFeatures();
  addTopic_->setEnabled(features & kFeatureTopicDialog);
  editTopic_->setEnabled(features & kFeatureTopicDialog);
  addSubject_->setEnabled(features & kFeatureSubjectDialogs);
  insertSubject_->setEnabled(features & kFeatureSubjectDialogs);
  editSubject_->setEnabled(features & kFeatureSubjectDialogs);
}

void TopicEditorView::ReadColours() {
  RowColours colours;
  const CVeldorDoc& doc = model_.document();
  if (const CWinAttr* main = doc.windows.GetAt(doc.windows.IndexOf("main"))) {
    colours.window = ColourOf(main->mainColour);
    colours.nonScroll = ColourOf(main->nonScrollColour);
  }
  subjects_->SetColours(colours);
}

void TopicEditorView::Sync() {
  if (chaptersShown_ != model_.chaptersRevision()) {
    chaptersShown_ = model_.chaptersRevision();
    QSignalBlocker block(chapterBox_);
    chapterBox_->clear();
    chapterBox_->addItems(ToList(model_.chapters()));
  }
  {
    QSignalBlocker block(chapterBox_);
    chapterBox_->setCurrentIndex(model_.chapterIndex());
  }
  if (topicsShown_ != model_.topicsRevision()) {
    QSignalBlocker block(topics_);
    topics_->clear();
    topics_->addItems(ToList(model_.topicNames()));
    topicsShown_ = model_.topicsRevision();
    emit topicsListed();
  }
  {
    QSignalBlocker block(topics_);
    topics_->setCurrentIndex(model_.topicIndex());
  }
  if (subjectsShown_ != model_.subjectsRevision()) {
    subjectsShown_ = model_.subjectsRevision();
    subjects_->SetTopic(model_.selectedTopic(), DirectoryPart(model_.document().GetPathName()));
  }
  subjects_->SelectRows(model_.selectedSubjects(), model_.caret());
  topicCounter_->setText(FromUtf8(model_.TopicCounterText()));
  subjectCounter_->setText(FromUtf8(model_.SubjectCounterText()));
}

void TopicEditorView::Changed() {
  Sync();
  emit changed();
}

void TopicEditorView::ShowTopic(const std::string& name, bool withChapter, int subject) {
  model_.ShowTopic(name, withChapter, subject);
  Changed();
}

void TopicEditorView::Refresh() {
  model_.Refresh();
  Changed();
}

void TopicEditorView::AddTopic() {
  if (!Hooks().editTopic) return;
  auto topic = std::make_unique<CTopic>();
  if (!Hooks().editTopic(this, model_.document(), *topic)) return;
  const std::string name = topic->GetName();
  if (!model_.document().AddTopic(topic->Copy())) return;
  model_.document().SetModifiedFlag();
  model_.FillTopics();
  model_.SelectTopicByName(name);
  Changed();
}

void TopicEditorView::EditTopic() {
  CTopic* topic = model_.selectedTopic();
  if (topic == nullptr || !Hooks().editTopic) return;
  if (!Hooks().editTopic(this, model_.document(), *topic)) return;
  model_.document().SetModifiedFlag();
  const std::string name = topic->GetShortName();
  model_.FillTopics();
  model_.SelectTopicByName(name);
  Changed();
}

void TopicEditorView::DeleteTopic() {
  if (model_.DeleteSelectedTopic()) Changed();
}

void TopicEditorView::CopyTopic() {
  model_.CopySelectedTopic(SharedClipboards().topics);
  emit changed();
}

void TopicEditorView::PasteTopic() {
  model_.PasteTopics(SharedClipboards().topics, DialogNameAsker(this));
  Changed();
}

void TopicEditorView::AddSubject(bool insert) {
  const EditorHooks& hooks = Hooks();
  if (!hooks.chooseSubjectType || !hooks.editSubject) return;
  CTopic* topic = model_.selectedTopic();
  if (topic == nullptr) {
    Messages().Message(kNoTopicSelected, kSelectionCaption, MessageIcon::Error);
    return;
  }
  if (insert && model_.caret() < 0) {
    Messages().Message(kNoSubjectSelected, kSelectionCaption, MessageIcon::Error);
    return;
  }
  const int type = hooks.chooseSubjectType(this);
  auto subject = CTypeEdit::CreateSubject(type);
  if (!subject || !hooks.editSubject(this, model_.document(), *subject)) return;
  const int position = insert ? model_.caret() : topic->subjectCount();
  if (!topic->InsertSubject(position, std::move(subject))) return;
  model_.document().SetModifiedFlag();
  model_.TouchSubjects();
  model_.SetSubjectSelection({position}, position);
  Changed();
}

void TopicEditorView::EditSubject() {
  CTopic* topic = model_.selectedTopic();
  if (topic == nullptr || !Hooks().editSubject) return;
  const int row = model_.caret();
  if (row < 0 || row >= topic->subjectCount()) {
    Messages().Message(kNoSubjectSelected, kSelectionCaption, MessageIcon::Error);
    return;
  }
  if (!Hooks().editSubject(this, model_.document(), *topic->GetSubject(row))) return;
  model_.document().SetModifiedFlag();
  model_.TouchSubjects();
  model_.SetSubjectSelection({row}, row);
  Changed();
}

void TopicEditorView::DeleteSubjects() {
  if (model_.CutSubjects(SharedClipboards().subjects)) Changed();
}

void TopicEditorView::CopySubjects() {
  model_.CopySubjects(SharedClipboards().subjects);
  emit changed();
}

void TopicEditorView::PasteSubjects() {
  if (model_.PasteSubjects(SharedClipboards().subjects)) Changed();
}

void TopicEditorView::MoveSubject(bool up) {
  if (up ? model_.MoveSubjectUp() : model_.MoveSubjectDown()) Changed();
}

void TopicEditorView::SearchWord() {
  SearchDialog dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  // The project window runs it on its error list.
  emit searchRequested(QByteArray::fromStdString(dialog.text()), dialog.caseSensitive());
}

void TopicEditorView::RecoverDeleted() {
  DeletedTopicsDialog dialog(model_.document(), this);
  dialog.exec();
  if (dialog.restored() > 0) Refresh();
}

void TopicEditorView::ExchangeSubjects() {
  if (!Hooks().exchangeSubjects) return;
  if (Hooks().exchangeSubjects(this, model_.document())) {
    model_.document().SetModifiedFlag();
    model_.TouchSubjects();
    Changed();
  }
}

void TopicEditorView::ShowPopup(const QPoint& globalPos) {
  QMenu menu(this);
  const auto items = SubjectPopupItems(
      model_.selectedTopic(), model_.selectedSubjects(), SharedClipboards().subjects.Count(),
      subjects_->options().showMarkers, subjects_->options().showImages);
  for (const PopupItem& item : items) {
    if (item.action == PopupAction::Separator) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(FromUtf8(item.text));
    if (item.action == PopupAction::ToggleMarkers || item.action == PopupAction::ToggleImages) {
      action->setCheckable(true);
      action->setChecked(item.checked);
    }
    if (item.action == PopupAction::Edit) action->setEnabled(bool(Hooks().editSubject));
    connect(action, &QAction::triggered, this, [this, item] {
      switch (item.action) {
        case PopupAction::ToggleMarkers:
          subjects_->SetShowMarkers(!subjects_->options().showMarkers);
          break;
        case PopupAction::ToggleImages:
          subjects_->SetShowImages(!subjects_->options().showImages);
          break;
        case PopupAction::Edit:
          EditSubject();
          break;
        case PopupAction::GoToTarget: {
          const CTopic* topic = model_.selectedTopic();
          const std::string target = topic->GetSubject(model_.selectedSubjects()[0])->target;
          ShowTopic(target, true, -1);
          break;
        }
        case PopupAction::Cut:
          DeleteSubjects();
          break;
        case PopupAction::Copy:
          CopySubjects();
          break;
        case PopupAction::Paste:
          PasteSubjects();
          break;
        case PopupAction::Separator:
          break;
      }
    });
  }
  menu.exec(globalPos);
}

void TopicEditorView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (topics_->hasFocus()) {
      EditTopic();
      return;
    }
    if (subjects_->hasFocus()) {
      EditSubject();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

}  // namespace veldor::ui
