// The kind filter of a layer: TFiltrDruhuObjektu keeps, per object type letter ("B", "L", "P",
// "T"), a list of integers; an object passes by the value of its property PropName (read as
// text through the object and its holder). An including filter (Exclude false) passes only
// objects whose value is listed, an excluding one every object except those; an object without a
// whole-number value is dropped by an including filter and kept by an excluding one; a type
// without a list passes every numeric value. The filter owns its lists.
#pragma once

#include <memory>
#include <string>

#include "framework/element.h"
#include "framework/values/integer_list.h"

namespace tarnik::framework {
class TStringListElement;
}

namespace tarnik::gis {

class TFiltrDruhuObjektu : public framework::TOwnerElement {
 public:
  TARNIK_ELEMENT_CLASS(TFiltrDruhuObjektu)
  TFiltrDruhuObjektu() = default;
  ~TFiltrDruhuObjektu() override;

  bool Exclude() const { return exclude_; }
  void SetExclude(bool v) { exclude_ = v; }
  const std::string& PropName() const { return prop_name_; }
  void SetPropName(const std::string& v) { prop_name_ = v; }

  // The list of one of the letters "B", "L", "P", "T" (created on first use); nil for others.
  framework::TIntegerListElement* List(char letter);
  // The list when it exists, nil otherwise.
  framework::TIntegerListElement* FindList(char letter) const;

  bool Passes(char letter, framework::TElement* element) const;

 private:
  static int Slot(char letter);
  bool exclude_ = false;
  std::string prop_name_;
  framework::TIntegerListElement* lists_[4] = {nullptr, nullptr, nullptr, nullptr};
};

// The filter of a layer of that type from its settings: the first entry whose name begins with
// "!" (keep the listed values) or "-" (drop them); its value read as a list of integers; the
// list goes to the letter of the type ("ARE" P, "PNT" B, "LIN" L, "TXT" T; other types, LINSYM
// among them, keep no list) and PropName is the entry's name without its first character,
// upper-cased. Nil without such an entry or without an integer in it; the caller owns the filter.
TFiltrDruhuObjektu* FilterFromSettings(const std::string& type,
                                       const framework::TStringListElement* settings);

}  // namespace tarnik::gis
