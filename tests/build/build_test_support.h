// Helpers of the build tests: subjects with a fixed style, golden files,
// and the directory layout of a build (work directory, program directory,
// settings file naming the fake programs).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "model/document.h"
#include "model/subject.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace veldor::testing {

inline std::string GoldenPath(const std::string& name) {
  return std::string(VELDOR_TEST_DATA_DIR) + "/build/" + name;
}

// Compares `actual` with a golden file. With VELDOR_UPDATE_GOLDEN set the
// file is rewritten instead (review the difference before committing).
inline ::testing::AssertionResult MatchesGolden(const std::string& actual,
                                                const std::string& name) {
  if (std::getenv("VELDOR_UPDATE_GOLDEN") != nullptr) {
    WriteFile(GoldenPath(name), actual);
    return ::testing::AssertionSuccess();
  }
  std::string expected;
  if (!ReadFile(GoldenPath(name), expected)) {
    return ::testing::AssertionFailure() << "missing golden file " << name;
  }
  if (actual == expected) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  const size_t from = at > 60 ? at - 60 : 0;
  return ::testing::AssertionFailure()
         << name << " differs at byte " << at << "\n  expected: ..." << expected.substr(from, 120)
         << "\n  actual:   ..." << actual.substr(from, 120);
}

// A subject of the given type with the style of the worked examples:
// Arial (swiss), normal weight, 10 points, green, single border, paragraph
// end, left aligned, 1.7 cm indents, 0.25 cm after, default style.
inline std::unique_ptr<CTypeEdit> MakeSubject(int type, const std::string& text = "") {
  std::unique_ptr<CTypeEdit> s = CTypeEdit::CreateSubject(type);
  s->text = text;
  s->style.SetFaceName("Arial");
  s->style.pitchAndFamily = 0x22;
  s->style.weight = 0;
  s->style.italic = 0;
  s->style.underline = 0;
  s->style.pointSize = 10;
  s->SetColour(0x008000);
  s->border = 0;
  s->flags = kFlagParagraphEnd;
  s->alignment = 0;
  s->leftMargin = 1.7f;
  s->rightMargin = 1.7f;
  s->spaceBefore = 0.0f;
  s->spaceAfter = 0.25f;
  s->firstIndent = 0.0f;
  s->useDefaultStyle = 1;
  s->action = kActionRien;
  s->linkMark = 0;
  return s;
}

inline CTopic& AddTopic(CVeldorDoc& doc, const std::string& name, const std::string& chapter = "") {
  auto topic = std::make_unique<CTopic>();
  topic->name = name;
  topic->chapter = chapter;
  CTopic& ref = *topic;
  doc.AddTopic(std::move(topic));
  return ref;
}

inline CTypeEdit& AddSubject(CTopic& topic, std::unique_ptr<CTypeEdit> subject) {
  CTypeEdit& ref = *subject;
  topic.AddSubject(std::move(subject));
  return ref;
}

inline CGlobalTexte MakeGlobal(const std::string& text, int action, const std::string& target = "",
                               bool caseSensitive = false, bool keepColour = false) {
  CGlobalTexte g;
  g.text = text;
  g.action = action;
  g.target = target;
  g.caseSensitive = caseSensitive ? 1 : 0;
  g.keepColour = keepColour ? 1 : 0;
  return g;
}

// Replaces every occurrence of `from` by `to` (temporary paths in outputs
// compared with golden files).
inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

inline std::string FileText(const std::string& path) {
  std::string text;
  ReadFile(path, text);
  return text;
}

}  // namespace veldor::testing
