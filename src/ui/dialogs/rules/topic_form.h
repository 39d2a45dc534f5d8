// What the topic dialog ("Rattachement groupe") shows and edits: the fields
// of one topic, the chapter choices and the two reference lists. The dialog
// fills the form, and Confirm checks and stores it.
#pragma once

#include <string>
#include <vector>

namespace veldor {

class CTopic;
class CVeldorDoc;

inline constexpr int kBrowseKeyLength = 20;

struct TopicForm {
  std::string name;
  std::string title;
  std::string keywordText;  // one keyword per line, "\r\n" between lines
  std::string browse;
  // "ToutChapitre" and the chapter names, sorted; `chapter` is the chosen one.
  std::vector<std::string> chapterChoices;
  std::string chapter;
  std::vector<std::string> attached;   // sorted, each once
  std::vector<std::string> available;  // the project's help identifiers, sorted
};

// The form of `topic`: its chapter preselected ("ToutChapitre" when it has
// none), its references split at ";".
TopicForm LoadTopicForm(const CVeldorDoc& doc, const CTopic& topic);

// The browse key as stored: upper case, at most 20 characters.
std::string NormaliseBrowseKey(const std::string& text);

// Copies a reference to the attached list unless it is already there
// (exact comparison); keeps the list sorted. Returns its position.
int AttachReference(TopicForm& form, const std::string& reference);
// Removes the attached reference at `position`; false when there is none.
bool DetachReference(TopicForm& form, int position);

// Checks the form ("La saisie du Nom doit ètre non vide", "Nom de Topic
// déjà existant": shown with a stop icon, result false, nothing changed)
// and otherwise renames the references to the topic's former name and
// stores the fields in `topic`.
bool ConfirmTopicForm(CVeldorDoc& doc, CTopic& topic, const TopicForm& form);

}  // namespace veldor
