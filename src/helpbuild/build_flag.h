// The process-wide flag that a help compilation is running. While it is
// set the user interface disables the build commands, the help test, the
// cut and paste of topics and quitting, and the compile commands do
// nothing.
#pragma once

namespace veldor {

bool IsCompiling();

// Sets the flag for its lifetime.
class CompilingScope {
 public:
  CompilingScope();
  ~CompilingScope();
  CompilingScope(const CompilingScope&) = delete;
  CompilingScope& operator=(const CompilingScope&) = delete;

 private:
  bool previous_;
};

}  // namespace veldor
