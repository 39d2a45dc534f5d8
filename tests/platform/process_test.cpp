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
using Words = std::vector<std::string>;

// Splits a command line and drops the program name.
Words Arguments(const std::string& line) {
  Words words = SplitCommandLine("prog " + line);
  EXPECT_FALSE(words.empty());
  if (!words.empty()) words.erase(words.begin());
  return words;
}

TEST(SplitCommandLineTest, TheDocumentedExamples) {
  EXPECT_THAT(Arguments(R"("a b c" d e)"), ElementsAre("a b c", "d", "e"));
  EXPECT_THAT(Arguments(R"("ab\"c" "\\" d)"), ElementsAre("ab\"c", "\\", "d"));
  EXPECT_THAT(Arguments(R"(a\\\b d"e f"g h)"), ElementsAre(R"(a\\\b)", "de fg", "h"));
  EXPECT_THAT(Arguments(R"(a\\\"b c d)"), ElementsAre(R"(a\"b)", "c", "d"));
  EXPECT_THAT(Arguments(R"(a\\\\"b c" d e)"), ElementsAre(R"(a\\b c)", "d", "e"));
  EXPECT_THAT(Arguments(R"(a"b"" c d)"), ElementsAre("ab\" c d"));
}

TEST(SplitCommandLineTest, BlanksEmptyArgumentsAndWindowsPaths) {
  EXPECT_THAT(SplitCommandLine("hcw.exe /C /M /A /E D:\\AIDE\\DEMO.HPJ"),
              ElementsAre("hcw.exe", "/C", "/M", "/A", "/E", "D:\\AIDE\\DEMO.HPJ"));
  EXPECT_THAT(SplitCommandLine("  winhelp.exe \t C:\\x y\\A.HLP  "),
              ElementsAre("winhelp.exe", "C:\\x", "y\\A.HLP"));
  EXPECT_THAT(Arguments(R"("" a "")"), ElementsAre("", "a", ""));
  EXPECT_THAT(Arguments(R"("unterminated arg)"), ElementsAre("unterminated arg"));
  EXPECT_THAT(Arguments(R"(trailing\)"), ElementsAre("trailing\\"));
  EXPECT_TRUE(SplitCommandLine("").empty());
  EXPECT_TRUE(SplitCommandLine(" \t ").empty());
}

TEST(SplitCommandLineTest, TheProgramNameIgnoresBackslashEscapes) {
  EXPECT_THAT(SplitCommandLine(R"("C:\Program Files\hcw.exe" /C)"),
              ElementsAre(R"(C:\Program Files\hcw.exe)", "/C"));
  EXPECT_THAT(SplitCommandLine(R"("C:\dir\" "x y")"), ElementsAre(R"(C:\dir\)", "x y"));
  EXPECT_THAT(SplitCommandLine(R"(C:\tools\a"b c)"), ElementsAre(R"(C:\tools\a"b)", "c"));
}

TEST(SplitCommandLineTest, QuotedArgumentsSplitBackExactly) {
  for (const std::string& argument :
       {std::string("two words"), std::string(""), std::string("a\"b"), std::string("sp ace\\"),
        std::string("x\\\\\"y z"), std::string("\t")}) {
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
    ASSERT_FALSE(temp_.path().empty());
    WriteScript("record.sh",
                "printf '%s\\0' \"$@\" > \"$(dirname \"$0\")/args.out\"\n"
                "pwd > \"$(dirname \"$0\")/cwd.out\"\n"
                "exit 3\n");
    WriteScript("late.sh", "sleep 1\ntouch \"$(dirname \"$0\")/late.out\"\n");
    ASSERT_TRUE(WriteFile(temp_ / "not-executable.sh", "#!/bin/sh\n"));
    ASSERT_TRUE(MakeDirectory(temp_ / "work"));
    ASSERT_TRUE(WriteFile(temp_ / "VELDOR.INI",
                          "[Programmes]\r\n"
                          "hcw.exe=" +
                              temp_ / "record.sh" +
                              " --first \"two words\"\r\n"
                              "winhlp32.exe=" +
                              temp_ / "late.sh" +
                              "\r\n"
                              "broken.exe=" +
                              temp_ / "not-executable.sh" +
                              "\r\n"
                              "missing.exe=" +
                              temp_ / "absent.sh" + "\r\n"));
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
    std::string::size_type start = 0;
    for (auto end = text.find('\0'); end != std::string::npos; end = text.find('\0', start)) {
      words.push_back(text.substr(start, end - start));
      start = end + 1;
    }
    return words;
  }

  TempDirectory temp_;
  ScopedSettingsFile<> settings_{temp_ / "VELDOR.INI"};
};

TEST_F(ProcessTest, ArgumentsArriveExactlyAndNothingIsInterpretedByAShell) {
  const std::string line = R"cmd(HCW.EXE /C "D:\AIDE\MY DEMO.HPJ" ; "$(touch pwned)")cmd"
                           R"cmd( `touch pwned2` a&b|c>out 'single' \"quoted\" *)cmd";
  const ProcessResult result = RunCommandLine(line, true, temp_ / "work");
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
}

TEST_F(ProcessTest, AWindowsPathIsMappedByItsFileName) {
  const ProcessResult result = RunCommandLine(R"("C:\Program Files\Hcw.exe" /C)", true);
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

  const ProcessResult result = RunCommandLine("record.sh x", true);
  ASSERT_TRUE(result.started) << result.error;
  EXPECT_EQ(result.exitCode, 3);
}

TEST_F(ProcessTest, ProgramsThatCannotStartFailCleanly) {
  ProcessResult result = RunCommandLine("nosuchprogram.exe a b", true);
  EXPECT_FALSE(result.started);
  EXPECT_THAT(result.error, ::testing::HasSubstr("nosuchprogram.exe"));
  EXPECT_THAT(result.error, ::testing::HasSubstr("Programmes"));

  result = RunCommandLine("missing.exe", true);
  EXPECT_FALSE(result.started);
  EXPECT_THAT(result.error, ::testing::HasSubstr("No such file or directory"));

  result = RunCommandLine("broken.exe", false);
  EXPECT_FALSE(result.started);
  EXPECT_THAT(result.error, ::testing::HasSubstr("Permission denied"));

  result = RunCommandLine("hcw.exe", true, temp_ / "missing-dir");
  EXPECT_FALSE(result.started);
  EXPECT_THAT(result.error, ::testing::HasSubstr("missing-dir"));
  EXPECT_FALSE(PathExists(temp_ / "args.out"));

  EXPECT_FALSE(RunCommandLine("   ", true).started);
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

TEST(ProgramDirectoryTest, TheEnvironmentOverridesAndTheDirectoryIsCreated) {
  TempDirectory temp;
  {
    ScopedEnvironment dir("VELDOR_PROGRAM_DIR", temp / "prog/dir");
    EXPECT_EQ(ProgramDirectory(), temp / "prog/dir");
    EXPECT_TRUE(DirectoryExists(temp / "prog/dir"));
  }
  ScopedEnvironment dir("VELDOR_PROGRAM_DIR", "");
  const std::string directory = ProgramDirectory();
  EXPECT_TRUE(DirectoryExists(directory)) << directory;
  EXPECT_EQ(::access(directory.c_str(), W_OK), 0);
}

// Builds make the program directory current; a relative one would then
// name another place, so it is always absolute.
TEST(ProgramDirectoryTest, ARelativeOverrideBecomesAbsolute) {
  TempDirectory temp;
  ScopedCurrentDirectory inTemp(temp.path());
  ScopedEnvironment dir("VELDOR_PROGRAM_DIR", "relative/prog");
  const std::string directory = ProgramDirectory();
  EXPECT_EQ(directory, JoinPath(CurrentDirectory(), "relative/prog"));
  EXPECT_TRUE(DirectoryExists(directory));
}

}  // namespace
}  // namespace veldor
