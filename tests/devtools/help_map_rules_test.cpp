// Conversion of resource-header "#define" lines into help-map lines.
#include "devtools/help_map_rules.h"

#include <gtest/gtest.h>

#include "devtools/resource_header.h"
#include "devtools_test_support.h"

namespace veldor {
namespace {

const std::vector<HelpMapRule>& Rules() {
  static const std::vector<HelpMapRule> rules = ParseHelpMapRules(VisualCppRuleTexts());
  return rules;
}

std::string Convert(const std::string& line) {
  return ConvertDefineLine(line, Rules()).value_or("<none>");
}

std::string Padded(const std::string& name, const std::string& value) {
  return name + std::string(40 - name.size(), ' ') + value;
}

TEST(HeaderNumberTest, HexadecimalOctalAndDecimal) {
  EXPECT_EQ(ParseHeaderNumber("0xE101"), 0xE101u);
  EXPECT_EQ(ParseHeaderNumber("0XabC"), 0xABCu);
  EXPECT_EQ(ParseHeaderNumber("010"), 8u);
  EXPECT_EQ(ParseHeaderNumber("0"), 0u);
  EXPECT_EQ(ParseHeaderNumber("128"), 128u);
  EXPECT_EQ(ParseHeaderNumber("0xFFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseHeaderNumber("0x123456789"), 0x23456789u);  // low 32 bits
}

TEST(HeaderNumberTest, AnythingAfterTheDigitsIsNotANumber) {
  for (const char* text : {"100L", "(100)", "0x1G", "0x", "09", "-1", "", "1e3", "0x-1"}) {
    EXPECT_FALSE(ParseHeaderNumber(text).has_value()) << text;
  }
}

TEST(HelpMapRuleTest, TheSixRulesParseInOrder) {
  ASSERT_EQ(Rules().size(), 6u);
  EXPECT_EQ(Rules()[0].identifierPrefix, "ID_");
  EXPECT_EQ(Rules()[0].helpPrefix, "HID_");
  EXPECT_EQ(Rules()[0].offset, 0x10000u);
  EXPECT_EQ(Rules()[2].identifierPrefix, "IDP_");
  EXPECT_EQ(Rules()[2].offset, 0x30000u);
  EXPECT_EQ(Rules()[5].helpPrefix, "HIDW_");
  EXPECT_EQ(Rules()[5].offset, 0x50000u);
}

TEST(HelpMapRuleTest, RulesThatDoNotParseAreDropped) {
  const std::vector<HelpMapRule> rules = ParseHelpMapRules(
      {"ID_,HID_", "1D_,HID_,1", "ID_,H-ID,1", "ID_,HID_,0x1G", "IDX_,HIDX_,010", "ID_,HID_,1,2"});
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].identifierPrefix, "IDX_");
  EXPECT_EQ(rules[0].offset, 8u);
}

TEST(ConvertDefineLineTest, WorkedExamples) {
  EXPECT_EQ(Convert("#define ID_FILE_OPEN 0xE101"), Padded("HID_FILE_OPEN", "0x1E101"));
  EXPECT_EQ(Convert("#define IDD_ABOUTBOX 100"), Padded("HIDD_ABOUTBOX", "0x20064"));
  EXPECT_EQ(Convert("#define IDR_MAINFRAME 128"), Padded("HIDR_MAINFRAME", "0x20080"));
  EXPECT_EQ(Convert("#define IDP_FAILED 0x0101"), Padded("HIDP_FAILED", "0x30101"));
  EXPECT_EQ(Convert("#define IDW_BAR 0x0E800"), Padded("HIDW_BAR", "0x5E800"));
  EXPECT_EQ(Convert("#define IDM_OPEN 010"), Padded("HIDM_OPEN", "0x10008"));
}

TEST(ConvertDefineLineTest, LinesThatGiveNothing) {
  for (const char* line :
       {"#define IDC_EDIT1 1000", "#define ID_X (1)", "//#define ID_Y 1", "#define ID_Y 100L",
        "# define ID_Z 1", "#define", "#define ID_NOVALUE", "#define 1D_BAD 1", "#undef ID_A 1",
        "#define id_lower 1", "#define ID_SHADOW ID_FILE_OPEN", ""}) {
    EXPECT_EQ(Convert(line), "<none>") << line;
  }
}

TEST(ConvertDefineLineTest, FieldsSplitAtAnyRunOfBlanksAndTabsAndCommentsAreIgnored) {
  EXPECT_EQ(Convert("#define  ID_A\t7"), Padded("HID_A", "0x10007"));
  EXPECT_EQ(Convert("  \t#define\tID_A 7"), Padded("HID_A", "0x10007"));
  EXPECT_EQ(Convert("#define ID_A 7 // the seventh"), Padded("HID_A", "0x10007"));
  EXPECT_EQ(Convert("#define ID_A 7/* no blank */"), "<none>");
}

TEST(ConvertDefineLineTest, FirstMatchingRuleWinsAndTheSumWrapsAt32Bits) {
  // "IDM_" is not taken by "ID_": the fourth character differs.
  EXPECT_EQ(Convert("#define IDM_X 1"), Padded("HIDM_X", "0x10001"));
  const std::vector<HelpMapRule> rules = ParseHelpMapRules({"ID,H,0x10", "ID_,HID_,0x10000"});
  EXPECT_EQ(ConvertDefineLine("#define ID_A 1", rules), Padded("H_A", "0x11"));
  EXPECT_EQ(Convert("#define ID_MAX 0xFFFFFFFF"), Padded("HID_MAX", "0xFFFF"));
}

TEST(ConvertDefineLineTest, NamesOfFortyCharactersOrMoreAreFollowedByOneTab) {
  const std::string name39 = "HIDD_" + std::string(34, 'A');
  const std::string name40 = "HIDD_" + std::string(35, 'A');
  const std::string name41 = "HIDD_" + std::string(36, 'A');
  EXPECT_EQ(Convert("#define IDD_" + std::string(34, 'A') + " 1"), name39 + " 0x20001");
  EXPECT_EQ(Convert("#define IDD_" + std::string(35, 'A') + " 1"), name40 + "\t0x20001");
  EXPECT_EQ(Convert("#define IDD_" + std::string(36, 'A') + " 1"), name41 + "\t0x20001");
}

TEST(ResourceHeaderTest, SampleHeaderGivesTheGoldenMapWithCrLfLines) {
  const std::string header = FileContents(TestDataPath("devtools/vc/Resource.h"));
  ASSERT_FALSE(header.empty());
  const std::string map = ConvertResourceHeaderText(Rules(), header);
  EXPECT_EQ(map.find("\n"), map.find("\r\n") + 1);
  EXPECT_TRUE(MatchesGolden(map, "devtools/golden/Resource.hm"));
}

}  // namespace
}  // namespace veldor
