// Sample model classes for the forest element tests: a compartment-like element with a few
// published properties and its set with the prefix "ODD".
#pragma once

#include <stdexcept>
#include <string>

#include "forest/forest_set.h"

namespace tarnik::plan::testing {

class TVzorek : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TVzorek)
  int32_t cislo = 0;
  double plocha = 0;
  std::string text;
  std::string xml;
  bool smazany = false;
  bool odmitat_zapis = false;
  bool MaSmazany() override { return smazany; }
};

class TVzorekMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TVzorekMN)
  TVzorekMN() : TLesniMnozina(TVzorek::StaticClass(), "ODD") {}
};

// A holder that is no forest element.
class TCizi : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TCizi)
};

TVzorek* NewVzorek(const std::string& name, int32_t cislo = 0, const std::string& text = "");
void RegisterTestClasses();

}  // namespace tarnik::plan::testing
