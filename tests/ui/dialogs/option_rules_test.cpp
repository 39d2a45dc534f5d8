// The rules of the option dialogs, driven without widgets.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/app_settings.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/recording_messages.h"
#include "platform/settings_store.h"
#include "support/temp_directory.h"
#include "ui/dialogs/rules/chapter_editor.h"
#include "ui/dialogs/rules/default_styles_editor.h"
#include "ui/dialogs/rules/dev_link_forms.h"
#include "ui/dialogs/rules/directory_browser.h"
#include "ui/dialogs/rules/global_table_editor.h"
#include "ui/dialogs/rules/project_options_form.h"
#include "ui/dialogs/rules/window_table_editor.h"

namespace veldor {
namespace {

WindowFields Window(const std::string& name, int x, int width) {
  WindowFields fields;
  fields.name = name;
  fields.x = std::to_string(x);
  fields.width = std::to_string(width);
  return fields;
}

TEST(WindowTableEditorTest, PlacementMustStayWithin1023) {
  struct Case {
    WindowFields fields;
    bool accepted;
    const char* message;
  };
  WindowFields tall = Window("haute", 0, 10);
  tall.y = "24";
  tall.height = "1000";
  WindowFields comma = Window("virgule", 0, 10);
  comma.height = "1,5";
  const Case cases[] = {
      {Window("a", 24, 1000), false, "Erreur:Les dimensions exèdent 1023 "},
      {Window("b", 23, 1000), true, ""},
      {tall, false, "Erreur:Les dimensions exèdent 1023 "},
      {Window("c", 0, 1024), false, "Entrez un nombre entier compris entre 0 et 1023."},
      {Window("d", -1, 10), false, "Entrez un nombre entier compris entre 0 et 1023."},
      {comma, false, "Entrez un nombre entier compris entre 0 et 1023."},
      {Window("", 0, 10), false, nullptr},  // refused without a message
      {Window("B", 0, 10), false, "Nom en double"},
  };
  CVeldorDoc doc;
  WindowTableEditor editor(doc);
  for (const Case& c : cases) {
    RecordingMessages messages;
    const int added = editor.Add(c.fields);
    EXPECT_EQ(added >= 0, c.accepted) << c.fields.name;
    if (c.message == nullptr || c.accepted) {
      EXPECT_TRUE(messages.messages.empty()) << c.fields.name;
    } else {
      ASSERT_EQ(messages.messages.size(), 1u) << c.fields.name;
      EXPECT_EQ(messages.messages[0].text, c.message);
    }
  }
  EXPECT_EQ(editor.Names(), (std::vector<std::string>{"b"}));
  EXPECT_EQ(doc.windows.count(), 0);  // the project sees nothing before "Valider"
}

TEST(WindowTableEditorTest, TenWindowsAtMostModifyAndRemove) {
  CVeldorDoc doc;
  RecordingMessages messages;
  WindowTableEditor editor(doc);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(editor.Add(Window("w" + std::to_string(i), 0, 10)), i);
  EXPECT_EQ(editor.Add(Window("onze", 0, 10)), -1);
  EXPECT_EQ(editor.table().count(), 10);
  EXPECT_TRUE(messages.messages.empty());
  // Modify may keep its own name in another case, not take another's.
  EXPECT_EQ(editor.Modify(3, Window("W3", 5, 10)), 3);
  EXPECT_EQ(editor.Modify(3, Window("w4", 5, 10)), -1);
  EXPECT_EQ(editor.table().GetAt(3)->x, 5);
  EXPECT_EQ(editor.Remove(9), 8);
  EXPECT_EQ(editor.Remove(0), 0);
  editor.Confirm(doc);
  EXPECT_EQ(doc.windows.count(), 8);
  EXPECT_EQ(doc.windows.GetAt(2)->name, "W3");
  EXPECT_TRUE(doc.IsModified());
}

TEST(GlobalTableEditorTest, AddModifyRemoveAndConfirm) {
  CVeldorDoc doc;
  GlobalTableEditor editor(doc);
  CGlobalTexte global;
  global.text = "aide";
  EXPECT_EQ(editor.Add(global), 0);
  EXPECT_EQ(editor.Add(global), 1);  // duplicates are allowed
  global.text = "son";
  global.action = 2;
  EXPECT_EQ(editor.Modify(1, global), 1);
  EXPECT_EQ(editor.Modify(5, global), -1);
  EXPECT_EQ(editor.Texts(), (std::vector<std::string>{"aide", "son"}));
  EXPECT_EQ(editor.Remove(1), 0);
  EXPECT_EQ(doc.globals.count(), 0);
  editor.Confirm(doc);
  EXPECT_EQ(doc.globals.count(), 1);
  EXPECT_TRUE(doc.IsModified());
}

class SettingsTest : public ::testing::Test {
 protected:
  TempDirectory dir;
  SettingsStore store{dir / "VELDOR.INI"};
  RecordingMessages messages;
};

TEST_F(SettingsTest, CancellingDefaultStylesDropsTheChangesOfEveryType) {
  CAppSettings settings;
  settings.LoadSettings(store);
  const auto before = settings.styles;
  DefaultStylesEditor editor(settings, store);
  StyleFields title = editor.Shown();
  title.leftMargin = "3,5";
  ASSERT_TRUE(editor.SelectType(kTypeTexte, title));
  StyleFields text = editor.Shown();
  EXPECT_EQ(text.leftMargin, "1,7");
  text.faceName = "Arial";
  text.pointSize = "12";
  ASSERT_TRUE(editor.SelectType(kTypeTitre, text));
  EXPECT_EQ(editor.Shown().leftMargin, "3,5");  // kept while the dialog is open
  editor.Cancel();
  EXPECT_FLOAT_EQ(settings.styles[0].leftMargin, before[0].leftMargin);
  EXPECT_EQ(settings.styles[3].faceName, before[3].faceName);
  EXPECT_EQ(store.Find("Init", "TitreLeftMarge"), std::nullopt);
}

TEST_F(SettingsTest, ConfirmedDefaultStylesAreWrittenAndBadLengthsKeepTheType) {
  CAppSettings settings;
  DefaultStylesEditor editor(settings, store);
  StyleFields shown = editor.Shown();
  shown.rightMargin = "21,5";
  EXPECT_FALSE(editor.SelectType(kTypeJump, shown));
  EXPECT_EQ(editor.shownType(), 0);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Entrez un nombre compris entre 0 et 21.");
  shown.rightMargin = "21";
  shown.colour = 0x0000FF;
  ASSERT_TRUE(editor.Confirm(shown));
  EXPECT_FLOAT_EQ(settings.styles[0].rightMargin, 21.0f);
  CAppSettings reread;
  reread.LoadSettings(SettingsStore(dir / "VELDOR.INI"));
  EXPECT_FLOAT_EQ(reread.styles[0].rightMargin, 21.0f);
  EXPECT_EQ(reread.styles[0].colour, 0x0000FFu);
}

TEST(DefaultStylesTest, SizesOfScalableAndBitmapFonts) {
  EXPECT_EQ(FontSizeChoices(true, {}).size(), 16u);
  EXPECT_EQ(FontSizeChoices(true, {}).back(), "72");
  EXPECT_EQ(FontSizeChoices(false, {12, 7.5, 10, 12, 8}),
            (std::vector<std::string>{"7.5", "8", "10", "12"}));
}

TEST_F(SettingsTest, DevelopmentLinksStoreTheirFieldsAndPrefixes) {
  CVeldorDoc doc;
  VisualCppLinkForm form = LoadVisualCppLink(doc);
  EXPECT_FALSE(form.choosePrefixes);
  form.choosePrefixes = true;
  form.prefixes = {true, true, true, true, true, true};
  EXPECT_EQ(HidPrefixesOf(form),
            (std::vector<std::string>{"HID_", "HIDM", "HIDP", "HIDR", "HIDD", "AFX_", "HIDW"}));
  form.prefixes = {false, true, false, false, false, false};
  ConfirmVisualCppLink(doc, form);
  EXPECT_EQ(doc.hidPrefixes, (std::vector<std::string>{"HIDP"}));
  const VisualCppLinkForm reopened = LoadVisualCppLink(doc);
  EXPECT_TRUE(reopened.choosePrefixes);
  EXPECT_EQ(reopened.prefixes, (std::array<bool, 6>{false, true, false, false, false, false}));
  form.choosePrefixes = false;  // "Tout" ignores the boxes
  ConfirmVisualCppLink(doc, form);
  EXPECT_TRUE(doc.hidPrefixes.empty());

  DevProjectLinkForm delphi = LoadDevProjectLink(doc, store);
  delphi.projectFile = std::string(300, 'p');
  delphi.converterPath = "/opt/delphi/convert.exe";
  delphi.allowLinkChanges = true;
  ConfirmDevProjectLink(doc, delphi, true, store);
  EXPECT_EQ(doc.devProjectFile.size(), 250u);
  EXPECT_EQ(doc.allowVcLinkChanges, 1);
  EXPECT_EQ(store.GetString("Fichier", "convert"), "/opt/delphi/convert.exe");
  EXPECT_EQ(LoadDevProjectLink(doc, store).converterPath, "/opt/delphi/convert.exe");
  ConfirmDevProjectLink(doc, delphi, false, store);
  EXPECT_EQ(doc.devProjectFile.size(), 128u);
  EXPECT_TRUE(doc.IsModified());
}

TEST(ProjectOptionsTest, LanguageNumberingAndTheCommandsItEnables) {
  const int stored[] = {2, 0, 1, 3, 4, 5};
  for (int position = 0; position < 6; ++position) {
    EXPECT_EQ(LanguageValueOfPosition(position), stored[position]);
    EXPECT_EQ(LanguagePositionOfValue(stored[position]), position);
  }
  EXPECT_EQ(LanguageNames()[0], "Aucun");
  struct Case {
    int value;
    bool vc, vb, delphi;
  };
  for (const Case& c :
       {Case{2, false, false, false}, Case{0, true, false, false}, Case{1, false, true, false},
        Case{3, false, true, false}, Case{4, false, false, true}, Case{5, false, false, true}}) {
    const LinkOptionCommands commands = AvailableLinkOptions(c.value);
    EXPECT_EQ(commands.visualCpp, c.vc) << c.value;
    EXPECT_EQ(commands.visualBasic, c.vb) << c.value;
    EXPECT_EQ(commands.delphi, c.delphi) << c.value;
  }
}

TEST(ProjectOptionsTest, MissingWorkDirectoryAsksForTheProjectDirectory) {
  TempDirectory dir;
  CVeldorDoc doc;
  doc.SetPathName(dir / "AIDE.ehe");
  ASSERT_TRUE(WriteFile(dir / "AIDE.ehe", ""));
  ProjectOptionsForm form = LoadProjectOptions(doc);
  EXPECT_EQ(form.errorLogFile, "erreur.txt");
  form.rootDir = dir / "absent";
  form.projectName = "AIDEENLIGNE";
  form.mapIncludes = "a.h\r\n\r\n b.h \r\n";
  form.devLinkKind = 2;
  {
    RecordingMessages no;
    EXPECT_FALSE(ConfirmProjectOptions(doc, form));
    ASSERT_EQ(no.confirmations.size(), 1u);
    EXPECT_EQ(no.confirmations[0].text,
              "Le répertoire est indéfini, confirmer par Oui si vous acceptez:\n" + dir.path());
    EXPECT_EQ(no.confirmations[0].caption, "Repertoire de travail non défini");
    EXPECT_EQ(doc.projectName, "");
  }
  RecordingMessages yes;
  yes.answerYes = true;
  EXPECT_TRUE(ConfirmProjectOptions(doc, form));
  EXPECT_EQ(doc.rootDir, dir.path());
  EXPECT_EQ(doc.projectName, "AIDEENLI");
  EXPECT_EQ(doc.mapIncludes, (std::vector<std::string>{"a.h", "b.h"}));
  EXPECT_EQ(doc.devLinkKind, 2);
  EXPECT_TRUE(doc.IsModified());
  // An existing directory, in any letter case, is taken without a question.
  form.rootDir = dir.path();
  RecordingMessages quiet;
  EXPECT_TRUE(ConfirmProjectOptions(doc, form));
  EXPECT_TRUE(quiet.confirmations.empty());
}

class ChapterEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.chapters = {"INTRO", "SUITE"};
    for (const char* chapter : {"INTRO", "SUITE", "INTRO"}) {
      auto topic = std::make_unique<CTopic>();
      topic->name = std::string("t") + std::to_string(doc.topicCount());
      topic->chapter = chapter;
      doc.AddTopic(std::move(topic));
    }
  }
  std::vector<std::string> TopicChapters() const {
    std::vector<std::string> chapters;
    for (int i = 0; i < doc.topicCount(); ++i) chapters.push_back(doc.GetTopic(i)->chapter);
    return chapters;
  }
  CVeldorDoc doc;
};

TEST_F(ChapterEditorTest, ButtonsActAtOnceAndCancelPutsEverythingBack) {
  ChapterEditor editor(doc);
  EXPECT_EQ(editor.Add("fin", 0), 2);
  EXPECT_EQ(editor.Add("FIN", 2), 2);  // already there: nothing
  EXPECT_EQ(editor.Insert("avant", 1), 1);
  EXPECT_EQ(editor.chapters(), (std::vector<std::string>{"INTRO", "AVANT", "SUITE", "FIN"}));
  EXPECT_EQ(editor.Rename("debut", 0), 0);
  EXPECT_EQ(TopicChapters(), (std::vector<std::string>{"DEBUT", "SUITE", "DEBUT"}));
  EXPECT_EQ(editor.Remove(2), 2);
  EXPECT_EQ(TopicChapters(), (std::vector<std::string>{"DEBUT", "SansChapitre", "DEBUT"}));
  EXPECT_EQ(editor.Remove(2), 1);  // the last one: the new last is selected
  EXPECT_EQ(editor.MoveUp(0), 0);
  EXPECT_EQ(editor.MoveDown(1), 1);
  EXPECT_EQ(editor.MoveUp(1), 0);
  EXPECT_EQ(editor.chapters(), (std::vector<std::string>{"AVANT", "DEBUT"}));
  editor.Cancel();
  EXPECT_EQ(doc.chapters, (std::vector<std::string>{"INTRO", "SUITE"}));
  EXPECT_EQ(TopicChapters(), (std::vector<std::string>{"INTRO", "SUITE", "INTRO"}));
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(ChapterEditorTest, EmptyNamesAndMissingSelectionsChangeNothing) {
  ChapterEditor editor(doc);
  EXPECT_EQ(editor.Add("", 1), 1);
  EXPECT_EQ(editor.Rename("", 0), 0);
  EXPECT_EQ(editor.Rename("X", -1), -1);
  EXPECT_EQ(editor.Remove(-1), -1);
  EXPECT_EQ(editor.Insert("NEUF", -1), 2);  // without a selection: at the end
  EXPECT_EQ(doc.chapters.size(), 3u);
}

TEST(DirectoryBrowserTest, ListsMovesAndCreates) {
  TempDirectory dir;
  ASSERT_TRUE(MakeDirectory(dir / "b"));
  ASSERT_TRUE(MakeDirectory(dir / "a"));
  ASSERT_TRUE(WriteFile(dir / "f.txt", ""));
  DirectoryBrowser browser(dir.path());
  EXPECT_EQ(browser.Entries(), (std::vector<std::string>{"[-/-]", "[..]", "[a]", "[b]"}));
  EXPECT_TRUE(browser.Open("[b]"));
  EXPECT_EQ(browser.current(), dir / "b");
  EXPECT_FALSE(browser.Open("[absent]"));
  EXPECT_FALSE(browser.Open("f.txt"));
  EXPECT_TRUE(browser.Open("[..]"));
  EXPECT_EQ(browser.current(), dir.path());
  RecordingMessages messages;
  EXPECT_TRUE(browser.Create("nouveau"));
  EXPECT_EQ(browser.current(), dir / "nouveau");
  EXPECT_TRUE(DirectoryExists(dir / "nouveau"));
  EXPECT_TRUE(browser.Open("[..]"));
  for (const char* bad : {"", "..", "x/y", "nouveau"}) EXPECT_FALSE(browser.Create(bad)) << bad;
  ASSERT_EQ(messages.messages.size(), 4u);
  EXPECT_EQ(messages.messages[0].text, "Erreur de création de répertoire");
  EXPECT_EQ(browser.current(), dir.path());
  EXPECT_TRUE(browser.Open("[-/-]"));
  EXPECT_EQ(browser.current(), "/");
  const std::vector<std::string> root = browser.Entries();
  EXPECT_EQ(std::count(root.begin(), root.end(), "[..]"), 0);
}

}  // namespace
}  // namespace veldor
