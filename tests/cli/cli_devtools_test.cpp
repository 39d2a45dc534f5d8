// veldor-cli vb-wizard, list-ids, vc-link, hm and load-maps, run as a
// separate program on copies of the sample projects.
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
    for (const char* sample : {"vc", "vb3"}) {
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

// A missing form project saves nothing; the generated project then has
// identifiers to list.
TEST_F(CliDevtoolsTest, VbWizardGeneratesSavesAndListsIds) {
  CliResult r = Run("vb-wizard P.ehe vb3/Nothing.mak");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Nothing.mak"), std::string::npos) << r.err;
  EXPECT_FALSE(FileExists(dir_ / "P.ehb"));
  r = Run("list-ids P.ehe");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("aucun projet"), std::string::npos) << r.err;

  // A Delphi project is not a Visual Basic one: refused, nothing saved.
  ASSERT_TRUE(WriteFile(dir_ / "Stock.dpr", "program Stock;\nuses Main in 'Main.pas' {F};\n"));
  r = Run("vb-wizard P.ehe Stock.dpr");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("projet Visual Basic"), std::string::npos) << r.err;
  EXPECT_FALSE(FileExists(dir_ / "P.ehb"));

  r = Run("vb-wizard P.ehe 'vb3\\INVOICE.MAK'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("help map: " + (dir_ / "vb3/Invoice.hm")), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("topics: 15 generated"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("Formulaires non lus"), std::string::npos) << r.err;
  EXPECT_TRUE(FileExists(dir_ / "P.ehb"));  // saved with the backup rule
  EXPECT_EQ(Project()->devProjectFile, dir_ / "vb3/Invoice.mak");
  r = Run("list-ids P.ehe");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, 39), "001\t\tHM_FRMINVOICE\n002\t\tHM_FRMCUSTOMER\n");
}

// hm is refused until the project allows changes of its links. A header
// named in UTF-8 on the command line, in a directory with an accent, gives
// the help map; load-maps erases unattached references only with --yes.
TEST_F(CliDevtoolsTest, VisualCppLinkHelpMapAndUnattachedReferences) {
  CliResult r = Run("hm P.ehe");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Autorise modification liens"), std::string::npos) << r.err;

  ASSERT_TRUE(MakeDirectories(dir_ / "R\u00e9so"));
  ASSERT_TRUE(CopyFile(dir_ / "vc/Resource.h", dir_ / "R\u00e9so/Resource.h"));
  r = Run("vc-link P.ehe 'R\u00e9so/Resource.h' --name LEDGER --afx vc/AfxHelp.hm --hid HIDD,AFX_");
  ASSERT_EQ(r.status, 0) << r.err;
  r = Run("hm P.ehe");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "wrote " + (dir_ / "LEDGER.hm") + "\n");
  EXPECT_TRUE(MatchesGolden(FileContents(dir_ / "LEDGER.hm"), "devtools/golden/Resource.hm"));

  // A map that cannot be written (a full disk) leaves the previous one whole.
  const std::string before = FileContents(dir_ / "LEDGER.hm");
  r = CliRunner(dir_.path())
          .InDirectory(dir_.path())
          .WithSettingsFile(dir_ / "none.ini")
          .WithEnvironment("LD_PRELOAD", VELDOR_FAULT_LIBRARY)
          .WithEnvironment("VELDOR_FAIL_WRITE", "LEDGER.hm")
          .Run("hm P.ehe");
  EXPECT_NE(r.status, 0);
  EXPECT_EQ(FileContents(dir_ / "LEDGER.hm"), before);

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
  const auto kept = Project();
  ASSERT_GT(kept->topicCount(), 0);
  EXPECT_EQ(kept->GetTopic(0)->references, "HIDD_ABOUTBOX;HIDD_GONE");

  r = Run("load-maps P.ehe --yes");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("erased: 1 reference(s)"), std::string::npos) << r.out;
  const auto erased = Project();
  ASSERT_GT(erased->topicCount(), 0);
  EXPECT_EQ(erased->GetTopic(0)->references, "HIDD_ABOUTBOX");
}

}  // namespace
}  // namespace veldor
