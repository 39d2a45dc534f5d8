#include "model/topic.h"

#include <utility>

#include "model/archive.h"
#include "platform/codepage.h"

namespace veldor {

int CTopic::SetReferences(const std::string& refs) {
  if (refs.size() > static_cast<size_t>(kMaxReferencesLength)) return 0;
  references = refs;
  return 1;
}

int CTopic::AddSubject(std::unique_ptr<CTypeEdit> s) {
  if (!s || subjectCount() >= kMaxSubjects) return 0;
  subjects.push_back(std::move(s));
  return 1;
}

int CTopic::InsertSubject(int i, std::unique_ptr<CTypeEdit> s) {
  if (!s || subjectCount() >= kMaxSubjects || i < 0 || i > subjectCount()) return 0;
  subjects.insert(subjects.begin() + i, std::move(s));
  return 1;
}

int CTopic::RemoveSubject(int i) {
  if (i < 0 || i >= subjectCount()) return 0;
  subjects.erase(subjects.begin() + i);
  return 1;
}

int CTopic::MoveSubjectUp(int i) {
  if (i <= 0 || i >= subjectCount()) return 0;
  std::swap(subjects[static_cast<size_t>(i)], subjects[static_cast<size_t>(i - 1)]);
  return 1;
}

int CTopic::MoveSubjectDown(int i) {
  if (i < 0 || i >= subjectCount() - 1) return 0;
  std::swap(subjects[static_cast<size_t>(i)], subjects[static_cast<size_t>(i + 1)]);
  return 1;
}

std::unique_ptr<CTopic> CTopic::Copy() const {
  auto copy = std::make_unique<CTopic>();
  copy->name = name;
  copy->title = title;
  copy->references = references;
  copy->keywords = keywords;
  copy->browse = browse;
  copy->chapter = chapter;
  copy->subjects.reserve(subjects.size());
  for (const auto& subject : subjects) {
    if (copy->subjectCount() >= kMaxSubjects) break;
    if (auto clone = CTypeEdit::CloneSubject(*subject)) copy->subjects.push_back(std::move(clone));
  }
  return copy;
}

std::unique_ptr<CTopic> CTopic::ExactCopy() const {
  auto copy = std::make_unique<CTopic>();
  copy->name = name;
  copy->title = title;
  copy->references = references;
  copy->keywords = keywords;
  copy->subjects.reserve(subjects.size());
  for (const auto& subject : subjects) copy->subjects.push_back(CTypeEdit::CloneExact(*subject));
  copy->reservedLong0 = reservedLong0;
  copy->reservedWordA = reservedWordA;
  copy->reservedWordB = reservedWordB;
  copy->reservedWordC = reservedWordC;
  copy->reservedWordD = reservedWordD;
  copy->reservedWordE = reservedWordE;
  copy->reservedWordF = reservedWordF;
  copy->reservedLong1 = reservedLong1;
  copy->reservedLong2 = reservedLong2;
  copy->reservedLong3 = reservedLong3;
  copy->browse = browse;
  copy->chapter = chapter;
  copy->reservedText = reservedText;
  copy->reservedList = reservedList;
  copy->reservedWords = reservedWords;
  copy->reservedLongs = reservedLongs;
  return copy;
}

namespace {

// What the memory budget of a reading charges for a subject: the subject
// classes add behaviour, not fields.
constexpr std::size_t kLargestSubjectSize = sizeof(CTypeEdit);
static_assert(sizeof(CTypeEditJump) == kLargestSubjectSize &&
              sizeof(CTypeEditBitMap) == kLargestSubjectSize);

// Reads one subject: the type word chooses the class, the subject reads its
// own layout. The copy of the type code inside the layout is made to agree
// with the class, so that writing the subject back (type word from
// `typeCode`) gives a file that reads the same way.
std::unique_ptr<CTypeEdit> ReadSubject(CArchive& ar) {
  const uint16_t code = ar.GetWord();
  ar.Charge(MemoryBudget::HeapBlock(kLargestSubjectSize));
  std::unique_ptr<CTypeEdit> subject = CTypeEdit::CreateSubject(code);
  const bool plain = !subject;
  if (plain) subject = std::make_unique<CTypeEdit>();
  subject->Serialize(ar);
  const bool innerHasClass = subject->typeCode >= 0 && subject->typeCode < kSubjectTypeCount;
  if (plain ? innerHasClass : subject->typeCode != code) subject->typeCode = code;
  return subject;
}

}  // namespace

void CTopic::Serialize(CArchive& ar) {
  ar.String(name);
  ar.String(title);
  ar.String(references);
  if (ar.IsStoring()) {
    ar.PutWord(static_cast<uint16_t>(subjects.size()));
    for (const auto& subject : subjects) {
      ar.PutWord(static_cast<uint16_t>(subject->typeCode));
      subject->Serialize(ar);
    }
  } else {
    const uint16_t count = ar.GetWord();
    if (count > kMaxSubjects) {
      ar.Fail("le groupe « " + Cp1252ToUtf8(name) + " » annonce " + std::to_string(count) +
              " sujets, " + std::to_string(kMaxSubjects) + " au plus sont possibles");
    }
    subjects.clear();
    ar.Charge(MemoryBudget::HeapBlock(count * sizeof(subjects[0])));
    subjects.reserve(count);
    for (uint16_t i = 0; i < count; ++i) subjects.push_back(ReadSubject(ar));
  }
  ar.Long(reservedLong0);
  ar.WordOf32(reservedWordA);
  ar.WordOf32(reservedWordB);
  ar.WordOf32(reservedWordC);
  ar.Word(reservedWordD);
  ar.Word(reservedWordE);
  ar.Word(reservedWordF);
  ar.Long(reservedLong1);
  ar.Long(reservedLong2);
  ar.Long(reservedLong3);
  ar.String(browse);
  ar.String(chapter);
  ar.String(reservedText);
  ar.StringArray(keywords);
  ar.StringArray(reservedList);
  ar.WordArray(reservedWords);
  ar.LongArray(reservedLongs);
}

std::vector<std::string> SplitKeywordText(const std::string& text) {
  std::vector<std::string> keywords;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    if (end > start) keywords.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return keywords;
}

}  // namespace veldor
