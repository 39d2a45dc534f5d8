// The help skeleton that the Visual Basic and Delphi wizards generate from
// the forms of a project: the project's help map, a main index topic, one
// index topic per form, one topic per numbered control and one what's-this
// topic per what's-this number, linked together by jumps.
#pragma once

#include <cstdint>
#include <string>

#include "devtools/help_maps.h"

namespace veldor {

class CVeldorDoc;
class CFormProject;

struct SkeletonOptions {
  uint16_t devLinkKind = 1;   // 1 Visual Basic 3, 3 Visual Basic 4/5/6, 4 Delphi
  bool whatChapters = false;  // a "FORM_What" chapter after each form's
};

struct SkeletonReport {
  std::string helpMapPath;  // "" when the project has no place for it
  bool helpMapWritten = false;
  HelpMapLoadReport maps;
  int topicsGenerated = 0;
  int topicsLeftOut = 0;  // beyond the 4096 topics of a project
};

// Links the document to the project, rewrites the help map, reloads the
// help maps and appends the topics (the main index topic last). At the
// limit of 4096 topics the remaining topics are left out (with the jumps
// that would lead to them) and a message gives both counts.
void GenerateSkeletonTopics(CVeldorDoc& doc, const CFormProject& project,
                            const SkeletonOptions& options, SkeletonReport* report = nullptr);

}  // namespace veldor
