#include "devtools/vb_project.h"

#include "devtools/vb_form.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {

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
  const std::string named =
      IsAbsolutePath(value) ? value : JoinPath(DirectoryPart(projectPath), value);
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
