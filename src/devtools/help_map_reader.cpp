#include "devtools/help_map_reader.h"

#include <vector>

#include "devtools/devtools_files.h"
#include "model/document.h"
#include "model/help_map_tables.h"
#include "platform/files.h"

namespace veldor {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::vector<std::string_view> BlankSeparatedFields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

}  // namespace

int ReadHelpMapText(CVeldorDoc& doc, std::string_view text) {
  int entries = 0;
  for (std::string& line : SplitTextLines(text)) {
    if (line.size() > kMaxHelpMapLine) line.resize(kMaxHelpMapLine);
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) continue;
    if (line.compare(first, 2, "//") == 0) continue;
    std::vector<std::string_view> fields = BlankSeparatedFields(line);
    // Map includes written for the help compiler may use "#define".
    if (!fields.empty() && fields[0] == "#define") fields.erase(fields.begin());
    // The entry is kept as "NAME,VALUE": a name holding a comma could not
    // be told apart from its value when the project is read again.
    if (fields.size() < 2 || fields[0].find(',') != std::string_view::npos) continue;
    const std::string name(fields[0]);
    const std::string valueText(fields[1]);
    AddHelpMapEntry(doc, name, valueText);
    doc.hmLines.push_back(name + "," + valueText);
    ++entries;
  }
  return entries;
}

bool ReadHelpMapFile(CVeldorDoc& doc, const std::string& path, std::string* reason) {
  std::string text;
  if (!ReadDevTextFile(ResolvePath(path), text, reason)) return false;
  ReadHelpMapText(doc, text);
  return true;
}

}  // namespace veldor
