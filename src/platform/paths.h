// Path and name text helpers. Paths use '/' on this system, but projects
// written on Windows name files with '\'; every splitting helper accepts
// both.
#pragma once

#include <string>
#include <string_view>

namespace veldor {

inline constexpr char kNativeSeparator = '/';

bool IsSeparator(char c);
// A path from the root ("/x", "\x") or with a Windows drive ("C:x").
bool IsAbsolutePath(const std::string& path);
// The name alone when `directory` is empty; `directory` + name when it
// already ends with '/' or '\'; else directory, '/', name.
std::string JoinPath(const std::string& directory, const std::string& name);
// "a/b/c.txt" -> "a/b" ("" when there is no separator; "/" for "/c.txt").
std::string DirectoryPart(const std::string& path);
// "a/b/c.txt" -> "c.txt".
std::string FileNamePart(const std::string& path);
// "a/b/c.txt" -> "c" (file name without its last extension).
std::string BaseNamePart(const std::string& path);
// "a/b/c.txt" -> ".txt" ("" when the file name has no dot).
std::string ExtensionPart(const std::string& path);
// Replaces the extension of the file name (or appends one); `extension`
// is given without the dot: ReplaceExtension("x/p.ehe", "ehb") == "x/p.ehb".
// An empty `extension` removes the extension.
std::string ReplaceExtension(const std::string& path, const std::string& extension);
// Turns every '\' into '/'.
std::string ToNativeSeparators(const std::string& path);
// ASCII-only case folding and comparison (Windows file names, topic names).
std::string AsciiUpper(std::string text);
std::string AsciiLower(std::string text);
bool EqualsIgnoreCase(const std::string& a, const std::string& b);
// `text` without the characters of `blanks` at its start and end.
std::string TrimBlanks(std::string_view text, std::string_view blanks = " \t");

}  // namespace veldor
