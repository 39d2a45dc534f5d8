// Text to RTF: the escaping used by every writer of help RTF, of the RTF
// export and of the help-macro arguments.
#pragma once

#include <string>
#include <string_view>

namespace veldor {

// Bytes above 127 and the bytes '\', '{', '}' become "\'hh" (lower-case
// hex); a line feed, or a CR LF pair, becomes "\line "; any other CR is
// dropped; every other byte is copied. The result is pure ASCII.
std::string RtfEscape(std::string_view text);
void AppendRtfEscaped(std::string_view text, std::string& out);

// As RtfEscape, but a backslash becomes "\'5c\'5c" so that a help macro
// receives a doubled backslash in its string argument.
std::string MacroEscape(std::string_view text);

}  // namespace veldor
