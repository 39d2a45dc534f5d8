// Conversions between the model's Windows-1252 strings, the UTF-8 texts of
// messages, and the QStrings the widgets show.
#pragma once

#include <QString>
#include <string>

namespace veldor {

// A model string (Windows-1252) as shown in a widget.
QString FromModel(const std::string& cp1252);
// What a widget holds, as the model stores it (Windows-1252).
std::string ToModel(const QString& text);
// Multi-line model text ("\r\n" line ends) for a text box ("\n").
QString MultiLineFromModel(const std::string& cp1252);
// A text box's lines back to the model's "\r\n" line ends.
std::string MultiLineToModel(const QString& text);

}  // namespace veldor
