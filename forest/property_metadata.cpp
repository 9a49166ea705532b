#include "forest/property_metadata.h"

#include "forest/model_tables.h"

namespace tarnik::plan {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

void DefineVlastnosti(std::vector<TPropInfo>& out) {
  TPropDefs<TVlastnosti> d(out);
  d.Integer(
      "Barva", [](TVlastnosti& v) { return static_cast<int32_t>(v.Barva()); },
      [](TVlastnosti& v, int32_t colour) { v.SetBarva(static_cast<uint32_t>(colour)); });
  d.Integer("PocetZnacek", &TVlastnosti::PocetZnacek, &TVlastnosti::SetPocetZnacek);
  d.Integer("barva_cis", &TVlastnosti::barva_cis, nullptr);
}

void DefineSloupec(std::vector<TPropInfo>& out) {
  TPropDefs<TVlastnostiSloupcu> d(out);
  d.String(
      "Titulek", [](TVlastnostiSloupcu& s) { return s.titulek; },
      [](TVlastnostiSloupcu& s, const std::string& v) { s.titulek = v; });
  d.String(
      "JmenoProperty", [](TVlastnostiSloupcu& s) { return s.jmeno_property; },
      [](TVlastnostiSloupcu& s, const std::string& v) { s.jmeno_property = v; });
  d.Integer(
      "IndexSloupce", [](TVlastnostiSloupcu& s) { return s.index_sloupce; },
      [](TVlastnostiSloupcu& s, int32_t v) { s.index_sloupce = v; });
  d.Integer(
      "IndexProperty", [](TVlastnostiSloupcu& s) { return s.index_property; },
      [](TVlastnostiSloupcu& s, int32_t v) { s.index_property = v; });
  d.Integer(
      "Sirka", [](TVlastnostiSloupcu& s) { return s.sirka; },
      [](TVlastnostiSloupcu& s, int32_t v) { s.sirka = v; });
  d.Boolean(
      "Viditelny", [](TVlastnostiSloupcu& s) { return s.viditelny; },
      [](TVlastnostiSloupcu& s, bool v) { s.viditelny = v; });
  d.Byte(
      "Zarovnani", [](TVlastnostiSloupcu& s) { return s.zarovnani; },
      [](TVlastnostiSloupcu& s, uint8_t v) { s.zarovnani = v; });
}

}  // namespace

TARNIK_DEFINE_CLASS(TVlastnosti, framework::TOwnerEntity, DefineVlastnosti)
TARNIK_DEFINE_CLASS(TVlastnostiMN, TLesniMnozina, nullptr)
TARNIK_DEFINE_CLASS(TVlastnostiSloupcu, framework::TOwnerEntity, DefineSloupec)
TARNIK_DEFINE_CLASS(TVlastnostiSloupcuMN, TLesniMnozina, nullptr)

TVlastnostiMN::TVlastnostiMN() : TLesniMnozina(TVlastnosti::StaticClass(), "VLAS") {}

TVlastnosti* TVlastnostiMN::Entry(std::string_view property) const {
  return dynamic_cast<TVlastnosti*>(PrvekPodleKlice(property));
}

TVlastnostiSloupcuMN::TVlastnostiSloupcuMN()
    : TLesniMnozina(TVlastnostiSloupcu::StaticClass(), "SLOUP") {}

void TVlastnostiSloupcuMN::VytvorProTridu(const framework::TClassInfo& c) {
  UvolniVse();
  const auto& props = c.Properties();
  const int first = framework::TOwnerEntity::StaticClass().IndexOf("LastIndex") + 1;
  int column = 0;
  for (int i = first; i < static_cast<int>(props.size()); ++i) {
    const std::string& name = props[static_cast<size_t>(i)].name;
    auto* sloupec = new TVlastnostiSloupcu();
    sloupec->SetName(NameForKey(name));
    sloupec->titulek = name;
    sloupec->jmeno_property = name;
    sloupec->index_sloupce = column++;
    sloupec->index_property = i;
    sloupec->sirka = 80;
    sloupec->viditelny = true;
    AddElement(sloupec);
  }
}

void TVlastnostiSloupcuMN::Precisluj() {
  std::vector<TVlastnostiSloupcu*> columns;
  std::vector<bool> visible;
  for (framework::TElement* element : Prvky()) {
    auto* sloupec = static_cast<TVlastnostiSloupcu*>(element);
    columns.push_back(sloupec);
    visible.push_back(sloupec->viditelny);
  }
  const std::vector<int> indices = RenumberColumns(visible);
  for (size_t i = 0; i < columns.size(); ++i) columns[i]->index_sloupce = indices[i];
}

TVlastnostiSloupcu* TVlastnostiSloupcuMN::Sloupec(std::string_view key) const {
  return dynamic_cast<TVlastnostiSloupcu*>(PrvekPodleKlice(key));
}

SloupecPopis TVlastnostiSloupcuMN::Popis(std::string_view key) const {
  SloupecPopis popis;
  if (const TVlastnostiSloupcu* s = Sloupec(key)) {
    popis = {s->titulek, s->jmeno_property, s->index_sloupce, s->index_property,
             s->sirka,   s->viditelny,      s->zarovnani};
  }
  return popis;
}

}  // namespace tarnik::plan
