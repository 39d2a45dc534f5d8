#include "platform/paths.h"

#include <gtest/gtest.h>

namespace veldor {
namespace {

TEST(PathsTest, JoinPathAddsOneSeparatorOnlyWhenNeeded) {
  EXPECT_EQ(JoinPath("", "a.txt"), "a.txt");
  EXPECT_EQ(JoinPath("dir", "a.txt"), "dir/a.txt");
  EXPECT_EQ(JoinPath("dir/", "a.txt"), "dir/a.txt");
  EXPECT_EQ(JoinPath("D:\\AIDE\\", "DEMO.HPJ"), "D:\\AIDE\\DEMO.HPJ");
  EXPECT_EQ(JoinPath("D:\\AIDE", "DEMO.HPJ"), "D:\\AIDE/DEMO.HPJ");
  EXPECT_EQ(JoinPath("/", "etc"), "/etc");
  EXPECT_EQ(JoinPath("dir", ""), "dir/");
}

TEST(PathsTest, SplittingAcceptsBothSeparators) {
  EXPECT_EQ(DirectoryPart("a/b/c.txt"), "a/b");
  EXPECT_EQ(DirectoryPart("a\\b\\c.txt"), "a\\b");
  EXPECT_EQ(DirectoryPart("a/b\\c.txt"), "a/b");
  EXPECT_EQ(DirectoryPart("c.txt"), "");
  EXPECT_EQ(DirectoryPart("/c.txt"), "/");
  EXPECT_EQ(DirectoryPart("\\c.txt"), "\\");

  EXPECT_EQ(FileNamePart("a\\b/c.txt"), "c.txt");
  EXPECT_EQ(FileNamePart("a/b\\c.txt"), "c.txt");
  EXPECT_EQ(FileNamePart("c.txt"), "c.txt");
  EXPECT_EQ(FileNamePart("dir/"), "");

  EXPECT_EQ(BaseNamePart("D:\\AIDE\\DEMO.HPJ"), "DEMO");
  EXPECT_EQ(BaseNamePart("a/archive.tar.gz"), "archive.tar");
  EXPECT_EQ(BaseNamePart("a.b/noext"), "noext");
}

TEST(PathsTest, ExtensionsBelongToTheFileNameOnly) {
  EXPECT_EQ(ExtensionPart("a/b/c.txt"), ".txt");
  EXPECT_EQ(ExtensionPart("a.dir\\file"), "");
  EXPECT_EQ(ExtensionPart("a.dir/file"), "");
  EXPECT_EQ(ExtensionPart("file."), ".");

  EXPECT_EQ(ReplaceExtension("x/p.ehe", "ehb"), "x/p.ehb");
  EXPECT_EQ(ReplaceExtension("x.d\\p", "000"), "x.d\\p.000");
  EXPECT_EQ(ReplaceExtension("p.tar.gz", "zip"), "p.tar.zip");
  EXPECT_EQ(ReplaceExtension("p.ehe", ""), "p");
}

TEST(PathsTest, NativeSeparatorsAndAsciiCase) {
  EXPECT_EQ(ToNativeSeparators("D:\\AIDE\\img/x.bmp"), "D:/AIDE/img/x.bmp");
  // Only ASCII letters change: Windows-1252 accented letters stay as they are.
  EXPECT_EQ(AsciiUpper("caf\xE9 Topic_1"), "CAF\xE9 TOPIC_1");
  EXPECT_EQ(AsciiLower("CAF\xC9 Topic"), "caf\xC9 topic");
  EXPECT_TRUE(EqualsIgnoreCase("Images\\Logo.BMP", "IMAGES\\logo.bmp"));
  EXPECT_FALSE(EqualsIgnoreCase("\xE9t\xE9", "\xC9T\xC9"));
  EXPECT_FALSE(EqualsIgnoreCase("abc", "abcd"));
  EXPECT_FALSE(EqualsIgnoreCase("a/b", "a\\b"));
}

TEST(PathsTest, AbsolutePathsAndBlanks) {
  for (const char* path : {"/x", "\\x", "C:\\x", "c:x", "/"}) {
    EXPECT_TRUE(IsAbsolutePath(path)) << path;
  }
  for (const char* path : {"", "x", "x/y", "ab:c", ".\\x"}) {
    EXPECT_FALSE(IsAbsolutePath(path)) << path;
  }
  EXPECT_EQ(TrimBlanks(" \t a b\t "), "a b");
  EXPECT_EQ(TrimBlanks(" \t "), "");
  EXPECT_EQ(TrimBlanks(""), "");
  EXPECT_EQ(TrimBlanks("\r\nx\r\n"), "\r\nx\r\n");
  EXPECT_EQ(TrimBlanks("\r\n x\r\n", " \r\n"), "x");
}

}  // namespace
}  // namespace veldor
