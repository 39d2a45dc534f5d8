#include "build/global_links.h"

#include <gtest/gtest.h>

#include <random>

#include "build/build_test_support.h"
#include "build/literal_substitute_globals.h"
#include "build/rtf_escape.h"
#include "model/document.h"

namespace veldor {
namespace {

using testing::MakeGlobal;

std::string Substitute(const CVeldorDoc& doc, const std::string& text) {
  return SubstituteGlobals(RtfEscape(text), doc);
}

TEST(WriteLinkRtfTest, EveryActionWithAndWithoutTheColourMark) {
  struct Case {
    int action;
    const char* plain;
    const char* star;
  };
  const Case cases[] = {
      {0, "M", "M"},
      {1, "{\\uldb M}{\\v  T>W}", "{\\uldb M}{\\v  *T>W}"},
      {2, "{\\uldb M}{\\v   !sndPlaySound(\"C:\\'5c\\'5cA.WAV\", 1)}",
       "{\\uldb M}{\\v  * !sndPlaySound(\"C:\\'5c\\'5cA.WAV\", 1)}"},
      {3, "{\\ul M}{\\v T>W}", "{\\ul M}{\\v *T>W}"},
      {4, "{\\uldb M}{\\v   !Print()}", "{\\uldb M}{\\v  * !Print()}"},
      {5, "{\\uldb M}{\\v   !exit()}", "{\\uldb M}{\\v  * !exit()}"},
      {6, "{\\uldb M}{\\v   !ExecProgram(C:\\'5c\\'5cA.WAV)}",
       "{\\uldb M}{\\v  * !ExecProgram(C:\\'5c\\'5cA.WAV)}"},
      {7, "", ""},
      {-1, "", ""},
  };
  for (const Case& c : cases) {
    for (bool star : {false, true}) {
      CGlobalTexte g = MakeGlobal("m", c.action, "T", false, star);
      g.windowName = "W";
      g.soundOrCommand = "C:\\A.WAV";
      std::string out;
      WriteLinkRtf(g, "M", false, out);
      EXPECT_EQ(out, star ? c.star : c.plain) << "action " << c.action;
    }
  }
  CGlobalTexte g = MakeGlobal("m", kActionSon);
  std::string out;
  WriteLinkRtf(g, "M", true, out);
  EXPECT_EQ(out, "{\\uldb M}{\\v   !sndPlaySoundA(\"\", 1)}");
  g = MakeGlobal("m", kActionSaut, "T");  // no window: no '>'
  out.clear();
  WriteLinkRtf(g, "M", false, out);
  EXPECT_EQ(out, "{\\uldb M}{\\v  T}");
}

TEST(SubstituteGlobalsTest, EarliestOccurrenceWinsThenListOrder) {
  CVeldorDoc doc;
  doc.globals.Add(MakeGlobal("def", kActionPopup, "D"));
  doc.globals.Add(MakeGlobal("abc", kActionPopup, "A"));
  doc.globals.Add(MakeGlobal("abcdef", kActionPopup, "L"));
  // "abc" is earlier in the list than "abcdef": it wins at the same place,
  // whatever the lengths; the search then resumes right after it.
  EXPECT_EQ(Substitute(doc, "xx abcdef yy"), "xx {\\ul abc}{\\v A}{\\ul def}{\\v D} yy");
  // The occurrence that starts first wins whatever the list order.
  EXPECT_EQ(Substitute(doc, "def abc"), "{\\ul def}{\\v D} {\\ul abc}{\\v A}");
  // Searching resumes after the link: "abcabc" gives two links.
  EXPECT_EQ(Substitute(doc, "abcabc"), "{\\ul abc}{\\v A}{\\ul abc}{\\v A}");
}

TEST(SubstituteGlobalsTest, LetterCaseEmptyTextsAndActionsWithoutLink) {
  CVeldorDoc doc;
  doc.globals.Add(MakeGlobal("", kActionSaut, "NEVER"));
  doc.globals.Add(MakeGlobal("Aide", kActionPopup, "A", true));
  doc.globals.Add(MakeGlobal("menu", kActionPopup, "M", false));
  doc.globals.Add(MakeGlobal("rien", kActionRien));
  doc.globals.Add(MakeGlobal("perdu", 9));
  EXPECT_EQ(Substitute(doc, "aide Aide"), "aide {\\ul Aide}{\\v A}");
  // The matched bytes keep their letter case.
  EXPECT_EQ(Substitute(doc, "MeNu"), "{\\ul MeNu}{\\v M}");
  EXPECT_EQ(Substitute(doc, "rien ici"), "rien ici");
  EXPECT_EQ(Substitute(doc, "un mot perdu."), "un mot .");
  EXPECT_EQ(Substitute(doc, ""), "");
}

TEST(SubstituteGlobalsTest, AccentedGlobalsMatchTheirEscapedForm) {
  CVeldorDoc doc;
  doc.globals.Add(MakeGlobal("fen\xEAtre", kActionSaut, "F"));
  EXPECT_EQ(Substitute(doc, "La fen\xEAtre {x}"), "La {\\uldb fen\\'eatre}{\\v  F} \\'7bx\\'7d");
  // Escapes are lower-case hexadecimal: accented capitals are other letters.
  EXPECT_EQ(Substitute(doc, "FEN\xCATRE"), "FEN\\'caTRE");
}

TEST(SubstituteGlobalsTest, NeverLinksInsideAnEscape) {
  CVeldorDoc doc;
  doc.globals.Add(MakeGlobal("e9", kActionPopup, "X"));
  doc.globals.Add(MakeGlobal("line", kActionPopup, "L"));
  doc.globals.Add(MakeGlobal("5c", kActionPopup, "B"));
  EXPECT_EQ(Substitute(doc, "\xE9t\xE9 e9"), "\\'e9t\\'e9 {\\ul e9}{\\v X}");
  EXPECT_EQ(Substitute(doc, "a\nb line"), "a\\line b {\\ul line}{\\v L}");
  EXPECT_EQ(Substitute(doc, "C:\\5c"), "C:\\'5c{\\ul 5c}{\\v B}");
}

// A small alphabet makes occurrences, overlaps and escapes frequent.
std::string RandomText(std::mt19937& random, size_t maxLength, bool withEscapes) {
  static const char kPlain[] = "abAB c";
  static const char kSpecial[] = "\\{}\n\r\xE9\xC9";
  std::uniform_int_distribution<size_t> length(0, maxLength);
  std::uniform_int_distribution<int> pick(0, 99);
  std::string text;
  for (size_t n = length(random); n > 0; --n) {
    if (withEscapes && pick(random) < 15) {
      text += kSpecial[static_cast<size_t>(pick(random)) % (sizeof kSpecial - 1)];
    } else {
      text += kPlain[static_cast<size_t>(pick(random)) % (sizeof kPlain - 1)];
    }
  }
  return text;
}

TEST(SubstituteGlobalsTest, SameResultAsThePlainProcedureOnRandomTexts) {
  std::mt19937 random(20240601);
  for (int round = 0; round < 400; ++round) {
    const bool withEscapes = round % 2 == 1;
    CVeldorDoc doc;
    doc.help32 = round % 3 == 0;
    const int count = 1 + static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i) {
      CGlobalTexte g =
          MakeGlobal(RandomText(random, 4, withEscapes), static_cast<int>(random() % 8),
                     "T" + std::to_string(i), random() % 2 == 0, random() % 2 == 0);
      doc.globals.Add(g);
    }
    const GlobalLinker linker(doc.globals, doc.help32 != 0);
    for (int t = 0; t < 20; ++t) {
      const std::string escaped = RtfEscape(RandomText(random, 60, withEscapes));
      std::string fast;
      linker.Substitute(escaped, fast);
      ASSERT_EQ(fast, reference::LiteralSubstituteGlobals(escaped, doc, true))
          << "round " << round << " text " << escaped;
      if (!withEscapes) {
        // Without escapes, the only difference between the two is moot.
        ASSERT_EQ(fast, reference::LiteralSubstituteGlobals(escaped, doc, false));
      }
    }
  }
}

TEST(SubstituteGlobalsTest, AFullTableOfGlobals) {
  CVeldorDoc doc;
  for (int i = 0; i < CGestGlobal::kCapacity; ++i) {
    doc.globals.Add(
        MakeGlobal("mot" + std::to_string(i), kActionSaut, "T" + std::to_string(i), i % 2 == 0));
  }
  std::string text;
  for (int i = CGestGlobal::kCapacity - 1; i >= 0; i -= 7) text += "MOT" + std::to_string(i) + " ";
  const std::string escaped = RtfEscape(text);
  EXPECT_EQ(SubstituteGlobals(escaped, doc),
            reference::LiteralSubstituteGlobals(escaped, doc, true));
  EXPECT_NE(SubstituteGlobals(escaped, doc), escaped);
}

}  // namespace
}  // namespace veldor
