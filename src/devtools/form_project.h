// What the Visual Basic and Delphi project readers have in common: the
// project's path and title, the form roots read, and the forms left out
// with the reason why.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "devtools/form_tree.h"

namespace veldor {

struct SkippedForm {
  std::string path;    // as shown to the user (UTF-8)
  std::string reason;  // UTF-8
};

class CFormProject {
 public:
  static constexpr int kMaxForms = 96;

  virtual ~CFormProject() = default;

  int formCount() const { return static_cast<int>(forms.size()); }
  // The (identifier, number) pairs of every numbered object.
  std::vector<HelpIdPair> CollectHelpIds() const { return veldor::CollectHelpIds(forms); }
  // "Formulaires non lus :" and one "PATH : reason" line per skipped form,
  // or "" when none was skipped (UTF-8).
  std::string SkippedFormsText() const;
  // "Noms changés pour rester distincts :" and one "OLD -> NEW" line per
  // renamed object, or "" when none was renamed.
  std::string RenamedNamesText() const;

  std::string projectPath;       // the project file as found on disk (UTF-8)
  std::string modelProjectPath;  // the same as the document holds it (Windows-1252)
  std::string projectTitle;      // its file name without directory and extension (Windows-1252)
  std::vector<CEnfant> forms;
  std::vector<SkippedForm> skipped;
  // Objects whose derived names were numbered to stay distinct ("OLD ->
  // NEW", object keys), filled once the forms are read.
  std::vector<std::string> renamed;
  std::string error;  // why the project file could not be read (UTF-8)

 protected:
  // Starts reading `path`: resolves it, sets the title and reads its
  // lines. False, with `error` set, when the file cannot be read.
  bool ReadProjectLines(const std::string& path, std::vector<std::string>& lines);
  // True while fewer than 96 forms are held; else records `path` as
  // skipped.
  bool HasRoomFor(const std::string& path);
  void Skip(const std::string& path, const std::string& reason);
  // Reads the form file at `path` with `parse` into the next form root;
  // false, with the form recorded as skipped, when it cannot be read or
  // parsed.
  using FormParser = bool (*)(std::string_view text, CEnfant& root, std::string* reason);
  bool ReadForm(const std::string& path, FormParser parse);
  // Numbers the objects whose names would collide (see renamed).
  void MakeNamesDistinct() { renamed = MakeDerivedNamesDistinct(forms); }
};

}  // namespace veldor
