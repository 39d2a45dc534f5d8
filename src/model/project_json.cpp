#include "model/project_json.h"

#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

#include "model/app_settings.h"
#include "model/document.h"
#include "model/memory_budget.h"
#include "platform/codepage.h"

namespace veldor {

namespace {

using Json = nlohmann::ordered_json;

// The parsed JSON and the project made from it may take this many times
// the size of the text (plus the budget's allowance); with the text itself
// and the running program, that keeps within four times the text + 50 MB.
constexpr double kJsonMemoryFactor = 3.0;

// The values an integer field accepts.
struct Range {
  int64_t min;
  int64_t max;
};
// A field held in 32 bits in memory and in 16 bits in the file.
constexpr Range kFileWord{-32768, 65535};
// A time held in a 32-bit long of the file.
constexpr Range kFileTime{std::numeric_limits<int32_t>::min(),
                          std::numeric_limits<uint32_t>::max()};

template <class T>
constexpr Range FullRange() {
  return {static_cast<int64_t>(std::numeric_limits<T>::min()),
          static_cast<int64_t>(std::numeric_limits<T>::max())};
}

// --- Field lists ------------------------------------------------------------
// Each record's stored fields, listed once for writing and reading. `v` is a
// JsonWriter or a JsonReader; the order is the order of the written keys.

template <class V, class Font>
void VisitStyle(V& v, Font& f) {
  v("height", f.height, kFileWord);
  v("width", f.width, kFileWord);
  v("escapement", f.escapement, kFileWord);
  v("orientation", f.orientation, kFileWord);
  v("weight", f.weight, kFileWord);
  v("italic", f.italic);
  v("underline", f.underline);
  v("strikeOut", f.strikeOut);
  v("charSet", f.charSet);
  v("outPrecision", f.outPrecision);
  v("clipPrecision", f.clipPrecision);
  v("quality", f.quality);
  v("pitchAndFamily", f.pitchAndFamily);
  v.FaceName("faceName", f.faceName);
  v("fontSet", f.fontSet, kFileWord);
  v("pointSize", f.pointSize);
}

template <class V, class Subject>
void VisitSubject(V& v, Subject& s) {
  v("typeCode", s.typeCode, kFileWord);
  v("title", s.title);
  v("text", s.text);
  v.Object("style", s.style, [](auto& sub, auto& style) { VisitStyle(sub, style); });
  v("colour", s.colour);
  v("colourIndex", s.colourIndex);
  v("editBox", s.editBox, kFileWord);
  v("action", s.action, kFileWord);
  v("alignment", s.alignment);
  v("leftMargin", s.leftMargin);
  v("rightMargin", s.rightMargin);
  v("spaceBefore", s.spaceBefore);
  v("spaceAfter", s.spaceAfter);
  v("firstIndent", s.firstIndent);
  v("reservedFloat", s.reservedFloat);
  v("useDefaultStyle", s.useDefaultStyle, kFileWord);
  v("flags", s.flags);
  v("border", s.border);
  v("soundOrCommand", s.soundOrCommand);
  v("reservedText1", s.reservedText1);
  v("reservedWord1", s.reservedWord1);
  v("linkMark", s.linkMark);
  v("reservedWord2", s.reservedWord2);
  v("reservedLong1", s.reservedLong1);
  v("reservedLong2", s.reservedLong2);
  v("windowName", s.windowName);
  v("reservedText2", s.reservedText2);
  v("reservedText3", s.reservedText3);
  v("reservedText4", s.reservedText4);
  v("reservedList", s.reservedList);
  if (s.HasTarget()) {
    v("target", s.target);
    v("reservedWord3", s.reservedWord3, kFileWord);
  }
}

// Every field of a topic but its subjects.
template <class V, class Topic>
void VisitTopic(V& v, Topic& t) {
  v("name", t.name);
  v("title", t.title);
  v("references", t.references);
  v("keywords", t.keywords);
  v("browse", t.browse);
  v("chapter", t.chapter);
  v("reservedLong0", t.reservedLong0);
  v("reservedWordA", t.reservedWordA, kFileWord);
  v("reservedWordB", t.reservedWordB, kFileWord);
  v("reservedWordC", t.reservedWordC, kFileWord);
  v("reservedWordD", t.reservedWordD);
  v("reservedWordE", t.reservedWordE);
  v("reservedWordF", t.reservedWordF);
  v("reservedLong1", t.reservedLong1);
  v("reservedLong2", t.reservedLong2);
  v("reservedLong3", t.reservedLong3);
  v("reservedText", t.reservedText);
  v("reservedList", t.reservedList);
  v("reservedWords", t.reservedWords);
  v("reservedLongs", t.reservedLongs);
}

template <class V, class Window>
void VisitWindow(V& v, Window& w) {
  v("name", w.name);
  v("caption", w.caption);
  v("x", w.x, kFileWord);
  v("y", w.y, kFileWord);
  v("width", w.width, kFileWord);
  v("height", w.height, kFileWord);
  v("maximize", w.maximize, kFileWord);
  v("onTop", w.onTop, kFileWord);
  v("mainColour", w.mainColour);
  v("nonScrollColour", w.nonScrollColour);
  v("useMainColour", w.useMainColour, kFileWord);
  v("useNonScrollColour", w.useNonScrollColour, kFileWord);
  v("usePosition", w.usePosition, kFileWord);
  v("reservedText1", w.reservedText1);
  v("reservedText2", w.reservedText2);
  v("reservedLong1", w.reservedLong1, kFileWord);
  v("reservedLong2", w.reservedLong2, kFileWord);
  v("reservedWord1", w.reservedWord1);
  v("reservedWord2", w.reservedWord2);
}

template <class V, class Global>
void VisitGlobal(V& v, Global& g) {
  v("text", g.text);
  v("action", g.action, kFileWord);
  v("soundOrCommand", g.soundOrCommand);
  v("target", g.target);
  v("windowName", g.windowName);
  v("caseSensitive", g.caseSensitive, kFileWord);
  v("keepColour", g.keepColour, kFileWord);
  v("reservedText1", g.reservedText1);
  v("reservedText2", g.reservedText2);
  v("reservedLong", g.reservedLong, kFileWord);
  v("reservedWord1", g.reservedWord1);
  v("reservedWord2", g.reservedWord2);
}

// Every stored field of the document but its windows, global strings and
// topics.
template <class V, class Doc>
void VisitDocument(V& v, Doc& d) {
  v("projectName", d.projectName);
  v("helpTitle", d.helpTitle);
  v("contentsTopic", d.contentsTopic);
  v("rightsNotice", d.rightsNotice);
  v("iconFile", d.iconFile);
  v("rootDir", d.rootDir);
  v("bitmapRootDir", d.bitmapRootDir);
  v("errorLogFile", d.errorLogFile);
  v("description", d.description);
  v("compression", d.compression);
  v("warningLevel", d.warningLevel);
  v("report", d.report, kFileWord);
  v("cdromOptimise", d.cdromOptimise, kFileWord);
  v("helpCompiler", d.helpCompiler);
  v("help32", d.help32, kFileWord);
  v("buildTextIndex", d.buildTextIndex, kFileWord);
  v("promptUnattached", d.promptUnattached, kFileWord);
  v("allowVcLinkChanges", d.allowVcLinkChanges, kFileWord);
  v("devLinkKind", d.devLinkKind);
  v("devProjectFile", d.devProjectFile);
  v("vcResourceInclude", d.vcResourceInclude);
  v("afxHelpInclude", d.afxHelpInclude);
  v("hidPrefixes", d.hidPrefixes);
  v("hmLines", d.hmLines);
  v("extraRtfFiles", d.extraRtfFiles);
  v("bitmapLines", d.bitmapLines);
  v("aliasLines", d.aliasLines);
  v("mapIncludes", d.mapIncludes);
  v("created", d.created, kFileTime);
  v("modified", d.modified, kFileTime);
  v("reservedText2", d.reservedText2);
  v("reservedText3", d.reservedText3);
  v("reservedText4", d.reservedText4);
  v("reservedText5", d.reservedText5);
  v("reservedText6", d.reservedText6);
  v("reservedWord1", d.reservedWord1, kFileWord);
  v("reservedWord2", d.reservedWord2, kFileWord);
  v("reservedWord3", d.reservedWord3, kFileWord);
  v("reservedWord4", d.reservedWord4);
  v("reservedWord5", d.reservedWord5);
  v("reservedLong1", d.reservedLong1);
  v("reservedLong2", d.reservedLong2);
  v("reservedLong3", d.reservedLong3);
  v("reservedLong4", d.reservedLong4);
  v("reservedList1", d.reservedList1);
  v("reservedList2", d.reservedList2);
  v("reservedList3", d.reservedList3);
  v("reservedList4", d.reservedList4);
  v("reservedList5", d.reservedList5);
  v("reservedList6", d.reservedList6);
  v("reservedList7", d.reservedList7);
  v("reservedWords1", d.reservedWords1);
  v("reservedWords2", d.reservedWords2);
  v("reservedWords3", d.reservedWords3);
  v("reservedLongs1", d.reservedLongs1);
  v("reservedLongs2", d.reservedLongs2);
  v("reservedLongs3", d.reservedLongs3);
  v("chapters", d.chapters);
}

// --- Writing -----------------------------------------------------------------

Json FloatToJson(float value) {
  const uint32_t bits = std::bit_cast<uint32_t>(value);
  if (!std::isfinite(value)) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(bits));
    return hex;
  }
  // The shortest decimal of the float, kept as a double; should that double
  // not narrow back to the very same bits, the float's exact value is kept.
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  double shortest = 0;
  std::from_chars(text, end, shortest);
  if (!(std::fabs(shortest) <= FLT_MAX) ||
      std::bit_cast<uint32_t>(static_cast<float>(shortest)) != bits) {
    shortest = static_cast<double>(value);
  }
  return shortest;
}

Json ToJson(const std::string& text) {
  return Cp1252ToUtf8(text);
}
Json ToJson(float value) {
  return FloatToJson(value);
}
template <class T>
requires std::is_integral_v<T> Json ToJson(T value) {
  return value;
}
template <class T>
Json ToJson(const std::vector<T>& list) {
  Json array = Json::array();
  for (const T& item : list) array.push_back(ToJson(item));
  return array;
}
template <class T, size_t N>
Json ToJson(const std::array<T, N>& list) {
  Json array = Json::array();
  for (const T& item : list) array.push_back(ToJson(item));
  return array;
}

class JsonWriter {
 public:
  explicit JsonWriter(Json& object) : object_(object) {}

  template <class T>
  void operator()(const char* key, const T& value, Range = {}) {
    object_[key] = ToJson(value);
  }
  void FaceName(const char* key, const std::string& name) { object_[key] = ToJson(name); }
  template <class T, class Visit>
  void Object(const char* key, const T& record, Visit visit) {
    Json& child = object_[key] = Json::object();
    JsonWriter writer(child);
    visit(writer, record);
  }

 private:
  Json& object_;
};

Json SubjectToJson(const CTypeEdit& subject) {
  Json object = Json::object();
  JsonWriter writer(object);
  VisitSubject(writer, subject);
  return object;
}

Json TopicToJson(const CTopic& topic) {
  Json object = Json::object();
  JsonWriter writer(object);
  VisitTopic(writer, topic);
  Json& subjects = object["subjects"] = Json::array();
  for (int i = 0; i < topic.subjectCount(); ++i) {
    subjects.push_back(SubjectToJson(*topic.GetSubject(i)));
  }
  return object;
}

// --- Reading -----------------------------------------------------------------

// Thrown inside this unit only, with the message for the caller.
class JsonLoadError : public std::runtime_error {
 public:
  JsonLoadError(const std::string& path, const std::string& problem)
      : std::runtime_error(path.empty() ? problem : path + ": " + problem) {}
};

std::string KindOf(const Json& value) {
  switch (value.type()) {
    case Json::value_t::null:
      return "null";
    case Json::value_t::boolean:
      return value.get<bool>() ? "true" : "false";
    case Json::value_t::string:
      return "a string";
    case Json::value_t::array:
      return "an array";
    case Json::value_t::object:
      return "an object";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
      return value.dump();
    default:
      return "a value of another kind";
  }
}

int64_t IntegerFromJson(const Json& value, Range range, const std::string& path) {
  const auto refuse = [&] {
    throw JsonLoadError(path, "expected an integer from " + std::to_string(range.min) + " to " +
                                  std::to_string(range.max) + ", found " + KindOf(value));
  };
  int64_t result = 0;
  if (value.is_number_unsigned()) {
    const uint64_t u = value.get<uint64_t>();
    if (u > static_cast<uint64_t>(range.max)) refuse();
    result = static_cast<int64_t>(u);
  } else if (value.is_number_integer()) {
    result = value.get<int64_t>();
  } else if (value.is_number_float()) {
    // 12.0 is accepted as 12; 12.5 is not an integer.
    const double d = value.get<double>();
    if (!(std::trunc(d) == d && std::fabs(d) < 9.0e15)) refuse();
    result = static_cast<int64_t>(d);
  } else {
    refuse();
  }
  if (result < range.min || result > range.max) refuse();
  return result;
}

float FloatFromJson(const Json& value, const std::string& path) {
  if (value.is_number()) {
    const double d = value.get<double>();
    if (!(std::fabs(d) <= FLT_MAX)) {
      throw JsonLoadError(path, "the number " + value.dump() + " does not fit in a 32-bit float");
    }
    return static_cast<float>(d);
  }
  if (value.is_string()) {
    // "0x7FC00000": the bits of a value JSON numbers cannot hold.
    const std::string& text = value.get_ref<const std::string&>();
    uint32_t bits = 0;
    if (text.size() == 10 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
      const auto [end, ec] = std::from_chars(text.data() + 2, text.data() + text.size(), bits, 16);
      if (ec == std::errc() && end == text.data() + text.size()) return std::bit_cast<float>(bits);
    }
  }
  throw JsonLoadError(
      path, "expected a number (or \"0x\" and 8 hexadecimal digits), found " + KindOf(value));
}

std::string StringFromJson(const Json& value, const std::string& path) {
  if (!value.is_string()) throw JsonLoadError(path, "expected a string, found " + KindOf(value));
  const std::string& utf8 = value.get_ref<const std::string&>();
  bool ascii = true;
  for (const char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return utf8;
  std::string bytes = Utf8ToCp1252(utf8);
  if (Cp1252ToUtf8(bytes) != utf8) {
    throw JsonLoadError(path, "the text holds characters that Windows-1252 cannot represent");
  }
  return bytes;
}

// Counts memory taken by what is read from JSON text (the parsed values,
// then the project made of them) and stops the reading once it passes the
// budget. Without a budget (a JSON value handed over in memory) nothing is
// counted.
void Charge(MemoryBudget* budget, size_t bytes) {
  if (budget != nullptr && !budget->Charge(bytes)) {
    throw JsonLoadError("", "the project would need more than " +
                                std::to_string(budget->LimitInMegabytes()) +
                                " MB of memory for a JSON text of this size (too many small "
                                "values)");
  }
}

// The memory taken by one parsed JSON value, counted as the parser makes
// it: its slot in the array or object holding it, the text of strings and
// keys, the block of each array and object. A slot of an array counts
// four times: when a long array grows, its old and new blocks are both in
// memory for a moment, and the blocks it left behind are not all reused
// (measured with arrays of millions of empty strings). Objects are records of a few dozen keys; one
// of more than kMaxKeys is refused, as finding a key in an ordered object takes time in proportion
// to its size.
class JsonParseCharger {
 public:
  explicit JsonParseCharger(MemoryBudget& budget) : budget_(budget) {}

  bool operator()(int, Json::parse_event_t event, Json& parsed) {
    using Event = Json::parse_event_t;
    switch (event) {
      case Event::key:
        if (!keys_.empty() && ++keys_.back() > kMaxKeys) {
          throw JsonLoadError("",
                              "an object holds more than " + std::to_string(kMaxKeys) + " keys");
        }
        Charge(&budget_,
               kMemberSlot + MemoryBudget::StringText(parsed.get_ref<const std::string&>().size()));
        break;
      case Event::object_start:
      case Event::array_start:
        ChargeSlot();
        Charge(&budget_, MemoryBudget::HeapBlock(sizeof(std::vector<Json>)));
        inArray_.push_back(event == Event::array_start);
        keys_.push_back(0);
        break;
      case Event::object_end:
      case Event::array_end:
        if (!inArray_.empty()) inArray_.pop_back();
        if (!keys_.empty()) keys_.pop_back();
        break;
      case Event::value:
        ChargeSlot();
        if (parsed.is_string()) {
          const size_t length = parsed.get_ref<const std::string&>().size();
          Charge(&budget_,
                 MemoryBudget::HeapBlock(sizeof(std::string)) + MemoryBudget::StringText(length));
        }
        break;
    }
    return true;
  }

 private:
  static constexpr size_t kMemberSlot = sizeof(std::string) + sizeof(Json);
  static constexpr size_t kMaxKeys = 1000;
  // A member's slot is counted with its key.
  void ChargeSlot() {
    if (!inArray_.empty() && inArray_.back()) Charge(&budget_, 4 * sizeof(Json));
  }
  MemoryBudget& budget_;
  std::vector<bool> inArray_;
  std::vector<size_t> keys_;  // keys of each open object (0 for arrays)
};

const Json& ArrayFromJson(const Json& value, const std::string& path) {
  if (!value.is_array()) throw JsonLoadError(path, "expected an array, found " + KindOf(value));
  return value;
}

class JsonReader {
 public:
  JsonReader(const Json& object, std::string path, MemoryBudget* budget)
      : object_(object), path_(std::move(path)), budget_(budget) {
    if (!object_.is_object()) {
      throw JsonLoadError(path_, "expected an object, found " + KindOf(object_));
    }
  }

  std::string PathOf(const char* key) const { return path_.empty() ? key : path_ + "." + key; }
  const std::string& path() const { return path_; }

  // The value of `key`, or nullptr when absent. Marks the key as taken.
  const Json* Find(const char* key) {
    asked_.push_back(key);
    const auto it = object_.find(key);
    if (it == object_.end()) return nullptr;
    ++taken_;
    return &*it;
  }

  void operator()(const char* key, std::string& value, Range = {}) {
    if (const Json* found = Find(key)) {
      value = StringFromJson(*found, PathOf(key));
      Charge(budget_, MemoryBudget::StringText(value.size()));
    }
  }
  void operator()(const char* key, float& value, Range = {}) {
    if (const Json* found = Find(key)) value = FloatFromJson(*found, PathOf(key));
  }
  template <class T>
  requires std::is_integral_v<T>
  void operator()(const char* key, T& value, Range range = FullRange<T>()) {
    if (const Json* found = Find(key)) {
      value = static_cast<T>(IntegerFromJson(*found, range, PathOf(key)));
    }
  }
  void operator()(const char* key, std::vector<std::string>& list, Range = {}) {
    const Json* found = Find(key);
    if (found == nullptr) return;
    const std::string path = PathOf(key);
    list.clear();
    Charge(budget_, MemoryBudget::HeapBlock(2 * found->size() * sizeof(std::string)));
    for (const Json& item : ArrayFromJson(*found, path)) {
      list.push_back(StringFromJson(item, path + "[" + std::to_string(list.size()) + "]"));
      Charge(budget_, MemoryBudget::StringText(list.back().size()));
    }
  }
  template <class T>
  requires std::is_integral_v<T>
  void operator()(const char* key, std::vector<T>& list, Range range = FullRange<T>()) {
    const Json* found = Find(key);
    if (found == nullptr) return;
    const std::string path = PathOf(key);
    list.clear();
    Charge(budget_, MemoryBudget::HeapBlock(2 * found->size() * sizeof(T)));
    for (const Json& item : ArrayFromJson(*found, path)) {
      const std::string where = path + "[" + std::to_string(list.size()) + "]";
      list.push_back(static_cast<T>(IntegerFromJson(item, range, where)));
    }
  }
  template <class T, size_t N>
  void operator()(const char* key, std::array<T, N>& list, Range range) {
    const Json* found = Find(key);
    if (found == nullptr) return;
    const std::string path = PathOf(key);
    if (!found->is_array() || found->size() != N) {
      throw JsonLoadError(
          path, "expected an array of " + std::to_string(N) + " integers, found " + KindOf(*found));
    }
    for (size_t i = 0; i < N; ++i) {
      list[i] =
          static_cast<T>(IntegerFromJson((*found)[i], range, path + "[" + std::to_string(i) + "]"));
    }
  }
  // A face name is stored with its NUL in 32 bytes.
  void FaceName(const char* key, std::string& name) {
    const Json* found = Find(key);
    if (found == nullptr) return;
    std::string text = StringFromJson(*found, PathOf(key));
    if (text.size() >= CTypeFont::kFaceNameSize || text.find('\0') != std::string::npos) {
      throw JsonLoadError(PathOf(key), "a face name has at most " +
                                           std::to_string(CTypeFont::kFaceNameSize - 1) +
                                           " characters and no NUL");
    }
    name = std::move(text);
  }
  template <class T, class Visit>
  void Object(const char* key, T& record, Visit visit) {
    const Json* found = Find(key);
    if (found == nullptr) return;
    JsonReader reader(*found, PathOf(key), budget_);
    visit(reader, record);
    reader.RefuseOtherKeys();
  }

  // Fails on the first key that no field has taken (a misspelt key would
  // otherwise be dropped without a word).
  void RefuseOtherKeys() const {
    if (taken_ == object_.size()) return;
    for (const auto& [key, value] : object_.items()) {
      bool known = false;
      for (const char* asked : asked_) known = known || key == asked;
      if (!known) throw JsonLoadError(PathOf(key.c_str()), "unknown key");
    }
  }

 private:
  const Json& object_;
  std::string path_;
  MemoryBudget* budget_;
  std::vector<const char*> asked_;  // every key looked up
  size_t taken_ = 0;                // how many of them were present
};

void CheckCapacity(const Json& array, size_t capacity, const std::string& path, const char* what) {
  if (array.size() > capacity) {
    throw JsonLoadError(path, std::to_string(array.size()) + " " + what + ", at most " +
                                  std::to_string(capacity) + " are allowed");
  }
}

std::unique_ptr<CTypeEdit> SubjectFromJson(const Json& value, const std::string& path,
                                           MemoryBudget* budget) {
  JsonReader reader(value, path, budget);
  Charge(budget, MemoryBudget::HeapBlock(sizeof(CTypeEdit)));
  const auto code = value.find("typeCode");
  if (code == value.end()) {
    throw JsonLoadError(reader.PathOf("typeCode"),
                        "missing; it gives the kind of subject (0 title, 1 subtitle, "
                        "2 indented text, 3 text, 4 image, 5 jump)");
  }
  const int64_t typeCode = IntegerFromJson(*code, kFileWord, reader.PathOf("typeCode"));
  std::unique_ptr<CTypeEdit> subject = CTypeEdit::CreateSubject(static_cast<int>(typeCode));
  if (!subject) subject = std::make_unique<CTypeEdit>();
  VisitSubject(reader, *subject);
  reader.RefuseOtherKeys();
  return subject;
}

std::unique_ptr<CTopic> TopicFromJson(const Json& value, const std::string& path,
                                      MemoryBudget* budget) {
  JsonReader reader(value, path, budget);
  Charge(budget, MemoryBudget::HeapBlock(sizeof(CTopic)));
  auto topic = std::make_unique<CTopic>();
  VisitTopic(reader, *topic);
  if (const Json* subjects = reader.Find("subjects")) {
    const std::string where = reader.PathOf("subjects");
    CheckCapacity(ArrayFromJson(*subjects, where), CTopic::kMaxSubjects, where, "subjects");
    for (const Json& item : *subjects) {
      const std::string itemPath = where + "[" + std::to_string(topic->subjectCount()) + "]";
      topic->AddSubject(SubjectFromJson(item, itemPath, budget));
    }
  }
  reader.RefuseOtherKeys();
  return topic;
}

void DocumentFromJson(const Json& value, CVeldorDoc& doc, MemoryBudget* budget) {
  if (!value.is_object()) {
    throw JsonLoadError("", "a project is a JSON object, found " + KindOf(value));
  }
  JsonReader reader(value, "", budget);
  VisitDocument(reader, doc);
  if (const Json* windows = reader.Find("windows")) {
    CheckCapacity(ArrayFromJson(*windows, "windows"), CGestWinAttr::kCapacity, "windows",
                  "windows");
    for (const Json& item : *windows) {
      // Stored first and filled in place: copying a record would drop its
      // reserved fields.
      const int i = doc.windows.count();
      doc.windows.Add(CWinAttr());
      JsonReader record(item, "windows[" + std::to_string(i) + "]", budget);
      VisitWindow(record, *doc.windows.GetAt(i));
      record.RefuseOtherKeys();
    }
  }
  if (const Json* globals = reader.Find("globals")) {
    CheckCapacity(ArrayFromJson(*globals, "globals"), CGestGlobal::kCapacity, "globals",
                  "global strings");
    for (const Json& item : *globals) {
      const int i = doc.globals.count();
      doc.globals.Add(CGlobalTexte());
      JsonReader record(item, "globals[" + std::to_string(i) + "]", budget);
      VisitGlobal(record, *doc.globals.GetAt(i));
      record.RefuseOtherKeys();
    }
  }
  if (const Json* topics = reader.Find("topics")) {
    CheckCapacity(ArrayFromJson(*topics, "topics"), CVeldorDoc::kMaxTopics, "topics", "topics");
    for (const Json& item : *topics) {
      const std::string path = "topics[" + std::to_string(doc.topicCount()) + "]";
      doc.AddTopic(TopicFromJson(item, path, budget));
    }
  }
  reader.RefuseOtherKeys();
}

// New subjects take their per-type defaults from the user's settings. While
// a project is read from JSON they take the built-in ones, so that a file
// gives the same project whatever the settings of the person loading it.
class BuiltInSubjectDefaults {
 public:
  BuiltInSubjectDefaults() : settings_(CAppSettings::Instance()), saved_(settings_.styles) {
    settings_.styles = CAppSettings().styles;
  }
  ~BuiltInSubjectDefaults() { settings_.styles = saved_; }
  BuiltInSubjectDefaults(const BuiltInSubjectDefaults&) = delete;
  BuiltInSubjectDefaults& operator=(const BuiltInSubjectDefaults&) = delete;

 private:
  CAppSettings& settings_;
  std::array<TypeStyleDefaults, 6> saved_;
};

}  // namespace

nlohmann::ordered_json ProjectToJson(const CVeldorDoc& doc) {
  Json object = Json::object();
  JsonWriter writer(object);
  VisitDocument(writer, doc);
  Json& windows = object["windows"] = Json::array();
  for (int i = 0; i < doc.windows.count(); ++i) {
    Json record = Json::object();
    JsonWriter recordWriter(record);
    VisitWindow(recordWriter, *doc.windows.GetAt(i));
    windows.push_back(std::move(record));
  }
  Json& globals = object["globals"] = Json::array();
  for (int i = 0; i < doc.globals.count(); ++i) {
    Json record = Json::object();
    JsonWriter recordWriter(record);
    VisitGlobal(recordWriter, *doc.globals.GetAt(i));
    globals.push_back(std::move(record));
  }
  Json& topics = object["topics"] = Json::array();
  for (int i = 0; i < doc.topicCount(); ++i) topics.push_back(TopicToJson(*doc.GetTopic(i)));
  return object;
}

std::string ProjectToJsonText(const CVeldorDoc& doc) {
  return ProjectToJson(doc).dump(2) + "\n";
}

namespace {

// Reads `json` into `doc`. `release`, when given, is emptied as soon as the
// project has been taken from it, so that the parsed text and the project
// are not both held while the project goes through its file form.
bool LoadProjectFromJson(const Json& json, Json* release, MemoryBudget* budget, CVeldorDoc& doc,
                         std::string* error) {
  try {
    auto loaded = std::make_unique<CVeldorDoc>();
    {
      BuiltInSubjectDefaults builtIn;
      DocumentFromJson(json, *loaded, budget);
    }
    if (release != nullptr) *release = Json();
    // Through the file form, so that `doc` is exactly what opening the saved
    // project gives (values narrowed to their stored widths, the working
    // tables rebuilt).
    const std::string bytes = loaded->SaveToBytes();
    loaded.reset();
    std::string reason;
    if (!doc.LoadFromBytes(bytes, &reason)) throw JsonLoadError("", reason);
    return true;
  } catch (const std::exception& e) {
    if (error != nullptr) *error = e.what();
    return false;
  }
}

}  // namespace

bool ProjectFromJson(const nlohmann::ordered_json& json, CVeldorDoc& doc, std::string* error) {
  return LoadProjectFromJson(json, nullptr, nullptr, doc, error);
}

bool ProjectFromJsonText(const std::string& text, CVeldorDoc& doc, std::string* error) {
  MemoryBudget budget(text.size(), kJsonMemoryFactor);
  Json json;
  try {
    json = Json::parse(text, JsonParseCharger(budget));
  } catch (const JsonLoadError& e) {
    if (error != nullptr) *error = e.what();
    return false;
  } catch (const Json::exception& e) {
    // "[json.exception.parse_error.101] parse error at line 3, column 5: ..."
    // and the other errors of the parser (a number out of range, ...).
    std::string what = e.what();
    const size_t start = what.find("] ");
    if (start != std::string::npos) what.erase(0, start + 2);
    if (error != nullptr) *error = "malformed JSON: " + what;
    return false;
  } catch (const std::bad_alloc&) {
    if (error != nullptr) *error = "not enough memory to read this JSON text";
    return false;
  }
  return LoadProjectFromJson(json, &json, &budget, doc, error);
}

}  // namespace veldor
