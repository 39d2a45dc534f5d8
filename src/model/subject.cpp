#include "model/subject.h"

#include <charconv>

#include "model/app_settings.h"
#include "model/archive.h"

namespace veldor {

namespace {

constexpr size_t kLabelLength = 144;
// Point sizes above this would give a character height that no longer fits
// the 16 bits of the file.
constexpr long kMaxPointSize = 24575;

// The integer value of a size setting as atoi reads it (0 when none).
long SizeValue(const std::string& text) {
  const char* p = text.c_str();
  const char* end = p + text.size();
  while (p < end && (*p == ' ' || *p == '\t')) ++p;
  if (p < end && *p == '+') ++p;
  long value = 0;
  const auto result = std::from_chars(p, end, value);
  return result.ec == std::errc() ? value : 0;
}

}  // namespace

const char* SubjectTypeDisplayName(int typeCode) {
  static constexpr const char* kNames[] = {"Titre", "Sous Titre", "Texte Indent\xE9",
                                           "Texte", "TexteImage", "Saut"};
  return typeCode >= 0 && typeCode < kSubjectTypeCount ? kNames[typeCode] : "";
}

const char* ActionName(int action) {
  static constexpr const char* kNames[] = {"Rien",    "Saut",   "Son",    "Popup",
                                           "Imprime", "Quitte", "Execute"};
  return action >= 0 && action < kActionCount ? kNames[action] : "";
}

const char* AlignmentWord(int alignment) {
  static constexpr const char* kWords[] = {"ql", "qr", "qc"};
  return kWords[alignment >= 0 && alignment < 3 ? alignment : 0];
}

const char* ImagePlacementWord(int alignment) {
  static constexpr const char* kWords[] = {"bml", "bmr", "bmc"};
  return kWords[alignment >= 0 && alignment < 3 ? alignment : 0];
}

// --- CTypeEdit -------------------------------------------------------------

CTypeEdit::CTypeEdit() {
  style.pointSize = 9;
  style.height = 15;
  style.charSet = 1;
  style.outPrecision = 2;
  style.quality = 1;
  style.faceName = "Fixedsys";
  style.fontSet = 1;
}

std::string CTypeEdit::GetTypeName() const {
  return "Mere";
}

std::string CTypeEdit::GetText() const {
  return text == GetTypeName() ? std::string() : text;
}

std::string CTypeEdit::GetLabel() const {
  return (title.empty() ? text : title).substr(0, kLabelLength);
}

void CTypeEdit::SetColour(uint32_t rgb) {
  for (size_t i = 0; i < kColourTable.size(); ++i) {
    if (kColourTable[i] == rgb) {
      colour = rgb;
      colourIndex = static_cast<uint16_t>(i);
      return;
    }
  }
}

void CTypeEdit::SetColourIndex(uint16_t i) {
  colourIndex = i;
  if (i < kColourTable.size()) colour = kColourTable[i];
}

void CTypeEdit::CopyFrom(const CTypeEdit& other) {
  if (&other == this) return;
  title = other.title;
  text = other.text;
  style = other.style;
  colour = other.colour;
  colourIndex = other.colourIndex;
  editBox = other.editBox;
  typeCode = other.typeCode;
  action = other.action;
  alignment = other.alignment;
  leftMargin = other.leftMargin;
  rightMargin = other.rightMargin;
  spaceBefore = other.spaceBefore;
  spaceAfter = other.spaceAfter;
  firstIndent = other.firstIndent;
  reservedFloat = other.reservedFloat;
  useDefaultStyle = other.useDefaultStyle;
  flags = other.flags;
  border = other.border;
  soundOrCommand = other.soundOrCommand;
  reservedText1 = other.reservedText1;
  reservedWord1 = other.reservedWord1;
  linkMark = other.linkMark;
  reservedWord2 = other.reservedWord2;
  reservedLong1 = other.reservedLong1;
  reservedLong2 = other.reservedLong2;
  windowName = other.windowName;
  reservedText2 = other.reservedText2;
  reservedText3 = other.reservedText3;
  reservedText4 = other.reservedText4;
  reservedList = other.reservedList;
}

std::unique_ptr<CTypeEdit> CTypeEdit::CreateSubject(int code) {
  switch (code) {
    case kTypeTitre:
      return std::make_unique<CTypeEditTitre>();
    case kTypeSSTitre:
      return std::make_unique<CTypeEditSSTitre>();
    case kTypeIndent:
      return std::make_unique<CTypeEditIndent>();
    case kTypeTexte:
      return std::make_unique<CTypeEditTexte>();
    case kTypeBitMap:
      return std::make_unique<CTypeEditBitMap>();
    case kTypeJump:
      return std::make_unique<CTypeEditJump>();
    default:
      return nullptr;
  }
}

std::unique_ptr<CTypeEdit> CTypeEdit::CloneSubject(const CTypeEdit& source) {
  std::unique_ptr<CTypeEdit> copy = CreateSubject(source.typeCode);
  if (!copy) return nullptr;
  copy->CopyFrom(source);
  if (copy->HasTarget()) {
    copy->reservedWord3 = source.reservedWord3;
    copy->target = source.target;
  }
  return copy;
}

std::unique_ptr<CTypeEdit> CTypeEdit::CloneExact(const CTypeEdit& source) {
  std::unique_ptr<CTypeEdit> copy = CreateSubject(source.typeCode);
  if (!copy) copy = std::make_unique<CTypeEdit>();
  copy->CopyFrom(source);
  copy->reservedWord3 = source.reservedWord3;
  copy->target = source.target;
  return copy;
}

void CTypeEdit::ApplyTypeDefaults(int code) {
  typeCode = code;
  const bool heading = code == kTypeTitre || code == kTypeSSTitre;
  style.pointSize = code == kTypeTitre ? 24 : code == kTypeSSTitre ? 18 : 10;
  style.height = code == kTypeTitre ? -32 : code == kTypeSSTitre ? -24 : -13;
  style.weight = heading ? 700 : 0;
  style.clipPrecision = 1;
  style.pitchAndFamily = 0x20;
  if (code == kTypeJump) {
    style.underline = 1;
    action = kActionSaut;
  }
  if (code == kTypeBitMap || code == kTypeJump) reservedWord3 = 1;

  const TypeStyleDefaults& user = CAppSettings::Instance().StyleOf(code);
  SetColour(user.colour);
  if (!user.pointSize.empty()) {
    const long size = SizeValue(user.pointSize);
    if (size > 0 && size <= kMaxPointSize) {
      style.pointSize = static_cast<uint16_t>(size);
      style.height = -static_cast<int32_t>(static_cast<double>(size) * 4 / 3 + 0.5);
    }
  }
  style.SetFaceName(user.faceName.empty() ? std::string("MS Sans Serif") : user.faceName);
  leftMargin = user.leftMargin;
  rightMargin = user.rightMargin;
  spaceBefore = user.spaceBefore;
  spaceAfter = user.spaceAfter;
  firstIndent = user.firstIndent;
}

void CTypeEdit::Serialize(CArchive& ar) {
  ar.String(title);
  ar.String(text);
  ar.Long(colour);
  ar.Word(colourIndex);
  // editBox: two longs, each holding two 16-bit values (low half first).
  for (size_t pair = 0; pair < 2; ++pair) {
    int32_t& low = editBox[2 * pair];
    int32_t& high = editBox[2 * pair + 1];
    if (ar.IsStoring()) {
      ar.PutLong((static_cast<uint32_t>(low) & 0xFFFF) | (static_cast<uint32_t>(high) << 16));
    } else {
      const uint32_t packed = ar.GetLong();
      low = static_cast<int16_t>(packed & 0xFFFF);
      high = static_cast<int16_t>(packed >> 16);
    }
  }
  ar.WordOf32(typeCode);
  ar.WordOf32(action);
  ar.Word(alignment);
  ar.Float(leftMargin);
  ar.Float(rightMargin);
  ar.Float(firstIndent);
  ar.Float(reservedFloat);
  ar.Float(spaceBefore);
  ar.Float(spaceAfter);
  ar.WordOf32(useDefaultStyle);
  ar.Word(flags);
  ar.Word(border);
  ar.String(soundOrCommand);
  ar.String(reservedText1);
  ar.Word(reservedWord1);
  ar.Word(linkMark);
  ar.Word(reservedWord2);
  ar.Long(reservedLong1);
  ar.Long(reservedLong2);
  ar.String(windowName);
  ar.String(reservedText2);
  ar.String(reservedText3);
  ar.String(reservedText4);
  style.Serialize(ar);
  ar.StringArray(reservedList);
}

// --- The six subject classes ------------------------------------------------

CTypeEditTitre::CTypeEditTitre() {
  ApplyTypeDefaults(kTypeTitre);
}
std::string CTypeEditTitre::GetTypeName() const {
  return "Titre";
}

CTypeEditSSTitre::CTypeEditSSTitre() {
  ApplyTypeDefaults(kTypeSSTitre);
}
std::string CTypeEditSSTitre::GetTypeName() const {
  return "Sous Titre";
}

CTypeEditIndent::CTypeEditIndent() {
  ApplyTypeDefaults(kTypeIndent);
}
std::string CTypeEditIndent::GetTypeName() const {
  return "Texte indent\xE9";
}

CTypeEditTexte::CTypeEditTexte() {
  ApplyTypeDefaults(kTypeTexte);
}
std::string CTypeEditTexte::GetTypeName() const {
  return "Texte";
}

CTypeEditBitMap::CTypeEditBitMap() {
  ApplyTypeDefaults(kTypeBitMap);
}
std::string CTypeEditBitMap::GetTypeName() const {
  return "BitMap";
}
void CTypeEditBitMap::Serialize(CArchive& ar) {
  CTypeEdit::Serialize(ar);
  ar.String(target);
  ar.WordOf32(reservedWord3);
}

CTypeEditJump::CTypeEditJump() {
  ApplyTypeDefaults(kTypeJump);
}
std::string CTypeEditJump::GetTypeName() const {
  return "Saut vers ";
}
void CTypeEditJump::Serialize(CArchive& ar) {
  CTypeEdit::Serialize(ar);
  ar.String(target);
  ar.WordOf32(reservedWord3);
}

}  // namespace veldor
