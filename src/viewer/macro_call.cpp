#include "viewer/macro_call.h"

#include <cctype>
#include <map>

namespace veldor::viewer {

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Canonical names of the macros the viewer carries out, by lower-case
// full or short name.
const std::map<std::string, std::string>& Names() {
  static const std::map<std::string, std::string> names = {
      {"jumpid", "JumpId"},
      {"ji", "JumpId"},
      {"popupid", "PopupId"},
      {"pi", "PopupId"},
      {"jumpcontext", "JumpContext"},
      {"jc", "JumpContext"},
      {"popupcontext", "PopupContext"},
      {"pc", "PopupContext"},
      {"jumpcontents", "JumpContents"},
      {"contents", "Contents"},
      {"back", "Back"},
      {"next", "Next"},
      {"prev", "Prev"},
      {"browsebuttons", "BrowseButtons"},
      {"execprogram", "ExecProgram"},
      {"ep", "ExecProgram"},
      {"closewindow", "CloseWindow"},
      {"cw", "CloseWindow"},
      {"exit", "Exit"},
      {"history", "History"},
      {"search", "Search"},
      {"jumpkeyword", "JumpKeyword"},
      {"jk", "JumpKeyword"},
  };
  return names;
}

void SkipBlanks(const std::string& s, std::size_t& i) {
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
}

}  // namespace

std::vector<MacroCall> ParseMacros(const std::string& text) {
  std::vector<MacroCall> calls;
  std::size_t i = 0;
  while (true) {
    SkipBlanks(text, i);
    while (i < text.size() && (text[i] == ';' || text[i] == ':')) {
      ++i;
      SkipBlanks(text, i);
    }
    if (i >= text.size()) break;
    std::size_t start = i;
    while (i < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '_')) {
      ++i;
    }
    if (i == start) break;
    MacroCall call;
    call.name = text.substr(start, i - start);
    if (auto it = Names().find(Lower(call.name)); it != Names().end()) call.name = it->second;
    SkipBlanks(text, i);
    if (i < text.size() && text[i] == '(') {
      ++i;
      bool closed = false;
      while (i < text.size()) {
        SkipBlanks(text, i);
        if (i < text.size() && text[i] == ')') {
          ++i;
          closed = true;
          break;
        }
        std::string arg;
        if (text[i] == '`' || text[i] == '"') {
          const char close = text[i] == '`' ? '\'' : '"';
          ++i;
          while (i < text.size() && text[i] != close) arg.push_back(text[i++]);
          if (i < text.size()) ++i;
        } else {
          int depth = 0;
          while (i < text.size() && (depth > 0 || (text[i] != ',' && text[i] != ')'))) {
            if (text[i] == '(') ++depth;
            if (text[i] == ')') --depth;
            arg.push_back(text[i++]);
          }
          while (!arg.empty() && std::isspace(static_cast<unsigned char>(arg.back())))
            arg.pop_back();
        }
        call.args.push_back(arg);
        SkipBlanks(text, i);
        if (i < text.size() && text[i] == ',') ++i;
      }
      if (!closed) break;
    }
    calls.push_back(std::move(call));
  }
  return calls;
}

}  // namespace veldor::viewer
