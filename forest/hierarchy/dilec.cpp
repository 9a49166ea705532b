#include "forest/hierarchy/dilec.h"

#include "forest/hierarchy/child_sets.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/prop_fields.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;
using D = TDilec;

}  // namespace

void TDilec::DefineProperties(std::vector<TPropInfo>& out) {
  TPropDefs<D> d(out);
  d.String("DIL", &D::DIL, &D::SetDIL);
  d.String("CeleOznaceni", &D::CeleOznaceni, nullptr);
  d.String("CeleOznaceniKratce", &D::CeleOznaceniKratce, nullptr);
  d.Object(
      "PorostMN", TPorostMN::StaticClass(), [](D& e) -> TElement* { return e.PorostMN(); },
      nullptr);
  d.Object(
      "SmazanyPorostMN", TPorostMN::StaticClass(),
      [](D& e) -> TElement* { return e.SmazanyPorostMN(); }, nullptr);
  d.Object(
      "Porost", TPorost::StaticClass(), [](D& e) -> TElement* { return e.Porost(); }, nullptr);
}

TARNIK_DEFINE_CLASS(TDilec, TLesniSlozenyPrvek, &TDilec::DefineProperties)

void TDilec::SetDIL(const std::string& text) {
  dil_ = text;
  RenameByKey(*this, text, "DIL");
}

std::string TDilec::CeleOznaceni() {
  if (auto* odd = VlastnikTridy<TOddeleni>()) return odd->GetName() + dil_;
  return dil_;
}

std::string TDilec::CeleOznaceniKratce() {
  if (auto* odd = VlastnikTridy<TOddeleni>()) return std::to_string(odd->ODD()) + dil_;
  return dil_;
}

TPorostMN* TDilec::PorostMN() { return ChildSet<TPorostMN>(*this, porosty_, "PorostMN"); }

TPorostMN* TDilec::SmazanyPorostMN() {
  return ChildSet<TPorostMN>(*this, smazane_porosty_, "SmazanyPorostMN");
}

TPorost* TDilec::Porost() {
  TPorostMN* set = PorostMN();
  return set ? dynamic_cast<TPorost*>(set->AktualniPrvek()) : nullptr;
}

TPorost* TDilec::PorostJmenem(const std::string& key) {
  TPorostMN* set = PorostMN();
  if (!set) return nullptr;
  framework::TElementRef previous = set->AktualniPrvek();
  const std::string previous_old_key = set->JmenoStarehoPrvku();
  set->SetJmenoAktualnihoPrvku(key);
  auto* found = dynamic_cast<TPorost*>(set->AktualniPrvek());
  set->SetAktualniPrvek(previous.Get());
  set->SetJmenoStarehoPrvku(previous_old_key);
  return found;
}

bool TDilec::MaSmazany() {
  if (TLesniPrvek::MaSmazany()) return true;
  TLesniMnozina* deleted =
      ExistingChildSet(*this, smazane_porosty_, "TPorostMN", "SmazanyPorostMN");
  return deleted && deleted->PocetPrvku() > 0;
}

TARNIK_DEFINE_CLASS(TDilecMN, TLesniMnozina, nullptr)

TDilecMN::TDilecMN() : TLesniMnozina(TDilec::StaticClass(), "DIL") {}

void TDilecMN::SetNovyPrvek(const std::string& key) {
  TLesniMnozina::SetNovyPrvek(key);
  auto* created = dynamic_cast<TDilec*>(AktualniPrvek());
  if (created && created->DIL().empty()) created->AdoptDIL(key);
}

void TDilecMN::SetNovyPrvekVzdy(const std::string& key) {
  TLesniMnozina::SetNovyPrvekVzdy(key);
  auto* created = dynamic_cast<TDilec*>(AktualniPrvek());
  if (created && created->DIL().empty()) created->AdoptDIL(key);
}

}  // namespace tarnik::plan
