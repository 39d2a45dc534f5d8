#include "winhelp/hlp_compiler.h"

#include <ctime>

#include "helprtf/help_rtf_reader.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "winhelp/help_project_file.h"
#include "winhelp/picture_file.h"

namespace veldor::winhelp {

namespace {

Bytes ToBytes(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The HLP option, else the project's name as the command line gives it.
std::string DefaultOutputName(const HelpProjectFile& project, const std::string& requested) {
  if (!project.outputName.empty()) return project.outputName;
  return BaseNamePart(requested) + ".HLP";
}

}  // namespace

CompileResult CompileHelpProject(const CompileRequest& request) {
  CompileResult result;
  Diagnostics diagnostics;
  diagnostics.echo = request.print;

  const std::string projectPath = ResolvePath(request.projectPath);
  std::string projectText;
  std::string reason;
  if (!ReadFile(projectPath, projectText, &reason)) {
    diagnostics.Error("cannot read help project " + request.projectPath + ": " + reason);
    result.errors = diagnostics.errors();
    return result;
  }
  const HelpProjectFile project = ReadHelpProject(projectText, projectPath, diagnostics);
  const std::string projectDirectory = DirectoryPart(projectPath);
  if (!project.errorLog.empty()) {
    result.errorLogPath = ResolvePath(IsAbsolutePath(project.errorLog)
                                          ? project.errorLog
                                          : JoinPath(projectDirectory, project.errorLog));
    DeleteFile(result.errorLogPath);  // no stale log when the compilation stops early
  }

  HlpInput input;
  input.title = request.oemStrings ? Oem850ToCp1252(project.title) : project.title;
  input.copyright = request.oemStrings ? Oem850ToCp1252(project.copyright) : project.copyright;
  input.contents = project.contents;
  input.citation = project.citation;
  input.configMacros = project.configMacros;
  input.windows = project.windows;
  input.compress = project.compress;
  input.map = project.map;
  input.date = static_cast<uint32_t>(std::time(nullptr));
  for (const auto& [from, to] : project.aliases) input.aliases[AsciiUpper(from)] = to;
  if (!project.icon.empty()) {
    const std::string iconPath = FindProjectFile(project.icon, projectDirectory, project.roots);
    std::string icon;
    if (iconPath.empty() || !ReadFile(iconPath, icon)) {
      diagnostics.Warning("icon '" + project.icon + "' is not found");
    } else {
      input.icon = ToBytes(icon);
    }
  }

  if (project.files.empty()) diagnostics.Error("the project names no topic file in [FILES]");
  for (const std::string& name : project.files) {
    const std::string path = FindProjectFile(name, projectDirectory, project.roots);
    std::string data;
    if (path.empty() || !ReadFile(path, data, &reason)) {
      diagnostics.Error("topic file " + name + " is not found");
      continue;
    }
    if (!helprtf::LooksLikeRtf(data)) {
      diagnostics.Error(path + " is not an RTF file");
      continue;
    }
    HelpSourceFile file;
    file.path = path;
    file.document = helprtf::ReadHelpRtf(data);
    if (file.document.truncated) diagnostics.Warning(path + " is too large and was cut");
    if (file.document.unclosedGroups) diagnostics.Warning(path + " ends inside a group");
    input.files.push_back(std::move(file));
  }

  // Pictures: [BITMAPS] first, then the bitmap roots, the roots and the
  // project's directory.
  std::vector<std::string> pictureDirectories = project.bmRoots;
  pictureDirectories.insert(pictureDirectories.end(), project.roots.begin(), project.roots.end());
  input.loadPicture = [&](const helprtf::PictureRef& reference, HelpPicture& picture,
                          std::string& why) {
    std::string path;
    for (const std::string& listed : project.bitmaps) {
      if (EqualsIgnoreCase(FileNamePart(listed), FileNamePart(reference.file))) {
        path = FindProjectFile(listed, projectDirectory, pictureDirectories);
        if (!path.empty()) break;
      }
    }
    if (path.empty()) path = FindProjectFile(reference.file, projectDirectory, pictureDirectories);
    std::string data;
    if (path.empty() || !ReadFile(path, data)) {
      why = "file not found";
      return false;
    }
    return MakeHelpPicture(ToBytes(data), project.compress, reference.transparent, picture, why);
  };

  size_t topicCount = 0;
  for (const HelpSourceFile& file : input.files) topicCount += file.document.topics.size();
  result.outputPath = ResolvePath(
      !request.outputPath.empty()
          ? request.outputPath
          : JoinPath(CurrentDirectory(), DefaultOutputName(project, request.projectPath)));
  if (topicCount == 0) {
    diagnostics.Error("no topic to compile; " + FileNamePart(result.outputPath) +
                      " is not written");
  } else {
    const Bytes help = WriteHelpFile(input, diagnostics, result.stats);
    if (!WriteFile(result.outputPath, std::string(help.begin(), help.end()), &reason)) {
      diagnostics.Error("cannot write " + result.outputPath + ": " + reason);
    } else {
      result.written = true;
      if (project.report) {
        for (const HelpSourceFile& file : input.files) {
          diagnostics.Note(file.path + ": " + std::to_string(file.document.topics.size()) +
                           " topics");
        }
      }
      diagnostics.Note(
          FileNamePart(result.outputPath) + ": " + std::to_string(result.stats.topics) +
          " topics, " + std::to_string(result.stats.jumps) + " jumps, " +
          std::to_string(result.stats.keywords) + " keywords, " +
          std::to_string(result.stats.pictures) + " pictures, " +
          std::to_string(result.stats.bytes) + " bytes; " + std::to_string(diagnostics.errors()) +
          " errors, " + std::to_string(diagnostics.warnings()) + " warnings");
    }
  }
  result.warnings = diagnostics.warnings();
  result.errors = diagnostics.errors();
  if (!result.errorLogPath.empty()) {
    if (!WriteFile(result.errorLogPath, Join(diagnostics.lines()), &reason) && request.print) {
      request.print("Error: cannot write the error log " + result.errorLogPath + ": " + reason);
    }
  }
  return result;
}

}  // namespace veldor::winhelp
