// The two clipboards of the editor, shared by every open project: copies of
// whole topics and cloned subjects. They live as long as the program and
// never reach the disk or the system clipboard.
#pragma once

#include <memory>
#include <vector>

#include "model/subject.h"
#include "model/topic.h"

namespace veldor::ui {

class TopicClipboard {
 public:
  void Clear() { topics_.clear(); }
  // Clears, then reserves room for `n` topics.
  void SetCapacity(int n);
  // Adds a copy; does nothing once the capacity is reached.
  void Add(const CTopic& topic);
  int Count() const { return static_cast<int>(topics_.size()); }
  int Capacity() const { return capacity_; }
  // Element i, or a shared empty topic outside 0..Count()-1.
  const CTopic& At(int i) const;

 private:
  std::vector<std::unique_ptr<CTopic>> topics_;
  int capacity_ = 0;
};

class SubjectClipboard {
 public:
  static constexpr int kCapacity = 1024;
  void Clear() { subjects_.clear(); }
  // Adds a clone; does nothing past 1024 subjects or for a subject that
  // cannot be cloned.
  void Add(const CTypeEdit& subject);
  int Count() const { return static_cast<int>(subjects_.size()); }
  const CTypeEdit& At(int i) const;

 private:
  std::vector<std::unique_ptr<CTypeEdit>> subjects_;
};

// The clipboards of the running editor.
struct Clipboards {
  TopicClipboard topics;
  SubjectClipboard subjects;
};
Clipboards& SharedClipboards();

}  // namespace veldor::ui
