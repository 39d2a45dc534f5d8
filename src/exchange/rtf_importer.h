// The RTF reader of the RTF import. It understands the group structure, a
// fixed table of control words, the font and colour tables and the WinHelp
// conventions: "\page" separates topics, "#" footnotes name them,
// double-underlined or underlined text followed by hidden text is a jump,
// "\{bmc FILE\}" refers to a bitmap. Every run of text with one formatting
// becomes one subject; everything else is skipped or ignored. Of several
// "#" footnotes of one page the last names the topic and the others become
// its references, as the help build writes them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/document.h"

namespace veldor {

class CTypeEdit;

class RtfImporter {
 public:
  // Only this much of a file is read.
  static constexpr std::size_t kMaxBytes = 500000;
  // Context names keep at most this many characters (before a number).
  static constexpr std::size_t kMaxContextName = 250;

  // At most `maxTopics` topics are kept; the pages after them are counted.
  explicit RtfImporter(int maxTopics = CVeldorDoc::kMaxTopics);
  ~RtfImporter();
  RtfImporter(const RtfImporter&) = delete;
  RtfImporter& operator=(const RtfImporter&) = delete;

  // Parses RTF held in memory; the data ends at its first zero byte.
  // Returns false when the parse stops on an error ("Erreur RTF" for the
  // caller to show): a wrong version (after the message "Version RTF
  // incorrecte"), a group still open at the end, a backslash at the very
  // end. The topics finished before the error are kept either way, and the
  // current one too when it has a name or a subject. Advances the progress
  // bar by one for every byte consumed. Reads and writes no file.
  bool Parse(std::string_view data);

  int TopicCount() const { return static_cast<int>(topics_.size()); }
  CTopic* GetTopic(int i) const { return topics_[static_cast<size_t>(i)].get(); }
  // Hands the topics over (the importer keeps none afterwards).
  std::vector<std::unique_ptr<CTopic>> TakeTopics();
  // Pages that did not fit below `maxTopics`.
  int LeftOut() const { return leftOut_; }
  // Subjects that did not fit in their topic (256 at most).
  int DroppedSubjects() const { return droppedSubjects_; }

  // Cleans a context name as the import does (the letters, digits, '_'
  // and '.' of ASCII, at most 250 of them; "Titre" when none is left) and
  // makes it unique among the topics imported so far ("%s%d" from 1).
  std::string UniqueContextName(std::string_view name);

 private:
  // The formatting state of one group level.
  struct CharState {
    int32_t bold = 0;
    int32_t underline = 0;
    int32_t italic = 0;
    int32_t font = 0;
    int32_t size = 0;
    int32_t colour = 0;
    int32_t leftIndent = 0;
    int32_t rightIndent = 0;
    int32_t firstIndent = 0;
    int32_t spaceBefore = 0;
    int32_t spaceAfter = 0;
    int32_t alignment = 0;
    int32_t destination = 0;  // 0 text, 1 fonts, 2 files, 3 colours, 4 styles, 5 revisions
    int32_t textKind = 0;     // 0 plain, 1 hot, 2 hidden, 3 footnote
    char footnoteMark = ' ';
  };
  struct Rgb {
    uint8_t red = 0, green = 0, blue = 0;
  };
  enum class Word : uint8_t;
  static Word LookUpWord(std::string_view word);

  bool ParseData();
  bool ReadControl();
  bool ControlSymbol(char symbol);
  bool ControlWord(Word word, bool hasParameter, int32_t parameter, std::size_t afterLetters);
  void AppendHexCharacter();
  void SkipGroup();
  void Advance(std::size_t count);

  void Flush();
  void FlushText(const CharState& state);
  void FlushHotText(const CharState& state);
  void FlushHidden();
  void FlushFootnote(const CharState& state);
  void AddBitmap(const CharState& state, std::string_view file, std::string_view rest,
                 bool restIsCaption);
  CTypeEdit* AddSubject(std::unique_ptr<CTypeEdit> subject);
  void ApplyFormatting(CTypeEdit& subject, const CharState& state) const;
  // The margins, first-line indent, spacing and alignment of the paragraph.
  static void ApplyParagraphLayout(CTypeEdit& subject, const CharState& state);
  void ParagraphEnd();
  void PageBreak();
  void DropFootnoteMarkSubject();
  void ForgetMarkCandidate();
  bool CurrentTopicHasContent() const;
  void FinishCurrentTopic();
  void StartTopic();

  CharState& State() { return stack_.back(); }

  const int maxTopics_;
  std::string_view data_;
  std::size_t pos_ = 0;
  std::vector<CharState> stack_;  // one entry per open group, innermost last
  std::string buffer_;            // text read since the last flush

  int32_t defaultFont_ = 0;
  int32_t defaultSize_ = 12;
  int32_t defaultColour_ = 0;
  std::vector<std::string> fontTable_;
  std::vector<Rgb> colourTable_;
  Rgb pending_;

  std::vector<std::unique_ptr<CTopic>> topics_;
  std::unordered_set<std::string> names_;            // names of topics_
  std::unordered_map<std::string, int> nextNumber_;  // first number worth trying per name
  std::unique_ptr<CTopic> current_;
  std::string contextName_;
  std::string footnoteName_;  // the latest "#" footnote of the current topic, cleaned
  bool afterBitmap_ = false;
  // The text subject of one visible character that the latest flush made
  // (since the last paragraph end): a "\footnote" read next shows it to be
  // the footnote's mark. `markLeftOut_` when it did not fit in its topic.
  const CTypeEdit* markCandidate_ = nullptr;
  bool markLeftOut_ = false;
  int currentDropped_ = 0;
  int droppedSubjects_ = 0;
  int leftOut_ = 0;
};

}  // namespace veldor
