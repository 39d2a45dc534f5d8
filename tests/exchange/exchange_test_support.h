// Helpers of the import and export tests: subjects and topics built
// field by field.
#pragma once

#include <memory>
#include <string>

#include "model/document.h"
#include "model/subject.h"
#include "model/topic.h"

namespace veldor::testing {

// A default subject of `typeCode` holding `text`.
inline std::unique_ptr<CTypeEdit> Subject(int typeCode, const std::string& text) {
  auto subject = CTypeEdit::CreateSubject(typeCode);
  subject->text = text;
  return subject;
}

inline std::unique_ptr<CTopic> Topic(const std::string& name) {
  auto topic = std::make_unique<CTopic>();
  topic->name = name;
  return topic;
}

// Appends a topic to `doc` and returns it.
inline CTopic& AddTopic(CVeldorDoc& doc, const std::string& name) {
  doc.AddTopic(Topic(name));
  return *doc.GetTopic(doc.topicCount() - 1);
}

// Appends a subject to `topic` and returns it.
inline CTypeEdit& AddSubject(CTopic& topic, int typeCode, const std::string& text) {
  topic.AddSubject(Subject(typeCode, text));
  return *topic.GetSubject(topic.subjectCount() - 1);
}

}  // namespace veldor::testing
