#include "helpbuild/global_links.h"

#include <gtest/gtest.h>

#include <random>

#include "helpbuild/build_test_support.h"
#include "helpbuild/literal_substitute_globals.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using testing::MakeGlobal;

std::string Substitute(const CVeldorDoc& doc, const std::string& text) {
  return SubstituteGlobals(RtfEscape(text), doc);
}

// Every action (an unknown one drops the text) with and without the
// colour mark.
TEST(WriteLinkRtfTest, EveryActionWithAndWithoutTheColourMark) {
  std::string all;
  for (int action = 0; action <= 7; ++action) {
    for (int star = 0; star <= 1; ++star) {
      CGlobalTexte g = MakeGlobal("m", action, "T", false, star);
      g.windowName = "W";
      g.soundOrCommand = "C:\\A.WAV";
      all += "action " + std::to_string(action) + " mark " + std::to_string(star) + ": ";
      WriteLinkRtf(g, "M", false, all);
      all += "\n";
    }
  }
  EXPECT_TRUE(MatchesGolden(all, "helpbuild/link_actions.rtf"));
  std::string out;
  WriteLinkRtf(MakeGlobal("m", kActionSon), "M", true, out);
  WriteLinkRtf(MakeGlobal("m", kActionSaut, "T"), "N", false, out);  // no window, no '>'
  EXPECT_EQ(out, "{\\uldb M}{\\v   !sndPlaySoundA(\"\", 1)}{\\uldb N}{\\v  T}");
}

TEST(SubstituteGlobalsTest, PrecedenceCaseAndEscapes) {
  CVeldorDoc doc;
  doc.globals.Add(MakeGlobal("", kActionSaut, "NEVER"));
  doc.globals.Add(MakeGlobal("abc", kActionPopup, "A"));
  doc.globals.Add(MakeGlobal("abcdef", kActionPopup, "L"));
  doc.globals.Add(MakeGlobal("Aide", kActionPopup, "I", true));
  doc.globals.Add(MakeGlobal("fen\xEAtre", kActionPopup, "F"));
  doc.globals.Add(MakeGlobal("e9", kActionPopup, "X"));
  doc.globals.Add(MakeGlobal("line", kActionRien));
  // At one place the earlier global wins whatever the lengths; the search
  // resumes after the link; the matched bytes keep their letter case.
  EXPECT_EQ(Substitute(doc, "ABCdef abc"), "{\\ul ABC}{\\v A}def {\\ul abc}{\\v A}");
  EXPECT_EQ(Substitute(doc, "aide Aide"), "aide {\\ul Aide}{\\v I}");
  EXPECT_EQ(Substitute(doc, "la fen\xEAtre"), "la {\\ul fen\\'eatre}{\\v F}");
  // Never inside an escape, which the link would cut in two.
  EXPECT_EQ(Substitute(doc, "\xE9t\xE9 e9"), "\\'e9t\\'e9 {\\ul e9}{\\v X}");
  EXPECT_EQ(Substitute(doc, "a\nline"), "a\\line line");
  EXPECT_EQ(Substitute(doc, ""), "");
}

// A small alphabet makes occurrences, overlaps and escapes frequent.
std::string RandomText(std::mt19937& random, size_t maxLength, bool withEscapes) {
  const std::string letters = withEscapes ? "abAB c\\{}\n\r\xE9\xC9" : "abAB c";
  std::string text(random() % (maxLength + 1), ' ');
  for (char& c : text) c = letters[random() % letters.size()];
  return text;
}

TEST(SubstituteGlobalsTest, SameResultAsThePlainProcedure) {
  std::mt19937 random(20240601);
  for (int round = 0; round < 400; ++round) {
    const bool withEscapes = round % 2 == 1;
    CVeldorDoc doc;
    doc.help32 = round % 3 == 0;
    for (int i = 0, count = 1 + static_cast<int>(random() % 12); i < count; ++i) {
      doc.globals.Add(MakeGlobal(RandomText(random, 4, withEscapes), static_cast<int>(random() % 8),
                                 "T" + std::to_string(i), random() % 2, random() % 2));
    }
    const GlobalLinker linker(doc.globals, doc.help32 != 0);
    for (int t = 0; t < 20; ++t) {
      const std::string escaped = RtfEscape(RandomText(random, 60, withEscapes));
      std::string fast;
      linker.Substitute(escaped, fast);
      ASSERT_EQ(fast, reference::LiteralSubstituteGlobals(escaped, doc, true)) << escaped;
      // Without escapes the plain procedure itself gives the same result.
      if (!withEscapes) {
        ASSERT_EQ(fast, reference::LiteralSubstituteGlobals(escaped, doc, false));
      }
    }
  }
}

}  // namespace
}  // namespace veldor
