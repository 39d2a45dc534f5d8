// Reading help projects: the one our help build writes and hand-written
// ones with comments, map includes, aliases and windows.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_directory.h"
#include "winhelp/help_project_file.h"

namespace veldor::winhelp {
namespace {

TEST(HelpProjectFile, ReadsTheSectionsOurBuildWrites) {
  TempDirectory dir;
  ASSERT_TRUE(WriteFile(dir / "demo.hm",
                        "HID_FILE_OPEN                           0x1E101\r\n"
                        "// comment\r\n#define HIDD_ABOUT 0x20064\r\n"));
  const std::string text =
      "[OPTIONS]\nCONTENTS=IDH_INDEX\nTITLE=Demo\nCOMPRESS=NO\nWARNING=2\nROOT=" + dir.path() +
      "\nERRORLOG=" + dir.path() +
      "/DEMO.ERR\nCOPYRIGHT=(c) moi\nOPTCDROM=ON\nREPORT=ON\n\n\n"
      "[Config]\nRegisterRoutine(\"winmm.dll\", \"sndPlaySoundA\",\"i=Si\")\nBrowseButtons()\n"
      "[FILES]\nDEMO.RTF\n\n\n[MAP]\n#include <DEMO.HM>\n\n\n[BITMAPS]\nLOGO.BMP\n\n\n"
      "[ALIAS]\nIDH_OLD=IDH_INDEX\n\n\n[Windows]\nmain=\"Aide\",(10,20,600,400),0,,,0\n"
      "MAIN2=\"Deux\",,1,(255,0,0),(0,0,128),1\n";
  Diagnostics diagnostics;
  const HelpProjectFile p = ReadHelpProject(text, dir / "DEMO.HPJ", diagnostics);
  EXPECT_EQ(diagnostics.lines().size(), 0u) << diagnostics.lines()[0];
  EXPECT_EQ(p.contents, "IDH_INDEX");
  EXPECT_EQ(p.title, "Demo");
  EXPECT_FALSE(p.compress);
  EXPECT_TRUE(p.report);
  EXPECT_EQ(p.roots, std::vector<std::string>{dir.path()});
  EXPECT_EQ(p.errorLog, dir.path() + "/DEMO.ERR");
  ASSERT_EQ(p.configMacros.size(), 2u);
  EXPECT_EQ(p.configMacros[0], "RegisterRoutine(\"winmm.dll\", \"sndPlaySoundA\",\"i=Si\")");
  EXPECT_EQ(p.files, std::vector<std::string>{"DEMO.RTF"});
  ASSERT_EQ(p.map.size(), 2u);
  EXPECT_EQ(p.map[0].context, "HID_FILE_OPEN");
  EXPECT_EQ(p.map[0].id, 0x1E101u);
  EXPECT_EQ(p.map[1].context, "HIDD_ABOUT");
  EXPECT_EQ(p.bitmaps, std::vector<std::string>{"LOGO.BMP"});
  ASSERT_EQ(p.aliases.size(), 1u);
  EXPECT_EQ(p.aliases[0].second, "IDH_INDEX");
  ASSERT_EQ(p.windows.size(), 2u);
  EXPECT_EQ(p.windows[0].caption, "Aide");
  EXPECT_TRUE(p.windows[0].hasPosition);
  EXPECT_EQ(p.windows[0].width, 600);
  EXPECT_FALSE(p.windows[1].hasPosition);
  EXPECT_EQ(p.windows[1].maximize, 1);
  EXPECT_TRUE(p.windows[1].hasMainColour);
  EXPECT_EQ(p.windows[1].nonScrollColour[2], 128);
  EXPECT_TRUE(p.windows[1].onTop);
}

TEST(HelpProjectFile, HandWrittenProjectsAndTheirMistakes) {
  const std::string text =
      "; a comment\n[options]\ntitle = Mon aide ; trailing comment\nCompress=High\n"
      "BogusOption=1\nnoequals\nICON=\n[map]\nIDH_A 12\nIDH_B=0x20\n#define IDH_C 7\nIDH_D\n"
      "IDH_E zz\n#include <missing.h>\n[BAGGAGE]\nx.bin\n[BAGGAGE]\n[windows]\nbad=\"x\",(1,2)\n";
  Diagnostics diagnostics;
  const HelpProjectFile p = ReadHelpProject(text, "/nowhere/X.HPJ", diagnostics);
  EXPECT_EQ(p.title, "Mon aide");
  EXPECT_TRUE(p.compress);
  ASSERT_EQ(p.map.size(), 3u);
  EXPECT_EQ(p.map[1].id, 0x20u);
  EXPECT_EQ(p.map[2].context, "IDH_C");
  const std::string all = [&] {
    std::string joined;
    for (const auto& line : diagnostics.lines()) joined += line + "\n";
    return joined;
  }();
  EXPECT_NE(all.find("X.HPJ line 5 : unknown option BOGUSOPTION"), std::string::npos) << all;
  EXPECT_NE(all.find("line 6 : option line without '='"), std::string::npos) << all;
  EXPECT_NE(all.find("map entry 'IDH_D' has no number"), std::string::npos) << all;
  EXPECT_NE(all.find("map entry 'IDH_E' has no valid number"), std::string::npos) << all;
  EXPECT_NE(all.find("map include 'missing.h' is not found"), std::string::npos) << all;
  // An unsupported section is reported once, a bad window skipped.
  EXPECT_EQ(all.find("[BAGGAGE]"), all.rfind("[BAGGAGE]")) << all;
  EXPECT_NE(all.find("window definition"), std::string::npos) << all;
  EXPECT_TRUE(p.windows.empty());
}

TEST(HelpProjectFile, FindsFilesWithoutRegardToCaseOrDirectory) {
  TempDirectory dir;
  ASSERT_TRUE(MakeDirectory(dir / "Aide"));
  ASSERT_TRUE(WriteFile(dir / "Aide/Demo.rtf", "{\\rtf1}"));
  EXPECT_EQ(FindProjectFile("demo.RTF", dir.path(), {"aide"}), dir / "Aide/Demo.rtf");
  EXPECT_EQ(FindProjectFile("AIDE\\DEMO.RTF", dir.path(), {}), dir / "Aide/Demo.rtf");
  // A path of another machine: found by its name in a root.
  EXPECT_EQ(FindProjectFile("D:\\AIDE\\DEMO.RTF", "/elsewhere", {dir / "aide"}),
            dir / "Aide/Demo.rtf");
  EXPECT_EQ(FindProjectFile("nothere.rtf", dir.path(), {"aide"}), "");
}

}  // namespace
}  // namespace veldor::winhelp
