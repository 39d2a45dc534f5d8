#include "ui/app/clipboards.h"

namespace veldor::ui {

void TopicClipboard::SetCapacity(int n) {
  Clear();
  capacity_ = n < 0 ? 0 : n;
  topics_.reserve(static_cast<size_t>(capacity_));
}

void TopicClipboard::Add(const CTopic& topic) {
  if (Count() >= capacity_) return;
  topics_.push_back(topic.Copy());
}

const CTopic& TopicClipboard::At(int i) const {
  static const CTopic empty;
  if (i < 0 || i >= Count()) return empty;
  return *topics_[static_cast<size_t>(i)];
}

void SubjectClipboard::Add(const CTypeEdit& subject) {
  if (Count() >= kCapacity) return;
  if (auto clone = CTypeEdit::CloneSubject(subject)) subjects_.push_back(std::move(clone));
}

const CTypeEdit& SubjectClipboard::At(int i) const {
  static const CTypeEdit empty;
  if (i < 0 || i >= Count()) return empty;
  return *subjects_[static_cast<size_t>(i)];
}

Clipboards& SharedClipboards() {
  static Clipboards clipboards;
  return clipboards;
}

}  // namespace veldor::ui
