#include "ui/topics/topic_names.h"

#include <cctype>

#include "model/document.h"

namespace veldor::ui {

std::string ProposeTopicName(const CVeldorDoc& doc, const std::string& name) {
  std::string stem = name;
  while (stem.size() > 1 && std::isdigit(static_cast<unsigned char>(stem.back()))) stem.pop_back();
  for (int n = 1;; ++n) {
    std::string candidate = stem + std::to_string(n);
    if (!doc.TopicNameExists(candidate)) return candidate;
  }
}

std::optional<std::string> ResolveTopicName(const CVeldorDoc& doc, const std::string& name,
                                            const NameAsker& ask) {
  std::string current = name;
  while (!current.empty() && doc.TopicNameExists(current)) {
    std::optional<std::string> answer = ask(ProposeTopicName(doc, current));
    if (!answer) return std::nullopt;
    current = *answer;
  }
  return current;
}

std::string PasteTopicCopies(CVeldorDoc& doc, const std::vector<const CTopic*>& topics,
                             const NameAsker& ask) {
  std::string last;
  for (const CTopic* topic : topics) {
    std::optional<std::string> name = ResolveTopicName(doc, topic->GetName(), ask);
    if (!name) continue;
    std::unique_ptr<CTopic> copy = topic->Copy();
    copy->SetName(*name);
    if (!doc.AddTopic(std::move(copy))) break;
    doc.SetModifiedFlag();
    last = *name;
  }
  return last;
}

}  // namespace veldor::ui
