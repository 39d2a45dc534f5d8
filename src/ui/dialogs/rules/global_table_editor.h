// The global strings ("Choix des textes globaux"), edited on a copy of the
// project's table.
#pragma once

#include <string>
#include <vector>

#include "model/global_texte.h"

namespace veldor {

class CVeldorDoc;

class GlobalTableEditor {
 public:
  explicit GlobalTableEditor(const CVeldorDoc& doc);

  const CGestGlobal& table() const { return table_; }
  std::vector<std::string> Texts() const;

  // "&Ajouter" appends (no duplicate check) and returns its position, or -1
  // when the table is full; "&Modifier" replaces the selected one.
  int Add(const CGlobalTexte& global);
  int Modify(int selected, const CGlobalTexte& global);
  // "&Supprimer": the string to select afterwards (-1 when none is left).
  int Remove(int selected);
  // "&OK": the project receives the list and is marked modified.
  void Confirm(CVeldorDoc& doc) const;

 private:
  CGestGlobal table_;
};

}  // namespace veldor
