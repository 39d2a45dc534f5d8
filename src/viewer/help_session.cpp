#include "viewer/help_session.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "hlpfile/context_hash.h"
#include "hlpfile/help_file.h"
#include "viewer/macro_call.h"

namespace veldor::viewer {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool ParseNumber(const std::string& text, uint32_t& value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    first += 2;
    base = 16;
  }
  return !text.empty() && std::from_chars(first, last, value, base).ptr == last;
}

}  // namespace

bool HelpSession::Open(const std::string& path, std::string& error) {
  hlp::HelpFileResult result = hlp::OpenHelpFile(path);
  if (!result.document) {
    error = result.error;
    return false;
  }
  if (result.document->topics.empty()) {
    error = "Le fichier d'aide ne contient aucune rubrique.";
    return false;
  }
  document_ = std::move(result.document);
  path_ = path;
  current_ = -1;
  back_.clear();
  history_.clear();
  sortedKeywords_.clear();
  for (const auto& keyword : document_->keywords) sortedKeywords_.push_back(Lower(keyword.word));
  return true;
}

bool HelpSession::Navigate(int topic) {
  if (!document_ || topic < 0 || topic >= static_cast<int>(document_->topics.size())) return false;
  if (current_ >= 0 && current_ != topic) back_.push_back(current_);
  current_ = topic;
  if (history_.empty() || history_.back() != topic) history_.push_back(topic);
  return true;
}

bool HelpSession::Back() {
  if (back_.empty()) return false;
  current_ = back_.back();
  back_.pop_back();
  if (history_.empty() || history_.back() != current_) history_.push_back(current_);
  return true;
}

int HelpSession::BrowseNextTopic() const {
  if (!document_ || current_ < 0) return -1;
  return hlp::TopicIndexAt(*document_, document_->topics[current_].browseNext);
}

int HelpSession::BrowsePreviousTopic() const {
  if (!document_ || current_ < 0) return -1;
  return hlp::TopicIndexAt(*document_, document_->topics[current_].browsePrevious);
}

int HelpSession::TopicOfContext(const std::string& context) const {
  if (!document_) return -1;
  return hlp::TopicIndexOfHash(*document_, hlp::ContextHash(context));
}

int HelpSession::TopicOfNumber(uint32_t number) const {
  if (!document_) return -1;
  auto it = document_->contextMap.find(number);
  if (it == document_->contextMap.end()) return -1;
  return hlp::TopicIndexAt(*document_, it->second);
}

int HelpSession::ContentsTopic() const {
  return document_ ? hlp::ContentsTopicIndex(*document_) : -1;
}

int HelpSession::FirstKeyword(const std::string& prefix) const {
  if (sortedKeywords_.empty()) return -1;
  const std::string wanted = Lower(prefix);
  // Keywords are stored in the file's order, which ignores case for
  // letters; a linear search keeps odd orders working.
  for (std::size_t i = 0; i < sortedKeywords_.size(); ++i) {
    if (sortedKeywords_[i].compare(0, wanted.size(), wanted) == 0) return static_cast<int>(i);
  }
  for (std::size_t i = 0; i < sortedKeywords_.size(); ++i) {
    if (sortedKeywords_[i] >= wanted) return static_cast<int>(i);
  }
  return static_cast<int>(sortedKeywords_.size()) - 1;
}

std::vector<int> HelpSession::TopicsOfKeyword(int keyword) const {
  std::vector<int> topics;
  if (!document_ || keyword < 0 || keyword >= static_cast<int>(document_->keywords.size())) {
    return topics;
  }
  for (hlp::TopicOffset offset : document_->keywords[keyword].offsets) {
    const int topic = hlp::TopicIndexAt(*document_, offset);
    if (topic >= 0 && std::find(topics.begin(), topics.end(), topic) == topics.end()) {
      topics.push_back(topic);
    }
  }
  return topics;
}

void HelpSession::Follow(const hlp::HelpLink& link, IViewerActions& actions) const {
  if (!document_) return;
  if (link.kind == hlp::LinkKind::Macro) {
    RunMacros(link.macro, actions);
    return;
  }
  if (!link.file.empty()) {
    actions.Error("Les liens vers un autre fichier d'aide ne sont pas pris en charge : " +
                  link.file);
    return;
  }
  const int topic = hlp::TopicIndexOfHash(*document_, link.hash);
  if (topic < 0) {
    actions.Error("La rubrique demandée n'existe pas dans ce fichier d'aide.");
    return;
  }
  if (link.kind == hlp::LinkKind::Popup) {
    actions.ShowPopup(topic);
  } else if (!link.window.empty()) {
    actions.ShowInWindow(topic, hlp::WindowIndex(*document_, link.window));
  } else {
    actions.ShowTopic(topic);
  }
}

void HelpSession::RunMacros(const std::string& text, IViewerActions& actions) const {
  for (const MacroCall& call : ParseMacros(text)) {
    const auto& a = call.args;
    auto topicArg = [&](bool byNumber) {
      if (a.size() < 2) return -1;
      if (!byNumber) return TopicOfContext(a[1]);
      uint32_t number = 0;
      return ParseNumber(a[1], number) ? TopicOfNumber(number) : -1;
    };
    if (call.name == "JumpId" || call.name == "JumpContext" || call.name == "PopupId" ||
        call.name == "PopupContext") {
      // The first argument names a help file, "file.hlp>window" or "" for
      // this one; only this file is supported.
      std::string file = a.empty() ? std::string() : a[0];
      std::string window;
      if (auto gt = file.find('>'); gt != std::string::npos) {
        window = file.substr(gt + 1);
        file.resize(gt);
      }
      const int topic = topicArg(call.name == "JumpContext" || call.name == "PopupContext");
      if (topic < 0) {
        actions.Error("La rubrique demandée n'existe pas dans ce fichier d'aide.");
      } else if (call.name.rfind("Popup", 0) == 0) {
        actions.ShowPopup(topic);
      } else if (!window.empty()) {
        actions.ShowInWindow(topic, hlp::WindowIndex(*document_, window));
      } else {
        actions.ShowTopic(topic);
      }
    } else if (call.name == "JumpContents" || call.name == "Contents") {
      actions.ShowTopic(ContentsTopic());
    } else if (call.name == "JumpKeyword") {
      const int keyword = a.size() >= 2 ? FirstKeyword(a[1]) : -1;
      const auto topics = TopicsOfKeyword(keyword);
      if (topics.empty()) {
        actions.Error("Mot clé introuvable.");
      } else {
        actions.ShowTopic(topics.front());
      }
    } else if (call.name == "Back") {
      actions.GoBack();
    } else if (call.name == "Next") {
      actions.BrowseNext();
    } else if (call.name == "Prev") {
      actions.BrowsePrevious();
    } else if (call.name == "BrowseButtons") {
      actions.ShowBrowseButtons();
    } else if (call.name == "ExecProgram") {
      if (!a.empty()) actions.RunProgram(a[0]);
    } else if (call.name == "CloseWindow") {
      actions.CloseWindow(a.empty() ? std::string() : a[0]);
    } else if (call.name == "Exit") {
      actions.Quit();
    } else if (call.name == "History") {
      actions.ShowHistory();
    } else if (call.name == "Search") {
      actions.ShowIndex();
    }
    // Other macros (buttons, menus, DLL calls) are passed over.
  }
}

}  // namespace veldor::viewer
