// A damage of a species (TPoskozeni, ISLH element POS) and the damage set of a species
// (TPoskozeniMN, prefix "POSK"). A damage is keyed by its kind POSKOZ_D (decimal); its extent is
// stored in tenths of the XML unit. Held by the species' sets; freed with them.
#pragma once

#include <cstdint>
#include <string>

#include "forest/layers/layer_base.h"

namespace tarnik::plan {

class TPoskozeni : public TLayerElementBase {
 public:
  TARNIK_ELEMENT_CLASS(TPoskozeni)
  TPoskozeni();
  static void Define(std::vector<framework::TPropInfo>& out);

  int32_t POSKOZ_D() const { return poskoz_d_; }
  // Stores the kind and renames the element "POSK <kind>".
  void SetPOSKOZ_D(int32_t kind);
  int32_t POSKOZ_R() const { return poskoz_r_; }
  void SetPOSKOZ_R(int32_t extent) { poskoz_r_ = extent; }
  // The extent in XML units: POSKOZ_R / 10 rounded, at least 1.
  int32_t POSKOZ_R10() const;
  std::string CeleOznaceni();

 private:
  int32_t poskoz_d_ = 0;
  int32_t poskoz_r_ = 0;
  int32_t poskoz_st_ = 0;
  std::string slovne_;
  std::string ciselne_;
};

class TPoskozeniMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TPoskozeniMN)
  TPoskozeniMN();
};

}  // namespace tarnik::plan
