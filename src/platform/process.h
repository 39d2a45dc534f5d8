// Starting other programs. A command line is written as on Windows (the
// help compiler, the viewer, the user's tools); it is split into arguments
// with the Windows quoting rules and started directly, never through a
// shell, so no character of a name or path can run anything else.
#pragma once

#include <string>
#include <vector>

namespace veldor {

// Splits a command line with the rules of the Windows C runtime
// (CommandLineToArgvW): blanks separate arguments, double quotes group,
// backslashes escape quotes only when they precede one.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The inverse of SplitCommandLine for one argument after the program name:
// quoted so that it splits back to exactly `argument`; plain arguments are
// returned as they are.
std::string QuoteCommandArgument(const std::string& argument);

// The arguments to start for a Windows program name: the settings section
// "Programmes" maps the name as written (e.g. "hcw.exe") to a command of
// this system, which may carry its own arguments (split like a command
// line); a name with a directory ("C:\TOOLS\PBRUSH.EXE") that has no key of
// its own is looked up by its file name alone ("PBRUSH.EXE"). Without a key
// the name itself is used. The program is then looked up on PATH unless it
// holds a '/' (a relative one is taken from the current directory). Returns
// empty when nothing can run.
std::vector<std::string> ResolveProgram(const std::string& windowsName);

// A program installed with this one: `name` in the directory of the
// running program's own file, else on PATH. Empty when there is none.
std::string FindCompanionProgram(const std::string& name);

struct ProcessResult {
  bool started = false;
  int exitCode = -1;  // when waited for and exited normally
  std::string error;  // why it could not be started (UTF-8)
};

// Splits `commandLine`, maps its first word with ResolveProgram, appends the
// remaining words, and starts the program in `workingDirectory` ("" = the
// current one). With `wait`, waits for the end without time limit; without,
// the program is left running on its own and never becomes a zombie. The
// program reads its standard input from /dev/null, shares standard output
// and error, and inherits no other open file of this process.
ProcessResult RunCommandLine(const std::string& commandLine, bool wait,
                             const std::string& workingDirectory = "");

// The program directory: the directory of this program's own file when it
// is writable, else $XDG_DATA_HOME/veldor (default ~/.local/share/veldor),
// created on first use. $VELDOR_PROGRAM_DIR overrides both (tests).
std::string ProgramDirectory();

}  // namespace veldor
