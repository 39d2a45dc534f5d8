#include "ui/dialogs/rules/number_fields.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/paths.h"

namespace veldor {
namespace {

// Reads the whole text as a number in the C locale, with ',' taken as the
// decimal point; anything left over makes it no number.
std::optional<double> ParseNumber(const std::string& text, bool whole) {
  std::string plain = TrimBlanks(text);
  if (plain.empty()) return std::nullopt;
  for (char& c : plain) {
    if (c == ',') {
      if (whole) return std::nullopt;
      c = '.';
    }
  }
  for (char c : plain) {
    const bool allowed = (c >= '0' && c <= '9') || c == '-' || c == '+' || (!whole && c == '.');
    if (!allowed) return std::nullopt;
  }
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(plain.c_str(), &end);
  if (end != plain.c_str() + plain.size() || errno != 0 || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

NumberCheck Check(const std::string& text, double minimum, double maximum, bool whole) {
  const std::optional<double> value = ParseNumber(text, whole);
  if (!value || *value < minimum || *value > maximum) {
    return {std::nullopt, RangeMessage(minimum, maximum, whole)};
  }
  return {value, ""};
}

}  // namespace

NumberCheck CheckDecimal(const std::string& text, double minimum, double maximum) {
  return Check(text, minimum, maximum, false);
}

NumberCheck CheckWhole(const std::string& text, long minimum, long maximum) {
  return Check(text, static_cast<double>(minimum), static_cast<double>(maximum), true);
}

std::string RangeMessage(double minimum, double maximum, bool whole) {
  const std::string kind = whole ? "un nombre entier" : "un nombre";
  return "Entrez " + kind + " compris entre " + FormatDecimal(minimum) + " et " +
         FormatDecimal(maximum) + ".";
}

std::string FormatDecimal(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text = buffer;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace veldor
