// What the subject dialog ("Sujet :") shows and edits: the fields of one
// subject as typed, which fields each subject type and action kind shows,
// and how a confirmed form is checked and stored in the subject.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/type_font.h"

namespace veldor {

class CTypeEdit;
class CVeldorDoc;

// Margins and the first-line indent, in centimetres.
inline constexpr double kMaxParagraphLength = 20.0;

// The labels that change with the subject type or the action kind (UTF-8).
inline constexpr const char* kSubjectTitleLabel = "Titre sujet(facultatif):";
inline constexpr const char* kBitmapNameLabel = "Nom fichier bitmap";
inline constexpr const char* kSoundFileLabel = "Nom fichier WAV";
inline constexpr const char* kExecuteLabel = "Param Exec(\"write.exe\",0)\n(0:norm,1:min,2:max) ";

struct SubjectFieldVisibility {
  std::string firstFieldLabel;
  bool imageBrowse = false;  // type 4: browse button of the bitmap name
  bool firstIndent = false;  // types 0 to 3
  bool actionKind = false;   // types 4 and 5: "Type du lien"
  bool target = false;       // "Saut", "Popup"
  bool window = false;       // "Saut", "Popup": "Fenêtre" and its drop-down
  bool jumpMark = false;     // type 5 with "Saut" or "Popup"
  bool fileField = false;    // "Son", "Execute"
  bool fileBrowse = false;   // "Son"
  std::string fileLabel;     // "Nom fichier WAV" or the "Param Exec" text
};
SubjectFieldVisibility VisibleSubjectFields(int typeCode, int action);

// The fields "fin paragraphe" turns on and off together.
enum class ParagraphField {
  kAlignment,
  kFirstIndent,
  kLeftMargin,
  kRightMargin,
  kSpaceBefore,
  kSpaceAfter,
  kDefaultStyle,
  kNonScroll,
  kVerticalBar,
  kBox,
  kKeep,
  kRuleAbove,
  kRuleBelow,
  kBorder,
};
const std::vector<ParagraphField>& ParagraphFields();

struct SubjectForm {
  int typeCode = 3;
  std::string title;  // the optional title, or the bitmap file name (type 4)
  std::string text;   // "\r\n" line ends
  int alignment = 0;
  // The five lengths as typed ("1,7"), checked on confirmation.
  std::string firstIndent;
  std::string leftMargin;
  std::string rightMargin;
  std::string spaceBefore;
  std::string spaceAfter;
  uint16_t flags = 0;
  bool useDefaultStyle = true;
  int border = 0;
  int action = 0;
  std::string target;
  std::string windowName;
  int linkMark = 0;
  std::string soundOrCommand;
  CTypeFont style;
  uint32_t colour = 0;

  bool HasFlag(uint16_t flag) const { return (flags & flag) != 0; }
  void SetFlag(uint16_t flag, bool on);
  // "Image à droite": checking it checks "Image sur ligne" too.
  void SetImageRight(bool on);
};

SubjectForm LoadSubjectForm(const CTypeEdit& subject);

// Checks the lengths (0 to 20 cm; a refused one is reported with the range
// message and gives false, nothing stored) and stores the form in
// `subject`; `textWidth` and `textHeight` are the size of the text field.
bool StoreSubjectForm(const SubjectForm& form, CTypeEdit& subject, int textWidth = 0,
                      int textHeight = 0);

// The target drop-down: an empty entry and every topic name; the window
// drop-down: an empty entry and every help-window name. A current value the
// project no longer has is offered after the empty entry, so that
// confirming the dialog keeps it.
std::vector<std::string> TargetChoices(const CVeldorDoc& doc, const std::string& current);
std::vector<std::string> WindowChoices(const CVeldorDoc& doc, const std::string& current);
// The jump-mark drop-down, by link mark 0 to 2.
std::vector<std::string> JumpMarkChoices();
// The border drop-down, by border kind 0 to 2 (UTF-8).
std::vector<std::string> BorderChoices();
// The alignment drop-down, by alignment 0 to 2 (UTF-8).
std::vector<std::string> AlignmentChoices();

// The font chosen with "&Style": face, size and attributes go to the style
// (marked as holding a chosen font). Returns false, with the message "Nom de
// Font non défini", when the face name is empty: the font dialog opens again.
struct ChosenFont {
  std::string faceName;  // Windows-1252
  int pointSize = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};
bool ApplyChosenFont(const ChosenFont& font, CTypeFont& style);
// The character height of a point size, as subjects store it (negative).
int32_t FontHeightOfPoints(int pointSize);

}  // namespace veldor
