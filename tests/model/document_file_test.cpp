#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "model/app_settings.h"
#include "model/document.h"
#include "model/project_json.h"
#include "model_test_support.h"
#include "platform/files.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using testing::Bytes;
using testing::Golden;

std::unique_ptr<CVeldorDoc> Loaded(const std::string& bytes) {
  auto doc = std::make_unique<CVeldorDoc>();
  std::string error;
  EXPECT_TRUE(doc->LoadFromBytes(bytes, &error)) << error;
  return doc;
}

TEST(DocumentFileTest, NewProjectDefaultsAndItsExactBytes) {
  CVeldorDoc doc;
  EXPECT_GT(doc.created, 0);
  EXPECT_EQ(doc.created, doc.modified);
  doc.created = testing::kGoldenCreated;
  doc.modified = testing::kGoldenModified;
  EXPECT_EQ(doc.SaveToBytes(), Golden("empty.ehe"));
}

TEST(DocumentFileTest, GoldenProjectLoadsEveryFieldAndSavesIdentically) {
  // The golden file is written byte by byte by make_golden.py; its JSON
  // form shows every field as read.
  const std::string golden = Golden("each_type.ehe");
  auto doc = Loaded(golden);
  EXPECT_TRUE(MatchesGolden(ProjectToJsonText(*doc), "model/json/each_type.json"));
  EXPECT_EQ(doc->SaveToBytes(), golden);
}

TEST(DocumentFileTest, OlderVersionsEndBeforeWindowsAndGlobals) {
  const std::string v1 = Golden("version1.ehe");
  auto doc = Loaded(v1);
  EXPECT_EQ(doc->topicCount(), 2);
  EXPECT_EQ(doc->projectName, "DEMO");
  EXPECT_EQ(doc->buildTextIndex, 0);
  EXPECT_EQ(doc->windows.count(), 0);
  EXPECT_EQ(doc->globals.count(), 0);
  EXPECT_TRUE(doc->reservedList5.empty());
  // Saved as version 2, with empty tables after the options.
  std::string expected = "ERV2" + v1.substr(4) + std::string(6, '\0');
  EXPECT_EQ(doc->SaveToBytes(), expected);
  std::string v0 = v1;
  v0[3] = '0';
  EXPECT_EQ(Loaded(v0)->SaveToBytes(), expected);
}

TEST(DocumentFileTest, ForeignOrNewerFilesAreRejectedAndChangeNothing) {
  const std::string golden = Golden("each_type.ehe");
  for (const char* head : {"ERV3", "ERW2", "erv2", "XERV"}) {
    auto doc = Loaded(golden);
    std::string bytes = golden;
    bytes.replace(0, 4, head);
    std::string error;
    EXPECT_FALSE(doc->LoadFromBytes(bytes, &error)) << head;
    EXPECT_EQ(doc->formatRejected, 1) << head;
    EXPECT_EQ(error.rfind(kUnexpectedFormatMessage, 0), 0u) << error;
    doc->formatRejected = 0;
    EXPECT_EQ(doc->SaveToBytes(), golden) << head;
  }
}

TEST(DocumentFileTest, EveryTruncationIsRefusedWithoutTouchingTheProject) {
  const std::string golden = Golden("each_type.ehe");
  auto doc = Loaded(golden);
  for (size_t n = 0; n < golden.size(); ++n) {
    std::string error;
    ASSERT_FALSE(doc->LoadFromBytes(golden.substr(0, n), &error)) << n;
    EXPECT_EQ(doc->formatRejected, 0) << n;
    ASSERT_EQ(error.rfind(kUnexpectedFormatMessage, 0), 0u) << error;
  }
  EXPECT_EQ(doc->SaveToBytes(), golden);
}

TEST(DocumentFileTest, CountsBeyondTheCapacitiesAreRefused) {
  const std::string empty = Golden("empty.ehe");
  const std::string tail = empty.substr(6);  // the option block after the topic count
  const size_t tables = empty.size() - 4;    // the window count, then the global count
  struct Case {
    std::string bytes;
    std::string mentions;
  };
  std::string tooManyWindows = empty, tooManyGlobals = empty;
  tooManyWindows[tables] = 11;
  tooManyGlobals.replace(tables + 2, 2, Bytes().Word(513).data);
  const Case cases[] = {
      {Bytes().Raw("ERV2").Word(4097).Raw(tail).data, "4096"},
      {Bytes().Raw("ERV2").Word(1).Str("A").Str("").Str("").Word(257).data, "256"},
      {tooManyWindows, "10"},
      {tooManyGlobals, "512"},
      {Bytes().Raw("ERV2").Word(1).Byte(0xFF).Word(0xFFFF).Long(0xFFFFFFF0).data, "octets"},
      {Bytes().Raw("ERV2").Word(0xFFFF).data, "4096"},
  };
  for (const Case& c : cases) {
    CVeldorDoc doc;
    std::string error;
    EXPECT_FALSE(doc.LoadFromBytes(c.bytes, &error));
    EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
    EXPECT_EQ(doc.topicCount(), 0);
  }
}

TEST(DocumentFileTest, EverythingSurvivesARoundTrip) {
  CAppSettings::Instance() = CAppSettings();
  CVeldorDoc doc;
  auto topic = std::make_unique<CTopic>();
  topic->name = "LONG";
  topic->title = std::string(70000, '\x80');
  topic->references = std::string(300, 'r');
  topic->reservedLongs = {0xFFFFFFFF};
  for (int code = 0; code < 6; ++code) topic->AddSubject(CTypeEdit::CreateSubject(code));
  auto plain = std::make_unique<CTypeEdit>();
  plain->text = "mere";
  topic->AddSubject(std::move(plain));
  topic->GetSubject(0)->editBox = {-1, 32767, -32768, 12};
  topic->GetSubject(1)->reservedFloat = -0.0f;
  doc.AddTopic(std::move(topic));
  doc.extraRtfFiles.assign(70000, "x");
  doc.reservedWords1.assign(0x10000, 0xABCD);
  doc.globals.Add(CGlobalTexte());
  doc.windows.Add(CWinAttr());
  const std::string first = doc.SaveToBytes();
  auto again = Loaded(first);
  ASSERT_EQ(again->topicCount(), 1);
  ASSERT_EQ(again->GetTopic(0)->subjectCount(), 7);
  EXPECT_EQ(again->GetTopic(0)->GetSubject(6)->typeCode, 0xFFFF);
  EXPECT_EQ(again->GetTopic(0)->GetSubject(0)->editBox, doc.GetTopic(0)->GetSubject(0)->editBox);
  EXPECT_EQ(again->extraRtfFiles.size(), 70000u);
  EXPECT_EQ(again->SaveToBytes(), first);
}

class DocumentSaveTest : public ::testing::Test {
 protected:
  TempDirectory dir;
};

TEST_F(DocumentSaveTest, SavingKeepsThePreviousVersionAsBackup) {
  const std::string path = dir / "projet.ehe";
  const std::string backup = dir / "projet.ehb";
  CVeldorDoc doc;
  doc.SetModifiedFlag();
  std::string error;
  ASSERT_TRUE(doc.Save(path, &error)) << error;
  EXPECT_FALSE(PathExists(backup));
  EXPECT_EQ(doc.GetPathName(), path);
  EXPECT_FALSE(doc.IsModified());
  const std::string first = FileContents(path);

  doc.projectName = "DEUX";
  ASSERT_TRUE(doc.Save(path, &error)) << error;
  EXPECT_EQ(FileContents(backup), first);
  const std::string second = FileContents(path);
  EXPECT_EQ(second, doc.SaveToBytes());

  // A file of the user's beside the project is never used as scratch space,
  // and the directory holds nothing else afterwards.
  ASSERT_TRUE(WriteFile(path + ".new", "notes"));
  doc.projectName = "TROIS";
  ASSERT_TRUE(doc.Save(path, &error)) << error;
  EXPECT_EQ(FileContents(backup), second);
  EXPECT_EQ(FileContents(path + ".new"), "notes");
  EXPECT_EQ(ListDirectory(dir.path()).size(), 3u);

  CVeldorDoc reopened;
  ASSERT_TRUE(reopened.Open(path, &error)) << error;
  EXPECT_EQ(reopened.projectName, "TROIS");
  EXPECT_EQ(reopened.created, doc.created);
}

// Limits the size of the files this process writes, as a full disk would:
// writes past it fail with EFBIG instead of raising SIGXFSZ.
class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~ScopedFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST_F(DocumentSaveTest, AFailedSaveLeavesTheOldFileAndSaysWhy) {
  const std::string path = dir / "projet.ehe";
  CVeldorDoc doc;
  ASSERT_TRUE(doc.Save(path));
  const std::string old = FileContents(path);
  doc.projectName = "NOUVEAU";
  doc.SetModifiedFlag();

  // The new version cannot be written (the file-size limit stands for a
  // full disk, whoever runs the test).
  {
    ScopedFileSizeLimit full(16);
    std::string error;
    EXPECT_FALSE(doc.Save(path, &error));
    EXPECT_NE(error.find("projet.ehe"), std::string::npos) << error;
  }
  EXPECT_EQ(FileContents(path), old);
  EXPECT_FALSE(PathExists(dir / "projet.ehb"));
  EXPECT_EQ(ListDirectory(dir.path()).size(), 1u);

  // The old backup cannot be deleted.
  ASSERT_TRUE(MakeDirectory(dir / "projet.ehb"));
  ASSERT_TRUE(WriteFile(dir / "projet.ehb/occupied", "x"));
  std::string error;
  EXPECT_FALSE(doc.Save(path, &error));
  EXPECT_NE(error.find("projet.ehb"), std::string::npos) << error;
  EXPECT_EQ(FileContents(path), old);
  EXPECT_EQ(ListDirectory(dir.path()).size(), 2u);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentSaveTest, AnUnwritableDirectoryIsReportedAndChangesNothing) {
  // A plain file where the directory should be takes no file, whoever runs the test.
  ASSERT_TRUE(WriteFile(dir / "lecture", "x"));
  CVeldorDoc doc;
  ASSERT_TRUE(doc.Save(dir / "p.ehe"));
  doc.projectName = "X";
  doc.SetModifiedFlag();
  std::string error;
  EXPECT_FALSE(doc.Save(dir / "lecture/p.ehe", &error));
  EXPECT_NE(error.find("lecture/p.ehe"), std::string::npos) << error;
  EXPECT_NE(error.find("Not a directory"), std::string::npos) << error;
  EXPECT_EQ(FileContents(dir / "lecture"), "x");
  EXPECT_EQ(doc.GetPathName(), dir / "p.ehe");
  EXPECT_TRUE(doc.IsModified());

  // A directory that its permissions keep from changing, with the old
  // version in it; the superuser writes there anyway.
  if (::geteuid() == 0) return;
  const std::string sub = dir / "lecture-seule";
  ASSERT_TRUE(MakeDirectory(sub));
  const std::string path = sub + "/p.ehe";
  ASSERT_TRUE(doc.Save(path));
  const std::string old = FileContents(path);
  ::chmod(sub.c_str(), 0555);
  doc.projectName = "Y";
  error.clear();
  EXPECT_FALSE(doc.Save(path, &error));
  EXPECT_FALSE(error.empty());
  ::chmod(sub.c_str(), 0755);
  EXPECT_EQ(FileContents(path), old);
}

TEST_F(DocumentSaveTest, OpenReportsMissingFilesAndResolvesLetterCase) {
  CVeldorDoc doc;
  std::string error;
  EXPECT_FALSE(doc.Open(dir / "absent.ehe", &error));
  EXPECT_NE(error.find("absent.ehe"), std::string::npos);
  ASSERT_TRUE(WriteFile(dir / "demo.ehe", Golden("each_type.ehe")));
  ASSERT_TRUE(doc.Open(dir / "DEMO.EHE", &error)) << error;
  EXPECT_EQ(doc.GetPathName(), dir / "demo.ehe");
  EXPECT_EQ(doc.topicCount(), 2);
  ASSERT_TRUE(doc.SaveCopy(dir / "copie.000"));
  EXPECT_EQ(FileContents(dir / "copie.000"), Golden("each_type.ehe"));
}

}  // namespace
}  // namespace veldor
