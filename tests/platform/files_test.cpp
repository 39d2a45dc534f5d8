#include "platform/files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

TEST(FilesTest, ResolvePathFindsNamesWithoutRegardToCase) {
  TempDirectory temp;
  ASSERT_TRUE(MakeDirectories(temp / "images/sub"));
  ASSERT_TRUE(WriteFile(temp / "images/logo.bmp", "BM"));
  ASSERT_TRUE(WriteFile(temp / "images/sub/Pic.bmp", "BM"));

  EXPECT_EQ(ResolvePath(temp / "IMAGES/LOGO.BMP"), temp / "images/logo.bmp");
  EXPECT_EQ(ResolvePath(temp.path() + "\\Images\\Sub\\PIC.bmp"), temp / "images/sub/Pic.bmp");
  EXPECT_EQ(ResolvePath(temp.path() + "/IMAGES\\sub/"), temp / "images/sub/");
  // What exists as written comes back unchanged.
  EXPECT_EQ(ResolvePath(temp / "images/logo.bmp"), temp / "images/logo.bmp");
}

TEST(FilesTest, ResolvePathOfRelativeNamesUsesTheCurrentDirectory) {
  TempDirectory temp;
  ASSERT_TRUE(MakeDirectories(temp / "Work"));
  ASSERT_TRUE(WriteFile(temp / "Work/Demo.hpj", ""));
  ScopedCurrentDirectory current(temp.path());
  ASSERT_TRUE(current.ok());
  EXPECT_EQ(ResolvePath("WORK\\DEMO.HPJ"), "Work/Demo.hpj");
  EXPECT_EQ(ResolvePath("./work/../WORK/demo.HPJ"), "./Work/../Work/Demo.hpj");
}

TEST(FilesTest, UnresolvedPathsKeepWhatWasWrittenWithNativeSeparators) {
  TempDirectory temp;
  ASSERT_TRUE(MakeDirectories(temp / "out"));
  EXPECT_EQ(ResolvePath("no\\such\\file.txt"), "no/such/file.txt");
  // The directories that exist take their spelling on disk, so a new file
  // can be created in them.
  EXPECT_EQ(ResolvePath(temp.path() + "\\OUT\\New.TXT"), temp / "out/New.TXT");
  EXPECT_EQ(ResolvePath(""), "");
}

TEST(FilesTest, ReadWriteAndTheirFailures) {
  TempDirectory temp;
  const std::string binary("a\0b\r\n\xFF", 6);
  ASSERT_TRUE(WriteFile(temp / "f.bin", binary));
  EXPECT_TRUE(FileExists(temp / "f.bin"));
  EXPECT_FALSE(FileExists(temp.path()));
  EXPECT_TRUE(DirectoryExists(temp.path()));
  EXPECT_FALSE(PathExists(temp / "missing"));
  EXPECT_EQ(FileContents(temp / "f.bin"), binary);

  std::string prefix;
  ASSERT_TRUE(ReadFilePrefix(temp / "f.bin", 3, prefix));
  EXPECT_EQ(prefix, std::string("a\0b", 3));

  std::string text = "stale";
  std::string reason;
  EXPECT_FALSE(ReadFile(temp / "missing", text, &reason));
  EXPECT_TRUE(text.empty());
  EXPECT_EQ(reason, "No such file or directory");
  EXPECT_FALSE(ReadFile(temp.path(), text, &reason));
  EXPECT_EQ(reason, "Is a directory");
  EXPECT_FALSE(WriteFile(temp / "no/dir/f", "x", &reason));
  EXPECT_EQ(reason, "No such file or directory");
}

TEST(FilesTest, DurableWriteReplacesTheFileAndLeavesNoTemporary) {
  TempDirectory temp;
  const std::string path = temp / "settings.ini";
  ASSERT_TRUE(WriteFile(path, "old contents"));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  // A reader holding the old file keeps seeing it whole: the new one is a new inode.
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);

  ASSERT_TRUE(WriteFileDurably(path, "new"));
  EXPECT_EQ(FileContents(path), "new");
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_NE(before.st_ino, after.st_ino);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  ASSERT_EQ(ListDirectory(temp.path()).size(), 1u);

  std::string reason;
  EXPECT_FALSE(WriteFileDurably(temp / "missing/f", "x", &reason));
  EXPECT_FALSE(reason.empty());
}

TEST(FilesTest, CopyKeepsContentsAndTimeStamps) {
  TempDirectory temp;
  const std::string source = temp / "DEMO.HLP";
  std::string big(200000, 'x');
  big[12345] = '\0';
  ASSERT_TRUE(WriteFile(source, big));
  const timespec times[2] = {{1000000000, 0}, {1200000000, 500}};
  ASSERT_EQ(::utimensat(AT_FDCWD, source.c_str(), times, 0), 0);
  ASSERT_TRUE(WriteFile(temp / "copy.hlp", "older and shorter"));

  ASSERT_TRUE(CopyFile(source, temp / "copy.hlp"));
  struct stat info {};
  ASSERT_EQ(::stat((temp / "copy.hlp").c_str(), &info), 0);
  EXPECT_EQ(info.st_atim.tv_sec, 1000000000);
  EXPECT_EQ(info.st_mtim.tv_sec, 1200000000);
  EXPECT_EQ(info.st_mtim.tv_nsec, 500);
  EXPECT_EQ(FileModificationTime(temp / "copy.hlp"), 1200000000);
  EXPECT_EQ(FileContents(temp / "copy.hlp"), big);
  EXPECT_EQ(FileContents(source), big);  // the source stays
}

TEST(FilesTest, CopyOntoItselfAndFromNowhere) {
  TempDirectory temp;
  ASSERT_TRUE(WriteFile(temp / "f", "data"));
  EXPECT_TRUE(CopyFile(temp / "f", temp / "./f"));
  EXPECT_EQ(FileContents(temp / "f"), "data");

  std::string reason;
  EXPECT_FALSE(CopyFile(temp / "missing", temp / "g", &reason));
  EXPECT_EQ(reason, "No such file or directory");
  EXPECT_FALSE(PathExists(temp / "g"));
}

TEST(FilesTest, MoveDeleteAndDirectories) {
  TempDirectory temp;
  ASSERT_TRUE(WriteFile(temp / "a", "1"));
  ASSERT_TRUE(MoveFile(temp / "a", temp / "b"));
  EXPECT_FALSE(PathExists(temp / "a"));
  EXPECT_EQ(FileContents(temp / "b"), "1");
  ASSERT_TRUE(DeleteFile(temp / "b"));
  std::string reason;
  EXPECT_FALSE(DeleteFile(temp / "b", &reason));
  EXPECT_EQ(reason, "No such file or directory");

  EXPECT_TRUE(MakeDirectory(temp / "d"));
  EXPECT_TRUE(MakeDirectory(temp / "d"));  // exists afterwards
  EXPECT_FALSE(MakeDirectory(temp / "x/y", &reason));
  EXPECT_TRUE(MakeDirectories(temp / "x/y/z"));
  ASSERT_TRUE(WriteFile(temp / "file", ""));
  EXPECT_FALSE(MakeDirectories(temp / "file/sub", &reason));
  EXPECT_FALSE(reason.empty());
}

TEST(FilesTest, ListDirectorySortsAndMarksDirectories) {
  TempDirectory temp;
  ASSERT_TRUE(WriteFile(temp / "b.txt", ""));
  ASSERT_TRUE(MakeDirectory(temp / "a"));
  ASSERT_TRUE(WriteFile(temp / "C", ""));
  ASSERT_EQ(::symlink("a", (temp / "link").c_str()), 0);
  const auto entries = ListDirectory(temp.path());
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].name, "C");
  EXPECT_FALSE(entries[0].isDirectory);
  EXPECT_EQ(entries[1].name, "a");
  EXPECT_TRUE(entries[1].isDirectory);
  EXPECT_EQ(entries[2].name, "b.txt");
  EXPECT_EQ(entries[3].name, "link");
  EXPECT_TRUE(entries[3].isDirectory);
  EXPECT_TRUE(ListDirectory(temp / "missing").empty());
}

TEST(FilesTest, ScopedCurrentDirectoryRestoresThePreviousOne) {
  TempDirectory temp;
  const std::string before = CurrentDirectory();
  {
    ScopedCurrentDirectory scoped(temp.path());
    ASSERT_TRUE(scoped.ok());
    EXPECT_EQ(std::filesystem::canonical(CurrentDirectory()),
              std::filesystem::canonical(temp.path()));
  }
  EXPECT_EQ(CurrentDirectory(), before);
  {
    ScopedCurrentDirectory scoped(temp / "missing");
    EXPECT_FALSE(scoped.ok());
    EXPECT_EQ(CurrentDirectory(), before);
  }
  EXPECT_EQ(CurrentDirectory(), before);
  std::string reason;
  EXPECT_FALSE(SetCurrentDirectory(temp / "missing", &reason));
  EXPECT_EQ(FileModificationTime(temp / "missing"), -1);
}

}  // namespace
}  // namespace veldor
