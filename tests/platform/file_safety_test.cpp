// What files the program agrees to read and replace: inputs that are not
// regular files are refused at once, outputs replace only regular files (or
// links, which are replaced rather than followed), keep the permissions of
// what they replace and never leave a temporary file behind; the advisory
// lock of files changed by read-modify-write.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/file_lock.h"
#include "platform/files.h"
#include "platform/settings_store.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using Clock = std::chrono::steady_clock;

// Names in `directory` other than those listed.
std::vector<std::string> OtherNames(const std::string& directory,
                                    const std::vector<std::string>& expected) {
  std::vector<std::string> others;
  for (const DirectoryEntry& entry : ListDirectory(directory)) {
    bool known = false;
    for (const std::string& name : expected) known = known || name == entry.name;
    if (!known) others.push_back(entry.name);
  }
  return others;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? info.st_mode : 0;
}

TEST(FileSafetyTest, InputsThatAreNotRegularFilesAreRefusedAtOnce) {
  TempDirectory temp;
  const std::string fifo = temp / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  struct Case {
    std::string path;
    std::string reason;
  };
  // A FIFO without a writer would block an ordinary open forever; a device
  // such as /dev/zero would never end.
  const Case cases[] = {{fifo, "Is a FIFO (named pipe), not a regular file"},
                        {"/dev/zero", "Is a device, not a regular file"},
                        {temp.path(), "Is a directory"}};
  for (const Case& c : cases) {
    const auto start = Clock::now();
    std::string contents = "stale", reason;
    EXPECT_FALSE(ReadFile(c.path, contents, &reason)) << c.path;
    EXPECT_EQ(reason, c.reason);
    EXPECT_TRUE(contents.empty());
    EXPECT_FALSE(ReadFilePrefix(c.path, 10, contents, &reason)) << c.path;
    EXPECT_FALSE(CopyFile(c.path, temp / "copy", &reason)) << c.path;
    EXPECT_EQ(reason, c.reason);
    EXPECT_EQ(NotRegularFileReason(c.path), c.reason);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2)) << c.path;
  }
  EXPECT_FALSE(PathExists(temp / "copy"));
  ASSERT_TRUE(WriteFile(temp / "plain", "x"));
  EXPECT_EQ(NotRegularFileReason(temp / "plain"), "");
  EXPECT_EQ(NotRegularFileReason(temp / "missing"), "");
}

// Every way of writing a file refuses to replace what is not a regular file
// (the final rename would put a file in place of a FIFO or a device, or fail
// on a directory), and leaves no temporary file.
TEST(FileSafetyTest, WritesReplaceOnlyRegularFiles) {
  TempDirectory temp;
  const std::string fifo = temp / "pipe";
  const std::string directory = temp / "dir";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_TRUE(MakeDirectory(directory));
  ASSERT_TRUE(WriteFile(temp / "source", "data"));
  for (const std::string& target : {fifo, directory}) {
    std::string reason;
    EXPECT_FALSE(WriteFile(target, "x", &reason)) << target;
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(WriteFileDurably(target, "x", &reason)) << target;
    EXPECT_FALSE(CopyFile(temp / "source", target, &reason)) << target;
    EXPECT_FALSE(LinkOrCopyFile(temp / "source", target, &reason)) << target;
    EXPECT_FALSE(CheckWritable(target, &reason)) << target;
    std::string temporary;
    ASSERT_TRUE(WriteTemporaryFileDurably(target, "x", temporary));
    EXPECT_FALSE(CommitTemporaryFile(temporary, target, &reason)) << target;
    EXPECT_FALSE(PathExists(temporary));
  }
  EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
  EXPECT_TRUE(DirectoryExists(directory));
  EXPECT_EQ(OtherNames(temp.path(), {"pipe", "dir", "source"}), std::vector<std::string>{});
}

// A link planted where an output goes is replaced by the output; the file it
// pointed to is never written. A replaced regular file keeps its mode.
TEST(FileSafetyTest, WritesReplaceLinksAndKeepPermissions) {
  TempDirectory temp;
  const std::string victim = temp / "victim";
  ASSERT_TRUE(WriteFile(victim, "precious"));
  ASSERT_EQ(::symlink(victim.c_str(), (temp / "out.html").c_str()), 0);
  ASSERT_TRUE(WriteFile(temp / "out.html", "page"));
  EXPECT_EQ(FileContents(victim), "precious");
  EXPECT_TRUE(S_ISREG(ModeOf(temp / "out.html")));
  EXPECT_EQ(FileContents(temp / "out.html"), "page");

  ASSERT_EQ(::chmod(victim.c_str(), 0600), 0);
  ASSERT_TRUE(WriteFile(victim, "new"));
  EXPECT_EQ(ModeOf(victim) & 07777, 0600u);
  std::string temporary;
  ASSERT_TRUE(WriteTemporaryFileDurably(victim, "newer", temporary));
  ASSERT_TRUE(CommitTemporaryFile(temporary, victim));
  EXPECT_EQ(ModeOf(victim) & 07777, 0600u);
  EXPECT_EQ(FileContents(victim), "newer");

  // A file made read-only is not replaced (the superuser may write anyway).
  if (::geteuid() != 0) {
    ASSERT_EQ(::chmod(victim.c_str(), 0400), 0);
    EXPECT_FALSE(WriteFile(victim, "newest"));
    EXPECT_EQ(FileContents(victim), "newer");
    ASSERT_EQ(::chmod(victim.c_str(), 0600), 0);
  }

  // The file a link leads to; the link itself when it leads nowhere.
  EXPECT_EQ(FollowLinks(temp / "out.html"), temp / "out.html");
  ASSERT_EQ(::symlink("victim", (temp / "rel").c_str()), 0);
  EXPECT_EQ(FollowLinks(temp / "rel"), victim);
  ASSERT_EQ(::symlink("nowhere", (temp / "dangling").c_str()), 0);
  EXPECT_EQ(FollowLinks(temp / "dangling"), temp / "dangling");
  EXPECT_EQ(OtherNames(temp.path(), {"victim", "out.html", "rel", "dangling"}),
            std::vector<std::string>{});
}

// The backup of a save: a second name of the old file, replacing an older
// backup in one step.
TEST(FileSafetyTest, LinkOrCopyMakesASecondNameOfTheFile) {
  TempDirectory temp;
  ASSERT_TRUE(WriteFile(temp / "p.ehe", "version 2"));
  ASSERT_TRUE(WriteFile(temp / "p.ehb", "version 1"));
  ASSERT_TRUE(LinkOrCopyFile(temp / "p.ehe", temp / "p.ehb"));
  EXPECT_EQ(FileContents(temp / "p.ehb"), "version 2");
  // Replacing the project afterwards leaves the backup as it was.
  ASSERT_TRUE(WriteFileDurably(temp / "p.ehe", "version 3"));
  EXPECT_EQ(FileContents(temp / "p.ehb"), "version 2");
  std::string reason;
  EXPECT_FALSE(LinkOrCopyFile(temp / "missing", temp / "q", &reason));
  EXPECT_EQ(OtherNames(temp.path(), {"p.ehe", "p.ehb"}), std::vector<std::string>{});
}

// Temporary files of a save that was killed are removed by the next one;
// those of a process that still runs, and other files, stay.
TEST(FileSafetyTest, StaleTemporaryFilesAreRemoved) {
  TempDirectory temp;
  const pid_t dead = ::fork();
  if (dead == 0) ::_exit(0);
  ASSERT_GT(dead, 0);
  ASSERT_EQ(::waitpid(dead, nullptr, 0), dead);
  const std::string stale = ".p.ehe.tmp" + std::to_string(dead) + "-3";
  const std::string live = ".p.ehe.tmp" + std::to_string(::getppid()) + "-0";
  for (const std::string& name :
       {stale, live, std::string(".q.ehe.tmp") + std::to_string(dead) + "-1",
        std::string(".p.ehe.tmpnotes"), std::string("p.ehe")}) {
    ASSERT_TRUE(WriteFile(temp / name, "x"));
  }
  RemoveStaleTemporaryFiles(temp / "p.ehe");
  EXPECT_FALSE(PathExists(temp / stale));
  EXPECT_EQ(ListDirectory(temp.path()).size(), 4u);
}

TEST(FileSafetyTest, LockIsExclusiveUntilReleased) {
  TempDirectory temp;
  const std::string path = temp / "p.ehe";
  FileLock none;
  EXPECT_TRUE(none.Acquire(path, std::chrono::milliseconds(0))) << "no file, nothing to lock";
  EXPECT_FALSE(none.held());

  ASSERT_TRUE(WriteFile(path, "x"));
  FileLock first;
  ASSERT_TRUE(first.Acquire(path));
  EXPECT_TRUE(first.held());
  FileLock second;
  std::string reason;
  const auto start = Clock::now();
  EXPECT_FALSE(second.Acquire(path, std::chrono::milliseconds(200), &reason));
  EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(200)) << "it waits a little";
  EXPECT_EQ(reason, kFileInUseReason);
  first.Release();
  EXPECT_TRUE(second.Acquire(path, std::chrono::milliseconds(0)));

  const std::string fifo = temp / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  FileLock onFifo;
  EXPECT_FALSE(onFifo.Acquire(fifo, std::chrono::milliseconds(0), &reason));
}

// A settings file that cannot be read whole (too large, a FIFO) reads as
// the defaults, says why, and is never written over.
TEST(FileSafetyTest, SettingsFilesAreReadWithinLimits) {
  TempDirectory temp;
  const std::string large = temp / "LARGE.INI";
  ASSERT_TRUE(WriteFile(large, "[A]\nx=1\n" + std::string(SettingsStore::kMaxFileSize, '\n')));
  const std::string fifo = temp / "PIPE.INI";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {large, fifo}) {
    SettingsStore store(path);
    EXPECT_EQ(store.GetString("A", "x", "default"), "default") << path;
    EXPECT_EQ(store.LoadError().rfind(path + ": ", 0), 0u) << store.LoadError();
    std::string reason;
    EXPECT_FALSE(store.SetString("A", "y", "2", &reason));
  }
  EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
  EXPECT_EQ(FileContents(large).size(), SettingsStore::kMaxFileSize + 8);
  EXPECT_EQ(SettingsStore(temp / "none.ini").LoadError(), "");
}

}  // namespace
}  // namespace veldor
