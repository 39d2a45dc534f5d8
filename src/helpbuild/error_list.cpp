#include "helpbuild/error_list.h"

#include <cstdlib>

#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {

namespace {

// Far more than the reference lines of the largest project; a bigger file
// is read up to its last whole line within this size.
constexpr size_t kTopicRefLimit = 16 * 1024 * 1024;
// Blanks around the fields of a reference line.
constexpr const char* kBlanks = " \t\r\n";

// The leading decimal number of a text, as atoi reads it (0 when none; an
// absurdly long number saturates instead of wrapping).
long LeadingNumber(const std::string& text) {
  return std::strtol(text.c_str(), nullptr, 10);
}

}  // namespace

bool CErrorList::LoadTopicRef(const std::string& path) {
  topicNumbers_.clear();
  std::string contents;
  if (!ReadFilePrefix(ResolvePath(path), kTopicRefLimit, contents)) return false;
  if (contents.size() == kTopicRefLimit) contents.erase(contents.rfind('\n') + 1);
  size_t start = 0;
  while (start < contents.size()) {
    size_t end = contents.find('\n', start);
    if (end == std::string::npos) end = contents.size();
    const std::string line = contents.substr(start, end - start);
    start = end + 1;
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    topicNumbers_[TrimBlanks(line.substr(0, colon), kBlanks)] =
        TrimBlanks(line.substr(colon + 1), kBlanks);
  }
  return true;
}

std::optional<ErrorLineTarget> CErrorList::OpenFromErrorLine(const std::string& line,
                                                             const CVeldorDoc& doc) const {
  std::string rest;
  if (size_t dots = line.find("..."); dots != std::string::npos) {
    rest = line.substr(dots + 3);
  } else if (size_t hash = line.find('#'); hash != std::string::npos) {
    rest = line.substr(hash + 1);
  } else {
    return std::nullopt;
  }

  bool searchResult = false;
  size_t tokenEnd = rest.find(" of");
  if (tokenEnd == std::string::npos) tokenEnd = rest.find(" VELDOR");
  if (tokenEnd == std::string::npos) {
    tokenEnd = rest.find(" Chaine");
    searchResult = true;
  }
  if (tokenEnd == std::string::npos) return std::nullopt;
  const std::string token = rest.substr(0, tokenEnd);

  ErrorLineTarget target;
  if (searchResult) {
    const long index = LeadingNumber(token);
    if (index < 0 || index >= doc.topicCount()) return std::nullopt;
    target.topicIndex = static_cast<int>(index);
    target.topicName = doc.GetTopic(target.topicIndex)->name;
    const size_t ed = rest.find("Ed ");
    if (ed != std::string::npos) {
      const size_t ligne = rest.find(" Ligne", ed + 3);
      if (ligne != std::string::npos && ligne > ed + 3) {
        const long subject = LeadingNumber(rest.substr(ed + 3, ligne - ed - 3));
        // A subject the topic no longer has selects nothing.
        if (subject >= 0 && subject < doc.GetTopic(target.topicIndex)->subjectCount()) {
          target.subjectIndex = static_cast<int>(subject);
        }
      }
    }
    return target;
  }

  auto it = topicNumbers_.find(token);
  if (it == topicNumbers_.end()) return std::nullopt;
  target.topicIndex = doc.IndexOfTopic(it->second);
  if (target.topicIndex < 0) return std::nullopt;
  target.topicName = it->second;
  return target;
}

}  // namespace veldor
