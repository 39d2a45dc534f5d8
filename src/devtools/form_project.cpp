#include "devtools/form_project.h"

#include "devtools/devtools_files.h"
#include "platform/files.h"
#include "platform/fs_names.h"
#include "platform/paths.h"

namespace veldor {

std::string CFormProject::SkippedFormsText() const {
  if (skipped.empty()) return "";
  std::string text = "Formulaires non lus :";
  for (const SkippedForm& form : skipped) text += "\n" + form.path + " : " + form.reason;
  return text;
}

std::string CFormProject::RenamedNamesText() const {
  if (renamed.empty()) return "";
  std::string text = "Noms chang\xC3\xA9s pour rester distincts :";
  for (const std::string& line : renamed) text += "\n" + DisplayPath(line);
  return text;
}

bool CFormProject::ReadProjectLines(const std::string& path, std::vector<std::string>& lines) {
  // Kept absolute: the project path is stored in the document and its
  // directory becomes the work directory.
  projectPath = ResolvePath(path);
  if (!projectPath.empty() && !IsSeparator(projectPath[0])) {
    projectPath = JoinPath(CurrentDirectory(), projectPath);
  }
  std::string contents;
  std::string reason;
  if (!FileExists(projectPath)) {
    error = DisplayPath(path) + " : fichier absent";
    return false;
  }
  // The document keeps the project's path: it must be able to write it.
  if (!ToModelPath(projectPath, modelProjectPath, &reason)) {
    error = reason;
    return false;
  }
  projectTitle = BaseNamePart(modelProjectPath);
  if (!ReadDevTextFile(projectPath, contents, &reason)) {
    error = DisplayPath(path) + " : " + reason;
    return false;
  }
  lines = SplitTextLines(contents);
  return true;
}

bool CFormProject::HasRoomFor(const std::string& path) {
  if (formCount() < kMaxForms) return true;
  Skip(path, "plus de 96 formulaires dans le projet");
  return false;
}

void CFormProject::Skip(const std::string& path, const std::string& reason) {
  skipped.push_back({DisplayPath(path), reason});
}

bool CFormProject::ReadForm(const std::string& path, FormParser parse) {
  std::string text;
  std::string reason;
  if (!ReadDevTextFile(ResolvePath(path), text, &reason)) {
    Skip(path, reason);
    return false;
  }
  CEnfant root;
  if (!parse(text, root, &reason)) {
    Skip(path, reason);
    return false;
  }
  forms.push_back(std::move(root));
  return true;
}

}  // namespace veldor
