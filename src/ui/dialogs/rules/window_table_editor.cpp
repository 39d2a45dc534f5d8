#include "ui/dialogs/rules/window_table_editor.h"

#include "model/document.h"
#include "platform/messages.h"
#include "ui/dialogs/rules/number_fields.h"

namespace veldor {

inline constexpr const char* kWindowCaption = "Configuration fenêtre";

WindowFields FieldsOfWindow(const CWinAttr& window) {
  WindowFields fields;
  fields.name = window.name;
  fields.caption = window.caption;
  fields.width = std::to_string(window.width);
  fields.height = std::to_string(window.height);
  fields.x = std::to_string(window.x);
  fields.y = std::to_string(window.y);
  fields.maximize = window.maximize != 0;
  fields.onTop = window.onTop != 0;
  fields.usePosition = window.usePosition != 0;
  fields.useMainColour = window.useMainColour != 0;
  fields.useNonScrollColour = window.useNonScrollColour != 0;
  fields.mainColour = window.mainColour;
  fields.nonScrollColour = window.nonScrollColour;
  return fields;
}

WindowTableEditor::WindowTableEditor(const CVeldorDoc& doc) {
  table_.CopyFrom(doc.windows);
}

std::vector<std::string> WindowTableEditor::Names() const {
  std::vector<std::string> names;
  for (int i = 0; i < table_.count(); ++i) names.push_back(table_.GetAt(i)->name);
  return names;
}

int WindowTableEditor::Store(int index, const WindowFields& fields) {
  CWinAttr record = index >= 0 && index < table_.count() ? *table_.GetAt(index) : CWinAttr();
  int32_t* numbers[] = {&record.width, &record.height, &record.x, &record.y};
  const std::string* texts[] = {&fields.width, &fields.height, &fields.x, &fields.y};
  for (int i = 0; i < 4; ++i) {
    const NumberCheck check = CheckWhole(*texts[i], 0, 1023);
    if (!check.value) {
      Messages().Message(check.message, kRangeCaption, MessageIcon::Error);
      return -1;
    }
    *numbers[i] = static_cast<int32_t>(*check.value);
  }
  record.name = fields.name;
  record.caption = fields.caption;
  record.maximize = fields.maximize ? 1 : 0;
  record.onTop = fields.onTop ? 1 : 0;
  record.usePosition = fields.usePosition ? 1 : 0;
  record.useMainColour = fields.useMainColour ? 1 : 0;
  record.useNonScrollColour = fields.useNonScrollColour ? 1 : 0;
  record.mainColour = fields.mainColour;
  record.nonScrollColour = fields.nonScrollColour;
  const WindowCheck check = StoreWindowRecord(table_, record, index);
  if (check != WindowCheck::kOk) {
    const std::string message = WindowCheckMessage(check);
    if (!message.empty()) Messages().Message(message, kWindowCaption, MessageIcon::Error);
    return -1;
  }
  return index < 0 ? table_.count() - 1 : index;
}

int WindowTableEditor::Add(const WindowFields& fields) {
  return Store(-1, fields);
}

int WindowTableEditor::Modify(int selected, const WindowFields& fields) {
  if (selected < 0 || selected >= table_.count()) return -1;
  return Store(selected, fields);
}

int WindowTableEditor::Remove(int selected) {
  if (table_.Remove(selected) == 0) return selected;
  return selected < table_.count() ? selected : table_.count() - 1;
}

void WindowTableEditor::Confirm(CVeldorDoc& doc) const {
  doc.windows.CopyFrom(table_);
  doc.SetModifiedFlag();
}

}  // namespace veldor
