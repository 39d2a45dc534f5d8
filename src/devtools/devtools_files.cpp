#include "devtools/devtools_files.h"

#include "helpbuild/build_checks.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/text_decoding.h"

namespace veldor {

bool ReadDevFile(const std::string& path, std::string& contents, std::string* reason) {
  if (!ReadFilePrefix(path, kMaxDevFileSize + 1, contents, reason)) return false;
  if (contents.size() > kMaxDevFileSize) {
    contents.clear();
    if (reason != nullptr) *reason = "fichier trop grand (plus de 64 Mo)";
    return false;
  }
  return true;
}

bool ReadDevTextFile(const std::string& path, std::string& text, std::string* reason) {
  std::string bytes;
  if (!ReadDevFile(path, bytes, reason)) return false;
  text = DecodeText(bytes).text;
  return true;
}

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    const size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > start && text[end - 1] == '\r') --end;
    lines.emplace_back(text.substr(start, end - start));
    start = next;
  }
  return lines;
}

std::string JoinCrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string DisplayPath(const std::string& path) {
  return IsValidUtf8(path) ? path : Cp1252ToUtf8(path);
}

void ShowStopMessage(const std::string& text) {
  Messages().Message(text, kBuildCaption, MessageIcon::Error);
}

std::string CannotReadMessage(const std::string& path, const std::string& reason) {
  return "Impossible de lire le fichier " + DisplayPath(path) + "\n" + reason;
}

std::string CannotWriteMessage(const std::string& path, const std::string& reason) {
  return "Impossible d'\xC3\xA9"
         "crire le fichier " +
         DisplayPath(path) + "\n" + reason;
}

}  // namespace veldor
