// Where the subject dialog's preview paints an image subject's picture, and
// which file it reads for it.
#pragma once

#include <string>

namespace veldor {

struct PreviewBox {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PreviewBox&) const = default;
};

// The box of an image of `imageWidth` x `imageHeight` pixels in a preview of
// `previewWidth` x `previewHeight`: at its own size when it is at most a
// third of the preview's width less 10 pixels wide and at most the preview's
// height high; otherwise stretched to the preview's height and a third of
// its width less 10 pixels, or to the whole width less 10 pixels for an
// image at least three times as wide as high. The box sits at the top, its
// right edge 5 pixels from the preview's right edge (or at the left edge
// when it is wider than that leaves room for).
PreviewBox ImageBoxInPreview(int previewWidth, int previewHeight, int imageWidth, int imageHeight);

// The width of the text part of the preview: three quarters of it for an
// image subject, all of it otherwise.
int PreviewTextWidth(int previewWidth, bool imageSubject);

// The picture file of an image subject's name: the name itself when it ends
// in ".BMP" or ".DIB" (any case), else the name with the extension ".BMP",
// or ".DIB" when that does not exist; "" when no such file exists. Names
// are looked up without regard to case.
std::string ImageFileOfSubject(const std::string& name);

}  // namespace veldor
