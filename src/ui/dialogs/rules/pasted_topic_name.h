// The name proposed for a pasted topic whose name the project already has
// ("Topic déjà existant").
#pragma once

#include <string>

namespace veldor {

class CVeldorDoc;

// The name without its trailing digits (keeping at least one character),
// followed by the smallest number from 1 up that gives a name no topic of
// the project has, compared without regard to case.
std::string ProposeTopicName(const CVeldorDoc& doc, const std::string& name);

// Whether a pasted topic of that name must be renamed first: the name is
// not empty and a topic already has it, compared without regard to case.
bool PastedNameTaken(const CVeldorDoc& doc, const std::string& name);

}  // namespace veldor
