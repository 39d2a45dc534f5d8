// veldor-cli hm, load-maps, vb-wizard, delphi-wizard, list-ids and vc-link,
// run as a separate program on copies of the sample projects.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/cli_runner.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

class CliDevtoolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir_.path().empty());
    for (const char* sample : {"vc", "vb3", "vb6", "delphi"}) {
      std::filesystem::copy(TestDataPath("devtools/" + std::string(sample)), dir_ / sample,
                            std::filesystem::copy_options::recursive);
    }
    ASSERT_EQ(Run("new P.ehe").status, 0);
  }

  // Runs veldor-cli in the scratch directory, without a settings file.
  CliResult Run(const std::string& args) const {
    return CliRunner(dir_.path())
        .InDirectory(dir_.path())
        .WithSettingsFile(dir_ / "none.ini")
        .Run(args);
  }

  std::unique_ptr<CVeldorDoc> Project() const {
    auto doc = std::make_unique<CVeldorDoc>();
    EXPECT_TRUE(doc->Open(dir_ / "P.ehe"));
    return doc;
  }

  TempDirectory dir_;
};

TEST_F(CliDevtoolsTest, VbWizardGeneratesSavesAndListsIds) {
  const CliResult r = Run("vb-wizard P.ehe 'vb3\\INVOICE.MAK'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("help map: " + (dir_ / "vb3/Invoice.hm")), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("topics: 15 generated"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("skipped: "), std::string::npos);
  EXPECT_NE(r.err.find("Formulaires non lus"), std::string::npos) << r.err;
  EXPECT_TRUE(FileExists(dir_ / "P.ehb"));  // saved with the backup rule

  const auto doc = Project();
  EXPECT_EQ(doc->topicCount(), 15);
  EXPECT_EQ(doc->devLinkKind, 1);
  EXPECT_EQ(doc->devProjectFile, dir_ / "vb3/Invoice.mak");

  const CliResult ids = Run("list-ids P.ehe");
  ASSERT_EQ(ids.status, 0) << ids.err;
  EXPECT_EQ(ids.out.substr(0, 39), "001\t\tHM_FRMINVOICE\n002\t\tHM_FRMCUSTOMER\n");
  EXPECT_NE(ids.out.find("010\t\tHM_FRMCUSTOMER_CMDOK\n010\t\tHM_FRMINVOICE_CMDPRINT\n"),
            std::string::npos);
}

TEST_F(CliDevtoolsTest, DelphiWizardSaysWhichFormsItLeftOut) {
  const CliResult r = Run("delphi-wizard P.ehe delphi/STOCK.dpr");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("skipped: " + (dir_ / "delphi/Rapport.dfm")), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("topics: 18 generated"), std::string::npos) << r.out;
  EXPECT_EQ(Project()->devLinkKind, 4);
}

TEST_F(CliDevtoolsTest, MissingProjectFilesAreSaidOnTheCommandLine) {
  CliResult r = Run("vb-wizard P.ehe vb6/Nothing.vbp");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Nothing.vbp"), std::string::npos) << r.err;
  EXPECT_FALSE(FileExists(dir_ / "P.ehb"));  // nothing saved

  r = Run("list-ids P.ehe");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("aucun projet"), std::string::npos) << r.err;

  r = Run("hm missing.ehe");
  EXPECT_EQ(r.status, 1);
}

TEST_F(CliDevtoolsTest, VisualCppLinkHelpMapAndUnattachedReferences) {
  // hm is refused until the project allows changes of its links.
  CliResult r = Run("hm P.ehe");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Autorise modification liens"), std::string::npos) << r.err;

  r = Run("vc-link P.ehe vc/Resource.h --name LEDGER --afx vc/AfxHelp.hm --hid HIDD,AFX_");
  ASSERT_EQ(r.status, 0) << r.err;
  r = Run("hm P.ehe");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "wrote " + (dir_ / "LEDGER.hm") + "\n");
  EXPECT_TRUE(MatchesGolden(FileContents(dir_ / "LEDGER.hm"), "devtools/golden/Resource.hm"));

  // A topic whose references name one known and one unknown identifier.
  const auto doc = Project();
  auto topic = std::make_unique<CTopic>();
  topic->name = "About";
  topic->references = "HIDD_ABOUTBOX;HIDD_GONE";
  doc->AddTopic(std::move(topic));
  ASSERT_TRUE(doc->Save(dir_ / "P.ehe"));

  r = Run("load-maps P.ehe");  // the erasure is not confirmed
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("unattached: HIDD_GONE dans topic About\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("erased: none"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("identifiers: 26 read, 7 offered"), std::string::npos) << r.out;
  EXPECT_EQ(Project()->GetTopic(0)->references, "HIDD_ABOUTBOX;HIDD_GONE");

  r = Run("load-maps P.ehe --yes");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("erased: 1 reference(s)"), std::string::npos) << r.out;
  EXPECT_EQ(Project()->GetTopic(0)->references, "HIDD_ABOUTBOX");
}

TEST_F(CliDevtoolsTest, VisualCppLinkToAHeaderInADirectoryWithAnAccent) {
  ASSERT_TRUE(MakeDirectories(dir_ / "R\u00e9so"));
  ASSERT_TRUE(CopyFile(dir_ / "vc/Resource.h", dir_ / "R\u00e9so/Resource.h"));
  CliResult r = Run("vc-link P.ehe 'R\u00e9so/Resource.h' --name LEDGER");
  ASSERT_EQ(r.status, 0) << r.err;
  r = Run("hm P.ehe");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(MatchesGolden(FileContents(dir_ / "LEDGER.hm"), "devtools/golden/Resource.hm"));
}

}  // namespace
}  // namespace veldor
