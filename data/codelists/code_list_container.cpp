#include "data/codelists/code_list_container.h"

#include <vector>

#include "data/codelists/database_class.h"
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

}  // namespace tarnik::plan
