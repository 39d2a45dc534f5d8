// libFuzzer target of the help-file reader: any bytes either open or give
// a message; every picture of a file that opens is decoded too.
#include <cstddef>
#include <cstdint>
#include <string>

#include "hlpfile/help_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto result =
      veldor::hlp::ReadHelpFile(std::string(reinterpret_cast<const char*>(data), size));
  if (!result.document) return 0;
  veldor::hlp::HelpPicture picture;
  std::string error;
  for (const auto& [number, span] : result.document->pictures) {
    veldor::hlp::LoadPicture(*result.document, number, picture, error);
  }
  return 0;
}
