// Commands of the help build: rtf, hpj, hlp, all, test, index, search,
// export-rtf and open-line.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "devtools/help_map_include.h"
#include "helpbuild/build_commands.h"
#include "helpbuild/error_list.h"
#include "helpbuild/help_compiler.h"
#include "helpbuild/project_rtf.h"
#include "helpbuild/text_index.h"
#include "helpbuild/work_directory.h"
#include "model/document.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace veldor {

namespace {

// Opens the project under its absolute path: the build runs in the
// program directory and places its files beside the project.
bool OpenProject(const std::string& path, CVeldorDoc& doc) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return CliOpenProject(error ? path : absolute.lexically_normal().string(), doc);
}

// The error list, one line each, in order, as UTF-8.
void PrintErrorList(const CErrorList& errors) {
  for (const std::string& line : errors.lines()) {
    const std::string text = Cp1252ToUtf8(line) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
  }
  std::fflush(stdout);
}

// Saves the project (topics sorted by the build, bitmap names corrected)
// when --save was given.
int Finish(CVeldorDoc& doc, const std::string& path, const CliOptions& options, bool ok) {
  if (options.HasFlag("--save") && !CliSaveProject(doc, path)) return 1;
  return ok ? 0 : 1;
}

using BuildCommand = bool (*)(CVeldorDoc&, CErrorList&);

int RunBuild(const std::vector<std::string>& args, const CliOptions& options,
             BuildCommand command) {
  CVeldorDoc doc;
  if (!OpenProject(args[0], doc)) return 1;
  CErrorList errors;
  const bool ok = command(doc, errors);
  PrintErrorList(errors);
  return Finish(doc, args[0], options, ok);
}

int RunRtf(const std::vector<std::string>& args, const CliOptions& options) {
  return RunBuild(args, options, CommandBuildRtf);
}
int RunHpj(const std::vector<std::string>& args, const CliOptions& options) {
  return RunBuild(args, options,
                  [](CVeldorDoc& doc, CErrorList&) { return CommandBuildHelpProject(doc); });
}
int RunHlp(const std::vector<std::string>& args, const CliOptions& options) {
  return RunBuild(args, options, CommandCompileHelp);
}
int RunAll(const std::vector<std::string>& args, const CliOptions& options) {
  return RunBuild(args, options, [](CVeldorDoc& doc, CErrorList& errors) {
    return CommandBuildAll(doc, errors, HelpMapBuildStep);
  });
}
int RunIndex(const std::vector<std::string>& args, const CliOptions& options) {
  return RunBuild(args, options, [](CVeldorDoc& doc, CErrorList&) {
    return RunBuildStep(doc, [&] { return BuildTextIndex(doc); });
  });
}

int RunTest(const std::vector<std::string>& args, const CliOptions&) {
  CVeldorDoc doc;
  if (!OpenProject(args[0], doc)) return 1;
  if (TestHelp(doc)) return 0;
  CliError("the help viewer was not started (is the help compiled?)");
  return 1;
}

int RunSearch(const std::vector<std::string>& args, const CliOptions& options) {
  CVeldorDoc doc;
  if (!OpenProject(args[0], doc)) return 1;
  const std::string text = IsValidUtf8(args[1]) ? Utf8ToCp1252(args[1]) : args[1];
  CErrorList errors;
  SearchText(doc, text, options.HasFlag("--case"), errors);
  PrintErrorList(errors);
  return 0;
}

int RunExportRtf(const std::vector<std::string>& args, const CliOptions& options) {
  CVeldorDoc doc;
  if (!OpenProject(args[0], doc)) return 1;
  return Finish(doc, args[0], options, ExportRtf(doc, args[1]));
}

int RunOpenLine(const std::vector<std::string>& args, const CliOptions&) {
  CVeldorDoc doc;
  if (!OpenProject(args[0], doc)) return 1;
  // "topic.ref" where the build wrote it: the work directory, else the
  // program directory the build ran in.
  const std::string workDir = WorkDirectory(doc);
  const std::string refPath = !workDir.empty() && DirectoryExists(workDir)
                                  ? JoinPath(workDir, "topic.ref")
                                  : JoinPath(ProgramDirectory(), "topic.ref");
  CErrorList errors;
  errors.LoadTopicRef(refPath);
  const std::string line = IsValidUtf8(args[1]) ? Utf8ToCp1252(args[1]) : args[1];
  if (auto target = errors.OpenFromErrorLine(line, doc)) {
    std::printf("%s\t%d\n", Cp1252ToUtf8(target->topicName).c_str(), target->subjectIndex);
  }
  return 0;
}

const CliRegistration kRtf(CliGroup::Build, {"rtf",
                                             "rtf P.ehe [--save]",
                                             "\"Fait RTF\": write the RTF topic file and topic.ref",
                                             1,
                                             1,
                                             {},
                                             RunRtf,
                                             FirstArgumentWhenSaved});
const CliRegistration kHpj(CliGroup::Build,
                           {"hpj",
                            "hpj P.ehe [--save]",
                            "\"Fait HPJ\": write the help project and the bitmap batch file",
                            1,
                            1,
                            {},
                            RunHpj,
                            FirstArgumentWhenSaved});
const CliRegistration kHlp(CliGroup::Build,
                           {"hlp",
                            "hlp P.ehe [--save]",
                            "\"Fait HLP\": run the help compiler and list its messages",
                            1,
                            1,
                            {},
                            RunHlp,
                            FirstArgumentWhenSaved});
const CliRegistration kAll(CliGroup::Build,
                           {"all",
                            "all P.ehe [--save]",
                            "\"Fait Tout\": help map, help project, RTF, compiler and messages",
                            1,
                            1,
                            {},
                            RunAll,
                            FirstArgumentWhenSaved});
const CliRegistration kTest(CliGroup::Build,
                            {"test",
                             "test P.ehe",
                             "\"Test l'aide\": open the compiled help in the help viewer",
                             1,
                             1,
                             {},
                             RunTest});
const CliRegistration kIndex(CliGroup::Build,
                             {"index",
                              "index P.ehe",
                              "write the text index (.KEY and .IND) of the project",
                              1,
                              1,
                              {},
                              RunIndex,
                              FirstArgumentWhenSaved});
const CliRegistration kSearch(CliGroup::Build,
                              {"search",
                               "search P.ehe TEXT [--case]",
                               "list the subjects holding TEXT (as the error list shows them)",
                               2,
                               2,
                               {},
                               RunSearch});
const CliRegistration kExportRtf(CliGroup::Build,
                                 {"export-rtf",
                                  "export-rtf P.ehe OUT.rtf [--save]",
                                  "export the whole project as one plain RTF document",
                                  2,
                                  2,
                                  {},
                                  RunExportRtf,
                                  FirstArgumentWhenSaved});
const CliRegistration kOpenLine(CliGroup::Build,
                                {"open-line",
                                 "open-line P.ehe LINE",
                                 "print the topic (and subject) an error-list line leads to",
                                 2,
                                 2,
                                 {},
                                 RunOpenLine});

}  // namespace

}  // namespace veldor
