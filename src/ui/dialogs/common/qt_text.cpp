#include "ui/dialogs/common/qt_text.h"

#include "platform/codepage.h"

namespace veldor {

QString FromModel(const std::string& cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string ToModel(const QString& text) {
  return Utf8ToCp1252(text.toStdString());
}

QString MultiLineFromModel(const std::string& cp1252) {
  QString text = FromModel(cp1252);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

std::string MultiLineToModel(const QString& text) {
  QString windows = text;
  windows.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  windows.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return ToModel(windows);
}

}  // namespace veldor
