// The chapter list of the project options ("Gestion des CHAPITRES"): each
// button acts on the project at once; cancelling the options dialog gives
// back the chapters and the chapters of the topics as they were.
#pragma once

#include <string>
#include <vector>

namespace veldor {

class CVeldorDoc;

class ChapterEditor {
 public:
  // Remembers the chapter list and forgets older topic snapshots.
  explicit ChapterEditor(CVeldorDoc& doc);

  const std::vector<std::string>& chapters() const;

  // Each returns the chapter to select afterwards (-1 for none), or
  // `selected` when nothing changed. Names are taken in upper case.
  int Add(const std::string& name, int selected);
  int Insert(const std::string& name, int selected);
  int Rename(const std::string& name, int selected);
  int Remove(int selected);
  int MoveUp(int selected);
  int MoveDown(int selected);

  // Puts back the chapter list, the topics' chapters and the modified flag.
  void Cancel();

 private:
  bool IsChapter(int i) const;

  CVeldorDoc& doc_;
  std::vector<std::string> saved_;
  bool wasModified_;
};

}  // namespace veldor
