// Opening a help file: the one entry point of the reader. Every structure
// is checked against the data; a damaged file gives a message, never a
// crash.
#pragma once

#include <memory>
#include <string>

#include "hlpfile/help_document.h"
#include "hlpfile/picture_file.h"

namespace veldor::hlp {

struct HelpFileResult {
  std::shared_ptr<const HelpDocument> document;  // null on failure
  std::string error;                             // French, when document is null
};

// Reads a whole help file from memory.
HelpFileResult ReadHelpFile(std::string bytes);
// Reads the file at `path` (UTF-8).
HelpFileResult OpenHelpFile(const std::string& path);

// Decodes picture |bm`number` of `document`; false with `error` when it is
// missing or damaged.
bool LoadPicture(const HelpDocument& document, int number, HelpPicture& picture,
                 std::string& error);
// Decodes the picture of a run (from |bmN or stored in the topic).
bool LoadRunPicture(const HelpDocument& document, const HelpRun& run, HelpPicture& picture,
                    std::string& error);

}  // namespace veldor::hlp
