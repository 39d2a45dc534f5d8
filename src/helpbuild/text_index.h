// The text index written after a compilation (keywords and context
// strings), and the search of a word in the subjects of a project.
#pragma once

#include <string>

namespace veldor {

class CErrorList;
class CVeldorDoc;

// Writes project name + ".KEY" (every keyword of every topic, one a line)
// and + ".IND" (every distinct context string, one a line) in the work
// directory. Returns false, after a message, when the project has no
// valid name or a file cannot be written.
bool BuildTextIndex(const CVeldorDoc& doc);

// Clears the error list, adds "Recherche de TEXT", then one line
// "topic...T Chaine Ed S Ligne L" per occurrence of `text` in the stored
// text of subject S of topic T (0-based), L being the number of line feeds
// before it. Occurrences may overlap. Without `caseSensitive`, letters of
// Windows-1252 match in either case. An empty text finds nothing.
void SearchText(const CVeldorDoc& doc, const std::string& text, bool caseSensitive,
                CErrorList& errors);

}  // namespace veldor
