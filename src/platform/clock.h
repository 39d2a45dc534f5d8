// The current time, in seconds since 1970-01-01 UTC.
#pragma once

#include <cstdint>

namespace veldor {

int64_t NowSeconds();

}  // namespace veldor
