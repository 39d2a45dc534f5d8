// Builds topics from what the RTF reader meets in the body text: runs of
// text, tabs, line breaks and pictures, hidden text, paragraph, cell, row
// and page ends, footnotes. It joins a hot spot's text (one or several
// underlined runs) with the hidden text that follows it into a HotSpot.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "helprtf/help_topics.h"

namespace veldor::helprtf {

// How text is underlined or struck, which decides what hidden text after
// it makes of it.
enum class HotLook : uint8_t {
  None,   // plain text
  Popup,  // single, dotted, word... underline: a pop-up when a target follows
  Jump,   // double underline or strike-through: a jump when a target follows
};

// The look of a run: its character format (underline and strike as they
// show when no target follows) and whether it may start a hot spot.
struct RunLook {
  CharFormat format;
  HotLook hot = HotLook::None;
};

class TopicBuilder {
 public:
  // `notes` receives the problems; `line` is the reader's current line.
  TopicBuilder(std::vector<ReadNote>& notes, const int& line, int maxNotes);

  void Text(const RunLook& look, std::string_view text);
  void Tab(const RunLook& look);
  void LineBreak(const RunLook& look);
  void Picture(const RunLook& look, PictureRef picture);
  // Hidden text: the target of the hot spot just read, else nothing.
  void Hidden(std::string_view text);

  // "\par" and "\sect"; "\cell" (always a paragraph, even empty, so that
  // cells stay apart); "\row" (closes the row's last paragraph).
  void EndParagraph(const ParagraphFormat& format, const std::vector<int>& cells, int rowLeft,
                    int cellGap);
  void EndCell(const ParagraphFormat& format, const std::vector<int>& cells, int rowLeft,
               int cellGap);
  void EndRow(const ParagraphFormat& format, const std::vector<int>& cells, int rowLeft,
              int cellGap);
  // "\page": the paragraph still open ends with `format`, then the topic.
  void EndTopic(const ParagraphFormat& format);

  // The footnote mark: the last character of text before "{\footnote",
  // taken out of the paragraph; 0 when there is none.
  char TakeFootnoteMark();
  void Footnote(char mark, std::string_view text);

  void Note(std::string text);
  // Ends the paragraph and the topic still open; returns the topics.
  std::vector<Topic> Finish(const ParagraphFormat& format);

 private:
  Run& AddRun(Run::Kind kind, const RunLook& look);
  void ResolveHotSpot();
  void CloseParagraph(const ParagraphFormat& format, bool cell, bool row,
                      const std::vector<int>& cells, int rowLeft, int cellGap);
  void StartTopicIfNeeded();
  bool TopicHasContent() const;

  std::vector<ReadNote>& notes_;
  const int& line_;
  const int maxNotes_;
  std::vector<Topic> topics_;
  Topic topic_;
  bool topicStarted_ = false;
  Paragraph paragraph_;
  // The runs of the hot spot being read: from `hotFrom_` to the end of the
  // paragraph (-1: none); `hotJump_` when one of them is a jump look.
  int hotFrom_ = -1;
  bool hotJump_ = false;
  bool lastRunHot_ = false;
  std::string hidden_;  // the hidden text read after them so far
};

}  // namespace veldor::helprtf
