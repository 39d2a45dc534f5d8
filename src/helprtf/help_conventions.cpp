#include "helprtf/help_conventions.h"

namespace veldor::helprtf {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.substr(i);
}

}  // namespace

std::string_view Trim(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::optional<HotSpot> ParseHotSpotTarget(std::string_view hidden, bool jumpUnderline) {
  HotSpot spot;
  spot.kind = jumpUnderline ? HotSpotKind::Jump : HotSpotKind::Popup;
  std::string_view rest = SkipBlanks(hidden);
  // The marks that change how the hot spot looks, in either order.
  for (int i = 0; i < 2 && !rest.empty(); ++i) {
    if (rest.front() == '%') {
      spot.noUnderline = true;
    } else if (rest.front() == '*') {
      spot.noColor = true;
    } else {
      break;
    }
    rest = SkipBlanks(rest.substr(1));
  }
  if (!rest.empty() && rest.front() == '!') {
    spot.kind = HotSpotKind::Macro;
    spot.target = std::string(Trim(rest.substr(1)));
    if (spot.target.empty()) return std::nullopt;
    return spot;
  }
  // TARGET, then ">WINDOW" and "@FILE" in either order.
  const std::size_t end = rest.find_first_of(">@");
  spot.target = std::string(Trim(rest.substr(0, end)));
  std::size_t at = end;
  while (at != std::string_view::npos) {
    const char kind = rest[at];
    const std::size_t next = rest.find_first_of(">@", at + 1);
    const std::string_view part = Trim(rest.substr(
        at + 1, next == std::string_view::npos ? std::string_view::npos : next - at - 1));
    (kind == '>' ? spot.window : spot.file) = std::string(part);
    at = next;
  }
  if (spot.target.empty()) return std::nullopt;
  return spot;
}

std::optional<PictureRef> ParseBitmapReference(std::string_view inner) {
  if (inner.size() < 5 || Lower(inner[0]) != 'b' || Lower(inner[1]) != 'm') return std::nullopt;
  PictureRef picture;
  switch (Lower(inner[2])) {
    case 'c':
      picture.placement = PictureRef::Placement::Character;
      break;
    case 'l':
      picture.placement = PictureRef::Placement::Left;
      break;
    case 'r':
      picture.placement = PictureRef::Placement::Right;
      break;
    default:
      return std::nullopt;
  }
  std::size_t i = 3;
  for (; i < inner.size() && !IsBlank(inner[i]); ++i) {
    const char c = Lower(inner[i]);
    if (c < 'a' || c > 'z') return std::nullopt;
    if (c == 't') picture.transparent = true;
  }
  if (i - 3 > 3) return std::nullopt;  // "bmcwd", "bmct", not any word
  const std::string_view file = Trim(inner.substr(i));
  if (file.empty()) return std::nullopt;
  picture.file = std::string(file);
  return picture;
}

std::vector<std::string> SplitList(std::string_view text, bool respectQuotes) {
  std::vector<std::string> pieces;
  char closing = 0;  // the quote that ends the quoted part we are in
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ';';
    if (closing != 0 && i < text.size()) {
      if (c == closing) closing = 0;
      continue;
    }
    if (respectQuotes && c == '"') {
      closing = '"';
    } else if (respectQuotes && c == '`') {
      closing = '\'';
    } else if (c == ';') {
      const std::string_view piece = Trim(text.substr(start, i - start));
      if (!piece.empty()) pieces.emplace_back(piece);
      start = i + 1;
    }
  }
  return pieces;
}

bool ApplyFootnote(Topic& topic, char mark, std::string_view text) {
  std::string_view value = Trim(text);
  // Many writers repeat the mark at the start of the footnote ("# IDH_X").
  if (!value.empty() && value[0] == mark && (value.size() == 1 || IsBlank(value[1]))) {
    value = Trim(value.substr(1));
  }
  switch (mark) {
    case '#':
      if (!value.empty()) topic.contextStrings.emplace_back(value);
      return true;
    case '$':
      topic.title = std::string(value);
      return true;
    case 'K':
      for (std::string& k : SplitList(value, false)) topic.keywords.push_back(std::move(k));
      return true;
    case 'A':
      for (std::string& k : SplitList(value, false)) topic.aKeywords.push_back(std::move(k));
      return true;
    case '+':
      topic.browseSequence = std::string(value);
      return true;
    case '*':
      for (std::string& t : SplitList(value, false)) topic.buildTags.push_back(std::move(t));
      return true;
    case '!':
      for (std::string& m : SplitList(value, true)) topic.entryMacros.push_back(std::move(m));
      return true;
    case '>':
      topic.window = std::string(value);
      return true;
    case '@':
      return true;  // an author's comment
    default:
      return false;
  }
}

}  // namespace veldor::helprtf
