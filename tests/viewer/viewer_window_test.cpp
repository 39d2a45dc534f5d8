// The viewer's windows on real and built files: the topic shown, links to
// topics, pop-ups and secondary windows, back, browse buttons, the index,
// programs started by macros, and damaged files.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBlock>

#include "hlp_samples.h"
#include "platform/files.h"
#include "support/temp_directory.h"
#include "support/test_files.h"
#include "viewer/index_dialog.h"
#include "viewer/topic_view.h"
#include "viewer/viewer_window.h"

namespace veldor::viewer {
namespace {

class ViewerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.messageSink = [this](const QString& m) { messages_.push_back(m.toStdString()); };
    window_.programSink = [this](const std::string& c) { programs_.push_back(c); };
  }
  std::string Build() {
    const std::string path = dir_.path() + "/DEMO.HLP";
    EXPECT_TRUE(WriteFile(
        path, hlptest::BuildHelpFile(hlptest::SampleSpec(hlptest::Packing::BlocksAndPhrases))));
    return path;
  }
  QString Shown() const { return window_.topicView()->scrollingDocument()->toPlainText(); }

  TempDirectory dir_;
  ViewerWindow window_;
  std::vector<std::string> messages_;
  std::vector<std::string> programs_;
};

TEST_F(ViewerWindowTest, RealFileShowsItsContentsAndFollowsJumps) {
  ASSERT_TRUE(window_.OpenFile(QString::fromStdString(TestDataPath("hlpfile/TSTCON32.HLP"))));
  window_.ShowTopic(window_.session().ContentsTopic());
  EXPECT_TRUE(Shown().startsWith(QStringLiteral("Test Container Help")));
  EXPECT_FALSE(window_.backAction()->isEnabled());
  window_.ActivateLink(QStringLiteral("link:0"), window_.session().current());
  EXPECT_TRUE(Shown().startsWith(QStringLiteral("Getting Control Help")));
  EXPECT_TRUE(window_.backAction()->isEnabled());
  window_.backAction()->trigger();
  EXPECT_TRUE(Shown().startsWith(QStringLiteral("Test Container Help")));
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ViewerWindowTest, NonScrollingRegionPicturesAndBrowseButtons) {
  ASSERT_TRUE(window_.OpenFile(QString::fromStdString(TestDataPath("hlpfile/LEAKYBIN.HLP"))));
  EXPECT_TRUE(window_.browseNextAction()->isVisible()) << "BrowseButtons() of the configuration";
  window_.ShowTopic(0);
  const QString top = window_.topicView()->nonScrollingDocument()->toPlainText();
  EXPECT_TRUE(top.contains(QStringLiteral("LeakyBin: Application Performance Counter")));
  EXPECT_FALSE(Shown().contains(QStringLiteral("LeakyBin: Application Performance Counter")));
  EXPECT_TRUE(top.contains(QChar::ObjectReplacementCharacter)) << "the picture";
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ViewerWindowTest, PopupsSecondaryWindowsMacrosAndBrowse) {
  ASSERT_TRUE(window_.OpenFile(QString::fromStdString(Build())));
  window_.ShowTopic(window_.session().ContentsTopic());
  EXPECT_EQ(window_.topicView()->nonScrollingDocument()->toPlainText(), "Sommaire");
  EXPECT_TRUE(Shown().startsWith(QStringLiteral("Voici la rubrique suivante et une note.")));
  // The pop-up link shows the note in a pop-up; the main topic stays.
  window_.ActivateLink(QStringLiteral("link:1"), 0);
  ASSERT_TRUE(window_.popupView());
  EXPECT_TRUE(window_.popupView()->scrollingDocument()->toPlainText().startsWith(
      QStringLiteral("Une note en fenêtre contextuelle.")));
  EXPECT_EQ(window_.session().current(), 0);
  // The jump to a secondary window opens it with the file's definition.
  window_.ActivateLink(QStringLiteral("link:2"), 0);
  ASSERT_TRUE(window_.secondaryView("second"));
  EXPECT_EQ(window_.secondaryView("second")->window()->windowTitle(),
            QStringLiteral("Fenêtre secondaire"));
  EXPECT_TRUE(window_.secondaryView("second")->scrollingDocument()->toPlainText().startsWith(
      QStringLiteral("Voici la rubrique suivante, paragraphe 0")));
  // Browse buttons follow the browse sequence.
  ASSERT_TRUE(window_.browseNextAction()->isVisible());
  EXPECT_FALSE(window_.browsePreviousAction()->isEnabled());
  window_.browseNextAction()->trigger();
  EXPECT_EQ(window_.session().current(), 1);
  window_.browsePreviousAction()->trigger();
  EXPECT_EQ(window_.session().current(), 0);
  // A macro hot spot: Back().
  window_.ActivateLink(QStringLiteral("link:3"), 0);
  EXPECT_EQ(window_.session().current(), 1);
  // ExecProgram goes through the program runner.
  window_.session().RunMacros("ExecProgram(`pbrush.exe IMAGE.BMP', 0)", window_);
  EXPECT_EQ(programs_, std::vector<std::string>{"pbrush.exe IMAGE.BMP"});
  // The picture's hot spot jumps.
  window_.ShowTopic(2);
  window_.ActivateLink(QStringLiteral("hot:0:0"), 2);
  EXPECT_TRUE(window_.popupView());
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ViewerWindowTest, IndexFiltersAndChooses) {
  ASSERT_TRUE(window_.OpenFile(QString::fromStdString(Build())));
  IndexDialog dialog(window_.session(), &window_);
  EXPECT_EQ(dialog.keywordList()->count(), 3);
  dialog.searchField()->setText(QStringLiteral("SU"));
  EXPECT_EQ(dialog.keywordList()->currentItem()->text(), QStringLiteral("suite"));
  dialog.ChooseKeyword();
  EXPECT_EQ(dialog.chosenTopic(), 1) << "one topic: chosen at once";
  IndexDialog second(window_.session(), &window_);
  second.searchField()->setText(QStringLiteral("acc"));
  second.ChooseKeyword();
  EXPECT_EQ(second.chosenTopic(), -1);
  ASSERT_EQ(second.topicList()->count(), 2);
  EXPECT_EQ(second.topicList()->item(1)->text(), QStringLiteral("La rubrique suivante"));
  EXPECT_FALSE(second.searchField()->accessibleName().isEmpty());
}

TEST_F(ViewerWindowTest, DamagedAndForeignFilesGiveAMessage) {
  const std::string whole =
      hlptest::BuildHelpFile(hlptest::SampleSpec(hlptest::Packing::BlocksAndPhrases));
  const std::string path = dir_.path() + "/CASSE.HLP";
  for (std::size_t size : {std::size_t{0}, std::size_t{20}, whole.size() / 2, whole.size() - 3}) {
    ASSERT_TRUE(WriteFile(path, whole.substr(0, size)));
    messages_.clear();
    EXPECT_FALSE(window_.OpenFile(QString::fromStdString(path)));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find("Impossible d'ouvrir le fichier d'aide"), std::string::npos);
  }
  EXPECT_FALSE(window_.OpenFile(QString::fromStdString(TestDataPath("hlpfile/README.md"))));
}

TEST_F(ViewerWindowTest, EveryControlHasAnAccessibleName) {
  ASSERT_TRUE(window_.OpenFile(QString::fromStdString(Build())));
  window_.ShowTopic(0);
  IndexDialog dialog(window_.session(), &window_);
  for (QWidget* top : std::initializer_list<QWidget*>{&window_, &dialog}) {
    for (QWidget* control : top->findChildren<QWidget*>()) {
      if (control->objectName().startsWith(QLatin1String("qt_"))) continue;  // Qt's own parts
      if (!control->inherits("QAbstractButton") && !control->inherits("QLineEdit") &&
          !control->inherits("QAbstractItemView") && !control->inherits("QTextEdit") &&
          !control->inherits("QMenu") && !control->inherits("QToolBar")) {
        continue;
      }
      EXPECT_FALSE(control->accessibleName().isEmpty())
          << control->metaObject()->className() << " of " << top->metaObject()->className();
    }
  }
}

}  // namespace
}  // namespace veldor::viewer
