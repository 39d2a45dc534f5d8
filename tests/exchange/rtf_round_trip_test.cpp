// The RTF file that our own help build writes for a project reads back
// into the same topics: the same names, titles and keywords, the same
// texts and layout paragraph by paragraph (line ends aside) and links that
// do the same thing.
#include <gtest/gtest.h>

#include <string>

#include "exchange/rtf_importer.h"
#include "exchange_test_support.h"
#include "helpbuild/error_list.h"
#include "helpbuild/project_rtf.h"
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
  int action;
  std::string topic;   // the topic it leads to, "" for none
  std::string window;  // or the sound file or command
  bool operator==(const Link&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Link& l) {
  return out << "{" << l.type << ", " << l.label << ", " << l.action << " -> " << l.topic << " "
             << l.window << "}";
}

// The layout of a paragraph as the help build writes it: alignment and
// lengths of the subject that ends it, the first-line indent of the last
// text subject, and the layout flags of all its subjects.
struct Layout {
  int alignment = 0;
  float left = 0, right = 0, before = 0, after = 0, firstIndent = 0;
  int flags = 0;
  bool operator==(const Layout&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Layout& l) {
  return out << "{q" << l.alignment << " li" << l.left << " ri" << l.right << " sb" << l.before
             << " sa" << l.after << " fi" << l.firstIndent << " flags" << l.flags << "}";
}

// A subject that leaves something in the RTF: text, or an image.
bool ShowsSomething(const CTypeEdit& s) {
  return !s.GetText().empty() || (s.typeCode == kTypeBitMap && !s.title.empty());
}

std::vector<Layout> Layouts(const CTopic& topic) {
  constexpr int kLayoutFlags =
      kFlagNonScroll | kFlagKeep | kFlagBox | kFlagVerticalBar | kFlagRuleAbove | kFlagRuleBelow;
  std::vector<Layout> layouts;
  Layout current;
  bool shows = false;
  for (int i = 0; i < topic.subjectCount(); ++i) {
    const CTypeEdit& s = *topic.GetSubject(i);
    shows = shows || ShowsSomething(s);
    current.flags |= s.flags & kLayoutFlags;
    if (s.typeCode <= kTypeTexte && s.typeCode >= 0) current.firstIndent = s.firstIndent;
    if (s.flags & kFlagParagraphEnd) {
      current.alignment = s.alignment;
      current.left = s.leftMargin;
      current.right = s.rightMargin;
      current.before = s.spaceBefore;
      current.after = s.spaceAfter;
      if (shows) layouts.push_back(current);
      current = Layout();
      shows = false;
    }
  }
  // The page ends a paragraph still open; its subjects wrote no alignment
  // or lengths.
  if (shows) layouts.push_back(current);
  return layouts;
}

// The jumps and images of a topic with the topic each leads to.
std::vector<Link> Links(const CTopic& topic, const std::vector<const CTopic*>& topics) {
  std::vector<Link> links;
  for (int i = 0; i < topic.subjectCount(); ++i) {
    const CTypeEdit& s = *topic.GetSubject(i);
    if (s.typeCode != kTypeJump && s.typeCode != kTypeBitMap) continue;
    const std::string label = s.typeCode == kTypeJump ? s.GetText() : s.title;
    const bool leadsToTopic = s.action == kActionSaut || s.action == kActionPopup;
    const bool runs = s.action == kActionSon || s.action == kActionExecute;
    links.push_back({s.typeCode, label, s.action, leadsToTopic ? TopicOf(s.target, topics) : "",
                     leadsToTopic ? s.windowName
                     : runs       ? s.soundOrCommand
                                  : ""});
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
  if (doc.projectName.empty()) doc.projectName = "ROUND";
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
    EXPECT_EQ(after.title, before.title);
    std::vector<std::string> keywords = before.keywords;
    std::erase(keywords, "");
    EXPECT_EQ(after.keywords, keywords);
    EXPECT_EQ(Paragraphs(after), Paragraphs(before));
    EXPECT_EQ(Layouts(after), Layouts(before));
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

// Every project of the test data.
TEST(RtfRoundTrip, TestDataProjects) {
  for (const std::string name :
       {"exchange/export.json", "exchange/intro.json", "helpbuild/full_project.json",
        "helpbuild/compile_project.json", "helpbuild/help_project_full.json"}) {
    SCOPED_TRACE(name);
    CVeldorDoc doc;
    testing::LoadProject(name, doc);
    RtfImporter importer;
    ExpectRoundTrip(doc, importer);
  }
}

// The demo project as the build makes it (DEMO.ehe).
TEST(RtfRoundTrip, DemoProject) {
  CVeldorDoc doc;
  ASSERT_TRUE(doc.Open(VELDOR_DEMO_EHE));
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
