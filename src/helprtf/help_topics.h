// What a WinHelp RTF topic file says, independent of how it was written:
// topics (with the footnotes that name, title and index them) made of
// paragraphs of formatted runs, hot spots and picture references. The RTF
// reader produces it; the help compiler turns it into a .HLP file and the
// RTF import turns it into subjects. Text is Windows-1252, the bytes of
// model strings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veldor::helprtf {

// One entry of the font table (\fonttbl).
struct HelpFont {
  int number = 0;      // \fN
  std::string family;  // "nil", "roman", "swiss", "modern", "script", "decor", "tech"
  int charset = 0;     // \fcharsetN
  std::string name;    // face name without the closing ';'
};

// One entry of the colour table (\colortbl); the first, empty entry is
// the automatic colour and has isAuto set.
struct HelpColor {
  uint8_t red = 0, green = 0, blue = 0;
  bool isAuto = false;
};

// Character formatting of a run.
struct CharFormat {
  int font = 0;         // index into HelpDocument::fonts (the \f number)
  int halfPoints = 24;  // \fsN
  int color = 0;        // index into HelpDocument::colors, 0 = automatic
  bool bold = false, italic = false, underline = false, strike = false;
  bool smallCaps = false;
  bool operator==(const CharFormat&) const = default;
};

// What a hot spot does when it is chosen.
enum class HotSpotKind : uint8_t {
  Jump,   // \uldb or \strike: jump to a topic
  Popup,  // \ul: the topic in a pop-up window
  Macro,  // target starts with '!': run the macros
};

struct HotSpot {
  HotSpotKind kind = HotSpotKind::Jump;
  std::string target;        // context string (or macro text without the '!')
  std::string window;        // ">window" part of a jump, empty for the main one
  std::string file;          // "@file" part for a jump into another help file
  bool noUnderline = false;  // target written with a leading '%' (no underline, no colour)
  bool noColor = false;      // target written with a leading '*' (underline, no colour)
};

// A picture reference: {bmc file}, {bml file}, {bmr file} and the "wc"
// variants (\{bmct ...\} transparent), or an embedded \pict group.
struct PictureRef {
  enum class Placement : uint8_t { Character, Left, Right } placement = Placement::Character;
  std::string file;                             // as written, for bmc/bml/bmr
  bool transparent = false;                     // bmct, bmlt, bmrt
  std::vector<uint8_t> embedded;                // \pict data (binary), when not a file reference
  std::string embeddedKind;                     // "dibitmap", "wbitmap", "wmetafile", "emfblip"...
  int width = 0, height = 0;                    // \picw, \pich (pixels, or metafile units)
  int goalWidthTwips = 0, goalHeightTwips = 0;  // \picwgoal, \pichgoal
};

// One piece of a paragraph: text in one format, a tab, a line break, or a
// picture. A run that belongs to a hot spot carries its index.
struct Run {
  enum class Kind : uint8_t { Text, Tab, LineBreak, Picture } kind = Kind::Text;
  std::string text;  // Text only
  CharFormat format;
  int hotSpot = -1;  // index into Paragraph::hotSpots, or -1
  int picture = -1;  // Picture only: index into Paragraph::pictures
};

struct TabStop {
  int positionTwips = 0;
  enum class Align : uint8_t { Left, Right, Center, Decimal } align = Align::Left;
};

struct ParagraphFormat {
  enum class Align : uint8_t { Left, Center, Right, Justify } align = Align::Left;
  int leftIndentTwips = 0, rightIndentTwips = 0, firstIndentTwips = 0;
  int spaceBeforeTwips = 0, spaceAfterTwips = 0, lineSpacingTwips = 0;
  bool keepTogether = false;  // \keep: the paragraph does not wrap
  bool nonScrolling = false;  // \keepn: part of the non-scrolling region
  bool boxed = false;         // \box
  bool borderTop = false, borderBottom = false, borderLeft = false, borderRight = false;
  bool thickBorder = false, doubleBorder = false;
  bool borderBar = false;  // \brdrbar: a vertical bar beside the paragraph
  std::vector<TabStop> tabs;
  bool inTable = false;  // \intbl: a cell of a table row
  bool operator==(const ParagraphFormat&) const = default;
};

struct Paragraph {
  ParagraphFormat format;
  std::vector<Run> runs;
  std::vector<HotSpot> hotSpots;
  std::vector<PictureRef> pictures;
  bool endsCell = false;  // closed by \cell rather than \par
  bool endsRow = false;   // closed by \row
  // Right edges of the cells of the row definition (\cellx) in effect for
  // a paragraph in a table, and the row's left edge and cell gap.
  std::vector<int> cellEdgesTwips;
  int rowLeftTwips = 0, cellGapTwips = 0;
};

// A topic: everything between two \page breaks. The footnotes give it its
// names; several '#' footnotes give several context strings.
struct Topic {
  std::vector<std::string> contextStrings;  // '#'
  std::string title;                        // '$'
  std::vector<std::string> keywords;        // 'K', split at ';'
  std::vector<std::string> aKeywords;       // 'A', split at ';'
  std::string browseSequence;               // '+'
  std::vector<std::string> buildTags;       // '*', split at ';'
  std::vector<std::string> entryMacros;     // '!', split at ';' outside quotes
  std::string window;                       // '>'
  std::vector<Paragraph> paragraphs;
  int firstLine = 0;  // line of the RTF file where the topic starts (1-based)
};

// A problem met while reading, kept so that the compiler can report it and
// the importer can ignore it.
struct ReadNote {
  int line = 0;      // 1-based line of the RTF file
  int topic = 0;     // 1-based topic number in the file
  std::string text;  // French or English free text, one line
};

struct HelpDocument {
  std::vector<HelpFont> fonts;
  std::vector<HelpColor> colors;
  std::vector<Topic> topics;
  std::vector<ReadNote> notes;  // unknown or skipped RTF, unbalanced groups...
  int defaultFont = 0;          // \deff
  bool isRtf = false;           // the data starts with "{\rtf"
  bool wrongVersion = false;    // "\rtfN" with N other than 1: reading stopped there
  bool unclosedGroups = false;  // the data ended inside a group
  bool truncated = false;       // the data was longer than the reader's size limit
};

}  // namespace veldor::helprtf
