#include "devtools/help_map_include.h"

#include "devtools/delphi_project.h"
#include "devtools/devtools_files.h"
#include "devtools/help_map_rules.h"
#include "devtools/resource_header.h"
#include "devtools/vb_project.h"
#include "devtools/vb_wizard.h"
#include "helpbuild/build_checks.h"
#include "helpbuild/help_project.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/fs_names.h"
#include "platform/messages.h"

namespace veldor {

namespace {

bool IsVisualBasicLink(uint16_t kind) {
  return kind == 1 || kind == 3;
}
bool IsDelphiLink(uint16_t kind) {
  return kind == 4 || kind == 5;
}

constexpr const char* kNoProjectFile = "aucun projet Visual Basic ou Delphi n'est indiqu\xC3\xA9";

bool BuildFromForms(const CVeldorDoc& doc, CFormProject& project, bool read,
                    HelpMapIncludeReport& r) {
  if (!read) {
    r.silentReason = project.error;
    if (FileExists(r.path)) DeleteFile(r.path);
    return false;
  }
  r.skipped = project.skipped;
  ShowSkippedForms(project);
  r.written = WriteVbHelpMap(doc, project, r.path);
  return r.written;
}

}  // namespace

bool BuildHelpMapInclude(const CVeldorDoc& doc, HelpMapIncludeReport* report) {
  HelpMapIncludeReport local;
  HelpMapIncludeReport& r = report != nullptr ? *report : local;
  r = HelpMapIncludeReport();

  if (!IsValidProjectName(doc.projectName)) {
    ShowStopMessage(kNoValidProjectName);
    return false;
  }
  r.path = HelpMapIncludePath(doc);
  if (r.path.empty()) {
    // Without an existing work directory there is no place for the map.
    ShowStopMessage(kNoWorkDirectory);
    return false;
  }
  // A map whose source is gone is stale and removed. A conversion that
  // runs replaces the map in one step, so a failed write (a full disk)
  // keeps the previous map whole.
  const auto dropStaleMap = [&r] {
    if (FileExists(r.path)) DeleteFile(r.path);
    return false;
  };

  if (doc.devLinkKind == 0) {
    if (doc.vcResourceInclude.empty()) {
      ShowStopMessage("Nom Include Resource Visual Manquant");
      return dropStaleMap();
    }
    const std::string header = SystemPathOf(doc.vcResourceInclude);
    if (!FileExists(header)) {
      ShowStopMessage("Le fichier resource n'existe pas\"");
      return dropStaleMap();
    }
    WaitCursor wait;
    r.written = ConvertResourceHeader(VisualCppRuleTexts(), header, r.path);
    return r.written;
  }
  if (IsVisualBasicLink(doc.devLinkKind)) {
    if (doc.devProjectFile.empty()) {
      r.silentReason = kNoProjectFile;
      return dropStaleMap();
    }
    WaitCursor wait;
    CVbProject project;
    const bool read = project.ReadVbProject(SystemPathOf(doc.devProjectFile),
                                            IsVbpProjectPath(doc.devProjectFile));
    return BuildFromForms(doc, project, read, r);
  }
  if (IsDelphiLink(doc.devLinkKind)) {
    if (doc.devProjectFile.empty()) {
      r.silentReason = kNoProjectFile;
      return dropStaleMap();
    }
    WaitCursor wait;
    CDelphiProject project;
    const bool read = project.ReadDelphiProject(SystemPathOf(doc.devProjectFile));
    return BuildFromForms(doc, project, read, r);
  }
  r.silentReason = "le projet n'est li\xC3\xA9 \xC3\xA0 aucun projet de d\xC3\xA9veloppement";
  return dropStaleMap();
}

bool HelpMapBuildStep(CVeldorDoc& doc) {
  // A map that cannot be made has been shown to the user; the rest of the
  // build does not depend on it and goes on.
  if (doc.allowVcLinkChanges != 0) BuildHelpMapInclude(doc);
  return true;
}

bool ListLinkedHelpIds(const CVeldorDoc& doc, std::vector<std::string>& lines, std::string* error) {
  lines.clear();
  if (doc.devProjectFile.empty()) {
    if (error != nullptr) *error = kNoProjectFile;
    return false;
  }
  WaitCursor wait;
  if (IsVisualBasicLink(doc.devLinkKind)) {
    CVbProject project;
    if (!project.ReadVbProject(SystemPathOf(doc.devProjectFile),
                               IsVbpProjectPath(doc.devProjectFile))) {
      if (error != nullptr) *error = project.error;
      return false;
    }
    lines = ListVbHelpIds(project);
    return true;
  }
  CDelphiProject project;
  if (!project.ReadDelphiProject(SystemPathOf(doc.devProjectFile))) {
    if (error != nullptr) *error = project.error;
    return false;
  }
  lines = HelpIdListLines(project.CollectHelpIds());
  return true;
}

}  // namespace veldor
