#include "ui/dialogs/rules/chapter_editor.h"

#include "model/document.h"
#include "platform/paths.h"

namespace veldor {

ChapterEditor::ChapterEditor(CVeldorDoc& doc)
    : doc_(doc), saved_(doc.chapters), wasModified_(doc.IsModified()) {
  doc_.DiscardSnapshots();
}

const std::vector<std::string>& ChapterEditor::chapters() const {
  return doc_.chapters;
}

bool ChapterEditor::IsChapter(int i) const {
  return i >= 0 && i < static_cast<int>(doc_.chapters.size());
}

int ChapterEditor::Add(const std::string& name, int selected) {
  const std::string upper = AsciiUpper(name);
  if (upper.empty() || doc_.AddChapter(upper) == 0) return selected;
  return static_cast<int>(doc_.chapters.size()) - 1;
}

int ChapterEditor::Insert(const std::string& name, int selected) {
  const std::string upper = AsciiUpper(name);
  const int at = IsChapter(selected) ? selected : static_cast<int>(doc_.chapters.size());
  if (upper.empty() || doc_.InsertChapter(at, upper) == 0) return selected;
  return at;
}

int ChapterEditor::Rename(const std::string& name, int selected) {
  const std::string upper = AsciiUpper(name);
  if (upper.empty() || !IsChapter(selected)) return selected;
  doc_.RenameChapter(selected, upper);
  return selected;
}

int ChapterEditor::Remove(int selected) {
  if (!IsChapter(selected)) return selected;
  doc_.DeleteChapter(selected);
  const int count = static_cast<int>(doc_.chapters.size());
  return selected < count ? selected : count - 1;
}

int ChapterEditor::MoveUp(int selected) {
  if (!IsChapter(selected) || selected == 0) return selected;
  doc_.MoveChapterUp(selected);
  return selected - 1;
}

int ChapterEditor::MoveDown(int selected) {
  if (!IsChapter(selected) || selected + 1 >= static_cast<int>(doc_.chapters.size())) {
    return selected;
  }
  doc_.MoveChapterDown(selected);
  return selected + 1;
}

void ChapterEditor::Cancel() {
  doc_.chapters = saved_;
  doc_.RestoreSnapshots();
  doc_.SetModifiedFlag(wasModified_);
}

}  // namespace veldor
