#include "framework/values/type_element.h"

#include "platform/text.h"

namespace tarnik::framework {
namespace {

void DefineTypeElement(std::vector<TPropInfo>& out) {
  TPropDefs<TTypeElement> d(out);
  d.Enum<TType>(
      "Typ", "TType",
      {"_Boolean", "_Char", "_Byte", "_Float", "_String", "_Integer", "_Pointer", "_Other"},
      &TTypeElement::GetTyp, nullptr);
  d.String("TypeAsString", &TTypeElement::GetTypeAsString, nullptr);
  d.Byte("AsByte", &TTypeElement::GetAsByte, &TTypeElement::SetAsByte);
  d.Integer("AsInteger", &TTypeElement::GetAsInteger, &TTypeElement::SetAsInteger);
  d.Char("AsChar", &TTypeElement::GetAsChar, &TTypeElement::SetAsChar);
  d.String("AsString", &TTypeElement::GetAsString, &TTypeElement::SetAsString);
  d.Float("AsFloat", &TTypeElement::GetAsFloat, &TTypeElement::SetAsFloat);
  d.Boolean("AsBoolean", &TTypeElement::GetAsBoolean, &TTypeElement::SetAsBoolean);
  d.String("Text", &TTypeElement::GetAsString, &TTypeElement::SetAsString);
  d.String("UpperName", &TTypeElement::GetUpperName, nullptr);
}

}  // namespace

TARNIK_DEFINE_CLASS(TTypeElement, TOwnerElement, DefineTypeElement)

const char* TTypeName(TType type) {
  static const char* const kNames[] = {"_Boolean", "_Char",    "_Byte",    "_Float",
                                       "_String",  "_Integer", "_Pointer", "_Other"};
  auto i = static_cast<size_t>(type);
  return i < 8 ? kNames[i] : "_Other";
}

std::string TTypeElement::GetUpperName() const { return platform::UpperAscii(GetName()); }

}  // namespace tarnik::framework
