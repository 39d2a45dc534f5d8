#include "ui/topics/deleted_topics.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "model/document.h"
#include "platform/messages.h"
#include "ui/app/message_boxes.h"

namespace veldor::ui {

namespace {

void SortUnique(std::vector<int>& rows, int count) {
  rows.erase(
      std::remove_if(rows.begin(), rows.end(), [count](int r) { return r < 0 || r >= count; }),
      rows.end());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
}

}  // namespace

std::vector<std::string> DeletedTopicRows(const CVeldorDoc& doc) {
  std::vector<std::string> rows;
  for (int i = 0; i < doc.GetDeletedCount(); ++i) {
    const CTopic* topic = doc.GetDeletedTopic(i);
    const std::time_t when = static_cast<std::time_t>(topic->deletedAt);
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02dH%02dM%02dS", local.tm_hour, local.tm_min,
                  local.tm_sec);
    rows.push_back(std::string(stamp) + "\t" + topic->GetName());
  }
  return rows;
}

int RecoverDeletedTopics(CVeldorDoc& doc, std::vector<int> rows, const NameAsker& ask) {
  SortUnique(rows, doc.GetDeletedCount());
  if (rows.empty()) {
    Messages().Message(kNoActiveSelection, "", MessageIcon::Warning);
    return 0;
  }
  int restored = 0;
  for (int row : rows) {
    const int index = row - restored;  // earlier restorations left the list
    if (doc.topicCount() >= CVeldorDoc::kMaxTopics) break;
    const CTopic* topic = doc.GetDeletedTopic(index);
    std::optional<std::string> name = ResolveTopicName(doc, topic->GetName(), ask);
    if (!name) continue;
    std::unique_ptr<CTopic> back = doc.RemoveDeletedTopic(index, false);
    back->SetName(*name);
    doc.AddTopic(std::move(back));
    ++restored;
  }
  if (restored > 0) doc.SetModifiedFlag();
  return restored;
}

bool ClearDeletedTopics(CVeldorDoc& doc) {
  if (!ConfirmWithIcon("Ok pour tout supprimer", "Attention", MessageIcon::Question)) return false;
  doc.ClearDeletedTopics();
  return true;
}

void DestroyDeletedTopics(CVeldorDoc& doc, std::vector<int> rows) {
  SortUnique(rows, doc.GetDeletedCount());
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) doc.RemoveDeletedTopic(*it, true);
}

}  // namespace veldor::ui
