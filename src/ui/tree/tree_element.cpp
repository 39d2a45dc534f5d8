#include "ui/tree/tree_element.h"

#include <utility>

namespace veldor {

CEvElement::CEvElement(std::string label, std::string topicName)
    : label_(std::move(label)), topicName_(std::move(topicName)) {}

// Trees can be thousands of levels deep: children are released from a
// work list rather than by recursive destructors.
CEvElement::~CEvElement() {
  RemoveAllChildren();
}

void CEvElement::RemoveAllChildren() {
  std::vector<std::unique_ptr<CEvElement>> pending = std::move(children_);
  children_.clear();
  while (!pending.empty()) {
    std::unique_ptr<CEvElement> element = std::move(pending.back());
    pending.pop_back();
    for (auto& child : element->children_) pending.push_back(std::move(child));
    element->children_.clear();
  }
  expanded_ = false;
}

CEvElement* CEvElement::AddChild(std::string label, std::string topicName) {
  auto element = std::make_unique<CEvElement>(std::move(label), std::move(topicName));
  element->parent_ = this;
  element->indexInParent_ = static_cast<int>(children_.size());
  element->level_ = level_ + 1;
  children_.push_back(std::move(element));
  return children_.back().get();
}

const std::string& CEvElement::DisplayLabel() const {
  static const std::string empty = kEmptyLabel;
  return label_.empty() ? empty : label_;
}

bool CEvElement::HasNextSibling() const {
  return parent_ != nullptr && indexInParent_ + 1 < parent_->childCount();
}

template <typename Visit>
void CEvElement::ForEachInSubtree(Visit visit) {
  std::vector<CEvElement*> pending{this};
  while (!pending.empty()) {
    CEvElement* element = pending.back();
    pending.pop_back();
    visit(*element);
    for (auto& child : element->children_) pending.push_back(child.get());
  }
}

void CEvElement::CollapseAll() {
  ForEachInSubtree([](CEvElement& e) { e.expanded_ = false; });
}

void CEvElement::ExpandAll() {
  ForEachInSubtree([](CEvElement& e) {
    e.expanded_ = e.HasChildren();
    e.UpdateImageIndex();
  });
}

bool CEvElement::Contains(int x, int y) const {
  return textRect.Contains(x, y) || imageRect.Contains(x, y) || boxRect.Contains(x, y) ||
         secondaryRect.Contains(x, y);
}

}  // namespace veldor
