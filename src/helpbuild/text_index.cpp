#include "helpbuild/text_index.h"

#include <set>

#include "helpbuild/build_checks.h"
#include "helpbuild/error_list.h"
#include "model/document.h"

namespace veldor {

namespace {

// Lower case of a Windows-1252 letter (other bytes unchanged).
unsigned char FoldCp1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A:
      return 0x9A;  // S caron
    case 0x8C:
      return 0x9C;  // OE
    case 0x8E:
      return 0x9E;  // Z caron
    case 0x9F:
      return 0xFF;  // Y diaeresis
    default:
      return c;
  }
}

std::string Folded(const std::string& text) {
  std::string folded = text;
  for (char& c : folded) c = static_cast<char>(FoldCp1252(static_cast<unsigned char>(c)));
  return folded;
}

}  // namespace

bool BuildTextIndex(const CVeldorDoc& doc) {
  if (!CheckProjectName(doc)) return false;
  std::string keys;
  std::string names;
  std::set<std::string> seen;
  for (int i = 0; i < doc.topicCount(); ++i) {
    const CTopic& topic = *doc.GetTopic(i);
    for (const std::string& keyword : topic.keywords) keys += keyword + "\n";
    if (seen.insert(topic.name).second) names += topic.name + "\n";
  }
  return WriteOutputFile(ProjectOutputPath(doc, ".IND"), names) &&
         WriteOutputFile(ProjectOutputPath(doc, ".KEY"), keys);
}

void SearchText(const CVeldorDoc& doc, const std::string& text, bool caseSensitive,
                CErrorList& errors) {
  errors.ClearErrorList();
  errors.AddErrorLine("Recherche de " + text);
  if (text.empty()) return;
  const std::string needle = caseSensitive ? text : Folded(text);
  for (int t = 0; t < doc.topicCount(); ++t) {
    const CTopic& topic = *doc.GetTopic(t);
    for (int s = 0; s < topic.subjectCount(); ++s) {
      const std::string& stored = topic.GetSubject(s)->text;
      const std::string haystack = caseSensitive ? stored : Folded(stored);
      int lineFeeds = 0;
      size_t counted = 0;  // line feeds are counted up to here
      for (size_t at = haystack.find(needle); at != std::string::npos;
           at = haystack.find(needle, at + 1)) {
        for (; counted < at; ++counted) lineFeeds += haystack[counted] == '\n';
        errors.AddErrorLine("topic..." + std::to_string(t) + " Chaine Ed " + std::to_string(s) +
                            " Ligne " + std::to_string(lineFeeds));
      }
    }
  }
}

}  // namespace veldor
