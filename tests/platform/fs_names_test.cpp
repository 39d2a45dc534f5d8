#include "platform/fs_names.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_directory.h"

namespace veldor {
namespace {

using ::testing::HasSubstr;

// Project paths are Windows-1252, names on disk UTF-8: "Données" is one
// directory whichever side names it.
TEST(FsNamesTest, AccentedNamesMeetAtTheBoundary) {
  TempDirectory temp;
  const std::string t = temp.path();
  ASSERT_TRUE(MakeDirectories(t + "/Donn\xC3\xA9"
                                  "es/sub"));
  ASSERT_TRUE(WriteFile(t + "/Donn\xC3\xA9"
                            "es/sub/Logo.bmp",
                        "BM"));
  const std::string onDisk = t +
                             "/Donn\xC3\xA9"
                             "es/sub/Logo.bmp";
  // Windows-1252, Windows separators and letter case.
  EXPECT_EQ(SystemPathOf(t + "\\Donn\xE9"
                             "es\\SUB\\LOGO.BMP"),
            onDisk);
  // Written by an earlier version as the file system spells it.
  EXPECT_EQ(SystemPathOf(onDisk), onDisk);
  // A file to create keeps the converted name.
  EXPECT_EQ(SystemPathOf(t + "/Donn\xE9"
                             "es/Caf\xE9.hpj"),
            t + "/Donn\xC3\xA9"
                "es/Caf\xC3\xA9.hpj");
  EXPECT_EQ(SystemNameOf("Caf\xE9"), "Caf\xC3\xA9");

  std::string model;
  ASSERT_TRUE(ToModelPath(onDisk, model));
  EXPECT_EQ(model, t + "/Donn\xE9"
                       "es/sub/Logo.bmp");
  EXPECT_EQ(ModelTextOfPath(onDisk), model);
}

// A name Windows-1252 cannot write is refused, and the reason names it.
TEST(FsNamesTest, NamesWindows1252CannotWriteAreRefused) {
  const std::string korean = "/p/\xED\x95\x9C\xEA\xB8\x80/Form.vbp";
  std::string model = "unchanged";
  std::string reason;
  EXPECT_FALSE(ToModelPath(korean, model, &reason));
  EXPECT_EQ(model, "unchanged");
  EXPECT_THAT(reason, HasSubstr(korean));
  EXPECT_THAT(reason, HasSubstr("Windows-1252"));
  EXPECT_EQ(ModelTextOfPath(korean),
            "/p/?"
            "?/Form.vbp");

  // Bytes that are not UTF-8 (a name written by another system).
  EXPECT_FALSE(ToModelPath("/p/caf\xE9", model, &reason));
  EXPECT_THAT(reason, HasSubstr("UTF-8"));
}

}  // namespace
}  // namespace veldor
