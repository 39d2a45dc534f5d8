#include "model/global_texte.h"

#include "model/archive.h"

namespace veldor {

CGlobalTexte& CGlobalTexte::operator=(const CGlobalTexte& other) {
  if (&other == this) return *this;
  text = other.text;
  action = other.action;
  soundOrCommand = other.soundOrCommand;
  target = other.target;
  windowName = other.windowName;
  caseSensitive = other.caseSensitive;
  keepColour = other.keepColour;
  reservedLong = 0;
  reservedWord1 = 0;
  reservedWord2 = 0;
  return *this;
}

void CGlobalTexte::Serialize(CArchive& ar) {
  ar.String(text);
  ar.WordOf32(action);
  ar.String(soundOrCommand);
  ar.String(target);
  ar.String(windowName);
  ar.WordOf32(caseSensitive);
  ar.String(reservedText1);
  ar.String(reservedText2);
  ar.Word(reservedWord1);
  ar.Word(reservedWord2);
  ar.WordOf32(keepColour);
  ar.WordOf32(reservedLong);
}

void CGestGlobal::Serialize(CArchive& ar) {
  SerializeRecords(ar, "textes globaux", "entrées");
}

}  // namespace veldor
