#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

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

// One subject as the tests look at it.
struct Seen {
  int type;
  std::string text;
  std::string target = "";
  bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
  return out << "{" << s.type << ", \"" << s.text << "\", " << s.target << "}";
}

std::vector<Seen> SubjectsOf(const CTopic& topic) {
  std::vector<Seen> seen;
  for (int i = 0; i < topic.subjectCount(); ++i) {
    const CTypeEdit& s = *topic.GetSubject(i);
    seen.push_back({s.typeCode, s.text, s.target});
  }
  return seen;
}

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

TEST(RtfImport, TopicsAndSubjectsOfSmallFiles) {
  const struct {
    std::string rtf;
    std::vector<std::string> names;
    std::vector<Seen> subjects;  // of the first topic
    std::function<void(const CTopic&)> more = nullptr;
  } cases[] = {
      // Colours, sizes and groups that are skipped.
      {"{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator x;}{\\pict 0a{}}"
       "{\\info{\\title T}}{\\cf1 rouge}{\\fs25 douze}{\\fs\\cf7 sans}{\\fs-3 neg}}",
       {"Titre"},
       {{kTypeTexte, "T"},
        {kTypeTexte, "rouge"},
        {kTypeTexte, "douze"},
        {kTypeTexte, "sans"},
        {kTypeTexte, "neg"}},
       [](const CTopic& t) {
         EXPECT_EQ(t.GetSubject(0)->style.faceName, "System");
         EXPECT_EQ(t.GetSubject(1)->colour, 0x0000FFu);
         EXPECT_EQ(t.GetSubject(2)->style.pointSize, 12);
         EXPECT_EQ(t.GetSubject(3)->style.pointSize, 12);
         EXPECT_EQ(t.GetSubject(3)->colour, 0u);  // no entry 7: black
       }},
      // Footnotes name topics uniquely.
      {"{\\rtf1 #{\\footnote Intro}A\\page #{\\footnote Intro}B\\page C\\page D\\page "
       "#{\\footnote  \xE9}E\\page #{\\footnote Intro1}F\\page}",
       {"Intro", "Intro1", "Titre", "Titre1", "Titre2", "Intro11"},
       {{kTypeTexte, "A"}}},
      // The footnote mark goes, but text before a footnote stays.
      {"{\\rtf1 Avant\\par{\\footnote x}Texte#{\\footnote Nom}\\par K{\\footnote clef} fin\\page}",
       {"Nom"},
       {{kTypeTexte, "Avant"}, {kTypeTexte, "Texte#"}, {kTypeTexte, " fin"}}},
      // Only the mark just read is taken for the footnote mark: a
      // one-character paragraph ended before a footnote group is text...
      {"{\\rtf1 1\\par{\\footnote x}-\\par #{\\footnote N}a\\page}",
       {"N"},
       {{kTypeTexte, "1"}, {kTypeTexte, "-"}, {kTypeTexte, "a"}}},
      // ...and a mark closing a group of its own, as word processors write it, goes.
      {"{\\rtf1 {\\super #}{\\footnote x}a\\page}", {"Titre"}, {{kTypeTexte, "a"}}},
      // A blank after a control symbol is text; after a word or its
      // parameter it is the delimiter.
      {"{\\rtf1 a\\\\ b\\{ c\\~ d\\'41 e\\tab f\\b1 g}",
       {"Titre"},
       {{kTypeTexte, "a\\ b{ c  dA e\tf"}, {kTypeTexte, "g"}}},
      // Hot spots.
      {"{\\rtf1 {\\uldb Suite}{\\v Suite}{\\ul Note}{\\v %Note}{\\uldb A}{\\v * IDH_A>fen}"
       "{\\uldb B}{\\v C@autre.hlp}{\\strike0 plain}{\\v orphan}"
       "{\\ul \\{bmr pic.bmp\\} legende}\\page}",
       {"Titre"},
       {{kTypeJump, "Suite", "Suite"},
        {kTypeJump, "Note", "Note"},
        {kTypeJump, "A", "IDH_A"},
        {kTypeJump, "B", "C"},
        {kTypeTexte, "plain"},
        {kTypeBitMap, " legende", ""}},
       [](const CTopic& t) {
         EXPECT_EQ(t.GetSubject(2)->windowName, "fen");
         EXPECT_EQ(t.GetSubject(5)->title, "pic.bmp");
       }},
      // Text after a bitmap is its caption.
      {"{\\rtf1 \\{bmc LOGO.BMP\\} {\\b Legende}\\par \\{bml A.BMP\\}Direct\\par"
       "\\{bmr X.BMP\\}\\par apres\\par}",
       {"Titre"},
       {{kTypeBitMap, "Legende"},
        {kTypeBitMap, "Direct"},
        {kTypeBitMap, ""},
        {kTypeTexte, "apres"}},
       [](const CTopic& t) {
         EXPECT_EQ(t.GetSubject(0)->title, "LOGO.BMP");
         EXPECT_EQ(t.GetSubject(0)->style.weight, 700);
       }},
      // Deep nesting neither crashes nor loses topics.
      {"{\\rtf1 #{\\footnote Haut}a\\page " + std::string(200000, '{') + "b" +
           std::string(200000, '}') + "\\page}",
       {"Haut", "Titre"},
       {{kTypeTexte, "a"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rtf.substr(0, 80));
    RtfImporter importer;
    ASSERT_TRUE(importer.Parse(c.rtf));
    EXPECT_EQ(NamesOf(importer), c.names);
    EXPECT_EQ(SubjectsOf(*importer.GetTopic(0)), c.subjects);
    if (c.more) c.more(*importer.GetTopic(0));
  }
  EXPECT_EQ(RtfImporter().UniqueContextName(std::string(300, 'n')), std::string(250, 'n'));
}

TEST(RtfImport, SubjectsBeyondTheTopicCapacityAreCounted) {
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 300; ++i) rtf += "{\\b x}";
  RtfImporter importer;
  ASSERT_TRUE(importer.Parse(rtf + "\\page}"));
  EXPECT_EQ(importer.GetTopic(0)->subjectCount(), CTopic::kMaxSubjects);
  EXPECT_EQ(importer.DroppedSubjects(), 300 - CTopic::kMaxSubjects);
  // In a full topic the footnote mark finds no room: the topic's last
  // subject stays, and the mark is not counted as a subject left out.
  rtf = "{\\rtf1 ";
  for (int i = 0; i < CTopic::kMaxSubjects; ++i) rtf += "{\\b .}";
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
    RtfImporter importer;  // deep nesting left open
    EXPECT_FALSE(importer.Parse("{\\rtf1 #{\\footnote Haut}a\\page " + std::string(200000, '{')));
    EXPECT_THAT(NamesOf(importer), ElementsAre("Haut"));
  }
  {
    RtfImporter importer;  // a backslash that ends the data
    EXPECT_FALSE(importer.Parse("{\\rtf1 un\\page deux\\"));
    EXPECT_EQ(importer.TopicCount(), 2);
  }
  {
    RtfImporter importer;  // a zero byte ends the data, the group is still open there
    EXPECT_FALSE(importer.Parse(std::string("{\\rtf1 a\\page \0b\\page}", 22)));
    EXPECT_EQ(importer.TopicCount(), 1);
  }
  {
    RtfImporter importer;  // "\'" with its digits missing reads nothing beyond the data
    EXPECT_TRUE(importer.Parse(std::string_view("x\\'4", 4)));
    EXPECT_EQ(importer.GetTopic(0)->GetSubject(0)->text, "x@");
  }
  {
    RtfImporter importer;  // "\footnote" at the very start has no mark to look back at
    EXPECT_TRUE(importer.Parse("\\footnote x}"));
    EXPECT_FALSE(importer.Parse(std::string_view("\\b-", 3)));
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
  for (int i = 0; i < 258; ++i) rtf += "{\\i x}";
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
