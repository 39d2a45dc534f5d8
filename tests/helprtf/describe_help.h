// A help document on a few lines, for tests that compare what the reader
// made of a piece of RTF with what a help author expects:
//   topic #CTX $Title K:a;b            (footnotes)
//   | qc li567 keepn: b"Bold" jump(IDH_X)"hot" pic(c:a.bmp) \t \n
// A run shows its format flags (b i u s k) and font, size and colour
// when they differ from the defaults.
#pragma once

#include <string>

#include "helprtf/help_topics.h"

namespace veldor::helprtf::testing {

inline std::string Join(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += (out.empty() ? "" : ";") + item;
  return out;
}

inline std::string DescribeFormat(const CharFormat& f) {
  std::string out;
  if (f.bold) out += 'b';
  if (f.italic) out += 'i';
  if (f.underline) out += 'u';
  if (f.strike) out += 's';
  if (f.smallCaps) out += 'k';
  if (f.font != 0) out += "f" + std::to_string(f.font);
  if (f.halfPoints != 24) out += "fs" + std::to_string(f.halfPoints);
  if (f.color != 0) out += "cf" + std::to_string(f.color);
  return out.empty() ? out : out + ":";
}

inline std::string DescribeHotSpot(const HotSpot& h) {
  std::string out = h.kind == HotSpotKind::Jump    ? "jump("
                    : h.kind == HotSpotKind::Popup ? "popup("
                                                   : "macro(";
  if (h.noUnderline) out += '%';
  if (h.noColor) out += '*';
  out += h.target;
  if (!h.window.empty()) out += ">" + h.window;
  if (!h.file.empty()) out += "@" + h.file;
  return out + ")";
}

inline std::string DescribeParagraph(const Paragraph& p) {
  const ParagraphFormat& f = p.format;
  std::string out = "|";
  const auto flag = [&](bool on, const std::string& name) {
    if (on) out += " " + name;
  };
  flag(f.align == ParagraphFormat::Align::Center, "qc");
  flag(f.align == ParagraphFormat::Align::Right, "qr");
  flag(f.align == ParagraphFormat::Align::Justify, "qj");
  flag(f.leftIndentTwips != 0, "li" + std::to_string(f.leftIndentTwips));
  flag(f.rightIndentTwips != 0, "ri" + std::to_string(f.rightIndentTwips));
  flag(f.firstIndentTwips != 0, "fi" + std::to_string(f.firstIndentTwips));
  flag(f.spaceBeforeTwips != 0, "sb" + std::to_string(f.spaceBeforeTwips));
  flag(f.spaceAfterTwips != 0, "sa" + std::to_string(f.spaceAfterTwips));
  flag(f.keepTogether, "keep");
  flag(f.nonScrolling, "keepn");
  flag(f.boxed, "box");
  flag(f.borderTop, "brdrt");
  flag(f.borderBottom, "brdrb");
  flag(f.borderBar, "brdrbar");
  flag(f.thickBorder, "thick");
  flag(f.doubleBorder, "double");
  for (const TabStop& t : f.tabs) {
    const char* align[] = {"", "r", "c", "d"};
    out += " tab" + std::string(align[static_cast<int>(t.align)]) + std::to_string(t.positionTwips);
  }
  flag(f.inTable, "intbl");
  flag(p.endsCell, "cell");
  flag(p.endsRow, "row");
  out += out == "|" ? " :" : ":";
  int hot = -1;
  for (const Run& r : p.runs) {
    if (r.hotSpot != hot && r.hotSpot >= 0) {
      out += " " + DescribeHotSpot(p.hotSpots[static_cast<size_t>(r.hotSpot)]) + "[";
    } else {
      out += " ";
    }
    hot = r.hotSpot;
    out += DescribeFormat(r.format);
    switch (r.kind) {
      case Run::Kind::Text:
        out += "\"" + r.text + "\"";
        break;
      case Run::Kind::Tab:
        out += "\\t";
        break;
      case Run::Kind::LineBreak:
        out += "\\n";
        break;
      case Run::Kind::Picture: {
        const PictureRef& pic = p.pictures[static_cast<size_t>(r.picture)];
        const char* place[] = {"c", "l", "r"};
        out += "pic(" + std::string(place[static_cast<int>(pic.placement)]) +
               (pic.transparent ? "t" : "") + ":" +
               (pic.file.empty() ? pic.embeddedKind + "/" + std::to_string(pic.embedded.size())
                                 : pic.file) +
               ")";
        break;
      }
    }
    if (r.hotSpot >= 0 && (&r == &p.runs.back() || (&r + 1)->hotSpot != r.hotSpot)) out += "]";
  }
  return out;
}

inline std::string DescribeTopic(const Topic& t) {
  std::string out = "topic";
  for (const std::string& c : t.contextStrings) out += " #" + c;
  if (!t.title.empty()) out += " $" + t.title;
  if (!t.keywords.empty()) out += " K:" + Join(t.keywords);
  if (!t.aKeywords.empty()) out += " A:" + Join(t.aKeywords);
  if (!t.browseSequence.empty()) out += " +" + t.browseSequence;
  if (!t.buildTags.empty()) out += " *:" + Join(t.buildTags);
  for (const std::string& m : t.entryMacros) out += " !" + m;
  if (!t.window.empty()) out += " >" + t.window;
  out += "\n";
  for (const Paragraph& p : t.paragraphs) out += DescribeParagraph(p) + "\n";
  return out;
}

inline std::string Describe(const HelpDocument& doc) {
  std::string out;
  for (const Topic& t : doc.topics) out += DescribeTopic(t);
  return out;
}

}  // namespace veldor::helprtf::testing
