// Group structure and control words of the RTF reader.
#include <algorithm>
#include <limits>

#include "exchange/rtf_importer.h"
#include "platform/messages.h"

namespace veldor {

enum class RtfImporter::Word : uint8_t {
  kUnknown,
  kBold,
  kUnderline,
  kItalic,
  kFont,
  kFontSize,
  kColour,
  kRed,
  kGreen,
  kBlue,
  kPlain,
  kFontTable,
  kFileTable,
  kColourTable,
  kStyleSheet,
  kRevisionTable,
  kPard,
  kPar,
  kAlignLeft,
  kAlignRight,
  kAlignCentre,
  kLeftIndent,
  kRightIndent,
  kFirstIndent,
  kSpaceBefore,
  kSpaceAfter,
  kPage,
  kLine,
  kQuote,
  kDoubleQuote,
  kTab,
  kRtf,
  kIgnored,
  kDefaultFont,
  kSkipGroup,
  kFootnote,
  kHotText,
  kHidden,
};

RtfImporter::Word RtfImporter::LookUpWord(std::string_view word) {
  static const std::unordered_map<std::string_view, Word> table = {
      {"b", Word::kBold},
      {"u", Word::kUnderline},
      {"i", Word::kItalic},
      {"f", Word::kFont},
      {"fs", Word::kFontSize},
      {"cf", Word::kColour},
      {"red", Word::kRed},
      {"green", Word::kGreen},
      {"blue", Word::kBlue},
      {"plain", Word::kPlain},
      {"fonttbl", Word::kFontTable},
      {"filetbl", Word::kFileTable},
      {"colortbl", Word::kColourTable},
      {"stylesheet", Word::kStyleSheet},
      {"revtbl", Word::kRevisionTable},
      {"pard", Word::kPard},
      {"par", Word::kPar},
      {"ql", Word::kAlignLeft},
      {"qr", Word::kAlignRight},
      {"qc", Word::kAlignCentre},
      {"li", Word::kLeftIndent},
      {"ri", Word::kRightIndent},
      {"fi", Word::kFirstIndent},
      {"sb", Word::kSpaceBefore},
      {"sa", Word::kSpaceAfter},
      {"page", Word::kPage},
      {"line", Word::kLine},
      {"lquote", Word::kQuote},
      {"rquote", Word::kQuote},
      {"ldblquote", Word::kDoubleQuote},
      {"rdblquote", Word::kDoubleQuote},
      {"tab", Word::kTab},
      {"rtf", Word::kRtf},
      {"ansi", Word::kIgnored},
      {"fnil", Word::kIgnored},
      {"deff", Word::kDefaultFont},
      {"bin", Word::kSkipGroup},
      {"object", Word::kSkipGroup},
      {"pict", Word::kSkipGroup},
      {"footnote", Word::kFootnote},
      {"ul", Word::kHotText},
      {"uldb", Word::kHotText},
      {"strike", Word::kHotText},
      {"v", Word::kHidden},
  };
  auto found = table.find(word);
  return found == table.end() ? Word::kUnknown : found->second;
}

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

bool IsSpecial(char c) {
  return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

}  // namespace

RtfImporter::RtfImporter(int maxTopics)
    : maxTopics_(maxTopics),
      fontTable_(32),
      current_(std::make_unique<CTopic>()),
      contextName_("Titre") {}

RtfImporter::~RtfImporter() = default;

std::vector<std::unique_ptr<CTopic>> RtfImporter::TakeTopics() {
  names_.clear();
  nextNumber_.clear();
  return std::move(topics_);
}

bool RtfImporter::Parse(std::string_view data) {
  const std::size_t zero = data.find('\0');
  data_ = zero == std::string_view::npos ? data : data.substr(0, zero);
  pos_ = 0;
  CharState initial;
  initial.font = defaultFont_;
  initial.size = defaultSize_;
  initial.colour = defaultColour_;
  stack_.assign(1, initial);
  buffer_.clear();

  const bool ok = ParseData();
  // Text still waiting when the data ends is kept, in the innermost state.
  Flush();
  if (CurrentTopicHasContent()) {
    if (TopicCount() < maxTopics_) {
      FinishCurrentTopic();
    } else {
      ++leftOut_;
    }
  }
  StartTopic();
  stack_.clear();
  data_ = std::string_view();
  return ok;
}

void RtfImporter::Advance(std::size_t count) {
  pos_ += count;
  for (std::size_t i = 0; i < count; ++i) Messages().ProgressStep();
}

// The groups are kept on an explicit stack, so that no depth of nesting
// can exhaust the program's own stack. Only the innermost group ever holds
// text: an opening brace flushes the text before it.
bool RtfImporter::ParseData() {
  while (true) {
    if (pos_ >= data_.size()) return stack_.size() == 1;
    const char c = data_[pos_];
    switch (c) {
      case '\r':
      case '\n':
        Advance(1);
        break;
      case '\\':
        if (!ReadControl()) return false;
        break;
      case '{':
        Flush();
        stack_.push_back(stack_.back());
        Advance(1);
        break;
      case '}':
        Flush();
        Advance(1);
        // A closing brace at the outermost level ends the parse.
        if (stack_.size() == 1) return true;
        stack_.pop_back();
        break;
      default: {
        std::size_t end = pos_ + 1;
        while (end < data_.size() && !IsSpecial(data_[end])) ++end;
        buffer_.append(data_.substr(pos_, end - pos_));
        Advance(end - pos_);
        break;
      }
    }
  }
}

bool RtfImporter::ReadControl() {
  const std::size_t start = pos_;
  const std::size_t size = data_.size();
  if (start + 1 >= size) return false;  // a backslash that ends the data
  const char first = data_[start + 1];
  if (!IsAsciiLetter(first)) {
    Advance(2);
    return ControlSymbol(first);
  }
  std::size_t wordEnd = start + 1;
  while (wordEnd < size && IsAsciiLetter(data_[wordEnd])) ++wordEnd;
  const std::string_view word = data_.substr(start + 1, wordEnd - start - 1);

  std::size_t p = wordEnd;
  bool negative = false;
  if (p < size && data_[p] == '-') {
    ++p;
    if (p >= size) return false;
    negative = true;
  }
  bool hasParameter = false;
  int64_t value = 0;
  constexpr int64_t kLimit = std::numeric_limits<int32_t>::max();
  while (p < size && IsDigit(data_[p])) {
    value = std::min(kLimit, value * 10 + (data_[p] - '0'));
    hasParameter = true;
    ++p;
  }
  if (p < size && data_[p] == ' ') ++p;
  Advance(p - start);
  const int32_t parameter = static_cast<int32_t>(negative ? -value : value);
  return ControlWord(LookUpWord(word), hasParameter, parameter, wordEnd);
}

bool RtfImporter::ControlSymbol(char symbol) {
  switch (symbol) {
    case '\'':
      AppendHexCharacter();
      break;
    case '\\':
    case '{':
    case '}':
      buffer_ += symbol;
      break;
    case '~':
      buffer_ += ' ';
      break;
    case '\r':
    case '\n':
      buffer_ += '\n';
      break;
    case '*':
      SkipGroup();
      break;
    default:
      break;
  }
  return true;
}

// "\'hh": a byte that is not a hexadecimal digit counts as 0, and so does
// one the data lacks at its very end (it is not read).
void RtfImporter::AppendHexCharacter() {
  int digits[2] = {0, 0};
  for (int& digit : digits) {
    if (pos_ >= data_.size()) break;
    digit = HexValue(data_[pos_]);
    Advance(1);
  }
  const char code = static_cast<char>(digits[0] * 16 + digits[1]);
  // A zero byte would end the text wherever it is read as a C string.
  if (code != '\0') buffer_ += code;
}

// Passes over the rest of the current group, up to the brace that closes
// it (which is left to be read); escaped braces are not counted.
void RtfImporter::SkipGroup() {
  int level = 0;
  while (pos_ < data_.size()) {
    const char c = data_[pos_];
    if (c == '\\') {
      Advance(std::min<std::size_t>(2, data_.size() - pos_));
      continue;
    }
    if (c == '{') {
      ++level;
    } else if (c == '}') {
      if (level == 0) return;
      --level;
    }
    Advance(1);
  }
}

bool RtfImporter::ControlWord(Word word, bool hasParameter, int32_t parameter,
                              std::size_t afterLetters) {
  const auto valueOr = [&](int32_t fallback) { return hasParameter ? parameter : fallback; };
  const auto byteOr0 = [&]() { return static_cast<uint8_t>(hasParameter ? parameter & 0xFF : 0); };
  switch (word) {
    case Word::kUnknown:
    case Word::kIgnored:
      break;
    case Word::kBold:
      Flush();
      State().bold = valueOr(1);
      break;
    case Word::kUnderline:
      Flush();
      State().underline = valueOr(1);
      break;
    case Word::kItalic:
      Flush();
      State().italic = valueOr(1);
      break;
    case Word::kFont:
      Flush();
      State().font = valueOr(defaultFont_);
      break;
    case Word::kFontSize:
      Flush();
      // A size that is no real point size (none, zero, negative, beyond
      // what a word processor allows) takes the default, never a wrapped value.
      State().size =
          hasParameter && parameter >= 2 && parameter / 2 <= 1638 ? parameter / 2 : defaultSize_;
      break;
    case Word::kColour:
      Flush();
      State().colour = valueOr(defaultColour_);
      break;
    case Word::kRed:
      Flush();
      pending_.red = byteOr0();
      break;
    case Word::kGreen:
      Flush();
      pending_.green = byteOr0();
      break;
    case Word::kBlue:
      Flush();
      pending_.blue = byteOr0();
      break;
    case Word::kPlain: {
      Flush();
      CharState& state = State();
      state.bold = state.underline = state.italic = 0;
      state.font = defaultFont_;
      state.size = defaultSize_;
      state.colour = defaultColour_;
      state.textKind = 0;
      break;
    }
    case Word::kFontTable:
      State().destination = 1;
      break;
    case Word::kFileTable:
      State().destination = 2;
      break;
    case Word::kColourTable:
      State().destination = 3;
      break;
    case Word::kStyleSheet:
      State().destination = 4;
      break;
    case Word::kRevisionTable:
      State().destination = 5;
      break;
    case Word::kPard: {
      Flush();
      CharState& state = State();
      state.leftIndent = state.rightIndent = state.firstIndent = 0;
      state.spaceBefore = state.spaceAfter = state.alignment = 0;
      afterBitmap_ = false;
      break;
    }
    case Word::kPar:
      Flush();
      ParagraphEnd();
      break;
    case Word::kAlignLeft:
      Flush();
      State().alignment = 0;
      break;
    case Word::kAlignRight:
      Flush();
      State().alignment = 1;
      break;
    case Word::kAlignCentre:
      Flush();
      State().alignment = 2;
      break;
    case Word::kLeftIndent:
      Flush();
      State().leftIndent = valueOr(0);
      break;
    case Word::kRightIndent:
      Flush();
      State().rightIndent = valueOr(0);
      break;
    case Word::kFirstIndent:
      Flush();
      State().firstIndent = valueOr(0);
      break;
    case Word::kSpaceBefore:
      Flush();
      State().spaceBefore = valueOr(0);
      break;
    case Word::kSpaceAfter:
      Flush();
      State().spaceAfter = valueOr(0);
      break;
    case Word::kPage:
      Flush();
      PageBreak();
      break;
    case Word::kLine:
      buffer_ += "\r\n";
      break;
    case Word::kQuote:
      buffer_ += '\'';
      break;
    case Word::kDoubleQuote:
      buffer_ += '"';
      break;
    case Word::kTab:
      buffer_ += '\t';
      break;
    case Word::kRtf:
      if (!hasParameter || parameter != 1) {
        Messages().Message("Version RTF incorrecte", "Import RTF", MessageIcon::Error);
        return false;
      }
      break;
    case Word::kDefaultFont:
      defaultFont_ = valueOr(0);
      break;
    case Word::kSkipGroup:
      SkipGroup();
      break;
    case Word::kFootnote:
      // The mark is the character before the footnote's opening brace, as
      // in "#{\footnote ": eleven bytes before the end of the word.
      State().textKind = 3;
      State().footnoteMark = afterLetters >= 11 ? data_[afterLetters - 11] : ' ';
      DropFootnoteMarkSubject();
      break;
    case Word::kHotText:
      State().textKind = (hasParameter && parameter == 0) ? 0 : 1;
      break;
    case Word::kHidden:
      State().textKind = 2;
      break;
  }
  return true;
}

}  // namespace veldor
