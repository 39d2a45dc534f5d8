// Helpers of the import and export tests: projects read from the JSON
// files under tests/data/exchange, subjects and topics built field by
// field, and imported topics written out as JSON for golden comparison.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "model/document.h"
#include "model/project_json.h"
#include "model/subject.h"
#include "model/topic.h"
#include "support/test_files.h"

namespace veldor::testing {

// Fills `doc` from tests/data/<relative> (a JSON project).
inline void LoadProject(const std::string& relative, CVeldorDoc& doc) {
  std::string error;
  EXPECT_TRUE(ProjectFromJsonText(FileContents(TestDataPath(relative)), doc, &error)) << error;
}

// The topics of `doc` as indented JSON, every field of every subject.
inline std::string TopicsJson(const CVeldorDoc& doc) {
  return ProjectToJson(doc)["topics"].dump(2) + "\n";
}

// Appends a topic named `name` to `doc` and returns it.
inline CTopic& AddTopic(CVeldorDoc& doc, const std::string& name) {
  auto topic = std::make_unique<CTopic>();
  topic->name = name;
  doc.AddTopic(std::move(topic));
  return *doc.GetTopic(doc.topicCount() - 1);
}

// Appends a default subject of `typeCode` holding `text` and returns it.
inline CTypeEdit& AddSubject(CTopic& topic, int typeCode, const std::string& text) {
  auto subject = CTypeEdit::CreateSubject(typeCode);
  subject->text = text;
  topic.AddSubject(std::move(subject));
  return *topic.GetSubject(topic.subjectCount() - 1);
}

}  // namespace veldor::testing
