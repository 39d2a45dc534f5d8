// Subjects: the typed paragraphs a topic is made of (title, subtitle,
// indented text, text, image, jump), their codes, flags and tables.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/type_font.h"

namespace veldor {

class CArchive;

// Subject type codes (16-bit in files).
enum SubjectType : int32_t {
  kTypeMere = -1,
  kTypeTitre = 0,
  kTypeSSTitre = 1,
  kTypeIndent = 2,
  kTypeTexte = 3,
  kTypeBitMap = 4,
  kTypeJump = 5,
};
inline constexpr int kSubjectTypeCount = 6;
// Names shown in type lists, for codes 0 to 5 (Windows-1252).
const char* SubjectTypeDisplayName(int typeCode);

// Action kinds of images, jumps and global strings.
enum ActionKind : int32_t {
  kActionRien = 0,
  kActionSaut = 1,
  kActionSon = 2,
  kActionPopup = 3,
  kActionImprime = 4,
  kActionQuitte = 5,
  kActionExecute = 6,
};
inline constexpr int kActionCount = 7;
const char* ActionName(int action);  // "Rien", "Saut", ...

// Paragraph flags of a subject.
enum SubjectFlag : uint16_t {
  kFlagParagraphEnd = 0x0001,
  kFlagImported = 0x0002,
  kFlagNonScroll = 0x0004,
  kFlagKeep = 0x0008,
  kFlagBox = 0x0010,
  kFlagVerticalBar = 0x0020,
  kFlagImageRight = 0x0040,
  kFlagImageInLine = 0x0080,
  kFlagRuleAbove = 0x0100,
  kFlagRuleBelow = 0x0200,
  kFlagIgnoreGlobals = 0x0400,
};

// The fixed 16-colour table (0x00BBGGRR).
inline constexpr std::array<uint32_t, 16> kColourTable = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// Paragraph alignment words ("ql", "qr", "qc") and image placement words
// ("bml", "bmr", "bmc"), indexed by alignment 0 to 2.
const char* AlignmentWord(int alignment);
const char* ImagePlacementWord(int alignment);

// CTypeEdit: the base subject (type code -1, "Mere") and the fields every
// subject has.
class CTypeEdit {
 public:
  CTypeEdit();
  virtual ~CTypeEdit() = default;
  CTypeEdit(const CTypeEdit&) = delete;
  CTypeEdit& operator=(const CTypeEdit&) = delete;

  virtual std::string GetTypeName() const;
  virtual void Serialize(CArchive& ar);
  // True for images and jumps, which carry `target` and `reservedWord3`.
  virtual bool HasTarget() const { return false; }

  std::string GetTitle() const { return title; }
  std::string GetWindowName() const { return windowName; }
  // `text`, or "" when it equals the type name byte for byte.
  std::string GetText() const;
  // First 144 characters of the title when not empty, else of the text.
  std::string GetLabel() const;
  void SetColour(uint32_t rgb);     // ignored when not in the colour table
  void SetColourIndex(uint16_t i);  // sets the colour too when i < 16
  void SetFlags(uint16_t f) { flags = f; }
  uint16_t GetFlags() const { return flags; }
  std::string GetFaceName() const { return style.faceName; }
  // Copies every field of the base part (not `target`/`reservedWord3`).
  void CopyFrom(const CTypeEdit& other);

  // A new default subject of the class for codes 0 to 5, else nullptr.
  static std::unique_ptr<CTypeEdit> CreateSubject(int typeCode);
  // A default subject of the source's class with its fields copied, or
  // nullptr when the source's code is outside 0 to 5.
  static std::unique_ptr<CTypeEdit> CloneSubject(const CTypeEdit& source);
  // An exact copy of any subject, plain ones (codes outside 0 to 5)
  // included, with `target` and `reservedWord3`: what a topic snapshot
  // needs to give a topic back as it was.
  static std::unique_ptr<CTypeEdit> CloneExact(const CTypeEdit& source);

  std::string title;
  std::string text;
  CTypeFont style;
  uint32_t colour = 0;
  uint16_t colourIndex = 0;
  std::array<int32_t, 4> editBox{};
  int32_t typeCode = kTypeMere;
  int32_t action = kActionRien;
  uint16_t alignment = 0;
  float leftMargin = 1.7f;
  float rightMargin = 1.7f;
  float spaceBefore = 0.0f;
  float spaceAfter = 0.25f;
  float firstIndent = 0.0f;
  float reservedFloat = 0.5f;
  int32_t useDefaultStyle = 1;
  uint16_t flags = kFlagParagraphEnd;
  uint16_t border = 0;
  std::string soundOrCommand;
  std::string reservedText1;
  uint16_t reservedWord1 = 0;
  uint16_t linkMark = 0;
  uint16_t reservedWord2 = 0;
  int32_t reservedLong1 = 0;
  int32_t reservedLong2 = 0;
  std::string windowName;
  std::string reservedText2;
  std::string reservedText3;
  std::string reservedText4;
  std::vector<std::string> reservedList;
  // Images and jumps only (see HasTarget); kept here so that every writer
  // reaches them without casts.
  int32_t reservedWord3 = 0;
  std::string target;

  std::string GetTarget() const { return target; }

 protected:
  // Applies a class's font defaults and then the user's per-type settings.
  void ApplyTypeDefaults(int typeCode);
};

class CTypeEditTitre : public CTypeEdit {
 public:
  CTypeEditTitre();
  std::string GetTypeName() const override;
};
class CTypeEditSSTitre : public CTypeEdit {
 public:
  CTypeEditSSTitre();
  std::string GetTypeName() const override;
};
class CTypeEditIndent : public CTypeEdit {
 public:
  CTypeEditIndent();
  std::string GetTypeName() const override;
};
class CTypeEditTexte : public CTypeEdit {
 public:
  CTypeEditTexte();
  std::string GetTypeName() const override;
};
class CTypeEditBitMap : public CTypeEdit {
 public:
  CTypeEditBitMap();
  std::string GetTypeName() const override;
  void Serialize(CArchive& ar) override;
  bool HasTarget() const override { return true; }
};
class CTypeEditJump : public CTypeEdit {
 public:
  CTypeEditJump();
  std::string GetTypeName() const override;
  void Serialize(CArchive& ar) override;
  bool HasTarget() const override { return true; }
};

}  // namespace veldor
