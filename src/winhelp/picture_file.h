// Pictures for help files: Windows bitmaps (.BMP, .DIB) of 1, 4, 8, 16,
// 24 and 32 bits per pixel, RLE-compressed ones included, turned into the
// format's picture files, and hot spot pictures (.SHG, .MRB) taken as
// they are with their jump hashes filled in.
#pragma once

#include <string>

#include "winhelp/byte_writer.h"
#include "winhelp/hlp_input.h"

namespace veldor::winhelp {

// Builds the picture from a file's contents; false with a reason when the
// data is not a picture this compiler knows.
bool MakeHelpPicture(const Bytes& fileData, bool compress, bool transparent, HelpPicture& picture,
                     std::string& reason);

}  // namespace veldor::winhelp
