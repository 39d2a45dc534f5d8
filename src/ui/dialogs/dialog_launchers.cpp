#include "ui/dialogs/dialog_launchers.h"

#include "ui/dialogs/subject/subject_dialog.h"
#include "ui/dialogs/subject/subject_exchange_dialog.h"
#include "ui/dialogs/subject/subject_type_dialog.h"
#include "ui/dialogs/topic/topic_dialog.h"

namespace veldor {

bool EditTopicDialog(QWidget* parent, CVeldorDoc& doc, CTopic& topic) {
  TopicDialog dialog(doc, topic, parent);
  return dialog.exec() == QDialog::Accepted;
}

std::optional<int> ChooseSubjectTypeDialog(QWidget* parent) {
  SubjectTypeDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selectedType();
}

bool EditSubjectDialog(QWidget* parent, const CVeldorDoc& doc, CTypeEdit& subject) {
  SubjectDialog dialog(doc, subject, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool ExchangeSubjectsDialog(QWidget* parent, CVeldorDoc& doc) {
  SubjectExchangeDialog dialog(doc, parent);
  dialog.exec();
  return dialog.changed();
}

}  // namespace veldor
