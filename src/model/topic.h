// CTopic: one help page, a context name with its title, references,
// keywords, browse key, chapter and ordered subjects.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/subject.h"

namespace veldor {

class CArchive;

class CTopic {
 public:
  static constexpr int kMaxSubjects = 256;
  static constexpr int kMaxReferencesLength = 510;

  CTopic() = default;
  CTopic(const CTopic&) = delete;
  CTopic& operator=(const CTopic&) = delete;

  const std::string& GetName() const { return name; }
  void SetName(const std::string& n) { name = n; }
  std::string GetShortName() const { return name.substr(0, 100); }
  const std::string& GetTitle() const { return title; }
  void SetTitle(const std::string& t) { title = t; }
  const std::vector<std::string>& GetKeywords() const { return keywords; }
  void SetKeywords(const std::vector<std::string>& k) { keywords = k; }
  // Refuses (0) a references text longer than 510 characters.
  int SetReferences(const std::string& refs);

  int subjectCount() const { return static_cast<int>(subjects.size()); }
  int AddSubject(std::unique_ptr<CTypeEdit> s);
  int InsertSubject(int i, std::unique_ptr<CTypeEdit> s);
  int RemoveSubject(int i);
  int MoveSubjectUp(int i);
  int MoveSubjectDown(int i);
  CTypeEdit* GetSubject(int i) const { return subjects[static_cast<size_t>(i)].get(); }

  // A copy for the clipboard: names, texts, keywords, browse key, chapter
  // and cloned subjects; reserved fields left empty, plain subjects left out.
  std::unique_ptr<CTopic> Copy() const;
  // A copy of every stored field and every subject, plain ones included:
  // the snapshots that undo chapter changes give topics back unchanged.
  std::unique_ptr<CTopic> ExactCopy() const;

  void Serialize(CArchive& ar);

  std::string name;
  std::string title;
  std::string references;
  std::vector<std::string> keywords;
  std::vector<std::unique_ptr<CTypeEdit>> subjects;  // at most 256
  int32_t reservedLong0 = 0;
  int32_t reservedWordA = 0;
  int32_t reservedWordB = 0;
  int32_t reservedWordC = 0;
  uint16_t reservedWordD = 0;
  uint16_t reservedWordE = 0;
  uint16_t reservedWordF = 0;
  int32_t reservedLong1 = 0;
  int32_t reservedLong2 = 0;
  int32_t reservedLong3 = 0;
  std::string browse;
  std::string chapter;
  std::string reservedText;
  std::vector<std::string> reservedList;
  std::vector<uint16_t> reservedWords;
  std::vector<uint32_t> reservedLongs;

  // Transient: never stored, never copied.
  int32_t treeVisited = 0;
  int32_t treeDepth = 10000;
  int64_t deletedAt = 0;
};

// Keyword entry, one keyword per line: the text is cut at every line end
// (CR, LF or both) and empty lines are dropped.
std::vector<std::string> SplitKeywordText(const std::string& text);

}  // namespace veldor
