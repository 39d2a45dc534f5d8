// Helpers of the development-tool tests: sample projects copied into a
// scratch directory and a compact text form of generated topics to compare
// with golden files.
#pragma once

#include <string>

#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {

class CVeldorDoc;

// Copies tests/data/devtools/<sample> (a directory) into `target`.
void CopySample(const std::string& sample, const std::string& target);

// The project's link fields, chapters and topics, one field per line, the
// subjects each on one line; project strings in UTF-8 and `dir` written as
// "$DIR" so that the text does not depend on where the test runs.
std::string DumpSkeleton(const CVeldorDoc& doc, const std::string& dir);

}  // namespace veldor
