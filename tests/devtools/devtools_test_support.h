// Helpers of the development-tool tests: sample projects copied into a
// scratch directory and a compact text form of generated topics to compare
// with golden files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {

class CVeldorDoc;
struct CEnfant;

// Copies tests/data/devtools/<sample> (a directory) into `target`.
void CopySample(const std::string& sample, const std::string& target);

// The project's link fields, chapters and topics, one field per line, the
// subjects each on one line; project strings in UTF-8 and `dir` written as
// "$DIR" so that the text does not depend on where the test runs.
std::string DumpSkeleton(const CVeldorDoc& doc, const std::string& dir);

// Appends a topic; false when the project is full.
bool AddTopic(CVeldorDoc& doc, const std::string& name, const std::string& references = "",
              const std::string& chapter = "");

// Adds topics "T<n>" until the project holds `count` topics.
void FillWithTopics(CVeldorDoc& doc, int count);

// The forms tests/data/devtools/forms/<name> read with `parse`, each
// object on one line indented by its depth (type, name, key, numbers), and
// the help identifiers collected from each form: the text compared with a
// golden file.
using FormParser = bool (*)(std::string_view, CEnfant&, std::string*);
std::string DumpForms(FormParser parse, const std::vector<std::string>& names);

}  // namespace veldor
