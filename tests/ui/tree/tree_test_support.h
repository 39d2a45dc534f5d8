// Small projects for the tree tests: topics given by name, each with its
// links, and the tree printed as one indented line per element.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/document.h"
#include "model/subject.h"
#include "ui/tree/project_tree.h"

namespace veldor::testing {

struct Link {
  std::string target;
  int action = kActionSaut;
  int type = kTypeJump;
};

class ProjectBuilder {
 public:
  ProjectBuilder() { doc_.contentsTopic = ""; }

  // Adds a topic titled "T" + name, with a text subject before its links.
  ProjectBuilder& Topic(const std::string& name, const std::vector<Link>& links = {}) {
    auto topic = std::make_unique<CTopic>();
    topic->name = name;
    topic->title = "T" + name;
    auto text = CTypeEdit::CreateSubject(kTypeTexte);
    text->text = "texte";
    topic->AddSubject(std::move(text));
    for (const Link& link : links) {
      auto subject = CTypeEdit::CreateSubject(link.type);
      subject->action = link.action;
      subject->target = link.target;
      topic->AddSubject(std::move(subject));
    }
    doc_.AddTopic(std::move(topic));
    return *this;
  }
  ProjectBuilder& Contents(const std::string& name) {
    doc_.contentsTopic = name;
    return *this;
  }
  CVeldorDoc& doc() { return doc_; }

 private:
  CVeldorDoc doc_;
};

// Two blanks per level below the contents topic, then the label; every
// element, collapsed or not.
inline std::vector<std::string> Outline(const ProjectTree& tree) {
  std::vector<std::string> lines;
  std::vector<std::pair<const CEvElement*, int>> pending;
  const CEvElement& root = tree.root();
  for (int i = root.childCount() - 1; i >= 0; --i) pending.emplace_back(root.child(i), 0);
  while (!pending.empty()) {
    auto [element, depth] = pending.back();
    pending.pop_back();
    lines.push_back(std::string(2 * static_cast<size_t>(depth), ' ') + element->label());
    for (int i = element->childCount() - 1; i >= 0; --i) {
      pending.emplace_back(element->child(i), depth + 1);
    }
  }
  return lines;
}

// Seven pixels a character, 16 pixels high.
inline TreeTextMetrics FixedMetrics() {
  TreeTextMetrics metrics;
  metrics.height = 16;
  metrics.width = [](const std::string& text) { return 7 * static_cast<int>(text.size()); };
  return metrics;
}

}  // namespace veldor::testing
