#include "hlp_builder.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "hlpfile/context_hash.h"

namespace veldor::hlptest {

namespace {

void U8(std::string& out, unsigned v) {
  out.push_back(static_cast<char>(v & 0xFF));
}
void U16(std::string& out, unsigned v) {
  U8(out, v);
  U8(out, v >> 8);
}
void U32(std::string& out, uint32_t v) {
  U16(out, v & 0xFFFF);
  U16(out, v >> 16);
}
void SetU32(std::string& out, std::size_t at, uint32_t v) {
  std::string tmp;
  U32(tmp, v);
  out.replace(at, 4, tmp);
}
// Compressed integers.
void CU16(std::string& out, unsigned v) {
  if (v < 128) {
    U8(out, v * 2);
  } else {
    U8(out, (v % 128) * 2 + 1);
    U8(out, v / 128);
  }
}
void CS16(std::string& out, int v) {
  if (v >= -64 && v < 64) {
    U8(out, static_cast<unsigned>(v + 64) * 2);
  } else {
    const unsigned u = static_cast<unsigned>(v + 16384);
    U8(out, (u % 128) * 2 + 1);
    U8(out, u / 128);
  }
}
void CU32(std::string& out, uint32_t v) {
  if (v < 32768) {
    U16(out, v * 2);
  } else {
    U16(out, (v % 32768) * 2 + 1);
    U16(out, v / 32768);
  }
}
void CS32(std::string& out, int32_t v) {
  CU32(out, static_cast<uint32_t>(v + 16384));
}

std::string Padded(const std::string& s, std::size_t n) {
  std::string out = s.substr(0, n - 1);
  out.resize(n, '\0');
  return out;
}

// A B+ tree of one or two levels.
std::string Btree(const std::vector<std::pair<std::string, std::string>>& entries,
                  std::size_t pageSize, const char* structure) {
  std::vector<std::string> leaves;
  std::vector<std::string> firstKeys;
  std::string page;
  int count = 0;
  auto flush = [&]() {
    if (count == 0 && !leaves.empty()) return;
    std::string header;
    U16(header, static_cast<unsigned>(pageSize - 8 - page.size()));
    U16(header, count);
    U16(header, 0xFFFF);  // previous, patched below
    U16(header, 0xFFFF);  // next
    std::string full = header + page;
    full.resize(pageSize, '\0');
    leaves.push_back(full);
    page.clear();
    count = 0;
  };
  for (const auto& [key, value] : entries) {
    if (8 + page.size() + key.size() + value.size() > pageSize) flush();
    if (count == 0) firstKeys.push_back(key);
    page += key + value;
    ++count;
  }
  flush();
  if (firstKeys.size() < leaves.size()) firstKeys.push_back("");
  const std::size_t leafCount = leaves.size();
  for (std::size_t i = 0; i < leafCount; ++i) {
    std::string link;
    U16(link, i == 0 ? 0xFFFF : static_cast<unsigned>(i - 1));
    U16(link, i + 1 == leafCount ? 0xFFFF : static_cast<unsigned>(i + 1));
    leaves[i].replace(4, 4, link);
  }
  std::vector<std::string> pages = leaves;
  uint16_t root = 0;
  uint16_t levels = 1;
  if (leafCount > 1) {
    std::string index;
    for (std::size_t i = 1; i < leafCount; ++i) {
      index += firstKeys[i];
      U16(index, static_cast<unsigned>(i));
    }
    std::string header;
    U16(header, 0);
    U16(header, static_cast<unsigned>(leafCount - 1));
    U16(header, 0);  // first leaf
    std::string full = header + index;
    full.resize(std::max(full.size(), pageSize), '\0');
    full.resize(pageSize);
    pages.push_back(full);
    root = static_cast<uint16_t>(leafCount);
    levels = 2;
  }
  std::string out;
  U16(out, 0x293B);
  U16(out, 0x0002);
  U16(out, static_cast<unsigned>(pageSize));
  out += Padded(structure, 16);
  U16(out, 0);
  U16(out, 0);
  U16(out, root);
  U16(out, 0xFFFF);
  U16(out, static_cast<unsigned>(pages.size()));
  U16(out, levels);
  U32(out, static_cast<uint32_t>(entries.size()));
  for (const auto& p : pages) out += p;
  return out;
}

std::string Key32(uint32_t v) {
  std::string s;
  U32(s, v);
  return s;
}

// Phrase-compresses text: each occurrence of a phrase followed by a blank
// becomes an odd code, without the blank an even one.
std::string PhraseCompress(const std::string& text, const std::vector<std::string>& phrases) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    bool done = false;
    for (std::size_t p = 0; p < phrases.size() && !done; ++p) {
      const std::string& ph = phrases[p];
      if (ph.empty() || text.compare(i, ph.size(), ph) != 0) continue;
      unsigned code = 0x100 + 2 * static_cast<unsigned>(p);
      std::size_t used = ph.size();
      if (i + used < text.size() && text[i + used] == ' ') {
        code += 1;
        ++used;
      }
      U8(out, code >> 8);
      U8(out, code & 0xFF);
      i += used;
      done = true;
    }
    if (!done) {
      const auto c = static_cast<unsigned char>(text[i]);
      if (c >= 1 && c < 0x10)
        U8(out, ' ');  // such bytes would read as codes
      else
        out.push_back(text[i]);
      ++i;
    }
  }
  return out;
}

struct Record {
  uint8_t type = 0;
  std::string data1;  // after the 21-byte link header
  std::string text;   // uncompressed LinkData2
  std::string stored;
  uint32_t characters = 0;
  int topic = -1;
  bool isHeader = false;
  bool nonScrolling = false;
};

constexpr std::size_t kPlainBlockData = 4096 - 12;
// A compressed block holds exactly 16 KB of topic data: readers stop
// expanding there, and the zeros that fill the rest of the block are never
// read. The builder's texts are repetitive enough to fit.
constexpr std::size_t kPackedBlockData = 0x4000;

// The |bm layout of an 8x4 two-colour bitmap with one hot spot that jumps
// to `target`.
std::string Bitmap(const std::string& target) {
  // 8x4 pixels, 1 bit per pixel, rows of 4 bytes, bottom-up: the top row
  // is black, the others white. One jump hot spot over the whole picture.
  std::string bits;
  for (int row = 0; row < 4; ++row) {
    bits += row == 3 ? std::string("\x00\x00\x00\x00", 4) : std::string("\xFF\x00\x00\x00", 4);
  }
  std::string hot;
  U8(hot, 1);
  U16(hot, 1);
  U32(hot, 0);
  U8(hot, 0xE3);
  U8(hot, 0);
  U8(hot, 0);
  U16(hot, 0);
  U16(hot, 0);
  U16(hot, 8);
  U16(hot, 4);
  U32(hot, 0);
  hot += std::string("zone") + '\0';
  hot += target + '\0';
  std::string pic;
  U8(pic, 6);
  U8(pic, 0);
  CU32(pic, 96);
  CU32(pic, 96);
  CU16(pic, 1);
  CU16(pic, 1);
  CU32(pic, 8);
  CU32(pic, 4);
  CU32(pic, 2);
  CU32(pic, 0);
  CU32(pic, static_cast<uint32_t>(bits.size()));
  CU32(pic, static_cast<uint32_t>(hot.size()));
  const std::size_t fixups = pic.size();
  U32(pic, 0);
  U32(pic, 0);
  pic += std::string("\x00\x00\x00\x00\xFF\xFF\xFF\x00", 8);  // black, white
  SetU32(pic, fixups, static_cast<uint32_t>(pic.size()));
  pic += bits;
  SetU32(pic, fixups + 4, static_cast<uint32_t>(pic.size()));
  pic += hot;
  std::string bm;
  U16(bm, 0x506C);
  U16(bm, 1);
  U32(bm, 8);
  return bm + pic;
}

}  // namespace

Paragraph Text(const std::string& text) {
  Paragraph p;
  p.pieces.push_back(Plain(text));
  return p;
}

std::string CompressLz77(const std::string& data) {
  // Greedy matching over chains of earlier positions with the same first
  // three bytes, within the 4096-byte window.
  constexpr std::size_t kWindow = 4096;
  constexpr int kChain = 32;
  std::map<uint32_t, std::vector<std::size_t>> heads;
  auto key = [&](std::size_t i) {
    return static_cast<uint32_t>(static_cast<unsigned char>(data[i])) |
           (static_cast<uint32_t>(static_cast<unsigned char>(data[i + 1])) << 8) |
           (static_cast<uint32_t>(static_cast<unsigned char>(data[i + 2])) << 16);
  };
  auto remember = [&](std::size_t i) {
    if (i + 2 < data.size()) heads[key(i)].push_back(i);
  };
  std::string out;
  std::size_t i = 0;
  while (i < data.size()) {
    const std::size_t flagAt = out.size();
    out.push_back('\0');
    unsigned flags = 0;
    for (int bit = 0; bit < 8 && i < data.size(); ++bit) {
      std::size_t bestLength = 0, bestDistance = 0;
      if (i + 2 < data.size()) {
        auto it = heads.find(key(i));
        if (it != heads.end()) {
          const auto& chain = it->second;
          int tried = 0;
          for (auto c = chain.rbegin(); c != chain.rend() && tried < kChain; ++c, ++tried) {
            const std::size_t d = i - *c;
            if (d > kWindow) break;
            std::size_t length = 0;
            while (length < 18 && i + length < data.size() &&
                   data[i + length] == data[*c + length]) {
              ++length;
            }
            if (length > bestLength) {
              bestLength = length;
              bestDistance = d;
            }
          }
        }
      }
      if (bestLength >= 3) {
        flags |= 1u << bit;
        U16(out, static_cast<unsigned>(((bestLength - 3) << 12) | (bestDistance - 1)));
        for (std::size_t k = 0; k < bestLength; ++k) remember(i + k);
        i += bestLength;
      } else {
        remember(i);
        out.push_back(data[i++]);
      }
    }
    out[flagAt] = static_cast<char>(flags);
  }
  return out;
}

std::string BuildHelpFile(const HelpSpec& spec) {
  const bool phrases = !spec.phrases.empty();
  const std::string bitmap =
      Bitmap(spec.topics.empty() ? std::string() : spec.topics.back().context);
  // The records of every topic.
  std::vector<Record> records;
  for (std::size_t t = 0; t < spec.topics.size(); ++t) {
    const Topic& topic = spec.topics[t];
    Record header;
    header.type = 0x02;
    header.isHeader = true;
    header.topic = static_cast<int>(t);
    header.text = topic.title + '\0';
    for (const auto& m : topic.macros) header.text += m + '\0';
    records.push_back(header);
    for (std::size_t p = 0; p < topic.paragraphs.size(); ++p) {
      const Paragraph& para = topic.paragraphs[p];
      Record r;
      r.type = 0x20;
      r.topic = static_cast<int>(t);
      r.nonScrolling = topic.nonScrollingTitle && p == 0;
      std::string format;
      format += std::string("\x00\x80\x00\x00", 4);
      unsigned bits = 0;
      if (para.leftIndent) bits |= 0x0010;
      if (para.centered) bits |= 0x0800;
      U16(format, bits);
      if (para.leftIndent) CS16(format, para.leftIndent);
      // The text is a series of NUL-terminated strings, one before each
      // formatting command and one after the last; `text` always ends with
      // the terminator of the string being filled.
      std::string text(1, '\0');
      auto append = [&](const std::string& piece) {
        text.pop_back();
        text += piece + '\0';
      };
      auto command = [&](const std::string& bytes) {
        format += bytes;
        text += '\0';
      };
      command(std::string("\x80\x00\x00", 3));
      for (const Piece& piece : para.pieces) {
        if (piece.picture >= 0) {
          std::string data;
          if (piece.embedded) {
            U16(data, 1);
            data += bitmap;
          } else {
            U16(data, 0);
            U16(data, static_cast<unsigned>(piece.picture));
          }
          std::string cmd("\x86\x03", 2);
          CS32(cmd, static_cast<int32_t>(data.size()));
          command(cmd + data);
          continue;
        }
        const bool link = !piece.jump.empty() || !piece.popup.empty() || !piece.macro.empty();
        if (!link) {
          append(piece.text);
          continue;
        }
        std::string cmd;
        if (!piece.macro.empty()) {
          cmd += '\xC8';
          U16(cmd, static_cast<unsigned>(piece.macro.size() + 1));
          cmd += piece.macro + '\0';
        } else if (!piece.window.empty()) {
          cmd += '\xEB';
          std::string data;
          U8(data, 6);
          U32(data, hlp::ContextHash(piece.jump));
          data += piece.window + '\0';
          data += std::string() + '\0';
          U16(cmd, static_cast<unsigned>(data.size()));
          cmd += data;
        } else {
          cmd += piece.jump.empty() ? '\xE2' : '\xE3';
          U32(cmd, hlp::ContextHash(piece.jump.empty() ? piece.popup : piece.jump));
        }
        command(cmd);
        append(piece.text);
        command("\x89");
      }
      text.pop_back();  // the last string ends before the end-of-paragraph command
      text += '\0';
      command("\x82");
      format += '\xFF';
      std::string data1;
      CS32(data1, 0);
      CU16(data1, static_cast<unsigned>(text.size()));
      r.data1 = data1 + format;
      r.text = text;
      r.characters = static_cast<uint32_t>(text.size());
      records.push_back(r);
    }
  }
  for (Record& r : records) {
    r.stored = r.text;
    if (phrases) {
      std::string packed = PhraseCompress(r.text, spec.phrases);
      if (packed.size() < r.text.size()) r.stored = packed;
    }
    if (r.isHeader) {
      std::string d;
      for (int i = 0; i < 7; ++i) U32(d, 0);
      r.data1 = d;
    }
  }
  // Layout: linear positions, topic positions and offsets.
  const std::size_t perBlock = spec.compressBlocks ? kPackedBlockData : kPlainBlockData;
  std::vector<std::size_t> linear(records.size());
  std::vector<uint32_t> positions(records.size());
  std::vector<uint32_t> offsets(records.size());
  std::size_t at = 0;
  std::size_t block = static_cast<std::size_t>(-1);
  uint32_t characters = 0;
  auto posOf = [&](std::size_t l) {
    return static_cast<uint32_t>((l / perBlock) * 0x4000 + 12 + l % perBlock);
  };
  for (std::size_t i = 0; i < records.size(); ++i) {
    // A record never starts in the last bytes of a block.
    if (perBlock - at % perBlock < 32) at += perBlock - at % perBlock;
    linear[i] = at;
    positions[i] = posOf(at);
    const std::size_t b = at / perBlock;
    if (b != block) {
      block = b;
      characters = 0;
    }
    offsets[i] = static_cast<uint32_t>(b * 0x8000 + characters);
    characters += records[i].characters;
    at += 21 + records[i].data1.size() + records[i].stored.size();
  }
  std::vector<uint32_t> topicOffset(spec.topics.size());
  std::vector<std::size_t> topicRecord(spec.topics.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (records[i].isHeader) {
      topicOffset[records[i].topic] = offsets[i];
      topicRecord[records[i].topic] = i;
    }
  }
  // Browse sequence: topics with browse >= 0, in that order.
  std::vector<int> browse;
  for (std::size_t t = 0; t < spec.topics.size(); ++t) {
    if (spec.topics[t].browse >= 0) browse.push_back(static_cast<int>(t));
  }
  std::sort(browse.begin(), browse.end(),
            [&](int a, int b) { return spec.topics[a].browse < spec.topics[b].browse; });
  std::string stream(at, '\0');
  for (std::size_t i = 0; i < records.size(); ++i) {
    Record& r = records[i];
    if (r.isHeader) {
      const Topic& topic = spec.topics[r.topic];
      uint32_t prev = 0xFFFFFFFF, next = 0xFFFFFFFF;
      auto where = std::find(browse.begin(), browse.end(), r.topic);
      if (where != browse.end()) {
        if (where != browse.begin()) prev = topicOffset[*(where - 1)];
        if (where + 1 != browse.end()) next = topicOffset[*(where + 1)];
      }
      SetU32(r.data1, 4, prev);
      SetU32(r.data1, 8, next);
      SetU32(r.data1, 12, static_cast<uint32_t>(r.topic));
      uint32_t nonScroll = 0xFFFFFFFF, scroll = 0xFFFFFFFF;
      if (topic.nonScrollingTitle && i + 1 < records.size()) {
        nonScroll = positions[i + 1];
        scroll = i + 2 < records.size() ? positions[i + 2] : 0xFFFFFFFF;
      }
      SetU32(r.data1, 16, nonScroll);
      SetU32(r.data1, 20, scroll);
    }
    std::string link;
    const uint32_t size = static_cast<uint32_t>(21 + r.data1.size() + r.stored.size());
    U32(link, size);
    U32(link, static_cast<uint32_t>(r.text.size()));
    U32(link, i == 0 ? 0xFFFFFFFF : positions[i - 1]);
    U32(link, i + 1 == records.size() ? 0xFFFFFFFF : positions[i + 1]);
    U32(link, static_cast<uint32_t>(21 + r.data1.size()));
    U8(link, r.type);
    link += r.data1 + r.stored;
    stream.replace(linear[i], link.size(), link);
  }
  // |TOPIC blocks.
  std::string topicFile;
  for (std::size_t start = 0; start < stream.size(); start += perBlock) {
    std::string header;
    U32(header, 0xFFFFFFFF);
    U32(header, 0xFFFFFFFF);
    U32(header, 0xFFFFFFFF);
    std::string chunk = stream.substr(start, perBlock);
    if (spec.compressBlocks) chunk.resize(perBlock, '\0');
    std::string body = spec.compressBlocks ? CompressLz77(chunk) : chunk;
    if (body.size() > 4096 - 12) throw std::length_error("topic block does not compress enough");
    std::string blockData = header + body;
    if (start + perBlock < stream.size()) blockData.resize(4096, '\0');
    topicFile += blockData;
  }
  // Internal files.
  std::map<std::string, std::string> files;
  {
    std::string s;
    U16(s, 0x036C);
    U16(s, 33);
    U16(s, 1);
    U32(s, 0);
    U16(s, spec.compressBlocks ? 4 : 0);
    auto record = [&](unsigned type, const std::string& data) {
      U16(s, type);
      U16(s, static_cast<unsigned>(data.size()));
      s += data;
    };
    record(1, spec.title + '\0');
    if (!spec.copyright.empty()) record(2, spec.copyright + '\0');
    if (spec.contentsTopic >= 0) record(3, Key32(topicOffset[spec.contentsTopic]));
    for (const auto& m : spec.macros) record(4, m + '\0');
    for (const auto& w : spec.windows) {
      std::string d;
      U16(d, 0x0002 | 0x0004 | 0x0008 | 0x0010 | 0x0020 | 0x0040);
      d += Padded("", 10) + Padded(w.name, 9) + Padded(w.caption, 51);
      U16(d, static_cast<unsigned>(w.x));
      U16(d, static_cast<unsigned>(w.y));
      U16(d, static_cast<unsigned>(w.width));
      U16(d, static_cast<unsigned>(w.height));
      U16(d, 0);
      U32(d, 0);
      U32(d, 0);
      record(6, d);
    }
    files["|SYSTEM"] = s;
  }
  {
    std::string f;
    U16(f, 1);
    U16(f, 2);
    U16(f, 8);
    U16(f, 8 + 32);
    f += Padded("Arial", 32);
    // Regular 10 pt black; bold 14 pt blue.
    f += std::string("\x00\x14\x03\x00\x00\x00\x00\x00\x00\x00\x00", 11);
    f += std::string("\x01\x1C\x03\x00\x00\x00\x00\xFF\x00\x00\x00", 11);
    files["|FONT"] = f;
  }
  files["|TOPIC"] = topicFile;
  if (phrases) {
    std::string text;
    std::string p;
    U16(p, static_cast<unsigned>(spec.phrases.size()));
    U16(p, 0x0100);
    for (const auto& ph : spec.phrases) text += ph;
    U32(p, static_cast<uint32_t>(text.size()));
    unsigned offset = 2 * static_cast<unsigned>(spec.phrases.size() + 1);
    U16(p, offset);
    for (const auto& ph : spec.phrases) {
      offset += static_cast<unsigned>(ph.size());
      U16(p, offset);
    }
    p += CompressLz77(text);
    files["|Phrases"] = p;
  }
  {
    std::map<uint32_t, uint32_t> contexts;
    std::map<uint32_t, uint32_t> map;
    std::map<std::string, std::vector<uint32_t>> keywords;
    for (std::size_t t = 0; t < spec.topics.size(); ++t) {
      const Topic& topic = spec.topics[t];
      if (!topic.context.empty()) contexts[hlp::ContextHash(topic.context)] = topicOffset[t];
      if (topic.mapNumber >= 0) map[static_cast<uint32_t>(topic.mapNumber)] = topicOffset[t];
      for (const auto& k : topic.keywords) keywords[k].push_back(topicOffset[t]);
    }
    std::vector<std::pair<std::string, std::string>> entries;
    // Hashes are ordered as signed values.
    std::vector<std::pair<int32_t, uint32_t>> sorted;
    for (const auto& [h, o] : contexts) sorted.emplace_back(static_cast<int32_t>(h), o);
    std::sort(sorted.begin(), sorted.end());
    for (const auto& [h, o] : sorted)
      entries.emplace_back(Key32(static_cast<uint32_t>(h)), Key32(o));
    files["|CONTEXT"] = Btree(entries, 2048, "L4");
    if (!keywords.empty()) {
      std::vector<std::pair<std::string, std::string>> kw;
      std::string data;
      for (const auto& [word, list] : keywords) {
        std::string value;
        U16(value, static_cast<unsigned>(list.size()));
        U32(value, static_cast<uint32_t>(data.size()));
        for (uint32_t o : list) U32(data, o);
        kw.emplace_back(word + '\0', value);
      }
      files["|KWBTREE"] = Btree(kw, 2048, "F24");
      files["|KWDATA"] = data;
    }
    if (!map.empty()) {
      std::string m;
      U16(m, static_cast<unsigned>(map.size()));
      for (const auto& [n, o] : map) {
        U32(m, n);
        U32(m, o);
      }
      files["|CTXOMAP"] = m;
    }
  }
  if (spec.withPicture) files["|bm0"] = bitmap;
  // The container: header, files, then the directory.
  std::string out(16, '\0');
  std::vector<std::pair<std::string, std::string>> directory;
  for (const auto& [name, content] : files) {
    directory.emplace_back(name + '\0', Key32(static_cast<uint32_t>(out.size())));
    U32(out, static_cast<uint32_t>(content.size() + 9));
    U32(out, static_cast<uint32_t>(content.size()));
    U8(out, 0);
    out += content;
  }
  const uint32_t directoryStart = static_cast<uint32_t>(out.size());
  const std::string tree = Btree(directory, 1024, "z4");
  U32(out, static_cast<uint32_t>(tree.size() + 9));
  U32(out, static_cast<uint32_t>(tree.size()));
  U8(out, 4);
  out += tree;
  std::string header;
  U32(header, 0x00035F3F);
  U32(header, directoryStart);
  U32(header, 0xFFFFFFFF);
  U32(header, static_cast<uint32_t>(out.size()));
  out.replace(0, 16, header);
  return out;
}

}  // namespace veldor::hlptest
