#include "devtools/delphi_project.h"

#include <vector>

#include "devtools/delphi_form.h"
#include "devtools/devtools_files.h"
#include "devtools/form_parsing.h"
#include "devtools/project_kind.h"
#include "helpbuild/build_checks.h"
#include "model/app_settings.h"
#include "platform/files.h"
#include "platform/fs_names.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/settings_store.h"

namespace veldor {

namespace {

// The unit file named by a uses-clause line "Unit1 in 'Unit1.pas' {Form1},"
// (also after "uses" on the same line); "" for any other line. Only a unit
// followed by more than its file (the "{Form1}" that Delphi writes after
// the units with a form) names a form unit.
std::string UnitFileOfLine(const std::string& upperLine) {
  std::vector<std::string> tokens = FormTokens(upperLine, true);
  if (!tokens.empty() && tokens[0] == "USES") tokens.erase(tokens.begin());
  const bool named = tokens.size() > 3 && tokens[1] == "IN";
  if (!named) return "";
  const size_t in = upperLine.find(" IN ");
  const size_t open = upperLine.find('\'', in == std::string::npos ? 0 : in);
  if (open == std::string::npos) return "";
  const size_t close = upperLine.find('\'', open + 1);
  if (close == std::string::npos || close == open + 1) return "";
  return upperLine.substr(open + 1, close - open - 1);
}

std::string ExistingFile(const std::string& path) {
  const std::string resolved = ResolvePath(path);
  return FileExists(resolved) ? resolved : "";
}

}  // namespace

std::string ConverterPathSetting() {
  return SettingsStore::Instance().GetString(kSectionFile, kKeyConverterPath);
}

std::string ConverterCommandLine(const std::string& converter, const std::string& dfmPath) {
  // Delphi is usually installed under "Program Files": the path of an
  // existing program is quoted when it holds blanks, so that it stays one
  // word. Anything else is left as written (it may carry its own words).
  const bool quoteProgram = converter.find_first_of(" \t") != std::string::npos &&
                            converter.find('"') == std::string::npos &&
                            FileExists(ResolvePath(converter));
  const std::string program = quoteProgram ? "\"" + converter + "\"" : converter;
  // The form is always one quoted argument, by the rules the program uses
  // to split its command line: a quote in the name is escaped, and
  // backslashes before a quote doubled.
  std::string form = QuoteCommandArgument(dfmPath);
  if (form.empty() || form.front() != '"') {
    const size_t end = form.find_last_not_of('\\') + 1;
    form = "\"" + form + std::string(form.size() - end, '\\') + "\"";
  }
  return program + " " + form;
}

bool RunConverter(const std::string& commandLine, std::string* reason) {
  const ProcessResult result = RunCommandLine(commandLine, true);
  if (!result.started && reason != nullptr) *reason = result.error;
  return result.started;
}

bool CDelphiProject::ReadDelphiProject(const std::string& path) {
  std::vector<std::string> lines;
  if (!ReadProjectLines(path, lines)) return false;
  if (!LooksLikeDelphiProject(lines)) {
    error = DisplayPath(path) +
            " : ce n'est pas un projet Delphi (un fichier .dpr commen\xC3\xA7"
            "ant par \"program\" est attendu)";
    return false;
  }
  std::string projectDir = DirectoryPart(projectPath);
  if (projectDir.empty()) projectDir = CurrentDirectory();
  for (const std::string& line : lines) {
    const std::string unit = UnitFileOfLine(AsciiUpper(line));
    if (!unit.empty()) ReadUnitForm(projectDir, unit);
  }
  MakeNamesDistinct();
  return true;
}

void CDelphiProject::ReadUnitForm(const std::string& projectDir, const std::string& unitName) {
  const std::string unitPath = ExistingFile(JoinPath(projectDir, SystemNameOf(unitName)));
  if (unitPath.empty()) {
    // No Windows file name holds '?': the project file's text lost a
    // character there that Windows-1252 lacks.
    if (unitName.find('?') != std::string::npos) {
      Skip(JoinPath(projectDir, SystemNameOf(unitName)),
           "nom de fichier illisible : caract\xC3\xA8res absents de Windows-1252");
    }
    return;  // a unit of another project, or gone
  }
  // The form lives beside its unit; the project directory is tried too.
  const std::string dfmName = SystemNameOf(BaseNamePart(unitName)) + ".DFM";
  std::string dfmPath = ExistingFile(JoinPath(DirectoryPart(unitPath), dfmName));
  if (dfmPath.empty()) dfmPath = ExistingFile(JoinPath(projectDir, dfmName));
  if (dfmPath.empty()) return;  // a unit without a form
  if (!HasRoomFor(dfmPath)) return;

  std::string contents;
  std::string reason;
  if (!ReadDevTextFile(dfmPath, contents, &reason)) {
    Skip(dfmPath, reason);
    return;
  }
  if (IsTextDelphiForm(contents)) {
    CEnfant root;
    if (ParseDelphiForm(contents, root, &reason)) {
      forms.push_back(std::move(root));
    } else {
      Skip(dfmPath, reason);
    }
    return;
  }
  ReadConvertedForm(dfmPath);
}

void CDelphiProject::ReadConvertedForm(const std::string& dfmPath) {
  std::string why;
  if (converterPath.empty()) {
    why = "fiche binaire et aucun convertisseur (r\xC3\xA9glage Fichier/convert)";
  } else if (converterFailed_) {
    why = "le convertisseur n'a pas pu \xC3\xAAtre lanc\xC3\xA9 : " + converterError_;
  } else {
    const std::string commandLine = ConverterCommandLine(converterPath, dfmPath);
    std::string reason;
    if (!RunConverter(commandLine, &reason)) {
      converterFailed_ = true;
      converterError_ = reason;
      Messages().Message(
          "Erreur de lancement convert de delphi\n" + DisplayPath(commandLine) + " : " + reason,
          kBuildCaption, MessageIcon::Error);
      why = "le convertisseur n'a pas pu \xC3\xAAtre lanc\xC3\xA9 : " + reason;
    } else {
      why =
          "le convertisseur n'a pas \xC3\xA9"
          "crit " +
          FileNamePart(ReplaceExtension(dfmPath, "TXT"));
    }
  }
  // A text form left by an earlier conversion serves as well.
  const std::string txtPath = ExistingFile(ReplaceExtension(dfmPath, "TXT"));
  if (txtPath.empty()) {
    Skip(dfmPath, why);
    return;
  }
  ReadDelphiForm(txtPath);
}

bool CDelphiProject::ReadDelphiForm(const std::string& path) {
  return ReadForm(path, ParseDelphiForm);
}

}  // namespace veldor
