#include "helpbuild/build_commands.h"

#include <filesystem>
#include <system_error>

#include "helpbuild/build_checks.h"
#include "helpbuild/build_flag.h"
#include "helpbuild/error_list.h"
#include "helpbuild/help_compiler.h"
#include "helpbuild/help_project.h"
#include "helpbuild/project_rtf.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/process.h"

namespace veldor {

bool RunBuildStep(CVeldorDoc& doc, const std::function<bool()>& operation) {
  WaitCursor wait;
  const std::string& documentPath = doc.GetPathName();
  if (!documentPath.empty() && std::filesystem::path(documentPath).is_relative()) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(documentPath, error);
    if (!error) doc.SetPathName(absolute.lexically_normal().string());
  }
  const std::string programDir = ProgramDirectory();
  ScopedCurrentDirectory inProgramDir(programDir);
  if (!inProgramDir.ok()) {
    Messages().Message(
        "Impossible de se placer dans le r\xC3\xA9pertoire du programme " + ForMessage(programDir),
        kBuildCaption, MessageIcon::Error);
    return false;
  }
  return operation();
}

bool CommandBuildRtf(CVeldorDoc& doc, CErrorList& errors) {
  errors.ClearErrorList();
  return RunBuildStep(doc, [&] { return BuildRtf(doc, errors); });
}

bool CommandBuildHelpProject(CVeldorDoc& doc) {
  return RunBuildStep(doc, [&] { return BuildHelpProject(doc); });
}

namespace {

bool CompileAndLoadErrors(CVeldorDoc& doc, CErrorList& errors) {
  bool compilerRan = false;
  const bool ok = RunHelpCompiler(doc, &compilerRan);
  if (compilerRan) LoadCompilerErrors(doc, errors);
  return ok;
}

}  // namespace

bool CommandCompileHelp(CVeldorDoc& doc, CErrorList& errors) {
  if (IsCompiling()) return false;
  errors.ClearErrorList();
  return RunBuildStep(doc, [&] { return CompileAndLoadErrors(doc, errors); });
}

bool CommandBuildAll(CVeldorDoc& doc, CErrorList& errors, const HelpMapStep& helpMapStep) {
  if (IsCompiling()) return false;
  errors.ClearErrorList();
  if (!CheckBuildPreconditions(doc)) return false;
  return RunBuildStep(doc, [&] {
    if (doc.allowVcLinkChanges && helpMapStep && !helpMapStep(doc)) return false;
    return BuildHelpProject(doc) && BuildRtf(doc, errors) && CompileAndLoadErrors(doc, errors);
  });
}

}  // namespace veldor
