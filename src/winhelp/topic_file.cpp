#include "winhelp/topic_file.h"

#include <algorithm>

#include "winhelp/hlp_limits.h"
#include "winhelp/lz77.h"

namespace veldor::winhelp {

namespace {

// Offsets inside a topic link and inside the header record's data.
constexpr size_t kLinkPrevious = 8;
constexpr size_t kLinkNext = 12;
constexpr size_t kHeaderTopicSize = kTopicLinkHeaderSize + 0;
constexpr size_t kHeaderBrowseBack = kTopicLinkHeaderSize + 4;
constexpr size_t kHeaderBrowseForward = kTopicLinkHeaderSize + 8;
constexpr size_t kHeaderNonScroll = kTopicLinkHeaderSize + 16;
constexpr size_t kHeaderScroll = kTopicLinkHeaderSize + 20;
constexpr size_t kHeaderNextTopic = kTopicLinkHeaderSize + 24;

void Put32(Bytes& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

void TopicFile::MarkPatchable(size_t at, size_t count) {
  std::fill(patchable_.begin() + static_cast<std::ptrdiff_t>(at),
            patchable_.begin() + static_cast<std::ptrdiff_t>(at + count), 1);
}

void TopicFile::AppendRecord(uint8_t type, const Bytes& linkData1, const Bytes& linkData2,
                             uint32_t characters, bool nonScrolling) {
  Record record;
  record.start = stream_.size();
  record.size = kTopicLinkHeaderSize + linkData1.size() + linkData2.size();
  record.type = type;
  record.characters = characters;
  record.topic = static_cast<int>(topics_.size()) - 1;
  record.nonScrolling = nonScrolling;
  ByteWriter header;
  header.U32(static_cast<uint32_t>(record.size));                              // block size
  header.U32(static_cast<uint32_t>(linkData2.size()));                         // text size
  header.U32(kNoPosition);                                                     // previous
  header.U32(kNoPosition);                                                     // next
  header.U32(static_cast<uint32_t>(kTopicLinkHeaderSize + linkData1.size()));  // data 1 size
  header.U8(type);
  stream_.insert(stream_.end(), header.bytes().begin(), header.bytes().end());
  stream_.insert(stream_.end(), linkData1.begin(), linkData1.end());
  stream_.insert(stream_.end(), linkData2.begin(), linkData2.end());
  patchable_.resize(stream_.size(), 0);
  MarkPatchable(record.start + kLinkPrevious, 8);
  records_.push_back(record);
}

int TopicFile::BeginTopic(const std::string& title, const std::vector<std::string>& macros) {
  if (!topics_.empty()) topics_.back().endRecord = records_.size();
  TopicInfo info;
  info.headerRecord = records_.size();
  info.firstParagraph = records_.size() + 1;
  topics_.push_back(info);
  ByteWriter text;
  text.StringZ(title);
  for (const std::string& macro : macros) text.StringZ(macro);
  ByteWriter data;
  data.U32(0);                                          // topic size, patched in Build
  data.U32(kNoPosition);                                // browse back
  data.U32(kNoPosition);                                // browse forward
  data.U32(static_cast<uint32_t>(topics_.size() - 1));  // topic number
  data.U32(kNoPosition);                                // non-scrolling region
  data.U32(kNoPosition);                                // scrolling region
  data.U32(kNoPosition);                                // next topic
  AppendRecord(kRecordTopicHeader, data.bytes(), text.bytes(), 0, false);
  const size_t start = records_.back().start;
  MarkPatchable(start + kHeaderBrowseBack, 8);
  MarkPatchable(start + kHeaderNonScroll, 12);
  return static_cast<int>(topics_.size()) - 1;
}

void TopicFile::AddParagraph(Bytes linkData1, Bytes linkData2, uint32_t characters,
                             bool nonScrolling, bool tableRow) {
  AppendRecord(tableRow ? kRecordTable : kRecordDisplay, linkData1, linkData2, characters,
               nonScrolling);
}

void TopicFile::SetBrowse(int topic, int previous, int next) {
  topics_[topic].browsePrevious = previous;
  topics_[topic].browseNext = next;
}

void TopicFile::Patch32(size_t at, uint32_t value) {
  auto it = std::lower_bound(patchTargets_.begin(), patchTargets_.end(),
                             std::make_pair(static_cast<uint32_t>(at), uint32_t{0}));
  for (int i = 0; i < 4; ++i, ++it) {
    (*output_)[it->second] = static_cast<uint8_t>(value >> (8 * i));
  }
}

Bytes TopicFile::Build(bool compress) {
  // A closing empty paragraph ends the chain, so that the last topic's
  // paragraphs are followed by a record as in every other topic.
  {
    ByteWriter data1;
    data1.CompressedLong(1);
    data1.CompressedUShort(1);
    data1.U8(0);
    data1.U8(0x80);
    data1.U16(0);
    data1.U16(0);    // no paragraph attributes
    data1.U8(0xFF);  // end of formatting
    AppendRecord(kRecordDisplay, data1.bytes(), Bytes{0}, 1, false);
  }
  if (!topics_.empty()) topics_.back().endRecord = records_.size() - 1;
  // Topic sizes are known before the layout.
  for (const TopicInfo& topic : topics_) {
    size_t total = 0;
    for (size_t r = topic.headerRecord; r < topic.endRecord; ++r) total += records_[r].size;
    Put32(stream_, records_[topic.headerRecord].start + kHeaderTopicSize,
          static_cast<uint32_t>(total));
  }

  // Layout: each block takes what compresses into its data area. A block
  // that runs out of input room first ends at a record boundary and is
  // filled with zeros, so that no record spans a padded block.
  std::vector<size_t> recordStarts;
  recordStarts.reserve(records_.size());
  for (const Record& record : records_) recordStarts.push_back(record.start);
  std::vector<size_t> blockStarts;
  ByteWriter out;
  patchTargets_.clear();
  size_t pos = 0;
  while (pos < stream_.size()) {
    const size_t remaining = stream_.size() - pos;
    Lz77Block block = Lz77CompressBlock(stream_.data() + pos, remaining, kTopicDecompressedSize,
                                        kTopicBlockDataSize, compress, patchable_.data() + pos);
    if (block.consumed < remaining && block.output.size() < kTopicBlockDataSize) {
      const size_t end = pos + block.consumed;
      auto it = std::lower_bound(recordStarts.begin(), recordStarts.end(), end);
      if (it != recordStarts.begin() && (it == recordStarts.end() || *it != end)) {
        const size_t lastStart = *(it - 1);
        if (lastStart > pos) {
          block = Lz77CompressBlock(stream_.data() + pos, remaining, lastStart - pos,
                                    kTopicBlockDataSize, compress, patchable_.data() + pos);
        }
      }
    }
    blockStarts.push_back(pos);
    const size_t outputStart = out.size() + kTopicBlockHeaderSize;
    out.Zeros(kTopicBlockHeaderSize);  // block header, filled below
    for (const auto& [input, output] : block.patchableLiterals) {
      patchTargets_.emplace_back(static_cast<uint32_t>(pos + input),
                                 static_cast<uint32_t>(outputStart + output));
    }
    out.Append(block.output);
    out.Zeros(kTopicBlockDataSize - block.output.size());
    pos += block.consumed;
  }

  // Positions and offsets. A topic offset counts the characters of the
  // paragraph records that start in the same block before it.
  size_t blockIndex = 0;
  uint32_t characters = 0;
  for (Record& record : records_) {
    while (blockIndex + 1 < blockStarts.size() && blockStarts[blockIndex + 1] <= record.start) {
      ++blockIndex;
      characters = 0;
    }
    record.block = static_cast<uint32_t>(blockIndex);
    record.position =
        static_cast<uint32_t>(blockIndex * kTopicPosBlockUnit + kTopicBlockHeaderSize +
                              (record.start - blockStarts[blockIndex]));
    if (record.type == kRecordTopicHeader) {
      topics_[record.topic].offset =
          static_cast<uint32_t>(blockIndex * kTopicOffsetBlockUnit) + characters;
    }
    characters += record.characters;
  }

  output_ = &out.bytes();
  for (size_t r = 0; r < records_.size(); ++r) {
    const Record& record = records_[r];
    Patch32(record.start + kLinkPrevious, r == 0 ? kNoPosition : records_[r - 1].position);
    Patch32(record.start + kLinkNext,
            r + 1 == records_.size() ? kNoPosition : records_[r + 1].position);
  }
  for (size_t t = 0; t < topics_.size(); ++t) {
    const TopicInfo& topic = topics_[t];
    const size_t start = records_[topic.headerRecord].start;
    const auto offsetOf = [&](int other) {
      return other < 0 ? kNoPosition : topics_[other].offset;
    };
    Patch32(start + kHeaderBrowseBack, offsetOf(topic.browsePrevious));
    Patch32(start + kHeaderBrowseForward, offsetOf(topic.browseNext));
    uint32_t nonScroll = kNoPosition;
    uint32_t scroll = kNoPosition;
    for (size_t r = topic.firstParagraph; r < topic.endRecord; ++r) {
      if (records_[r].nonScrolling) {
        if (nonScroll == kNoPosition) nonScroll = records_[r].position;
      } else {
        scroll = records_[r].position;
        break;
      }
    }
    Patch32(start + kHeaderNonScroll, nonScroll);
    Patch32(start + kHeaderScroll, scroll);
    Patch32(start + kHeaderNextTopic,
            t + 1 < topics_.size() ? records_[topics_[t + 1].headerRecord].position : kNoPosition);
  }
  output_ = nullptr;

  // Block headers: the last record begun in an earlier block, the first
  // record begun in this one, the last topic header begun before it.
  size_t r = 0;
  uint32_t lastLink = kNoPosition;
  uint32_t lastHeader = kNoPosition;
  for (size_t b = 0; b < blockStarts.size(); ++b) {
    uint32_t firstLink = kNoPosition;
    const uint32_t previousLink = lastLink;
    const uint32_t previousHeader = lastHeader;
    while (r < records_.size() && records_[r].block == b) {
      if (firstLink == kNoPosition) firstLink = records_[r].position;
      lastLink = records_[r].position;
      if (records_[r].type == kRecordTopicHeader) lastHeader = records_[r].position;
      ++r;
    }
    const size_t at = b * kTopicBlockSize;
    out.PatchU32(at, previousLink);
    out.PatchU32(at + 4, firstLink);
    out.PatchU32(at + 8, previousHeader);
  }
  patchTargets_.clear();
  patchTargets_.shrink_to_fit();
  return std::move(out.bytes());
}

}  // namespace veldor::winhelp
