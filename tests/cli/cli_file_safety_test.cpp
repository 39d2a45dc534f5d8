// How veldor-cli treats the files it reads and replaces, run as a separate
// program: inputs that are not regular files, JSON it cannot read, saves and
// exports that fail half-way (a full disk and a failing rename are made by
// the fault-injection library loaded with LD_PRELOAD), two commands changing
// one project at once, and output that cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/file_lock.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/cli_runner.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

class CliFileSafetyTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return dir_ / name; }
  std::string Quoted(const std::string& name) const { return ShellQuote(PathOf(name)); }
  CliRunner Runner() const {
    return CliRunner(scratch_.path()).InDirectory(dir_.path()).WithTimeLimit(20);
  }
  CliResult Run(const std::string& args) const { return Runner().Run(args); }
  // The same with the write of files whose path holds `name` failing as on
  // a full disk, or their rename failing.
  CliResult RunWithFullDisk(const std::string& name, const std::string& args) const {
    return Runner()
        .WithEnvironment("LD_PRELOAD", VELDOR_FAULT_LIBRARY)
        .WithEnvironment("VELDOR_FAIL_WRITE", name)
        .Run(args);
  }
  CliResult RunWithFailingRename(const std::string& name, const std::string& args) const {
    return Runner()
        .WithEnvironment("LD_PRELOAD", VELDOR_FAULT_LIBRARY)
        .WithEnvironment("VELDOR_FAIL_RENAME", name)
        .Run(args);
  }
  // Names of the working directory that hold ".tmp": temporary files left.
  std::vector<std::string> Leftovers() const {
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : ListDirectory(dir_.path())) {
      if (entry.name.find(".tmp") != std::string::npos) names.push_back(entry.name);
    }
    return names;
  }
  // A copy of the demo project in the working directory, as DEMO.ehe.
  void CopyDemo() const { ASSERT_TRUE(CopyFile(VELDOR_DEMO_EHE, PathOf("DEMO.ehe"))); }
  // A project whose JSON form is `json`, saved as `name`.
  void Project(const std::string& name, const std::string& json) const {
    ASSERT_TRUE(WriteFile(scratch_ / "p.json", json));
    const CliResult r = Run("load " + ShellQuote(scratch_ / "p.json") + " " + Quoted(name));
    ASSERT_EQ(r.status, 0) << r.err;
  }

  TempDirectory dir_;
  TempDirectory scratch_;
};

// Every JSON error is a message and exit status 1, never an abort, and
// nothing is written.
TEST_F(CliFileSafetyTest, JsonErrorsAreMessages) {
  for (const char* json : {R"({"compression": 1e400})", R"({"topics": [{"browse": 1e400}]})",
                           "{\"projectName\": \"\\udc00\"}", "[1, 2"}) {
    ASSERT_TRUE(WriteFile(PathOf("bad.json"), json));
    const CliResult r = Run("load bad.json out.ehe");
    EXPECT_EQ(r.status, 1) << json << "\n" << r.err;
    EXPECT_EQ(r.err.rfind("veldor-cli: bad.json: malformed JSON: ", 0), 0u) << r.err;
    EXPECT_FALSE(PathExists(PathOf("out.ehe")));
  }
}

TEST_F(CliFileSafetyTest, NewRefusesAnExistingFileUnlessForced) {
  Project("p.ehe", R"({"projectName": "MINE"})");
  const std::string mine = FileContents(PathOf("p.ehe"));
  for (int attempt = 0; attempt < 2; ++attempt) {
    const CliResult r = Run("new p.ehe");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
  }
  EXPECT_EQ(FileContents(PathOf("p.ehe")), mine);
  EXPECT_FALSE(PathExists(PathOf("p.ehb")));
  const CliResult forced = Run("new p.ehe --force");
  ASSERT_EQ(forced.status, 0) << forced.err;
  EXPECT_EQ(FileContents(PathOf("p.ehb")), mine);
}

// A FIFO, a device or a directory given as input is refused at once with a
// message naming it; nothing waits for a writer.
TEST_F(CliFileSafetyTest, InputsThatAreNotRegularFilesAreRefusedAtOnce) {
  ASSERT_EQ(::mkfifo(PathOf("pipe").c_str(), 0600), 0);
  ASSERT_TRUE(MakeDirectory(PathOf("folder")));
  const std::pair<std::string, std::string> cases[] = {
      {"info pipe", "pipe: Impossible de lire le projet « pipe » : Is a FIFO"},
      {"info folder", "folder: Impossible de lire le projet « folder » : Is a directory"},
      {"dump /dev/zero", "Is a device, not a regular file"},
      {"load pipe out.ehe", "pipe: Is a FIFO"},
      {"load folder out.ehe", "folder: Is a directory"}};
  for (const auto& [command, message] : cases) {
    const CliResult r = Run(command);
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_NE(r.err.find(message), std::string::npos) << command << ": " << r.err;
  }
  EXPECT_FALSE(PathExists(PathOf("out.ehe")));

  // A settings file that cannot be read is named; the built-in settings
  // serve and the command goes on.
  for (const std::string& settings : {std::string("/dev/zero"), PathOf("pipe")}) {
    const CliResult r =
        Runner().WithSettingsFile(settings).Run("info " + ShellQuote(VELDOR_DEMO_EHE));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("settings not read, built-in settings used: " + settings + ": "),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.out.find("Topics:         15"), std::string::npos);
  }
}

// A save only replaces a regular file, keeps its permissions, and goes
// through a symbolic link to the file it leads to.
TEST_F(CliFileSafetyTest, SavesKeepWhatTheyReplace) {
  ASSERT_EQ(::mkfifo(PathOf("pipe.ehe").c_str(), 0600), 0);
  const CliResult onFifo = Run("new pipe.ehe --force");
  EXPECT_EQ(onFifo.status, 1);
  EXPECT_NE(onFifo.err.find("FIFO"), std::string::npos) << onFifo.err;
  struct stat info {};
  ASSERT_EQ(::lstat(PathOf("pipe.ehe").c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));

  Project("p.ehe", R"({"projectName": "ONE"})");
  ASSERT_EQ(::chmod(PathOf("p.ehe").c_str(), 0600), 0);
  Project("p.ehe", R"({"projectName": "TWO"})");
  ASSERT_EQ(::stat(PathOf("p.ehe").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);

  ASSERT_EQ(::symlink("p.ehe", PathOf("link.ehe").c_str()), 0);
  Project("link.ehe", R"({"projectName": "THREE"})");
  ASSERT_EQ(::lstat(PathOf("link.ehe").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_NE(Run("info p.ehe").out.find("Project:        THREE"), std::string::npos);
  EXPECT_NE(Run("info p.ehb").out.find("Project:        TWO"), std::string::npos);

  // The settings file is replaced only when it is a regular file too.
  ASSERT_TRUE(WriteFile(PathOf("notes.txt"), "<NOM>N\n<TITRE>Notes\ntext\n"));
  const CliResult import =
      Runner().WithSettingsFile(PathOf("pipe.ehe")).Run("import-txt p.ehe notes.txt");
  EXPECT_EQ(import.status, 0) << import.err;
  ASSERT_EQ(::lstat(PathOf("pipe.ehe").c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});
}

// A save whose write or rename fails leaves the project as it was, says
// why and leaves no temporary file.
TEST_F(CliFileSafetyTest, AFailedSaveKeepsTheProjectWhole) {
  Project("p.ehe", R"({"projectName": "OLD"})");
  const std::string old = FileContents(PathOf("p.ehe"));
  ASSERT_TRUE(WriteFile(PathOf("new.json"), R"({"projectName": "NEW"})"));
  const CliResult full = RunWithFullDisk("p.ehe", "load new.json p.ehe");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;
  const CliResult rename = RunWithFailingRename("p.ehe", "load new.json p.ehe");
  EXPECT_EQ(rename.status, 1);
  EXPECT_NE(rename.err.find("Input/output error"), std::string::npos) << rename.err;
  EXPECT_EQ(FileContents(PathOf("p.ehe")), old);
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});
}

// A build or RTF export asked to save exits non-zero with the save's
// message when the save fails (here the backup name is taken by a directory).
TEST_F(CliFileSafetyTest, ABuildWhoseSaveFailsFails) {
  CopyDemo();
  ASSERT_TRUE(MakeDirectory(PathOf("DEMO.ehb")));
  ASSERT_TRUE(WriteFile(PathOf("DEMO.ehb/kept"), "x"));
  for (const std::string command : {"rtf DEMO.ehe --save", "export-rtf DEMO.ehe out.rtf --save"}) {
    const CliResult r = Run(command);
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_NE(r.err.find("Impossible de faire la sauvegarde"), std::string::npos) << r.err;
  }
  EXPECT_EQ(FileContents(PathOf("DEMO.ehe")), FileContents(VELDOR_DEMO_EHE));
}

// Outputs go to a temporary file renamed into place: a full disk keeps the
// previous output whole, and a link planted in the output directory is
// replaced, never written through.
TEST_F(CliFileSafetyTest, OutputsSurviveAFullDiskAndPlantedLinks) {
  CopyDemo();
  struct Output {
    std::string command;
    std::string file;
  };
  const Output outputs[] = {{"export-txt DEMO.ehe demo.txt", "demo.txt"},
                            {"export-rtf DEMO.ehe carnet.rtf", "carnet.rtf"},
                            {"rtf DEMO.ehe", "DEMO.RTF"},
                            {"hpj DEMO.ehe", "DEMO.HPJ"},
                            {"index DEMO.ehe", "DEMO.KEY"}};
  for (const Output& o : outputs) {
    const CliResult first = Run(o.command);
    ASSERT_EQ(first.status, 0) << o.command << ": " << first.err;
    const std::string previous = FileContents(PathOf(o.file));
    ASSERT_FALSE(previous.empty()) << o.file;
    const CliResult full = RunWithFullDisk(o.file, o.command);
    EXPECT_NE(full.status, 0) << o.command;
    EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;
    EXPECT_EQ(FileContents(PathOf(o.file)), previous) << o.file;

    ASSERT_TRUE(WriteFile(PathOf("victim"), "precious"));
    ASSERT_TRUE(DeleteFile(PathOf(o.file)));
    ASSERT_EQ(::symlink("victim", PathOf(o.file).c_str()), 0);
    ASSERT_EQ(Run(o.command).status, 0) << o.command;
    EXPECT_EQ(FileContents(PathOf("victim")), "precious") << o.file;
    EXPECT_EQ(FileContents(PathOf(o.file)), previous);
  }
  ASSERT_TRUE(MakeDirectory(PathOf("html")));
  ASSERT_EQ(Run("export-html DEMO.ehe html").status, 0);
  const std::vector<DirectoryEntry> pages = ListDirectory(PathOf("html"));
  ASSERT_FALSE(pages.empty());
  const std::string page = PathOf("html/" + pages[0].name);
  const std::string previous = FileContents(page);
  EXPECT_NE(RunWithFullDisk(pages[0].name, "export-html DEMO.ehe html").status, 0);
  EXPECT_EQ(FileContents(page), previous);
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});
}

// Changes of one project take its lock for their read-modify-write: a
// second one waits, and says the project is in use when it stays taken.
TEST_F(CliFileSafetyTest, ChangesOfOneProjectDoNotOverlap) {
  Project("p.ehe", "{}");
  ASSERT_TRUE(WriteFile(PathOf("a.txt"), "<NOM>A\n<TITRE>A\ntext\n"));
  ASSERT_TRUE(WriteFile(PathOf("b.txt"), "<NOM>B\n<TITRE>B\ntext\n"));
  {
    FileLock held;
    ASSERT_TRUE(held.Acquire(PathOf("p.ehe")));
    const CliResult r = Run("import-txt p.ehe a.txt");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(kFileInUseReason), std::string::npos) << r.err;
    EXPECT_EQ(Run("info p.ehe").status, 0) << "reading takes no lock";
  }
  EXPECT_NE(Run("info p.ehe").out.find("Topics:         0"), std::string::npos);

  // Two imports at once: both topics end up in the project.
  const std::string cli = ShellQuote(VELDOR_CLI_PATH);
  const std::string both = "cd " + ShellQuote(dir_.path()) + " && (" + cli +
                           " import-txt p.ehe a.txt & " + cli +
                           " import-txt p.ehe b.txt & wait) >/dev/null 2>&1";
  ASSERT_EQ(std::system(both.c_str()), 0);
  EXPECT_NE(Run("info p.ehe").out.find("Topics:         2"), std::string::npos);
}

TEST_F(CliFileSafetyTest, OutputThatCannotBeWrittenFailsTheCommand) {
  for (const std::string command : {"info", "dump"}) {
    const CliResult r =
        Runner().WithOutputTo("/dev/full").Run(command + " " + ShellQuote(VELDOR_DEMO_EHE));
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_NE(r.err.find("cannot write to standard output"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace veldor
