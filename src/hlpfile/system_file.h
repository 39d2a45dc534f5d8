// |SYSTEM: version and compression of the file, then records of the title,
// copyright, contents topic, configuration macros and window definitions.
#pragma once

#include "hlpfile/byte_reader.h"
#include "hlpfile/help_document.h"

namespace veldor::hlp {

struct SystemInfo {
  int minor = 0;
  bool compressed = false;  // topic blocks are LZ77-compressed
  std::size_t topicBlockSize = 4096;
};

// Fills the |SYSTEM fields of `document`. Files of the 3.0 format (minor
// version 16 or less) are refused with a message.
SystemInfo ReadSystem(Bytes system, HelpDocument& document);

// The text of a record: Windows-1252 up to its NUL (or its end), as UTF-8.
std::string RecordText(Bytes bytes);

}  // namespace veldor::hlp
