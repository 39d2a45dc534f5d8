// Commands of the project model: new, dump, load and info.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "model/document.h"
#include "model/project_json.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace veldor {

namespace {

int RunNew(const std::vector<std::string>& args, const CliOptions& options) {
  // Replacing a project by an empty one is asked for, never a side effect.
  if (PathExists(args[0]) && !options.HasFlag("--force")) {
    CliError(args[0] + ": the file exists; --force replaces it (the old file becomes .ehb)");
    return 1;
  }
  CVeldorDoc doc;
  return CliSaveProject(doc, args[0]) ? 0 : 1;
}

int RunDump(const std::vector<std::string>& args, const CliOptions&) {
  CVeldorDoc doc;
  if (!CliOpenProject(args[0], doc)) return 1;
  const std::string text = ProjectToJsonText(doc);
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    CliError("cannot write to standard output");
    return 1;
  }
  return 0;
}

int RunLoad(const std::vector<std::string>& args, const CliOptions&) {
  // The JSON form of the largest project the model holds is about 100 MB;
  // a file larger than the limit of project files is refused.
  std::string text;
  std::string reason;
  if (!ReadFilePrefix(args[0], kMaxProjectFileSize + 1, text, &reason)) {
    CliError(args[0] + ": " + reason);
    return 1;
  }
  if (text.size() > kMaxProjectFileSize) {
    CliError(args[0] + ": the file is larger than " +
             std::to_string(kMaxProjectFileSize / (1024 * 1024)) + " MB");
    return 1;
  }
  CVeldorDoc doc;
  std::string error;
  if (!ProjectFromJsonText(text, doc, &error)) {
    CliError(args[0] + ": " + error);
    return 1;
  }
  return CliSaveProject(doc, args[1]) ? 0 : 1;
}

// "Titre 3, Texte 12, ..." for the subject types present, in code order;
// codes outside 0 to 5 are counted together.
std::string SubjectCountsText(const CVeldorDoc& doc, int& total) {
  std::vector<int> counts(kSubjectTypeCount + 1, 0);
  total = 0;
  for (int t = 0; t < doc.topicCount(); ++t) {
    const CTopic& topic = *doc.GetTopic(t);
    for (int s = 0; s < topic.subjectCount(); ++s) {
      const int code = topic.GetSubject(s)->typeCode;
      ++counts[code >= 0 && code < kSubjectTypeCount ? code : kSubjectTypeCount];
      ++total;
    }
  }
  std::string text;
  for (int code = 0; code <= kSubjectTypeCount; ++code) {
    if (counts[static_cast<size_t>(code)] == 0) continue;
    if (!text.empty()) text += ", ";
    text += code < kSubjectTypeCount ? Cp1252ToUtf8(SubjectTypeDisplayName(code)) : "other";
    text += ' ';
    text += std::to_string(counts[static_cast<size_t>(code)]);
  }
  return text;
}

// The first ten names, joined; "..." stands for the others.
std::string JoinedNames(const std::vector<std::string>& names) {
  constexpr size_t kShown = 10;
  std::string text;
  for (size_t i = 0; i < names.size() && i < kShown; ++i) {
    if (i > 0) text += ", ";
    text += Cp1252ToUtf8(names[i]);
  }
  if (names.size() > kShown) text += ", ...";
  return text;
}

int RunInfo(const std::vector<std::string>& args, const CliOptions&) {
  CVeldorDoc doc;
  if (!CliOpenProject(args[0], doc)) return 1;

  int subjectTotal = 0;
  const std::string subjectCounts = SubjectCountsText(doc, subjectTotal);
  std::vector<std::string> windowNames;
  for (int i = 0; i < doc.windows.count(); ++i) windowNames.push_back(doc.windows.GetAt(i)->name);
  std::string contents = Cp1252ToUtf8(doc.contentsTopic);
  if (doc.contentsTopic.empty()) {
    contents = "(none)";
  } else if (doc.FindTopic(doc.contentsTopic) == nullptr) {
    contents += " (no such topic)";
  }

  std::string out;
  out += "Project:        " + Cp1252ToUtf8(doc.projectName) + "\n";
  out += "Title:          " + Cp1252ToUtf8(doc.helpTitle) + "\n";
  out += "Contents topic: " + contents + "\n";
  out += "Topics:         " + std::to_string(doc.topicCount()) + "\n";
  out += "Subjects:       " + std::to_string(subjectTotal);
  out += subjectCounts.empty() ? "\n" : " (" + subjectCounts + ")\n";
  out += "Chapters:       " + std::to_string(doc.chapters.size());
  out += doc.chapters.empty() ? "\n" : " (" + JoinedNames(doc.chapters) + ")\n";
  out += "Global strings: " + std::to_string(doc.globals.count()) + "\n";
  out += "Help windows:   " + std::to_string(doc.windows.count());
  out += windowNames.empty() ? "\n" : " (" + JoinedNames(windowNames) + ")\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

const CliRegistration kNew(CliGroup::Project,
                           {"new",
                            "new OUT.ehe [--force]",
                            "create a new, empty project (--force: replace a file)",
                            1,
                            1,
                            {},
                            RunNew,
                            FirstArgument});
const CliRegistration kDump(
    CliGroup::Project,
    {"dump", "dump IN.ehe", "print the whole project as JSON", 1, 1, {}, RunDump});
const CliRegistration kLoad(CliGroup::Project,
                            {"load",
                             "load IN.json OUT.ehe",
                             "make a project from its JSON form (the old file becomes .ehb)",
                             2,
                             2,
                             {},
                             RunLoad,
                             SecondArgument});
const CliRegistration kInfo(
    CliGroup::Project,
    {"info", "info IN.ehe", "print a short summary of a project", 1, 1, {}, RunInfo});

}  // namespace

}  // namespace veldor
