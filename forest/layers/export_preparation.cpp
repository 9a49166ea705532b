#include "forest/layers/export_preparation.h"

#include <map>

#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/land.h"
#include "forest/layers/layer.h"
#include "forest/layers/parcel_part.h"
#include "forest/layers/statuses.h"
#include "forest/option_flags.h"

namespace tarnik::plan {
namespace {

template <class T>
std::vector<T*> ElementsOf(TLesniMnozina* set) {
  std::vector<T*> out;
  if (!set) return out;
  for (framework::TElement* element : set->Prvky())
    if (auto* typed = dynamic_cast<T*>(element)) out.push_back(typed);
  return out;
}

std::vector<TDilec*> Dilce(TOddeleni& compartment) {
  return ElementsOf<TDilec>(compartment.DilecMN());
}

std::vector<TPorost*> Porosty(TOddeleni& compartment) {
  std::vector<TPorost*> stands;
  for (TDilec* dilec : Dilce(compartment))
    for (TPorost* stand : ElementsOf<TPorost>(dilec->PorostMN())) stands.push_back(stand);
  return stands;
}

std::vector<TEtaz*> Etaze(TOddeleni& compartment) {
  std::vector<TEtaz*> layers;
  for (TPorost* stand : Porosty(compartment))
    for (auto* group : ElementsOf<TPorostniSkupina>(stand->PorostniSkupinaMN()))
      for (TEtaz* layer : ElementsOf<TEtaz>(group->EtazMN())) layers.push_back(layer);
  return layers;
}

}  // namespace

void NastavAktualniCastiParcel(TOddeleni& compartment) {
  for (TPorost* stand : Porosty(compartment)) {
    for (auto* group : ElementsOf<TPorostniSkupina>(stand->PorostniSkupinaMN()))
      if (auto* parts = dynamic_cast<TCastParcelyMN*>(group->CastParcelyMN()))
        parts->NastavAktualniNaPrvniCast();
    for (TLesniMnozina* plots : {stand->BezlesiMN(), stand->JinyPozemekMN()})
      for (auto* plot : ElementsOf<TLesniPlosnyNeporostniPrvek>(plots))
        plot->CastParcelyMN()->NastavAktualniNaPrvniCast();
  }
}

void SlucStejnePlochy(TOddeleni& compartment) {
  for (TPorost* stand : Porosty(compartment))
    for (TLesniMnozina* plots : {stand->BezlesiMN(), stand->JinyPozemekMN(), stand->OstatniMN()})
      if (plots) SlucStejnePlochy(*plots);
}

void DoplnKategorii10(TOddeleni& compartment) {
  for (TPorost* stand : Porosty(compartment))
    if (auto* categories = dynamic_cast<TKategorie1MN*>(stand->Kategorie1MN()))
      categories->DoplnKategorii10();
}

void OdstranPrazdnaZalesneni(TOddeleni& compartment) {
  for (TEtaz* layer : Etaze(compartment)) layer->ZalesneniMN()->OdstranPrazdna();
}

void OdstranNeexportovaneZvlSt(TOddeleni& compartment) {
  if (!forest::Flags().smaz_zvl_st) return;
  for (TPorost* stand : Porosty(compartment))
    if (auto* statuses = dynamic_cast<TZvlStMN*>(stand->ZvlStMN()))
      statuses->OdstranNeexportovane();
}

void OdstranPrazdnePorosty(TOddeleni& compartment) {
  const auto count = [](TLesniMnozina* set) { return set ? set->PocetPrvku() : 0; };
  for (TDilec* dilec : Dilce(compartment)) {
    TLesniMnozina* stands = dilec->PorostMN();
    for (TPorost* stand : ElementsOf<TPorost>(stands)) {
      if (count(stand->PorostniSkupinaMN()) > 0 || count(stand->BezlesiMN()) > 0 ||
          count(stand->JinyPozemekMN()) > 0)
        continue;
      if (TLesniMnozina* other = stand->OstatniMN()) other->UvolniVse();
      stands->FreeElement(stand);
    }
    if (count(stands) == 0) compartment.DilecMN()->FreeElement(dilec);
  }
}

std::vector<MzdKey> KliceMZDPodleHS(TOddeleni& compartment) {
  std::map<std::string, MzdKey> by_key;
  for (TEtaz* layer : Etaze(compartment)) {
    const int32_t hs = layer->GetPropertyInteger("HS");
    const std::string lt = TextProperty(layer->Skupina(), "LT");
    by_key.emplace(MzdListKey(hs, lt), MzdKey{hs, lt});
  }
  std::vector<MzdKey> keys;
  for (const auto& [key, value] : by_key) keys.push_back(value);
  return keys;
}

}  // namespace tarnik::plan
