#include "gis/karmo_registers.h"

#include "framework/models/world.h"
#include "gis/dbf_table.h"
#include "gis/karmo_props.h"

namespace tarnik::gis {

TARNIK_DEFINE_CLASS(TKarmoBlockRegister, spatial::TBlockRegister, nullptr)
TARNIK_DEFINE_CLASS(TKarmoObjectRegister, spatial::TObjectRegister, nullptr)
TARNIK_DEFINE_CLASS(TKarmoObjectOwner, spatial::TObjectOwner, nullptr)

spatial::TObjectRegister* TKarmoBlockRegister::NewObjectRegister() {
  return new TKarmoObjectRegister();
}

TKarmoObjectRegister::~TKarmoObjectRegister() { table_.Reset(); }

TKarmoDBFTable* TKarmoObjectRegister::Table() {
  if (!table_.Get()) table_.Set(this, new TKarmoDBFTable());
  return framework::ClassCast<TKarmoDBFTable>(table_.Get());
}

void TKarmoObjectRegister::CloseTable() {
  if (table_.Get()) Table()->Close();
}

framework::TElement* TKarmoObjectRegister::GetDBF() { return Table(); }

spatial::TObjectOwner* TKarmoObjectRegister::NewSlot() { return new TKarmoObjectOwner(); }

void TKarmoObjectOwner::AddElement(framework::TElement* element) {
  spatial::TObjectOwner::AddElement(element);
  if (!OwnName().empty()) return;
  auto* spatial = framework::ClassCast<spatial::TSpaceEntity>(element);
  auto* props = spatial ? framework::ClassCast<TKarmoProps>(spatial->Properties()) : nullptr;
  if (!props) return;
  SetName(std::string(1, props->GetObjectType()) + std::to_string(props->Cislo()) + ":" +
          std::to_string(props->Druh()));
}

void CloseAttributeTables(spatial::TBlockRegister* block) {
  if (!block) return;
  for (const char* letter : {"B", "T", "L", "P", "X"}) {
    auto* objects = framework::ClassCast<TKarmoObjectRegister>(block->FindObjectRegister(letter));
    if (objects) objects->CloseTable();
  }
}

spatial::TRegister* MapRegister() {
  framework::TObjectModel* model = framework::World().ObjectModel();
  auto* found = framework::ClassCast<spatial::TRegister>(
      model->FindElementByClass(spatial::TRegister::StaticClass()));
  if (found) return found;
  auto* created = new spatial::TRegister();
  model->AddElement(created);
  return created;
}

spatial::TBlockRegister* BlockRegisterFor(const std::string& block_directory) {
  return MapRegister()->GetOrCreateBlock(block_directory, "TKarmoBlockRegister");
}

}  // namespace tarnik::gis
