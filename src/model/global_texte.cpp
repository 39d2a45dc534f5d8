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

int CGestGlobal::Add(const CGlobalTexte& record) {
  if (count() >= kCapacity) return 0;
  records_.push_back(record);
  return 1;
}

CGlobalTexte CGestGlobal::Get(int i) const {
  if (i < 0 || i >= count()) return CGlobalTexte();
  return records_[static_cast<size_t>(i)];
}

CGlobalTexte* CGestGlobal::GetAt(int i) {
  return i >= 0 && i < count() ? &records_[static_cast<size_t>(i)] : nullptr;
}

const CGlobalTexte* CGestGlobal::GetAt(int i) const {
  return i >= 0 && i < count() ? &records_[static_cast<size_t>(i)] : nullptr;
}

int CGestGlobal::Set(int i, const CGlobalTexte& record) {
  if (i < 0 || i >= count()) return 0;
  records_[static_cast<size_t>(i)] = record;
  return 1;
}

int CGestGlobal::Remove(int i) {
  if (i < 0 || i >= count()) return 0;
  records_.erase(records_.begin() + i);
  return 1;
}

void CGestGlobal::CopyFrom(const CGestGlobal& other) {
  if (&other != this) records_ = other.records_;
}

void CGestGlobal::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.PutWord(static_cast<uint16_t>(records_.size()));
    for (CGlobalTexte& record : records_) record.Serialize(ar);
    return;
  }
  const uint16_t n = ar.GetWord();
  if (n > kCapacity) {
    ar.Fail("la table des textes globaux annonce " + std::to_string(n) + " entrées, " +
            std::to_string(kCapacity) + " au plus sont possibles");
  }
  records_.clear();
  records_.resize(n);
  for (CGlobalTexte& record : records_) record.Serialize(ar);
}

}  // namespace veldor
