#include "ui/dialogs/rules/subject_form.h"

#include <gtest/gtest.h>

#include "model/document.h"
#include "model/subject.h"
#include "platform/recording_messages.h"

namespace veldor {
namespace {

struct VisibilityCase {
  int type;
  int action;
  bool target, window, jumpMark, file, browse;
  const char* fileLabel;
};

TEST(SubjectFormTest, ActionKindShowsOnlyTheFieldsItUses) {
  const VisibilityCase cases[] = {
      {kTypeJump, kActionSaut, true, true, true, false, false, ""},
      {kTypeJump, kActionPopup, true, true, true, false, false, ""},
      {kTypeBitMap, kActionSaut, true, true, false, false, false, ""},
      {kTypeJump, kActionSon, false, false, false, true, true, kSoundFileLabel},
      {kTypeBitMap, kActionExecute, false, false, false, true, false, kExecuteLabel},
      {kTypeJump, kActionRien, false, false, false, false, false, ""},
      {kTypeJump, kActionImprime, false, false, false, false, false, ""},
      {kTypeBitMap, kActionQuitte, false, false, false, false, false, ""},
      // Text subjects have no action, whatever they hold.
      {kTypeTexte, kActionSaut, false, false, false, false, false, ""},
  };
  for (const VisibilityCase& c : cases) {
    const SubjectFieldVisibility v = VisibleSubjectFields(c.type, c.action);
    SCOPED_TRACE(std::to_string(c.type) + "/" + std::to_string(c.action));
    EXPECT_EQ(v.target, c.target);
    EXPECT_EQ(v.window, c.window);
    EXPECT_EQ(v.jumpMark, c.jumpMark);
    EXPECT_EQ(v.fileField, c.file);
    EXPECT_EQ(v.fileBrowse, c.browse);
    EXPECT_EQ(v.fileLabel, c.fileLabel);
  }
}

TEST(SubjectFormTest, SubjectTypeDecidesFirstFieldIndentAndActions) {
  for (int type = kTypeTitre; type <= kTypeJump; ++type) {
    const SubjectFieldVisibility v = VisibleSubjectFields(type, kActionRien);
    EXPECT_EQ(v.firstIndent, type <= kTypeTexte) << type;
    EXPECT_EQ(v.actionKind, type >= kTypeBitMap) << type;
    EXPECT_EQ(v.imageBrowse, type == kTypeBitMap) << type;
    EXPECT_EQ(v.firstFieldLabel, type == kTypeBitMap ? kBitmapNameLabel : kSubjectTitleLabel);
  }
}

TEST(SubjectFormTest, ImageRightChecksImageInLineButNotTheOtherWay) {
  SubjectForm form;
  form.SetImageRight(true);
  EXPECT_TRUE(form.HasFlag(kFlagImageRight));
  EXPECT_TRUE(form.HasFlag(kFlagImageInLine));
  form.SetImageRight(false);
  EXPECT_FALSE(form.HasFlag(kFlagImageRight));
  EXPECT_TRUE(form.HasFlag(kFlagImageInLine));
}

TEST(SubjectFormTest, StoresEveryFieldWithCommaDecimals) {
  CVeldorDoc doc;
  auto jump = CTypeEdit::CreateSubject(kTypeJump);
  SubjectForm form = LoadSubjectForm(*jump);
  EXPECT_EQ(form.leftMargin, "1,7");
  form.title = "t";
  form.text = "a\r\nb";
  form.leftMargin = "2,5";
  form.rightMargin = "0.5";
  form.spaceBefore = "20";
  form.alignment = 2;
  form.action = kActionPopup;
  form.target = "Cible";
  form.windowName = "main";
  form.linkMark = 2;
  form.flags = kFlagBox;
  form.colour = 0x0000FF;
  form.useDefaultStyle = false;
  ASSERT_TRUE(StoreSubjectForm(form, *jump, 300, 120));
  EXPECT_FLOAT_EQ(jump->leftMargin, 2.5f);
  EXPECT_FLOAT_EQ(jump->rightMargin, 0.5f);
  EXPECT_FLOAT_EQ(jump->spaceBefore, 20.0f);
  EXPECT_EQ(jump->text, "a\r\nb");
  EXPECT_EQ(jump->alignment, 2);
  EXPECT_EQ(jump->action, kActionPopup);
  EXPECT_EQ(jump->target, "Cible");
  EXPECT_EQ(jump->windowName, "main");
  EXPECT_EQ(jump->linkMark, 2);
  EXPECT_EQ(jump->flags, kFlagBox);
  EXPECT_EQ(jump->colourIndex, 9);
  EXPECT_EQ(jump->useDefaultStyle, 0);
  EXPECT_EQ(jump->editBox[2], 300);
  EXPECT_EQ(jump->editBox[3], 120);
}

TEST(SubjectFormTest, OutOfRangeLengthIsRefusedWithoutChangingTheSubject) {
  RecordingMessages messages;
  auto text = CTypeEdit::CreateSubject(kTypeTexte);
  for (const char* bad : {"20,5", "-1", "", "deux"}) {
    SubjectForm form = LoadSubjectForm(*text);
    form.text = "changé";
    form.spaceAfter = bad;
    EXPECT_FALSE(StoreSubjectForm(form, *text)) << bad;
  }
  EXPECT_EQ(text->text, "");
  ASSERT_EQ(messages.messages.size(), 4u);
  EXPECT_EQ(messages.messages[0].text, "Entrez un nombre compris entre 0 et 20.");
}

TEST(SubjectFormTest, ChoicesKeepAValueTheProjectNoLongerHas) {
  CVeldorDoc doc;
  for (const char* name : {"B", "A"}) {
    auto topic = std::make_unique<CTopic>();
    topic->name = name;
    doc.AddTopic(std::move(topic));
  }
  CWinAttr main;
  main.name = "main";
  doc.windows.Add(main);
  EXPECT_EQ(TargetChoices(doc, "A"), (std::vector<std::string>{"", "B", "A"}));
  EXPECT_EQ(TargetChoices(doc, "Perdu"), (std::vector<std::string>{"", "Perdu", "B", "A"}));
  EXPECT_EQ(WindowChoices(doc, ""), (std::vector<std::string>{"", "main"}));
  EXPECT_EQ(WindowChoices(doc, "pop"), (std::vector<std::string>{"", "pop", "main"}));
}

TEST(SubjectFormTest, ChosenFontNeedsAFaceName) {
  RecordingMessages messages;
  CTypeFont style;
  EXPECT_FALSE(ApplyChosenFont({"", 12}, style));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Nom de Font non défini");
  EXPECT_EQ(style.fontSet, 0);
  EXPECT_TRUE(ApplyChosenFont({"Arial", 12, true, true, false, false}, style));
  EXPECT_EQ(style.faceName, "Arial");
  EXPECT_EQ(style.pointSize, 12);
  EXPECT_EQ(style.height, -16);
  EXPECT_EQ(style.weight, 700);
  EXPECT_EQ(style.italic, 1);
  EXPECT_EQ(style.fontSet, 1);
  EXPECT_EQ(FontHeightOfPoints(10), -13);
  EXPECT_EQ(FontHeightOfPoints(24), -32);
}

}  // namespace
}  // namespace veldor
