// The build commands of a project ("Fait RTF", "Fait HPJ", "Fait HLP",
// "Fait Tout") and the wrapper they run under.
#pragma once

#include <functional>

namespace veldor {

class CErrorList;
class CVeldorDoc;

// Runs `operation` with the wait cursor shown and the program directory
// as the current directory, then restores the previous directory. A
// document path given relative to the previous directory is made absolute
// first, so that the generated files still land beside the project.
bool RunBuildStep(CVeldorDoc& doc, const std::function<bool()>& operation);

// "Fait RTF": clears the error list, then BuildRtf.
bool CommandBuildRtf(CVeldorDoc& doc, CErrorList& errors);
// "Fait HPJ": BuildHelpProject (the error list is kept).
bool CommandBuildHelpProject(CVeldorDoc& doc);
// "Fait HLP": nothing while compiling; else clears the error list,
// compiles and loads the compiler's error log.
bool CommandCompileHelp(CVeldorDoc& doc, CErrorList& errors);

// The help-map step of "Fait Tout" (the Visual C++ help-map include),
// run first when the project allows changes of its Visual C++ links. It
// returns false only when the build must not go on.
using HelpMapStep = std::function<bool(CVeldorDoc&)>;

// "Fait Tout": nothing while compiling; else clears the error list,
// checks the project, and runs the help-map step, the help project, the
// RTF build, the compiler and the loading of its error log, stopping at
// the first step that fails.
bool CommandBuildAll(CVeldorDoc& doc, CErrorList& errors, const HelpMapStep& helpMapStep = {});

}  // namespace veldor
