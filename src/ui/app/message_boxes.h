// The editor's message sink: every message and confirmation of the core
// and of the editor is shown in a message box (French captions, the
// program's caption when none is given). Calls from a worker thread are
// carried to the user-interface thread and wait for the answer there.
#pragma once

#include <string>

#include "platform/messages.h"

class QProgressDialog;
class QWidget;

namespace veldor::ui {

inline constexpr const char* kDefaultCaption = "Veldor  Application Windows";

// A confirmation with a chosen icon: Yes/No, No the default. Goes through
// the installed sink, which shows the icon when it can.
bool ConfirmWithIcon(const std::string& text, const std::string& caption, MessageIcon icon);

class MessageBoxes : public IMessages {
 public:
  MessageBoxes();
  ~MessageBoxes() override;
  void Message(const std::string& text, const std::string& caption, MessageIcon icon) override;
  bool Confirm(const std::string& text, const std::string& caption) override;
  bool ConfirmWith(const std::string& text, const std::string& caption, MessageIcon icon);
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void ProgressStart(const std::string& caption, int range) override;
  void ProgressStep() override;
  void ProgressClose() override;

 private:
  QProgressDialog* progress_ = nullptr;
  int progressValue_ = 0;
};

}  // namespace veldor::ui
