// libFuzzer target of the tagged text import, in memory. The first three
// lines of the input are the page, name and title tags (as long as the
// import dialog allows), the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/import_file.h"
#include "exchange/import_summary.h"
#include "exchange/text_import.h"
#include "model/document.h"

namespace {

// Takes the next line of `input` (without its LF) as a tag.
std::string NextTag(std::string_view& input) {
  const std::size_t end = input.find('\n');
  std::string tag(input.substr(0, end));
  input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  if (tag.size() > veldor::kMaxImportTagLength) tag.resize(veldor::kMaxImportTagLength);
  return tag;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ::setenv("VELDOR_INI", "/nonexistent/veldor-fuzz.ini", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace veldor;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  ImportTags tags;
  tags.pageTag = NextTag(input);
  tags.nameTag = NextTag(input);
  tags.titleTag = NextTag(input);
  const std::string text = ImportBytesToCp1252(input, false);

  CVeldorDoc doc;
  TaggedTextTopics parsed = ParseTaggedText(text, tags, TopicRoom(doc));
  ImportSummary summary;
  AppendImportedTopics(doc, parsed.topics, summary);
  ImportSummaryText(summary);
  doc.SaveToBytes();
  return 0;
}
