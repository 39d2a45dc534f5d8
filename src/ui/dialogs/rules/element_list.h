// The element lists of the "Outils" menu ("Edition d'éléments"): group
// markers and buttons, kept only while the dialog is open.
#pragma once

#include <string>
#include <vector>

namespace veldor {

class ElementList {
 public:
  ElementList() : entries_{"toto", "toti"} {}

  const std::vector<std::string>& entries() const { return entries_; }
  // Each returns the entry to select afterwards, or `selected` when nothing
  // changed. Empty texts are refused.
  int Add(const std::string& text, int selected);
  int Edit(int selected, const std::string& text);
  // Asks "Confirmer Suppression" first.
  int Remove(int selected);

 private:
  std::vector<std::string> entries_;
};

}  // namespace veldor
