// libFuzzer target of the WinHelp RTF reader: any bytes give a document
// whose indexes (hot spots, pictures) all lead somewhere.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "helprtf/help_rtf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace veldor::helprtf;
  ReadLimits limits;
  limits.maxDepth = 64;
  const HelpDocument doc =
      ReadHelpRtf(std::string_view(reinterpret_cast<const char*>(data), size), limits);
  for (const Topic& topic : doc.topics) {
    for (const Paragraph& paragraph : topic.paragraphs) {
      for (const Run& run : paragraph.runs) {
        if (run.hotSpot >= static_cast<int>(paragraph.hotSpots.size())) std::abort();
        if (run.kind == Run::Kind::Picture &&
            (run.picture < 0 || run.picture >= static_cast<int>(paragraph.pictures.size()))) {
          std::abort();
        }
      }
    }
  }
  if (doc.notes.size() > static_cast<size_t>(limits.maxNotes) + 1) std::abort();
  return 0;
}
