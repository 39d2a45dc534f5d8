// The Delphi wizard ("Génération Delphi Wizard"): from a ".DPR" project,
// the help map and the help skeleton.
#pragma once

#include <string>
#include <vector>

#include "devtools/delphi_project.h"
#include "devtools/vb_wizard.h"

namespace veldor {

class CVeldorDoc;

// The help map of a Delphi project (the same file as for Visual Basic,
// without what's-this identifiers, which Delphi forms do not have).
bool WriteDelphiHelpMap(const CVeldorDoc& doc, const CDelphiProject& project,
                        const std::string& path);

// Generates the skeleton of a project read by ReadDelphiProject; the link
// becomes "Delphi" (4) and the chapters "INDEX" and the forms.
void GenerateDelphiTopics(CVeldorDoc& doc, const CDelphiProject& project,
                          SkeletonReport* report = nullptr);

std::vector<std::string> ListDelphiHelpIds(const CDelphiProject& project);

// The wizard on a chosen ".DPR", with the converter of the settings
// (`converterPath` overrides it when given). False, without a message,
// when the project file cannot be read.
bool RunDelphiWizard(CVeldorDoc& doc, const std::string& projectFile,
                     WizardReport* report = nullptr, const std::string* converterPath = nullptr);

}  // namespace veldor
