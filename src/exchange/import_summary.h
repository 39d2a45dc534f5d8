// What an import did to the project, and how imported topics join it: in
// order, while the project has room (4096 topics at most).
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace veldor {

class CTopic;
class CVeldorDoc;

struct ImportSummary {
  bool fileRead = false;    // the file could be opened and read
  bool notRtf = false;      // the RTF import refused a file that is not RTF
  bool parseOk = true;      // false when the RTF import met "Erreur RTF"
  int added = 0;            // topics appended to the project
  int leftOut = 0;          // topics that did not fit in the project
  int namesInUse = 0;       // added topics whose name the project already had
  int droppedSubjects = 0;  // subjects that did not fit in their topic (256)
};

// How many more topics the project can take.
int TopicRoom(const CVeldorDoc& doc);

// Appends `topics` in order while the project has room, counting in
// `summary` the topics added, those left out and those whose name (without
// regard to case) was already in use. Marks the document modified when at
// least one topic is added. `topics` is emptied.
void AppendImportedTopics(CVeldorDoc& doc, std::vector<std::unique_ptr<CTopic>>& topics,
                          ImportSummary& summary);

// The text telling what was left out or clashes, or "" when all went in
// and every name was new (UTF-8).
std::string ImportSummaryText(const ImportSummary& summary);

// Shows ImportSummaryText when it is not empty, under `caption`.
void ReportImportSummary(const ImportSummary& summary, const std::string& caption);

}  // namespace veldor
