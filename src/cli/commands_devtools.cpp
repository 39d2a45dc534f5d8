// Commands of the development-tool links: the Visual C++ help map, the
// loading of help maps, the Visual Basic and Delphi wizards and the list
// of numbered objects.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "devtools/delphi_wizard.h"
#include "devtools/devtools_files.h"
#include "devtools/help_map_include.h"
#include "devtools/help_maps.h"
#include "devtools/vb_wizard.h"
#include "model/document.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/fs_names.h"
#include "platform/paths.h"

namespace veldor {

namespace {

void PrintLine(const std::string& line) {
  std::printf("%s\n", line.c_str());
}

// Paths given on the command line are made absolute: the wizards store
// them in the project, whose work directory becomes theirs.
std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && IsSeparator(path[0])) return path;
  return JoinPath(CurrentDirectory(), path);
}

void PrintMapReport(const HelpMapLoadReport& report) {
  for (const std::string& file : report.filesRead) PrintLine("read: " + file);
  for (const std::string& file : report.filesNotRead) PrintLine("not read: " + file);
  for (const std::string& line : report.unattached) PrintLine("unattached: " + line);
  if (!report.unattached.empty()) {
    PrintLine(report.confirmed ? "erased: " + std::to_string(report.erased) + " reference(s)"
                               : "erased: none (not confirmed; --yes answers Yes)");
  }
}

int RunHm(const std::vector<std::string>& args, const CliOptions&) {
  CVeldorDoc doc;
  if (!CliOpenProject(AbsolutePath(args[0]), doc)) return 1;
  if (doc.allowVcLinkChanges == 0) {
    CliError(args[0] +
             ": the project does not allow changes of its development links "
             "(\"Autorise modification liens avec Visual C++\" is off)");
    return 1;
  }
  HelpMapIncludeReport report;
  if (!BuildHelpMapInclude(doc, &report)) {
    if (!report.silentReason.empty()) CliError(args[0] + ": " + report.silentReason);
    return 1;
  }
  PrintLine("wrote " + report.path);
  return 0;
}

int RunLoadMaps(const std::vector<std::string>& args, const CliOptions&) {
  CVeldorDoc doc;
  if (!CliOpenProject(AbsolutePath(args[0]), doc)) return 1;
  doc.SetModifiedFlag(false);
  HelpMapLoadReport report;
  LoadHelpMaps(doc, &report);
  BuildAllowedHelpIds(doc);
  PrintMapReport(report);
  PrintLine("identifiers: " + std::to_string(doc.hmNames.size()) + " read, " +
            std::to_string(doc.allowedHelpIds.size()) + " offered");
  if (doc.IsModified() && !CliSaveProject(doc, args[0])) return 1;
  return 0;
}

void PrintWizardReport(const CVeldorDoc& doc, const WizardReport& report) {
  const SkeletonReport& s = report.skeleton;
  PrintLine("project: " + Cp1252ToUtf8(doc.devProjectFile));
  for (const SkippedForm& form : report.skipped) {
    PrintLine("skipped: " + form.path + " (" + form.reason + ")");
  }
  for (const std::string& name : report.renamed) PrintLine("renamed: " + DisplayPath(name));
  if (s.helpMapWritten) PrintLine("help map: " + s.helpMapPath);
  PrintMapReport(s.maps);
  PrintLine("topics: " + std::to_string(s.topicsGenerated) + " generated" +
            (s.topicsLeftOut > 0 ? ", " + std::to_string(s.topicsLeftOut) + " left out" : ""));
}

int RunWizard(const std::vector<std::string>& args, bool delphi) {
  CVeldorDoc doc;
  if (!CliOpenProject(AbsolutePath(args[0]), doc)) return 1;
  WizardReport report;
  const std::string project = AbsolutePath(args[1]);
  const bool ok =
      delphi ? RunDelphiWizard(doc, project, &report) : RunVbWizard(doc, project, &report);
  if (!ok) {
    CliError(report.error);
    return 1;
  }
  PrintWizardReport(doc, report);
  return CliSaveProject(doc, args[0]) ? 0 : 1;
}

int RunVbWizardCommand(const std::vector<std::string>& args, const CliOptions&) {
  return RunWizard(args, false);
}

int RunDelphiWizardCommand(const std::vector<std::string>& args, const CliOptions&) {
  return RunWizard(args, true);
}

int RunListIds(const std::vector<std::string>& args, const CliOptions&) {
  CVeldorDoc doc;
  if (!CliOpenProject(AbsolutePath(args[0]), doc)) return 1;
  std::vector<std::string> lines;
  std::string error;
  if (!ListLinkedHelpIds(doc, lines, &error)) {
    CliError(args[0] + ": " + error);
    return 1;
  }
  for (const std::string& line : lines) PrintLine(line);
  return 0;
}

// The "Option Lien avec Visual C++" dialog on the command line: the
// project becomes a Visual C++ one that may rewrite its help map.
int RunVcLink(const std::vector<std::string>& args, const CliOptions& options) {
  CVeldorDoc doc;
  if (!CliOpenProject(AbsolutePath(args[0]), doc)) return 1;
  // Paths are kept as project text, which names the file system converts
  // back when they are opened again; a name it cannot write is refused.
  std::string reason;
  auto modelPath = [&](const std::string& path, std::string& field) {
    if (ToModelPath(path, field, &reason)) return true;
    CliError(reason);
    return false;
  };
  doc.devLinkKind = 0;
  doc.allowVcLinkChanges = 1;
  if (!modelPath(AbsolutePath(args[1]), doc.vcResourceInclude)) return 1;
  // The map is named after the project: a project without a name takes
  // that of its file unless one is given.
  const std::string name = options.OptionValue("--name");
  if (!name.empty()) {
    if (!modelPath(name, doc.projectName)) return 1;
  } else if (doc.projectName.empty()) {
    if (!modelPath(BaseNamePart(args[0]), doc.projectName)) return 1;
  }
  const std::string afx = options.OptionValue("--afx");
  if (!afx.empty() && !modelPath(AbsolutePath(afx), doc.afxHelpInclude)) return 1;
  if (options.HasFlag("--hid")) {
    doc.hidPrefixes.clear();
    std::string prefix;
    for (char c : options.OptionValue("--hid") + ",") {
      if (c != ',') {
        prefix += c;
      } else if (!prefix.empty()) {
        doc.hidPrefixes.push_back(prefix);
        prefix.clear();
      }
    }
  }
  HelpMapLoadReport report;
  LoadHelpMaps(doc, &report);
  BuildAllowedHelpIds(doc);
  PrintMapReport(report);
  doc.SetModifiedFlag();
  return CliSaveProject(doc, args[0]) ? 0 : 1;
}

const CliRegistration kHm(CliGroup::Devtools,
                          {"hm",
                           "hm P.ehe",
                           "Fait Visual HM include: rewrite the project's help map (.hm)",
                           1,
                           1,
                           {},
                           RunHm});
const CliRegistration kLoadMaps(CliGroup::Devtools,
                                {"load-maps",
                                 "load-maps P.ehe [--yes]",
                                 "read the help maps, list and erase unattached references",
                                 1,
                                 1,
                                 {},
                                 RunLoadMaps,
                                 FirstArgument});
const CliRegistration kVbWizard(
    CliGroup::Devtools, {"vb-wizard",
                         "vb-wizard P.ehe PROJECT.vbp|PROJECT.mak",
                         "generate help topics and the help map from a Visual Basic project",
                         2,
                         2,
                         {},
                         RunVbWizardCommand,
                         FirstArgument});
const CliRegistration kDelphiWizard(CliGroup::Devtools,
                                    {"delphi-wizard",
                                     "delphi-wizard P.ehe PROJECT.dpr",
                                     "generate help topics and the help map from a Delphi project",
                                     2,
                                     2,
                                     {},
                                     RunDelphiWizardCommand,
                                     FirstArgument});
const CliRegistration kListIds(CliGroup::Devtools,
                               {"list-ids",
                                "list-ids P.ehe",
                                "Montre double r\xC3\xA9"
                                "f\xC3\xA9rence: the numbered objects of the linked project",
                                1,
                                1,
                                {},
                                RunListIds});
const CliRegistration kVcLink(CliGroup::Devtools,
                              {"vc-link",
                               "vc-link P.ehe RES.h [--name N] [--afx F.hm] [--hid P,..]",
                               "link the project to a Visual C++ resource header",
                               2,
                               2,
                               {"--name", "--afx", "--hid"},
                               RunVcLink,
                               FirstArgument});

}  // namespace

}  // namespace veldor
