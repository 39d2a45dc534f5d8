#include "ui/dialogs/rules/exchange_commands.h"

#include "devtools/help_map_include.h"
#include "exchange/text_import.h"
#include "helpbuild/work_directory.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/settings_store.h"

namespace veldor {

bool CheckTextImportFields(const ImportTags& tags) {
  if (tags.pageTag.empty() || tags.nameTag.empty() || tags.titleTag.empty()) {
    Messages().Message("Les balises doivent être non vides", "Importe fichier Texte",
                       MessageIcon::Error);
    return false;
  }
  if (!ImportTagsValid(tags)) {
    Messages().Message("Les balises de nom et de titre ont " + std::to_string(kMaxImportTagLength) +
                           " caractères au plus",
                       "Importe fichier Texte", MessageIcon::Error);
    return false;
  }
  return true;
}

bool StoreTextImportFields(SettingsStore& store, const ImportTags& tags) {
  if (!CheckTextImportFields(tags)) return false;
  SaveImportTags(store, tags);
  return true;
}

FileChooser TextImportChooser(const std::string& current) {
  return {"Importe fichier Texte", "Fichier Texte (*.txt)|*.txt||", "txt",
          StartingName(current, "*.txt")};
}

std::string OutputBaseName(const CVeldorDoc& doc) {
  return doc.projectName.empty() ? BaseNamePart(doc.GetPathName()) : doc.projectName;
}

FileChooser TextExportChooser(const CVeldorDoc& doc) {
  FileChooser chooser{"Selection fichier txt", "Fichier Txt (*.txt)|*.txt||", "txt",
                      JoinPath(WorkDirectory(doc), OutputBaseName(doc) + ".TXT")};
  chooser.confirmOverwrite = false;
  return chooser;
}

FileChooser RtfImportChooser() {
  return {"Importe RTF", "Fichier Rtf (*.rtf)|*.rtf||", "rtf", "*.rtf"};
}

FileChooser VisualBasicProjectChooser() {
  return {"Génération Basic Wizzard", "Fichier VB3 (*.mak)|*.mak|Fichier VB4 (*.vbp)|*.vbp||",
          "mak", "*.mak"};
}

FileChooser DelphiProjectChooser() {
  return {"Génération Delphi Wizard", "Fichier DPR (*.dpr)|*.dpr||", "dpr", "*.dpr"};
}

bool ConverterAvailable(const std::string& path) {
  if (path.empty()) return false;
  if (FileExists(ResolvePath(path))) return true;
  // A bare name runs when the "Programmes" mapping or the path finds it.
  const bool bareName = path.find_first_of("/\\:") == std::string::npos;
  return bareName && !ResolveProgram(path).empty();
}

std::optional<std::string> EnsureConverter(SettingsStore& store, const ConverterChooser& choose) {
  const std::string current = store.GetString(kSectionFile, kKeyConverterPath);
  if (ConverterAvailable(current)) return current;
  Messages().Message("Fichier convert.exe non présent", "Delphi", MessageIcon::Error);
  const FileChooser chooser{"Choisir convert.exe delphi dans rep bin",
                            "Fichier convert (*.exe)|*.exe||", "exe", current};
  const std::optional<std::string> chosen = choose(chooser);
  if (!chosen || chosen->empty()) {
    Messages().Message("Abandon:Fichier convert.exe non précisé", "Delphi", MessageIcon::Error);
    return std::nullopt;
  }
  if (!FileExists(ResolvePath(*chosen))) {
    Messages().Message("Fichier convert.exe non présent", "Delphi", MessageIcon::Error);
    return std::nullopt;
  }
  store.SetString(kSectionFile, kKeyConverterPath, *chosen);
  return chosen;
}

std::vector<std::string> LinkedHelpIdLines(const CVeldorDoc& doc) {
  std::vector<std::string> lines;
  if (!ListLinkedHelpIds(doc, lines, nullptr)) lines.clear();
  return lines;
}

}  // namespace veldor
