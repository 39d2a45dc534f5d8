#include "ui/data/app_icon.h"

// The resources live in a static library: they are registered explicitly,
// which also keeps the linker from dropping them.
static void InitVeldorIcons() {
  Q_INIT_RESOURCE(veldor_icons);
}

namespace veldor {

QIcon VeldorAppIcon() {
  InitVeldorIcons();
  QIcon icon;
  icon.addFile(QStringLiteral(":/veldor/icons/veldor-48.png"), QSize(48, 48));
  icon.addFile(QStringLiteral(":/veldor/icons/veldor-256.png"), QSize(256, 256));
  return icon;
}

}  // namespace veldor
