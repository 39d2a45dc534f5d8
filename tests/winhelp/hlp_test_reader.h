// A small reader of help files for the tests, written from the format's
// description and independent of the writer: the internal directory, the
// system records, the decompressed topic chain with its titles, texts and
// hot spots, and the context, title, keyword and map indexes.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace veldor::winhelp::testing {

struct ReadHotSpot {
  uint8_t code = 0;
  uint32_t hash = 0;
  std::string macro;  // macro hot spots
  int window = -1;    // window number of a secondary-window jump
};

struct ReadParagraph {
  std::string text;  // the strings joined, formatting left out
  std::vector<ReadHotSpot> hotSpots;
  std::vector<uint16_t> fonts;  // font changes
  std::vector<int> pictures;    // |bmN numbers
  uint16_t attributes = 0;
  bool nonScrolling = false;
  int columns = 0;  // a table row: its columns; its text has '|' after each cell
};

struct ReadTopic {
  std::string title;
  std::vector<std::string> macros;
  uint32_t offset = 0;  // topic offset of the header
  uint32_t position = 0;
  uint32_t browseBack = 0, browseForward = 0;
  uint32_t nonScroll = 0, scroll = 0;
  std::vector<ReadParagraph> paragraphs;
};

struct ReadWindow {
  uint16_t flags = 0;
  std::string name, caption;
  int16_t x = 0, y = 0, width = 0, height = 0;
};

struct ReadFont {
  uint8_t attributes = 0, halfPoints = 0, family = 0;
  std::string face;
  uint8_t red = 0, green = 0, blue = 0;
};

class HlpTestReader {
 public:
  // Parses the whole file; false with `error` set when something is wrong.
  bool Load(const std::vector<uint8_t>& file);
  const std::string& error() const { return error_; }

  std::vector<std::string> FileNames() const;
  std::optional<std::vector<uint8_t>> InternalFile(const std::string& name) const;

  uint16_t minor = 0, flags = 0;
  std::string title, copyright;
  std::optional<uint32_t> contents;
  std::vector<std::string> configMacros;
  std::vector<ReadWindow> windows;
  std::vector<ReadFont> fonts;
  std::vector<ReadTopic> topics;
  std::map<int32_t, uint32_t> contextIndex;  // hash -> topic offset
  std::vector<std::pair<uint32_t, std::string>> titleIndex;
  std::map<std::string, std::vector<uint32_t>> keywords;
  std::map<std::string, std::vector<uint32_t>> aKeywords;
  std::map<uint32_t, uint32_t> contextMap;  // [MAP] number -> topic offset

  // The topic whose header has this offset, or -1.
  int TopicAtOffset(uint32_t offset) const;
  // The topic a context string leads to through |CONTEXT, or -1.
  int TopicOfContext(const std::string& context) const;

 private:
  bool Fail(const std::string& text) {
    error_ = text;
    return false;
  }
  bool ReadDirectory();
  bool ReadSystem();
  bool ReadFonts();
  bool ReadTopics();
  bool ParseParagraph(const uint8_t* link, size_t size, ReadParagraph& paragraph);
  bool ParseFormatting(const uint8_t*& p, const uint8_t* end1, const char*& text, const char* end2,
                       ReadParagraph& paragraph);
  bool WalkTree(const std::vector<uint8_t>& tree, const std::string& what,
                const std::function<bool(const uint8_t*, const uint8_t*, const uint8_t**)>& entry);
  void ReadIndexes();

  std::vector<uint8_t> file_;
  std::map<std::string, uint32_t> directory_;
  std::string error_;
};

// Decodes an LZ77 stream, stopping after `limit` output bytes.
std::vector<uint8_t> Lz77Decode(const uint8_t* data, const uint8_t* end, size_t limit);

// A context hash computed here from its definition, for comparisons.
int32_t ReferenceHash(const std::string& context);

}  // namespace veldor::winhelp::testing
