// The help project (.HPJ) as the compiler reads it: the sections written
// by our own help build and the common ones of hand-written projects.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "winhelp/diagnostics.h"
#include "winhelp/hlp_input.h"

namespace veldor::winhelp {

struct HelpProjectFile {
  std::string path;  // of the .HPJ file
  // [OPTIONS]
  std::string title, copyright, contents, errorLog, icon, citation, outputName;
  bool compress = true;
  bool report = false;
  int warningLevel = 3;
  std::vector<std::string> roots;    // ROOT, in order
  std::vector<std::string> bmRoots;  // BMROOT, in order
  // Sections.
  std::vector<std::string> files;
  std::vector<HelpMapEntry> map;
  std::vector<std::string> mapIncludes;  // "#include" file names of [MAP], read already
  std::vector<std::pair<std::string, std::string>> aliases;
  std::vector<std::string> bitmaps;
  std::vector<std::string> configMacros;
  std::vector<HelpWindow> windows;
};

// Reads the text of a project; `path` names it in messages and anchors
// its relative paths. Map include files are read as they are met.
HelpProjectFile ReadHelpProject(const std::string& text, const std::string& path,
                                Diagnostics& diagnostics);

// Finds a file the project names: as written (relative to the project's
// directory), then by its name in each directory of `directories`, without
// regard to letter case and with '\' accepted. Empty when not found.
std::string FindProjectFile(const std::string& name, const std::string& projectDirectory,
                            const std::vector<std::string>& directories);

// Parses a [WINDOWS] definition ("caption",(x,y,w,h),maximize,(r,g,b),(r,g,b),ontop).
bool ParseWindowDefinition(const std::string& name, const std::string& definition,
                           HelpWindow& window);

}  // namespace veldor::winhelp
