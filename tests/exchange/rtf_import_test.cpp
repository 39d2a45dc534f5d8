#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

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

std::vector<std::string> NamesOf(const RtfImporter& importer) {
  std::vector<std::string> names;
  for (int i = 0; i < importer.TopicCount(); ++i) names.push_back(importer.GetTopic(i)->name);
  return names;
}

// Every field of the topics read from tests/data/exchange/<name>.rtf
// against <name>.json. winhelp.rtf: footnote names, a title paragraph
// (bold Arial 14 points, centred, 1 cm indents), runs of which only the
// last ends its paragraph, colours, hot spots with their targets and
// windows, a macro, bitmaps with captions, line breaks and tabs, a topic
// without a name. hello.rtf: one paragraph in Arial 10 points aligned
// right with a 2 cm indent.
TEST(RtfImport, FilesGiveTheirTopicsFieldForField) {
  for (const std::string name : {"winhelp", "hello"}) {
    RecordingMessages messages;
    RtfImporter importer;
    ASSERT_TRUE(importer.Parse(FileContents(TestDataPath("exchange/" + name + ".rtf"))));
    CVeldorDoc doc;
    for (auto& topic : importer.TakeTopics()) doc.AddTopic(std::move(topic));
    EXPECT_TRUE(MatchesGolden(testing::TopicsJson(doc), "exchange/" + name + ".json"));
    EXPECT_TRUE(messages.messages.empty());
  }
}

// What the tests look at in a subject, on one line.
std::string Describe(const CTypeEdit& s) {
  std::string text;
  for (char c : s.text)
    text += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : std::string(1, c);
  std::string line = "  " + std::to_string(s.typeCode) + " \"" + text + "\"";
  if (!s.target.empty()) line += " -> " + s.target;
  if (!s.title.empty()) line += " file=" + s.title;
  if (!s.windowName.empty()) line += " window=" + s.windowName;
  char colour[16];
  std::snprintf(colour, sizeof colour, "%06X", s.colour);
  return line + " " + s.style.faceName + " " + std::to_string(s.style.pointSize) +
         "pt weight=" + std::to_string(s.style.weight) + " colour=" + colour + "\n";
}

// Each file of rtf_cases.txt read on its own: its topics with their
// subjects, against rtf_cases.golden.txt.
TEST(RtfImport, TopicsAndSubjectsOfSmallFiles) {
  const std::string cases = FileContents(TestDataPath("exchange/rtf_cases.txt"));
  std::string out;
  for (size_t at = 0, end; at < cases.size(); at = end + 1) {
    end = cases.find('\n', at);
    const std::string line = cases.substr(at, end - at);
    out += line + "\n";
    if (line.starts_with(";")) continue;
    RtfImporter importer;
    out += importer.Parse(line) ? "parsed\n" : "parse error\n";
    for (int i = 0; i < importer.TopicCount(); ++i) {
      const CTopic& topic = *importer.GetTopic(i);
      out += "topic " + topic.name + "\n";
      for (int j = 0; j < topic.subjectCount(); ++j) out += Describe(*topic.GetSubject(j));
    }
  }
  EXPECT_TRUE(MatchesGolden(out, "exchange/rtf_cases.golden.txt"));
  EXPECT_EQ(RtfImporter().UniqueContextName(std::string(300, 'n')), std::string(250, 'n'));
}

TEST(RtfImport, SubjectsBeyondTheTopicCapacityAreCounted) {
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 300; ++i) rtf += i % 2 == 0 ? "{\\b x}" : "{\\i x}";
  RtfImporter importer;
  ASSERT_TRUE(importer.Parse(rtf + "\\page}"));
  EXPECT_EQ(importer.GetTopic(0)->subjectCount(), CTopic::kMaxSubjects);
  EXPECT_EQ(importer.DroppedSubjects(), 300 - CTopic::kMaxSubjects);
  // In a full topic the footnote mark finds no room: the topic's last
  // subject stays, and the mark is not counted as a subject left out.
  rtf = "{\\rtf1 ";
  for (int i = 0; i < CTopic::kMaxSubjects; ++i) rtf += i % 2 == 0 ? "{\\b .}" : "{\\i .}";
  RtfImporter full;
  ASSERT_TRUE(full.Parse(rtf + "#{\\footnote Fin}\\page}"));
  EXPECT_EQ(full.GetTopic(0)->name, "Fin");
  EXPECT_EQ(full.GetTopic(0)->subjectCount(), CTopic::kMaxSubjects);
  EXPECT_EQ(full.DroppedSubjects(), 0);
}

TEST(RtfImport, ErrorsKeepTheTopicsFinishedSoFar) {
  RecordingMessages messages;
  {
    // A group still open at the end: the current topic is kept too.
    RtfImporter importer;
    EXPECT_FALSE(importer.Parse("{\\rtf1 #{\\footnote A}un\\page #{\\footnote B}deux"));
    EXPECT_THAT(NamesOf(importer), ElementsAre("A", "B"));
    EXPECT_EQ(importer.GetTopic(1)->GetSubject(0)->text, "deux");
  }
  {
    // Deep nesting neither crashes nor loses topics, balanced or left open.
    const std::string deep = "{\\rtf1 #{\\footnote Haut}a\\page " + std::string(200000, '{');
    RtfImporter balanced;
    EXPECT_TRUE(balanced.Parse(deep + "b" + std::string(200000, '}') + "\\page}"));
    EXPECT_THAT(NamesOf(balanced), ElementsAre("Haut", "Titre"));
    RtfImporter importer;
    EXPECT_FALSE(importer.Parse(deep));
    EXPECT_THAT(NamesOf(importer), ElementsAre("Haut"));
  }
  {
    RtfImporter importer;  // a backslash that ends the data
    EXPECT_FALSE(importer.Parse("{\\rtf1 un\\page deux\\"));
    ASSERT_EQ(importer.TopicCount(), 2);
  }
  {
    RtfImporter importer;  // a zero byte ends the data, the group is still open there
    EXPECT_FALSE(importer.Parse(std::string("{\\rtf1 a\\page \0b\\page}", 22)));
    ASSERT_EQ(importer.TopicCount(), 1);
  }
  {
    RtfImporter importer;  // "\'" with its digits missing reads nothing beyond the data
    EXPECT_TRUE(importer.Parse(std::string_view("x\\'4", 4)));
    EXPECT_EQ(importer.GetTopic(0)->GetSubject(0)->text, "x@");
  }
  {
    RtfImporter importer;  // "\footnote" at the very start has no mark to look back at
    EXPECT_TRUE(importer.Parse("\\footnote x}"));
  }
}

class RtfImportFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& contents) {
    EXPECT_TRUE(WriteFile(dir_ / name, contents));
    return dir_ / name;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages_.messages) texts.push_back(m.text);
    return texts;
  }
  TempDirectory dir_;
  RecordingMessages messages_;
  CVeldorDoc doc_;
  ImportSummary summary_;
};

TEST_F(RtfImportFile, WrongVersionStopsWithBothMessages) {
  // A closing brace at the outermost level ends the parse: what follows
  // it is not read.
  EXPECT_EQ(ImportRtf(doc_, Write("a.rtf", "{\\rtf1 #{\\footnote A}x\\page}}{\\rtf2 y\\page}"),
                      &summary_),
            1);
  EXPECT_TRUE(summary_.parseOk);
  EXPECT_TRUE(messages_.messages.empty());
  summary_ = {};
  EXPECT_EQ(
      ImportRtf(doc_, Write("b.rtf", "{\\rtf1 #{\\footnote B}x\\page}{\\rtf2 y\\page}"), &summary_),
      1);
  EXPECT_FALSE(summary_.parseOk);
  EXPECT_THAT(Texts(), ElementsAre("Version RTF incorrecte", "Erreur RTF"));
  EXPECT_EQ(messages_.messages[0].caption, "Import RTF");
  EXPECT_EQ(doc_.GetTopic(1)->name, "B");
}

TEST_F(RtfImportFile, StopsAtTheProjectLimitWithCounts) {
  for (int i = 0; i < CVeldorDoc::kMaxTopics - 2; ++i) testing::AddTopic(doc_, std::to_string(i));
  EXPECT_EQ(
      ImportRtf(doc_, Write("p.rtf", "{\\rtf1 a\\page b\\page c\\page d\\page e}"), &summary_), 2);
  EXPECT_EQ(doc_.topicCount(), CVeldorDoc::kMaxTopics);
  EXPECT_EQ(summary_.leftOut, 3);
  EXPECT_THAT(Texts(), ElementsAre("Un projet contient au plus 4096 groupes : 2 groupe(s) "
                                   "ajouté(s), 3 laissé(s) de côté."));
  EXPECT_TRUE(doc_.IsModified());
}

TEST_F(RtfImportFile, ReportsNamesInUseAndSubjectsLeftOut) {
  testing::AddTopic(doc_, "titre");
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 258; ++i) rtf += i % 2 == 0 ? "{\\b x}" : "{\\i x}";
  EXPECT_EQ(ImportRtf(doc_, Write("p.rtf", rtf + "}")), 1);
  EXPECT_THAT(Texts(), ElementsAre("2 sujet(s) non importé(s) : un groupe contient au plus 256 "
                                   "sujets.\n1 des 1 groupe(s) ajouté(s) porte(nt) un nom déjà "
                                   "utilisé dans le projet."));
}

TEST_F(RtfImportFile, FilesThatCannotBeOpened) {
  EXPECT_EQ(ImportRtf(doc_, dir_ / "absent.rtf", &summary_), 0);
  EXPECT_FALSE(summary_.fileRead);
  EXPECT_EQ(ImportRtf(doc_, dir_.path()), 0);
  EXPECT_EQ(ImportRtf(doc_, dir_ / "nowhere/x.rtf"), 0);
  const std::string open = "Impossible d'ouvrir le fichier ";
  EXPECT_THAT(Texts(), ElementsAre(open + dir_ / "absent.rtf" + ".\nFichier non trouvé",
                                   open + dir_.path() + ".\nFichier invalide",
                                   open + dir_ / "nowhere/x.rtf" + ".\nChemin invalide"));
  EXPECT_EQ(messages_.messages[0].caption, "Import RTF");
  EXPECT_EQ(messages_.messages[0].icon, MessageIcon::Error);
  EXPECT_FALSE(doc_.IsModified());
}

TEST_F(RtfImportFile, LongFilesAreCutWithAWarning) {
  const std::string rtf =
      "{\\rtf1 debut\\page " + std::string(RtfImporter::kMaxBytes, 'x') + "\\page fin\\page}";
  // The cut leaves a group open; the text read up to it is kept.
  EXPECT_EQ(ImportRtf(doc_, Write("long.rtf", rtf), &summary_), 2);
  EXPECT_FALSE(summary_.parseOk);
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_NE(messages_.messages[0].text.find("500000"), std::string::npos);
  EXPECT_EQ(messages_.messages[1].text, "Erreur RTF");
  EXPECT_EQ(messages_.progressRange, static_cast<int>(RtfImporter::kMaxBytes));
  EXPECT_LE(messages_.progressSteps, messages_.progressRange);
  EXPECT_TRUE(messages_.progressClosed);
}

TEST_F(RtfImportFile, Utf8TextIsConverted) {
  EXPECT_EQ(ImportRtf(doc_, Write("u.rtf", "{\\rtf1 \xC3\xA9t\xC3\xA9 \\'e9\\page}")), 1);
  EXPECT_EQ(doc_.GetTopic(0)->GetSubject(0)->text, "\xE9t\xE9 \xE9");
}

}  // namespace
}  // namespace veldor
