#include "ui/app/startup.h"

#include "model/app_settings.h"
#include "platform/process.h"
#include "platform/settings_store.h"

namespace veldor::ui {

StartupState StartEditor() {
  StartupState state;
  state.programDirectory = ProgramDirectory();
  SettingsStore& store = SettingsStore::Instance();
  // Loads the styles and the tools; with no tool defined, the two
  // built-in ones.
  CAppSettings::Instance();
  state.recentFiles.Load(store);
  return state;
}

}  // namespace veldor::ui
