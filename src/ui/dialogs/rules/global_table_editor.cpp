#include "ui/dialogs/rules/global_table_editor.h"

#include "model/document.h"
#include "platform/messages.h"

namespace veldor {

GlobalTableEditor::GlobalTableEditor(const CVeldorDoc& doc) {
  table_.CopyFrom(doc.globals);
}

std::vector<std::string> GlobalTableEditor::Texts() const {
  std::vector<std::string> texts;
  for (int i = 0; i < table_.count(); ++i) texts.push_back(table_.GetAt(i)->text);
  return texts;
}

int GlobalTableEditor::Add(const CGlobalTexte& global) {
  if (table_.Add(global) == 0) {
    Messages().Message("La table des textes globaux est pleine (" +
                           std::to_string(CGestGlobal::kCapacity) + " au plus).",
                       "Choix des textes globaux", MessageIcon::Error);
    return -1;
  }
  return table_.count() - 1;
}

int GlobalTableEditor::Modify(int selected, const CGlobalTexte& global) {
  return table_.Set(selected, global) == 0 ? -1 : selected;
}

int GlobalTableEditor::Remove(int selected) {
  if (table_.Remove(selected) == 0) return selected;
  return selected < table_.count() ? selected : table_.count() - 1;
}

void GlobalTableEditor::Confirm(CVeldorDoc& doc) const {
  doc.globals.CopyFrom(table_);
  doc.SetModifiedFlag();
}

}  // namespace veldor
