#include "ui/dialogs/rules/subject_exchange.h"

#include <algorithm>

#include "model/document.h"
#include "platform/messages.h"

namespace veldor {

std::string SubjectRow(int typeCode, const std::string& label) {
  return std::to_string(typeCode) + "," + label;
}

std::vector<std::string> SubjectExchange::TopicNames() const {
  std::vector<std::string> names;
  for (int i = 0; i < doc_.topicCount(); ++i) names.push_back(doc_.GetTopic(i)->name);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> SubjectExchange::SubjectRows(const std::string& topicName) const {
  std::vector<std::string> rows;
  const CTopic* topic = doc_.FindTopic(topicName);
  if (topic == nullptr) return rows;
  for (int i = 0; i < topic->subjectCount(); ++i) {
    const CTypeEdit* subject = topic->GetSubject(i);
    rows.push_back(SubjectRow(subject->typeCode, subject->GetLabel()));
  }
  return rows;
}

bool SubjectExchange::CheckTopics(const std::string& source, const std::string& destination) const {
  if (doc_.FindTopic(source) == nullptr || doc_.FindTopic(destination) == nullptr) {
    Messages().Message("Pas de topic sélectionné", kExchangeCaption, MessageIcon::Error);
    return false;
  }
  if (doc_.FindTopic(source) == doc_.FindTopic(destination)) {
    Messages().Message("Vous avez choisi le même topic\nEn source et en destination",
                       kExchangeCaption, MessageIcon::Error);
    return false;
  }
  return true;
}

int SubjectExchange::Copy(const std::string& source, const std::string& destination,
                          std::vector<int> positions, int insertAt) {
  if (!CheckTopics(source, destination)) return 0;
  const CTopic& from = *doc_.FindTopic(source);
  CTopic& to = *doc_.FindTopic(destination);
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
  if (insertAt > to.subjectCount()) insertAt = -1;
  int copied = 0;
  for (int position : positions) {
    if (position < 0 || position >= from.subjectCount()) continue;
    // A plain subject cannot be cloned; the exact copy keeps it whole.
    std::unique_ptr<CTypeEdit> clone = CTypeEdit::CloneExact(*from.GetSubject(position));
    const int added = insertAt < 0 ? to.AddSubject(std::move(clone))
                                   : to.InsertSubject(insertAt + copied, std::move(clone));
    if (added == 0) break;
    ++copied;
  }
  if (copied > 0) changed_ = true;
  return copied;
}

int SubjectExchange::CopyAll(const std::string& source, const std::string& destination) {
  const CTopic* from = doc_.FindTopic(source);
  std::vector<int> all;
  for (int i = 0; from != nullptr && i < from->subjectCount(); ++i) all.push_back(i);
  return Copy(source, destination, all);
}

bool SubjectExchange::Finish() {
  if (changed_) doc_.SetModifiedFlag();
  return changed_;
}

}  // namespace veldor
