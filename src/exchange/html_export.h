// The HTML export: one static page per topic in a chosen directory.
#pragma once

#include <string>

namespace veldor {

class CTopic;
class CVeldorDoc;
class HtmlPageNames;

// Writes the page of `topic` (the i-th topic, page names from `pages`) into
// `directory`, replacing a file of that name. On failure returns false
// with the system's reason.
bool WriteHtmlPage(const CTopic& topic, int index, const HtmlPageNames& pages,
                   const std::string& directory, std::string* reason = nullptr);

// Writes the page of every topic into `directory`, in document order, with
// a progress bar "Export HTML en cours...". An empty directory writes
// nothing; a directory that does not exist, and every page that cannot be
// written (with its file name and the reason), are reported. True when
// every page was written.
bool ExportHtml(const CVeldorDoc& doc, const std::string& directory);

}  // namespace veldor
