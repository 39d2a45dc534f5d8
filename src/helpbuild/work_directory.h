// Where the generated files of a project go.
#pragma once

#include <string>

namespace veldor {

class CVeldorDoc;

// The project's work directory (its "ROOT" option) when that directory
// exists, else the directory of the project file ("" for a project never
// saved). Generated files are placed with JoinPath(WorkDirectory(doc), ...).
std::string WorkDirectory(const CVeldorDoc& doc);

// The directory of the project file ("" when it has none).
std::string DocumentDirectory(const CVeldorDoc& doc);

}  // namespace veldor
