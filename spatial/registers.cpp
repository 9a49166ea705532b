#include "spatial/registers.h"

#include <exception>

#include "framework/class_register.h"
#include "framework/models/world.h"
#include "platform/text.h"
#include "platform/ui.h"
#include "spatial/area_element.h"
#include "spatial/space_elements.h"

namespace tarnik::spatial {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineObjectRegister(std::vector<TPropInfo>& out) {
  TPropDefs<TObjectRegister> d(out);
  d.String("BlockName", &TObjectRegister::BlockName, nullptr);
  d.Object("DBF", TElement::StaticClass(), &TObjectRegister::GetDBF, nullptr);
}

void DefineSelector(std::vector<TPropInfo>& out) {
  using S = TRegisterObjectSelector;
  TPropDefs<S> d(out);
  d.String("BlockName", &S::BlockName, &S::SetBlockName);
  d.Integer("ObjectNo", &S::ObjectNo, &S::SetObjectNo);
  d.String("ObjectType", &S::ObjectType, &S::SetObjectType);
}

// The upper-cased letter when it is one of the five, else empty.
std::string RegisterLetter(std::string_view letter) {
  const std::string upper = platform::UpperAscii(letter);
  if (upper == "B" || upper == "T" || upper == "L" || upper == "P" || upper == "X") return upper;
  return {};
}

int32_t SpaceIdOf(TElement* element) {
  if (auto* spatial = framework::ClassCast<TSpaceEntity>(element)) return spatial->GetSpaceID();
  return element->GetPropertyInteger("SPACEID");
}

}  // namespace

TARNIK_DEFINE_CLASS(TRegister, TSpaceEntity, nullptr)
TARNIK_DEFINE_CLASS(TBlockRegister, TSpaceEntity, nullptr)
TARNIK_DEFINE_CLASS(TObjectRegister, TSpaceEntity, DefineObjectRegister)
TARNIK_DEFINE_CLASS(TObjectOwner, TSpaceEntity, nullptr)
TARNIK_DEFINE_CLASS(TRegisterObjectSelector, framework::TTool, DefineSelector)

TBlockRegister* TRegister::FindBlock(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TElement* child : Children()) {
    auto* block = framework::ClassCast<TBlockRegister>(child);
    if (block && platform::SameTextCz(block->GetName(), name)) return block;
  }
  return nullptr;
}

TBlockRegister* TRegister::GetOrCreateBlock(const std::string& name, std::string_view class_name) {
  if (name.empty()) return nullptr;
  if (TBlockRegister* found = FindBlock(name)) return found;
  TElement* created = framework::CreateElementByClassName(class_name);
  auto* block = framework::ClassCast<TBlockRegister>(created);
  if (!block) {
    delete created;
    return nullptr;
  }
  block->SetName(name);
  AddElement(block);
  return block;
}

std::string TBlockRegister::LetterFor(const TElement* element) {
  if (!element) return "X";
  if (element->Is<TAreaElement>()) return "P";
  if (element->Is<TPolyLineElement>()) return "L";
  if (element->Is<TTextElement>()) return "T";
  if (element->Is<TPointElement>()) return "B";
  return "X";
}

TObjectRegister* TBlockRegister::NewObjectRegister() { return new TObjectRegister(); }

TObjectRegister* TBlockRegister::FindObjectRegister(std::string_view letter) const {
  const std::string name = RegisterLetter(letter);
  if (name.empty()) return nullptr;
  return framework::ClassCast<TObjectRegister>(FindElementByName(name));
}

TObjectRegister* TBlockRegister::GetObjectRegister(std::string_view letter) {
  const std::string name = RegisterLetter(letter);
  if (name.empty()) return nullptr;
  if (TObjectRegister* found = FindObjectRegister(name)) return found;
  TObjectRegister* objects = NewObjectRegister();
  objects->SetName(name);
  AddElement(objects);
  return objects;
}

bool TBlockRegister::Register(TElement* element) {
  if (!element) return false;
  const int32_t number = SpaceIdOf(element);
  if (number < 1 || number > kMaxObjectNumber) return false;
  TObjectRegister* objects = GetObjectRegister(LetterFor(element));
  if (!objects || !objects->Put(number, element)) return false;
  ExtendByElement(element);
  return true;
}

TSpaceEntity* TBlockRegister::GetObject(std::string_view letter, int32_t number) const {
  const TObjectRegister* objects = FindObjectRegister(letter);
  return objects ? objects->GetObject(number) : nullptr;
}

void TBlockRegister::FreeObject(std::string_view letter, int32_t number) {
  const TObjectRegister* objects = FindObjectRegister(letter);
  if (!objects || number < 1) return;
  if (TObjectOwner* slot = objects->Slot(number)) slot->FreeAll();
}

TObjectOwner* TObjectRegister::NewSlot() { return new TObjectOwner(); }

bool TObjectRegister::Put(int32_t number, TElement* element) {
  if (!element || number < 1 || number > kMaxObjectNumber) return false;
  while (GetCount() <= number) AddElement(NewSlot());
  TObjectOwner* slot = Slot(number);
  if (!slot) return false;  // a child that is no slot sits at that position
  slot->AddWithBounds(element);
  ExtendByElement(element);
  return true;
}

TObjectOwner* TObjectRegister::Slot(int32_t number) const {
  if (number < 0 || number >= GetCount()) return nullptr;
  return framework::ClassCast<TObjectOwner>(Children()[static_cast<size_t>(number)]);
}

TSpaceEntity* TObjectRegister::GetObject(int32_t number) const {
  if (number < 1) return nullptr;
  const TObjectOwner* slot = Slot(number);
  if (!slot || slot->GetCount() == 0) return nullptr;
  return framework::ClassCast<TSpaceEntity>(slot->Children().front());
}

int32_t TObjectRegister::PositionOf(const TObjectOwner* slot, int32_t number) const {
  // A slot with this register as its only owner is its child once: found there, it is the
  // first match as well.
  if (slot && number >= 0 && number < GetCount() && slot->GetOwnersCount() == 1 &&
      Children()[static_cast<size_t>(number)] == slot) {
    return number;
  }
  return IndexOf(slot);
}

std::string TObjectRegister::BlockName() const {
  auto* block =
      framework::ClassCast<TBlockRegister>(FindOwnerByClass(TBlockRegister::StaticClass()));
  return block ? block->OwnName() : std::string();
}

bool TObjectOwner::HasProperty(std::string_view name) const {
  if (TElement::HasProperty(name)) return true;
  if (GetCount() == 0 || in_child_) return false;
  in_child_ = true;
  const bool found = Children().front()->HasProperty(name);
  in_child_ = false;
  return found;
}

std::string TObjectOwner::GetPropertyText(std::string_view name) {
  std::string own = TElement::GetPropertyText(name);
  if (!own.empty() || GetCount() == 0 || in_child_) return own;
  in_child_ = true;
  try {
    own = Children().front()->GetPropertyText(name);
  } catch (const std::exception&) {
    platform::ui().Beep();
  }
  in_child_ = false;
  return own;
}

void TRegisterObjectSelector::Execute() {
  TTool::Execute();
  SetOutput(nullptr);
  if (object_type_.empty()) return;
  framework::TObjectModel* model = framework::World().ObjectModel();
  auto* reg =
      model ? framework::ClassCast<TRegister>(model->FindElementByClass(TRegister::StaticClass()))
            : nullptr;
  TBlockRegister* block = reg ? reg->FindBlock(block_name_) : nullptr;
  if (!block) return;
  SetOutput(block->GetObject(object_type_.substr(0, 1), object_no_));
}

}  // namespace tarnik::spatial
