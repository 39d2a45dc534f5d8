// Helpers of the development-tool tests: sample projects copied into a
// scratch directory, a compact text form of generated topics to compare
// with golden files, and file access.
#pragma once

#include <string>

#include "platform/temp_directory.h"

namespace veldor {

class CVeldorDoc;

// tests/data/devtools/<relative>.
std::string DevtoolsDataPath(const std::string& relative);

// The whole file, or "" when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Copies tests/data/devtools/<sample> (a directory) into `target`.
void CopySample(const std::string& sample, const std::string& target);

// The project's link fields, chapters and topics, one field per line, the
// subjects each on one line; project strings in UTF-8 and `dir` written as
// "$DIR" so that the text does not depend on where the test runs.
std::string DumpSkeleton(const CVeldorDoc& doc, const std::string& dir);

// Compares `actual` with the golden file tests/data/devtools/golden/<name>.
// With VELDOR_UPDATE_GOLDEN set in the environment the golden file is
// written instead (then review the difference before committing it).
void ExpectMatchesGolden(const std::string& actual, const std::string& name);

}  // namespace veldor
