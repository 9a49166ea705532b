#include "forest/hierarchy/oddeleni.h"

#include <exception>

#include "forest/hierarchy/child_sets.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/plosny_prvek.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/hierarchy/prop_fields.h"
#include "framework/int_text.h"
#include "platform/checked_math.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;
using O = TOddeleni;

}  // namespace

void TOddeleni::DefineProperties(std::vector<TPropInfo>& out) {
  TPropDefs<O> d(out);
  d.Integer("ODD", &O::ODD, &O::SetODD);
  d.Integer("ODD_ID", &O::RId, &O::SetRId);
  StoredBoolean(d, "Ulozeno", &O::ulozeno_);
  d.Integer("OwnerLHC_KOD", &O::OwnerLHC_KOD, nullptr);
  d.String("OwnerLHC_NAZ", &O::OwnerLHC_NAZ, nullptr);
  d.Object(
      "DilecMN", TDilecMN::StaticClass(), [](O& e) -> TElement* { return e.DilecMN(); }, nullptr);
  d.Object(
      "SmazanyDilecMN", TDilecMN::StaticClass(),
      [](O& e) -> TElement* { return e.SmazanyDilecMN(); }, nullptr);
  d.Object(
      "Dilec", TDilec::StaticClass(), [](O& e) -> TElement* { return e.Dilec(); }, nullptr);
}

TARNIK_DEFINE_CLASS(TOddeleni, TLesniSlozenyPrvek, &TOddeleni::DefineProperties)

TOddeleni::TOddeleni() { SetPuvodni_oznaceni("-1"); }

void TOddeleni::SetODD(int32_t number) {
  odd_ = number;
  if (TLesniMnozina* set = HoldingSet(*this)) SetName(set->NameForKey(std::to_string(number)));
}

int32_t TOddeleni::OwnerLHC_KOD() {
  auto* lhc = VlastnikTridy<TLHC>();
  return lhc ? lhc->LHC_KOD() : 0;
}

std::string TOddeleni::OwnerLHC_NAZ() {
  auto* lhc = VlastnikTridy<TLHC>();
  return lhc ? lhc->LHC_NAZ() : std::string();
}

TDilecMN* TOddeleni::DilecMN() {
  int step = 1;
  try {
    if (auto* existing = dilce_.As<TDilecMN>()) return existing;
    step = 2;
    TDilecMN* set = ChildSet<TDilecMN>(*this, dilce_, "DilecMN");
    step = 3;
    return set;
  } catch (const std::exception&) {
    platform::ui().ShowMessage("Chyba v dílecMN \"" + std::to_string(step) + "\"",
                               platform::Severity::kFailure);
    return nullptr;
  }
}

TDilecMN* TOddeleni::SmazanyDilecMN() {
  return ChildSet<TDilecMN>(*this, smazane_dilce_, "SmazanyDilecMN");
}

TDilec* TOddeleni::Dilec() {
  TDilecMN* set = DilecMN();
  return set ? dynamic_cast<TDilec*>(set->AktualniPrvek()) : nullptr;
}

TDilec* TOddeleni::DilecJmenem(const std::string& key) {
  TDilecMN* set = DilecMN();
  if (!set) return nullptr;
  framework::TElementRef previous = set->AktualniPrvek();
  const std::string previous_old_key = set->JmenoStarehoPrvku();
  set->SetJmenoAktualnihoPrvku(key);
  auto* found = dynamic_cast<TDilec*>(set->AktualniPrvek());
  set->SetAktualniPrvek(previous.Get());
  set->SetJmenoStarehoPrvku(previous_old_key);
  return found;
}

void TOddeleni::DoplnPomlcky() {
  TDilecMN* dilce = DilecMN();
  if (!dilce) return;
  if (dilce->PocetPrvku() == 0) {
    dilce->SetNovyPrvek("-");
    auto* dilec = dynamic_cast<TDilec*>(dilce->AktualniPrvek());
    if (!dilec) return;
    dilec->SetDIL("-");
    if (TPorostMN* porosty = dilec->PorostMN()) {
      porosty->SetNovyPrvek("-");
      if (auto* porost = dynamic_cast<TPorost*>(porosty->AktualniPrvek())) porost->SetPOR("-");
    }
    return;
  }
  const std::vector<TElement*> elements = dilce->Prvky();
  dilce->SetAktualniPrvek(elements.front());
  for (TElement* element : elements) {
    auto* dilec = dynamic_cast<TDilec*>(element);
    if (!dilec) continue;
    TPorostMN* porosty = dilec->PorostMN();
    if (!porosty) continue;
    if (porosty->PocetPrvku() == 0) {
      porosty->SetNovyPrvek("-");
      if (auto* porost = dynamic_cast<TPorost*>(porosty->AktualniPrvek())) porost->SetPOR("-");
      continue;
    }
    const std::vector<TElement*> stands = porosty->Prvky();
    porosty->SetAktualniPrvek(stands.front());
    for (TElement* s : stands) {
      auto* porost = dynamic_cast<TPorost*>(s);
      if (!porost) continue;
      TPorostniSkupinaMN* skupiny = porost->PorostniSkupinaMN();
      if (skupiny && skupiny->PocetPrvku() > 0) skupiny->SetAktualniPrvek(skupiny->Prvky().front());
    }
  }
}

void TOddeleni::VycistiNulyOchrany() {
  std::vector<TElement*> areal;
  CollectBelow(*this, {"TLesniPlosnyPrvek"}, areal);
  for (TElement* element : areal) {
    if (auto* plot = dynamic_cast<TLesniPlosnyPrvek*>(element)) plot->VycistiNulyOchrany();
  }
}

int32_t TOddeleni::Id_z_Orgur() {
  TDilecMN* dilce = DilecMN();
  if (!dilce || dilce->PocetPrvku() == 0) return 0;
  auto* dilec = dynamic_cast<TDilec*>(dilce->Prvky().front());
  TPorostMN* porosty = dilec ? dilec->PorostMN() : nullptr;
  if (!porosty || porosty->PocetPrvku() == 0) return 0;
  auto* porost = dynamic_cast<TPorost*>(porosty->Prvky().front());
  if (!porost) return 0;
  TLesniMnozina* levels = porost->Org_UrovenMN();
  const std::vector<TElement*> items = levels ? levels->Prvky() : std::vector<TElement*>();
  auto level = [&](size_t i) -> int32_t {
    return i < items.size() ? framework::ReadIntegerPrefix(items[i]->GetPropertyText("ORG_UROVEN"))
                            : 0;
  };
  auto* lhc = VlastnikTridy<TLHC>();
  if (lhc && lhc->PUVOD_DAT() == "LHP 160") return level(0);
  // Stored levels may be any integers: the code is taken wide and kept in range.
  return platform::ClampToInt32(int64_t{level(0)} * 1000000 + int64_t{level(1)} * 1000 + level(2));
}

bool TOddeleni::MaSmazany() {
  if (TLesniPrvek::MaSmazany()) return true;
  auto* deleted =
      static_cast<TDilecMN*>(ExistingChildSet(*this, smazane_dilce_, "TDilecMN", "SmazanyDilecMN"));
  return deleted && deleted->PocetPrvku() > 0;
}

TARNIK_DEFINE_CLASS(TOddeleniMN, TLesniMnozina, nullptr)

TOddeleniMN::TOddeleniMN() : TLesniMnozina(TOddeleni::StaticClass(), "ODD") {}

void TOddeleniMN::SetNovyPrvek(const std::string& key) {
  TLesniMnozina::SetNovyPrvek(key);
  AdoptKey(key);
}

void TOddeleniMN::SetNovyPrvekVzdy(const std::string& key) {
  TLesniMnozina::SetNovyPrvekVzdy(key);
  AdoptKey(key);
}

void TOddeleniMN::AdoptKey(const std::string& key) {
  auto* created = dynamic_cast<TOddeleni*>(AktualniPrvek());
  if (!created || created->ODD() != 0) return;
  if (auto number = framework::WholeTextToInteger(platform::Trim(key))) created->AdoptODD(*number);
}

}  // namespace tarnik::plan
