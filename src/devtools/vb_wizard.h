// The Visual Basic wizard ("Génération Basic Wizzard"): from a ".MAK" or
// ".VBP" project, the help map and the help skeleton; and the list of
// numbered objects ("Montre double référence").
#pragma once

#include <string>
#include <vector>

#include "devtools/skeleton_topics.h"
#include "devtools/vb_project.h"

namespace veldor {

class CVeldorDoc;

// Writes the project's help map to `path` (created or replaced), choosing
// among objects that share a number by the help maps last loaded. Shows a
// message with the reason when the file cannot be written.
bool WriteVbHelpMap(const CVeldorDoc& doc, const CFormProject& project, const std::string& path);

// Generates the skeleton of a project read by ReadVbProject: links the
// document to it (Visual Basic 3 or 4/5/6 by the format), rewrites and
// reloads the help maps, appends the topics and sets the chapters.
void GenerateVbTopics(CVeldorDoc& doc, const CVbProject& project, SkeletonReport* report = nullptr);

// "%03d\t\t%s" for each number and identifier, sorted as text.
std::vector<std::string> ListVbHelpIds(const CFormProject& project);

struct WizardReport {
  std::string error;                 // the project file could not be read (UTF-8)
  std::vector<SkippedForm> skipped;  // forms left out, with why
  std::vector<std::string> renamed;  // names numbered to stay distinct ("OLD -> NEW")
  SkeletonReport skeleton;
};

// The wizard on a chosen project file: reads it (the ".VBP" format by
// extension, else ".MAK") and generates the skeleton. Forms that were left
// out are shown in a message. False, without a message, when the project
// file cannot be read (the reason is in `report`).
bool RunVbWizard(CVeldorDoc& doc, const std::string& projectFile, WizardReport* report = nullptr);

// Shows the forms a reader left out and the names it numbered (nothing
// when there are none).
void ShowSkippedForms(const CFormProject& project);

}  // namespace veldor
