// libFuzzer target of the RTF import: the conversion of the file's bytes,
// the parse, the joining of the topics to a project and the pages the
// project then exports, all in memory (no file is read or written).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/html_page_names.h"
#include "exchange/html_writer.h"
#include "exchange/import_file.h"
#include "exchange/import_summary.h"
#include "exchange/rtf_importer.h"
#include "exchange/text_export.h"
#include "model/document.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The built-in settings, whatever the user running the fuzzer has.
  ::setenv("VELDOR_INI", "/nonexistent/veldor-fuzz.ini", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace veldor;
  const bool truncated = size > RtfImporter::kMaxBytes;
  const std::string_view bytes(reinterpret_cast<const char*>(data),
                               truncated ? RtfImporter::kMaxBytes : size);
  const std::string text = ImportBytesToCp1252(bytes, truncated);

  CVeldorDoc doc;
  RtfImporter importer(TopicRoom(doc));
  importer.Parse(text);
  std::vector<std::unique_ptr<CTopic>> topics = importer.TakeTopics();
  ImportSummary summary;
  AppendImportedTopics(doc, topics, summary);
  ImportSummaryText(summary);

  const HtmlPageNames pages(doc);
  for (int i = 0; i < doc.topicCount(); ++i) HtmlPageText(*doc.GetTopic(i), pages);
  TextExportBytes(doc);
  doc.SaveToBytes();
  return 0;
}
