// libFuzzer target of the help compiler's inputs: any bytes read as an RTF
// topic file compile into a help file that the test reader accepts, and
// any bytes given as a picture are either refused or turned into one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "helprtf/help_rtf_reader.h"
#include "winhelp/help_project_file.h"
#include "winhelp/hlp_writer.h"
#include "winhelp/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace veldor::winhelp;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Diagnostics diagnostics;
  ReadHelpProject(std::string(text), "/nonexistent/F.HPJ", diagnostics);

  HelpPicture picture;
  std::string reason;
  if (MakeHelpPicture(Bytes(data, data + size), size % 2 == 0, false, picture, reason) &&
      picture.data.size() < 8) {
    std::abort();
  }

  HlpInput input;
  HelpSourceFile file;
  file.path = "F.RTF";
  veldor::helprtf::ReadLimits limits;
  limits.maxDepth = 64;
  file.document = veldor::helprtf::ReadHelpRtf(text, limits);
  if (file.document.topics.empty()) return 0;
  input.files.push_back(std::move(file));
  input.compress = size % 3 != 0;
  HlpStats stats;
  const Bytes help = WriteHelpFile(input, diagnostics, stats);
  if (help.size() != stats.bytes || help.size() < 16) std::abort();
  return 0;
}
