// Opens Veldor's own help in the viewer: at the topic of the active window
// (F1), of the next window, button or menu item clicked (Shift+F1), or at
// the contents.
#pragma once

#include <functional>
#include <string>

class QAction;
class QWidget;

namespace veldor::ui {

// The help topic of `widget`: its pane or window, else the title of its
// dialog, else the contents.
std::string HelpContextOf(const QWidget* widget);
// The help topic of a menu item or toolbar button's action: the topic of
// the menu-bar menu that holds it, or empty.
std::string HelpContextOfAction(const QAction* action, const QWidget* mainWindow);
// Starts the viewer on VELDOR.HLP at `context`; says why when it cannot.
bool OpenProgramHelp(const std::string& context);
// Until the next click anywhere in the program: that click opens the help
// of what it falls on instead of acting, then `done` runs.
void StartHelpMode(QWidget* mainWindow, std::function<void()> done);

}  // namespace veldor::ui
