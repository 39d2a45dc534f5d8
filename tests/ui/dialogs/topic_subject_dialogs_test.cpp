// Offscreen window tests: the topic, subject and exchange dialogs filled
// through their controls and confirmed.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "model/document.h"
#include "platform/recording_messages.h"
#include "support/temp_directory.h"
#include "ui/dialogs/common/colour_grid.h"
#include "ui/dialogs/rules/subject_preview.h"
#include "ui/dialogs/subject/style_dialog.h"
#include "ui/dialogs/subject/subject_dialog.h"
#include "ui/dialogs/subject/subject_exchange_dialog.h"
#include "ui/dialogs/subject/subject_preview_widget.h"
#include "ui/dialogs/subject/subject_type_dialog.h"
#include "ui/dialogs/topic/topic_dialog.h"

namespace veldor {
namespace {

class DialogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.chapters = {"INTRO"};
    for (const char* name : {"Accueil", "Suite"}) {
      auto topic = std::make_unique<CTopic>();
      topic->name = name;
      topic->chapter = "INTRO";
      auto subject = CTypeEdit::CreateSubject(kTypeTexte);
      subject->text = std::string("texte de ") + name;
      topic->AddSubject(std::move(subject));
      doc.AddTopic(std::move(topic));
    }
    doc.allowedHelpIds = {"HID_UN", "HID_DEUX"};
  }
  CVeldorDoc doc;
  RecordingMessages messages;
};

TEST_F(DialogWindowTest, TopicDialogFilledAndConfirmedStoresTheTopic) {
  CTopic& topic = *doc.GetTopic(0);
  TopicDialog dialog(doc, topic);
  EXPECT_EQ(dialog.windowTitle(), "Rattachement groupe");
  EXPECT_EQ(dialog.chapterField()->currentText(), "INTRO");
  dialog.nameField()->setText("Début");
  QTest::keyClicks(dialog.browseField(), "b01-abcdefghijklmnopqrstu");
  EXPECT_EQ(dialog.browseField()->text(), "B01-ABCDEFGHIJKLMNOP");
  dialog.keywordField()->setPlainText("clé\n\nmot");
  dialog.availableList()->setCurrentRow(1);  // sorted: HID_UN
  dialog.attachSelected();
  dialog.attachSelected();
  EXPECT_EQ(dialog.attachedList()->count(), 1);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(topic.name,
            "D\xE9"
            "but");  // stored as Windows-1252
  EXPECT_EQ(topic.keywords, (std::vector<std::string>{"cl\xE9", "mot"}));
  EXPECT_EQ(topic.references, "HID_UN");
  EXPECT_EQ(topic.browse, "B01-ABCDEFGHIJKLMNOP");
}

TEST_F(DialogWindowTest, TopicDialogStaysOpenOnADuplicateName) {
  TopicDialog dialog(doc, *doc.GetTopic(0));
  dialog.show();
  dialog.nameField()->setText("SUITE");
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "ERREUR Champs en double");
  EXPECT_EQ(doc.GetTopic(0)->name, "Accueil");
  for (QWidget* child : dialog.findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(child) || qobject_cast<QListWidget*>(child) ||
        qobject_cast<QComboBox*>(child) || qobject_cast<QPushButton*>(child)) {
      EXPECT_FALSE(child->accessibleName().isEmpty()) << child->metaObject()->className();
    }
  }
}

TEST_F(DialogWindowTest, SubjectTypeChoiceListsTheSixTypes) {
  SubjectTypeDialog dialog;
  ASSERT_EQ(dialog.list()->count(), 6);
  EXPECT_EQ(dialog.list()->item(2)->text(), "2,Texte Indenté");
  EXPECT_EQ(dialog.selectedType(), 0);
  dialog.list()->setCurrentRow(4);
  EXPECT_EQ(dialog.selectedType(), 4);
}

TEST_F(DialogWindowTest, SubjectDialogShowsFieldsByActionAndStoresOnValider) {
  auto jump = CTypeEdit::CreateSubject(kTypeJump);
  SubjectDialog dialog(doc, *jump);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Sujet :");
  EXPECT_TRUE(dialog.targetField()->isVisible());
  EXPECT_TRUE(dialog.jumpMarkField()->isVisible());
  EXPECT_FALSE(dialog.fileField()->isVisible());
  EXPECT_FALSE(dialog.lengthField(ParagraphField::kFirstIndent)->isVisible());

  dialog.actionField()->setCurrentIndex(kActionExecute);
  EXPECT_TRUE(dialog.fileField()->isVisible());
  EXPECT_FALSE(dialog.fileBrowseButton()->isVisible());
  EXPECT_TRUE(dialog.fileLabel()->text().startsWith("Param Exec(\"write.exe\",0)"));
  dialog.actionField()->setCurrentIndex(kActionSon);
  EXPECT_TRUE(dialog.fileBrowseButton()->isVisible());
  EXPECT_EQ(dialog.fileLabel()->text(), "Nom fichier WAV");
  dialog.actionField()->setCurrentIndex(kActionPopup);
  EXPECT_FALSE(dialog.fileField()->isVisible());

  dialog.targetField()->setCurrentIndex(dialog.targetField()->findText("Suite"));
  dialog.textField()->setPlainText("Voir\nla suite");
  dialog.lengthField(ParagraphField::kLeftMargin)->setText("3,25");
  dialog.alignmentField()->setCurrentIndex(2);
  EXPECT_EQ(dialog.preview()->alignment(), 2);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(jump->action, kActionPopup);
  EXPECT_EQ(jump->target, "Suite");
  EXPECT_EQ(jump->text, "Voir\r\nla suite");
  EXPECT_FLOAT_EQ(jump->leftMargin, 3.25f);
  EXPECT_EQ(jump->alignment, 2);
}

TEST_F(DialogWindowTest, SubjectDialogParagraphEndAndImageRightRules) {
  auto image = CTypeEdit::CreateSubject(kTypeBitMap);
  SubjectDialog dialog(doc, *image);
  dialog.show();
  EXPECT_EQ(dialog.firstLabel()->text(), "Nom fichier bitmap");
  EXPECT_TRUE(dialog.imageBrowseButton()->isVisible());
  dialog.paragraphEndBox()->setChecked(false);
  for (ParagraphField field : ParagraphFields()) {
    QWidget* widget = dialog.paragraphWidget(field);
    ASSERT_NE(widget, nullptr);
    EXPECT_FALSE(widget->isEnabled());
  }
  EXPECT_TRUE(dialog.flagBox(kFlagIgnoreGlobals)->isEnabled());
  dialog.paragraphEndBox()->setChecked(true);
  EXPECT_TRUE(dialog.borderField()->isEnabled());

  dialog.flagBox(kFlagImageRight)->setChecked(true);
  EXPECT_TRUE(dialog.flagBox(kFlagImageInLine)->isChecked());
  dialog.flagBox(kFlagImageRight)->setChecked(false);
  EXPECT_TRUE(dialog.flagBox(kFlagImageInLine)->isChecked());

  dialog.lengthField(ParagraphField::kSpaceAfter)->setText("25");
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());  // the range message keeps it open
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_FLOAT_EQ(image->spaceAfter, 0.25f);
}

TEST_F(DialogWindowTest, ImagePreviewReadsTheBitmapOfTheNamedFile) {
  TempDirectory dir;
  QImage picture(30, 12, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(QString::fromStdString(dir / "carte.bmp"), "BMP"));
  auto image = CTypeEdit::CreateSubject(kTypeBitMap);
  image->title = dir / "CARTE.SHG";  // the hotspot file's bitmap is shown
  SubjectDialog dialog(doc, *image);
  dialog.resize(700, 600);
  dialog.show();
  ASSERT_TRUE(dialog.preview()->hasImage());
  const QSize area = dialog.preview()->size();
  const PreviewBox box = ImageBoxInPreview(area.width(), area.height(), 30, 12);
  EXPECT_EQ(dialog.preview()->imageRect(), QRect(box.x, box.y, box.width, box.height));
  dialog.firstField()->setText(QString::fromStdString(dir / "absent.bmp"));
  EXPECT_FALSE(dialog.preview()->hasImage());
}

TEST_F(DialogWindowTest, ExchangeDialogCopiesAndReportsTheChange) {
  SubjectExchangeDialog dialog(doc);
  EXPECT_EQ(dialog.sourceTopics()->currentItem()->text(), "Accueil");
  dialog.destinationTopics()->setCurrentRow(1);
  dialog.sourceSubjects()->item(0)->setSelected(true);
  dialog.copySelected();
  EXPECT_EQ(dialog.destinationSubjects()->count(), 2);
  EXPECT_FALSE(dialog.sourceSubjects()->item(0)->isSelected());
  EXPECT_TRUE(dialog.destinationSubjects()->item(1)->isSelected());
  dialog.accept();
  EXPECT_TRUE(dialog.changed());
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DialogWindowTest, StyleDialogGivesFontSizeAndColourToTheStyle) {
  CTypeFont style;
  style.SetFaceName("Arial");
  style.pointSize = 12;
  style.fontSet = 1;
  StyleDialog dialog(style, 0x0000FF);
  EXPECT_EQ(dialog.colourGrid()->value(), 0x0000FFu);
  QTest::mouseClick(dialog.colourGrid(), Qt::LeftButton, {},
                    dialog.colourGrid()->cellRect(9).center());
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.style().faceName.empty());
  EXPECT_EQ(dialog.style().pointSize, 12);
  EXPECT_EQ(dialog.style().height, -16);
  EXPECT_EQ(dialog.style().fontSet, 1);
  EXPECT_EQ(dialog.colour(), 0xFF0000u);  // blue
}

TEST(ColourGridTest, ClickSelectsTheCellUnderThePointer) {
  ColourGrid grid(ColourPalette::kFortyEight, "Couleur Fenêtre");
  grid.resize(grid.sizeHint());
  grid.setValue(Rgb(0, 0, 64));
  EXPECT_EQ(grid.selectedCell(), 46);
  uint32_t reported = 0;
  QObject::connect(&grid, &ColourGrid::valueChanged, [&](uint32_t c) { reported = c; });
  QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(17).center());
  EXPECT_EQ(grid.value(), Rgb(255, 0, 0));
  EXPECT_EQ(reported, Rgb(255, 0, 0));
  grid.setValue(Rgb(1, 1, 1));
  EXPECT_EQ(grid.selectedCell(), 0);
}

}  // namespace
}  // namespace veldor
