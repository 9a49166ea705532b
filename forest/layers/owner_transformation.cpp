#include "forest/layers/owner_transformation.h"

#include <map>
#include <vector>

#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {

TARNIK_DEFINE_CLASS(TTransforDleMajitele, TObecnyLesniPrvek, &TTransforDleMajitele::Define)
TARNIK_DEFINE_CLASS(TTransforDleMajiteleMN, TLesniMnozina, nullptr)

void TTransforDleMajitele::Define(std::vector<framework::TPropInfo>& out) {
  using P = TTransforDleMajitele;
  framework::TPropDefs<P> d(out);
  d.Integer("ODD", TARNIK_FIELD(&P::odd));
  d.String("DIL", TARNIK_FIELD(&P::dil));
  d.String("POR", TARNIK_FIELD(&P::por));
  d.Integer("MAJ_KOD", TARNIK_FIELD(&P::maj_kod));
  d.Integer("MAJ_DRUH", TARNIK_FIELD(&P::maj_druh));
}

TTransforDleMajiteleMN::TTransforDleMajiteleMN()
    : TLesniMnozina(TTransforDleMajitele::StaticClass(), "TRANSF") {}

namespace {

template <class T>
std::vector<T*> ElementsOf(TLesniMnozina* set) {
  std::vector<T*> out;
  if (!set) return out;
  for (framework::TElement* element : set->Prvky())
    if (auto* typed = dynamic_cast<T*>(element)) out.push_back(typed);
  return out;
}

bool ApplyRows(TOddeleni& compartment, const TTransforDleMajiteleMN& rows) {
  // The rows of this compartment, grouped by sub-compartment in the order they come.
  std::vector<TDilec*> order;
  std::map<TDilec*, std::vector<TTransforDleMajitele*>> by_dilec;
  for (framework::TElement* element : rows.Prvky()) {
    auto* row = static_cast<TTransforDleMajitele*>(element);
    if (row->odd != compartment.ODD()) continue;
    TDilec* dilec = compartment.DilecJmenem(row->dil);
    if (!dilec) {
      platform::ui().ShowMessage("V oddělení " + std::to_string(compartment.ODD()) +
                                     "neexistuje dílec \"" + row->dil + "\"",
                                 platform::Severity::kPassedOver);
      return false;
    }
    if (!by_dilec.count(dilec)) order.push_back(dilec);
    by_dilec[dilec].push_back(row);
  }
  for (TDilec* dilec : order) {
    for (TTransforDleMajitele* row : by_dilec[dilec]) {
      if (platform::Trim(row->por).empty()) continue;
      TPorost* stand = dilec->PorostJmenem(row->por);
      if (!stand) {
        platform::ui().ShowMessage("V dílci " + dilec->GetPropertyText("CeleOznaceni") +
                                       " chybí porost \"" + row->por + "\"",
                                   platform::Severity::kPassedOver);
        continue;
      }
      stand->SetMAJ_KOD(row->maj_kod);
      stand->SetMAJ_DRUH(row->maj_druh);
    }
    const auto stands = ElementsOf<TPorost>(dilec->PorostMN());
    if (!stands.empty()) dilec->PorostMN()->SetAktualniPrvek(stands.front());
  }
  return true;
}

}  // namespace

bool TransformujDleMajitele(TOddeleni& compartment, const TTransforDleMajiteleMN& rows,
                            const ManagerLookup& manager) {
  const bool ok = ApplyRows(compartment, rows);
  for (TDilec* dilec : ElementsOf<TDilec>(compartment.DilecMN())) {
    for (TPorost* stand : ElementsOf<TPorost>(dilec->PorostMN())) {
      const std::optional<std::string> code =
          manager ? manager(*stand) : std::optional<std::string>();
      if (!code) {
        platform::ui().ShowMessage("číselník chybí", platform::Severity::kPassedOver);
        continue;
      }
      if (!platform::Trim(*code).empty()) stand->SetPropertyText("OLH_98n", *code);
    }
  }
  return ok;
}

}  // namespace tarnik::plan
