#include "ui/dialogs/rules/subject_form.h"

#include <algorithm>

#include "model/document.h"
#include "model/subject.h"
#include "platform/messages.h"
#include "ui/dialogs/rules/number_fields.h"

namespace veldor {

SubjectFieldVisibility VisibleSubjectFields(int typeCode, int action) {
  SubjectFieldVisibility v;
  const bool image = typeCode == kTypeBitMap;
  const bool linking = image || typeCode == kTypeJump;
  v.firstFieldLabel = image ? kBitmapNameLabel : kSubjectTitleLabel;
  v.imageBrowse = image;
  v.firstIndent = typeCode >= kTypeTitre && typeCode <= kTypeTexte;
  v.actionKind = linking;
  if (!linking) return v;
  const bool toTopic = action == kActionSaut || action == kActionPopup;
  v.target = toTopic;
  v.window = toTopic;
  v.jumpMark = toTopic && typeCode == kTypeJump;
  v.fileField = action == kActionSon || action == kActionExecute;
  v.fileBrowse = action == kActionSon;
  if (action == kActionSon) v.fileLabel = kSoundFileLabel;
  if (action == kActionExecute) v.fileLabel = kExecuteLabel;
  return v;
}

const std::vector<ParagraphField>& ParagraphFields() {
  static const std::vector<ParagraphField> fields = {
      ParagraphField::kAlignment,    ParagraphField::kFirstIndent, ParagraphField::kLeftMargin,
      ParagraphField::kRightMargin,  ParagraphField::kSpaceBefore, ParagraphField::kSpaceAfter,
      ParagraphField::kDefaultStyle, ParagraphField::kNonScroll,   ParagraphField::kVerticalBar,
      ParagraphField::kBox,          ParagraphField::kKeep,        ParagraphField::kRuleAbove,
      ParagraphField::kRuleBelow,    ParagraphField::kBorder};
  return fields;
}

void SubjectForm::SetFlag(uint16_t flag, bool on) {
  flags = static_cast<uint16_t>(on ? (flags | flag) : (flags & ~flag));
}

void SubjectForm::SetImageRight(bool on) {
  SetFlag(kFlagImageRight, on);
  if (on) SetFlag(kFlagImageInLine, true);
}

SubjectForm LoadSubjectForm(const CTypeEdit& subject) {
  SubjectForm form;
  form.typeCode = subject.typeCode;
  form.title = subject.title;
  form.text = subject.text;
  form.alignment = subject.alignment <= 2 ? subject.alignment : 0;
  form.firstIndent = FormatDecimal(subject.firstIndent);
  form.leftMargin = FormatDecimal(subject.leftMargin);
  form.rightMargin = FormatDecimal(subject.rightMargin);
  form.spaceBefore = FormatDecimal(subject.spaceBefore);
  form.spaceAfter = FormatDecimal(subject.spaceAfter);
  form.flags = subject.flags;
  form.useDefaultStyle = subject.useDefaultStyle != 0;
  form.border = subject.border <= 2 ? subject.border : 0;
  form.action = subject.action >= 0 && subject.action < kActionCount ? subject.action : 0;
  form.target = subject.target;
  form.windowName = subject.windowName;
  form.linkMark = subject.linkMark <= 2 ? subject.linkMark : 0;
  form.soundOrCommand = subject.soundOrCommand;
  form.style = subject.style;
  form.colour = subject.colour;
  return form;
}

bool StoreSubjectForm(const SubjectForm& form, CTypeEdit& subject, int textWidth, int textHeight) {
  const std::string* lengths[] = {&form.firstIndent, &form.leftMargin, &form.rightMargin,
                                  &form.spaceBefore, &form.spaceAfter};
  float values[5] = {};
  for (int i = 0; i < 5; ++i) {
    const NumberCheck check = CheckDecimal(*lengths[i], 0.0, kMaxParagraphLength);
    if (!check.value) {
      Messages().Message(check.message, kRangeCaption, MessageIcon::Error);
      return false;
    }
    values[i] = static_cast<float>(*check.value);
  }
  subject.title = form.title;
  subject.text = form.text;
  subject.alignment = static_cast<uint16_t>(form.alignment);
  subject.firstIndent = values[0];
  subject.leftMargin = values[1];
  subject.rightMargin = values[2];
  subject.spaceBefore = values[3];
  subject.spaceAfter = values[4];
  subject.flags = form.flags;
  subject.useDefaultStyle = form.useDefaultStyle ? 1 : 0;
  subject.border = static_cast<uint16_t>(form.border);
  subject.style = form.style;
  subject.SetColour(form.colour);
  if (subject.HasTarget()) {
    subject.action = form.action;
    subject.target = form.target;
    subject.windowName = form.windowName;
    subject.linkMark = static_cast<uint16_t>(form.linkMark);
    subject.soundOrCommand = form.soundOrCommand;
  }
  subject.editBox[2] = textWidth;
  subject.editBox[3] = textHeight;
  return true;
}

namespace {

std::vector<std::string> WithCurrent(std::vector<std::string> names, const std::string& current) {
  names.insert(names.begin(), "");
  if (!current.empty() && std::find(names.begin(), names.end(), current) == names.end()) {
    names.insert(names.begin() + 1, current);
  }
  return names;
}

}  // namespace

std::vector<std::string> TargetChoices(const CVeldorDoc& doc, const std::string& current) {
  std::vector<std::string> names;
  for (int i = 0; i < doc.topicCount(); ++i) names.push_back(doc.GetTopic(i)->name);
  return WithCurrent(names, current);
}

std::vector<std::string> WindowChoices(const CVeldorDoc& doc, const std::string& current) {
  std::vector<std::string> names;
  for (int i = 0; i < doc.windows.count(); ++i) names.push_back(doc.windows.GetAt(i)->name);
  return WithCurrent(names, current);
}

std::vector<std::string> JumpMarkChoices() {
  return {"*", "(blanc)", "%"};
}

std::vector<std::string> BorderChoices() {
  return {"simple", "épais", "double"};
}

std::vector<std::string> AlignmentChoices() {
  return {"gauche", "droite", "centré"};
}

int32_t FontHeightOfPoints(int pointSize) {
  return -static_cast<int32_t>(pointSize * 4.0 / 3.0 + 0.5);
}

bool ApplyChosenFont(const ChosenFont& font, CTypeFont& style) {
  if (font.faceName.empty()) {
    Messages().Message("Nom de Font non défini", "Style", MessageIcon::Error);
    return false;
  }
  style.SetFaceName(font.faceName);
  const int points = std::clamp(font.pointSize, 1, 1638);
  style.pointSize = static_cast<uint16_t>(points);
  style.height = FontHeightOfPoints(points);
  style.weight = font.bold ? 700 : 0;
  style.italic = font.italic ? 1 : 0;
  style.underline = font.underline ? 1 : 0;
  style.strikeOut = font.strikeOut ? 1 : 0;
  style.fontSet = 1;
  return true;
}

}  // namespace veldor
