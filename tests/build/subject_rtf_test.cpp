#include "build/subject_rtf.h"

#include <gtest/gtest.h>

#include "build/build_test_support.h"
#include "build/project_rtf.h"
#include "build/rtf_escape.h"
#include "model/document.h"

namespace veldor {
namespace {

using testing::MakeGlobal;
using testing::MakeSubject;
using testing::MatchesGolden;

// Fonts, colours and references as a build numbers them: Arial is font 0,
// the palette is numbered in table order, topic IDH_REF has the reference
// string REF_B.
class SubjectRtfTest : public ::testing::Test {
 protected:
  SubjectRtfTest() {
    fonts["\\fswiss Arial"] = "0";
    for (int k = 0; k < 16; ++k) colours[ColourKey(kRtfColourOrder[k])] = std::to_string(k + 1);
    refs["IDH_REF"] = "REF_B";
  }
  std::string Rtf(const CTypeEdit& s, bool substitute = true) {
    std::string out;
    WriteRtf(s, out, maps, doc, substitute);
    return out;
  }
  std::string Export(const CTypeEdit& s) {
    std::string out;
    WriteRtfExport(s, out, maps, doc);
    return out;
  }

  CVeldorDoc doc;
  StringMap fonts, colours, refs;
  RtfMaps maps{fonts, colours, refs};
};

TEST_F(SubjectRtfTest, WorkedExamples) {
  auto title = MakeSubject(kTypeTitre, "\xC9t\xE9");
  title->style.weight = 700;
  title->style.pointSize = 12;
  title->SetColour(0x000000);
  title->alignment = 2;
  EXPECT_TRUE(MatchesGolden(Rtf(*title), "subject_title.rtf"));

  auto jump = MakeSubject(kTypeJump, "Voir l'aide");
  jump->action = kActionSaut;
  jump->target = "IDH_AIDE";
  EXPECT_TRUE(MatchesGolden(Rtf(*jump), "subject_jump.rtf"));

  auto bitmap = MakeSubject(kTypeBitMap, "Logo");
  bitmap->title = "LOGO.BMP";
  EXPECT_TRUE(MatchesGolden(Rtf(*bitmap), "subject_bitmap.rtf"));
}

TEST_F(SubjectRtfTest, EscapingOfTextsAndMacroArguments) {
  EXPECT_EQ(RtfEscape("a\\b{c}"), "a\\'5cb\\'7bc\\'7d");
  EXPECT_EQ(MacroEscape("a\\b{c}"), "a\\'5c\\'5cb\\'7bc\\'7d");
  EXPECT_EQ(RtfEscape("1\r\n2\r3\n"), "1\\line 23\\line ");
  EXPECT_EQ(RtfEscape("\r"), "");
  EXPECT_EQ(RtfEscape("\xFF\x80"), "\\'ff\\'80");
  EXPECT_EQ(RtfEscape(""), "");
}

TEST_F(SubjectRtfTest, CharacterFormatting) {
  auto s = MakeSubject(kTypeTexte, "x");
  s->flags = 0;
  s->style.weight = 600;
  EXPECT_EQ(Rtf(*s), "\\plain\\cf10\\f0\\fs20\\brdrs\\fi0 x\n");
  s->style.weight = 800;
  EXPECT_EQ(Rtf(*s), "\\plain\\cf10\\f0\\fs20\\brdrs\\fi0 x\n");
  s->style.weight = 700;
  s->style.italic = 1;
  s->style.underline = 1;
  EXPECT_EQ(Rtf(*s), "\\plain\\b\\i\\ul\\cf10\\f0\\fs20\\brdrs\\fi0 x\n");

  // A font or colour the maps do not hold writes nothing in its place.
  s->style.SetFaceName("Courier");
  s->colour = 0x123456;
  s->style.weight = 0;
  s->style.italic = 0;
  s->style.underline = 0;
  EXPECT_EQ(Rtf(*s), "\\plain\\fs20\\brdrs\\fi0 x\n");
}

TEST_F(SubjectRtfTest, UnderlineNeedsTextAndIsNeverWrittenForImagesAndJumps) {
  auto text = MakeSubject(kTypeTexte, "Texte");  // still the type's name: no text
  text->style.underline = 1;
  text->flags = 0;
  EXPECT_EQ(Rtf(*text), "\\plain\\cf10\\f0\\fs20\\brdrs\\fi0 \n");
  auto title = MakeSubject(kTypeTitre, "Texte");  // another type's name is text
  title->style.underline = 1;
  title->flags = 0;
  EXPECT_EQ(Rtf(*title), "\\plain\\ul\\cf10\\f0\\fs20\\brdrs\\fi0 Texte\n");
  auto jump = MakeSubject(kTypeJump, "Saut vers ");
  jump->style.underline = 1;
  jump->flags = 0;
  EXPECT_EQ(Rtf(*jump), "\\plain\\cf10\\f0\\fs20\\brdrs{\\uldb }\n");
}

TEST_F(SubjectRtfTest, BordersFlagsAndParagraphLayout) {
  auto s = MakeSubject(kTypeIndent, "t");
  s->flags = 0xFFFF & ~kFlagIgnoreGlobals;
  s->border = 1;
  s->alignment = 1;
  s->leftMargin = 0.0f;
  s->rightMargin = 20.0f;
  s->spaceBefore = 0.5f;
  s->spaceAfter = 0.0f;
  s->firstIndent = 1.0f;
  s->useDefaultStyle = 0;
  EXPECT_EQ(Rtf(*s),
            "\\plain\\cf10\\f0\\fs20\\brdrth\\box\\brdrbar\\brdrt\\brdrb\\keep\\keepn"
            "\\qr\\li0\\ri11338\\sa5\\sb283 \\fi566 t\\par}\n");
  s->border = 2;
  s->alignment = 7;  // unknown alignments are left aligned
  s->flags = kFlagParagraphEnd;
  s->useDefaultStyle = 1;
  EXPECT_EQ(
      Rtf(*s),
      "\\plain\\cf10\\f0\\fs20\\brdrdb\\ql\\li0\\ri11338\\sa5\\sb283 \\fi566 t\\par\\pard}\n");
  s->border = 3;
  s->flags = 0;
  EXPECT_EQ(Rtf(*s), "\\plain\\cf10\\f0\\fs20\\fi566 t\n");
}

// Every action with each link mark, with and without a window, and with
// a target that has a reference string.
TEST_F(SubjectRtfTest, JumpActionsAndLinkMarks) {
  std::string all;
  for (int action = 0; action <= 7; ++action) {
    for (int mark = 0; mark <= 3; ++mark) {
      for (const char* window : {"", "second"}) {
        auto jump = MakeSubject(kTypeJump, "Aller {ici}");
        jump->action = action;
        jump->linkMark = static_cast<uint16_t>(mark);
        jump->windowName = window;
        jump->target = mark == 3 ? "IDH_REF" : "IDH_CIBLE";
        jump->soundOrCommand = "C:\\SONS\\clic.wav";
        all += "action " + std::to_string(action) + " mark " + std::to_string(mark) + " window '" +
               window + "'\n" + Rtf(*jump);
      }
    }
  }
  doc.help32 = 1;
  auto jump = MakeSubject(kTypeJump, "son");
  jump->action = kActionSon;
  jump->soundOrCommand = "a.wav";
  all += "32-bit sound\n" + Rtf(*jump);
  EXPECT_TRUE(MatchesGolden(all, "jump_actions.rtf"));
}

// Every action with the caption before and after the image, underlined or
// not, and the placement words.
TEST_F(SubjectRtfTest, BitmapActionsPlacementAndCaptions) {
  std::string all;
  for (int action = 0; action <= 7; ++action) {
    for (uint16_t flags :
         {uint16_t(kFlagParagraphEnd), uint16_t(kFlagParagraphEnd | kFlagImageRight)}) {
      for (int underline = 0; underline <= 1; ++underline) {
        auto bitmap = MakeSubject(kTypeBitMap, "L\xE9gende");
        bitmap->title = "D:\\IMG\\A.BMP";
        bitmap->action = action;
        bitmap->flags = flags;
        bitmap->style.underline = static_cast<uint8_t>(underline);
        bitmap->target = "IDH_REF";
        bitmap->windowName = action == 3 ? "popwin" : "";
        bitmap->soundOrCommand = "notepad.exe C:\\A.TXT";
        all += "action " + std::to_string(action) + " flags " + std::to_string(flags) +
               " underline " + std::to_string(underline) + "\n" + Rtf(*bitmap);
      }
    }
  }
  for (int alignment = 0; alignment <= 3; ++alignment) {
    for (uint16_t inLine : {uint16_t(0), uint16_t(kFlagImageInLine)}) {
      auto bitmap = MakeSubject(kTypeBitMap, "BitMap");  // the type's name: no caption
      bitmap->title = "B.BMP";
      bitmap->alignment = static_cast<uint16_t>(alignment);
      bitmap->flags = kFlagParagraphEnd | inLine;
      all += "alignment " + std::to_string(alignment) + " inline " + std::to_string(inLine) + "\n" +
             Rtf(*bitmap);
    }
  }
  EXPECT_TRUE(MatchesGolden(all, "bitmap_actions.rtf"));
}

TEST_F(SubjectRtfTest, GlobalStringsOnlyInTextsAndCaptionsWhenAllowed) {
  doc.globals.Add(MakeGlobal("aide", kActionSaut, "IDH_AIDE"));
  const std::string linked = "{\\uldb aide}{\\v  IDH_AIDE}";
  for (int type : {kTypeIndent, kTypeTexte}) {
    auto s = MakeSubject(type, "Voir aide");
    s->flags = 0;
    EXPECT_EQ(Rtf(*s), "\\plain\\cf10\\f0\\fs20\\brdrs\\fi0 Voir " + linked + "\n");
    EXPECT_EQ(Rtf(*s, false), "\\plain\\cf10\\f0\\fs20\\brdrs\\fi0 Voir aide\n");
    EXPECT_EQ(Export(*s), "\\plain\\cf10\\f0\\fs20\\brdrs\\fi0 Voir aide\n");
    s->flags = kFlagIgnoreGlobals;
    EXPECT_EQ(Rtf(*s), "\\plain\\cf10\\f0\\fs20\\brdrs\\fi0 Voir aide\n");
  }
  for (int type : {kTypeTitre, kTypeSSTitre}) {
    auto s = MakeSubject(type, "aide");
    s->flags = 0;
    EXPECT_EQ(Rtf(*s), "\\plain\\cf10\\f0\\fs20\\brdrs\\fi0 aide\n");
    EXPECT_EQ(Export(*s), Rtf(*s));
  }
  auto jump = MakeSubject(kTypeJump, "aide");
  jump->flags = 0;
  EXPECT_EQ(Rtf(*jump), "\\plain\\cf10\\f0\\fs20\\brdrs{\\uldb aide}\n");

  auto bitmap = MakeSubject(kTypeBitMap, "aide");
  bitmap->title = "A.BMP";
  bitmap->flags = 0;
  bitmap->style.underline = 1;
  EXPECT_EQ(Rtf(*bitmap), "\\plain\\cf10\\f0\\fs20\\brdrs\\{bml A.BMP\\}\\ul " + linked + "\n");
  bitmap->flags = kFlagIgnoreGlobals;
  EXPECT_EQ(Rtf(*bitmap), "\\plain\\cf10\\f0\\fs20\\brdrs\\{bml A.BMP\\}\\ul aide\n");
}

TEST_F(SubjectRtfTest, ExportWritesImagesAndJumpsAsTheirTextOnly) {
  auto bitmap = MakeSubject(kTypeBitMap, "Logo");
  bitmap->title = "LOGO.BMP";
  bitmap->action = kActionSaut;
  bitmap->style.underline = 1;
  EXPECT_EQ(Export(*bitmap),
            "\\plain\\cf10\\f0\\fs20\\brdrs\\ql\\li963\\ri963\\sa146\\sb0 \\ul Logo\\par\\pard}\n");
  auto jump = MakeSubject(kTypeJump, "Voir");
  jump->action = kActionPopup;
  jump->target = "X";
  EXPECT_EQ(Export(*jump),
            "\\plain\\cf10\\f0\\fs20\\brdrs\\ql\\li963\\ri963\\sa146\\sb0 Voir\\par\\pard}\n");
}

}  // namespace
}  // namespace veldor
