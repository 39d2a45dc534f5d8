// "Fait Visual HM include": the project's help-map include, rewritten from
// the development project the help project is linked to.
#pragma once

#include <string>
#include <vector>

#include "devtools/form_project.h"

namespace veldor {

class CVeldorDoc;

struct HelpMapIncludeReport {
  std::string path;  // the help map written (or that would have been)
  bool written = false;
  // Why nothing was written when the command ends without a message (no
  // project file set, a project that cannot be read, no link), UTF-8.
  std::string silentReason;
  std::vector<SkippedForm> skipped;  // forms of a Visual Basic or Delphi project
};

// Deletes and rewrites the help map: from the resource header for a
// Visual C++ link, from the forms for a Visual Basic or Delphi link.
// Problems are shown as messages, except the silent ends of the Visual
// Basic and Delphi links, described in `report`. True when the map was
// written.
bool BuildHelpMapInclude(const CVeldorDoc& doc, HelpMapIncludeReport* report = nullptr);

// The help-map step of "Fait Tout": the command above, run when the
// project allows changes of its development links. Always true: the build
// goes on whether or not the map could be made (problems were shown).
bool HelpMapBuildStep(CVeldorDoc& doc);

// "Montre double référence": the numbered objects of the linked project
// (Visual Basic for links 1 and 3, Delphi otherwise) as "%03d\t\t%s"
// lines sorted as text. False, with why in `error` (UTF-8), when no
// project file is set or it cannot be read.
bool ListLinkedHelpIds(const CVeldorDoc& doc, std::vector<std::string>& lines,
                       std::string* error = nullptr);

}  // namespace veldor
