#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "exchange/import_summary.h"
#include "exchange/rtf_import.h"
#include "exchange/rtf_importer.h"
#include "exchange_test_support.h"
#include "platform/recording_messages.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

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

TEST(RtfImport, WinHelpFileGivesItsTopics) {
  RecordingMessages messages;
  RtfImporter importer;
  ASSERT_TRUE(importer.Parse(FileContents(TestDataPath("exchange/winhelp.rtf"))));
  EXPECT_THAT(NamesOf(importer),
              ::testing::ElementsAre("IDH_INDEX", "IDH_CREER", "Titre", "IDH_INDEX1"));

  const CTopic& index = *importer.GetTopic(0);
  EXPECT_THAT(SubjectsOf(index),
              ::testing::ElementsAre(Seen{kTypeTexte, "Sommaire de l'aide"},
                                     Seen{kTypeTexte, "Bienvenue dans "},
                                     Seen{kTypeTexte,
                                          "l'\xE9"
                                          "diteur"},
                                     Seen{kTypeTexte, " de notes."}, Seen{kTypeTexte, "Voir "},
                                     Seen{kTypeJump,
                                          "Cr\xE9"
                                          "er une note",
                                          "IDH_CREER"},
                                     Seen{kTypeTexte, ", puis "},
                                     Seen{kTypeJump,
                                          "D\xE9"
                                          "finition",
                                          "DEF_NOTE"},
                                     Seen{kTypeTexte, "."}, Seen{kTypeBitMap, "", ""},
                                     Seen{kTypeBitMap, "Le logo", "IDH_CREER"},
                                     Seen{kTypeTexte, "Ligne un\r\nLigne deux\tfin"}));

  // The title: bold Arial 14 points, centred, 1 cm indents, paragraph end.
  const CTypeEdit& title = *index.GetSubject(0);
  EXPECT_EQ(title.style.weight, 700);
  EXPECT_EQ(title.style.faceName, "Arial");
  EXPECT_EQ(title.style.pointSize, 14);
  EXPECT_EQ(title.style.height, -18);
  EXPECT_EQ(title.alignment, 2);
  EXPECT_FLOAT_EQ(title.leftMargin, 1.0f);
  EXPECT_FLOAT_EQ(title.rightMargin, 1.0f);
  EXPECT_FLOAT_EQ(title.spaceBefore, 0.21f);
  EXPECT_FLOAT_EQ(title.spaceAfter, 0.42f);
  EXPECT_EQ(title.flags, kFlagParagraphEnd);

  // Runs of one paragraph: only the last ends it; the others took the
  // paragraph's layout when "\par" was read.
  const CTypeEdit& before = *index.GetSubject(1);
  EXPECT_EQ(before.flags, kFlagImported);
  EXPECT_EQ(before.style.faceName, "Times New Roman");
  EXPECT_FLOAT_EQ(before.leftMargin, 0.0f);
  EXPECT_EQ(index.GetSubject(2)->style.italic, 1);
  EXPECT_EQ(index.GetSubject(3)->flags, kFlagParagraphEnd);

  // Red text from "\cf2"; the jumps keep their type's blue and no paragraph end.
  EXPECT_EQ(index.GetSubject(4)->colour, 0x0000FFu);
  const CTypeEdit& jump = *index.GetSubject(5);
  EXPECT_EQ(jump.colour, 0xFF0000u);
  EXPECT_EQ(jump.action, kActionSaut);
  EXPECT_EQ(jump.flags, kFlagImported);

  // The bitmaps: file names, the linked one with its window and caption.
  EXPECT_EQ(index.GetSubject(9)->title, "ecran.bmp");
  EXPECT_EQ(index.GetSubject(9)->action, kActionRien);
  const CTypeEdit& logo = *index.GetSubject(10);
  EXPECT_EQ(logo.title, "logo.bmp");
  EXPECT_EQ(logo.action, kActionSaut);
  EXPECT_EQ(logo.windowName, "secondaire");
  EXPECT_EQ(logo.colour, 0u);  // 102030 is no subject colour: the default stays

  const CTopic& creer = *importer.GetTopic(1);
  EXPECT_THAT(SubjectsOf(creer),
              ::testing::ElementsAre(Seen{kTypeTexte,
                                          "Pour cr\xE9"
                                          "er une note, choisissez \"Nouveau\"."},
                                     Seen{kTypeJump, "Retour", ""}));  // a macro leads to no topic
  EXPECT_EQ(creer.GetSubject(0)->colour, 0xFF0000u);

  const CTypeEdit& plain = *importer.GetTopic(2)->GetSubject(0);
  EXPECT_EQ(plain.text, "Page sans nom");
  EXPECT_EQ(plain.style.pointSize, 12);
  EXPECT_EQ(plain.style.height, -16);
  EXPECT_TRUE(messages.messages.empty());
}

TEST(RtfImport, HelloWorldExample) {
  RtfImporter importer;
  ASSERT_TRUE(importer.Parse(
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
      "\\pard\\plain\\f0\\fs20\\qr\\li1134 Hello {\\b world}\\par}"));
  ASSERT_EQ(importer.TopicCount(), 1);
  const CTopic& topic = *importer.GetTopic(0);
  EXPECT_EQ(topic.name, "Titre");
  ASSERT_EQ(topic.subjectCount(), 2);
  const CTypeEdit& hello = *topic.GetSubject(0);
  const CTypeEdit& world = *topic.GetSubject(1);
  EXPECT_EQ(hello.text, "Hello ");
  EXPECT_EQ(hello.style.weight, 400);
  EXPECT_EQ(world.text, "world");
  EXPECT_EQ(world.style.weight, 700);
  for (const CTypeEdit* s : {&hello, &world}) {
    EXPECT_EQ(s->style.faceName, "Arial");
    EXPECT_EQ(s->style.pointSize, 10);
    EXPECT_EQ(s->style.height, -13);
    EXPECT_EQ(s->alignment, 1);
    EXPECT_FLOAT_EQ(s->leftMargin, 2.0f);
  }
  EXPECT_EQ(hello.flags, kFlagImported);
  EXPECT_EQ(world.flags, kFlagParagraphEnd);
}

TEST(RtfImport, ColoursSizesAndSkippedGroups) {
  RtfImporter importer;
  ASSERT_TRUE(importer.Parse(
      "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator x;}{\\pict 0a{}}"
      "{\\info{\\title T}}{\\cf1 rouge}{\\fs25 douze}{\\fs\\cf7 sans}{\\fs-3 neg}}"));
  ASSERT_EQ(importer.TopicCount(), 1);
  const CTopic& topic = *importer.GetTopic(0);
  EXPECT_THAT(SubjectsOf(topic),
              ::testing::ElementsAre(Seen{kTypeTexte, "T"}, Seen{kTypeTexte, "rouge"},
                                     Seen{kTypeTexte, "douze"}, Seen{kTypeTexte, "sans"},
                                     Seen{kTypeTexte, "neg"}));
  EXPECT_EQ(topic.GetSubject(1)->colour, 0x0000FFu);
  EXPECT_EQ(topic.GetSubject(2)->style.pointSize, 12);
  EXPECT_EQ(topic.GetSubject(3)->style.pointSize, 12);
  EXPECT_EQ(topic.GetSubject(3)->colour, 0u);  // no entry 7: black
  EXPECT_EQ(topic.GetSubject(0)->style.faceName, "System");
}

TEST(RtfImport, FootnotesNameTopicsUniquely) {
  RtfImporter importer;
  ASSERT_TRUE(importer.Parse(
      "{\\rtf1 #{\\footnote Intro}A\\page #{\\footnote Intro}B\\page C\\page D\\page "
      "#{\\footnote  \xE9}E\\page #{\\footnote Intro1}F\\page}"));
  EXPECT_THAT(NamesOf(importer),
              ::testing::ElementsAre("Intro", "Intro1", "Titre", "Titre1", "Titre2", "Intro11"));
  EXPECT_THAT(SubjectsOf(*importer.GetTopic(0)), ::testing::ElementsAre(Seen{kTypeTexte, "A"}));
  EXPECT_EQ(importer.UniqueContextName(std::string(300, 'n')), std::string(250, 'n'));
}

TEST(RtfImport, FootnoteMarkGoesButTextBeforeAFootnoteStays) {
  RtfImporter importer;
  ASSERT_TRUE(importer.Parse(
      "{\\rtf1 Avant\\par{\\footnote x}Texte#{\\footnote Nom}\\par K{\\footnote clef} fin\\page}"));
  ASSERT_EQ(importer.TopicCount(), 1);
  EXPECT_EQ(importer.GetTopic(0)->name, "Nom");
  EXPECT_THAT(SubjectsOf(*importer.GetTopic(0)),
              ::testing::ElementsAre(Seen{kTypeTexte, "Avant"}, Seen{kTypeTexte, "Texte#"},
                                     Seen{kTypeTexte, " fin"}));
}

TEST(RtfImport, OnlyControlWordsTakeTheBlankAfterThem) {
  // A blank after a control symbol is text; after a word or its parameter
  // it is the delimiter.
  RtfImporter importer;
  ASSERT_TRUE(importer.Parse("{\\rtf1 a\\\\ b\\{ c\\~ d\\'41 e\\tab f\\b1 g}"));
  EXPECT_THAT(SubjectsOf(*importer.GetTopic(0)),
              ::testing::ElementsAre(Seen{kTypeTexte, "a\\ b{ c  dA e\tf"}, Seen{kTypeTexte, "g"}));
}

TEST(RtfImport, OnlyTheMarkJustReadIsTakenForTheFootnoteMark) {
  {
    // A one-character paragraph ended before a footnote group is text.
    RtfImporter importer;
    ASSERT_TRUE(importer.Parse("{\\rtf1 1\\par{\\footnote x}-\\par #{\\footnote N}a\\page}"));
    EXPECT_EQ(importer.GetTopic(0)->name, "N");
    EXPECT_THAT(SubjectsOf(*importer.GetTopic(0)),
                ::testing::ElementsAre(Seen{kTypeTexte, "1"}, Seen{kTypeTexte, "-"},
                                       Seen{kTypeTexte, "a"}));
  }
  {
    // In a full topic the mark finds no room: the topic's last subject
    // stays, and the mark is not counted as a subject left out.
    std::string rtf = "{\\rtf1 ";
    for (int i = 0; i < CTopic::kMaxSubjects; ++i) rtf += "{\\b .}";
    RtfImporter importer;
    ASSERT_TRUE(importer.Parse(rtf + "#{\\footnote Fin}\\page}"));
    const CTopic& topic = *importer.GetTopic(0);
    EXPECT_EQ(topic.name, "Fin");
    EXPECT_EQ(topic.subjectCount(), CTopic::kMaxSubjects);
    EXPECT_EQ(importer.DroppedSubjects(), 0);
  }
  {
    // A mark that closes a group of its own, as word processors write it.
    RtfImporter importer;
    ASSERT_TRUE(importer.Parse("{\\rtf1 {\\super #}{\\footnote x}a\\page}"));
    EXPECT_THAT(SubjectsOf(*importer.GetTopic(0)), ::testing::ElementsAre(Seen{kTypeTexte, "a"}));
  }
}

TEST(RtfImport, HotSpots) {
  RtfImporter importer;
  ASSERT_TRUE(importer.Parse(
      "{\\rtf1 {\\uldb Suite}{\\v Suite}{\\ul Note}{\\v %Note}{\\uldb A}{\\v * IDH_A>fen}"
      "{\\uldb B}{\\v C@autre.hlp}{\\strike0 plain}{\\v orphan}"
      "{\\ul \\{bmr pic.bmp\\} legende}\\page}"));
  const CTopic& topic = *importer.GetTopic(0);
  EXPECT_THAT(
      SubjectsOf(topic),
      ::testing::ElementsAre(Seen{kTypeJump, "Suite", "Suite"}, Seen{kTypeJump, "Note", "Note"},
                             Seen{kTypeJump, "A", "IDH_A"}, Seen{kTypeJump, "B", "C"},
                             Seen{kTypeTexte, "plain"}, Seen{kTypeBitMap, " legende", ""}));
  EXPECT_EQ(topic.GetSubject(2)->windowName, "fen");
  EXPECT_EQ(topic.GetSubject(5)->title, "pic.bmp");
}

TEST(RtfImport, TextAfterABitmapIsItsCaption) {
  RtfImporter importer;
  ASSERT_TRUE(
      importer.Parse("{\\rtf1 \\{bmc LOGO.BMP\\} {\\b Legende}\\par \\{bml A.BMP\\}Direct\\par"
                     "\\{bmr X.BMP\\}\\par apres\\par}"));
  const CTopic& topic = *importer.GetTopic(0);
  EXPECT_THAT(SubjectsOf(topic),
              ::testing::ElementsAre(Seen{kTypeBitMap, "Legende"}, Seen{kTypeBitMap, "Direct"},
                                     Seen{kTypeBitMap, ""}, Seen{kTypeTexte, "apres"}));
  EXPECT_EQ(topic.GetSubject(0)->title, "LOGO.BMP");
  EXPECT_EQ(topic.GetSubject(0)->style.weight, 700);
}

TEST(RtfImport, WrongVersionStopsWithBothMessages) {
  TempDirectory dir;
  RecordingMessages messages;
  {
    // A closing brace at the outermost level ends the parse: what follows
    // it is not read.
    ASSERT_TRUE(WriteFile(dir / "v.rtf", "{\\rtf1 #{\\footnote Avant}x\\page}}{\\rtf2 y\\page}"));
    CVeldorDoc doc;
    ImportSummary summary;
    EXPECT_EQ(ImportRtf(doc, dir / "v.rtf", &summary), 1);
    EXPECT_TRUE(summary.parseOk);
    EXPECT_TRUE(messages.messages.empty());
  }
  ASSERT_TRUE(WriteFile(dir / "v.rtf", "{\\rtf1 #{\\footnote Avant}x\\page}{\\rtf2 y\\page}"));
  CVeldorDoc doc;
  ImportSummary summary;
  EXPECT_EQ(ImportRtf(doc, dir / "v.rtf", &summary), 1);
  EXPECT_FALSE(summary.parseOk);
  std::vector<std::string> texts;
  for (const auto& m : messages.messages) texts.push_back(m.text);
  EXPECT_THAT(texts, ::testing::ElementsAre("Version RTF incorrecte", "Erreur RTF"));
  EXPECT_EQ(messages.messages[0].caption, "Import RTF");
  EXPECT_EQ(doc.GetTopic(0)->name, "Avant");
}

TEST(RtfImport, ErrorsKeepTheTopicsFinishedSoFar) {
  RecordingMessages messages;
  {
    // A group still open at the end: the current topic is kept too.
    RtfImporter importer;
    EXPECT_FALSE(importer.Parse("{\\rtf1 #{\\footnote A}un\\page #{\\footnote B}deux"));
    EXPECT_THAT(NamesOf(importer), ::testing::ElementsAre("A", "B"));
    EXPECT_EQ(importer.GetTopic(1)->GetSubject(0)->text, "deux");
  }
  {
    RtfImporter importer;  // a backslash that ends the data
    EXPECT_FALSE(importer.Parse("{\\rtf1 un\\page deux\\"));
    EXPECT_EQ(importer.TopicCount(), 2);
  }
  {
    RtfImporter importer;  // "\'" with its digits missing reads nothing beyond the data
    EXPECT_TRUE(importer.Parse(std::string_view("x\\'4", 4)));
    EXPECT_EQ(importer.GetTopic(0)->GetSubject(0)->text, "x@");
  }
  {
    RtfImporter importer;  // "\footnote" at the very start has no mark to look back at
    EXPECT_TRUE(importer.Parse("\\footnote x}"));
    EXPECT_TRUE(importer.Parse(std::string_view("\\b-", 3)) == false);
  }
}

TEST(RtfImport, DeepNestingNeitherCrashesNorLosesTopics) {
  const int depth = 200000;
  RtfImporter balanced;
  const std::string nested = "{\\rtf1 #{\\footnote Haut}a\\page " + std::string(depth, '{') + "b" +
                             std::string(depth, '}') + "\\page}";
  EXPECT_TRUE(balanced.Parse(nested));
  EXPECT_THAT(NamesOf(balanced), ::testing::ElementsAre("Haut", "Titre"));

  RtfImporter open;
  EXPECT_FALSE(open.Parse("{\\rtf1 #{\\footnote Haut}a\\page " + std::string(depth, '{')));
  EXPECT_THAT(NamesOf(open), ::testing::ElementsAre("Haut"));
}

TEST(RtfImport, ZeroByteEndsTheData) {
  std::string data = "{\\rtf1 a\\page ";
  data += '\0';
  data += "b\\page}";
  RtfImporter importer;
  EXPECT_FALSE(importer.Parse(data));  // the group is still open where the data ends
  EXPECT_EQ(importer.TopicCount(), 1);
}

TEST(RtfImport, SubjectsBeyondTheTopicCapacityAreCounted) {
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 300; ++i) rtf += "{\\b x}";
  rtf += "\\page}";
  RtfImporter importer;
  ASSERT_TRUE(importer.Parse(rtf));
  EXPECT_EQ(importer.GetTopic(0)->subjectCount(), CTopic::kMaxSubjects);
  EXPECT_EQ(importer.DroppedSubjects(), 300 - CTopic::kMaxSubjects);
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
};

TEST_F(RtfImportFile, StopsAtTheProjectLimitWithCounts) {
  CVeldorDoc doc;
  for (int i = 0; i < CVeldorDoc::kMaxTopics - 2; ++i)
    testing::AddTopic(doc, "T" + std::to_string(i));
  ImportSummary summary;
  EXPECT_EQ(ImportRtf(doc, Write("p.rtf", "{\\rtf1 a\\page b\\page c\\page d\\page e}"), &summary),
            2);
  EXPECT_EQ(doc.topicCount(), CVeldorDoc::kMaxTopics);
  EXPECT_EQ(summary.leftOut, 3);
  EXPECT_THAT(Texts(), ::testing::ElementsAre(
                           "Un projet contient au plus 4096 groupes : 2 groupe(s) ajouté(s), 3 "
                           "laissé(s) de côté."));
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(RtfImportFile, ReportsNamesInUseAndSubjectsLeftOut) {
  CVeldorDoc doc;
  testing::AddTopic(doc, "titre");
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 258; ++i) rtf += "{\\i x}";
  ImportSummary summary;
  EXPECT_EQ(ImportRtf(doc, Write("p.rtf", rtf + "}"), &summary), 1);
  EXPECT_THAT(Texts(), ::testing::ElementsAre(
                           "2 sujet(s) non importé(s) : un groupe contient au plus 256 sujets.\n"
                           "1 des 1 groupe(s) ajouté(s) porte(nt) un nom déjà utilisé dans le "
                           "projet."));
}

TEST_F(RtfImportFile, FilesThatCannotBeOpened) {
  CVeldorDoc doc;
  ImportSummary summary;
  EXPECT_EQ(ImportRtf(doc, dir_ / "absent.rtf", &summary), 0);
  EXPECT_FALSE(summary.fileRead);
  EXPECT_EQ(ImportRtf(doc, dir_.path()), 0);
  EXPECT_EQ(ImportRtf(doc, dir_ / "nowhere/x.rtf"), 0);
  EXPECT_THAT(
      Texts(),
      ::testing::ElementsAre(
          "Impossible d'ouvrir le fichier " + dir_ / "absent.rtf" + ".\nFichier non trouvé",
          "Impossible d'ouvrir le fichier " + dir_.path() + ".\nFichier invalide",
          "Impossible d'ouvrir le fichier " + dir_ / "nowhere/x.rtf" + ".\nChemin invalide"));
  EXPECT_EQ(messages_.messages[0].caption, "Import RTF");
  EXPECT_EQ(messages_.messages[0].icon, MessageIcon::Error);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(RtfImportFile, LongFilesAreCutWithAWarning) {
  std::string rtf = "{\\rtf1 debut\\page ";
  rtf += std::string(RtfImporter::kMaxBytes, 'x');
  rtf += "\\page fin\\page}";
  CVeldorDoc doc;
  ImportSummary summary;
  // The cut leaves a group open; the text read up to it is kept.
  EXPECT_EQ(ImportRtf(doc, Write("long.rtf", rtf), &summary), 2);
  EXPECT_FALSE(summary.parseOk);
  ASSERT_EQ(messages_.messages.size(), 2u);
  EXPECT_NE(messages_.messages[0].text.find("500000"), std::string::npos);
  EXPECT_EQ(messages_.messages[1].text, "Erreur RTF");
  EXPECT_EQ(messages_.progressRange, static_cast<int>(RtfImporter::kMaxBytes));
  EXPECT_LE(messages_.progressSteps, messages_.progressRange);
  EXPECT_TRUE(messages_.progressClosed);
}

TEST_F(RtfImportFile, Utf8TextIsConverted) {
  CVeldorDoc doc;
  EXPECT_EQ(ImportRtf(doc, Write("u.rtf", "{\\rtf1 \xC3\xA9t\xC3\xA9 \\'e9\\page}")), 1);
  EXPECT_EQ(doc.GetTopic(0)->GetSubject(0)->text, "\xE9t\xE9 \xE9");
}

}  // namespace
}  // namespace veldor
