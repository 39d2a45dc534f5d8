// Conversions between the model's Windows-1252 strings, the core's UTF-8
// messages and Qt's strings.
#pragma once

#include <QString>
#include <string>

#include "platform/codepage.h"

namespace veldor::ui {

// A model string (Windows-1252) for display.
inline QString FromModel(const std::string& text) {
  return QString::fromStdString(Cp1252ToUtf8(text));
}
// Text typed by the user, as the model stores it.
inline std::string ToModel(const QString& text) {
  return Utf8ToCp1252(text.toStdString());
}
// UTF-8 text (messages, file names).
inline QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string ToUtf8(const QString& text) {
  return text.toStdString();
}

}  // namespace veldor::ui
