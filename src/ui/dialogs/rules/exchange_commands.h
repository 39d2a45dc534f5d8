// The choosers and questions of the import, export and wizard commands:
// text import and export, RTF import, HTML export, the Visual Basic and
// Delphi wizards with the Delphi form converter, and the list of linked
// help identifiers.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/app_settings.h"
#include "ui/dialogs/rules/file_chooser.h"

namespace veldor {

class CVeldorDoc;
class SettingsStore;

// "Importe fichier Texte": the fields come from and go back to section
// "IMPORT". Tags must not be empty and the name and title tags hold at
// most 128 characters; a refusal is reported and gives false.
bool CheckTextImportFields(const ImportTags& tags);
bool StoreTextImportFields(SettingsStore& store, const ImportTags& tags);
FileChooser TextImportChooser(const std::string& current);

// "Selection fichier txt": the project's output name with ".TXT", in its
// work directory; an existing file is replaced without a question.
FileChooser TextExportChooser(const CVeldorDoc& doc);
// The base name of the generated files: the project name, else the name of
// the project file.
std::string OutputBaseName(const CVeldorDoc& doc);

FileChooser RtfImportChooser();
FileChooser VisualBasicProjectChooser();
FileChooser DelphiProjectChooser();

// The Delphi form converter: the setting "Fichier"/"convert" when it names
// a program that can run (a file, or a name that the "Programmes" mapping or
// the path finds). Otherwise "Fichier convert.exe non présent" is shown and
// `choose` asked for one ("Choisir convert.exe delphi dans rep bin"): none
// gives "Abandon:Fichier convert.exe non précisé", a file that is not there
// "Fichier convert.exe non présent", and both end the command (none); a
// good choice is stored in the setting.
using ConverterChooser = std::function<std::optional<std::string>(const FileChooser&)>;
std::optional<std::string> EnsureConverter(SettingsStore& store, const ConverterChooser& choose);
bool ConverterAvailable(const std::string& path);

// "Liste ID  Help": the lines of the linked project's help identifiers,
// sorted; none (and no message) without a project file or when it cannot
// be read.
std::vector<std::string> LinkedHelpIdLines(const CVeldorDoc& doc);

}  // namespace veldor
