#include <gtest/gtest.h>

#include "exchange/text_export.h"
#include "exchange_test_support.h"
#include "platform/recording_messages.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using testing::AddSubject;
using testing::AddTopic;

TEST(TextExport, WritesTheLabelledFileByteForByte) {
  CVeldorDoc doc;
  CTopic& accueil = AddTopic(doc, "ACCUEIL");
  accueil.title = "Accueil";
  accueil.keywords = {"aide", "menu"};
  AddSubject(accueil, kTypeTexte, "Bonjour");
  CTopic& ete = AddTopic(doc, "ETE");
  ete.title = "\xC9t\xE9";
  AddSubject(ete, kTypeBitMap, "Logo").title = "LOGO.BMP";
  // Line ends of a text are written as they are, each LF as CR LF.
  AddSubject(ete, kTypeSSTitre, "ligne 1\r\nligne 2").title = "Sous-titre";
  AddSubject(ete, kTypeTexte, "");
  AddSubject(ete, kTypeTexte, "Texte");  // the raw text, even a type's name

  TempDirectory dir;
  RecordingMessages messages;
  ASSERT_TRUE(ExportText(doc, dir / "out.txt"));
  EXPECT_EQ(FileContents(dir / "out.txt"), FileContents(TestDataPath("exchange/export.txt")));
  EXPECT_TRUE(messages.messages.empty());
}

TEST(TextExport, EmptyProjectGivesAnEmptyFile) {
  CVeldorDoc doc;
  TempDirectory dir;
  ASSERT_TRUE(WriteFile(dir / "out.txt", "old contents"));
  ASSERT_TRUE(ExportText(doc, dir / "out.txt"));
  EXPECT_EQ(FileContents(dir / "out.txt"), "");
}

TEST(TextExport, FailedWriteIsReported) {
  CVeldorDoc doc;
  AddTopic(doc, "T");
  TempDirectory dir;
  RecordingMessages messages;
  EXPECT_FALSE(ExportText(doc, dir / "absent/out.txt"));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text.rfind(
                "Impossible d'écrire le fichier " + dir.path() + "/absent/out.txt : ", 0),
            0u);
}

}  // namespace
}  // namespace veldor
