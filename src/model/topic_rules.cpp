#include "model/topic_rules.h"

#include "model/document.h"
#include "model/topic.h"
#include "platform/paths.h"

namespace veldor {

std::optional<TopicEditProblem> CheckTopicName(const CVeldorDoc& doc, const std::string& newName,
                                               const std::string& oldName) {
  if (newName.empty()) {
    return TopicEditProblem{"La saisie du Nom doit ètre non vide", "ERREUR Champs Vide"};
  }
  if (doc.TopicNameExists(newName) && !EqualsIgnoreCase(newName, oldName)) {
    return TopicEditProblem{"Nom de Topic déjà existant", "ERREUR Champs en double"};
  }
  return std::nullopt;
}

std::string JoinReferences(const std::vector<std::string>& references) {
  std::string joined;
  for (const std::string& reference : references) {
    if (!joined.empty()) joined += ';';
    joined += reference;
  }
  return joined;
}

std::optional<TopicEditProblem> ApplyTopicEdit(CVeldorDoc& doc, CTopic& topic,
                                               const std::string& oldName, const TopicEdit& edit) {
  if (auto problem = CheckTopicName(doc, edit.name, oldName)) return problem;
  const std::string references = JoinReferences(edit.references);
  if (references.size() > static_cast<size_t>(CTopic::kMaxReferencesLength)) {
    return TopicEditProblem{
        "Les références dépassent " + std::to_string(CTopic::kMaxReferencesLength) + " caractères.",
        "ERREUR Références"};
  }
  if (edit.name != oldName) doc.RenameTopicReferences(oldName, edit.name);
  topic.name = edit.name;
  topic.title = edit.title;
  topic.browse = edit.browse;
  if (edit.chapter) topic.chapter = *edit.chapter;
  topic.keywords = SplitKeywordText(edit.keywordText);
  topic.SetReferences(references);
  doc.SetModifiedFlag();
  return std::nullopt;
}

}  // namespace veldor
