// The program's code lists hold every code that the demo unit's rows use.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "forest/codelists/code_lists.h"
#include "forest/codelists/species.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

struct CodeUse {
  const char* folder;  // "DATA" or "PHS" of the unit
  const char* table;
  const char* column;
  const char* list;  // code-list property
  const char* key;
  const char* description = "POPIS";
};

const CodeUse kUses[] = {
    {"DATA", "DREVINA", "DR_ZKR", "tb_DrevCis", "CKOD", "POPIS_CS"},
    {"DATA", "NAVRH", "N_Zkratka_dreviny", "tb_DrevCis", "CKOD", "POPIS_CS"},
    {"PHS", "MEL_DREV", "Mel_dr1", "tb_DrevCis", "CKOD", "POPIS_CS"},
    {"PHS", "MEL_DREV", "Mel_dr4", "tb_DrevCis", "CKOD", "POPIS_CS"},
    {"DATA", "PS", "LT", "Tb_LT", "KOD"},
    {"DATA", "BEZLESI", "LT", "Tb_LT", "KOD"},
    {"DATA", "JINE_POZ", "LT", "Tb_LT", "KOD"},
    {"DATA", "PS", "SLT", "Tb_SLT", "KOD"},
    {"DATA", "POROST", "Ktg_str", "Tb_Ktg", "KOD"},
    {"PHS", "KATEGPOR", "Kategorie", "Tb_Ktg", "KOD"},
    {"DATA", "POROST", "ZVL_STATUS", "tb_ZVL_Stat", "KOD"},
    {"DATA", "ZvlSt", "ZVL_STATUT", "tb_ZVL_StatZkr", "KOD"},
    {"DATA", "POROST", "PAS_OHR", "Tb_PaOh", "KOD"},
    {"DATA", "POROST", "LES_OBL", "tb_LeOb98", "KOD"},
    {"DATA", "POROST", "LES_OBL", "tb_LeOb99", "KOD"},
    {"DATA", "POROST", "DRUH_POZ", "tb_Druh_poz", "KOD"},
    {"DATA", "POROST", "MAJ_DRUH", "tb_Druh_vla", "KOD"},
    {"DATA", "ETAZ", "HOSP_TV", "tb_tvar", "KOD"},
    {"DATA", "ETAZ", "HOSP_ZP", "tb_HZ", "KOD"},
    {"DATA", "ETAZ", "TO_ZPUSOB", "TB_Zp_TEZBY", "KOD"},
    {"DATA", "ETAZ", "Metoda_zjisteni_zasoby", "tb_ZJZ", "KOD"},
    {"DATA", "PS", "TER_TYP", "tb_TeTy1", "KOD"},
    {"DATA", "PS", "KVAL_P", "tb_Kval_P", "KOD"},
    {"DATA", "PS", "POT_VLAST", "tb_Pot_vla", "KOD"},
    {"DATA", "PS", "DAN", "tb_Dan", "KOD"},
    {"DATA", "PS", "LVS", "tb_LVS", "KOD"},
    {"DATA", "PS", "EVL_KOD", "tb_EVL", "KOD"},
    {"DATA", "PS", "PO_KOD", "tb_PO", "KOD"},
    {"DATA", "PS", "CHKO_KOD", "tb_CHKO", "KOD"},
    {"DATA", "PS", "CHKO_Z_KOD", "tb_ZONA", "KOD"},
    {"DATA", "PS", "PR_KOD", "tb_PR", "KOD"},
    {"DATA", "PS", "LES_URAD", "tb_ORP", "KOD"},
    {"DATA", "PS", "KU_KOD", "tb_KU6b", "KODKU6", "NAZKU"},
    {"DATA", "BEZLESI", "BZL_DRUH", "TB_Cis_Bezl", "KOD"},
    {"DATA", "JINE_POZ", "JP_DRUH", "TB_Cis_Jine", "KOD"},
    {"DATA", "OST_POZ", "Vyuziti", "TB_Cis_Ost", "KOD"},
    {"DATA", "OST_POZ", "DRUH_POZ", "tb_Druh_poz", "KOD"},
    {"DATA", "DREVINA", "GEN_KLAS", "tb_genKl", "KOD"},
    {"DATA", "DREVINA", "PUVOD_DR", "Tb_puvod", "KOD"},
    {"DATA", "DREVINA", "GEN_PUVOD", "tb_Gen_PUV", "KOD"},
    {"DATA", "NAVRH", "N_Nalehavost", "tb_nal", "KOD"},
    {"DATA", "NAVRH", "Duvod", "tb_Duv_tezb", "KOD"},
    {"DATA", "POSKOZ", "Druh_poskozeni", "tb_posk", "KOD"},
    {"PHS", "TAB_HS", "ODVOZ_TEZ", "TB_ODVOZ_TEZ", "KOD"},
};

TEST(SampleCodeLists, EveryCodeOfTheDemoUnitHasItsDescription) {
  testing::ScopedProgramDir program;
  testing::TempDir tmp;
  const std::string unit = testing::CopySample("demo", tmp);
  engine::Database data = engine::Database::Open(platform::JoinPath(unit, "DATA"));
  engine::Database phs = engine::Database::Open(platform::JoinPath(unit, "PHS"));
  CodeLists lists;
  int checked = 0;
  for (const CodeUse& use : kUses) {
    SCOPED_TRACE(std::string(use.table) + "." + use.column + " in " + use.list);
    engine::Table rows(std::string(use.folder) == "DATA" ? data : phs, use.table);
    ASSERT_TRUE(rows.HasField(use.column));
    int codes = 0;
    for (rows.First(); !rows.Eof(); rows.Next()) {
      const std::string code = platform::Trim(rows.AsString(use.column));
      if (code.empty() || code == "0") continue;  // no code given
      ++codes;
      EXPECT_TRUE(lists.Contains(use.list, code, false, use.key)) << code;
      EXPECT_EQ(lists.Description(use.list, code, use.description, use.key).rfind("*zz", 0),
                std::string::npos)
          << code;
    }
    EXPECT_GT(codes, 0);  // the unit uses the list
    checked += codes;
  }
  EXPECT_GT(checked, 500);
}

TEST(SampleCodeLists, TheGrowthTableHasTheSiteClassOfEverySpeciesOfTheDemoUnit) {
  testing::ScopedProgramDir program;
  testing::TempDir tmp;
  const std::string unit = testing::CopySample("demo", tmp);
  engine::Database data = engine::Database::Open(platform::JoinPath(unit, "DATA"));
  engine::Table species(data, "DREVINA");
  CodeLists lists;
  engine::Table* growth = lists.tables().Get("Tb_RustTab");
  ASSERT_NE(growth, nullptr);
  growth->SetIndexFieldNames("DREVINA;BONITA;VEK1;VEK2");
  int checked = 0;
  for (species.First(); !species.Eof(); species.Next()) {
    const std::string code = species.AsString("DR_ZKR");
    const std::string table_species = GrowthClassSpecies(GrowthClassOf(code));
    const int64_t bon_a = species.AsInteger("BON_A");
    if (table_species == "XXX" || bon_a == 0) continue;
    SCOPED_TRACE(code + " " + std::to_string(bon_a));
    // Without its own rows the nearest search would land on another site class.
    growth->FindNearest(
        {engine::Value(table_species), engine::Value(bon_a), engine::Value(10), engine::Value(15)});
    EXPECT_EQ(growth->AsString("DREVINA"), table_species);
    EXPECT_EQ(growth->AsInteger("BONITA"), bon_a);
    ++checked;
  }
  EXPECT_GT(checked, 50);
}

}  // namespace
}  // namespace tarnik::plan
