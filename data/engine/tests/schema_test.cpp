#include "data/engine/schema.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/fs.h"
#include "platform/text.h"
#include "testing/engine_test_util.h"

namespace tarnik::engine {
namespace {

// The schema file of a sample directory, built into a fresh database.
Database BuildSchemaOf(const testing::TempDir& tmp, const std::string& source_dir) {
  std::string dir = tmp.File(platform::FileNameOf(source_dir));
  test::RunSql(dir, testing::ReadFile(testing::SourcePath(source_dir + "/00_schema.sql")));
  return Database::Open(dir, OpenMode::kReadOnly);
}

// Every table of the sample has exactly the schema's columns (optional ones aside), in the same
// order and with the same types, the same primary key and the same secondary indexes.
void ExpectSampleMatchesSchema(const std::string& source_dir, TableSet set) {
  testing::TempDir tmp;
  Database db = BuildSchemaOf(tmp, source_dir);
  for (const std::string& name : db.TableNames()) {
    SCOPED_TRACE(name);
    const SchemaTable* table = FindSchemaTable(set, name);
    ASSERT_NE(table, nullptr);
    TableDefinition def = DefinitionOf(*table);
    std::vector<std::string> sample, schema;
    for (const auto& c : db.Columns(name)) {
      if (table->IsOptional(c.name)) continue;
      sample.push_back(c.name + " " + DeclaredType(c.shape));
    }
    for (const auto& f : def.fields) schema.push_back(f.name + " " + DeclaredType(f.shape));
    EXPECT_EQ(sample, schema);
    EXPECT_EQ(db.PrimaryKey(name), def.primary_key);
    std::vector<std::string> sample_idx, schema_idx;
    for (const auto& i : db.Indexes(name))
      sample_idx.push_back(i.name + ":" + platform::Join(i.columns, ";"));
    for (const auto& i : def.indexes)
      schema_idx.push_back(i.name + ":" + platform::Join(i.columns, ";"));
    std::sort(sample_idx.begin(), sample_idx.end());
    std::sort(schema_idx.begin(), schema_idx.end());
    EXPECT_EQ(sample_idx, schema_idx);
  }
}

TEST(SchemaTest, SampleTablesMatchTheSchema) {
  ExpectSampleMatchesSchema("samples/demo/DATA", TableSet::kPlan);
  ExpectSampleMatchesSchema("samples/demo/PHS", TableSet::kPhs);
  ExpectSampleMatchesSchema("share/CISELNIK", TableSet::kCodeList);
}

TEST(SchemaTest, EveryPlanTableIsInTheSample) {
  testing::TempDir tmp;
  Database db = BuildSchemaOf(tmp, "samples/demo/DATA");
  for (const auto& t : SchemaTables(TableSet::kPlan)) EXPECT_TRUE(db.TableExists(t.name)) << t.name;
}

TEST(SchemaTest, OlderSetAndNationalParkChooseTheirColumns) {
  const SchemaTable* ps = FindSchemaTable(TableSet::kPlan, "ps.db");
  ASSERT_NE(ps, nullptr);
  auto has = [](const TableDefinition& d, const std::string& column) {
    for (const auto& f : d.fields)
      if (platform::SameTextCz(f.name, column)) return true;
    return false;
  };
  TableDefinition current = DefinitionOf(*ps);
  EXPECT_TRUE(has(current, "CISLO_TEL"));
  EXPECT_TRUE(has(current, "SCHU_KOD_BR"));
  EXPECT_FALSE(has(current, "MNG_REZIM"));
  EXPECT_FALSE(has(current, "StareOzn"));  // optional: never created
  TableDefinition park = DefinitionOf(*ps, {.national_park = true});
  EXPECT_TRUE(has(park, "MNG_REZIM"));
  EXPECT_FALSE(has(park, "PrirStan"));  // optional in the park version too
  TableDefinition older = DefinitionOf(*ps, {.older_set = true, .national_park = true});
  EXPECT_FALSE(has(older, "LVS"));
  EXPECT_FALSE(has(older, "MNG_REZIM"));
  EXPECT_TRUE(has(older, "PSK_P_br"));
  EXPECT_NE(FindSchemaTable(TableSet::kOlderPlan, "KLIC"), nullptr);
  EXPECT_EQ(FindSchemaTable(TableSet::kPlan, "KLIC"), nullptr);
  // Widened use text, required organisation-level columns.
  EXPECT_EQ(FindSchemaTable(TableSet::kPlan, "BEZLESI")->FindColumn("bzl_vyuz")->shape.size, 70);
  TableDefinition org = DefinitionOf(*FindSchemaTable(TableSet::kPhs, "ORGUR1"));
  EXPECT_TRUE(org.fields[0].required && org.fields[1].required);
  EXPECT_TRUE(IsColourColumn("LVS_BR"));
  EXPECT_FALSE(IsColourColumn("BRANA"));
}

TEST(SchemaTest, TablesCreatedWhenMissingAreKnown) {
  for (const auto& n : PhsTablesCreatedWhenMissing())
    EXPECT_NE(FindSchemaTable(TableSet::kPhs, n), nullptr) << n;
  for (const auto& n : PlanTablesCreatedWhenMissing())
    EXPECT_NE(FindSchemaTable(TableSet::kPlan, n), nullptr) << n;
}

}  // namespace
}  // namespace tarnik::engine
