// Reading Visual Basic forms into the object tree, object keys and the
// help numbers collected from the tree.
#include "devtools/vb_form.h"

#include <gtest/gtest.h>

#include "devtools/form_tree.h"
#include "devtools_test_support.h"

namespace veldor {
namespace {

// Control arrays, nested frames, menus named by their caption (Visual
// Basic 3) or by their name, property blocks, header lines and code after
// the form, missing or odd values, "Begin" lines of any shape, and a form
// cut short that keeps what was read.
TEST(VbFormTest, TreesOfTheSampleForms) {
  EXPECT_TRUE(MatchesGolden(
      DumpForms(ParseVbForm, {"keys.frm", "vb3_menus.frm", "vb4_menus.frm", "property_blocks.frm",
                              "odd_values.frm", "begin_shapes.frm", "cut_short.frm"}),
      "devtools/golden/vb_forms.txt"));
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

TEST(VbFormTest, ChildrenBeyondTheLimitsAreReadButDropped) {
  std::string text = "VERSION 5.00\nBegin VB.Form F\n";
  for (int i = 0; i < 300; ++i) {
    text += "Begin VB.Label L" + std::to_string(i) + "\nHelpContextID = 1\nEnd\n";
  }
  // Nesting far deeper than any real form.
  for (int i = 0; i < 200; ++i) text += "Begin VB.Frame D" + std::to_string(i) + "\n";
  for (int i = 0; i < 200; ++i) text += "End\n";
  text += "HelpContextID = 42\nEnd\n";
  CEnfant big;
  ASSERT_TRUE(ParseVbForm(text, big));
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
}

// Help numbers above 65535 (a real form has WhatsThisHelpID 16777215) keep
// all their bits: cut to 16, they would meet other numbers and no longer
// match the application's help calls.
TEST(HelpMapTextTest, NumbersKeepTheirThirtyTwoBits) {
  CEnfant form;
  ASSERT_TRUE(
      ParseVbForm("VERSION 5.00\nBegin VB.Form F\n WhatsThisHelpID = 16777215\n"
                  " Begin VB.CommandButton A\n  HelpContextID = 70000\n End\n"
                  " Begin VB.CommandButton B\n  HelpContextID = 4464\n End\nEnd\n",
                  form));
  const std::vector<HelpIdPair> pairs = CollectHelpIds({form});
  EXPECT_EQ(VbHelpMapText(pairs, {}), "HM_INDEX" + std::string(32, ' ') +
                                          "0x00\r\nHM_F_B   0x1170\r\nHM_F_A   0x11170\r\n"
                                          "HM_F_W   0xFFFFFF\r\n");
  EXPECT_EQ(HelpIdListLines(pairs),
            (std::vector<std::string>{"16777215\t\tHM_F_W", "4464\t\tHM_F_B", "70000\t\tHM_F_A"}));
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
