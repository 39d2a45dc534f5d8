#include "exchange/html_writer.h"

#include <cstdio>

#include "exchange/html_page_names.h"
#include "exchange/html_text.h"
#include "exchange/line_ends.h"
#include "model/subject.h"
#include "model/topic.h"

namespace veldor {

namespace {

// The href of a link to the page of topic `target`.
std::string PageLink(const std::string& target, const HtmlPageNames& pages) {
  return HtmlUrlAttribute(PathToUrl(pages.PageOfTarget(target)) + ".htm");
}

void WriteBitmapHtml(const CTypeEdit& subject, std::string& paragraph, const HtmlPageNames& pages) {
  const bool linked = subject.action == kActionSaut;
  if (linked) paragraph += "<A HREF=\"" + PageLink(subject.target, pages) + "\">";
  paragraph += "<IMG SRC=\"" + HtmlUrlAttribute(PathToUrl(subject.title)) + "\" ALIGN=TOP>";
  if (linked) paragraph += "</A>";
  if (!subject.GetText().empty()) paragraph += HtmlFontElement(subject);
}

void WriteJumpHtml(const CTypeEdit& subject, std::string& paragraph, const HtmlPageNames& pages) {
  paragraph += "<A HREF=\"" + PageLink(subject.target, pages) + "\">";
  paragraph += HtmlFontElement(subject);
  paragraph += "</A>";
}

void WriteParagraph(std::string& page, const std::string& paragraph, const char* align) {
  page += "\n<P";
  page += align;
  page += ">\n";
  page += paragraph;
  page += "\n</P>\n";
}

const char* AlignAttribute(uint16_t alignment) {
  if (alignment == 1) return " ALIGN=RIGHT";
  if (alignment == 2) return " ALIGN=CENTER";
  return "";
}

}  // namespace

int HtmlFontSize(int height) {
  int size = static_cast<int>(height * -0.7751937984496123);
  if (size >= 48) size = 48;
  if (size <= 6) size = 6;
  return size / 6;
}

std::string HtmlFontElement(const CTypeEdit& subject) {
  const CTypeFont& style = subject.style;
  const bool bold = style.weight == 700;
  std::string out;
  if (bold) out += "<B>";
  if (style.italic) out += "<I>";
  if (style.underline) out += "<U>";
  char font[64];
  std::snprintf(font, sizeof font, "<FONT SIZE=%d COLOR=\"#%02x%02x%02x\">",
                HtmlFontSize(style.height), subject.colour & 0xFF, (subject.colour >> 8) & 0xFF,
                (subject.colour >> 16) & 0xFF);
  out += font;
  out += HtmlEscape(subject.text);
  out += "</FONT>";
  if (style.underline) out += "</U>";
  if (style.italic) out += "</I>";
  if (bold) out += "</B>";
  return out;
}

void WriteHtml(const CTypeEdit& subject, std::string& paragraph, const HtmlPageNames& pages) {
  switch (subject.typeCode) {
    case kTypeBitMap:
      WriteBitmapHtml(subject, paragraph, pages);
      break;
    case kTypeJump:
      WriteJumpHtml(subject, paragraph, pages);
      break;
    default:
      paragraph += HtmlFontElement(subject);
      break;
  }
}

std::string HtmlPageText(const CTopic& topic, const HtmlPageNames& pages) {
  std::string page = "<HTML>\n<HEAD>\n<TITLE>";
  page += HtmlMarkupEscape(topic.name);
  page += "\n</TITLE>\n</HEAD>\n<BODY>\n";
  std::string paragraph;
  for (int i = 0; i < topic.subjectCount(); ++i) {
    const CTypeEdit& subject = *topic.GetSubject(i);
    WriteHtml(subject, paragraph, pages);
    if (subject.flags & kFlagParagraphEnd) {
      WriteParagraph(page, paragraph, AlignAttribute(subject.alignment));
      paragraph.clear();
    }
  }
  if (!paragraph.empty()) WriteParagraph(page, paragraph, "");
  page += "</BODY>\n</HTML>\n";
  return WithCrLf(page);
}

}  // namespace veldor
