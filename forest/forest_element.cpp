#include "forest/forest_element.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "forest/codelists/code_list_container.h"
#include "forest/colour.h"
#include "forest/forest_set.h"
#include "forest/forest_string_list.h"
#include "forest/model_tables.h"
#include "forest/property_metadata.h"
#include "forest/property_sum.h"
#include "framework/int_text.h"
#include "framework/property_text.h"
#include "framework/values/string_list.h"
#include "platform/checked_math.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

using framework::TClassInfo;
using framework::TElement;
using framework::TEntity;
using framework::TPropDefs;
using framework::TPropInfo;
using framework::TTypeKind;

void DefineForestElement(std::vector<TPropInfo>& out) {
  TPropDefs<TObecnyLesniPrvek> d(out);
  d.String("Puvodni_oznaceni", &TObecnyLesniPrvek::Puvodni_oznaceni,
           &TObecnyLesniPrvek::SetPuvodni_oznaceni);
  d.Integer("RId", &TObecnyLesniPrvek::RId, &TObecnyLesniPrvek::SetRId);
  d.Integer("Vazba", &TObecnyLesniPrvek::Vazba, &TObecnyLesniPrvek::SetVazba);
  d.Boolean("BylNoveVytvoren", &TObecnyLesniPrvek::BylNoveVytvoren, nullptr);
  d.Boolean("BylEditovan", &TObecnyLesniPrvek::BylEditovan, &TObecnyLesniPrvek::SetBylEditovan);
  d.Boolean("BylEditovanNeboNoveVytvorenRekurz",
            &TObecnyLesniPrvek::BylEditovanNeboNoveVytvorenRekurz, nullptr);
  d.Boolean("MaSmazany", &TObecnyLesniPrvek::MaSmazany, nullptr);
  d.Boolean("MaSmazanyRekurz", &TObecnyLesniPrvek::MaSmazanyRekurz, nullptr);
  d.Object(
      "Ciselnik", tciselnik::StaticClass(),
      [](TObecnyLesniPrvek& e) -> TElement* { return e.Ciselnik(); }, nullptr);
  d.Object(
      "ciselKelvaOwnEnt", TEntity::StaticClass(),
      [](TObecnyLesniPrvek& e) -> TElement* { return e.ciselKelvaOwnEnt(); }, nullptr);
  d.Object(
      "LHCOwnEnt", TEntity::StaticClass(),
      [](TObecnyLesniPrvek& e) -> TElement* { return e.LHCOwnEnt(); }, nullptr);
  d.Integer("LHC_KODOwnEnt", &TObecnyLesniPrvek::LHC_KODOwnEnt, nullptr);
  d.Object(
      "SeznamExportStandard", TLesniStringListElement::StaticClass(),
      [](TObecnyLesniPrvek& e) -> TElement* { return e.SeznamExportStandard(); }, nullptr);
}

// Writes a property from text like the framework's text interface, but lets a failing setter's
// exception through so the caller can name the element in its report.
void WritePropertyStrict(TElement& element, const TPropInfo& prop, const std::string& text) {
  if (!prop.HasWriter()) return;
  switch (prop.kind) {
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
      prop.set_str(element, text);
      return;
    case TTypeKind::tkInteger:
    case TTypeKind::tkInt64:
      prop.set_ord(element, framework::WholeTextToInteger(text).value_or(0));
      return;
    case TTypeKind::tkFloat:
      prop.set_float(element, text.empty() ? 0.0 : framework::ReadDecimalText(text).value_or(0.0));
      return;
    default:
      framework::SetPropertyFromText(element, prop, text);
      return;
  }
}

// Position after which a class's own properties follow the framework's ("LastIndex").
int FrameworkPropertyCount() {
  return framework::TOwnerEntity::StaticClass().IndexOf("LastIndex") + 1;
}

}  // namespace

TARNIK_DEFINE_CLASS(TObecnyLesniPrvek, framework::TOwnerEntity, DefineForestElement)

TObecnyLesniPrvek::TObecnyLesniPrvek() = default;

TObecnyLesniPrvek::~TObecnyLesniPrvek() {
  // The metadata set is a child: the entity's destruction frees it unless another holder keeps it.
  vlastnosti_ = nullptr;
}

TObecnyLesniPrvek::LookupGuard::LookupGuard(TObecnyLesniPrvek& element, LookupKind kind)
    : element_(element), kind_(kind), entered_((element.busy_lookups_ & kind) == 0) {
  if (entered_) element_.busy_lookups_ |= kind_;
}

TObecnyLesniPrvek::LookupGuard::~LookupGuard() {
  if (entered_) element_.busy_lookups_ &= static_cast<uint16_t>(~kind_);
}

std::vector<TObecnyLesniPrvek*> TObecnyLesniPrvek::ForestOwners() const {
  std::vector<TObecnyLesniPrvek*> owners;
  for (int i = 0; i < GetOwnersCount(); ++i) {
    if (auto* owner = framework::ClassCast<TObecnyLesniPrvek>(GetOwner(i))) owners.push_back(owner);
  }
  return owners;
}

std::vector<TObecnyLesniPrvek*> TObecnyLesniPrvek::ForestChildren() const {
  std::vector<TObecnyLesniPrvek*> children;
  for (TElement* child : Children()) {
    if (auto* forest = framework::ClassCast<TObecnyLesniPrvek>(child)) children.push_back(forest);
  }
  return children;
}

bool TObecnyLesniPrvek::BylEditovanNeboNoveVytvorenRekurz() {
  if (BylEditovan() || BylNoveVytvoren()) return true;
  LookupGuard guard(*this, kLookupEditovan);
  if (!guard.Entered()) return false;
  for (TObecnyLesniPrvek* child : ForestChildren()) {
    if (child->BylEditovanNeboNoveVytvorenRekurz()) return true;
  }
  return false;
}

bool TObecnyLesniPrvek::MaSmazany() { return false; }

bool TObecnyLesniPrvek::MaSmazanyRekurz() {
  if (BylNoveVytvoren()) return false;
  if (MaSmazany()) return true;
  LookupGuard guard(*this, kLookupSmazany);
  if (!guard.Entered()) return false;
  for (TObecnyLesniPrvek* child : ForestChildren()) {
    if (child->MaSmazanyRekurz()) return true;
  }
  return false;
}

tciselnik* TObecnyLesniPrvek::Ciselnik() {
  // Asked for every value that names a code: the walk tests classes by the register, scans only
  // children that may hold a code list and does not copy the owners.
  if (MayHaveChildOfClass(tciselnik::StaticClass())) {
    const auto& children = Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      if (auto* list = framework::ClassCast<tciselnik>(*it)) return list;
    }
  }
  LookupGuard guard(*this, kLookupCiselnik);
  if (!guard.Entered()) return nullptr;
  for (int i = 0; i < GetOwnersCount(); ++i) {
    if (auto* owner = framework::ClassCast<TObecnyLesniPrvek>(GetOwner(i))) {
      if (tciselnik* list = owner->Ciselnik()) return list;
    }
  }
  return nullptr;
}

TEntity* TObecnyLesniPrvek::ciselKelvaOwnEnt() {
  const auto& children = Children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if ((*it)->GetName() == "CiselKelva") {
      if (auto* entity = dynamic_cast<TEntity*>(*it)) return entity;
    }
  }
  LookupGuard guard(*this, kLookupCiselKelva);
  if (!guard.Entered()) return nullptr;
  for (TObecnyLesniPrvek* owner : ForestOwners()) {
    if (TEntity* found = owner->ciselKelvaOwnEnt()) return found;
  }
  return nullptr;
}

TEntity* TObecnyLesniPrvek::LHCOwnEnt() {
  const auto& children = Children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if ((*it)->GetName() == "TLHC") {
      if (auto* entity = dynamic_cast<TEntity*>(*it)) return entity;
    }
  }
  LookupGuard guard(*this, kLookupLHC);
  if (!guard.Entered()) return nullptr;
  TEntity* answer = nullptr;
  for (TObecnyLesniPrvek* owner : ForestOwners()) {
    if (TEntity* found = owner->LHCOwnEnt()) answer = found;  // a later owner wins
  }
  return answer;
}

TLesniStringListElement* TObecnyLesniPrvek::SeznamExportStandard() {
  if (auto* own = dynamic_cast<TLesniStringListElement*>(FindElementByName("SeznamExportStandard")))
    return own;
  LookupGuard guard(*this, kLookupSeznam);
  if (!guard.Entered()) return nullptr;
  TLesniStringListElement* answer = nullptr;
  for (TObecnyLesniPrvek* owner : ForestOwners()) {
    if (TLesniStringListElement* found = owner->SeznamExportStandard()) answer = found;
  }
  return answer;
}

uint8_t TObecnyLesniPrvek::TypZdroje() {
  if (typ_zdroje_ != kSourceUnknown) return typ_zdroje_;
  LookupGuard guard(*this, kLookupTypZdroje);
  if (!guard.Entered()) return kSourceUnknown;
  const std::vector<TObecnyLesniPrvek*> owners = ForestOwners();
  for (TObecnyLesniPrvek* owner : owners) {
    if (owner->typ_zdroje_ != kSourceUnknown) return typ_zdroje_ = owner->typ_zdroje_;
  }
  for (TObecnyLesniPrvek* owner : owners) {
    const uint8_t kind = owner->TypZdroje();
    if (kind != kSourceUnknown) return typ_zdroje_ = kind;
  }
  return kSourceUnknown;
}

int32_t TObecnyLesniPrvek::LHC_KODOwnEnt() {
  TEntity* lhc = LHCOwnEnt();
  return lhc ? lhc->GetPropertyInteger("LHC_KOD") : -1;
}

std::vector<std::string> TObecnyLesniPrvek::PropertiesWithMetadata() const {
  if (const auto* listed = EditableProperties(ClassName())) return *listed;
  std::vector<std::string> names;
  const auto& props = ClassType().Properties();
  for (size_t i = static_cast<size_t>(FrameworkPropertyCount()); i < props.size(); ++i)
    names.push_back(props[i].name);
  return names;
}

void TObecnyLesniPrvek::VytvorVlastnosti() {
  if (TVlastnostiMN* old = Vlastnosti()) {
    platform::ui().ShowMessage("Pozor, Vlastnosti už jsou vytvořené");
    vlastnosti_ = nullptr;
    FreeElement(old);  // the replaced set would otherwise linger as a stale child
  }
  auto* metadata = new TVlastnostiMN();
  for (const std::string& name : PropertiesWithMetadata()) metadata->SetNovyPrvek(name);
  metadata->SetAktualniPrvek(nullptr);
  AddElement(metadata);
  vlastnosti_ = metadata;
}

TVlastnostiMN* TObecnyLesniPrvek::Vlastnosti() {
  auto* metadata = vlastnosti_.As<TVlastnostiMN>();
  if (!metadata && vlastnosti_.Handle() != 0) vlastnosti_ = nullptr;
  return metadata;
}

uint32_t TObecnyLesniPrvek::BarvaProperty(std::string_view name) {
  TVlastnostiMN* metadata = Vlastnosti();
  TVlastnosti* entry = metadata ? metadata->Entry(name) : nullptr;
  return entry ? entry->Barva() : kColor3DLight;
}

void TObecnyLesniPrvek::NastavBarvuProperty(std::string_view name, uint32_t colour) {
  TVlastnostiMN* metadata = Vlastnosti();
  if (TVlastnosti* entry = metadata ? metadata->Entry(name) : nullptr) entry->SetBarva(colour);
}

int32_t TObecnyLesniPrvek::PocetZnacekProperty(std::string_view name) {
  TVlastnostiMN* metadata = Vlastnosti();
  TVlastnosti* entry = metadata ? metadata->Entry(name) : nullptr;
  return entry ? entry->PocetZnacek() : 0;
}

void TObecnyLesniPrvek::NastavPocetZnacekProperty(std::string_view name, int32_t count) {
  TVlastnostiMN* metadata = Vlastnosti();
  if (TVlastnosti* entry = metadata ? metadata->Entry(name) : nullptr) entry->SetPocetZnacek(count);
}

TObecnyLesniPrvek* TObecnyLesniPrvek::KopieJakoNovy() {
  auto* copy = dynamic_cast<TObecnyLesniPrvek*>(framework::CloneElement(*this));
  if (!copy) return nullptr;
  if (TVlastnostiMN* metadata = Vlastnosti()) {
    copy->VytvorVlastnosti();
    for (TElement* item : metadata->Prvky()) {
      auto* entry = dynamic_cast<TVlastnosti*>(item);
      if (entry) copy->NastavBarvuProperty(metadata->KeyOf(*entry), entry->Barva());
    }
  }
  copy->SetRId(-1);
  copy->SetVazba(-1);
  copy->SetPuvodni_oznaceni(kNewDesignation);
  return copy;
}

TElement* TObecnyLesniPrvek::VlastnikTridy(const TClassInfo& c) {
  for (int i = 0; i < GetOwnersCount(); ++i) {
    TEntity* owner = GetOwner(i);
    if (owner && owner->InheritsFrom(c)) return owner;
  }
  LookupGuard guard(*this, kLookupVlastnik);
  if (!guard.Entered()) return nullptr;
  for (TObecnyLesniPrvek* owner : ForestOwners()) {
    if (TElement* found = owner->VlastnikTridy(c)) return found;
  }
  return nullptr;
}

int64_t TObecnyLesniPrvek::SoucetPropertyVeStromu(const std::string& name) {
  TSumaPodleProperty sum;
  sum.SetPropertaStr(name);
  sum.SetInput(this);
  sum.Execute();
  return platform::RoundToInt64(sum.Suma());
}

void TObecnyLesniPrvek::NactiZeSeznamu(framework::TStringListElement& list) {
  const std::vector<TElement*> items = list.Children();
  for (TElement* item : items) {
    const std::string item_name = item->GetName();
    const TPropInfo* prop = ClassType().Find(item_name + "_XML");
    if (!prop) prop = ClassType().Find(item_name);
    if (prop) NactiPolozku(*prop, item->GetPropertyText("AsString"));
  }
}

void TObecnyLesniPrvek::NactiPolozku(const TPropInfo& prop, const std::string& value) {
  try {
    WritePropertyStrict(*this, prop, value);
  } catch (const std::exception&) {
    if (HasProperty("CeleOznaceni")) {
      platform::ui().ShowMessage("Do vlastnosti \"" + prop.name + "\" prvku označení \"" +
                                     GetPropertyText("CeleOznaceni") +
                                     "\" nejde načíst hodnota \"" + value + "\".",
                                 platform::Severity::kPassedOver);
    } else {
      platform::ui().ShowMessage("Do vlastnosti \"" + prop.name + "\" prvku jménem \"" + GetName() +
                                     "\" nejde načíst hodnota \"" + value + "\".",
                                 platform::Severity::kPassedOver);
    }
  }
}

void TObecnyLesniPrvek::NastavAktualniNaPrvni() {
  LookupGuard guard(*this, kLookupPrvni);
  if (!guard.Entered()) return;
  for (TObecnyLesniPrvek* child : ForestChildren()) child->NastavAktualniNaPrvni();
}

}  // namespace tarnik::plan
