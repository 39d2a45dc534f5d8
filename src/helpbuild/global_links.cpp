#include "helpbuild/global_links.h"

#include <deque>

#include "helpbuild/rtf_escape.h"
#include "model/document.h"
#include "model/global_texte.h"
#include "model/subject.h"

namespace veldor {

namespace {

unsigned char FoldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

}  // namespace

std::string SoundMacro(const std::string& sound, bool help32) {
  return std::string(help32 ? "sndPlaySoundA" : "sndPlaySound") + "(\"" + MacroEscape(sound) +
         "\", 1)";
}

std::string ExecProgramMacro(const std::string& command) {
  return "ExecProgram(" + MacroEscape(command) + ")";
}

namespace {

// Hot text that leads to a topic: "{\uldb " (jump) or "{\ul " (pop-up), the
// text, then the hidden target with its window.
void WriteTopicLink(const CGlobalTexte& global, std::string_view matched, bool popup,
                    std::string& out) {
  const bool star = global.keepColour != 0;
  out += popup ? "{\\ul " : "{\\uldb ";
  out += matched;
  if (popup) {
    out += star ? "}{\\v *" : "}{\\v ";
  } else {
    out += star ? "}{\\v  *" : "}{\\v  ";
  }
  out += global.target;
  if (!global.windowName.empty()) out += ">" + global.windowName;
  out += '}';
}

// Hot text that runs a help macro.
void WriteMacroLink(const CGlobalTexte& global, std::string_view matched, const std::string& macro,
                    std::string& out) {
  out += "{\\uldb ";
  out += matched;
  out += global.keepColour != 0 ? "}{\\v  * !" : "}{\\v   !";
  out += macro;
  out += '}';
}

}  // namespace

void WriteLinkRtf(const CGlobalTexte& global, std::string_view matched, bool help32,
                  std::string& out) {
  switch (global.action) {
    case kActionRien:
      out += matched;
      break;
    case kActionSaut:
    case kActionPopup:
      WriteTopicLink(global, matched, global.action == kActionPopup, out);
      break;
    case kActionSon:
      WriteMacroLink(global, matched, SoundMacro(global.soundOrCommand, help32), out);
      break;
    case kActionImprime:
      WriteMacroLink(global, matched, "Print()", out);
      break;
    case kActionQuitte:
      WriteMacroLink(global, matched, "exit()", out);
      break;
    case kActionExecute:
      WriteMacroLink(global, matched, ExecProgramMacro(global.soundOrCommand), out);
      break;
    default:
      break;  // an unknown action drops the matched text
  }
}

bool IsEscapedCharacterStart(std::string_view text, size_t pos) {
  if (pos == 0 || pos >= text.size()) return true;
  const size_t lowest = pos >= 5 ? pos - 5 : 0;
  for (size_t q = pos; q-- > lowest;) {
    if (text[q] != '\\') continue;
    if (q + 1 < text.size() && text[q + 1] == '\'') return pos >= q + 4;
    if (text.compare(q, 6, "\\line ") == 0) return pos >= q + 6;
    return true;
  }
  return true;
}

GlobalLinker::GlobalLinker(const CGestGlobal& globals, bool help32) : help32_(help32) {
  globals_.reserve(static_cast<size_t>(globals.count()));
  for (int i = 0; i < globals.count(); ++i) {
    globals_.push_back(*globals.GetAt(i));
    escapedTexts_.push_back(RtfEscape(globals_.back().text));
  }
  // A class for every (folded) byte the patterns use; escaped text is
  // ASCII, so there are fewer than 128.
  for (const std::string& escaped : escapedTexts_) {
    for (char ch : escaped) {
      const unsigned char c = FoldAscii(static_cast<unsigned char>(ch));
      if (classOf_[c] == 0 && classCount_ < 256) classOf_[c] = static_cast<uint8_t>(classCount_++);
    }
  }
  for (int c = 'A'; c <= 'Z'; ++c)
    classOf_[static_cast<size_t>(c)] = classOf_[FoldAscii(static_cast<unsigned char>(c))];

  AddNode(0);
  for (size_t i = 0; i < globals_.size(); ++i) {
    AddPattern(escapedTexts_[i], static_cast<int>(i), globals_[i].caseSensitive != 0);
  }
  Link();
}

int GlobalLinker::AddNode(int depth) {
  const int node = static_cast<int>(depth_.size());
  next_.resize(next_.size() + classCount_, -1);
  fail_.push_back(0);
  depth_.push_back(depth);
  output_.push_back(-1);
  patternsAt_.emplace_back();
  return node;
}

void GlobalLinker::AddPattern(const std::string& escaped, int global, bool caseSensitive) {
  if (escaped.empty()) return;  // an empty global string never matches
  int node = 0;
  for (char ch : escaped) {
    const size_t slot =
        static_cast<size_t>(node) * classCount_ + classOf_[static_cast<unsigned char>(ch)];
    if (next_[slot] < 0) {
      const int child = AddNode(depth_[static_cast<size_t>(node)] + 1);
      next_[slot] = child;
      node = child;
    } else {
      node = next_[slot];
    }
  }
  patternsAt_[static_cast<size_t>(node)].push_back({global, caseSensitive});
  ++patternCount_;
}

void GlobalLinker::Link() {
  std::deque<int> queue;
  for (size_t c = 0; c < classCount_; ++c) {
    int32_t& slot = next_[c];
    if (slot < 0) {
      slot = 0;
    } else {
      fail_[static_cast<size_t>(slot)] = 0;
      queue.push_back(slot);
    }
  }
  while (!queue.empty()) {
    const int node = queue.front();
    queue.pop_front();
    const size_t n = static_cast<size_t>(node);
    output_[n] = patternsAt_[n].empty() ? output_[static_cast<size_t>(fail_[n])] : node;
    const size_t failRow = static_cast<size_t>(fail_[n]) * classCount_;
    for (size_t c = 0; c < classCount_; ++c) {
      int32_t& slot = next_[n * classCount_ + c];
      if (slot < 0) {
        slot = next_[failRow + c];
      } else {
        fail_[static_cast<size_t>(slot)] = next_[failRow + c];
        queue.push_back(slot);
      }
    }
  }
}

bool GlobalLinker::FindFirst(std::string_view text, size_t from, size_t& start, size_t& length,
                             int& global) const {
  bool found = false;
  int32_t state = 0;
  for (size_t i = from; i < text.size(); ++i) {
    state = next_[static_cast<size_t>(state) * classCount_ +
                  classOf_[static_cast<unsigned char>(text[i])]];
    // Patterns ending here, longest first, so their starts grow.
    for (int32_t node = output_[static_cast<size_t>(state)]; node >= 0;
         node = output_[static_cast<size_t>(fail_[static_cast<size_t>(node)])]) {
      const size_t len = static_cast<size_t>(depth_[static_cast<size_t>(node)]);
      const size_t at = i + 1 - len;
      if (found && at > start) break;
      if (!IsEscapedCharacterStart(text, at)) continue;
      for (const Pattern& p : patternsAt_[static_cast<size_t>(node)]) {
        if (found && at == start && p.global >= global) break;
        if (p.caseSensitive &&
            text.compare(at, len, escapedTexts_[static_cast<size_t>(p.global)]) != 0) {
          continue;
        }
        found = true;
        start = at;
        length = len;
        global = p.global;
        break;
      }
    }
    // Any occurrence still to come starts at or after the beginning of the
    // prefix the automaton holds now.
    if (found && i + 1 - static_cast<size_t>(depth_[static_cast<size_t>(state)]) > start) break;
  }
  return found;
}

void GlobalLinker::Substitute(std::string_view escaped, std::string& out) const {
  if (patternCount_ == 0) {
    out += escaped;
    return;
  }
  size_t pos = 0;
  while (pos < escaped.size()) {
    size_t start = 0;
    size_t length = 0;
    int global = 0;
    if (!FindFirst(escaped, pos, start, length, global)) break;
    out.append(escaped, pos, start - pos);
    WriteLinkRtf(globals_[static_cast<size_t>(global)], escaped.substr(start, length), help32_,
                 out);
    pos = start + length;
  }
  if (pos < escaped.size()) out.append(escaped, pos);
}

std::string SubstituteGlobals(std::string_view escaped, const CVeldorDoc& doc) {
  std::string out;
  GlobalLinker(doc.globals, doc.help32 != 0).Substitute(escaped, out);
  return out;
}

}  // namespace veldor
