// RTF of one topic: the help footnotes (context strings, title, browse
// sequence, keywords) and the paragraph groups of its subjects.
#pragma once

#include <string>
#include <vector>

#include "helpbuild/rtf_format.h"

namespace veldor {

class CTopic;
class CVeldorDoc;

// The non-empty pieces of a reference string, split at ';', blanks and
// tabs. The whole string is split, whatever its length.
std::vector<std::string> SplitReferences(const std::string& references);

// Context string of every topic to the last piece of its reference string
// (topics without references are not in the map).
StringMap BuildTopicReferenceMap(const CVeldorDoc& doc);

// "%04d:%04d" of chapter index + 1 (the index is -1 for a chapter not in
// the list) and the position in the chapter.
std::string BrowseCode(int chapterIndex, int positionInChapter);

// For each topic in document order, the number of topics before it with
// the same chapter name.
std::vector<int> PositionsInChapters(const CVeldorDoc& doc);

// Footnotes, subjects (WriteRtf with global links) and "\page".
void WriteTopicRtf(const CTopic& topic, std::string& out, const RtfMaps& maps, int chapterIndex,
                   int positionInChapter, const CVeldorDoc& doc);

// The subjects only, with the export writer of each subject.
void WriteTopicExportRtf(const CTopic& topic, std::string& out, const RtfMaps& maps,
                         const CVeldorDoc& doc);

}  // namespace veldor
