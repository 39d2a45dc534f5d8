// Line ends of the files the exports write: they are read on Windows, so
// every line feed is written as CR LF, as a file opened in text mode there
// would write it.
#pragma once

#include <string>
#include <string_view>

namespace veldor {

// Every line feed of `text` becomes CR LF; every other byte, a carriage
// return included, is copied (a CR LF pair therefore becomes CR CR LF).
std::string WithCrLf(std::string_view text);

}  // namespace veldor
