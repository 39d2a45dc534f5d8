// The |TOPIC internal file: the chain of topic links (a header record per
// topic, then its paragraph records) cut into 4 KB blocks, each
// LZ77-compressed on its own. Positions inside the chain depend on how the
// blocks fall, so they are filled in after the layout: their bytes are
// kept out of the compression's matches and patched in place.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "winhelp/byte_writer.h"

namespace veldor::winhelp {

class TopicFile {
 public:
  // Starts a topic: its title and entry macros (the header record's text).
  // Returns the topic's number (0-based).
  int BeginTopic(const std::string& title, const std::vector<std::string>& macros);
  // A paragraph record (or a table row record) of the current topic: the
  // formatting part, the text part and its character count.
  // `nonScrolling` paragraphs must come first.
  void AddParagraph(Bytes linkData1, Bytes linkData2, uint32_t characters, bool nonScrolling,
                    bool tableRow = false);
  // The browse sequence neighbours of a topic (-1 for none).
  void SetBrowse(int topic, int previous, int next);

  // Lays out and encodes the blocks. Without `compress` the blocks hold
  // the data stored as LZ77 literals.
  Bytes Build(bool compress);

  int topicCount() const { return static_cast<int>(topics_.size()); }
  // After Build: where each topic starts, as a topic offset.
  uint32_t TopicOffset(int topic) const { return topics_[topic].offset; }

 private:
  struct Record {
    size_t start = 0;  // in stream_
    size_t size = 0;
    uint8_t type = 0;
    uint32_t characters = 0;
    int topic = -1;
    bool nonScrolling = false;
    uint32_t position = 0;  // topic position, after layout
    uint32_t block = 0;
  };
  struct TopicInfo {
    size_t headerRecord = 0;
    size_t firstParagraph = 0;  // record index, == next topic's header when none
    size_t endRecord = 0;
    int browsePrevious = -1, browseNext = -1;
    uint32_t offset = 0;
  };

  void AppendRecord(uint8_t type, const Bytes& linkData1, const Bytes& linkData2,
                    uint32_t characters, bool nonScrolling);
  void MarkPatchable(size_t at, size_t count);
  void Patch32(size_t at, uint32_t value);

  Bytes stream_;
  Bytes patchable_;  // 1 for every stream byte written after the layout
  std::vector<Record> records_;
  std::vector<TopicInfo> topics_;
  // Where each patchable byte landed in the blocks' output, by stream
  // position.
  std::vector<std::pair<uint32_t, uint32_t>> patchTargets_;
  Bytes* output_ = nullptr;
};

}  // namespace veldor::winhelp
