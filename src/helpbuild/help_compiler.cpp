#include "helpbuild/help_compiler.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "helpbuild/build_checks.h"
#include "helpbuild/build_flag.h"
#include "helpbuild/error_list.h"
#include "helpbuild/help_project.h"
#include "helpbuild/text_index.h"
#include "helpbuild/work_directory.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/fs_names.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace veldor {

namespace {

constexpr size_t kErrorLogLimit = 32000;

bool ExistingDirectory(const std::string& path) {
  return !path.empty() && DirectoryExists(path);
}

// Two paths naming one file, whatever their spelling.
bool SameFile(const std::string& a, const std::string& b) {
  if (EqualsIgnoreCase(a, b)) return true;
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

// Where the compiled file goes: beside the project file, else in the work
// directory option, else in the current directory.
std::string CompiledHelpDestination(const CVeldorDoc& doc, const std::string& name) {
  const std::string documentDir = DocumentDirectory(doc);
  if (!documentDir.empty()) return ResolvePath(JoinPath(ResolvePath(documentDir), name));
  if (!doc.rootDir.empty()) return ResolvePath(JoinPath(SystemPathOf(doc.rootDir), name));
  return ResolvePath(JoinPath(CurrentDirectory(), name));
}

bool DeliverCompiledHelp(const CVeldorDoc& doc, const std::string& name) {
  const std::string source = ResolvePath(JoinPath(ProgramDirectory(), name));
  if (!FileExists(source)) return true;  // the compiler produced nothing
  const std::string destination = CompiledHelpDestination(doc, name);
  if (SameFile(source, destination)) return true;
  std::string reason;
  if (CopyFile(source, destination, &reason)) return true;
  ReportFileFailure(destination, reason);
  return false;
}

}  // namespace

std::string CommandWithCompanion(const std::string& commandLine, const std::string& companion,
                                 bool passProgramName) {
  const std::vector<std::string> words = SplitCommandLine(commandLine);
  if (words.empty() || !ResolveProgram(words[0]).empty()) return commandLine;
  const std::string program = FindCompanionProgram(companion);
  if (program.empty()) return commandLine;
  std::string line = QuoteCommandArgument(program);
  for (size_t i = passProgramName ? 0 : 1; i < words.size(); ++i) {
    line += " " + QuoteCommandArgument(words[i]);
  }
  return line;
}

const char* CompilerCommandPrefix(uint16_t helpCompiler) {
  switch (helpCompiler) {
    case 1:
      return "hcpvel.pif ";
    case 2:
      return "hcw.exe /C /M /A /E ";
    default:
      return "hcvel.pif ";
  }
}

std::string CompilerCommandLine(const CVeldorDoc& doc) {
  const std::string workDir = WorkDirectory(doc);
  const std::string base = ExistingDirectory(workDir)
                               ? JoinPath(workDir, SystemNameOf(doc.projectName))
                               : SystemNameOf(doc.projectName);
  return CompilerCommandPrefix(doc.helpCompiler) + QuoteCommandArgument(base + ".HPJ");
}

bool RunHelpCompiler(CVeldorDoc& doc, bool* compilerRan) {
  if (compilerRan != nullptr) *compilerRan = false;
  if (!CheckBuildPreconditions(doc)) return false;
  const std::string helpName = SystemNameOf(doc.projectName + ".HLP");
  bool ok = true;
  {
    CompilingScope compiling;
    // A failed compilation must not leave an older help file to be copied.
    const std::string old = ResolvePath(helpName);
    if (FileExists(old)) {
      std::string reason;
      if (!DeleteFile(old, &reason)) {
        ReportFileFailure(old, reason);
        return false;
      }
    }
    const ProcessResult run =
        RunCommandLine(CommandWithCompanion(CompilerCommandLine(doc), "veldor-hc", true), true);
    if (run.started) {
      if (compilerRan != nullptr) *compilerRan = true;
      if (doc.buildTextIndex) ok = BuildTextIndex(doc);
    } else {
      Messages().Message("Erreur de lancement compilateur d'aide", kBuildCaption,
                         MessageIcon::Error);
      ok = false;
    }
  }
  return DeliverCompiledHelp(doc, helpName) && ok;
}

bool LoadCompilerErrors(const CVeldorDoc& doc, CErrorList& errors) {
  const std::string logPath = ErrorLogPath(doc);
  std::string log;
  if (logPath.empty() || !ReadFilePrefix(SystemPathOf(logPath), kErrorLogLimit, log)) return false;
  size_t start = 0;
  while (start < log.size()) {
    const size_t end = std::min(log.find_first_of("\r\n", start), log.size());
    if (end > start) errors.AddErrorLine(log.substr(start, end - start));
    start = end + 1;
  }
  const std::string workDir = WorkDirectory(doc);
  errors.LoadTopicRef(ExistingDirectory(workDir) ? JoinPath(workDir, "topic.ref") : "topic.ref");
  return true;
}

bool TestHelp(const CVeldorDoc& doc) {
  if (!CheckProjectName(doc)) return false;
  const std::string name = SystemNameOf(doc.projectName + ".HLP");
  const std::string documentDir = DocumentDirectory(doc);
  const std::string workDir = WorkDirectory(doc);
  std::string help = name;
  if (ExistingDirectory(documentDir)) {
    help = JoinPath(documentDir, name);
  } else if (ExistingDirectory(workDir)) {
    help = JoinPath(workDir, name);
  }
  help = ResolvePath(help);
  if (!FileExists(help)) return false;
  help = AbsolutePath(help);
  const std::string viewer = doc.help32 ? "winhlp32.exe " : "winhelp.exe ";
  const ProcessResult run = RunCommandLine(
      CommandWithCompanion(viewer + QuoteCommandArgument(help), "veldor-view", false), false,
      DirectoryPart(help));
  if (run.started) return true;
  Messages().Message("Impossible de lancer le visualiseur d'aide : " + run.error, kBuildCaption,
                     MessageIcon::Error);
  return false;
}

}  // namespace veldor
