// Reading Delphi text forms into the object tree.
#include "devtools/delphi_form.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace veldor {
namespace {

// The form tests/data/devtools/forms/<name>, read as a tree.
CEnfant Parse(const std::string& name) {
  CEnfant root;
  std::string reason;
  EXPECT_TRUE(ParseDelphiForm(FileContents(TestDataPath("devtools/forms/" + name)), root, &reason))
      << reason;
  return root;
}

TEST(DelphiFormTest, ObjectsAndHelpContexts) {
  const CEnfant root = Parse("objects.dfm");
  EXPECT_EQ(root.name, "FORM1");
  EXPECT_EQ(root.type, "TFORM1");
  EXPECT_EQ(root.helpContextId, 25);
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].type, "TBUTTON");
  EXPECT_EQ(ObjectKey(root.children[0], "FORM1"), "FORM1_BUTTON1");
  EXPECT_EQ(root.children[1].type, "TPANEL");  // "Panel1:TPanel", no blank
  const std::vector<HelpIdPair> ids = CollectHelpIds({root});
  ASSERT_EQ(ids.size(), 3u);
  EXPECT_EQ(ids[2].identifier, "HM_FORM1_PANEL1_PANEL2_EDIT1");
}

// Collections, multi-line values and binary data hold words such as "end"
// and "object" that must not open or close objects.
TEST(DelphiFormTest, ValuesDoNotDisturbTheTree) {
  const CEnfant collections = Parse("collections.dfm");
  ASSERT_EQ(collections.children.size(), 2u);
  EXPECT_EQ(collections.children[0].helpContextId, 30);
  EXPECT_EQ(collections.children[1].helpContextId, 31);
  EXPECT_EQ(collections.helpContextId, 32);

  const CEnfant multiLine = Parse("multiline.dfm");
  ASSERT_EQ(multiLine.children.size(), 2u);
  EXPECT_EQ(multiLine.children[0].name, "TMENUITEM");  // unnamed: named by its type
  EXPECT_EQ(multiLine.children[1].helpContextId, 50);
}

TEST(DelphiFormTest, InheritedFormsAndOrderedComponents) {
  const CEnfant root = Parse("inherited.dfm");
  EXPECT_EQ(root.name, "FORM2");
  ASSERT_EQ(root.children.size(), 3u);
  EXPECT_EQ(root.children[0].children[0].helpContextId, 41);
  EXPECT_EQ(root.children[1].name, "EDIT1");
  EXPECT_EQ(root.children[1].type, "TEDIT");  // "[2]" is not part of the type
  EXPECT_EQ(root.children[2].helpContextId, 43);
  EXPECT_EQ(root.helpContextId, 40);
}

TEST(DelphiFormTest, TextAndBinaryForms) {
  for (const char* text : {"object Form1: TForm1\r\nend\r\n", "\r\n  OBJECT Form1: TForm1",
                           "\xEF\xBB\xBFinherited Form1: TForm1", "inline Frame1: TFrame1"}) {
    EXPECT_TRUE(IsTextDelphiForm(text)) << text;
  }
  for (const std::string& text :
       {std::string("\xFF\x0A\x00TFORM1\x00TPF0", 13), std::string("TPF0\x06TForm1"), std::string(),
        std::string("objec")}) {
    EXPECT_FALSE(IsTextDelphiForm(text)) << text;
  }
  CEnfant root;
  std::string reason;
  EXPECT_FALSE(ParseDelphiForm("TPF0 binary", root, &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_FALSE(ParseDelphiForm("object\nend\n", root, &reason));
}

}  // namespace
}  // namespace veldor
