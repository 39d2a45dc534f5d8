// One pass over the bytes with an explicit stack of group states: text
// goes, according to the destination of the innermost group, to the body
// (TopicBuilder), a footnote, the font, colour or style table, a picture,
// or nowhere.
#include "helprtf/help_rtf_reader.h"

#include <algorithm>
#include <limits>

#include "helprtf/help_conventions.h"
#include "helprtf/rtf_group_reader.h"
#include "platform/codepage.h"

namespace veldor::helprtf {

namespace reading {

namespace {

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

}  // namespace

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
  constexpr std::size_t kProgressEvery = 64 * 1024;
  std::size_t nextProgress = kProgressEvery;
  while (pos_ < size && !stopped_) {
    if (pos_ >= nextProgress && limits_.progress) {
      limits_.progress(pos_);
      nextProgress = pos_ + kProgressEvery;
    }
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
  if (limits_.progress) limits_.progress(pos_);
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
      if (digits == 1) value *= 16;  // a missing second digit counts as 0
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

}  // namespace reading

bool LooksLikeRtf(std::string_view data) {
  if (data.starts_with("\xEF\xBB\xBF")) data.remove_prefix(3);
  return Trim(data).starts_with("{\\rtf");
}

HelpDocument ReadHelpRtf(std::string_view data, const ReadLimits& limits) {
  return reading::Reader(data, limits).Read();
}

}  // namespace veldor::helprtf
