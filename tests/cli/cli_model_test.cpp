// veldor-cli new, dump, load and info, run as a separate program, the
// conventions every command follows, and the demo project the build makes
// with them.
#include <gtest/gtest.h>

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
  std::string Quoted(const std::string& name) const { return ShellQuote(PathOf(name)); }
  CliResult Run(const std::string& args) const { return CliRunner(dir_.path()).Run(args); }

  TempDirectory dir_;
};

// Usage errors exit with 2, failures with 1 and "veldor-cli: PATH: reason".
TEST_F(CliModelTest, HelpUsageErrorsAndFailures) {
  const CliResult help = Run("--help");
  EXPECT_EQ(help.status, 0);
  // Group after group, each under its heading, whatever the order of linking.
  size_t previous = 0;
  for (const char* line :
       {"\n\nProject:\n  new OUT.ehe", "\n\nHelp build:\n  rtf P.ehe",
        "\n\nImport and export:\n  export-html P.ehe", "\n\nDevelopment tools:\n  hm P.ehe"}) {
    const size_t at = help.out.find(line);
    EXPECT_NE(at, std::string::npos) << line << " in:\n" << help.out;
    EXPECT_GT(at, previous) << line;
    previous = at;
  }
  for (const char* usage :
       {"info", "dump a.ehe b.ehe", "no-such-command", "import-txt a b --page"}) {
    EXPECT_EQ(Run(usage).status, 2) << usage;
  }

  const CliResult missing = Run("new " + Quoted("no/such/dir/x.ehe"));
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err.rfind("veldor-cli: " + PathOf("no/such/dir/x.ehe") + ": ", 0), 0u)
      << missing.err;
  ASSERT_TRUE(WriteFile(PathOf("text.ehe"), "{\"projectName\": \"X\"}"));
  for (const char* notAProject : {"none.ehe", "text.ehe"}) {
    const CliResult dump = Run("dump " + Quoted(notAProject));
    EXPECT_EQ(dump.status, 1);
    EXPECT_EQ(dump.out, "");
    EXPECT_EQ(dump.err.rfind("veldor-cli: " + PathOf(notAProject) + ": ", 0), 0u) << dump.err;
  }

  // A load that fails writes nothing: no project, no backup, the old one kept.
  ASSERT_TRUE(WriteFile(PathOf("bad.json"), "{\"projectName\": \"A\",\n"));
  EXPECT_EQ(Run("load " + Quoted("bad.json") + " " + Quoted("out.ehe")).status, 1);
  EXPECT_FALSE(FileExists(PathOf("out.ehe")));
  ASSERT_EQ(Run("new " + Quoted("out.ehe")).status, 0);
  const std::string before = FileContents(PathOf("out.ehe"));
  const CliResult load = Run("load " + Quoted("bad.json") + " " + Quoted("out.ehe"));
  EXPECT_EQ(load.status, 1);
  EXPECT_EQ(load.err.rfind("veldor-cli: " + PathOf("bad.json") + ": malformed JSON", 0), 0u)
      << load.err;
  EXPECT_EQ(FileContents(PathOf("out.ehe")), before);
  EXPECT_FALSE(FileExists(PathOf("out.ehb")));
}

// The dump is UTF-8 JSON; loading it over a project gives the same bytes
// and keeps the old file as the backup.
TEST_F(CliModelTest, NewDumpAndLoadRoundTrip) {
  const CliResult created = Run("new " + Quoted("p.ehe"));
  ASSERT_EQ(created.status, 0) << created.err;
  EXPECT_EQ(created.out + created.err, "");
  const std::string old = FileContents(PathOf("p.ehe"));

  const CliResult dump = Run("dump " + ShellQuote(VELDOR_DEMO_EHE));
  ASSERT_EQ(dump.status, 0) << dump.err;
  const auto json = nlohmann::ordered_json::parse(dump.out);
  EXPECT_EQ(json["chapters"][3],
            "R\xC3\xA9"
            "f\xC3\xA9rence")
      << "UTF-8 on standard output";
  ASSERT_TRUE(WriteFile(PathOf("demo.json"), dump.out));
  const CliResult load = Run("load " + Quoted("demo.json") + " " + Quoted("p.ehe"));
  ASSERT_EQ(load.status, 0) << load.err;
  EXPECT_EQ(FileContents(PathOf("p.ehe")), FileContents(VELDOR_DEMO_EHE));
  EXPECT_EQ(FileContents(PathOf("p.ehb")), old);
}

TEST_F(CliModelTest, InfoSummarisesTheDemo) {
  const CliResult r = Run("info " + ShellQuote(VELDOR_DEMO_EHE));
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* line :
       {"Project:        DEMO\n", "Contents topic: SOMMAIRE\n", "Topics:         15\n",
        "Chapters:       4 (Prise en main, Les notes, Organisation, R\xC3\xA9"
        "f\xC3\xA9rence)\n",
        "Help windows:   2 (main, raccourcis)\n", "TexteImage 1"}) {
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "in:\n" << r.out;
  }

  ASSERT_TRUE(WriteFile(PathOf("p.json"), R"({"contentsTopic": "ABSENT"})"));
  ASSERT_EQ(Run("load " + Quoted("p.json") + " " + Quoted("p.ehe")).status, 0);
  EXPECT_NE(Run("info " + Quoted("p.ehe")).out.find("Contents topic: ABSENT (no such topic)\n"),
            std::string::npos);
}

// The demo that the build makes from examples/demo/demo.json: it opens,
// and every name it uses leads somewhere.
TEST(DemoProject, IsConsistent) {
  CVeldorDoc doc;
  std::string error;
  ASSERT_TRUE(doc.Open(VELDOR_DEMO_EHE, &error)) << error;
  EXPECT_EQ(doc.rootDir, "") << "the work directory is the demo's directory";
  EXPECT_NE(doc.FindTopic(doc.contentsTopic), nullptr);

  std::set<std::string> names;
  for (int t = 0; t < doc.topicCount(); ++t) {
    const CTopic& topic = *doc.GetTopic(t);
    EXPECT_TRUE(names.insert(topic.name).second) << "duplicate topic " << topic.name;
    EXPECT_GE(doc.IndexOfChapter(topic.chapter), 0) << topic.name;
    for (int s = 0; s < topic.subjectCount(); ++s) {
      const CTypeEdit& subject = *topic.GetSubject(s);
      const std::string image = JoinPath(DirectoryPart(VELDOR_DEMO_EHE), subject.title);
      EXPECT_TRUE(subject.typeCode != kTypeBitMap || FileExists(ResolvePath(image))) << image;
      if (subject.HasTarget() &&
          (subject.action == kActionSaut || subject.action == kActionPopup)) {
        EXPECT_NE(doc.FindTopic(subject.target), nullptr) << topic.name << " -> " << subject.target;
      }
      EXPECT_TRUE(subject.windowName.empty() || doc.windows.Exists(subject.windowName));
    }
  }
  for (int g = 0; g < doc.globals.count(); ++g) {
    EXPECT_NE(doc.FindTopic(doc.globals.GetAt(g)->target), nullptr) << doc.globals.GetAt(g)->text;
  }
}

}  // namespace
}  // namespace veldor
