#include "winhelp/diagnostics.h"

namespace veldor::winhelp {

namespace {

std::string TopicPrefix(const std::string& file, int topicNumber) {
  return "topic #" + std::to_string(topicNumber) + " of " + file + " : ";
}

}  // namespace

void Diagnostics::TopicWarning(const std::string& file, int topicNumber, const std::string& text) {
  Warning(TopicPrefix(file, topicNumber) + text);
}

void Diagnostics::TopicError(const std::string& file, int topicNumber, const std::string& text) {
  Error(TopicPrefix(file, topicNumber) + text);
}

void Diagnostics::Add(const std::string& line, bool error, bool counted) {
  std::string clean = line;
  for (char& c : clean) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  lines_.push_back(clean);
  if (counted) ++(error ? errors_ : warnings_);
  if (echo) echo(clean);
}

}  // namespace veldor::winhelp
