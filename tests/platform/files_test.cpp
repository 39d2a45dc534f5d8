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

// Names are found without regard to case and with either separator; the
// directories that exist take their spelling on disk, so a new file can be
// created in them; what exists as written comes back unchanged.
TEST(FilesTest, ResolvePathFindsNamesWithoutRegardToCase) {
  TempDirectory temp;
  ASSERT_TRUE(MakeDirectories(temp / "images/sub"));
  ASSERT_TRUE(WriteFile(temp / "images/logo.bmp", "BM"));
  ASSERT_TRUE(WriteFile(temp / "images/sub/Pic.bmp", "BM"));
  const std::string t = temp.path();
  const std::pair<std::string, std::string> cases[] = {
      {t + "/IMAGES/LOGO.BMP", t + "/images/logo.bmp"},
      {t + "\\Images\\Sub\\PIC.bmp", t + "/images/sub/Pic.bmp"},
      {t + "/IMAGES\\sub/", t + "/images/sub/"},
      {t + "/images/logo.bmp", t + "/images/logo.bmp"},
      {t + "\\IMAGES\\New.TXT", t + "/images/New.TXT"},
      {"no\\such\\file.txt", "no/such/file.txt"},
      {"", ""}};
  for (const auto& [path, resolved] : cases) EXPECT_EQ(ResolvePath(path), resolved) << path;

  // Relative names start from the current directory.
  ScopedCurrentDirectory current(temp / "images");
  ASSERT_TRUE(current.ok());
  EXPECT_EQ(ResolvePath("SUB\\PIC.BMP"), "sub/Pic.bmp");
  EXPECT_EQ(ResolvePath("./sub/../SUB/pic.BMP"), "./sub/../sub/Pic.bmp");
}

// '\' is an ordinary character of a name here: a directory "a\b" is found
// as written, and new files go into it; '\' separates names only where the
// name holding it does not exist.
TEST(FilesTest, ResolvePathKeepsBackslashesOfExistingNames) {
  TempDirectory temp;
  const std::string t = temp.path();
  ASSERT_TRUE(MakeDirectories(t + "/a\\b/sub"));
  ASSERT_TRUE(MakeDirectories(t + "/a/b"));
  ASSERT_TRUE(WriteFile(t + "/a\\b/sub/Pic.bmp", "BM"));
  const std::pair<std::string, std::string> cases[] = {
      {t + "/a\\b/P.HPJ", t + "/a\\b/P.HPJ"},
      {t + "/A\\B/SUB/pic.bmp", t + "/a\\b/sub/Pic.bmp"},
      {t + "/a\\b\\SUB\\new.txt", t + "/a\\b/sub/new.txt"},
      {t + "/a\\c\\x.txt", t + "/a/c/x.txt"},
      {t + "\\a\\b\\z.txt", t + "/a\\b/z.txt"}};
  for (const auto& [path, resolved] : cases) EXPECT_EQ(ResolvePath(path), resolved) << path;
}

TEST(FilesTest, ReadWriteAndTheirFailures) {
  TempDirectory temp;
  const std::string binary("a\0b\r\n\xFF", 6);
  ASSERT_TRUE(WriteFile(temp / "f.bin", binary));
  EXPECT_TRUE(FileExists(temp / "f.bin"));
  EXPECT_FALSE(FileExists(temp.path()));
  EXPECT_TRUE(DirectoryExists(temp.path()));
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
  EXPECT_EQ(FileModificationTime(temp / "missing"), -1);
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
  EXPECT_EQ(info.st_mtim.tv_nsec, 500);
  EXPECT_EQ(FileModificationTime(temp / "copy.hlp"), 1200000000);
  EXPECT_EQ(FileContents(temp / "copy.hlp"), big);
  EXPECT_EQ(FileContents(source), big);  // the source stays

  // Onto itself the file stays whole; from nowhere nothing is made.
  EXPECT_TRUE(CopyFile(source, temp / "./DEMO.HLP"));
  EXPECT_EQ(FileContents(source), big);
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
  std::string listed;
  for (const auto& entry : ListDirectory(temp.path())) {
    listed += entry.name + (entry.isDirectory ? "/ " : " ");
  }
  EXPECT_EQ(listed, "C a/ b.txt link/ ");
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
  }
  EXPECT_EQ(CurrentDirectory(), before);
}

}  // namespace
}  // namespace veldor
