// Reading Delphi text forms into the object tree.
#include "devtools/delphi_form.h"

#include <gtest/gtest.h>

namespace veldor {
namespace {

CEnfant Parse(const std::string& text) {
  CEnfant root;
  std::string reason;
  EXPECT_TRUE(ParseDelphiForm(text, root, &reason)) << reason;
  return root;
}

TEST(DelphiFormTest, ObjectsAndHelpContexts) {
  const CEnfant root = Parse(
      "object Form1: TForm1\r\n"
      "  HelpContext = 25\r\n"
      "  object Button1: TButton\r\n"
      "    HelpContext = 26\r\n"
      "  end\r\n"
      "  object Panel1:TPanel\r\n"
      "    object Panel2: TPanel\r\n"
      "      object Edit1: TEdit\r\n"
      "        HelpContext = 27\r\n"
      "      end\r\n"
      "    end\r\n"
      "  end\r\n"
      "end\r\n");
  EXPECT_EQ(root.name, "FORM1");
  EXPECT_EQ(root.type, "TFORM1");
  EXPECT_EQ(root.helpContextId, 25);
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].name, "BUTTON1");
  EXPECT_EQ(root.children[0].type, "TBUTTON");
  EXPECT_EQ(ObjectKey(root.children[0], "FORM1"), "FORM1_BUTTON1");
  EXPECT_EQ(root.children[1].type, "TPANEL");
  const std::vector<HelpIdPair> ids = CollectHelpIds({root});
  ASSERT_EQ(ids.size(), 3u);
  EXPECT_EQ(ids[2].identifier, "HM_FORM1_PANEL1_PANEL2_EDIT1");
}

TEST(DelphiFormTest, CollectionsDoNotDisturbTheTree) {
  const CEnfant root = Parse(
      "object Form1: TForm1\n"
      "  object StatusBar1: TStatusBar\n"
      "    Panels = <\n"
      "      item\n"
      "        Width = 50\n"
      "      end\n"
      "      item\n"
      "        Text = 'object X: TX'\n"
      "      end>\n"
      "    HelpContext = 30\n"
      "  end\n"
      "  object Grid: TDBGrid\n"
      "    Columns = <\n"
      "      item\n"
      "        Title.Font.Style = []\n"
      "        Items = <\n"
      "          item\n"
      "            HelpContext = 999\n"
      "          end>\n"
      "      end>\n"
      "    Empty = <>\n"
      "    HelpContext = 31\n"
      "  end\n"
      "  HelpContext = 32\n"
      "end\n");
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].helpContextId, 30);
  EXPECT_EQ(root.children[1].helpContextId, 31);
  EXPECT_EQ(root.helpContextId, 32);
}

TEST(DelphiFormTest, InheritedFormsAndOrderedComponents) {
  const CEnfant root = Parse(
      "  inherited Form2: TForm2\n"
      "  HelpContext = 40\n"
      "  inherited Panel1: TPanel\n"
      "    inherited Button1: TButton\n"
      "      HelpContext = 41\n"
      "    end\n"
      "  end\n"
      "  object Edit1: TEdit [2]\n"
      "    HelpContext = 42\n"
      "  end\n"
      "  inline Frame1: TFrame1\n"
      "    HelpContext = 43\n"
      "  end\n"
      "end\n");
  EXPECT_EQ(root.name, "FORM2");
  ASSERT_EQ(root.children.size(), 3u);
  EXPECT_EQ(root.children[0].children[0].helpContextId, 41);
  EXPECT_EQ(root.children[1].name, "EDIT1");
  EXPECT_EQ(root.children[1].type, "TEDIT");
  EXPECT_EQ(root.children[2].helpContextId, 43);
  EXPECT_EQ(root.helpContextId, 40);
}

TEST(DelphiFormTest, MultiLineValuesAndUnnamedComponents) {
  const CEnfant root = Parse(
      "object Form1: TForm1\n"
      "  Caption = \n"
      "    'A long caption that goes' +\n"
      "    ' on: end'\n"
      "  object TMenuItem\n"
      "    Caption = '-'\n"
      "  end\n"
      "  object Memo1: TMemo\n"
      "    Lines.Strings = (\n"
      "      'end'\n"
      "      'object Fake: TFake')\n"
      "    Picture.Data = {\n"
      "      0754426974}\n"
      "    HelpContext = 50\n"
      "  end\n"
      "end\n");
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].name, "TMENUITEM");
  EXPECT_EQ(root.children[1].helpContextId, 50);
}

TEST(DelphiFormTest, TextAndBinaryForms) {
  EXPECT_TRUE(IsTextDelphiForm("object Form1: TForm1\r\nend\r\n"));
  EXPECT_TRUE(IsTextDelphiForm("\r\n  OBJECT Form1: TForm1"));
  EXPECT_TRUE(IsTextDelphiForm("\xEF\xBB\xBFinherited Form1: TForm1"));
  EXPECT_TRUE(IsTextDelphiForm("inline Frame1: TFrame1"));
  EXPECT_FALSE(IsTextDelphiForm(std::string("\xFF\x0A\x00TFORM1\x00TPF0", 13)));
  EXPECT_FALSE(IsTextDelphiForm("TPF0\x06TForm1"));
  EXPECT_FALSE(IsTextDelphiForm(""));
  EXPECT_FALSE(IsTextDelphiForm("objec"));

  CEnfant root;
  std::string reason;
  EXPECT_FALSE(ParseDelphiForm("TPF0 binary", root, &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_FALSE(ParseDelphiForm("object\nend\n", root, &reason));
}

}  // namespace
}  // namespace veldor
