// The program's icon (48 and 256 pixels), for its windows.
#pragma once

#include <QIcon>

namespace veldor {

QIcon VeldorAppIcon();

}  // namespace veldor
