#include "ui/errors/error_list_view.h"

#include "helpbuild/error_list.h"
#include "ui/app/ui_text.h"

namespace veldor::ui {

ErrorListView::ErrorListView(QWidget* parent) : QListWidget(parent) {
  setObjectName("errorList");
  setAccessibleName("Liste des erreurs");
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { emit lineActivated(row(item)); });
}

void ErrorListView::ShowLines(const CErrorList& errors) {
  clear();
  QStringList lines;
  for (const std::string& line : errors.lines()) lines << FromModel(line);
  addItems(lines);
  if (count() > 0) scrollToBottom();
}

}  // namespace veldor::ui
