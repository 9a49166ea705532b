// Inheritance-ordered models: a tree of models, one per element class, in which every model holds
// (in its one TModelItems child) the models of classes derived from its own. The tree owns its
// models; TInheritanceModelEntity keeps a non-owning reference to its current item, which reads
// nil once the item is gone. Operations never raise; the entity reports through Error.
#pragma once

#include <string>
#include <vector>

#include "framework/entity.h"
#include "framework/handles.h"

namespace tarnik::framework {

class TInheritanceModel;

// The items of one inheritance model; wraps the model that holds it. Its name is always "ITEMS".
class TModelItems : public TEnvelopeEntity {
 public:
  TARNIK_ELEMENT_CLASS(TModelItems)
  static constexpr const char* kName = "ITEMS";
  std::string GetName() const override { return kName; }
  void SetName(const std::string&) override {}
};

class TInheritanceModel : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TInheritanceModel)

  // The class the model stands for; nil for a model without class.
  const TClassInfo* ElementClass() const { return class_; }
  // Sets the class and names the model after it (nil leaves the name).
  void SetElementClass(const TClassInfo* c);
  std::string ElementClassName() const { return class_ ? class_->Name() : std::string(); }
  // Looks the name up in the class register; unknown names give a model without class.
  void SetElementClassName(const std::string& name);

  // The items, created on first call.
  TModelItems* Items();
  bool NoItems() const;
  TModelItems* FindItems() const;

  // True when the model has no class, or `c` is its class or derives from it.
  bool Accepts(const TClassInfo* c) const;
  // The most specific model for `c` in this subtree; nil where the answer is a model without
  // class.
  TInheritanceModel* FindModel(const TClassInfo* c);
  // Places `model` in the subtree by inheritance: items of classes derived from the model's
  // move below it, and it goes below the item whose class it derives from, or into the items.
  void NextItem(TInheritanceModel* model);
  void SetNextItemElement(TElement* element);

 private:
  // The walks with the models already visited, so that a tree made cyclic by plain entity
  // operations still ends.
  TInheritanceModel* FindModelIn(const TClassInfo* c, std::vector<const TElement*>& visited);
  void NextItemIn(TInheritanceModel* model, std::vector<const TElement*>& visited);

  const TClassInfo* class_ = nullptr;
};

class TInheritanceModelEntity : public TInheritanceModel {
 public:
  TARNIK_ELEMENT_CLASS(TInheritanceModelEntity)
  enum ErrorCode : int32_t { kNoError = 0, kNotAccepted = 1, kUnknownClass = 2, kNoActualItem = 3 };

  TInheritanceModelEntity();

  // The class of new items; always an inheritance model class.
  const TClassInfo* ItemClass() const { return item_class_; }
  std::string ItemClassName() const { return item_class_->Name(); }
  // Unknown names and classes that are no inheritance models fall back to TInheritanceModel.
  void SetItemClassName(const std::string& name);

  TInheritanceModel* ActualItem() const { return actual_.As<TInheritanceModel>(); }
  int32_t Error() const { return error_; }
  bool IsError() const { return error_ > 0; }

  // A new item for the class, placed in the tree and made current (error 2 for unknown names).
  void NewClassName(const std::string& name);
  // Makes the most specific model of the class current (error 2 unknown, 1 not accepted).
  void FindClassName(const std::string& name);
  // The current item's class name, or "NIL" with error 3.
  std::string ActualClassName();
  // Replaces the current item by a new one for the class (error 3 without a current item).
  void SetActualClassName(const std::string& name);
  // Frees the current item and sets error 3; the value written is not looked at.
  void DeleteActualItem(bool);

 protected:
  // The class used when a written item class name is not usable.
  virtual const TClassInfo& DefaultItemClass() const;
  void InitItemClass() { item_class_ = &DefaultItemClass(); }

 private:
  // Frees the current item; the models below it go back into the tree.
  void FreeActualItem();

  const TClassInfo* item_class_;
  TElementRef actual_;
  int32_t error_ = kNoError;
};

}  // namespace tarnik::framework
