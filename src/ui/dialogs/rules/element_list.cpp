#include "ui/dialogs/rules/element_list.h"

#include "platform/messages.h"

namespace veldor {

int ElementList::Add(const std::string& text, int selected) {
  if (text.empty()) return selected;
  entries_.push_back(text);
  return static_cast<int>(entries_.size()) - 1;
}

int ElementList::Edit(int selected, const std::string& text) {
  if (text.empty() || selected < 0 || selected >= static_cast<int>(entries_.size())) {
    return selected;
  }
  entries_[static_cast<size_t>(selected)] = text;
  return selected;
}

int ElementList::Remove(int selected) {
  if (selected < 0 || selected >= static_cast<int>(entries_.size())) return selected;
  if (!Messages().Confirm("Confirmer Suppression", "Edition d'éléments")) return selected;
  entries_.erase(entries_.begin() + selected);
  const int count = static_cast<int>(entries_.size());
  return selected < count ? selected : count - 1;
}

}  // namespace veldor
