#include "spatial/space_entity.h"

#include <cmath>

#include "framework/values/dynamic_properties.h"
#include "spatial/space_props.h"

namespace tarnik::spatial {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineSpaceEntity(std::vector<TPropInfo>& out) {
  using S = TSpaceEntity;
  TPropDefs<S> d(out);
  // SpaceID and IsDone live in the holder and in ID: published, not stored.
  d.Integer("SpaceID", &S::GetSpaceID, &S::SetSpaceID).NotStored();
  d.Integer("Group", &S::GetGroup, nullptr);
  d.Boolean("IsDone", &S::IsDone, &S::SetIsDone).NotStored();
  d.Float("Angle", &S::Angle, &S::SetAngle);
  d.Object("Properties", TElement::StaticClass(), &S::Properties, &S::SetProperties);
}

void DefineSpaceRect(std::vector<TPropInfo>& out) {
  TPropDefs<TSpaceRect> d(out);
  d.Boolean("Last", &TSpaceRect::Last, &TSpaceRect::SetLast).Default(1);
}

void DefineLineBegEndCell(std::vector<TPropInfo>& out) {
  TPropDefs<TSpaceLineBegEndCell> d(out);
  d.Integer("Count", &TSpaceLineBegEndCell::Count, &TSpaceLineBegEndCell::SetCount);
}

}  // namespace

TARNIK_DEFINE_CLASS(TSpaceEntity, TRectEntity, DefineSpaceEntity)
TARNIK_DEFINE_CLASS(TSpaceEntityString, TSpaceEntity, nullptr)
TARNIK_DEFINE_CLASS(TSpaceRect, TRectEntity, DefineSpaceRect)
TARNIK_DEFINE_CLASS(TSpaceLineBegEndCell, TSpaceRect, DefineLineBegEndCell)

TSpaceEntity::~TSpaceEntity() {
  BeginDestroying();
  holder_.Reset();
}

void TSpaceEntity::SetProperties(TElement* holder) {
  if (holder == this) return;
  TElement* previous = Properties();
  if (previous == holder) return;
  if (auto* props = framework::ClassCast<TSpaceEntityProps>(previous);
      props && props->SpaceEntity() == this) {
    props->SetSpaceEntity(nullptr);
  }
  holder_.Set(this, holder);
  if (auto* props = framework::ClassCast<TSpaceEntityProps>(holder)) props->SetSpaceEntity(this);
}

int32_t TSpaceEntity::GetSpaceID() {
  return ThroughHolder(Properties(), -1, [](TElement& holder) {
    if (auto* props = framework::ClassCast<TSpaceEntityProps>(&holder)) {
      return props->GetSpaceID();
    }
    return holder.GetPropertyInteger("SPACEID");
  });
}

void TSpaceEntity::SetSpaceID(int32_t id) {
  ThroughHolder(Properties(), 0, [id](TElement& holder) {
    holder.SetPropertyInteger("SPACEID", id);
    return 0;
  });
}

int32_t TSpaceEntity::GetGroup() {
  return ThroughHolder(Properties(), -1,
                       [](TElement& holder) { return holder.GetPropertyInteger("GROUP"); });
}

bool TSpaceEntity::HitTest(Point point, double tolerance) {
  return Distance(ReferencePoint(), point) < std::fabs(tolerance);
}

bool TSpaceEntity::HasProperty(std::string_view name) const {
  if (TElement::HasProperty(name)) return true;
  return ThroughHolder(Properties(), false,
                       [name](TElement& holder) { return holder.HasProperty(name); });
}

std::string TSpaceEntity::GetPropertyText(std::string_view name) {
  std::string own = TElement::GetPropertyText(name);
  if (!own.empty()) return own;
  return ThroughHolder(Properties(), std::move(own),
                       [name](TElement& holder) { return holder.GetPropertyText(name); });
}

void TSpaceEntity::SetPropertyText(std::string_view name, const std::string& value) {
  if (ClassType().Find(name)) {
    TElement::SetPropertyText(name, value);
    return;
  }
  if (in_holder_) return;
  ThroughHolder(HolderForWrite(), 0, [name, &value](TElement& holder) {
    holder.SetPropertyText(name, value);
    return 0;
  });
}

void TSpaceEntityString::HandleMessage(framework::TKelvaMessage& message, bool& handled) {
  if (message.Message() != kNewPartMessage) return;
  if (TElement* part = message.Data(); part && part != this) {
    AddElement(part);
    handled = true;
  }
}

TElement* TSpaceEntityString::HolderForWrite() {
  if (!Properties()) SetProperties(new framework::TDynamicProperties());
  return Properties();
}

}  // namespace tarnik::spatial
