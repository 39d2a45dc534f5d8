// The help file writer, checked by reading its output back with the
// tests' own reader of the format.
#include <gtest/gtest.h>

#include "winhelp/hlp_test_reader.h"
#include "winhelp/hlp_writer.h"
#include "winhelp/sample_help.h"

namespace veldor::winhelp {
namespace {

using testing::HlpTestReader;
using testing::ReferenceHash;
using testing::SampleInput;
using testing::TextParagraph;

struct Built {
  Bytes bytes;
  Diagnostics diagnostics;
  HlpStats stats;
  HlpTestReader reader;
};

std::unique_ptr<Built> Build(const HlpInput& input) {
  auto built = std::make_unique<Built>();
  built->bytes = WriteHelpFile(input, built->diagnostics, built->stats);
  EXPECT_TRUE(built->reader.Load(built->bytes)) << built->reader.error();
  return built;
}

TEST(HlpWriter, SampleReadsBackWithEveryIndex) {
  for (const bool compress : {true, false}) {
    HlpInput input = SampleInput();
    input.compress = compress;
    const auto built = Build(input);
    const HlpTestReader& r = built->reader;
    EXPECT_EQ(r.minor, 21);
    EXPECT_EQ(r.title, "Aide de test");
    EXPECT_EQ(r.copyright, "(c) Veldor");
    EXPECT_EQ(r.configMacros, std::vector<std::string>{"BrowseButtons()"});
    ASSERT_EQ(r.windows.size(), 2u);
    EXPECT_EQ(r.windows[0].name, "main");
    EXPECT_EQ(r.windows[0].x, 10);
    EXPECT_EQ(r.windows[0].height, 400);
    EXPECT_EQ(r.windows[1].flags & 0x0008, 0) << "no position given";

    ASSERT_EQ(r.topics.size(), 3u);
    EXPECT_EQ(r.topics[0].title, "Sommaire");
    EXPECT_EQ(r.topics[1].title, "La suite");
    EXPECT_EQ(r.topics[1].macros, std::vector<std::string>{"CloseWindow(\"second\")"});
    EXPECT_EQ(r.topics[0].paragraphs[0].text, "Sommaire de l'aide\n");
    EXPECT_TRUE(r.topics[0].paragraphs[0].nonScrolling);
    EXPECT_FALSE(r.topics[0].paragraphs[1].nonScrolling);
    ASSERT_TRUE(r.contents.has_value());
    EXPECT_EQ(r.TopicAtOffset(*r.contents), 0);

    // Every context string, by its hash, leads to its topic.
    EXPECT_EQ(r.TopicOfContext("IDH_INDEX"), 0);
    EXPECT_EQ(r.TopicOfContext("idh_suite"), 1);
    EXPECT_EQ(r.TopicOfContext("IDH_SUITE_BIS"), 1);
    EXPECT_EQ(r.TopicOfContext("IDH_TERME"), 2);
    ASSERT_EQ(r.titleIndex.size(), 3u);
    EXPECT_EQ(r.titleIndex[2].second, "Terme");
    EXPECT_EQ(r.TopicAtOffset(r.titleIndex[1].first), 1);

    // Hot spots: jump, pop-up, secondary-window jump, macro.
    const auto& hot = r.topics[0].paragraphs;
    ASSERT_EQ(hot[1].hotSpots.size(), 1u);
    EXPECT_EQ(hot[1].hotSpots[0].code, 0xE3);
    EXPECT_EQ(static_cast<int32_t>(hot[1].hotSpots[0].hash), ReferenceHash("IDH_SUITE"));
    EXPECT_EQ(hot[2].hotSpots[0].code, 0xE2);
    EXPECT_EQ(hot[3].hotSpots[0].code, 0xEB);
    EXPECT_EQ(hot[3].hotSpots[0].window, 1);
    EXPECT_EQ(hot[4].hotSpots[0].code, 0xC8);
    EXPECT_EQ(hot[4].hotSpots[0].macro, "Back()");
    EXPECT_EQ(hot[1].text, "Voir la suite\n");

    // Keywords merge letter cases; each lists its topics.
    ASSERT_EQ(r.keywords.size(), 3u);
    ASSERT_EQ(r.keywords.count("index"), 1u);
    EXPECT_EQ(r.keywords.at("index").size(), 2u);
    EXPECT_EQ(r.TopicAtOffset(r.keywords.at("suite").at(0)), 1);

    // Browse sequence and [MAP].
    EXPECT_EQ(r.TopicAtOffset(r.topics[0].browseForward), 1);
    EXPECT_EQ(r.TopicAtOffset(r.topics[1].browseBack), 0);
    EXPECT_EQ(r.topics[2].browseBack, 0xFFFFFFFFu);
    EXPECT_EQ(r.TopicAtOffset(r.contextMap.at(0x20064)), 2);

    // Fonts: the red Times New Roman run has a descriptor of its own.
    bool red = false;
    for (const auto& font : r.fonts) red |= font.face == "Times New Roman" && font.red == 255;
    EXPECT_TRUE(red);
    EXPECT_EQ(built->stats.topics, 3);
    EXPECT_EQ(built->stats.jumps, 3);
    EXPECT_EQ(built->stats.keywords, 3);
    EXPECT_EQ(built->stats.bytes, built->bytes.size());
    EXPECT_EQ(built->diagnostics.warnings() + built->diagnostics.errors(), 0)
        << (built->diagnostics.lines().empty() ? "" : built->diagnostics.lines()[0]);
  }
}

TEST(HlpWriter, ReportsProblemsNamingTheTopic) {
  HlpInput input = SampleInput();
  helprtf::HelpDocument& document = input.files[0].document;
  document.topics[2].contextStrings = {"IDH_SUITE"};  // duplicate
  helprtf::Topic orphan;
  orphan.title = "Sans nom";
  orphan.paragraphs.push_back(TextParagraph("x"));
  document.topics.push_back(orphan);
  document.notes.push_back({12, 2, "unknown control word \\foo skipped"});
  input.map.push_back({"IDH_NOWHERE", 7, "DEMO.HPJ"});
  input.contents = "IDH_MISSING";
  const auto built = Build(input);
  const auto& lines = built->diagnostics.lines();
  const auto has = [&](const std::string& text) {
    for (const auto& line : lines) {
      if (line.find(text) != std::string::npos) return true;
    }
    return false;
  };
  EXPECT_TRUE(has("Error: topic #3 of DEMO.RTF : duplicate context string 'IDH_SUITE'"));
  EXPECT_TRUE(has("topic #4 of DEMO.RTF : topic has no context string"));
  EXPECT_TRUE(has("topic #1 of DEMO.RTF : pop-up to undefined context string 'IDH_TERME'"));
  EXPECT_TRUE(has("topic #2 of DEMO.RTF : unknown control word"));
  EXPECT_TRUE(has("map entry 'IDH_NOWHERE' names no topic"));
  EXPECT_TRUE(has("contents topic 'IDH_MISSING' is not defined"));
  // The file is still complete: the first definition of a context wins.
  EXPECT_EQ(built->reader.topics.size(), 4u);
  EXPECT_EQ(built->reader.TopicOfContext("IDH_SUITE"), 1);
  EXPECT_EQ(built->reader.TopicAtOffset(*built->reader.contents), 0);
}

TEST(HlpWriter, TableRowsBecomeTableRecords) {
  HlpInput input = SampleInput();
  helprtf::Topic& topic = input.files[0].document.topics[2];
  const auto cell = [](const std::string& text, bool endsCell, bool endsRow) {
    helprtf::Paragraph paragraph = TextParagraph(text);
    paragraph.format.inTable = true;
    paragraph.endsCell = endsCell;
    paragraph.endsRow = endsRow;
    paragraph.cellEdgesTwips = {2000, 5000};
    paragraph.cellGapTwips = 100;
    return paragraph;
  };
  topic.paragraphs.push_back(cell("A1", false, false));  // two paragraphs in one cell
  topic.paragraphs.push_back(cell("A2", true, false));
  topic.paragraphs.push_back(cell("B", true, true));
  topic.paragraphs.push_back(cell("C", true, false));  // a row left open by the text
  topic.paragraphs.push_back(TextParagraph("Apres"));
  const auto built = Build(input);
  const auto& paragraphs = built->reader.topics[2].paragraphs;
  std::string all;
  for (const auto& paragraph : paragraphs) all += "[" + paragraph.text + "]";
  ASSERT_GE(paragraphs.size(), 4u) << all;  // the last topic also holds the closing record
  EXPECT_EQ(paragraphs[1].columns, 2);
  EXPECT_EQ(paragraphs[1].text, "A1\nA2\n|B\n|");
  EXPECT_EQ(paragraphs[2].columns, 1);
  EXPECT_EQ(paragraphs[2].text, "C\n|");
  EXPECT_EQ(paragraphs[3].text, "Apres\n");
}

TEST(HlpWriter, ManyTopicsSpanBlocksAndTreeLevels) {
  // Enough topics and text for many topic blocks and multi-level trees;
  // long paragraphs are cut to fit a block.
  HlpInput input;
  input.title = "Gros";
  HelpSourceFile file;
  file.path = "BIG.RTF";
  std::string filler;
  for (int i = 0; i < 400; ++i) filler += "mot" + std::to_string(i * 7919 % 1000) + " ";
  for (int t = 0; t < 1500; ++t) {
    helprtf::Topic topic;
    topic.contextStrings = {"T" + std::to_string(t)};
    topic.title = "Sujet " + std::to_string(t);
    topic.keywords = {"clef" + std::to_string(t % 97)};
    topic.paragraphs.push_back(TextParagraph(filler.substr(t % 50, 300 + t % 700)));
    if (t % 500 == 0) topic.paragraphs.push_back(TextParagraph(std::string(30000, 'x')));
    file.document.topics.push_back(topic);
  }
  input.files.push_back(file);
  const auto built = Build(input);
  const HlpTestReader& r = built->reader;
  ASSERT_EQ(r.topics.size(), 1500u);
  for (int t = 0; t < 1500; t += 37) {
    EXPECT_EQ(r.TopicOfContext("T" + std::to_string(t)), t);
    EXPECT_EQ(r.topics[t].title, "Sujet " + std::to_string(t));
  }
  std::string big;
  for (const auto& paragraph : r.topics[500].paragraphs) big += paragraph.text;
  EXPECT_EQ(std::count(big.begin(), big.end(), 'x'), 30000);
  EXPECT_EQ(r.keywords.size(), 97u);
  EXPECT_GT(r.InternalFile("|TOPIC")->size(), 20u * 4096);
}

}  // namespace
}  // namespace veldor::winhelp
