// The error list of a project: compiler messages, build problems and
// search results, and the way from one of its lines back to a topic.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "helpbuild/rtf_format.h"

namespace veldor {

class CVeldorDoc;

// The topic (and subject) a line of the error list leads to.
struct ErrorLineTarget {
  int topicIndex = -1;
  std::string topicName;
  int subjectIndex = -1;  // -1: no subject selected
};

class CErrorList {
 public:
  const std::vector<std::string>& lines() const { return lines_; }
  void AddErrorLine(const std::string& text) { lines_.push_back(text); }
  void ClearErrorList() { lines_.clear(); }

  // Replaces the topic number map with the "number :name" lines of a
  // "topic.ref" file. A file that cannot be read leaves the map empty
  // (and returns false).
  bool LoadTopicRef(const std::string& path);
  const StringMap& topicNumbers() const { return topicNumbers_; }

  // Which topic a line designates: "topic #3 of FILE" and
  // "topic...3 VELDOR ..." through the topic number map, a search line
  // "topic...3 Chaine Ed 2 Ligne 0" by topic index (with its subject).
  // None when the line names no topic of the document.
  std::optional<ErrorLineTarget> OpenFromErrorLine(const std::string& line,
                                                   const CVeldorDoc& doc) const;

 private:
  std::vector<std::string> lines_;
  StringMap topicNumbers_;
};

}  // namespace veldor
