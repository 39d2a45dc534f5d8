#include "helpbuild/help_project.h"

#include <map>
#include <set>

#include "helpbuild/build_checks.h"
#include "helpbuild/subject_rtf.h"
#include "helpbuild/topic_rtf.h"
#include "helpbuild/work_directory.h"
#include "model/document.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/fs_names.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace veldor {

namespace {

const char* CompressionWord(uint16_t compression) {
  switch (compression) {
    case 1:
      return "MEDIUM";
    case 2:
      return "HIGH";
    default:
      return "NO";
  }
}

const char* WarningWord(uint16_t level) {
  switch (level) {
    case 1:
      return "2";
    case 2:
      return "3";
    default:
      return "1";
  }
}

// A value as one line of the help project: a line break (or any other
// control character but the tab) would start a line of its own, such as a
// [CONFIG] macro, so each becomes a blank.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') c = ' ';
  }
  return text;
}

// The caption of a help window stands between double quotes: one of its
// own would end it, so it becomes a single quote.
std::string QuotedField(const std::string& text) {
  std::string field = OneLine(text);
  for (char& c : field) {
    if (c == '"') c = '\'';
  }
  return field;
}

std::string ColourTriple(uint32_t rgb) {
  return "(" + std::to_string(rgb & 0xFF) + "," + std::to_string((rgb >> 8) & 0xFF) + "," +
         std::to_string((rgb >> 16) & 0xFF) + ")";
}

void WriteOptions(const CVeldorDoc& doc, const StringMap& topicRefs, std::string& hpj) {
  hpj += "[OPTIONS]\n";
  if (!doc.contentsTopic.empty()) {
    hpj += "CONTENTS=" + OneLine(ResolveTarget(doc.contentsTopic, topicRefs)) + "\n";
  }
  if (!doc.helpTitle.empty()) hpj += "TITLE=" + OneLine(Cp1252ToOem850(doc.helpTitle)) + "\n";
  hpj += std::string("COMPRESS=") + CompressionWord(doc.compression) + "\n";
  hpj += std::string("WARNING=") + WarningWord(doc.warningLevel) + "\n";
  if (!doc.rootDir.empty()) hpj += "ROOT=" + OneLine(doc.rootDir) + "\n";
  if (!doc.bitmapRootDir.empty()) hpj += "BMROOT=" + OneLine(doc.bitmapRootDir) + "\n";
  if (!doc.errorLogFile.empty()) hpj += "ERRORLOG=" + OneLine(ErrorLogPath(doc)) + "\n";
  if (!doc.iconFile.empty()) hpj += "ICON=" + OneLine(doc.iconFile) + "\n";
  if (!doc.rightsNotice.empty()) {
    hpj += "COPYRIGHT=" + OneLine(Cp1252ToOem850(doc.rightsNotice.substr(0, 74))) + "\n";
  }
  if (doc.cdromOptimise) hpj += "OPTCDROM=ON\n";
  if (doc.report) hpj += "REPORT=ON\n";
  hpj += "\n\n";
}

void WriteConfigFilesAndMap(const CVeldorDoc& doc, std::string& hpj) {
  hpj += "[Config]\n";
  hpj += doc.help32 ? "RegisterRoutine(\"winmm.dll\", \"sndPlaySoundA\",\"i=Si\")\n"
                    : "RegisterRoutine(\"mmsystem.dll\", \"sndPlaySound\",\"i=Si\")\n";
  hpj += "BrowseButtons()\n";

  hpj += "[FILES]\n" + OneLine(doc.projectName) + ".RTF\n";
  for (const std::string& file : doc.extraRtfFiles) hpj += OneLine(file) + "\n";
  hpj += "\n\n";

  hpj += "[MAP]\n";
  for (const std::string& include : doc.mapIncludes) {
    hpj += "#include <" + OneLine(include) + ">\n";
  }
  const std::string helpMap = HelpMapIncludePath(doc);
  if (!helpMap.empty() && FileExists(helpMap)) {
    hpj += "#include <" + OneLine(ModelTextOfPath(helpMap)) + ">\n";
  }
  if (!doc.afxHelpInclude.empty()) hpj += "#include <" + OneLine(doc.afxHelpInclude) + ">\n";
  hpj += "\n\n";
}

std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && IsSeparator(path.back())) path.pop_back();
  return path;
}

// A path as one word of a line of the batch file: between double quotes
// when it holds a blank or a character the command interpreter would act
// on, with every '%' doubled so that it is not read as a variable.
std::string BatchFileWord(const std::string& path) {
  std::string word;
  for (char c : path) {
    word += c;
    if (c == '%') word += '%';
  }
  if (path.find_first_of(" \t&|<>^(),;=") == std::string::npos) return word;
  return "\"" + word + "\"";
}

// A file name that cannot stand in the batch file: a line break would end
// the copy command and start another, and a double quote would end the
// quoted word early. Windows file names hold neither.
bool UnfitForBatchFile(const std::string& path) {
  for (char c : path) {
    if (c == '"' || static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
}

// Where the bitmap of an image subject is: its own path, else a file of
// its name in the bitmap root (looked for without extension) or in the
// work directory. `exists` tells whether the file was found at all.
struct BitmapLocation {
  std::string path;  // on this system
  bool exists = false;
  bool elsewhere = false;  // found in the bitmap root or the work directory
  std::string modelPath;   // as the project and the generated files write it
  std::string problem;     // why it cannot be written there (UTF-8), or ""
};

BitmapLocation LocateBitmap(const std::string& file, const CVeldorDoc& doc,
                            const std::string& workDir) {
  BitmapLocation location;
  location.path = SystemPathOf(file);
  location.exists = FileExists(location.path);
  if (!location.exists) {
    const std::string name = SystemNameOf(BaseNamePart(file));
    std::string candidate = JoinPath(SystemPathOf(doc.bitmapRootDir), name);
    if (!FileExists(ResolvePath(candidate))) candidate = JoinPath(workDir, name);
    location.path = ResolvePath(candidate + SystemNameOf(ExtensionPart(file)));
    location.exists = location.elsewhere = FileExists(location.path);
  }
  if (location.exists && ToModelPath(location.path, location.modelPath, &location.problem) &&
      UnfitForBatchFile(location.modelPath)) {
    location.problem =
        ForMessage(location.modelPath) + " : son nom contient un saut de ligne ou un guillemet";
  }
  return location;
}

void ReportUnfitBitmap(const std::string& problem) {
  Messages().Message(
      "Image laiss\xC3\xA9"
      "e de c\xC3\xB4t\xC3\xA9 : " +
          problem,
      kBuildCaption, MessageIcon::Warning);
}

// Rebuilds the bitmap list and appends the copy lines of the batch file.
// A bitmap found elsewhere than its subject names is stored back into the
// subject.
void CollectBitmaps(CVeldorDoc& doc, std::string& batch) {
  doc.bitmapLines.clear();
  const std::string workDir = WorkDirectory(doc);
  const std::string workDirNoSlash = WithoutTrailingSeparators(workDir);
  std::set<std::string> handled;  // upper-cased paths
  // Projects name the same bitmaps again and again; each is looked up once.
  std::map<std::string, BitmapLocation> located;
  bool changed = false;
  for (int t = 0; t < doc.topicCount(); ++t) {
    CTopic& topic = *doc.GetTopic(t);
    for (int s = 0; s < topic.subjectCount(); ++s) {
      CTypeEdit& subject = *topic.GetSubject(s);
      if (subject.typeCode != kTypeBitMap) continue;
      auto found = located.find(subject.title);
      if (found == located.end()) {
        found = located.emplace(subject.title, LocateBitmap(subject.title, doc, workDir)).first;
      }
      const BitmapLocation& location = found->second;
      if (!location.exists) continue;
      const bool fit = location.problem.empty();
      if (fit && location.elsewhere && subject.title != location.modelPath) {
        subject.title = location.modelPath;
        changed = true;
      }
      const std::string& path = location.path;
      if (!handled.insert(AsciiUpper(path)).second) continue;
      if (!fit) {
        ReportUnfitBitmap(location.problem);
        continue;
      }
      const std::string& written = location.modelPath;
      const bool inWorkDir =
          !workDir.empty() && EqualsIgnoreCase(DirectoryPart(path), workDirNoSlash);
      doc.bitmapLines.push_back(inWorkDir ? FileNamePart(written) : written);
      batch += "copy " + BatchFileWord(written) + " %1 %2\n";
      if (EqualsIgnoreCase(ExtensionPart(path), ".SHG")) {
        const std::string bmp = ResolvePath(JoinPath(workDir, BaseNamePart(path) + ".BMP"));
        std::string bmpWritten;
        if (FileExists(bmp) && ToModelPath(bmp, bmpWritten) && !UnfitForBatchFile(bmpWritten)) {
          batch += "copy " + BatchFileWord(bmpWritten) + " %1 %2\n";
        }
      }
    }
  }
  if (changed) doc.SetModifiedFlag(true);
}

}  // namespace

std::string HelpMapIncludePath(const CVeldorDoc& doc) {
  if (!IsValidProjectName(doc.projectName)) return "";
  const std::string workDir = WorkDirectory(doc);
  if (workDir.empty() || !DirectoryExists(workDir)) return "";
  return ResolvePath(JoinPath(workDir, SystemNameOf(doc.projectName + ".hm")));
}

std::string ErrorLogPath(const CVeldorDoc& doc) {
  if (doc.errorLogFile.empty()) return "";
  if (!DirectoryPart(doc.errorLogFile).empty()) return doc.errorLogFile;
  return JoinPath(ModelTextOfPath(WorkDirectory(doc)), FileNamePart(doc.errorLogFile));
}

std::string HelpWindowLine(const CWinAttr& window) {
  std::string line = OneLine(window.name) + "=\"" + QuotedField(window.caption) + "\",";
  if (!(EqualsIgnoreCase(window.name, "main") && !window.usePosition)) {
    line += "(" + std::to_string(window.x) + "," + std::to_string(window.y) + "," +
            std::to_string(window.width) + "," + std::to_string(window.height) + ")";
  }
  line += "," + std::to_string(window.maximize);
  line += window.useMainColour ? "," + ColourTriple(window.mainColour) : ",";
  line += window.useNonScrollColour ? "," + ColourTriple(window.nonScrollColour) : ",";
  line += "," + std::to_string(window.onTop) + "\n";
  return line;
}

bool BuildHelpProject(CVeldorDoc& doc) {
  if (!CheckBuildPreconditions(doc)) return false;
  // The help project names files of the work directory by their full path;
  // a directory that Windows-1252 cannot write would be named wrongly.
  std::string workDirText;
  std::string problem;
  if (!ToModelPath(WorkDirectory(doc), workDirText, &problem)) {
    Messages().Message(
        "R\xC3\xA9pertoire de travail mal nomm\xC3\xA9 dans le projet d'aide : " + problem,
        kBuildCaption, MessageIcon::Warning);
  }
  const std::string hpjPath = ProjectOutputPath(doc, ".HPJ");
  const std::string batPath = ProjectOutputPath(doc, ".BAT");
  const StringMap topicRefs = BuildTopicReferenceMap(doc);

  std::string batch =
      "rem ****************************************************************\n"
      "rem fichier batch de recopie des BMP \xE9parpill\xE9s vers un seul r\xE9peroire\n"
      "rem c'est bien pratique pour regrouper le projet\n";
  std::string hpj;
  WriteOptions(doc, topicRefs, hpj);
  WriteConfigFilesAndMap(doc, hpj);
  CollectBitmaps(doc, batch);

  if (!doc.bitmapLines.empty()) {
    hpj += "[BITMAPS]\n";
    for (const std::string& line : doc.bitmapLines) hpj += line + "\n";
    hpj += "\n\n";
  }
  if (!doc.aliasLines.empty()) {
    hpj += "[ALIAS]\n";
    for (const std::string& line : doc.aliasLines) hpj += OneLine(line) + "\n";
    hpj += "\n\n";
  }
  if (doc.windows.count() > 0) {
    hpj += "[Windows]\n";
    for (int i = 0; i < doc.windows.count(); ++i) {
      const CWinAttr& window = *doc.windows.GetAt(i);
      if (!window.name.empty()) hpj += HelpWindowLine(window);
    }
  }
  return WriteOutputFile(hpjPath, hpj) && WriteOutputFile(batPath, batch);
}

}  // namespace veldor
