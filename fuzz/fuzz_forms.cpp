// Feeds arbitrary bytes to the Visual Basic and Delphi form readers. The
// tree they build must respect its limits, and the help map written from
// it must read back with one entry per number.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "devtools/delphi_form.h"
#include "devtools/form_parsing.h"
#include "devtools/form_tree.h"
#include "devtools/help_map_reader.h"
#include "devtools/vb_form.h"
#include "model/document.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

void CheckTree(const veldor::CEnfant& object, int depth) {
  if (depth > veldor::FormTreeBuilder::kMaxDepth + 1) Fail("tree deeper than the limit");
  if (object.children.size() > static_cast<size_t>(veldor::CEnfant::kMaxChildren)) {
    Fail("more children than the limit");
  }
  for (const veldor::CEnfant& child : object.children) CheckTree(child, depth + 1);
}

void CheckForm(const veldor::CEnfant& root) {
  CheckTree(root, 0);
  const std::vector<veldor::HelpIdPair> pairs = veldor::CollectHelpIds({root});
  std::set<uint16_t> numbers;
  for (const veldor::HelpIdPair& pair : pairs) {
    if (pair.identifier.compare(0, 3, "HM_") != 0) Fail("identifier without HM_");
    numbers.insert(pair.number);
  }
  const std::string map = veldor::VbHelpMapText(pairs, {});
  veldor::CVeldorDoc doc;
  if (veldor::ReadHelpMapText(doc, map) != static_cast<int>(numbers.size()) + 1) {
    Fail("the help map does not read back with one entry per number");
  }
  for (size_t i = 1; i < doc.hmValues.size(); ++i) {
    if (numbers.count(static_cast<uint16_t>(doc.hmValues[i])) == 0) Fail("a number changed");
  }
  const std::vector<std::string> lines = veldor::HelpIdListLines(pairs);
  if (lines.size() != pairs.size()) Fail("the id list lost a pair");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  veldor::CEnfant root;
  std::string reason;
  if (veldor::ParseVbForm(text, root, &reason)) {
    CheckForm(root);
  } else if (reason.empty()) {
    Fail("a refused Visual Basic form without a reason");
  }
  const bool isText = veldor::IsTextDelphiForm(text);
  reason.clear();
  if (veldor::ParseDelphiForm(text, root, &reason)) {
    if (!isText) Fail("a Delphi form read although it is not text");
    CheckForm(root);
  } else if (reason.empty()) {
    Fail("a refused Delphi form without a reason");
  }
  return 0;
}
