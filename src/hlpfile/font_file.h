// |FONT: the face names and the font descriptors that paragraphs select by
// number.
#pragma once

#include <vector>

#include "hlpfile/byte_reader.h"
#include "hlpfile/help_document.h"

namespace veldor::hlp {

std::vector<HelpFont> ReadFonts(Bytes fonts);

}  // namespace veldor::hlp
