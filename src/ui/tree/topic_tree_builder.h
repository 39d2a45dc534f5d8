// Builds the project tree from the contents topic: every jump or popup of a
// topic (jump subjects and images with an action) becomes a child node.
#pragma once

#include <cstddef>

namespace veldor {

class CVeldorDoc;
class ProjectTree;

// A tree reaches this many elements before repeated expansions stop.
inline constexpr std::size_t kTreeElementBudget = 32768;

// Replaces the tree's elements with the tree of `doc` and opens every node.
// Labels read "NAME|Title"; a topic already shown at a level not deeper than
// the one being expanded becomes a leaf marked "<<", which also ends cycles.
// A topic reached again at its level or deeper is expanded again in full;
// once the tree holds `budget` elements, topics already expanded somewhere
// are only marked "<<" from then on, which bounds trees whose repeated
// expansions would otherwise grow without limit. The project is not changed.
void BuildTopicTree(const CVeldorDoc& doc, ProjectTree& tree,
                    std::size_t budget = kTreeElementBudget);

}  // namespace veldor
