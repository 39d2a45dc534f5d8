#include "devtools/vb_project.h"

#include "devtools/devtools_files.h"
#include "devtools/project_kind.h"
#include "devtools/vb_form.h"
#include "platform/files.h"
#include "platform/fs_names.h"
#include "platform/paths.h"

namespace veldor {

bool IsVbpProjectPath(const std::string& path) {
  return AsciiUpper(ExtensionPart(path)) == ".VBP";
}

bool CVbProject::ReadVbProject(const std::string& path, bool vbp) {
  vbpFormat = vbp;
  std::vector<std::string> lines;
  if (!ReadProjectLines(path, lines)) return false;
  if (LooksLikeDelphiProject(lines) || !LooksLikeVbProject(lines)) {
    error = DisplayPath(path) +
            " : ce n'est pas un projet Visual Basic (un fichier .vbp ou .mak est attendu)";
    return false;
  }
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
  MakeNamesDistinct();
  return true;
}

void CVbProject::ReadFormEntry(const std::string& value) {
  if (ExtensionPart(value) != ".FRM") return;
  // Forms are named relative to the project file; Windows writes '\'
  // and does not care about letter case.
  const std::string name = SystemNameOf(value);
  const std::string named =
      IsAbsolutePath(value) ? name : JoinPath(DirectoryPart(projectPath), name);
  ReadVbForm(named);
}

bool CVbProject::ReadVbForm(const std::string& path) {
  if (!HasRoomFor(path)) return false;
  if (!FileExists(ResolvePath(path))) {
    // No Windows file name holds '?': there stood a character that the
    // project file's text could not give (Windows-1252 lacks it).
    Skip(path, path.find('?') != std::string::npos
                   ? "nom de fichier illisible : caract\xC3\xA8res absents de Windows-1252"
                   : "fichier absent");
    return false;
  }
  return ReadForm(path, ParseVbForm);
}

}  // namespace veldor
