#include "helpbuild/subject_rtf.h"

#include <gtest/gtest.h>

#include <functional>

#include "helpbuild/build_test_support.h"
#include "helpbuild/project_rtf.h"
#include "helpbuild/rtf_escape.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using testing::MakeGlobal;
using testing::MakeSubject;

// Maps as a build numbers them: Arial is font 0, the palette is numbered in
// table order, topic IDH_REF has the reference string REF_B.
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
  // Both writers of a subject, under a label, for the golden files.
  std::string Both(const std::string& label, const CTypeEdit& s) {
    std::string out = label + "\n" + Rtf(s);
    WriteRtfExport(s, out, maps, doc);
    return out;
  }

  CVeldorDoc doc;
  StringMap fonts, colours, refs;
  RtfMaps maps{fonts, colours, refs};
};

TEST_F(SubjectRtfTest, WorkedExamples) {
  EXPECT_TRUE(MatchesGolden(Rtf(*testing::MakeExampleTitle()), "helpbuild/subject_title.rtf"));
  auto jump = MakeSubject(kTypeJump, "Voir l'aide");
  jump->action = kActionSaut;
  jump->target = "IDH_AIDE";
  EXPECT_TRUE(MatchesGolden(Rtf(*jump), "helpbuild/subject_jump.rtf"));
  auto bitmap = MakeSubject(kTypeBitMap, "Logo");
  bitmap->title = "LOGO.BMP";
  EXPECT_TRUE(MatchesGolden(Rtf(*bitmap), "helpbuild/subject_bitmap.rtf"));
}

TEST_F(SubjectRtfTest, Escaping) {
  EXPECT_EQ(RtfEscape("a\\b{c}\xE9"), "a\\'5cb\\'7bc\\'7d\\'e9");
  EXPECT_EQ(MacroEscape("a\\b{c}"), "a\\'5c\\'5cb\\'7bc\\'7d");
  EXPECT_EQ(RtfEscape("1\r\n2\r3\n"), "1\\line 23\\line ");
}

// Character and paragraph formatting: one subject changed in one way per
// entry.
TEST_F(SubjectRtfTest, FormattingVariants) {
  using Change = std::function<void(CTypeEdit&)>;
  const std::pair<const char*, Change> variants[] = {
      {"weight 600", [](CTypeEdit& s) { s.style.weight = 600; }},
      {"weight 700 italic", [](CTypeEdit& s) { s.style.weight = 700, s.style.italic = 1; }},
      {"weight 800", [](CTypeEdit& s) { s.style.weight = 800; }},
      {"underline", [](CTypeEdit& s) { s.style.underline = 1; }},
      {"underline, text is the type name",
       [](CTypeEdit& s) { s.style.underline = 1, s.text = "Texte"; }},
      {"font and colour not numbered",
       [](CTypeEdit& s) { s.style.SetFaceName("Courier"), s.colour = 0x123456; }},
      {"all flags, thick border, right",
       [](CTypeEdit& s) { s.flags = 0x03FF, s.border = 1, s.alignment = 1; }},
      {"double border, unknown alignment, no default style",
       [](CTypeEdit& s) { s.border = 2, s.alignment = 7, s.useDefaultStyle = 0; }},
      {"unknown border, no paragraph end", [](CTypeEdit& s) { s.border = 3, s.flags = 0; }},
      {"lengths",
       [](CTypeEdit& s) {
         s.leftMargin = 0, s.rightMargin = 20, s.spaceBefore = 0.5f, s.spaceAfter = 0,
         s.firstIndent = 1;
       }},
  };
  std::string all;
  for (const auto& [label, change] : variants) {
    auto text = MakeSubject(kTypeTexte, "t");
    change(*text);
    all += Both(label, *text);
  }
  auto jump = MakeSubject(kTypeJump, "j");
  jump->style.underline = 1;  // never "\ul" for jumps and images
  all += Both("underlined jump", *jump);
  EXPECT_TRUE(MatchesGolden(all, "helpbuild/subject_formats.rtf"));
}

// Every action with each link mark, with and without a window, and to a
// topic with a reference string.
TEST_F(SubjectRtfTest, JumpActionsAndLinkMarks) {
  std::string all;
  for (int action = 0; action <= 7; ++action) {
    for (int mark = 0; mark <= 3; ++mark) {
      auto jump = MakeSubject(kTypeJump, "Aller {ici}");
      jump->action = action;
      jump->linkMark = static_cast<uint16_t>(mark);
      jump->windowName = mark % 2 ? "second" : "";
      jump->target = mark == 3 ? "IDH_REF" : "IDH_CIBLE";
      jump->soundOrCommand = "C:\\SONS\\clic.wav";
      all += Both("action " + std::to_string(action) + " mark " + std::to_string(mark), *jump);
    }
  }
  doc.help32 = 1;
  auto jump = MakeSubject(kTypeJump, "son");
  jump->action = kActionSon;
  all += Both("32-bit sound", *jump);
  EXPECT_TRUE(MatchesGolden(all, "helpbuild/jump_actions.rtf"));
}

// Every action with the caption before and after the image, underlined or
// not, and the placement words.
TEST_F(SubjectRtfTest, BitmapActionsPlacementAndCaptions) {
  std::string all;
  for (int action = 0; action <= 7; ++action) {
    for (int variant = 0; variant < 4; ++variant) {
      auto bitmap = MakeSubject(kTypeBitMap, "L\xE9gende");
      bitmap->title = "D:\\IMG\\A.BMP";
      bitmap->action = action;
      bitmap->flags = kFlagParagraphEnd | (variant & 1 ? kFlagImageRight : 0);
      bitmap->style.underline = variant & 2 ? 1 : 0;
      bitmap->target = "IDH_REF";
      bitmap->windowName = action == 3 ? "popwin" : "";
      bitmap->soundOrCommand = "notepad.exe C:\\A.TXT";
      all +=
          Both("action " + std::to_string(action) + " variant " + std::to_string(variant), *bitmap);
    }
  }
  for (int alignment = 0; alignment <= 3; ++alignment) {
    for (int inLine = 0; inLine <= 1; ++inLine) {
      auto bitmap = MakeSubject(kTypeBitMap, "BitMap");  // the type's name: no caption
      bitmap->title = "B.BMP";
      bitmap->alignment = static_cast<uint16_t>(alignment);
      bitmap->flags = kFlagParagraphEnd | (inLine ? kFlagImageInLine : 0);
      all += Both("alignment " + std::to_string(alignment) + " inline " + std::to_string(inLine),
                  *bitmap);
    }
  }
  EXPECT_TRUE(MatchesGolden(all, "helpbuild/bitmap_actions.rtf"));
}

// Global strings become links in texts and image captions only, unless
// the subject or the caller forbids it.
TEST_F(SubjectRtfTest, GlobalStringsOnlyInTextsAndCaptionsWhenAllowed) {
  doc.globals.Add(MakeGlobal("aide", kActionSaut, "IDH_AIDE"));
  std::string all;
  for (int type = -1; type < kSubjectTypeCount; ++type) {
    for (uint16_t flags : {uint16_t(0), uint16_t(kFlagIgnoreGlobals)}) {
      auto s = MakeSubject(type == -1 ? kTypeTexte : type, "Voir l'aide");
      s->typeCode = type;  // -1: a plain subject
      s->flags = flags;
      s->title = "A.BMP";
      all += "type " + std::to_string(type) + " flags " + std::to_string(flags) + "\n" + Rtf(*s) +
             Rtf(*s, false);
    }
  }
  EXPECT_TRUE(MatchesGolden(all, "helpbuild/subject_globals.rtf"));
}

}  // namespace
}  // namespace veldor
