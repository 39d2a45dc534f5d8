#include "ui/dialogs/rules/subject_preview.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {

PreviewBox ImageBoxInPreview(int previewWidth, int previewHeight, int imageWidth, int imageHeight) {
  PreviewBox box;
  if (previewWidth <= 0 || previewHeight <= 0 || imageWidth <= 0 || imageHeight <= 0) return box;
  const int third = std::max(1, previewWidth / 3 - 10);
  if (imageWidth <= third && imageHeight <= previewHeight) {
    box.width = imageWidth;
    box.height = imageHeight;
  } else if (imageWidth >= 3 * imageHeight) {
    box.width = std::max(1, previewWidth - 10);
    box.height = previewHeight;
  } else {
    box.width = third;
    box.height = previewHeight;
  }
  box.x = std::max(0, previewWidth - 5 - box.width);
  return box;
}

int PreviewTextWidth(int previewWidth, bool imageSubject) {
  return imageSubject ? previewWidth * 3 / 4 : previewWidth;
}

std::string ImageFileOfSubject(const std::string& name) {
  if (name.empty()) return "";
  const std::string extension = AsciiUpper(ExtensionPart(name));
  std::string candidates[2];
  if (extension == ".BMP" || extension == ".DIB") {
    candidates[0] = name;
  } else {
    candidates[0] = ReplaceExtension(name, "BMP");
    candidates[1] = ReplaceExtension(name, "DIB");
  }
  for (const std::string& candidate : candidates) {
    if (candidate.empty()) continue;
    const std::string resolved = ResolvePath(candidate);
    if (FileExists(resolved)) return resolved;
  }
  return "";
}

}  // namespace veldor
