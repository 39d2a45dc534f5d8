#include "platform/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "support/scoped_environment.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

SettingsStore FromText(const std::string& text) {
  SettingsStore store("");
  store.LoadFromText(text);
  return store;
}

TEST(SettingsStoreTest, ReadingIgnoresCaseAndToleratesOddLines) {
  const auto store = FromText(
      "orphan=before any section\n"
      "[Outils\n"
      "  [ Outils ]  trailing\n"
      "no equals sign\n"
      "=no key\n"
      ";outil0=commented\n"
      "outil0=a=b\n"
      "OUTIL0=second\n"
      "empty=\n"
      "[Init]\r\n"
      "TitreNomFont = Arial \r\n"
      "[outils]\n"
      "outil1=x\n");
  EXPECT_EQ(store.GetString(" INIT ", "titrenomfont "), "Arial");
  EXPECT_EQ(store.GetString("Init", "outil1", "none"), "none");  // other section
  EXPECT_EQ(store.GetString("Missing", "TitreNomFont", "dflt"), "dflt");
  EXPECT_FALSE(store.Find("Init", "Missing").has_value());
  EXPECT_FALSE(store.Find("", "orphan").has_value());
  EXPECT_EQ(store.GetString("Outils", "outil0"), "a=b");  // the first one counts
  EXPECT_EQ(store.GetString("Outils", "empty", "dflt"), "");
  EXPECT_EQ(store.GetString("Outils", "outil1"), "x");  // section met twice
  EXPECT_EQ(store.Keys("OUTILS"), (std::vector<std::string>{"outil0", "empty", "outil1"}));
  EXPECT_TRUE(store.Keys("Absent").empty());
}

TEST(SettingsStoreTest, GetIntReadsLikeThePrivateProfileFunction) {
  const auto store = FromText(
      "[S]\nplain=42\nsuffix=12abc\nletters=abc\nnegative=-7\nplus=+3\nempty=\n"
      "huge=99999999999999999999999\nhugeneg=-99999999999999999999999\n");
  const std::pair<const char*, long> cases[] = {
      {"plain", 42}, {"suffix", 12}, {"letters", 0},     {"negative", -7},     {"plus", 3},
      {"empty", 5},  {"absent", 5},  {"huge", LONG_MAX}, {"hugeneg", LONG_MIN}};
  for (const auto& [key, value] : cases) EXPECT_EQ(store.GetInt("S", key, 5), value) << key;
}

TEST(SettingsStoreTest, InMemoryStoresKeepLineEndsAndWriteNoFile) {
  const std::string mixed = "\xEF\xBB\xBF[A]\r\nx=1\nlone\rcr=2\r\n\r\nlast";
  EXPECT_EQ(FromText(mixed).ToText(), mixed);
  EXPECT_EQ(FromText(mixed).GetString("A", "x"), "1");

  TempDirectory temp;
  ScopedCurrentDirectory current(temp.path());
  auto store = FromText("[A]\nx=1");
  ASSERT_TRUE(store.SetString("a", "y", " 2 "));
  EXPECT_EQ(store.ToText(), "[A]\nx=1\ny= 2 \n");
  EXPECT_EQ(store.GetString("A", "Y"), "2");
  EXPECT_TRUE(ListDirectory(temp.path()).empty());
}

TEST(SettingsStoreTest, HugeInputStaysLinear) {
  std::string text = "[S]\n";
  for (int i = 0; i < 200000; ++i) text += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  const auto store = FromText(text);
  EXPECT_EQ(store.GetInt("s", "K199999", -1), 199999);
  EXPECT_EQ(store.Keys("S").size(), 200000u);
  EXPECT_EQ(store.ToText(), text);
}

class SettingsFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return temp_ / "VELDOR.INI"; }
  TempDirectory temp_;
};

TEST_F(SettingsFileTest, RewritingAKeyKeepsEverythingElseByteForByte) {
  const std::string original =
      "; comment kept\r\n[Init]\r\n  CoulSaut = 16711680   \r\nOther=1\r\n\r\n[Outils]\r\nx=1\r\n";
  ASSERT_TRUE(WriteFile(Path(), original));
  SettingsStore store(Path());
  ASSERT_TRUE(store.SetString("init", "COULSAUT", "255"));
  EXPECT_EQ(FileContents(Path()), ReplaceAll(original, "16711680   ", "255"));
  EXPECT_EQ(SettingsStore(Path()).GetInt("Init", "CoulSaut", 0), 255);

  // Bytes of values are kept as they are.
  const std::string value = "Caf\xE9 \"quoted\" ; not a comment \x80";
  ASSERT_TRUE(store.SetString("IMPORT", "NomFichier", value));
  EXPECT_EQ(SettingsStore(Path()).GetString("import", "nomfichier"), value);
}

TEST_F(SettingsFileTest, NewKeysJoinTheirSectionAndNewSectionsGoAtTheEnd) {
  ASSERT_TRUE(WriteFile(Path(), "[Init]\nA=1\n\n[Outils]\noutil0=x\n"));
  SettingsStore store(Path());
  ASSERT_TRUE(store.SetString("INIT", "B", "2"));
  ASSERT_TRUE(store.SetString("Recherche", "DisMajMin", "1"));
  ASSERT_TRUE(store.SetInt("Recherche", "Other", -3));
  EXPECT_EQ(FileContents(Path()),
            "[Init]\nA=1\nB=2\n\n[Outils]\noutil0=x\n\n[Recherche]\nDisMajMin=1\nOther=-3\n");

  // A file without a final line end gets one before new lines.
  ASSERT_TRUE(WriteFile(Path(), "[A]\r\nx=1"));
  SettingsStore unfinished(Path());
  ASSERT_TRUE(unfinished.SetString("A", "y", "2"));
  ASSERT_TRUE(unfinished.SetString("A", "x", "3"));
  EXPECT_EQ(FileContents(Path()), "[A]\r\nx=3\r\ny=2\r\n");

  // A new file and its directory are created, with CR LF.
  const std::string path = temp_ / "config/veldor/VELDOR.INI";
  SettingsStore fresh(path);
  EXPECT_EQ(fresh.GetString("Init", "x", "d"), "d");
  ASSERT_TRUE(fresh.SetString("Init", "TitreNomFont", "MS Sans Serif"));
  ASSERT_TRUE(fresh.SetString("Init", "TitreTailleFont", "24"));
  EXPECT_EQ(FileContents(path), "[Init]\r\nTitreNomFont=MS Sans Serif\r\nTitreTailleFont=24\r\n");
}

TEST_F(SettingsFileTest, EntriesThatWouldNotReadBackAreRefused) {
  ASSERT_TRUE(WriteFile(Path(), "[A]\nx=1\n"));
  SettingsStore store(Path());
  std::string reason;
  EXPECT_FALSE(store.SetString("A", "x", "two\nlines", &reason));
  EXPECT_NE(reason.find("line break"), std::string::npos);
  for (const auto& [section, key] :
       {std::pair{"A", "k=v"}, {"A]", "k"}, {"A", ""}, {"", "k"}, {"A", "[k"}}) {
    EXPECT_FALSE(store.SetString(section, key, "1")) << section << " " << key;
  }
  EXPECT_EQ(FileContents(Path()), "[A]\nx=1\n");
  EXPECT_EQ(store.GetString("A", "x"), "1");
}

TEST_F(SettingsFileTest, AFailedWriteIsReportedAndChangesNothing) {
  // The directory of the file cannot be made: a plain file has its name.
  ASSERT_TRUE(WriteFile(temp_ / "config", "not a directory"));
  SettingsStore store(temp_ / "config/veldor/VELDOR.INI");
  store.LoadFromText("[A]\nx=1\n");
  std::string reason;
  EXPECT_FALSE(store.SetString("A", "x", "2", &reason));
  EXPECT_NE(reason.find("VELDOR.INI"), std::string::npos);
  EXPECT_NE(reason.find("Not a directory"), std::string::npos) << reason;
  EXPECT_EQ(store.GetString("A", "x"), "1");
  EXPECT_FALSE(store.SetStrings("A", {{"x", "2"}, {"y", "3"}}, &reason));
  EXPECT_NE(reason.find("Not a directory"), std::string::npos) << reason;
  EXPECT_EQ(store.ToText(), "[A]\nx=1\n");
}

TEST_F(SettingsFileTest, SeveralKeysAtOnceReadAsOneKeyAfterAnother) {
  const SettingsStore::Entries entries = {
      {"x", " 9 "}, {"NEW", "1"}, {" y ", "2"}, {"new", "3"}, {"z", ""}};
  const std::string oneByOne = temp_ / "ONE.INI";
  for (const std::string start :
       {"", "[A]\r\nx=1", "\xEF\xBB\xBF; c\n[a]\nX = 1\n\n[B]\nq=0\n[A]\ny=0\n", "[B]\nq=0"}) {
    ASSERT_TRUE(WriteFile(Path(), start));
    ASSERT_TRUE(WriteFile(oneByOne, start));
    SettingsStore batch(Path());
    ASSERT_TRUE(batch.SetStrings(" A ", entries));
    SettingsStore single(oneByOne);
    for (const auto& [key, value] : entries) ASSERT_TRUE(single.SetString(" A ", key, value));
    EXPECT_EQ(FileContents(Path()), FileContents(oneByOne)) << start;
    EXPECT_EQ(batch.ToText(), FileContents(Path()));
  }

  // An entry that would not read back is left out and named; the others are written.
  ASSERT_TRUE(WriteFile(Path(), "[A]\nx=1\n"));
  SettingsStore store(Path());
  std::string reason;
  EXPECT_FALSE(
      store.SetStrings("A", {{"x", "2"}, {"k=v", "1"}, {"y", "two\nlines"}, {"z", "3"}}, &reason));
  EXPECT_EQ(reason, Path() + ": invalid key name \"k=v\"");
  EXPECT_EQ(FileContents(Path()), "[A]\nx=2\nz=3\n");
  EXPECT_TRUE(store.SetStrings("A", {}));
}

TEST_F(SettingsFileTest, AnUnreadableFileIsNeverOverwritten) {
  // A directory where the file should be cannot be read, whoever runs the test.
  ASSERT_TRUE(MakeDirectory(Path()));
  ASSERT_TRUE(WriteFile(Path() + "/kept", "x"));
  SettingsStore store(Path());
  EXPECT_EQ(store.GetString("A", "x", "d"), "d");
  std::string reason;
  EXPECT_FALSE(store.SetString("A", "y", "2", &reason));
  EXPECT_EQ(reason, Path() + ": Is a directory") << reason;
  EXPECT_EQ(store.ToText(), "");
  EXPECT_EQ(FileContents(Path() + "/kept"), "x");

  // A file that only its permissions keep from being read would be
  // replaced without the check, since its directory is writable; the
  // superuser reads it anyway.
  if (::geteuid() == 0) return;
  const std::string other = temp_ / "OTHER.INI";
  ASSERT_TRUE(WriteFile(other, "[A]\nx=1\n"));
  ASSERT_EQ(::chmod(other.c_str(), 0200), 0);
  SettingsStore unreadable(other);
  EXPECT_EQ(unreadable.GetString("A", "x", "d"), "d");
  EXPECT_FALSE(unreadable.SetString("A", "y", "2", &reason));
  EXPECT_NE(reason.find("Permission denied"), std::string::npos) << reason;
  ::chmod(other.c_str(), 0644);
  EXPECT_EQ(FileContents(other), "[A]\nx=1\n");
}

TEST_F(SettingsFileTest, ALinkedFileIsWrittenThroughTheLink) {
  ASSERT_TRUE(WriteFile(temp_ / "real.ini", "[A]\nx=1\n"));
  ASSERT_EQ(::symlink("real.ini", Path().c_str()), 0);
  ASSERT_TRUE(SettingsStore(Path()).SetString("A", "x", "2"));
  EXPECT_EQ(FileContents(temp_ / "real.ini"), "[A]\nx=2\n");
  struct stat info {};
  ASSERT_EQ(::lstat(Path().c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST_F(SettingsFileTest, DefaultPathAndInstanceFollowTheEnvironment) {
  {
    ScopedEnvironment ini("VELDOR_INI", Path());
    ASSERT_TRUE(WriteFile(Path(), "[Init]\nViewImage=0\n"));
    SettingsStore::ResetInstance();
    EXPECT_EQ(SettingsStore::DefaultPath(), Path());
    EXPECT_EQ(SettingsStore::Instance().GetInt("Init", "ViewImage", 1), 0);
  }
  SettingsStore::ResetInstance();
  ScopedEnvironment noIni("VELDOR_INI", "");
  ScopedEnvironment home("HOME", "/home/someone");
  {
    ScopedEnvironment xdg("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(SettingsStore::DefaultPath(), "/cfg/veldor/VELDOR.INI");
  }
  ScopedEnvironment xdg("XDG_CONFIG_HOME", "relative");  // only absolute paths count
  EXPECT_EQ(SettingsStore::DefaultPath(), "/home/someone/.config/veldor/VELDOR.INI");
}

}  // namespace
}  // namespace veldor
