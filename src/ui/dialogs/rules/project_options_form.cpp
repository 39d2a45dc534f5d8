#include "ui/dialogs/rules/project_options_form.h"

#include <algorithm>

#include "devtools/help_maps.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace veldor {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  auto flush = [&] {
    const std::string trimmed = TrimBlanks(line);
    if (!trimmed.empty()) lines.push_back(trimmed);
    line.clear();
  };
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      flush();
    } else {
      line += c;
    }
  }
  flush();
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

ProjectOptionsForm LoadProjectOptions(const CVeldorDoc& doc) {
  ProjectOptionsForm form;
  form.projectName = doc.projectName;
  form.contentsTopic = doc.contentsTopic;
  for (int i = 0; i < doc.topicCount(); ++i) form.topicChoices.push_back(doc.GetTopic(i)->name);
  std::sort(form.topicChoices.begin(), form.topicChoices.end());
  form.helpTitle = doc.helpTitle;
  form.rightsNotice = doc.rightsNotice;
  form.iconFile = doc.iconFile;
  form.rootDir = doc.rootDir;
  form.errorLogFile = doc.errorLogFile.empty() ? kDefaultErrorFile : doc.errorLogFile;
  form.description = doc.description;
  form.mapIncludes = JoinLines(doc.mapIncludes);
  form.extraRtfFiles = JoinLines(doc.extraRtfFiles);
  form.compression = std::min<int>(doc.compression, 2);
  form.warningLevel = std::min<int>(doc.warningLevel, 2);
  form.report = doc.report != 0;
  form.cdrom = doc.cdromOptimise != 0;
  form.help32 = doc.help32 != 0;
  form.devLinkKind = doc.devLinkKind <= 5 ? doc.devLinkKind : 2;
  form.helpCompiler = std::min<int>(doc.helpCompiler, 2);
  return form;
}

namespace {
// Stored number of each language, in list order.
constexpr int kLanguageValues[] = {2, 0, 1, 3, 4, 5};
}  // namespace

const std::vector<std::string>& LanguageNames() {
  static const std::vector<std::string> names = {
      "Aucun", "VisualC++", "VisualBasic3", "VisualBasic4/5/6", "Delphi", "Delphi2"};
  return names;
}

int LanguageValueOfPosition(int position) {
  return position >= 0 && position < 6 ? kLanguageValues[position] : 2;
}

int LanguagePositionOfValue(int value) {
  for (int position = 0; position < 6; ++position) {
    if (kLanguageValues[position] == value) return position;
  }
  return 0;
}

LinkOptionCommands AvailableLinkOptions(int devLinkKind) {
  return {devLinkKind == 0, devLinkKind == 1 || devLinkKind == 3,
          devLinkKind == 4 || devLinkKind == 5};
}

std::string ProposedWorkDirectory(const CVeldorDoc& doc) {
  std::string directory = DirectoryPart(doc.GetPathName());
  if (directory.empty() || !DirectoryExists(directory)) directory = CurrentDirectory();
  while (directory.size() > 1 && IsSeparator(directory.back())) directory.pop_back();
  return directory;
}

bool ConfirmProjectOptions(CVeldorDoc& doc, ProjectOptionsForm form) {
  if (form.rootDir.empty() || !DirectoryExists(ResolvePath(form.rootDir))) {
    const std::string proposal = ProposedWorkDirectory(doc);
    if (!Messages().Confirm(
            "Le répertoire est indéfini, confirmer par Oui si vous acceptez:\n" + proposal,
            "Repertoire de travail non défini")) {
      return false;
    }
    form.rootDir = proposal;
  }
  doc.projectName = form.projectName.substr(0, kProjectNameLength);
  doc.contentsTopic = form.contentsTopic;
  doc.helpTitle = form.helpTitle;
  doc.rightsNotice = form.rightsNotice;
  doc.iconFile = form.iconFile;
  doc.rootDir = form.rootDir;
  doc.errorLogFile = form.errorLogFile.empty() ? kDefaultErrorFile : form.errorLogFile;
  doc.description = form.description;
  doc.mapIncludes = SplitLines(form.mapIncludes);
  doc.extraRtfFiles = SplitLines(form.extraRtfFiles);
  doc.compression = static_cast<uint16_t>(std::clamp(form.compression, 0, 2));
  doc.warningLevel = static_cast<uint16_t>(std::clamp(form.warningLevel, 0, 2));
  doc.report = form.report ? 1 : 0;
  doc.cdromOptimise = form.cdrom ? 1 : 0;
  doc.help32 = form.help32 ? 1 : 0;
  doc.devLinkKind = static_cast<uint16_t>(std::clamp(form.devLinkKind, 0, 5));
  doc.helpCompiler = static_cast<uint16_t>(std::clamp(form.helpCompiler, 0, 2));
  doc.SetModifiedFlag();
  LoadHelpMaps(doc);
  BuildAllowedHelpIds(doc);
  return true;
}

}  // namespace veldor
