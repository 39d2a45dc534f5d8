#include "platform/messages.h"

namespace veldor {

namespace {

class SilentMessages : public IMessages {
 public:
  void Message(const std::string&, const std::string&, MessageIcon) override {}
  bool Confirm(const std::string&, const std::string&) override { return false; }
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void ProgressStart(const std::string&, int) override {}
  void ProgressStep() override {}
  void ProgressClose() override {}
};

SilentMessages g_silent;
IMessages* g_current = &g_silent;

}  // namespace

IMessages& Messages() {
  return *g_current;
}

IMessages* SetMessages(IMessages* sink) {
  IMessages* previous = g_current == &g_silent ? nullptr : g_current;
  g_current = sink != nullptr ? sink : &g_silent;
  return previous;
}

}  // namespace veldor
