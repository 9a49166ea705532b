#include "framework/condition/element_context.h"

#include <exception>
#include <limits>

#include "framework/class_info.h"
#include "platform/text.h"

namespace tarnik::framework::condition {

bool ElementContext::ClassIs(const std::string& name) const {
  return element_ && platform::SameTextCz(element_->ClassName(), name);
}

bool ElementContext::IsAncestor(const std::string& name) const {
  if (!element_) return false;
  for (const TClassInfo* c = &element_->ClassType(); c; c = c->Parent()) {
    if (platform::SameTextCz(c->Name(), name)) return true;
  }
  return false;
}

bool ElementContext::PublishesProperty(const std::string& name) const {
  return element_ && element_->ClassType().IndexOf(name) >= 0;
}

MaybeValue ElementContext::ReadProperty(const std::string& name) const {
  if (!element_) return std::nullopt;
  const TPropInfo* prop = element_->ClassType().Find(name);
  try {
    if (!prop) return ValueFromText(element_->GetPropertyText(name));
    switch (prop->kind) {
      case TTypeKind::tkInteger:
      case TTypeKind::tkInt64: {
        if (!prop->get_ord) return std::nullopt;
        const int64_t v = prop->get_ord(*element_);
        if (prop->type_name == "Byte") return Value::Byte(static_cast<uint8_t>(v));
        return Value::IntegerOrFloat(v);
      }
      case TTypeKind::tkChar:
        if (!prop->get_ord) return std::nullopt;
        return Value::Char(static_cast<char>(prop->get_ord(*element_)));
      case TTypeKind::tkEnumeration:
        if (!prop->get_ord || prop->type_name != "Boolean") return std::nullopt;
        return Value::Boolean(prop->get_ord(*element_) != 0);
      case TTypeKind::tkFloat:
        if (!prop->get_float) return std::nullopt;
        return Value::Float(prop->get_float(*element_));
      case TTypeKind::tkString:
      case TTypeKind::tkLString:
        if (!prop->get_str) return std::nullopt;
        return Value::String(prop->get_str(*element_));
      default:
        return std::nullopt;
    }
  } catch (const std::exception&) {
    // A failing reader gives no value, like a type mismatch.
    return std::nullopt;
  }
}

}  // namespace tarnik::framework::condition
