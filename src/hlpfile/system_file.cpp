#include "hlpfile/system_file.h"

#include <cstring>

#include "hlpfile/hlp_limits.h"
#include "platform/codepage.h"

namespace veldor::hlp {

namespace {
constexpr uint16_t kSystemMagic = 0x036C;
constexpr int kMinorOfFirstSupported = 17;

enum SystemRecord : uint16_t {
  kTitle = 1,
  kCopyright = 2,
  kContents = 3,
  kConfigMacro = 4,
  kWindow = 6,
  kCitation = 8,
};

// Window definition flags.
enum : uint16_t {
  kWinType = 0x0001,
  kWinName = 0x0002,
  kWinCaption = 0x0004,
  kWinX = 0x0008,
  kWinY = 0x0010,
  kWinWidth = 0x0020,
  kWinHeight = 0x0040,
  kWinMaximize = 0x0080,
  kWinRgb = 0x0100,
  kWinRgbNsr = 0x0200,
  kWinOnTop = 0x0400,
};
constexpr std::size_t kWindowRecordSize = 90;

std::string FixedText(Bytes record, std::size_t at, std::size_t length) {
  return RecordText(record.Sub(at, length, "fenêtre"));
}

uint32_t Colour(Bytes record, std::size_t at) {
  return record.U32(at, "fenêtre") & 0x00FFFFFF;
}

HelpWindow ReadWindow(Bytes record) {
  if (record.size < kWindowRecordSize) Fail("Définition de fenêtre tronquée.");
  HelpWindow window;
  const uint16_t flags = record.U16(0, "fenêtre");
  if (flags & kWinType) window.type = FixedText(record, 2, 10);
  if (flags & kWinName) window.name = FixedText(record, 12, 9);
  if (flags & kWinCaption) window.caption = FixedText(record, 21, 51);
  if (flags & kWinX) window.x = record.U16(72, "fenêtre");
  if (flags & kWinY) window.y = record.U16(74, "fenêtre");
  if (flags & kWinWidth) window.width = record.U16(76, "fenêtre");
  if (flags & kWinHeight) window.height = record.U16(78, "fenêtre");
  window.maximize = (flags & kWinMaximize) && (record.U16(80, "fenêtre") & 1);
  if (flags & kWinRgb) window.background = Colour(record, 82);
  if (flags & kWinRgbNsr) window.nonScrollBackground = Colour(record, 86);
  window.onTop = flags & kWinOnTop;
  return window;
}
}  // namespace

std::string RecordText(Bytes bytes) {
  const void* nul = bytes.size ? std::memchr(bytes.data, 0, bytes.size) : nullptr;
  const std::size_t length =
      nul ? static_cast<std::size_t>(static_cast<const uint8_t*>(nul) - bytes.data) : bytes.size;
  return Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data), length));
}

SystemInfo ReadSystem(Bytes system, HelpDocument& document) {
  ByteReader reader(system, "|SYSTEM");
  const uint16_t magic = reader.U16();
  const uint16_t minor = reader.U16();
  const uint16_t major = reader.U16();
  reader.U32();  // generation date
  const uint16_t flags = reader.U16();
  if (magic != kSystemMagic || major != 1) Fail("En-tête |SYSTEM invalide.");
  if (minor < kMinorOfFirstSupported) {
    Fail("Les fichiers d'aide de Windows 3.0 ne sont pas pris en charge.");
  }
  SystemInfo info;
  info.minor = minor;
  info.compressed = flags == 4 || flags == 8;
  info.topicBlockSize = flags == 8 ? 2048 : 4096;
  document.minorVersion = minor;
  document.compressed = info.compressed;
  while (reader.Remaining() >= 4) {
    const uint16_t type = reader.U16();
    const uint16_t size = reader.U16();
    const Bytes data = reader.Take(size);
    switch (type) {
      case kTitle:
        document.title = RecordText(data);
        break;
      case kCopyright:
        document.copyright = RecordText(data);
        break;
      case kContents:
        document.contents = data.U32(0, "|SYSTEM");
        break;
      case kConfigMacro:
        document.macros.push_back(RecordText(data));
        break;
      case kWindow:
        if (document.windows.size() >= kMaxWindows) Fail("Trop de définitions de fenêtres.");
        document.windows.push_back(ReadWindow(data));
        break;
      case kCitation:
        document.citation = RecordText(data);
        break;
      default:
        break;  // icon, language, character set: not used by the viewer
    }
  }
  for (HelpWindow& window : document.windows) {
    if (window.caption.empty()) window.caption = document.title;
  }
  return info;
}

}  // namespace veldor::hlp
