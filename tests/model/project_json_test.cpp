// The JSON form of a project: lossless round trip, defaults of a short
// hand-written file, and errors that name the key and change nothing.
#include "model/project_json.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "model/app_settings.h"
#include "model/document.h"
#include "platform/files.h"
#include "support/scoped_settings.h"
#include "support/temp_directory.h"
#include "support/test_files.h"

namespace veldor {
namespace {

using Json = nlohmann::ordered_json;

std::string AllBytes() {
  std::string text;
  for (int b = 0; b < 256; ++b) text += static_cast<char>(b);
  return text;
}

// A subject with every field away from its default.
void MakeOdd(CTypeEdit& s, int seed) {
  s.title = AllBytes();
  s.text = std::string(300, static_cast<char>('a' + seed % 26)) + "\x80\x81\x8D\x8F\x90\x9D\xFF";
  s.style.height = -32768;
  s.style.width = 32767;
  s.style.escapement = -1;
  s.style.orientation = 900;
  s.style.weight = 700;
  s.style.italic = 255;
  s.style.underline = 1;
  s.style.strikeOut = 2;
  s.style.charSet = 0xEE;
  s.style.outPrecision = 3;
  s.style.clipPrecision = 4;
  s.style.quality = 5;
  s.style.pitchAndFamily = 0x5F;
  s.style.faceName = "Face \xE9\xE8\xE0 name of 31 chars!";
  s.style.fontSet = 65535;
  s.style.pointSize = 65535;
  s.colour = 0xFFFFFFFF;
  s.colourIndex = 65535;
  s.editBox = {-1, -32768, 32767, -2};
  s.action = 65535;
  s.alignment = 7;
  s.leftMargin = 0.1f;
  s.rightMargin = 1e-7f;
  s.spaceBefore = -0.0f;
  s.spaceAfter = FLT_MAX;
  s.firstIndent = std::numeric_limits<float>::denorm_min();
  s.reservedFloat = -123456.789f;
  s.useDefaultStyle = 65535;
  s.flags = 0xFFFF;
  s.border = 2;
  s.soundOrCommand = "notepad.exe \"C:\\a b\\c.txt\"";
  s.reservedText1 = std::string(1, '\0') + "nul";
  s.reservedWord1 = 1;
  s.linkMark = 3;
  s.reservedWord2 = 65535;
  s.reservedLong1 = std::numeric_limits<int32_t>::min();
  s.reservedLong2 = std::numeric_limits<int32_t>::max();
  s.windowName = "fen\xEAtre";
  s.reservedText2 = "r2";
  s.reservedText3 = std::string(70000, 'z');  // the long length prefix
  s.reservedText4 = "\t\r\n";
  s.reservedList = {"", "x", AllBytes()};
  if (s.HasTarget()) {
    s.target = "CIBLE_" + std::to_string(seed);
    s.reservedWord3 = 65535;
  }
}

std::unique_ptr<CTypeEdit> PlainSubject(int32_t code) {
  auto s = std::make_unique<CTypeEdit>();
  MakeOdd(*s, 99);
  s->typeCode = code;
  return s;
}

// A project that uses every stored field with odd values.
std::string OddProjectBytes() {
  CVeldorDoc doc;
  for (std::string* s :
       {&doc.projectName, &doc.contentsTopic, &doc.helpTitle, &doc.rightsNotice, &doc.iconFile,
        &doc.rootDir, &doc.bitmapRootDir, &doc.errorLogFile, &doc.description,
        &doc.vcResourceInclude, &doc.reservedText2, &doc.reservedText3, &doc.afxHelpInclude,
        &doc.reservedText4, &doc.devProjectFile, &doc.reservedText5, &doc.reservedText6}) {
    *s = AllBytes();
  }
  doc.projectName = "ODD";
  doc.compression = 65535;
  doc.warningLevel = 3;
  doc.report = 0;
  doc.cdromOptimise = 65535;
  doc.reservedWord1 = 7;
  doc.promptUnattached = 0;
  doc.allowVcLinkChanges = 1;
  doc.buildTextIndex = 0;
  doc.devLinkKind = 5;
  doc.reservedLong1 = -1;
  doc.created = 0;
  doc.modified = 4000000000LL;
  doc.help32 = 1;
  doc.reservedWord2 = 2;
  doc.reservedWord3 = 3;
  doc.helpCompiler = 2;
  doc.reservedWord4 = 4;
  doc.reservedWord5 = 65535;
  doc.reservedLong2 = 2;
  doc.reservedLong3 = std::numeric_limits<int32_t>::min();
  doc.reservedLong4 = 4;
  int n = 0;
  for (std::vector<std::string>* list :
       {&doc.extraRtfFiles, &doc.bitmapLines, &doc.aliasLines, &doc.mapIncludes, &doc.hmLines,
        &doc.reservedList1, &doc.reservedList2, &doc.reservedList3, &doc.reservedList4,
        &doc.chapters, &doc.reservedList6, &doc.reservedList7, &doc.hidPrefixes,
        &doc.reservedList5}) {
    *list = {"item" + std::to_string(++n), "\xE9t\xE9", ""};
  }
  doc.hmLines = {"IDH_A,0x10", "IDH_B,12"};
  doc.reservedWords1 = {0, 65535};
  doc.reservedWords3 = {1};
  doc.reservedLongs1 = {0xFFFFFFFFu};
  doc.reservedLongs3 = {0, 1, 2};

  for (int w = 0; w < CGestWinAttr::kCapacity; ++w) {
    doc.windows.Add(CWinAttr());
    CWinAttr& win = *doc.windows.GetAt(w);
    win.name = "w" + std::to_string(w);
    win.caption = AllBytes();
    win.mainColour = 0x123456;
    win.nonScrollColour = 0xFFFFFFFF;
    win.height = 65535;
    win.maximize = 1;
    win.onTop = 0;
    win.width = 0;
    win.x = 1023;
    win.y = 65535;
    win.useMainColour = 0;
    win.useNonScrollColour = 0;
    win.usePosition = 0;
    win.reservedText1 = "rt1";
    win.reservedText2 = "rt2";
    win.reservedLong1 = 11;
    win.reservedLong2 = 65535;
    win.reservedWord1 = 13;
    win.reservedWord2 = 14;
  }
  for (int g = 0; g < 3; ++g) {
    doc.globals.Add(CGlobalTexte());
    CGlobalTexte& global = *doc.globals.GetAt(g);
    global.text = AllBytes();
    global.action = 6;
    global.soundOrCommand = "calc.exe";
    global.target = "CIBLE";
    global.windowName = "w1";
    global.caseSensitive = 1;
    global.keepColour = 65535;
    global.reservedText1 = "g1";
    global.reservedText2 = "g2";
    global.reservedLong = 65535;
    global.reservedWord1 = 1;
    global.reservedWord2 = 65535;
  }
  for (int t = 0; t < 3; ++t) {
    auto topic = std::make_unique<CTopic>();
    topic->name = "T" + std::to_string(t);
    topic->title = AllBytes();
    topic->references = std::string(600, ';');
    topic->keywords = {"k1", AllBytes(), ""};
    topic->reservedLong0 = -5;
    topic->reservedWordA = 65535;
    topic->reservedWordB = 1;
    topic->reservedWordC = 2;
    topic->reservedWordD = 3;
    topic->reservedWordE = 65535;
    topic->reservedWordF = 5;
    topic->reservedLong1 = 6;
    topic->reservedLong2 = -7;
    topic->reservedLong3 = 8;
    topic->browse = "\xFF";
    topic->chapter = "item10";
    topic->reservedText = "rt";
    topic->reservedList = {"a", "b"};
    topic->reservedWords = {9, 65535};
    topic->reservedLongs = {0xDEADBEEFu};
    for (int code = 0; code < kSubjectTypeCount; ++code) {
      std::unique_ptr<CTypeEdit> s = CTypeEdit::CreateSubject(code);
      MakeOdd(*s, code);
      topic->AddSubject(std::move(s));
    }
    topic->AddSubject(PlainSubject(65535));
    topic->AddSubject(PlainSubject(6));
    doc.AddTopic(std::move(topic));
  }
  return doc.SaveToBytes();
}

class ProjectJsonTest : public ::testing::Test {
 protected:
  // Loads `text` into a fresh document; fails the test on error.
  static std::unique_ptr<CVeldorDoc> Load(const std::string& text) {
    auto doc = std::make_unique<CVeldorDoc>();
    std::string error;
    EXPECT_TRUE(ProjectFromJsonText(text, *doc, &error)) << error;
    return doc;
  }
  // The error of loading `text`, after checking that the document kept
  // the project it held.
  static std::string ErrorOf(const std::string& text) {
    CVeldorDoc doc;
    doc.projectName = "KEPT";
    doc.AddChapter("C");
    const std::string before = doc.SaveToBytes();
    std::string error;
    EXPECT_FALSE(ProjectFromJsonText(text, doc, &error)) << text;
    EXPECT_EQ(doc.SaveToBytes(), before) << "the document changed on a failed load";
    return error;
  }
};

// --- Round trip ---------------------------------------------------------------

TEST_F(ProjectJsonTest, EhePassesThroughJsonByteForByte) {
  const std::string bytes = OddProjectBytes();
  CVeldorDoc opened;
  ASSERT_TRUE(opened.LoadFromBytes(bytes));
  const std::string json = ProjectToJsonText(opened);

  CVeldorDoc loaded;
  std::string error;
  ASSERT_TRUE(ProjectFromJsonText(json, loaded, &error)) << error;
  EXPECT_EQ(loaded.SaveToBytes(), bytes);
  // The text is stable too: dumping the loaded project gives it again.
  EXPECT_EQ(ProjectToJsonText(loaded), json);
  EXPECT_EQ(loaded.hmNames.size(), 2u) << "the help-map tables are rebuilt as on opening";
}

TEST_F(ProjectJsonTest, EveryFloatKeepsItsBits) {
  // Powers of two, subnormals, values next to the limits, NaNs with
  // payloads and infinities: each comes back with the same 32 bits.
  std::vector<uint32_t> patterns = {0x00000000, 0x80000000, 0x00000001, 0x007FFFFF, 0x00800000,
                                    0x7F7FFFFF, 0xFF7FFFFF, 0x7F800000, 0xFF800000, 0x7FC00000,
                                    0x7FA12345, 0xFFFFFFFF, 0x3DCCCCCD, 0x33D6BF95};
  uint32_t state = 12345;
  while (patterns.size() < 6 * 256) {
    state = state * 1664525u + 1013904223u;
    patterns.push_back(state);
  }
  CVeldorDoc doc;
  auto topic = std::make_unique<CTopic>();
  for (size_t i = 0; i < patterns.size(); i += 6) {
    std::unique_ptr<CTypeEdit> s = CTypeEdit::CreateSubject(kTypeTexte);
    float* const fields[] = {&s->leftMargin, &s->rightMargin, &s->spaceBefore,
                             &s->spaceAfter, &s->firstIndent, &s->reservedFloat};
    for (size_t k = 0; k < 6; ++k) *fields[k] = std::bit_cast<float>(patterns[i + k]);
    topic->AddSubject(std::move(s));
  }
  doc.AddTopic(std::move(topic));
  const std::string bytes = doc.SaveToBytes();
  EXPECT_EQ(Load(ProjectToJsonText(doc))->SaveToBytes(), bytes);
}

TEST_F(ProjectJsonTest, FormUsesFieldNamesAndReadableNumbers) {
  const std::unique_ptr<CVeldorDoc> doc = Load(R"({
    "projectName": "P", "created": 1, "modified": 2,
    "windows": [{"name": "main"}], "globals": [{"text": "G"}],
    "topics": [{"name": "A", "subjects": [
      {"typeCode": 3, "text": "t", "leftMargin": 0.1, "editBox": [-1, 2, -3, 4]},
      {"typeCode": 5, "text": "j"},
      {"typeCode": 65535}]}]})");
  const Json json = ProjectToJson(*doc);
  const Json& subjects = json["topics"][0]["subjects"];
  EXPECT_EQ(json["created"], 1);
  EXPECT_EQ(subjects[0]["editBox"], Json::parse("[-1, 2, -3, 4]"));
  EXPECT_EQ(subjects[0]["leftMargin"].dump(), "0.1") << "the shortest decimal of 0.1f";
  EXPECT_EQ(subjects[0]["spaceAfter"].dump(), "0.25");
  EXPECT_FALSE(subjects[0].contains("target")) << "only images and jumps have a target";
  EXPECT_EQ(subjects[1]["target"], "");
  EXPECT_EQ(subjects[2]["typeCode"], 65535);
  EXPECT_FALSE(subjects[2].contains("target"));
  for (const char* transient : {"snapshots", "deletedTopics", "fontMap", "hmNames",
                                "formatRejected", "topicCount", "subjectCount"}) {
    EXPECT_FALSE(json.contains(transient)) << transient;
    EXPECT_FALSE(json["topics"][0].contains(transient)) << transient;
  }
  EXPECT_FALSE(json["topics"][0].contains("treeDepth"));
}

// --- Defaults of a hand-written file -----------------------------------------

TEST_F(ProjectJsonTest, AbsentKeysTakeTheDefaultsOfNewRecords) {
  // The full form of a short file, checked once by hand against the
  // defaults of new records, subjects and styles.
  EXPECT_EQ(ProjectToJsonText(*Load(FileContents(TestDataPath("model/json/minimal.json")))),
            FileContents(TestDataPath("model/json/minimal_full.json")));
}

TEST_F(ProjectJsonTest, SubjectsTakeBuiltInDefaultsWhateverTheUserSettings) {
  TempDirectory dir;
  const std::string ini = dir / "VELDOR.INI";
  ASSERT_TRUE(WriteFile(ini,
                        "[Init]\r\nTitreTailleFont=30\r\nCoulSaut=255\r\n"
                        "TexteNomFont=Arial\r\nTexteLeftMarge=3.5\r\n"));
  ScopedSettingsFile<CAppSettings> settings(ini);

  const std::unique_ptr<CVeldorDoc> doc = Load(R"({"topics": [{"name": "A", "subjects": [
      {"typeCode": 0}, {"typeCode": 3}, {"typeCode": 5}]}]})");
  const CTopic& topic = *doc->GetTopic(0);
  EXPECT_EQ(topic.GetSubject(0)->style.pointSize, 24);
  EXPECT_EQ(topic.GetSubject(0)->style.height, -32);
  EXPECT_EQ(topic.GetSubject(1)->style.faceName, "MS Sans Serif");
  EXPECT_FLOAT_EQ(topic.GetSubject(1)->leftMargin, 1.7f);
  EXPECT_EQ(topic.GetSubject(2)->colour, 0xFF0000u);
  EXPECT_EQ(topic.GetSubject(2)->colourIndex, 12);
  // The user's settings are in force again afterwards.
  EXPECT_EQ(CTypeEdit::CreateSubject(kTypeTitre)->style.pointSize, 30);
  EXPECT_EQ(CTypeEdit::CreateSubject(kTypeJump)->colour, 0x0000FFu);
}

TEST_F(ProjectJsonTest, IntegralFloatsAndNonFiniteBitsAreAccepted) {
  const std::unique_ptr<CVeldorDoc> doc = Load(R"({"topics": [{"name": "A", "subjects": [
      {"typeCode": 3.0, "flags": 1e2, "leftMargin": 2, "rightMargin": "0x7FC00001"}]}]})");
  const CTypeEdit& s = *doc->GetTopic(0)->GetSubject(0);
  EXPECT_EQ(s.typeCode, 3);
  EXPECT_EQ(s.flags, 100);
  EXPECT_EQ(s.leftMargin, 2.0f);
  EXPECT_EQ(std::bit_cast<uint32_t>(s.rightMargin), 0x7FC00001u);
}

// --- Errors --------------------------------------------------------------------

TEST_F(ProjectJsonTest, ErrorsNameTheKeyAndChangeNothing) {
  const std::string topic3 = R"({"topics": [{}, {}, {}, {"subjects": [)";
  struct Case {
    std::string text;
    std::string error;
  };
  const std::vector<Case> cases = {
      {R"({"projectName": })", "malformed JSON: parse error at line 1, column 17"},
      {"{\"a\":\n\n 1,}", "malformed JSON: parse error at line 3"},
      {"", "malformed JSON"},
      {"[1]", "a project is a JSON object, found an array"},
      {topic3 + R"({"typeCode": 3, "flags": "1"}]}]})",
       "topics[3].subjects[0].flags: expected an integer from 0 to 65535, found a string"},
      {topic3 + R"({"typeCode": 3, "flags": 65536}]}]})",
       "topics[3].subjects[0].flags: expected an integer from 0 to 65535, found 65536"},
      {topic3 + R"({"typeCode": 3, "flags": 1.5}]}]})",
       "topics[3].subjects[0].flags: expected an integer"},
      {topic3 + R"({"text": "x"}]}]})", "topics[3].subjects[0].typeCode: missing"},
      {topic3 + R"({"typeCode": 3, "tilte": "x"}]}]})", "topics[3].subjects[0].tilte: unknown key"},
      {topic3 + R"({"typeCode": 3, "target": "x"}]}]})",
       "topics[3].subjects[0].target: unknown key"},
      {topic3 + R"({"typeCode": 3, "editBox": [1, 2, 3]}]}]})",
       "topics[3].subjects[0].editBox: expected an array of 4 integers"},
      {topic3 + R"({"typeCode": 3, "editBox": [1, 2, 3, 70000]}]}]})",
       "topics[3].subjects[0].editBox[3]: expected an integer from -32768 to 65535"},
      {topic3 + R"({"typeCode": 3, "leftMargin": "abc"}]}]})",
       "topics[3].subjects[0].leftMargin: expected a number"},
      {topic3 + R"({"typeCode": 3, "leftMargin": 1e39}]}]})",
       "topics[3].subjects[0].leftMargin: the number 1e+39 does not fit in a 32-bit float"},
      {topic3 + R"({"typeCode": 3, "style": 3}]}]})",
       "topics[3].subjects[0].style: expected an object, found 3"},
      {topic3 + R"({"typeCode": 3, "style": {"bold": 1}}]}]})",
       "topics[3].subjects[0].style.bold: unknown key"},
      {topic3 + R"({"typeCode": 3, "style": {"faceName": "abcdefghijklmnopqrstuvwxyz012345"}}]}]})",
       "topics[3].subjects[0].style.faceName: a face name has at most 31 characters"},
      {topic3 + R"({"typeCode": 3, "style": {"italic": 256}}]}]})",
       "topics[3].subjects[0].style.italic: expected an integer from 0 to 255, found 256"},
      {topic3 + R"({"typeCode": 3, "text": "日本"}]}]})",
       "topics[3].subjects[0].text: the text holds characters that Windows-1252 cannot represent"},
      {topic3 + R"({"typeCode": 65536}]}]})",
       "topics[3].subjects[0].typeCode: expected an integer"},
      {topic3 + R"(3]}]})", "topics[3].subjects[0]: expected an object, found 3"},
      {R"({"topics": [{"keywords": ["a", 2]}]})",
       "topics[0].keywords[1]: expected a string, found 2"},
      {R"({"topics": [{"subjects": {}}]})",
       "topics[0].subjects: expected an array, found an object"},
      {R"({"topics": [{"reservedWords": [1, -1]}]})",
       "topics[0].reservedWords[1]: expected an integer from 0 to 65535, found -1"},
      {R"({"topics": {}})", "topics: expected an array"},
      {R"({"windows": [{"x": "10"}]})", "windows[0].x: expected an integer"},
      {R"({"windows": [{}, {"nom": "a"}]})", "windows[1].nom: unknown key"},
      {R"({"globals": [{"action": null}]})",
       "globals[0].action: expected an integer from -32768 to "
       "65535, found null"},
      {R"({"created": 4294967296})", "created: expected an integer from -2147483648 to 4294967295"},
      {R"({"projectName": true})", "projectName: expected a string, found true"},
      {R"({"chapters": "A"})", "chapters: expected an array, found a string"},
      {R"({"project": "A"})", "project: unknown key"},
  };
  for (const Case& c : cases) {
    const std::string error = ErrorOf(c.text);
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << "text: " << c.text << "\nerror: " << error;
  }
}

TEST_F(ProjectJsonTest, CapacitiesAreEnforced) {
  const auto many = [](const std::string& item, int n) {
    std::string list = "[";
    for (int i = 0; i < n; ++i) list += (i ? "," : "") + item;
    return list + "]";
  };
  EXPECT_EQ(ErrorOf(R"({"topics": )" + many("{}", 4097) + "}"),
            "topics: 4097 topics, at most 4096 are allowed");
  EXPECT_EQ(ErrorOf(R"({"topics": [{"subjects": )" + many(R"({"typeCode": 3})", 257) + "}]}"),
            "topics[0].subjects: 257 subjects, at most 256 are allowed");
  EXPECT_EQ(ErrorOf(R"({"windows": )" + many("{}", 11) + "}"),
            "windows: 11 windows, at most 10 are allowed");
  EXPECT_EQ(ErrorOf(R"({"globals": )" + many("{}", 513) + "}"),
            "globals: 513 global strings, at most 512 are allowed");

  // At the limits everything loads.
  const std::unique_ptr<CVeldorDoc> doc =
      Load(R"({"windows": )" + many("{}", 10) + R"(, "globals": )" + many("{}", 512) +
           R"(, "topics": [{"subjects": )" + many(R"({"typeCode": 3})", 256) + "}]}");
  EXPECT_EQ(doc->windows.count(), 10);
  EXPECT_EQ(doc->globals.count(), 512);
  EXPECT_EQ(doc->GetTopic(0)->subjectCount(), 256);
}

}  // namespace
}  // namespace veldor
