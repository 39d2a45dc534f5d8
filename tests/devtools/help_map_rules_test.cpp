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

TEST(HeaderNumberTest, HexadecimalOctalAndDecimalAndNothingAfterTheDigits) {
  EXPECT_EQ(ParseHeaderNumber("0xE101"), 0xE101u);
  EXPECT_EQ(ParseHeaderNumber("0XabC"), 0xABCu);
  EXPECT_EQ(ParseHeaderNumber("010"), 8u);
  EXPECT_EQ(ParseHeaderNumber("0"), 0u);
  EXPECT_EQ(ParseHeaderNumber("128"), 128u);
  EXPECT_EQ(ParseHeaderNumber("0x123456789"), 0x23456789u);  // low 32 bits
  for (const char* text : {"100L", "(100)", "0x1G", "0x", "09", "-1", "", "1e3", "0x-1"}) {
    EXPECT_FALSE(ParseHeaderNumber(text).has_value()) << text;
  }
}

TEST(HelpMapRuleTest, RulesThatDoNotParseAreDropped) {
  const std::vector<HelpMapRule> rules = ParseHelpMapRules(
      {"ID_,HID_", "1D_,HID_,1", "ID_,H-ID,1", "ID_,HID_,0x1G", "IDX_,HIDX_,010", "ID_,HID_,1,2"});
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].identifierPrefix, "IDX_");
  EXPECT_EQ(rules[0].offset, 8u);
}

// tests/data/devtools/define_lines.h holds one case a line: one line for
// each of the six rules in their order, blanks, tabs and comments, names of
// 39 to 41 characters (a tab after 40 or more), a sum that wraps at 32
// bits, and lines that give nothing.
TEST(ConvertDefineLineTest, EachLineOfTheSampleAndWhatItGives) {
  const std::string lines = FileContents(TestDataPath("devtools/define_lines.h"));
  std::string results;
  for (size_t start = 0, end; (end = lines.find('\n', start)) != std::string::npos;
       start = end + 1) {
    const std::string line = lines.substr(start, end - start);
    results += line + "\n=> " + Convert(line) + "\n";
  }
  EXPECT_TRUE(MatchesGolden(results, "devtools/golden/define_lines.txt"));

  // The first matching rule wins.
  const std::vector<HelpMapRule> rules = ParseHelpMapRules({"ID,H,0x10", "ID_,HID_,0x10000"});
  EXPECT_EQ(ConvertDefineLine("#define ID_A 1", rules), Padded("H_A", "0x11"));
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
