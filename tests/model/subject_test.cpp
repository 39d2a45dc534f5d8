#include "model/subject.h"

#include <gtest/gtest.h>

#include "model/app_settings.h"
#include "model/archive.h"
#include "model_test_support.h"

namespace veldor {
namespace {

class SubjectTest : public ::testing::Test {
 protected:
  // Tests run without a settings file: the built-in defaults apply.
  void SetUp() override { CAppSettings::Instance() = CAppSettings(); }
};

// The defaults of each type are in the golden form of a minimal project
// (project_json_test); here, what that form does not show.
TEST_F(SubjectTest, EachTypeHasItsClassNameAndOnlyImagesAndJumpsLink) {
  const char* names[] = {"Titre", "Sous Titre", "Texte indent\xE9",
                         "Texte", "BitMap",     "Saut vers "};
  for (int code = 0; code < kSubjectTypeCount; ++code) {
    auto s = CTypeEdit::CreateSubject(code);
    ASSERT_TRUE(s) << code;
    EXPECT_EQ(s->typeCode, code);
    EXPECT_EQ(s->GetTypeName(), names[code]);
    EXPECT_EQ(s->style.Family(), 2);
    EXPECT_EQ(s->HasTarget(), code >= kTypeBitMap);
  }
  EXPECT_EQ(CTypeEdit().GetTypeName(), "Mere");
  EXPECT_FALSE(CTypeEdit::CreateSubject(6));
  EXPECT_FALSE(CTypeEdit::CreateSubject(-1));
}

TEST_F(SubjectTest, SettingsSizesAndFaces) {
  CAppSettings& settings = CAppSettings::Instance();
  const std::pair<const char*, uint16_t> sizes[] = {{"12", 12}, {"0", 24},  {"abc", 24},
                                                    {"", 24},   {"-3", 24}, {"30pt", 30}};
  for (const auto& [text, expected] : sizes) {
    settings.StyleOf(kTypeTitre).pointSize = text;
    auto title = CTypeEdit::CreateSubject(kTypeTitre);
    EXPECT_EQ(title->style.pointSize, expected) << text;
    EXPECT_EQ(title->style.height, expected == 12 ? -16 : expected == 30 ? -40 : -32) << text;
  }
  settings.StyleOf(kTypeTexte).faceName = std::string(40, 'F');
  EXPECT_EQ(CTypeEdit::CreateSubject(kTypeTexte)->style.faceName, std::string(31, 'F'));
  settings.StyleOf(kTypeTexte).faceName = "";
  EXPECT_EQ(CTypeEdit::CreateSubject(kTypeTexte)->style.faceName, "MS Sans Serif");
  settings.StyleOf(kTypeTexte).colour = 0x123456;  // not in the colour table
  EXPECT_EQ(CTypeEdit::CreateSubject(kTypeTexte)->colour, 0u);
  settings.StyleOf(kTypeBitMap).colour = 0x00FFFF;
  EXPECT_EQ(CTypeEdit::CreateSubject(kTypeBitMap)->colourIndex, 11);
}

TEST_F(SubjectTest, TextEqualToTheTypeNameCountsAsNone) {
  auto title = CTypeEdit::CreateSubject(kTypeTitre);
  auto text = CTypeEdit::CreateSubject(kTypeTexte);
  auto jump = CTypeEdit::CreateSubject(kTypeJump);
  title->text = text->text = "Titre";
  jump->text = "Saut vers ";
  EXPECT_EQ(title->GetText(), "");
  EXPECT_EQ(text->GetText(), "Titre");
  EXPECT_EQ(jump->GetText(), "");
  jump->text = "Saut vers";
  EXPECT_EQ(jump->GetText(), "Saut vers");
}

TEST_F(SubjectTest, LabelColoursAndNames) {
  CTypeEdit s;
  s.text = std::string(200, 't');
  EXPECT_EQ(s.GetLabel(), std::string(144, 't'));
  s.title = "titre";
  EXPECT_EQ(s.GetLabel(), "titre");

  s.SetColour(0x808080);
  EXPECT_EQ(s.colourIndex, 7);
  s.SetColour(0x010203);
  EXPECT_EQ(s.colour, 0x808080u);
  EXPECT_EQ(s.colourIndex, 7);
  s.SetColourIndex(9);
  EXPECT_EQ(s.colour, 0x0000FFu);
  s.SetColourIndex(20);
  EXPECT_EQ(s.colourIndex, 20);
  EXPECT_EQ(s.colour, 0x0000FFu);

  EXPECT_STREQ(SubjectTypeDisplayName(2), "Texte Indent\xE9");  // capital I, unlike the type name
  EXPECT_STREQ(AlignmentWord(7), "ql");
  EXPECT_STREQ(FontFamilyWord(0), "fmodern");
  EXPECT_STREQ(FontFamilyWord(9), "fdecorative");
}

std::string Serialized(CTypeEdit& subject) {
  std::string bytes;
  CArchive ar(bytes);
  subject.Serialize(ar);
  return bytes;
}

TEST_F(SubjectTest, CloneCopiesEveryFieldAndTheTargetOfLinks) {
  for (int code : {kTypeBitMap, kTypeJump, kTypeTexte}) {
    auto source = CTypeEdit::CreateSubject(code);
    source->title = "t";
    source->style.SetFaceName("Courier");
    source->SetColourIndex(3);
    source->editBox = {1, 2, 3, 4};
    source->flags = 0x0404;
    source->linkMark = 2;
    source->reservedList = {"r"};
    source->reservedLong2 = 9;
    source->target = "CIBLE";
    source->reservedWord3 = 7;
    auto clone = CTypeEdit::CloneSubject(*source);
    ASSERT_TRUE(clone);
    EXPECT_EQ(Serialized(*clone), Serialized(*source)) << code;
    EXPECT_EQ(clone->target, code == kTypeTexte ? "" : "CIBLE");
    EXPECT_EQ(clone->reservedWord3, code == kTypeTexte ? 0 : 7);
  }
  CTypeEdit plain;
  EXPECT_FALSE(CTypeEdit::CloneSubject(plain));
  plain.text = "kept";
  auto exact = CTypeEdit::CloneExact(plain);
  ASSERT_TRUE(exact);
  EXPECT_EQ(Serialized(*exact), Serialized(plain));
  EXPECT_EQ(exact->GetTypeName(), "Mere");
}

TEST_F(SubjectTest, FaceNameBytesAfterTheNulAreIgnored) {
  CTypeFont font;
  font.SetFaceName("Arial");
  std::string clean;
  {
    CArchive ar(clean);
    font.Serialize(ar);
  }
  ASSERT_EQ(clean.size(), 54u);
  std::string dirty = clean;
  dirty.replace(4 + 18 + 6, 26, std::string(26, 'Z'));  // after "Arial\0"
  std::string noNul = clean;
  noNul.replace(4 + 18, 32, std::string(32, 'N'));
  CTypeFont a, b;
  CArchive ra{std::string_view(dirty)}, rb{std::string_view(noNul)};
  a.Serialize(ra);
  b.Serialize(rb);
  EXPECT_EQ(a, font);
  EXPECT_EQ(b.faceName, std::string(31, 'N'));
}

}  // namespace
}  // namespace veldor
