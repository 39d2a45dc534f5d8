// Feeds arbitrary bytes to the project reader. Whatever loads must save, and
// what is saved must load again and save to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  veldor::CVeldorDoc doc;
  std::string error;
  if (!doc.LoadFromBytes(bytes, &error)) {
    // A refusal always says why.
    if (error.empty()) std::abort();
    return 0;
  }
  const std::string saved = doc.SaveToBytes();
  veldor::CVeldorDoc again;
  if (!again.LoadFromBytes(saved, &error)) {
    std::fprintf(stderr, "saved project does not load: %s\n", error.c_str());
    std::abort();
  }
  if (again.SaveToBytes() != saved) {
    std::fprintf(stderr, "saved project does not save the same\n");
    std::abort();
  }
  return 0;
}
