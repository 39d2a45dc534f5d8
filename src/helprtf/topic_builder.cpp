#include "helprtf/topic_builder.h"

#include "helprtf/help_conventions.h"

namespace veldor::helprtf {

namespace {

bool IsBlankText(const std::string& text) {
  return Trim(text).empty();
}

}  // namespace

TopicBuilder::TopicBuilder(std::vector<ReadNote>& notes, const int& line, int maxNotes)
    : notes_(notes), line_(line), maxNotes_(maxNotes) {}

void TopicBuilder::Note(std::string text) {
  const int count = static_cast<int>(notes_.size());
  if (count > maxNotes_) return;
  if (count == maxNotes_) text = "further problems are not listed";
  notes_.push_back({line_, static_cast<int>(topics_.size()) + 1, std::move(text)});
}

void TopicBuilder::StartTopicIfNeeded() {
  if (topicStarted_) return;
  topicStarted_ = true;
  topic_.firstLine = line_;
}

Run& TopicBuilder::AddRun(Run::Kind kind, const RunLook& look) {
  StartTopicIfNeeded();
  if (!hidden_.empty()) ResolveHotSpot();
  std::vector<Run>& runs = paragraph_.runs;
  const bool hot = look.hot != HotLook::None;
  if (hot) {
    if (hotFrom_ < 0) {
      hotFrom_ = static_cast<int>(runs.size());
      hotJump_ = false;
    }
    hotJump_ = hotJump_ || look.hot == HotLook::Jump;
  } else if (hotFrom_ >= 0) {
    // Underlined text that no hidden target follows is only underlined.
    if (hotJump_) Note("double-underlined or struck-through text without hidden target");
    hotFrom_ = -1;
  }
  if (kind == Run::Kind::Text && !runs.empty()) {
    Run& last = runs.back();
    if (last.kind == Run::Kind::Text && last.hotSpot < 0 && last.format == look.format &&
        lastRunHot_ == hot) {
      return last;
    }
  }
  lastRunHot_ = hot;
  Run& run = runs.emplace_back();
  run.kind = kind;
  run.format = look.format;
  return run;
}

void TopicBuilder::Text(const RunLook& look, std::string_view text) {
  if (text.empty()) return;
  AddRun(Run::Kind::Text, look).text.append(text);
}

void TopicBuilder::Tab(const RunLook& look) {
  AddRun(Run::Kind::Tab, look);
}

void TopicBuilder::LineBreak(const RunLook& look) {
  AddRun(Run::Kind::LineBreak, look);
}

void TopicBuilder::Picture(const RunLook& look, PictureRef picture) {
  Run& run = AddRun(Run::Kind::Picture, look);
  run.picture = static_cast<int>(paragraph_.pictures.size());
  paragraph_.pictures.push_back(std::move(picture));
}

void TopicBuilder::Hidden(std::string_view text) {
  // Hidden text that follows no hot spot is not shown and leads nowhere.
  if (hotFrom_ >= 0) hidden_.append(text);
}

void TopicBuilder::ResolveHotSpot() {
  std::optional<HotSpot> spot = ParseHotSpotTarget(hidden_, hotJump_);
  hidden_.clear();
  if (!spot) {
    Note("hidden text after a hot spot names no target");
  } else {
    const int index = static_cast<int>(paragraph_.hotSpots.size());
    paragraph_.hotSpots.push_back(std::move(*spot));
    for (std::size_t i = static_cast<std::size_t>(hotFrom_); i < paragraph_.runs.size(); ++i) {
      Run& run = paragraph_.runs[i];
      run.hotSpot = index;
      // The hot spot shows as one; the underline was only its marker.
      run.format.underline = false;
      run.format.strike = false;
    }
  }
  hotFrom_ = -1;
}

void TopicBuilder::CloseParagraph(const ParagraphFormat& format, bool cell, bool row,
                                  const std::vector<int>& cells, int rowLeft, int cellGap) {
  StartTopicIfNeeded();
  if (!hidden_.empty()) {
    ResolveHotSpot();
  } else if (hotFrom_ >= 0) {
    if (hotJump_) Note("double-underlined or struck-through text without hidden target");
    hotFrom_ = -1;
  }
  paragraph_.format = format;
  if (cell) paragraph_.format.inTable = true;
  paragraph_.endsCell = cell;
  paragraph_.endsRow = row;
  if (paragraph_.format.inTable) {
    paragraph_.cellEdgesTwips = cells;
    paragraph_.rowLeftTwips = rowLeft;
    paragraph_.cellGapTwips = cellGap;
  }
  topic_.paragraphs.push_back(std::move(paragraph_));
  paragraph_ = Paragraph();
  lastRunHot_ = false;
}

void TopicBuilder::EndParagraph(const ParagraphFormat& format, const std::vector<int>& cells,
                                int rowLeft, int cellGap) {
  CloseParagraph(format, false, false, cells, rowLeft, cellGap);
}

void TopicBuilder::EndCell(const ParagraphFormat& format, const std::vector<int>& cells,
                           int rowLeft, int cellGap) {
  CloseParagraph(format, true, false, cells, rowLeft, cellGap);
}

void TopicBuilder::EndRow(const ParagraphFormat& format, const std::vector<int>& cells, int rowLeft,
                          int cellGap) {
  if (!paragraph_.runs.empty() || hotFrom_ >= 0) {
    CloseParagraph(format, true, true, cells, rowLeft, cellGap);
  } else if (!topic_.paragraphs.empty() && topic_.paragraphs.back().format.inTable) {
    topic_.paragraphs.back().endsRow = true;
  }
}

bool TopicBuilder::TopicHasContent() const {
  if (!topic_.contextStrings.empty() || !topic_.title.empty() || !topic_.keywords.empty() ||
      !topic_.aKeywords.empty() || !topic_.browseSequence.empty() || !topic_.buildTags.empty() ||
      !topic_.entryMacros.empty() || !topic_.window.empty()) {
    return true;
  }
  for (const Paragraph& paragraph : topic_.paragraphs) {
    for (const Run& run : paragraph.runs) {
      if (run.kind != Run::Kind::Text || !IsBlankText(run.text)) return true;
    }
  }
  return false;
}

void TopicBuilder::EndTopic(const ParagraphFormat& format) {
  if (!paragraph_.runs.empty() || hotFrom_ >= 0) {
    CloseParagraph(format, false, false, {}, 0, 0);
  }
  if (TopicHasContent()) topics_.push_back(std::move(topic_));
  topic_ = Topic();
  topicStarted_ = false;
}

char TopicBuilder::TakeFootnoteMark() {
  std::vector<Run>& runs = paragraph_.runs;
  if (runs.empty() || runs.back().kind != Run::Kind::Text || runs.back().text.empty()) return 0;
  std::string& text = runs.back().text;
  const char mark = text.back();
  if (mark == ' ' || mark == '\t' || mark == '\r' || mark == '\n') return 0;
  text.pop_back();
  if (text.empty()) {
    runs.pop_back();
    if (hotFrom_ >= static_cast<int>(runs.size())) hotFrom_ = -1;
    lastRunHot_ = false;
  }
  return mark;
}

void TopicBuilder::Footnote(char mark, std::string_view text) {
  StartTopicIfNeeded();
  if (mark == 0) {
    Note("footnote without a mark");
  } else if (!ApplyFootnote(topic_, mark, text)) {
    Note(std::string("footnote with the unknown mark '") + mark + "'");
  }
}

std::vector<Topic> TopicBuilder::Finish(const ParagraphFormat& format) {
  EndTopic(format);
  return std::move(topics_);
}

}  // namespace veldor::helprtf
