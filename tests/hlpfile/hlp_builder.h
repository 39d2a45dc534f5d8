// Builds small help files for the tests from the published layout of the
// format: container and directory B-tree, |SYSTEM, |FONT, |TOPIC (plain or
// with LZ77-compressed blocks), |Phrases, |CONTEXT, |KWBTREE/|KWDATA,
// |CTXOMAP and one bitmap. Offsets are computed the way the format defines
// them, so the tests can check the reader's lookups exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veldor::hlptest {

struct Piece {
  std::string text;       // Windows-1252
  std::string jump;       // context of a jump, or ""
  std::string popup;      // context of a pop-up, or ""
  std::string macro;      // macro of a hot spot, or ""
  std::string window;     // secondary window of the jump, or ""
  int picture = -1;       // a picture reference instead of text
  bool embedded = false;  // with picture: the bitmap stored in the topic
};

struct Paragraph {
  std::vector<Piece> pieces;
  bool centered = false;
  int leftIndent = 0;
};

struct Topic {
  std::string context;
  std::string title;
  std::vector<std::string> macros;
  std::vector<std::string> keywords;
  std::vector<Paragraph> paragraphs;
  bool nonScrollingTitle = false;  // first paragraph in the non-scrolling region
  int browse = -1;                 // position in the browse sequence, -1 = none
  int mapNumber = -1;              // [MAP] number, -1 = none
};

struct WindowDef {
  std::string name;
  std::string caption;
  int x = 0, y = 0, width = 512, height = 512;
};

struct HelpSpec {
  std::string title = "Aide de test";
  std::string copyright;
  std::vector<std::string> macros;
  std::vector<WindowDef> windows;
  std::vector<Topic> topics;
  int contentsTopic = -1;            // index, -1 = none in |SYSTEM
  bool compressBlocks = false;       // LZ77 topic blocks
  std::vector<std::string> phrases;  // |Phrases table; empty = none
  bool withPicture = false;          // |bm0: an 8x4 two-colour bitmap with one hot spot
};

// The whole file.
std::string BuildHelpFile(const HelpSpec& spec);

// One paragraph of plain text.
Paragraph Text(const std::string& text);
// Pieces of a paragraph.
inline Piece Plain(const std::string& text) {
  Piece p;
  p.text = text;
  return p;
}
inline Piece JumpTo(const std::string& text, const std::string& context,
                    const std::string& window = "") {
  Piece p = Plain(text);
  p.jump = context;
  p.window = window;
  return p;
}
inline Piece PopupTo(const std::string& text, const std::string& context) {
  Piece p = Plain(text);
  p.popup = context;
  return p;
}
inline Piece MacroLink(const std::string& text, const std::string& macro) {
  Piece p = Plain(text);
  p.macro = macro;
  return p;
}
inline Piece PictureRef(int number) {
  Piece p;
  p.picture = number;
  return p;
}
inline Piece EmbeddedPicture() {
  Piece p;
  p.picture = 0;
  p.embedded = true;
  return p;
}

// A simple LZ77 compressor matching the reader's expander.
std::string CompressLz77(const std::string& data);

}  // namespace veldor::hlptest
