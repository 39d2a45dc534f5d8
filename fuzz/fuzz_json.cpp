// Feeds arbitrary text to the JSON reader of projects. A refusal says why;
// a project that loads gives JSON that loads to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/document.h"
#include "model/project_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  veldor::CVeldorDoc doc;
  std::string error;
  if (!veldor::ProjectFromJsonText(text, doc, &error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  const std::string bytes = doc.SaveToBytes();
  veldor::CVeldorDoc again;
  if (!veldor::ProjectFromJsonText(veldor::ProjectToJsonText(doc), again, &error)) {
    std::fprintf(stderr, "dumped project does not load: %s\n", error.c_str());
    std::abort();
  }
  if (again.SaveToBytes() != bytes) {
    std::fprintf(stderr, "dumped project does not load to the same file\n");
    std::abort();
  }
  return 0;
}
