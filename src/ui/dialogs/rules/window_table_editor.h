// The help-window definitions ("Configuration fenêtre"), edited on a copy
// of the project's table.
#pragma once

#include <string>

#include "model/win_attr.h"

namespace veldor {

class CVeldorDoc;

// One definition as the dialog shows it: numbers as typed.
struct WindowFields {
  std::string name;  // Windows-1252
  std::string caption;
  std::string width = "800";
  std::string height = "600";
  std::string x = "100";
  std::string y = "100";
  bool maximize = false;
  bool onTop = true;
  bool usePosition = true;
  bool useMainColour = true;
  bool useNonScrollColour = true;
  uint32_t mainColour = 0xFFFFFF;
  uint32_t nonScrollColour = 0xFFFFFF;
};

WindowFields FieldsOfWindow(const CWinAttr& window);

class WindowTableEditor {
 public:
  explicit WindowTableEditor(const CVeldorDoc& doc);

  const CGestWinAttr& table() const { return table_; }
  std::vector<std::string> Names() const;

  // "&Ajouter" and "&Modifier": the checks of the table, with their
  // messages; return the definition to select, or -1 when refused.
  int Add(const WindowFields& fields);
  int Modify(int selected, const WindowFields& fields);
  // "&supprimer": the definition to select afterwards (-1 when none is left).
  int Remove(int selected);
  // "Valider": the project receives the definitions and is marked modified.
  void Confirm(CVeldorDoc& doc) const;

 private:
  int Store(int index, const WindowFields& fields);

  CGestWinAttr table_;
};

}  // namespace veldor
