// The hash of a context string, by which jumps, the context index and the
// contents option name a topic. Letters of either case hash alike.
#pragma once

#include <cstdint>
#include <string_view>

namespace veldor::winhelp {

int32_t ContextHash(std::string_view contextString);

// A context string may hold letters, digits, '_' and '.' (and, for
// projects written for 32-bit help, any printable character but blanks,
// '#', '=', '+', '@', '*', '%', '!' and '>'). Empty strings are invalid.
bool IsValidContextString(std::string_view contextString);

}  // namespace veldor::winhelp
