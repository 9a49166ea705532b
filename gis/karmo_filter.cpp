#include "gis/karmo_filter.h"

#include "framework/values/string_element.h"
#include "framework/values/string_list.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::gis {
namespace {

void DefineFilter(std::vector<framework::TPropInfo>& out) {
  using F = TFiltrDruhuObjektu;
  framework::TPropDefs<F> d(out);
  d.Boolean("Exclude", &F::Exclude, &F::SetExclude);
  d.String("PropName", &F::PropName, &F::SetPropName);
}

char LetterOfType(const std::string& type) {
  if (type == "ARE") return 'P';
  if (type == "PNT") return 'B';
  if (type == "LIN") return 'L';
  if (type == "TXT") return 'T';
  return ' ';
}

}  // namespace

TARNIK_DEFINE_CLASS(TFiltrDruhuObjektu, framework::TOwnerElement, DefineFilter)

TFiltrDruhuObjektu::~TFiltrDruhuObjektu() {
  for (framework::TIntegerListElement*& list : lists_) {
    delete list;
    list = nullptr;
  }
}

int TFiltrDruhuObjektu::Slot(char letter) {
  switch (letter) {
    case 'B':
      return 0;
    case 'L':
      return 1;
    case 'P':
      return 2;
    case 'T':
      return 3;
    default:
      return -1;
  }
}

framework::TIntegerListElement* TFiltrDruhuObjektu::List(char letter) {
  const int slot = Slot(letter);
  if (slot < 0) return nullptr;
  if (!lists_[slot]) lists_[slot] = new framework::TIntegerListElement();
  return lists_[slot];
}

framework::TIntegerListElement* TFiltrDruhuObjektu::FindList(char letter) const {
  const int slot = Slot(letter);
  return slot < 0 ? nullptr : lists_[slot];
}

bool TFiltrDruhuObjektu::Passes(char letter, framework::TElement* element) const {
  bool result = exclude_;
  if (!element) return result;
  const framework::TIntegerListElement* list = FindList(letter);
  const std::string text = element->GetPropertyText(prop_name_);
  if (text.empty()) return result;
  const std::optional<int32_t> number = platform::TextToInt(text);
  if (!number) return result;
  if (!list) return true;
  for (int i = 0; i < list->GetCount(); ++i) {
    if (list->ValueAt(i) == *number) return !exclude_;
  }
  return result;
}

TFiltrDruhuObjektu* FilterFromSettings(const std::string& type,
                                       const framework::TStringListElement* settings) {
  if (!settings) return nullptr;
  for (framework::TElement* child : settings->Children()) {
    auto* entry = framework::ClassCast<framework::TStringElement>(child);
    if (!entry) continue;
    const std::string name = entry->IsNameStored() ? entry->GetName() : std::string();
    if (name.empty() || (name[0] != '!' && name[0] != '-')) continue;
    std::unique_ptr<framework::TIntegerListElement> values(entry->AsIntegerList());
    if (!values || values->GetCount() == 0) return nullptr;
    auto* filter = new TFiltrDruhuObjektu();
    if (framework::TIntegerListElement* list = filter->List(LetterOfType(type))) {
      for (int i = 0; i < values->GetCount(); ++i) list->AddValue(values->ValueAt(i));
    }
    filter->SetPropName(platform::UpperAscii(name.substr(1)));
    filter->SetExclude(name[0] == '-');
    return filter;
  }
  return nullptr;
}

}  // namespace tarnik::gis
