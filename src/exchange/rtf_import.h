// The "Importe RTF" command without its file dialog: reads an RTF file,
// typically a WinHelp topic file, and appends its pages to the project.
#pragma once

#include <string>

namespace veldor {

class CVeldorDoc;
struct ImportSummary;

// Reads at most 500000 bytes of `path` (UTF-8 text converted), parses them
// with a progress bar "Import RTF en cours..." and appends the topics to
// `doc` while it has room. A file that does not start with "{\rtf" is
// refused (message, nothing added). A file that cannot be opened, a file cut at the
// size limit, a parse error ("Erreur RTF", topics finished before it are
// kept), topics and subjects left out and names already in use are
// reported through the messages. Returns the number of topics added;
// `summary` receives the details.
int ImportRtf(CVeldorDoc& doc, const std::string& path, ImportSummary* summary = nullptr);

}  // namespace veldor
