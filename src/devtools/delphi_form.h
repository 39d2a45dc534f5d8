// Reading one Delphi form in its text form (a ".DFM" saved as text, or the
// ".TXT" written by Delphi's converter) into its object tree.
#pragma once

#include <string>
#include <string_view>

#include "devtools/form_tree.h"

namespace veldor {

// True when the form is already text: after leading blanks (and a UTF-8
// byte-order mark) it starts with "object", "inherited" or "inline" in any
// letter case. Binary forms need the converter.
bool IsTextDelphiForm(std::string_view contents);

// Parses a text form into `root`. False, with why in `reason` (UTF-8),
// when the text does not start with an object. A form cut short keeps what
// was read.
bool ParseDelphiForm(std::string_view text, CEnfant& root, std::string* reason = nullptr);

}  // namespace veldor
