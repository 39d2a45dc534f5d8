// Topic files saved by a word processor in a real project
// (tests/data/helprtf/README.md): every topic is named, titled where the
// author titled it, and every jump leads to a topic of the help file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "describe_help.h"
#include "helprtf/help_rtf_reader.h"
#include "support/test_files.h"

namespace veldor::helprtf {
namespace {

using ::testing::Contains;
using ::testing::IsEmpty;

HelpDocument ReadTestFile(const std::string& name) {
  return ReadHelpRtf(FileContents(TestDataPath("helprtf/" + name)));
}

const Topic* FindTopic(const HelpDocument& doc, const std::string& context) {
  for (const Topic& topic : doc.topics) {
    for (const std::string& c : topic.contextStrings) {
      if (c == context) return &topic;
    }
  }
  return nullptr;
}

TEST(HelpRtfRealFiles, EveryTopicIsNamedAndEveryJumpLeadsToATopic) {
  const HelpDocument program = ReadTestFile("DiskArc.rtf");
  const HelpDocument framework = ReadTestFile("AfxCore.rtf");
  EXPECT_THAT(program.notes, IsEmpty());
  EXPECT_THAT(framework.notes, IsEmpty());
  ASSERT_EQ(program.topics.size(), 38u);
  ASSERT_EQ(framework.topics.size(), 17u);

  std::set<std::string> names;
  int titled = 0, jumps = 0, pictures = 0;
  for (const HelpDocument* doc : {&program, &framework}) {
    for (const Topic& topic : doc->topics) {
      ASSERT_EQ(topic.contextStrings.size(), 1u) << testing::DescribeTopic(topic);
      EXPECT_TRUE(names.insert(topic.contextStrings[0]).second) << topic.contextStrings[0];
      titled += topic.title.empty() ? 0 : 1;
    }
  }
  for (const HelpDocument* doc : {&program, &framework}) {
    for (const Topic& topic : doc->topics) {
      for (const Paragraph& p : topic.paragraphs) {
        pictures += static_cast<int>(p.pictures.size());
        for (const HotSpot& h : p.hotSpots) {
          ++jumps;
          EXPECT_THAT(names, Contains(h.target)) << topic.contextStrings[0];
        }
      }
    }
  }
  EXPECT_EQ(titled, 37);
  EXPECT_EQ(jumps, 74);
  EXPECT_EQ(pictures, 22);

  const Topic* rooms = FindTopic(program, "Archive_Room");
  ASSERT_NE(rooms, nullptr);
  EXPECT_EQ(rooms->title, "Archive Room");
  EXPECT_EQ(rooms->keywords, std::vector<std::string>{"concepts: \"Archive Room\""});
  // The title paragraph keeps no footnote text; a bitmap reference comes
  // after other text.
  EXPECT_EQ(testing::DescribeParagraph(rooms->paragraphs[0]),
            "| : f7fs20:\"  \" bf7fs20:\"Archive Room\"");
  EXPECT_EQ(testing::DescribeParagraph(rooms->paragraphs[2]),
            "| : f6fs20:pic(c:RoomBig.bmp) f6fs20:\"    \" f7fs20:\"Your Archive should have "
            "several Rooms.\"");
}

}  // namespace
}  // namespace veldor::helprtf
