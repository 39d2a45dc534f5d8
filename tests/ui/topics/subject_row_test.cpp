// Row heights of the subject list and the bitmap reader behind its images.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <string>

#include "model/subject.h"
#include "platform/files.h"
#include "platform/recording_messages.h"
#include "support/temp_directory.h"
#include "ui/topics/dib.h"
#include "ui/topics/subject_row.h"

namespace veldor::ui {
namespace {

std::unique_ptr<CTypeEdit> Text(const std::string& text) {
  auto s = CTypeEdit::CreateSubject(kTypeTexte);
  s->text = text;
  return s;
}

TEST(SubjectRow, HeightFollowsTextFrameAndImageWithinTheCap) {
  auto empty = Text("");
  EXPECT_EQ(RowHeight(*empty, 400, {}), kEmptyTextHeight);
  auto framed = Text("");
  framed->flags |= kFlagBox;
  EXPECT_EQ(RowHeight(*framed, 400, {}), kEmptyTextHeight + 2);

  auto line = Text("Une ligne");
  const int one = RowHeight(*line, 400, {});
  EXPECT_GT(one, 5);
  EXPECT_LT(one, 40);
  EXPECT_EQ(RowHeight(*line, 400, QSize(30, 90)), 90);  // the image is higher

  // Long text wraps to more lines in a narrow row, never past 250 pixels.
  std::string words;
  for (int i = 0; i < 600; ++i) words += "mot ";
  auto many = Text(words);
  EXPECT_GT(RowHeight(*many, 600, {}), one);
  EXPECT_EQ(RowHeight(*many, 200, {}), kMaxRowHeight);
}

TEST(SubjectRow, MarginsComeFromCentimetresThroughTwips) {
  EXPECT_EQ(MarginPixels(1.7f), 64);  // 963 twips
  EXPECT_EQ(MarginPixels(0.0f), 0);
  auto s = Text("x");
  s->leftMargin = 1.0f;  // 37 px
  s->rightMargin = 0.0f;
  s->flags |= kFlagVerticalBar;
  const QRect area = TextArea(*s, 400, QSize(), 50);
  EXPECT_EQ(area.left(), 37 + 1);
  EXPECT_EQ(area.right(), 399);
  // An image pushes the text right, at most to half the row.
  EXPECT_EQ(TextArea(*s, 400, QSize(300, 20), 50).left(), 37 + 200 + 1);
}

TEST(SubjectRow, SelectedRowCarriesARedBar) {
  QImage canvas(100, 30, QImage::Format_RGB32);
  QPainter painter(&canvas);
  auto s = Text("x");
  RowOptions options;
  options.selected = true;
  PaintSubjectRow(painter, QRect(0, 0, 100, 30), *s, nullptr, options);
  painter.end();
  EXPECT_EQ(canvas.pixelColor(0, 15), QColor(Qt::red));
  EXPECT_EQ(canvas.pixelColor(1, 15), QColor(Qt::red));
  EXPECT_NE(canvas.pixelColor(50, 29), QColor(Qt::red));
}

TEST(SubjectRow, BackgroundAndMarkersFollowTheSubjectAndTheSettings) {
  auto paint = [](const CTypeEdit& s, bool markers) {
    QImage canvas(200, 30, QImage::Format_RGB32);
    QPainter painter(&canvas);
    RowOptions options;
    options.showMarkers = markers;
    options.colours.window = QColor(255, 255, 200);
    options.colours.nonScroll = QColor(200, 255, 255);
    PaintSubjectRow(painter, QRect(0, 0, 200, 30), s, nullptr, options);
    return canvas;
  };
  auto text = Text("");
  EXPECT_EQ(paint(*text, true).pixelColor(150, 20), QColor(255, 255, 200));
  text->flags |= kFlagNonScroll;
  EXPECT_EQ(paint(*text, true).pixelColor(150, 20), QColor(200, 255, 255));

  auto jump = CTypeEdit::CreateSubject(kTypeJump);
  jump->text = "";
  for (int action : {kActionSaut, kActionSon, kActionPopup}) {
    jump->action = action;
    EXPECT_NE(paint(*jump, true).pixelColor(1, 1), QColor(255, 255, 200)) << action;
    EXPECT_EQ(paint(*jump, false).pixelColor(1, 1), QColor(255, 255, 200)) << action;
  }
  jump->action = kActionImprime;  // no marker for the other kinds
  EXPECT_EQ(paint(*jump, true).pixelColor(1, 1), QColor(255, 255, 200));
}

std::string TinyBitmap() {
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(Qt::blue);
  TempDirectory dir;
  image.save(QString::fromStdString(dir / "t.bmp"), "BMP");
  std::string bytes;
  ReadFile(dir / "t.bmp", bytes);
  return bytes;
}

TEST(Dib, ReadsBitmapsAndReportsWhatItRejects) {
  RecordingMessages messages;
  CDib dib;
  ASSERT_TRUE(dib.ReadFromBytes(TinyBitmap()));
  EXPECT_EQ(dib.Width(), 3);
  EXPECT_EQ(dib.Height(), 2);
  EXPECT_FALSE(dib.Image().isNull());
  EXPECT_TRUE(messages.messages.empty());

  CDib copy;
  EXPECT_TRUE(copy.FromArchive(dib.ToArchive()));
  EXPECT_EQ(copy.bytes(), dib.bytes());

  EXPECT_FALSE(copy.ReadFromBytes("GIF89a........................"));
  EXPECT_EQ(messages.messages.back().text, "Invalid bitmap file");
  std::string archive = dib.ToArchive();
  archive[0] = 'X';
  EXPECT_FALSE(copy.FromArchive(archive));
  EXPECT_EQ(messages.messages.back().text, "Invalid DIB archive");
  EXPECT_FALSE(copy.FromArchive(dib.ToArchive().substr(0, 20)));  // cut short
  EXPECT_EQ(messages.messages.back().text, "Invalid DIB archive");
  EXPECT_FALSE(copy.Read("/nonexistent/none.bmp"));
  EXPECT_EQ(messages.messages.back().text, "Read error");

  TempDirectory dir;  // a huge file is refused before it is read
  WriteFile(dir / "huge.bmp", "BM");
  std::filesystem::resize_file(dir / "huge.bmp", CDib::kMaxFileSize + 1);
  EXPECT_FALSE(copy.Read(dir / "huge.bmp"));
  EXPECT_EQ(messages.messages.back().text, "Unable to allocate DIB memory");
}

TEST(Dib, ImageFileFallsBackFromTheStoredExtensionToBmpThenDib) {
  TempDirectory dir;
  WriteFile(dir / "pic.dib", TinyBitmap());
  WriteFile(dir / "only.bmp", TinyBitmap());
  EXPECT_EQ(ImageFileOfSubject("pic.shg", dir.path()), dir / "pic.dib");
  EXPECT_EQ(ImageFileOfSubject("only.shg", dir.path()), dir / "only.bmp");
  EXPECT_EQ(ImageFileOfSubject(dir / "only.bmp", ""), dir / "only.bmp");
  EXPECT_EQ(ImageFileOfSubject("missing.bmp", dir.path()), "");
  EXPECT_EQ(ImageFileOfSubject("", dir.path()), "");
}

}  // namespace
}  // namespace veldor::ui
