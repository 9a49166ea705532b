#include "framework/entity.h"

#include <algorithm>
#include <exception>

#include "framework/class_register.h"
#include "framework/errors.h"
#include "framework/message.h"
#include "framework/stamp.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::framework {
namespace {

void DefineEntity(std::vector<TPropInfo>& out) {
  TPropDefs<TEntity> d(out);
  d.Object("NextElement", TElement::StaticClass(), nullptr, &TEntity::AddElement);
  d.Object("ElementToFree", TElement::StaticClass(), nullptr, &TEntity::FreeElement);
  d.Object("ElementToRemove", TElement::StaticClass(), nullptr, &TEntity::RemoveElement);
  d.Object("AddAllFrom", TElement::StaticClass(), nullptr, [](TEntity& self, TElement* from) {
    auto* source = dynamic_cast<TEntity*>(from);
    if (!source || source == &self) return;
    std::vector<TElement*> children = source->Children();
    for (TElement* child : children) self.AddElement(child);
  });
  d.Integer("WholeCount", &TEntity::WholeCount, nullptr);
  d.Integer("Count", &TEntity::GetCount, nullptr);
  d.Integer("LastIndex", &TEntity::GetLastIndex, nullptr);
}

void RemoveOne(std::vector<TEntity*>& list, const TEntity* e) {
  auto it = std::find(list.begin(), list.end(), e);
  if (it != list.end()) list.erase(it);
}

}  // namespace

TARNIK_DEFINE_CLASS(TEntity, TElement, DefineEntity)
TARNIK_DEFINE_CLASS(TAliases, TEntity, nullptr)
TARNIK_DEFINE_CLASS(TQuickEntity, TEntity, nullptr)
TARNIK_DEFINE_CLASS(TEnvelopeEntity, TEntity, nullptr)
TARNIK_DEFINE_CLASS(TNameEntity, TEntity, nullptr)
TARNIK_DEFINE_CLASS(TOwnerEntity, TNameEntity, nullptr)

TEntity::~TEntity() {
  // A subclass's compact children went with the subclass.
  children_deferred_ = false;
  UnlinkFromAllHolders();
  FreeAllChildren(true);
  // Whatever a failed walk left behind is only unlinked.
  while (!children_.empty()) {
    TElement* child = UnlinkAt(children_.size() - 1);
    child->RemoveOwner(this);
  }
}

void TEntity::RealizeNow() const {
  children_deferred_ = false;
  const_cast<TEntity*>(this)->RealizeChildren();
}

void TEntity::LinkAt(size_t pos, TElement* element) {
  Realize();
  if (pos > children_.size()) pos = children_.size();
  children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(pos), element);
  element->holders_.push_back(this);
  child_lineages_known_ = false;
  ++children_version_;
}

TElement* TEntity::UnlinkAt(size_t pos) {
  Realize();
  TElement* element = children_[pos];
  children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(pos));
  RemoveOne(element->holders_, this);
  child_lineages_known_ = false;
  ++children_version_;
  return element;
}

void TEntity::UnlinkAll(TElement* element) {
  children_.erase(std::remove(children_.begin(), children_.end(), element), children_.end());
  child_lineages_known_ = false;
  ++children_version_;
  auto& holders = element->holders_;
  holders.erase(std::remove(holders.begin(), holders.end(), this), holders.end());
}

bool TEntity::MayHaveChildOfClass(const TClassInfo& c) const {
  Realize();
  // Computed when asked, not when linking: a child is complete (its class final) by then.
  if (!child_lineages_known_) {
    child_lineages_ = 0;
    for (const TElement* child : children_) child_lineages_ |= child->ClassType().lineage();
    child_lineages_known_ = true;
  }
  return (child_lineages_ & c.class_bit()) != 0;
}

TElement* TEntity::GetElement(int index) const {
  Realize();
  if (index < 0 || static_cast<size_t>(index) >= children_.size()) {
    throw EListError("Index seznamu mimo rozsah (" + std::to_string(index) + ")");
  }
  return children_[static_cast<size_t>(index)];
}

void TEntity::PutElement(int index, TElement* element) {
  Realize();
  if (!element) return;
  if (children_.empty() && index == 0) {
    if (RegistersOwners()) element->AddOwner(this);
    LinkAt(0, element);
    return;
  }
  TElement* old = GetElement(index);
  if (old == element) return;
  UnlinkAt(static_cast<size_t>(index));
  LinkAt(static_cast<size_t>(index), element);
  if (RegistersOwners()) {
    old->RemoveOwner(this);
    element->AddOwner(this);
  }
}

int TEntity::IndexOf(const TElement* element) const {
  Realize();
  auto it = std::find(children_.begin(), children_.end(), element);
  return it == children_.end() ? -1 : static_cast<int>(it - children_.begin());
}

void TEntity::FreeAll() { FreeAllChildren(false); }

void TEntity::FreeAllChildren(bool destroying) {
  if (!destroying) Realize();
  if (children_.empty()) return;
  platform::Ui& ui = platform::ui();
  ui.SetCursor(platform::Cursor::kWait);
  if (!destroying && children_.size() > 200) ui.ProcessPendingEvents();
  SetFlag(kInFreeAll, true);
  try {
    while (!children_.empty()) {
      TElement* child = UnlinkAt(children_.size() - 1);
      bool busy = child == this || child->HasFlag(kDestroying) || child->HasFlag(kInFreeAll);
      bool free = !busy && child->CanBeFreed(this);
      child->RemoveOwner(this);
      if (free) delete child;
    }
  } catch (const std::exception& e) {
    ui.ShowMessage(std::string("TEntity.FreeAll\r\n") + e.what(), platform::Severity::kFailure);
  }
  SetFlag(kInFreeAll, false);
  ui.SetCursor(platform::Cursor::kDefault);
}

TElement* TEntity::NewElement(std::string_view class_name, const std::string& name) {
  const TClassInfo* c = FindElementClass(class_name);
  if (!c) return nullptr;
  TElement* element = c->Create();
  element->SetName(name);
  AddElement(element);
  return element;
}

void TEntity::AddElement(TElement* element) {
  Realize();
  if (!element) return;
  element->AddOwner(this);
  LinkAt(children_.size(), element);
}

void TEntity::InsertElement(int index, TElement* element) {
  Realize();
  if (!element) return;
  if (children_.empty() && index != 0) return;
  if (index < 0 || static_cast<size_t>(index) > children_.size()) {
    throw EListError("Index seznamu mimo rozsah (" + std::to_string(index) + ")");
  }
  LinkAt(static_cast<size_t>(index), element);
  element->AddOwner(this);
}

void TEntity::RemoveElement(TElement* element) {
  Realize();
  if (!element || children_.empty()) return;
  try {
    element->RemoveOwner(this);
  } catch (const std::exception&) {
    platform::ui().Beep();
  }
  int index = IndexOf(element);
  if (index >= 0) UnlinkAt(static_cast<size_t>(index));
}

void TEntity::FreeElement(TElement* element) {
  if (!element) return;
  try {
    int index = IndexOf(element);
    bool was_held = index >= 0;
    if (was_held) UnlinkAt(static_cast<size_t>(index));
    bool busy = element == this || element->HasFlag(kDestroying) || element->HasFlag(kInFreeAll);
    // A non-holder may free only an element nobody else holds.
    bool free = !busy && element->CanBeFreed(this) && (was_held || element->Holders().empty());
    element->RemoveOwner(this);
    if (free) delete element;
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(std::string("TEntity.FreeElement\r\n") + e.what(),
                               platform::Severity::kFailure);
    platform::ui().SetCursor(platform::Cursor::kDefault);
  }
}

TElement* TEntity::FindElementByClass(const TClassInfo& c) const {
  Realize();
  for (TElement* child : children_) {
    if (child->InheritsFrom(c)) return child;
  }
  return nullptr;
}

TElement* TEntity::FindElementByName(std::string_view name) const {
  Realize();
  for (TElement* child : children_) {
    if (platform::SameTextCz(child->GetName(), name)) return child;
  }
  return nullptr;
}

TElement* TEntity::FindOrCreate(const TClassInfo& c, const std::string& name) {
  return FindOrCreateTyped(c, name);
}

TElement* TEntity::FindOrCreateTyped(const TClassInfo& c, const std::string& name) {
  if (TElement* found = FindElementByName(name)) return found;
  TElement* element = c.Create();
  element->SetName(name);
  AddElement(element);
  return element;
}

int TEntity::CountOfClass(const TClassInfo& c) const {
  Realize();
  int n = 0;
  for (TElement* child : children_) {
    if (child->InheritsFrom(c)) ++n;
  }
  return n;
}

void TEntity::Detach() {
  Realize();
  while (!children_.empty()) {
    TElement* child = UnlinkAt(children_.size() - 1);
    if (RegistersOwners()) child->RemoveOwner(this);
  }
}

int TEntity::WholeCount() {
  NewTraversalStamp();
  return CountEdges();
}

int TEntity::CountEdges() {
  Realize();
  int32_t stamp = CurrentTraversalStamp();
  SetID(stamp);
  int count = 0;
  for (size_t i = 0; i < children_.size(); ++i) {
    TElement* child = children_[i];
    if (child->ID() == stamp) continue;
    if (auto* entity = dynamic_cast<TEntity*>(child)) {
      count += entity->CountEdges();
    } else {
      child->SetID(stamp);
    }
  }
  return count + GetCount();
}

int64_t TEntity::GetSize() const {
  Realize();
  return static_cast<int64_t>(sizeof(TEntity) + children_.capacity() * sizeof(TElement*));
}

int64_t TEntity::CountWholeSize() {
  Realize();
  int32_t stamp = CurrentTraversalStamp();
  SetID(stamp);
  int64_t size = 0;
  for (size_t i = 0; i < children_.size(); ++i) {
    TElement* child = children_[i];
    if (child->ID() != stamp) size += child->CountWholeSize();
  }
  return size + GetSize();
}

TElement* TEntity::CreateEnvelope() {
  Realize();
  TElement* envelope = TElement::CreateEnvelope();
  auto* target = dynamic_cast<TEntity*>(envelope);
  if (!target) return envelope;
  SetFlag(kInEnvelope, true);
  std::vector<TElement*> children = children_;
  for (TElement* child : children) {
    if (child->HasNoOwners() && !child->HasFlag(kInEnvelope)) {
      target->AddElement(child->CreateEnvelope());
    } else {
      target->AddElement(child);
    }
  }
  SetFlag(kInEnvelope, false);
  return envelope;
}

void TEntity::TouchAll() {
  Realize();
  if (HasFlag(kInTouch)) return;
  SetFlag(kInTouch, true);
  std::vector<TElement*> children = children_;
  for (TElement* child : children) {
    if (IndexOf(child) >= 0) child->TouchAll();
  }
  SetFlag(kInTouch, false);
}

void TEntity::Mark() {
  Realize();
  int32_t stamp = CurrentTraversalStamp();
  SetID(stamp);
  for (size_t i = 0; i < children_.size(); ++i) {
    TElement* child = children_[i];
    if (child->ID() != stamp) child->Mark();
  }
}

void TQuickEntity::AddElement(TElement* element) {
  if (!element) return;
  LinkAt(Children().size(), element);
}

void TQuickEntity::InsertElement(int index, TElement* element) {
  if (!element) return;
  if (Children().empty() && index != 0) return;
  if (index < 0 || static_cast<size_t>(index) > Children().size()) {
    throw EListError("Index seznamu mimo rozsah (" + std::to_string(index) + ")");
  }
  LinkAt(static_cast<size_t>(index), element);
}

void TEnvelopeEntity::AddOwner(TEntity* owner) { wrapped_ = owner; }

void TEnvelopeEntity::HandleMessage(TKelvaMessage& message, bool& handled) {
  TElement* wrapped = Wrapped();
  if (!wrapped || wrapped == this) return;
  message.SetReceiver(wrapped);
  wrapped->HandleMessage(message, handled);
}

TElement* TEnvelopeEntity::FindOwnerByClass(const TClassInfo& c) const {
  if (InheritsFrom(c)) return const_cast<TEnvelopeEntity*>(this);
  TElement* wrapped = Wrapped();
  if (wrapped && wrapped->InheritsFrom(c)) return wrapped;
  return nullptr;
}

TElement* TEnvelopeEntity::FindUpByClassImpl(const TClassInfo& c, std::vector<TElement*>& visited) {
  if (InheritsFrom(c)) return this;
  visited.push_back(this);
  TElement* wrapped = Wrapped();
  if (!wrapped || std::find(visited.begin(), visited.end(), wrapped) != visited.end()) {
    return nullptr;
  }
  return wrapped->FindUpByClassImpl(c, visited);
}

int64_t TNameEntity::GetSize() const {
  int64_t size = TEntity::GetSize() + static_cast<int64_t>(sizeof(std::string));
  if (!name_.empty()) size += static_cast<int64_t>(name_.size()) + 1;
  return size;
}

std::string TNameEntity::GetName() const { return name_.empty() ? ClassName() : name_; }

TOwnerEntity::~TOwnerEntity() {
  SetFlag(kDestroying, true);
  DetachFromOwners(owners_);
  UnlinkFromAllHolders();
}

bool TOwnerEntity::HasOwner(const TEntity* owner) const {
  return std::find(owners_.begin(), owners_.end(), owner) != owners_.end();
}

TElement* TOwnerEntity::FindOwnerByClass(const TClassInfo& c) const {
  for (TEntity* owner : owners_) {
    if (!owner) continue;
    TElement* candidate = owner;
    if (auto* envelope = dynamic_cast<TEnvelopeEntity*>(owner)) candidate = envelope->Wrapped();
    if (candidate && candidate->InheritsFrom(c)) return candidate;
  }
  return nullptr;
}

TElement* TOwnerEntity::FindOwnerByName(std::string_view name) const {
  for (TEntity* owner : owners_) {
    if (!owner) continue;
    TElement* candidate = owner;
    if (auto* envelope = dynamic_cast<TEnvelopeEntity*>(owner)) candidate = envelope->Wrapped();
    if (candidate && candidate->GetName() == name) return candidate;
  }
  return nullptr;
}

TElement* TOwnerEntity::FindUpByClassImpl(const TClassInfo& c, std::vector<TElement*>& visited) {
  if (InheritsFrom(c)) return this;
  visited.push_back(this);
  for (TEntity* owner : owners_) {
    if (!owner || std::find(visited.begin(), visited.end(), owner) != visited.end()) continue;
    if (TElement* hit = owner->FindUpByClassImpl(c, visited)) return hit;
  }
  return nullptr;
}

TElement* FindByAlias(TEntity& entity, std::string_view name) {
  if (auto* aliases = static_cast<TAliases*>(entity.FindElementByClass(TAliases::StaticClass()))) {
    if (auto* alias = dynamic_cast<TAliasElement*>(aliases->FindElementByName(name))) {
      if (TElement* target = alias->Target()) return target;
    }
  }
  return entity.FindElementByName(name);
}

void SetAlias(TEntity& entity, const std::string& name, TElement* element) {
  auto* aliases = static_cast<TAliases*>(entity.FindElementByClass(TAliases::StaticClass()));
  if (!aliases) {
    aliases = new TAliases();
    entity.AddElement(aliases);
  }
  auto* alias = dynamic_cast<TAliasElement*>(aliases->FindElementByName(name));
  if (alias) {
    TElement* old = alias->Target();
    if (old == element) return;
    if (old) entity.FreeElement(old);
  } else {
    alias = new TAliasElement();
    alias->SetName(name);
    aliases->AddElement(alias);
  }
  alias->SetTarget(element);
  entity.AddElement(element);
}

}  // namespace tarnik::framework
