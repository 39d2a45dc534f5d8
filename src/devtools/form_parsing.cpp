#include "devtools/form_parsing.h"

#include <limits>

namespace veldor {

std::string NormaliseFormLine(std::string_view line, bool keepColon) {
  std::string out;
  out.reserve(line.size());
  for (char c : line) {
    if (c == ' ' || c == '\t') {
      out += ' ';
    } else if (c >= 'a' && c <= 'z') {
      out += static_cast<char>(c - 'a' + 'A');
    } else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '=' || c == '"' ||
               (keepColon && c == ':')) {
      out += c;
    } else {
      out += '_';
    }
  }
  return out;
}

std::vector<std::string> FormTokens(std::string_view normalised, bool colonSeparates) {
  auto isSeparator = [&](char c) {
    return c == ' ' || c == '\t' || c == '=' || c == '"' || (colonSeparates && c == ':');
  };
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < normalised.size()) {
    while (i < normalised.size() && isSeparator(normalised[i])) ++i;
    const size_t start = i;
    while (i < normalised.size() && !isSeparator(normalised[i])) ++i;
    if (i > start) tokens.emplace_back(normalised.substr(start, i - start));
  }
  return tokens;
}

std::optional<int32_t> LeadingDecimal(std::string_view token) {
  if (token.empty() || token[0] < '0' || token[0] > '9') return std::nullopt;
  int64_t value = 0;
  for (char c : token) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  }
  return static_cast<int32_t>(value);
}

std::string MenuKeyFromCaption(const std::vector<std::string>& tokens) {
  std::string key;
  for (size_t i = 1; i < tokens.size(); ++i) key += "_" + tokens[i];
  return key;
}

void FormTreeBuilder::Open(std::string type, std::string name) {
  CEnfant* parent = stack_.back();
  if (parent == nullptr || static_cast<int>(stack_.size()) > kMaxDepth ||
      static_cast<int>(parent->children.size()) >= CEnfant::kMaxChildren) {
    stack_.push_back(nullptr);
    return;
  }
  // Only the innermost open object gains children, so the pointers kept
  // for its ancestors stay valid.
  parent->children.emplace_back();
  CEnfant& child = parent->children.back();
  child.type = std::move(type);
  child.name = std::move(name);
  stack_.push_back(&child);
}

bool FormTreeBuilder::Close() {
  if (stack_.size() == 1) return true;
  stack_.pop_back();
  return false;
}

}  // namespace veldor
