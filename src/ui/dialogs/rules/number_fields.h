// Numbers typed in dialog fields: the decimal comma is accepted as well as
// the point, and a value out of its range gives a French message that keeps
// the dialog open.
#pragma once

#include <optional>
#include <string>

namespace veldor {

struct NumberCheck {
  std::optional<double> value;
  std::string message;  // UTF-8, empty when the value is accepted
};

// A decimal number from `minimum` to `maximum` ("1,5" and "1.5" alike;
// blanks around it are ignored).
NumberCheck CheckDecimal(const std::string& text, double minimum, double maximum);
// A whole number from `minimum` to `maximum`.
NumberCheck CheckWhole(const std::string& text, long minimum, long maximum);
// The message shown for a value outside [minimum, maximum] or not a number.
std::string RangeMessage(double minimum, double maximum, bool whole);
// A value as the dialogs show it: at most two decimals, comma as separator,
// no trailing zeros ("1,7", "0", "0,25").
std::string FormatDecimal(double value);

// The caption of the range message.
inline constexpr const char* kRangeCaption = "Valeur incorrecte";

}  // namespace veldor
