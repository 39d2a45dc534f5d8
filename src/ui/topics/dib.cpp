#include "ui/topics/dib.h"

#include <QPainter>
#include <QRect>
#include <filesystem>

#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace veldor::ui {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;  // the OS/2 header, the smallest

uint32_t Le32(const std::string& b, size_t at) {
  return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t Le16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

void Report(const char* text) {
  Messages().Message(text, "", MessageIcon::Error);
}

}  // namespace

void CDib::Reset() {
  bytes_.clear();
  width_ = height_ = bitCount_ = 0;
  image_ = QImage();
}

bool CDib::Read(const std::string& path) {
  Reset();
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (!error && size > kMaxFileSize) {
    Report("Unable to allocate DIB memory");
    return false;
  }
  std::string bytes;
  if (!ReadFile(path, bytes)) {
    Report("Read error");
    return false;
  }
  return ReadFromBytes(std::move(bytes));
}

bool CDib::ReadFromBytes(std::string bytes) {
  Reset();
  if (bytes.size() < kFileHeaderSize + kCoreHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
    Report("Invalid bitmap file");
    return false;
  }
  const uint32_t headerSize = Le32(bytes, kFileHeaderSize);
  if (headerSize == kCoreHeaderSize) {
    width_ = Le16(bytes, kFileHeaderSize + 4);
    height_ = Le16(bytes, kFileHeaderSize + 6);
    bitCount_ = Le16(bytes, kFileHeaderSize + 10);
  } else if (headerSize >= 40 && bytes.size() >= kFileHeaderSize + 16) {
    width_ = static_cast<int32_t>(Le32(bytes, kFileHeaderSize + 4));
    height_ = static_cast<int32_t>(Le32(bytes, kFileHeaderSize + 8));
    if (height_ < 0) height_ = -height_;  // top-down bitmap
    bitCount_ = Le16(bytes, kFileHeaderSize + 14);
  } else {
    Report("Invalid bitmap file");
    return false;
  }
  const uint32_t dataOffset = Le32(bytes, 10);
  if (width_ <= 0 || height_ <= 0 || dataOffset >= bytes.size()) {
    Report("Invalid bitmap file");
    width_ = height_ = bitCount_ = 0;
    return false;
  }
  bytes_ = std::move(bytes);
  return true;
}

const QImage& CDib::Image() const {
  if (image_.isNull() && IsValid()) {
    image_ = QImage::fromData(reinterpret_cast<const uchar*>(bytes_.data()),
                              static_cast<int>(bytes_.size()), "BMP");
  }
  return image_;
}

void CDib::Draw(QPainter& painter, int x, int y) const {
  if (!Image().isNull()) painter.drawImage(x, y, Image());
}

void CDib::DrawStretched(QPainter& painter, const QRect& target) const {
  if (!Image().isNull()) painter.drawImage(target, Image());
}

std::string CDib::ToArchive() const {
  std::string out;
  const uint32_t n = static_cast<uint32_t>(bytes_.size());
  out.push_back(static_cast<char>(kArchiveMark & 0xFF));
  out.push_back(static_cast<char>(kArchiveMark >> 8));
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
  return out + bytes_;
}

bool CDib::FromArchive(std::string_view record) {
  Reset();
  const std::string head(record.substr(0, 6));
  if (head.size() < 6 || Le16(head, 0) != kArchiveMark || record.size() - 6 < Le32(head, 2)) {
    Report("Invalid DIB archive");
    return false;
  }
  return ReadFromBytes(std::string(record.substr(6, Le32(head, 2))));
}

std::string ImageFileOfSubject(const std::string& storedName, const std::string& projectDirectory) {
  if (storedName.empty()) return "";
  const std::string path = IsAbsolutePath(storedName) || projectDirectory.empty()
                               ? storedName
                               : JoinPath(projectDirectory, storedName);
  const std::string extension = AsciiUpper(ExtensionPart(path));
  if (extension == "BMP" || extension == "DIB" || extension == ".BMP" || extension == ".DIB") {
    const std::string resolved = ResolvePath(path);
    return FileExists(resolved) ? resolved : "";
  }
  for (const char* replacement : {"BMP", "DIB"}) {
    const std::string resolved = ResolvePath(ReplaceExtension(path, replacement));
    if (FileExists(resolved)) return resolved;
  }
  return "";
}

}  // namespace veldor::ui
