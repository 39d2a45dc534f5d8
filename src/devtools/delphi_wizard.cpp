#include "devtools/delphi_wizard.h"

#include "model/document.h"
#include "platform/messages.h"

namespace veldor {

bool WriteDelphiHelpMap(const CVeldorDoc& doc, const CDelphiProject& project,
                        const std::string& path) {
  return WriteVbHelpMap(doc, project, path);
}

void GenerateDelphiTopics(CVeldorDoc& doc, const CDelphiProject& project, SkeletonReport* report) {
  SkeletonOptions options;
  options.devLinkKind = 4;
  options.whatChapters = false;
  GenerateSkeletonTopics(doc, project, options, report);
}

std::vector<std::string> ListDelphiHelpIds(const CDelphiProject& project) {
  return ListVbHelpIds(project);
}

bool RunDelphiWizard(CVeldorDoc& doc, const std::string& projectFile, WizardReport* report,
                     const std::string* converterPath) {
  WizardReport local;
  WizardReport& r = report != nullptr ? *report : local;
  r = WizardReport();
  WaitCursor wait;
  CDelphiProject project;
  if (converterPath != nullptr) project.converterPath = *converterPath;
  if (!project.ReadDelphiProject(projectFile)) {
    r.error = project.error;
    return false;
  }
  r.skipped = project.skipped;
  r.renamed = project.renamed;
  GenerateDelphiTopics(doc, project, &r.skeleton);
  ShowSkippedForms(project);
  return true;
}

}  // namespace veldor
