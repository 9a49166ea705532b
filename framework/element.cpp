#include "framework/element.h"

#include <algorithm>
#include <exception>

#include "framework/entity.h"
#include "framework/message.h"
#include "framework/stamp.h"
#include "platform/ui.h"

namespace tarnik::framework {
namespace {

void DefineElement(std::vector<TPropInfo>& out) {
  TPropDefs<TElement> d(out);
  d.Integer("ID", &TElement::ID, &TElement::SetID).NotStored();
  d.String("Name", &TElement::GetName, &TElement::SetName).StoredIf([](TElement& e) {
    return e.IsNameStored();
  });
  d.Integer("OwnersCount", &TElement::GetOwnersCount, nullptr);
  d.Integer(
      "Size", [](TElement& e) { return static_cast<int32_t>(e.GetSize()); }, nullptr);
  d.Integer(
      "WholeSize", [](TElement& e) { return static_cast<int32_t>(e.GetWholeSize()); }, nullptr);
}

}  // namespace

const TClassInfo& TElement::StaticClass() {
  static const TClassInfo info(
      "TElement", nullptr, []() -> TElement* { return new TElement(); }, DefineElement);
  return info;
}

TARNIK_DEFINE_CLASS(TNameElement, TElement, nullptr)
TARNIK_DEFINE_CLASS(TOwnerElement, TNameElement, nullptr)
TARNIK_DEFINE_CLASS(TAliasElement, TOwnerElement, nullptr)

TElement::~TElement() {
  if (handle_) internal::ForgetHandle(handle_);
  UnlinkFromAllHolders();
}

void TElement::UnlinkFromAllHolders() {
  flags_ |= kDestroying;
  while (!holders_.empty()) holders_.back()->UnlinkAll(this);
}

int32_t TElement::Handle() {
  if (!handle_) handle_ = internal::RegisterHandle(this);
  return handle_;
}

int64_t TElement::GetSize() const { return static_cast<int64_t>(sizeof(TElement)); }

int64_t TElement::GetWholeSize() {
  NewTraversalStamp();
  return CountWholeSize();
}

int64_t TElement::CountWholeSize() {
  SetID(CurrentTraversalStamp());
  return GetSize();
}

std::string TElement::GetName() const { return ClassName(); }

void TElement::SetName(const std::string& /*name*/) {}

TEntity* TElement::GetOwner(int /*index*/) const { return nullptr; }
void TElement::InsertOwner(int /*index*/, TEntity* /*owner*/) {}
void TElement::AddOwner(TEntity* /*owner*/) {}
void TElement::RemoveOwner(TEntity* /*owner*/) {}
bool TElement::HasOwner(const TEntity* /*owner*/) const { return false; }
TElement* TElement::FindOwnerByClass(const TClassInfo& /*c*/) const { return nullptr; }
TElement* TElement::FindOwnerByName(std::string_view /*name*/) const { return nullptr; }

bool TElement::CanBeFreed(const TEntity* /*asker*/) const { return true; }

TElement* TElement::FindUpByClass(const TClassInfo& c) {
  std::vector<TElement*> visited;
  return FindUpByClassImpl(c, visited);
}

TElement* TElement::FindUpByClassImpl(const TClassInfo& c, std::vector<TElement*>& visited) {
  if (InheritsFrom(c)) return this;
  visited.push_back(this);
  return nullptr;
}

TElement* TElement::CreateEnvelope() {
  TElement* envelope = ClassType().Create();
  envelope->SetName("Obálka: " + GetName());
  return envelope;
}

void TElement::MarkAll() {
  NewTraversalStamp();
  Mark();
}

void TElement::Mark() { SetID(CurrentTraversalStamp()); }

void TElement::HandleMessage(TKelvaMessage& /*message*/, bool& /*handled*/) {}

void TElement::PassToOwners(TKelvaMessage& message, bool& handled) {
  int count = GetOwnersCount();
  for (int i = 0; i < count && !handled; ++i) {
    TEntity* owner = GetOwner(i);
    if (!owner) continue;
    try {
      owner->HandleMessage(message, handled);
    } catch (const std::exception&) {
      platform::ui().ShowMessage(std::to_string(message.Message()));
    }
    count = GetOwnersCount();
  }
  handled = true;
}

void TElement::SendMsg(int32_t code, TElement* receiver, TElement* data) {
  SendFrameworkMessage(new TKelvaMessage(code, data, receiver, this));
}

void TElement::PostMsg(int32_t code, TElement* receiver, TElement* data) {
  PostFrameworkMessage(new TKelvaMessage(code, data, receiver, this));
}

void TElement::SendToOwners(int32_t code, TElement* data) {
  for (int i = 0; i < GetOwnersCount(); ++i) SendMsg(code, GetOwner(i), data);
}

void TElement::PostToOwners(int32_t code, TElement* data) {
  for (int i = 0; i < GetOwnersCount(); ++i) PostMsg(code, GetOwner(i), data);
}

void TElement::PostTextMessage(int32_t code, const std::string& text, TElement* receiver) {
  auto* message = new TKelvaTextMessage(code, nullptr, receiver, this);
  message->SetText(text);
  PostFrameworkMessage(message);
}

TEntity* TElement::OwnerAt(const std::vector<TEntity*>& owners, int index) {
  if (index < 0 || static_cast<size_t>(index) >= owners.size()) return nullptr;
  return owners[static_cast<size_t>(index)];
}

void TElement::InsertOwnerInto(std::vector<TEntity*>& owners, int index, TEntity* owner) {
  if (index <= 0 || static_cast<size_t>(index) >= owners.size()) {
    owners.push_back(owner);
  } else {
    owners.insert(owners.begin() + index, owner);
  }
}

void TElement::RemoveOwnerFrom(std::vector<TEntity*>& owners, TEntity* owner) {
  auto it = std::find(owners.begin(), owners.end(), owner);
  if (it != owners.end()) owners.erase(it);
}

bool TElement::OwnersAllowFree(const std::vector<TEntity*>& owners, const TElement* element,
                               const TEntity* asker) {
  for (TEntity* owner : owners) {
    if (owner == asker || !owner) continue;
    if (!owner->AllowsFreeOf(element)) return false;
  }
  return true;
}

TElement* TElement::FindOwnerByClassIn(const std::vector<TEntity*>& owners, const TClassInfo& c) {
  for (TEntity* owner : owners) {
    if (owner && owner->InheritsFrom(c)) return owner;
  }
  return nullptr;
}

TElement* TElement::FindOwnerByNameIn(const std::vector<TEntity*>& owners, std::string_view name) {
  for (TEntity* owner : owners) {
    if (owner && owner->GetName() == name) return owner;
  }
  return nullptr;
}

void TElement::DetachFromOwners(std::vector<TEntity*>& owners) {
  while (!owners.empty()) {
    TEntity* owner = owners.back();
    size_t before = owners.size();
    try {
      owner->RemoveElement(this);
    } catch (const std::exception&) {
      platform::ui().ShowMessage("TOwnerEntity.Destroy: chyba cyklu uvolňování , " +
                                     owner->ClassName() + " : " + owner->GetName(),
                                 platform::Severity::kFailure);
      break;
    }
    if (owners.size() == before && !owners.empty() && owners.back() == owner) owners.pop_back();
  }
  owners.clear();
}

int64_t TNameElement::GetSize() const {
  int64_t size = static_cast<int64_t>(sizeof(TNameElement));
  if (!name_.empty()) size += static_cast<int64_t>(name_.size()) + 1;
  return size;
}

std::string TNameElement::GetName() const { return name_.empty() ? ClassName() : name_; }

TOwnerElement::~TOwnerElement() {
  SetFlag(kDestroying, true);
  DetachFromOwners(owners_);
  UnlinkFromAllHolders();
}

bool TOwnerElement::HasOwner(const TEntity* owner) const {
  return std::find(owners_.begin(), owners_.end(), owner) != owners_.end();
}

TElement* TOwnerElement::FindUpByClassImpl(const TClassInfo& c, std::vector<TElement*>& visited) {
  if (InheritsFrom(c)) return this;
  visited.push_back(this);
  for (TEntity* owner : owners_) {
    if (!owner || std::find(visited.begin(), visited.end(), owner) != visited.end()) continue;
    if (TElement* hit = owner->FindUpByClassImpl(c, visited)) return hit;
  }
  return nullptr;
}

}  // namespace tarnik::framework
