// The pictures of a help file (|bmN): one or more formats of the same
// picture, each a device-dependent or device-independent bitmap or a
// metafile, packed with run-length coding, LZ77 or both, with optional hot
// spots (rectangles that act as links).
#pragma once

#include <string>
#include <vector>

#include "hlpfile/byte_reader.h"
#include "hlpfile/help_document.h"

namespace veldor::hlp {

struct HelpPicture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB, rows top to bottom
  std::vector<HotSpot> hotspots;
  bool metafile = false;  // a metafile: not drawn, pixels empty
};

// Decodes the first bitmap format of a |bm file (or notes a metafile).
// Throws FormatError.
HelpPicture DecodePicture(Bytes picture);

}  // namespace veldor::hlp
