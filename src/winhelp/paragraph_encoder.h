// One paragraph of a topic as paragraph records of |TOPIC: the paragraph
// attributes and formatting commands (fonts, hot spots, pictures, tabs,
// line breaks) in the first part, the text strings between the commands
// in the second.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "helprtf/help_topics.h"
#include "winhelp/byte_writer.h"
#include "winhelp/font_table.h"

namespace veldor::winhelp {

struct EncodedParagraph {
  Bytes linkData1;
  Bytes linkData2;
  uint32_t characters = 0;  // text bytes with their NULs, plus picture hot spots
};

// What the encoder asks of the help file being built.
struct ParagraphServices {
  FontTable* fonts = nullptr;
  // The context string a jump names, after [ALIAS].
  std::function<std::string(const std::string&)> resolveContext;
  // The number of a secondary window, or -1.
  std::function<int(const std::string&)> windowNumber;
  // The |bmN number of a picture and its hot spot count; -1 when missing.
  std::function<int(const helprtf::PictureRef&, int& hotSpots)> pictureNumber;
  // Told of every hot spot written (to check and count jumps).
  std::function<void(const helprtf::HotSpot&)> onHotSpot;
};

// The records of a paragraph: one, or several for a paragraph too large
// for a topic block.
std::vector<EncodedParagraph> EncodeParagraph(const helprtf::Paragraph& paragraph,
                                              const helprtf::HelpDocument& document,
                                              ParagraphServices& services);

// One row of a table as a table record: its cells, each made of one or
// more paragraphs.
EncodedParagraph EncodeTableRow(const std::vector<std::vector<const helprtf::Paragraph*>>& cells,
                                const helprtf::HelpDocument& document, ParagraphServices& services);

// The font descriptor of a character format.
FontDescriptor DescriptorOf(const helprtf::CharFormat& format,
                            const helprtf::HelpDocument& document);

}  // namespace veldor::winhelp
