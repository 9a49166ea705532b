#include "forest/layers/parcel_part.h"

#include "forest/codelists/species.h"
#include "forest/hierarchy/prop_fields.h"

namespace tarnik::plan {

TARNIK_DEFINE_CLASS(TCastParcely, TLesniPlosnyPrvek, &TCastParcely::Define)
TARNIK_DEFINE_CLASS(TCastParcelyMN, TLesniMnozina, nullptr)

int32_t SquareMetres(double hectares) {
  return static_cast<int32_t>(RoundHalfEven(hectares * 10000.0));
}

void TCastParcely::Define(std::vector<framework::TPropInfo>& out) {
  using P = TCastParcely;
  framework::TPropDefs<P> d(out);
  d.String("PAR_SKU_KN", TARNIK_FIELD(&P::par_sku_kn_));
  d.String("PAR_CIS", TARNIK_FIELD(&P::par_cis_));
  d.String("PAR_POD", TARNIK_FIELD(&P::par_pod_));
  d.String("PAR_DIL", TARNIK_FIELD(&P::par_dil_));
  d.Float("CP_P0r", TARNIK_FIELD(&P::cp_p0r_));
  d.String("CP_CAST", TARNIK_FIELD(&P::cp_cast_));
  d.Float("PAR_P0r", &P::Plocha0, &P::SetPlocha0);
  d.Float("PAR_Vr", &P::Vymera, &P::SetVymera);
  d.String("DRUH_POZ", TARNIK_FIELD(&P::druh_poz_));
  d.Integer(
      "CP_P0", [](P& p) { return SquareMetres(p.cp_p0r_); }, nullptr);
  d.Integer(
      "PAR_P0", [](P& p) { return SquareMetres(p.Plocha0()); }, nullptr);
  d.Integer(
      "PAR_V", [](P& p) { return SquareMetres(p.Vymera()); }, nullptr);
  DerivedFormsNotStored(out);
}

TCastParcelyMN::TCastParcelyMN() : TLesniMnozina(TCastParcely::StaticClass(), "CParc") {}

void TCastParcelyMN::NastavAktualniNaPrvniCast() {
  const auto parts = Prvky();
  if (parts.empty())
    AktualniPrvekVzdy();
  else
    SetAktualniPrvek(parts.front());
}

}  // namespace tarnik::plan
