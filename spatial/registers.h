// The registers of the map: TRegister holds one TBlockRegister per map block; a block register
// holds one TObjectRegister per object type letter ("B" points, "T" texts, "L" lines, "P"
// areas, "X" anything else); an object register holds TObjectOwner slots indexed by object
// number 1..500000 (slot 0 exists but is never read), each holding the element(s) of that
// number. Every register is a spatial element whose rectangle covers what was filed in it.
// Lookups answer nil for unknown blocks, other letters and numbers outside the slots.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/tools/tool.h"
#include "spatial/space_entity.h"

namespace tarnik::spatial {

class TBlockRegister;
class TObjectRegister;

// Highest object number a register files.
inline constexpr int32_t kMaxObjectNumber = 500000;

class TRegister : public TSpaceEntity {
 public:
  TARNIK_ELEMENT_CLASS(TRegister)
  // The block register of that name (compared without regard to case); nil for an empty name.
  TBlockRegister* FindBlock(std::string_view name) const;
  // The block found, or a new element of `class_name` (created through the class register)
  // named and added; nil for an empty name or a class that is no block register.
  TBlockRegister* GetOrCreateBlock(const std::string& name, std::string_view class_name);
};

class TBlockRegister : public TSpaceEntity {
 public:
  TARNIK_ELEMENT_CLASS(TBlockRegister)
  // "P" for areas, "L" lines, "T" texts, "B" points, "X" anything else.
  static std::string LetterFor(const framework::TElement* element);
  // The object register of one of the five letters (either case), created and added on first
  // use; nil for other letters.
  virtual TObjectRegister* GetObjectRegister(std::string_view letter);
  // The same without creating it.
  TObjectRegister* FindObjectRegister(std::string_view letter) const;
  // Files the element under its SpaceID in the register of its letter and extends the block's
  // rectangle; false (nothing filed) for numbers outside 1..500000.
  bool Register(framework::TElement* element);
  // The first child of slot `number` when it is a spatial element; nil otherwise.
  TSpaceEntity* GetObject(std::string_view letter, int32_t number) const;
  // Frees the elements of slot `number`.
  void FreeObject(std::string_view letter, int32_t number);

 protected:
  // A new, unnamed object register (descendants file into their own kind).
  virtual TObjectRegister* NewObjectRegister();
};

class TObjectOwner;

class TObjectRegister : public TSpaceEntity {
 public:
  TARNIK_ELEMENT_CLASS(TObjectRegister)
  // Adds the element to slot `number`, appending empty slots up to it; extends the rectangle.
  // Numbers outside 1..500000 file nothing (false).
  bool Put(int32_t number, framework::TElement* element);
  // Slot `number` (0 .. slot count - 1), nil otherwise.
  TObjectOwner* Slot(int32_t number) const;
  // The first child of slot `number` for 0 < number < slot count when it is a spatial element.
  TSpaceEntity* GetObject(int32_t number) const;
  // The position of the slot among the children (IndexOf), looked at first at `number`, where
  // Put files an object of that number; -1 when the slot is no child.
  int32_t PositionOf(const TObjectOwner* slot, int32_t number) const;
  // The name of the block register that holds this register, empty when none.
  std::string BlockName() const;
  // The attribute table of the objects; none here.
  virtual framework::TElement* GetDBF() { return nullptr; }

 protected:
  // A new empty slot.
  virtual TObjectOwner* NewSlot();
};

// The slot of one object number. Property reads fall through to the first child.
class TObjectOwner : public TSpaceEntity {
 public:
  TARNIK_ELEMENT_CLASS(TObjectOwner)
  bool HasProperty(std::string_view name) const override;
  std::string GetPropertyText(std::string_view name) override;

 private:
  mutable bool in_child_ = false;
};

// A tool that finds one object: Output := the object `ObjectNo` of the type given by the first
// letter of `ObjectType` in the block `BlockName` of the world's register (nil when any of them
// is missing).
class TRegisterObjectSelector : public framework::TTool {
 public:
  TARNIK_ELEMENT_CLASS(TRegisterObjectSelector)
  const std::string& BlockName() const { return block_name_; }
  void SetBlockName(const std::string& v) { block_name_ = v; }
  int32_t ObjectNo() const { return object_no_; }
  void SetObjectNo(int32_t v) { object_no_ = v; }
  const std::string& ObjectType() const { return object_type_; }
  void SetObjectType(const std::string& v) { object_type_ = v; }
  void Execute() override;

 private:
  std::string block_name_;
  int32_t object_no_ = 0;
  std::string object_type_;
};

}  // namespace tarnik::spatial
