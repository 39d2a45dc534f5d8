// Running the help compiler on the help project, fetching the compiled
// file, reading the compiler's error log, and opening the compiled help
// in the help viewer.
#pragma once

#include <cstdint>
#include <string>

namespace veldor {

class CErrorList;
class CVeldorDoc;

// "hcvel.pif " (HC31, and any unknown choice), "hcpvel.pif " (HCP) or
// "hcw.exe /C /M /A /E " (HCW).
const char* CompilerCommandPrefix(uint16_t helpCompiler);
// The compiler prefix and the help project's path (project name + ".HPJ",
// in the work directory when it exists), quoted when it holds blanks.
std::string CompilerCommandLine(const CVeldorDoc& doc);

// The command actually started for a compiler or viewer command line:
// the line itself when its program is configured in "Programmes" or on
// PATH; else the line handed to the companion program `companion`
// ("veldor-hc", "veldor-view") found beside the running program or on
// PATH, which accepts the same words; else the line itself (whose start
// then fails with the usual message).
std::string CommandWithCompanion(const std::string& commandLine, const std::string& companion,
                                 bool passProgramName);

// Compiles: deletes an old compiled file from the current directory (the
// program directory under the build wrapper), runs the chosen compiler and
// waits for it, writes the text index when the project asks for it, and
// copies the compiled file (project name + ".HLP") beside the project,
// keeping its time stamps. `compilerRan` tells whether the compiler was
// started. Returns false, after a message, when a check fails, the
// compiler cannot be started or a file cannot be deleted or copied.
bool RunHelpCompiler(CVeldorDoc& doc, bool* compilerRan = nullptr);

// Appends the lines of the compiler's error log (its first 32000 bytes) to
// the error list and loads "topic.ref" into it. A missing log is passed
// over (false).
bool LoadCompilerErrors(const CVeldorDoc& doc, CErrorList& errors);

// Starts the help viewer on the compiled file beside the project, without
// waiting. Returns false when there is no compiled file (silently) or the
// viewer cannot be started (with a message).
bool TestHelp(const CVeldorDoc& doc);

}  // namespace veldor
