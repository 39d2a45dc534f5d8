#include "devtools/vb_form.h"

#include <vector>

#include "devtools/devtools_files.h"
#include "devtools/form_parsing.h"

namespace veldor {

namespace {

bool IsFormType(const std::string& type) {
  return type == "FORM" || type == "MDIFORM" || type == "VB_FORM" || type == "VB_MDIFORM";
}

std::vector<std::string> VbTokens(std::string_view line) {
  return FormTokens(NormaliseFormLine(line, false), false);
}

// One property line of the object being read.
void ApplyProperty(const std::vector<std::string>& tokens, CEnfant& object, bool isRoot) {
  const std::string& key = tokens[0];
  if (tokens.size() < 2) {
    return;  // a property without a value means nothing here
  }
  if (key == "HELPCONTEXTID") {
    if (auto v = LeadingDecimal(tokens[1])) object.helpContextId = *v;
  } else if (key == "WHATSTHISHELPID") {
    if (auto v = LeadingDecimal(tokens[1])) object.whatsThisHelpId = *v;
  } else if (key == "INDEX") {
    if (auto v = LeadingDecimal(tokens[1])) object.index = *v;
  } else if (key == "CAPTION" && !isRoot && object.type == "MENU") {
    object.menuKey = MenuKeyFromCaption(tokens);
  }
}

}  // namespace

bool ParseVbForm(std::string_view text, CEnfant& root, std::string* reason) {
  root = CEnfant();
  const std::vector<std::string> lines = SplitTextLines(text);
  if (lines.empty() || NormaliseFormLine(lines[0], false).compare(0, 7, "VERSION") != 0) {
    if (reason != nullptr) *reason = "formulaire non enregistr\xC3\xA9 en texte";
    return false;
  }
  size_t i = 1;
  for (; i < lines.size(); ++i) {
    const std::vector<std::string> tokens = VbTokens(lines[i]);
    if (tokens.size() == 3 && tokens[0] == "BEGIN" && IsFormType(tokens[1])) {
      root.type = tokens[1];
      root.name = tokens[2];
      break;
    }
  }
  if (i == lines.size()) {
    if (reason != nullptr) *reason = "aucune ligne \"Begin VB.Form\" dans le fichier";
    return false;
  }

  FormTreeBuilder tree(root);
  int propertyDepth = 0;  // inside BeginProperty ... EndProperty blocks
  for (++i; i < lines.size(); ++i) {
    const std::vector<std::string> tokens = VbTokens(lines[i]);
    if (tokens.empty()) continue;
    const std::string& first = tokens[0];
    // The sub-properties of a property (a font, the panels of a status bar)
    // belong to that property, not to the control.
    if (first == "BEGINPROPERTY") {
      ++propertyDepth;
      continue;
    }
    if (first == "ENDPROPERTY") {
      if (propertyDepth > 0) --propertyDepth;
      continue;
    }
    if (propertyDepth > 0) continue;
    if (first == "END") {
      if (tree.Close()) break;
    } else if (first == "BEGIN") {
      // Every Begin opens an object, so that its End closes the right one.
      tree.Open(tokens.size() > 1 ? tokens[1] : std::string(),
                tokens.size() > 2 ? tokens[2] : std::string());
    } else if (CEnfant* object = tree.Current()) {
      ApplyProperty(tokens, *object, tree.AtRoot());
    }
  }
  return true;
}

}  // namespace veldor
