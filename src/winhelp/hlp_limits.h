// The numbers the .HLP format fixes, in one place: magic numbers, block
// and page sizes, and the size limits of names and strings.
#pragma once

#include <cstddef>
#include <cstdint>

namespace veldor::winhelp {

// File header and internal files.
inline constexpr uint32_t kHelpFileMagic = 0x00035F3F;
inline constexpr uint8_t kInternalFileFlags = 4;
inline constexpr size_t kFileHeaderSize = 9;  // reserved, used, flags

// B+ trees.
inline constexpr uint16_t kBTreeMagic = 0x293B;
inline constexpr uint16_t kBTreeFlags = 0x0002;
inline constexpr uint16_t kDirectoryBTreeFlags = 0x0402;
inline constexpr size_t kDirectoryPageSize = 1024;
inline constexpr size_t kIndexPageSize = 2048;
inline constexpr size_t kBTreeHeaderSize = 38;
inline constexpr size_t kLeafHeaderSize = 8;
inline constexpr size_t kIndexHeaderSize = 6;

// |SYSTEM: a Windows 3.1 help file, LZ77-compressed topic blocks of 4 KB.
inline constexpr uint16_t kSystemMagic = 0x036C;
inline constexpr uint16_t kSystemMinor = 21;
inline constexpr uint16_t kSystemMajor = 1;
inline constexpr uint16_t kSystemFlagsCompressed4k = 4;
inline constexpr size_t kWindowRecordSize = 90;
inline constexpr size_t kWindowTypeSize = 10;
inline constexpr size_t kWindowNameSize = 9;
inline constexpr size_t kWindowCaptionSize = 51;

// |TOPIC blocks: 4096 bytes on disk, 12 of them the block header; the
// rest decompresses to at most 16 KB. A topic position is the block number
// times kTopicPosBlockUnit plus 12 plus the offset in the decompressed
// data; a topic offset is the block number times kTopicOffsetBlockUnit
// plus a character count.
inline constexpr size_t kTopicBlockSize = 4096;
inline constexpr size_t kTopicBlockHeaderSize = 12;
inline constexpr size_t kTopicBlockDataSize = kTopicBlockSize - kTopicBlockHeaderSize;
inline constexpr size_t kTopicDecompressedSize = 0x4000;
inline constexpr uint32_t kTopicPosBlockUnit = 0x4000;
inline constexpr uint32_t kTopicOffsetBlockUnit = 0x8000;
inline constexpr size_t kTopicLinkHeaderSize = 21;
inline constexpr uint32_t kNoPosition = 0xFFFFFFFF;

// Topic link record types.
inline constexpr uint8_t kRecordTopicHeader = 0x02;
inline constexpr uint8_t kRecordDisplay = 0x20;
inline constexpr uint8_t kRecordTable = 0x23;

// LZ77: a 12-bit distance and a 4-bit length over 3.
inline constexpr size_t kLz77Window = 4096;
inline constexpr size_t kLz77MinMatch = 3;
inline constexpr size_t kLz77MaxMatch = 18;

// |FONT: fixed-width face names.
inline constexpr size_t kFaceNameSize = 32;
inline constexpr size_t kFontDescriptorSize = 11;

// Names written by the help project and the topics.
inline constexpr size_t kMaxContextStringLength = 255;
inline constexpr size_t kMaxTitleLength = 127;
inline constexpr size_t kMaxKeywordLength = 255;
inline constexpr size_t kMaxWindowNameLength = kWindowNameSize - 1;
inline constexpr size_t kMaxWindowCaptionLength = kWindowCaptionSize - 1;
inline constexpr size_t kMaxHelpTitleLength = 127;
inline constexpr size_t kMaxCopyrightLength = 255;
inline constexpr size_t kMaxMacroLength = 4095;
inline constexpr int kMaxWindows = 255;

// A paragraph whose text or formatting grows beyond this is cut into
// several, so that every topic link fits a topic block.
inline constexpr size_t kMaxParagraphBytes = 12000;
// Columns of a table row.
inline constexpr size_t kMaxTableColumns = 32;

// Pictures ("lP" files and |bmN internal files).
inline constexpr uint16_t kPictureMagic = 0x506C;
inline constexpr uint8_t kPictureDdb = 5;
inline constexpr uint8_t kPictureDib = 6;
inline constexpr uint8_t kPictureMetafile = 8;

}  // namespace veldor::winhelp
