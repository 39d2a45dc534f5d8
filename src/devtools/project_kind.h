// What kind of development project a file holds, so that a wizard given
// the other kind's file refuses it instead of generating an empty skeleton.
#pragma once

#include <string>
#include <vector>

namespace veldor {

// A Delphi project: a line "program Name;" (or "library", "package"),
// which may end with a comment.
bool LooksLikeDelphiProject(const std::vector<std::string>& lines);

// A Visual Basic project: a ".VBP" key line ("Type=Exe", "Form=x.frm",
// "Reference=...") or a Visual Basic 3 ".MAK" entry (a ".FRM", ".BAS",
// ".VBX" file, "ProjWinSize=...").
bool LooksLikeVbProject(const std::vector<std::string>& lines);

}  // namespace veldor
