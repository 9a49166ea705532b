#include "forest/forest_string_list.h"

#include "forest/string_lists.h"
#include "framework/class_register.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TEntity;
using framework::TPropDefs;
using framework::TPropInfo;

constexpr const char* kStringListClass = "TStringListElement";

const framework::TClassInfo& StringListClass() {
  const framework::TClassInfo* c = framework::FindElementClass(kStringListClass);
  return c ? *c : TEntity::StaticClass();
}

void DefineStringList(std::vector<TPropInfo>& out) {
  TPropDefs<TLesniStringListElement> d(out);
  d.Object(
      "StringListElement", StringListClass(),
      [](TLesniStringListElement& s) -> TElement* { return s.StringListElement(); },
      &TLesniStringListElement::SetStringListElement);
  d.String("AktualniPolozka", &TLesniStringListElement::AktualniPolozka,
           &TLesniStringListElement::SetAktualniPolozka);
  d.Boolean("AktualniJeVSeznamu", &TLesniStringListElement::AktualniJeVSeznamu, nullptr);
  d.Boolean("AktualniJeVSeznamuAMaAno", &TLesniStringListElement::AktualniJeVSeznamuAMaAno,
            nullptr);
}

TEntity* NewStringList() {
  return dynamic_cast<TEntity*>(framework::CreateElementByClassName(kStringListClass));
}

}  // namespace

TARNIK_DEFINE_CLASS(TLesniStringListElement, framework::TOwnerEntity, DefineStringList)

void TLesniStringListElement::SetStringListElement(TElement* list) {
  list_ = list;
  if (list && IndexOf(list) < 0) AddElement(list);
}

TElement* TLesniStringListElement::Polozka(const std::string& name) const {
  TEntity* list = StringListElement();
  if (!list) return nullptr;
  const std::string upper = platform::UpperAscii(name);
  for (TElement* item : list->Children()) {
    if (platform::UpperAscii(item->GetName()) == upper) return item;
  }
  return nullptr;
}

bool TLesniStringListElement::AktualniJeVSeznamu() const { return Polozka(current_) != nullptr; }

bool TLesniStringListElement::AktualniJeVSeznamuAMaAno() {
  current_ = platform::UpperCz(current_);
  TElement* item = Polozka(current_);
  return item && item->GetPropertyText("AsString") == "ANO";
}

TLesniStringListElement* SeznamZIniSekce(const std::string& file, const std::string& section) {
  auto* wrapper = new TLesniStringListElement();
  const auto items = IniSectionItems(file, section);
  if (!items) return wrapper;
  if (TEntity* list = NewStringList()) {
    for (const std::string& item : *items) {
      if (item.find('=') != std::string::npos) {
        list->SetPropertyText("NextNameIsValue", item);
      } else {
        list->SetPropertyText("NextName", item);
      }
    }
    wrapper->SetStringListElement(list);
  }
  return wrapper;
}

TEntity* SeznamNaElement(const std::vector<std::string>* lines) {
  if (!lines) return nullptr;
  TEntity* list = NewStringList();
  if (!list) return nullptr;
  for (const std::string& line : *lines) {
    list->SetPropertyText("NextName", line);
    if (!list->Children().empty()) list->Children().back()->SetPropertyText("AsString", line);
  }
  return list;
}

}  // namespace tarnik::plan
