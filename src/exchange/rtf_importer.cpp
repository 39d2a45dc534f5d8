// Reading the file and naming its topics.
#include "exchange/rtf_importer.h"

#include "exchange/rtf_import_names.h"
#include "helprtf/help_rtf_reader.h"
#include "model/subject.h"
#include "model/topic.h"
#include "platform/messages.h"

namespace veldor {

namespace {
constexpr const char* kDefaultContextName = "Titre";
}  // namespace

RtfImporter::RtfImporter(int maxTopics) : maxTopics_(maxTopics) {}

RtfImporter::~RtfImporter() = default;

std::vector<std::unique_ptr<CTopic>> RtfImporter::TakeTopics() {
  names_.clear();
  nextNumber_.clear();
  return std::move(topics_);
}

std::string RtfImporter::UniqueContextName(std::string_view name) {
  std::string cleaned = KeepContextCharacters(name);
  if (cleaned.size() > kMaxContextName) cleaned.resize(kMaxContextName);
  if (cleaned.empty()) cleaned = kDefaultContextName;
  if (names_.count(cleaned) == 0) return cleaned;
  // Every number below the one remembered was taken when it was tried,
  // and names only ever join the set.
  int& next = nextNumber_[cleaned];
  if (next < 1) next = 1;
  while (names_.count(cleaned + std::to_string(next)) != 0) ++next;
  return cleaned + std::to_string(next);
}

bool RtfImporter::Parse(std::string_view data) {
  const std::size_t zero = data.find('\0');
  if (zero != std::string_view::npos) data = data.substr(0, zero);
  std::size_t stepped = 0;
  helprtf::ReadLimits limits;
  limits.progress = [&stepped](std::size_t bytes) {
    for (; stepped < bytes; ++stepped) Messages().ProgressStep();
  };
  const helprtf::HelpDocument doc = helprtf::ReadHelpRtf(data, limits);
  if (doc.wrongVersion) {
    Messages().Message("Version RTF incorrecte", "Import RTF", MessageIcon::Error);
  }
  faces_.clear();
  for (const helprtf::HelpFont& font : doc.fonts) {
    if (!font.name.empty()) faces_[font.number] = font.name;
  }
  for (const helprtf::Topic& topic : doc.topics) {
    if (TopicCount() >= maxTopics_) {
      ++leftOut_;  // no room: the page is counted, not kept
    } else {
      AddTopic(doc, topic);
    }
  }
  return !doc.wrongVersion && !doc.unclosedGroups;
}

// A topic reached by several context strings has one "#" footnote for
// each: the last names the topic, the earlier ones become its references
// (as many as its 510 characters of references hold).
void RtfImporter::AddTopic(const helprtf::HelpDocument& doc, const helprtf::Topic& source) {
  auto topic = std::make_unique<CTopic>();
  const std::vector<std::string>& contexts = source.contextStrings;
  for (std::size_t i = 0; i + 1 < contexts.size(); ++i) {
    const std::string reference = KeepContextCharacters(contexts[i]).substr(0, kMaxContextName);
    if (reference.empty()) continue;
    const std::string references =
        topic->references.empty() ? reference : topic->references + ";" + reference;
    if (references.size() <= static_cast<std::size_t>(CTopic::kMaxReferencesLength)) {
      topic->references = references;
    }
  }
  topic->name = UniqueContextName(contexts.empty() ? kDefaultContextName : contexts.back());
  topic->title = source.title;
  topic->keywords = source.keywords;
  cellTabs_.clear();
  for (const helprtf::Paragraph& paragraph : source.paragraphs) {
    AddParagraph(doc, paragraph, *topic);
  }
  names_.insert(topic->name);
  topics_.push_back(std::move(topic));
}

}  // namespace veldor
