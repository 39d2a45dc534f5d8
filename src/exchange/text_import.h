// The tagged text import: a text file in which three tags mark the start of
// a page, the name of the page and its title becomes one new topic per
// page, each holding one text subject.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/app_settings.h"
#include "model/document.h"

namespace veldor {

struct ImportSummary;

// Longest name tag and title tag the import dialog accepts.
inline constexpr std::size_t kMaxImportTagLength = 128;
// Lines are read in pieces of at most this many characters.
inline constexpr std::size_t kTextImportPieceLength = 511;
// Larger files are refused with a message.
inline constexpr std::size_t kMaxTextImportBytes = 64u * 1024 * 1024;

struct TaggedTextTopics {
  std::vector<std::unique_ptr<CTopic>> topics;
  int leftOut = 0;  // pages past `maxTopics`
};

// True when the name and title tags have at most 128 characters.
bool ImportTagsValid(const ImportTags& tags);

// The characters 0-9, A-Z and a-z of `text`, in order.
std::string KeepAsciiLettersAndDigits(std::string_view text);

// Cuts Windows-1252 text into topics as the tags say ("Page0" titled
// "Titre1" first, then "Page2", "Page3", ...). Lines end at LF or CR LF, a
// Ctrl-Z ends the text as it ends a file read in text mode on Windows, and
// lines longer than 511 characters are taken in pieces. At most
// `maxTopics` topics are made; the pages after them are counted in
// `leftOut`. No file is read.
TaggedTextTopics ParseTaggedText(std::string_view text, const ImportTags& tags,
                                 int maxTopics = CVeldorDoc::kMaxTopics);

// The import command: reads `path` (UTF-8 text converted), appends the
// topics to `doc` while it has room and reports what was left out and the
// names already in use. Returns 1 when the file was read, 0 when it could
// not be (after a message). `summary` receives the counts.
int ImportText(CVeldorDoc& doc, const std::string& path, const ImportTags& tags,
               ImportSummary* summary = nullptr);

}  // namespace veldor
