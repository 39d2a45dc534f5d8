#include "platform/process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/files.h"
#include "platform/paths.h"
#include "support/scoped_environment.h"
#include "support/scoped_settings.h"
#include "support/temp_directory.h"

namespace veldor {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using Words = std::vector<std::string>;

TEST(SplitCommandLineTest, WindowsRulesForQuotesAndBackslashes) {
  const struct {
    const char* line;
    Words words;
  } cases[] = {
      // The documented examples, after a program name.
      {R"(p "a b c" d e)", {"p", "a b c", "d", "e"}},
      {R"(p "ab\"c" "\\" d)", {"p", "ab\"c", "\\", "d"}},
      {R"(p a\\\b d"e f"g h)", {"p", R"(a\\\b)", "de fg", "h"}},
      {R"(p a\\\"b c d)", {"p", R"(a\"b)", "c", "d"}},
      {R"(p a\\\\"b c" d e)", {"p", R"(a\\b c)", "d", "e"}},
      {R"(p a"b"" c d)", {"p", "ab\" c d"}},
      // Blanks, empty arguments, Windows paths, unfinished quotes.
      {"  winhelp.exe \t C:\\x y\\A.HLP  ", {"winhelp.exe", "C:\\x", "y\\A.HLP"}},
      {R"(p "" a "")", {"p", "", "a", ""}},
      {R"(p "unterminated arg)", {"p", "unterminated arg"}},
      {R"(p trailing\)", {"p", "trailing\\"}},
      {" \t ", {}},
      // The program name ignores backslash escapes.
      {R"("C:\Program Files\hcw.exe" /C)", {R"(C:\Program Files\hcw.exe)", "/C"}},
      {R"("C:\dir\" "x y")", {R"(C:\dir\)", "x y"}},
      {R"(C:\tools\a"b c)", {R"(C:\tools\a"b)", "c"}},
  };
  for (const auto& c : cases)
    EXPECT_THAT(SplitCommandLine(c.line), ElementsAreArray(c.words)) << c.line;

  for (const std::string argument : {"two words", "", "a\"b", "sp ace\\", "x\\\\\"y z", "\t"}) {
    EXPECT_THAT(SplitCommandLine("prog " + QuoteCommandArgument(argument) + " next"),
                ElementsAre("prog", argument, "next"));
  }
  EXPECT_EQ(QuoteCommandArgument("D:\\AIDE\\DEMO.HPJ"), "D:\\AIDE\\DEMO.HPJ");
}

// A settings file whose "Programmes" section maps Windows names to scripts
// of a temporary directory; the scripts record what they were given.
class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteScript("record.sh",
                "printf '%s\\0' \"$@\" > \"$(dirname \"$0\")/args.out\"\n"
                "pwd > \"$(dirname \"$0\")/cwd.out\"\n"
                "exit 3\n");
    WriteScript("late.sh", "sleep 1\ntouch \"$(dirname \"$0\")/late.out\"\n");
    ASSERT_TRUE(WriteFile(temp_ / "not-executable.sh", "#!/bin/sh\n"));
    ASSERT_TRUE(MakeDirectory(temp_ / "work"));
    std::string ini = "[Programmes]\r\n";
    for (const auto& [name, program] : {std::pair{"hcw.exe", "record.sh --first \"two words\""},
                                        {"winhlp32.exe", "late.sh"},
                                        {"broken.exe", "not-executable.sh"},
                                        {"missing.exe", "absent.sh"}}) {
      ini += std::string(name) + "=" + temp_ / program + "\r\n";
    }
    ASSERT_TRUE(WriteFile(temp_ / "VELDOR.INI", ini));
    settings_.Reload();
  }

  void WriteScript(const std::string& name, const std::string& body) {
    ASSERT_TRUE(WriteFile(temp_ / name, "#!/bin/sh\n" + body));
    ASSERT_EQ(::chmod((temp_ / name).c_str(), 0755), 0);
  }

  Words RecordedArguments() {
    std::string text;
    EXPECT_TRUE(ReadFile(temp_ / "args.out", text));
    Words words;
    for (size_t start = 0, end; (end = text.find('\0', start)) != std::string::npos;
         start = end + 1) {
      words.push_back(text.substr(start, end - start));
    }
    return words;
  }

  TempDirectory temp_;
  ScopedSettingsFile<> settings_{temp_ / "VELDOR.INI"};
};

TEST_F(ProcessTest, ArgumentsArriveExactlyAndNothingIsInterpretedByAShell) {
  const std::string line = R"cmd(HCW.EXE /C "D:\AIDE\MY DEMO.HPJ" ; "$(touch pwned)")cmd"
                           R"cmd( `touch pwned2` a&b|c>out 'single' \"quoted\" *)cmd";
  ProcessResult result = RunCommandLine(line, true, temp_ / "work");
  ASSERT_TRUE(result.started) << result.error;
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_THAT(
      RecordedArguments(),
      ElementsAre("--first", "two words", "/C", R"(D:\AIDE\MY DEMO.HPJ)", ";", "$(touch pwned)",
                  "`touch", "pwned2`", "a&b|c>out", "'single'", "\"quoted\"", "*"));
  std::string cwd;
  ASSERT_TRUE(ReadFile(temp_ / "cwd.out", cwd));
  EXPECT_EQ(cwd, (temp_ / "work") + "\n");
  EXPECT_TRUE(ListDirectory(temp_ / "work").empty());
  EXPECT_FALSE(PathExists("pwned"));

  // A Windows path is mapped by its file name.
  result = RunCommandLine(R"("C:\Program Files\Hcw.exe" /C)", true);
  ASSERT_TRUE(result.started) << result.error;
  EXPECT_THAT(RecordedArguments(), ElementsAre("--first", "two words", "/C"));
}

TEST_F(ProcessTest, ProgramsOnThePathAreFound) {
  ASSERT_TRUE(MakeDirectory(temp_ / "bin"));
  ASSERT_TRUE(MoveFile(temp_ / "record.sh", temp_ / "bin/record.sh"));
  ScopedEnvironment path("PATH", "/nonexistent:" + temp_ / "bin" + ":/usr/bin:/bin");
  EXPECT_THAT(ResolveProgram("record.sh"), ElementsAre(temp_ / "bin/record.sh"));
  EXPECT_TRUE(ResolveProgram("not-executable.sh").empty());
  EXPECT_TRUE(ResolveProgram("no-such-program-anywhere").empty());
  EXPECT_EQ(RunCommandLine("record.sh x", true).exitCode, 3);
}

TEST_F(ProcessTest, ProgramsThatCannotStartFailCleanly) {
  const struct {
    const char* line;
    bool wait;
    std::string directory;
    const char* error;
  } cases[] = {
      {"nosuchprogram.exe a b", true, "", "nosuchprogram.exe"},
      {"nosuchprogram.exe a b", true, "", "Programmes"},
      {"missing.exe", true, "", "No such file or directory"},
      {"broken.exe", false, "", "Permission denied"},
      {"hcw.exe", true, temp_ / "missing-dir", "missing-dir"},
      {"   ", true, "", ""},
  };
  for (const auto& c : cases) {
    const ProcessResult result = RunCommandLine(c.line, c.wait, c.directory);
    EXPECT_FALSE(result.started) << c.line;
    EXPECT_THAT(result.error, HasSubstr(c.error));
  }
  EXPECT_FALSE(PathExists(temp_ / "args.out"));
  int status;
  EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);  // every child was reaped
}

TEST_F(ProcessTest, ADetachedProgramRunsOnAndLeavesNoZombie) {
  const ProcessResult result = RunCommandLine("winhlp32.exe C:\\A.HLP", false);
  ASSERT_TRUE(result.started) << result.error;
  EXPECT_FALSE(PathExists(temp_ / "late.out"));  // not waited for: it sleeps a second
  int status;
  EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  for (int i = 0; i < 250 && !PathExists(temp_ / "late.out"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_TRUE(PathExists(temp_ / "late.out"));
}

// Builds make the program directory current; a relative one would then
// name another place, so it is always absolute. It is created when missing.
TEST(ProgramDirectoryTest, TheEnvironmentOverridesAndTheDirectoryIsCreated) {
  TempDirectory temp;
  {
    ScopedEnvironment dir("VELDOR_PROGRAM_DIR", temp / "prog/dir");
    EXPECT_EQ(ProgramDirectory(), temp / "prog/dir");
    EXPECT_TRUE(DirectoryExists(temp / "prog/dir"));
  }
  {
    ScopedCurrentDirectory inTemp(temp.path());
    ScopedEnvironment dir("VELDOR_PROGRAM_DIR", "relative/prog");
    EXPECT_EQ(ProgramDirectory(), JoinPath(CurrentDirectory(), "relative/prog"));
    EXPECT_TRUE(DirectoryExists(temp / "relative/prog"));
  }
  ScopedEnvironment dir("VELDOR_PROGRAM_DIR", "");
  const std::string directory = ProgramDirectory();
  EXPECT_TRUE(DirectoryExists(directory)) << directory;
  EXPECT_EQ(::access(directory.c_str(), W_OK), 0);
}

}  // namespace
}  // namespace veldor
