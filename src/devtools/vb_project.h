// The reader of a Visual Basic project: the ".MAK" file of Visual Basic 3
// or the ".VBP" file of later versions, and every text form it lists.
#pragma once

#include <string>

#include "devtools/form_project.h"

namespace veldor {

// True when `path` names a ".VBP" project (extension in any case).
bool IsVbpProjectPath(const std::string& path);

class CVbProject : public CFormProject {
 public:
  // Reads the project file and its forms. False, with `error` set, when
  // the project file does not exist or cannot be read. Forms that are
  // missing, not saved as text or beyond the 96th are listed in `skipped`.
  bool ReadVbProject(const std::string& path, bool vbpFormat);
  // Reads one form file into the next form root; false (and the form
  // listed in `skipped`) when it cannot be used.
  bool ReadVbForm(const std::string& path);

  bool vbpFormat = false;

 private:
  void ReadFormEntry(const std::string& value);
};

}  // namespace veldor
