// The compiler's messages: one line per problem, naming the topic by its
// number in its file ("topic #3 of DEMO.RTF") so that the error list can
// lead back to it, and the counts of the final summary.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace veldor::winhelp {

class Diagnostics {
 public:
  // Called with every line as it is added (to echo it), when set.
  std::function<void(const std::string&)> echo;

  void Warning(const std::string& text) { Add("Warning: " + text, false); }
  void Error(const std::string& text) { Add("Error: " + text, true); }
  // "Warning: topic #N of FILE : text"; `topicNumber` is 1-based.
  void TopicWarning(const std::string& file, int topicNumber, const std::string& text);
  void TopicError(const std::string& file, int topicNumber, const std::string& text);
  // An informative line that is neither.
  void Note(const std::string& text) { Add(text, false, false); }

  const std::vector<std::string>& lines() const { return lines_; }
  int warnings() const { return warnings_; }
  int errors() const { return errors_; }

 private:
  void Add(const std::string& line, bool error, bool counted = true);
  std::vector<std::string> lines_;
  int warnings_ = 0, errors_ = 0;
};

}  // namespace veldor::winhelp
