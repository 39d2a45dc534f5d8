// The owner-drawn subject list of the topic editor: one row per subject of
// the selected topic, each previewing its subject, with multiple
// selection, the "Montre rappel"/"Montre image" settings and its popup menu.
#pragma once

#include <QAbstractListModel>
#include <QImage>
#include <QListView>
#include <QStyledItemDelegate>
#include <map>
#include <string>

#include "ui/topics/subject_row.h"

namespace veldor {
class CTopic;
}

namespace veldor::ui {

// The subjects of one topic as list rows.
class SubjectListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;
  void SetTopic(const CTopic* topic);
  const CTopic* topic() const { return topic_; }
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  const CTopic* topic_ = nullptr;
};

class SubjectList;

class SubjectRowDelegate : public QStyledItemDelegate {
 public:
  explicit SubjectRowDelegate(SubjectList* list);
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  SubjectList* list_;
};

class SubjectList : public QListView {
  Q_OBJECT
 public:
  explicit SubjectList(QWidget* parent = nullptr);
  ~SubjectList() override;

  SubjectListModel& rows() { return model_; }
  void SetTopic(const CTopic* topic, const std::string& projectDirectory);
  // Rebuilds every row (a subject changed or moved).
  void Reload();
  void SetColours(const RowColours& colours);
  const RowOptions& options() const { return options_; }
  void SetShowMarkers(bool on);
  void SetShowImages(bool on);

  // Selected rows (sorted) and the caret row.
  std::vector<int> SelectedRows() const;
  int CaretRow() const;
  void SelectRows(const std::vector<int>& rows, int caret);

  // The image an image subject shows, loaded once per file (null: none).
  const QImage* ImageOfRow(int row) const;

 signals:
  void selectionChangedByUser();
  void editRequested();
  void contextMenuAsked(const QPoint& globalPos);

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  SubjectListModel model_;
  RowOptions options_;
  std::string projectDirectory_;
  mutable std::map<std::string, QImage> images_;  // by file; null when unreadable
  bool syncing_ = false;
};

}  // namespace veldor::ui
