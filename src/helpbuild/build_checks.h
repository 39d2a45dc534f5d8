// What every build step checks and reports: the project name, the work
// directory, and files that cannot be written.
#pragma once

#include <string>

namespace veldor {

class CVeldorDoc;

// Caption of the build's messages (they have none of their own).
inline constexpr const char* kBuildCaption = "Veldor  Application Windows";
// Message texts (UTF-8).
inline constexpr const char* kNoValidProjectName = "Le projet n'a pas de Nom valide";
inline constexpr const char* kNoWorkDirectory =
    "Repertoire de travail non d\xC3\xA9"
    "fini";

// A project name that can name the generated files: not empty, and
// neither a path nor "." or "..", so that no build writes elsewhere.
bool IsValidProjectName(const std::string& name);

// Shows "Le projet n'a pas de Nom valide" and returns false when the
// project name is not valid.
bool CheckProjectName(const CVeldorDoc& doc);
// CheckProjectName, then shows "Repertoire de travail non défini" and
// returns false when the work directory option names a missing directory.
bool CheckBuildPreconditions(const CVeldorDoc& doc);

// The generated file: project name + extension, in WorkDirectory when that
// directory exists (else relative to the current directory). An existing
// file of that name in another letter case is the one returned.
std::string ProjectOutputPath(const CVeldorDoc& doc, const std::string& extension);

// Shows an error naming the file and the system's reason.
void ReportFileFailure(const std::string& path, const std::string& reason);
// Writes a generated file; reports and returns false on failure.
bool WriteOutputFile(const std::string& path, const std::string& contents);

// A project text (Windows-1252) or a path for a message (UTF-8).
std::string ForMessage(const std::string& text);

}  // namespace veldor
