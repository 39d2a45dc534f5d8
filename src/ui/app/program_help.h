// Veldor's own help (VELDOR.HLP, compiled from help/veldor.json and
// installed beside the programs): which of its topics answers for a
// window, a dialog or a menu, and the viewer's command line.
#pragma once

#include <string>
#include <string_view>

namespace veldor::ui {

// The contents topic, shown when nothing more precise is known.
inline constexpr const char* kHelpContents = "SOMMAIRE";
// The topic on using the help viewer ("&Comment Utiliser Aide").
inline constexpr const char* kHelpUsingHelp = "UTILISER_AIDE";

// The topic of a dialog or window by its title; empty when none has one.
std::string HelpContextForTitle(std::string_view title);
// The topic of a menu of the menu bar by its text ("&Fichier"); empty when
// none has one.
std::string HelpContextForMenu(std::string_view menuText);
// The arguments that start `viewer` on `helpFile` at `context` (the
// contents when `context` is empty).
std::string ViewerCommandLine(const std::string& viewer, const std::string& helpFile,
                              const std::string& context);

}  // namespace veldor::ui
