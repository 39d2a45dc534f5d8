#include "ui/tree/project_tree.h"

#include <algorithm>
#include <utility>

namespace veldor {

ProjectTree::ProjectTree() = default;

void ProjectTree::Clear() {
  root_.RemoveAllChildren();
  rows_.clear();
  layoutDirty_ = true;
  deepest_ = -1;
  selected_ = nullptr;
  firstRow_ = 0;
  horizontal_ = 0;
}

const std::vector<CEvElement*>& ProjectTree::Rows() {
  if (!layoutDirty_) return rows_;
  rows_.clear();
  // Depth first without recursion: trees may be thousands of levels deep.
  std::vector<CEvElement*> pending;
  for (int i = root_.childCount() - 1; i >= 0; --i) pending.push_back(root_.child(i));
  while (!pending.empty()) {
    CEvElement* element = pending.back();
    pending.pop_back();
    rows_.push_back(element);
    if (!element->IsExpanded()) continue;
    for (int i = element->childCount() - 1; i >= 0; --i) pending.push_back(element->child(i));
  }
  layoutDirty_ = false;
  ClampScroll();
  return rows_;
}

void ProjectTree::SetClientSize(int width, int height) {
  clientWidth_ = std::max(0, width);
  clientHeight_ = std::max(0, height);
  visibleRows_ = clientHeight_ / kRowHeight + 1;
  ClampScroll();
}

int ProjectTree::VerticalMaximum() {
  if (VerticalBarEmpty()) return 0;
  return RowCount() - visibleRows_ + 1;
}

int ProjectTree::DeepestLevel() const {
  if (deepest_ >= 0) return deepest_;
  int deepest = 0;
  std::vector<std::pair<const CEvElement*, int>> pending;
  for (int i = 0; i < root_.childCount(); ++i) pending.emplace_back(root_.child(i), 1);
  while (!pending.empty()) {
    auto [element, level] = pending.back();
    pending.pop_back();
    deepest = std::max(deepest, level);
    for (int i = 0; i < element->childCount(); ++i)
      pending.emplace_back(element->child(i), level + 1);
  }
  return deepest;
}

// The range is 128 levels; a deeper tree widens it so that its deepest
// nodes can still be scrolled into view.
int ProjectTree::HorizontalMaximum() const {
  return std::max(kHorizontalLevels, DeepestLevel());
}

void ProjectTree::SetFirstRow(int row) {
  firstRow_ = row;
  ClampScroll();
}

void ProjectTree::SetHorizontalLevel(int level) {
  horizontal_ = std::clamp(level, 0, HorizontalMaximum());
}

void ProjectTree::ClampScroll() {
  if (layoutDirty_) {
    Rows();  // lays out, then clamps
    return;
  }
  const int rows = static_cast<int>(rows_.size());
  const bool fits = rows * kRowHeight <= clientHeight_;
  const int maximum = fits ? 0 : rows - visibleRows_ + 1;
  firstRow_ = std::clamp(firstRow_, 0, std::max(0, maximum));
}

bool ProjectTree::Select(CEvElement* element) {
  if (element == selected_) return false;
  if (selected_ != nullptr) selected_->SetSelected(false);
  selected_ = element;
  if (selected_ != nullptr) selected_->SetSelected(true);
  return true;
}

void ProjectTree::ExpandAll() {
  // The images follow the state: open elements show image 0, the others 1.
  for (int i = 0; i < root_.childCount(); ++i) root_.child(i)->ExpandAll();
  layoutDirty_ = true;
}

void ProjectTree::Toggle(CEvElement& element) {
  if (element.IsExpanded()) {
    element.CollapseAll();
  } else {
    element.SetExpanded(true);
  }
  layoutDirty_ = true;
}

TreeRowGeometry ProjectTree::LayoutRow(int row, const TreeTextMetrics& metrics) {
  const std::vector<CEvElement*>& rows = Rows();
  TreeRowGeometry g;
  const int index = firstRow_ + row;
  if (row < 0 || index >= static_cast<int>(rows.size())) return g;
  CEvElement* element = rows[static_cast<size_t>(index)];
  const int level = element->Level();
  const int shift = kLevelWidth * horizontal_;
  const int h = kRowHeight;
  g.element = element;
  g.level = level;
  g.top = row * h;
  g.middle = g.top + h / 2;

  const int imageLeft = kLevelWidth * level + 5 - shift;
  const int imageTop = g.top + (h - kImageHeight) / 2;
  g.image = {imageLeft, imageTop, imageLeft + kImageWidth, imageTop + kImageHeight};

  // The connector: a stub from the parent's column to the image, the
  // parent's column itself, and the columns of the ancestors that have
  // siblings further down.
  const int xc = kLevelWidth * (level - 1) + 12 - shift;
  g.lines.push_back({xc, g.middle, kLevelWidth * (level - 1) + 35 - shift, g.middle});
  const CEvElement* node = element;
  for (int k = level - 1; k >= 1; --k, node = node->parent()) {
    const int x = kLevelWidth * k + 12 - shift;
    if (x < -1) break;  // this column and those left of it are scrolled out
    const bool onScreen = x <= clientWidth_ + 1;
    if (k == level - 1) {
      if (onScreen) {
        g.lines.push_back({x, g.top, x, node->HasNextSibling() ? g.top + h : g.middle});
      }
    } else if (onScreen && node->HasNextSibling()) {
      g.lines.push_back({x, g.top, x, g.top + h});
    }
  }

  if (element->HasChildren()) {
    const int s = kBoxHalf;
    g.box = {xc - s, g.middle - s, xc + s + 1, g.middle + s + 1};
    g.plus = !element->IsExpanded();
  }

  const int raise = std::max(0, (h - metrics.height) / 2 - 2);
  const int textLeft = g.image.right + kLabelGap;
  const int textBottom = g.image.bottom - raise;
  const int width = metrics.width ? metrics.width(element->DisplayLabel()) : 0;
  g.text = {textLeft, textBottom - metrics.height, textLeft + width, textBottom};
  if (element->IsSelected()) {
    g.frame = {g.text.left - 2, g.text.top, g.text.right + 1, g.text.bottom};
  }

  element->textRect = g.text;
  element->imageRect = g.image;
  element->boxRect = g.box;
  element->secondaryRect = {};
  return g;
}

std::vector<TreeRowGeometry> ProjectTree::LayoutVisibleRows(const TreeTextMetrics& metrics) {
  std::vector<TreeRowGeometry> rows;
  const int count = RowCount();
  for (int row = 0; row < visibleRows_ && firstRow_ + row < count; ++row) {
    rows.push_back(LayoutRow(row, metrics));
  }
  return rows;
}

CEvElement* ProjectTree::HitTest(int x, int y, const TreeTextMetrics& metrics) {
  if (y < 0) return nullptr;
  // Every rectangle of a row lies within the row's band.
  const int row = y / kRowHeight;
  if (row >= visibleRows_) return nullptr;
  const TreeRowGeometry g = LayoutRow(row, metrics);
  return g.element != nullptr && g.element->Contains(x, y) ? g.element : nullptr;
}

bool ProjectTree::LeftPress(int x, int y, const TreeTextMetrics& metrics) {
  CEvElement* element = HitTest(x, y, metrics);
  if (element == nullptr) return false;
  bool toggled = false;
  if (element->boxRect.Contains(x, y)) {
    Toggle(*element);
    toggled = true;
  }
  const bool selectionChanged = Select(element);
  if (!toggled && !selectionChanged) return false;
  element->UpdateImageIndex();
  Rows();  // recomputes the rows and clamps the scroll position
  return true;
}

bool ProjectTree::RightPress(int x, int y, const TreeTextMetrics& metrics) {
  CEvElement* element = HitTest(x, y, metrics);
  if (element == nullptr) return false;
  Select(element);
  return true;
}

std::optional<std::string> ProjectTree::DoubleClick(int x, int y, const TreeTextMetrics& metrics) {
  CEvElement* element = HitTest(x, y, metrics);
  if (element == nullptr) return std::nullopt;
  Select(element);
  if (element->imageRect.Contains(x, y)) {
    Toggle(*element);
    element->UpdateImageIndex();
    Rows();
  }
  return element->topicName();
}

bool ProjectTree::Key(TreeKey key) {
  const int row = firstRow_;
  const int level = horizontal_;
  switch (key) {
    case TreeKey::Up:
      SetFirstRow(firstRow_ - 1);
      break;
    case TreeKey::Down:
      SetFirstRow(firstRow_ + 1);
      break;
    case TreeKey::PageUp:
      SetFirstRow(firstRow_ - kPageRows);
      break;
    case TreeKey::PageDown:
      SetFirstRow(firstRow_ + kPageRows);
      break;
    case TreeKey::Left:
      SetHorizontalLevel(horizontal_ - 1);
      break;
    case TreeKey::Right:
      SetHorizontalLevel(horizontal_ + 1);
      break;
  }
  return row != firstRow_ || level != horizontal_;
}

}  // namespace veldor
