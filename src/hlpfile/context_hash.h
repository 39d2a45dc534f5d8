// The hash under which a context string is stored in |CONTEXT and named by
// jumps: hash = hash * 43 + weight(c) over the bytes, in 32-bit arithmetic.
#pragma once

#include <cstdint>
#include <string_view>

namespace veldor::hlp {

uint32_t ContextHash(std::string_view context);

}  // namespace veldor::hlp
