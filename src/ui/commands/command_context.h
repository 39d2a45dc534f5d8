// What the availability of a command depends on: a plain snapshot taken
// from the windows, so that the enabling rules can be tested without them.
#pragma once

#include <cstdint>

namespace veldor::ui {

// The three panes of a project window.
enum class Pane { TopicList, TopicEditor, ErrorList };

// Parts of the editor that are wired in later (each through one hook);
// a command that needs one is unavailable until its hook is set.
enum Feature : uint32_t {
  kFeatureTreeWindow = 1u << 0,
  kFeatureTopicDialog = 1u << 1,
  kFeatureSubjectDialogs = 1u << 2,
  kFeatureSubjectExchange = 1u << 3,
  kFeatureResourceList = 1u << 4,
  kFeatureImageDirectory = 1u << 5,
  kFeatureMarkers = 1u << 6,
  kFeatureButtons = 1u << 7,
  kFeatureTools = 1u << 8,
  kFeatureGeneralOptions = 1u << 9,
  kFeatureProjectOptions = 1u << 10,
  kFeatureWindowOptions = 1u << 11,
  kFeatureGlobalStrings = 1u << 12,
  kFeatureVisualCOptions = 1u << 13,
  kFeatureVisualBasicOptions = 1u << 14,
  kFeatureDelphiOptions = 1u << 15,
  kAllFeatures = (1u << 16) - 1,
};

struct CommandContext {
  bool hasProject = false;
  Pane activePane = Pane::TopicEditor;
  int topicCount = 0;
  // The two clipboards are shared by every project window.
  int topicClipboardCount = 0;
  int subjectClipboardCount = 0;
  bool buildRunning = false;
  int language = 0;  // the project's development language (0 Visual C++)
  bool vcLinkChangesAllowed = false;
  bool treeOpen = false;
  // The active window is the project's tree window: its own commands
  // come first.
  bool treeWindowActive = false;
  uint32_t features = 0;  // the hooks that are set
};

}  // namespace veldor::ui
