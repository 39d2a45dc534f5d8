#include "ui/dialogs/rules/resource_list.h"

#include <set>

#include "helpbuild/work_directory.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {
namespace {

bool ResourceExists(const CVeldorDoc& doc, const std::string& name) {
  if (name.empty()) return false;
  if (!IsAbsolutePath(name)) {
    const std::string directory = WorkDirectory(doc);
    if (!directory.empty() && FileExists(ResolvePath(JoinPath(directory, name)))) return true;
  }
  return FileExists(ResolvePath(name));
}

// Adds a resource line: every use of a missing file, an existing one once.
void AddResource(const CVeldorDoc& doc, const std::string& name, const char* missingPrefix,
                 const char* presentPrefix, std::set<std::string>& listed,
                 std::vector<std::string>& lines) {
  if (!ResourceExists(doc, name)) {
    lines.push_back(missingPrefix + name);
  } else if (listed.insert(name).second) {
    lines.push_back(presentPrefix + name);
  }
}

}  // namespace

std::vector<std::string> BuildResourceList(const CVeldorDoc& doc) {
  std::vector<std::string> lines = {"Liste des images"};
  std::set<std::string> images;
  for (int t = 0; t < doc.topicCount(); ++t) {
    const CTopic& topic = *doc.GetTopic(t);
    for (int s = 0; s < topic.subjectCount(); ++s) {
      const CTypeEdit& subject = *topic.GetSubject(s);
      if (subject.typeCode == kTypeBitMap) {
        AddResource(doc, AsciiUpper(subject.title), "Absent:", "", images, lines);
      }
    }
  }
  lines.push_back("Liste des sons");
  std::set<std::string> sounds;
  for (int t = 0; t < doc.topicCount(); ++t) {
    const CTopic& topic = *doc.GetTopic(t);
    for (int s = 0; s < topic.subjectCount(); ++s) {
      const CTypeEdit& subject = *topic.GetSubject(s);
      const bool linking = subject.typeCode == kTypeBitMap || subject.typeCode == kTypeJump;
      if (linking && subject.action == kActionSon) {
        AddResource(doc, AsciiUpper(subject.soundOrCommand), "Absent:", "", sounds, lines);
      }
    }
  }
  std::set<std::string> globalSounds;
  for (int g = 0; g < doc.globals.count(); ++g) {
    const CGlobalTexte& global = *doc.globals.GetAt(g);
    if (global.action == kActionSon) {
      AddResource(doc, global.soundOrCommand, "Global Absent:", "Global:", globalSounds, lines);
    }
  }
  return lines;
}

std::string ResourceLineLabel(int selected, int count) {
  return "Ligne " + std::to_string(selected + 1) + " / " + std::to_string(count);
}

std::vector<PrintedLine> LayOutPrintedLines(int lineCount, int pageHeight, int fontHeight) {
  std::vector<PrintedLine> layout;
  const int pitch = fontHeight + 5;
  int page = 0;
  int y = 0;
  for (int i = 0; i < lineCount; ++i) {
    // A line that would not fit starts a page, unless it is the page's first.
    if (y > 0 && y + fontHeight > pageHeight) {
      ++page;
      y = 0;
    }
    layout.push_back({page, y});
    y += pitch;
  }
  return layout;
}

}  // namespace veldor
