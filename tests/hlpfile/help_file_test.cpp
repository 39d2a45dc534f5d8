// The reader on files built from the format's layout: every lookup the
// viewer relies on (contents, contexts, keywords, map numbers, links,
// windows, browse sequence, pictures), for plain files, compressed blocks
// and phrase tables.
#include <gtest/gtest.h>

#include "hlp_samples.h"
#include "hlpfile/context_hash.h"
#include "hlpfile/help_file.h"

namespace veldor::hlp {
namespace {

using hlptest::Packing;

std::string TextOf(const HelpParagraph& p) {
  std::string s;
  for (const HelpRun& r : p.runs) s += r.text;
  return s;
}

class BuiltFileTest : public ::testing::TestWithParam<Packing> {};

TEST_P(BuiltFileTest, ReadsTopicsLinksAndTables) {
  const std::string bytes = hlptest::BuildHelpFile(hlptest::SampleSpec(GetParam()));
  const HelpFileResult result = ReadHelpFile(bytes);
  ASSERT_TRUE(result.document) << result.error;
  const HelpDocument& d = *result.document;
  EXPECT_EQ(d.title, "Aide de démonstration");
  EXPECT_EQ(d.copyright, "Copyright Veldor");
  EXPECT_EQ(d.macros, std::vector<std::string>{"BrowseButtons()"});
  EXPECT_EQ(d.phraseKind, GetParam() == Packing::BlocksAndPhrases ? "Phrases" : "");
  ASSERT_EQ(d.topics.size(), 3u);
  EXPECT_EQ(ContentsTopicIndex(d), 0);
  EXPECT_EQ(d.topics[1].title, "La rubrique suivante");

  // The second topic spans several blocks; its text survives intact.
  const HelpTopic& next = d.topics[1];
  ASSERT_EQ(next.paragraphs.size(), static_cast<std::size_t>(hlptest::kLongTopicParagraphs));
  for (std::size_t i = 0; i < next.paragraphs.size(); ++i) {
    ASSERT_EQ(TextOf(next.paragraphs[i]), "Voici la rubrique suivante, paragraphe " +
                                              std::to_string(i) +
                                              " qui remplit plusieurs blocs de texte répété.");
  }
  EXPECT_GT(d.topics[2].offset >> 15, 0u) << "the last topic lies beyond the first block";

  // Contexts, map numbers and keywords lead to the right topics.
  EXPECT_EQ(TopicIndexOfHash(d, ContextHash("SUITE")), 1);
  EXPECT_EQ(TopicIndexOfHash(d, ContextHash("NOTE")), 2);
  EXPECT_EQ(TopicIndexOfHash(d, ContextHash("ABSENT")), -1);
  EXPECT_EQ(TopicIndexAt(d, d.contextMap.at(200)), 1);
  ASSERT_EQ(d.keywords.size(), 3u);
  EXPECT_EQ(d.keywords[0].word, "accueil");
  ASSERT_EQ(d.keywords[0].offsets.size(), 2u);
  EXPECT_EQ(TopicIndexAt(d, d.keywords[0].offsets[1]), 1);

  // Browse sequence and topic macros.
  EXPECT_EQ(TopicIndexAt(d, d.topics[0].browseNext), 1);
  EXPECT_EQ(TopicIndexAt(d, d.topics[1].browsePrevious), 0);
  EXPECT_EQ(d.topics[2].browseNext, kNoOffset);
  EXPECT_EQ(d.topics[0].macros, std::vector<std::string>{"CloseWindow(`second')"});

  // The contents topic: non-scrolling title, links of every kind.
  const HelpTopic& contents = d.topics[0];
  ASSERT_EQ(contents.paragraphs.size(), 3u);
  EXPECT_TRUE(contents.paragraphs[0].nonScrolling);
  EXPECT_FALSE(contents.paragraphs[1].nonScrolling);
  EXPECT_EQ(TextOf(contents.paragraphs[1]), "Voici la rubrique suivante et une note.");
  const auto& runs = contents.paragraphs[1].runs;
  ASSERT_EQ(runs.size(), 5u);
  EXPECT_EQ(runs[0].link, -1);
  ASSERT_GE(runs[1].link, 0);
  EXPECT_EQ(contents.links[runs[1].link].kind, LinkKind::Jump);
  EXPECT_EQ(contents.links[runs[1].link].hash, ContextHash("SUITE"));
  EXPECT_EQ(runs[2].link, -1);
  EXPECT_EQ(contents.links[runs[3].link].kind, LinkKind::Popup);
  EXPECT_EQ(contents.links[runs[3].link].hash, ContextHash("NOTE"));
  const HelpParagraph& other = contents.paragraphs[2];
  EXPECT_EQ(other.align, ParagraphAlign::Center);
  EXPECT_EQ(other.leftIndent, 20);
  EXPECT_EQ(contents.links[other.runs[0].link].window, "second");
  EXPECT_EQ(contents.links[other.runs[0].link].kind, LinkKind::Jump);
  EXPECT_EQ(contents.links[other.runs[0].link].hash, ContextHash("SUITE"));
  const HelpLink& macro = contents.links[other.runs[2].link];
  EXPECT_EQ(macro.kind, LinkKind::Macro);
  EXPECT_EQ(macro.macro, "Back()");
  EXPECT_EQ(other.runs[0].font, 0);

  // Window definitions.
  ASSERT_EQ(d.windows.size(), 1u);
  EXPECT_EQ(WindowIndex(d, "SECOND"), 0);
  EXPECT_EQ(d.windows[0].caption, "Fenêtre secondaire");
  EXPECT_EQ(d.windows[0].x, 100);
  EXPECT_EQ(d.windows[0].height, 400);

  // The picture and its hot spot.
  const HelpParagraph& pictureParagraph = d.topics[2].paragraphs[1];
  ASSERT_EQ(pictureParagraph.runs.size(), 2u);
  EXPECT_EQ(pictureParagraph.runs[0].kind, HelpRun::Kind::Picture);
  HelpPicture picture;
  std::string error;
  ASSERT_TRUE(LoadPicture(d, pictureParagraph.runs[0].picture, picture, error)) << error;
  EXPECT_EQ(picture.width, 8);
  EXPECT_EQ(picture.height, 4);
  EXPECT_EQ(picture.pixels[0], 0xFF000000u) << "top row black";
  EXPECT_EQ(picture.pixels[8 * 3], 0xFFFFFFFFu) << "bottom row white";
  ASSERT_EQ(picture.hotspots.size(), 1u);
  EXPECT_EQ(picture.hotspots[0].width, 8);
  EXPECT_EQ(picture.hotspots[0].link.hash, ContextHash("NOTE"));
  EXPECT_FALSE(LoadPicture(d, 7, picture, error));
  // The same bitmap stored in the topic itself.
  const HelpRun& embedded = pictureParagraph.runs[1];
  ASSERT_EQ(embedded.kind, HelpRun::Kind::Picture);
  ASSERT_GE(embedded.embedded, 0);
  HelpPicture inTopic;
  ASSERT_TRUE(LoadRunPicture(d, embedded, inTopic, error)) << error;
  EXPECT_EQ(inTopic.pixels, picture.pixels);
  EXPECT_EQ(inTopic.hotspots.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Packings, BuiltFileTest,
                         ::testing::Values(Packing::Plain, Packing::Blocks,
                                           Packing::BlocksAndPhrases));

TEST(BuiltFileTest, PhrasesAndBlocksReallyShrinkTheFile) {
  const auto plain = hlptest::BuildHelpFile(hlptest::SampleSpec(Packing::Plain));
  const auto blocks = hlptest::BuildHelpFile(hlptest::SampleSpec(Packing::Blocks));
  const auto phrases = hlptest::BuildHelpFile(hlptest::SampleSpec(Packing::BlocksAndPhrases));
  EXPECT_LT(blocks.size(), plain.size());
  EXPECT_NE(phrases, blocks);
}

TEST(ContextHashTest, KnownValues) {
  EXPECT_EQ(ContextHash(""), 1u);
  EXPECT_EQ(ContextHash("A"), 17u);
  EXPECT_EQ(ContextHash("a"), 17u) << "letter case does not matter";
  EXPECT_EQ(ContextHash("ab"), 17u * 43 + 18);
  EXPECT_EQ(ContextHash("0"), 10u);
  EXPECT_EQ(ContextHash("x.y_1"), ContextHash("X.Y_1"));
}

}  // namespace
}  // namespace veldor::hlp
