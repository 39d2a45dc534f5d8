// What the topic editor shows and does, without widgets: the chapter and
// topic selections, the selected subjects, the counters, and every topic
// and subject operation with its messages and confirmations.
#pragma once

#include <string>
#include <vector>

#include "ui/topics/topic_names.h"

namespace veldor {
class CTopic;
class CVeldorDoc;
}  // namespace veldor

namespace veldor::ui {

class SubjectClipboard;
class TopicClipboard;

inline constexpr const char* kSelectionCaption = "ERREUR SELECTION";
inline constexpr const char* kNoTopicSelected = "Pas de topic sélectionné";
inline constexpr const char* kNoSubjectSelected = "Pas de sujet sélectionné";

// Sorts names alphabetically without regard to ASCII case.
void SortNamesIgnoringCase(std::vector<std::string>& names);
// Index of the first name beginning with `prefix` (ASCII case ignored), or -1.
int FindByPrefix(const std::vector<std::string>& names, const std::string& prefix);

class TopicEditorModel {
 public:
  explicit TopicEditorModel(CVeldorDoc& doc);

  CVeldorDoc& document() const { return doc_; }

  // --- Chapters ---------------------------------------------------------
  const std::vector<std::string>& chapters() const { return chapters_; }
  int chapterIndex() const { return chapterIndex_; }
  std::string chapterName() const;
  // Refills the chapter selector, keeping the remembered chapter (or its
  // index when the name is gone), then the topic list.
  void FillChapters();
  void SelectChapter(int index);

  // --- Topics -----------------------------------------------------------
  // The topic names of the current chapter, sorted, and in the order the
  // project delivers them.
  const std::vector<std::string>& topicNames() const { return topicNames_; }
  const std::vector<std::string>& topicNamesInOrder() const { return topicOrder_; }
  int topicIndex() const { return topicIndex_; }
  // Refills the topics of the current chapter and selects the first.
  void FillTopics();
  void SelectTopic(int index);
  // Selects the first topic whose name begins with `name`; false if none.
  bool SelectTopicByName(const std::string& name);
  CTopic* selectedTopic() const;
  // Shows a topic: chapter set from the topic's chapter (or the first
  // chapter entry without it), topic selected, subject `subject` selected
  // when it exists.
  void ShowTopic(const std::string& name, bool withChapter, int subject);
  // After imports, recovery and deletions elsewhere.
  void Refresh() { FillChapters(); }

  // --- Subjects ---------------------------------------------------------
  int subjectCount() const;
  const std::vector<int>& selectedSubjects() const { return selection_; }
  int caret() const { return caret_; }
  // Rows outside the topic are dropped; the rows are kept sorted.
  void SetSubjectSelection(std::vector<int> rows, int caret);

  // --- Counters ---------------------------------------------------------
  std::string TopicCounterText() const;
  std::string SubjectCounterText() const;

  // --- Operations (messages and confirmations through Messages()) -------
  // "Supprimer" topic and "Coupe topic": asks, then deletes.
  bool DeleteSelectedTopic();
  void CopySelectedTopic(TopicClipboard& clipboard) const;
  bool PasteTopics(const TopicClipboard& clipboard, const NameAsker& ask);
  // Deletes the given topics (by name) after the multiple-deletion question.
  bool DeleteTopics(const std::vector<std::string>& names);
  void CopyTopics(const std::vector<std::string>& names, TopicClipboard& clipboard) const;

  bool CutSubjects(SubjectClipboard& clipboard);
  bool CopySubjects(SubjectClipboard& clipboard);
  bool PasteSubjects(const SubjectClipboard& clipboard);
  bool MoveSubjectUp();
  bool MoveSubjectDown();

  // Increase whenever the matching part of the display must be rebuilt.
  int chaptersRevision() const { return chaptersRevision_; }
  int topicsRevision() const { return topicsRevision_; }
  int subjectsRevision() const { return subjectsRevision_; }
  // A subject changed in place (its row must be measured again).
  void TouchSubjects() { ++subjectsRevision_; }

 private:
  bool RequireTopic() const;
  bool RequireSubject() const;
  void LoadSubjects();

  CVeldorDoc& doc_;
  std::vector<std::string> chapters_;
  std::string rememberedChapter_;
  int chapterIndex_ = -1;
  std::vector<std::string> topicNames_;
  std::vector<std::string> topicOrder_;
  int topicIndex_ = -1;
  std::vector<int> selection_;
  int caret_ = -1;
  int chaptersRevision_ = 0;
  int topicsRevision_ = 0;
  int subjectsRevision_ = 0;
};

}  // namespace veldor::ui
