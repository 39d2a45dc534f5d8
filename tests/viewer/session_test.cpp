// The viewer's rules without widgets: navigation, back and history, browse
// sequence, keyword index, links and macros, command line.
#include <gtest/gtest.h>

#include "hlp_samples.h"
#include "platform/files.h"
#include "support/temp_directory.h"
#include "viewer/command_line.h"
#include "viewer/help_session.h"
#include "viewer/macro_call.h"

namespace veldor::viewer {
namespace {

struct RecordingActions : IViewerActions {
  std::vector<std::string> calls;
  void ShowTopic(int t) override { calls.push_back("topic " + std::to_string(t)); }
  void ShowInWindow(int t, int w) override {
    calls.push_back("window " + std::to_string(t) + " " + std::to_string(w));
  }
  void ShowPopup(int t) override { calls.push_back("popup " + std::to_string(t)); }
  void GoBack() override { calls.push_back("back"); }
  void ShowBrowseButtons() override { calls.push_back("browse"); }
  void BrowseNext() override { calls.push_back("next"); }
  void BrowsePrevious() override { calls.push_back("prev"); }
  void CloseWindow(const std::string& n) override { calls.push_back("close " + n); }
  void Quit() override { calls.push_back("quit"); }
  void ShowHistory() override { calls.push_back("history"); }
  void ShowIndex() override { calls.push_back("index"); }
  void RunProgram(const std::string& c) override { calls.push_back("run " + c); }
  void Error(const std::string& t) override { calls.push_back("error " + t); }
};

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.path() + "/DEMO.HLP";
    ASSERT_TRUE(WriteFile(
        path_, hlptest::BuildHelpFile(hlptest::SampleSpec(hlptest::Packing::BlocksAndPhrases))));
    std::string error;
    ASSERT_TRUE(session_.Open(path_, error)) << error;
  }
  TempDirectory dir_;
  std::string path_;
  HelpSession session_;
};

TEST_F(SessionTest, NavigationBackHistoryAndBrowse) {
  EXPECT_FALSE(session_.CanGoBack());
  EXPECT_TRUE(session_.Navigate(session_.ContentsTopic()));
  EXPECT_EQ(session_.BrowseNextTopic(), 1);
  EXPECT_EQ(session_.BrowsePreviousTopic(), -1);
  EXPECT_TRUE(session_.Navigate(2));
  EXPECT_TRUE(session_.Navigate(1));
  EXPECT_FALSE(session_.Navigate(9)) << "no such topic";
  EXPECT_EQ(session_.current(), 1);
  EXPECT_TRUE(session_.Back());
  EXPECT_EQ(session_.current(), 2);
  EXPECT_TRUE(session_.Back());
  EXPECT_EQ(session_.current(), 0);
  EXPECT_FALSE(session_.Back());
  EXPECT_EQ(session_.history(), (std::vector<int>{0, 2, 1, 2, 0}));
}

TEST_F(SessionTest, ContextsNumbersAndKeywords) {
  EXPECT_EQ(session_.TopicOfContext("suite"), 1) << "contexts ignore case";
  EXPECT_EQ(session_.TopicOfContext("nulle_part"), -1);
  EXPECT_EQ(session_.TopicOfNumber(200), 1);
  EXPECT_EQ(session_.TopicOfNumber(7), -1);
  EXPECT_EQ(session_.FirstKeyword("SO"), 1);
  EXPECT_EQ(session_.FirstKeyword("su"), 2);
  EXPECT_EQ(session_.FirstKeyword("zzz"), 2) << "past the end: the last keyword";
  EXPECT_EQ(session_.TopicsOfKeyword(0), (std::vector<int>{0, 1}));
  EXPECT_TRUE(session_.TopicsOfKeyword(42).empty());
}

TEST_F(SessionTest, LinksAndMacros) {
  RecordingActions actions;
  const auto& contents = session_.document()->topics[0];
  for (const auto& link : contents.links) session_.Follow(link, actions);
  session_.RunMacros(
      "JI(`', `NOTE'); PopupId(`',`suite'):Back();BrowseButtons();Next();Prev();"
      "JumpId(`demo.hlp>second', `SUITE'); JumpContext(`', 200); EP(`notepad.exe LISEZMOI.TXT', 1);"
      "Contents(); JK(`', `accueil'); CW(`second'); Exit(); History(); Search(); "
      "CreateButton(`b', `&Btn', `Back()'); JI(`', `ABSENT')",
      actions);
  EXPECT_EQ(actions.calls, (std::vector<std::string>{
                               "topic 1",
                               "popup 2",
                               "window 1 0",
                               "back",
                               "topic 2",
                               "popup 1",
                               "back",
                               "browse",
                               "next",
                               "prev",
                               "window 1 0",
                               "topic 1",
                               "run notepad.exe LISEZMOI.TXT",
                               "topic 0",
                               "topic 0",
                               "close second",
                               "quit",
                               "history",
                               "index",
                               "error La rubrique demandée n'existe pas dans ce fichier d'aide."}));
}

TEST_F(SessionTest, DamagedFileKeepsThePreviousOne) {
  const std::string bad = dir_.path() + "/BAD.HLP";
  ASSERT_TRUE(WriteFile(bad, std::string("\x3F\x5F\x03\x00garbage", 11)));
  std::string error;
  EXPECT_FALSE(session_.Open(bad, error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(session_.path(), path_);
}

TEST(MacroCallTest, ParsesQuotesNestingAndShortNames) {
  const auto calls = ParseMacros("ji(\"a.hlp\", `ctx') ; EP(`x, y', 0):unknown( f(1,2) , 3 )");
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].name, "JumpId");
  EXPECT_EQ(calls[0].args, (std::vector<std::string>{"a.hlp", "ctx"}));
  EXPECT_EQ(calls[1].name, "ExecProgram");
  EXPECT_EQ(calls[1].args, (std::vector<std::string>{"x, y", "0"}));
  EXPECT_EQ(calls[2].args, (std::vector<std::string>{"f(1,2)", "3"}));
  EXPECT_TRUE(ParseMacros("").empty());
  EXPECT_EQ(ParseMacros("Back(").size(), 0u) << "an unclosed call is dropped";
}

TEST(CommandLineTest, FormsOfTheTopicAndWindow) {
  struct Case {
    std::vector<std::string> args;
    bool ok;
    std::string file, window, context, keyword;
    std::optional<uint32_t> number;
  };
  const std::vector<Case> cases = {
      {{"AIDE.HLP"}, true, "AIDE.HLP", "", "", "", {}},
      {{"-i", "SUITE", "AIDE.HLP>second"}, true, "AIDE.HLP", "second", "SUITE", "", {}},
      {{"-n", "0x1F", "AIDE.HLP"}, true, "AIDE.HLP", "", "", "", 31u},
      {{"-n", "12", "AIDE.HLP"}, true, "AIDE.HLP", "", "", "", 12u},
      {{"-k", "index", "AIDE.HLP"}, true, "AIDE.HLP", "", "", "index", {}},
      {{"-n", "douze", "AIDE.HLP"}, false, "", "", "", "", {}},
      {{"-i"}, false, "", "", "", "", {}},
      {{"-z", "AIDE.HLP"}, false, "", "", "", "", {}},
      {{"A.HLP", "B.HLP"}, false, "", "", "", "", {}},
  };
  for (const Case& c : cases) {
    ViewerOptions options;
    std::string error;
    EXPECT_EQ(ParseViewerArguments(c.args, options, error), c.ok) << c.args[0];
    if (!c.ok) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(options.file, c.file);
    EXPECT_EQ(options.window, c.window);
    EXPECT_EQ(options.context, c.context);
    EXPECT_EQ(options.keyword, c.keyword);
    EXPECT_EQ(options.number, c.number);
  }
}

}  // namespace
}  // namespace veldor::viewer
