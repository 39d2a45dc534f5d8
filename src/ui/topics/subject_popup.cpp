#include "ui/topics/subject_popup.h"

#include "model/topic.h"
#include "platform/codepage.h"

namespace veldor::ui {

std::vector<PopupItem> SubjectPopupItems(const CTopic* topic, const std::vector<int>& selection,
                                         int subjectClipboardCount, bool showMarkers,
                                         bool showImages) {
  std::vector<PopupItem> items = {{PopupAction::ToggleMarkers, "Montre rappel", showMarkers},
                                  {PopupAction::ToggleImages, "Montre image", showImages},
                                  {PopupAction::Edit, "Edite"}};
  if (topic != nullptr && selection.size() == 1 && selection[0] >= 0 &&
      selection[0] < topic->subjectCount()) {
    const CTypeEdit* s = topic->GetSubject(selection[0]);
    const bool linking = s->typeCode == kTypeBitMap || s->typeCode == kTypeJump;
    if (linking && (s->action == kActionSaut || s->action == kActionPopup)) {
      items.push_back({PopupAction::GoToTarget, "Vers Saut " + Cp1252ToUtf8(s->target)});
    }
  }
  const bool any = topic != nullptr && !selection.empty();
  if (any || subjectClipboardCount > 0) {
    items.push_back({PopupAction::Separator, ""});
    if (any) {
      items.push_back({PopupAction::Cut, "Couper sujet"});
      items.push_back({PopupAction::Copy, "Copier sujet"});
    }
    if (subjectClipboardCount > 0) items.push_back({PopupAction::Paste, "Coller sujet"});
  }
  return items;
}

}  // namespace veldor::ui
