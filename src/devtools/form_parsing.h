// Helpers shared by the Visual Basic and Delphi form readers: the
// normalisation of form lines into tokens and the building of the object
// tree from the nesting of the form.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "devtools/form_tree.h"

namespace veldor {

// A form line made safe for tokens: blanks and tabs become blanks; digits,
// ASCII letters, "=" and the double quote stay (and ":" with `keepColon`);
// any other byte becomes "_". The result is upper case.
std::string NormaliseFormLine(std::string_view line, bool keepColon);

// Splits a normalised line at blanks, "=" and double quotes (and ":" with
// `colonSeparates`); runs of separators count once.
std::vector<std::string> FormTokens(std::string_view normalised, bool colonSeparates);

// The decimal number at the start of a token ("25", "10_5" from "10.5"),
// at most INT32_MAX; nothing when the token does not start with a digit.
std::optional<int32_t> LeadingDecimal(std::string_view token);

// "_" and each caption word: the key of a menu named by its caption.
std::string MenuKeyFromCaption(const std::vector<std::string>& tokens);

// Builds the children of a form root as the form nests them. Objects
// beyond 256 children of one parent, or nested deeper than kMaxDepth, are
// read (so that their end still matches) but dropped with their children.
class FormTreeBuilder {
 public:
  static constexpr int kMaxDepth = 64;

  explicit FormTreeBuilder(CEnfant& root) : stack_{&root} {}

  // Starts an object nested in the current one.
  void Open(std::string type, std::string name);
  // Ends the current object; true when that was the form root.
  bool Close();
  // The object whose body is being read, or nullptr when it was dropped.
  CEnfant* Current() const { return stack_.back(); }
  bool AtRoot() const { return stack_.size() == 1; }

 private:
  std::vector<CEnfant*> stack_;
};

}  // namespace veldor
