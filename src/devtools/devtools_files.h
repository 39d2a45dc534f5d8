// File reading and problem reporting shared by the help-map tools and the
// wizards.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace veldor {

// Project, form, header and map files are small; anything larger is
// refused rather than read into memory.
inline constexpr std::size_t kMaxDevFileSize = 64u << 20;

// Reads a whole file of at most kMaxDevFileSize bytes. On failure stores
// why (UTF-8) in `reason`.
bool ReadDevFile(const std::string& path, std::string& contents, std::string* reason = nullptr);

// ReadDevFile, then the text decoded to Windows-1252 (DecodeText: a
// byte-order mark, UTF-8 or UTF-16 as Visual Studio and later Delphi
// versions write them).
bool ReadDevTextFile(const std::string& path, std::string& text, std::string* reason = nullptr);

// The lines of a text: cut at each line feed, a carriage return before
// the line feed dropped (files written on Windows end lines with CR LF).
std::vector<std::string> SplitTextLines(std::string_view text);

// Joins lines, each followed by CR LF (the line end of generated maps).
std::string JoinCrLfLines(const std::vector<std::string>& lines);

// A path as it can be shown in a message: project strings are
// Windows-1252, command-line paths UTF-8.
std::string DisplayPath(const std::string& path);

// Shows a message with the stop icon and the caption of messages that
// have none of their own. `text` is UTF-8.
void ShowStopMessage(const std::string& text);

// "Impossible de lire le fichier PATH\nREASON" and its writing twin.
std::string CannotReadMessage(const std::string& path, const std::string& reason);
std::string CannotWriteMessage(const std::string& path, const std::string& reason);

}  // namespace veldor
