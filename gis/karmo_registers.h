// The GIS registers: a TKarmoBlockRegister per map block (named by its directory), holding a
// TKarmoObjectRegister per object type letter, whose slots are TKarmoObjectOwners. An object
// register keeps one attribute table object (TKarmoDBFTable), created read-only on first use and
// owned by the register outside its slot list. A slot takes its name from the first GIS object
// filed in it: type letter + number + ":" + kind (area 17 of kind 110: "P17:110").
#pragma once

#include <string>

#include "spatial/owned_element.h"
#include "spatial/registers.h"

namespace tarnik::gis {

class TKarmoDBFTable;

class TKarmoBlockRegister : public spatial::TBlockRegister {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoBlockRegister)

 protected:
  spatial::TObjectRegister* NewObjectRegister() override;
};

class TKarmoObjectRegister : public spatial::TObjectRegister {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoObjectRegister)
  ~TKarmoObjectRegister() override;
  // The attribute table, created on first use.
  TKarmoDBFTable* Table();
  // Closes the attribute table when there is one, with all it keeps open or knows of the files.
  void CloseTable();
  framework::TElement* GetDBF() override;

 protected:
  spatial::TObjectOwner* NewSlot() override;

 private:
  spatial::OwnedElement table_;
};

class TKarmoObjectOwner : public spatial::TObjectOwner {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoObjectOwner)
  void AddElement(framework::TElement* element) override;
};

// Closes the attribute tables of the block's object registers, so that a block read again sees
// its attribute files as they are now.
void CloseAttributeTables(spatial::TBlockRegister* block);

// The world's register of map blocks: the first TRegister child of the object model, created
// and added when there is none.
spatial::TRegister* MapRegister();
// The block register of that directory in the map register, created as a TKarmoBlockRegister
// when missing; nil for an empty name.
spatial::TBlockRegister* BlockRegisterFor(const std::string& block_directory);

}  // namespace tarnik::gis
