// veldor-hc from the command line: the forms the help build starts, the
// project's error log, pictures, and what it says on bad input.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "support/cli_runner.h"
#include "support/temp_directory.h"
#include "winhelp/hlp_test_reader.h"

namespace veldor {
namespace {

struct HcRun {
  int status = -1;
  std::string out;
};

HcRun RunHc(const std::string& directory, const std::string& args) {
  const std::string out = JoinPath(directory, ".hc-out");
  const std::string command = "cd " + ShellQuote(directory) + " && " + ShellQuote(VELDOR_HC_PATH) +
                              " " + args + " >" + ShellQuote(out) + " 2>&1";
  const int status = std::system(command.c_str());
  HcRun run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  ReadFile(out, run.out);
  DeleteFile(out);
  return run;
}

void Put16(std::string& s, int v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, uint32_t v) {
  Put16(s, static_cast<int>(v & 0xFFFF));
  Put16(s, static_cast<int>(v >> 16));
}

// A width x 2 bitmap of `bits` per pixel (8 with a 4-colour palette, or 24).
std::string Bitmap(int width, int bits) {
  const int row = ((width * bits + 31) / 32) * 4;
  const int palette = bits == 8 ? 4 : 0;
  std::string s = "BM";
  Put32(s, static_cast<uint32_t>(54 + palette * 4 + row * 2));
  Put32(s, 0);
  Put32(s, static_cast<uint32_t>(54 + palette * 4));
  Put32(s, 40);
  Put32(s, static_cast<uint32_t>(width));
  Put32(s, 2);
  Put16(s, 1);
  Put16(s, bits);
  for (int i = 0; i < 6; ++i) Put32(s, i == 4 ? static_cast<uint32_t>(palette) : 0);
  for (int i = 0; i < palette; ++i) Put32(s, 0x00FF0000u >> (i * 8));
  for (int i = 0; i < row * 2; ++i) s += static_cast<char>(i % 3);
  return s;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::string data;
  ReadFile(path, data);
  return {data.begin(), data.end()};
}

constexpr const char* kTopics =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n"
    "#{\\footnote IDH_HOME}${\\footnote Accueil}K{\\footnote accueil;debut}\n"
    "\\pard\\f0\\fs20 Bienvenue. {\\uldb Suite}{\\v IDH_NEXT} et {\\uldb rien}{\\v "
    "IDH_NOWHERE}\\par\n"
    "\\pard \\{bmc Logo.BMP\\} \\{bml photo.bmp\\} \\{bmr absent.bmp\\}\\par\n"
    "\\page\n"
    "#{\\footnote IDH_NEXT}${\\footnote Suite}\\pard Fin.\\par\n"
    "\\page\n"
    "${\\footnote Sans contexte}\\pard Perdu.\\par\n"
    "}\n";

TEST(HcProgram, CompilesAProjectAsTheHelpBuildStartsIt) {
  TempDirectory dir;
  ASSERT_TRUE(MakeDirectory(dir / "Aide"));
  ASSERT_TRUE(MakeDirectory(dir / "Images"));
  ASSERT_TRUE(WriteFile(dir / "Aide/Topics.rtf", kTopics));
  ASSERT_TRUE(WriteFile(dir / "Images/LOGO.bmp", Bitmap(3, 8)));
  ASSERT_TRUE(WriteFile(dir / "Images/Photo.BMP", Bitmap(5, 24)));
  ASSERT_TRUE(WriteFile(dir / "Aide/demo.hpj",
                        "[OPTIONS]\r\nCONTENTS=IDH_HOME\r\nTITLE=Essai\r\nCOMPRESS=HIGH\r\n"
                        "ROOT=.\r\nBMROOT=..\\images\r\nERRORLOG=demo.err\r\nFUNKY=1\r\n"
                        "[FILES]\r\nTOPICS.RTF\r\n[MAP]\r\nIDH_HOME 10\r\nIDH_GONE 11\r\n"
                        "[Windows]\r\nmain=\"Essai\",(0,0,512,512),0,,,0\r\n"));
  ASSERT_TRUE(MakeDirectory(dir / "program"));
  const HcRun run = RunHc(dir / "program", "hcw.exe /C /M /A /E ../aide/DEMO.HPJ");
  EXPECT_EQ(run.status, 0) << run.out;
  ASSERT_TRUE(FileExists(dir / "program/DEMO.HLP")) << run.out;

  std::string log;
  ASSERT_TRUE(ReadFile(dir / "Aide/demo.err", log));
  EXPECT_EQ(log, [&] {
    std::string stdoutLines = run.out;
    size_t at = 0;
    while ((at = stdoutLines.find('\n', at)) != std::string::npos) {
      stdoutLines.insert(at, "\r");
      at += 2;
    }
    return stdoutLines;
  }()) << "the log holds the lines printed";
  for (const char* expected :
       {"unknown option FUNKY", "topic #1 of ", "jump to undefined context string 'IDH_NOWHERE'",
        "picture 'absent.bmp' is missing", "topic #3 of ", "has no context string",
        "map entry 'IDH_GONE' names no topic",
        "DEMO.HLP: 3 topics, 2 jumps, 2 keywords, 2 pictures"}) {
    EXPECT_NE(log.find(expected), std::string::npos) << expected << "\n" << log;
  }

  winhelp::testing::HlpTestReader reader;
  ASSERT_TRUE(reader.Load(ReadBytes(dir / "program/DEMO.HLP"))) << reader.error();
  ASSERT_EQ(reader.topics.size(), 3u);
  EXPECT_EQ(reader.title, "Essai");
  EXPECT_EQ(reader.topics[1].title, "Suite");
  EXPECT_EQ(reader.TopicOfContext("IDH_NEXT"), 1);
  EXPECT_EQ(reader.TopicAtOffset(reader.contextMap.at(10)), 0);
  EXPECT_TRUE(reader.InternalFile("|bm0").has_value());
  EXPECT_TRUE(reader.InternalFile("|bm1").has_value());
  EXPECT_FALSE(reader.InternalFile("|bm2").has_value());
  std::vector<int> pictures;
  for (const auto& paragraph : reader.topics[0].paragraphs) {
    pictures.insert(pictures.end(), paragraph.pictures.begin(), paragraph.pictures.end());
  }
  EXPECT_EQ(pictures, (std::vector<int>{0, 1}));
  // A bitmap picture: "lP", one image, a DIB of the file's depth.
  const auto bm = *reader.InternalFile("|bm1");
  EXPECT_EQ(bm[0], 'l');
  EXPECT_EQ(bm[1], 'P');
  EXPECT_EQ(bm[8], 6);
}

TEST(HcProgram, OutputOptionAndBadCommandLines) {
  TempDirectory dir;
  ASSERT_TRUE(WriteFile(dir / "x.rtf", kTopics));
  ASSERT_TRUE(WriteFile(dir / "X.HPJ", "[FILES]\nx.rtf\n"));
  HcRun run = RunHc(dir.path(), "--output " + ShellQuote(dir / "out/help.hlp") + " X.HPJ");
  EXPECT_EQ(run.status, 1) << "the output directory does not exist: " << run.out;
  ASSERT_TRUE(MakeDirectory(dir / "out"));
  run = RunHc(dir.path(), "-o out/help.hlp hcvel.pif x.hpj");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(FileExists(dir / "out/help.hlp"));
  EXPECT_FALSE(FileExists(dir / "X.HLP"));

  // TITLE as the help build writes it, in OEM 850: read as such when
  // started under a compiler's name, as Windows-1252 otherwise.
  ASSERT_TRUE(WriteFile(dir / "T.HPJ", "[OPTIONS]\nTITLE=Compl\x82t\n[FILES]\nx.rtf\n"));
  for (const auto& [args, title] :
       {std::pair<std::string, std::string>{"hcvel.pif T.HPJ", "Compl\xE9t"},
        {"T.HPJ", "Compl\x82t"},
        {"--oem T.HPJ", "Compl\xE9t"}}) {
    ASSERT_EQ(RunHc(dir.path(), args).status, 0) << args;
    winhelp::testing::HlpTestReader reader;
    ASSERT_TRUE(reader.Load(ReadBytes(dir / "T.HLP"))) << reader.error();
    EXPECT_EQ(reader.title, title) << args;
  }

  EXPECT_EQ(RunHc(dir.path(), "--help").status, 0);
  EXPECT_EQ(RunHc(dir.path(), "").status, 2);
  EXPECT_EQ(RunHc(dir.path(), "--frobnicate X.HPJ").status, 2);
  run = RunHc(dir.path(), "MISSING.HPJ");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("cannot read help project MISSING.HPJ"), std::string::npos) << run.out;
  // A topic file that is not RTF: no help file, an error, status 1.
  ASSERT_TRUE(WriteFile(dir / "y.rtf", "plain text"));
  ASSERT_TRUE(WriteFile(dir / "Y.HPJ", "[FILES]\ny.rtf\n"));
  run = RunHc(dir.path(), "Y.HPJ");
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(FileExists(dir / "Y.HLP"));
  EXPECT_NE(run.out.find("is not an RTF file"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace veldor
