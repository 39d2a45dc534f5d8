// Start-up of the editor: settings, default tools, recent files.
#include <gtest/gtest.h>

#include "model/app_settings.h"
#include "platform/files.h"
#include "platform/settings_store.h"
#include "support/scoped_settings.h"
#include "support/temp_directory.h"
#include "ui/app/recent_files.h"
#include "ui/app/startup.h"

namespace veldor::ui {
namespace {

TEST(Startup, GivesTheTwoDefaultToolsOnlyWhenNoneIsDefined) {
  TempDirectory dir;
  WriteFile(dir / "VELDOR.INI", "[Recent File List]\r\nFile1=/p/one.ehe\r\nFile2=/p/two.ehe\r\n");
  {
    ScopedSettingsFile<CAppSettings> settings(dir / "VELDOR.INI");
    const StartupState state = StartEditor();
    EXPECT_EQ(state.recentFiles.Entries(), (std::vector<std::string>{"/p/one.ehe", "/p/two.ehe"}));
    ASSERT_EQ(CAppSettings::Instance().tools.size(), 2u);
    EXPECT_EQ(CAppSettings::Instance().tools[0].label, "Editeur BMP");
    EXPECT_EQ(CAppSettings::Instance().tools[1].command, "shed.exe");
  }
  WriteFile(dir / "OTHER.INI", "[Outils]\r\noutil0=Mon outil\r\noutil0exe=outil.exe\r\n");
  ScopedSettingsFile<CAppSettings> settings(dir / "OTHER.INI");
  StartEditor();
  ASSERT_EQ(CAppSettings::Instance().tools.size(), 1u);
  EXPECT_EQ(CAppSettings::Instance().tools[0].label, "Mon outil");
}

TEST(RecentFiles, KeepsFourNewestFirstWithoutDuplicates) {
  TempDirectory dir;
  SettingsStore store(dir / "VELDOR.INI");
  RecentFiles recent;
  for (const char* p : {"/a.ehe", "/b.ehe", "/c.ehe", "/d.ehe", "/e.ehe", "/c.ehe"}) {
    recent.Add(p);
  }
  EXPECT_EQ(recent.Entries(), (std::vector<std::string>{"/c.ehe", "/e.ehe", "/d.ehe", "/b.ehe"}));
  ASSERT_TRUE(recent.Save(store));
  recent.Remove("/e.ehe");
  ASSERT_TRUE(recent.Save(store));
  RecentFiles loaded;
  loaded.Load(store);
  EXPECT_EQ(loaded.Entries(), (std::vector<std::string>{"/c.ehe", "/d.ehe", "/b.ehe"}));
  EXPECT_EQ(RecentFiles::MenuText(0, "/x/y/DEMO.ehe"), "&1 DEMO.ehe");
}

}  // namespace
}  // namespace veldor::ui
