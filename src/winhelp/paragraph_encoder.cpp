#include "winhelp/paragraph_encoder.h"

#include <algorithm>

#include "winhelp/context_hash.h"
#include "winhelp/hlp_limits.h"

namespace veldor::winhelp {

namespace {

using helprtf::HotSpot;
using helprtf::HotSpotKind;
using helprtf::Paragraph;
using helprtf::ParagraphFormat;

// Paragraph metrics are kept in half points; RTF gives twips.
int16_t HalfPoints(int twips) {
  return static_cast<int16_t>(std::clamp(twips / 10, -16384, 16383));
}

// Formatting commands.
constexpr uint8_t kFontChange = 0x80;
constexpr uint8_t kLineBreak = 0x81;
constexpr uint8_t kParagraphEnd = 0x82;
constexpr uint8_t kTab = 0x83;
constexpr uint8_t kPictureCharacter = 0x86;
constexpr uint8_t kPictureLeft = 0x87;
constexpr uint8_t kPictureRight = 0x88;
constexpr uint8_t kHotSpotEnd = 0x89;
constexpr uint8_t kFormattingEnd = 0xFF;

void WriteAttributes(const ParagraphFormat& format, ByteWriter& out) {
  uint16_t bits = 0;
  if (format.spaceBeforeTwips != 0) bits |= 0x0002;
  if (format.spaceAfterTwips != 0) bits |= 0x0004;
  if (format.lineSpacingTwips != 0) bits |= 0x0008;
  if (format.leftIndentTwips != 0) bits |= 0x0010;
  if (format.rightIndentTwips != 0) bits |= 0x0020;
  if (format.firstIndentTwips != 0) bits |= 0x0040;
  const bool border = format.boxed || format.borderTop || format.borderBottom ||
                      format.borderLeft || format.borderRight;
  if (border) bits |= 0x0100;
  if (!format.tabs.empty()) bits |= 0x0200;
  if (format.align == ParagraphFormat::Align::Right) bits |= 0x0400;
  if (format.align == ParagraphFormat::Align::Center) bits |= 0x0800;
  if (format.keepTogether) bits |= 0x1000;
  out.U16(bits);
  if (bits & 0x0002) out.CompressedShort(HalfPoints(format.spaceBeforeTwips));
  if (bits & 0x0004) out.CompressedShort(HalfPoints(format.spaceAfterTwips));
  if (bits & 0x0008) out.CompressedShort(HalfPoints(format.lineSpacingTwips));
  if (bits & 0x0010) out.CompressedShort(HalfPoints(format.leftIndentTwips));
  if (bits & 0x0020) out.CompressedShort(HalfPoints(format.rightIndentTwips));
  if (bits & 0x0040) out.CompressedShort(HalfPoints(format.firstIndentTwips));
  if (border) {
    uint8_t flags = 0;
    if (format.boxed) flags |= 0x01;
    if (format.borderTop) flags |= 0x02;
    if (format.borderLeft) flags |= 0x04;
    if (format.borderBottom) flags |= 0x08;
    if (format.borderRight) flags |= 0x10;
    if (format.thickBorder) flags |= 0x20;
    if (format.doubleBorder) flags |= 0x40;
    out.U8(flags);
    out.I16(0);
  }
  if (!format.tabs.empty()) {
    out.CompressedShort(static_cast<int16_t>(std::min<size_t>(format.tabs.size(), 32)));
    for (size_t i = 0; i < format.tabs.size() && i < 32; ++i) {
      const auto& tab = format.tabs[i];
      const auto position = static_cast<uint16_t>(std::clamp(tab.positionTwips / 10, 0, 0x3FFF));
      uint16_t type = 0;
      if (tab.align == helprtf::TabStop::Align::Right) type = 1;
      if (tab.align == helprtf::TabStop::Align::Center) type = 2;
      out.CompressedUShort(type != 0 ? static_cast<uint16_t>(position | 0x4000) : position);
      if (type != 0) out.CompressedUShort(type);
    }
  }
}

class Encoder {
 public:
  Encoder(const Paragraph& paragraph, const helprtf::HelpDocument& document,
          ParagraphServices& services)
      : paragraph_(&paragraph), document_(document), services_(services) {
    Start();
  }

  std::vector<EncodedParagraph> Encode() {
    WriteRuns(true);
    Finish();
    return std::move(done_);
  }

  // One cell of a table row: its paragraphs, each closed by a paragraph
  // end, under the attributes of the first; never split.
  void EncodeCell(const std::vector<const Paragraph*>& paragraphs, ByteWriter& formatting,
                  ByteWriter& text, uint32_t& hotSpots) {
    for (const Paragraph* paragraph : paragraphs) {
      paragraph_ = paragraph;
      WriteRuns(false);
      Command({kParagraphEnd});
    }
    FlushText();
    data1_.U8(kFormattingEnd);
    formatting.Append(attributes_.bytes());
    formatting.Append(data1_.bytes());
    text.Append(data2_.bytes());
    hotSpots += hotSpots_;
  }

 private:
  void WriteRuns(bool splittable) {
    const Paragraph& paragraph = *paragraph_;
    int openHotSpot = -1;
    for (const helprtf::Run& run : paragraph.runs) {
      if (run.hotSpot != openHotSpot) {
        if (openHotSpot >= 0) Command({kHotSpotEnd});
        openHotSpot = -1;
        if (run.hotSpot >= 0 && run.hotSpot < static_cast<int>(paragraph.hotSpots.size())) {
          if (splittable && Full()) Split();
          StartHotSpot(paragraph.hotSpots[run.hotSpot]);
          openHotSpot = run.hotSpot;
        }
      }
      helprtf::CharFormat format = run.format;
      if (openHotSpot >= 0) {
        const HotSpot& hotSpot = paragraph.hotSpots[openHotSpot];
        if (hotSpot.noColor && !hotSpot.noUnderline) format.underline = true;
      }
      switch (run.kind) {
        case helprtf::Run::Kind::Text:
          SetFont(format);
          AddText(run.text, splittable && openHotSpot < 0);
          break;
        case helprtf::Run::Kind::Tab:
          Command({kTab});
          break;
        case helprtf::Run::Kind::LineBreak:
          Command({kLineBreak});
          break;
        case helprtf::Run::Kind::Picture:
          AddPicture(run);
          break;
      }
    }
    if (openHotSpot >= 0) Command({kHotSpotEnd});
  }

  bool Full() const { return data1_.size() + data2_.size() > kMaxParagraphBytes; }

  void Start() {
    data1_ = ByteWriter();
    data2_ = ByteWriter();
    text_.clear();
    hotSpots_ = 0;
    font_ = -1;
    WriteAttributes(paragraph_->format, attributes_);
  }

  void Command(std::initializer_list<uint8_t> bytes) {
    FlushText();
    for (const uint8_t b : bytes) data1_.U8(b);
  }
  void FlushText() {
    data2_.StringZ(text_);
    text_.clear();
  }

  void SetFont(const helprtf::CharFormat& format) {
    const uint16_t number = services_.fonts->Descriptor(DescriptorOf(format, document_));
    if (number == font_) return;
    FlushText();
    data1_.U8(kFontChange);
    data1_.U16(number);
    font_ = number;
  }

  void AddText(const std::string& text, bool splittable) {
    size_t start = 0;
    while (start < text.size()) {
      if (splittable && Full()) {
        const int font = font_;
        Split();
        font_ = -1;
        if (font >= 0) {
          FlushText();
          data1_.U8(kFontChange);
          data1_.U16(static_cast<uint16_t>(font));
          font_ = font;
        }
      }
      const size_t piece = std::min<size_t>(text.size() - start, 2048);
      for (size_t i = start; i < start + piece; ++i) {
        if (text[i] != '\0') text_.push_back(text[i]);
      }
      start += piece;
    }
  }

  void StartHotSpot(const HotSpot& hotSpot) {
    if (services_.onHotSpot) services_.onHotSpot(hotSpot);
    FlushText();
    if (hotSpot.kind == HotSpotKind::Macro) {
      data1_.U8(hotSpot.noUnderline ? 0xCC : 0xC8);
      data1_.I16(static_cast<int16_t>(std::min(hotSpot.target.size(), kMaxMacroLength) + 1));
      data1_.StringZ(hotSpot.target.substr(0, kMaxMacroLength));
      return;
    }
    const bool popup = hotSpot.kind == HotSpotKind::Popup;
    const bool plain = hotSpot.noColor || hotSpot.noUnderline;
    const std::string context =
        services_.resolveContext ? services_.resolveContext(hotSpot.target) : hotSpot.target;
    const auto hash = static_cast<uint32_t>(ContextHash(context));
    const int window = hotSpot.window.empty() || !services_.windowNumber
                           ? -1
                           : services_.windowNumber(hotSpot.window);
    if (hotSpot.file.empty() && window < 0) {
      data1_.U8(popup ? (plain ? 0xE6 : 0xE2) : (plain ? 0xE7 : 0xE3));
      data1_.U32(hash);
      return;
    }
    ByteWriter target;
    if (!hotSpot.file.empty()) {
      target.U8(hotSpot.window.empty() ? 4 : 6);
      target.U32(hash);
      if (!hotSpot.window.empty()) target.StringZ(hotSpot.window);
      target.StringZ(hotSpot.file);
    } else {
      target.U8(1);
      target.U32(hash);
      target.U8(static_cast<uint8_t>(window));
    }
    data1_.U8(popup ? (plain ? 0xEE : 0xEA) : (plain ? 0xEF : 0xEB));
    data1_.I16(static_cast<int16_t>(target.size()));
    data1_.Append(target.bytes());
  }

  void AddPicture(const helprtf::Run& run) {
    if (run.picture < 0 || run.picture >= static_cast<int>(paragraph_->pictures.size())) return;
    const helprtf::PictureRef& picture = paragraph_->pictures[run.picture];
    int hotSpots = 0;
    const int number = services_.pictureNumber ? services_.pictureNumber(picture, hotSpots) : -1;
    if (number < 0) return;
    uint8_t command = kPictureCharacter;
    if (picture.placement == helprtf::PictureRef::Placement::Left) command = kPictureLeft;
    if (picture.placement == helprtf::PictureRef::Placement::Right) command = kPictureRight;
    FlushText();
    data1_.U8(command);
    data1_.U8(0x22);
    data1_.CompressedLong(4);
    data1_.CompressedUShort(static_cast<uint16_t>(hotSpots));
    data1_.I16(0);
    data1_.I16(static_cast<int16_t>(number));
    hotSpots_ += static_cast<uint32_t>(hotSpots);
  }

  // Closes the current record (as a paragraph of its own) and starts the next.
  void Split() {
    Command({kParagraphEnd});
    Close();
    data1_ = ByteWriter();
    data2_ = ByteWriter();
    hotSpots_ = 0;
    font_ = -1;
  }

  void Finish() {
    Command({kParagraphEnd});
    Close();
  }

  void Close() {
    FlushText();
    data1_.U8(kFormattingEnd);
    EncodedParagraph encoded;
    encoded.characters = static_cast<uint32_t>(data2_.size()) + hotSpots_;
    ByteWriter head;
    head.CompressedLong(static_cast<int32_t>(encoded.characters));
    head.CompressedUShort(static_cast<uint16_t>(std::min<uint32_t>(encoded.characters, 0x7FFF)));
    head.U8(0);
    head.U8(0x80);
    head.U16(0);
    head.Append(attributes_.bytes());
    head.Append(data1_.bytes());
    encoded.linkData1 = std::move(head.bytes());
    encoded.linkData2 = std::move(data2_.bytes());
    done_.push_back(std::move(encoded));
  }

  const Paragraph* paragraph_;
  const helprtf::HelpDocument& document_;
  ParagraphServices& services_;
  ByteWriter attributes_, data1_, data2_;
  std::string text_;
  uint32_t hotSpots_ = 0;
  int font_ = -1;
  std::vector<EncodedParagraph> done_;
};

}  // namespace

FontDescriptor DescriptorOf(const helprtf::CharFormat& format,
                            const helprtf::HelpDocument& document) {
  FontDescriptor font;
  const helprtf::HelpFont* face = nullptr;
  for (const helprtf::HelpFont& candidate : document.fonts) {
    if (candidate.number == format.font) {
      face = &candidate;
      break;
    }
  }
  if (face == nullptr && format.font >= 0 &&
      format.font < static_cast<int>(document.fonts.size())) {
    face = &document.fonts[format.font];
  }
  font.face = face != nullptr && !face->name.empty() ? face->name : "Arial";
  font.family = FontFamilyCode(face != nullptr ? face->family : "swiss");
  font.halfPoints = static_cast<uint8_t>(std::clamp(format.halfPoints, 2, 255));
  font.bold = format.bold;
  font.italic = format.italic;
  font.underline = format.underline;
  font.strike = format.strike;
  font.smallCaps = format.smallCaps;
  if (format.color > 0 && format.color < static_cast<int>(document.colors.size()) &&
      !document.colors[format.color].isAuto) {
    const helprtf::HelpColor& color = document.colors[format.color];
    font.red = color.red;
    font.green = color.green;
    font.blue = color.blue;
  }
  return font;
}

EncodedParagraph EncodeTableRow(const std::vector<std::vector<const helprtf::Paragraph*>>& rowCells,
                                const helprtf::HelpDocument& document,
                                ParagraphServices& services) {
  // A row wider than the format allows keeps its extra cells in its last one.
  std::vector<std::vector<const helprtf::Paragraph*>> cells = rowCells;
  while (cells.size() > kMaxTableColumns) {
    auto& previous = cells[cells.size() - 2];
    previous.insert(previous.end(), cells.back().begin(), cells.back().end());
    cells.pop_back();
  }
  // Column layout from the row definition: the left edge, then each cell's
  // gap and width, in half points.
  const helprtf::Paragraph& last = *cells.back().back();
  const auto twips = [](int64_t value) { return std::clamp<int64_t>(value, -163840, 163830); };
  const int count = static_cast<int>(cells.size());
  ByteWriter layout;
  layout.U8(static_cast<uint8_t>(count));
  layout.U8(1);  // fixed column widths
  const int64_t gapTwips = twips(last.cellGapTwips) * 2;
  int64_t left = twips(last.rowLeftTwips);
  for (int c = 0; c < count; ++c) {
    int64_t right = c < static_cast<int>(last.cellEdgesTwips.size()) ? twips(last.cellEdgesTwips[c])
                                                                     : left + 1440;
    if (right <= left) right = left + 1440;
    const int64_t gap = c == 0 ? twips(last.rowLeftTwips) : gapTwips;
    const int64_t width = std::max<int64_t>(right - left - (c == 0 ? 0 : gapTwips), 10);
    layout.I16(HalfPoints(static_cast<int>(twips(gap))));
    layout.I16(HalfPoints(static_cast<int>(twips(width))));
    left = right;
  }
  ByteWriter formatting, text;
  uint32_t hotSpots = 0;
  for (int c = 0; c < count; ++c) {
    formatting.I16(static_cast<int16_t>(c));
    formatting.I16(0);
    formatting.U8(0);
    formatting.U8(0);
    formatting.U8(0x80);
    formatting.U16(0);
    Encoder(*cells[c].front(), document, services).EncodeCell(cells[c], formatting, text, hotSpots);
  }
  formatting.I16(-1);
  EncodedParagraph encoded;
  encoded.characters = static_cast<uint32_t>(text.size()) + hotSpots;
  ByteWriter head;
  head.CompressedLong(static_cast<int32_t>(encoded.characters));
  head.CompressedUShort(static_cast<uint16_t>(std::min<uint32_t>(encoded.characters, 0x7FFF)));
  head.Append(layout.bytes());
  head.Append(formatting.bytes());
  encoded.linkData1 = std::move(head.bytes());
  encoded.linkData2 = std::move(text.bytes());
  return encoded;
}

std::vector<EncodedParagraph> EncodeParagraph(const helprtf::Paragraph& paragraph,
                                              const helprtf::HelpDocument& document,
                                              ParagraphServices& services) {
  return Encoder(paragraph, document, services).Encode();
}

}  // namespace veldor::winhelp
