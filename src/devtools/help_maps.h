// Loading the help maps of a project into its working tables, finding and
// erasing topic references that name no known help identifier, and the
// list of help identifiers offered to the topic editor.
#pragma once

#include <string>
#include <vector>

namespace veldor {

class CVeldorDoc;

// What LoadHelpMaps did, for callers that show it (the command line).
struct HelpMapLoadReport {
  std::vector<std::string> filesRead;
  // "PATH: reason" for each map file that could not be read (UTF-8).
  std::vector<std::string> filesNotRead;
  // "%s dans topic %s" for each reference without a known identifier.
  std::vector<std::string> unattached;
  bool confirmed = false;  // the erasure was accepted (or not asked)
  int erased = 0;
};

// The names of a references text: split at ";", blanks and tabs, empty
// pieces dropped.
std::vector<std::string> SplitReferenceNames(const std::string& references);

// Counts the references that name no known help identifier and, with
// `list`, appends "%s dans topic %s" (reference, topic name) for each.
int FindUnattachedReferences(const CVeldorDoc& doc, std::vector<std::string>* list);

// Removes from every topic the reference names that are not in
// hmKnownNames, keeping the others (joined with ";"). Returns the number
// of names removed.
int ClearUnattachedReferences(CVeldorDoc& doc);

// Rebuilds the working tables from the project's map includes, the class
// library's map (Visual C++ projects) and the project's own help map, then
// offers to erase the references that none of them knows ("Confirmer
// destruction références non attachées", asked when promptUnattached is
// set, and also when one of the maps could not be read). Returns the
// number of erased references.
int LoadHelpMaps(CVeldorDoc& doc, HelpMapLoadReport* report = nullptr);

// The identifiers offered as references: every name read, or for a Visual
// C++ project with chosen prefixes the names that start with one of them.
void BuildAllowedHelpIds(CVeldorDoc& doc);

}  // namespace veldor
