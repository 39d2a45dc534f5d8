// Helpers of the build tests: projects from tests/data, subjects with a
// fixed style, topics and global strings.
#pragma once

#include <memory>
#include <string>

#include "model/document.h"
#include "model/project_json.h"
#include "support/test_files.h"

namespace veldor::testing {

// The project of tests/data/<relative> (JSON), built in `rootDir`.
inline void LoadProject(const std::string& relative, CVeldorDoc& doc, const std::string& rootDir) {
  std::string error;
  EXPECT_TRUE(ProjectFromJsonText(FileContents(TestDataPath(relative)), doc, &error)) << error;
  doc.rootDir = rootDir;
}

// A subject with the style of the worked examples: Arial (swiss), normal,
// 10 points, green, single border, paragraph end, left aligned, 1.7 cm
// indents, 0.25 cm after, default style.
inline std::unique_ptr<CTypeEdit> MakeSubject(int type, const std::string& text = "") {
  std::unique_ptr<CTypeEdit> s = CTypeEdit::CreateSubject(type);
  s->text = text;
  s->style.SetFaceName("Arial");
  s->style.pitchAndFamily = 0x22;
  s->style.weight = s->style.italic = s->style.underline = 0;
  s->style.pointSize = 10;
  s->SetColour(0x008000);
  s->border = s->alignment = 0;
  s->flags = kFlagParagraphEnd;
  s->leftMargin = s->rightMargin = 1.7f;
  s->spaceBefore = s->firstIndent = 0.0f;
  s->spaceAfter = 0.25f;
  s->useDefaultStyle = 1;
  s->action = kActionRien;
  return s;
}

// The title of the worked examples: "\xC9t\xE9", bold, 12 points, black, centred.
inline std::unique_ptr<CTypeEdit> MakeExampleTitle() {
  auto title = MakeSubject(kTypeTitre, "\xC9t\xE9");
  title->style.weight = 700;
  title->style.pointSize = 12;
  title->SetColour(0x000000);
  title->alignment = 2;
  return title;
}

inline CTopic& AddTopic(CVeldorDoc& doc, const std::string& name, const std::string& chapter = "") {
  auto topic = std::make_unique<CTopic>();
  topic->name = name;
  topic->chapter = chapter;
  doc.AddTopic(std::move(topic));
  return *doc.GetTopic(doc.topicCount() - 1);
}

inline CTypeEdit& AddSubject(CTopic& topic, std::unique_ptr<CTypeEdit> subject) {
  topic.AddSubject(std::move(subject));
  return *topic.GetSubject(topic.subjectCount() - 1);
}

inline CGlobalTexte MakeGlobal(const std::string& text, int action, const std::string& target = "",
                               bool caseSensitive = false, bool keepColour = false) {
  CGlobalTexte g;
  g.text = text;
  g.action = action;
  g.target = target;
  g.caseSensitive = caseSensitive;
  g.keepColour = keepColour;
  return g;
}

}  // namespace veldor::testing
