#include "winhelp/hlp_test_reader.h"

#include <cstring>

namespace veldor::winhelp::testing {

namespace {

uint16_t U16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t U32(const uint8_t* p) {
  return U16(p) | (static_cast<uint32_t>(U16(p + 2)) << 16);
}

// The compressed numbers of the paragraph records.
int32_t CompressedLong(const uint8_t*& p) {
  if (p[0] & 1) {
    const int32_t v = static_cast<int32_t>(U32(p) >> 1) - 0x40000000;
    p += 4;
    return v;
  }
  const int32_t v = static_cast<int32_t>(U16(p) >> 1) - 0x4000;
  p += 2;
  return v;
}
uint16_t CompressedUShort(const uint8_t*& p) {
  if (p[0] & 1) {
    const uint16_t v = U16(p) >> 1;
    p += 2;
    return v;
  }
  return static_cast<uint16_t>(*p++ >> 1);
}
int16_t CompressedShort(const uint8_t*& p) {
  if (p[0] & 1) {
    const int v = (U16(p) >> 1) - 0x4000;
    p += 2;
    return static_cast<int16_t>(v);
  }
  return static_cast<int16_t>((*p++ >> 1) - 0x40);
}

}  // namespace

std::vector<uint8_t> Lz77Decode(const uint8_t* p, const uint8_t* end, size_t limit) {
  std::vector<uint8_t> out;
  while (p < end && out.size() < limit) {
    const uint8_t flags = *p++;
    for (int bit = 0; bit < 8 && p < end && out.size() < limit; ++bit) {
      if (flags & (1 << bit)) {
        if (end - p < 2) return out;
        const uint16_t code = U16(p);
        p += 2;
        const size_t distance = (code & 0x0FFF) + 1;
        const size_t length = (code >> 12) + 3;
        if (distance > out.size()) return out;
        for (size_t i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
      } else {
        out.push_back(*p++);
      }
    }
  }
  return out;
}

int32_t ReferenceHash(const std::string& context) {
  int32_t hash = 0;
  for (const char c : context) {
    int x = 0;
    if (c >= 'A' && c <= 'Z') x = c - 'A' + 17;
    if (c >= 'a' && c <= 'z') x = c - 'a' + 17;
    if (c >= '1' && c <= '9') x = c - '0';
    if (c == '0') x = 10;
    if (c == '.') x = 12;
    if (c == '_') x = 13;
    if (x != 0)
      hash = static_cast<int32_t>(static_cast<uint32_t>(hash) * 43u + static_cast<uint32_t>(x));
  }
  return hash;
}

std::vector<std::string> HlpTestReader::FileNames() const {
  std::vector<std::string> names;
  for (const auto& [name, offset] : directory_) names.push_back(name);
  return names;
}

std::optional<std::vector<uint8_t>> HlpTestReader::InternalFile(const std::string& name) const {
  const auto it = directory_.find(name);
  if (it == directory_.end()) return std::nullopt;
  const uint32_t at = it->second;
  if (at + 9 > file_.size()) return std::nullopt;
  const uint32_t used = U32(&file_[at + 4]);
  if (U32(&file_[at]) != used + 9 || at + 9 + used > file_.size()) return std::nullopt;
  return std::vector<uint8_t>(file_.begin() + at + 9, file_.begin() + at + 9 + used);
}

bool HlpTestReader::WalkTree(
    const std::vector<uint8_t>& tree, const std::string& what,
    const std::function<bool(const uint8_t*, const uint8_t*, const uint8_t**)>& entry) {
  if (tree.size() < 38 || U16(tree.data()) != 0x293B) return Fail(what + ": not a B+ tree");
  const size_t pageSize = U16(&tree[4]);
  const uint16_t totalPages = U16(&tree[30]);
  int levels = U16(&tree[32]);
  const uint32_t total = U32(&tree[34]);
  if (tree.size() != 38 + pageSize * totalPages) return Fail(what + ": wrong tree size");
  const uint8_t* pages = tree.data() + 38;
  uint16_t page = U16(&tree[26]);
  while (--levels > 0) {
    if (page >= totalPages) return Fail(what + ": index page out of range");
    page = U16(pages + page * pageSize + 4);
  }
  uint32_t seen = 0;
  int guard = 0;
  while (page != 0xFFFF) {
    if (page >= totalPages || ++guard > totalPages) return Fail(what + ": bad leaf chain");
    const uint8_t* p = pages + page * pageSize;
    const uint8_t* end = p + pageSize;
    const int entries = static_cast<int16_t>(U16(p + 2));
    const uint8_t* q = p + 8;
    for (int i = 0; i < entries; ++i) {
      const uint8_t* next = nullptr;
      if (!entry(q, end, &next) || next > end) return Fail(what + ": bad leaf entry");
      q = next;
      ++seen;
    }
    page = U16(p + 6);
  }
  if (seen != total) return Fail(what + ": entry count differs from the header");
  return true;
}

bool HlpTestReader::ReadDirectory() {
  const uint32_t start = U32(&file_[4]);
  if (start + 9 > file_.size()) return Fail("directory out of the file");
  const uint32_t used = U32(&file_[start + 4]);
  if (start + 9 + used > file_.size()) return Fail("directory too long");
  const std::vector<uint8_t> tree(file_.begin() + start + 9, file_.begin() + start + 9 + used);
  std::string previous;
  return WalkTree(tree, "directory",
                  [&](const uint8_t* p, const uint8_t* end, const uint8_t** next) {
                    const size_t length = strnlen(reinterpret_cast<const char*>(p), end - p);
                    if (p + length + 5 > end) return false;
                    std::string name(reinterpret_cast<const char*>(p), length);
                    if (!previous.empty() && !(previous < name)) return false;
                    previous = name;
                    directory_[name] = U32(p + length + 1);
                    *next = p + length + 5;
                    return true;
                  });
}

bool HlpTestReader::ReadSystem() {
  const auto system = InternalFile("|SYSTEM");
  if (!system || system->size() < 12) return Fail("no |SYSTEM");
  const uint8_t* p = system->data();
  if (U16(p) != 0x036C || U16(p + 4) != 1) return Fail("bad |SYSTEM header");
  minor = U16(p + 2);
  flags = U16(p + 10);
  size_t at = 12;
  while (at + 4 <= system->size()) {
    const uint16_t type = U16(p + at);
    const uint16_t size = U16(p + at + 2);
    if (at + 4 + size > system->size()) return Fail("|SYSTEM record too long");
    const uint8_t* data = p + at + 4;
    const std::string text(reinterpret_cast<const char*>(data),
                           strnlen(reinterpret_cast<const char*>(data), size));
    switch (type) {
      case 1:
        title = text;
        break;
      case 2:
        copyright = text;
        break;
      case 3:
        if (size != 4) return Fail("contents record size");
        contents = U32(data);
        break;
      case 4:
        configMacros.push_back(text);
        break;
      case 6: {
        if (size != 90) return Fail("window record size");
        ReadWindow window;
        window.flags = U16(data);
        window.name = reinterpret_cast<const char*>(data + 12);
        window.caption = reinterpret_cast<const char*>(data + 21);
        window.x = static_cast<int16_t>(U16(data + 72));
        window.y = static_cast<int16_t>(U16(data + 74));
        window.width = static_cast<int16_t>(U16(data + 76));
        window.height = static_cast<int16_t>(U16(data + 78));
        windows.push_back(window);
        break;
      }
      default:
        break;
    }
    at += 4 + size;
  }
  if (at != system->size()) return Fail("|SYSTEM has trailing bytes");
  return true;
}

bool HlpTestReader::ReadFonts() {
  const auto font = InternalFile("|FONT");
  if (!font || font->size() < 8) return Fail("no |FONT");
  const uint8_t* p = font->data();
  const uint16_t faces = U16(p), descriptors = U16(p + 2);
  const uint16_t faceOffset = U16(p + 4), descriptorOffset = U16(p + 6);
  if (faces == 0 || descriptorOffset < faceOffset) return Fail("bad |FONT header");
  const size_t faceSize = (descriptorOffset - faceOffset) / faces;
  if (descriptorOffset + descriptors * 11u > font->size()) return Fail("|FONT too short");
  for (int i = 0; i < descriptors; ++i) {
    const uint8_t* d = p + descriptorOffset + i * 11;
    ReadFont f;
    f.attributes = d[0];
    f.halfPoints = d[1];
    f.family = d[2];
    const uint16_t face = U16(d + 3);
    if (face >= faces) return Fail("font face out of range");
    const char* name = reinterpret_cast<const char*>(p + faceOffset + face * faceSize);
    f.face.assign(name, strnlen(name, faceSize));
    f.red = d[5];
    f.green = d[6];
    f.blue = d[7];
    fonts.push_back(f);
  }
  return true;
}

bool HlpTestReader::ParseParagraph(const uint8_t* link, size_t size, ReadParagraph& paragraph) {
  const uint32_t dataLen1 = U32(link + 16);
  const uint32_t dataLen2 = U32(link + 4);
  if (dataLen1 > size || U32(link) - dataLen1 != dataLen2) return Fail("bad paragraph sizes");
  const uint8_t* p = link + 21;
  const uint8_t* end1 = link + dataLen1;
  const char* text = reinterpret_cast<const char*>(link + dataLen1);
  const char* end2 = text + dataLen2;
  CompressedLong(p);
  CompressedUShort(p);
  if (link[20] != 0x23) {
    if (!ParseFormatting(p, end1, text, end2, paragraph)) return false;
  } else {
    // A table row: columns, then each cell's formatting until column -1.
    paragraph.columns = *p++;
    const uint8_t type = *p++;
    if (type == 0 || type == 2) p += 2;
    p += 4 * paragraph.columns;
    while (true) {
      if (p + 2 > end1) return Fail("table row has no end");
      const int16_t column = static_cast<int16_t>(U16(p));
      if (column == -1) {
        p += 2;
        break;
      }
      if (column < 0 || column >= paragraph.columns) return Fail("cell out of the row");
      p += 5;
      if (!ParseFormatting(p, end1, text, end2, paragraph)) return false;
      paragraph.text += '|';
    }
  }
  if (p != end1) return Fail("formatting continues after its end");
  if (text != end2) return Fail("text continues after the formatting end");
  return true;
}

bool HlpTestReader::ParseFormatting(const uint8_t*& p, const uint8_t* end1, const char*& text,
                                    const char* end2, ReadParagraph& paragraph) {
  p += 4;
  const uint16_t bits = U16(p);
  p += 2;
  paragraph.attributes = bits;
  if (bits & 0x0001) CompressedLong(p);
  for (uint16_t bit = 0x0002; bit <= 0x0040; bit <<= 1) {
    if (bits & bit) CompressedShort(p);
  }
  if (bits & 0x0100) p += 3;
  if (bits & 0x0200) {
    const int tabs = CompressedShort(p);
    for (int i = 0; i < tabs; ++i) {
      if (CompressedUShort(p) & 0x4000) CompressedUShort(p);
    }
  }
  while (true) {
    if (text >= end2) return Fail("paragraph text ends before its formatting");
    const size_t length = strnlen(text, end2 - text);
    paragraph.text.append(text, length);
    text += length + 1;
    if (p >= end1) return Fail("paragraph formatting has no end");
    const uint8_t command = *p++;
    if (command == 0xFF) break;
    switch (command) {
      case 0x80:
        paragraph.fonts.push_back(U16(p));
        p += 2;
        break;
      case 0x81:
        paragraph.text += '\n';
        break;
      case 0x82:
        paragraph.text += '\n';
        break;
      case 0x83:
        paragraph.text += '\t';
        break;
      case 0x89:
      case 0x8B:
      case 0x8C:
        break;
      case 0x86:
      case 0x87:
      case 0x88: {
        const uint8_t type = *p++;
        const int32_t pictureSize = CompressedLong(p);
        if (type == 0x22) CompressedUShort(p);
        if (U16(p) == 0) paragraph.pictures.push_back(U16(p + 2));
        p += pictureSize;
        break;
      }
      case 0xC8:
      case 0xCC: {
        const uint16_t length = U16(p);
        ReadHotSpot hot;
        hot.code = command;
        hot.macro = reinterpret_cast<const char*>(p + 2);
        paragraph.hotSpots.push_back(hot);
        p += 2 + length;
        break;
      }
      case 0xE2:
      case 0xE3:
      case 0xE6:
      case 0xE7: {
        ReadHotSpot hot;
        hot.code = command;
        hot.hash = U32(p);
        paragraph.hotSpots.push_back(hot);
        p += 4;
        break;
      }
      case 0xEA:
      case 0xEB:
      case 0xEE:
      case 0xEF: {
        const uint16_t length = U16(p);
        ReadHotSpot hot;
        hot.code = command;
        hot.hash = U32(p + 3);
        if (p[2] == 1) hot.window = p[7];
        paragraph.hotSpots.push_back(hot);
        p += 2 + length;
        break;
      }
      default:
        return Fail("unknown formatting command " + std::to_string(command));
    }
  }
  return true;
}

bool HlpTestReader::ReadTopics() {
  const auto topic = InternalFile("|TOPIC");
  if (!topic) return Fail("no |TOPIC");
  if (topic->size() % 4096 != 0) return Fail("|TOPIC is not made of whole blocks");
  const bool compressed = flags == 4;
  std::vector<uint8_t> stream;
  std::vector<size_t> base;
  for (size_t at = 0; at < topic->size(); at += 4096) {
    base.push_back(stream.size());
    const uint8_t* data = topic->data() + at + 12;
    std::vector<uint8_t> block = compressed ? Lz77Decode(data, topic->data() + at + 4096, 0x4000)
                                            : std::vector<uint8_t>(data, topic->data() + at + 4096);
    stream.insert(stream.end(), block.begin(), block.end());
  }
  uint32_t position = 12;
  uint32_t lastBlock = 0xFFFFFFFF;
  uint32_t characters = 0;
  uint32_t previous = 0xFFFFFFFF;
  for (int guard = 0; position != 0xFFFFFFFF; ++guard) {
    if (guard > 10000000) return Fail("topic chain does not end");
    const uint32_t block = (position - 12) / 0x4000;
    const uint32_t offset = (position - 12) % 0x4000;
    if (block >= base.size()) return Fail("topic position out of range");
    if (block != lastBlock) {
      lastBlock = block;
      characters = 0;
    }
    const size_t at = base[block] + offset;
    if (at + 21 > stream.size()) return Fail("topic link out of the stream");
    const uint8_t* link = stream.data() + at;
    const uint32_t size = U32(link);
    if (at + size > stream.size()) return Fail("topic link too long");
    if (U32(link + 8) != previous) return Fail("previous-link position is wrong");
    const uint8_t type = link[20];
    if (type == 2) {
      ReadTopic t;
      t.position = position;
      t.offset = block * 0x8000 + characters;
      t.browseBack = U32(link + 25);
      t.browseForward = U32(link + 29);
      t.nonScroll = U32(link + 37);
      t.scroll = U32(link + 41);
      const uint32_t dataLen1 = U32(link + 16);
      const char* text = reinterpret_cast<const char*>(link + dataLen1);
      const char* end = text + U32(link + 4);
      bool first = true;
      while (text < end) {
        const size_t length = strnlen(text, end - text);
        (first ? t.title : t.macros.emplace_back()) = std::string(text, length);
        first = false;
        text += length + 1;
      }
      topics.push_back(t);
    } else if (type == 0x20 || type == 0x23) {
      if (topics.empty()) return Fail("paragraph before the first topic");
      const uint8_t* p = link + 21;
      CompressedLong(p);
      characters += CompressedUShort(p);
      ReadParagraph paragraph;
      if (!ParseParagraph(link, size, paragraph)) return false;
      ReadTopic& current = topics.back();
      paragraph.nonScrolling = current.nonScroll != 0xFFFFFFFF && position != current.scroll &&
                               (current.scroll == 0xFFFFFFFF || position < current.scroll);
      current.paragraphs.push_back(paragraph);
    } else {
      return Fail("unknown topic link type " + std::to_string(type));
    }
    previous = position;
    position = U32(link + 12);
  }
  return true;
}

void HlpTestReader::ReadIndexes() {
  if (const auto context = InternalFile("|CONTEXT")) {
    WalkTree(*context, "|CONTEXT", [&](const uint8_t* p, const uint8_t* end, const uint8_t** next) {
      if (p + 8 > end) return false;
      const auto hash = static_cast<int32_t>(U32(p));
      if (!contextIndex.empty() && contextIndex.rbegin()->first >= hash) return false;
      contextIndex[hash] = U32(p + 4);
      *next = p + 8;
      return true;
    });
  }
  if (const auto titles = InternalFile("|TTLBTREE")) {
    WalkTree(*titles, "|TTLBTREE", [&](const uint8_t* p, const uint8_t* end, const uint8_t** next) {
      const size_t length = strnlen(reinterpret_cast<const char*>(p + 4), end - p - 4);
      titleIndex.emplace_back(U32(p), std::string(reinterpret_cast<const char*>(p + 4), length));
      *next = p + 5 + length;
      return true;
    });
  }
  for (const auto& [prefix, target] :
       {std::pair<std::string, std::map<std::string, std::vector<uint32_t>>*>{"|KW", &keywords},
        {"|AW", &aKeywords}}) {
    const auto tree = InternalFile(prefix + "BTREE");
    const auto data = InternalFile(prefix + "DATA");
    if (!tree || !data) continue;
    auto* out = target;
    WalkTree(*tree, prefix + "BTREE",
             [&](const uint8_t* p, const uint8_t* end, const uint8_t** next) {
               const size_t length = strnlen(reinterpret_cast<const char*>(p), end - p);
               const uint16_t count = U16(p + length + 1);
               const uint32_t at = U32(p + length + 3);
               if (at + count * 4u > data->size()) return false;
               std::vector<uint32_t>& offsets =
                   (*out)[std::string(reinterpret_cast<const char*>(p), length)];
               for (int i = 0; i < count; ++i) offsets.push_back(U32(data->data() + at + i * 4));
               *next = p + length + 7;
               return true;
             });
  }
  if (const auto map = InternalFile("|CTXOMAP")) {
    const uint16_t count = U16(map->data());
    for (int i = 0; i < count && 2 + i * 8 + 8 <= static_cast<int>(map->size()); ++i) {
      contextMap[U32(map->data() + 2 + i * 8)] = U32(map->data() + 6 + i * 8);
    }
  }
}

bool HlpTestReader::Load(const std::vector<uint8_t>& file) {
  file_ = file;
  if (file_.size() < 16 || U32(file_.data()) != 0x00035F3F) return Fail("not a help file");
  if (U32(&file_[12]) != file_.size()) return Fail("file size in the header is wrong");
  if (!ReadDirectory() || !ReadSystem() || !ReadFonts() || !ReadTopics()) return false;
  ReadIndexes();
  return error_.empty();
}

int HlpTestReader::TopicAtOffset(uint32_t offset) const {
  for (size_t i = 0; i < topics.size(); ++i) {
    if (topics[i].offset == offset) return static_cast<int>(i);
  }
  return -1;
}

int HlpTestReader::TopicOfContext(const std::string& context) const {
  const auto it = contextIndex.find(ReferenceHash(context));
  return it == contextIndex.end() ? -1 : TopicAtOffset(it->second);
}

}  // namespace veldor::winhelp::testing
