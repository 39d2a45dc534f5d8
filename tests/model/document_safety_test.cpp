// Saving never damages what it replaces (permissions, links, other kinds of
// files, a save killed half-way), and reading never lets a small file take
// memory out of proportion to its size.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "model/document.h"
#include "model/project_json.h"
#include "platform/files.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

struct stat StatOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info;
}

class DocumentSafetyTest : public ::testing::Test {
 protected:
  // A saved project named `name` in `directory`, its project name set.
  std::string SavedProject(const std::string& path, const std::string& name) {
    CVeldorDoc doc;
    doc.projectName = name;
    std::string error;
    EXPECT_TRUE(doc.Save(path, &error)) << error;
    return FileContents(path);
  }
  TempDirectory dir;
};

// The old file becomes the backup as a second name of the same file, and
// the new one takes the project's name in one rename: at no moment is there
// no project file. Permissions stay those the user gave the file.
TEST_F(DocumentSafetyTest, SaveKeepsTheOldFileAsBackupAndThePermissions) {
  const std::string path = dir / "p.ehe";
  const std::string old = SavedProject(path, "UN");
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  const ino_t oldInode = StatOf(path).st_ino;

  CVeldorDoc doc;
  doc.projectName = "DEUX";
  std::string error;
  ASSERT_TRUE(doc.Save(path, &error)) << error;
  EXPECT_EQ(StatOf(dir / "p.ehb").st_ino, oldInode);
  EXPECT_EQ(FileContents(dir / "p.ehb"), old);
  EXPECT_EQ(StatOf(path).st_mode & 07777, 0600u);
  EXPECT_EQ(StatOf(dir / "p.ehb").st_mode & 07777, 0600u);
  EXPECT_EQ(FileContents(path), doc.SaveToBytes());
  EXPECT_EQ(ListDirectory(dir.path()).size(), 2u);
}

// Through a symbolic link the file it leads to is saved, with its backup
// beside it; the link stays a link.
TEST_F(DocumentSafetyTest, SaveGoesThroughALinkToItsTarget) {
  ASSERT_TRUE(MakeDirectory(dir / "real"));
  const std::string old = SavedProject(dir / "real/P.ehe", "UN");
  ASSERT_EQ(::symlink("real/P.ehe", (dir / "link.ehe").c_str()), 0);

  CVeldorDoc doc;
  doc.projectName = "DEUX";
  std::string error;
  ASSERT_TRUE(doc.Save(dir / "link.ehe", &error)) << error;
  EXPECT_TRUE(S_ISLNK(StatOf(dir / "link.ehe").st_mode));
  EXPECT_EQ(FileContents(dir / "real/P.ehe"), doc.SaveToBytes());
  EXPECT_EQ(FileContents(dir / "real/P.ehb"), old);
  EXPECT_FALSE(PathExists(dir / "link.ehb"));
  EXPECT_EQ(doc.GetPathName(), dir / "link.ehe");
}

// A FIFO, a device or a directory under the project's name is not replaced
// (a save over a settings path of /dev/null once replaced the device).
TEST_F(DocumentSafetyTest, SaveRefusesWhatIsNotARegularFile) {
  const std::string fifo = dir / "pipe.ehe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_TRUE(MakeDirectory(dir / "folder.ehe"));
  for (const std::string& path : {fifo, dir / "folder.ehe"}) {
    CVeldorDoc doc;
    std::string error;
    EXPECT_FALSE(doc.Save(path, &error)) << path;
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find("Rien n'a été écrit"), std::string::npos) << error;
  }
  EXPECT_TRUE(S_ISFIFO(StatOf(fifo).st_mode));
  EXPECT_EQ(ListDirectory(dir.path()).size(), 2u);
}

// A save killed before its rename leaves its temporary file; the next save
// of the project removes it.
TEST_F(DocumentSafetyTest, TheNextSaveRemovesWhatAKilledSaveLeft) {
  const std::string path = dir / "p.ehe";
  SavedProject(path, "UN");
  const pid_t child = ::fork();
  if (child == 0) {
    std::string temporary;
    WriteTemporaryFileDurably(path, "half a project", temporary);
    ::_exit(0);
  }
  ASSERT_GT(child, 0);
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  ASSERT_EQ(ListDirectory(dir.path()).size(), 2u);
  SavedProject(path, "DEUX");
  EXPECT_EQ(ListDirectory(dir.path()).size(), 2u) << "p.ehe and p.ehb";
}

TEST_F(DocumentSafetyTest, AProjectOfEveryTopicItCanHoldSavesAndOpens) {
  CVeldorDoc doc;
  for (int i = 0; i < CVeldorDoc::kMaxTopics; ++i) {
    auto topic = std::make_unique<CTopic>();
    topic->name = "T" + std::to_string(i);
    ASSERT_EQ(doc.AddTopic(std::move(topic)), 1) << i;
  }
  EXPECT_EQ(doc.AddTopic(std::make_unique<CTopic>()), 0);
  std::string error;
  ASSERT_TRUE(doc.Save(dir / "full.ehe", &error)) << error;
  CVeldorDoc reopened;
  ASSERT_TRUE(reopened.Open(dir / "full.ehe", &error)) << error;
  ASSERT_EQ(reopened.topicCount(), CVeldorDoc::kMaxTopics);
  EXPECT_EQ(reopened.GetTopic(4095)->name, "T4095");
}

// Millions of empty strings take one byte each in the file and tens of
// bytes each in memory: such a file is refused with a message instead of
// taking gigabytes. The same strings with text in them load.
TEST_F(DocumentSafetyTest, FilesThatWouldTakeTooMuchMemoryAreRefused) {
  CVeldorDoc empties;
  empties.reservedList1.assign(3'000'000, "");
  CVeldorDoc refused;
  std::string error;
  EXPECT_FALSE(refused.LoadFromBytes(empties.SaveToBytes(), &error));
  EXPECT_NE(error.find("Mo de mémoire"), std::string::npos) << error;

  CVeldorDoc worded;
  worded.reservedList1.assign(300'000, std::string(40, 'x'));
  CVeldorDoc loaded;
  EXPECT_TRUE(loaded.LoadFromBytes(worded.SaveToBytes(), &error)) << error;
  EXPECT_EQ(loaded.reservedList1.size(), 300'000u);
}

TEST_F(DocumentSafetyTest, JsonTextErrorsAreMessages) {
  std::string many = "{\"reservedList1\": [\"\"";
  for (int i = 0; i < 2'000'000; ++i) many += ",\"\"";
  many += "]}";
  // Finding a key of an object takes time in proportion to its keys.
  std::string keys = "{\"k\": 0";
  for (int i = 0; i < 1000; ++i) keys += ", \"k" + std::to_string(i) + "\": 0";
  keys += "}";
  const std::pair<std::string, std::string> cases[] = {
      {R"({"compression": 1e400})", "malformed JSON: number overflow"},
      {R"({"topics": [{"reservedLong1": -1e999}]})", "malformed JSON: number overflow"},
      {"{\"projectName\": \"\\ud800\"}", "malformed JSON: parse error"},
      {many, "MB of memory"},
      {keys, "an object holds more than 1000 keys"}};
  for (const auto& [text, message] : cases) {
    CVeldorDoc doc;
    doc.projectName = "KEPT";
    std::string error;
    EXPECT_FALSE(ProjectFromJsonText(text, doc, &error)) << text.substr(0, 60);
    EXPECT_NE(error.find(message), std::string::npos) << error;
    EXPECT_EQ(doc.projectName, "KEPT");
  }
}

}  // namespace
}  // namespace veldor
