#include "ui/tree/topic_tree_builder.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "model/document.h"
#include "model/subject.h"
#include "ui/tree/project_tree.h"

namespace veldor {

namespace {

constexpr int kUnreached = 10000;

bool IsTreeLink(const CTypeEdit& subject) {
  const bool linkingType = subject.typeCode == kTypeBitMap || subject.typeCode == kTypeJump;
  const bool linkingAction = subject.action == kActionSaut || subject.action == kActionPopup;
  return linkingType && linkingAction;
}

// For every topic, the indexes of the topics its links reach, in subject
// order; links to unknown names are left out. Names are matched exactly,
// the first topic of a name winning, as the document's own lookup does.
std::vector<std::vector<int>> ResolveLinks(const CVeldorDoc& doc) {
  std::unordered_map<std::string, int> indexOfName;
  indexOfName.reserve(static_cast<size_t>(doc.topicCount()) * 2);
  for (int i = 0; i < doc.topicCount(); ++i) indexOfName.try_emplace(doc.GetTopic(i)->name, i);
  std::vector<std::vector<int>> links(static_cast<size_t>(doc.topicCount()));
  for (int i = 0; i < doc.topicCount(); ++i) {
    const CTopic& topic = *doc.GetTopic(i);
    for (const auto& subject : topic.subjects) {
      if (!subject || !IsTreeLink(*subject)) continue;
      const auto found = indexOfName.find(subject->target);
      if (found != indexOfName.end()) links[static_cast<size_t>(i)].push_back(found->second);
    }
  }
  return links;
}

// "NAME|Title" of every topic.
std::vector<std::string> Labels(const CVeldorDoc& doc) {
  std::vector<std::string> labels;
  labels.reserve(static_cast<size_t>(doc.topicCount()));
  for (int i = 0; i < doc.topicCount(); ++i) {
    const CTopic& topic = *doc.GetTopic(i);
    labels.push_back(topic.name + "|" + topic.title);
  }
  return labels;
}

}  // namespace

void BuildTopicTree(const CVeldorDoc& doc, ProjectTree& tree, std::size_t budget) {
  tree.Clear();
  const int contents = doc.topicCount() == 0 ? -1 : doc.IndexOfTopic(doc.contentsTopic);
  if (contents < 0) {
    tree.Invalidate();
    return;
  }
  const std::vector<std::vector<int>> links = ResolveLinks(doc);
  const std::vector<std::string> labels = Labels(doc);
  std::vector<char> visited(static_cast<size_t>(doc.topicCount()), 0);
  std::vector<int> depth(static_cast<size_t>(doc.topicCount()), kUnreached);
  std::size_t elements = 1;

  // One frame per topic being expanded; the next link to follow is kept so
  // that the walk needs no recursion however deep the links go.
  struct Frame {
    int topic;
    int depth;
    CEvElement* element;
    size_t nextLink;
  };
  std::vector<Frame> stack;
  auto expand = [&](int topic, int d, CEvElement* element) {
    visited[static_cast<size_t>(topic)] = 1;
    int& best = depth[static_cast<size_t>(topic)];
    if (d < best) best = d;
    element->ReserveChildren(static_cast<int>(links[static_cast<size_t>(topic)].size()));
    stack.push_back({topic, d, element, 0});
  };

  expand(contents, 1,
         tree.root().AddChild(labels[static_cast<size_t>(contents)], doc.GetTopic(contents)->name));
  while (!stack.empty()) {
    Frame& frame = stack.back();
    const std::vector<int>& targets = links[static_cast<size_t>(frame.topic)];
    if (frame.nextLink == targets.size()) {
      stack.pop_back();
      continue;
    }
    const int target = targets[frame.nextLink++];
    const int d = frame.depth;
    CEvElement* child =
        frame.element->AddChild(labels[static_cast<size_t>(target)], doc.GetTopic(target)->name);
    ++elements;
    const bool seen = visited[static_cast<size_t>(target)] != 0;
    if (seen && (depth[static_cast<size_t>(target)] <= d || elements >= budget)) {
      child->AppendToLabel("<<");
    } else {
      expand(target, d + 1, child);  // invalidates `frame`
    }
  }
  tree.Invalidate();
  tree.ExpandAll();
}

}  // namespace veldor
