// TSpaceEntityProps: the attribute holder of a spatial element. It knows its element
// (SpaceEntity, not owned: the element owns the holder) and, through the element's slot, the
// object register and block register that file it. The extra-property operations are the hook
// through which descendants reach attributes kept elsewhere (attribute tables); here they know
// nothing. The text interface answers the holder's own published properties first and, for a
// filed holder, the extra properties; failures of the hook read as empty text or false.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/entity.h"

namespace tarnik::spatial {

class TSpaceEntity;
class TObjectRegister;
class TBlockRegister;
class TObjectOwner;

class TSpaceEntityProps : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TSpaceEntityProps)

  TSpaceEntity* SpaceEntity() const;
  void SetSpaceEntity(framework::TElement* element);
  bool IsDone() const { return is_done_; }
  void SetIsDone(bool v) { is_done_ = v; }

  // The object number; -1 here.
  virtual int32_t GetSpaceID() { return -1; }
  // The object register holding the slot that holds the element; nil when not filed.
  virtual TObjectRegister* GetObjectRegister() const;
  virtual TBlockRegister* GetBlockRegister() const;
  // This holder when the slot holds exactly one element (or the element is not filed), else
  // the holder of the slot's first element when that is a spatial element with such a holder.
  virtual TSpaceEntityProps* GetFirstProps();
  // The slot's position in its object register (the object number), -1 when not filed.
  virtual int32_t GetOrigNo() const;
  // The block register's name, empty when not filed.
  virtual std::string GetBlockName() const;
  virtual bool HasExtraProperty(std::string_view /*name*/) { return false; }
  virtual std::string GetExtraProperty(std::string_view /*name*/) { return {}; }
  virtual void SetExtraProperty(std::string_view /*name*/, const std::string& /*value*/) {}
  virtual bool HasExtraProperties() { return false; }
  // A new holder of the same class with the text of every published property after LastIndex
  // copied over (the caller owns it).
  virtual TSpaceEntityProps* CloneProps();

  bool IsFiled() const { return GetObjectRegister() != nullptr; }

  bool HasProperty(std::string_view name) const override;
  std::string GetPropertyText(std::string_view name) override;
  void SetPropertyText(std::string_view name, const std::string& value) override;

 private:
  TObjectOwner* Slot() const;

  framework::TElementRef space_entity_;
  bool is_done_ = false;
};

}  // namespace tarnik::spatial
