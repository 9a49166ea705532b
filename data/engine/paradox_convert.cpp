#include "data/engine/paradox_convert.h"

#include <fmt/format.h>

#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/field_value.h"
#include "data/engine/local_sql.h"
#include "data/engine/paradox_reader.h"
#include "data/engine/schema.h"
#include "data/engine/table.h"
#include "platform/fs.h"
#include "platform/text.h"

namespace tarnik::engine {

namespace {

TableDefinition DefinitionFor(const ParadoxTable& px, const std::string& name) {
  TableDefinition d;
  d.name = name;
  d.fields = px.fields;
  for (int i = 0; i < px.primary_key_fields && i < static_cast<int>(px.fields.size()); ++i)
    d.primary_key.push_back(px.fields[i].name);
  if (const SchemaTable* schema = FindAnySchemaTable(name)) {
    auto has = [&](const std::string& column) {
      for (const auto& f : d.fields)
        if (platform::SameTextCz(f.name, column)) return true;
      return false;
    };
    for (const auto& idx : schema->indexes) {
      IndexDef def{idx.name, SplitFieldNames(idx.fields)};
      bool complete = true;
      for (const auto& c : def.columns) complete = complete && has(c);
      if (complete) d.indexes.push_back(std::move(def));
    }
  }
  return d;
}

void WriteRows(Database& db, const TableDefinition& d, const ParadoxTable& px) {
  std::vector<std::string> names = {d.name};
  std::string pattern = "INSERT INTO {} (";
  std::string marks;
  for (size_t i = 0; i < d.fields.size(); ++i) {
    pattern += i ? ", {}" : "{}";
    marks += i ? ", ?" : "?";
    names.push_back(d.fields[i].name);
  }
  pattern += ") VALUES (" + marks + ")";
  std::string sql = SqlWithNames(pattern, names);
  std::vector<ColumnInfo> columns;
  for (const auto& f : d.fields) {
    ColumnInfo c;
    c.name = f.name;
    c.shape = f.shape;
    columns.push_back(std::move(c));
  }
  for (size_t r = 0; r < px.rows.size(); ++r) {
    std::vector<Value> values;
    for (size_t i = 0; i < columns.size(); ++i)
      values.push_back(ValueForField(columns[i], px.rows[r][i]));
    try {
      db.Execute(sql, values);
    } catch (const EngineError& e) {
      throw EngineError(fmt::format("záznam {}: {}", r + 1, e.what()));
    }
  }
}

}  // namespace

bool ParadoxConversion::ok() const {
  for (const auto& t : tables) {
    if (t.outcome == ConvertedTable::Outcome::kFailed) return false;
  }
  return true;
}

ParadoxConversion ConvertParadoxDirectory(const std::string& directory,
                                          const ParadoxConvertOptions& options) {
  if (!platform::DirectoryExists(directory))
    throw EngineError(fmt::format("Adresář \"{}\" neexistuje.", directory));
  std::string dir = platform::ResolvePath(directory);
  Database db = Database::Open(dir);
  ParadoxConversion result;
  for (const std::string& file : platform::ListDirectory(dir, "*.db")) {
    ConvertedTable t;
    t.file = file;
    std::string stem = file.substr(0, file.size() - 3);
    const SchemaTable* schema = FindAnySchemaTable(stem);
    t.table = schema ? schema->name : stem;
    try {
      if (auto existing = db.FindTable(t.table)) {
        if (!options.replace) {
          t.outcome = ConvertedTable::Outcome::kKept;
          t.message =
              fmt::format("Tabulka \"{}\" už v databázi je, ponechána beze změny.", *existing);
          result.tables.push_back(std::move(t));
          continue;
        }
      }
      ParadoxTable px = ReadParadoxTable(platform::JoinPath(dir, file));
      TableDefinition def = DefinitionFor(px, t.table);
      Transaction tx(db);
      if (auto existing = db.FindTable(t.table)) db.DropTable(*existing);
      db.CreateTable(def);
      WriteRows(db, def, px);
      tx.Commit();
      t.rows = static_cast<int64_t>(px.rows.size());
    } catch (const EngineError& e) {
      t.outcome = ConvertedTable::Outcome::kFailed;
      t.message = fmt::format("Tabulku \"{}\" nelze převést: {}", file, e.what());
    }
    result.tables.push_back(std::move(t));
  }
  return result;
}

}  // namespace tarnik::engine
