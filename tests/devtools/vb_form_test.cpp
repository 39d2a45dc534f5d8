// Reading Visual Basic forms into the object tree, object keys and the
// help numbers collected from the tree.
#include "devtools/vb_form.h"

#include <gtest/gtest.h>

#include "devtools/form_tree.h"
#include "support/test_files.h"

namespace veldor {
namespace {

CEnfant ParseText(const std::string& text) {
  CEnfant root;
  std::string reason;
  EXPECT_TRUE(ParseVbForm(text, root, &reason)) << reason;
  return root;
}

// The form tests/data/devtools/forms/<name>, read as a tree.
CEnfant Parse(const std::string& name) {
  return ParseText(FileContents(TestDataPath("devtools/forms/" + name)));
}

// The keys of every object with a help context number, in collection order.
std::vector<std::string> Identifiers(const CEnfant& root) {
  std::vector<std::string> ids;
  for (const HelpIdPair& pair : CollectHelpIds({root})) {
    ids.push_back(pair.identifier + "=" + std::to_string(pair.number));
  }
  return ids;
}

TEST(VbFormTest, KeysOfControlsArraysAndNestedFrames) {
  const CEnfant root = Parse("keys.frm");
  EXPECT_EQ(root.type, "VB_FORM");
  EXPECT_EQ(root.name, "FORM1");
  ASSERT_EQ(root.children.size(), 3u);
  EXPECT_EQ(root.children[0].type, "VB_COMMANDBUTTON");
  EXPECT_EQ(root.children[1].index, 2);
  EXPECT_EQ(
      Identifiers(root),
      (std::vector<std::string>{"HM_FORM1=5", "HM_FORM1_COMMAND1=100", "HM_FORM1_COMMAND1_W=1000",
                                "HM_FORM1_2OPT=101", "HM_FORM1_FRAME1_OK=102"}));
}

TEST(VbFormTest, VisualBasic3MenusAreNamedByTheirCaptionLaterOnesByTheirName) {
  const CEnfant root = Parse("vb3_menus.frm");
  ASSERT_EQ(root.children.size(), 1u);
  const CEnfant& menu = root.children[0];
  EXPECT_EQ(menu.type, "MENU");
  EXPECT_EQ(menu.menuKey, "__OPEN_FILE");
  EXPECT_EQ(menu.children[0].DisplayName(), "__");
  // A caption without a word leaves the menu its name.
  EXPECT_EQ(menu.children[1].DisplayName(), "MNUEMPTY");
  EXPECT_EQ(Identifiers(root), (std::vector<std::string>{"HM_FORM1___OPEN_FILE=7",
                                                         "HM_FORM1___OPEN_FILE_MNUEMPTY=8"}));

  const CEnfant vb4 = Parse("vb4_menus.frm");
  EXPECT_EQ(vb4.children[0].type, "VB_MENU");
  EXPECT_EQ(vb4.children[0].menuKey, "");
  EXPECT_EQ(Identifiers(vb4), std::vector<std::string>{"HM_FORM1_MNUFILE=9"});
}

TEST(VbFormTest, PropertyBlocksHeaderLinesAndCodeDoNotDisturbTheTree) {
  const CEnfant root = Parse("property_blocks.frm");
  ASSERT_EQ(root.children.size(), 2u);
  const CEnfant& toolbar = root.children[0];
  EXPECT_EQ(toolbar.type, "MSCOMCTLLIB_TOOLBAR");
  EXPECT_EQ(toolbar.index, -1);
  EXPECT_EQ(toolbar.helpContextId, 3);
  EXPECT_EQ(toolbar.whatsThisHelpId, 30);
  EXPECT_EQ(root.children[1].helpContextId, 4);
}

TEST(VbFormTest, OddValuesAndBeginLinesOfAnyShape) {
  const CEnfant odd = Parse("odd_values.frm");
  EXPECT_EQ(odd.children[0].helpContextId, -1);
  EXPECT_EQ(odd.children[0].whatsThisHelpId, -1);
  EXPECT_EQ(odd.children[0].index, -1);
  EXPECT_EQ(odd.children[1].helpContextId, 2147483647);

  // Every "Begin" opens an object, so that the "End" lines still match.
  const CEnfant shapes = Parse("begin_shapes.frm");
  ASSERT_EQ(shapes.children.size(), 3u);
  EXPECT_EQ(shapes.children[0].name, "");
  EXPECT_EQ(shapes.children[1].name, "NAMED");
  EXPECT_EQ(shapes.children[2].helpContextId, 2);
}

TEST(VbFormTest, FormsThatCannotBeUsed) {
  CEnfant root;
  std::string reason;
  EXPECT_FALSE(ParseVbForm("\xFC\x02\x00\x14 binary", root, &reason));
  EXPECT_NE(reason.find("texte"), std::string::npos);
  EXPECT_FALSE(ParseVbForm("", root, &reason));
  EXPECT_FALSE(ParseVbForm("VERSION 5.00\nBegin VB.UserControl Ctl\nEnd\n", root, &reason));
  EXPECT_NE(reason.find("Begin VB.Form"), std::string::npos);
  // The root must be on a line of its own, not the first.
  EXPECT_FALSE(ParseVbForm("VERSION 5.00 Begin VB.Form F\n", root, &reason));
  EXPECT_TRUE(ParseVbForm("version 5.00\nBegin VB.MDIForm M\n", root, &reason));
  EXPECT_EQ(root.type, "VB_MDIFORM");
}

TEST(VbFormTest, CutShortOrOversizedFormsKeepWhatWasRead) {
  const CEnfant cut = Parse("cut_short.frm");
  ASSERT_EQ(cut.children.size(), 1u);
  ASSERT_EQ(cut.children[0].children.size(), 1u);
  EXPECT_EQ(cut.children[0].children[0].helpContextId, 3);

  std::string text = "VERSION 5.00\nBegin VB.Form F\n";
  for (int i = 0; i < 300; ++i) {
    text += "Begin VB.Label L" + std::to_string(i) + "\nHelpContextID = 1\nEnd\n";
  }
  // Nesting far deeper than any real form.
  for (int i = 0; i < 200; ++i) text += "Begin VB.Frame D" + std::to_string(i) + "\n";
  for (int i = 0; i < 200; ++i) text += "End\n";
  text += "HelpContextID = 42\nEnd\n";
  const CEnfant big = ParseText(text);
  EXPECT_EQ(big.children.size(), 256u);
  EXPECT_EQ(big.helpContextId, 42);  // the form's own end was still found
}

TEST(HelpMapTextTest, SortedByNumberWithTheKnownOrLastIdentifierOfASharedNumber) {
  const std::vector<HelpIdPair> pairs = {{"HM_F_B", 10}, {"HM_F", 1},      {"HM_F_A", 10},
                                         {"HM_F_C", 10}, {"HM_F_W", 1000}, {"HM_F_D", 0xABCD}};
  const std::string header = "HM_INDEX" + std::string(32, ' ') + "0x00\r\n";
  EXPECT_EQ(VbHelpMapText(pairs, {}),
            header + "HM_F   0x1\r\nHM_F_C   0xA\r\nHM_F_W   0x3E8\r\nHM_F_D   0xABCD\r\n");
  EXPECT_EQ(VbHelpMapText(pairs, {"HM_F_A", "HM_F_B"}),
            header + "HM_F   0x1\r\nHM_F_B   0xA\r\nHM_F_W   0x3E8\r\nHM_F_D   0xABCD\r\n");
  EXPECT_EQ(VbHelpMapText({}, {}), header);

  CEnfant form;  // numbers are kept in 16 bits
  form.name = "F";
  form.helpContextId = 70000;
  EXPECT_EQ(CollectHelpIds({form})[0].number, 70000 - 65536);
}

TEST(HelpIdListTest, LinesAreSortedAsText) {
  const std::vector<HelpIdPair> pairs = {
      {"HM_F_B", 10}, {"HM_F", 1}, {"HM_F_A", 10}, {"HM_F_W", 1000}, {"HM_F_X", 101}};
  EXPECT_EQ(HelpIdListLines(pairs),
            (std::vector<std::string>{"001\t\tHM_F", "010\t\tHM_F_A", "010\t\tHM_F_B",
                                      "1000\t\tHM_F_W", "101\t\tHM_F_X"}));
}

}  // namespace
}  // namespace veldor
