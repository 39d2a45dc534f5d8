// The subject exchange ("Echange de sujets"): copies subjects from a source
// topic to a destination topic of the same project.
#pragma once

#include <string>
#include <vector>

namespace veldor {

class CVeldorDoc;

inline constexpr const char* kExchangeCaption = "ERREUR SELECTION";

class SubjectExchange {
 public:
  explicit SubjectExchange(CVeldorDoc& doc) : doc_(doc) {}

  // The topic names of both columns, sorted.
  std::vector<std::string> TopicNames() const;
  // The rows "%d,%s" (type number, subject label) of a topic, or none when
  // no topic has that name.
  std::vector<std::string> SubjectRows(const std::string& topicName) const;

  // Clones the source subjects at `positions` (in ascending order) into the
  // destination: appended when `insertAt` is -1, else inserted there in
  // order. Refused with a message when a topic is not chosen or both are
  // the same. Returns the number of subjects copied (a full topic takes no
  // more).
  int Copy(const std::string& source, const std::string& destination, std::vector<int> positions,
           int insertAt = -1);
  // Every subject of the source, appended.
  int CopyAll(const std::string& source, const std::string& destination);

  // Ends the exchange: marks the project modified when anything was copied
  // and says so (the topic editor then reloads its subjects).
  bool Finish();
  bool changed() const { return changed_; }

 private:
  bool CheckTopics(const std::string& source, const std::string& destination) const;

  CVeldorDoc& doc_;
  bool changed_ = false;
};

// The row of a subject in dialog lists: "%d,%s", type number and label.
std::string SubjectRow(int typeCode, const std::string& label);

}  // namespace veldor
