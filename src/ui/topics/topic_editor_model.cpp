#include "ui/topics/topic_editor_model.h"

#include <algorithm>

#include "model/document.h"
#include "platform/codepage.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "ui/app/clipboards.h"
#include "ui/app/message_boxes.h"

namespace veldor::ui {

void SortNamesIgnoringCase(std::vector<std::string>& names) {
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(names.size());
  for (std::string& n : names) keyed.emplace_back(AsciiLower(n), std::move(n));
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < keyed.size(); ++i) names[i] = std::move(keyed[i].second);
}

int FindByPrefix(const std::vector<std::string>& names, const std::string& prefix) {
  const std::string lower = AsciiLower(prefix);
  for (size_t i = 0; i < names.size(); ++i) {
    if (AsciiLower(names[i].substr(0, lower.size())) == lower) return static_cast<int>(i);
  }
  return -1;
}

TopicEditorModel::TopicEditorModel(CVeldorDoc& doc) : doc_(doc) {}

std::string TopicEditorModel::chapterName() const {
  if (chapterIndex_ < 0 || chapterIndex_ >= static_cast<int>(chapters_.size())) return "";
  return chapters_[static_cast<size_t>(chapterIndex_)];
}

void TopicEditorModel::FillChapters() {
  chapters_.clear();
  chapters_.push_back(kAllChapters);
  for (const std::string& c : doc_.chapters) chapters_.push_back(c);
  SortNamesIgnoringCase(chapters_);
  ++chaptersRevision_;
  const std::string wanted = rememberedChapter_.empty() ? kAllChapters : rememberedChapter_;
  const auto found = std::find(chapters_.begin(), chapters_.end(), wanted);
  int index = found != chapters_.end() ? static_cast<int>(found - chapters_.begin())
                                       : std::min(chapterIndex_, int(chapters_.size()) - 1);
  SelectChapter(index < 0 ? 0 : index);
}

void TopicEditorModel::SelectChapter(int index) {
  chapterIndex_ = index >= 0 && index < static_cast<int>(chapters_.size()) ? index : -1;
  if (chapterIndex_ >= 0) rememberedChapter_ = chapterName();
  FillTopics();
}

void TopicEditorModel::FillTopics() {
  topicOrder_.clear();
  topicNames_.clear();
  const std::string chapter = chapterName();
  if (!chapter.empty()) {
    doc_.GetTopicsOfChapter(chapter, topicOrder_);
    topicNames_ = topicOrder_;
    SortNamesIgnoringCase(topicNames_);
  }
  ++topicsRevision_;
  topicIndex_ = topicNames_.empty() ? -1 : 0;
  LoadSubjects();
}

void TopicEditorModel::SelectTopic(int index) {
  topicIndex_ = index >= 0 && index < static_cast<int>(topicNames_.size()) ? index : -1;
  LoadSubjects();
}

bool TopicEditorModel::SelectTopicByName(const std::string& name) {
  const int i = FindByPrefix(topicNames_, name);
  SelectTopic(i);
  return i >= 0;
}

CTopic* TopicEditorModel::selectedTopic() const {
  if (topicIndex_ < 0) return nullptr;
  return doc_.FindTopic(topicNames_[static_cast<size_t>(topicIndex_)]);
}

void TopicEditorModel::ShowTopic(const std::string& name, bool withChapter, int subject) {
  int chapter = 0;
  if (withChapter) {
    const CTopic* topic = doc_.FindTopic(name);
    for (int i = 0; topic == nullptr && i < doc_.topicCount(); ++i) {
      if (EqualsIgnoreCase(doc_.GetTopic(i)->GetName(), name)) topic = doc_.GetTopic(i);
    }
    if (topic != nullptr) chapter = std::max(0, FindByPrefix(chapters_, topic->chapter));
  }
  SelectChapter(chapter);
  SelectTopicByName(name);
  if (subject >= 0 && subject < subjectCount()) SetSubjectSelection({subject}, subject);
}

int TopicEditorModel::subjectCount() const {
  const CTopic* topic = selectedTopic();
  return topic ? topic->subjectCount() : 0;
}

void TopicEditorModel::SetSubjectSelection(std::vector<int> rows, int caret) {
  const int n = subjectCount();
  rows.erase(std::remove_if(rows.begin(), rows.end(), [n](int r) { return r < 0 || r >= n; }),
             rows.end());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  selection_ = std::move(rows);
  caret_ = caret >= 0 && caret < n ? caret : -1;
}

void TopicEditorModel::LoadSubjects() {
  selection_.clear();
  caret_ = -1;
  ++subjectsRevision_;
}

std::string TopicEditorModel::TopicCounterText() const {
  const int total = static_cast<int>(topicNames_.size());
  if (topicIndex_ < 0) return std::to_string(total);
  return std::to_string(topicIndex_ + 1) + "/" + std::to_string(total);
}

std::string TopicEditorModel::SubjectCounterText() const {
  return std::to_string(subjectCount());
}

bool TopicEditorModel::RequireTopic() const {
  if (selectedTopic() != nullptr) return true;
  Messages().Message(kNoTopicSelected, kSelectionCaption, MessageIcon::Error);
  return false;
}

bool TopicEditorModel::RequireSubject() const {
  if (!RequireTopic()) return false;
  if (!selection_.empty()) return true;
  Messages().Message(kNoSubjectSelected, kSelectionCaption, MessageIcon::Error);
  return false;
}

bool TopicEditorModel::DeleteSelectedTopic() {
  if (!RequireTopic()) return false;
  const std::string name = topicNames_[static_cast<size_t>(topicIndex_)];
  if (!ConfirmWithIcon("ATTENTION\nConfirmer destruction du TOPIC " + Cp1252ToUtf8(name), "",
                       MessageIcon::Error)) {
    return false;
  }
  const int position = topicIndex_;
  doc_.DeleteTopic(doc_.IndexOfTopic(name));
  doc_.SetModifiedFlag();
  FillTopics();
  SelectTopic(std::min(position, static_cast<int>(topicNames_.size()) - 1));
  return true;
}

void TopicEditorModel::CopySelectedTopic(TopicClipboard& clipboard) const {
  const CTopic* topic = selectedTopic();
  if (topic == nullptr) {
    RequireTopic();
    return;
  }
  clipboard.SetCapacity(1);
  clipboard.Add(*topic);
}

bool TopicEditorModel::PasteTopics(const TopicClipboard& clipboard, const NameAsker& ask) {
  if (clipboard.Count() == 0 || chapterName().empty()) return false;
  std::vector<const CTopic*> topics;
  for (int i = 0; i < clipboard.Count(); ++i) topics.push_back(&clipboard.At(i));
  const std::string last = PasteTopicCopies(doc_, topics, ask);
  FillTopics();
  if (!last.empty()) SelectTopicByName(last);
  return !last.empty();
}

bool TopicEditorModel::DeleteTopics(const std::vector<std::string>& names) {
  if (names.empty()) return false;
  if (!ConfirmWithIcon("SUPPRESSION MULTIPLE\nOk pour supprimer\nces topics",
                       "Attention Confirmer!", MessageIcon::Question)) {
    return false;
  }
  for (const std::string& name : names) {
    const int i = doc_.IndexOfTopic(name);
    if (i >= 0) doc_.DeleteTopic(i);
  }
  doc_.SetModifiedFlag();
  Refresh();
  return true;
}

void TopicEditorModel::CopyTopics(const std::vector<std::string>& names,
                                  TopicClipboard& clipboard) const {
  clipboard.SetCapacity(static_cast<int>(names.size()));
  for (const std::string& name : names) {
    if (const CTopic* topic = doc_.FindTopic(name)) clipboard.Add(*topic);
  }
}

bool TopicEditorModel::CopySubjects(SubjectClipboard& clipboard) {
  if (!RequireSubject()) return false;
  const CTopic* topic = selectedTopic();
  clipboard.Clear();
  for (int row : selection_) clipboard.Add(*topic->GetSubject(row));
  return true;
}

bool TopicEditorModel::CutSubjects(SubjectClipboard& clipboard) {
  if (!RequireSubject()) return false;
  if (!Messages().Confirm("Confirmer la suppression par OUI", "")) return false;
  CTopic* topic = selectedTopic();
  CopySubjects(clipboard);
  const int first = selection_.front();
  for (auto it = selection_.rbegin(); it != selection_.rend(); ++it) topic->RemoveSubject(*it);
  doc_.SetModifiedFlag();
  LoadSubjects();
  const int n = topic->subjectCount();
  if (n > 0) {
    const int row = std::min(first, n - 1);
    SetSubjectSelection({row}, row);
  }
  return true;
}

bool TopicEditorModel::PasteSubjects(const SubjectClipboard& clipboard) {
  if (!RequireTopic()) return false;
  CTopic* topic = selectedTopic();
  int position = topic->subjectCount();
  if (topic->subjectCount() > 0) {
    if (caret_ < 0) {
      Messages().Message(kNoSubjectSelected, kSelectionCaption, MessageIcon::Error);
      return false;
    }
    position = caret_ + 1;
  }
  std::vector<int> pasted;
  for (int i = 0; i < clipboard.Count(); ++i) {
    auto clone = CTypeEdit::CloneSubject(clipboard.At(i));
    if (!clone || !topic->InsertSubject(position, std::move(clone))) break;
    pasted.push_back(position++);
  }
  if (pasted.empty()) return false;
  doc_.SetModifiedFlag();
  LoadSubjects();
  SetSubjectSelection(pasted, pasted.back());
  return true;
}

bool TopicEditorModel::MoveSubjectUp() {
  if (!RequireSubject()) return false;
  const int row = caret_ >= 0 ? caret_ : selection_.front();
  if (row <= 0 || !selectedTopic()->MoveSubjectUp(row)) return false;
  doc_.SetModifiedFlag();
  ++subjectsRevision_;
  SetSubjectSelection({row - 1}, row - 1);
  return true;
}

bool TopicEditorModel::MoveSubjectDown() {
  if (!RequireSubject()) return false;
  const int row = caret_ >= 0 ? caret_ : selection_.front();
  if (row + 1 >= subjectCount() || !selectedTopic()->MoveSubjectDown(row)) return false;
  doc_.SetModifiedFlag();
  ++subjectsRevision_;
  SetSubjectSelection({row + 1}, row + 1);
  return true;
}

}  // namespace veldor::ui
