// Reading Delphi text forms into the object tree.
#include "devtools/delphi_form.h"

#include <gtest/gtest.h>

#include "devtools_test_support.h"

namespace veldor {
namespace {

// Nested objects ("Panel1:TPanel" without a blank), inherited and inline
// objects, ordered components ("[2]"), unnamed ones, and values that hold
// "end" and "object" (collections, multi-line strings, binary data) without
// opening or closing an object.
TEST(DelphiFormTest, TreesOfTheSampleForms) {
  EXPECT_TRUE(MatchesGolden(DumpForms(ParseDelphiForm, {"objects.dfm", "collections.dfm",
                                                        "inherited.dfm", "multiline.dfm"}),
                            "devtools/golden/delphi_forms.txt"));
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
