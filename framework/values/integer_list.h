// TIntegerListElement: an entity of TIntegerElement children, optionally kept sorted (with or
// without duplicates). The list owns its values by the owner protocol.
#pragma once

#include <cstdint>
#include <string>

#include "framework/entity.h"

namespace tarnik::framework {

class TIntegerListElement : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TIntegerListElement)

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted) { sorted_ = sorted; }
  bool Duplicates() const { return duplicates_; }
  void SetDuplicates(bool allowed) { duplicates_ = allowed; }

  // Unsorted: appends. Sorted: skips a value already present unless duplicates are allowed,
  // then inserts before the first greater value (appends when none is greater).
  void AddValue(int32_t value);
  // Adds every ","-separated part that is wholly an integer; other parts are skipped.
  void AddValuesFromText(const std::string& text);
  // The index-th child's AsInteger (0 for a child that is not a typed value); an index outside
  // 0..Count-1 raises EListError.
  int32_t ValueAt(int index) const;

 private:
  bool sorted_ = false;
  bool duplicates_ = false;
};

}  // namespace tarnik::framework
