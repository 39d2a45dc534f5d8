// Points VELDOR_INI at a settings file of the test and makes the program
// read it: the settings store, and every class named in `Cached` that keeps
// what it loaded from the store (CAppSettings). When the object goes away
// the previous file is named again and read again, so the next test starts
// from the settings it had.
//
//   ScopedSettingsFile<> settings(dir / "VELDOR.INI");              // the store only
//   ScopedSettingsFile<CAppSettings> settings(dir / "VELDOR.INI");  // and the styles
#pragma once

#include <optional>
#include <string>

#include "platform/settings_store.h"
#include "support/scoped_environment.h"

namespace veldor {

template <typename... Cached>
class ScopedSettingsFile {
 public:
  explicit ScopedSettingsFile(const std::string& path) {
    ini_.emplace("VELDOR_INI", path);
    Reload();
  }
  ~ScopedSettingsFile() {
    ini_.reset();
    Reload();
  }
  ScopedSettingsFile(const ScopedSettingsFile&) = delete;
  ScopedSettingsFile& operator=(const ScopedSettingsFile&) = delete;

  // Reads the file again (after the test has written it).
  static void Reload() {
    SettingsStore::ResetInstance();
    (Cached::ResetInstance(), ...);
  }

 private:
  std::optional<ScopedEnvironment> ini_;
};

}  // namespace veldor
