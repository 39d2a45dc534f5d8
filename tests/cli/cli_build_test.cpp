// veldor-cli all, export-rtf, hlp, search and open-line, run as a
// separate program on a copy of the demo project, with a fake help compiler.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "platform/files.h"
#include "platform/paths.h"
#include "support/cli_runner.h"
#include "support/scoped_environment.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// Writes the compiled file in the current directory and an error log where
// the help project asks.
constexpr const char* kFakeCompiler = R"(#!/bin/sh
for hpj; do :; done
base=$(basename "$hpj" .HPJ)
[ -f "$hpj" ] || exit 1
printf 'compiled\n' > "$base.HLP"
log=$(sed -n 's/^ERRORLOG=//p' "$hpj")
printf 'HC3025: Warning: topic #3 of %s.RTF : Jump to undefined Topic ID.\r\n' "$base" > "$log"
)";

class CliBuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MakeDirectory(dir_ / "program"));
    ASSERT_TRUE(MakeDirectory(dir_ / "demo"));
    ASSERT_TRUE(CopyFile(VELDOR_DEMO_EHE, project_));
    ASSERT_TRUE(
        CopyFile(JoinPath(DirectoryPart(VELDOR_DEMO_EHE), "ecran.bmp"), dir_ / "demo/ecran.bmp"));
    ASSERT_TRUE(WriteFile(dir_ / "fakehc.sh", kFakeCompiler));
    ASSERT_EQ(::chmod((dir_ / "fakehc.sh").c_str(), 0755), 0);
    std::string ini = "[Programmes]\r\n";
    for (const char* name : {"hcw.exe", "hcvel.pif", "hcpvel.pif"}) {
      ini += std::string(name) + "=" + dir_ / "fakehc.sh" + "\r\n";
    }
    ASSERT_TRUE(WriteFile(dir_ / "compiler.ini", ini));
  }
  CliResult Run(const std::string& args, const std::string& settings = "none.ini") const {
    return CliRunner(dir_.path()).WithSettingsFile(dir_ / settings).Run(args);
  }

  TempDirectory dir_;
  const std::string project_ = dir_ / "demo/DEMO.ehe";
  ScopedEnvironment programDir_{"VELDOR_PROGRAM_DIR", dir_ / "program"};
};

// "Fait Tout" writes every file beside the project, compiles, copies the
// compiled file there and prints the compiler's messages; the project is
// saved only when asked. An error line then leads to its topic.
TEST_F(CliBuildTest, AllBuildsTheDemoAndLeadsItsMessagesToTopics) {
  const std::string before = FileContents(project_);
  const CliResult all = Run("all " + ShellQuote(project_), "compiler.ini");
  ASSERT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(all.err, "");
  EXPECT_EQ(all.out, "HC3025: Warning: topic #3 of DEMO.RTF : Jump to undefined Topic ID.\n");
  for (const char* made : {"DEMO.RTF", "topic.ref", "DEMO.HPJ", "DEMO.BAT", "DEMO.HLP"}) {
    EXPECT_TRUE(FileExists(dir_ / "demo/" + made)) << made;
  }
  EXPECT_EQ(FileContents(project_), before);

  const std::string third = FileContents(dir_ / "demo/topic.ref").substr(0, 200);
  const size_t at = third.find("\n3 :");
  ASSERT_NE(at, std::string::npos);
  const std::string name = third.substr(at + 4, third.find('\n', at + 1) - at - 4);
  const CliResult open = Run("open-line " + ShellQuote(project_) + " " + ShellQuote(all.out));
  EXPECT_EQ(open.status, 0) << open.err;
  EXPECT_EQ(open.out, name + "\t-1\n");
  EXPECT_EQ(Run("open-line " + ShellQuote(project_) + " 'no topic here'").out, "");

  ASSERT_EQ(Run("all --save " + ShellQuote(project_), "compiler.ini").status, 0);
  EXPECT_NE(FileContents(project_), before);  // sorted topics, bitmap path found
}

// '\' is an ordinary character of a directory name here: a project in
// "a\b" is built there, not in "a/b".
TEST_F(CliBuildTest, AProjectInADirectoryWhoseNameHoldsABackslash) {
  const std::string dir = dir_ / "a\\b";
  ASSERT_TRUE(MakeDirectory(dir));
  ASSERT_TRUE(CopyFile(VELDOR_DEMO_EHE, dir + "/DEMO.ehe"));
  ASSERT_TRUE(CopyFile(dir_ / "demo/ecran.bmp", dir + "/ecran.bmp"));
  const CliResult all = Run("all " + ShellQuote(dir + "/DEMO.ehe"), "compiler.ini");
  ASSERT_EQ(all.status, 0) << all.err;
  for (const char* made : {"DEMO.RTF", "topic.ref", "DEMO.HPJ", "DEMO.BAT", "DEMO.HLP"}) {
    EXPECT_TRUE(FileExists(dir + "/" + made)) << made;
  }
  EXPECT_FALSE(PathExists(dir_ / "a"));
}

// The export writes where it is asked, relative to where the command runs;
// what cannot be written or started is said with a failing status. The
// search takes its text in UTF-8 and finds it without regard to case
// unless asked.
TEST_F(CliBuildTest, ExportRtfSearchAndFailures) {
  ASSERT_TRUE(MakeDirectory(dir_ / "out"));
  const CliResult exported = CliRunner(dir_.path())
                                 .InDirectory(dir_ / "out")
                                 .WithSettingsFile(dir_ / "none.ini")
                                 .Run("export-rtf ../demo/DEMO.ehe e.rtf");
  ASSERT_EQ(exported.status, 0) << exported.err;
  EXPECT_THAT(FileContents(dir_ / "out/e.rtf"), HasSubstr("\\deff0\n"));

  const CliResult search = Run("search " + ShellQuote(project_) + " '\xC3\x89T'");
  EXPECT_EQ(search.status, 0) << search.err;
  EXPECT_THAT(search.out, StartsWith("Recherche de \xC3\x89T\ntopic...0 Chaine Ed 12 Ligne 0\n"));
  EXPECT_EQ(Run("search --case " + ShellQuote(project_) + " '\xC3\x89T'").out,
            "Recherche de \xC3\x89T\n");

  const CliResult unwritable =
      Run("export-rtf " + ShellQuote(project_) + " " + ShellQuote(dir_ / "none/e.rtf"));
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_THAT(unwritable.err, HasSubstr(dir_ / "none/e.rtf"));

  // No Windows compiler is configured or on PATH: veldor-hc, installed
  // beside veldor-cli, is started; without "Fait HPJ" first it finds no
  // help project and writes nothing.
  const CliResult hlp = Run("hlp " + ShellQuote(project_));
  EXPECT_THAT(hlp.out + hlp.err, HasSubstr("cannot read help project"));
  EXPECT_FALSE(FileExists(dir_ / "demo/DEMO.HLP"));
  // "Fait Tout" ends with the help file beside the project.
  const CliResult all = Run("all " + ShellQuote(project_));
  EXPECT_EQ(all.status, 0) << all.out << all.err;
  EXPECT_THAT(all.out + all.err, HasSubstr("DEMO.HLP: 15 topics"));
  EXPECT_TRUE(FileExists(dir_ / "demo/DEMO.HLP"));
}

}  // namespace
}  // namespace veldor
