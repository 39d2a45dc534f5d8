// The file of every topic's page in an HTML export. A page is named after
// its topic, but a topic name may hold anything: the file name keeps only
// what is safe in a file name of the chosen directory, and two topics never
// share a file. Links to a topic use the very name of its page.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace veldor {

class CVeldorDoc;

// The topic name made safe as a file name (without ".htm"): '/', '\',
// control characters, the characters Windows refuses in file names
// (':', '*', '?', '"', '<', '>', '|') and the five bytes Windows-1252
// leaves undefined become '_'; an empty name becomes "_"; the name is cut
// so that its file name stays well below the system's limit. Any name
// without those characters is kept as it is.
std::string SafeHtmlPageName(const std::string& topicName);

class HtmlPageNames {
 public:
  // Gives every topic of `doc` a page name, unique without regard to ASCII
  // case: a topic whose name is already safe keeps it, the first of equal
  // names wins, and the others get "_2", "_3", ... after their safe name.
  explicit HtmlPageNames(const CVeldorDoc& doc);

  // Page name (Windows-1252, without ".htm") of topic i.
  const std::string& PageOfTopic(int i) const { return pages_[static_cast<size_t>(i)]; }
  // Page a link to `target` leads to: that of the first topic with exactly
  // that name, else of the first with that name in another letter case,
  // else the safe form of the target.
  std::string PageOfTarget(const std::string& target) const;

 private:
  std::vector<std::string> pages_;
  std::unordered_map<std::string, int> exact_;   // topic name -> first topic
  std::unordered_map<std::string, int> folded_;  // upper-cased name -> first topic
};

// The file of a page on disk: the page name in UTF-8 (the encoding of file
// names here, and the one a browser uses to look a link up) and ".htm".
std::string HtmlPageFileName(const std::string& pageName);

}  // namespace veldor
