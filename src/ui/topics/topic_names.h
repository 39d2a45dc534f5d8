// Names of pasted and recovered topics: a name already used in the
// project (compared without regard to case) gets a proposal, and the
// author decides, through `NameAsker`, until a free name is found or the
// topic is skipped.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace veldor {
class CTopic;
class CVeldorDoc;
}  // namespace veldor

namespace veldor::ui {

// The name with its trailing digits removed (at least one character is
// kept), followed by the smallest number from 1 up that no topic uses.
std::string ProposeTopicName(const CVeldorDoc& doc, const std::string& name);

// Shows the "Topic déjà existant" question with a proposal; returns the
// edited name, or nothing for "Annuler coller".
using NameAsker = std::function<std::optional<std::string>(const std::string& proposal)>;

// The name under which `name` can enter the project, asking while it is
// in use; nothing when the author skips it.
std::optional<std::string> ResolveTopicName(const CVeldorDoc& doc, const std::string& name,
                                            const NameAsker& ask);

// Pastes copies of `topics` in order, each under a free name; returns the
// name of the last topic added ("" when none was).
std::string PasteTopicCopies(CVeldorDoc& doc, const std::vector<const CTopic*>& topics,
                             const NameAsker& ask);

}  // namespace veldor::ui
