#include "framework/stream/klv_loader.h"

#include "framework/stream/stream_tools.h"

#include <algorithm>
#include <exception>

#include <fmt/format.h>

#include "framework/class_register.h"
#include "framework/property_text.h"
#include "platform/encoding.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::framework::stream {
namespace {

bool IsStringKind(int32_t kind) {
  return kind == static_cast<int32_t>(TTypeKind::tkString) ||
         kind == static_cast<int32_t>(TTypeKind::tkLString);
}

bool KindsCompatible(int32_t stored, TTypeKind running) {
  const auto r = static_cast<int32_t>(running);
  return stored == r || (IsStringKind(stored) && IsStringKind(r));
}

int IndexOfProperty(const TClassInfo& info, const std::string& name) {
  int i = info.IndexOf(name);
  if (i >= 0) return i;
  const auto& props = info.Properties();
  for (size_t k = 0; k < props.size(); ++k) {
    if (platform::SameTextCz(props[k].name, name)) return static_cast<int>(k);
  }
  return -1;
}

}  // namespace

KlvElementBuilder::~KlvElementBuilder() { Finish(false); }

void KlvElementBuilder::Report(const std::string& text) {
  if (reporter_) reporter_->PostTextMessage(8, text, nullptr);
}

void KlvElementBuilder::ClassDefinition(const KlvClassDef& def) {
  ClassEntry entry;
  entry.name = platform::Cp1250ToUtf8(def.name);
  entry.info = FindElementClass(entry.name);
  if (!entry.info) {
    Report(entry.name + " - Unknown class !");
    entry.info = &TOwnerEntity::StaticClass();
  }
  for (const auto& [raw_name, kind] : def.properties) {
    PropertyMap map;
    map.name = platform::Cp1250ToUtf8(raw_name);
    map.stored_kind = kind;
    const int index = IndexOfProperty(*entry.info, map.name);
    if (index < 0) {
      Report(entry.name + " lost property: " + map.name);
    } else {
      const TPropInfo& prop = entry.info->Properties()[static_cast<size_t>(index)];
      if (!KindsCompatible(kind, prop.kind)) {
        Report(fmt::format("{} property \"{}\" type error: {}", entry.name, map.name, kind));
      } else {
        map.prop = &prop;
        if (prop.DeclaredStored() && (!prop.HasReader() || !prop.HasWriter())) {
          Report(entry.name + " property \"" + map.name + "\" is Read or Write Only!");
        }
      }
    }
    entry.properties.push_back(std::move(map));
  }
  classes_.push_back(std::move(entry));
}

KlvElementBuilder::Slot* KlvElementBuilder::Live(int32_t position) {
  if (position < 0 || static_cast<size_t>(position) >= slots_.size()) return nullptr;
  Slot& slot = slots_[static_cast<size_t>(position)];
  if (slot.failed || !slot.element) return nullptr;
  return &slot;
}

TElement* KlvElementBuilder::Completed(int32_t number) const {
  if (number < 0 || static_cast<size_t>(number) >= slots_.size()) return nullptr;
  const Slot& slot = slots_[static_cast<size_t>(number)];
  if (slot.open) return nullptr;
  return slot.element.Get();
}

void KlvElementBuilder::BeginElement(int32_t position, int32_t class_number) {
  slots_.emplace_back();
  Slot& slot = slots_.back();
  slot.open = true;
  slot.class_number = class_number;
  open_.push_back(position);
  if (class_number < 0 || static_cast<size_t>(class_number) >= classes_.size()) {
    Report(fmt::format("Chybné číslo třídy {} u elementu {}", class_number, position));
    slot.failed = true;
    return;
  }
  const ClassEntry& entry = classes_[static_cast<size_t>(class_number)];
  try {
    TElement* element = entry.info->Create();
    slot.element = element;
    if (element) position_of_handle_[element->Handle()] = position;
  } catch (const std::exception&) {
    slot.failed = true;
  }
  if (!slot.element) slot.failed = true;
}

bool KlvElementBuilder::SetValue(Slot& slot, const ClassEntry& entry, const PropertyMap& map,
                                 const KlvValue& value) {
  const TPropInfo& prop = *map.prop;
  TElement* element = slot.element.Get();
  if (!prop.HasReader() || !prop.HasWriter()) return true;
  TRawValue raw;
  raw.kind = prop.kind;
  const int32_t* number = std::get_if<int32_t>(&value);
  switch (prop.kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkSet:
    case TTypeKind::tkInt64:
      if (!number) return false;
      raw.ord = *number;
      break;
    case TTypeKind::tkEnumeration:
      if (!number) return false;
      // A value outside the enumeration leaves the property as it is.
      if (*number < 0 ||
          (!prop.enum_ids.empty() && static_cast<size_t>(*number) >= prop.enum_ids.size())) {
        return true;
      }
      raw.ord = *number;
      break;
    case TTypeKind::tkChar:
      if (const auto* s = std::get_if<std::string>(&value)) {
        if (s->size() != 1) return false;
        raw.ord = static_cast<unsigned char>((*s)[0]);
      } else if (number && *number >= 0 && *number <= 255) {
        raw.ord = *number;
      } else {
        return false;
      }
      break;
    case TTypeKind::tkFloat:
      if (const auto* f = std::get_if<double>(&value)) {
        raw.flt = *f;
      } else if (number) {
        raw.flt = *number;
      } else {
        return false;
      }
      break;
    case TTypeKind::tkString:
    case TTypeKind::tkLString: {
      const auto* s = std::get_if<std::string>(&value);
      if (!s) return false;
      raw.str = platform::Cp1250ToUtf8(*s);
      break;
    }
    case TTypeKind::tkClass: {
      TElement* target = nullptr;
      if (const auto* in = std::get_if<KlvInline>(&value)) {
        target = Completed(in->position);
        if (target) target->SetID(-1);
      } else if (number) {
        // -1 is nil; forward, stale and damaged numbers load as nil too.
        target = *number >= 0 ? Completed(*number) : nullptr;
      } else {
        return false;
      }
      if (target && prop.ref_class && !target->InheritsFrom(*prop.ref_class)) target = nullptr;
      raw.obj = target;
      break;
    }
    default:
      return true;  // kinds the format does not carry are ignored
  }
  try {
    SetRawValue(*element, prop, raw);
  } catch (const std::exception&) {
    platform::ui().ShowMessage("Property Set Error " + entry.name + " " + map.name,
                               platform::Severity::kPassedOver);
    return false;
  }
  return true;
}

void KlvElementBuilder::Property(int32_t position, int32_t index, const KlvValue& value) {
  Slot* slot = Live(position);
  if (!slot) return;
  const ClassEntry& entry = classes_[static_cast<size_t>(slot->class_number)];
  if (index < 0 || static_cast<size_t>(index) >= entry.properties.size()) {
    Report(fmt::format("{}: chybný index vlastnosti {}", entry.name, index));
    slot->failed = true;
    return;
  }
  const PropertyMap& map = entry.properties[static_cast<size_t>(index)];
  if (!map.prop) return;  // lost or mistyped: the value is skipped
  if (!SetValue(*slot, entry, map, value)) slot->failed = true;
}

int KlvElementBuilder::DepthOf(TElement* element) const {
  if (!element) return 0;
  auto it = position_of_handle_.find(element->Handle());
  if (it == position_of_handle_.end()) return 1;
  return slots_[static_cast<size_t>(it->second)].depth;
}

void KlvElementBuilder::Children(int32_t position, const std::vector<int32_t>& children) {
  Slot* slot = Live(position);
  if (!slot) return;
  auto* entity = dynamic_cast<TEntity*>(slot->element.Get());
  if (!entity) return;
  TElementRef entity_ref(entity);
  for (int32_t number : children) {
    // A child must be a completed element written before this one.
    TElement* child = number < position ? Completed(number) : nullptr;
    if (!child || !entity_ref) continue;
    if (DepthOf(child) >= kMaxLoadedTreeDepth) {
      Report(fmt::format("Element {}: příliš hluboké vnoření", position));
      continue;
    }
    try {
      entity->AddElement(child);
    } catch (const std::exception&) {
      // A child the entity refuses is left out.
    }
  }
}

void KlvElementBuilder::EndElement(int32_t position) {
  if (!open_.empty()) open_.pop_back();
  Slot& slot = slots_[static_cast<size_t>(position)];
  slot.open = false;
  if (open_.empty()) root_position_ = position;
  auto* entity = dynamic_cast<TEntity*>(slot.element.Get());
  if (!entity) return;
  // Property setters may have attached children too: keep the depth bound for them as well.
  int depth = 1;
  std::vector<TElement*> too_deep;
  for (TElement* child : entity->Children()) {
    const int d = DepthOf(child);
    if (d >= kMaxLoadedTreeDepth) {
      too_deep.push_back(child);
    } else {
      depth = std::max(depth, d + 1);
    }
  }
  for (TElement* child : too_deep) entity->RemoveElement(child);
  slot.depth = depth;
}

TElement* KlvElementBuilder::Finish(bool keep_root) {
  TElement* root = nullptr;
  if (keep_root && root_position_ >= 0)
    root = slots_[static_cast<size_t>(root_position_)].element.Get();
  for (auto it = slots_.rbegin(); it != slots_.rend(); ++it) {
    TElement* element = it->element.Get();
    if (element && element != root && element->Holders().empty()) delete element;
  }
  slots_.clear();
  position_of_handle_.clear();
  open_.clear();
  root_position_ = -1;
  return root;
}

}  // namespace tarnik::framework::stream
