#include "platform/clock.h"

#include <ctime>

namespace veldor {

int64_t NowSeconds() {
  return static_cast<int64_t>(std::time(nullptr));
}

}  // namespace veldor
