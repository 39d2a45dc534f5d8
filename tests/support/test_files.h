// Files of the tests: the data under tests/data, whole files as text, and
// comparison with golden files.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {

// tests/data/<relative>.
inline std::string TestDataPath(const std::string& relative) {
  return std::string(VELDOR_TEST_DATA_DIR) + "/" + relative;
}

// The whole file; a file that cannot be read fails the test and gives "".
inline std::string FileContents(const std::string& path) {
  std::string bytes, reason;
  if (!ReadFile(path, bytes, &reason)) ADD_FAILURE() << "cannot read " << path << ": " << reason;
  return bytes;
}

// Every occurrence of `from` replaced by `to` (temporary paths in outputs).
inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Compares `actual` with the golden file tests/data/<relative> and says
// where they first differ. With VELDOR_UPDATE_GOLDEN set in the
// environment the golden file is written instead (review the difference
// before committing it).
inline ::testing::AssertionResult MatchesGolden(const std::string& actual,
                                                const std::string& relative) {
  const std::string path = TestDataPath(relative);
  if (std::getenv("VELDOR_UPDATE_GOLDEN") != nullptr) {
    std::string reason;
    if (MakeDirectories(DirectoryPart(path), &reason) && WriteFile(path, actual, &reason)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "cannot write " << path << ": " << reason;
  }
  std::string expected, reason;
  if (!ReadFile(path, expected, &reason)) {
    return ::testing::AssertionFailure() << "cannot read " << path << ": " << reason;
  }
  if (actual == expected) return ::testing::AssertionSuccess();
  // The line where they first differ, in both (the bytes before it are the same).
  const size_t at = static_cast<size_t>(
      std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first -
      actual.begin());
  const size_t lineStart = at == 0 ? 0 : actual.rfind('\n', at - 1) + 1;  // npos + 1 == 0
  const size_t line = static_cast<size_t>(std::count(actual.begin(), actual.begin() + at, '\n'));
  auto lineOf = [&](const std::string& text) {
    const size_t end = std::min(text.find('\n', at), lineStart + 160);
    return ::testing::PrintToString(text.substr(lineStart, end - lineStart));
  };
  return ::testing::AssertionFailure()
         << relative << " differs at byte " << at << ", line " << line + 1 << " (" << actual.size()
         << " bytes against " << expected.size() << ")\n  expected: " << lineOf(expected)
         << "\n  actual:   " << lineOf(actual);
}

}  // namespace veldor
