// The JSON form of a project: lossless round trip, defaults of a short
// hand-written file, and errors that name the key and change nothing.
#include "model/project_json.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
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

TEST_F(ProjectJsonTest, JsonAndEhePassThroughEachOtherLosslessly) {
  // odd.json sets every stored field away from its default: strings of all
  // 256 byte values, integers at their limits, subnormal and extreme
  // floats, unknown subject type codes, full window table.
  const std::string json = FileContents(TestDataPath("model/json/odd.json"));
  const std::unique_ptr<CVeldorDoc> loaded = Load(json);
  EXPECT_EQ(loaded->hmNames.size(), 2u) << "the help-map tables are rebuilt as on opening";
  const std::string bytes = loaded->SaveToBytes();
  CVeldorDoc opened;
  ASSERT_TRUE(opened.LoadFromBytes(bytes));
  EXPECT_EQ(ProjectToJsonText(opened), json);
  EXPECT_EQ(opened.SaveToBytes(), bytes);
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
  ASSERT_EQ(doc->topicCount(), 1);
  ASSERT_EQ(doc->GetTopic(0)->subjectCount(), 3);
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
  ASSERT_EQ(doc->topicCount(), 1);
  ASSERT_EQ(doc->GetTopic(0)->subjectCount(), 1);
  const CTypeEdit& s = *doc->GetTopic(0)->GetSubject(0);
  EXPECT_EQ(s.typeCode, 3);
  EXPECT_EQ(s.flags, 100);
  EXPECT_EQ(s.leftMargin, 2.0f);
  EXPECT_EQ(std::bit_cast<uint32_t>(s.rightMargin), 0x7FC00001u);
}

// --- Errors --------------------------------------------------------------------

TEST_F(ProjectJsonTest, ErrorsNameTheKeyAndChangeNothing) {
  // Each case of errors.json: a text and the start of the error it gives.
  const Json cases = Json::parse(FileContents(TestDataPath("model/json/errors.json")));
  ASSERT_GT(cases.size(), 30u);
  for (const Json& c : cases) {
    const std::string text = c["text"], expected = c["error"];
    const std::string error = ErrorOf(text);
    EXPECT_EQ(error.rfind(expected, 0), 0u) << "text: " << text << "\nerror: " << error;
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
  ASSERT_EQ(doc->topicCount(), 1);
  EXPECT_EQ(doc->GetTopic(0)->subjectCount(), 256);
}

}  // namespace
}  // namespace veldor
