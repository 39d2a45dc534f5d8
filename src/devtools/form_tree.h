// CEnfant: one form, control or menu of a Visual Basic or Delphi form,
// with the help numbers read from it, and what is derived from the tree:
// object keys, the (identifier, number) pairs of the help map, the
// help-map file and the list of "Montre double référence".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

struct CEnfant {
  static constexpr int kMaxChildren = 256;

  std::string name;     // upper case ("COMMAND1")
  std::string type;     // upper case, dots turned into "_" ("VB_COMMANDBUTTON")
  std::string menuKey;  // for type "MENU": "_" and each caption word
  int32_t helpContextId = -1;
  int32_t whatsThisHelpId = -1;
  int32_t index = -1;  // element of a control array
  std::vector<CEnfant> children;

  // menuKey for an object of type exactly "MENU" (its name when the
  // caption gave no word), else the name.
  const std::string& DisplayName() const;
};

// The key of an object reached with the path prefix `prefix`: the prefix
// and "_" when it is not empty, the control-array index when there is one,
// then the display name ("FORM1_COMMAND1", "FORM1_2OPT").
std::string ObjectKey(const CEnfant& object, const std::string& prefix);
// The prefix of the children of an object reached with `prefix`: the
// display name for a form root (empty prefix), else prefix "_" name.
std::string ChildPrefix(const CEnfant& object, const std::string& prefix);

// Names read from forms keep only ASCII letters and digits, so forms and
// controls named in Korean or Japanese all come out as underscores and
// would share their topics and help identifiers. Among the forms, and among
// the children of each object, an object whose key part (index and display
// name) an earlier one already has gets the first number from 2 that makes
// it unique appended to its name. Returns "OLD -> NEW" (object keys) for
// each object renamed.
std::vector<std::string> MakeDerivedNamesDistinct(std::vector<CEnfant>& forms);

struct HelpIdPair {
  std::string identifier;  // "HM_FORM1_COMMAND1" or "HM_FORM1_COMMAND1_W"
  uint32_t number = 0;     // the full 32-bit help number the application asks for
};

// Walks every form depth first, objects before their children: "HM_" and
// the key for each help context number, the same followed by "_W" for each
// what's-this number.
std::vector<HelpIdPair> CollectHelpIds(const std::vector<CEnfant>& forms);

// The help map of a Visual Basic or Delphi project: "HM_INDEX" in a field
// of 40 characters and "0x00", then one line per number, ascending
// ("IDENTIFIER   0x3E8"). Among pairs sharing a number the first (in
// collection order) whose identifier is in `knownNames` is written, else
// the last. Lines end with CR LF.
std::string VbHelpMapText(const std::vector<HelpIdPair>& pairs,
                          const std::vector<std::string>& knownNames);

// "%03d\t\t%s" per pair, sorted as text ("Liste ID  Help").
std::vector<std::string> HelpIdListLines(const std::vector<HelpIdPair>& pairs);

}  // namespace veldor
