#include "ui/topics/subject_list.h"

#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>

#include "model/app_settings.h"
#include "model/topic.h"
#include "platform/settings_store.h"
#include "ui/app/ui_text.h"
#include "ui/topics/dib.h"

namespace veldor::ui {

void SubjectListModel::SetTopic(const CTopic* topic) {
  beginResetModel();
  topic_ = topic;
  endResetModel();
}

int SubjectListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || topic_ == nullptr) return 0;
  return topic_->subjectCount();
}

QVariant SubjectListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || topic_ == nullptr || index.row() >= topic_->subjectCount()) return {};
  const CTypeEdit* s = topic_->GetSubject(index.row());
  if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
    return FromModel(s->GetText().empty() ? s->GetTypeName() : s->GetLabel());
  }
  return {};
}

SubjectRowDelegate::SubjectRowDelegate(SubjectList* list)
    : QStyledItemDelegate(list), list_(list) {}

void SubjectRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const CTopic* topic = list_->rows().topic();
  if (topic == nullptr || index.row() >= topic->subjectCount()) return;
  RowOptions options = list_->options();
  options.selected = option.state & QStyle::State_Selected;
  PaintSubjectRow(*painter, option.rect, *topic->GetSubject(index.row()),
                  list_->ImageOfRow(index.row()), options);
}

QSize SubjectRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
  const CTopic* topic = list_->rows().topic();
  const int width = list_->viewport()->width();
  if (topic == nullptr || index.row() >= topic->subjectCount()) return QSize(width, 1);
  const QImage* image = list_->ImageOfRow(index.row());
  return QSize(width,
               RowHeight(*topic->GetSubject(index.row()), width, image ? image->size() : QSize()));
}

SubjectList::SubjectList(QWidget* parent) : QListView(parent) {
  setObjectName("subjectList");
  setAccessibleName("Liste des sujets");
  setModel(&model_);
  setItemDelegate(new SubjectRowDelegate(this));
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(false);
  setResizeMode(QListView::Adjust);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const SettingsStore& store = SettingsStore::Instance();
  options_.showMarkers = store.GetInt(kSectionInit, kKeyViewRappel, 1) != 0;
  options_.showImages = store.GetInt(kSectionInit, kKeyViewImage, 1) != 0;
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (!syncing_) emit selectionChangedByUser();
  });
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
    if (!syncing_) emit selectionChangedByUser();
  });
}

SubjectList::~SubjectList() {
  SettingsStore& store = SettingsStore::Instance();
  store.SetInt(kSectionInit, kKeyViewRappel, options_.showMarkers ? 1 : 0);
  store.SetInt(kSectionInit, kKeyViewImage, options_.showImages ? 1 : 0);
}

void SubjectList::SetTopic(const CTopic* topic, const std::string& projectDirectory) {
  projectDirectory_ = projectDirectory;
  syncing_ = true;
  model_.SetTopic(topic);
  syncing_ = false;
}

void SubjectList::Reload() {
  syncing_ = true;
  model_.SetTopic(model_.topic());
  syncing_ = false;
}

void SubjectList::SetColours(const RowColours& colours) {
  options_.colours = colours;
  QPalette p = palette();
  p.setColor(QPalette::Base, colours.window);
  setPalette(p);
  viewport()->update();
}

void SubjectList::SetShowMarkers(bool on) {
  options_.showMarkers = on;
  viewport()->update();
}

void SubjectList::SetShowImages(bool on) {
  options_.showImages = on;
  scheduleDelayedItemsLayout();
  viewport()->update();
}

std::vector<int> SubjectList::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

int SubjectList::CaretRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() : -1;
}

void SubjectList::SelectRows(const std::vector<int>& rows, int caret) {
  syncing_ = true;
  QItemSelection selection;
  for (int row : rows) {
    const QModelIndex index = model_.index(row);
    selection.select(index, index);
  }
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (caret >= 0) {
    selectionModel()->setCurrentIndex(model_.index(caret), QItemSelectionModel::NoUpdate);
    scrollTo(model_.index(caret));
  }
  syncing_ = false;
}

const QImage* SubjectList::ImageOfRow(int row) const {
  const CTopic* topic = model_.topic();
  if (!options_.showImages || topic == nullptr || row >= topic->subjectCount()) return nullptr;
  const CTypeEdit* s = topic->GetSubject(row);
  if (s->typeCode != kTypeBitMap) return nullptr;
  const std::string file = ImageFileOfSubject(s->title, projectDirectory_);
  if (file.empty()) return nullptr;
  auto found = images_.find(file);
  if (found == images_.end()) {
    CDib dib;
    QImage image;
    if (dib.Read(file)) image = dib.Image();
    found = images_.emplace(file, image).first;  // a failure is reported once
  }
  return found->second.isNull() ? nullptr : &found->second;
}

void SubjectList::mouseDoubleClickEvent(QMouseEvent* event) {
  QListView::mouseDoubleClickEvent(event);
  if (indexAt(event->position().toPoint()).isValid()) emit editRequested();
}

void SubjectList::contextMenuEvent(QContextMenuEvent* event) {
  emit contextMenuAsked(event->globalPos());
}

void SubjectList::resizeEvent(QResizeEvent* event) {
  QListView::resizeEvent(event);
  scheduleDelayedItemsLayout();  // row heights follow the width
}

}  // namespace veldor::ui
