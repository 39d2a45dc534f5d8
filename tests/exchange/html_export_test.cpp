#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "exchange/html_export.h"
#include "exchange/html_page_names.h"
#include "exchange/html_text.h"
#include "exchange/html_writer.h"
#include "exchange_test_support.h"
#include "platform/files.h"
#include "platform/recording_messages.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using testing::AddSubject;
using testing::AddTopic;

// The worked page: a centred bold title, a linked bitmap without
// paragraph end and a blue jump that ends the paragraph.
TEST(HtmlExport, WorkedPageIsWrittenByteForByte) {
  CVeldorDoc doc;
  testing::LoadProject("exchange/intro.json", doc);
  TempDirectory dir;
  RecordingMessages messages;
  ASSERT_TRUE(ExportHtml(doc, dir.path()));
  EXPECT_TRUE(MatchesGolden(FileContents(dir / "Intro.htm"), "exchange/Intro.htm"));
  EXPECT_EQ(messages.progressRange, 1);
  EXPECT_EQ(messages.progressSteps, 1);
  EXPECT_TRUE(messages.progressClosed);
  EXPECT_TRUE(messages.messages.empty());
}

TEST(HtmlExport, EscapesTheEntitiesOfTheTableOnly) {
  EXPECT_EQ(HtmlEscape("a<b & \"c\" \xE9"), "a&lt;b &amp; &quot;c&quot; &eacute;");
  // Apostrophe, multiplication and division signs, the 0x80-0xBF block and
  // control characters pass through.
  EXPECT_EQ(HtmlEscape("l'\xD7\xF7\x80\xA9\x01"), "l'\xD7\xF7\x80\xA9\x01");
  EXPECT_EQ(HtmlEscape("\xC0\xDF\xFF\xD0\xF0"), "&Agrave;&szlig;&yuml;&ETH;&eth;");
  // Each line feed, also the one of a CR LF pair, is followed by <BR>.
  EXPECT_EQ(HtmlEscape("a\r\nb\nc"), "a\r\n<BR>b\n<BR>c");
  std::set<unsigned char> codes;
  for (const HtmlEntity& entity : HtmlEntityTable) {
    ASSERT_NE(entity.name, nullptr);
    codes.insert(entity.code);
  }
  EXPECT_EQ(codes.size(), 66u);
}

TEST(HtmlExport, FontSizeBandsAndUrls) {
  const std::pair<int, int> bands[] = {{100, 1}, {0, 1},   {-15, 1}, {-16, 2}, {-23, 2}, {-24, 3},
                                       {-30, 3}, {-31, 4}, {-38, 4}, {-39, 5}, {-46, 5}, {-47, 6},
                                       {-54, 6}, {-55, 7}, {-61, 7}, {-62, 8}, {-100, 8}};
  for (const auto& [height, size] : bands) EXPECT_EQ(HtmlFontSize(height), size) << height;
  const std::pair<const char*, const char*> urls[] = {
      {"D:\\IMAGES\\LOGO.BMP", "/D|/IMAGES/LOGO.BMP"},
      {"IMAGES\\LOGO.BMP", "IMAGES/LOGO.BMP"},
      {"D:X", "/D|X"},
      {"AB:C:D", "AB|C:D"},
      {"Intro", "Intro"}};
  for (const auto& [path, url] : urls) EXPECT_EQ(PathToUrl(path), url) << path;
}

TEST(HtmlExport, FontElementTagsAndColour) {
  CTopic topic;
  CTypeEdit& subject = AddSubject(topic, kTypeTexte, "x");
  subject.style.height = -13;
  subject.SetColour(0x008080);  // red 0x80, green 0x80
  for (int weight : {600, 800}) {
    subject.style.weight = weight;
    EXPECT_EQ(HtmlFontElement(subject), "<FONT SIZE=1 COLOR=\"#808000\">x</FONT>");
  }
  subject.style.weight = 700;
  subject.style.italic = 1;
  subject.style.underline = 1;
  subject.text = "Texte";  // the raw text, even a type's default name
  EXPECT_EQ(HtmlFontElement(subject),
            "<B><I><U><FONT SIZE=1 COLOR=\"#808000\">Texte</FONT></U></I></B>");
}

TEST(HtmlExport, ParagraphsEndWithTheSubjectThatHasTheFlag) {
  CVeldorDoc doc;
  CTopic& topic = AddTopic(doc, "P");
  // Line ends of texts become CR LF too.
  const std::tuple<const char*, int, int> subjects[] = {
      {"a", 0, 2}, {"b", kFlagParagraphEnd, 1}, {"c\r\nd", 0, 2}};
  for (const auto& [text, flags, alignment] : subjects) {
    CTypeEdit& s = AddSubject(topic, kTypeTexte, text);
    s.flags = flags;
    s.alignment = alignment;
  }
  const std::string page = HtmlPageText(topic, HtmlPageNames(doc));
  const std::string font = "<FONT SIZE=1 COLOR=\"#000000\">";
  EXPECT_NE(
      page.find("\r\n<P ALIGN=RIGHT>\r\n" + font + "a</FONT>" + font + "b</FONT>\r\n</P>\r\n"),
      std::string::npos);
  // The last subject without paragraph end still gets a plain paragraph.
  EXPECT_NE(page.find("\r\n<P>\r\n" + font + "c\r\r\n<BR>d</FONT>\r\n</P>\r\n</BODY>"),
            std::string::npos);
}

TEST(HtmlExport, ImagesLinkOnlyForSautAndShowOnlyRealCaptions) {
  CVeldorDoc doc;
  CTopic& topic = AddTopic(doc, "T");
  const HtmlPageNames pages(doc);
  auto html = [&](const CTypeEdit& s) {
    std::string out;
    WriteHtml(s, out, pages);
    return out;
  };
  CTypeEdit& image = AddSubject(topic, kTypeBitMap, "BitMap");
  image.title = "IMAGES\\LOGO.BMP";
  image.target = "T";
  image.action = kActionPopup;
  EXPECT_EQ(html(image), "<IMG SRC=\"IMAGES/LOGO.BMP\" ALIGN=TOP>");
  image.text.clear();
  EXPECT_EQ(html(image), "<IMG SRC=\"IMAGES/LOGO.BMP\" ALIGN=TOP>");
  image.text = "Logo";
  image.action = kActionSaut;
  EXPECT_EQ(html(image),
            "<A HREF=\"T.htm\"><IMG SRC=\"IMAGES/LOGO.BMP\" ALIGN=TOP></A>"
            "<FONT SIZE=1 COLOR=\"#000000\">Logo</FONT>");
  // A jump links whatever its action.
  CTypeEdit& jump = AddSubject(topic, kTypeJump, "j");
  jump.action = kActionExecute;
  jump.target = "T";
  EXPECT_EQ(html(jump).rfind("<A HREF=\"T.htm\">", 0), 0u);
  // Attribute values cannot end their quotes.
  image.title = "a\" onerror=\"x&<b>#%?.bmp";
  image.action = kActionRien;
  image.text.clear();
  EXPECT_EQ(html(image),
            "<IMG SRC=\"a&quot; onerror=&quot;x&amp;&lt;b&gt;%23%25%3F.bmp\" ALIGN=TOP>");
  // The title of a page is text, never markup.
  topic.name = "</TITLE><SCRIPT>";
  EXPECT_NE(HtmlPageText(topic, HtmlPageNames(doc)).find("<TITLE>&lt;/TITLE&gt;&lt;SCRIPT&gt;\r\n"),
            std::string::npos);
}

TEST(HtmlExport, TopicNamesNeverWriteOutsideTheDirectory) {
  TempDirectory root;
  const std::string out = root / "out";
  ASSERT_TRUE(MakeDirectory(out));
  ASSERT_TRUE(WriteFile(root / "evil.htm", "keep"));
  CVeldorDoc doc;
  for (const char* name : {"../evil", "a/b", "", "x\x01y", "C:\\WINDOWS\\win", "a_b", "A_B"}) {
    AddSubject(AddTopic(doc, name), kTypeTexte, std::string("page ") + name);
  }
  // A jump to each topic must reach the page that was written for it.
  CTopic& index = AddTopic(doc, "index");
  for (int i = 0; i + 1 < doc.topicCount(); ++i) {
    AddSubject(index, kTypeJump, "j").target = doc.GetTopic(i)->name;
  }
  RecordingMessages messages;
  ASSERT_TRUE(ExportHtml(doc, out));
  EXPECT_EQ(FileContents(root / "evil.htm"), "keep");
  std::set<std::string> files;
  for (const DirectoryEntry& entry : ListDirectory(out)) files.insert(entry.name);
  EXPECT_EQ(files,
            (std::set<std::string>{"_.htm", ".._evil.htm", "a_b.htm", "x_y.htm",
                                   "C__WINDOWS_win.htm", "a_b_2.htm", "A_B_3.htm", "index.htm"}));
  const HtmlPageNames pages(doc);
  const std::string indexPage = FileContents(out + "/index.htm");
  for (int i = 0; i + 1 < doc.topicCount(); ++i) {
    const std::string file = HtmlPageFileName(pages.PageOfTopic(i));
    EXPECT_TRUE(FileExists(out + "/" + file)) << file;
    EXPECT_NE(indexPage.find("HREF=\"" + file + "\""), std::string::npos) << file;
  }
}

TEST(HtmlExport, AccentedNamesAreUtf8OnDiskAndWindows1252InLinks) {
  CVeldorDoc doc;
  AddSubject(AddTopic(doc, "Caf\xE9"), kTypeTexte, "x");
  AddSubject(AddTopic(doc, "Menu"), kTypeJump, "y").target = "caf\xE9";  // other case
  TempDirectory dir;
  ASSERT_TRUE(ExportHtml(doc, dir.path()));
  EXPECT_TRUE(FileExists(dir / "Caf\xC3\xA9.htm"));
  EXPECT_NE(FileContents(dir / "Menu.htm").find("HREF=\"Caf\xE9.htm\""), std::string::npos);
}

TEST(HtmlExport, FailedPagesAreReportedWithNameAndReason) {
  CVeldorDoc doc;
  AddSubject(AddTopic(doc, "Bloque"), kTypeTexte, "x");
  AddSubject(AddTopic(doc, "Libre"), kTypeTexte, "y");
  TempDirectory dir;
  ASSERT_TRUE(MakeDirectory(dir / "Bloque.htm"));  // a page the system cannot write
  RecordingMessages messages;
  EXPECT_FALSE(ExportHtml(doc, dir.path()));
  EXPECT_TRUE(FileExists(dir / "Libre.htm"));
  ASSERT_EQ(messages.messages.size(), 1u);
  const std::string& text = messages.messages[0].text;
  EXPECT_NE(text.find("Impossible d'écrire le fichier " + dir.path() + "/Bloque.htm : "),
            std::string::npos);
  EXPECT_GT(text.size(), text.find(" : ") + 3);  // the system's reason follows
  EXPECT_EQ(messages.messages[0].icon, MessageIcon::Error);
}

TEST(HtmlExport, MissingDirectoryIsRefusedAndEmptyProjectWritesNothing) {
  CVeldorDoc doc;
  TempDirectory dir;
  RecordingMessages messages;
  EXPECT_TRUE(ExportHtml(doc, dir.path()));
  EXPECT_TRUE(ListDirectory(dir.path()).empty());
  EXPECT_TRUE(messages.progressClosed);
  AddTopic(doc, "T");
  EXPECT_FALSE(ExportHtml(doc, ""));
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_FALSE(ExportHtml(doc, dir / "absent"));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].text.find("absent"), std::string::npos);
  EXPECT_FALSE(PathExists(dir / "absent"));
}

}  // namespace
}  // namespace veldor
