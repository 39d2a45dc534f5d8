// The help compiler: reads a help project and its topic files, writes the
// help file, the error log and a summary.
#pragma once

#include <functional>
#include <string>

#include "winhelp/hlp_writer.h"

namespace veldor::winhelp {

struct CompileRequest {
  std::string projectPath;  // the .HPJ, any letter case, '\' accepted
  // The help file to write; empty: the project's name with ".HLP" (or its
  // HLP option) in the current directory.
  std::string outputPath;
  // TITLE and COPYRIGHT are OEM 850 text (as our help build writes them
  // for the DOS compilers it names) rather than Windows-1252.
  bool oemStrings = false;
  // Receives every message line (the same lines as the error log).
  std::function<void(const std::string&)> print;
};

struct CompileResult {
  bool written = false;
  std::string outputPath;
  std::string errorLogPath;
  HlpStats stats;
  int warnings = 0, errors = 0;
};

CompileResult CompileHelpProject(const CompileRequest& request);

}  // namespace veldor::winhelp
