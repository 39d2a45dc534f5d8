// The RTF file that our own help build writes for a project reads back
// into the same topics: the same names, the same texts paragraph by
// paragraph (line ends aside) and jumps that lead to the same topics.
#include <gtest/gtest.h>

#include <string>

#include "helpbuild/error_list.h"
#include "helpbuild/project_rtf.h"
#include "exchange/rtf_importer.h"
#include "exchange_test_support.h"
#include "model/project_json.h"
#include "platform/files.h"
#include "platform/recording_messages.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

// The non-empty paragraphs of a topic: the displayed texts of the subjects
// up to each one that ends a paragraph.
std::vector<std::string> Paragraphs(const CTopic& topic) {
  std::vector<std::string> paragraphs;
  std::string current;
  for (int i = 0; i < topic.subjectCount(); ++i) {
    const CTypeEdit& subject = *topic.GetSubject(i);
    current += subject.GetText();
    std::erase(current, '\r');
    if (subject.flags & kFlagParagraphEnd) {
      if (!current.empty()) paragraphs.push_back(current);
      current.clear();
    }
  }
  if (!current.empty()) paragraphs.push_back(current);
  return paragraphs;
}

// The topic a target leads to: the one of that name, or the one that has
// it among its references.
std::string TopicOf(const std::string& target, const std::vector<const CTopic*>& topics) {
  if (target.empty()) return "";
  for (const CTopic* topic : topics) {
    if (topic->name == target) return topic->name;
  }
  for (const CTopic* topic : topics) {
    std::string refs = ";" + topic->references + ";";
    if (refs.find(";" + target + ";") != std::string::npos) return topic->name;
  }
  return "";
}

struct Link {
  int type;
  std::string label;  // the jump's text or the image's file
  std::string topic;  // the topic it leads to, "" for none
  bool operator==(const Link&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Link& l) {
  return out << "{" << l.type << ", " << l.label << " -> " << l.topic << "}";
}

// The jumps and images of a topic with the topic each leads to.
std::vector<Link> Links(const CTopic& topic, const std::vector<const CTopic*>& topics) {
  std::vector<Link> links;
  for (int i = 0; i < topic.subjectCount(); ++i) {
    const CTypeEdit& s = *topic.GetSubject(i);
    if (s.typeCode != kTypeJump && s.typeCode != kTypeBitMap) continue;
    const std::string label = s.typeCode == kTypeJump ? s.GetText() : s.title;
    const bool leadsToTopic = s.action == kActionSaut || s.action == kActionPopup;
    links.push_back({s.typeCode, label, leadsToTopic ? TopicOf(s.target, topics) : ""});
  }
  return links;
}

// `part` in order within `whole`.
bool IsSubsequence(const std::vector<Link>& part, const std::vector<Link>& whole) {
  std::size_t next = 0;
  for (const Link& link : whole) {
    if (next < part.size() && link == part[next]) ++next;
  }
  return next == part.size();
}

// Builds the RTF file of `doc`, reads it back into `importer` and compares.
void ExpectRoundTrip(CVeldorDoc& doc, RtfImporter& importer) {
  TempDirectory dir;
  doc.rootDir = dir.path();
  RecordingMessages messages;
  CErrorList errors;
  {
    ScopedCurrentDirectory inTemp(dir.path());
    ASSERT_TRUE(BuildRtf(doc, errors));
  }
  const std::string rtf = FileContents(dir / (doc.projectName + ".RTF"));
  ASSERT_FALSE(rtf.empty());

  ASSERT_TRUE(importer.Parse(rtf));
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(importer.TopicCount(), doc.topicCount());
  std::vector<const CTopic*> original, imported;
  for (int i = 0; i < doc.topicCount(); ++i) {
    original.push_back(doc.GetTopic(i));
    imported.push_back(importer.GetTopic(i));
  }

  for (int i = 0; i < doc.topicCount(); ++i) {
    const CTopic& before = *original[static_cast<size_t>(i)];
    const CTopic& after = *imported[static_cast<size_t>(i)];
    SCOPED_TRACE(before.name);
    EXPECT_EQ(after.name, before.name);
    EXPECT_EQ(Paragraphs(after), Paragraphs(before));
    // Every jump and image of the project, in order, leads to the same
    // topic; the jumps the global strings add lead to existing topics.
    const std::vector<Link> linksAfter = Links(after, imported);
    EXPECT_TRUE(IsSubsequence(Links(before, original), linksAfter))
        << ::testing::PrintToString(Links(before, original)) << "\n"
        << ::testing::PrintToString(linksAfter);
    for (const Link& link : linksAfter) {
      if (link.topic.empty()) continue;  // a macro
      EXPECT_FALSE(TopicOf(link.topic, imported).empty()) << link;
    }
  }
}

TEST(RtfRoundTrip, DemoProject) {
  CVeldorDoc doc;
  std::string error;
  ASSERT_TRUE(ProjectFromJsonText(
      FileContents(std::string(VELDOR_SOURCE_DIR) + "/examples/demo/demo.json"), doc, &error))
      << error;
  ASSERT_GT(doc.topicCount(), 10);
  RtfImporter importer;
  ExpectRoundTrip(doc, importer);
}

// Texts that need escaping, line ends, all link kinds and a reference
// string, in a project of our own.
TEST(RtfRoundTrip, ConstructedProject) {
  CVeldorDoc doc;
  testing::LoadProject("exchange/round_trip.json", doc);
  RtfImporter importer;
  ExpectRoundTrip(doc, importer);
  ASSERT_EQ(importer.TopicCount(), 2);
  // The reference string and the window of a link come back too.
  EXPECT_EQ(importer.GetTopic(0)->references, "ALIAS_A;IDH_A2");
  EXPECT_EQ(importer.GetTopic(1)->GetSubject(0)->windowName, "second");
}

}  // namespace
}  // namespace veldor
