#include "helpbuild/topic_rtf.h"

#include <cstdio>
#include <unordered_map>

#include "helpbuild/rtf_escape.h"
#include "helpbuild/subject_rtf.h"
#include "model/document.h"
#include "model/topic.h"

namespace veldor {

namespace {

bool IsReferenceSeparator(char c) {
  return c == ';' || c == ' ' || c == '\t';
}

// Opens a paragraph group before the first subject and after every subject
// that ends its paragraph; closes the last group when its subject does not.
template <typename WriteSubject>
void WriteSubjectGroups(const CTopic& topic, std::string& out, WriteSubject writeSubject) {
  bool openGroup = true;
  for (int i = 0; i < topic.subjectCount(); ++i) {
    const CTypeEdit& subject = *topic.GetSubject(i);
    if (openGroup) out += '{';
    writeSubject(subject);
    openGroup = (subject.flags & kFlagParagraphEnd) != 0;
  }
  if (topic.subjectCount() > 0 && !openGroup) out += '}';
}

}  // namespace

std::vector<std::string> SplitReferences(const std::string& references) {
  std::vector<std::string> pieces;
  std::string piece;
  for (char c : references) {
    if (IsReferenceSeparator(c)) {
      if (!piece.empty()) pieces.push_back(std::move(piece));
      piece.clear();
    } else {
      piece += c;
    }
  }
  if (!piece.empty()) pieces.push_back(std::move(piece));
  return pieces;
}

StringMap BuildTopicReferenceMap(const CVeldorDoc& doc) {
  StringMap refs;
  for (int i = 0; i < doc.topicCount(); ++i) {
    const CTopic& topic = *doc.GetTopic(i);
    for (std::string& piece : SplitReferences(topic.references))
      refs[topic.name] = std::move(piece);
  }
  return refs;
}

std::string BrowseCode(int chapterIndex, int positionInChapter) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d:%04d", chapterIndex + 1, positionInChapter);
  return buffer;
}

std::vector<int> PositionsInChapters(const CVeldorDoc& doc) {
  std::vector<int> positions;
  positions.reserve(static_cast<size_t>(doc.topicCount()));
  std::unordered_map<std::string, int> seen;
  for (int i = 0; i < doc.topicCount(); ++i) positions.push_back(seen[doc.GetTopic(i)->chapter]++);
  return positions;
}

void WriteTopicRtf(const CTopic& topic, std::string& out, const RtfMaps& maps, int chapterIndex,
                   int positionInChapter, const CVeldorDoc& doc) {
  for (const std::string& piece : SplitReferences(topic.references)) {
    out += "#{\\footnote " + piece + "}\n";
  }
  out += "#{\\footnote " + topic.name + "}\n";
  if (!topic.title.empty()) out += "${\\footnote " + RtfEscape(topic.title) + "}\n";
  out += "+{\\footnote " + BrowseCode(chapterIndex, positionInChapter) + "}\n";
  for (const std::string& keyword : topic.keywords) {
    if (!keyword.empty()) out += "K{\\footnote " + RtfEscape(keyword) + "}\n";
  }
  WriteSubjectGroups(topic, out,
                     [&](const CTypeEdit& subject) { WriteRtf(subject, out, maps, doc, true); });
  out += "\\page\n";
}

void WriteTopicExportRtf(const CTopic& topic, std::string& out, const RtfMaps& maps,
                         const CVeldorDoc& doc) {
  WriteSubjectGroups(topic, out,
                     [&](const CTypeEdit& subject) { WriteRtfExport(subject, out, maps, doc); });
}

}  // namespace veldor
