#include "framework/values/property_list.h"

#include "framework/values/type_element.h"

namespace tarnik::framework {
namespace {

void DefinePropertyList(std::vector<TPropInfo>& out) {
  TPropDefs<TPropertyList> d(out);
  d.Object("Element", TElement::StaticClass(), nullptr, &TPropertyList::SetElement);
  d.String("Catenation", &TPropertyList::Catenation, nullptr);
  d.String(
      "Delimiter", [](TPropertyList& self) { return self.Delimiter(); },
      &TPropertyList::SetDelimiter);
}

}  // namespace

TARNIK_DEFINE_CLASS(TPropertyList, TStringListElement, DefinePropertyList)

std::string NegateText(const std::string& text) {
  if (text.empty()) return text;
  return text[0] == '-' ? text.substr(1) : "-" + text;
}

void TPropertyList::SetElement(TElement* element) {
  if (!element) return;
  TElementRef source(element);
  std::vector<TElementRef> children(Children().begin(), Children().end());
  for (const TElementRef& ref : children) {
    auto* value = ref.As<TTypeElement>();
    TElement* from = source.Get();
    if (!value || !from) continue;
    const std::string& name = value->OwnName();
    if (name.size() > 1 && name[0] == '-') {
      value->SetAsString(NegateText(from->GetPropertyText(name.substr(1))));
    } else {
      value->SetAsString(from->GetPropertyText(name));
    }
  }
}

std::string TPropertyList::Catenation() const {
  std::string out;
  bool first = true;
  for (TElement* child : Children()) {
    if (!first) out += delimiter_;
    first = false;
    auto* value = dynamic_cast<TTypeElement*>(child);
    if (value) out += value->GetAsString();
  }
  return out;
}

}  // namespace tarnik::framework
