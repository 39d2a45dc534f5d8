#include "ui/tree/project_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tree_test_support.h"

namespace veldor {
namespace {

using testing::FixedMetrics;

constexpr int H = ProjectTree::kRowHeight;

// A|TA with children B (which has C and D) and E; every node open.
class ProjectTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    a_ = tree_.root().AddChild("A|TA", "A");
    b_ = a_->AddChild("B|TB", "B");
    c_ = b_->AddChild("C|TC", "C");
    d_ = b_->AddChild("D|TD", "D");
    e_ = a_->AddChild("E|TE", "E");
    tree_.Invalidate();
    tree_.ExpandAll();
    tree_.SetClientSize(300, 400);
  }

  std::vector<std::string> RowLabels() {
    std::vector<std::string> labels;
    for (const CEvElement* e : tree_.Rows()) labels.push_back(e->label());
    return labels;
  }

  // The middle of a visible row's label.
  std::pair<int, int> LabelPoint(int row) {
    const TreeRowGeometry g = tree_.LayoutRow(row, metrics_);
    return {(g.text.left + g.text.right) / 2, (g.text.top + g.text.bottom) / 2};
  }

  ProjectTree tree_;
  TreeTextMetrics metrics_ = FixedMetrics();
  CEvElement* a_ = nullptr;
  CEvElement* b_ = nullptr;
  CEvElement* c_ = nullptr;
  CEvElement* d_ = nullptr;
  CEvElement* e_ = nullptr;
};

TEST_F(ProjectTreeTest, RowGeometryOfEachLevel) {
  tree_.SetClientSize(300, 400);
  const std::vector<TreeRowGeometry> rows = tree_.LayoutVisibleRows(metrics_);
  ASSERT_EQ(rows.size(), 5u);

  // The contents topic: a stub from column 0, a box (it has children), no
  // vertical line.
  const TreeRowGeometry& a = rows[0];
  EXPECT_EQ(a.level, 1);
  EXPECT_EQ(a.image, (TreeRect{35, 2, 65, 22}));
  EXPECT_EQ(a.lines, (std::vector<TreeLine>{{12, 12, 35, 12}}));
  EXPECT_EQ(a.box, (TreeRect{6, 6, 19, 19}));
  EXPECT_FALSE(a.plus);
  // Label 4 pixels right of the image, raised (25 - 16) / 2 - 2 pixels.
  EXPECT_EQ(a.text, (TreeRect{69, 4, 69 + 7 * 4, 20}));
  EXPECT_TRUE(a.frame.IsEmpty());

  // B has a sibling below: its column runs through the whole row.
  const TreeRowGeometry& b = rows[1];
  EXPECT_EQ(b.top, H);
  EXPECT_EQ(b.image.left, 65);
  EXPECT_EQ(b.lines, (std::vector<TreeLine>{{42, 37, 65, 37}, {42, 25, 42, 50}}));
  EXPECT_EQ(b.box, (TreeRect{36, 31, 49, 44}));

  // C: its own column full (D follows), B's column full (E follows).
  EXPECT_EQ(rows[2].lines,
            (std::vector<TreeLine>{{72, 62, 95, 62}, {72, 50, 72, 75}, {42, 50, 42, 75}}));
  EXPECT_TRUE(rows[2].box.IsEmpty());
  // D is the last child: its column stops at the middle.
  EXPECT_EQ(rows[3].lines,
            (std::vector<TreeLine>{{72, 87, 95, 87}, {72, 75, 72, 87}, {42, 75, 42, 100}}));
  // E, the last child of A.
  EXPECT_EQ(rows[4].lines, (std::vector<TreeLine>{{42, 112, 65, 112}, {42, 100, 42, 112}}));
}

TEST_F(ProjectTreeTest, LinesOfAncestorsWithoutLaterSiblingsAreLeftOut) {
  CEvElement* f = d_->AddChild("F|TF", "F");
  tree_.ExpandAll();
  const TreeRowGeometry g = tree_.LayoutRow(4, metrics_);
  ASSERT_EQ(g.element, f);
  // Column 2 (D's) is left out: D has no later sibling. Column 1 (B's) is
  // drawn: E follows B.
  EXPECT_EQ(g.lines, (std::vector<TreeLine>{
                         {102, 112, 125, 112}, {102, 100, 102, 112}, {42, 100, 42, 125}}));
}

TEST_F(ProjectTreeTest, HorizontalScrollShiftsEverything) {
  tree_.SetHorizontalLevel(1);
  const TreeRowGeometry g = tree_.LayoutRow(2, metrics_);
  EXPECT_EQ(g.image.left, 95 - 30);
  EXPECT_EQ(g.lines[0], (TreeLine{42, 62, 65, 62}));
  // Columns scrolled out of the view are not drawn.
  tree_.SetHorizontalLevel(3);
  EXPECT_EQ(tree_.LayoutRow(2, metrics_).lines.size(), 1u);
}

TEST_F(ProjectTreeTest, SelectedLabelIsFramedAndEmptyLabelsShowAPlaceholder) {
  tree_.Select(c_);
  const TreeRowGeometry g = tree_.LayoutRow(2, metrics_);
  EXPECT_EQ(g.frame, (TreeRect{g.text.left - 2, g.text.top, g.text.right + 1, g.text.bottom}));

  CEvElement* empty = e_->AddChild("", "");
  tree_.ExpandAll();
  const TreeRowGeometry last = tree_.LayoutRow(5, metrics_);
  ASSERT_EQ(last.element, empty);
  EXPECT_EQ(last.text.Width(), 7 * 12);  // "Element Vide"
}

TEST_F(ProjectTreeTest, VerticalRangeAndKeys) {
  // 5 rows of 25 pixels fit in 400: the bar is empty and nothing scrolls.
  EXPECT_TRUE(tree_.VerticalBarEmpty());
  EXPECT_EQ(tree_.VerticalMaximum(), 0);
  EXPECT_FALSE(tree_.Key(TreeKey::Down));

  for (int i = 0; i < 25; ++i) e_->AddChild("X|TX", "X");
  tree_.ExpandAll();
  tree_.SetClientSize(300, 250);  // 11 visible rows, 30 rows in all
  EXPECT_EQ(tree_.VisibleRows(), 11);
  EXPECT_FALSE(tree_.VerticalBarEmpty());
  EXPECT_EQ(tree_.VerticalMaximum(), 20);

  struct Step {
    TreeKey key;
    int row;
    int level;
  };
  const std::vector<Step> steps = {
      {TreeKey::Up, 0, 0},        {TreeKey::Down, 1, 0},   {TreeKey::PageDown, 11, 0},
      {TreeKey::PageDown, 20, 0}, {TreeKey::Down, 20, 0},  {TreeKey::PageUp, 10, 0},
      {TreeKey::Left, 10, 0},     {TreeKey::Right, 10, 1}, {TreeKey::Left, 10, 0},
  };
  for (const Step& step : steps) {
    tree_.Key(step.key);
    EXPECT_EQ(tree_.FirstRow(), step.row);
    EXPECT_EQ(tree_.HorizontalLevel(), step.level);
  }
  tree_.SetHorizontalLevel(500);
  EXPECT_EQ(tree_.HorizontalLevel(), ProjectTree::kHorizontalLevels);

  // The last row shows at the bottom at the largest first row.
  tree_.SetFirstRow(20);
  const std::vector<TreeRowGeometry> rows = tree_.LayoutVisibleRows(metrics_);
  EXPECT_EQ(rows.back().element, tree_.Rows().back());

  // Growing the view, or collapsing, brings the first row back in range.
  tree_.SetClientSize(300, 500);
  EXPECT_EQ(tree_.FirstRow(), 10);
  tree_.Toggle(*e_);
  tree_.Rows();
  EXPECT_EQ(tree_.FirstRow(), 0);
}

TEST_F(ProjectTreeTest, HitTestingNeedsAVisibleRowAndOneOfTheRectangles) {
  const auto [x, y] = LabelPoint(1);
  EXPECT_EQ(tree_.HitTest(x, y, metrics_), b_);
  EXPECT_EQ(tree_.HitTest(80, H + 12, metrics_), b_);         // the image
  EXPECT_EQ(tree_.HitTest(42, H + 12, metrics_), b_);         // the box
  EXPECT_EQ(tree_.HitTest(250, H + 12, metrics_), nullptr);   // right of the label
  EXPECT_EQ(tree_.HitTest(x, 5 * H + 5, metrics_), nullptr);  // below the last row
  EXPECT_EQ(tree_.HitTest(x, -3, metrics_), nullptr);

  // A row beyond the visible rows does not answer.
  tree_.SetClientSize(300, 30);  // two visible rows
  EXPECT_EQ(tree_.HitTest(LabelPoint(1).first, 2 * H + 12, metrics_), nullptr);
  tree_.SetClientSize(300, 400);
  EXPECT_EQ(tree_.HitTest(LabelPoint(2).first, 2 * H + 12, metrics_), c_);
}

TEST_F(ProjectTreeTest, PressOnTheBoxCollapsesTheBranchAndReopensOneLevel) {
  EXPECT_TRUE(tree_.LeftPress(42, H + 12, metrics_));  // B's box
  EXPECT_EQ(tree_.Selected(), b_);
  EXPECT_FALSE(b_->IsExpanded());
  EXPECT_EQ(b_->imageIndex(), 1);
  EXPECT_EQ(RowLabels(), (std::vector<std::string>{"A|TA", "B|TB", "E|TE"}));
  EXPECT_TRUE(tree_.LayoutRow(1, metrics_).plus);

  // Collapsing A closes B's descendants as well; opening A shows B closed.
  b_->SetExpanded(true);
  tree_.LeftPress(12, 12, metrics_);
  EXPECT_FALSE(a_->IsExpanded());
  EXPECT_FALSE(b_->IsExpanded());
  tree_.LeftPress(12, 12, metrics_);
  EXPECT_EQ(a_->imageIndex(), 0);
  EXPECT_EQ(RowLabels(), (std::vector<std::string>{"A|TA", "B|TB", "E|TE"}));
  tree_.LeftPress(42, H + 12, metrics_);
  EXPECT_EQ(RowLabels(), (std::vector<std::string>{"A|TA", "B|TB", "C|TC", "D|TD", "E|TE"}));
}

TEST_F(ProjectTreeTest, PressOutsideTheBoxSelectsOnce) {
  const auto [x, y] = LabelPoint(4);
  EXPECT_TRUE(tree_.LeftPress(x, y, metrics_));
  EXPECT_EQ(tree_.Selected(), e_);
  EXPECT_TRUE(e_->IsSelected());
  EXPECT_EQ(e_->imageIndex(), 1);  // a leaf counts as closed
  EXPECT_FALSE(tree_.LeftPress(x, y, metrics_));
  EXPECT_FALSE(tree_.LeftPress(250, 300, metrics_));  // nowhere
  EXPECT_EQ(tree_.Selected(), e_);

  // The right button selects too; one element is selected at a time.
  const auto [bx, by] = LabelPoint(1);
  EXPECT_TRUE(tree_.RightPress(bx, by, metrics_));
  EXPECT_EQ(tree_.Selected(), b_);
  EXPECT_FALSE(e_->IsSelected());
  EXPECT_TRUE(b_->IsExpanded());
}

TEST_F(ProjectTreeTest, DoubleClickShowsTheTopicAndTogglesOnlyOnTheImage) {
  const auto [x, y] = LabelPoint(1);
  EXPECT_EQ(tree_.DoubleClick(x, y, metrics_), std::optional<std::string>("B"));
  EXPECT_EQ(tree_.Selected(), b_);
  EXPECT_TRUE(b_->IsExpanded());

  EXPECT_EQ(tree_.DoubleClick(80, H + 12, metrics_), std::optional<std::string>("B"));
  EXPECT_FALSE(b_->IsExpanded());
  EXPECT_EQ(tree_.RowCount(), 3);

  EXPECT_EQ(tree_.DoubleClick(250, 300, metrics_), std::nullopt);
}

}  // namespace
}  // namespace veldor
