// Reading one Visual Basic form saved as text (".FRM") into its object
// tree.
#pragma once

#include <string>
#include <string_view>

#include "devtools/form_tree.h"

namespace veldor {

// Parses the text of a form into `root` (the form, its controls and
// menus). False, with why in `reason` (UTF-8), when the text is not a form
// saved as text or holds no form. A form cut short keeps what was read.
bool ParseVbForm(std::string_view text, CEnfant& root, std::string* reason = nullptr);

}  // namespace veldor
