#include "ui/tree/tree_window.h"

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "tree_test_support.h"
#include "ui/tree/tree_view.h"

namespace veldor {
namespace {

using testing::Link;
using testing::ProjectBuilder;

constexpr int H = ProjectTree::kRowHeight;

QColor Pixel(const QImage& image, int x, int y) {
  return image.pixelColor(x, y);
}

bool HasReddishPixel(const QImage& image, const TreeRect& r) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 100 && c.blue() < 100) return true;
    }
  }
  return false;
}

class TreeWindowTest : public ::testing::Test {
 protected:
  void Open() {
    window_ = new TreeWindow(project_.doc());
    window_->show();
    QApplication::processEvents();
    view_ = window_->view();
  }
  void TearDown() override { delete window_.data(); }

  ProjectBuilder project_;
  QPointer<TreeWindow> window_;
  ProjectTreeView* view_ = nullptr;
};

TEST_F(TreeWindowTest, PaintsConnectorsImagesAndTheSelectedFrame) {
  project_.Topic("A", {{"B"}, {"C"}}).Topic("B", {{"D"}}).Topic("C").Topic("D").Contents("A");
  Open();
  EXPECT_EQ(window_->windowTitle(), "Arbre");
  ASSERT_EQ(view_->tree().RowCount(), 4);  // A, B, D, C

  const TreeTextMetrics metrics = view_->Metrics();
  const TreeRowGeometry before = view_->tree().LayoutRow(3, metrics);
  ASSERT_EQ(before.element->label(), "C|TC");
  QTest::mouseClick(view_->viewport(), Qt::LeftButton, {},
                    QPoint(before.text.left + 2, (before.text.top + before.text.bottom) / 2));
  ASSERT_EQ(view_->tree().Selected(), before.element);
  const TreeRowGeometry c = view_->tree().LayoutRow(3, metrics);
  EXPECT_EQ(view_->accessibleDescription(), "C|TC");

  const QImage image = view_->viewport()->grab().toImage();
  const QColor black(0, 0, 0);
  const QColor blue(0, 0, 255);
  const QColor red(255, 0, 0);
  // Background right of every label.
  EXPECT_EQ(Pixel(image, 250, 12), QColor(192, 192, 192));
  // B's column runs through B's row (C follows) and stops halfway in C's.
  EXPECT_EQ(Pixel(image, 42, H + 2), black);
  EXPECT_EQ(Pixel(image, 42, 3 * H + 10), black);
  EXPECT_EQ(Pixel(image, 42, 3 * H + 20), QColor(192, 192, 192));
  EXPECT_EQ(Pixel(image, 60, 3 * H + 12), black);  // C's stub
  // A's box: outline and a minus, no plus bar.
  EXPECT_EQ(Pixel(image, 6, 12), black);
  EXPECT_EQ(Pixel(image, 12, 12), black);
  EXPECT_NE(Pixel(image, 12, 10), black);
  // Image 0 (blue frame) for the open A, image 1 (red frame) for the leaf C.
  EXPECT_EQ(Pixel(image, 35, 2), blue);
  EXPECT_EQ(Pixel(image, 65, 3 * H + 2), red);
  // The selected label: red text in a two-pixel blue frame.
  const int mid = (c.frame.top + c.frame.bottom) / 2;
  EXPECT_EQ(Pixel(image, c.frame.left, mid), blue);
  EXPECT_EQ(Pixel(image, c.frame.left + 1, mid), blue);
  EXPECT_EQ(Pixel(image, c.frame.right - 1, mid), blue);
  EXPECT_EQ(Pixel(image, c.frame.left - 1, mid), QColor(192, 192, 192));
  EXPECT_TRUE(HasReddishPixel(image, c.text));
}

TEST_F(TreeWindowTest, KeysScrollAndScrollBarsFollow) {
  std::vector<Link> links;
  for (int i = 0; i < 40; ++i) {
    links.push_back({"T" + std::to_string(i)});
    project_.Topic("T" + std::to_string(i));
  }
  project_.Topic("SOMMAIRE", links).Contents("SOMMAIRE");
  Open();
  QScrollBar* vertical = view_->verticalScrollBar();
  QScrollBar* horizontal = view_->horizontalScrollBar();
  EXPECT_EQ(vertical->maximum(), view_->tree().VerticalMaximum());
  EXPECT_GT(vertical->maximum(), 20);
  EXPECT_EQ(horizontal->maximum(), ProjectTree::kHorizontalLevels);

  QTest::keyClick(view_, Qt::Key_Down);
  QTest::keyClick(view_, Qt::Key_PageDown);
  QTest::keyClick(view_, Qt::Key_Right);
  EXPECT_EQ(view_->tree().FirstRow(), 11);
  EXPECT_EQ(vertical->value(), 11);
  EXPECT_EQ(horizontal->value(), 1);
  QTest::keyClick(view_, Qt::Key_Up);
  QTest::keyClick(view_, Qt::Key_Left);
  EXPECT_EQ(vertical->value(), 10);
  EXPECT_EQ(horizontal->value(), 0);

  // Moving the bar scrolls the tree.
  vertical->setValue(3);
  EXPECT_EQ(view_->tree().FirstRow(), 3);
}

TEST_F(TreeWindowTest, DoubleClickAsksToShowTheTopic) {
  project_.Topic("Sommaire", {{"Intro"}}).Topic("Intro").Contents("Sommaire");
  project_.doc().GetTopic(1)->title = "Introduction";
  Open();
  QSignalSpy spy(window_.data(), &TreeWindow::showTopicRequested);
  const TreeRowGeometry g = view_->tree().LayoutRow(1, view_->Metrics());
  ASSERT_EQ(g.element->label(), "Intro|Introduction");
  QTest::mouseDClick(view_->viewport(), Qt::LeftButton, {},
                     QPoint(g.text.left + 2, g.text.top + 8));
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy.at(0).at(0).toInt(), 1);
  EXPECT_EQ(spy.at(0).at(1).toString(), "Intro");
}

TEST_F(TreeWindowTest, CommandsRefreshOpenAllAndClose) {
  project_.Topic("A", {{"B"}}).Topic("B", {{"C"}}).Topic("C").Contents("A");
  Open();
  QMenu* options = window_->menuBar()->actions().at(0)->menu();
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(window_->menuBar()->actions().at(0)->text(), "&Options");
  const QList<QAction*> actions = options->actions();
  ASSERT_EQ(actions.size(), 3);
  EXPECT_EQ(actions[0]->text(), "&Rafraichir");
  EXPECT_EQ(actions[1]->text(), "&Ouvre tout");
  EXPECT_EQ(actions[2]->statusTip(), "ferme tout l'arbre");
  EXPECT_FALSE(actions[2]->isEnabled());

  // Closing A, then "&Ouvre tout".
  QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, QPoint(12, 12));
  EXPECT_EQ(view_->tree().RowCount(), 1);
  actions[1]->trigger();
  EXPECT_EQ(view_->tree().RowCount(), 3);

  // The tree does not follow edits until "&Rafraichir".
  project_.doc().GetTopic(1)->subjects.clear();
  EXPECT_EQ(view_->tree().RowCount(), 3);
  actions[0]->trigger();
  EXPECT_EQ(view_->tree().RowCount(), 2);

  QSignalSpy closed(window_.data(), &TreeWindow::closed);
  window_->close();
  EXPECT_EQ(closed.count(), 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window_.isNull());
}

}  // namespace
}  // namespace veldor
