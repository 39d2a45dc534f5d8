// What the reader does with each control word, and how it completes the
// entries of the font, colour and style tables and embedded pictures.
#include <algorithm>

#include "helprtf/help_conventions.h"
#include "helprtf/rtf_group_reader.h"

namespace veldor::helprtf::reading {

void Reader::StartFont(int number) {
  if (fontOpen_) FinishFont();
  fontOpen_ = true;
  font_ = HelpFont();
  font_.number = number;
}

void Reader::FinishFont() {
  fontOpen_ = false;
  font_.name = std::string(Trim(font_.name));
  const auto [at, added] = fontIndex_.try_emplace(font_.number, doc_.fonts.size());
  if (added) {
    doc_.fonts.push_back(std::move(font_));
  } else {
    doc_.fonts[at->second] = std::move(font_);  // a number given twice: the last entry counts
  }
}

void Reader::FinishColor() {
  if (doc_.colors.size() < 4096) {
    color_.isAuto = !colorHasValue_;
    doc_.colors.push_back(color_);
  }
  color_ = HelpColor();
  colorHasValue_ = false;
}

void Reader::FinishStyle() {
  styleDone_ = true;
  if (styleIgnored_) return;
  const GroupState& state = Top();
  Style style{state.format, state.underline, state.hidden, state.paragraph};
  (styleIsCharacter_ ? characterStyles_ : paragraphStyles_)[styleNumber_] = std::move(style);
}

void Reader::ApplyStyle(const Style& style, bool withParagraph) {
  GroupState& state = Top();
  state.format = style.format;
  state.underline = style.underline;
  state.hidden = style.hidden;
  if (withParagraph) {
    const bool inTable = state.paragraph.inTable;
    state.paragraph = style.paragraph;
    state.paragraph.inTable = state.paragraph.inTable || inTable;
  }
}

void Reader::FinishPicture() {
  if (stack_.size() < 2 || stack_[stack_.size() - 2].dest != Dest::Body) return;
  if (picture_.embedded.empty()) return;
  builder_.Picture(Look(), std::move(picture_));
  picture_ = PictureRef();
}

// \par, \page, \cell, \row, \line and \tab in the body; a blank in a
// footnote; nothing elsewhere.
void Reader::BodyBreak(Cw word) {
  GroupState& state = Top();
  if (state.dest == Dest::Footnote) {
    if (footnote_.size() < kMaxFootnoteBytes) footnote_ += ' ';
    return;
  }
  if (state.dest != Dest::Body) return;
  fallbackLeft_ = 0;
  switch (word) {
    case Cw::Par:
      builder_.EndParagraph(state.paragraph, cells_, rowLeft_, cellGap_);
      break;
    case Cw::Page:
      builder_.EndTopic(state.paragraph);
      break;
    case Cw::Cell:
      builder_.EndCell(state.paragraph, cells_, rowLeft_, cellGap_);
      break;
    case Cw::Row:
      builder_.EndRow(state.paragraph, cells_, rowLeft_, cellGap_);
      break;
    case Cw::Line:
      if (!state.hidden) builder_.LineBreak(Look());
      break;
    case Cw::Tab:
      if (!state.hidden) builder_.Tab(Look());
      break;
    default:
      break;
  }
}

void Reader::ControlWord(std::string_view name, Cw word, bool hasParameter, int parameter) {
  if (!IsCharacterWord(word)) {
    // Words this reader ignores (language, revision marks...) may sit in
    // the middle of a bitmap reference; any other word ends it.
    if (word != Cw::Unknown) AbortCapture();
    fallbackLeft_ = 0;
  }
  GroupState& state = Top();
  if (starPending_) {
    starPending_ = false;
    // "{\*\word": a destination to skip unless this reader knows it.
    const bool known = word == Cw::CharacterStyle && state.dest == Dest::StyleEntry;
    if (!known) {
      state.dest = Dest::Skip;
      return;
    }
  }
  const auto valueOr = [&](int fallback) { return hasParameter ? parameter : fallback; };
  const bool on = !hasParameter || parameter != 0;
  ParagraphFormat& paragraph = state.paragraph;
  switch (word) {
    case Cw::Unknown:
      break;
    case Cw::Rtf:
      if (!hasParameter || parameter != 1) {
        doc_.wrongVersion = true;
        builder_.Note("RTF version " + (hasParameter ? std::to_string(parameter) : "none") +
                      " instead of 1: the rest is not read");
        stopped_ = true;
      }
      break;
    case Cw::DefaultFont:
      doc_.defaultFont = valueOr(0);
      state.format.font = doc_.defaultFont;
      break;
    case Cw::UnicodeSkip:
      state.fallback = std::clamp(valueOr(1), 0, 16);
      break;
    case Cw::Unicode:
      if (hasParameter) Unicode(parameter);
      break;
    case Cw::Binary:
      SkipBinary(valueOr(0));
      break;
    case Cw::FontTable:
      state.dest = Dest::FontTable;
      break;
    case Cw::ColorTable:
      state.dest = Dest::ColorTable;
      color_ = HelpColor();
      colorHasValue_ = false;
      break;
    case Cw::StyleSheet:
      state.dest = Dest::StyleSheet;
      break;
    case Cw::Footnote:
      if (state.dest == Dest::Body) {
        footnoteMark_ = builder_.TakeFootnoteMark();
        footnote_.clear();
        state.dest = Dest::Footnote;
        state.hidden = false;
      } else {
        state.dest = Dest::Skip;
      }
      break;
    case Cw::Picture:
      if (state.dest == Dest::Body) {
        picture_ = PictureRef();
        nibble_ = -1;
        state.dest = Dest::Picture;
      } else {
        state.dest = Dest::Skip;
      }
      break;
    case Cw::Ignorable:
      state.dest = Dest::Skip;
      break;
    case Cw::FontNumber:
      if (state.dest == Dest::FontTable) {
        StartFont(valueOr(0));
      } else {
        state.format.font = valueOr(doc_.defaultFont);
      }
      break;
    case Cw::FontFamily:
      if (state.dest == Dest::FontTable && fontOpen_) font_.family = std::string(name.substr(1));
      break;
    case Cw::FontCharset:
      if (state.dest == Dest::FontTable && fontOpen_) font_.charset = valueOr(0);
      break;
    case Cw::Red:
    case Cw::Green:
    case Cw::Blue:
      if (state.dest == Dest::ColorTable) {
        const auto byte = static_cast<uint8_t>(std::clamp(valueOr(0), 0, 255));
        (word == Cw::Red ? color_.red : word == Cw::Green ? color_.green : color_.blue) = byte;
        colorHasValue_ = true;
      }
      break;
    case Cw::ParagraphStyle:
      if (state.dest == Dest::StyleEntry) {
        styleNumber_ = valueOr(0);
      } else if (auto found = paragraphStyles_.find(valueOr(0)); found != paragraphStyles_.end()) {
        ApplyStyle(found->second, true);
      }
      break;
    case Cw::CharacterStyle:
      if (state.dest == Dest::StyleEntry) {
        styleNumber_ = valueOr(0);
        styleIsCharacter_ = true;
      } else if (auto found = characterStyles_.find(valueOr(0)); found != characterStyles_.end()) {
        ApplyStyle(found->second, false);
      }
      break;
    case Cw::OtherStyle:
      if (state.dest == Dest::StyleEntry) styleIgnored_ = true;
      break;
    case Cw::Plain: {
      const int font = doc_.defaultFont;
      state.format = CharFormat();
      state.format.font = font;
      state.underline = Underline::None;
      state.hidden = false;
      state.raised = false;
      break;
    }
    case Cw::Bold:
      state.format.bold = on;
      break;
    case Cw::Italic:
      state.format.italic = on;
      break;
    case Cw::Underline:
      state.underline = on ? Underline::Single : Underline::None;
      break;
    case Cw::DoubleUnderline:
      state.underline = on ? Underline::Double : Underline::None;
      break;
    case Cw::NoUnderline:
      state.underline = Underline::None;
      break;
    case Cw::Strike:
      state.format.strike = on;
      break;
    case Cw::Hidden:
      state.hidden = on;
      break;
    case Cw::SmallCaps:
      state.format.smallCaps = on;
      break;
    case Cw::FontSize:
      state.format.halfPoints = hasParameter && parameter > 0 && parameter <= 3276 ? parameter : 24;
      break;
    case Cw::Color:
      state.format.color = std::max(valueOr(0), 0);
      break;
    case Cw::Superscript:
      state.raised = true;
      break;
    case Cw::Subscript:
    case Cw::NoSuperSub:
      state.raised = false;
      break;
    case Cw::Up:
      state.raised = valueOr(6) > 0;
      break;
    case Cw::Down:
      state.raised = false;
      break;
    case Cw::Pard:
      paragraph = ParagraphFormat();
      state.tabAlign = TabStop::Align::Left;
      break;
    case Cw::Par:
    case Cw::Page:
    case Cw::Cell:
    case Cw::Row:
    case Cw::Line:
    case Cw::Tab:
      BodyBreak(word);
      break;
    case Cw::RowDefaults:
      cells_.clear();
      rowLeft_ = cellGap_ = 0;
      break;
    case Cw::CellEdge:
      if (cells_.size() < 64) cells_.push_back(valueOr(0));
      break;
    case Cw::RowLeft:
      rowLeft_ = valueOr(0);
      break;
    case Cw::CellGap:
      cellGap_ = valueOr(0);
      break;
    case Cw::InTable:
      paragraph.inTable = true;
      break;
    case Cw::AlignLeft:
      paragraph.align = ParagraphFormat::Align::Left;
      break;
    case Cw::AlignRight:
      paragraph.align = ParagraphFormat::Align::Right;
      break;
    case Cw::AlignCenter:
      paragraph.align = ParagraphFormat::Align::Center;
      break;
    case Cw::AlignJustify:
      paragraph.align = ParagraphFormat::Align::Justify;
      break;
    case Cw::LeftIndent:
      paragraph.leftIndentTwips = valueOr(0);
      break;
    case Cw::RightIndent:
      paragraph.rightIndentTwips = valueOr(0);
      break;
    case Cw::FirstIndent:
      paragraph.firstIndentTwips = valueOr(0);
      break;
    case Cw::SpaceBefore:
      paragraph.spaceBeforeTwips = valueOr(0);
      break;
    case Cw::SpaceAfter:
      paragraph.spaceAfterTwips = valueOr(0);
      break;
    case Cw::LineSpacing:
      paragraph.lineSpacingTwips = valueOr(0);
      break;
    case Cw::Keep:
      paragraph.keepTogether = on;
      break;
    case Cw::KeepNext:
      paragraph.nonScrolling = on;
      break;
    case Cw::Box:
      paragraph.boxed = true;
      break;
    case Cw::BorderTop:
      paragraph.borderTop = true;
      break;
    case Cw::BorderBottom:
      paragraph.borderBottom = true;
      break;
    case Cw::BorderLeft:
      paragraph.borderLeft = true;
      break;
    case Cw::BorderRight:
      paragraph.borderRight = true;
      break;
    case Cw::BorderSingle:
      break;
    case Cw::BorderThick:
      paragraph.thickBorder = true;
      break;
    case Cw::BorderDouble:
      paragraph.doubleBorder = true;
      break;
    case Cw::BorderBar:
      paragraph.borderBar = true;
      break;
    case Cw::TabPosition:
      if (paragraph.tabs.size() < 64) paragraph.tabs.push_back({valueOr(0), state.tabAlign});
      state.tabAlign = TabStop::Align::Left;
      break;
    case Cw::TabRight:
      state.tabAlign = TabStop::Align::Right;
      break;
    case Cw::TabCenter:
      state.tabAlign = TabStop::Align::Center;
      break;
    case Cw::TabDecimal:
      state.tabAlign = TabStop::Align::Decimal;
      break;
    case Cw::TabBar:
      state.tabAlign = TabStop::Align::Left;
      break;
    case Cw::PictureKind:
      if (state.dest == Dest::Picture) picture_.embeddedKind = std::string(name);
      break;
    case Cw::PictureWidth:
      if (state.dest == Dest::Picture) picture_.width = valueOr(0);
      break;
    case Cw::PictureHeight:
      if (state.dest == Dest::Picture) picture_.height = valueOr(0);
      break;
    case Cw::PictureGoalWidth:
      if (state.dest == Dest::Picture) picture_.goalWidthTwips = valueOr(0);
      break;
    case Cw::PictureGoalHeight:
      if (state.dest == Dest::Picture) picture_.goalHeightTwips = valueOr(0);
      break;
    case Cw::LeftQuote:
      Character('\x91');
      break;
    case Cw::RightQuote:
      Character('\x92');
      break;
    case Cw::LeftDoubleQuote:
      Character('\x93');
      break;
    case Cw::RightDoubleQuote:
      Character('\x94');
      break;
    case Cw::EmDash:
      Character('\x97');
      break;
    case Cw::EnDash:
      Character('\x96');
      break;
    case Cw::Bullet:
      Character('\x95');
      break;
    case Cw::EmSpace:
    case Cw::EnSpace:
      Character(' ');
      break;
  }
}

}  // namespace veldor::helprtf::reading
