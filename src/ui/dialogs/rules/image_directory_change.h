// The change of image directory ("Translation de répertoire image"): every
// image subject whose file name begins with the old directory gets the new
// one instead; both fields keep a history.
#pragma once

#include <string>

namespace veldor {

class CVeldorDoc;
class SettingsStore;

// Adds each non-empty field to its history ("TransOldRep", "TransNewRep");
// when both are non-empty, replaces the old directory (compared without
// regard to case) at the start of every image file name and marks the
// project modified when one changed. Returns the number changed.
int ChangeImageDirectory(CVeldorDoc& doc, SettingsStore& store, const std::string& oldDirectory,
                         const std::string& newDirectory);

}  // namespace veldor
