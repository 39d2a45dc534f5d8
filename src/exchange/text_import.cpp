#include "exchange/text_import.h"

#include "exchange/import_file.h"
#include "exchange/import_summary.h"
#include "platform/messages.h"

namespace veldor {

namespace {

constexpr const char* kCaption = "Import Texte";

bool IsAsciiLetterOrDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Collects the topics while the lines of the file go through the tags.
class TaggedTextReader {
 public:
  TaggedTextReader(const ImportTags& tags, int maxTopics) : tags_(tags), maxTopics_(maxTopics) {
    topic_ = NewTopic("Page0");
    topic_->title = "Titre1";
  }

  void Line(std::string_view line) {
    std::size_t at;
    if ((at = line.find(tags_.nameTag)) != std::string_view::npos) {
      topic_->name = KeepAsciiLettersAndDigits(line.substr(at + tags_.nameTag.size()));
    } else if ((at = line.find(tags_.titleTag)) != std::string_view::npos) {
      topic_->title = std::string(line.substr(at + tags_.titleTag.size()));
    } else if (line.find(tags_.pageTag) != std::string_view::npos) {
      FinishTopic();
      topic_ = NewTopic("Page" + std::to_string(pageCounter_++));
      text_.clear();
    } else {
      text_ += line;
      text_ += "\r\n";
    }
  }

  TaggedTextTopics End() {
    if (!text_.empty()) FinishTopic();
    return std::move(result_);
  }

 private:
  static std::unique_ptr<CTopic> NewTopic(const std::string& name) {
    auto topic = std::make_unique<CTopic>();
    topic->name = name;
    return topic;
  }

  void FinishTopic() {
    if (static_cast<int>(result_.topics.size()) >= maxTopics_) {
      ++result_.leftOut;
      return;
    }
    auto subject = CTypeEdit::CreateSubject(kTypeTexte);
    subject->text = text_;
    topic_->AddSubject(std::move(subject));
    result_.topics.push_back(std::move(topic_));
  }

  const ImportTags& tags_;
  const int maxTopics_;
  std::unique_ptr<CTopic> topic_;
  std::string text_;
  int pageCounter_ = 2;
  TaggedTextTopics result_;
};

}  // namespace

bool ImportTagsValid(const ImportTags& tags) {
  return tags.nameTag.size() <= kMaxImportTagLength && tags.titleTag.size() <= kMaxImportTagLength;
}

std::string KeepAsciiLettersAndDigits(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (IsAsciiLetterOrDigit(c)) out += c;
  }
  return out;
}

TaggedTextTopics ParseTaggedText(std::string_view text, const ImportTags& tags, int maxTopics) {
  const std::size_t ctrlZ = text.find('\x1A');
  if (ctrlZ != std::string_view::npos) text = text.substr(0, ctrlZ);
  TaggedTextReader reader(tags, maxTopics);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > start && end < text.size() && text[end - 1] == '\r') --end;
    std::string_view line = text.substr(start, end - start);
    do {
      reader.Line(line.substr(0, kTextImportPieceLength));
      line.remove_prefix(std::min(line.size(), kTextImportPieceLength));
    } while (!line.empty());
    start = next;
  }
  // The read that meets the end of the file yields one more, empty, line.
  reader.Line(std::string_view());
  return reader.End();
}

int ImportText(CVeldorDoc& doc, const std::string& path, const ImportTags& tags,
               ImportSummary* summary) {
  ImportSummary local;
  ImportSummary& result = summary != nullptr ? *summary : local;
  ImportFile file;
  std::string cause;
  if (!ReadImportFile(path, kMaxTextImportBytes, file, &cause)) {
    Messages().Message(OpenFailureMessage(path, cause), kCaption, MessageIcon::Error);
    return 0;
  }
  if (file.truncated) {
    Messages().Message("Le fichier " + path + " dépasse " +
                           std::to_string(kMaxTextImportBytes / (1024 * 1024)) +
                           " Mo : il n'est pas importé.",
                       kCaption, MessageIcon::Error);
    return 0;
  }
  result.fileRead = true;
  WaitCursor wait;
  TaggedTextTopics parsed = ParseTaggedText(file.bytes, tags, TopicRoom(doc));
  result.leftOut += parsed.leftOut;
  AppendImportedTopics(doc, parsed.topics, result);
  ReportImportSummary(result, kCaption);
  return 1;
}

}  // namespace veldor
