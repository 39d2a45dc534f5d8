// The rules of the topic dialog ("Rattachement groupe"): which names are
// accepted, and how a confirmed edit is stored in the topic and carried over
// to every reference to the topic's old name.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veldor {

class CTopic;
class CVeldorDoc;

// A refusal to show to the author: a stop-icon message with its caption
// (UTF-8). The dialog stays open.
struct TopicEditProblem {
  std::string message;
  std::string caption;
};

// Checks a topic name typed in the dialog. `oldName` is the name the topic
// had when the dialog opened ("" for a new topic): the topic may keep it,
// in any letter case.
std::optional<TopicEditProblem> CheckTopicName(const CVeldorDoc& doc, const std::string& newName,
                                               const std::string& oldName);

// What the dialog gives back on "Valider".
struct TopicEdit {
  std::string name;
  std::string title;
  std::string browse;
  // The chosen chapter; none keeps the topic's chapter.
  std::optional<std::string> chapter;
  // The text of the keyword field, one keyword per line.
  std::string keywordText;
  // The attached references, joined with ";" when stored.
  std::vector<std::string> references;
};

// The references joined as the topic stores them.
std::string JoinReferences(const std::vector<std::string>& references);

// Checks `edit` and, when it is accepted, renames the references to the
// topic's former name (when the name changed) and stores the fields in
// `topic`. `oldName` is as for CheckTopicName. On a refusal nothing changes.
std::optional<TopicEditProblem> ApplyTopicEdit(CVeldorDoc& doc, CTopic& topic,
                                               const std::string& oldName, const TopicEdit& edit);

}  // namespace veldor
