// What a help file holds, as the viewer shows it: topics made of paragraphs
// of formatted runs, with their links and pictures, and the file's fonts,
// windows, keywords and context tables. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace veldor::hlp {

// A topic offset: the block number in the high 17 bits and a character
// count within the block in the low 15 bits. Contexts, keywords, browse
// sequences and the contents topic are located by it.
using TopicOffset = uint32_t;
inline constexpr TopicOffset kNoOffset = 0xFFFFFFFF;

struct HelpFont {
  std::string face;
  int halfPoints = 20;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool doubleUnderline = false;
  bool smallCaps = false;
  int family = 0;       // 1 modern, 2 roman, 3 swiss, 4 script, 5 decorative
  uint32_t colour = 0;  // 0x00BBGGRR
};

// A window definition of the help project.
struct HelpWindow {
  std::string type;
  std::string name;
  std::string caption;
  // Position and size in units of 1/1024 of the screen; absent when not set.
  std::optional<int> x, y, width, height;
  bool maximize = false;
  bool onTop = false;
  std::optional<uint32_t> background;           // 0x00BBGGRR
  std::optional<uint32_t> nonScrollBackground;  // 0x00BBGGRR
};

enum class LinkKind { Jump, Popup, Macro };

struct HelpLink {
  LinkKind kind = LinkKind::Jump;
  uint32_t hash = 0;      // context hash of the target (jumps, pop-ups)
  std::string file;       // another help file, or "" for this one
  std::string window;     // secondary window name, or ""
  int windowNumber = -1;  // window index in the file's definitions
  std::string macro;      // for LinkKind::Macro
  bool plain = false;     // shown without the green underline
};

enum class PictureAlign { InLine, Left, Right };

// A rectangle of a picture that acts as a link.
struct HotSpot {
  int x = 0, y = 0, width = 0, height = 0;
  HelpLink link;
};

struct HelpRun {
  enum class Kind { Text, LineBreak, Tab, Picture };
  Kind kind = Kind::Text;
  std::string text;   // Kind::Text
  int font = -1;      // index into HelpDocument::fonts, -1 = default
  int link = -1;      // index into HelpTopic::links, -1 = none
  int picture = -1;   // Kind::Picture: the |bm number, or -1
  int embedded = -1;  // Kind::Picture stored in the topic: index into embeddedPictures
  PictureAlign align = PictureAlign::InLine;
};

enum class ParagraphAlign { Left, Right, Center };

struct HelpParagraph {
  ParagraphAlign align = ParagraphAlign::Left;
  // Spacing and indents in the file's unit (half points).
  int spaceBefore = 0, spaceAfter = 0, lineSpacing = 0;
  int leftIndent = 0, rightIndent = 0, firstIndent = 0;
  bool box = false, borderTop = false, borderLeft = false, borderBottom = false,
       borderRight = false, borderThick = false, borderDouble = false;
  bool keepTogether = false;
  struct Tab {
    int position = 0;
    int type = 0;  // 0 left, 1 right, 2 centre
  };
  std::vector<Tab> tabs;
  bool nonScrolling = false;
  int tableColumn = -1;  // column of a table cell, -1 outside tables
  int tableRow = -1;     // row number within its table, -1 outside tables
  std::vector<HelpRun> runs;
};

struct HelpTopic {
  std::string title;
  TopicOffset offset = 0;  // of its header
  TopicOffset browsePrevious = kNoOffset;
  TopicOffset browseNext = kNoOffset;
  uint32_t number = 0;
  std::vector<std::string> macros;  // run on display
  std::vector<HelpParagraph> paragraphs;
  std::vector<HelpLink> links;
  // Offsets at which each paragraph starts (same order as paragraphs).
  std::vector<TopicOffset> paragraphOffsets;
};

struct HelpKeyword {
  std::string word;
  std::vector<TopicOffset> offsets;
};

struct HelpDocument {
  std::string title;
  std::string copyright;
  std::string citation;
  TopicOffset contents = kNoOffset;
  int minorVersion = 0;
  bool compressed = false;
  std::string phraseKind;           // "", "Phrases" or "Hall"
  std::vector<std::string> macros;  // configuration macros, run at opening
  std::vector<HelpWindow> windows;
  std::vector<HelpFont> fonts;
  std::vector<HelpTopic> topics;               // in file order
  std::map<uint32_t, TopicOffset> contexts;    // context hash -> offset
  std::map<uint32_t, TopicOffset> contextMap;  // map number -> offset
  std::vector<HelpKeyword> keywords;           // in key order
  // The |bmN files: number -> position and size in `bytes`, decoded on
  // demand (LoadPicture).
  struct Span {
    std::size_t offset = 0, size = 0;
  };
  std::map<int, Span> pictures;
  // Pictures stored in the topic text itself, in the |bm layout.
  std::vector<std::string> embeddedPictures;
  std::shared_ptr<const std::string> bytes;  // the whole file
};

// The topic holding `offset` (the last topic whose offset is not greater),
// or -1.
int TopicIndexAt(const HelpDocument& document, TopicOffset offset);
// The topic of a context hash, or -1.
int TopicIndexOfHash(const HelpDocument& document, uint32_t hash);
// The contents topic: the one of |SYSTEM, else the first; -1 when none.
int ContentsTopicIndex(const HelpDocument& document);
// The window definition named `name` (ignoring ASCII case), or -1.
int WindowIndex(const HelpDocument& document, const std::string& name);

}  // namespace veldor::hlp
