// The RTF control words the help reader acts on, looked up by name.
#pragma once

#include <cstdint>
#include <string_view>

namespace veldor::helprtf {

enum class Cw : uint8_t {
  Unknown,
  // Document
  Rtf,
  DefaultFont,
  UnicodeSkip,
  Unicode,
  Binary,
  // Destinations
  FontTable,
  ColorTable,
  StyleSheet,
  Footnote,
  Picture,
  Ignorable,  // a destination whose text is not part of the document
  // Tables
  FontNumber,
  FontFamily,
  FontCharset,
  Red,
  Green,
  Blue,
  ParagraphStyle,
  CharacterStyle,
  OtherStyle,
  // Characters
  Plain,
  Bold,
  Italic,
  Underline,
  DoubleUnderline,
  NoUnderline,
  Strike,
  Hidden,
  SmallCaps,
  FontSize,
  Color,
  Superscript,
  Subscript,
  NoSuperSub,
  Up,
  Down,
  // Paragraphs
  Pard,
  Par,
  Page,
  Line,
  Tab,
  Cell,
  Row,
  RowDefaults,
  CellEdge,
  RowLeft,
  CellGap,
  InTable,
  AlignLeft,
  AlignRight,
  AlignCenter,
  AlignJustify,
  LeftIndent,
  RightIndent,
  FirstIndent,
  SpaceBefore,
  SpaceAfter,
  LineSpacing,
  Keep,
  KeepNext,
  Box,
  BorderTop,
  BorderBottom,
  BorderLeft,
  BorderRight,
  BorderSingle,
  BorderThick,
  BorderDouble,
  BorderBar,
  TabPosition,
  TabRight,
  TabCenter,
  TabDecimal,
  TabBar,
  // Pictures
  PictureKind,
  PictureWidth,
  PictureHeight,
  PictureGoalWidth,
  PictureGoalHeight,
  // Special characters
  LeftQuote,
  RightQuote,
  LeftDoubleQuote,
  RightDoubleQuote,
  EmDash,
  EnDash,
  Bullet,
  EmSpace,
  EnSpace,
};

Cw LookUpControlWord(std::string_view word);

// True for the words that only stand for a character (they may sit in the
// middle of a bitmap reference or of a \u fallback).
bool IsCharacterWord(Cw word);

}  // namespace veldor::helprtf
