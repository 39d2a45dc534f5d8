// A table of at most `Capacity` records, as the project holds its global
// strings and its help windows. Positions outside the table are refused:
// Add (when full), Set and Remove give 0, Get a default record, GetAt
// nullptr. Set and CopyFrom copy records by their copy assignment, which
// leaves out what a record does not copy (its reserved numbers).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veldor {

template <typename Record, int Capacity>
class RecordTable {
 public:
  static constexpr int kCapacity = Capacity;

  int count() const { return static_cast<int>(records_.size()); }
  int Add(const Record& record) {
    if (count() >= kCapacity) return 0;
    records_.push_back(record);
    return 1;
  }
  Record Get(int i) const { return Contains(i) ? records_[static_cast<size_t>(i)] : Record(); }
  Record* GetAt(int i) { return Contains(i) ? &records_[static_cast<size_t>(i)] : nullptr; }
  const Record* GetAt(int i) const {
    return Contains(i) ? &records_[static_cast<size_t>(i)] : nullptr;
  }
  int Set(int i, const Record& record) {
    if (!Contains(i)) return 0;
    records_[static_cast<size_t>(i)] = record;
    return 1;
  }
  int Remove(int i) {
    if (!Contains(i)) return 0;
    records_.erase(records_.begin() + i);
    return 1;
  }
  void CopyFrom(const RecordTable& other) {
    if (&other != this) records_ = other.records_;
  }
  void Clear() { records_.clear(); }

 protected:
  bool Contains(int i) const { return i >= 0 && i < count(); }

  // Stores or loads the table: a word with the count, then the records. A
  // count above the capacity fails the archive with "la table des
  // <tableName> annonce N <unit>, <Capacity> au plus sont possibles".
  template <typename Archive>
  void SerializeRecords(Archive& ar, const char* tableName, const char* unit) {
    if (ar.IsStoring()) {
      ar.PutWord(static_cast<uint16_t>(records_.size()));
      for (Record& record : records_) record.Serialize(ar);
      return;
    }
    const uint16_t n = ar.GetWord();
    if (n > kCapacity) {
      ar.Fail(std::string("la table des ") + tableName + " annonce " + std::to_string(n) + " " +
              unit + ", " + std::to_string(kCapacity) + " au plus sont possibles");
    }
    records_.clear();
    records_.resize(n);
    for (Record& record : records_) record.Serialize(ar);
  }

  std::vector<Record> records_;
};

}  // namespace veldor
