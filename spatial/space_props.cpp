#include "spatial/space_props.h"

#include <exception>

#include "framework/property_text.h"
#include "spatial/registers.h"
#include "spatial/space_entity.h"

namespace tarnik::spatial {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineSpaceEntityProps(std::vector<TPropInfo>& out) {
  using P = TSpaceEntityProps;
  TPropDefs<P> d(out);
  // The element sets itself when it takes the holder: a back link, never stored.
  d.Object("SpaceEntity", &TSpaceEntity::StaticClass, "TSpaceEntity", &P::SpaceEntity,
           &P::SetSpaceEntity)
      .NotStored();
  d.Integer("SpaceID", &P::GetSpaceID, nullptr);
  d.Integer("OrigNo", &P::GetOrigNo, nullptr);
  d.Boolean("IsDone", &P::IsDone, &P::SetIsDone);
  d.Object("ObjectRegister", &TObjectRegister::StaticClass, "TObjectRegister",
           &P::GetObjectRegister, nullptr);
  d.Object("BlockRegister", &TBlockRegister::StaticClass, "TBlockRegister", &P::GetBlockRegister,
           nullptr);
  d.String("BlockName", &P::GetBlockName, nullptr);
}

}  // namespace

TARNIK_DEFINE_CLASS(TSpaceEntityProps, framework::TOwnerEntity, DefineSpaceEntityProps)

TSpaceEntity* TSpaceEntityProps::SpaceEntity() const {
  return framework::ClassCast<TSpaceEntity>(space_entity_.Get());
}

void TSpaceEntityProps::SetSpaceEntity(TElement* element) {
  space_entity_ = framework::ClassCast<TSpaceEntity>(element);
}

TObjectOwner* TSpaceEntityProps::Slot() const {
  TSpaceEntity* element = SpaceEntity();
  if (!element) return nullptr;
  return framework::ClassCast<TObjectOwner>(element->FindOwnerByClass(TObjectOwner::StaticClass()));
}

TObjectRegister* TSpaceEntityProps::GetObjectRegister() const {
  TObjectOwner* slot = Slot();
  if (!slot) return nullptr;
  return framework::ClassCast<TObjectRegister>(
      slot->FindOwnerByClass(TObjectRegister::StaticClass()));
}

TBlockRegister* TSpaceEntityProps::GetBlockRegister() const {
  TObjectRegister* objects = GetObjectRegister();
  if (!objects) return nullptr;
  return framework::ClassCast<TBlockRegister>(
      objects->FindOwnerByClass(TBlockRegister::StaticClass()));
}

TSpaceEntityProps* TSpaceEntityProps::GetFirstProps() {
  TObjectOwner* slot = Slot();
  if (!slot || slot->GetCount() == 1) return this;
  if (slot->GetCount() == 0) return nullptr;
  auto* first = framework::ClassCast<TSpaceEntity>(slot->Children().front());
  return first ? framework::ClassCast<TSpaceEntityProps>(first->Properties()) : nullptr;
}

int32_t TSpaceEntityProps::GetOrigNo() const {
  TObjectRegister* objects = GetObjectRegister();
  return objects ? objects->PositionOf(Slot(), const_cast<TSpaceEntityProps*>(this)->GetSpaceID())
                 : -1;
}

std::string TSpaceEntityProps::GetBlockName() const {
  TBlockRegister* block = GetBlockRegister();
  return block ? block->OwnName() : std::string();
}

TSpaceEntityProps* TSpaceEntityProps::CloneProps() {
  const framework::TClassInfo& info = ClassType();
  auto* copy = static_cast<TSpaceEntityProps*>(info.Create());
  const int last_index = info.IndexOf("LastIndex");
  const auto& props = info.Properties();
  for (size_t i = static_cast<size_t>(last_index + 1); i < props.size(); ++i) {
    const TPropInfo& prop = props[i];
    if (!prop.HasReader() || !prop.HasWriter()) continue;
    framework::SetPropertyFromText(*copy, prop, framework::PropertyText(*this, prop));
  }
  return copy;
}

bool TSpaceEntityProps::HasProperty(std::string_view name) const {
  if (TElement::HasProperty(name)) return true;
  try {
    return IsFiled() && const_cast<TSpaceEntityProps*>(this)->HasExtraProperty(name);
  } catch (const std::exception&) {
    return false;
  }
}

std::string TSpaceEntityProps::GetPropertyText(std::string_view name) {
  std::string own = TElement::GetPropertyText(name);
  if (!own.empty()) return own;
  try {
    if (IsFiled() && HasExtraProperties()) return GetExtraProperty(name);
  } catch (const std::exception&) {
  }
  return own;
}

void TSpaceEntityProps::SetPropertyText(std::string_view name, const std::string& value) {
  if (ClassType().Find(name)) {
    TElement::SetPropertyText(name, value);
    return;
  }
  try {
    if (IsFiled() && HasExtraProperties()) SetExtraProperty(name, value);
  } catch (const std::exception&) {
    // A failing attribute write is ignored.
  }
}

}  // namespace tarnik::spatial
