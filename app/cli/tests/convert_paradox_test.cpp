#include <gtest/gtest.h>

#include "app/cli/cli_app.h"
#include "app/cli/tests/run_tarnik.h"
#include "data/engine/database.h"
#include "data/engine/table.h"
#include "platform/fs.h"
#include "testing/paradox_writer.h"
#include "testing/test_env.h"

namespace tarnik::cli {
namespace {

using test::Result;
using test::RunTarnik;

void WriteOwners(const std::string& path) {
  engine::test::WriteParadoxTable(
      path, {{"MAJ_KOD", pxfNumber, 0}, {"MAJ_DRUH", pxfNumber, 0}, {"MAJ_NAZ", pxfAlpha, 80}}, 2,
      {{1.0, 1.0, std::string("Lesy České republiky, s. p.")},
       {2.0, 4.0, std::string("Obec Samotín – lesní majetek")}},
      "hs");
}

TEST(ConvertParadoxCommand, ConvertsTheDirectoryAndReportsEachTable) {
  tarnik::testing::TempDir tmp;
  std::string dir = tmp.File("PHS");
  platform::ForceDirectories(dir);
  WriteOwners(dir + "/Majetky.db");
  Result r = RunTarnik({"convert-paradox", dir});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, "Majetky.db -> MAJETKY: 2 řádků\n");
  EXPECT_NE(r.err.find("Převedeno tabulek: 1, ponecháno: 0, chybných: 0."), std::string::npos);
  engine::Table owners(engine::Database::Open(dir, engine::OpenMode::kReadOnly), "MAJETKY");
  ASSERT_TRUE(owners.FindKey({engine::Value(2), engine::Value(4)}));
  EXPECT_EQ(owners.AsString("MAJ_NAZ"), "Obec Samotín – lesní majetek");

  // A second run keeps the table and still succeeds; --replace converts it again.
  Result again = RunTarnik({"convert-paradox", dir});
  EXPECT_EQ(again.code, kExitOk);
  EXPECT_NE(again.err.find("ponechána beze změny"), std::string::npos);
  EXPECT_EQ(RunTarnik({"convert-paradox", "--replace", dir}).out, r.out);
}

TEST(ConvertParadoxCommand, FailuresAndUsage) {
  tarnik::testing::TempDir tmp;
  Result missing = RunTarnik({"convert-paradox", tmp.File("neni")});
  EXPECT_EQ(missing.code, kExitFailure);
  EXPECT_NE(missing.err.find("neexistuje"), std::string::npos);
  Result empty = RunTarnik({"convert-paradox", tmp.path()});
  EXPECT_EQ(empty.code, kExitFailure);
  EXPECT_NE(empty.err.find("nejsou žádné tabulky Paradox"), std::string::npos);
  tarnik::testing::WriteFile(tmp.File("PS.DB"), "poškozený soubor");
  Result bad = RunTarnik({"convert-paradox", tmp.path()});
  EXPECT_EQ(bad.code, kExitFailure);
  EXPECT_NE(bad.err.find("Tabulku \"PS.DB\" nelze převést"), std::string::npos);
  EXPECT_EQ(RunTarnik({"convert-paradox"}).code, kExitUsage);
}

}  // namespace
}  // namespace tarnik::cli
