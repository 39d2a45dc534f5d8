// The RTF topic file of a whole project with its "topic.ref", and the
// plain whole-project RTF export.
#pragma once

#include <string>

#include "helpbuild/rtf_format.h"

namespace veldor {

class CErrorList;
class CVeldorDoc;

// The 16 palette colours in the order of the RTF colour table (numbered
// from 1), as 0x00BBGGRR values.
extern const uint32_t kRtfColourOrder[16];

// Writes the project's RTF file (project name + ".RTF" in the work
// directory) and "topic.ref" beside it, after saving a ".000" copy of the
// document in the current directory and sorting the topics. Subjects with
// an empty face name add "topic...N VELDOR Nom Font Vide" to `errors`.
// Returns false, after a message, when a check fails or a file cannot be
// written.
bool BuildRtf(CVeldorDoc& doc, CErrorList& errors);

// Writes the plain RTF export of the project to `fileName` (topics sorted,
// a "CHAPITRE" heading where the chapter changes). Returns false, after a
// message, when the project has no valid name or the file cannot be
// written.
bool ExportRtf(CVeldorDoc& doc, const std::string& fileName);

}  // namespace veldor
