#include "devtools_test_support.h"

#include <cstdio>
#include <filesystem>

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

}  // namespace

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
