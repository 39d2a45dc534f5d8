// CDib: a whole ".BMP" file held in memory, checked, measured and drawn at
// its own size or stretched. Failures are reported through Messages().
#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <string_view>

class QPainter;
class QRect;

namespace veldor::ui {

class CDib {
 public:
  static constexpr uint16_t kArchiveMark = 0x4142;
  // Larger files are refused ("Unable to allocate DIB memory"): no help
  // bitmap comes near it, and reading one would stall the subject list.
  static constexpr uintmax_t kMaxFileSize = 64u * 1024 * 1024;

  // Reads a file; "Read error" / "Invalid bitmap file" on failure.
  bool Read(const std::string& path);
  // Checks and keeps `bytes` as the file contents.
  bool ReadFromBytes(std::string bytes);
  bool IsValid() const { return !bytes_.empty(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitCount() const { return bitCount_; }
  const std::string& bytes() const { return bytes_; }
  // The picture, decoded once.
  const QImage& Image() const;

  void Draw(QPainter& painter, int x, int y) const;
  void DrawStretched(QPainter& painter, const QRect& target) const;

  // Archive form: 16-bit mark 0x4142, 32-bit byte count, the bytes.
  std::string ToArchive() const;
  // "Invalid DIB archive" for another mark or a short record.
  bool FromArchive(std::string_view record);

 private:
  void Reset();
  std::string bytes_;
  int width_ = 0;
  int height_ = 0;
  int bitCount_ = 0;
  mutable QImage image_;
};

// The bitmap file an image subject shows: the stored name when it ends in
// ".BMP" or ".DIB", else the same path with ".BMP", else with ".DIB"; ""
// when none exists. Relative names are taken from `projectDirectory`.
std::string ImageFileOfSubject(const std::string& storedName, const std::string& projectDirectory);

}  // namespace veldor::ui
