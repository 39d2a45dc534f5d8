// Help topic files as word processors save them, imported: footnotes with
// their own paragraph formatting name, title and index the topics,
// underlined text is a pop-up only when hidden text follows it, table
// cells stay apart; and real files of a public project import with every
// topic named and every jump leading to one of them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "exchange/import_summary.h"
#include "exchange/rtf_import.h"
#include "exchange/rtf_importer.h"
#include "exchange_test_support.h"
#include "platform/recording_messages.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using ::testing::ElementsAre;

// The subjects of a topic on one line each: type, text, then what matters.
std::vector<std::string> Subjects(const CTopic& topic) {
  std::vector<std::string> out;
  for (int i = 0; i < topic.subjectCount(); ++i) {
    const CTypeEdit& s = *topic.GetSubject(i);
    std::string line = std::to_string(s.typeCode) + " " + s.text;
    if (s.typeCode == kTypeJump || s.typeCode == kTypeBitMap) {
      line += " a" + std::to_string(s.action) + ">" + s.target;
      if (!s.windowName.empty()) line += ">" + s.windowName;
      if (!s.soundOrCommand.empty()) line += " [" + s.soundOrCommand + "]";
    }
    if (!s.title.empty()) line += " file=" + s.title;
    if (s.style.underline && s.typeCode != kTypeJump) line += " u";
    if (s.flags & kFlagParagraphEnd) line += " |";
    out.push_back(line);
  }
  return out;
}

TEST(RtfImportWordProcessor, FootnotesNameTitleAndIndexTopics) {
  const std::string rtf =
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f8\\froman Tms Rmn;}}"
      "{\\stylesheet{\\f0\\fs20 Normal;}{\\*\\cs15 \\additive\\f8\\fs16\\up6 footnote reference;}"
      "{\\s16\\f0\\fs20 footnote text;}{\\*\\cs18 \\additive \\v Link;}{\\*\\cs19 \\additive "
      "\\uldb Highlight;}}\n"
      "\\pard\\plain \\s1\\sb360\\f0\\fs28 {\\cs15\\f8\\fs16\\up6 #{\\footnote \\pard\\plain "
      "\\s16\\f0\\fs20 {\\cs15\\f8\\fs16\\up6 #}{ tutor_quick}}${\\footnote \\pard\\plain \\s16 "
      "{\\cs15\\up6 $}{ Quick Start}}K{\\footnote \\pard\\plain {\\cs15\\up6 K} start;quick}}"
      "{Quick Start\n\\par }\\pard\\plain \\f0\\fs20 {Follow the }{\\cs19\\uldb general "
      "procedure}{\\cs18\\v tutor_procedure}{ now.\n\\par }{\\page }"
      "{\\cs15\\up6 #{\\footnote \\pard\\plain {\\cs15\\up6 #}{ tutor_procedure}}}"
      "\\pard\\plain Back to {\\cs19\\uldb start}{\\cs18\\v tutor_quick}.\\par}";
  RtfImporter importer;
  ASSERT_TRUE(importer.Parse(rtf));
  ASSERT_EQ(importer.TopicCount(), 2);
  const CTopic& quick = *importer.GetTopic(0);
  EXPECT_EQ(quick.name, "tutor_quick");
  EXPECT_EQ(quick.title, "Quick Start");
  EXPECT_THAT(quick.keywords, ElementsAre("start", "quick"));
  EXPECT_THAT(Subjects(quick), ElementsAre("3 Quick Start |", "3 Follow the ",
                                           "5 general procedure a1>tutor_procedure", "3  now. |"));
  EXPECT_EQ(quick.GetSubject(0)->style.faceName, "Arial");
  EXPECT_EQ(quick.GetSubject(0)->style.pointSize, 14);
  EXPECT_EQ(importer.GetTopic(1)->name, "tutor_procedure");
  EXPECT_THAT(Subjects(*importer.GetTopic(1)),
              ElementsAre("3 Back to ", "5 start a1>tutor_quick", "3 . |"));
}

TEST(RtfImportWordProcessor, HotSpotsBitmapsAndTables) {
  struct Case {
    const char* what;
    const char* rtf;
    std::vector<std::string> subjects;
  };
  const Case cases[] = {
      {"underline without hidden text is underlined text; \\ulnone ends it",
       "{\\rtf1 \\ul Titre\\ulnone  suite {\\ul mot}{\\v %POP}\\par}",
       {"3 Titre u", "3  suite ", "5 mot a3>POP |"}},
      {"macros of the help build give their actions; others none",
       "{\\rtf1 {\\uldb S}{\\v !sndPlaySoundA(\"C:\\'5c\\'5cbip.wav\", 1)}{\\ul P}{\\v "
       "!Print()}{\\uldb X}{\\v !ExecProgram(calc.exe)}{\\uldb M}{\\v !Back()}\\par}",
       {"5 S a2> [C:\\bip.wav]", "5 P a4>", "5 X a6> [calc.exe]", "5 M a0> |"}},
      {"a bitmap after text in the same run, its caption, a hot bitmap with a window",
       "{\\rtf1 Voir \\{bmc a.bmp\\} Logo\\par{\\uldb \\{bml b.bmp\\}}{\\v IDH_B>sec} "
       "Image\\par}",
       {"3 Voir ", "4 Logo a0> file=a.bmp |", "4 Image a1>IDH_B>sec file=b.bmp |"}},
      {"cells of a row separated by tabs, empty cells kept, the row ends the paragraph",
       "{\\rtf1 \\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl\\cell B\\cell "
       "C\\cell\\pard\\intbl\\row\\trowd\\cellx1000\\pard\\intbl D\\cell\\row\\pard fin\\par}",
       {"3 \tB\t", "3 C |", "3 D |", "3 fin |"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RtfImporter importer;
    ASSERT_TRUE(importer.Parse(c.rtf));
    ASSERT_EQ(importer.TopicCount(), 1);
    EXPECT_EQ(Subjects(*importer.GetTopic(0)), c.subjects);
  }
}

TEST(RtfImportWordProcessor, RealHelpFilesImportWithTheirNamesAndJumps) {
  RecordingMessages messages;
  CVeldorDoc doc;
  for (const std::string name : {"DiskArc.rtf", "AfxCore.rtf"}) {
    ImportSummary summary;
    ImportRtf(doc, TestDataPath("helprtf/" + name), &summary);
    EXPECT_TRUE(summary.parseOk) << name;
    EXPECT_EQ(summary.namesInUse, 0) << name;
  }
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_EQ(doc.topicCount(), 55);
  std::set<std::string> names;
  int titled = 0, keyworded = 0, jumps = 0, images = 0;
  for (int i = 0; i < doc.topicCount(); ++i) {
    const CTopic& topic = *doc.GetTopic(i);
    EXPECT_FALSE(topic.name.starts_with("Titre")) << topic.name;
    names.insert(topic.name);
    titled += topic.title.empty() ? 0 : 1;
    keyworded += topic.keywords.empty() ? 0 : 1;
  }
  for (int i = 0; i < doc.topicCount(); ++i) {
    const CTopic& topic = *doc.GetTopic(i);
    for (int j = 0; j < topic.subjectCount(); ++j) {
      const CTypeEdit& s = *topic.GetSubject(j);
      if (s.typeCode == kTypeBitMap) ++images;
      if (s.typeCode != kTypeJump) continue;
      ++jumps;
      EXPECT_EQ(names.count(s.target), 1u) << topic.name << " -> " << s.target;
    }
  }
  EXPECT_EQ(titled, 37);
  EXPECT_GT(keyworded, 20);
  EXPECT_EQ(jumps, 74);
  EXPECT_EQ(images, 22);
  const CTopic& rooms = *doc.GetTopic(1);
  EXPECT_EQ(rooms.name, "Archive_Room");
  EXPECT_THAT(Subjects(rooms)[2],
              "4 Your Archive should have several Rooms. a0> file=RoomBig.bmp |");
}

TEST(RtfImportWordProcessor, FilesThatAreNotRtfAreRefused) {
  TempDirectory dir;
  RecordingMessages messages;
  CVeldorDoc doc;
  ImportSummary summary;
  ASSERT_TRUE(WriteFile(dir / "notes.rtf", "Notes\\page {x}"));
  EXPECT_EQ(ImportRtf(doc, dir / "notes.rtf", &summary), 0);
  EXPECT_TRUE(summary.notRtf);
  EXPECT_EQ(doc.topicCount(), 0);
  EXPECT_FALSE(doc.IsModified());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "Import RTF");
  EXPECT_EQ(messages.messages[0].text, "Le fichier " + dir / "notes.rtf" +
                                           " n'est pas un fichier RTF : il ne commence pas par "
                                           "{\\rtf. Rien n'est importé.");
}

}  // namespace
}  // namespace veldor
