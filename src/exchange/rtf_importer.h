// The topics of an RTF file as subjects: the WinHelp RTF reader of
// helprtf reads the file; this importer turns each of its topics into a
// CTopic. "#" footnotes name the topic (of several, the last names it and
// the others become its references, as the help build writes them), "$"
// gives its title and "K" its keywords. Every run of text in one format
// becomes a subject, a hot spot a jump subject (or an image subject for a
// bitmap), and the paragraph layout goes to the subjects of the paragraph,
// the last of which ends it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/document.h"

namespace veldor {

namespace helprtf {
struct HelpDocument;
struct Topic;
struct Paragraph;
}  // namespace helprtf

class CTypeEdit;

class RtfImporter {
 public:
  // Only this much of a file is read.
  static constexpr std::size_t kMaxBytes = 500000;
  // Context names keep at most this many characters (before a number).
  static constexpr std::size_t kMaxContextName = 250;

  // At most `maxTopics` topics are kept; the pages after them are counted.
  explicit RtfImporter(int maxTopics = CVeldorDoc::kMaxTopics);
  ~RtfImporter();
  RtfImporter(const RtfImporter&) = delete;
  RtfImporter& operator=(const RtfImporter&) = delete;

  // Reads RTF held in memory; the data ends at its first zero byte.
  // Returns false when the reading meets an error ("Erreur RTF" for the
  // caller to show): a wrong version (after the message "Version RTF
  // incorrecte"), a group still open at the end. The topics read before
  // the error are kept either way. Advances the progress bar by one for
  // every byte read. Reads and writes no file.
  bool Parse(std::string_view data);

  int TopicCount() const { return static_cast<int>(topics_.size()); }
  CTopic* GetTopic(int i) const { return topics_[static_cast<size_t>(i)].get(); }
  // Hands the topics over (the importer keeps none afterwards).
  std::vector<std::unique_ptr<CTopic>> TakeTopics();
  // Pages that did not fit below `maxTopics`.
  int LeftOut() const { return leftOut_; }
  // Subjects that did not fit in their topic (256 at most).
  int DroppedSubjects() const { return droppedSubjects_; }

  // Cleans a context name as the import does (the letters, digits, '_'
  // and '.' of ASCII, at most 250 of them; "Titre" when none is left) and
  // makes it unique among the topics imported so far ("%s%d" from 1).
  std::string UniqueContextName(std::string_view name);

 private:
  void AddTopic(const helprtf::HelpDocument& doc, const helprtf::Topic& source);
  void AddParagraph(const helprtf::HelpDocument& doc, const helprtf::Paragraph& paragraph,
                    CTopic& topic);

  const int maxTopics_;
  std::vector<std::unique_ptr<CTopic>> topics_;
  std::unordered_set<std::string> names_;            // names of topics_
  std::unordered_map<std::string, int> nextNumber_;  // first number worth trying per name
  int droppedSubjects_ = 0;
  int leftOut_ = 0;
  // Tabs that stand for the empty cells at the start of a table row, given
  // to the row's first subject.
  std::string cellTabs_;
  // The face names of the font table by font number (named fonts only).
  std::unordered_map<int, std::string> faces_;
};

}  // namespace veldor
