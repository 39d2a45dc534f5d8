// What the RTF reader makes of its text: subjects, table entries, topic
// names, paragraph ends and page breaks.
#include <cmath>

#include "exchange/rtf_importer.h"
#include "model/subject.h"
#include "model/topic.h"

namespace veldor {

namespace {

constexpr const char* kDefaultContextName = "Titre";
constexpr const char* kDefaultFaceName = "System";
constexpr std::size_t kMaxColours = 256;

// Characters a WinHelp context string is made of.
bool IsContextCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
         c == '.';
}

std::string KeepContextCharacters(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (IsContextCharacter(c)) out += c;
  }
  return out;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool HasOneVisibleCharacter(std::string_view text) {
  int visible = 0;
  for (char c : text) visible += IsBlank(c) ? 0 : 1;
  return visible == 1;
}

// A bitmap reference "{bmc FILE}rest" (from "\{bmc FILE\}"): longer than
// six characters, "{bm" and one of 'l', 'c', 'r', and a '}' after the name.
bool SplitBitmapReference(std::string_view text, std::string_view& file, std::string_view& rest) {
  if (text.size() <= 6 || text.substr(0, 3) != "{bm") return false;
  if (text[3] != 'l' && text[3] != 'c' && text[3] != 'r') return false;
  const std::size_t close = text.find('}');
  if (close == std::string_view::npos || close < 5) return false;
  file = text.substr(5, close - 5);
  rest = text.substr(close + 1);
  return true;
}

// Twips to centimetres in whole hundredths, truncated (567 twips give 1
// cm); a length outside 0 to 20 cm gives 0.
float TwipsToCm(int32_t twips) {
  const double cm = std::trunc(twips * 0.17638861940627593) * 0.01;
  return (cm < 0.0 || cm > 20.0) ? 0.0f : static_cast<float>(cm);
}

// The target and window of a hot spot's hidden text, "*TARGET>WINDOW" (the
// mark '*', '%' or a blank first). False for a help macro ("!Print()"),
// which leads to no topic.
bool ParseHiddenTarget(std::string_view hidden, std::string& target, std::string& window) {
  std::size_t start = 0;
  while (start < hidden.size() && IsBlank(hidden[start])) ++start;
  if (start < hidden.size() && (hidden[start] == '*' || hidden[start] == '%')) ++start;
  while (start < hidden.size() && IsBlank(hidden[start])) ++start;
  if (start < hidden.size() && hidden[start] == '!') return false;
  hidden.remove_prefix(start);
  const std::size_t file = hidden.find('@');
  const std::size_t arrow = hidden.find('>');
  target = KeepContextCharacters(hidden.substr(0, std::min(file, arrow)));
  window = arrow == std::string_view::npos ? std::string()
                                           : KeepContextCharacters(hidden.substr(arrow + 1));
  return true;
}

}  // namespace

std::string RtfImporter::UniqueContextName(std::string_view name) {
  std::string cleaned = KeepContextCharacters(name);
  if (cleaned.size() > kMaxContextName) cleaned.resize(kMaxContextName);
  if (cleaned.empty()) cleaned = kDefaultContextName;
  if (names_.count(cleaned) == 0) return cleaned;
  // Every number below the one remembered was taken when it was tried,
  // and names only ever join the set.
  int& next = nextNumber_[cleaned];
  if (next < 1) next = 1;
  while (names_.count(cleaned + std::to_string(next)) != 0) ++next;
  return cleaned + std::to_string(next);
}

void RtfImporter::Flush() {
  if (buffer_.empty()) return;
  ForgetMarkCandidate();
  const CharState& state = State();
  switch (state.destination) {
    case 0:
      switch (state.textKind) {
        case 0:
          FlushText(state);
          break;
        case 1:
          FlushHotText(state);
          break;
        case 2:
          FlushHidden();
          break;
        default:
          FlushFootnote(state);
          break;
      }
      break;
    case 1:
      if (state.font >= 0 && state.font < static_cast<int32_t>(fontTable_.size())) {
        fontTable_[static_cast<size_t>(state.font)] = buffer_.substr(0, buffer_.find(';'));
      }
      break;
    case 3:
      if (buffer_ == ";" && colourTable_.size() < kMaxColours) colourTable_.push_back(pending_);
      break;
    default:
      break;  // file table, style sheet, revision table: not used
  }
  buffer_.clear();
}

CTypeEdit* RtfImporter::AddSubject(std::unique_ptr<CTypeEdit> subject) {
  CTypeEdit* added = subject.get();
  if (current_->AddSubject(std::move(subject)) == 0) {
    ++currentDropped_;
    return nullptr;
  }
  return added;
}

void RtfImporter::AddBitmap(const CharState& state, std::string_view file, std::string_view rest,
                            bool restIsCaption) {
  auto image = CTypeEdit::CreateSubject(kTypeBitMap);
  ApplyFormatting(*image, state);
  image->title = std::string(file);
  afterBitmap_ = true;
  if (restIsCaption) {
    image->text = std::string(rest);
  } else if (!rest.empty() && rest != " ") {
    image->text = std::string(rest);
    afterBitmap_ = false;
  }
  AddSubject(std::move(image));
}

void RtfImporter::FlushText(const CharState& state) {
  std::string_view file, rest;
  if (SplitBitmapReference(buffer_, file, rest)) {
    AddBitmap(state, file, rest, false);
    return;
  }
  const int count = current_->subjectCount();
  CTypeEdit* last = count > 0 ? current_->GetSubject(count - 1) : nullptr;
  if (afterBitmap_ && last != nullptr && last->typeCode == kTypeBitMap) {
    // The text after an image is its caption; the blank that separates
    // them in a hot spot ("\}}{\v TARGET} Caption") is not part of it.
    if (buffer_ != " ") afterBitmap_ = false;
    ApplyFormatting(*last, state);
    last->text = buffer_[0] == ' ' ? buffer_.substr(1) : buffer_;
    return;
  }
  auto text = CTypeEdit::CreateSubject(kTypeTexte);
  ApplyFormatting(*text, state);
  text->text = buffer_;
  const CTypeEdit* added = AddSubject(std::move(text));
  if (HasOneVisibleCharacter(buffer_)) {
    markCandidate_ = added;
    markLeftOut_ = added == nullptr;
  }
}

void RtfImporter::FlushHotText(const CharState& state) {
  std::string_view file, rest;
  if (SplitBitmapReference(buffer_, file, rest)) {
    AddBitmap(state, file, rest, true);
    return;
  }
  // A jump keeps the formatting of its type, but not its paragraph end:
  // like every imported subject it ends a paragraph only at "\par".
  auto jump = CTypeEdit::CreateSubject(kTypeJump);
  jump->text = buffer_;
  jump->flags = kFlagImported;
  AddSubject(std::move(jump));
}

void RtfImporter::FlushHidden() {
  const int count = current_->subjectCount();
  if (count == 0) return;
  CTypeEdit& last = *current_->GetSubject(count - 1);
  if (last.typeCode != kTypeJump && last.typeCode != kTypeBitMap) return;
  std::string target, window;
  if (!ParseHiddenTarget(buffer_, target, window)) return;
  if (last.typeCode == kTypeBitMap) last.action = kActionSaut;
  last.target = target;
  if (!window.empty()) last.windowName = window;
}

// A topic reached by several context strings has one "#" footnote for
// each: the last names the topic, the earlier ones become its references
// (as many as its 510 characters of references hold).
void RtfImporter::FlushFootnote(const CharState& state) {
  if (state.footnoteMark != '#') return;  // titles, keywords, browse codes: not imported
  if (!current_->name.empty() && !footnoteName_.empty()) {
    const std::string references =
        current_->references.empty() ? footnoteName_ : current_->references + ";" + footnoteName_;
    if (references.size() <= static_cast<size_t>(CTopic::kMaxReferencesLength)) {
      current_->references = references;
    }
  }
  footnoteName_ = KeepContextCharacters(buffer_).substr(0, kMaxContextName);
  contextName_ = UniqueContextName(buffer_);
  current_->name = contextName_;
}

// The footnote mark before "{\footnote" was read as text and became a
// subject of its own; it goes away. Only the text subject of one character
// that the latest flush made is taken for the mark: real text before a
// footnote stays, and so does the last subject of a full topic, where the
// mark found no room (it is then not counted as left out either).
void RtfImporter::DropFootnoteMarkSubject() {
  const int count = current_->subjectCount();
  if (markLeftOut_) {
    --currentDropped_;
  } else if (markCandidate_ != nullptr && count > 0 &&
             current_->GetSubject(count - 1) == markCandidate_) {
    current_->RemoveSubject(count - 1);
  }
  ForgetMarkCandidate();
}

void RtfImporter::ForgetMarkCandidate() {
  markCandidate_ = nullptr;
  markLeftOut_ = false;
}

void RtfImporter::ApplyFormatting(CTypeEdit& subject, const CharState& state) const {
  CTypeFont& style = subject.style;
  style.weight = state.bold != 0 ? 700 : 400;
  style.underline = static_cast<uint8_t>(state.underline & 0xFF);
  style.italic = static_cast<uint8_t>(state.italic & 0xFF);
  const bool named = state.font >= 0 && state.font < static_cast<int32_t>(fontTable_.size()) &&
                     !fontTable_[static_cast<size_t>(state.font)].empty();
  style.SetFaceName(named ? fontTable_[static_cast<size_t>(state.font)] : kDefaultFaceName);
  style.width = 0;
  style.pointSize = static_cast<uint16_t>(state.size);
  style.height = static_cast<int32_t>(state.size * -1.35);
  uint32_t rgb = 0;
  if (state.colour >= 0 && state.colour < static_cast<int32_t>(colourTable_.size())) {
    const Rgb& entry = colourTable_[static_cast<size_t>(state.colour)];
    rgb = entry.red | (entry.green << 8) | (static_cast<uint32_t>(entry.blue) << 16);
  }
  subject.SetColour(rgb);
  ApplyParagraphLayout(subject, state);
  subject.flags = kFlagImported;
}

void RtfImporter::ApplyParagraphLayout(CTypeEdit& subject, const CharState& state) {
  subject.leftMargin = TwipsToCm(state.leftIndent);
  subject.rightMargin = TwipsToCm(state.rightIndent);
  subject.firstIndent = TwipsToCm(state.firstIndent);
  subject.spaceBefore = TwipsToCm(state.spaceBefore);
  subject.spaceAfter = TwipsToCm(state.spaceAfter);
  // Other values leave the alignment as it was.
  if (state.alignment >= 0 && state.alignment <= 2) {
    subject.alignment = static_cast<uint16_t>(state.alignment);
  }
}

void RtfImporter::ParagraphEnd() {
  const int count = current_->subjectCount();
  if (count > 0) {
    current_->GetSubject(count - 1)->flags = kFlagParagraphEnd;
    const CharState& state = State();
    for (int i = count - 2; i >= 0; --i) {
      CTypeEdit& subject = *current_->GetSubject(i);
      if (subject.flags == kFlagParagraphEnd) break;
      ApplyParagraphLayout(subject, state);
    }
  }
  afterBitmap_ = false;
  ForgetMarkCandidate();
}

void RtfImporter::PageBreak() {
  if (TopicCount() >= maxTopics_) {
    // No room left: the page is counted, not kept.
    if (CurrentTopicHasContent()) ++leftOut_;
  } else {
    FinishCurrentTopic();
  }
  StartTopic();
}

bool RtfImporter::CurrentTopicHasContent() const {
  return !current_->name.empty() || current_->subjectCount() > 0;
}

void RtfImporter::FinishCurrentTopic() {
  current_->name = UniqueContextName(contextName_);
  names_.insert(current_->name);
  droppedSubjects_ += currentDropped_;
  topics_.push_back(std::move(current_));
}

void RtfImporter::StartTopic() {
  current_ = std::make_unique<CTopic>();
  contextName_ = kDefaultContextName;
  footnoteName_.clear();
  currentDropped_ = 0;
  afterBitmap_ = false;
  ForgetMarkCandidate();
}

}  // namespace veldor
