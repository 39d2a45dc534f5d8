#include <gtest/gtest.h>

#include <set>

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

// The topic of the worked page: a centred bold title, a linked bitmap
// without paragraph end and a blue jump that ends the paragraph.
void FillWorkedTopic(CTopic& topic) {
  CTypeEdit& title = AddSubject(topic, kTypeTitre, "Bienvenue");
  title.style.weight = 700;
  title.style.height = -24;
  title.SetColour(0x000000);
  title.flags = kFlagParagraphEnd;
  title.alignment = 2;
  CTypeEdit& image = AddSubject(topic, kTypeBitMap, "BitMap");
  image.title = "D:\\IMG\\A.BMP";
  image.action = kActionSaut;
  image.target = "Suite";
  image.flags = 0;
  CTypeEdit& jump = AddSubject(topic, kTypeJump, "Suite");
  jump.target = "Suite";
  jump.style.weight = 400;
  jump.style.height = -13;
  jump.style.underline = 0;
  jump.SetColour(0xFF0000);
  jump.flags = kFlagParagraphEnd;
  jump.alignment = 0;
}

TEST(HtmlExport, WorkedPageIsWrittenByteForByte) {
  CVeldorDoc doc;
  FillWorkedTopic(AddTopic(doc, "Intro"));
  TempDirectory dir;
  RecordingMessages messages;
  ASSERT_TRUE(ExportHtml(doc, dir.path()));
  EXPECT_EQ(FileContents(dir / "Intro.htm"), FileContents(TestDataPath("exchange/Intro.htm")));
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

TEST(HtmlExport, FontSizeFollowsTheHeightBands) {
  const std::pair<int, int> bands[] = {{100, 1}, {0, 1},   {-15, 1}, {-16, 2}, {-23, 2}, {-24, 3},
                                       {-30, 3}, {-31, 4}, {-38, 4}, {-39, 5}, {-46, 5}, {-47, 6},
                                       {-54, 6}, {-55, 7}, {-61, 7}, {-62, 8}, {-100, 8}};
  for (const auto& [height, size] : bands) EXPECT_EQ(HtmlFontSize(height), size) << height;
}

TEST(HtmlExport, FontElementTagsAndColour) {
  auto subject = testing::Subject(kTypeTexte, "x");
  subject->style.height = -13;
  subject->SetColour(0x008080);  // red 0x80, green 0x80
  for (int weight : {600, 800}) {
    subject->style.weight = weight;
    EXPECT_EQ(HtmlFontElement(*subject), "<FONT SIZE=1 COLOR=\"#808000\">x</FONT>");
  }
  subject->style.weight = 700;
  subject->style.italic = 1;
  subject->style.underline = 1;
  EXPECT_EQ(HtmlFontElement(*subject),
            "<B><I><U><FONT SIZE=1 COLOR=\"#808000\">x</FONT></U></I></B>");
  // The font element writes the raw text, even a type's default name.
  subject->text = "Texte";
  EXPECT_NE(HtmlFontElement(*subject).find(">Texte<"), std::string::npos);
}

TEST(HtmlExport, ParagraphsEndWithTheSubjectThatHasTheFlag) {
  CVeldorDoc doc;
  CTopic& topic = AddTopic(doc, "P");
  CTypeEdit& a = AddSubject(topic, kTypeTexte, "a");
  a.flags = 0;
  a.alignment = 2;
  CTypeEdit& b = AddSubject(topic, kTypeTexte, "b");
  b.flags = kFlagParagraphEnd;
  b.alignment = 1;
  CTypeEdit& c = AddSubject(topic, kTypeTexte, "c");
  c.flags = 0;
  c.alignment = 2;
  const HtmlPageNames pages(doc);
  const std::string page = HtmlPageText(topic, pages);
  const std::string font = "<FONT SIZE=1 COLOR=\"#000000\">";
  EXPECT_NE(
      page.find("\r\n<P ALIGN=RIGHT>\r\n" + font + "a</FONT>" + font + "b</FONT>\r\n</P>\r\n"),
      std::string::npos);
  // The last subject without paragraph end still gets a plain paragraph.
  EXPECT_NE(page.find("\r\n<P>\r\n" + font + "c</FONT>\r\n</P>\r\n</BODY>"), std::string::npos);
}

TEST(HtmlExport, ImagesLinkOnlyForSautAndShowOnlyRealCaptions) {
  CVeldorDoc doc;
  CTopic& topic = AddTopic(doc, "T");
  const HtmlPageNames pages(doc);
  CTypeEdit& image = AddSubject(topic, kTypeBitMap, "BitMap");
  image.title = "IMAGES\\LOGO.BMP";
  image.target = "T";
  image.action = kActionPopup;
  std::string html;
  WriteHtml(image, html, pages);
  EXPECT_EQ(html, "<IMG SRC=\"IMAGES/LOGO.BMP\" ALIGN=TOP>");
  image.text.clear();
  html.clear();
  WriteHtml(image, html, pages);
  EXPECT_EQ(html, "<IMG SRC=\"IMAGES/LOGO.BMP\" ALIGN=TOP>");
  image.text = "Logo";
  image.action = kActionSaut;
  html.clear();
  WriteHtml(image, html, pages);
  EXPECT_EQ(html,
            "<A HREF=\"T.htm\"><IMG SRC=\"IMAGES/LOGO.BMP\" ALIGN=TOP></A>"
            "<FONT SIZE=1 COLOR=\"#000000\">Logo</FONT>");
  // A jump links whatever its action.
  CTypeEdit& jump = AddSubject(topic, kTypeJump, "j");
  jump.action = kActionExecute;
  jump.target = "T";
  html.clear();
  WriteHtml(jump, html, pages);
  EXPECT_EQ(html.rfind("<A HREF=\"T.htm\">", 0), 0u);
}

TEST(HtmlExport, PathToUrl) {
  EXPECT_EQ(PathToUrl("D:\\IMAGES\\LOGO.BMP"), "/D|/IMAGES/LOGO.BMP");
  EXPECT_EQ(PathToUrl("IMAGES\\LOGO.BMP"), "IMAGES/LOGO.BMP");
  EXPECT_EQ(PathToUrl("D:X"), "/D|X");
  EXPECT_EQ(PathToUrl("AB:C:D"), "AB|C:D");
  EXPECT_EQ(PathToUrl("Intro"), "Intro");
}

TEST(HtmlExport, AttributeValuesCannotEndTheirQuotes) {
  CVeldorDoc doc;
  CTopic& topic = AddTopic(doc, "T");
  CTypeEdit& image = AddSubject(topic, kTypeBitMap, "");
  image.title = "a\" onerror=\"x&<b>#%?.bmp";
  std::string html;
  WriteHtml(image, html, HtmlPageNames(doc));
  EXPECT_EQ(html, "<IMG SRC=\"a&quot; onerror=&quot;x&amp;&lt;b&gt;%23%25%3F.bmp\" ALIGN=TOP>");
  // The title of a page is text, never markup.
  topic.name = "</TITLE><SCRIPT>";
  const std::string page = HtmlPageText(topic, HtmlPageNames(doc));
  EXPECT_NE(page.find("<TITLE>&lt;/TITLE&gt;&lt;SCRIPT&gt;\r\n"), std::string::npos);
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

TEST(HtmlExport, LineEndsOfTextsBecomeCrLfToo) {
  CVeldorDoc doc;
  CTopic& topic = AddTopic(doc, "T");
  AddSubject(topic, kTypeTexte, "a\r\nb");
  const std::string page = HtmlPageText(topic, HtmlPageNames(doc));
  EXPECT_NE(page.find(">a\r\r\n<BR>b<"), std::string::npos);
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

TEST(HtmlExport, MissingOrEmptyDirectory) {
  CVeldorDoc doc;
  AddTopic(doc, "T");
  RecordingMessages messages;
  EXPECT_FALSE(ExportHtml(doc, ""));
  EXPECT_TRUE(messages.messages.empty());
  TempDirectory dir;
  EXPECT_FALSE(ExportHtml(doc, dir / "absent"));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].text.find("absent"), std::string::npos);
  EXPECT_FALSE(PathExists(dir / "absent"));
}

TEST(HtmlExport, EmptyProjectWritesNothing) {
  CVeldorDoc doc;
  TempDirectory dir;
  RecordingMessages messages;
  EXPECT_TRUE(ExportHtml(doc, dir.path()));
  EXPECT_TRUE(ListDirectory(dir.path()).empty());
  EXPECT_TRUE(messages.progressClosed);
}

}  // namespace
}  // namespace veldor
