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

  // Runs `command` on the project and `file`, with its own settings file.
  CliResult Run(const std::string& command, const std::string& file,
                const std::string& options = "") const {
    return CliRunner(dir_.path())
        .WithSettingsFile(ini_)
        .Run(command + " " + ShellQuote(project_) + " " + ShellQuote(file) + options);
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

// Tags typed on the command line are UTF-8, and kept for the next import.
TEST_F(CliExchangeTest, ImportTxtUsesAndKeepsTheTags) {
  ASSERT_TRUE(WriteFile(dir_ / "in.txt", "@N Deux\nun\n\xC2\xA7\n@N Trois\n\xC3\xA9t\xC3\xA9\n"));
  const CliResult r = Run("import-txt", dir_ / "in.txt", " --page '\xC2\xA7' --name @N");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "2 topic(s) added\n");
  const auto doc = Reopened();
  ASSERT_EQ(doc->topicCount(), 3);
  EXPECT_EQ(doc->GetTopic(2)->name, "Trois");
  EXPECT_TRUE(FileExists(dir_ / "P.ehb"));  // saved with the backup rule
  EXPECT_NE(FileContents(ini_).find("BALISEPAGE=\xA7"), std::string::npos);

  ASSERT_TRUE(WriteFile(dir_ / "in2.txt", "@N Quatre\n"));
  ASSERT_EQ(Run("import-txt", dir_ / "in2.txt").status, 0);
  const auto more = Reopened();
  ASSERT_EQ(more->topicCount(), 4);
  EXPECT_EQ(more->GetTopic(3)->name, "Quatre");

  EXPECT_EQ(Run("import-txt", dir_ / "in.txt", " --title " + std::string(129, 't')).status, 2);
  const CliResult missing = Run("import-txt", dir_ / "absent.txt");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("Fichier non trouvé"), std::string::npos);
  EXPECT_EQ(Reopened()->topicCount(), 4);
}

// An empty tag would be found at the start of every line: it is refused
// before anything is read or stored.
TEST_F(CliExchangeTest, ImportTxtRefusesEmptyTags) {
  ASSERT_TRUE(WriteFile(dir_ / "in.txt", "<NOM>Deux\nun\n"));
  for (const char* option : {" --name ''", " --page ''", " --title ''"}) {
    const CliResult r = Run("import-txt", dir_ / "in.txt", option);
    EXPECT_EQ(r.status, 2) << option;
    EXPECT_NE(r.err.find("empty"), std::string::npos) << r.err;
  }
  EXPECT_FALSE(FileExists(ini_));
  EXPECT_EQ(Reopened()->topicCount(), 1);
}

// An import that adds no topic does not save: the project and its backup
// keep their bytes.
TEST_F(CliExchangeTest, ImportsThatAddNothingLeaveProjectAndBackupAlone) {
  {
    CVeldorDoc full;
    full.projectName = "P";
    for (int i = 0; i < CVeldorDoc::kMaxTopics; ++i) {
      testing::AddTopic(full, "T" + std::to_string(i));
    }
    ASSERT_TRUE(full.Save(project_));
  }
  ASSERT_TRUE(WriteFile(dir_ / "P.ehb", "ancienne copie"));
  const std::string before = FileContents(project_);
  ASSERT_TRUE(WriteFile(dir_ / "in.txt", "<NOM>Deux\nun\n"));
  const CliResult txt = Run("import-txt", dir_ / "in.txt");
  EXPECT_EQ(txt.out, "0 topic(s) added, 1 left out\n");
  ASSERT_TRUE(WriteFile(dir_ / "none.rtf", "{\\rtf1\\ansi}"));
  const CliResult rtf = Run("import-rtf", dir_ / "none.rtf");
  EXPECT_EQ(rtf.out.substr(0, 16), "0 topic(s) added") << rtf.out << rtf.err;
  EXPECT_EQ(FileContents(project_), before);
  EXPECT_EQ(FileContents(dir_ / "P.ehb"), "ancienne copie");
}

// A parse error keeps what was read, and says so in the exit status.
TEST_F(CliExchangeTest, ImportRtfAndExports) {
  CliResult r = Run("import-rtf", TestDataPath("exchange/winhelp.rtf"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "4 topic(s) added\n");
  ASSERT_TRUE(WriteFile(dir_ / "open.rtf", "{\\rtf1 a\\page b"));
  r = Run("import-rtf", dir_ / "open.rtf");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "2 topic(s) added, 1 with a name already in use\n");  // "Titre" again
  EXPECT_NE(r.err.find("Erreur RTF"), std::string::npos);

  ASSERT_EQ(Run("export-html", dir_ / "html").status, 0);
  EXPECT_TRUE(FileExists(dir_ / "html/ACCUEIL.htm"));
  ASSERT_EQ(Run("export-txt", dir_ / "out.txt").status, 0);
  const auto doc = Reopened();
  EXPECT_EQ(doc->topicCount(), 7);
  EXPECT_EQ(FileContents(dir_ / "out.txt"), TextExportBytes(*doc));
  EXPECT_EQ(Run("export-txt", dir_ / "no/out.txt").status, 1);
}

// A help file saved by a word processor imports with all its topics; a
// file that is not RTF is refused whole, with a message.
TEST_F(CliExchangeTest, ImportRtfReadsWordProcessorFilesAndRefusesOthers) {
  const CliResult real = Run("import-rtf", TestDataPath("helprtf/DiskArc.rtf"));
  ASSERT_EQ(real.status, 0) << real.err;
  EXPECT_EQ(real.out, "38 topic(s) added\n");
  EXPECT_EQ(Reopened()->GetTopic(1)->name, "Why");
  ASSERT_TRUE(WriteFile(dir_ / "P.ehe.keep", FileContents(project_)));

  ASSERT_TRUE(WriteFile(dir_ / "notes.rtf", "Just notes\\page about {things}\n"));
  const CliResult r = Run("import-rtf", dir_ / "notes.rtf");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("n'est pas un fichier RTF"), std::string::npos) << r.err;
  EXPECT_EQ(FileContents(project_), FileContents(dir_ / "P.ehe.keep"));
}

}  // namespace
}  // namespace veldor
