// An IMessages that records everything it is told; used by tests and by
// callers that want to inspect messages rather than show them.
#pragma once

#include <string>
#include <vector>

#include "platform/messages.h"

namespace veldor {

class RecordingMessages : public IMessages {
 public:
  struct Entry {
    std::string text;
    std::string caption;
    MessageIcon icon;
  };

  // Installs itself as the process-wide sink until destroyed.
  RecordingMessages() { previous_ = SetMessages(this); }
  ~RecordingMessages() override { SetMessages(previous_); }

  void Message(const std::string& text, const std::string& caption, MessageIcon icon) override {
    messages.push_back({text, caption, icon});
  }
  bool Confirm(const std::string& text, const std::string& caption) override {
    confirmations.push_back({text, caption, MessageIcon::Question});
    return answerYes;
  }
  void BeginWaitCursor() override { ++waitDepth; }
  void EndWaitCursor() override { --waitDepth; }
  void ProgressStart(const std::string&, int range) override { progressRange = range; }
  void ProgressStep() override { ++progressSteps; }
  void ProgressClose() override { progressClosed = true; }

  std::vector<Entry> messages;
  std::vector<Entry> confirmations;
  bool answerYes = false;
  int waitDepth = 0;
  int progressRange = 0;
  int progressSteps = 0;
  bool progressClosed = false;

 private:
  IMessages* previous_ = nullptr;
};

}  // namespace veldor
