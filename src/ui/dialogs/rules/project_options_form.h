// The project options ("Options projet"): the fields of the help project,
// the numbering of the development language, and the check of the work
// directory on confirmation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

class CVeldorDoc;

inline constexpr int kProjectNameLength = 8;
inline constexpr const char* kDefaultErrorFile = "erreur.txt";

struct ProjectOptionsForm {
  std::string projectName;
  std::string contentsTopic;
  std::vector<std::string> topicChoices;  // every topic name, sorted
  std::string helpTitle;
  std::string rightsNotice;
  std::string iconFile;
  std::string rootDir;
  std::string errorLogFile;
  std::string description;    // "\r\n" between lines
  std::string mapIncludes;    // one per line
  std::string extraRtfFiles;  // one per line
  int compression = 0;        // 0 "Aucun", 1 "Moyenne", 2 "Maximum"
  int warningLevel = 0;       // 0 "minimum", 1 "moyen", 2 "Tout"
  bool report = false;
  bool cdrom = false;
  bool help32 = false;
  int devLinkKind = 0;   // the stored number, not the list position
  int helpCompiler = 0;  // 0 "HC31", 1 "HCP", 2 "HCW"
};

ProjectOptionsForm LoadProjectOptions(const CVeldorDoc& doc);

// The names of the language list, in list order, and the mapping between a
// position in it and the number the project stores.
const std::vector<std::string>& LanguageNames();
int LanguageValueOfPosition(int position);
int LanguagePositionOfValue(int value);

// The option commands a development language makes available.
struct LinkOptionCommands {
  bool visualCpp = false;
  bool visualBasic = false;
  bool delphi = false;
};
LinkOptionCommands AvailableLinkOptions(int devLinkKind);

// The working directory proposed when the one typed does not exist: the
// directory of the project file when it exists, else the current
// directory, without a trailing separator.
std::string ProposedWorkDirectory(const CVeldorDoc& doc);

// Checks the work directory (asking "Le répertoire est indéfini, ..." when
// it does not exist: "Oui" takes the proposal, "Non" gives false and stores
// nothing), then stores every field, reloads the help maps and marks the
// project modified.
bool ConfirmProjectOptions(CVeldorDoc& doc, ProjectOptionsForm form);

// Lines of a multi-line field, line ends "\r\n", "\n" or "\r"; blank lines dropped.
std::vector<std::string> SplitLines(const std::string& text);
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace veldor
