// Entities: elements with an ordered list of child elements. The list holds plain pointers; who
// frees a child follows the ownership protocol: AddElement registers the entity as an owner of
// an owner-tracking child, FreeElement/FreeAll free a child no other owner keeps and otherwise
// only unregister, and destroying an owner-tracking element unlinks it from every holder.
// Destroying an entity frees its children by that protocol. A subclass may keep its children in a
// compact form of its own (DeferChildren): the first access to the child list turns them into
// elements (RealizeChildren), so every caller sees the same list either way.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/element.h"

namespace tarnik::framework {

class TEntity : public TElement {
 public:
  TARNIK_ELEMENT_CLASS(TEntity)
  TEntity() = default;
  ~TEntity() override;

  int GetCount() const {
    Realize();
    return static_cast<int>(children_.size());
  }
  int GetLastIndex() const { return GetCount() - 1; }
  // The index-th child; an index outside 0..Count-1 raises EListError.
  TElement* GetElement(int index) const;
  const std::vector<TElement*>& Children() const {
    Realize();
    return children_;
  }
  // Moves on whenever a child is linked or unlinked: a caller may keep what it found among the
  // children while it stays the same.
  uint64_t ChildrenVersion() const { return children_version_; }
  // Replaces the index-th child (index 0 on an empty list appends), keeping the owner lists of
  // owner-tracking children true. Never frees.
  virtual void PutElement(int index, TElement* element);
  int IndexOf(const TElement* element) const;

  virtual void FreeAll();
  // Creates an element of a registered class, names it and adds it; nil for unknown classes.
  TElement* NewElement(std::string_view class_name, const std::string& name);
  virtual void AddElement(TElement* element);
  virtual void InsertElement(int index, TElement* element);
  virtual void RemoveElement(TElement* element);
  virtual void FreeElement(TElement* element);
  virtual TElement* FindElementByClass(const TClassInfo& c) const;
  // Czech case-insensitive comparison of GetName.
  virtual TElement* FindElementByName(std::string_view name) const;
  virtual bool AllowsFreeOf(const TElement* /*element*/) const { return false; }

  TElement* FindOrCreate(const TClassInfo& c, const std::string& name);
  template <class T>
  T* FindOrCreate(const std::string& name) {
    return static_cast<T*>(FindOrCreateTyped(T::StaticClass(), name));
  }
  // Frees the element held in `slot` from this entity, stores `element` there and adds it.
  // Storing the element the slot already holds changes nothing.
  template <class T>
  void ReplaceElement(T*& slot, T* element) {
    if (slot == element) return;
    if (slot) FreeElement(slot);
    slot = element;
    AddElement(element);
  }
  int CountOfClass(const TClassInfo& c) const;
  // False only when no child is of class `c` or derives from it: a quick test before a scan of
  // the children for such a class. Kept from one change of the children to the next.
  bool MayHaveChildOfClass(const TClassInfo& c) const;
  // Empties the list without freeing anything; owner-tracking children forget this owner.
  void Detach();
  // Distinct elements below the entity, each child edge of each distinct entity counted once.
  int WholeCount();

  int64_t GetSize() const override;
  int64_t CountWholeSize() override;
  bool IsEmpty() const override {
    Realize();
    return children_.empty();
  }
  TElement* CreateEnvelope() override;
  void TouchAll() override;
  void Mark() override;

 protected:
  // List primitives that keep the children's holder lists true.
  void LinkAt(size_t pos, TElement* element);
  TElement* UnlinkAt(size_t pos);
  // Removes every occurrence (used when a child is destroyed).
  void UnlinkAll(TElement* element);
  TElement* FindOrCreateTyped(const TClassInfo& c, const std::string& name);

  // The children are held in the subclass's compact form until the child list is first used;
  // only an entity without linked children may defer them.
  void DeferChildren() { children_deferred_ = children_.empty(); }
  bool ChildrenDeferred() const { return children_deferred_; }
  // The children's compact form changed (ChildrenVersion moves on).
  void NoteChildrenChanged() { ++children_version_; }
  // Links the compact children as elements; called once, with the deferral already ended.
  virtual void RealizeChildren() {}

 private:
  void Realize() const {
    if (children_deferred_) RealizeNow();
  }
  void RealizeNow() const;
  friend class TElement;
  int CountEdges();
  void FreeAllChildren(bool destroying);
  // False for lists that do not register themselves with their children.
  virtual bool RegistersOwners() const { return true; }
  friend class TQuickEntity;
  std::vector<TElement*> children_;
  mutable uint64_t child_lineages_ = 0;  // the children's lineage bits, while known
  mutable bool child_lineages_known_ = false;
  mutable bool children_deferred_ = false;
  uint64_t children_version_ = 0;
};

// A container of TAliasElement children.
class TAliases : public TEntity {
 public:
  TARNIK_ELEMENT_CLASS(TAliases)
};

// A plain list of elements it does not own in the protocol's sense: adding registers no owner.
class TQuickEntity : public TEntity {
 public:
  TARNIK_ELEMENT_CLASS(TQuickEntity)
  void AddElement(TElement* element) override;
  void InsertElement(int index, TElement* element) override;
};

// Stands for one wrapped element, set by its single "owner".
class TEnvelopeEntity : public TEntity {
 public:
  TARNIK_ELEMENT_CLASS(TEnvelopeEntity)
  TElement* Wrapped() const { return wrapped_.Get(); }
  void AddOwner(TEntity* owner) override;
  void HandleMessage(TKelvaMessage& message, bool& handled) override;
  TElement* FindOwnerByClass(const TClassInfo& c) const override;

 protected:
  TElement* FindUpByClassImpl(const TClassInfo& c, std::vector<TElement*>& visited) override;

 private:
  TElementRef wrapped_;
};

class TNameEntity : public TEntity {
 public:
  TARNIK_ELEMENT_CLASS(TNameEntity)
  int64_t GetSize() const override;
  std::string GetName() const override;
  void SetName(const std::string& name) override { name_ = name; }
  bool IsNameStored() const override { return !name_.empty(); }
  const std::string& OwnName() const { return name_; }

 private:
  std::string name_;
};

// The base of nearly all model classes: a named entity that records its holders.
class TOwnerEntity : public TNameEntity {
 public:
  TARNIK_ELEMENT_CLASS(TOwnerEntity)
  ~TOwnerEntity() override;
  TEntity* GetOwner(int index) const override { return OwnerAt(owners_, index); }
  void InsertOwner(int index, TEntity* owner) override { InsertOwnerInto(owners_, index, owner); }
  int GetOwnersCount() const override { return static_cast<int>(owners_.size()); }
  void AddOwner(TEntity* owner) override { owners_.push_back(owner); }
  void RemoveOwner(TEntity* owner) override { RemoveOwnerFrom(owners_, owner); }
  bool HasOwner(const TEntity* owner) const override;
  // Owners that are envelopes are looked through to their wrapped element.
  TElement* FindOwnerByClass(const TClassInfo& c) const override;
  TElement* FindOwnerByName(std::string_view name) const override;
  bool CanBeFreed(const TEntity* asker) const override {
    return OwnersAllowFree(owners_, this, asker);
  }

 protected:
  TElement* FindUpByClassImpl(const TClassInfo& c, std::vector<TElement*>& visited) override;

 private:
  std::vector<TEntity*> owners_;
};

// The alias target named `name` in the entity's TAliases child, else FindElementByName(name).
TElement* FindByAlias(TEntity& entity, std::string_view name);
// Points the alias `name` at `element` (freeing the previous target from the entity) and adds
// the element to the entity.
void SetAlias(TEntity& entity, const std::string& name, TElement* element);

}  // namespace tarnik::framework
