// veldor-cli export-html, export-txt, import-txt and import-rtf, run as a
// separate program on a project written here.
#include <gtest/gtest.h>

#include "exchange/exchange_test_support.h"
#include "exchange/text_export.h"
#include "platform/files.h"
#include "support/cli_runner.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

class CliExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CVeldorDoc doc;
    doc.projectName = "P";
    testing::AddSubject(testing::AddTopic(doc, "ACCUEIL"), kTypeTexte, "Bonjour");
    ASSERT_TRUE(doc.Save(project_));
  }

  // Runs veldor-cli with `args` (already quoted) and its own settings file.
  CliResult Run(const std::string& args) const {
    return CliRunner(dir_.path()).WithSettingsFile(ini_).Run(args);
  }

  std::unique_ptr<CVeldorDoc> Reopened() const {
    auto doc = std::make_unique<CVeldorDoc>();
    EXPECT_TRUE(doc->Open(project_));
    return doc;
  }

  TempDirectory dir_;
  const std::string project_ = dir_ / "P.ehe";
  const std::string ini_ = dir_ / "VELDOR.INI";
};

TEST_F(CliExchangeTest, ImportTxtUsesAndKeepsTheTags) {
  // Tags typed on the command line are UTF-8; the file is too.
  ASSERT_TRUE(WriteFile(dir_ / "in.txt", "@N Deux\nun\n\xC2\xA7\n@N Trois\n\xC3\xA9t\xC3\xA9\n"));
  const CliResult r = Run("import-txt " + ShellQuote(project_) + " " + ShellQuote(dir_ / "in.txt") +
                          " --page '\xC2\xA7' --name @N");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "2 topic(s) added\n");
  const auto doc = Reopened();
  ASSERT_EQ(doc->topicCount(), 3);
  EXPECT_EQ(doc->GetTopic(1)->name, "Deux");
  EXPECT_EQ(doc->GetTopic(2)->name, "Trois");
  EXPECT_EQ(doc->GetTopic(2)->GetSubject(0)->text, "\xE9t\xE9\r\n\r\n");
  EXPECT_TRUE(FileExists(dir_ / "P.ehb"));  // saved with the backup rule
  const std::string ini = FileContents(ini_);
  EXPECT_NE(ini.find("BALISEPAGE=\xA7"), std::string::npos);
  EXPECT_NE(ini.find("BALISENOM=@N"), std::string::npos);
  EXPECT_NE(ini.find("BALISETITRE=<TITRE>"), std::string::npos);
  EXPECT_NE(ini.find("NomFichier=" + dir_ / "in.txt"), std::string::npos);

  // The next import takes the tags kept in the settings.
  ASSERT_TRUE(WriteFile(dir_ / "in2.txt", "@N Quatre\n"));
  ASSERT_EQ(Run("import-txt " + ShellQuote(project_) + " " + ShellQuote(dir_ / "in2.txt")).status,
            0);
  EXPECT_EQ(Reopened()->GetTopic(3)->name, "Quatre");
}

TEST_F(CliExchangeTest, ImportTxtRefusesLongTagsAndMissingFiles) {
  CliResult r = Run("import-txt " + ShellQuote(project_) + " " + ShellQuote(dir_ / "in.txt") +
                    " --title " + std::string(129, 't'));
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.err.find("128"), std::string::npos);
  r = Run("import-txt " + ShellQuote(project_) + " " + ShellQuote(dir_ / "absent.txt"));
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.err.find("Fichier non trouvé"), std::string::npos);
  EXPECT_EQ(Reopened()->topicCount(), 1);
}

TEST_F(CliExchangeTest, ImportRtf) {
  CliResult r = Run("import-rtf " + ShellQuote(project_) + " " +
                    ShellQuote(TestDataPath("exchange/winhelp.rtf")));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "4 topic(s) added\n");
  EXPECT_EQ(Reopened()->GetTopic(1)->name, "IDH_INDEX");
  // A parse error keeps what was read, and says so in the exit status.
  ASSERT_TRUE(WriteFile(dir_ / "open.rtf", "{\\rtf1 a\\page b"));
  r = Run("import-rtf " + ShellQuote(project_) + " " + ShellQuote(dir_ / "open.rtf"));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "2 topic(s) added, 1 with a name already in use\n");  // "Titre" again
  EXPECT_NE(r.err.find("Erreur RTF"), std::string::npos);
  EXPECT_EQ(Reopened()->topicCount(), 7);
}

TEST_F(CliExchangeTest, Exports) {
  const CliResult html =
      Run("export-html " + ShellQuote(project_) + " " + ShellQuote(dir_ / "html"));
  ASSERT_EQ(html.status, 0) << html.err;
  EXPECT_TRUE(FileExists(dir_ / "html/ACCUEIL.htm"));
  const CliResult txt =
      Run("export-txt " + ShellQuote(project_) + " " + ShellQuote(dir_ / "out.txt"));
  ASSERT_EQ(txt.status, 0) << txt.err;
  EXPECT_EQ(FileContents(dir_ / "out.txt"), TextExportBytes(*Reopened()));
  EXPECT_NE(
      Run("export-txt " + ShellQuote(project_) + " " + ShellQuote(dir_ / "no/out.txt")).status, 0);
}

}  // namespace
}  // namespace veldor
