#include "forest/layers/multi_value.h"

#include "forest/layers/layer_rules.h"
#include "platform/text.h"

namespace tarnik::plan {

void TNasobny_LongInt::Define(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TNasobny_LongInt> d(out);
  d.Integer("CISLO_LongInt", &TNasobny_LongInt::Cislo, &TNasobny_LongInt::SetCislo);
}

void TNasobny_LongInt::SetCislo(int32_t value) {
  cislo_ = value;
  RenameToKey(*this, "NasLongInt", std::to_string(value));
}

void TNasobny_Vlastnik::Define(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TNasobny_Vlastnik> d(out);
  d.Integer("CISLO_TEL", &TNasobny_Vlastnik::Cislo, &TNasobny_Vlastnik::SetCislo);
}

void TNasobny_Vlastnik::SetCislo(int32_t value) {
  cislo_ = value;
  RenameToKey(*this, "NasVlast", std::to_string(value));
}

TARNIK_DEFINE_CLASS(TNasobny_LongInt, TObecnyLesniPrvek, &TNasobny_LongInt::Define)
TARNIK_DEFINE_CLASS(TNasobny_Vlastnik, TObecnyLesniPrvek, &TNasobny_Vlastnik::Define)
TARNIK_DEFINE_CLASS(TNasobnyMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TNasobny_LongIntMN, TNasobnyMN, nullptr)
TARNIK_DEFINE_CLASS(TNasobny_VlastnikMN, TNasobnyMN, nullptr)

TNasobnyMN::TNasobnyMN()
    : TNasobnyMN(TNasobny_LongInt::StaticClass(), "NasLongInt", "CISLO_LongInt") {}

TNasobnyMN::TNasobnyMN(const framework::TClassInfo& element_class, std::string prefix,
                       std::string value_property)
    : TLesniMnozina(element_class, std::move(prefix)), value_property_(std::move(value_property)) {}

TNasobny_LongIntMN::TNasobny_LongIntMN()
    : TNasobnyMN(TNasobny_LongInt::StaticClass(), "NasLongInt", "CISLO_LongInt") {}

TNasobny_VlastnikMN::TNasobny_VlastnikMN()
    : TNasobnyMN(TNasobny_Vlastnik::StaticClass(), "NasVlast", "CISLO_TEL") {}

std::string TNasobnyMN::Forma(const std::string& separator) const {
  return SpojHodnotyProperty(value_property_, separator);
}

void TNasobnyMN::NastavFormu(const std::string& text, const std::string& separator, bool compare) {
  const std::string value = compare ? platform::RemoveBlanks(text) : text;
  if (compare && value == Forma(separator)) return;
  UvolniPrvkyTridy(ElementClass());
  if (platform::Trim(value).empty()) return;
  RozlozJmena(value, separator);
  RozlozDoPrvku(value_property_, value, separator);
}

void TNasobnyMN::Pridej(const std::string& text) {
  if (text == "VymazVse") {
    UvolniPrvkyTridy(ElementClass());
    return;
  }
  const std::string value = platform::RemoveBlanks(text);
  if (value.empty()) return;
  const int32_t number = IntFromText(value);
  for (framework::TElement* element : Prvky())
    if (IntProperty(element, value_property_) == number) return;
  SetNovyPrvekVzdy(std::to_string(number));
  if (framework::TElement* created = AktualniPrvek())
    created->SetPropertyInteger(value_property_, number);
}

std::string TNasobnyMN::FormaXml() const {
  const std::string form = Forma("$");
  return form.empty() ? std::string("0") : form;
}

void TNasobnyMN::NastavFormuXml(const std::string& text, bool compare) {
  NastavFormu(platform::Trim(text) == "0" ? std::string() : text, "$", compare);
}

void TNasobnyMN::VycistiNuly() {
  const std::vector<framework::TElement*> values = Prvky();
  for (auto it = values.rbegin(); it != values.rend(); ++it)
    if (IntProperty(*it, value_property_) == 0) FreeElement(*it);
}

}  // namespace tarnik::plan
