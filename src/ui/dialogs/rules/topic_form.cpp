#include "ui/dialogs/rules/topic_form.h"

#include <algorithm>

#include "devtools/help_maps.h"
#include "model/document.h"
#include "model/topic.h"
#include "model/topic_rules.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace veldor {
namespace {

void SortUnique(std::vector<std::string>& list) {
  std::sort(list.begin(), list.end());
  list.erase(std::unique(list.begin(), list.end()), list.end());
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

}  // namespace

TopicForm LoadTopicForm(const CVeldorDoc& doc, const CTopic& topic) {
  TopicForm form;
  form.name = topic.name;
  form.title = topic.title;
  form.keywordText = JoinLines(topic.keywords);
  form.browse = topic.browse;
  form.chapterChoices = doc.chapters;
  form.chapterChoices.push_back(kAllChapters);
  form.chapter = topic.chapter.empty() ? std::string(kAllChapters) : topic.chapter;
  // A chapter that the list no longer holds ("SansChapitre" after a removal)
  // is offered too, so that confirming the dialog does not move the topic.
  form.chapterChoices.push_back(form.chapter);
  SortUnique(form.chapterChoices);
  form.attached = SplitReferenceNames(topic.references);
  SortUnique(form.attached);
  form.available = doc.allowedHelpIds;
  SortUnique(form.available);
  return form;
}

std::string NormaliseBrowseKey(const std::string& text) {
  return AsciiUpper(text.substr(0, kBrowseKeyLength));
}

int AttachReference(TopicForm& form, const std::string& reference) {
  auto at = std::lower_bound(form.attached.begin(), form.attached.end(), reference);
  if (at == form.attached.end() || *at != reference) at = form.attached.insert(at, reference);
  return static_cast<int>(at - form.attached.begin());
}

bool DetachReference(TopicForm& form, int position) {
  if (position < 0 || position >= static_cast<int>(form.attached.size())) return false;
  form.attached.erase(form.attached.begin() + position);
  return true;
}

bool ConfirmTopicForm(CVeldorDoc& doc, CTopic& topic, const TopicForm& form) {
  TopicEdit edit;
  edit.name = form.name;
  edit.title = form.title;
  edit.browse = NormaliseBrowseKey(form.browse);
  if (!form.chapter.empty()) edit.chapter = form.chapter;
  edit.keywordText = form.keywordText;
  edit.references = form.attached;
  const std::string oldName = topic.name;
  if (auto problem = ApplyTopicEdit(doc, topic, oldName, edit)) {
    Messages().Message(problem->message, problem->caption, MessageIcon::Error);
    return false;
  }
  return true;
}

}  // namespace veldor
