#include "ui/dialogs/rules/editor_tools.h"

#include <gtest/gtest.h>

#include "platform/recording_messages.h"

namespace veldor {
namespace {

TEST(EditorToolsTest, EditorsTakeTheImageNameOnlyWhenItFits) {
  const std::vector<ToolEntry> tools = CAppSettings::BuiltInTools();
  struct Case {
    const char* name;
    std::optional<std::string> bitmap;
    std::optional<std::string> hotspot;
  };
  const Case cases[] = {
      {"", "pbrush.exe", "shed.exe"},
      {"C:\\IMG\\A.bmp", "pbrush.exe C:\\IMG\\A.bmp", "shed.exe"},
      {"zone.SHG", std::nullopt, "shed.exe zone.SHG"},
      {"photo.dib", std::nullopt, "shed.exe"},
      {"mes images/a.bmp", "pbrush.exe \"mes images/a.bmp\"", "shed.exe"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BitmapEditorCommand(tools, c.name), c.bitmap) << c.name;
    EXPECT_EQ(HotspotEditorCommand(tools, c.name), c.hotspot) << c.name;
  }
  EXPECT_EQ(BitmapEditorCommand({}, ""), std::nullopt);
  EXPECT_EQ(HotspotEditorCommand({tools[0]}, "a.shg"), std::nullopt);
}

TEST(EditorToolsTest, AProgramThatCannotStartIsNamedInTheMessage) {
  RecordingMessages messages;
  EXPECT_FALSE(StartTool("veldor-no-such-program-xyz.exe fichier.bmp"));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(
      messages.messages[0].text.rfind("Impossible de lancer veldor-no-such-program-xyz.exe", 0),
      0u);
  EXPECT_TRUE(StartTool("true"));
}

}  // namespace
}  // namespace veldor
