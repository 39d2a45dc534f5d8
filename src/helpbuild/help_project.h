// The help project file (".HPJ") that drives the help compiler, and the
// batch file (".BAT") that copies every bitmap of the project into one
// directory.
#pragma once

#include <string>

namespace veldor {

class CVeldorDoc;
class CWinAttr;

// Writes both files in the work directory. While collecting bitmaps it
// rebuilds the document's bitmap list and stores the real path of a bitmap
// found in the bitmap root or the work directory back into its subject.
// Returns false, after a message, when a check fails or a file cannot be
// written.
bool BuildHelpProject(CVeldorDoc& doc);

// The help-map include of the Visual C++ link: project name + ".hm" in the
// work directory when that directory exists, else "".
std::string HelpMapIncludePath(const CVeldorDoc& doc);

// The error-log file: the option itself when it names a directory, else
// its file name in the work directory ("" when the option is empty).
std::string ErrorLogPath(const CVeldorDoc& doc);

// One line of the [Windows] section, with its line feed.
std::string HelpWindowLine(const CWinAttr& window);

}  // namespace veldor
