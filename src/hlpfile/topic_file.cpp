#include "hlpfile/topic_file.h"

#include <memory>

#include "hlpfile/hlp_limits.h"
#include "hlpfile/lz77.h"
#include "platform/codepage.h"

namespace veldor::hlp {

namespace {

constexpr std::size_t kBlockHeaderSize = 12;
constexpr std::size_t kLinkHeaderSize = 21;
constexpr uint32_t kNoPosition = 0xFFFFFFFF;
constexpr uint32_t kOffsetBlockFactor = 0x8000;

enum RecordType : uint8_t { kTopicHeader = 0x02, kDisplay = 0x20, kTable = 0x23 };

// Paragraph information bits.
enum : uint16_t {
  kUnknownFollows = 0x0001,
  kSpaceAbove = 0x0002,
  kSpaceBelow = 0x0004,
  kLineSpacing = 0x0008,
  kLeftIndent = 0x0010,
  kRightIndent = 0x0020,
  kFirstIndent = 0x0040,
  kBorder = 0x0100,
  kTabs = 0x0200,
  kRightAlign = 0x0400,
  kCenterAlign = 0x0800,
  kKeep = 0x1000,
};

// The decompressed topic blocks laid end to end: a record that crosses a
// block boundary continues in the next block's data.
class TopicBuffer {
 public:
  TopicBuffer(Bytes topic, const SystemInfo& system) {
    const std::size_t blockSize = system.topicBlockSize;
    const std::size_t blocks = (topic.size + blockSize - 1) / blockSize;
    for (std::size_t b = 0; b < blocks; ++b) {
      const std::size_t start = b * blockSize;
      const std::size_t end = std::min(topic.size, start + blockSize);
      if (end - start < kBlockHeaderSize) break;
      const Bytes data =
          topic.Sub(start + kBlockHeaderSize, end - start - kBlockHeaderSize, "|TOPIC");
      starts_.push_back(buffer_.size());
      if (system.compressed) {
        ExpandLz77(data, kTopicBlockDecompressedSize, buffer_);
      } else {
        buffer_.append(reinterpret_cast<const char*>(data.data), data.size);
      }
      lengths_.push_back(buffer_.size() - starts_.back());
    }
  }

  // The bytes from topic position `pos` to the end of the data.
  Bytes At(uint32_t pos) const {
    if (pos < kBlockHeaderSize) Fail("Position de rubrique invalide.");
    const std::size_t block = (pos - kBlockHeaderSize) / kTopicBlockDecompressedSize;
    const std::size_t offset = (pos - kBlockHeaderSize) % kTopicBlockDecompressedSize;
    if (block >= starts_.size() || offset >= lengths_[block]) {
      Fail("Position de rubrique hors du fichier.");
    }
    return Bytes(reinterpret_cast<const uint8_t*>(buffer_.data()), buffer_.size())
        .From(starts_[block] + offset, "|TOPIC");
  }

 private:
  std::string buffer_;
  std::vector<std::size_t> starts_;
  std::vector<std::size_t> lengths_;
};

std::string Utf8(std::string_view cp1252) {
  return Cp1252ToUtf8(cp1252);
}

std::string Hex(uint8_t value) {
  static const char digits[] = "0123456789ABCDEF";
  return std::string("0x") + digits[value >> 4] + digits[value & 0x0F];
}

// Builds the paragraphs of one topic from its records.
class TopicBuilder {
 public:
  TopicBuilder(HelpTopic& topic, HelpDocument& document) : topic_(topic), document_(document) {}

  void Record(uint8_t type, Bytes data1, std::string_view text, bool nonScrolling,
              TopicOffset offset) {
    ByteReader format(data1, "paragraphe");
    text_ = text;
    textPos_ = 0;
    nonScrolling_ = nonScrolling;
    offset_ = offset;
    format.CompressedS32();  // size of the topic
    format.CompressedU16();  // characters of this record
    std::size_t columns = 1;
    if (type == kTable) {
      columns = format.U8();
      const uint8_t tableType = format.U8();
      if (columns == 0 || columns > kMaxColumns) Fail("Nombre de colonnes invalide.");
      if (tableType == 0 || tableType == 2) format.S16();
      format.Skip(columns * 4);
      ++tables_;
    }
    for (std::size_t cell = 0;; ++cell) {
      int column = -1;
      if (type == kTable) {
        column = format.S16();
        if (column == -1) break;
        if (column < 0 || static_cast<std::size_t>(column) >= columns) {
          Fail("Colonne de tableau invalide.");
        }
        format.Skip(3);
      } else if (cell > 0) {
        break;
      }
      ParagraphInfo(format, column);
      openedByEnd_ = false;
      Characters(format);
      if (format.AtEnd() && type == kTable) break;
    }
  }

 private:
  void ParagraphInfo(ByteReader& format, int column) {
    format.Skip(4);  // two unknown bytes and an identifier
    const uint16_t bits = format.U16();
    HelpParagraph& p = style_;
    p = HelpParagraph();
    if (bits & kUnknownFollows) format.CompressedS32();
    if (bits & kSpaceAbove) p.spaceBefore = format.CompressedS16();
    if (bits & kSpaceBelow) p.spaceAfter = format.CompressedS16();
    if (bits & kLineSpacing) p.lineSpacing = format.CompressedS16();
    if (bits & kLeftIndent) p.leftIndent = format.CompressedS16();
    if (bits & kRightIndent) p.rightIndent = format.CompressedS16();
    if (bits & kFirstIndent) p.firstIndent = format.CompressedS16();
    if (bits & kBorder) {
      const uint8_t border = format.U8();
      p.box = border & 0x01;
      p.borderTop = border & 0x02;
      p.borderLeft = border & 0x04;
      p.borderBottom = border & 0x08;
      p.borderRight = border & 0x10;
      p.borderThick = border & 0x20;
      p.borderDouble = border & 0x40;
      format.S16();  // border width
    }
    if (bits & kTabs) {
      const int16_t count = format.CompressedS16();
      if (count < 0 || static_cast<std::size_t>(count) > kMaxTabStops) Fail("Taquets invalides.");
      for (int16_t i = 0; i < count; ++i) {
        const uint16_t stop = format.CompressedU16();
        HelpParagraph::Tab tab;
        tab.position = stop & 0x3FFF;
        if (stop & 0x4000) tab.type = format.CompressedU16();
        p.tabs.push_back(tab);
      }
    }
    p.align = (bits & kCenterAlign)  ? ParagraphAlign::Center
              : (bits & kRightAlign) ? ParagraphAlign::Right
                                     : ParagraphAlign::Left;
    p.keepTogether = bits & kKeep;
    p.nonScrolling = nonScrolling_;
    p.tableColumn = column;
    p.tableRow = column >= 0 ? tables_ - 1 : -1;
    StartParagraph();
  }

  void StartParagraph() {
    topic_.paragraphs.push_back(style_);
    topic_.paragraphOffsets.push_back(offset_);
  }

  HelpParagraph& Current() { return topic_.paragraphs.back(); }

  void AddRun(HelpRun run) {
    run.font = font_;
    run.link = link_;
    Current().runs.push_back(std::move(run));
  }

  // The next NUL-terminated string of the text, as a run.
  void NextString() {
    if (textPos_ >= text_.size()) return;
    std::size_t end = text_.find('\0', textPos_);
    if (end == std::string_view::npos) end = text_.size();
    if (end > textPos_) {
      HelpRun run;
      run.text = Utf8(text_.substr(textPos_, end - textPos_));
      AddRun(std::move(run));
    }
    textPos_ = end + 1;
  }

  int AddLink(HelpLink link) {
    topic_.links.push_back(std::move(link));
    return static_cast<int>(topic_.links.size()) - 1;
  }

  void Characters(ByteReader& format) {
    while (true) {
      NextString();
      if (format.AtEnd()) return;
      const uint8_t command = format.U8();
      switch (command) {
        case 0xFF:
          // The paragraph opened by a final end-of-paragraph holds nothing.
          if (openedByEnd_ && Current().runs.empty()) {
            topic_.paragraphs.pop_back();
            topic_.paragraphOffsets.pop_back();
          }
          return;
        case 0x20:
          format.Skip(4);
          break;
        case 0x21:
          format.Skip(2);
          break;
        case 0x80: {
          const uint16_t font = format.U16();
          font_ = font < document_.fonts.size() ? font : -1;
          break;
        }
        case 0x81: {
          HelpRun run;
          run.kind = HelpRun::Kind::LineBreak;
          AddRun(std::move(run));
          break;
        }
        case 0x82:
          StartParagraph();
          openedByEnd_ = true;
          break;
        case 0x83: {
          HelpRun run;
          run.kind = HelpRun::Kind::Tab;
          AddRun(std::move(run));
          break;
        }
        case 0x86:
        case 0x87:
        case 0x88:
          Picture(format, command);
          break;
        case 0x89:
          link_ = -1;
          break;
        case 0x8B: {
          HelpRun run;
          run.text = "\xC2\xA0";  // no-break space
          AddRun(std::move(run));
          break;
        }
        case 0x8C:
          break;  // the hyphen itself is in the text
        case 0xC8:
        case 0xCC: {
          // The length counts the macro's bytes (with its NUL) after the
          // length field.
          const uint16_t length = format.U16();
          const Bytes macro = format.Take(length);
          HelpLink link;
          link.kind = LinkKind::Macro;
          link.macro = RecordText(macro);
          link.plain = command == 0xCC;
          link_ = AddLink(std::move(link));
          break;
        }
        case 0xE0:
        case 0xE1:
        case 0xE2:
        case 0xE3:
        case 0xE6:
        case 0xE7: {
          HelpLink link;
          link.kind = (command & 1) ? LinkKind::Jump : LinkKind::Popup;
          link.hash = format.U32();
          link.plain = command & 4;
          link_ = AddLink(std::move(link));
          break;
        }
        case 0xEA:
        case 0xEB:
        case 0xEE:
        case 0xEF:
          ExternalLink(format, command);
          break;
        default:
          Fail("Commande de mise en forme inconnue : " + Hex(command) + ".");
      }
    }
  }

  void ExternalLink(ByteReader& format, uint8_t command) {
    const uint16_t size = format.U16();
    ByteReader data(format.Take(size), "lien");
    HelpLink link;
    // As for 0xE2..0xE7: odd commands jump, even ones pop up; 0xEE and
    // 0xEF keep the font.
    link.kind = (command & 1) ? LinkKind::Jump : LinkKind::Popup;
    link.plain = command & 4;
    const uint8_t type = data.U8();
    link.hash = data.U32();
    if (type == 1) {
      link.windowNumber = data.U8();
      if (static_cast<std::size_t>(link.windowNumber) < document_.windows.size()) {
        link.window = document_.windows[link.windowNumber].name;
      }
    } else if (type == 4 || type == 6) {
      if (type == 6) link.window = Utf8(data.StringZ());
      link.file = Utf8(data.StringZ());
    }
    link_ = AddLink(std::move(link));
  }

  void Picture(ByteReader& format, uint8_t command) {
    const uint8_t type = format.U8();
    const int32_t size = format.CompressedS32();
    if (size < 0) Fail("Taille d'image invalide.");
    if (type == 0x22) format.CompressedU16();  // hot spots, counted in offsets
    const Bytes data = format.Take(static_cast<std::size_t>(size));
    if (type != 0x03 && type != 0x22) return;  // embedded windows and buttons
    HelpRun run;
    run.kind = HelpRun::Kind::Picture;
    if (data.U16(0, "image") == 0) {
      run.picture = data.U16(2, "image");
    } else {
      // The picture itself follows, laid out like a |bm file.
      const Bytes picture = data.From(2, "image");
      document_.embeddedPictures.emplace_back(reinterpret_cast<const char*>(picture.data),
                                              picture.size);
      run.embedded = static_cast<int>(document_.embeddedPictures.size()) - 1;
    }
    run.align = command == 0x87   ? PictureAlign::Left
                : command == 0x88 ? PictureAlign::Right
                                  : PictureAlign::InLine;
    AddRun(std::move(run));
  }

  HelpTopic& topic_;
  HelpDocument& document_;
  HelpParagraph style_;
  std::string_view text_;
  std::size_t textPos_ = 0;
  bool nonScrolling_ = false;
  TopicOffset offset_ = 0;
  int font_ = -1;
  int link_ = -1;
  int tables_ = 0;
  bool openedByEnd_ = false;
};

// The text of a record: stored, or expanded with the phrase table.
std::string LinkText(Bytes stored, uint32_t length, const PhraseTable& phrases) {
  if (length > kMaxLinkTextSize) Fail("Texte de paragraphe trop long.");
  std::string text;
  if (length <= stored.size) {
    text.assign(reinterpret_cast<const char*>(stored.data), length);
  } else {
    if (phrases.scheme() == PhraseTable::Scheme::None) {
      Fail("Texte compressé sans table de phrases.");
    }
    text.reserve(length);
    phrases.Expand(stored, length, text);
  }
  return text;
}

}  // namespace

void ReadTopics(Bytes topic, const SystemInfo& system, const PhraseTable& phrases,
                HelpDocument& document) {
  const TopicBuffer buffer(topic, system);
  uint32_t pos = kBlockHeaderSize;
  std::size_t currentBlock = static_cast<std::size_t>(-1);
  uint32_t characters = 0;
  std::size_t links = 0;
  HelpTopic* current = nullptr;
  std::unique_ptr<TopicBuilder> builder;
  uint32_t scrollStart = kNoPosition;
  uint32_t nonScrollStart = kNoPosition;
  while (pos != kNoPosition) {
    if (++links > kMaxTopicLinks) Fail("Trop d'enregistrements de rubrique.");
    const Bytes at = buffer.At(pos);
    const uint32_t blockSize = at.U32(0, "lien de rubrique");
    const uint32_t dataLen2 = at.U32(4, "lien de rubrique");
    const uint32_t next = at.U32(12, "lien de rubrique");
    const uint32_t dataLen1 = at.U32(16, "lien de rubrique");
    const uint8_t type = at.U8(20, "lien de rubrique");
    if (dataLen1 < kLinkHeaderSize || blockSize < dataLen1) {
      Fail("Lien de rubrique invalide.");
    }
    const Bytes record = at.Sub(0, blockSize, "lien de rubrique");
    const Bytes data1 = record.Sub(kLinkHeaderSize, dataLen1 - kLinkHeaderSize, "lien");
    const Bytes stored = record.From(dataLen1, "lien");
    const std::size_t block = (pos - kBlockHeaderSize) / kTopicBlockDecompressedSize;
    if (block != currentBlock) {
      currentBlock = block;
      characters = 0;
    }
    const TopicOffset offset = static_cast<uint32_t>(block) * kOffsetBlockFactor + characters;
    if (type == kTopicHeader) {
      if (document.topics.size() >= kMaxTopics) Fail("Trop de rubriques.");
      document.topics.emplace_back();
      current = &document.topics.back();
      builder = std::make_unique<TopicBuilder>(*current, document);
      current->offset = offset;
      ByteReader header(data1, "en-tête de rubrique");
      header.U32();
      current->browsePrevious = header.U32();
      current->browseNext = header.U32();
      current->number = header.U32();
      nonScrollStart = header.U32();
      scrollStart = header.U32();
      const std::string strings = LinkText(stored, dataLen2, phrases);
      std::size_t start = 0;
      for (std::size_t i = 0; start <= strings.size(); ++i) {
        std::size_t end = strings.find('\0', start);
        if (end == std::string::npos) end = strings.size();
        const std::string piece = Utf8(std::string_view(strings).substr(start, end - start));
        if (i == 0) {
          current->title = piece;
        } else if (!piece.empty()) {
          current->macros.push_back(piece);
        }
        start = end + 1;
      }
    } else if (type == kDisplay || type == kTable) {
      ByteReader counts(data1, "paragraphe");
      counts.CompressedS32();
      const uint16_t length = counts.CompressedU16();
      if (builder) {
        const std::string text = LinkText(stored, dataLen2, phrases);
        const bool nonScrolling =
            nonScrollStart != kNoPosition && pos >= nonScrollStart && pos < scrollStart;
        builder->Record(type, data1, text, nonScrolling, offset);
      }
      characters += length;
    }
    if (next != kNoPosition && next <= pos) Fail("Chaînage des rubriques invalide.");
    pos = next;
  }
  for (std::size_t i = 1; i < document.topics.size(); ++i) {
    if (document.topics[i].offset < document.topics[i - 1].offset) {
      Fail("Positions des rubriques non croissantes.");
    }
  }
}

}  // namespace veldor::hlp
