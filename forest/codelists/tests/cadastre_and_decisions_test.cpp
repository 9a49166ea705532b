#include "forest/codelists/cadastre_and_decisions.h"

#include <gtest/gtest.h>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "forest/codelists/code_list_tables.h"
#include "platform/fs.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

TEST(CadastreNames, ExactCodesOnly) {
  testing::ScopedProgramDir program;
  engine::Database db =
      engine::Database::Open(CodeListTables::Directory(), engine::OpenMode::kReadOnly);
  engine::Table katas(db, "KatasCel");
  EXPECT_EQ(CadastreNameOf(&katas, 752061), "Sněžné na Moravě");
  EXPECT_EQ(CadastreNameOf(&katas, 752062), "Není v seznamu.");
  EXPECT_EQ(CadastreNameOf(&katas, 1), "Není v seznamu.");
  EXPECT_EQ(CadastreNameOf(nullptr, 752061), "Není v seznamu.");
}

TEST(DecisionTypes, RowsOfTheProgramsList) {
  testing::ScopedProgramDir program;
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  auto rows = ReadDecisionTypes(platform::JoinPath(CodeListTables::Directory(), "CisDokum.DB"));
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0].Key(), "LHP-1");
  EXPECT_EQ(rows[0].popis.value_or(""), "schválení lesního hospodářského plánu");
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(DecisionTypes, MissingColumnsAndMissingTables) {
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  testing::TempDir dir;
  engine::Database db = engine::Database::Open(dir.path());
  db.Execute("CREATE TABLE CisDokum (Kod VARCHAR(4), Popis VARCHAR(60))");
  db.Execute("INSERT INTO CisDokum VALUES ('1', 'a')");
  auto rows = ReadDecisionTypes(dir.File("CisDokum.DB"));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_FALSE(rows[0].typ_dokum.has_value());
  EXPECT_EQ(rows[0].Key(), "-1");

  EXPECT_TRUE(ReadDecisionTypes(dir.File("Nic.DB")).empty());
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], "Problémy v tabulce \"" + dir.File("Nic.DB") +
                                  "\". Volejte horkou linku. Pkod= Krok=1");
}

}  // namespace
}  // namespace tarnik::plan
