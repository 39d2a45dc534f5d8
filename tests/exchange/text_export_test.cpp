#include <gtest/gtest.h>

#include "exchange/text_export.h"
#include "exchange_test_support.h"
#include "platform/recording_messages.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

// Labelled topics; line ends of a text are written as they are, each LF as
// CR LF, and a text that is a type's name is written raw.
TEST(TextExport, WritesTheLabelledFileByteForByte) {
  CVeldorDoc doc;
  testing::LoadProject("exchange/export.json", doc);
  TempDirectory dir;
  RecordingMessages messages;
  ASSERT_TRUE(ExportText(doc, dir / "out.txt"));
  EXPECT_TRUE(MatchesGolden(FileContents(dir / "out.txt"), "exchange/export.txt"));
  EXPECT_TRUE(messages.messages.empty());
  // An empty project replaces the file with an empty one.
  CVeldorDoc empty;
  ASSERT_TRUE(ExportText(empty, dir / "out.txt"));
  EXPECT_EQ(FileContents(dir / "out.txt"), "");
}

TEST(TextExport, FailedWriteIsReported) {
  CVeldorDoc doc;
  testing::AddTopic(doc, "T");
  TempDirectory dir;
  RecordingMessages messages;
  EXPECT_FALSE(ExportText(doc, dir / "absent/out.txt"));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text.rfind(
                "Impossible d'écrire le fichier " + dir.path() + "/absent/out.txt : ", 0),
            0u);
}

}  // namespace
}  // namespace veldor
