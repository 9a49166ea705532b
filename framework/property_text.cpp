#include "framework/property_text.h"

#include <exception>

#include "framework/element.h"
#include "framework/handles.h"
#include "framework/int_text.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::framework {
namespace {

std::string CharText(int64_t code) {
  unsigned char byte = static_cast<unsigned char>(code & 0xFF);
  std::string out;
  platform::AppendUtf8(&out, platform::Cp1250ByteToUnicode(byte));
  return out;
}

// The ordinal of an identifier (ASCII case-insensitive), -1 when none matches.
int64_t IdentifierOrdinal(const TPropInfo& prop, const std::string& text) {
  std::string upper = platform::UpperAscii(text);
  for (size_t i = 0; i < prop.enum_ids.size(); ++i) {
    if (platform::UpperAscii(prop.enum_ids[i]) == upper) return static_cast<int64_t>(i);
  }
  return -1;
}

std::string ReadText(TElement& element, const TPropInfo& prop) {
  switch (prop.kind) {
    case TTypeKind::tkInteger:
      return std::to_string(prop.get_ord(element));
    case TTypeKind::tkChar:
      return CharText(prop.get_ord(element));
    case TTypeKind::tkEnumeration: {
      int64_t ord = prop.get_ord(element);
      if (ord >= 0 && static_cast<size_t>(ord) < prop.enum_ids.size()) {
        return prop.enum_ids[static_cast<size_t>(ord)];
      }
      return std::to_string(ord);
    }
    case TTypeKind::tkSet:
      return std::to_string(static_cast<uint32_t>(prop.get_ord(element)));
    case TTypeKind::tkFloat:
      return platform::FloatToText(prop.get_float(element));
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
      return prop.get_str(element);
    case TTypeKind::tkClass: {
      TElement* obj = prop.get_obj(element);
      return obj ? std::to_string(obj->Handle()) : "0";
    }
    case TTypeKind::tkMethod: {
      TMethod m = prop.get_method(element);
      return std::to_string(m.code) + ";" + std::to_string(m.data);
    }
    default:
      return {};
  }
}

void WriteText(TElement& element, const TPropInfo& prop, const std::string& text) {
  switch (prop.kind) {
    case TTypeKind::tkInteger:
      prop.set_ord(element, WholeTextToInteger(text).value_or(0));
      break;
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet: {
      int64_t value;
      if (auto n = WholeTextToInteger(text)) {
        value = *n;
      } else {
        value = IdentifierOrdinal(prop, text);
        if (value < 0) return;  // no such identifier: the value stays
      }
      if (prop.kind == TTypeKind::tkEnumeration &&
          (value < 0 || static_cast<size_t>(value) >= prop.enum_ids.size())) {
        return;  // outside the enumeration: the value stays
      }
      prop.set_ord(element, value);
      break;
    }
    case TTypeKind::tkFloat:
      prop.set_float(element, text.empty() ? 0.0 : ReadDecimalText(text).value_or(0.0));
      break;
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
      prop.set_str(element, text);
      break;
    case TTypeKind::tkClass: {
      int32_t handle = WholeTextToInteger(text).value_or(0);
      if (handle == 0) {
        prop.set_obj(element, nullptr);
        return;
      }
      TElement* obj = FindElementByHandle(handle);
      if (!obj) return;  // a dead or unknown handle leaves the property as it is
      if (prop.RefClass() && !obj->InheritsFrom(*prop.RefClass())) return;
      prop.set_obj(element, obj);
      break;
    }
    case TTypeKind::tkMethod: {
      size_t semi = text.find(';');
      TMethod m;
      m.code = ReadIntegerPrefix(std::string_view(text).substr(0, semi));
      m.data = semi == std::string::npos ? 0 : ReadIntegerPrefix(text.substr(semi + 1));
      prop.set_method(element, m);
      break;
    }
    default:
      break;
  }
}

// The property reads under way, innermost last. Getters read other properties by name, so a
// chain that comes back to a read under way, or one that nests without end, is refused here
// instead of exhausting the stack.
struct ActiveRead {
  const TElement* element;
  const TPropInfo* prop;
};
thread_local ActiveRead t_active[kMaxPropertyNesting];
thread_local int t_depth = 0;

std::string FailedReadText(const TPropInfo& prop) {
  return prop.IsOrdinal() ? "Err Ord Value" : "Err Value";
}

std::string RefusedRead(TElement& element, const TPropInfo& prop, bool reentered) {
  const std::string what = "Vlastnost \"" + prop.name + "\" prvku \"" + element.GetName() +
                           "\" (" + element.ClassName() + ")";
  platform::ui().ShowMessage(
      reentered ? what + " se čte sama ze sebe; čtení bylo přerušeno."
                : what + ": čtení vlastností je vnořeno hlouběji než " +
                      std::to_string(kMaxPropertyNesting) + " úrovní; čtení bylo přerušeno.",
      platform::Severity::kPassedOver);
  return FailedReadText(prop);
}

}  // namespace

std::string PropertyText(TElement& element, const TPropInfo& prop) {
  if (!prop.HasReader()) return {};
  for (int i = t_depth - 1; i >= 0; --i) {
    if (t_active[i].prop == &prop && t_active[i].element == &element)
      return RefusedRead(element, prop, true);
  }
  if (t_depth >= kMaxPropertyNesting) return RefusedRead(element, prop, false);
  t_active[t_depth++] = {&element, &prop};
  struct Leave {
    ~Leave() { --t_depth; }
  } leave;
  try {
    return ReadText(element, prop);
  } catch (...) {
    return FailedReadText(prop);
  }
}

void SetPropertyFromText(TElement& element, const TPropInfo& prop, const std::string& text) {
  if (!prop.HasWriter()) return;
  try {
    WriteText(element, prop, text);
  } catch (const std::exception&) {
    platform::ui().ShowMessage("Error filling property " + prop.name + " by string " + text, platform::Severity::kPassedOver);
  }
}

TRawValue GetRawValue(TElement& element, const TPropInfo& prop) {
  TRawValue v;
  v.kind = prop.kind;
  if (!prop.HasReader()) return v;
  switch (prop.kind) {
    case TTypeKind::tkFloat:
      v.flt = prop.get_float(element);
      break;
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
      v.str = prop.get_str(element);
      break;
    case TTypeKind::tkClass:
      v.obj = prop.get_obj(element);
      break;
    case TTypeKind::tkMethod:
      v.method = prop.get_method(element);
      break;
    default:
      if (prop.get_ord) v.ord = prop.get_ord(element);
      break;
  }
  return v;
}

void SetRawValue(TElement& element, const TPropInfo& prop, const TRawValue& value) {
  if (!prop.HasWriter()) return;
  switch (prop.kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkChar:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet:
    case TTypeKind::tkWChar:
    case TTypeKind::tkInt64:
      prop.set_ord(element, value.ord);
      break;
    case TTypeKind::tkFloat:
      prop.set_float(element, value.flt);
      break;
    case TTypeKind::tkString:
    case TTypeKind::tkLString:
      prop.set_str(element, value.str);
      break;
    case TTypeKind::tkClass:
      prop.set_obj(element, value.obj);
      break;
    case TTypeKind::tkMethod:
      prop.set_method(element, value.method);
      break;
    default:
      break;
  }
}

TElement* GetPropertyObject(TElement* element, std::string_view name) {
  if (!element) return nullptr;
  const TPropInfo* prop = element->ClassType().Find(name);
  if (!prop || prop->kind != TTypeKind::tkClass || !prop->get_obj) return nullptr;
  try {
    return prop->get_obj(*element);
  } catch (...) {
    return nullptr;
  }
}

bool SetPropertyObject(TElement* element, std::string_view name, TElement* value) {
  if (!element) return false;
  const TPropInfo* prop = element->ClassType().Find(name);
  if (!prop || prop->kind != TTypeKind::tkClass || !prop->set_obj) return false;
  prop->set_obj(*element, value);
  return true;
}

int PropertyCount(const TClassInfo& c) { return c.PropCount(); }

std::string PropertyNameAt(const TClassInfo& c, int index) {
  if (index < 0 || index >= c.PropCount()) return {};
  return c.Properties()[static_cast<size_t>(index)].name;
}

TTypeKind PropertyKindAt(const TClassInfo& c, int index) {
  if (index < 0 || index >= c.PropCount()) return TTypeKind::tkUnknown;
  return c.Properties()[static_cast<size_t>(index)].kind;
}

std::string PropertyTextAt(TElement& element, int index) {
  const TClassInfo& c = element.ClassType();
  if (index < 0 || index >= c.PropCount()) return {};
  return PropertyText(element, c.Properties()[static_cast<size_t>(index)]);
}

void SetPropertyTextAt(TElement& element, int index, const std::string& text) {
  const TClassInfo& c = element.ClassType();
  if (index < 0 || index >= c.PropCount()) return;
  SetPropertyFromText(element, c.Properties()[static_cast<size_t>(index)], text);
}

TElement* CloneElement(TElement& source) {
  const TClassInfo& c = source.ClassType();
  TElement* copy = c.Create();
  for (const TPropInfo& prop : c.Properties()) {
    if (!prop.HasReader() || !prop.HasWriter() || !prop.IsStoredFor(source)) continue;
    SetRawValue(*copy, prop, GetRawValue(source, prop));
  }
  return copy;
}

// The text interface of TElement.

bool TElement::HasProperty(std::string_view name) const { return ClassType().IndexOf(name) >= 0; }

std::string TElement::GetPropertyText(std::string_view name) {
  const TPropInfo* prop = ClassType().Find(name);
  return prop ? PropertyText(*this, *prop) : std::string();
}

void TElement::SetPropertyText(std::string_view name, const std::string& value) {
  if (const TPropInfo* prop = ClassType().Find(name)) SetPropertyFromText(*this, *prop, value);
}

int32_t TElement::GetPropertyInteger(std::string_view name) {
  return ReadIntegerPrefix(GetPropertyText(name));
}

void TElement::SetPropertyInteger(std::string_view name, int32_t value) {
  SetPropertyText(name, std::to_string(value));
}

bool TElement::GetPropertyBoolean(std::string_view name) {
  std::string text = GetPropertyText(name);
  return !text.empty() && (text[0] == 't' || text[0] == 'T');
}

void TElement::SetPropertyBoolean(std::string_view name, bool value) {
  SetPropertyText(name, value ? "TRUE" : "FALSE");
}

}  // namespace tarnik::framework
