// Feeds arbitrary bytes to the help-map reader and to the conversion of a
// resource header. The map lines kept in a project must rebuild the very
// tables the reader filled, and every converted line must read back.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "devtools/help_map_reader.h"
#include "devtools/help_map_rules.h"
#include "devtools/resource_header.h"
#include "model/document.h"
#include "model/help_map_tables.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  veldor::CVeldorDoc doc;
  doc.hidPrefixes = {"HID_", "HIDD"};
  const int entries = veldor::ReadHelpMapText(doc, text);
  if (static_cast<size_t>(entries) != doc.hmLines.size() ||
      doc.hmNames.size() != doc.hmLines.size() || doc.hmValues.size() != doc.hmLines.size()) {
    Fail("tables of different lengths");
  }
  veldor::RebuildAllowedHelpIds(doc);
  veldor::CVeldorDoc reread;
  reread.hidPrefixes = doc.hidPrefixes;
  reread.hmLines = doc.hmLines;
  veldor::RebuildHelpMapTables(reread);
  if (reread.hmNames != doc.hmNames || reread.hmValues != doc.hmValues ||
      reread.hmNameOfValue != doc.hmNameOfValue || reread.allowedHelpIds != doc.allowedHelpIds) {
    Fail("the stored map lines do not rebuild the same tables");
  }

  static const std::vector<veldor::HelpMapRule> rules =
      veldor::ParseHelpMapRules(veldor::VisualCppRuleTexts());
  const std::string map = veldor::ConvertResourceHeaderText(rules, text);
  size_t lines = 0;
  for (char c : map) lines += c == '\n';
  veldor::CVeldorDoc converted;
  if (veldor::ReadHelpMapText(converted, map) != static_cast<int>(lines)) {
    Fail("a converted line does not read back");
  }
  return 0;
}
