// TLesniPlosnyPrvek: an element of the plan that has an area and lies in one cadastral area (the
// stand group here; the non-forest plots and parcel parts of the other model part derive from
// it). It keeps the measured, official and stored areas, the cadastral area, the combined office
// code, the site and protection codes, and owns the sets of owners' parcel numbers and of the
// multi-valued protection codes (created on first access, by class name). Reads never throw;
// code-list names answer the code-list markers when a code or list is missing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forest/hierarchy/lesni_prvek.h"

namespace tarnik::plan {

class TLesniPlosnyPrvek : public TLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TLesniPlosnyPrvek)

  // Areas (ha).
  double StaraPlocha() const { return stara_plocha_; }
  void SetStaraPlocha(double v) { stara_plocha_ = v; }
  double Plocha0() const { return plocha0_; }
  void SetPlocha0(double v) { plocha0_ = v; }
  double Vymera() const { return vymera_; }
  void SetVymera(double v) { vymera_ = v; }
  // Vymera when PouzivatPlochuJakoVymeru, else the stored area; rounded to 0.01 (RoundArea).
  double Plocha() const;
  void SetPlocha(double v) { plocha_ = v; }
  // The stored area as it is (Vymera when PouzivatPlochuJakoVymeru), not rounded.
  double StoredArea() const { return pouzivat_plochu_jako_vymeru_ ? vymera_ : plocha_; }
  bool PouzivatPlochuJakoVymeru() const { return pouzivat_plochu_jako_vymeru_; }
  void SetPouzivatPlochuJakoVymeru(bool v) { pouzivat_plochu_jako_vymeru_ = v; }
  // The area-quality rule: StaraPlocha := Plocha; the stored area := Plocha0 (KVAL_P > 1,
  // unsigned) or Vymera, rounded as Plocha.
  void PouzijKvalituPlochy();

  int32_t KVAL_P() const { return kval_p_; }
  void SetKVAL_P(int32_t v) { kval_p_ = v; }
  int32_t KU_KOD() const { return ku_kod_; }
  void SetKU_KOD(int32_t v) { ku_kod_ = v; }
  std::string KU_KOD_xml() const;
  void SetKU_KOD_xml(const std::string& text);

  // Combined office code.
  int32_t LLES_URAD() const { return lles_urad_; }
  void SetLLES_URAD(int32_t v) { lles_urad_ = v; }
  int32_t LES_URAD() const;
  void SetLES_URAD(int32_t v);
  void SetORP(int32_t v);
  void SetLES_URAD_Z_KU_KOD(int32_t v) { lles_urad_ = v / 100000; }
  void SetNactiORPzKU(int32_t cadastral_code);
  void SetNactiORPzKU6(const std::string& cadastral_code);
  std::string KRAJ();
  std::string NazevKatastru();
  std::string LES_URAD_Nazev();
  std::string LES_URAD_NazevBezCisla();

  // Site.
  const std::string& LT() const { return lt_; }
  void SetLT(const std::string& v);
  std::string SLT() const;
  void SetSLT(const std::string& v) { slt_ = v; }
  const std::string& PLT() const { return plt_; }
  void SetPLT(const std::string& v) { plt_ = v; }
  int32_t LVS() const { return lvs_; }
  void SetLVS(int32_t v) { lvs_ = v; }
  // LVS when non-zero, else the dominant zone of the stand above, else of the compartment.
  int32_t LVS_XML();
  int32_t SCHU_KOD() const { return schu_kod_; }
  void SetSCHU_KOD(int32_t v) { schu_kod_ = v; }

  // The sets of an areal element (nil while their classes are not registered).
  TLesniMnozina* Nasobny_VlastnikMN();
  TLesniMnozina* EVL_KODmn();
  TLesniMnozina* NPP_KODmn();
  TLesniMnozina* NPR_KODmn();
  // Frees the multi-valued protection codes whose value (CISLO_LongInt) is 0.
  void VycistiNulyOchrany();

  // A code's name from a code list of the unit ("Kod" -> "POPIS").
  std::string NazevKodu(const std::string& list, int32_t code);

 protected:
  // Fields shared with the descendants' own property tables.
  double stara_plocha_ = 0, plocha0_ = 0, vymera_ = 0, plocha_ = 0;
  double plocha_p0110_ = 0, vymera_p0110_ = 0;
  int32_t kval_p_ = 0, pot_vlast_ = 0, lles_urad_ = 0, ku_kod_ = 0;
  std::string skupparc_, zona1_, lt_, slt_, plt_, mng_rezim_;
  int32_t po_kod_ = 0, chko_kod_ = 0, chko_z_kod_ = 0, np_kod_ = 0, np_z_kod_ = 0, pp_kod_ = 0,
          pr_kod_ = 0, schu_kod_ = 0, lvs_ = 0;
  bool pouzivat_plochu_jako_vymeru_ = false;

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);
  framework::TElementRef nasobny_vlastnik_, evl_, npp_, npr_;
};

}  // namespace tarnik::plan
