// Bounds the reader puts on every count and size it takes from a help file,
// so that a damaged or hostile file can neither exhaust memory nor time.
#pragma once

#include <cstddef>
#include <cstdint>

namespace veldor::hlp {

// Whole files larger than this are refused before they are read.
inline constexpr std::size_t kMaxHelpFileSize = 64u * 1024 * 1024;
// Internal files listed in the directory.
inline constexpr std::size_t kMaxInternalFiles = 65536;
// B-tree pages visited while listing one tree (guards against page loops).
inline constexpr std::size_t kMaxBtreePages = 1u << 20;
// Bytes one topic block may decompress to (the block offset has 14 bits).
inline constexpr std::size_t kTopicBlockDecompressedSize = 0x4000;
// Topic links followed while walking |TOPIC.
inline constexpr std::size_t kMaxTopicLinks = 4u * 1024 * 1024;
// Topics kept from one file.
inline constexpr std::size_t kMaxTopics = 1u << 20;
// Bytes of decompressed text in one topic link.
inline constexpr std::size_t kMaxLinkTextSize = 1u << 20;
// Phrases of a phrase table and bytes of their text.
inline constexpr std::size_t kMaxPhrases = 65536;
inline constexpr std::size_t kMaxPhraseTextSize = 16u * 1024 * 1024;
// Fonts and windows of one file.
inline constexpr std::size_t kMaxFonts = 65536;
inline constexpr std::size_t kMaxWindows = 255;
// Columns of a table paragraph and tab stops of a paragraph.
inline constexpr std::size_t kMaxColumns = 64;
inline constexpr std::size_t kMaxTabStops = 256;
// Picture size in pixels along one side, and the pictures of one |bm file.
inline constexpr uint32_t kMaxPictureSide = 8192;
inline constexpr std::size_t kMaxPictureFormats = 16;
inline constexpr std::size_t kMaxHotspots = 4096;

}  // namespace veldor::hlp
