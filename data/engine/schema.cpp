#include "data/engine/schema.h"

#include "data/engine/schema_tables.h"
#include "data/engine/table.h"
#include "platform/text.h"

namespace tarnik::engine {

namespace {

bool InList(const std::string& list, const std::string& column) {
  for (const auto& name : SplitFieldNames(list)) {
    if (platform::SameTextCz(name, column)) return true;
  }
  return false;
}

std::string WithoutDbExtension(const std::string& name) {
  if (platform::EndsWithNoCase(name, ".db")) return name.substr(0, name.size() - 3);
  return name;
}

}  // namespace

bool SchemaTable::IsAdded(const std::string& column) const { return InList(added, column); }
bool SchemaTable::IsOptional(const std::string& column) const { return InList(optional, column); }
bool SchemaTable::IsNationalPark(const std::string& column) const {
  return InList(national_park, column);
}

const SchemaColumn* SchemaTable::FindColumn(const std::string& column) const {
  for (const auto& c : columns) {
    if (platform::SameTextCz(c.name, column)) return &c;
  }
  return nullptr;
}

const std::vector<SchemaTable>& SchemaTables(TableSet set) {
  using namespace schema_internal;
  static const std::vector<SchemaTable> plan = BuildPlanTables();
  static const std::vector<SchemaTable> older = [] {
    std::vector<SchemaTable> tables = BuildPlanTables();
    for (auto& t : BuildOlderPlanOnlyTables()) tables.push_back(std::move(t));
    return tables;
  }();
  static const std::vector<SchemaTable> phs = BuildPhsTables();
  static const std::vector<SchemaTable> codes = BuildCodeListTables();
  switch (set) {
    case TableSet::kPlan:
      return plan;
    case TableSet::kOlderPlan:
      return older;
    case TableSet::kPhs:
      return phs;
    case TableSet::kCodeList:
      return codes;
  }
  return plan;
}

const SchemaTable* FindSchemaTable(TableSet set, const std::string& name) {
  std::string bare = WithoutDbExtension(name);
  for (const auto& t : SchemaTables(set)) {
    if (platform::SameTextCz(t.name, bare)) return &t;
  }
  return nullptr;
}

const SchemaTable* FindAnySchemaTable(const std::string& name) {
  for (TableSet set :
       {TableSet::kPlan, TableSet::kPhs, TableSet::kCodeList, TableSet::kOlderPlan}) {
    if (const SchemaTable* t = FindSchemaTable(set, name)) return t;
  }
  return nullptr;
}

TableDefinition DefinitionOf(const SchemaTable& table, SchemaOptions options) {
  TableDefinition d;
  d.name = table.name;
  for (const auto& c : table.columns) {
    std::string name = c.name;
    if (table.IsOptional(name)) continue;
    if (table.IsNationalPark(name) && (!options.national_park || options.older_set)) continue;
    if (table.IsAdded(name) && options.older_set) continue;
    d.fields.push_back(FieldDef{name, c.shape, InList(table.required, name)});
  }
  d.primary_key = SplitFieldNames(table.primary_key);
  for (const auto& idx : table.indexes)
    d.indexes.push_back({idx.name, SplitFieldNames(idx.fields)});
  return d;
}

bool IsColourColumn(const std::string& column) { return platform::EndsWithNoCase(column, "_br"); }

const std::vector<std::string>& PlanTablesCreatedWhenMissing() {
  static const std::vector<std::string> names = {"ZvlSt"};
  return names;
}

const std::vector<std::string>& PhsTablesCreatedWhenMissing() {
  static const std::vector<std::string> names = {
      "ORGUR1", "ORGUR2", "CisSCHU", "PorPO",   "PorPP", "PorPR",  "PorNPP",
      "PorNPR", "PorEVL", "PorSCHU", "PorCHKO", "PorNP", "PorZvl", "PorKtg"};
  return names;
}

}  // namespace tarnik::engine
