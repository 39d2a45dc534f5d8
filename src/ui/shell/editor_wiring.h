// Plugs the tree window and the dialogs into the editor's hooks, so that
// their commands become available.
#pragma once

namespace veldor::ui {

void WireEditorHooks();

}  // namespace veldor::ui
