// One call per dialog that the editor opens. Each works on the document or
// settings it is given, changes them only when the dialog is confirmed, and
// says whether it did.
#pragma once

#include <optional>

class QWidget;

namespace veldor {

class CTopic;
class CTypeEdit;
class CVeldorDoc;

// "Rattachement groupe" on `topic` (one of the project's, or a new empty
// topic that the caller adds when this returns true).
bool EditTopicDialog(QWidget* parent, CVeldorDoc& doc, CTopic& topic);
// "Choix du type de sujet": the chosen type code 0 to 5, or none.
std::optional<int> ChooseSubjectTypeDialog(QWidget* parent);
// "Sujet :" on `subject` (of the project, or new from CreateSubject).
bool EditSubjectDialog(QWidget* parent, const CVeldorDoc& doc, CTypeEdit& subject);
// "Echange de sujets": true when subjects were copied (the project is then
// marked modified and the topic editor reloads its subjects).
bool ExchangeSubjectsDialog(QWidget* parent, CVeldorDoc& doc);

}  // namespace veldor
