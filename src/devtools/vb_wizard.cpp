#include "devtools/vb_wizard.h"

#include "devtools/devtools_files.h"
#include "helpbuild/build_checks.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/messages.h"

namespace veldor {

bool WriteVbHelpMap(const CVeldorDoc& doc, const CFormProject& project, const std::string& path) {
  std::string reason;
  if (!WriteFile(path, VbHelpMapText(project.CollectHelpIds(), doc.hmNames), &reason)) {
    ShowStopMessage(CannotWriteMessage(path, reason));
    return false;
  }
  return true;
}

void GenerateVbTopics(CVeldorDoc& doc, const CVbProject& project, SkeletonReport* report) {
  SkeletonOptions options;
  options.devLinkKind = project.vbpFormat ? 3 : 1;
  options.whatChapters = project.vbpFormat;
  GenerateSkeletonTopics(doc, project, options, report);
}

std::vector<std::string> ListVbHelpIds(const CFormProject& project) {
  return HelpIdListLines(project.CollectHelpIds());
}

void ShowSkippedForms(const CFormProject& project) {
  std::string text = project.SkippedFormsText();
  const std::string renamed = project.RenamedNamesText();
  if (!renamed.empty()) text += (text.empty() ? "" : "\n\n") + renamed;
  if (!text.empty()) Messages().Message(text, kBuildCaption, MessageIcon::Warning);
}

bool RunVbWizard(CVeldorDoc& doc, const std::string& projectFile, WizardReport* report) {
  WizardReport local;
  WizardReport& r = report != nullptr ? *report : local;
  r = WizardReport();
  WaitCursor wait;
  CVbProject project;
  if (!project.ReadVbProject(projectFile, IsVbpProjectPath(projectFile))) {
    r.error = project.error;
    return false;
  }
  r.skipped = project.skipped;
  r.renamed = project.renamed;
  GenerateVbTopics(doc, project, &r.skeleton);
  ShowSkippedForms(project);
  return true;
}

}  // namespace veldor
