#include "devtools_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/document.h"
#include "platform/codepage.h"

namespace veldor {

namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

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

std::string DevtoolsDataPath(const std::string& relative) {
  return std::string(VELDOR_TEST_DATA_DIR) + "/devtools/" + relative;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void CopySample(const std::string& sample, const std::string& target) {
  std::filesystem::copy(
      DevtoolsDataPath(sample), target,
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

std::string DumpSkeleton(const CVeldorDoc& doc, const std::string& dir) {
  std::string out;
  out += "projectName: " + Cp1252ToUtf8(doc.projectName) + "\n";
  out += "contentsTopic: " + Cp1252ToUtf8(doc.contentsTopic) + "\n";
  out += "devLinkKind: " + std::to_string(doc.devLinkKind) + "\n";
  out += "devProjectFile: " + Replaced(Cp1252ToUtf8(doc.devProjectFile), dir, "$DIR") + "\n";
  out += "rootDir: " + Replaced(Cp1252ToUtf8(doc.rootDir), dir, "$DIR") + "\n";
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

void ExpectMatchesGolden(const std::string& actual, const std::string& name) {
  const std::string path = DevtoolsDataPath("golden/" + name);
  if (std::getenv("VELDOR_UPDATE_GOLDEN") != nullptr) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  EXPECT_EQ(actual, ReadWholeFile(path)) << "golden file " << path;
}

}  // namespace veldor
