// The state of the WinHelp RTF reader: one GroupState per open group (its
// formatting and where its text goes), and the reader that walks the
// bytes. Internal to helprtf: help_rtf_reader.h is the interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "helprtf/control_words.h"
#include "helprtf/help_rtf_reader.h"
#include "helprtf/help_topics.h"
#include "helprtf/topic_builder.h"

namespace veldor::helprtf::reading {

// Bytes kept of one footnote, and read as one bitmap reference at most.
inline constexpr std::size_t kMaxFootnoteBytes = 64 * 1024;
inline constexpr std::size_t kMaxCaptureBytes = 260;

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
  std::unordered_map<int, std::size_t> fontIndex_;  // font number to its entry
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

}  // namespace veldor::helprtf::reading
