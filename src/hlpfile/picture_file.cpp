#include "hlpfile/picture_file.h"

#include "hlpfile/context_hash.h"
#include "hlpfile/hlp_limits.h"
#include "hlpfile/lz77.h"
#include "hlpfile/system_file.h"
#include "platform/codepage.h"

namespace veldor::hlp {

namespace {
constexpr uint16_t kBitmapMagic = 0x506C;   // "lP"
constexpr uint16_t kHotspotMagic = 0x706C;  // "lp"
enum PictureType : uint8_t { kDdb = 5, kDib = 6, kMetafile = 8 };
constexpr std::size_t kHotspotRecordSize = 15;

std::string Unpack(Bytes packed, uint8_t method, std::size_t size) {
  std::string out;
  switch (method) {
    case 0:
      out.assign(reinterpret_cast<const char*>(packed.data), std::min(packed.size, size));
      break;
    case 1:
      ExpandRunLength(packed, size, out);
      break;
    case 2:
      ExpandLz77(packed, size, out);
      break;
    case 3: {
      std::string lz;
      ExpandLz77(packed, 4 * size + 1024, lz);
      ExpandRunLength(Bytes(lz), size, out);
      break;
    }
    default:
      Fail("Compression d'image inconnue.");
  }
  out.resize(size, '\0');  // short data leaves the rest of the picture blank
  return out;
}

HelpLink HotspotLink(uint8_t kind, const std::string& target) {
  HelpLink link;
  link.plain = kind & 4;
  if (kind == 0xC8 || kind == 0xCC) {
    link.kind = LinkKind::Macro;
    link.macro = Cp1252ToUtf8(target);
    return link;
  }
  link.kind = (kind & 1) ? LinkKind::Jump : LinkKind::Popup;
  std::string context = target;
  if (const auto window = context.find('>'); window != std::string::npos) {
    link.window = Cp1252ToUtf8(context.substr(window + 1));
    context.resize(window);
  }
  if (const auto file = context.find('@'); file != std::string::npos) {
    link.file = Cp1252ToUtf8(context.substr(file + 1));
    context.resize(file);
  }
  link.hash = ContextHash(context);
  return link;
}

std::vector<HotSpot> ReadHotspots(Bytes data) {
  ByteReader reader(data, "zones sensibles");
  reader.U8();
  const uint16_t count = reader.U16();
  const uint32_t macroSize = reader.U32();
  if (count > kMaxHotspots) Fail("Trop de zones sensibles.");
  const Bytes records = reader.Take(std::size_t{count} * kHotspotRecordSize);
  reader.Skip(macroSize);
  std::vector<HotSpot> result;
  for (uint16_t i = 0; i < count; ++i) {
    const Bytes r = records.Sub(i * kHotspotRecordSize, kHotspotRecordSize, "zone sensible");
    reader.StringZ();  // the hot spot's name
    const std::string target = reader.StringZ();
    HotSpot spot;
    spot.x = r.U16(3, "zone sensible");
    spot.y = r.U16(5, "zone sensible");
    spot.width = r.U16(7, "zone sensible");
    spot.height = r.U16(9, "zone sensible");
    spot.link = HotspotLink(r.data[0], target);
    result.push_back(std::move(spot));
  }
  return result;
}
}  // namespace

HelpPicture DecodePicture(Bytes picture) {
  const uint16_t magic = picture.U16(0, "image");
  if (magic != kBitmapMagic && magic != kHotspotMagic) Fail("Image invalide.");
  const uint16_t formats = picture.U16(2, "image");
  if (formats == 0 || formats > kMaxPictureFormats) Fail("Nombre de formats d'image invalide.");
  const uint32_t start = picture.U32(4, "image");
  const Bytes format = picture.From(start, "image");
  ByteReader reader(format, "image");
  const uint8_t type = reader.U8();
  const uint8_t packing = reader.U8();
  HelpPicture result;
  if (type == kMetafile) {
    reader.CompressedU16();  // mapping mode
    result.width = reader.U16();
    result.height = reader.U16();
    reader.CompressedU32();
    reader.CompressedU32();
    const uint32_t hotspotSize = reader.CompressedU32();
    reader.U32();
    const uint32_t hotspotOffset = reader.U32();
    if (hotspotSize && hotspotOffset) {
      result.hotspots = ReadHotspots(format.Sub(hotspotOffset, hotspotSize, "zones sensibles"));
    }
    result.metafile = true;
    return result;
  }
  if (type != kDdb && type != kDib) Fail("Type d'image inconnu.");
  reader.CompressedU32();  // resolution
  reader.CompressedU32();
  const uint16_t planes = reader.CompressedU16();
  const uint16_t bitCount = reader.CompressedU16();
  const uint32_t width = reader.CompressedU32();
  const uint32_t height = reader.CompressedU32();
  uint32_t colours = reader.CompressedU32();
  reader.CompressedU32();  // important colours
  const uint32_t packedSize = reader.CompressedU32();
  const uint32_t hotspotSize = reader.CompressedU32();
  const uint32_t dataOffset = reader.U32();
  const uint32_t hotspotOffset = reader.U32();
  if (width == 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide) {
    Fail("Dimensions d'image invalides.");
  }
  if (planes != 1 ||
      (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)) {
    Fail("Format de bitmap non pris en charge.");
  }
  std::vector<uint32_t> palette;
  if (bitCount <= 8) {
    if (colours == 0 || colours > (1u << bitCount)) colours = 1u << bitCount;
    if (type == kDib) {
      for (uint32_t i = 0; i < colours; ++i) {
        const Bytes q = reader.Take(4);
        palette.push_back(0xFF000000u | (q.data[2] << 16) | (q.data[1] << 8) | q.data[0]);
      }
    } else {
      palette = {0xFF000000u, 0xFFFFFFFFu};
      palette.resize(colours, 0xFFFFFFFFu);
    }
  }
  const std::size_t stride = ((std::size_t{width} * bitCount + 31) / 32) * 4;
  const std::string bits =
      Unpack(format.Sub(dataOffset, packedSize, "image"), packing, stride * height);
  result.width = static_cast<int>(width);
  result.height = static_cast<int>(height);
  result.pixels.resize(std::size_t{width} * height);
  for (uint32_t y = 0; y < height; ++y) {
    // Rows are stored bottom-up.
    const auto* row = reinterpret_cast<const uint8_t*>(bits.data()) + (height - 1 - y) * stride;
    uint32_t* out = result.pixels.data() + std::size_t{y} * width;
    for (uint32_t x = 0; x < width; ++x) {
      uint32_t value;
      switch (bitCount) {
        case 1:
          value = palette[(row[x / 8] >> (7 - x % 8)) & 1];
          break;
        case 4:
          value = palette[std::min<std::size_t>((row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F,
                                                palette.size() - 1)];
          break;
        case 8:
          value = palette[std::min<std::size_t>(row[x], palette.size() - 1)];
          break;
        case 24:
          value = 0xFF000000u | (row[3 * x + 2] << 16) | (row[3 * x + 1] << 8) | row[3 * x];
          break;
        default:
          value = 0xFF000000u | (row[4 * x + 2] << 16) | (row[4 * x + 1] << 8) | row[4 * x];
          break;
      }
      out[x] = value;
    }
  }
  if (hotspotSize && hotspotOffset) {
    result.hotspots = ReadHotspots(format.Sub(hotspotOffset, hotspotSize, "zones sensibles"));
  }
  return result;
}

}  // namespace veldor::hlp
