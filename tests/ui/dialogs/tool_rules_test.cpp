// The rules of the tools list, the resource list, the change of image
// directory and the element lists.
#include <gtest/gtest.h>

#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/recording_messages.h"
#include "platform/settings_store.h"
#include "support/temp_directory.h"
#include "ui/dialogs/rules/element_list.h"
#include "ui/dialogs/rules/image_directory_change.h"
#include "ui/dialogs/rules/resource_list.h"
#include "ui/dialogs/rules/tools_editor.h"

namespace veldor {
namespace {

TEST(ToolsEditorTest, FixedToolsStayAndNamesAreUniqueInAnyCase) {
  RecordingMessages messages;
  ToolsEditor editor(CAppSettings::BuiltInTools());
  EXPECT_EQ(editor.Rows()[0], "Editeur BMP         \tpbrush.exe");
  EXPECT_FALSE(editor.Add({"EDITEUR bmp", "x.exe"}));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Cet outil existe déjà !!");
  EXPECT_EQ(messages.messages[0].caption, "Erreur");
  EXPECT_TRUE(editor.Add({"Bloc", "notepad.exe"}));
  EXPECT_EQ(editor.Remove(0), 0);
  EXPECT_EQ(editor.Remove(1), 1);
  EXPECT_EQ(editor.tools().size(), 3u);
  // The fixed tools keep their names; the others may not take one in use.
  EXPECT_TRUE(editor.Modify(1, {"Autre", "shed2.exe"}));
  EXPECT_EQ(editor.tools()[1].label, "Editeur HotSpot");
  EXPECT_EQ(editor.tools()[1].command, "shed2.exe");
  EXPECT_FALSE(editor.Modify(2, {"editeur hotspot", "n.exe"}));
  EXPECT_TRUE(editor.Modify(2, {"BLOC", "n.exe"}));  // its own name, other case
  EXPECT_EQ(editor.Remove(2), 1);
  EXPECT_EQ(editor.tools().size(), 2u);
}

TEST(ToolsEditorTest, ThirtyTwoToolsAtMostAndTheyAreStored) {
  TempDirectory dir;
  SettingsStore store(dir / "VELDOR.INI");
  ToolsEditor editor(CAppSettings::BuiltInTools());
  for (int i = 0; i < 40; ++i) EXPECT_TRUE(editor.Add({"t" + std::to_string(i), "t.exe"}));
  EXPECT_EQ(editor.tools().size(), 32u);
  CAppSettings settings;
  ASSERT_TRUE(editor.Confirm(settings, store));
  EXPECT_EQ(settings.tools.size(), 32u);
  EXPECT_EQ(store.GetString("Outils", "outil31"), "t29");
  EXPECT_EQ(store.GetString("Outils", "outil0exe"), "pbrush.exe");
}

TEST(ToolsEditorTest, ToolDialogChecksExecutableThenName) {
  RecordingMessages messages;
  EXPECT_FALSE(CheckToolEntry({"", ""}));
  EXPECT_FALSE(CheckToolEntry({"", "a.exe"}));
  EXPECT_TRUE(CheckToolEntry({"A", "a.exe"}));
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[0].text, "Nom Executable Vide");
  EXPECT_EQ(messages.messages[1].text, "Nom Outil Vide");
  EXPECT_EQ(messages.messages[1].caption, "ERREUR");
}

class ResourceListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteFile(dir / "Vu.bmp", "BM"));
    ASSERT_TRUE(WriteFile(dir / "ding.wav", "RIFF"));
    doc.SetPathName(dir / "AIDE.ehe");
  }
  void AddSubject(CTopic& topic, int type, const std::string& title, int action = 0,
                  const std::string& sound = "") {
    auto subject = CTypeEdit::CreateSubject(type);
    subject->title = title;
    subject->action = action;
    subject->soundOrCommand = sound;
    topic.AddSubject(std::move(subject));
  }
  TempDirectory dir;
  CVeldorDoc doc;
};

TEST_F(ResourceListTest, ListsImagesOnceAndEveryMissingUse) {
  for (int t = 0; t < 2; ++t) {
    auto topic = std::make_unique<CTopic>();
    topic->name = "t" + std::to_string(t);
    AddSubject(*topic, kTypeBitMap, "vu.bmp");
    AddSubject(*topic, kTypeBitMap, "perdu.bmp");
    AddSubject(*topic, kTypeTexte, "texte.bmp");
    AddSubject(*topic, kTypeJump, "", kActionSon, "ding.wav");
    AddSubject(*topic, kTypeJump, "", kActionSon, "muet.wav");
    AddSubject(*topic, kTypeJump, "", kActionSaut, "pas_un_son.wav");
    doc.AddTopic(std::move(topic));
  }
  AddSubject(*doc.GetTopic(0), kTypeBitMap, dir / "VU.BMP");  // absolute, other case
  CGlobalTexte global;
  global.action = kActionSon;
  global.soundOrCommand = "ding.wav";
  doc.globals.Add(global);
  doc.globals.Add(global);
  global.soundOrCommand = "rien.wav";
  doc.globals.Add(global);
  const std::vector<std::string> expected = {"Liste des images",
                                             "VU.BMP",
                                             "Absent:PERDU.BMP",
                                             AsciiUpper(dir / "VU.BMP"),
                                             "Absent:PERDU.BMP",
                                             "Liste des sons",
                                             "DING.WAV",
                                             "Absent:MUET.WAV",
                                             "Absent:MUET.WAV",
                                             "Global:ding.wav",
                                             "Global Absent:rien.wav"};
  // Names are looked up without regard to case, absolute ones included.
  EXPECT_EQ(BuildResourceList(doc), expected);
  EXPECT_EQ(ResourceLineLabel(0, 11), "Ligne 1 / 11");
}

TEST(ResourcePrintTest, LinesAreSpacedAndBrokenIntoPages) {
  const std::vector<PrintedLine> layout = LayOutPrintedLines(5, 100);
  // Pitch 45: lines at 0 and 45 fit (45 + 40 <= 100), the third starts a page.
  ASSERT_EQ(layout.size(), 5u);
  EXPECT_EQ(layout[1].y, 45);
  EXPECT_EQ(layout[2].page, 1);
  EXPECT_EQ(layout[2].y, 0);
  EXPECT_EQ(layout[4].page, 2);
  // A page too small for one line still prints each line, one per page.
  EXPECT_EQ(LayOutPrintedLines(3, 10).back().page, 2);
}

TEST(ImageDirectoryTest, ChangesMatchingPrefixesAndKeepsHistories) {
  TempDirectory dir;
  SettingsStore store(dir / "VELDOR.INI");
  CVeldorDoc doc;
  auto topic = std::make_unique<CTopic>();
  for (const char* name : {"c:\\img\\a.bmp", "E:\\IMG\\b.bmp", "C:\\IMG\\c.shg"}) {
    auto image = CTypeEdit::CreateSubject(kTypeBitMap);
    image->title = name;
    topic->AddSubject(std::move(image));
  }
  auto text = CTypeEdit::CreateSubject(kTypeTexte);
  text->title = "C:\\IMG\\titre";
  topic->AddSubject(std::move(text));
  doc.AddTopic(std::move(topic));
  EXPECT_EQ(ChangeImageDirectory(doc, store, "C:\\IMG", ""), 0);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(ChangeImageDirectory(doc, store, "C:\\IMG", "D:\\PICT"), 2);
  const CTopic& changed = *doc.GetTopic(0);
  EXPECT_EQ(changed.GetSubject(0)->title, "D:\\PICT\\a.bmp");
  EXPECT_EQ(changed.GetSubject(1)->title, "E:\\IMG\\b.bmp");
  EXPECT_EQ(changed.GetSubject(2)->title, "D:\\PICT\\c.shg");
  EXPECT_EQ(changed.GetSubject(3)->title, "C:\\IMG\\titre");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(CAppSettings::LoadHistory(store, "TransOldRep"), (std::vector<std::string>{"C:\\IMG"}));
  EXPECT_EQ(CAppSettings::LoadHistory(store, "TransNewRep"),
            (std::vector<std::string>{"D:\\PICT"}));
}

TEST(ElementListTest, AddEditAndConfirmedRemoval) {
  RecordingMessages messages;
  ElementList list;
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"toto", "toti"}));
  EXPECT_EQ(list.Add("", 0), 0);
  EXPECT_EQ(list.Add("tata", 0), 2);
  EXPECT_EQ(list.Edit(0, ""), 0);
  EXPECT_EQ(list.Edit(0, "titi"), 0);
  EXPECT_EQ(list.Remove(2), 2);  // answered No
  EXPECT_EQ(list.entries().size(), 3u);
  messages.answerYes = true;
  EXPECT_EQ(list.Remove(2), 1);
  EXPECT_EQ(list.Remove(0), 0);
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"toti"}));
  EXPECT_EQ(messages.confirmations[0].text, "Confirmer Suppression");
}

}  // namespace
}  // namespace veldor
