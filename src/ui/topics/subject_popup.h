// The entries of the subject list's popup menu, as data.
#pragma once

#include <string>
#include <vector>

namespace veldor {
class CTopic;
}

namespace veldor::ui {

enum class PopupAction {
  ToggleMarkers,
  ToggleImages,
  Edit,
  GoToTarget,
  Separator,
  Cut,
  Copy,
  Paste
};

struct PopupItem {
  PopupAction action;
  std::string text;  // UTF-8; for GoToTarget "Vers Saut " and the target
  bool checked = false;
};

std::vector<PopupItem> SubjectPopupItems(const CTopic* topic, const std::vector<int>& selection,
                                         int subjectClipboardCount, bool showMarkers,
                                         bool showImages);

}  // namespace veldor::ui
