// One pass over the bytes with an explicit stack of group states: text
// goes, according to the destination of the innermost group, to the body
// (TopicBuilder), a footnote, the font, colour or style table, a picture,
// or nowhere.
#include "helprtf/help_rtf_reader.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "helprtf/control_words.h"
#include "helprtf/help_conventions.h"
#include "helprtf/topic_builder.h"
#include "platform/codepage.h"

namespace veldor::helprtf {

namespace {

enum class Dest : uint8_t {
  Body,
  Footnote,
  FontTable,
  ColorTable,
  StyleSheet,
  StyleEntry,
  Picture,
  Skip,
};

enum class Underline : uint8_t { None, Single, Double };

// What a group carries: the character and paragraph formatting, where its
// text goes and how many fallback characters follow a \uN.
struct GroupState {
  CharFormat format;
  Underline underline = Underline::None;
  bool hidden = false;
  bool raised = false;  // superscript: a footnote's own mark inside it
  ParagraphFormat paragraph;
  TabStop::Align tabAlign = TabStop::Align::Left;
  Dest dest = Dest::Body;
  int fallback = 1;  // \ucN
};

struct Style {
  CharFormat format;
  Underline underline = Underline::None;
  bool hidden = false;
  ParagraphFormat paragraph;
};

constexpr std::size_t kMaxFootnoteBytes = 64 * 1024;
constexpr std::size_t kMaxCaptureBytes = 260;

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
bool IsSpecial(char c) {
  return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\t' || c == '\0';
}

class Reader {
 public:
  Reader(std::string_view data, const ReadLimits& limits)
      : data_(data), limits_(limits), builder_(doc_.notes, line_, limits.maxNotes) {}

  HelpDocument Read();

 private:
  GroupState& Top() { return stack_.back(); }
  RunLook Look() const;

  void OpenGroup();
  bool CloseGroup();
  void ReadControl();
  void ControlSymbol(char symbol);
  void ControlWord(std::string_view name, Cw word, bool hasParameter, int parameter);
  void Characters(std::string_view text);
  void Character(char c);
  void Unicode(int value);
  void SkipRest();
  void SkipBinary(int count);

  void BeginCapture();
  void EndCapture();
  void AbortCapture();

  void StartFont(int number);
  void FinishFont();
  void FinishColor();
  void FinishStyle();
  void ApplyStyle(const Style& style, bool withParagraph);
  void FinishPicture();
  void BodyBreak(Cw word);

  std::string_view data_;
  const ReadLimits& limits_;
  std::size_t pos_ = 0;
  int line_ = 1;
  bool stopped_ = false;
  HelpDocument doc_;
  TopicBuilder builder_;
  std::vector<GroupState> stack_;
  int flatDepth_ = 0;  // groups beyond the depth limit, read as their parent
  bool starPending_ = false;
  int fallbackLeft_ = 0;
  bool highSurrogate_ = false;

  // A bitmap reference between "\{" and "\}".
  bool capturing_ = false;
  std::string capture_;
  RunLook captureLook_;

  // The font entry being read.
  bool fontOpen_ = false;
  HelpFont font_;
  // The colour entry being read.
  HelpColor color_;
  bool colorHasValue_ = false;
  // The style entry being read, and the styles read.
  int styleNumber_ = 0;
  bool styleIsCharacter_ = false;
  bool styleIgnored_ = false;
  bool styleDone_ = false;
  std::unordered_map<int, Style> paragraphStyles_, characterStyles_;
  // The footnote being read.
  char footnoteMark_ = 0;
  std::string footnote_;
  // The embedded picture being read.
  PictureRef picture_;
  int nibble_ = -1;
  // The row definition in effect.
  std::vector<int> cells_;
  int rowLeft_ = 0, cellGap_ = 0;
};

RunLook Reader::Look() const {
  const GroupState& state = stack_.back();
  RunLook look;
  look.format = state.format;
  look.format.underline = state.underline != Underline::None;
  if (state.underline == Underline::Double || state.format.strike) {
    look.hot = HotLook::Jump;
  } else if (state.underline == Underline::Single) {
    look.hot = HotLook::Popup;
  }
  return look;
}

HelpDocument Reader::Read() {
  doc_.isRtf = LooksLikeRtf(data_);
  if (!doc_.isRtf) builder_.Note("the data does not start with {\\rtf");
  if (data_.size() > limits_.maxBytes) {
    data_ = data_.substr(0, limits_.maxBytes);
    doc_.truncated = true;
    builder_.Note("the data is cut after " + std::to_string(limits_.maxBytes) + " bytes");
  }
  stack_.reserve(64);
  stack_.emplace_back();

  const std::size_t size = data_.size();
  while (pos_ < size && !stopped_) {
    const char c = data_[pos_];
    switch (c) {
      case '{':
        ++pos_;
        OpenGroup();
        break;
      case '}':
        ++pos_;
        if (!CloseGroup()) stopped_ = true;
        break;
      case '\\':
        ReadControl();
        break;
      case '\n':
        ++line_;
        ++pos_;
        break;
      case '\r':
      case '\0':
        ++pos_;
        break;
      case '\t':
        ++pos_;
        ControlWord("tab", Cw::Tab, false, 0);
        break;
      default: {
        std::size_t end = pos_ + 1;
        while (end < size && !IsSpecial(data_[end])) ++end;
        Characters(data_.substr(pos_, end - pos_));
        pos_ = end;
        break;
      }
    }
    if (!stopped_ && Top().dest == Dest::Skip) SkipRest();
  }

  const ParagraphFormat lastFormat = Top().paragraph;
  if (stack_.size() > 1 || flatDepth_ > 0) {
    if (!doc_.wrongVersion) {
      doc_.unclosedGroups = true;
      builder_.Note("the data ends inside " + std::to_string(stack_.size() - 1 + flatDepth_) +
                    " open group(s)");
    }
    flatDepth_ = 0;
    while (stack_.size() > 1) CloseGroup();
  }
  AbortCapture();
  doc_.topics = builder_.Finish(lastFormat);
  return std::move(doc_);
}

void Reader::OpenGroup() {
  AbortCapture();
  fallbackLeft_ = 0;
  starPending_ = false;
  if (static_cast<int>(stack_.size()) > limits_.maxDepth || flatDepth_ > 0) {
    if (flatDepth_ == 0) {
      builder_.Note("groups nested deeper than " + std::to_string(limits_.maxDepth) +
                    " are read as one");
    }
    ++flatDepth_;
    return;
  }
  stack_.push_back(stack_.back());
  GroupState& state = stack_.back();
  if (state.dest == Dest::StyleSheet) {
    // A style entry starts from the plain formatting.
    state = GroupState();
    state.format.font = doc_.defaultFont;
    state.dest = Dest::StyleEntry;
    styleNumber_ = 0;
    styleIsCharacter_ = styleIgnored_ = styleDone_ = false;
  }
}

// False when the brace closes no group: the reading ends there.
bool Reader::CloseGroup() {
  starPending_ = false;
  if (flatDepth_ > 0) {
    --flatDepth_;
    return true;
  }
  AbortCapture();
  fallbackLeft_ = 0;
  if (stack_.size() == 1) {
    std::size_t rest = pos_;
    while (rest < data_.size() && Trim(data_.substr(rest, 1)).empty()) ++rest;
    if (rest < data_.size()) builder_.Note("a closing brace closes no group: the rest is not read");
    return false;
  }
  const GroupState& closing = stack_.back();
  const Dest parent = stack_[stack_.size() - 2].dest;
  switch (closing.dest) {
    case Dest::Footnote:
      if (parent != Dest::Footnote) builder_.Footnote(footnoteMark_, footnote_);
      break;
    case Dest::Picture:
      if (parent != Dest::Picture) FinishPicture();
      break;
    case Dest::FontTable:
      if (fontOpen_) FinishFont();
      break;
    case Dest::StyleEntry:
      if (parent == Dest::StyleSheet && !styleDone_) FinishStyle();
      break;
    default:
      break;
  }
  stack_.pop_back();
  return true;
}

void Reader::ReadControl() {
  const std::size_t size = data_.size();
  if (pos_ + 1 >= size) {
    ++pos_;
    builder_.Note("a backslash ends the data");
    return;
  }
  const char first = data_[pos_ + 1];
  if (!IsLetter(first)) {
    pos_ += 2;
    ControlSymbol(first);
    return;
  }
  std::size_t end = pos_ + 1;
  while (end < size && IsLetter(data_[end])) ++end;
  const std::string_view name = data_.substr(pos_ + 1, end - pos_ - 1);
  bool negative = false;
  if (end < size && data_[end] == '-' && end + 1 < size && IsDigit(data_[end + 1])) {
    negative = true;
    ++end;
  }
  bool hasParameter = false;
  int64_t value = 0;
  while (end < size && IsDigit(data_[end])) {
    value = std::min<int64_t>(value * 10 + (data_[end] - '0'), std::numeric_limits<int>::max());
    hasParameter = true;
    ++end;
  }
  if (end < size && data_[end] == ' ') ++end;
  pos_ = end;
  const int parameter = static_cast<int>(negative ? -value : value);
  ControlWord(name, LookUpControlWord(name), hasParameter, parameter);
}

void Reader::ControlSymbol(char symbol) {
  starPending_ = symbol == '*';
  switch (symbol) {
    case '\'': {
      int value = 0, digits = 0;
      while (digits < 2 && pos_ < data_.size() && HexValue(data_[pos_]) >= 0) {
        value = value * 16 + HexValue(data_[pos_]);
        ++pos_;
        ++digits;
      }
      if (digits > 0 && value != 0) Character(static_cast<char>(value));
      break;
    }
    case '{':
      if (Top().dest == Dest::Body && !Top().hidden && fallbackLeft_ == 0) {
        BeginCapture();
      } else {
        Character('{');
      }
      break;
    case '}':
      if (capturing_) {
        EndCapture();
      } else {
        Character('}');
      }
      break;
    case '\\':
      Character('\\');
      break;
    case '~':
      Character('\xA0');
      break;
    case '_':
      Character('-');
      break;
    case '-':
      if (fallbackLeft_ > 0) --fallbackLeft_;  // an optional hyphen shows nothing
      break;
    case '\n':
    case '\r':
      // A backslash before a line end is a paragraph mark.
      AbortCapture();
      if (symbol == '\n') ++line_;
      ControlWord("par", Cw::Par, false, 0);
      break;
    case '*':
      AbortCapture();
      break;
    default:
      break;  // "\:", "\|" and others show nothing
  }
}

void Reader::Character(char c) {
  Characters(std::string_view(&c, 1));
}

void Reader::Characters(std::string_view text) {
  starPending_ = false;
  if (fallbackLeft_ > 0) {
    const std::size_t skipped =
        std::min<std::size_t>(static_cast<std::size_t>(fallbackLeft_), text.size());
    fallbackLeft_ -= static_cast<int>(skipped);
    text.remove_prefix(skipped);
    if (text.empty()) return;
  }
  GroupState& state = Top();
  switch (state.dest) {
    case Dest::Body:
      if (state.hidden) {
        builder_.Hidden(text);
      } else if (capturing_) {
        capture_.append(text);
        if (capture_.size() > kMaxCaptureBytes) AbortCapture();
      } else {
        builder_.Text(Look(), text);
      }
      break;
    case Dest::Footnote:
      // The footnote repeats its own mark, raised, before its text.
      if (state.raised && Trim(footnote_).empty()) break;
      if (state.hidden || footnote_.size() >= kMaxFootnoteBytes) break;
      footnote_.append(text.substr(0, kMaxFootnoteBytes - footnote_.size()));
      break;
    case Dest::FontTable:
      if (!fontOpen_) break;
      for (char c : text) {
        if (c == ';') {
          FinishFont();
          break;
        }
        if (font_.name.size() < 256) font_.name += c;
      }
      break;
    case Dest::ColorTable:
      for (char c : text) {
        if (c == ';') FinishColor();
      }
      break;
    case Dest::StyleEntry:
      if (!styleDone_ && text.find(';') != std::string_view::npos) FinishStyle();
      break;
    case Dest::Picture:
      for (char c : text) {
        const int v = HexValue(c);
        if (v < 0) continue;
        if (nibble_ < 0) {
          nibble_ = v;
        } else {
          picture_.embedded.push_back(static_cast<uint8_t>(nibble_ * 16 + v));
          nibble_ = -1;
        }
      }
      break;
    case Dest::StyleSheet:
    case Dest::Skip:
      break;
  }
}

void Reader::Unicode(int value) {
  if (value < 0) value += 65536;
  const int units = Top().fallback;
  char c;
  if (value >= 0xDC00 && value <= 0xDFFF && highSurrogate_) {
    highSurrogate_ = false;  // the second half of a character already written
    fallbackLeft_ = units;
    return;
  }
  highSurrogate_ = value >= 0xD800 && value <= 0xDBFF;
  c = highSurrogate_ ? '?' : Utf16UnitToCp1252(static_cast<char16_t>(value & 0xFFFF));
  fallbackLeft_ = 0;
  if (c != '\0') Character(c);
  fallbackLeft_ = units;
}

// Passes over the rest of the current group up to (not past) its closing
// brace, and over the bytes of \binN.
void Reader::SkipRest() {
  const std::size_t size = data_.size();
  int level = 0;
  while (pos_ < size) {
    const char c = data_[pos_];
    if (c == '\\') {
      if (data_.compare(pos_ + 1, 3, "bin") == 0 && pos_ + 4 < size && IsDigit(data_[pos_ + 4])) {
        pos_ += 4;
        int64_t count = 0;
        while (pos_ < size && IsDigit(data_[pos_])) {
          count =
              std::min<int64_t>(count * 10 + (data_[pos_] - '0'), std::numeric_limits<int>::max());
          ++pos_;
        }
        if (pos_ < size && data_[pos_] == ' ') ++pos_;
        SkipBinary(static_cast<int>(count));
        continue;
      }
      if (pos_ + 1 < size && data_[pos_ + 1] == '\n') ++line_;
      pos_ += 2;
      continue;
    }
    if (c == '{') {
      ++level;
    } else if (c == '}') {
      if (level == 0) return;
      --level;
    } else if (c == '\n') {
      ++line_;
    }
    ++pos_;
  }
}

void Reader::SkipBinary(int count) {
  const std::size_t n =
      std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), data_.size() - pos_);
  if (Top().dest == Dest::Picture) {
    picture_.embedded.insert(picture_.embedded.end(), data_.begin() + static_cast<long>(pos_),
                             data_.begin() + static_cast<long>(pos_ + n));
  }
  pos_ += n;
}

void Reader::BeginCapture() {
  AbortCapture();
  capturing_ = true;
  capture_.clear();
  captureLook_ = Look();
}

void Reader::EndCapture() {
  capturing_ = false;
  if (std::optional<PictureRef> picture = ParseBitmapReference(capture_)) {
    builder_.Picture(captureLook_, std::move(*picture));
  } else {
    builder_.Text(captureLook_, "{" + capture_ + "}");
  }
}

// What was taken for the start of a bitmap reference is text after all.
void Reader::AbortCapture() {
  if (!capturing_) return;
  capturing_ = false;
  builder_.Text(captureLook_, "{" + capture_);
}

void Reader::StartFont(int number) {
  if (fontOpen_) FinishFont();
  fontOpen_ = true;
  font_ = HelpFont();
  font_.number = number;
}

void Reader::FinishFont() {
  fontOpen_ = false;
  font_.name = std::string(Trim(font_.name));
  for (HelpFont& known : doc_.fonts) {
    if (known.number == font_.number) {
      known = std::move(font_);
      return;
    }
  }
  doc_.fonts.push_back(std::move(font_));
}

void Reader::FinishColor() {
  if (doc_.colors.size() < 4096) {
    color_.isAuto = !colorHasValue_;
    doc_.colors.push_back(color_);
  }
  color_ = HelpColor();
  colorHasValue_ = false;
}

void Reader::FinishStyle() {
  styleDone_ = true;
  if (styleIgnored_) return;
  const GroupState& state = Top();
  Style style{state.format, state.underline, state.hidden, state.paragraph};
  (styleIsCharacter_ ? characterStyles_ : paragraphStyles_)[styleNumber_] = std::move(style);
}

void Reader::ApplyStyle(const Style& style, bool withParagraph) {
  GroupState& state = Top();
  state.format = style.format;
  state.underline = style.underline;
  state.hidden = style.hidden;
  if (withParagraph) {
    const bool inTable = state.paragraph.inTable;
    state.paragraph = style.paragraph;
    state.paragraph.inTable = state.paragraph.inTable || inTable;
  }
}

void Reader::FinishPicture() {
  if (stack_.size() < 2 || stack_[stack_.size() - 2].dest != Dest::Body) return;
  if (picture_.embedded.empty()) return;
  builder_.Picture(Look(), std::move(picture_));
  picture_ = PictureRef();
}

// \par, \page, \cell, \row, \line and \tab in the body; a blank in a
// footnote; nothing elsewhere.
void Reader::BodyBreak(Cw word) {
  GroupState& state = Top();
  if (state.dest == Dest::Footnote) {
    if (footnote_.size() < kMaxFootnoteBytes) footnote_ += ' ';
    return;
  }
  if (state.dest != Dest::Body) return;
  fallbackLeft_ = 0;
  switch (word) {
    case Cw::Par:
      builder_.EndParagraph(state.paragraph, cells_, rowLeft_, cellGap_);
      break;
    case Cw::Page:
      builder_.EndTopic(state.paragraph);
      break;
    case Cw::Cell:
      builder_.EndCell(state.paragraph, cells_, rowLeft_, cellGap_);
      break;
    case Cw::Row:
      builder_.EndRow(state.paragraph, cells_, rowLeft_, cellGap_);
      break;
    case Cw::Line:
      if (!state.hidden) builder_.LineBreak(Look());
      break;
    case Cw::Tab:
      if (!state.hidden) builder_.Tab(Look());
      break;
    default:
      break;
  }
}

void Reader::ControlWord(std::string_view name, Cw word, bool hasParameter, int parameter) {
  if (!IsCharacterWord(word)) {
    AbortCapture();
    fallbackLeft_ = 0;
  }
  GroupState& state = Top();
  if (starPending_) {
    starPending_ = false;
    // "{\*\word": a destination to skip unless this reader knows it.
    const bool known = word == Cw::CharacterStyle && state.dest == Dest::StyleEntry;
    if (!known) {
      state.dest = Dest::Skip;
      return;
    }
  }
  const auto valueOr = [&](int fallback) { return hasParameter ? parameter : fallback; };
  const bool on = !hasParameter || parameter != 0;
  ParagraphFormat& paragraph = state.paragraph;
  switch (word) {
    case Cw::Unknown:
      break;
    case Cw::Rtf:
      if (!hasParameter || parameter != 1) {
        doc_.wrongVersion = true;
        builder_.Note("RTF version " + (hasParameter ? std::to_string(parameter) : "none") +
                      " instead of 1: the rest is not read");
        stopped_ = true;
      }
      break;
    case Cw::DefaultFont:
      doc_.defaultFont = valueOr(0);
      state.format.font = doc_.defaultFont;
      break;
    case Cw::UnicodeSkip:
      state.fallback = std::clamp(valueOr(1), 0, 16);
      break;
    case Cw::Unicode:
      if (hasParameter) Unicode(parameter);
      break;
    case Cw::Binary:
      SkipBinary(valueOr(0));
      break;
    case Cw::FontTable:
      state.dest = Dest::FontTable;
      break;
    case Cw::ColorTable:
      state.dest = Dest::ColorTable;
      color_ = HelpColor();
      colorHasValue_ = false;
      break;
    case Cw::StyleSheet:
      state.dest = Dest::StyleSheet;
      break;
    case Cw::Footnote:
      if (state.dest == Dest::Body) {
        footnoteMark_ = builder_.TakeFootnoteMark();
        footnote_.clear();
        state.dest = Dest::Footnote;
        state.hidden = false;
      } else {
        state.dest = Dest::Skip;
      }
      break;
    case Cw::Picture:
      if (state.dest == Dest::Body) {
        picture_ = PictureRef();
        nibble_ = -1;
        state.dest = Dest::Picture;
      } else {
        state.dest = Dest::Skip;
      }
      break;
    case Cw::Ignorable:
      state.dest = Dest::Skip;
      break;
    case Cw::FontNumber:
      if (state.dest == Dest::FontTable) {
        StartFont(valueOr(0));
      } else {
        state.format.font = valueOr(doc_.defaultFont);
      }
      break;
    case Cw::FontFamily:
      if (state.dest == Dest::FontTable && fontOpen_) font_.family = std::string(name.substr(1));
      break;
    case Cw::FontCharset:
      if (state.dest == Dest::FontTable && fontOpen_) font_.charset = valueOr(0);
      break;
    case Cw::Red:
    case Cw::Green:
    case Cw::Blue:
      if (state.dest == Dest::ColorTable) {
        const auto byte = static_cast<uint8_t>(std::clamp(valueOr(0), 0, 255));
        (word == Cw::Red ? color_.red : word == Cw::Green ? color_.green : color_.blue) = byte;
        colorHasValue_ = true;
      }
      break;
    case Cw::ParagraphStyle:
      if (state.dest == Dest::StyleEntry) {
        styleNumber_ = valueOr(0);
      } else if (auto found = paragraphStyles_.find(valueOr(0)); found != paragraphStyles_.end()) {
        ApplyStyle(found->second, true);
      }
      break;
    case Cw::CharacterStyle:
      if (state.dest == Dest::StyleEntry) {
        styleNumber_ = valueOr(0);
        styleIsCharacter_ = true;
      } else if (auto found = characterStyles_.find(valueOr(0)); found != characterStyles_.end()) {
        ApplyStyle(found->second, false);
      }
      break;
    case Cw::OtherStyle:
      if (state.dest == Dest::StyleEntry) styleIgnored_ = true;
      break;
    case Cw::Plain: {
      const int font = doc_.defaultFont;
      state.format = CharFormat();
      state.format.font = font;
      state.underline = Underline::None;
      state.hidden = false;
      state.raised = false;
      break;
    }
    case Cw::Bold:
      state.format.bold = on;
      break;
    case Cw::Italic:
      state.format.italic = on;
      break;
    case Cw::Underline:
      state.underline = on ? Underline::Single : Underline::None;
      break;
    case Cw::DoubleUnderline:
      state.underline = on ? Underline::Double : Underline::None;
      break;
    case Cw::NoUnderline:
      state.underline = Underline::None;
      break;
    case Cw::Strike:
      state.format.strike = on;
      break;
    case Cw::Hidden:
      state.hidden = on;
      break;
    case Cw::SmallCaps:
      state.format.smallCaps = on;
      break;
    case Cw::FontSize:
      state.format.halfPoints = hasParameter && parameter > 0 && parameter <= 3276 ? parameter : 24;
      break;
    case Cw::Color:
      state.format.color = std::max(valueOr(0), 0);
      break;
    case Cw::Superscript:
      state.raised = true;
      break;
    case Cw::Subscript:
    case Cw::NoSuperSub:
      state.raised = false;
      break;
    case Cw::Up:
      state.raised = valueOr(6) > 0;
      break;
    case Cw::Down:
      state.raised = false;
      break;
    case Cw::Pard:
      paragraph = ParagraphFormat();
      state.tabAlign = TabStop::Align::Left;
      break;
    case Cw::Par:
    case Cw::Page:
    case Cw::Cell:
    case Cw::Row:
    case Cw::Line:
    case Cw::Tab:
      BodyBreak(word);
      break;
    case Cw::RowDefaults:
      cells_.clear();
      rowLeft_ = cellGap_ = 0;
      break;
    case Cw::CellEdge:
      if (cells_.size() < 64) cells_.push_back(valueOr(0));
      break;
    case Cw::RowLeft:
      rowLeft_ = valueOr(0);
      break;
    case Cw::CellGap:
      cellGap_ = valueOr(0);
      break;
    case Cw::InTable:
      paragraph.inTable = true;
      break;
    case Cw::AlignLeft:
      paragraph.align = ParagraphFormat::Align::Left;
      break;
    case Cw::AlignRight:
      paragraph.align = ParagraphFormat::Align::Right;
      break;
    case Cw::AlignCenter:
      paragraph.align = ParagraphFormat::Align::Center;
      break;
    case Cw::AlignJustify:
      paragraph.align = ParagraphFormat::Align::Justify;
      break;
    case Cw::LeftIndent:
      paragraph.leftIndentTwips = valueOr(0);
      break;
    case Cw::RightIndent:
      paragraph.rightIndentTwips = valueOr(0);
      break;
    case Cw::FirstIndent:
      paragraph.firstIndentTwips = valueOr(0);
      break;
    case Cw::SpaceBefore:
      paragraph.spaceBeforeTwips = valueOr(0);
      break;
    case Cw::SpaceAfter:
      paragraph.spaceAfterTwips = valueOr(0);
      break;
    case Cw::LineSpacing:
      paragraph.lineSpacingTwips = valueOr(0);
      break;
    case Cw::Keep:
      paragraph.keepTogether = on;
      break;
    case Cw::KeepNext:
      paragraph.nonScrolling = on;
      break;
    case Cw::Box:
      paragraph.boxed = true;
      break;
    case Cw::BorderTop:
      paragraph.borderTop = true;
      break;
    case Cw::BorderBottom:
      paragraph.borderBottom = true;
      break;
    case Cw::BorderLeft:
      paragraph.borderLeft = true;
      break;
    case Cw::BorderRight:
      paragraph.borderRight = true;
      break;
    case Cw::BorderSingle:
      break;
    case Cw::BorderThick:
      paragraph.thickBorder = true;
      break;
    case Cw::BorderDouble:
      paragraph.doubleBorder = true;
      break;
    case Cw::BorderBar:
      paragraph.borderBar = true;
      break;
    case Cw::TabPosition:
      if (paragraph.tabs.size() < 64) paragraph.tabs.push_back({valueOr(0), state.tabAlign});
      state.tabAlign = TabStop::Align::Left;
      break;
    case Cw::TabRight:
      state.tabAlign = TabStop::Align::Right;
      break;
    case Cw::TabCenter:
      state.tabAlign = TabStop::Align::Center;
      break;
    case Cw::TabDecimal:
      state.tabAlign = TabStop::Align::Decimal;
      break;
    case Cw::TabBar:
      state.tabAlign = TabStop::Align::Left;
      break;
    case Cw::PictureKind:
      if (state.dest == Dest::Picture) picture_.embeddedKind = std::string(name);
      break;
    case Cw::PictureWidth:
      if (state.dest == Dest::Picture) picture_.width = valueOr(0);
      break;
    case Cw::PictureHeight:
      if (state.dest == Dest::Picture) picture_.height = valueOr(0);
      break;
    case Cw::PictureGoalWidth:
      if (state.dest == Dest::Picture) picture_.goalWidthTwips = valueOr(0);
      break;
    case Cw::PictureGoalHeight:
      if (state.dest == Dest::Picture) picture_.goalHeightTwips = valueOr(0);
      break;
    case Cw::LeftQuote:
      Character('\x91');
      break;
    case Cw::RightQuote:
      Character('\x92');
      break;
    case Cw::LeftDoubleQuote:
      Character('\x93');
      break;
    case Cw::RightDoubleQuote:
      Character('\x94');
      break;
    case Cw::EmDash:
      Character('\x97');
      break;
    case Cw::EnDash:
      Character('\x96');
      break;
    case Cw::Bullet:
      Character('\x95');
      break;
    case Cw::EmSpace:
    case Cw::EnSpace:
      Character(' ');
      break;
  }
}

}  // namespace

bool LooksLikeRtf(std::string_view data) {
  if (data.starts_with("\xEF\xBB\xBF")) data.remove_prefix(3);
  return Trim(data).starts_with("{\\rtf");
}

HelpDocument ReadHelpRtf(std::string_view data, const ReadLimits& limits) {
  return Reader(data, limits).Read();
}

}  // namespace veldor::helprtf
