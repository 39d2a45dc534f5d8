#include "devtools/help_maps.h"

#include "devtools/devtools_files.h"
#include "devtools/help_map_reader.h"
#include "helpbuild/help_project.h"
#include "helpbuild/work_directory.h"
#include "model/document.h"
#include "model/help_map_tables.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/fs_names.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace veldor {

namespace {

constexpr const char* kConfirmCaption =
    "Confirmer destruction r\xC3\xA9"
    "f\xC3\xA9"
    "rences non attach\xC3\xA9"
    "es";

bool IsReferenceSeparator(char c) {
  return c == ';' || c == ' ' || c == '\t';
}

// Map includes are usually named relative to the help project, which
// lives in the work directory.
std::string LocateMapFile(const CVeldorDoc& doc, const std::string& path) {
  const std::string asGiven = SystemPathOf(path);
  if (FileExists(asGiven) || IsAbsolutePath(path)) return asGiven;
  const std::string besideProject = ResolvePath(JoinPath(WorkDirectory(doc), SystemNameOf(path)));
  return FileExists(besideProject) ? besideProject : asGiven;
}

// `path` as the project names it, `file` where it is on this system.
void ReadOneMap(CVeldorDoc& doc, const std::string& path, const std::string& file,
                HelpMapLoadReport& report) {
  std::string reason;
  if (ReadHelpMapFile(doc, file, &reason)) {
    report.filesRead.push_back(DisplayPath(path));
  } else {
    report.filesNotRead.push_back(DisplayPath(path) + ": " + reason);
  }
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

}  // namespace

std::vector<std::string> SplitReferenceNames(const std::string& references) {
  std::vector<std::string> names;
  std::string current;
  for (char c : references) {
    if (IsReferenceSeparator(c)) {
      if (!current.empty()) names.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) names.push_back(current);
  return names;
}

int FindUnattachedReferences(const CVeldorDoc& doc, std::vector<std::string>* list) {
  int count = 0;
  for (int t = 0; t < doc.topicCount(); ++t) {
    const CTopic& topic = *doc.GetTopic(t);
    for (const std::string& name : SplitReferenceNames(topic.references)) {
      if (doc.hmKnownNames.count(name) != 0) continue;
      ++count;
      if (list != nullptr) list->push_back(name + " dans topic " + topic.name);
    }
  }
  return count;
}

int ClearUnattachedReferences(CVeldorDoc& doc) {
  int count = 0;
  for (int t = 0; t < doc.topicCount(); ++t) {
    CTopic& topic = *doc.GetTopic(t);
    std::string kept;
    int removed = 0;
    for (const std::string& name : SplitReferenceNames(topic.references)) {
      if (doc.hmKnownNames.count(name) != 0) {
        if (!kept.empty()) kept += ';';
        kept += name;
      } else {
        ++removed;
      }
    }
    if (removed > 0) {
      topic.references = kept;
      count += removed;
    }
  }
  if (count > 0) doc.SetModifiedFlag();
  return count;
}

int LoadHelpMaps(CVeldorDoc& doc, HelpMapLoadReport* report) {
  HelpMapLoadReport local;
  HelpMapLoadReport& r = report != nullptr ? *report : local;
  r = HelpMapLoadReport();

  const std::vector<std::string> previousLines = doc.hmLines;
  doc.hmLines.clear();
  ClearHelpMapTables(doc);
  for (const std::string& include : doc.mapIncludes) {
    ReadOneMap(doc, include, LocateMapFile(doc, include), r);
  }
  if (doc.devLinkKind == 0 && !doc.afxHelpInclude.empty()) {
    ReadOneMap(doc, doc.afxHelpInclude, LocateMapFile(doc, doc.afxHelpInclude), r);
  }
  // Already a path of this system.
  const std::string ownMap = HelpMapIncludePath(doc);
  if (!ownMap.empty()) ReadOneMap(doc, ownMap, ownMap, r);
  if (doc.hmLines != previousLines) doc.SetModifiedFlag();

  std::vector<std::string> list;
  if (FindUnattachedReferences(doc, &list) == 0) return 0;
  for (const std::string& line : list) r.unattached.push_back(Cp1252ToUtf8(line));
  // A map that could not be read makes its identifiers look unattached:
  // their references are then erased only if the user says so, even when
  // the project does not ask before erasing.
  if (doc.promptUnattached != 0 || !r.filesNotRead.empty()) {
    // Maps that could not be read explain why references look unattached.
    std::string text = JoinLines(r.unattached);
    for (const std::string& notRead : r.filesNotRead) {
      text += "\n(carte non lue : " + notRead + ")";
    }
    if (!Messages().Confirm(text, kConfirmCaption)) return 0;
  }
  r.confirmed = true;
  r.erased = ClearUnattachedReferences(doc);
  return r.erased;
}

void BuildAllowedHelpIds(CVeldorDoc& doc) {
  RebuildAllowedHelpIds(doc);
}

}  // namespace veldor
