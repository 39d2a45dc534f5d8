#include "winhelp/help_project_file.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "devtools/help_map_reader.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace veldor::winhelp {

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Text before a ';' comment that is outside double quotes.
std::string WithoutComment(const std::string& line) {
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == ';' && !quoted) return line.substr(0, i);
  }
  return line;
}

bool ParseNumber(std::string text, uint32_t& value) {
  text = TrimBlanks(text);
  if (text.empty()) return false;
  char* end = nullptr;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const unsigned long long parsed =
      std::strtoull(text.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10);
  if (end == nullptr || *end != '\0' || parsed > 0xFFFFFFFFull) return false;
  value = static_cast<uint32_t>(parsed);
  return true;
}

bool IsOn(const std::string& value) {
  const std::string v = AsciiUpper(TrimBlanks(value));
  return v == "1" || v == "ON" || v == "YES" || v == "TRUE" || v == "MEDIUM" || v == "HIGH" ||
         v == "MAX" || v == "HALL" || v == "ZECK" || v == "12" || v == "8" || v == "4";
}

std::vector<std::string> SplitList(const std::string& value) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= value.size()) {
    size_t end = value.find_first_of(",;", start);
    if (end == std::string::npos) end = value.size();
    const std::string part = TrimBlanks(value.substr(start, end - start));
    if (!part.empty()) parts.push_back(part);
    start = end + 1;
  }
  return parts;
}

// Splits at commas outside parentheses and double quotes.
std::vector<std::string> TopLevelFields(const std::string& text) {
  std::vector<std::string> fields(1);
  int depth = 0;
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (!quoted && c == '(') ++depth;
    if (!quoted && c == ')') --depth;
    if (!quoted && depth == 0 && c == ',') {
      fields.emplace_back();
      continue;
    }
    fields.back() += c;
  }
  for (std::string& field : fields) field = TrimBlanks(field);
  return fields;
}

std::vector<int> Numbers(const std::string& field) {
  std::string inner = field;
  if (!inner.empty() && inner.front() == '(') inner.erase(0, 1);
  if (!inner.empty() && inner.back() == ')') inner.pop_back();
  std::vector<int> numbers;
  for (const std::string& part : SplitList(inner)) {
    uint32_t value = 0;
    if (ParseNumber(part, value)) {
      numbers.push_back(static_cast<int>(value));
    } else {
      numbers.push_back(std::atoi(part.c_str()));
    }
  }
  return numbers;
}

bool ParseColour(const std::string& field, uint8_t rgb[3]) {
  const std::vector<int> values = Numbers(field);
  if (values.size() != 3) return false;
  for (int i = 0; i < 3; ++i) rgb[i] = static_cast<uint8_t>(std::clamp(values[i], 0, 255));
  return true;
}

class ProjectReader {
 public:
  ProjectReader(const std::string& path, Diagnostics& diagnostics)
      : diagnostics_(diagnostics), directory_(DirectoryPart(path)) {
    project_.path = path;
  }

  HelpProjectFile Read(const std::string& text) {
    std::string section;
    int lineNumber = 0;
    for (const std::string& raw : Lines(text)) {
      ++lineNumber;
      line_ = lineNumber;
      const std::string trimmed = TrimBlanks(raw);
      if (trimmed.empty() || trimmed[0] == ';') continue;
      if (trimmed.front() == '[') {
        const size_t close = trimmed.find(']');
        section = AsciiUpper(
            trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        if (!IsKnownSection(section) && warnedSections_.insert(section).second) {
          Warn("section [" + section + "] is not supported and is ignored");
        }
        continue;
      }
      if (section == "OPTIONS") {
        Option(TrimBlanks(WithoutComment(trimmed)));
      } else if (section == "FILES") {
        const std::string name = TrimBlanks(WithoutComment(trimmed));
        if (!name.empty()) project_.files.push_back(IncludeName(name));
      } else if (section == "MAP") {
        MapLine(TrimBlanks(WithoutComment(trimmed)), project_.path);
      } else if (section == "ALIAS") {
        Alias(TrimBlanks(WithoutComment(trimmed)));
      } else if (section == "BITMAPS") {
        const std::string name = TrimBlanks(WithoutComment(trimmed));
        if (!name.empty()) project_.bitmaps.push_back(name);
      } else if (section == "CONFIG") {
        project_.configMacros.push_back(trimmed);
      } else if (section == "WINDOWS") {
        Window(trimmed);
      }
    }
    return std::move(project_);
  }

 private:
  static bool IsKnownSection(const std::string& section) {
    return section == "OPTIONS" || section == "FILES" || section == "MAP" || section == "ALIAS" ||
           section == "BITMAPS" || section == "CONFIG" || section == "WINDOWS";
  }

  void Warn(const std::string& text) {
    diagnostics_.Warning(FileNamePart(project_.path) + " line " + std::to_string(line_) + " : " +
                         text);
  }

  // "#include <x>" or "#include "x"" in [FILES] names the file x.
  static std::string IncludeName(const std::string& text) {
    std::string name = text;
    if (AsciiLower(name.substr(0, 8)) == "#include") name = TrimBlanks(name.substr(8));
    if (name.size() >= 2 && ((name.front() == '<' && name.back() == '>') ||
                             (name.front() == '"' && name.back() == '"'))) {
      name = name.substr(1, name.size() - 2);
    }
    return name;
  }

  void Option(const std::string& line) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      Warn("option line without '=' is ignored");
      return;
    }
    const std::string key = AsciiUpper(TrimBlanks(line.substr(0, equals)));
    const std::string value = TrimBlanks(line.substr(equals + 1));
    if (key == "TITLE") {
      project_.title = value;
    } else if (key == "COPYRIGHT") {
      project_.copyright = value;
    } else if (key == "CONTENTS" || key == "INDEX") {
      project_.contents = value;
    } else if (key == "COMPRESS") {
      project_.compress = IsOn(value);
    } else if (key == "WARNING") {
      project_.warningLevel = std::atoi(value.c_str());
    } else if (key == "ERRORLOG") {
      project_.errorLog = value;
    } else if (key == "REPORT") {
      project_.report = IsOn(value);
    } else if (key == "ROOT") {
      for (const std::string& root : SplitList(value)) project_.roots.push_back(root);
    } else if (key == "BMROOT") {
      for (const std::string& root : SplitList(value)) project_.bmRoots.push_back(root);
    } else if (key == "ICON") {
      project_.icon = value;
    } else if (key == "CITATION") {
      project_.citation = value;
    } else if (key == "HLP") {
      project_.outputName = value;
    } else if (key == "OLDKEYPHRASE" || key == "OPTCDROM" || key == "LANGUAGE" ||
               key == "FORCEFONT" || key == "MAPFONTSIZE" || key == "MULTIKEY" || key == "LCID" ||
               key == "CNT" || key == "NOTES" || key == "TMPDIR" || key == "REPLACE" ||
               key == "DBCS" || key == "CHARSET" || key == "DEFFONT" || key == "HCW" ||
               key == "PREFIX" || key == "REVISIONS" || key == "FTS" || key == "INDEX_SEPARATORS") {
      // Accepted: they change how other compilers work or what viewers
      // offer, not what this file holds.
      if (key != "OLDKEYPHRASE" && key != "OPTCDROM") {
        Warn("option " + key + " is not supported and is ignored");
      }
    } else {
      Warn("unknown option " + key + " is ignored");
    }
  }

  void MapLine(const std::string& line, const std::string& origin) {
    if (line.empty()) return;
    if (AsciiLower(line.substr(0, 8)) == "#include") {
      const std::string name = IncludeName(line);
      const std::string path = FindProjectFile(name, directory_, project_.roots);
      if (path.empty()) {
        Warn("map include '" + name + "' is not found");
        return;
      }
      CVeldorDoc doc;
      std::string reason;
      if (!ReadHelpMapFile(doc, path, &reason)) {
        Warn("map include '" + name + "' cannot be read: " + reason);
        return;
      }
      project_.mapIncludes.push_back(path);
      for (size_t i = 0; i < doc.hmNames.size() && i < doc.hmLines.size(); ++i) {
        uint32_t value = static_cast<uint32_t>(doc.hmValues[i]);
        if (doc.hmValues[i] == -1) {
          const std::string& entry = doc.hmLines[i];
          if (!ParseNumber(entry.substr(entry.find(',') + 1), value)) continue;
        }
        project_.map.push_back({doc.hmNames[i], value, FileNamePart(path)});
      }
      return;
    }
    std::string text = line;
    if (AsciiLower(text.substr(0, 7)) == "#define") text = TrimBlanks(text.substr(7));
    const size_t split = text.find_first_of(" \t=");
    if (split == std::string::npos) {
      Warn("map entry '" + text + "' has no number");
      return;
    }
    const std::string name = TrimBlanks(text.substr(0, split));
    uint32_t value = 0;
    if (!ParseNumber(TrimBlanks(text.substr(split), " \t="), value)) {
      Warn("map entry '" + name + "' has no valid number");
      return;
    }
    project_.map.push_back({name, value, FileNamePart(origin)});
  }

  void Alias(const std::string& line) {
    if (line.empty()) return;
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      Warn("alias '" + line + "' has no '='");
      return;
    }
    project_.aliases.emplace_back(TrimBlanks(line.substr(0, equals)),
                                  TrimBlanks(line.substr(equals + 1)));
  }

  void Window(const std::string& line) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      Warn("window definition without '=' is ignored");
      return;
    }
    HelpWindow window;
    if (!ParseWindowDefinition(TrimBlanks(line.substr(0, equals)), line.substr(equals + 1),
                               window)) {
      Warn("window definition '" + line + "' is not understood");
      return;
    }
    project_.windows.push_back(window);
  }

  HelpProjectFile project_;
  Diagnostics& diagnostics_;
  std::string directory_;
  int line_ = 0;
  std::set<std::string> warnedSections_;
};

}  // namespace

bool ParseWindowDefinition(const std::string& name, const std::string& definition,
                           HelpWindow& window) {
  window = HelpWindow();
  window.name = name;
  const size_t comma = name.find(',');  // "name,type" is not used here
  if (comma != std::string::npos) window.name = TrimBlanks(name.substr(0, comma));
  if (window.name.empty()) return false;
  const std::vector<std::string> fields = TopLevelFields(definition);
  if (!fields.empty()) {
    std::string caption = fields[0];
    if (caption.size() >= 2 && caption.front() == '"' && caption.back() == '"') {
      caption = caption.substr(1, caption.size() - 2);
    }
    window.caption = caption;
  }
  if (fields.size() > 1 && !fields[1].empty()) {
    const std::vector<int> box = Numbers(fields[1]);
    if (box.size() != 4) return false;
    window.hasPosition = true;
    window.x = box[0];
    window.y = box[1];
    window.width = box[2];
    window.height = box[3];
  }
  if (fields.size() > 2 && !fields[2].empty()) window.maximize = std::atoi(fields[2].c_str());
  if (fields.size() > 3 && !fields[3].empty()) {
    if (!ParseColour(fields[3], window.mainColour)) return false;
    window.hasMainColour = true;
  }
  if (fields.size() > 4 && !fields[4].empty()) {
    if (!ParseColour(fields[4], window.nonScrollColour)) return false;
    window.hasNonScrollColour = true;
  }
  if (fields.size() > 5 && !fields[5].empty()) window.onTop = std::atoi(fields[5].c_str()) != 0;
  return true;
}

std::string FindProjectFile(const std::string& name, const std::string& projectDirectory,
                            const std::vector<std::string>& directories) {
  if (name.empty()) return "";
  const auto existing = [](const std::string& path) {
    const std::string resolved = ResolvePath(path);
    return FileExists(resolved) ? std::filesystem::path(resolved).lexically_normal().string()
                                : std::string();
  };
  std::vector<std::string> candidates;
  if (IsAbsolutePath(name)) {
    candidates.push_back(name);
  } else {
    for (const std::string& directory : directories) {
      candidates.push_back(JoinPath(
          IsAbsolutePath(directory) ? directory : JoinPath(projectDirectory, directory), name));
    }
    candidates.push_back(JoinPath(projectDirectory, name));
  }
  // Paths written on another machine: the file name in each directory.
  const std::string base = FileNamePart(name);
  for (const std::string& directory : directories) {
    candidates.push_back(JoinPath(
        IsAbsolutePath(directory) ? directory : JoinPath(projectDirectory, directory), base));
  }
  candidates.push_back(JoinPath(projectDirectory, base));
  for (const std::string& candidate : candidates) {
    const std::string found = existing(candidate);
    if (!found.empty()) return found;
  }
  return "";
}

HelpProjectFile ReadHelpProject(const std::string& text, const std::string& path,
                                Diagnostics& diagnostics) {
  return ProjectReader(path, diagnostics).Read(text);
}

}  // namespace veldor::winhelp
