#include "helpbuild/help_compiler.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "helpbuild/build_commands.h"
#include "helpbuild/build_flag.h"
#include "helpbuild/build_test_support.h"
#include "helpbuild/error_list.h"
#include "platform/process.h"
#include "platform/recording_messages.h"
#include "support/scoped_environment.h"
#include "support/scoped_settings.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using ::testing::ElementsAre;
using testing::LoadProject;

// The compiled file's time stamp set by the fake compiler.
constexpr int64_t kCompiledTime = 981173106;  // 2001-02-03 04:05:06 UTC

// The settings file names a fake compiler and viewer (tests/data/helpbuild);
// missing ones cannot start. Eight topics are given in reverse order so
// that the build sorts them; the seventh in sorted order has a subject
// without a face name.
class HelpCompilerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* dir : {"work", "program", "project", "tools"}) {
      ASSERT_TRUE(MakeDirectory(temp_ / dir));
    }
    for (const char* script : {"fakehc.sh", "viewer.sh"}) {
      const std::string path = temp_ / "tools/" + script;
      ASSERT_TRUE(WriteFile(path, FileContents(TestDataPath("helpbuild/") + script)));
      ASSERT_EQ(::chmod(path.c_str(), 0755), 0);
    }
    const std::string ini = FileContents(TestDataPath("helpbuild/programs.ini"));
    ASSERT_TRUE(WriteFile(temp_ / "VELDOR.INI", ReplaceAll(ini, "@TOOLS@", temp_ / "tools")));
    settings_.Reload();
    LoadProject("helpbuild/compile_project.json", doc_, work_);
    ASSERT_TRUE(doc_.Save(temp_ / "project/DEMO.ehe"));
  }
  std::string OpenTopic(const std::string& line) {
    auto target = errors_.OpenFromErrorLine(line, doc_);
    return target ? target->topicName + "@" + std::to_string(target->topicIndex) : "-";
  }

  TempDirectory temp_;
  const std::string work_ = temp_ / "work";
  ScopedSettingsFile<> settings_{temp_ / "VELDOR.INI"};
  ScopedEnvironment programDir_{"VELDOR_PROGRAM_DIR", temp_ / "program"};
  CVeldorDoc doc_;
  CErrorList errors_;
  RecordingMessages messages_;
};

TEST_F(HelpCompilerTest, CommandLines) {
  for (const auto& [compiler, program] :
       {std::pair{1, "hcpvel.pif "}, {2, "hcw.exe /C /M /A /E "}, {3, "hcvel.pif "}}) {
    doc_.helpCompiler = compiler;
    EXPECT_EQ(CompilerCommandLine(doc_), program + work_ + "/DEMO.HPJ");
  }
  CVeldorDoc unsaved;
  unsaved.projectName = "DEMO";
  EXPECT_EQ(CompilerCommandLine(unsaved), "hcvel.pif DEMO.HPJ");
  // A path with blanks stays one argument.
  doc_.rootDir = temp_ / "two words";
  ASSERT_TRUE(MakeDirectory(doc_.rootDir));
  EXPECT_THAT(SplitCommandLine(CompilerCommandLine(doc_)),
              ElementsAre("hcvel.pif", temp_ / "two words/DEMO.HPJ"));
}

TEST_F(HelpCompilerTest, BuildAllCompilesCopiesAndLeadsErrorsBackToTopics) {
  ASSERT_TRUE(WriteFile(temp_ / "program/DEMO.HLP", "old"));
  ASSERT_TRUE(WriteFile(temp_ / "project/DEMO.HLP", "old copy"));
  const std::string before = CurrentDirectory();
  int helpMapRuns = 0;
  const HelpMapStep helpMap = [&](CVeldorDoc&) {
    ++helpMapRuns;
    return true;
  };

  ASSERT_TRUE(CommandBuildAll(doc_, errors_, helpMap));
  EXPECT_TRUE(messages_.messages.empty());
  EXPECT_EQ(helpMapRuns, 0);  // the project does not allow Visual C++ link changes
  EXPECT_EQ(CurrentDirectory(), before);
  EXPECT_FALSE(IsCompiling());

  // The compiler ran in the program directory on the help project of the
  // work directory, after the old compiled file was deleted.
  EXPECT_EQ(FileContents(temp_ / "tools/args.txt"), "/C\n/M\n/A\n/E\n" + work_ + "/DEMO.HPJ\n");
  std::string cwd = FileContents(temp_ / "tools/cwd.txt");
  if (!cwd.empty()) cwd.pop_back();  // the line feed
  EXPECT_TRUE(std::filesystem::equivalent(cwd, temp_ / "program"));
  EXPECT_FALSE(FileExists(temp_ / "tools/stale.txt"));
  for (const char* made : {"DEMO.HPJ", "DEMO.BAT", "DEMO.RTF", "topic.ref"}) {
    EXPECT_TRUE(FileExists(work_ + "/" + made)) << made;
  }
  // The text index: every keyword, every distinct context string.
  EXPECT_EQ(FileContents(work_ + "/DEMO.KEY"),
            "mot1\nmot2\nmot3\nmot4\nmot5\nmot6\n\nmot7\nmot8\n");
  EXPECT_EQ(FileContents(work_ + "/DEMO.IND").size(), 8 * 6u);
  EXPECT_TRUE(FileExists(temp_ / "program/DEMO.000"));

  // The compiled file is copied beside the project with its time stamp.
  EXPECT_EQ(FileContents(temp_ / "project/DEMO.HLP"), "compiled DEMO\n");
  EXPECT_EQ(FileModificationTime(temp_ / "project/DEMO.HLP"), kCompiledTime);
  EXPECT_EQ(FileModificationTime(temp_ / "program/DEMO.HLP"), kCompiledTime);

  ASSERT_THAT(errors_.lines(),
              ElementsAre("topic...7 VELDOR Nom Font Vide",
                          "HC3025: Warning: topic #3 of DEMO.RTF : Jump to undefined Topic ID.",
                          "HC1002: Note: Using existing phrase table"));
  EXPECT_EQ(OpenTopic(errors_.lines()[0]), "IDH_7@6");
  EXPECT_EQ(OpenTopic(errors_.lines()[1]), "IDH_3@2");
  EXPECT_EQ(OpenTopic(errors_.lines()[2]), "-");

  // With the link option, the help-map step runs first.
  doc_.allowVcLinkChanges = 1;
  ASSERT_TRUE(CommandBuildAll(doc_, errors_, helpMap));
  EXPECT_EQ(helpMapRuns, 1);
  EXPECT_FALSE(CommandBuildAll(doc_, errors_, [](CVeldorDoc&) { return false; }));
}

TEST_F(HelpCompilerTest, ACompilerThatCannotStartIsReported) {
  doc_.helpCompiler = 0;  // hcvel.pif names a missing program
  ASSERT_TRUE(WriteFile(temp_ / "program/DEMO.HLP", "old"));
  EXPECT_FALSE(CommandCompileHelp(doc_, errors_));
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(messages_.messages[0].text, "Erreur de lancement compilateur d'aide");
  EXPECT_EQ(messages_.messages[0].icon, MessageIcon::Error);
  EXPECT_FALSE(IsCompiling());
  EXPECT_FALSE(FileExists(temp_ / "program/DEMO.HLP"));  // no stale file is copied
  EXPECT_FALSE(FileExists(temp_ / "project/DEMO.HLP"));
  EXPECT_FALSE(FileExists(work_ + "/DEMO.KEY"));  // no text index either
  EXPECT_TRUE(errors_.lines().empty());
}

// Only the first 32000 bytes of the log are read, cut at every carriage
// return and line feed; "topic.ref" comes from the work directory. A log
// that cannot be read changes nothing.
TEST_F(HelpCompilerTest, ErrorLogIsReadUpToItsLimitLineByLine) {
  const std::string head = "first\rsecond\n\r\n\n";
  const std::string log = head + std::string(32000 - head.size() - 5, 'x') + "yyyyyzz\r\nlast\r\n";
  ASSERT_TRUE(WriteFile(work_ + "/demo.err", log));  // found whatever its case
  ASSERT_TRUE(WriteFile(work_ + "/topic.ref", "3 :IDH_3\n"));
  errors_.AddErrorLine("before");

  ASSERT_TRUE(LoadCompilerErrors(doc_, errors_));
  EXPECT_THAT(errors_.lines(), ElementsAre("before", "first", "second",
                                           std::string(32000 - head.size() - 5, 'x') + "yyyyy"));
  EXPECT_EQ(errors_.topicNumbers(), (StringMap{{"3", "IDH_3"}}));

  ASSERT_TRUE(DeleteFile(work_ + "/demo.err"));
  ASSERT_TRUE(WriteFile(work_ + "/topic.ref", "4 :IDH_4\n"));
  EXPECT_FALSE(LoadCompilerErrors(doc_, errors_));
  EXPECT_EQ(errors_.lines().size(), 4u);
  EXPECT_EQ(errors_.topicNumbers(), (StringMap{{"3", "IDH_3"}}));
}

// A project never saved gets its compiled file in the work directory; with
// no work directory either, it stays in the program directory.
TEST_F(HelpCompilerTest, CompiledFileOfAProjectNeverSaved) {
  CVeldorDoc unsaved;
  LoadProject("helpbuild/compile_project.json", unsaved, work_);
  ASSERT_TRUE(CommandBuildAll(unsaved, errors_));
  EXPECT_EQ(FileContents(work_ + "/DEMO.HLP"), "compiled DEMO\n");
  EXPECT_EQ(FileModificationTime(work_ + "/DEMO.HLP"), kCompiledTime);
  EXPECT_THAT(errors_.lines(), ::testing::Contains(::testing::StartsWith("HC3025")));

  unsaved.rootDir.clear();
  ASSERT_TRUE(CommandBuildAll(unsaved, errors_));
  EXPECT_EQ(FileContents(temp_ / "program/DEMO.HLP"), "compiled DEMO\n");
  EXPECT_EQ(FileContents(temp_ / "tools/args.txt"), "/C\n/M\n/A\n/E\nDEMO.HPJ\n");
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(HelpCompilerTest, NothingStartsWhileCompiling) {
  errors_.AddErrorLine("kept");
  CompilingScope compiling;
  EXPECT_FALSE(CommandCompileHelp(doc_, errors_));
  EXPECT_FALSE(CommandBuildAll(doc_, errors_));
  EXPECT_THAT(errors_.lines(), ElementsAre("kept"));
  EXPECT_FALSE(FileExists(temp_ / "tools/args.txt"));
  // "Fait HPJ" keeps the list; "Fait RTF" clears it.
  EXPECT_TRUE(CommandBuildHelpProject(doc_));
  EXPECT_THAT(errors_.lines(), ElementsAre("kept"));
  EXPECT_TRUE(CommandBuildRtf(doc_, errors_));
  EXPECT_THAT(errors_.lines(), ElementsAre("topic...7 VELDOR Nom Font Vide"));
}

TEST_F(HelpCompilerTest, TestHelpStartsTheViewerOnTheCompiledFile) {
  EXPECT_FALSE(TestHelp(doc_));  // nothing compiled yet: nothing happens
  EXPECT_TRUE(messages_.messages.empty());

  ASSERT_TRUE(WriteFile(temp_ / "project/DEMO.HLP", "help"));
  doc_.help32 = 1;
  ASSERT_TRUE(TestHelp(doc_));
  for (int i = 0; i < 100 && !FileExists(temp_ / "tools/viewer-args.txt"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_EQ(FileContents(temp_ / "tools/viewer-args.txt"), temp_ / "project/DEMO.HLP\n");

  doc_.help32 = 0;  // winhelp.exe names a missing program
  EXPECT_FALSE(TestHelp(doc_));
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_THAT(messages_.messages[0].text, ::testing::StartsWith("Impossible de lancer"));
}

}  // namespace
}  // namespace veldor

namespace veldor {
namespace {

// Without a configured or installed compiler (or viewer), its command line
// is handed to the companion program found on PATH or beside the program.
TEST(CompanionProgram, TakesOverOnlyWhenTheProgramIsMissing) {
  TempDirectory temp;
  ASSERT_TRUE(WriteFile(temp / "companion", "#!/bin/sh\n"));
  ASSERT_EQ(::chmod((temp / "companion").c_str(), 0755), 0);
  ASSERT_TRUE(WriteFile(temp / "hcw.exe", "#!/bin/sh\n"));
  ASSERT_EQ(::chmod((temp / "hcw.exe").c_str(), 0755), 0);
  ScopedSettingsFile<> settings{temp / "none.ini"};
  settings.Reload();
  ScopedEnvironment path{"PATH", temp.path()};
  // Installed: started as it is.
  EXPECT_EQ(CommandWithCompanion("hcw.exe /C /M /A /E X.HPJ", "companion", true),
            "hcw.exe /C /M /A /E X.HPJ");
  // Missing: the companion gets the whole line, or the arguments only.
  EXPECT_EQ(CommandWithCompanion("hcvel.pif \"my dir/X.HPJ\"", "companion", true),
            temp / "companion" + " hcvel.pif \"my dir/X.HPJ\"");
  EXPECT_EQ(CommandWithCompanion("winhlp32.exe /h/A.HLP", "companion", false),
            temp / "companion" + " /h/A.HLP");
  // No companion either: unchanged, so that starting it fails as before.
  EXPECT_EQ(CommandWithCompanion("hcvel.pif X.HPJ", "absent-companion", true), "hcvel.pif X.HPJ");
}

}  // namespace
}  // namespace veldor
