#include "forest/hierarchy/lhc.h"

#include "forest/hierarchy/child_sets.h"
#include "forest/hierarchy/key_rules.h"
#include "forest/hierarchy/lcr_numbering.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/prop_fields.h"
#include "forest/option_flags.h"
#include "framework/int_text.h"
#include "platform/checked_math.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;
using L = TLHC;

// A stored text published under its name and, for the plan outline (LHO), a second name.
void TwoNames(TPropDefs<L>& d, const char* name, const char* other, std::string L::*field) {
  StoredString(d, name, field);
  StoredString(d, other, field);
}

// The "%.2f" text of a decimal and its write through the decimal-text rule.
void DecimalXml(TPropDefs<L>& d, const char* name, double L::*field) {
  d.String(
      name, [field](L& e) { return FixedDot(e.*field, 2); },
      [field](L& e, const std::string& v) {
        if (auto value = framework::ReadDecimalText(platform::Trim(v))) e.*field = *value;
      });
}

}  // namespace

void TLHC::DefineProperties(std::vector<TPropInfo>& out) {
  TPropDefs<L> d(out);
  StoredInteger(d, "LHC_KOD", &L::lhc_kod_);
  d.Integer("LHC_KOD_XML", &L::LHC_KOD_XML, &L::SetLHC_KOD);
  StoredInteger(d, "LHC_KOD_ID", &L::lhc_kod_id_);
  StoredString(d, "LHC_NAZ", &L::lhc_naz_);
  TwoNames(d, "LHP_OD", "LHO_OD", &L::lhp_od_);
  TwoNames(d, "LHP_DO", "LHO_DO", &L::lhp_do_);
  TwoNames(d, "LHP_TAX", "LHO_TAX", &L::lhp_tax_);
  TwoNames(d, "LHP_LIC", "LHO_LIC", &L::lhp_lic_);
  TwoNames(d, "LHP_Z_OD", "LHO_Z_OD", &L::lhp_z_od_);
  TwoNames(d, "LHP_Z_DO", "LHO_Z_DO", &L::lhp_z_do_);
  TwoNames(d, "LHP_Z_TAX", "LHO_Z_TAX", &L::lhp_z_tax_);
  TwoNames(d, "LHP_Z_LIC", "LHO_Z_LIC", &L::lhp_z_lic_);
  d.String(
      "UHUL_KOD", [](L& e) { return e.uhul_kod_.empty() ? std::string("0") : e.uhul_kod_; },
      [](L& e, const std::string& v) { e.uhul_kod_ = v; });
  StoredString(d, "PUVOD_DAT", &L::puvod_dat_);
  StoredInteger(d, "ETAT", &L::etat_);
  StoredInteger(d, "ETAT_TO", &L::etat_to_);
  StoredInteger(d, "ETAT_TV", &L::etat_tv_);
  StoredInteger(d, "ETAT_TVYB", &L::etat_tvyb_);
  d.Integer("ETAT_TO_XML", &L::ETAT_TO_XML, [](L& e, int32_t v) { e.etat_to_ = v; });
  d.Integer("ETAT_TV_XML", &L::ETAT_TV_XML, [](L& e, int32_t v) { e.etat_tv_ = v; });
  StoredInteger(d, "TEZ_PROC", &L::tez_proc_);
  StoredInteger(d, "NOR_PAS", &L::nor_pas_);
  StoredInteger(d, "LHC_PN_PRO", &L::lhc_pn_pro_);
  StoredInteger(d, "LHC_IND", &L::lhc_ind_);
  StoredInteger(d, "LHC_IND_TV", &L::lhc_ind_tv_);
  StoredInteger(d, "LHC_IND_TO", &L::lhc_ind_to_);
  StoredInteger(d, "LHC_MAX", &L::lhc_max_);
  StoredInteger(d, "LHP_NEZDAR", &L::lhp_nezdar_);
  StoredInteger(d, "LHO_NEZDAR", &L::lhp_nezdar_);
  StoredFloat(d, "MVYCH_DO40", &L::mvych_do40_);
  StoredFloat(d, "VYCH_DO40", &L::vych_do40_);
  DecimalXml(d, "MVYCH_DO40_XML", &L::mvych_do40_);
  DecimalXml(d, "VYCH_DO40_XML", &L::vych_do40_);
  StoredString(d, "KU_DATUM", &L::ku_datum_);
  d.String("LHO", &L::LHO, &L::SetLHO);
  StoredBoolean(d, "VypMzdDleZezuly1", &L::vyp_mzd_dle_zezuly1_);
  StoredBoolean(d, "MzdNezavisleNaHS", &L::mzd_nezavisle_na_hs_);
  StoredBoolean(d, "ExportProLCR", &L::export_pro_lcr_);
  StoredBoolean(d, "VerzeProPark1", &L::verze_pro_park1_);
  d.Object(
      "OddeleniMN", TOddeleniMN::StaticClass(), [](L& e) -> TElement* { return e.OddeleniMN(); },
      nullptr);
  d.Object(
      "Oddeleni", TOddeleni::StaticClass(), [](L& e) -> TElement* { return e.Oddeleni(); },
      nullptr);
  DerivedFormsNotStored(out);
}

TARNIK_DEFINE_CLASS(TLHC, TLesniSlozenyPrvek, &TLHC::DefineProperties)

int32_t TLHC::LHC_KOD_XML() const { return LhcKodProXml(lhc_kod_, export_pro_lcr_); }

// The stored totals may hold any value: the differences are taken wide and kept in range.
int32_t TLHC::ETAT_TO_XML() const {
  if (!forest::Flags().sniz_etat) return etat_to_;
  return platform::ClampToInt32(int64_t{etat_to_} - (int64_t{lhc_ind_} - lhc_ind_tv_));
}

int32_t TLHC::ETAT_TV_XML() const {
  if (!forest::Flags().sniz_etat) return etat_tv_;
  return platform::ClampToInt32(int64_t{etat_tv_} - lhc_ind_tv_);
}

void TLHC::SetLHO(const std::string& text) {
  lho_ = platform::UpperCz(platform::RemoveBlanks(text)) == "A" ? "A" : "N";
}

TOddeleniMN* TLHC::OddeleniMN() {
  const bool existed = oddeleni_.Get() != nullptr;
  auto* set = ChildSet<TOddeleniMN>(*this, oddeleni_, "OddeleniMN");
  if (set && !existed) set->SetNechavatJenJedenPrvek(true);
  return set;
}

TOddeleni* TLHC::Oddeleni() {
  TOddeleniMN* set = OddeleniMN();
  return set ? dynamic_cast<TOddeleni*>(set->AktualniPrvek()) : nullptr;
}

}  // namespace tarnik::plan
