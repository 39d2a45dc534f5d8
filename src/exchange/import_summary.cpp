#include "exchange/import_summary.h"

#include <algorithm>

#include "model/document.h"
#include "model/topic.h"
#include "platform/messages.h"

namespace veldor {

int TopicRoom(const CVeldorDoc& doc) {
  return std::max(0, CVeldorDoc::kMaxTopics - doc.topicCount());
}

void AppendImportedTopics(CVeldorDoc& doc, std::vector<std::unique_ptr<CTopic>>& topics,
                          ImportSummary& summary) {
  for (std::unique_ptr<CTopic>& topic : topics) {
    if (TopicRoom(doc) == 0) {
      ++summary.leftOut;
      continue;
    }
    const bool inUse = doc.TopicNameExists(topic->name) != 0;
    if (doc.AddTopic(std::move(topic)) == 0) {
      ++summary.leftOut;
      continue;
    }
    ++summary.added;
    if (inUse) ++summary.namesInUse;
  }
  topics.clear();
  if (summary.added > 0) doc.SetModifiedFlag(true);
}

std::string ImportSummaryText(const ImportSummary& summary) {
  std::string text;
  auto addLine = [&text](const std::string& line) {
    if (!text.empty()) text += "\n";
    text += line;
  };
  if (summary.leftOut > 0) {
    addLine("Un projet contient au plus " + std::to_string(CVeldorDoc::kMaxTopics) +
            " groupes : " + std::to_string(summary.added) + " groupe(s) ajouté(s), " +
            std::to_string(summary.leftOut) + " laissé(s) de côté.");
  }
  if (summary.droppedSubjects > 0) {
    addLine(std::to_string(summary.droppedSubjects) +
            " sujet(s) non importé(s) : un groupe contient au plus " +
            std::to_string(CTopic::kMaxSubjects) + " sujets.");
  }
  if (summary.namesInUse > 0) {
    addLine(std::to_string(summary.namesInUse) + " des " + std::to_string(summary.added) +
            " groupe(s) ajouté(s) porte(nt) un nom déjà utilisé dans le projet.");
  }
  return text;
}

void ReportImportSummary(const ImportSummary& summary, const std::string& caption) {
  const std::string text = ImportSummaryText(summary);
  if (text.empty()) return;
  const bool lost = summary.leftOut > 0 || summary.droppedSubjects > 0;
  Messages().Message(text, caption, lost ? MessageIcon::Warning : MessageIcon::Information);
}

}  // namespace veldor
