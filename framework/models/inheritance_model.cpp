#include "framework/models/inheritance_model.h"

#include <vector>

#include "framework/class_register.h"

namespace tarnik::framework {
namespace {

void DefineInheritanceModel(std::vector<TPropInfo>& out) {
  using M = TInheritanceModel;
  TPropDefs<M> d(out);
  d.String("ElementClassName", &M::ElementClassName, &M::SetElementClassName);
  d.Object("Items", TModelItems::StaticClass(), &M::Items, nullptr);
  d.Boolean("NoItems", &M::NoItems, nullptr);
  // A class cannot name itself while its table is being built; the setter checks the class.
  d.Object("NextItem", TOwnerEntity::StaticClass(), nullptr, &M::SetNextItemElement);
}

void DefineInheritanceModelEntity(std::vector<TPropInfo>& out) {
  using M = TInheritanceModelEntity;
  TPropDefs<M> d(out);
  d.String("ItemClassName", &M::ItemClassName, &M::SetItemClassName);
  d.String("ActualClassName", &M::ActualClassName, &M::SetActualClassName);
  d.Object("ActualItem", TInheritanceModel::StaticClass(), &M::ActualItem, nullptr);
  d.Boolean("IsError", &M::IsError, nullptr);
  d.Integer("Error", &M::Error, nullptr);
  d.String("NewClassName", nullptr, &M::NewClassName);
  d.String("FindClassName", nullptr, &M::FindClassName);
  d.Boolean("DeleteActualItem", nullptr, &M::DeleteActualItem);
}

bool Contains(const std::vector<const TElement*>& list, const TElement* element) {
  for (const TElement* e : list) {
    if (e == element) return true;
  }
  return false;
}

// True when `node` lies in the subtree of `root` (or is `root`), following the owners upwards:
// a model's holder is a TModelItems whose wrapped element is the model above.
bool LiesBelow(const TElement* node, const TElement* root, std::vector<const TElement*>& seen) {
  if (!node) return false;
  if (node == root) return true;
  if (Contains(seen, node)) return false;
  seen.push_back(node);
  for (TEntity* holder : node->Holders()) {
    const TElement* up = holder;
    if (auto* items = dynamic_cast<TModelItems*>(holder)) up = items->Wrapped();
    if (LiesBelow(up, root, seen)) return true;
  }
  return false;
}

bool Derives(const TClassInfo* c, const TClassInfo* base) {
  return c && base && c->InheritsFrom(*base);
}

}  // namespace

TARNIK_DEFINE_CLASS(TModelItems, TEnvelopeEntity, nullptr)
TARNIK_DEFINE_CLASS(TInheritanceModel, TOwnerEntity, DefineInheritanceModel)
TARNIK_DEFINE_CLASS(TInheritanceModelEntity, TInheritanceModel, DefineInheritanceModelEntity)

void TInheritanceModel::SetElementClass(const TClassInfo* c) {
  class_ = c;
  if (c) SetName(c->Name());
}

void TInheritanceModel::SetElementClassName(const std::string& name) {
  SetElementClass(FindElementClass(name));
}

TModelItems* TInheritanceModel::FindItems() const {
  return static_cast<TModelItems*>(FindElementByClass(TModelItems::StaticClass()));
}

TModelItems* TInheritanceModel::Items() {
  if (TModelItems* items = FindItems()) return items;
  auto* items = new TModelItems();
  AddElement(items);
  return items;
}

bool TInheritanceModel::NoItems() const {
  TModelItems* items = FindItems();
  return !items || items->GetCount() == 0;
}

bool TInheritanceModel::Accepts(const TClassInfo* c) const { return !class_ || Derives(c, class_); }

TInheritanceModel* TInheritanceModel::FindModel(const TClassInfo* c) {
  std::vector<const TElement*> visited;
  return FindModelIn(c, visited);
}

TInheritanceModel* TInheritanceModel::FindModelIn(const TClassInfo* c,
                                                  std::vector<const TElement*>& visited) {
  TInheritanceModel* self = class_ ? this : nullptr;
  visited.push_back(this);
  TModelItems* items = FindItems();
  if (c == class_ || !items || items->GetCount() == 0) return self;
  for (TElement* child : items->Children()) {
    auto* model = dynamic_cast<TInheritanceModel*>(child);
    if (!model || Contains(visited, model) || !model->Accepts(c)) continue;
    return model->FindModelIn(c, visited);
  }
  return self;
}

void TInheritanceModel::NextItem(TInheritanceModel* model) {
  if (!model) return;
  // Placing a model below itself would make the tree a cycle.
  std::vector<const TElement*> seen;
  if (LiesBelow(this, model, seen)) return;
  std::vector<const TElement*> visited;
  NextItemIn(model, visited);
}

void TInheritanceModel::NextItemIn(TInheritanceModel* model,
                                   std::vector<const TElement*>& visited) {
  visited.push_back(this);
  TModelItems* items = Items();
  for (int i = items->GetCount() - 1; i >= 0; --i) {
    if (i >= items->GetCount()) continue;
    auto* item = dynamic_cast<TInheritanceModel*>(items->Children()[static_cast<size_t>(i)]);
    if (!item || item == model || Contains(visited, item)) continue;
    if (Derives(item->class_, model->class_)) {
      items->RemoveElement(item);
      model->Items()->AddElement(item);
    } else if (Derives(model->class_, item->class_)) {
      item->NextItemIn(model, visited);
    }
  }
  if (model->HasNoOwners()) items->AddElement(model);
}

void TInheritanceModel::SetNextItemElement(TElement* element) {
  NextItem(dynamic_cast<TInheritanceModel*>(element));
}

TInheritanceModelEntity::TInheritanceModelEntity()
    : item_class_(&TInheritanceModel::StaticClass()) {}

const TClassInfo& TInheritanceModelEntity::DefaultItemClass() const {
  return TInheritanceModel::StaticClass();
}

void TInheritanceModelEntity::SetItemClassName(const std::string& name) {
  const TClassInfo* c = FindElementClass(name);
  item_class_ = Derives(c, &TInheritanceModel::StaticClass()) ? c : &DefaultItemClass();
}

void TInheritanceModelEntity::NewClassName(const std::string& name) {
  actual_ = nullptr;
  error_ = kNoError;
  if (name.empty()) return;
  const TClassInfo* c = FindElementClass(name);
  if (!c) {
    error_ = kUnknownClass;
    return;
  }
  TElement* created = item_class_->Create();
  auto* model = dynamic_cast<TInheritanceModel*>(created);
  if (!model) {
    delete created;
    error_ = kUnknownClass;
    return;
  }
  model->SetElementClass(c);
  NextItem(model);
  actual_ = model;
}

void TInheritanceModelEntity::FindClassName(const std::string& name) {
  actual_ = nullptr;
  const TClassInfo* c = FindElementClass(name);
  if (!c) {
    error_ = kUnknownClass;
    return;
  }
  TInheritanceModel* model = FindModel(c);
  if (!model) {
    error_ = kNotAccepted;
    return;
  }
  error_ = kNoError;
  actual_ = model;
}

std::string TInheritanceModelEntity::ActualClassName() {
  if (TInheritanceModel* actual = ActualItem()) return actual->ElementClassName();
  error_ = kNoActualItem;
  return "NIL";
}

void TInheritanceModelEntity::SetActualClassName(const std::string& name) {
  if (!ActualItem()) {
    error_ = kNoActualItem;
    return;
  }
  FreeActualItem();
  NewClassName(name);
}

void TInheritanceModelEntity::DeleteActualItem(bool) {
  FreeActualItem();
  actual_ = nullptr;
  error_ = kNoActualItem;
}

void TInheritanceModelEntity::FreeActualItem() {
  TInheritanceModel* item = ActualItem();
  actual_ = nullptr;
  // The entity itself can be current (FindClassName on an entity with a class); it is not freed.
  if (!item || item == this) return;
  // The models of derived classes below the item are kept and placed again afterwards.
  std::vector<TElementRef> below;
  if (TModelItems* items = item->FindItems()) {
    std::vector<TElement*> children = items->Children();
    for (TElement* child : children) {
      if (auto* model = dynamic_cast<TInheritanceModel*>(child)) {
        items->RemoveElement(model);
        below.emplace_back(model);
      }
    }
  }
  TElementRef ref(item);
  std::vector<TEntity*> holders = item->Holders();
  for (TEntity* holder : holders) {
    if (!ref) break;
    if (dynamic_cast<TModelItems*>(holder)) holder->FreeElement(item);
  }
  if (ref && item->Holders().empty() && item->HasNoOwners()) delete item;
  for (const TElementRef& r : below) {
    auto* model = r.As<TInheritanceModel>();
    if (model && model->HasNoOwners()) NextItem(model);
  }
}

}  // namespace tarnik::framework
