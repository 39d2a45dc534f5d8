#include "devtools/vb_project.h"

#include "devtools/vb_form.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {

namespace {

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool IsAbsolute(const std::string& path) {
  return (!path.empty() && IsSeparator(path[0])) || (path.size() >= 2 && path[1] == ':');
}

}  // namespace

bool IsVbpProjectPath(const std::string& path) {
  return AsciiUpper(ExtensionPart(path)) == ".VBP";
}

bool CVbProject::ReadVbProject(const std::string& path, bool vbp) {
  vbpFormat = vbp;
  std::vector<std::string> lines;
  if (!ReadProjectLines(path, lines)) return false;
  for (std::string& line : lines) {
    line = TrimBlanks(AsciiUpper(line));
    if (vbpFormat) {
      // "Form=Main.frm"; the other keys name modules, classes, options.
      const size_t equal = line.find('=');
      if (equal == std::string::npos || TrimBlanks(line.substr(0, equal)) != "FORM") continue;
      ReadFormEntry(TrimBlanks(line.substr(equal + 1)));
    } else {
      ReadFormEntry(line);
    }
  }
  return true;
}

void CVbProject::ReadFormEntry(const std::string& value) {
  if (ExtensionPart(value) != ".FRM") return;
  // Forms are named relative to the project file; Windows writes '\'
  // and does not care about letter case.
  const std::string named = IsAbsolute(value) ? value : JoinPath(DirectoryPart(projectPath), value);
  ReadVbForm(named);
}

bool CVbProject::ReadVbForm(const std::string& path) {
  if (!HasRoomFor(path)) return false;
  if (!FileExists(ResolvePath(path))) {
    Skip(path, "fichier absent");
    return false;
  }
  return ReadForm(path, ParseVbForm);
}

}  // namespace veldor
