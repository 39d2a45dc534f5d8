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

std::string ColourTriple(uint32_t rgb) {
  return "(" + std::to_string(rgb & 0xFF) + "," + std::to_string((rgb >> 8) & 0xFF) + "," +
         std::to_string((rgb >> 16) & 0xFF) + ")";
}

void WriteOptions(const CVeldorDoc& doc, const StringMap& topicRefs, std::string& hpj) {
  hpj += "[OPTIONS]\n";
  if (!doc.contentsTopic.empty()) {
    hpj += "CONTENTS=" + ResolveTarget(doc.contentsTopic, topicRefs) + "\n";
  }
  if (!doc.helpTitle.empty()) hpj += "TITLE=" + Cp1252ToOem850(doc.helpTitle) + "\n";
  hpj += std::string("COMPRESS=") + CompressionWord(doc.compression) + "\n";
  hpj += std::string("WARNING=") + WarningWord(doc.warningLevel) + "\n";
  if (!doc.rootDir.empty()) hpj += "ROOT=" + doc.rootDir + "\n";
  if (!doc.bitmapRootDir.empty()) hpj += "BMROOT=" + doc.bitmapRootDir + "\n";
  if (!doc.errorLogFile.empty()) hpj += "ERRORLOG=" + ErrorLogPath(doc) + "\n";
  if (!doc.iconFile.empty()) hpj += "ICON=" + doc.iconFile + "\n";
  if (!doc.rightsNotice.empty()) {
    hpj += "COPYRIGHT=" + Cp1252ToOem850(doc.rightsNotice.substr(0, 74)) + "\n";
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

  hpj += "[FILES]\n" + doc.projectName + ".RTF\n";
  for (const std::string& file : doc.extraRtfFiles) hpj += file + "\n";
  hpj += "\n\n";

  hpj += "[MAP]\n";
  for (const std::string& include : doc.mapIncludes) hpj += "#include <" + include + ">\n";
  const std::string helpMap = HelpMapIncludePath(doc);
  if (!helpMap.empty() && FileExists(helpMap)) hpj += "#include <" + helpMap + ">\n";
  if (!doc.afxHelpInclude.empty()) hpj += "#include <" + doc.afxHelpInclude + ">\n";
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

// Where the bitmap of an image subject is: its own path, else a file of
// its name in the bitmap root (looked for without extension) or in the
// work directory. `exists` tells whether the file was found at all.
struct BitmapLocation {
  std::string path;
  bool exists = false;
  bool elsewhere = false;  // found in the bitmap root or the work directory
};

BitmapLocation LocateBitmap(const std::string& file, const CVeldorDoc& doc,
                            const std::string& workDir) {
  std::string path = ResolvePath(file);
  if (FileExists(path)) return {path, true, false};
  const std::string name = BaseNamePart(file);
  std::string candidate = JoinPath(doc.bitmapRootDir, name);
  if (!FileExists(ResolvePath(candidate))) candidate = JoinPath(workDir, name);
  path = ResolvePath(candidate + ExtensionPart(file));
  const bool exists = FileExists(path);
  return {path, exists, exists};
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
      const BitmapLocation location = found->second;
      if (!location.exists) continue;
      if (location.elsewhere && subject.title != location.path) {
        subject.title = location.path;
        changed = true;
      }
      const std::string& path = location.path;
      if (!handled.insert(AsciiUpper(path)).second) continue;
      const bool inWorkDir =
          !workDir.empty() && EqualsIgnoreCase(DirectoryPart(path), workDirNoSlash);
      doc.bitmapLines.push_back(inWorkDir ? FileNamePart(path) : path);
      batch += "copy " + BatchFileWord(path) + " %1 %2\n";
      if (EqualsIgnoreCase(ExtensionPart(path), ".SHG")) {
        const std::string bmp = ResolvePath(JoinPath(workDir, BaseNamePart(path) + ".BMP"));
        if (FileExists(bmp)) batch += "copy " + BatchFileWord(bmp) + " %1 %2\n";
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
  return ResolvePath(JoinPath(workDir, doc.projectName + ".hm"));
}

std::string ErrorLogPath(const CVeldorDoc& doc) {
  if (doc.errorLogFile.empty()) return "";
  if (!DirectoryPart(doc.errorLogFile).empty()) return doc.errorLogFile;
  return JoinPath(WorkDirectory(doc), FileNamePart(doc.errorLogFile));
}

std::string HelpWindowLine(const CWinAttr& window) {
  std::string line = window.name + "=\"" + window.caption + "\",";
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
    for (const std::string& line : doc.aliasLines) hpj += line + "\n";
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
