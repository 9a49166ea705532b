#include "data/sources/oracle/plan_set_reader.h"

#include <set>
#include <utility>
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
#include "forest/layers/tree_species.h"
#include "platform/text.h"

namespace tarnik::plan {

namespace {

using engine::SqlConnection;
using engine::SqlResult;
using engine::Value;

using oracle::Condition;
using oracle::Current;
using oracle::Select;

// The columns that identify the row and its parents, written by the traversal, not copied.
const std::set<std::string>& Keys() {
  static const std::set<std::string> keys = {"LHC_KOD",    "LHC_KOD_ID", "ODD",        "ODD_ID",
                                             "ID",         "VAZBA",      "OR_UR1_KOD", "OR_UR2_KOD",
                                             "OR_UR3_KOD", "POR_TEXT"};
  return keys;
}

// Every other column into the property of its name (OBJ_SOUSI into PROC_SOUS), colours left out;
// `parents` are the designations of the parent levels, which belong to them.
void CopyColumns(const SqlResult& row, framework::TElement& element,
                 std::initializer_list<const char*> parents = {}) {
  for (int i = 0; i < row.ColumnCount(); ++i) {
    std::string name = platform::UpperCz(row.ColumnName(i));
    if (Keys().count(name) || name.ends_with("_BR")) continue;
    bool parent = false;
    for (const char* p : parents) parent = parent || name == p;
    if (parent) continue;
    if (name == "OBJ_SOUSI") name = "PROC_SOUS";
    if (oracle::Writes(element, name)) oracle::PutValue(element, name, row.Column(i));
  }
}

void ReadDamages(SqlConnection& db, const Condition& where, TDrevina& species) {
  auto rows = Select(db, "SKODY", where.AndDesignation("DR_ZKR", species.DR_ZKR()));
  while (rows->Next()) {
    auto* damage = Current<framework::TElement>(species.PoskozeniMN(), rows->AsString("POSKOZ_D"));
    if (damage) CopyColumns(*rows, *damage, {"DIL", "POR", "PSK", "ETAZ", "DR_ZKR"});
  }
}

void ReadLayers(SqlConnection& db, const Condition& stand, TPorostniSkupina& group) {
  const Condition where = stand.AndDesignation("PSK", group.GetPropertyText("PSK_Nactene"));
  auto rows = Select(db, "ETAZ", where);
  while (rows->Next()) {
    const std::string read = rows->AsString("ETAZ");
    auto* layer = Current<TEtaz>(group.EtazMN(), read);
    if (!layer) continue;
    oracle::PutText(*layer, "ETAZ_nactene", read);
    CopyColumns(*rows, *layer, {"DIL", "POR", "PSK"});
    const Condition layer_where = where.AndDesignation("ETAZ", read);
    auto species_rows = Select(db, "DREVINA", layer_where);
    while (species_rows->Next()) {
      auto* species = Current<TDrevina>(layer->DrevinaMN(), species_rows->AsString("DR_ZKR"));
      if (!species) continue;
      CopyColumns(*species_rows, *species, {"DIL", "POR", "PSK", "ETAZ"});
      ReadDamages(db, layer_where, *species);
    }
    auto planting = Select(db, "DREV_ZALES", layer_where);
    while (planting->Next()) {
      auto* row = Current<framework::TElement>(layer->ZalesneniMN(), planting->AsString("ZAL_DR"));
      if (row) CopyColumns(*planting, *row, {"DIL", "POR", "PSK", "ETAZ"});
    }
    // The afforestation kind and area hold only once the layer has its afforestation rows: written
    // again now, as the Oracle reader writes them after the children (the area was lost
    // otherwise).
    for (const char* column : {"ZAL_DRUH", "ZAL_P"})
      if (rows->ColumnIndex(column) >= 0) oracle::PutValue(*layer, column, rows->Get(column));
  }
}

void ReadStandDetails(SqlConnection& db, const Condition& where, TPorost& stand) {
  auto groups = Select(db, "POROST_SKUP", where);
  while (groups->Next()) {
    const std::string psk = groups->AsString("PSK");
    auto* group = Current<TPorostniSkupina>(stand.PorostniSkupinaMN(), psk);
    if (!group) continue;
    oracle::PutText(*group, "PSK_Nactene", psk);
    CopyColumns(*groups, *group, {"DIL", "POR"});
    ReadLayers(db, where, *group);
  }
  auto overlay = Select(db, "PREKRYV", where);
  while (overlay->Next()) {
    const std::string key = overlay->ColumnIndex("KATEGORIE") >= 0 ? overlay->AsString("KATEGORIE")
                                                                   : overlay->AsString("KTG_STR");
    auto* category = Current<framework::TElement>(stand.Kategorie1MN(), key);
    if (!category) continue;
    CopyColumns(*overlay, *category, {"DIL", "POR"});
    oracle::PutText(*category, "KATEGORIE", key);
  }
  auto plots = Select(db, "BEZLESI", where);
  while (plots->Next()) {
    auto* plot = Current<framework::TElement>(stand.BezlesiMN(), plots->AsString("BZL"));
    if (plot) CopyColumns(*plots, *plot, {"DIL", "POR", "BZL_ID"});
  }
  auto others = Select(db, "JINE_POZ", where);
  while (others->Next()) {
    auto* plot = Current<framework::TElement>(stand.JinyPozemekMN(), others->AsString("JP"));
    if (plot) CopyColumns(*others, *plot, {"DIL", "POR", "JP_ID"});
  }
}

void ReadStandRow(const SqlResult& row, TPorost& stand) {
  CopyColumns(row, stand, {"DIL"});
  if (TLesniMnozina* levels = stand.Org_UrovenMN()) {
    for (int k = 1; k <= 3; ++k) {
      const std::string column = "OR_UR" + std::to_string(k) + "_KOD";
      // A blank code names no level (it would be exported as a level 0 that does not exist).
      const std::string code = platform::Trim(row.AsString(column));
      if (code.empty()) continue;
      if (static_cast<int>(levels->Prvky().size()) >= k) continue;
      levels->SetNovyPrvek(code);
      if (auto* level = levels->AktualniPrvek()) oracle::PutText(*level, "ORG_UROVEN", code);
    }
  }
  if (row.ColumnIndex("POR_TEXT") >= 0 && !row.Get("POR_TEXT").is_null())
    stand.PorText().push_back(row.AsString("POR_TEXT"));
}

}  // namespace

PlanSetReader::PlanSetReader(SqlConnection& db, int64_t code, int64_t version,
                             std::function<void(const std::string&)> progress)
    : db_(db), code_(code), version_(version), progress_(std::move(progress)) {}

PlanSetReader::~PlanSetReader() = default;

bool PlanSetReader::ReadHeader(TLHC& lhc) {
  auto rows = db_.Query("select * from LHC where LHC_KOD = ? and LHC_KOD_ID = ?",
                        {Value(code_), Value(version_)});
  if (!rows->Next()) return false;
  CopyColumns(*rows, lhc);
  oracle::PutInt(lhc, "LHC_KOD", rows->AsInteger("LHC_KOD"));
  oracle::PutInt(lhc, "LHC_KOD_ID", rows->AsInteger("LHC_KOD_ID"));
  return true;
}

void PlanSetReader::Start() {
  stands_ = db_.Query(
      "select * from POROST where LHC_KOD = ? and LHC_KOD_ID = ? order by ODD, ODD_ID, DIL, POR",
      {Value(code_), Value(version_)});
  if (!stands_->Next()) stands_.reset();
}

TOddeleni* PlanSetReader::ReadCompartment() {
  if (!stands_) return nullptr;
  auto compartment = std::make_unique<TOddeleni>();
  const int64_t odd = stands_->AsInteger("ODD");
  const Value odd_id = stands_->Get("ODD_ID");
  compartment->SetName(std::to_string(odd));
  compartment->AdoptODD(static_cast<int32_t>(odd));
  compartment->SetPuvodni_oznaceni(std::to_string(odd));
  compartment->SetRId(static_cast<int32_t>(stands_->AsInteger("ODD_ID")));
  const Condition unit{"LHC_KOD = ? and LHC_KOD_ID = ?", {Value(code_), Value(version_)}};
  const Condition where = unit.And("ODD", Value(odd)).And("ODD_ID", odd_id);
  do {
    const std::string dil = stands_->AsString("DIL");
    const std::string por = stands_->AsString("POR");
    auto* sub = Current<TDilec>(compartment->DilecMN(), dil);
    if (!sub) continue;
    oracle::PutText(*sub, "DIL", dil);
    auto* stand = Current<TPorost>(sub->PorostMN(), por);
    if (!stand) continue;
    ReadStandRow(*stands_, *stand);
    ReadStandDetails(db_, where.AndDesignation("DIL", dil).AndDesignation("POR", por), *stand);
    if (progress_) progress_("načten porost " + stand->CeleOznaceni());
  } while ((stands_->Next() || (stands_.reset(), false)) && stands_->AsInteger("ODD") == odd &&
           stands_->Get("ODD_ID") == odd_id);
  return compartment.release();
}

}  // namespace tarnik::plan
