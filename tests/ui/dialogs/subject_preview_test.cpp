#include "ui/dialogs/rules/subject_preview.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_directory.h"

namespace veldor {
namespace {

struct BoxCase {
  int imageWidth, imageHeight;
  PreviewBox expected;
};

TEST(SubjectPreviewTest, ImageKeepsItsSizeOrIsStretchedToTheBox) {
  // A preview of 330 x 100: a third less 10 is 100 pixels.
  const BoxCase cases[] = {
      {100, 100, {225, 0, 100, 100}},  // fits exactly
      {50, 20, {275, 0, 50, 20}},      // small: own size
      {101, 50, {225, 0, 100, 100}},   // too wide: third of the width
      {80, 101, {225, 0, 100, 100}},   // too high: same box
      {300, 100, {5, 0, 320, 100}},    // three times as wide: whole width
      {299, 100, {225, 0, 100, 100}},  // just under three times
  };
  for (const BoxCase& c : cases) {
    EXPECT_EQ(ImageBoxInPreview(330, 100, c.imageWidth, c.imageHeight), c.expected)
        << c.imageWidth << "x" << c.imageHeight;
  }
  EXPECT_EQ(ImageBoxInPreview(0, 100, 10, 10), PreviewBox{});
  EXPECT_EQ(PreviewTextWidth(400, true), 300);
  EXPECT_EQ(PreviewTextWidth(400, false), 400);
}

TEST(SubjectPreviewTest, PictureFileFollowsTheBmpThenDibRule) {
  TempDirectory dir;
  ASSERT_TRUE(WriteFile(dir / "carte.bmp", "BM"));
  ASSERT_TRUE(WriteFile(dir / "plan.dib", "BM"));
  ASSERT_TRUE(WriteFile(dir / "zone.shg", "x"));
  EXPECT_EQ(ImageFileOfSubject(dir / "CARTE.BMP"), dir / "carte.bmp");
  EXPECT_EQ(ImageFileOfSubject(dir / "carte.shg"), dir / "carte.bmp");
  EXPECT_EQ(ImageFileOfSubject(dir / "plan.shg"), dir / "plan.dib");
  EXPECT_EQ(ImageFileOfSubject(dir / "zone.shg"), "");
  EXPECT_EQ(ImageFileOfSubject(dir / "absent.bmp"), "");
  EXPECT_EQ(ImageFileOfSubject(""), "");
}

}  // namespace
}  // namespace veldor
