// The table schema of the planning databases as data: every table of the plan directory, of its
// PHS sibling and of the program's code lists, with columns in table order (value columns followed
// by their "_br" colour columns), the primary index and the secondary indexes. Which columns the
// upgrade adds, which are only read when present and which belong to the national-park version is
// stated per table. The schema is static and immutable; every function is pure.
#pragma once

#include <string>
#include <vector>

#include "data/engine/database.h"
#include "data/engine/field_type.h"

namespace tarnik::engine {

enum class TableSet {
  kPlan,       // plan tables of one unit (DB_TX98)
  kOlderPlan,  // the plan tables of the older set (DB_TX): the plan tables without added columns
  kPhs,        // plan-wide tables (DB_PHS98)
  kCodeList,   // code lists (DB_CIS98)
};

struct SchemaColumn {
  const char* name;
  FieldShape shape;
};

struct SchemaIndex {
  const char* name;
  const char* fields;  // "Vazba;N_Druh_vykonu;ID"
};

struct SchemaTable {
  const char* name;
  const char* primary_key;  // "ODDELENI;DILEC;POROST;PSKBzlJP;ID", "" without a primary index
  std::vector<SchemaIndex> indexes;
  std::vector<SchemaColumn> columns;
  std::string added = "";          // columns the upgrade brings in when they are missing
  std::string optional = "";       // columns read when present, never created
  std::string national_park = "";  // columns of the national-park version only
  std::string required = "";       // columns that must not be blank

  bool IsAdded(const std::string& column) const;
  bool IsOptional(const std::string& column) const;
  bool IsNationalPark(const std::string& column) const;
  const SchemaColumn* FindColumn(const std::string& column) const;
};

// The tables of a set in a fixed order; names compare case-insensitively ("PS" is "ps.db").
const std::vector<SchemaTable>& SchemaTables(TableSet set);
// A table of the set by name, with or without the ".DB" extension; nullptr when unknown.
const SchemaTable* FindSchemaTable(TableSet set, const std::string& name);
// The table in any set (plan first, then PHS, then code lists).
const SchemaTable* FindAnySchemaTable(const std::string& name);

// Which columns a definition holds: the base columns always, the added ones unless `older_set`,
// the national-park ones when `national_park`; optional columns never.
struct SchemaOptions {
  bool older_set = false;
  bool national_park = false;
};
TableDefinition DefinitionOf(const SchemaTable& table, SchemaOptions options = {});

// True for a colour column ("PSK_P_br", "LVS_BR").
bool IsColourColumn(const std::string& column);

// The plan tables created empty when a current-set plan directory lacks them, and the plan-wide
// tables created when the PHS directory lacks them.
const std::vector<std::string>& PlanTablesCreatedWhenMissing();
const std::vector<std::string>& PhsTablesCreatedWhenMissing();

}  // namespace tarnik::engine
