// Messages, confirmations, wait cursor and progress: the one way the core
// talks to the person at the screen. The user interface, the command-line
// tool and the tests each install their own implementation.
#pragma once

#include <string>

namespace veldor {

enum class MessageIcon { Information, Warning, Error, Question };

class IMessages {
 public:
  virtual ~IMessages() = default;
  // Texts and captions are UTF-8.
  virtual void Message(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
  // A Yes/No question whose default answer is No. Returns true for Yes.
  virtual bool Confirm(const std::string& text, const std::string& caption) = 0;
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
  virtual void ProgressStart(const std::string& caption, int range) = 0;
  virtual void ProgressStep() = 0;
  virtual void ProgressClose() = 0;
};

// The process-wide sink. Without one installed, messages are dropped and
// confirmations answered No.
IMessages& Messages();
// Installs `sink` (nullptr restores the silent default); returns the previous one.
IMessages* SetMessages(IMessages* sink);

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
 public:
  WaitCursor() { Messages().BeginWaitCursor(); }
  ~WaitCursor() { Messages().EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace veldor
