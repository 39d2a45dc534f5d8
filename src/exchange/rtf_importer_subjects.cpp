// What the RTF import makes of a paragraph: text subjects for runs of one
// format, jump subjects for hot spots, image subjects for bitmap
// references (the text after one is its caption), then the paragraph's
// layout on all of them and the paragraph end on the last.
#include <cctype>
#include <cmath>

#include "exchange/rtf_import_names.h"
#include "exchange/rtf_importer.h"
#include "helprtf/help_conventions.h"
#include "helprtf/help_topics.h"
#include "model/subject.h"
#include "model/topic.h"

namespace veldor {

namespace {

using helprtf::CharFormat;
using helprtf::HelpDocument;
using helprtf::HotSpot;
using helprtf::Paragraph;
using helprtf::ParagraphFormat;
using helprtf::PictureRef;
using helprtf::Run;

constexpr const char* kDefaultFaceName = "System";
constexpr int kDefaultPointSize = 12;

// Twips to centimetres in whole hundredths (567 twips give 1 cm); a length
// outside 0 to 20 cm gives 0. Rounding to the nearest hundredth gives back
// the very length the help build wrote as truncated twips; the space
// after a paragraph is truncated instead, because the help build writes it
// 5 twips over.
float TwipsToCm(int twips, bool truncate = false) {
  const double hundredths = twips * 0.17638861940627593;
  const double cm = (truncate ? std::trunc(hundredths) : std::round(hundredths)) * 0.01;
  return (cm < 0.0 || cm > 20.0) ? 0.0f : static_cast<float>(cm);
}

// The characters a run stands for in a subject's text.
std::string RunText(const Run& run) {
  switch (run.kind) {
    case Run::Kind::Text:
      return run.text;
    case Run::Kind::Tab:
      return "\t";
    case Run::Kind::LineBreak:
      return "\r\n";
    case Run::Kind::Picture:
      break;
  }
  return "";
}

// The bitmap file a run refers to; embedded pictures have none.
const PictureRef* FilePicture(const Paragraph& paragraph, const Run& run) {
  if (run.kind != Run::Kind::Picture || run.picture < 0 ||
      run.picture >= static_cast<int>(paragraph.pictures.size())) {
    return nullptr;
  }
  const PictureRef& picture = paragraph.pictures[static_cast<std::size_t>(run.picture)];
  return picture.file.empty() ? nullptr : &picture;
}

std::string FaceName(const std::unordered_map<int, std::string>& faces, int font) {
  const auto found = faces.find(font);
  return found == faces.end() ? kDefaultFaceName : found->second;
}

// 0x00BBGGRR of a colour table entry; the automatic colour and an index
// outside the table give black.
uint32_t ColourOf(const HelpDocument& doc, int index) {
  if (index < 0 || index >= static_cast<int>(doc.colors.size())) return 0;
  const helprtf::HelpColor& c = doc.colors[static_cast<std::size_t>(index)];
  if (c.isAuto) return 0;
  return c.red | (c.green << 8) | (static_cast<uint32_t>(c.blue) << 16);
}

void ApplyCharFormat(CTypeEdit& subject, const HelpDocument& doc,
                     const std::unordered_map<int, std::string>& faces, const CharFormat& format) {
  CTypeFont& style = subject.style;
  style.weight = format.bold ? 700 : 400;
  style.underline = format.underline ? 1 : 0;
  style.italic = format.italic ? 1 : 0;
  style.strikeOut = format.strike ? 1 : 0;
  style.SetFaceName(FaceName(faces, format.font));
  style.width = 0;
  int size = format.halfPoints / 2;
  if (size < 1 || size > 1638) size = kDefaultPointSize;
  style.pointSize = static_cast<uint16_t>(size);
  style.height = static_cast<int32_t>(size * -1.35);
  subject.SetColour(ColourOf(doc, format.color));
  subject.flags = kFlagImported;
}

// The flags of the paragraph's non-scrolling region, keeping, frame and
// borders.
uint16_t LayoutFlags(const ParagraphFormat& format) {
  uint16_t flags = 0;
  if (format.nonScrolling) flags |= kFlagNonScroll;
  if (format.keepTogether) flags |= kFlagKeep;
  if (format.boxed) flags |= kFlagBox;
  if (format.borderBar) flags |= kFlagVerticalBar;
  if (format.borderTop) flags |= kFlagRuleAbove;
  if (format.borderBottom) flags |= kFlagRuleBelow;
  return flags;
}

void ApplyLayout(CTypeEdit& subject, const ParagraphFormat& format) {
  subject.leftMargin = TwipsToCm(format.leftIndentTwips);
  subject.rightMargin = TwipsToCm(format.rightIndentTwips);
  subject.firstIndent = TwipsToCm(format.firstIndentTwips);
  subject.spaceBefore = TwipsToCm(format.spaceBeforeTwips);
  subject.spaceAfter = TwipsToCm(format.spaceAfterTwips, true);
  switch (format.align) {
    case ParagraphFormat::Align::Left:
      subject.alignment = 0;
      break;
    case ParagraphFormat::Align::Right:
      subject.alignment = 1;
      break;
    case ParagraphFormat::Align::Center:
      subject.alignment = 2;
      break;
    case ParagraphFormat::Align::Justify:
      break;  // no such alignment for a subject: it keeps its own
  }
  if (format.thickBorder) {
    subject.border = 1;
  } else if (format.doubleBorder) {
    subject.border = 2;
  }
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// Macro arguments carry doubled backslashes.
std::string UndoubleBackslashes(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') ++i;
  }
  return out;
}

// The macros the help build writes for the actions of jumps and images;
// any other macro leaves the subject without action.
void ApplyMacro(CTypeEdit& subject, std::string_view macro) {
  macro = helprtf::Trim(macro);
  const auto startsWith = [&](std::string_view prefix) {
    return macro.size() >= prefix.size() && EqualsNoCase(macro.substr(0, prefix.size()), prefix);
  };
  subject.action = kActionRien;
  if (EqualsNoCase(macro, "Print()")) {
    subject.action = kActionImprime;
  } else if (EqualsNoCase(macro, "exit()")) {
    subject.action = kActionQuitte;
  } else if (startsWith("ExecProgram(") && macro.back() == ')') {
    subject.action = kActionExecute;
    subject.soundOrCommand = UndoubleBackslashes(macro.substr(12, macro.size() - 13));
  } else if (startsWith("sndPlaySound")) {
    const std::size_t open = macro.find('"');
    const std::size_t close = open == std::string_view::npos ? open : macro.find('"', open + 1);
    if (close != std::string_view::npos) {
      subject.action = kActionSon;
      subject.soundOrCommand = UndoubleBackslashes(macro.substr(open + 1, close - open - 1));
    }
  }
}

void ApplyHotSpot(CTypeEdit& subject, const HotSpot& hot) {
  if (hot.kind == helprtf::HotSpotKind::Macro) {
    ApplyMacro(subject, hot.target);
    return;
  }
  subject.action = hot.kind == helprtf::HotSpotKind::Popup ? kActionPopup : kActionSaut;
  subject.target = KeepContextCharacters(hot.target);
  const std::string window = KeepContextCharacters(hot.window);
  if (!window.empty()) subject.windowName = window;
}

}  // namespace

void RtfImporter::AddParagraph(const HelpDocument& doc, const Paragraph& paragraph, CTopic& topic) {
  const int first = topic.subjectCount();
  const auto add = [&](std::unique_ptr<CTypeEdit> subject) -> CTypeEdit* {
    CTypeEdit* added = subject.get();
    if (topic.AddSubject(std::move(subject)) == 0) {
      ++droppedSubjects_;
      return nullptr;
    }
    return added;
  };
  // An image takes the text that follows it as its caption.
  CTypeEdit* captionFor = nullptr;

  const std::vector<Run>& runs = paragraph.runs;
  for (std::size_t i = 0; i < runs.size();) {
    const Run& run = runs[i];
    if (run.hotSpot >= 0 && run.hotSpot < static_cast<int>(paragraph.hotSpots.size())) {
      // All the runs of one hot spot: one jump, or one image with the
      // hot spot's text after the bitmap as its caption.
      const PictureRef* picture = nullptr;
      std::string text;
      std::size_t end = i;
      for (; end < runs.size() && runs[end].hotSpot == run.hotSpot; ++end) {
        if (picture == nullptr) picture = FilePicture(paragraph, runs[end]);
        text += RunText(runs[end]);
      }
      const HotSpot& hot = paragraph.hotSpots[static_cast<std::size_t>(run.hotSpot)];
      if (picture != nullptr) {
        auto image = CTypeEdit::CreateSubject(kTypeBitMap);
        ApplyCharFormat(*image, doc, faces_, run.format);
        image->title = picture->file;
        image->text = text;
        ApplyHotSpot(*image, hot);
        captionFor = add(std::move(image));
      } else {
        // A jump keeps the formatting of its type.
        auto jump = CTypeEdit::CreateSubject(kTypeJump);
        jump->text = text;
        jump->flags = kFlagImported;
        ApplyHotSpot(*jump, hot);
        add(std::move(jump));
        captionFor = nullptr;
      }
      i = end;
      continue;
    }
    if (run.kind == Run::Kind::Picture) {
      if (const PictureRef* picture = FilePicture(paragraph, run)) {
        auto image = CTypeEdit::CreateSubject(kTypeBitMap);
        ApplyCharFormat(*image, doc, faces_, run.format);
        image->title = picture->file;
        captionFor = add(std::move(image));
      }
      ++i;
      continue;
    }
    // Text, tabs and line breaks in one format.
    std::string text;
    std::size_t end = i;
    for (; end < runs.size() && runs[end].hotSpot < 0 && runs[end].kind != Run::Kind::Picture &&
           runs[end].format == run.format;
         ++end) {
      text += RunText(runs[end]);
    }
    i = end;
    if (captionFor != nullptr && topic.subjectCount() > 0 &&
        topic.GetSubject(topic.subjectCount() - 1) == captionFor) {
      // The blank that separates a caption from its image ("\}}{\v
      // TARGET} Caption") is not part of it; blanks alone wait for more.
      if (helprtf::Trim(text).empty()) continue;
      ApplyCharFormat(*captionFor, doc, faces_, run.format);
      captionFor->text = text[0] == ' ' ? text.substr(1) : text;
      captionFor = nullptr;
      continue;
    }
    auto subject = CTypeEdit::CreateSubject(kTypeTexte);
    ApplyCharFormat(*subject, doc, faces_, run.format);
    subject->text = text;
    add(std::move(subject));
  }

  // Table cells: the cells of a row share one paragraph, separated by tabs.
  const int count = topic.subjectCount();
  const bool cellGoesOn = paragraph.endsCell && !paragraph.endsRow;
  if (!cellTabs_.empty() && count > first) {
    CTypeEdit& start = *topic.GetSubject(first);
    start.text = cellTabs_ + start.text;
    cellTabs_.clear();
  }
  if (cellGoesOn) {
    CTypeEdit* last = count > 0 ? topic.GetSubject(count - 1) : nullptr;
    if (last != nullptr && (count > first || (last->flags & kFlagParagraphEnd) == 0)) {
      last->text += '\t';
    } else {
      cellTabs_ += '\t';
    }
  } else if (paragraph.endsRow) {
    cellTabs_.clear();
  }

  const uint16_t layoutFlags = LayoutFlags(paragraph.format);
  for (int k = first; k < count; ++k) {
    CTypeEdit& subject = *topic.GetSubject(k);
    ApplyLayout(subject, paragraph.format);
    subject.flags = kFlagImported | layoutFlags;
  }
  if (count > first && !cellGoesOn) {
    topic.GetSubject(count - 1)->flags = kFlagParagraphEnd | layoutFlags;
  }
}

}  // namespace veldor
