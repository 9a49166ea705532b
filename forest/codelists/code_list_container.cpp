#include "forest/codelists/code_list_container.h"

#include <utility>
#include <vector>

#include "forest/codelists/database_class.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineCodeListContainer(std::vector<TPropInfo>& out) {
  TPropDefs<tciselnik> d(out);
  for (const CodeListClass& entry : CodeListClasses()) {
    const std::string property = entry.property;
    d.Object(
        entry.property, TDatabaseClass::StaticClass(),
        [property](tciselnik& c) -> TElement* { return c.DatabaseClass(property); }, nullptr);
  }
}

}  // namespace

TARNIK_DEFINE_CLASS(tciselnik, framework::TOwnerEntity, DefineCodeListContainer)

tciselnik::tciselnik() = default;
tciselnik::~tciselnik() = default;

TDatabaseClass* tciselnik::DatabaseClass(const std::string& property) {
  const CodeListClass* entry = FindCodeListClass(property);
  if (!entry) return nullptr;
  framework::TElementRef& slot = classes_[platform::UpperAscii(entry->property)];
  if (auto* known = slot.As<TDatabaseClass>()) return known;
  TDatabaseClass* created = entry->mel_drev ? new TDatabaseMel_DrevClass() : new TDatabaseClass();
  created->SetName(entry->name);
  created->Bind(this, entry->list, entry->key);
  AddElement(created);
  slot = created;
  return created;
}

std::string tciselnik::KategorieVcetnePrekryvu(const std::string& odd, const std::string& dil,
                                               const std::string& por) {
  return CategoriesIncludingOverlay(lists_.StandCategories(odd, dil, por));
}

std::string tciselnik::ZvlStVcetnePrekryvu(const std::string& odd, const std::string& dil,
                                           const std::string& por) {
  return SpecialStatusesIncludingOverlay(lists_.StandCategories(odd, dil, por));
}

std::string tciselnik::TextyZKategPor(const std::string& odd, const std::string& dil,
                                      const std::string& por) {
  return RemarksOfStand(lists_.StandCategories(odd, dil, por));
}

GrowthValues tciselnik::RustovaTabulka(const std::string& species, int vek, int obmyti, int bon_a,
                                       bool under_bark) {
  return lists_.Growth(species, vek, obmyti, bon_a, under_bark);
}

void tciselnik::SetLcrSource(std::unique_ptr<LcrCodeSource> source, std::string lhc_id) {
  lcr_source_ = std::move(source);
  lcr_id_ = std::move(lhc_id);
}

std::string tciselnik::LcrJmenoOLH(const std::string& code) {
  return LcrManagerName(lcr_source_.get(), lcr_id_, code);
}

std::string tciselnik::LcrJmenoVlastnika(const std::string& owner_code,
                                         const std::string& owner_kind) {
  return LcrOwnerName(lcr_source_.get(), lcr_id_, owner_code, owner_kind);
}

std::string tciselnik::LcrOrgUroven(const std::string& code, int level) {
  return LcrOrgLevelName(lcr_source_.get(), lcr_id_, code, level);
}

std::string tciselnik::LcrKatastr(const std::string& code) {
  return LcrCadastreName(lcr_source_.get(), code);
}

}  // namespace tarnik::plan
