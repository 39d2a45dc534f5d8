// Where the file names a project holds meet the file names of this system.
//
// The rule. Every path or file name held by a project (bitmap files, the
// work directory and bitmap root, the linked Visual C++, Visual Basic or
// Delphi project, help-map includes, the project name that names the
// generated files) is Windows-1252 text, as the Windows program stored it
// and as the help project and batch file write it. Every path handed to the
// file system here is UTF-8. The two meet only through this file:
//
//  - SystemPathOf turns a project path into the path to open: Windows-1252
//    to UTF-8, then looked up as Windows does (letter case ignored, '\' a
//    separator where no name holds it; see ResolvePath). A path that an
//    earlier version stored as UTF-8 bytes is still found when it exists as
//    written.
//  - ToModelPath turns a path of this system into project text, and refuses
//    (saying which name) a path holding characters Windows-1252 cannot
//    write (Korean, Japanese...) or bytes that are not UTF-8.
//  - Names in the files read (forms listed by a ".vbp", units of a ".dpr")
//    are decoded to Windows-1252 like any project text and joined to system
//    directories with SystemNameOf.
#pragma once

#include <string>

namespace veldor {

// A project path (Windows-1252) as an existing path of this system when one
// matches, else as the path to create.
std::string SystemPathOf(const std::string& modelPath);

// A project file name or relative path in UTF-8, not looked up.
std::string SystemNameOf(const std::string& modelName);

// A path of this system (UTF-8) as project text. False, with why in
// `reason` (UTF-8, naming the path), when Windows-1252 cannot write it.
bool ToModelPath(const std::string& systemPath, std::string& modelPath,
                 std::string* reason = nullptr);

// ToModelPath for text that is only written out (a generated file): a
// character Windows-1252 lacks becomes '?'.
std::string ModelTextOfPath(const std::string& systemPath);

}  // namespace veldor
