#include "helprtf/help_rtf_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "describe_help.h"

namespace veldor::helprtf {
namespace {

using testing::Describe;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct Case {
  const char* what;
  const char* rtf;
  const char* expected;
};

void ExpectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Describe(ReadHelpRtf(c.rtf)), c.expected) << c.rtf;
  }
}

TEST(HelpRtfReader, FootnotesNameTitleAndIndexTopics) {
  ExpectCases({
      {"hand-written footnotes, two topics",
       "{\\rtf1\\ansi #{\\footnote IDH_A}${\\footnote Premier}K{\\footnote aide; index ;}"
       "+{\\footnote seq:010}\\pard Un\\par\\page\n#{\\footnote IDH_B}#{\\footnote ALIAS}"
       "A{\\footnote a1}*{\\footnote tag1;tag2}>{\\footnote sec}"
       "!{\\footnote EF(\"a;b\",``x;y'');Back()}Deux\\par\\page}",
       "topic #IDH_A $Premier K:aide;index +seq:010\n| : \"Un\"\n"
       "topic #IDH_B #ALIAS A:a1 *:tag1;tag2 !EF(\"a;b\",``x;y'') !Back() >sec\n| : \"Deux\"\n"},
      {"word processor: \\pard\\plain inside the footnote, the mark raised and repeated",
       "{\\rtf1{\\cs16\\super #{\\footnote \\pard\\plain \\s15\\f4\\fs20 {\\cs16\\super #} "
       "IDH_W}}{\\cs16\\super ${\\footnote \\pard\\plain \\fs20 {\\cs16\\super $} Le "
       "titre}}{\\super K}{\\footnote \\pard\\plain {\\super K} mot}\n"
       "\\pard\\plain\\fs20 Corps\\par\\page}",
       "topic #IDH_W $Le titre K:mot\n| : fs20:\"Corps\"\n"},
      {"generators that repeat the mark as plain text, in braces of their own",
       "{\\rtf1 {#{\\footnote \\pard\\fs20 # IDH_G }}{K{\\footnote K K-9; Kilo}}x\\page}",
       "topic #IDH_G K:K-9;Kilo\n| : \"x\"\n"},
      {"a mark after text in the same run; a topic without footnote; blank pages dropped",
       "{\\rtf1 Texte#{\\footnote N}\\par\\page\\page \\par \\page Sans nom\\page}",
       "topic #N\n| : \"Texte\"\n"
       "topic\n| : \"Sans nom\"\n"},
  });
}

TEST(HelpRtfReader, FootnotesWithoutKnownMarkAreNoted) {
  const HelpDocument doc = ReadHelpRtf("{\\rtf1 a\\par{\\footnote x}Q{\\footnote y}b\\page}");
  EXPECT_EQ(Describe(doc), "topic\n| : \"a\"\n| : \"b\"\n");
  ASSERT_EQ(doc.notes.size(), 2u);
  EXPECT_THAT(doc.notes[0].text, HasSubstr("without a mark"));
  EXPECT_THAT(doc.notes[1].text, HasSubstr("'Q'"));
}

TEST(HelpRtfReader, HotSpots) {
  ExpectCases({
      {"jump, pop-up, macro, window and file",
       "{\\rtf1 {\\uldb Suite}{\\v Suite} {\\ul Note}{\\v %Note} {\\uld N2}{\\v *N2}"
       " {\\strike S}{\\v IDH_S>fen} {\\uldb F}{\\v C@autre.hlp>w} {\\uldb M}{\\v !Back()}\\par}",
       "topic\n| : jump(Suite)[\"Suite\"] \" \" popup(%Note)[\"Note\"] \" \" popup(*N2)[\"N2\"] \" "
       "\""
       " jump(IDH_S>fen)[\"S\"] \" \" jump(C>w@autre.hlp)[\"F\"] \" \" macro(Back())[\"M\"]\n"},
      {"underlined text without hidden text is only underlined; \\ulnone and \\ul0 end it",
       "{\\rtf1 \\ul souligne\\ulnone  net \\ul a\\ul0  b\\par}",
       "topic\n| : u:\"souligne\" \" net \" u:\"a\" \" b\"\n"},
      {"hot text and target split over groups, with formatting inside",
       "{\\rtf1 {\\uldb Cr}{\\uldb\\b \\'e9er}{\\v IDH_}{\\v CREER} fin\\par}",
       "topic\n| : jump(IDH_CREER)[\"Cr\" b:\"\xE9"
       "er\"] \" fin\"\n"},
      {"the written form of a link: formatting, blanks after the mark",
       "{\\rtf1 {\\plain\\cf10\\f0\\fs20 {\\uldb Voir l'aide}{\\v * IDH_AIDE}\\par}"
       "{\\plain\\fs20 {\\ul D}{\\v    IDH_D>second}\\par}}",
       "topic\n| : jump(*IDH_AIDE)[fs20cf10:\"Voir l'aide\"]\n"
       "| : popup(IDH_D>second)[fs20:\"D\"]\n"},
      {"a bitmap as hot spot, its caption after it",
       "{\\rtf1 {\\uldb \\{bml logo.bmp\\}}{\\v IDH_X>sec} Le logo\\par}",
       "topic\n| : jump(IDH_X>sec)[pic(l:logo.bmp)] \" Le logo\"\n"},
  });
}

TEST(HelpRtfReader, HotSpotsWithoutTargetAreNoted) {
  const HelpDocument doc =
      ReadHelpRtf("{\\rtf1 {\\uldb A} b {\\uldb C}{\\v   }\\par {\\v x}\\par}");
  EXPECT_EQ(Describe(doc), "topic\n| : u:\"A\" \" b \" u:\"C\"\n| :\n");
  EXPECT_EQ(doc.notes.size(), 2u);
}

TEST(HelpRtfReader, BitmapReferences) {
  ExpectCases({
      {"placements, transparency, after text in a run, names with escaped backslashes",
       "{\\rtf1 Voir \\{bmc a.bmp\\} et\\{bmlt b.bmp\\}\\{bmr  D:\\'5cIMG\\'5cC.BMP \\}"
       "\\{bmcwd e.bmp\\}\\par}",
       "topic\n| : \"Voir \" pic(c:a.bmp) \" et\" pic(lt:b.bmp) pic(r:D:\\IMG\\C.BMP)"
       " pic(c:e.bmp)\n"},
      {"braces that are not a bitmap reference stay text",
       "{\\rtf1 \\{x\\} \\'7bbmc a.bmp\\'7d \\{bmc\\} \\{bmc a\\par b\\}\\par}",
       "topic\n| : \"{x} {bmc a.bmp} {bmc} {bmc a\"\n| : \"b}\"\n"},
  });
}

TEST(HelpRtfReader, ParagraphLayout) {
  ExpectCases({
      {"paragraph words, tabs, borders; \\pard resets; the format at \\par counts",
       "{\\rtf1 \\pard\\qc\\li567\\ri100\\fi-200\\sb60\\sa120\\keepn Titre\\par"
       "\\pard\\keep\\box\\brdrth "
       "Cadre\\par\\pard\\brdrt\\brdrb\\brdrdb\\brdrbar\\tqr\\tx5000\\tx200"
       " a\\tab b\\qr\\par\\pard Normal\\par}",
       "topic\n| qc li567 ri100 fi-200 sb60 sa120 keepn: \"Titre\"\n"
       "| keep box thick: \"Cadre\"\n"
       "| qr brdrt brdrb brdrbar double tabr5000 tab200: \"a\" \\t \"b\"\n"
       "| : \"Normal\"\n"},
      {"our own writer: one group per paragraph, runs that go on, \\line",
       "{\\rtf1\\ansi\n{\\plain\\b\\cf13\\f0\\fs24\\brdrs\\qc\\li963\\ri963\\sa146\\sb0 \\fi0 "
       "\\'c9t\\'e9\\par\\pard}\n{\\plain\\f0\\fs20 a\n}{\\plain\\i\\fs20\\ql\\li0\\ri0\\sa5\\sb0 "
       "\\fi0 b\\line c\\par\\pard}\n\\page\n}",
       "topic\n| qc li963 ri963 sa146: bcf13:\"\xC9t\xE9\"\n"
       "| sa5: fs20:\"a\" ifs20:\"b\" ifs20:\\n ifs20:\"c\"\n"},
  });
}

TEST(HelpRtfReader, CharacterFormatFontsAndColours) {
  const HelpDocument doc = ReadHelpRtf(
      "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman{\\*\\panose 0}"
      " Times New Roman;}\\f2\\fmodern Courier;}{\\colortbl;\\red255\\green0\\blue0;"
      "\\red0\\green128\\blue0;}\\pard a{\\b\\i\\scaps\\f0\\fs20\\cf2 b\\plain c}\\strike d\\par}");
  ASSERT_EQ(doc.fonts.size(), 3u);
  EXPECT_EQ(doc.fonts[0].name, "Arial");
  EXPECT_EQ(doc.fonts[0].family, "swiss");
  EXPECT_EQ(doc.fonts[1].name, "Times New Roman");
  EXPECT_EQ(doc.fonts[1].family, "roman");
  EXPECT_EQ(doc.fonts[2].number, 2);
  EXPECT_EQ(doc.fonts[2].name, "Courier");
  ASSERT_EQ(doc.colors.size(), 3u);
  EXPECT_TRUE(doc.colors[0].isAuto);
  EXPECT_FALSE(doc.colors[1].isAuto);
  EXPECT_EQ(doc.colors[1].red, 255);
  EXPECT_EQ(doc.colors[2].green, 128);
  EXPECT_EQ(doc.defaultFont, 1);
  // A \strike run without hidden text after it is struck-through text.
  EXPECT_EQ(Describe(doc), "topic\n| : f1:\"a\" bikfs20cf2:\"b\" f1:\"c\" sf1:\"d\"\n");
}

TEST(HelpRtfReader, StylesApplyTheirFormatting) {
  ExpectCases({
      {"paragraph and character styles, \\*\\cs entries, explicit words after the style",
       "{\\rtf1{\\stylesheet{\\s0\\fs20 Normal;}{\\s1\\qc\\sb240\\b\\fs28 heading 1;}"
       "{\\*\\cs10\\additive\\i\\cf1 Emphase;}}\\pard\\plain\\s1 Titre\\par"
       "\\pard\\plain\\s1\\ql\\b0 Moins\\par\\pard\\plain\\s0 Un {\\cs10 mot}\\par}",
       "topic\n| qc sb240: bfs28:\"Titre\"\n| sb240: fs28:\"Moins\"\n"
       "| : fs20:\"Un \" icf1:\"mot\"\n"},
  });
}

TEST(HelpRtfReader, TablesKeepTheirCellsApart) {
  const HelpDocument doc = ReadHelpRtf(
      "{\\rtf1 \\trowd\\trgaph108\\trleft-108\\cellx2000\\cellx4000\\cellx6000"
      "\\pard\\intbl Un\\cell Deux\\par suite\\cell\\cell\\pard\\intbl\\row"
      "\\pard Apres\\par}");
  EXPECT_EQ(Describe(doc),
            "topic\n| intbl cell: \"Un\"\n| intbl: \"Deux\"\n| intbl cell: \"suite\"\n"
            "| intbl cell row:\n| : \"Apres\"\n");
  const Paragraph& cell = doc.topics[0].paragraphs[0];
  EXPECT_THAT(cell.cellEdgesTwips, ElementsAre(2000, 4000, 6000));
  EXPECT_EQ(cell.rowLeftTwips, -108);
  EXPECT_EQ(cell.cellGapTwips, 108);
  EXPECT_TRUE(doc.topics[0].paragraphs[4].cellEdgesTwips.empty());
}

TEST(HelpRtfReader, CharactersAndEscapes) {
  ExpectCases({
      {"unicode with fallbacks, hexadecimal bytes, specials, quotes and dashes",
       "{\\rtf1 \\u233\\'e9 \\uc2\\u8364\\'80\\'80 \\u-3913 ?{\\uc0\\u26085}x\\'41\\~\\-\\_"
       "\\lquote\\rquote\\ldblquote\\rdblquote\\emdash\\endash\\bullet{\\uc1\\u55357?\\u56832?}."
       "\\par}",
       "topic\n| : \"\xE9 \x80 ??xA\xA0-\x91\x92\x93\x94\x97\x96\x95?.\"\n"},
      {"a blank after a control symbol is text, after a word it is the delimiter",
       "{\\rtf1 a\\\\ b\\tab c\\b1 d\\b0\\par}", "topic\n| : \"a\\ b\" \\t \"c\" b:\"d\"\n"},
      {"skipped destinations, field results, \\bin, a backslash before a line end",
       "{\\rtf1{\\info{\\title T}{\\author X}}{\\*\\generator G;}{\\header H}{\\xe{\\v idx}}"
       "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt vu}} {\\*\\bkmkstart b}"
       "{\\*\\unknown{\\nested}}{\\pn{\\pntxtb z}}a\\bin3 {}}b\\\nc\\par}",
       "topic\n| : \"vu ab\"\n| : \"c\"\n"},
      {"embedded pictures keep their data",
       "{\\rtf1 {\\*\\shppict{\\pict\\pngblip 00}}{\\nonshppict{\\pict\\wmetafile8\\picw10"
       "\\pich20 0a1B\n2c}}{\\pict\\dibitmap0 \\bin2 {}}\\par}",
       "topic\n| : pic(c:wmetafile/3) pic(c:dibitmap/2)\n"},
  });
}

TEST(HelpRtfReader, BadInputIsReportedAndNeverStopsTheReader) {
  {
    const HelpDocument doc = ReadHelpRtf("{\\rtf1 #{\\footnote A}a\\page b{\\b c");
    EXPECT_TRUE(doc.unclosedGroups);
    EXPECT_EQ(Describe(doc), "topic #A\n| : \"a\"\ntopic\n| : \"b\" b:\"c\"\n");
    EXPECT_THAT(doc.notes.back().text, HasSubstr("2 open group"));
  }
  {
    // The document's group closed, a brace too many: what follows is not read.
    const HelpDocument doc = ReadHelpRtf("{\\rtf1 a}} b");
    EXPECT_FALSE(doc.unclosedGroups);
    EXPECT_EQ(Describe(doc), "topic\n| : \"a\"\n");
    EXPECT_EQ(doc.notes.size(), 1u);
  }
  {
    const HelpDocument doc = ReadHelpRtf("{\\rtf1 a\\page}{\\rtf2 b\\page}");
    EXPECT_TRUE(doc.wrongVersion);
    EXPECT_EQ(doc.topics.size(), 1u);
  }
  {
    const HelpDocument doc = ReadHelpRtf("just text\\");
    EXPECT_FALSE(doc.isRtf);
    EXPECT_EQ(Describe(doc), "topic\n| : \"just text\"\n");
    EXPECT_TRUE(LooksLikeRtf("\xEF\xBB\xBF \r\n{\\rtf1}"));
  }
  {
    // Deep nesting: no stack is exhausted and the text is kept.
    const std::string deep = std::string(100000, '{') + "x" + std::string(100000, '}');
    const HelpDocument doc = ReadHelpRtf("{\\rtf1 " + deep + "\\par}");
    EXPECT_EQ(Describe(doc), "topic\n| : \"x\"\n");
    EXPECT_FALSE(doc.unclosedGroups);
    EXPECT_EQ(doc.notes.size(), 1u);
  }
  {
    ReadLimits limits;
    limits.maxBytes = 12;
    limits.maxNotes = 2;
    const HelpDocument doc = ReadHelpRtf("{\\rtf1 abcdefghij}", limits);
    EXPECT_TRUE(doc.truncated);
    EXPECT_EQ(Describe(doc), "topic\n| : \"abcde\"\n");
    // Notes beyond the limit are summed up in one.
    limits.maxBytes = 1000;
    const HelpDocument noisy =
        ReadHelpRtf("{\\rtf1 a{\\footnote}{\\footnote}{\\footnote}{\\footnote}}", limits);
    EXPECT_EQ(noisy.notes.size(), 3u);
  }
}

TEST(HelpRtfReader, NotesAndTopicsCarryLineNumbers) {
  const HelpDocument doc =
      ReadHelpRtf("{\\rtf1\n#{\\footnote A}\nun\\par\n\\page\n\n#{\\footnote B}\n{\\uldb x}\\par}");
  ASSERT_EQ(doc.topics.size(), 2u);
  EXPECT_EQ(doc.topics[0].firstLine, 2);
  EXPECT_EQ(doc.topics[1].firstLine, 6);
  ASSERT_EQ(doc.notes.size(), 1u);
  EXPECT_EQ(doc.notes[0].line, 7);
  EXPECT_EQ(doc.notes[0].topic, 2);
}

}  // namespace
}  // namespace veldor::helprtf
