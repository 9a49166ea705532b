#include "forest/codelists/database_class.h"

#include <exception>
#include <vector>

#include "data/engine/table.h"
#include "forest/codelists/code_list_container.h"
#include "forest/codelists/code_lookup.h"
#include "forest/codelists/mel_drev.h"
#include "framework/values/string_list.h"

namespace tarnik::plan {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

void DefineDatabaseClass(std::vector<TPropInfo>& out) {
  TPropDefs<TDatabaseClass> d(out);
  d.String("SourceType", &TDatabaseClass::SourceType, nullptr);
  d.String("SourcePath", &TDatabaseClass::SourcePath, nullptr);
  d.String("Source", &TDatabaseClass::Source, nullptr);
  d.String("AddressField", &TDatabaseClass::AddressField, nullptr);
  d.String("NameField", &TDatabaseClass::NameField, nullptr);
  d.String("Adresa", &TDatabaseClass::Adresa,
           [](TDatabaseClass& c, const std::string& key) { c.NastavAdresu(key); });
}

void DefineMelDrev(std::vector<TPropInfo>& out) {
  TPropDefs<TDatabaseMel_DrevClass> d(out);
  d.String("DR_ZKR", &TDatabaseMel_DrevClass::DR_ZKR, nullptr);
  d.String("LT_SLT", &TDatabaseMel_DrevClass::LT_SLT, nullptr);
}

}  // namespace

TARNIK_DEFINE_CLASS(TDatabaseClass, framework::TOwnerEntity, DefineDatabaseClass)
TARNIK_DEFINE_CLASS(TDatabaseMel_DrevClass, TDatabaseClass, DefineMelDrev)

void TDatabaseClass::Bind(tciselnik* container, const std::string& list, const std::string& key) {
  container_ = container;
  list_ = list;
  key_ = key;
}

engine::Table* TDatabaseClass::Table() const {
  auto* container = container_.As<tciselnik>();
  return container ? container->Lists().tables().Get(list_) : nullptr;
}

std::string TDatabaseClass::SourcePath() const {
  engine::Table* table = Table();
  return table ? table->database().directory() : std::string();
}

std::string TDatabaseClass::Source() const {
  engine::Table* table = Table();
  return table ? table->name() : std::string();
}

bool TDatabaseClass::NastavAdresu(const std::string& key) {
  address_ = key;
  on_row_ = false;
  engine::Table* table = Table();
  if (!table) return false;
  try {
    on_row_ = SequentialSearch(*table, key_, key, false, SearchStart::kFirst);
  } catch (const std::exception&) {
    on_row_ = false;
  }
  return on_row_;
}

std::string TDatabaseClass::CurrentText(const std::string& column) const {
  engine::Table* table = Table();
  if (!on_row_ || !table || !table->HasField(column)) return {};
  try {
    return table->AsString(column);
  } catch (const std::exception&) {
    return {};
  }
}

framework::TStringListElement* TDatabaseClass::Prvek(const std::string& key) {
  if (!NastavAdresu(key)) return nullptr;
  const std::string name = CurrentText(key_);
  if (auto* known = dynamic_cast<framework::TStringListElement*>(FindElementByName(name)))
    return known;
  auto* row = new framework::TStringListElement();
  row->SetName(name);
  for (const std::string& column : Table()->FieldNames())
    row->SetValue(column, CurrentText(column));
  AddElement(row);
  return row;
}

std::string TDatabaseMel_DrevClass::DR_ZKR() const {
  std::vector<std::string> species;
  for (int i = 1; i <= 10; ++i) species.push_back(CurrentText("Mel_DR" + std::to_string(i)));
  return JoinAmelioratingSpecies(species);
}

std::string TDatabaseMel_DrevClass::LT_SLT() const { return SiteTypesOfRow(CurrentText("LT")); }

}  // namespace tarnik::plan
