// TOddeleni: one compartment of the unit, holding its sub-compartments (and the deleted ones) in
// owned child sets; TOddeleniMN: the LHC's compartment set (prefix "ODD"). A compartment is
// keyed by its decimal number. DoplnPomlcky completes a freshly read compartment with the "-"
// sub-compartment and stands the export expects; VycistiNulyOchrany drops the zero protection
// codes of every areal element below.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forest/hierarchy/lesni_prvek.h"

namespace tarnik::plan {

class TDilec;
class TDilecMN;

class TOddeleni : public TLesniSlozenyPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TOddeleni)
  TOddeleni();

  int32_t ODD() const { return odd_; }
  // Stores the number and renames the element to the set's prefix + " " + the number.
  void SetODD(int32_t number);
  // Stores the number without renaming (for the set creating the compartment by key).
  void AdoptODD(int32_t number) { odd_ = number; }
  bool Ulozeno() const { return ulozeno_; }
  void SetUlozeno(bool v) { ulozeno_ = v; }
  int32_t OwnerLHC_KOD();
  std::string OwnerLHC_NAZ();

  // Sets; a failure while creating the sub-compartment set is reported and answers nil.
  TDilecMN* DilecMN();
  TDilecMN* SmazanyDilecMN();
  TDilec* Dilec();
  // The sub-compartment with the key, the selection left as it was; nil when there is none.
  TDilec* DilecJmenem(const std::string& key);

  void DoplnPomlcky();
  void VycistiNulyOchrany();
  // The organisational identifier of the first stand of the first sub-compartment.
  int32_t Id_z_Orgur();

  bool MaSmazany() override;

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);
  int32_t odd_ = 0;
  bool ulozeno_ = false;
  framework::TElementRef dilce_, smazane_dilce_;
};

class TOddeleniMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TOddeleniMN)
  TOddeleniMN();
  // Creating an element also gives it the number of its key.
  void SetNovyPrvek(const std::string& key) override;
  void SetNovyPrvekVzdy(const std::string& key) override;

 private:
  void AdoptKey(const std::string& key);
};

}  // namespace tarnik::plan
