// Global strings turned into help links inside the escaped text of
// subjects.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/global_texte.h"

namespace veldor {

class CVeldorDoc;

// The help macros of the sound and program actions, their argument escaped
// for a macro: sndPlaySound("FILE", 1) (sndPlaySoundA for 32-bit help) and
// ExecProgram(COMMAND).
std::string SoundMacro(const std::string& sound, bool help32);
std::string ExecProgramMacro(const std::string& command);

// Appends the hotspot of one global string around the matched text
// `matched` (already escaped), by the global's action.
void WriteLinkRtf(const CGlobalTexte& global, std::string_view matched, bool help32,
                  std::string& out);

// The global strings of a document prepared for substitution: one
// automaton over all of them, so that a text is scanned once whatever the
// number of global strings.
//
// The result is the one of the plain procedure: at each point the
// occurrence that starts first is linked (of two starting at the same
// place, the one earlier in the list), and the search goes on after it.
// Case-insensitive global strings ignore ASCII letter case (escaped text is
// ASCII). An occurrence is only taken where it starts on a character of
// the escaped text, never inside an escape such as "\'e9" or "\line ":
// linking there would cut the escape in two and corrupt the RTF.
class GlobalLinker {
 public:
  GlobalLinker(const CGestGlobal& globals, bool help32);

  // True when no global string can match (all empty, or none).
  bool empty() const { return patternCount_ == 0; }
  // Appends `escaped` to `out` with every global string made a link.
  void Substitute(std::string_view escaped, std::string& out) const;

 private:
  struct Pattern {
    int global = 0;  // index in globals_
    bool caseSensitive = false;
  };
  int AddNode(int depth);
  void AddPattern(const std::string& escaped, int global, bool caseSensitive);
  void Link();
  // First acceptable occurrence at or after `from`: start position,
  // length and global index; false when there is none.
  bool FindFirst(std::string_view text, size_t from, size_t& start, size_t& length,
                 int& global) const;

  std::vector<CGlobalTexte> globals_;
  std::vector<std::string> escapedTexts_;
  bool help32_ = false;
  int patternCount_ = 0;
  // Bytes are folded to lower case and mapped to classes: one per byte
  // that occurs in some pattern, class 0 for all others.
  std::array<uint8_t, 256> classOf_{};
  size_t classCount_ = 1;
  // Automaton: node n's transitions are next_[n * classCount_ + class].
  std::vector<int32_t> next_;
  std::vector<int32_t> fail_;
  std::vector<int32_t> depth_;
  // Nearest node along the failure chain (itself included) that ends a
  // pattern, or -1.
  std::vector<int32_t> output_;
  // Patterns ending at each node, in list order.
  std::vector<std::vector<Pattern>> patternsAt_;
};

// Substitution with the document's global strings, for one text.
std::string SubstituteGlobals(std::string_view escaped, const CVeldorDoc& doc);

// True when position `pos` of escaped RTF text starts a character (it is
// not inside "\'hh" or "\line ").
bool IsEscapedCharacterStart(std::string_view text, size_t pos);

}  // namespace veldor
