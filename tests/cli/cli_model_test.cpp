// veldor-cli new, dump, load and info, run as a separate program, and the
// demo project the build makes with them.
#include <gtest/gtest.h>

#include <ctime>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "model/document.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/cli_runner.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

class CliModelTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return dir_ / name; }

  // Runs veldor-cli with `args` (already quoted) and collects its output.
  CliResult Run(const std::string& args) const { return CliRunner(dir_.path()).Run(args); }

  TempDirectory dir_;
};

const char kBadFlagsJson[] =
    R"({"topics": [{"name": "A", "subjects": [{"typeCode": 3, "flags": "x"}]}]})";

TEST_F(CliModelTest, HelpListsTheModelCommands) {
  const CliResult r = Run("--help");
  EXPECT_EQ(r.status, 0);
  for (const char* usage : {"new OUT.ehe", "dump IN.ehe", "load IN.json OUT.ehe", "info IN.ehe"}) {
    EXPECT_NE(r.out.find(usage), std::string::npos) << usage;
  }
  // Group after group, each under its heading, whatever the order of linking.
  size_t previous = 0;
  for (const char* line :
       {"\n\nProject:\n  new OUT.ehe", "\n\nHelp build:\n  rtf P.ehe",
        "\n\nImport and export:\n  export-html P.ehe", "\n\nDevelopment tools:\n  hm P.ehe"}) {
    const size_t at = r.out.find(line);
    EXPECT_NE(at, std::string::npos) << line << " in:\n" << r.out;
    EXPECT_GT(at, previous) << line;
    previous = at;
  }
  EXPECT_EQ(Run("info").status, 2) << "a missing argument is a usage error";
  EXPECT_EQ(Run("dump a.ehe b.ehe").status, 2);
}

TEST_F(CliModelTest, NewWritesAnEmptyProject) {
  const CliResult r = Run("new " + ShellQuote(PathOf("empty.ehe")));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  CVeldorDoc doc;
  ASSERT_TRUE(doc.Open(PathOf("empty.ehe")));
  EXPECT_EQ(doc.topicCount(), 0);
  EXPECT_EQ(doc.report, 1);
  EXPECT_NEAR(static_cast<double>(doc.created), static_cast<double>(std::time(nullptr)), 60.0);

  const CliResult missing = Run("new " + ShellQuote(PathOf("no/such/dir/x.ehe")));
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err.rfind("veldor-cli: " + PathOf("no/such/dir/x.ehe") + ": ", 0), 0u)
      << missing.err;
}

TEST_F(CliModelTest, DumpThenLoadGivesTheSameFile) {
  const CliResult dump = Run("dump " + ShellQuote(VELDOR_DEMO_EHE));
  ASSERT_EQ(dump.status, 0) << dump.err;
  EXPECT_EQ(dump.err, "");
  const auto json = nlohmann::ordered_json::parse(dump.out);
  EXPECT_EQ(json["projectName"], "DEMO");
  EXPECT_EQ(json["chapters"][3],
            "R\xC3\xA9"
            "f\xC3\xA9rence")
      << "UTF-8 on standard output";

  ASSERT_TRUE(WriteFile(PathOf("demo.json"), dump.out));
  const CliResult load =
      Run("load " + ShellQuote(PathOf("demo.json")) + " " + ShellQuote(PathOf("copy.ehe")));
  ASSERT_EQ(load.status, 0) << load.err;
  EXPECT_EQ(FileContents(PathOf("copy.ehe")), FileContents(VELDOR_DEMO_EHE));
  EXPECT_FALSE(FileExists(PathOf("copy.ehb"))) << "no backup without an old file";
}

TEST_F(CliModelTest, DumpRefusesWhatIsNotAProject) {
  const CliResult missing = Run("dump " + ShellQuote(PathOf("none.ehe")));
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find(PathOf("none.ehe")), std::string::npos) << missing.err;

  ASSERT_TRUE(WriteFile(PathOf("text.ehe"), "{\"projectName\": \"X\"}"));
  const CliResult wrong = Run("dump " + ShellQuote(PathOf("text.ehe")));
  EXPECT_EQ(wrong.status, 1);
  EXPECT_EQ(wrong.out, "");
  EXPECT_NE(wrong.err.find("veldor-cli: "), std::string::npos);
}

TEST_F(CliModelTest, LoadKeepsTheBackupRule) {
  ASSERT_EQ(Run("new " + ShellQuote(PathOf("p.ehe"))).status, 0);
  const std::string old = FileContents(PathOf("p.ehe"));
  ASSERT_TRUE(WriteFile(PathOf("p.json"), R"({"projectName": "NOUVEAU"})"));

  const CliResult r =
      Run("load " + ShellQuote(PathOf("p.json")) + " " + ShellQuote(PathOf("p.ehe")));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(FileContents(PathOf("p.ehb")), old);
  CVeldorDoc doc;
  ASSERT_TRUE(doc.Open(PathOf("p.ehe")));
  EXPECT_EQ(doc.projectName, "NOUVEAU");
}

TEST_F(CliModelTest, LoadErrorsNameTheKeyAndWriteNothing) {
  ASSERT_TRUE(WriteFile(PathOf("bad.json"), kBadFlagsJson));
  const CliResult fresh =
      Run("load " + ShellQuote(PathOf("bad.json")) + " " + ShellQuote(PathOf("out.ehe")));
  EXPECT_EQ(fresh.status, 1);
  EXPECT_EQ(fresh.err, "veldor-cli: " + PathOf("bad.json") +
                           ": topics[0].subjects[0].flags: expected an integer from 0 to 65535, "
                           "found a string\n");
  EXPECT_FALSE(FileExists(PathOf("out.ehe")));

  // An existing project stays as it was, with no backup made.
  ASSERT_EQ(Run("new " + ShellQuote(PathOf("out.ehe"))).status, 0);
  const std::string before = FileContents(PathOf("out.ehe"));
  ASSERT_TRUE(WriteFile(PathOf("broken.json"), "{\"projectName\": \"A\",\n"));
  const CliResult broken =
      Run("load " + ShellQuote(PathOf("broken.json")) + " " + ShellQuote(PathOf("out.ehe")));
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.err.find("malformed JSON: parse error at line 2"), std::string::npos)
      << broken.err;
  EXPECT_EQ(FileContents(PathOf("out.ehe")), before);
  EXPECT_FALSE(FileExists(PathOf("out.ehb")));

  const CliResult missing =
      Run("load " + ShellQuote(PathOf("none.json")) + " " + ShellQuote(PathOf("x.ehe")));
  EXPECT_EQ(missing.status, 1);
  EXPECT_FALSE(FileExists(PathOf("x.ehe")));
}

TEST_F(CliModelTest, InfoSummarisesTheDemo) {
  const CliResult r = Run("info " + ShellQuote(VELDOR_DEMO_EHE));
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* line : {"Project:        DEMO\n", "Title:          Aide de Carnet\n",
                           "Contents topic: SOMMAIRE\n", "Topics:         15\n",
                           "Chapters:       4 (Prise en main, Les notes, Organisation, R\xC3\xA9"
                           "f\xC3\xA9rence)\n",
                           "Global strings: 4\n", "Help windows:   2 (main, raccourcis)\n"}) {
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "in:\n" << r.out;
  }
  EXPECT_NE(r.out.find("TexteImage 1"), std::string::npos) << r.out;

  ASSERT_TRUE(WriteFile(PathOf("p.json"), R"({"contentsTopic": "ABSENT"})"));
  ASSERT_EQ(Run("load " + ShellQuote(PathOf("p.json")) + " " + ShellQuote(PathOf("p.ehe"))).status,
            0);
  const CliResult missing = Run("info " + ShellQuote(PathOf("p.ehe")));
  EXPECT_NE(missing.out.find("Contents topic: ABSENT (no such topic)\n"), std::string::npos)
      << missing.out;
}

// The demo that the build makes from examples/demo/demo.json: it opens,
// and every name it uses leads somewhere.
TEST(DemoProject, IsConsistent) {
  CVeldorDoc doc;
  std::string error;
  ASSERT_TRUE(doc.Open(VELDOR_DEMO_EHE, &error)) << error;
  EXPECT_EQ(doc.projectName, "DEMO");
  EXPECT_EQ(doc.rootDir, "") << "the work directory is the demo's directory";
  EXPECT_NE(doc.FindTopic(doc.contentsTopic), nullptr);
  EXPECT_GE(doc.topicCount(), 12);

  std::set<std::string> names;
  int images = 0, jumps = 0, popups = 0;
  for (int t = 0; t < doc.topicCount(); ++t) {
    const CTopic& topic = *doc.GetTopic(t);
    EXPECT_TRUE(names.insert(topic.name).second) << "duplicate topic " << topic.name;
    EXPECT_GE(doc.IndexOfChapter(topic.chapter), 0) << topic.name;
    EXPECT_FALSE(topic.keywords.empty() && topic.name.rfind("DEF_", 0) != 0) << topic.name;
    for (int s = 0; s < topic.subjectCount(); ++s) {
      const CTypeEdit& subject = *topic.GetSubject(s);
      if (subject.typeCode == kTypeBitMap) {
        ++images;
        const std::string image = JoinPath(DirectoryPart(VELDOR_DEMO_EHE), subject.title);
        EXPECT_TRUE(FileExists(ResolvePath(image))) << image;
      }
      if (subject.HasTarget() &&
          (subject.action == kActionSaut || subject.action == kActionPopup)) {
        ++(subject.action == kActionSaut ? jumps : popups);
        EXPECT_NE(doc.FindTopic(subject.target), nullptr) << topic.name << " -> " << subject.target;
      }
      if (!subject.windowName.empty()) {
        EXPECT_TRUE(doc.windows.Exists(subject.windowName)) << subject.windowName;
      }
    }
  }
  EXPECT_GE(images, 1);
  EXPECT_GE(jumps, 10);
  EXPECT_GE(popups, 1);
  for (int g = 0; g < doc.globals.count(); ++g) {
    EXPECT_NE(doc.FindTopic(doc.globals.GetAt(g)->target), nullptr) << doc.globals.GetAt(g)->text;
  }
  EXPECT_EQ(doc.windows.count(), 2);
}

}  // namespace
}  // namespace veldor
