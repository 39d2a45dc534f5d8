// CEvElement: one node of the project tree, with its owned children and the
// rectangles its last layout gave it, which hit-testing uses.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace veldor {

// A rectangle in view pixels; right and bottom are exclusive.
struct TreeRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const {
    return !IsEmpty() && x >= left && x < right && y >= top && y < bottom;
  }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const TreeRect&) const = default;
};

class CEvElement {
 public:
  // The text an element with an empty label shows.
  static constexpr const char* kEmptyLabel = "Element Vide";

  CEvElement() = default;
  CEvElement(std::string label, std::string topicName);
  CEvElement(const CEvElement&) = delete;
  CEvElement& operator=(const CEvElement&) = delete;
  ~CEvElement();

  // Appends a child (order of creation) and returns it.
  CEvElement* AddChild(std::string label, std::string topicName);
  void RemoveAllChildren();
  void ReserveChildren(int count) { children_.reserve(static_cast<size_t>(count)); }

  // Label as stored (Windows-1252), and as drawn.
  const std::string& label() const { return label_; }
  void AppendToLabel(const std::string& text) { label_ += text; }
  const std::string& DisplayLabel() const;
  // The topic the node stands for; double-clicking shows it.
  const std::string& topicName() const { return topicName_; }

  CEvElement* parent() const { return parent_; }
  int childCount() const { return static_cast<int>(children_.size()); }
  CEvElement* child(int i) const { return children_[static_cast<size_t>(i)].get(); }
  bool HasChildren() const { return !children_.empty(); }
  // True when a later sibling follows this element under its parent.
  bool HasNextSibling() const;
  // 0 for the hidden root, 1 for the contents topic.
  int Level() const { return level_; }

  bool IsExpanded() const { return expanded_; }
  // An element without children never becomes expanded.
  void SetExpanded(bool expanded) { expanded_ = expanded && HasChildren(); }
  // Collapses this element and every descendant.
  void CollapseAll();
  // Expands this element and every descendant that has children, and
  // gives each the image of its state.
  void ExpandAll();

  bool IsSelected() const { return selected_; }
  void SetSelected(bool selected) { selected_ = selected; }
  int imageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index == 0 ? 0 : 1; }
  // Image 0 for an open element, 1 for a closed one or a leaf.
  void UpdateImageIndex() { imageIndex_ = expanded_ ? 0 : 1; }

  // Rectangles of the last layout: text, image, expand box (empty when the
  // element has no children) and secondary text (never filled here).
  TreeRect textRect;
  TreeRect imageRect;
  TreeRect boxRect;
  TreeRect secondaryRect;
  bool Contains(int x, int y) const;

 private:
  template <typename Visit>
  void ForEachInSubtree(Visit visit);

  std::string label_;
  std::string topicName_;
  std::vector<std::unique_ptr<CEvElement>> children_;
  CEvElement* parent_ = nullptr;
  int indexInParent_ = 0;
  int level_ = 0;
  bool expanded_ = false;
  bool selected_ = false;
  int imageIndex_ = 0;
};

}  // namespace veldor
