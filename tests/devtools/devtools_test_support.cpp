#include "devtools_test_support.h"

#include <cstdio>
#include <filesystem>

#include "devtools/form_tree.h"
#include "model/document.h"
#include "platform/codepage.h"

namespace veldor {

namespace {

std::string SubjectLine(const CTypeEdit& s) {
  char head[96];
  std::snprintf(head, sizeof head, "  [%d] align=%u underline=%u flags=0x%04X action=%d",
                s.typeCode, static_cast<unsigned>(s.alignment),
                static_cast<unsigned>(s.style.underline), static_cast<unsigned>(s.flags), s.action);
  std::string line = head;
  if (s.HasTarget()) line += " target=" + Cp1252ToUtf8(s.target);
  return line + " text=" + Cp1252ToUtf8(s.text) + "\n";
}

void DumpObject(const CEnfant& object, const std::string& prefix, int depth, std::string& out) {
  out += std::string(2 * depth, ' ') + object.type + " " + object.name +
         " key=" + ObjectKey(object, prefix) + " help=" + std::to_string(object.helpContextId) +
         " whatsThis=" + std::to_string(object.whatsThisHelpId) +
         " index=" + std::to_string(object.index) + " display=" + object.DisplayName();
  if (!object.menuKey.empty()) out += " menu=" + object.menuKey;
  out += "\n";
  for (const CEnfant& child : object.children) {
    DumpObject(child, ChildPrefix(object, prefix), depth + 1, out);
  }
}

}  // namespace

bool AddTopic(CVeldorDoc& doc, const std::string& name, const std::string& references,
              const std::string& chapter) {
  auto topic = std::make_unique<CTopic>();
  topic->name = name;
  topic->references = references;
  topic->chapter = chapter;
  return doc.AddTopic(std::move(topic)) != 0;
}

void FillWithTopics(CVeldorDoc& doc, int count) {
  while (doc.topicCount() < count) {
    if (!AddTopic(doc, "T" + std::to_string(doc.topicCount()))) break;
  }
}

std::string DumpForms(FormParser parse, const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) {
    CEnfant root;
    std::string reason;
    out += "== " + name + "\n";
    if (!parse(FileContents(TestDataPath("devtools/forms/" + name)), root, &reason)) {
      out += "not read: " + reason + "\n";
      continue;
    }
    DumpObject(root, "", 0, out);
    for (const HelpIdPair& pair : CollectHelpIds({root})) {
      out += pair.identifier + " = " + std::to_string(pair.number) + "\n";
    }
  }
  return out;
}

void CopySample(const std::string& sample, const std::string& target) {
  std::filesystem::copy(
      TestDataPath("devtools/" + sample), target,
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

std::string DumpSkeleton(const CVeldorDoc& doc, const std::string& dir) {
  std::string out;
  out += "projectName: " + Cp1252ToUtf8(doc.projectName) + "\n";
  out += "contentsTopic: " + Cp1252ToUtf8(doc.contentsTopic) + "\n";
  out += "devLinkKind: " + std::to_string(doc.devLinkKind) + "\n";
  out += "devProjectFile: " + ReplaceAll(Cp1252ToUtf8(doc.devProjectFile), dir, "$DIR") + "\n";
  out += "rootDir: " + ReplaceAll(Cp1252ToUtf8(doc.rootDir), dir, "$DIR") + "\n";
  out += "chapters:";
  for (const std::string& c : doc.chapters) out += " " + Cp1252ToUtf8(c);
  out += "\nhelp ids:";
  for (const std::string& id : doc.allowedHelpIds) out += " " + id;
  out += "\n";
  for (int t = 0; t < doc.topicCount(); ++t) {
    const CTopic& topic = *doc.GetTopic(t);
    out += "\ntopic " + Cp1252ToUtf8(topic.name) + "\n";
    out += "  title: " + Cp1252ToUtf8(topic.title) + "\n";
    out += "  chapter: " + Cp1252ToUtf8(topic.chapter) + "\n";
    out += "  keywords:";
    for (const std::string& k : topic.keywords) out += " " + Cp1252ToUtf8(k);
    out += "\n  references: " + Cp1252ToUtf8(topic.references) + "\n";
    for (int s = 0; s < topic.subjectCount(); ++s) out += SubjectLine(*topic.GetSubject(s));
  }
  return out;
}

}  // namespace veldor
