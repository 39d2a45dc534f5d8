#include "helpbuild/project_rtf.h"

#include <cstdio>
#include <vector>

#include "helpbuild/build_checks.h"
#include "helpbuild/error_list.h"
#include "helpbuild/global_links.h"
#include "helpbuild/rtf_escape.h"
#include "helpbuild/topic_rtf.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace veldor {

const uint32_t kRtfColourOrder[16] = {0x000080, 0xFFFF00, 0xFFFFFF, 0x808080, 0x808000, 0xFF0000,
                                      0x00FF00, 0xC0C0C0, 0x0000FF, 0x008000, 0x800000, 0x800080,
                                      0x000000, 0x008080, 0xFF00FF, 0x00FFFF};

namespace {

// Gives the 16 palette colours their numbers in the colour map.
void NumberColours(StringMap& colourMap) {
  for (int k = 0; k < 16; ++k) colourMap[ColourKey(kRtfColourOrder[k])] = std::to_string(k + 1);
}

// One walk over the sorted topics: the "topic.ref" text (when asked for)
// and the font numbers in the order fonts are met. Subjects without a face
// name are not numbered; with `errors` they are reported.
void NumberTopicsAndFonts(CVeldorDoc& doc, std::string* topicRefText, CErrorList* errors) {
  for (int i = 0; i < doc.topicCount(); ++i) {
    const CTopic& topic = *doc.GetTopic(i);
    if (topicRefText != nullptr) *topicRefText += std::to_string(i + 1) + " :" + topic.name + "\n";
    for (int s = 0; s < topic.subjectCount(); ++s) {
      const CTypeEdit& subject = *topic.GetSubject(s);
      if (subject.style.faceName.empty()) {
        if (errors != nullptr) {
          errors->AddErrorLine("topic..." + std::to_string(i + 1) + " VELDOR Nom Font Vide");
        }
        continue;
      }
      const std::string key = FontKey(subject.style);
      if (doc.fontMap.find(key) == doc.fontMap.end()) {
        doc.fontMap[key] = std::to_string(doc.fontMap.size());
      }
    }
  }
}

// "{\fonttbl{\f0\fswiss Arial;}...}" with the fonts in number order.
void WriteFontTable(const StringMap& fontMap, std::string& out) {
  std::vector<const std::string*> byNumber(fontMap.size(), nullptr);
  for (const auto& [key, number] : fontMap) {
    const unsigned long n = std::stoul(number);
    if (n < byNumber.size()) byNumber[n] = &key;
  }
  out += "{\\fonttbl";
  for (size_t n = 0; n < byNumber.size(); ++n) {
    if (byNumber[n] != nullptr) out += "{\\f" + std::to_string(n) + *byNumber[n] + ";}";
  }
  out += "}\n";
}

void WriteColourTable(bool lineBreaks, std::string& out) {
  out += "{\\colortbl";
  for (int k = 1; k <= 16; ++k) {
    out += ColourKey(kRtfColourOrder[k - 1]);
    if (lineBreaks && (k + 1) % 8 == 0) out += '\n';
  }
  out += ";}\n\\deff0\n";
}

}  // namespace

bool BuildRtf(CVeldorDoc& doc, CErrorList& errors) {
  if (!CheckBuildPreconditions(doc)) return false;
  const std::string rtfPath = ProjectOutputPath(doc, ".RTF");
  doc.fontMap.clear();

  if (!doc.GetPathName().empty()) {
    // A copy of the project as it was before the build reorders it.
    const bool modified = doc.IsModified();
    const std::string copy = BaseNamePart(doc.GetPathName()) + ".000";
    std::string reason;
    const bool saved = doc.SaveCopy(copy, &reason);
    doc.SetModifiedFlag(modified);
    if (!saved) {  // the reason names the file
      Messages().Message(ForMessage(reason), kBuildCaption, MessageIcon::Error);
      return false;
    }
  }

  std::string rtf = "{\\rtf1\\ansi\n";
  doc.SortTopics();
  NumberColours(doc.colourMap);
  const std::string topicRefPath = JoinPath(DirectoryPart(rtfPath), "topic.ref");

  const StringMap topicRefs = BuildTopicReferenceMap(doc);
  std::string topicRefText;
  NumberTopicsAndFonts(doc, &topicRefText, &errors);
  WriteFontTable(doc.fontMap, rtf);
  WriteColourTable(true, rtf);

  const GlobalLinker linker(doc.globals, doc.help32 != 0);
  const RtfMaps maps{doc.fontMap, doc.colourMap, topicRefs, &linker};
  const std::vector<int> positions = PositionsInChapters(doc);
  for (int i = 0; i < doc.topicCount(); ++i) {
    const CTopic& topic = *doc.GetTopic(i);
    WriteTopicRtf(topic, rtf, maps, doc.IndexOfChapter(topic.chapter),
                  positions[static_cast<size_t>(i)], doc);
  }
  rtf += "}\n";

  return WriteOutputFile(rtfPath, rtf) && WriteOutputFile(topicRefPath, topicRefText);
}

bool ExportRtf(CVeldorDoc& doc, const std::string& fileName) {
  if (!CheckProjectName(doc)) return false;
  // Checked first, so that the project is not reordered for a file that
  // cannot be written; a previous export stays whole until the new one
  // replaces it.
  if (std::string reason; !CheckWritable(fileName, &reason)) {
    ReportFileFailure(fileName, reason);
    return false;
  }

  doc.fontMap.clear();
  std::string rtf = "{\\rtf1\\ansi\n";
  doc.SortTopics();
  NumberColours(doc.colourMap);
  const StringMap topicRefs = BuildTopicReferenceMap(doc);
  NumberTopicsAndFonts(doc, nullptr, nullptr);
  WriteFontTable(doc.fontMap, rtf);
  WriteColourTable(false, rtf);

  const RtfMaps maps{doc.fontMap, doc.colourMap, topicRefs, nullptr};
  int previousChapter = -1;
  for (int i = 0; i < doc.topicCount(); ++i) {
    const CTopic& topic = *doc.GetTopic(i);
    const int chapter = doc.IndexOfChapter(topic.chapter);
    if (chapter != previousChapter && previousChapter != -1) {
      rtf += "\\page\nCHAPITRE " + RtfEscape(topic.chapter) + "\\line\n";
    }
    previousChapter = chapter;
    WriteTopicExportRtf(topic, rtf, maps, doc);
  }
  rtf += "}\n";
  return WriteOutputFile(fileName, rtf);
}

}  // namespace veldor
