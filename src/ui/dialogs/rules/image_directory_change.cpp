#include "ui/dialogs/rules/image_directory_change.h"

#include "model/app_settings.h"
#include "model/document.h"
#include "platform/paths.h"

namespace veldor {

int ChangeImageDirectory(CVeldorDoc& doc, SettingsStore& store, const std::string& oldDirectory,
                         const std::string& newDirectory) {
  if (!oldDirectory.empty()) CAppSettings::AddToHistory(store, kHistoryOldImageDir, oldDirectory);
  if (!newDirectory.empty()) CAppSettings::AddToHistory(store, kHistoryNewImageDir, newDirectory);
  if (oldDirectory.empty() || newDirectory.empty()) return 0;
  int changed = 0;
  for (int t = 0; t < doc.topicCount(); ++t) {
    CTopic& topic = *doc.GetTopic(t);
    for (int s = 0; s < topic.subjectCount(); ++s) {
      CTypeEdit& subject = *topic.GetSubject(s);
      if (subject.typeCode != kTypeBitMap || subject.title.size() < oldDirectory.size()) continue;
      if (!EqualsIgnoreCase(subject.title.substr(0, oldDirectory.size()), oldDirectory)) continue;
      subject.title = newDirectory + subject.title.substr(oldDirectory.size());
      ++changed;
    }
  }
  if (changed > 0) doc.SetModifiedFlag();
  return changed;
}

}  // namespace veldor
