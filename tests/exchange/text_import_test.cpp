#include <gtest/gtest.h>

#include "exchange/import_summary.h"
#include "exchange/text_import.h"
#include "exchange_test_support.h"
#include "platform/files.h"
#include "platform/recording_messages.h"
#include "support/temp_directory.h"

namespace veldor {
namespace {

const ImportTags kTags;  // "<PAGE>", "<NOM>", "<TITRE>"

// Name, title and text of each topic.
struct Page {
  std::string name, title, text;
  bool operator==(const Page&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Page& p) {
  return out << "{" << p.name << ", " << p.title << ", \"" << p.text << "\"}";
}

std::vector<Page> Parse(std::string_view text, const ImportTags& tags = kTags) {
  std::vector<Page> pages;
  for (const auto& topic : ParseTaggedText(text, tags).topics) {
    if (topic->subjectCount() != 1) {
      ADD_FAILURE() << topic->name << " has " << topic->subjectCount() << " subjects, not 1";
      continue;
    }
    const CTypeEdit& subject = *topic->GetSubject(0);
    EXPECT_EQ(subject.typeCode, kTypeTexte);
    EXPECT_EQ(subject.flags, kFlagParagraphEnd);
    pages.push_back({topic->name, topic->title, subject.text});
  }
  return pages;
}

TEST(TextImport, PagesNamesTitlesAndLineEnds) {
  const std::string piece(507, 'x');
  const std::string line = piece + "<PAGE>" + std::string(92, 'y');  // the tag straddles 511
  const struct {
    std::string input;
    std::vector<Page> pages;
  } cases[] = {
      // Without tags: one page with one more line end, even when empty.
      {"un\r\ndeux\nfin", {{"Page0", "Titre1", "un\r\ndeux\r\nfin\r\n\r\n"}}},
      {"", {{"Page0", "Titre1", "\r\n"}}},
      // "Page1" is never given: the counter starts at 2 after "Page0".
      {"<PAGE>\n<NOM> Mon sujet-2 \xE9t\xE9_x\navant <TITRE>Un titre, tel quel \ntexte\n\n"
       "suite <PAGE> ignored\n<NOM>Premier<PAGE>\n<NOM>Second\ncorps\n<PAGE>\n",
       {{"Page0", "Titre1", ""},
        {"Monsujet2tx", "Un titre, tel quel ", "texte\r\n\r\n"},
        {"Second", "", "corps\r\n"},
        {"Page4", "", "\r\n"}}},  // the last line was a page tag
      // LF and CR LF end lines; a lone CR is data; Ctrl-Z ends the text.
      {"a\rb\r\nc\x1A<PAGE>\nlost\n", {{"Page0", "Titre1", "a\rb\r\nc\r\n\r\n"}}},
      // Lines are read in 511-character pieces: a tag across two is not found.
      {line + "\r\n" + std::string(511, 'z') + "\n",
       {{"Page0", "Titre1",
         line.substr(0, 511) + "\r\n" + line.substr(511) + "\r\n" + std::string(511, 'z') +
             "\r\n\r\n"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(Parse(c.input), c.pages) << c.input;
  // A tag wholly inside a later piece is found.
  EXPECT_EQ(Parse(std::string(511, 'a') + "<PAGE>\n").size(), 2u);
}

TEST(TextImport, EmptyTagsAndTopicLimit) {
  ImportTags tags;
  tags.nameTag = "";  // every line is a name line
  EXPECT_TRUE(ParseTaggedText("a b\n<PAGE>\nc-d\n", tags).topics.empty());
  tags = kTags;
  tags.titleTag = "";  // all text goes into the title: nothing to keep
  EXPECT_TRUE(ParseTaggedText("<NOM>n\nt1\nt2\n", tags).topics.empty());
  const TaggedTextTopics parsed = ParseTaggedText("a\n<PAGE>\nb\n<PAGE>\nc\n<PAGE>\nd\n", kTags, 2);
  EXPECT_EQ(parsed.topics.size(), 2u);
  EXPECT_EQ(parsed.leftOut, 2);
}

class TextImportFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& contents) {
    EXPECT_TRUE(WriteFile(dir_ / name, contents));
    return dir_ / name;
  }
  TempDirectory dir_;
  RecordingMessages messages_;
};

TEST_F(TextImportFile, AppendsTopicsAndCountsNamesInUse) {
  CVeldorDoc doc;
  testing::AddTopic(doc, "PAGE0");
  ImportSummary summary;
  ASSERT_EQ(ImportText(doc, Write("in.txt", "a\n<PAGE>\n<NOM>Page0\nb\n"), kTags, &summary), 1);
  EXPECT_EQ(doc.topicCount(), 3);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(summary.added, 2);
  EXPECT_EQ(summary.namesInUse, 2);
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].text,
            "2 des 2 groupe(s) ajouté(s) porte(nt) un nom déjà utilisé dans le projet.");
}

TEST_F(TextImportFile, StopsAtTheProjectLimitWithCounts) {
  CVeldorDoc doc;
  for (int i = 0; i < CVeldorDoc::kMaxTopics - 1; ++i) testing::AddTopic(doc, std::to_string(i));
  ImportSummary summary;
  ASSERT_EQ(ImportText(doc, Write("in.txt", "a\n<PAGE>\nb\n<PAGE>\nc\n"), kTags, &summary), 1);
  EXPECT_EQ(doc.topicCount(), CVeldorDoc::kMaxTopics);
  EXPECT_EQ(summary.added, 1);
  EXPECT_EQ(summary.leftOut, 2);
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].text,
            "Un projet contient au plus 4096 groupes : 1 groupe(s) ajouté(s), 2 laissé(s) de "
            "côté.");
  EXPECT_EQ(messages_.messages[0].icon, MessageIcon::Warning);
}

TEST_F(TextImportFile, Utf8FilesAreConvertedOthersKeptAsTheyAre) {
  CVeldorDoc doc;
  ASSERT_EQ(ImportText(doc, Write("utf8.txt", "<TITRE>\xC3\x89t\xC3\xA9 \xE2\x82\xAC\n"), kTags),
            1);
  ASSERT_EQ(ImportText(doc, Write("bom.txt", "\xEF\xBB\xBFplain\n"), kTags), 1);
  ASSERT_EQ(ImportText(doc, Write("ansi.txt", "<TITRE>\xC9t\xE9\n"), kTags), 1);
  ASSERT_EQ(doc.topicCount(), 3);
  EXPECT_EQ(doc.GetTopic(0)->title, "\xC9t\xE9 \x80");
  EXPECT_EQ(doc.GetTopic(1)->GetSubject(0)->text, "plain\r\n\r\n");
  EXPECT_EQ(doc.GetTopic(2)->title, "\xC9t\xE9");
}

TEST_F(TextImportFile, MissingFileIsReportedAndChangesNothing) {
  CVeldorDoc doc;
  EXPECT_EQ(ImportText(doc, dir_ / "absent.txt", kTags), 0);
  EXPECT_EQ(doc.topicCount(), 0);
  EXPECT_FALSE(doc.IsModified());
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].text,
            "Impossible d'ouvrir le fichier " + dir_ / "absent.txt" + ".\nFichier non trouvé");
}

}  // namespace
}  // namespace veldor
