// ProjectTree: the hidden root of a project tree and everything the tree
// view draws and decides, without widgets: visible rows, scroll positions
// and ranges, the geometry of each row, hit-testing, and what pointer
// presses and keys do. The widget feeds it events and paints its geometry.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/tree/tree_element.h"

namespace veldor {

// Measures labels in the label font: the width of a label (Windows-1252)
// and the height of "XX".
struct TreeTextMetrics {
  std::function<int(const std::string&)> width;
  int height = 16;
};

struct TreeLine {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  bool operator==(const TreeLine&) const = default;
};

// Everything drawn for one visible row.
struct TreeRowGeometry {
  CEvElement* element = nullptr;
  int level = 0;
  int top = 0;
  int middle = 0;
  TreeRect image;
  TreeRect text;
  TreeRect frame;  // the selected label's frame, else empty
  TreeRect box;    // the expand box, empty for a leaf
  bool plus = false;
  std::vector<TreeLine> lines;  // connectors
};

enum class TreeKey { Up, Down, PageUp, PageDown, Left, Right };

class ProjectTree {
 public:
  static constexpr int kImageWidth = 30;
  static constexpr int kImageHeight = 20;
  static constexpr int kRowHeight = kImageHeight + 5;
  static constexpr int kLevelWidth = 30;
  static constexpr int kLabelGap = 4;
  static constexpr int kBoxHalf = kImageHeight / 4 + 1;
  static constexpr int kHorizontalLevels = 128;
  static constexpr int kPageRows = 10;
  static constexpr int kPageLevels = 10;

  ProjectTree();

  // The hidden root; its children are the visible top nodes.
  CEvElement& root() { return root_; }
  const CEvElement& root() const { return root_; }
  // Discards every element and resets selection and scroll positions.
  void Clear();
  // Call after adding or removing elements.
  void Invalidate() {
    layoutDirty_ = true;
    deepest_ = -1;
  }

  // --- Rows and scrolling --------------------------------------------------
  // The rows in drawing order: depth first, children of collapsed elements
  // left out.
  const std::vector<CEvElement*>& Rows();
  int RowCount() { return static_cast<int>(Rows().size()); }
  int ContentHeight() { return RowCount() * kRowHeight; }
  void SetClientSize(int width, int height);
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }
  int VisibleRows() const { return visibleRows_; }
  int FirstRow() const { return firstRow_; }
  int HorizontalLevel() const { return horizontal_; }
  // Largest first row: 0 when everything fits, else the first row that
  // shows the last row at the bottom.
  int VerticalMaximum();
  bool VerticalBarEmpty() { return ContentHeight() <= clientHeight_; }
  int HorizontalMaximum() const;
  void SetFirstRow(int row);
  void SetHorizontalLevel(int level);
  // Deepest level of the tree (the contents topic is level 1).
  int DeepestLevel() const;

  // --- Nodes --------------------------------------------------------------
  CEvElement* Selected() const { return selected_; }
  // Returns whether the selection changed.
  bool Select(CEvElement* element);
  // "&Ouvre tout": every element with children opens.
  void ExpandAll();
  // Collapsing closes the descendants too; expanding opens only the element.
  void Toggle(CEvElement& element);

  // --- Drawing and hit-testing ---------------------------------------------
  // Geometry of the visible rows, from the first visible row; stores the
  // rectangles in the elements for hit-testing.
  std::vector<TreeRowGeometry> LayoutVisibleRows(const TreeTextMetrics& metrics);
  TreeRowGeometry LayoutRow(int row, const TreeTextMetrics& metrics);
  // The element of a visible row whose rectangles hold the point.
  CEvElement* HitTest(int x, int y, const TreeTextMetrics& metrics);

  // --- Pointer and keys: each returns whether the view must be redrawn ----
  bool LeftPress(int x, int y, const TreeTextMetrics& metrics);
  bool RightPress(int x, int y, const TreeTextMetrics& metrics);
  // The topic to show, if the point is on a node.
  std::optional<std::string> DoubleClick(int x, int y, const TreeTextMetrics& metrics);
  bool Key(TreeKey key);

 private:
  void ClampScroll();

  CEvElement root_;
  std::vector<CEvElement*> rows_;
  bool layoutDirty_ = true;
  CEvElement* selected_ = nullptr;
  int clientWidth_ = 400;
  int clientHeight_ = 9 * kRowHeight;
  int visibleRows_ = 10;
  int firstRow_ = 0;
  int horizontal_ = 0;
  mutable int deepest_ = -1;  // -1 until counted
};

}  // namespace veldor
