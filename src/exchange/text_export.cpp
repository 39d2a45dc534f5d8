#include "exchange/text_export.h"

#include "exchange/line_ends.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/messages.h"

namespace veldor {

namespace {

constexpr const char* kSubjectRule = "-----------------------------------------";
constexpr const char* kTopicRule = "===========================================";

}  // namespace

std::string TextExportBytes(const CVeldorDoc& doc) {
  std::string out;
  for (int i = 0; i < doc.topicCount(); ++i) {
    const CTopic& topic = *doc.GetTopic(i);
    out += "TITRE:" + topic.title + "\n";
    out += "MOTCLEF:";
    for (const std::string& keyword : topic.keywords) out += keyword + ",";
    out += "\n";
    for (int s = 0; s < topic.subjectCount(); ++s) {
      const CTypeEdit& subject = *topic.GetSubject(s);
      out += "TITRE:" + subject.title + "\n";
      out += "TEXTE:" + subject.text + "\n";
      out += kSubjectRule;
      out += "\n";
    }
    out += kTopicRule;
    out += "\n";
  }
  return WithCrLf(out);
}

bool ExportText(const CVeldorDoc& doc, const std::string& path) {
  std::string reason;
  if (!WriteFile(path, TextExportBytes(doc), &reason)) {
    Messages().Message("Impossible d'écrire le fichier " + path + " : " + reason, "Export Texte",
                       MessageIcon::Error);
    return false;
  }
  return true;
}

}  // namespace veldor
