#include "data/engine/upgrade.h"

#include <fmt/format.h>

#include "data/engine/engine_error.h"
#include "data/engine/local_sql.h"
#include "data/engine/schema.h"
#include "data/engine/table.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::engine {

namespace {

const char* const kProtectedArea =
    "EVL_KOD;EVL_KOD_BR;PO_KOD;PO_KOD_BR;CHKO_KOD;CHKO_KOD_BR;CHKO_Z_KOD;CHKO_Z_KOD_BR;NP_KOD;"
    "NP_KOD_BR;NP_Z_KOD;NP_Z_KOD_BR;NPP_KOD;NPP_KOD_BR;NPR_KOD;NPR_KOD_BR;PP_KOD;PP_KOD_BR;PR_KOD;"
    "PR_KOD_BR;SCHU_KOD;SCHU_KOD_BR";

// One upgrade step: the columns a table must have. The step runs when any of them is missing and
// adds the missing ones together; types come from the schema.
struct Rule {
  const char* tables;
  std::string columns;
  bool national_park = false;
  const char* done_message = nullptr;     // shown after the step added its columns
  const char* failure_message = nullptr;  // shown when the step failed
  bool failure_names_column = false;      // the failure message ends with the column's name
};

const std::vector<Rule>& PlanRules() {
  static const std::vector<Rule> rules = {
      {"PS", "CISLO_TEL"},
      {"PS", "TXTNEPIS"},
      {"PS", "TXTNEPIS_br"},
      {"PS", "PocCasti"},
      {"PS;BEZLESI;JINE_POZ", "MNG_REZIM;MNG_REZIM_br", true},
      {"PS;BEZLESI;JINE_POZ", "LVS;LVS_BR"},
      {"PS;BEZLESI", std::string("PLT;PLT_BR;") + kProtectedArea},
      {"JINE_POZ;OST_POZ", kProtectedArea},
      {"BEZLESI;JINE_POZ", "LT;LT_BR"},
      {"BEZLESI", "SLT;SLT_BR"},
      {"ETAZ", "PROC_HS", false, nullptr, "Nemohu otevřít tabulku ETAZ.DB. Chyba na ", true},
      {"ETAZ", "KVAL_HS;KVAL_HS_BR", false, nullptr, "Nemohu otevřít tabulku ETAZ.DB chyba ", true},
      {"ETAZ", "TBH_P;TBH_P_br;ProcentoTBH;ProcentoTBH_br"},
      {"ETAZ", "STR_VRS", true},
      {"POROST", "ZONACE;CISLO_ZONY", true},
      {"DREVINA", "GEN_PUVOD;GEN_PUVOD_OBLAST;RS_KLON;GEN_PUVOD_br;GEN_PUVOD_OBLAST_br;RS_KLON_br"},
      {"LHC", "LHC_KOD_ID;KU_DATUM;LHC_IND_TV;LHC_IND_TO"},
      {"LHC", "LHO", false, nullptr, "Nejde přidat LHO do tabulky LHC"},
      {"POROST", "LES_PODOBL;LES_PODOBL_br"},
      {"ZvlSt", "IZVL_STAT"},
      {"BEZLESI;JINE_POZ;OST_POZ", "CISLO_TEL"},
      {"BEZLESI;OST_POZ", "Vyuziti"},
      {"JINE_POZ", "Vyuziti", false,
       "V tabulce jiné vyplňte kolonku Vyuziti.Použijte program Dareri."},
      {"JINE_POZ", "Kategorie", false,
       "V tabulce jiné vyplňte kolonku Kategorie. Použijte program Dareri."},
      {"BEZLESI;JINE_POZ;OST_POZ", "INV_CIS;INV_CIS_br"},
  };
  return rules;
}

const std::vector<Rule>& PhsRules() {
  static const std::vector<Rule> rules = {
      {"KATASTRY", "ORP"},
      {"OLH", "ICO_RC;OKR_URAD;CIS_LIC", false,
       "V tabulce OLH vyplňte kolonky ICO_RC,OKR_URAD,CIS_LIC(číslo licence).Použijte program "
       "MERK98.",
       "Nelze rozšířit tabulku OLH"},
      {"TAB_HS", "ODVOZ_TEZ"},
      {"TAB_HS", "SEST_DTO"},
  };
  return rules;
}

// Applies one rule to one table; answers true when columns were added.
bool ApplyRule(Database& db, TableSet set, const Rule& rule, const std::string& table,
               UpgradeReport& report) {
  auto actual = db.FindTable(table);
  if (!actual) return false;
  const SchemaTable* schema = FindSchemaTable(set, table);
  std::vector<FieldDef> missing;
  for (const auto& name : SplitFieldNames(rule.columns)) {
    if (db.FindColumn(*actual, name)) continue;
    const SchemaColumn* c = schema ? schema->FindColumn(name) : nullptr;
    if (!c) throw EngineError(fmt::format("Položka \"{}\" chybí ve schématu.", name));
    missing.push_back(FieldDef{name, c->shape, false});
  }
  if (missing.empty()) return false;
  try {
    for (auto& s : AlterTableAdd(db, *actual, missing)) report.statements.push_back(std::move(s));
  } catch (const EngineError& e) {
    report.failures.push_back(fmt::format("{}: {}", *actual, e.what()));
    if (rule.failure_message) {
      std::string text = rule.failure_message;
      if (rule.failure_names_column) text += missing.front().name;
      platform::ui().ShowMessage(text, platform::Severity::kFailure);
    }
    return false;
  }
  if (rule.done_message) platform::ui().ShowMessage(rule.done_message);
  return true;
}

void RunStatement(Database& db, const std::string& sql, UpgradeReport& report,
                  const std::string& table) {
  try {
    db.Execute(sql);
    report.statements.push_back(sql);
  } catch (const EngineError& e) {
    report.failures.push_back(fmt::format("{}: {}", table, e.what()));
  }
}

}  // namespace

void UpgradeReport::Append(const UpgradeReport& other) {
  statements.insert(statements.end(), other.statements.begin(), other.statements.end());
  failures.insert(failures.end(), other.failures.begin(), other.failures.end());
}

UpgradeReport WidenTextColumn(Database& db, const std::string& table, const std::string& column,
                              int width) {
  UpgradeReport report;
  auto actual = db.FindTable(table);
  if (!actual) return report;
  auto info = db.FindColumn(*actual, column);
  if (!info || info->shape.type != FieldType::kAlpha || info->shape.size >= width) return report;
  const std::string col = info->name;
  const std::string aux = col + "_pom";
  const std::string type = DeclaredType(FieldShape{FieldType::kAlpha, width});
  const std::vector<std::string> steps = {
      SqlWithNames("ALTER TABLE {} ADD COLUMN {} ", {*actual, aux}) + type,
      SqlWithNames("UPDATE {} SET {} = {}", {*actual, aux, col}),
      SqlWithNames("ALTER TABLE {} DROP COLUMN {}", {*actual, col}),
      SqlWithNames("ALTER TABLE {} ADD COLUMN {} ", {*actual, col}) + type,
      SqlWithNames("UPDATE {} SET {} = {}", {*actual, col, aux}),
      SqlWithNames("ALTER TABLE {} DROP COLUMN {}", {*actual, aux}),
  };
  std::vector<std::string> run;
  try {
    Transaction tx(db);
    for (const auto& s : steps) {
      db.Execute(s);
      run.push_back(s);
    }
    tx.Commit();
  } catch (const EngineError& e) {
    // The transaction rolled every step back; the column keeps its texts and its width.
    report.failures.push_back(fmt::format("{}: {}", *actual, e.what()));
    return report;
  }
  report.statements = std::move(run);
  return report;
}

UpgradeReport UpgradePlanTables(Database& plan, const UpgradeOptions& options) {
  UpgradeReport report;
  for (const Rule& rule : PlanRules()) {
    if (rule.national_park && !options.national_park) continue;
    for (const auto& table : SplitFieldNames(rule.tables)) {
      bool added = ApplyRule(plan, TableSet::kPlan, rule, table, report);
      // A new layer structure column starts from the ecological assessment.
      if (added && platform::SameTextCz(rule.columns, "STR_VRS")) {
        RunStatement(plan, SqlWithNames("UPDATE {} SET {} = {}", {table, "STR_VRS", "EKOL_HOD"}),
                     report, table);
      }
    }
  }
  report.Append(WidenTextColumn(plan, "BEZLESI", "BZL_VYUZ", 70));
  report.Append(WidenTextColumn(plan, "JINE_POZ", "JP_VYUZ", 70));
  report.Append(WidenTextColumn(plan, "OST_POZ", "OST_VYUZ", 70));
  return report;
}

UpgradeReport UpgradePhsTables(Database& phs) {
  UpgradeReport report;
  for (const Rule& rule : PhsRules()) {
    for (const auto& table : SplitFieldNames(rule.tables))
      ApplyRule(phs, TableSet::kPhs, rule, table, report);
  }
  return report;
}

namespace {
const Rule* FindPlanRule(const std::string& columns) {
  for (const Rule& r : PlanRules()) {
    if (platform::SameTextCz(r.columns, columns)) return &r;
  }
  return nullptr;
}
}  // namespace

bool EnsureLhoColumn(Database& plan, UpgradeReport* report) {
  UpgradeReport local;
  ApplyRule(plan, TableSet::kPlan, *FindPlanRule("LHO"), "LHC", local);
  if (report) report->Append(local);
  return plan.TableExists("LHC") && plan.FindColumn("LHC", "LHO").has_value();
}

void EnsureTbhColumns(Database& plan, UpgradeReport* report) {
  UpgradeReport local;
  ApplyRule(plan, TableSet::kPlan, *FindPlanRule("TBH_P;TBH_P_br;ProcentoTBH;ProcentoTBH_br"),
            "ETAZ", local);
  if (report) report->Append(local);
}

}  // namespace tarnik::engine
