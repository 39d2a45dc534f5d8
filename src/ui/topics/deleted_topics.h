// The recovery of deleted topics, without widgets: the rows of the list,
// restoring (names in use are resolved as when pasting), destroying.
#pragma once

#include <string>
#include <vector>

#include "ui/topics/topic_names.h"

namespace veldor {
class CVeldorDoc;
}

namespace veldor::ui {

inline constexpr const char* kNoActiveSelection = "Pas de sélection Active!!";

// "%02dH%02dM%02dS\tNAME" (local time of the deletion), Windows-1252.
std::vector<std::string> DeletedTopicRows(const CVeldorDoc& doc);

// Restores the deleted topics at `rows` (indices into the deleted list);
// a topic whose name the author does not resolve stays in the list.
// Returns how many were restored; with no rows, shows the message.
int RecoverDeletedTopics(CVeldorDoc& doc, std::vector<int> rows, const NameAsker& ask);

// "&Vider la liste": asks, then destroys every deleted topic.
bool ClearDeletedTopics(CVeldorDoc& doc);
// "&Supprimer Sélection": destroys the deleted topics at `rows`.
void DestroyDeletedTopics(CVeldorDoc& doc, std::vector<int> rows);

}  // namespace veldor::ui
