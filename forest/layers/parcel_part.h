// A parcel part of an areal element (TCastParcely, set TCastParcelyMN, prefix "CParc"): the
// land-register parcel, its part and their areas in hectares, with the square-metre forms the
// XML states. Owned by the areal element's set.
#pragma once

#include <cstdint>
#include <string>

#include "forest/hierarchy/plosny_prvek.h"
#include "forest/layers/layer_base.h"

namespace tarnik::plan {

class TCastParcely : public TLesniPlosnyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TCastParcely)
  static void Define(std::vector<framework::TPropInfo>& out);
  double CP_P0r() const { return cp_p0r_; }
  void SetCP_P0r(double area) { cp_p0r_ = area; }

 private:
  std::string par_sku_kn_, par_cis_, par_pod_, par_dil_, cp_cast_, druh_poz_;
  double cp_p0r_ = 0;
};

class TCastParcelyMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TCastParcelyMN)
  TCastParcelyMN();
  // Makes the first part current, creating the part "Vzdy" in an empty set.
  void NastavAktualniNaPrvniCast();
};

// Hectares as whole square metres, rounded half to even.
int32_t SquareMetres(double hectares);

}  // namespace tarnik::plan
