// The project document in memory: topics, deleted topics, chapters and the
// snapshots that undo chapter changes. Reading and writing the project file
// are in document_file.cpp.
#include "model/document.h"

#include <algorithm>
#include <utility>

#include "platform/clock.h"
#include "platform/paths.h"

namespace veldor {

CVeldorDoc::CVeldorDoc() {
  created = NowSeconds();
  modified = created;
}

CVeldorDoc::~CVeldorDoc() = default;

// --- Topics -----------------------------------------------------------------

int CVeldorDoc::AddTopic(std::unique_ptr<CTopic> t) {
  if (!t || topicCount() >= kMaxTopics) return 0;
  topics.push_back(std::move(t));
  return 1;
}

void CVeldorDoc::DeleteTopic(int i) {
  if (i < 0 || i >= topicCount()) return;
  std::unique_ptr<CTopic> topic = std::move(topics[static_cast<size_t>(i)]);
  topics.erase(topics.begin() + i);
  // Snapshots follow the topics they belong to.
  if (static_cast<size_t>(i) < snapshots.size()) snapshots.erase(snapshots.begin() + i);
  topic->deletedAt = NowSeconds();
  if (GetDeletedCount() < kMaxDeletedTopics) deletedTopics.push_back(std::move(topic));
}

CTopic* CVeldorDoc::FindTopic(const std::string& name) const {
  const int i = IndexOfTopic(name);
  return i >= 0 ? GetTopic(i) : nullptr;
}

int CVeldorDoc::IndexOfTopic(const std::string& name) const {
  for (int i = 0; i < topicCount(); ++i) {
    if (GetTopic(i)->name == name) return i;
  }
  return -1;
}

int CVeldorDoc::TopicNameExists(const std::string& name) const {
  for (const auto& topic : topics) {
    if (EqualsIgnoreCase(topic->name, name)) return 1;
  }
  return 0;
}

void CVeldorDoc::RenameTopicReferences(const std::string& oldName, const std::string& newName) {
  // No topic is called "": an empty old name would catch every subject
  // without a target.
  if (oldName.empty()) return;
  bool changed = false;
  for (const auto& topic : topics) {
    for (const auto& subject : topic->subjects) {
      const bool linking = subject->typeCode == kTypeBitMap || subject->typeCode == kTypeJump;
      const bool toTopic = subject->action == kActionSaut || subject->action == kActionPopup;
      if (linking && toTopic && EqualsIgnoreCase(subject->target, oldName)) {
        subject->target = newName;
        changed = true;
      }
    }
  }
  for (int i = 0; i < globals.count(); ++i) {
    CGlobalTexte* global = globals.GetAt(i);
    if (EqualsIgnoreCase(global->target, oldName)) {
      global->target = newName;
      changed = true;
    }
  }
  if (changed) SetModifiedFlag();
}

void CVeldorDoc::SortTopics() {
  // Ordered by chapter, then by browse key, equal keys keeping their order:
  // the result of a stable sort by browse key followed by one by chapter.
  std::stable_sort(topics.begin(), topics.end(), [](const auto& a, const auto& b) {
    const int byChapter = a->chapter.compare(b->chapter);
    if (byChapter != 0) return byChapter < 0;
    return a->browse.compare(b->browse) < 0;
  });
}

void CVeldorDoc::GetTopicsOfChapter(const std::string& chapter,
                                    std::vector<std::string>& list) const {
  list.clear();
  const bool all = chapter == kAllChapters;
  for (const auto& topic : topics) {
    if (all || topic->chapter == chapter) list.push_back(topic->name);
  }
}

// --- Deleted topics -----------------------------------------------------------

CTopic* CVeldorDoc::GetDeletedTopic(int i) const {
  if (i < 0 || i >= GetDeletedCount()) return nullptr;
  return deletedTopics[static_cast<size_t>(i)].get();
}

std::unique_ptr<CTopic> CVeldorDoc::RemoveDeletedTopic(int i, bool destroy) {
  if (i < 0 || i >= GetDeletedCount()) return nullptr;
  std::unique_ptr<CTopic> topic = std::move(deletedTopics[static_cast<size_t>(i)]);
  deletedTopics.erase(deletedTopics.begin() + i);
  if (destroy) return nullptr;
  return topic;
}

// --- Chapters ------------------------------------------------------------------

int CVeldorDoc::AddChapter(const std::string& name) {
  return InsertChapter(static_cast<int>(chapters.size()), name);
}

int CVeldorDoc::InsertChapter(int i, const std::string& name) {
  if (IndexOfChapter(name) >= 0) return 0;
  i = std::clamp(i, 0, static_cast<int>(chapters.size()));
  chapters.insert(chapters.begin() + i, name);
  SetModifiedFlag();
  return 1;
}

int CVeldorDoc::IndexOfChapter(const std::string& name) const {
  const auto found = std::find(chapters.begin(), chapters.end(), name);
  return found == chapters.end() ? -1 : static_cast<int>(found - chapters.begin());
}

void CVeldorDoc::RenameChapter(int i, const std::string& newName) {
  if (i < 0 || i >= static_cast<int>(chapters.size())) return;
  const std::string oldName = chapters[static_cast<size_t>(i)];
  if (oldName == newName) return;
  for (int t = 0; t < topicCount(); ++t) {
    if (GetTopic(t)->chapter == oldName) {
      SnapshotTopic(t);
      GetTopic(t)->chapter = newName;
    }
  }
  chapters[static_cast<size_t>(i)] = newName;
  SetModifiedFlag();
}

void CVeldorDoc::DeleteChapter(int i) {
  if (i < 0 || i >= static_cast<int>(chapters.size())) return;
  const std::string name = chapters[static_cast<size_t>(i)];
  for (int t = 0; t < topicCount(); ++t) {
    if (GetTopic(t)->chapter == name) {
      SnapshotTopic(t);
      GetTopic(t)->chapter = kNoChapter;
    }
  }
  chapters.erase(chapters.begin() + i);
  SetModifiedFlag();
}

void CVeldorDoc::MoveChapterUp(int i) {
  if (i <= 0 || i >= static_cast<int>(chapters.size())) return;
  std::swap(chapters[static_cast<size_t>(i)], chapters[static_cast<size_t>(i - 1)]);
}

void CVeldorDoc::MoveChapterDown(int i) {
  if (i < 0 || i + 1 >= static_cast<int>(chapters.size())) return;
  std::swap(chapters[static_cast<size_t>(i)], chapters[static_cast<size_t>(i + 1)]);
}

int CVeldorDoc::PositionInChapter(int i) const {
  if (i < 0 || i >= topicCount()) return 0;
  const std::string& chapter = GetTopic(i)->chapter;
  int position = 0;
  for (int j = 0; j < i; ++j) {
    if (GetTopic(j)->chapter == chapter) ++position;
  }
  return position;
}

// --- Snapshots -------------------------------------------------------------------

void CVeldorDoc::SnapshotTopic(int i) {
  if (i < 0 || i >= topicCount()) return;
  if (snapshots.size() < topics.size()) snapshots.resize(topics.size());
  auto& slot = snapshots[static_cast<size_t>(i)];
  if (!slot) slot = GetTopic(i)->ExactCopy();
}

void CVeldorDoc::RestoreSnapshots() {
  const size_t n = std::min(snapshots.size(), topics.size());
  for (size_t i = 0; i < n; ++i) {
    if (snapshots[i]) topics[i] = std::move(snapshots[i]);
  }
  snapshots.clear();
}

void CVeldorDoc::DiscardSnapshots() {
  snapshots.clear();
}

bool CVeldorDoc::HasSnapshot(int i) const {
  return i >= 0 && static_cast<size_t>(i) < snapshots.size() && snapshots[static_cast<size_t>(i)];
}

}  // namespace veldor
