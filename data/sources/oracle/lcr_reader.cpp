#include "data/sources/oracle/lcr_reader.h"

#include <memory>
#include <string>
#include <vector>

#include "data/sources/oracle/column_writes.h"
#include "data/sources/oracle/query_condition.h"
#include "forest/forest_set.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_rules.h"
#include "forest/layers/statuses.h"
#include "forest/layers/tree_species.h"
#include "platform/text.h"

namespace tarnik::plan {

namespace {

using engine::SqlConnection;
using engine::SqlResult;
using engine::Value;
using oracle::Digits;
using oracle::PutFloat;
using oracle::PutInt;
using oracle::PutText;
using oracle::PutValue;

using oracle::Condition;
using oracle::Current;
using oracle::Select;

void Copy(const SqlResult& row, framework::TElement& element,
          std::initializer_list<const char*> columns) {
  for (const char* c : columns) PutValue(element, c, row.Get(c));
}

void Ints(const SqlResult& row, framework::TElement& element,
          std::initializer_list<const char*> columns) {
  for (const char* c : columns) PutInt(element, c, row.AsInteger(c));
}

void Floats(const SqlResult& row, framework::TElement& element,
            std::initializer_list<const char*> columns) {
  for (const char* c : columns) PutFloat(element, c, row.AsFloat(c));
}

void Texts(const SqlResult& row, framework::TElement& element,
           std::initializer_list<const char*> columns) {
  for (const char* c : columns) PutText(element, c, row.AsString(c));
}

void ReadDamages(SqlConnection& db, const Condition& species_where, TDrevina& species) {
  const Condition where =
      species_where.AndDesignation("DR_ZKR", species.DR_ZKR())
          .And("PROC_SOUS", Value(static_cast<int64_t>(species.GetPropertyInteger("PROC_SOUS"))));
  auto rows = Select(db, "T_POSKOZ", where);
  while (rows->Next()) {
    auto* damage = Current<framework::TElement>(species.PoskozeniMN(), rows->AsString("POSKOZ_D"));
    if (!damage) continue;
    PutInt(*damage, "POSKOZ_D", rows->AsInteger("POSKOZ_D"));
    PutInt(*damage, "POSKOZ_R", rows->AsInteger("POSKOZ_R"));
  }
}

void ReadSpecies(SqlConnection& db, const Condition& layer_where, TEtaz& layer) {
  auto rows = Select(db, "T_DREVIN", layer_where);
  while (rows->Next()) {
    auto* species = Current<TDrevina>(layer.DrevinaMN(), rows->AsString("DR_ZKR"));
    if (!species) continue;
    PutText(*species, "DR_ZKR", rows->AsString("DR_ZKR"));
    Copy(*rows, *species, {"PROC_SOUS", "DR_PUVOD"});
    Ints(*rows, *species, {"ZAST", "VYSKA", "TLOUSTKA"});
    PutInt(*species, "BON_R", Digits(*rows, "BON_R"));
    Copy(*rows, *species,
         {"BON_A", "GEN_KLAS", "VYB_STR", "DR_ZAS_HA", "DR_ZAS_CEL", "IMISE", "DR_KVAL", "DR_TV",
          "DR_TO"});
    PutInt(*species, "DR_TVYB", rows->AsInteger("DR_TVYB"));
    PutValue(*species, "ZAS_TAB_HA", rows->Get("DR_ZAS_TAB"));
    ReadDamages(db, layer_where, *species);
  }
}

void ReadAfforestation(SqlConnection& db, const Condition& layer_where, TEtaz& layer) {
  auto rows = Select(db, "T_ZAL_DR", layer_where);
  while (rows->Next()) {
    auto* row = Current<framework::TElement>(layer.ZalesneniMN(), rows->AsString("ZAL_DR"));
    if (!row) continue;
    PutText(*row, "ZAL_DR", rows->AsString("ZAL_DR"));
    PutInt(*row, "ZAL_DR_P", rows->AsInteger("ZAL_DR_P"));
  }
}

// The layer key as the short-code rule gives it, a leading "0" as a blank, never empty.
std::string LayerKey(const std::string& text) {
  std::string key = ShortCodeRule(text);
  if (!key.empty() && key.front() == '0') key.front() = ' ';
  return key.empty() ? " " : key;
}

void ReadLayers(SqlConnection& db, const Condition& stand_where, TPorostniSkupina& group) {
  const Condition group_where =
      stand_where.AndDesignation("PSK", group.GetPropertyText("PSK_Nactene"));
  auto rows = Select(db, "T_ETAZ", group_where);
  while (rows->Next()) {
    const std::string read = rows->AsString("ETAZ");
    auto* layer = Current<TEtaz>(group.EtazMN(), read);
    if (!layer) continue;
    PutText(*layer, "ETAZ_nactene", read);
    PutText(*layer, "ETAZ", LayerKey(read));
    Floats(*rows, *layer, {"ETAZ_PS", "ETAZ_PP"});
    Ints(*rows, *layer, {"HS", "OBMYTI", "OBN_DOBA", "VEK", "ZAKM"});
    Texts(*rows, *layer, {"HOSP_TV"});
    Ints(*rows, *layer, {"M_Z_ZASOBY"});
    Floats(*rows, *layer, {"PRO_P"});
    Texts(*rows, *layer, {"PRO_NAL"});
    Ints(*rows, *layer, {"PRO_POC"});
    Floats(*rows, *layer, {"TV_P"});
    Texts(*rows, *layer, {"TV_NAL"});
    Ints(*rows, *layer, {"TV_POC"});
    Floats(*rows, *layer, {"TO_P"});
    Texts(*rows, *layer, {"TO_NAL", "TO_DUVOD", "TO_ZPUSOB"});
    Floats(*rows, *layer, {"TVYB_P"});
    Texts(*rows, *layer, {"TVYB_NAL"});
    Ints(*rows, *layer, {"M_TEZ_PROC"});
    Texts(*rows, *layer, {"ODVOZ_TEZ"});
    const Condition layer_where = group_where.AndDesignation("ETAZ", read);
    ReadSpecies(db, layer_where, *layer);
    ReadAfforestation(db, layer_where, *layer);
    Texts(*rows, *layer, {"ZAL_DRUH"});
    Floats(*rows, *layer, {"ZAL_P"});
  }
}

void ReadGroups(SqlConnection& db, const Condition& stand_where, TPorost& stand) {
  auto rows = Select(db, "T_PSK", stand_where);
  while (rows->Next()) {
    auto* group = Current<TPorostniSkupina>(stand.PorostniSkupinaMN(), rows->AsString("PSK"));
    if (!group) continue;
    PutText(*group, "PSK_Nactene", rows->AsString("PSK"));
    PutFloat(*group, "Plocha0", rows->AsFloat("PSK_P0"));
    PutFloat(*group, "Vymera", rows->AsFloat("PSK_V"));
    PutFloat(*group, "PSK_P", rows->AsFloat("PSK_P"));
    PutInt(*group, "KVAL_P", Digits(*rows, "KVAL_P"));
    PutInt(*group, "LES_URAD", rows->AsInteger("LES_URAD"));
    Texts(*rows, *group, {"SLT", "LT", "TER_TYP"});
    Ints(*rows, *group, {"PRIB_VZD", "KU_KOD"});
    Texts(*rows, *group, {"PSK_TEXT"});
    PutInt(*group, "HOSP_ZP", Digits(*rows, "HOSP_ZP"));
    ReadLayers(db, stand_where, *group);
    PutText(*group, "PSK", group->PSKzEtaziProKont1());
  }
}

void ReadStatus(SqlConnection& db, const Condition& stand_where, TPorost& stand) {
  auto rows = Select(db, "T_ZVS", stand_where);
  if (rows->Next()) PutText(stand, "ZVL_STATUT", rows->AsString("ZVL_STATUT"));
}

void ReadCategories(SqlConnection& db, const Condition& stand_where, TPorost& stand) {
  auto rows = Select(db, "T_KATEG", stand_where);
  while (rows->Next()) {
    auto* category = Current<TObecnyLesniPrvek>(stand.Kategorie1MN(), rows->AsString("KATEGORIE"));
    if (!category) continue;
    category->SetRId(static_cast<int32_t>(rows->AsInteger("PORADI")));
    PutText(*category, "KATEGORIE", rows->AsString("KATEGORIE"));
    PutInt(stand, "KAT_SPEC", Digits(*rows, "KAT_SPEC"));
  }
}

// Non-forest plots (BZL) and other plots (JP): LES_URAD and KVAL_P by their digits for the
// former, as integers for the latter.
void ReadPlots(SqlConnection& db, const Condition& stand_where, TLesniMnozina* set,
               const std::string& table, const std::string& key, bool digits) {
  auto rows = Select(db, table, stand_where);
  while (rows->Next()) {
    auto* plot = Current<framework::TElement>(set, rows->AsString(key));
    if (!plot) continue;
    PutInt(*plot, key, rows->AsInteger(key));
    PutInt(*plot, "KU_KOD", rows->AsInteger("KU_KOD"));
    PutInt(*plot, "LES_URAD", digits ? Digits(*rows, "LES_URAD") : rows->AsInteger("LES_URAD"));
    PutFloat(*plot, "Plocha0", rows->AsFloat(key + "_P0"));
    PutFloat(*plot, "Vymera", rows->AsFloat(key + "_V"));
    PutFloat(*plot, "Plocha", rows->AsFloat(key + "_P"));
    PutInt(*plot, "KVAL_P", digits ? Digits(*rows, "KVAL_P") : rows->AsInteger("KVAL_P"));
    PutText(*plot, key + "_VYUZ", rows->AsString(key + "_VYUZ"));
    PutText(*plot, key + "_DRUH", rows->AsString(key + "_DRUH"));
  }
}

// Levels 1 to 3: created from ORG_UR<k> while the stand has fewer; a text met before names an
// existing level and leaves the position without one, whose code is then not read. A blank (or
// null) column ends the levels: it names no level, and a level keyed by nothing would be exported
// as an organisation level 0 that does not exist.
void ReadLevels(const SqlResult& row, TPorost& stand) {
  TLesniMnozina* levels = stand.Org_UrovenMN();
  if (!levels) return;
  for (int k = 1; k <= 3; ++k) {
    const std::string column = "ORG_UR" + std::to_string(k);
    if (platform::Trim(row.AsString(column)).empty()) break;
    if (static_cast<int>(levels->Prvky().size()) < k) levels->SetNovyPrvek(row.AsString(column));
    const std::vector<framework::TElement*> items = levels->Prvky();
    if (static_cast<int>(items.size()) >= k)
      PutInt(*items[k - 1], "ORG_UROVEN", Digits(row, column));
  }
}

void ReadStandRow(const SqlResult& row, TPorost& stand) {
  PutText(stand, "POR", row.AsString("POR"));
  PutInt(stand, "MAJ_KOD", Digits(row, "MAJ_KOD"));
  ReadLevels(row, stand);
  Copy(row, stand, {"PAS_OHR"});
  PutText(stand, "LES_OBL", row.AsString("LES_OBL"));
  Copy(row, stand, {"SDR_POR"});
  PutValue(stand, "OLH_98n", row.Get("OLH"));
  Copy(row, stand, {"HIST_ROZD"});
  if (const std::string text = row.AsString("POR_TEXT"); row.ColumnIndex("POR_TEXT") >= 0)
    stand.PorText().push_back(text);
  PutInt(stand, "HIST_LHC", Digits(row, "HIST_LHC"));
  Copy(row, stand, {"HIST_LHPOD"});
}

void ReadStands(SqlConnection& db, const Condition& sub_where, TDilec& sub) {
  auto rows = Select(db, "T_POR", sub_where);
  while (rows->Next()) {
    auto* stand = Current<TPorost>(sub.PorostMN(), rows->AsString("POR"));
    if (!stand) continue;
    ReadStandRow(*rows, *stand);
    // The stand's children carry its owner code as stored.
    const Condition where =
        sub_where.AndDesignation("POR", rows->AsString("POR")).And("MAJ_KOD", rows->Get("MAJ_KOD"));
    ReadGroups(db, where, *stand);
    ReadStatus(db, where, *stand);
    ReadCategories(db, where, *stand);
    ReadPlots(db, where, stand->BezlesiMN(), "T_BZL", "BZL", true);
    ReadPlots(db, where, stand->JinyPozemekMN(), "T_JP", "JP", false);
  }
}

}  // namespace

bool ReadLcrHeader(SqlConnection& db, TLHC& lhc, int64_t code, int64_t version) {
  auto rows = db.Query("select * from T_LHC where LHC_KOD = ? and LHC_ID = ?",
                       {Value(code), Value(version)});
  if (!rows->Next()) return false;
  PutInt(lhc, "LHC_KOD", rows->AsInteger("LHC_KOD"));
  PutInt(lhc, "LHC_KOD_ID", rows->AsInteger("LHC_ID"));
  PutText(lhc, "LHC_NAZ", rows->AsString("LHC_NAZ"));
  return true;
}

TOddeleni* ReadLcrCompartment(SqlConnection& db, const SqlResult& odd_row, int64_t version) {
  auto compartment = std::make_unique<TOddeleni>();
  const int64_t odd = odd_row.AsInteger("ODD");
  compartment->SetName(std::to_string(odd));
  compartment->AdoptODD(static_cast<int32_t>(odd));
  compartment->SetPuvodni_oznaceni(std::to_string(odd));
  const Condition where = Condition{"LHC_ID = ?", {Value(version)}}.And("ODD", Value(odd));
  auto rows = Select(db, "T_DIL", where);
  while (rows->Next()) {
    auto* sub = Current<TDilec>(compartment->DilecMN(), rows->AsString("DIL"));
    if (!sub) continue;
    PutText(*sub, "DIL", rows->AsString("DIL"));
    ReadStands(db, where.AndDesignation("DIL", rows->AsString("DIL")), *sub);
  }
  return compartment.release();
}

}  // namespace tarnik::plan
