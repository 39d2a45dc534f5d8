#include "platform/paths.h"

namespace veldor {

namespace {

// Position of the last '/' or '\', or npos.
std::string::size_type LastSeparator(const std::string& path) {
  return path.find_last_of("/\\");
}

// Position of the dot that starts the extension of the file name, or npos.
std::string::size_type ExtensionDot(const std::string& path) {
  const auto separator = LastSeparator(path);
  const auto nameStart = separator == std::string::npos ? 0 : separator + 1;
  const auto dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return std::string::npos;
  return dot;
}

char ToUpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
char ToLowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

bool IsAbsolutePath(const std::string& path) {
  return (!path.empty() && IsSeparator(path[0])) || (path.size() >= 2 && path[1] == ':');
}

std::string JoinPath(const std::string& directory, const std::string& name) {
  if (directory.empty()) return name;
  if (IsSeparator(directory.back())) return directory + name;
  std::string joined;
  joined.reserve(directory.size() + 1 + name.size());
  joined += directory;
  joined += kNativeSeparator;
  joined += name;
  return joined;
}

std::string DirectoryPart(const std::string& path) {
  const auto separator = LastSeparator(path);
  if (separator == std::string::npos) return "";
  if (separator == 0) return path.substr(0, 1);
  return path.substr(0, separator);
}

std::string FileNamePart(const std::string& path) {
  const auto separator = LastSeparator(path);
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string BaseNamePart(const std::string& path) {
  const std::string name = FileNamePart(path);
  const auto dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ExtensionPart(const std::string& path) {
  const auto dot = ExtensionDot(path);
  return dot == std::string::npos ? "" : path.substr(dot);
}

std::string ReplaceExtension(const std::string& path, const std::string& extension) {
  const auto dot = ExtensionDot(path);
  std::string result = dot == std::string::npos ? path : path.substr(0, dot);
  if (!extension.empty()) {
    result += '.';
    result += extension;
  }
  return result;
}

std::string ToNativeSeparators(const std::string& path) {
  std::string result = path;
  for (char& c : result) {
    if (c == '\\') c = kNativeSeparator;
  }
  return result;
}

std::string AsciiUpper(std::string text) {
  for (char& c : text) c = ToUpperAscii(c);
  return text;
}

std::string AsciiLower(std::string text) {
  for (char& c : text) c = ToLowerAscii(c);
  return text;
}

bool EqualsIgnoreCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::string::size_type i = 0; i < a.size(); ++i) {
    if (ToUpperAscii(a[i]) != ToUpperAscii(b[i])) return false;
  }
  return true;
}

std::string TrimBlanks(std::string_view text, std::string_view blanks) {
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return "";
  const auto last = text.find_last_not_of(blanks);
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace veldor
