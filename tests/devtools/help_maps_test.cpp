// Reading help maps into the working tables, the unattached-reference
// check and the list of identifiers offered to the topic editor.
#include "devtools/help_maps.h"

#include <gtest/gtest.h>

#include "devtools/help_map_reader.h"
#include "devtools_test_support.h"
#include "model/document.h"
#include "model/help_map_tables.h"
#include "platform/files.h"
#include "platform/recording_messages.h"

namespace veldor {
namespace {

TEST(HelpMapValueTest, HexAfterTheFirstLowerCaseMark) {
  EXPECT_EQ(HelpMapValue("0x1E101"), 0x1E101);
  EXPECT_EQ(HelpMapValue("(0x10000+5)"), 0x10000);
  EXPECT_EQ(HelpMapValue("0x64L"), 0x64);
  EXPECT_EQ(HelpMapValue("0xFFFFFFFF"), -1);
  EXPECT_EQ(HelpMapValue("0X10"), -1);  // upper-case X is not the mark
  EXPECT_EQ(HelpMapValue("0xZ"), -1);
  EXPECT_EQ(HelpMapValue("abc"), -1);
  // Plain decimal numbers, which hand-written maps use.
  EXPECT_EQ(HelpMapValue("123"), 123);
  EXPECT_EQ(HelpMapValue("12a"), -1);
}

TEST(ReadHelpMapTest, EntriesCommentsAndDefines) {
  CVeldorDoc doc;
  const int entries = ReadHelpMapText(doc, FileContents(TestDataPath("devtools/maps/mixed.hm")));
  EXPECT_EQ(entries, 5);
  EXPECT_EQ(doc.hmLines, (std::vector<std::string>{"HID_FILE_NEW,0x1E100", "HIDD_ABOUT,0x20064",
                                                   "HID_COPY_OF_NEW,0x1E100", "HID_DECIMAL,100",
                                                   "HID_FILE_NEW,0x5"}));
  EXPECT_EQ(doc.hmNames.size(), 5u);  // duplicates kept
  EXPECT_EQ(doc.hmKnownNames.size(), 4u);
  EXPECT_EQ(doc.hmValues, (std::vector<int32_t>{0x1E100, 0x20064, 0x1E100, 100, 5}));
  EXPECT_EQ(doc.hmNameOfValue.at(0x1E100), "HID_FILE_NEW");  // the first name of a value
  EXPECT_EQ(doc.hmNameOfValue.at(100), "HID_DECIMAL");

  CVeldorDoc missing;
  std::string reason;
  EXPECT_FALSE(ReadHelpMapFile(missing, "/nonexistent/dir/map.hm", &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_TRUE(missing.hmLines.empty());
}

TEST(HelpMapTablesTest, ReadingAProjectRebuildsTheTablesFromItsMapLines) {
  CVeldorDoc doc;
  doc.hmLines = {"HID_A,0x10001", "HIDD_B,0x20002", "HIDP_C,0x30003", "HID_A,0x10004"};
  doc.hidPrefixes = {"HIDD", "HID_"};
  CVeldorDoc reread;
  ASSERT_TRUE(reread.LoadFromBytes(doc.SaveToBytes()));
  EXPECT_EQ(reread.hmNames, (std::vector<std::string>{"HID_A", "HIDD_B", "HIDP_C", "HID_A"}));
  EXPECT_EQ(reread.hmValues, (std::vector<int32_t>{0x10001, 0x20002, 0x30003, 0x10004}));
  EXPECT_EQ(reread.hmKnownNames.size(), 3u);
  EXPECT_EQ(reread.hmNameOfValue.at(0x20002), "HIDD_B");
  EXPECT_EQ(reread.allowedHelpIds, (std::vector<std::string>{"HID_A", "HIDD_B", "HID_A"}));
}

TEST(AllowedHelpIdsTest, PrefixFilterAppliesOnlyToVisualCppProjects) {
  CVeldorDoc doc;
  ReadHelpMapText(doc, "HID_A 0x1\nHIDD_B 0x2\nHIDP_C 0x3\nAFX_HIDD_D 0x4\nHIDW_E 0x5\n");
  BuildAllowedHelpIds(doc);
  EXPECT_EQ(doc.allowedHelpIds.size(), 5u);  // no prefix chosen: every name

  doc.hidPrefixes = {"HIDD"};  // "Choix HID_" with only "Dialogue"
  BuildAllowedHelpIds(doc);
  EXPECT_EQ(doc.allowedHelpIds, std::vector<std::string>{"HIDD_B"});

  doc.hidPrefixes = {"AFX_", "HIDW"};
  BuildAllowedHelpIds(doc);
  EXPECT_EQ(doc.allowedHelpIds, (std::vector<std::string>{"AFX_HIDD_D", "HIDW_E"}));

  doc.devLinkKind = 3;  // a Visual Basic project offers every name
  BuildAllowedHelpIds(doc);
  EXPECT_EQ(doc.allowedHelpIds.size(), 5u);
}

TEST(UnattachedReferencesTest, FindListsAndClearRemovesOnlyTheUnknownNames) {
  CVeldorDoc doc;
  ReadHelpMapText(doc, "HID_A 0x1\nHID_C 0x3\n");
  AddTopic(doc, "First", "HID_A;HID_B");
  AddTopic(doc, "Second", "HID_C HID_D\tHID_E;;");
  AddTopic(doc, "Third", "HID_A");
  std::vector<std::string> list;
  EXPECT_EQ(FindUnattachedReferences(doc, &list), 3);
  EXPECT_EQ(list, (std::vector<std::string>{"HID_B dans topic First", "HID_D dans topic Second",
                                            "HID_E dans topic Second"}));
  EXPECT_EQ(FindUnattachedReferences(doc, nullptr), 3);
  EXPECT_FALSE(doc.IsModified());

  EXPECT_EQ(ClearUnattachedReferences(doc), 3);
  EXPECT_EQ(doc.GetTopic(0)->references, "HID_A");  // the known names stay
  EXPECT_EQ(doc.GetTopic(1)->references, "HID_C");
  EXPECT_EQ(doc.GetTopic(2)->references, "HID_A");
  EXPECT_TRUE(doc.IsModified());
}

class LoadHelpMapsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.path().empty());
    doc_.SetPathName(dir_ / "Ledger.ehe");
    doc_.projectName = "Ledger";
    ASSERT_TRUE(WriteFile(dir_ / "Ledger.hm", "HID_OWN 0x1\r\n"));
    ASSERT_TRUE(WriteFile(dir_ / "Extra.HM", "HID_EXTRA 0x2\r\n"));
    ASSERT_TRUE(WriteFile(dir_ / "afx.hm", "AFX_HIDD_X 0x3\r\n"));
    doc_.mapIncludes = {"extra.hm"};  // beside the project, in another case
    doc_.afxHelpInclude = dir_ / "afx.hm";
    AddTopic(doc_, "Known", "HID_OWN;HID_EXTRA;AFX_HIDD_X");
    AddTopic(doc_, "Stale", "HID_OWN;HID_GONE");
  }

  TempDirectory dir_;
  CVeldorDoc doc_;
  RecordingMessages messages_;
};

TEST_F(LoadHelpMapsTest, ReadsEveryMapInOrderAndErasesTheUnattachedOnlyWhenConfirmed) {
  messages_.answerYes = false;
  HelpMapLoadReport refused;
  EXPECT_EQ(LoadHelpMaps(doc_, &refused), 0);
  EXPECT_FALSE(refused.confirmed);
  EXPECT_EQ(doc_.GetTopic(1)->references, "HID_OWN;HID_GONE");
  // The tables are loaded all the same.
  EXPECT_EQ(doc_.hmLines,
            (std::vector<std::string>{"HID_EXTRA,0x2", "AFX_HIDD_X,0x3", "HID_OWN,0x1"}));
  EXPECT_EQ(refused.filesRead.size(), 3u);
  EXPECT_EQ(refused.unattached, std::vector<std::string>{"HID_GONE dans topic Stale"});
  ASSERT_EQ(messages_.confirmations.size(), 1u);
  EXPECT_EQ(messages_.confirmations[0].caption,
            "Confirmer destruction r\u00e9f\u00e9rences non attach\u00e9es");
  EXPECT_EQ(messages_.confirmations[0].text, "HID_GONE dans topic Stale");

  messages_.answerYes = true;
  HelpMapLoadReport confirmed;
  EXPECT_EQ(LoadHelpMaps(doc_, &confirmed), 1);
  EXPECT_TRUE(confirmed.confirmed);
  EXPECT_EQ(doc_.GetTopic(1)->references, "HID_OWN");
  EXPECT_EQ(doc_.GetTopic(0)->references, "HID_OWN;HID_EXTRA;AFX_HIDD_X");

  // Nothing unattached is left: nothing is asked.
  EXPECT_EQ(LoadHelpMaps(doc_), 0);
  EXPECT_EQ(messages_.confirmations.size(), 2u);
}

TEST_F(LoadHelpMapsTest, WithoutThePromptTheErasureIsNotAsked) {
  doc_.promptUnattached = 0;
  EXPECT_EQ(LoadHelpMaps(doc_), 1);
  EXPECT_TRUE(messages_.confirmations.empty());
  EXPECT_EQ(doc_.GetTopic(1)->references, "HID_OWN");
}

TEST_F(LoadHelpMapsTest, TheClassLibraryMapBelongsToVisualCppProjectsOnly) {
  doc_.devLinkKind = 3;
  messages_.answerYes = false;
  HelpMapLoadReport report;
  LoadHelpMaps(doc_, &report);
  EXPECT_EQ(doc_.hmKnownNames.count("AFX_HIDD_X"), 0u);
  EXPECT_EQ(report.unattached.size(), 2u);
}

TEST_F(LoadHelpMapsTest, MapsThatCannotBeReadAreNamedAndAskedAboutEvenWithoutThePrompt) {
  // The project's own map is gone: its identifiers must not be erased
  // behind the user's back.
  ASSERT_TRUE(DeleteFile(dir_ / "Ledger.hm"));
  doc_.mapIncludes.push_back("missing.hm");
  doc_.promptUnattached = 0;
  messages_.answerYes = false;
  HelpMapLoadReport report;
  EXPECT_EQ(LoadHelpMaps(doc_, &report), 0);
  ASSERT_EQ(report.filesNotRead.size(), 2u);
  EXPECT_NE(report.filesNotRead[0].find("missing.hm"), std::string::npos);
  ASSERT_EQ(messages_.confirmations.size(), 1u);
  EXPECT_NE(messages_.confirmations[0].text.find("missing.hm"), std::string::npos);
  EXPECT_NE(messages_.confirmations[0].text.find("Ledger.hm"), std::string::npos);
  EXPECT_EQ(doc_.GetTopic(0)->references, "HID_OWN;HID_EXTRA;AFX_HIDD_X");
  EXPECT_EQ(doc_.GetTopic(1)->references, "HID_OWN;HID_GONE");

  messages_.answerYes = true;
  EXPECT_EQ(LoadHelpMaps(doc_), 3);
  EXPECT_EQ(doc_.GetTopic(1)->references, "");
}

}  // namespace
}  // namespace veldor
