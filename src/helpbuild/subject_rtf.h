// RTF of one subject: for the help compiler (with hotspots, macros and
// global-string links) and for the plain whole-project export.
#pragma once

#include <string>

#include "helpbuild/rtf_format.h"

namespace veldor {

class CTypeEdit;
class CVeldorDoc;

// Writes the subject as help RTF, by its type code. The document supplies
// the global strings and the 32-bit help option; `substituteGlobals`
// allows global strings to become links in text, indented text and image
// captions (the help build always passes true).
void WriteRtf(const CTypeEdit& subject, std::string& out, const RtfMaps& maps,
              const CVeldorDoc& doc, bool substituteGlobals);

// Writes the subject for the plain RTF export: titles as WriteRtf, texts
// without global links, images and jumps as their text only.
void WriteRtfExport(const CTypeEdit& subject, std::string& out, const RtfMaps& maps,
                    const CVeldorDoc& doc);

// The topic a jump or image leads to: its reference context string when
// the topic has one, else `target` itself.
const std::string& ResolveTarget(const std::string& target, const StringMap& topicRefs);

}  // namespace veldor
