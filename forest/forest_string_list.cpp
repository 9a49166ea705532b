#include "forest/forest_string_list.h"

#include "forest/string_lists.h"
#include "framework/values/string_element.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;
using framework::TStringListElement;

void DefineStringList(std::vector<TPropInfo>& out) {
  TPropDefs<TLesniStringListElement> d(out);
  d.Object(
      "StringListElement", TStringListElement::StaticClass(),
      [](TLesniStringListElement& s) -> TElement* { return s.StringListElement(); },
      [](TLesniStringListElement& s, TElement* list) {
        s.SetStringListElement(dynamic_cast<TStringListElement*>(list));
      });
  d.String("AktualniPolozka", &TLesniStringListElement::AktualniPolozka,
           &TLesniStringListElement::SetAktualniPolozka);
  d.Boolean("AktualniJeVSeznamu", &TLesniStringListElement::AktualniJeVSeznamu, nullptr);
  d.Boolean("AktualniJeVSeznamuAMaAno", &TLesniStringListElement::AktualniJeVSeznamuAMaAno,
            nullptr);
}

}  // namespace

TARNIK_DEFINE_CLASS(TLesniStringListElement, framework::TOwnerEntity, DefineStringList)

void TLesniStringListElement::SetStringListElement(TStringListElement* list) {
  list_ = list;
  if (list && IndexOf(list) < 0) AddElement(list);
}

TElement* TLesniStringListElement::Polozka(const std::string& name) const {
  TStringListElement* list = StringListElement();
  return list ? list->FindValue(name) : nullptr;
}

bool TLesniStringListElement::AktualniJeVSeznamu() const { return Polozka(current_) != nullptr; }

bool TLesniStringListElement::AktualniJeVSeznamuAMaAno() {
  current_ = platform::UpperCz(current_);
  TStringListElement* list = StringListElement();
  return list && list->FindValue(current_) && list->GetValue(current_) == "ANO";
}

TLesniStringListElement* SeznamZIniSekce(const std::string& file, const std::string& section) {
  auto* wrapper = new TLesniStringListElement();
  const auto items = IniSectionItems(file, section);
  if (!items) return wrapper;
  auto* list = new TStringListElement();
  list->NextStringList(*items);
  wrapper->SetStringListElement(list);
  return wrapper;
}

TStringListElement* SeznamNaElement(const std::vector<std::string>* lines) {
  if (!lines) return nullptr;
  auto* list = new TStringListElement();
  for (const std::string& line : *lines)
    list->AddElement(new framework::TStringElement(line, line));
  return list;
}

}  // namespace tarnik::plan
