// The reader on files made by the Windows help compilers (see
// tests/data/hlpfile/README.md): uncompressed, and LZ77 blocks with Hall
// phrase compression.
#include <gtest/gtest.h>

#include "hlpfile/context_hash.h"
#include "hlpfile/help_file.h"
#include "support/test_files.h"

namespace veldor::hlp {
namespace {

std::string TextOf(const HelpParagraph& p) {
  std::string s;
  for (const HelpRun& r : p.runs) s += r.text;
  return s;
}

std::shared_ptr<const HelpDocument> Open(const std::string& name) {
  const HelpFileResult result = OpenHelpFile(TestDataPath("hlpfile/" + name));
  EXPECT_TRUE(result.document) << name << ": " << result.error;
  return result.document;
}

TEST(RealFilesTest, CompressedWithHallPhrases) {
  const auto d = Open("TSTCON32.HLP");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->title, "ActiveX Control Test Container Application Help");
  EXPECT_TRUE(d->compressed);
  EXPECT_EQ(d->phraseKind, "Hall");
  EXPECT_EQ(d->topics.size(), 89u);
  EXPECT_EQ(d->keywords.size(), 58u);
  const HelpTopic& contents = d->topics[ContentsTopicIndex(*d)];
  EXPECT_EQ(contents.title, "Contents for Test Container Help");
  EXPECT_EQ(TextOf(contents.paragraphs[1]),
            "Use Test Container to test your ActiveX control by changing its properties, "
            "invoking its methods, and firing its events.");
  // Every jump of the contents topic leads to a topic of the file.
  ASSERT_EQ(contents.links.size(), 14u);
  for (const HelpLink& link : contents.links) {
    EXPECT_GE(TopicIndexOfHash(*d, link.hash), 0);
  }
  // Every keyword leads to topics.
  for (const HelpKeyword& k : d->keywords) {
    for (TopicOffset o : k.offsets) EXPECT_GE(TopicIndexAt(*d, o), 0) << k.word;
  }
}

TEST(RealFilesTest, UncompressedWithNonScrollingRegionAndPicture) {
  const auto d = Open("LEAKYBIN.HLP");
  ASSERT_TRUE(d);
  EXPECT_FALSE(d->compressed);
  EXPECT_EQ(d->macros, std::vector<std::string>{"BrowseButtons()"});
  const HelpTopic& overview = d->topics[0];
  EXPECT_EQ(overview.title, "Overview");
  EXPECT_TRUE(overview.paragraphs[0].nonScrolling);
  EXPECT_FALSE(overview.paragraphs.back().nonScrolling);
  ASSERT_EQ(overview.paragraphs[0].runs[0].kind, HelpRun::Kind::Picture);
  HelpPicture picture;
  std::string error;
  ASSERT_TRUE(LoadPicture(*d, overview.paragraphs[0].runs[0].picture, picture, error)) << error;
  EXPECT_GT(picture.width, 0);
  EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(picture.width) * picture.height);
  ASSERT_EQ(overview.links.size(), 3u);
  EXPECT_EQ(d->topics[TopicIndexOfHash(*d, overview.links[0].hash)].paragraphs[0].runs[0].text,
            "File");
}

TEST(RealFilesTest, StatList) {
  const auto d = Open("StatList.hlp");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->topics.size(), 7u);
  EXPECT_EQ(d->contexts.size(), 5u);
  EXPECT_EQ(d->keywords.size(), 5u);
}

}  // namespace
}  // namespace veldor::hlp
