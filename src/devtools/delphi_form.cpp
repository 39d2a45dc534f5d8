#include "devtools/delphi_form.h"

#include <vector>

#include "devtools/devtools_files.h"
#include "devtools/form_parsing.h"
#include "platform/paths.h"

namespace veldor {

namespace {

std::vector<std::string> DelphiTokens(std::string_view line) {
  return FormTokens(NormaliseFormLine(line, true), true);
}

// "object", "inherited" (a component of an ancestor form) and "inline" (a
// frame) all open an object that ends with "end".
bool OpensObject(const std::string& token) {
  return token == "OBJECT" || token == "INHERITED" || token == "INLINE";
}

bool StartsWithWordIgnoringCase(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

// A collection property ("Panels = <") runs to the "end>" that closes its
// last item; items may hold collections of their own.
bool OpensCollection(std::string_view trimmed) {
  return !trimmed.empty() && trimmed.back() == '<';
}
bool ClosesCollection(std::string_view trimmed) {
  return StartsWithWordIgnoringCase(trimmed, "end") && trimmed.back() == '>';
}

void ApplyProperty(const std::vector<std::string>& tokens, CEnfant& object, bool isRoot) {
  if (tokens.size() < 2) return;
  const std::string& key = tokens[0];
  if (key == "HELPCONTEXT") {
    if (auto v = LeadingDecimal(tokens[1])) object.helpContextId = *v;
  } else if (key == "INDEX") {
    if (auto v = LeadingDecimal(tokens[1])) object.index = *v;
  } else if (key == "CAPTION" && !isRoot && object.type == "MENU") {
    object.menuKey = MenuKeyFromCaption(tokens);
  }
}

}  // namespace

bool IsTextDelphiForm(std::string_view contents) {
  if (contents.substr(0, 3) == "\xEF\xBB\xBF") contents.remove_prefix(3);
  const size_t first = contents.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return false;
  const std::string_view rest = contents.substr(first);
  return StartsWithWordIgnoringCase(rest, "object") ||
         StartsWithWordIgnoringCase(rest, "inherited") ||
         StartsWithWordIgnoringCase(rest, "inline");
}

bool ParseDelphiForm(std::string_view text, CEnfant& root, std::string* reason) {
  root = CEnfant();
  if (!IsTextDelphiForm(text)) {
    if (reason != nullptr) *reason = "la fiche ne commence pas par \"object\"";
    return false;
  }
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::vector<std::string> lines = SplitTextLines(text);
  size_t i = 0;
  for (; i < lines.size(); ++i) {
    const std::vector<std::string> tokens = DelphiTokens(lines[i]);
    if (tokens.size() == 3 && OpensObject(tokens[0])) {
      root.name = tokens[1];
      root.type = tokens[2];
      break;
    }
  }
  if (i == lines.size()) {
    if (reason != nullptr) *reason = "aucune ligne \"object Nom: TClasse\" dans la fiche";
    return false;
  }

  FormTreeBuilder tree(root);
  int collectionDepth = 0;
  for (++i; i < lines.size(); ++i) {
    const std::string trimmed = TrimBlanks(lines[i]);
    if (collectionDepth > 0) {
      if (OpensCollection(trimmed)) {
        ++collectionDepth;
      } else if (ClosesCollection(trimmed)) {
        --collectionDepth;
      }
      continue;
    }
    if (OpensCollection(trimmed)) {
      collectionDepth = 1;
      continue;
    }
    const std::vector<std::string> tokens = DelphiTokens(lines[i]);
    if (tokens.empty()) continue;
    if (tokens[0] == "END") {
      if (tree.Close()) break;
    } else if (OpensObject(tokens[0])) {
      // "object Name: TClass", "inherited Name: TClass [2]"; an unnamed
      // component ("object TClass") is named after its class.
      std::string type = tokens.size() > 2 ? tokens[2] : tokens.size() > 1 ? tokens[1] : "";
      std::string name = tokens.size() > 2 ? tokens[1] : type;
      tree.Open(std::move(type), std::move(name));
    } else if (CEnfant* object = tree.Current()) {
      ApplyProperty(tokens, *object, tree.AtRoot());
    }
  }
  return true;
}

}  // namespace veldor
