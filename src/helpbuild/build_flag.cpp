#include "helpbuild/build_flag.h"

namespace veldor {

namespace {
// Only the user-interface thread builds; no lock is needed.
bool compiling = false;
}  // namespace

bool IsCompiling() {
  return compiling;
}

CompilingScope::CompilingScope() : previous_(compiling) {
  compiling = true;
}
CompilingScope::~CompilingScope() {
  compiling = previous_;
}

}  // namespace veldor
