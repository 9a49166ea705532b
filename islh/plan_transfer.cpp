#include "islh/plan_transfer.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "data/engine/engine_error.h"
#include "data/engine/schema.h"
#include "data/engine/sqlite_util.h"
#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/kelva_codes.h"
#include "forest/codelists/species.h"
#include "forest/colour.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/export_preparation.h"
#include "forest/layers/land.h"
#include "forest/layers/layer.h"
#include "forest/layers/mzd_list.h"
#include "forest/layers/mzd_table.h"
#include "forest/layers/statuses.h"
#include "forest/layers/tree_species.h"
#include "islh/property_value.h"
#include "islh/transfer_steps.h"
#include "platform/numtext.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::islh {

using engine::Value;
using framework::TElement;
using plan::TObecnyLesniPrvek;
using platform::Severity;
using transfer::Designation;
using transfer::Elements;
using transfer::Guarded;

namespace {

// Copies a property into the column of the same name.
void Same(TableWriter& w, TElement& e, std::initializer_list<const char*> names) {
  for (const char* n : names) w.Set(n, PropertyValue(e, n));
}

// Integer of a text, 0 when it is not a number.
int64_t IntOrZero(const std::string& text) {
  return platform::TextToInt(platform::Trim(text)).value_or(0);
}

}  // namespace

std::optional<int64_t> StoredSurveyYear(int64_t year) {
  if (year <= 0) return std::nullopt;
  if (year > 1999) return year - 2000;
  if (year >= 1001) return year - 1900;
  return year;
}

PlanTransfer::PlanTransfer(ImportDatabase& db, const TransferOptions& options)
    : db_(db), options_(options), mzd_keys_(std::make_unique<plan::TMZDHospSoubMN>()) {}

PlanTransfer::~PlanTransfer() = default;

int64_t PlanTransfer::Insert(TableWriter& w, const std::string& table) {
  const int64_t rowid = w.Insert();
  ++written_[table];
  return rowid;
}

void PlanTransfer::Colour(TableWriter& w, TObecnyLesniPrvek& element, const std::string& column,
                          const std::string& key) {
  if (options_.no_colours || !w.Has(column)) return;
  // Without metadata every property shows 3-D light.
  const int code = element.Vlastnosti() ? plan::ColorCodeForColumn(element.BarvaProperty(key)) : -1;
  w.Set(column, Value(code));
}

void PlanTransfer::Colour(TableWriter& w, TObecnyLesniPrvek& element, const std::string& column) {
  std::string key = column;
  if (key.size() > 3 && platform::UpperAscii(key.substr(key.size() - 3)) == "_BR")
    key.resize(key.size() - 3);
  Colour(w, element, column, key);
}

int64_t PlanTransfer::LargestLink(const std::string& table) {
  auto it = largest_link_.find(table);
  if (it != largest_link_.end()) return it->second;
  int64_t largest = 0;
  if (db_.HasTable(Schema::kPlan, table)) {
    const Value v =
        db_.Scalar("SELECT MAX(\"VAZBA\") FROM " + ImportDatabase::Qualified(Schema::kPlan, table));
    if (!v.is_null()) largest = static_cast<int64_t>(std::llround(v.number()));
  }
  largest_link_[table] = largest;
  return largest;
}

// ---------------------------------------------------------------------------------------------
// The source.

int64_t PlanTransfer::CompartmentRows() {
  if (!db_.HasTable(Schema::kPlan, "ODDELENI")) return 0;
  return db_.Scalar("SELECT COUNT(*) FROM \"main\".\"ODDELENI\"").integer();
}

bool PlanTransfer::OnlyCompartmentZero() {
  if (CompartmentRows() != 1) return false;
  const Value odd = db_.Scalar("SELECT \"ODD\" FROM \"main\".\"ODDELENI\"");
  return !odd.is_null() && odd.number() == 0;
}

void PlanTransfer::EmptySource() {
  static const char* const kTables[] = {
      "PS",     "ETAZ",     "DREVINA", "NAVRH",   "POSKOZ", "LHC",     "ODDELENI", "DILEC",
      "POROST", "POR_POZN", "PS_POZN", "PREKRYV", "ZvlSt",  "BEZLESI", "JINE_POZ", "OST_POZ"};
  for (const char* table : kTables) {
    if (!db_.HasTable(Schema::kPlan, table)) continue;
    db_.Execute("DELETE FROM " + ImportDatabase::Qualified(Schema::kPlan, table));
  }
  largest_link_.clear();
}

// ---------------------------------------------------------------------------------------------
// The unit.

void PlanTransfer::WriteUnit(plan::TLHC& lhc) {
  if (!db_.HasColumn(Schema::kPlan, "LHC", "LHO") &&
      !db_.AddColumns(Schema::kPlan, "LHC", {{"LHO", {engine::FieldType::kAlpha, 1}}}))
    platform::ui().ShowMessage("Nejde přidat LHO do tabulky LHC", Severity::kPassedOver);
  TableWriter& w = db_.Writer(Schema::kPlan, "LHC");
  unit_id_ = lhc.RId();
  Guarded(lhc, "Chyba při ukládání LHC : ", [&] {
    w.Set("ID", Value(static_cast<int64_t>(lhc.RId())));
    Same(w, lhc, {"LHC_KOD", "LHC_NAZ", "LHP_OD", "LHP_DO"});
    w.Set("Puv_Dat", PropertyValue(lhc, "PUVOD_DAT"));
  });
  // The block whose failures the unit row survives.
  for (const char* c :
       {"ETAT_TO",    "ETAT_TV",    "ETAT",       "ETAT_TVYB",  "LHP_Z_OD",   "LHP_Z_DO",
        "LHP_Z_TAX",  "LHP_TAX",    "TEZ_PROC",   "NOR_PAS",    "LHC_PN_PRO", "LHC_IND",
        "LHC_MAX",    "LHP_LIC",    "LHP_Z_LIC",  "LHP_NEZDAR", "MVYCH_DO40", "KU_DATUM",
        "LHC_IND_TO", "LHC_IND_TV", "LHC_KOD_ID", "LHO"}) {
    try {
      w.Set(c, PropertyValue(lhc, c));
    } catch (const ImportDatabaseError&) {
      throw;
    } catch (const std::exception&) {
    }
  }
  // The unit's row is the table's first; an empty table gets one.
  const Value first = db_.Scalar("SELECT MIN(rowid) FROM \"main\".\"LHC\"");
  if (first.is_null()) {
    Insert(w, "LHC");
  } else {
    w.Update(first.integer());
    ++written_["LHC"];
  }
}

// ---------------------------------------------------------------------------------------------
// A compartment.

void PlanTransfer::WriteCompartment(plan::TOddeleni& compartment) {
  Guarded(compartment, "Chyba při sestavení MZD : ", [&] {
    for (const plan::MzdKey& key : plan::KliceMZDPodleHS(compartment))
      plan::PridejKlicMZD(*mzd_keys_, key.cislo_hs, key.lt_slt);
  });
  const std::string odd = std::to_string(compartment.ODD());
  Log("V UlozOddeleni_DB98 " + odd);
  TableWriter& w = db_.Writer(Schema::kPlan, "ODDELENI");
  const int64_t id = db_.NewIdentifier("ODDELENI");
  w.Set("ID", Value(id));
  w.Set("VAZBA", Value(unit_id_));
  Log("Pred uloz polozky ");
  Guarded(compartment, "Chyba při ukládání oddělení : ", [&] {
    w.Set("ODD", Value(static_cast<int64_t>(compartment.ODD())));
    Colour(w, compartment, "ODD_br", "ODD");
  });
  Insert(w, "ODDELENI");
  Log("Za uloz polozky ");
  compartment.SetRId(static_cast<int32_t>(id));
  compartment.SetVazba(static_cast<int32_t>(unit_id_));
  compartment.SetPuvodni_oznaceni(std::to_string(compartment.ODD()));
  ++compartments_;

  for (plan::TDilec* dilec : Elements<plan::TDilec>(compartment.DilecMN())) {
    Log("Pred uloz dilec  " + odd + dilec->GetPropertyText("DIL"));
    TableWriter& d = db_.Writer(Schema::kPlan, "DILEC");
    const int64_t dilec_id = db_.NewIdentifier("DILEC");
    d.Set("ID", Value(dilec_id));
    d.Set("VAZBA", Value(id));
    Guarded(*dilec, "Chyba při ukládání dílce : ", [&] {
      d.Set("DIL", PropertyValue(*dilec, "DIL"));
      Colour(d, *dilec, "DIL_br", "DIL");
    });
    Insert(d, "DILEC");
    dilec->SetRId(static_cast<int32_t>(dilec_id));
    dilec->SetVazba(static_cast<int32_t>(id));
    dilec->SetPuvodni_oznaceni(dilec->GetPropertyText("DIL"));
    Log("Za uloz dilec  ");
    for (plan::TPorost* stand : Elements<plan::TPorost>(dilec->PorostMN())) {
      Log("Pred uloz porost  " + Designation(*stand));
      WriteStand(*stand, dilec_id);
    }
  }
  Log("Pred afterInsert ");
  Log("Koncim UlozOddeleni_DB98 " + odd);
}

void PlanTransfer::WriteStand(plan::TPorost& stand, int64_t dilec_id) {
  TableWriter& w = db_.Writer(Schema::kPlan, "POROST");
  const int64_t id = db_.NewIdentifier("POROST");
  w.Set("ID", Value(id));
  w.Set("VAZBA", Value(dilec_id));
  Guarded(stand, "Chyba při ukládání porostu : ", [&] {
    for (const char* c : {"MAJ_KOD", "MAJ_DRUH"}) {
      w.Set(c, PropertyValue(stand, c));
      Colour(w, stand, std::string(c) + "_br");
    }
    w.Set("POR", Value(stand.POR()));
    Colour(w, stand, "POR_br", "POR");
    for (const char* c : {"PAS_OHR", "LES_OBL", "LES_PODOBL", "KAT_SPEC"}) {
      w.Set(c, PropertyValue(stand, c));
      Colour(w, stand, std::string(c) + "_br");
    }
    if (w.Has("Cil_HS")) {
      w.Set("Cil_HS", PropertyValue(stand, "Cil_HS"));
      Colour(w, stand, "Cil_HS_br");
    }
    w.Set("KATEGORIE", PropertyValue(*stand.Kategorie1MN(), "KATEGORIEint"));
    Colour(w, stand, "KATEGORIE_br", "KATEGORIE");
    w.Set("ZVL_STATUS", Value(platform::Trim(stand.GetPropertyText("ZVL_STATUT"))));
    Colour(w, stand, "ZVL_STATUT_br", "ZVL_STATUT");
    const std::vector<plan::TOrg_Uroven*> levels =
        Elements<plan::TOrg_Uroven>(stand.Org_UrovenMN());
    for (size_t k = 0; k < 3 && k < levels.size(); ++k) {
      const std::string column = "ORG_UROVEN" + std::to_string(k + 1);
      w.Set(column, Value(static_cast<int64_t>(levels[k]->ORG_UROVEN())));
    }
    for (const char* c : {"ORG_UROVEN1_br", "ORG_UROVEN2_br", "ORG_UROVEN3_br"})
      Colour(w, stand, c);
    for (const char* c : {"SDR_POR", "DRUH_POZ"}) {
      w.Set(c, PropertyValue(stand, c));
      Colour(w, stand, std::string(c) + "_br");
    }
    w.Set("OLH", Value(std::to_string(IntOrZero(stand.GetPropertyText("OLH")))));
    Colour(w, stand, "OLH_br", "OLH");
    Colour(w, stand, "KTG_STR_br", "KTG_STR");
    if (options_.national_park) Same(w, stand, {"ZONACE", "CISLO_ZONY"});
  });
  Insert(w, "POROST");
  stand.SetRId(static_cast<int32_t>(id));
  stand.SetVazba(static_cast<int32_t>(dilec_id));
  stand.SetPuvodni_oznaceni(stand.POR());

  WriteRemarks(stand, id);
  for (plan::TKategorie1* category : Elements<plan::TKategorie1>(stand.Kategorie1MN())) {
    TableWriter& c = db_.Writer(Schema::kPlan, "PREKRYV");
    const int64_t category_id = db_.NewIdentifier("PREKRYV");
    c.Set("VAZBA", Value(id));
    c.Set("ID", Value(category_id));
    Guarded(*category, "Chyba při ukládání kategorie : ", [&] {
      c.Set("KTG_STR", Value(category->KATEGORIE()));
      Colour(c, *category, "KTG_STR_br", "KATEGORIE");
    });
    Insert(c, "PREKRYV");
    category->SetRId(static_cast<int32_t>(category_id));
    category->SetVazba(static_cast<int32_t>(id));
    category->SetPuvodni_oznaceni(category->KATEGORIE());
  }
  WriteStatuses(stand, id);
  for (auto* plot : Elements<plan::TBezlesi>(stand.BezlesiMN())) WritePlot(*plot, "BZL", id);
  for (auto* group : Elements<plan::TPorostniSkupina>(stand.PorostniSkupinaMN()))
    WriteGroup(*group, id);
  for (auto* plot : Elements<plan::TJinyPozemek>(stand.JinyPozemekMN())) WritePlot(*plot, "JP", id);
  for (auto* plot : Elements<plan::TOstatni>(stand.OstatniMN())) WritePlot(*plot, "OST", id);
}

void PlanTransfer::WriteRemarks(plan::TPorost& stand, int64_t stand_id) {
  const std::vector<std::string>& lines = stand.PorText();
  // Rows of this stand exist before the import only when ID had fallen behind the table.
  std::vector<int64_t> existing;
  if (stand_id <= LargestLink("POR_POZN")) {
    engine::Statement& st = db_.Prepared(
        "SELECT rowid FROM \"main\".\"POR_POZN\" WHERE \"VAZBA\" = ? ORDER BY \"ID\", rowid");
    st.Bind(1, Value(stand_id));
    while (st.Step()) existing.push_back(st.Column(0).integer());
    st.Reset();
  }
  // The lines go over the stand's rows in their order; further lines get rows of their own.
  // Identifiers stay unique in the table: a row written over keeps its own, a new row draws one,
  // so the lines' order is the rows' order by identifier.
  TableWriter& w = db_.Writer(Schema::kPlan, "POR_POZN");
  for (size_t i = 0; i < lines.size(); ++i) {
    w.Set("VAZBA", Value(stand_id));
    w.Set("POZNAMKA", Value(lines[i]));
    Colour(w, stand, "Poznamka_br", "POR_TEXT_Vse");
    if (i < existing.size()) {
      w.Update(existing[i]);
      ++written_["POR_POZN"];
    } else {
      w.Set("ID", Value(db_.NewIdentifier("POR_POZN")));
      Insert(w, "POR_POZN");
    }
  }
  for (size_t i = lines.size(); i < existing.size(); ++i)
    db_.Execute("DELETE FROM \"main\".\"POR_POZN\" WHERE rowid = ?", {Value(existing[i])});
}

void PlanTransfer::WriteStatuses(plan::TPorost& stand, int64_t stand_id) {
  const std::vector<plan::TZvlSt*> statuses = Elements<plan::TZvlSt>(stand.ZvlStMN());
  if (statuses.empty()) return;
  if (!db_.HasTable(Schema::kPlan, "ZvlSt")) {
    const engine::SchemaTable* schema = engine::FindSchemaTable(engine::TableSet::kPlan, "ZvlSt");
    try {
      if (!schema) throw engine::EngineError("ZvlSt");
      db_.plan().CreateTable(
          engine::DefinitionOf(*schema, {.national_park = options_.national_park}));
    } catch (const engine::EngineError&) {
      platform::ui().ShowMessage("nemuzu vytvorit tabulku \"ZvlSt.DB\"", Severity::kPassedOver);
      return;
    }
  }
  TableWriter& w = db_.Writer(Schema::kPlan, "ZvlSt");
  for (plan::TZvlSt* status : statuses) {
    const int64_t id = db_.NewIdentifier("ZVL_STATUT");
    std::string step = "VAZBA";
    try {
      w.Set("VAZBA", Value(stand_id));
      step = "ID";
      w.Set("ID", Value(id));
      step = "ZVL_STATUT";
      w.Set("ZVL_STATUT", Value(status->ZVL_STATUT()));
      step = "barva";
      Colour(w, *status, "ZVL_STATUT_BR", "ZVL_STATUT");
      step = "IZVL_STAT";
      if (w.Has("IZVL_STAT")) w.Set("IZVL_STAT", Value(IntOrZero(status->ZVL_STATUT())));
    } catch (const ImportDatabaseError&) {
      throw;
    } catch (const std::exception&) {
      platform::ui().ShowMessage(
          "Chyba \"" + step + "\" při ukládání ZvlSt : " + Designation(stand),
          Severity::kPassedOver);
    }
    Insert(w, "ZvlSt");
    status->SetRId(static_cast<int32_t>(id));
    status->SetVazba(static_cast<int32_t>(stand_id));
    status->SetPuvodni_oznaceni(status->ZVL_STATUT());
  }
}

void PlanTransfer::WriteSpecialAreaColumns(TableWriter& w, plan::TLesniPlosnyPrvek& element,
                                           const std::string& kind) {
  const bool group_or_bzl = kind.empty() || kind == "BZL";
  const std::string twin = kind == "BZL" || kind == "JP" ? kind : std::string();
  if (w.Has("LVS")) {
    w.Set("LVS", PropertyValue(element, "LVS"));
    Colour(w, element, "LVS_br", twin.empty() ? "LVS" : "LVS_" + twin);
  }
  if (w.Has("LT")) {
    w.Set("LT", PropertyValue(element, "LT"));
    Colour(w, element, "LT_br", "LT");
  }
  for (const char* c : {"SLT", "PLT"}) {
    if (!w.Has(c)) continue;
    if (group_or_bzl) w.Set(c, PropertyValue(element, c));
    Colour(w, element, std::string(c) + "_br", c);
  }
  if (w.Has("EVL_KOD")) {
    // The multi-valued codes in their "$" form, as the readers take them.
    for (const char* code : {"EVL_KOD", "NPP_KOD", "NPR_KOD"}) {
      if (w.Has(code)) w.Set(code, PropertyValue(element, std::string(code) + "_XML"));
    }
    for (const char* code : {"PO_KOD", "CHKO_KOD", "CHKO_Z_KOD", "NP_KOD", "NP_Z_KOD", "PP_KOD",
                             "PR_KOD", "SCHU_KOD"}) {
      if (w.Has(code)) w.Set(code, PropertyValue(element, code));
    }
    if (w.Has("EVL_KOD_br")) {
      for (const char* code : {"EVL_KOD", "NPP_KOD", "NPR_KOD", "PO_KOD", "CHKO_KOD", "CHKO_Z_KOD",
                               "NP_KOD", "NP_Z_KOD", "PP_KOD", "PR_KOD", "SCHU_KOD"})
        Colour(w, element, std::string(code) + "_br", code);
    }
  }
  if (w.Has("MNG_REZIM")) {
    w.Set("MNG_REZIM", PropertyValue(element, "MNG_REZIM"));
    Colour(w, element, "MNG_REZIM_br", "MNG_REZIM");
  }
}

void PlanTransfer::WritePlot(plan::TLesniPlosnyNeporostniPrvek& plot, const char* kind,
                             int64_t stand_id) {
  const std::string key = kind;
  const std::string table = key == "BZL" ? "BEZLESI" : key == "JP" ? "JINE_POZ" : "OST_POZ";
  const std::string s = key;
  TableWriter& w = db_.Writer(Schema::kPlan, table);
  const int64_t id = db_.NewIdentifier(table);
  w.Set("ID", Value(id));
  w.Set("VAZBA", Value(stand_id));
  const char* error = key == "BZL"  ? "Chyba při ukládání bezlesí : "
                      : key == "JP" ? "Chyba při ukládání jiného pozemku : "
                                    : "Chyba při ukládání ostatní plochy : ";
  Guarded(plot, error, [&] {
    w.Set(key, Value(static_cast<int64_t>(plot.Cislo())));
    Colour(w, plot, key + "_br", key);
    if (key == "JP" && w.Has("JP_PUPFL")) {
      w.Set("JP_PUPFL", PropertyValue(plot, "JP_PUPFL"));
      Colour(w, plot, "JP_PUPFL_br", "JP_PUPFL");
    }
    w.Set("KU_KOD", PropertyValue(plot, "KU_KOD"));
    Colour(w, plot, "KU_KOD_br", "KU_KOD_" + s);
    w.Set("LES_URAD", PropertyValue(plot, "LES_URAD"));
    Colour(w, plot, "LES_URAD_br", "LES_URAD_" + s);
    w.Set(key + "_P0", PropertyValue(plot, "Plocha0"));
    Colour(w, plot, key + "_P0_br", key + "_P0");
    w.Set(key + "_P", PropertyValue(plot, "Plocha"));
    Colour(w, plot, key + "_P_br", key + "_P_st");
    w.Set(key + "_V", PropertyValue(plot, "Vymera"));
    Colour(w, plot, key + "_V_br", key + "_V_st");
    for (const char* c : {"KVAL_P", "POT_VLAST", "SKUPPARC"}) {
      w.Set(c, PropertyValue(plot, c));
      Colour(w, plot, std::string(c) + "_br", std::string(c) + "_" + s);
    }
    if (key != "BZL" && w.Has("DRUH_POZ")) {
      w.Set("DRUH_POZ", PropertyValue(plot, "DRUH_POZ"));
      Colour(w, plot, "DRUH_POZ_br", "DRUH_POZ_" + s);
    }
    w.Set(key + "_VYUZ", PropertyValue(plot, key + "_VYUZ"));
    Colour(w, plot, key + "_VYUZ_br", key + "_VYUZ");
    const std::string kind_column = key == "BZL" ? "BZL_DRUH" : key == "JP" ? "JP_DRUH" : "VYUZITI";
    const std::string kind_property = key == "OST" ? "OP_DRUH" : kind_column;
    if (w.Has(kind_column)) {
      w.Set(kind_column, PropertyValue(plot, kind_property));
      Colour(w, plot, kind_column + "_br", kind_property);
    }
    if (w.Has("INV_CIS")) {
      w.Set("INV_CIS", PropertyValue(plot, "INV_CIS"));
      Colour(w, plot, "INV_CIS_BR", "INV_CIS_" + s);
    }
    if (w.Has("CISLO_TEL")) w.Set("CISLO_TEL", PropertyValue(plot, "CISLO_TEL_Lom"));
    Colour(w, plot, "MAJ_KOD_br", "MAJ_KOD_" + s);
    Colour(w, plot, "MAJ_DRUH_br", "MAJ_DRUH_" + s);
    WriteSpecialAreaColumns(w, plot, s);
  });
  Insert(w, table);
  plot.SetRId(static_cast<int32_t>(id));
  plot.SetVazba(static_cast<int32_t>(stand_id));
  plot.SetPuvodni_oznaceni(std::to_string(plot.Cislo()));
}

void PlanTransfer::WriteGroup(plan::TPorostniSkupina& group, int64_t stand_id) {
  TableWriter& w = db_.Writer(Schema::kPlan, "PS");
  const int64_t id = db_.NewIdentifier("PS");
  w.Set("ID", Value(id));
  w.Set("VAZBA", Value(stand_id));
  Guarded(group, "Chyba při ukládání porostní skupiny : ", [&] {
    w.Set("PSK", PropertyValue(group, "PSK"));
    Colour(w, group, "PSK_br", "PSK");
    for (const char* c :
         {"LES_URAD", "KU_KOD", "PRIB_VZD", "HOSP_TVAR", "TER_TYP", "Terenni_skupina", "Uzivatel",
          "HOSP_ZP", "KVAL_P", "POT_VLAST", "SKUPPARC", "DAN"}) {
      w.Set(c, PropertyValue(group, c));
      Colour(w, group, std::string(c) + "_br");
    }
    w.Set("PSK_P", PropertyValue(group, "PSK_P"));
    Colour(w, group, "PSK_P_br", "PSK_P");
    w.Set("PSK_P0", PropertyValue(group, "Plocha0"));
    Colour(w, group, "PSK_P0_br", "PSK_P0");
    w.Set("PSK_V", PropertyValue(group, "Vymera"));
    Colour(w, group, "PSK_V_br", "PSK_V");
    if (w.Has("TXTNEPIS")) {
      w.Set("TXTNEPIS", PropertyValue(group, "TxtNepis"));
      Colour(w, group, "TXTNEPIS_br", "TxtNepis");
    }
    if (w.Has("PocCasti")) w.Set("PocCasti", PropertyValue(group, "PocetCasti"));
    for (const char* c : {"StareOzn", "Face", "BotanLok", "SegmVyv"}) {
      if (w.Has(c)) w.Set(c, PropertyValue(group, c));
    }
    Colour(w, group, "StareOzn_br", "StareOzn");
    if (w.Has("CISLO_TEL")) w.Set("CISLO_TEL", PropertyValue(group, "CISLO_TEL_XML"));
    if (options_.national_park) {
      static const std::pair<const char*, const char*> kPark[] = {
          {"PrirStan", "KodPrirStan"}, {"Biotop", "Biotop"},       {"RSO", "RSO"},
          {"Revize", "Revize"},        {"Prioritni", "Prioritni"}, {"Rok_Sum", "Rok_Sum"},
          {"StupPriroz", "StupPriroz"}};
      for (const auto& [column, property] : kPark) {
        if (w.Has(column)) w.Set(column, PropertyValue(group, property));
      }
    }
    WriteSpecialAreaColumns(w, group, "");
  });
  Insert(w, "PS");
  group.SetRId(static_cast<int32_t>(id));
  group.SetVazba(static_cast<int32_t>(stand_id));
  group.SetPuvodni_oznaceni(group.GetPropertyText("PSK"));

  TableWriter& remark = db_.Writer(Schema::kPlan, "PS_POZN");
  remark.Set("Vazba", Value(id));
  remark.Set("ID", Value(db_.NewIdentifier("PS_POZN")));
  Guarded(group, "Chyba při ukládání poznámky skupiny : ", [&] {
    remark.Set("Poznamka", PropertyValue(group, "PSK_TEXT"));
    Colour(remark, group, "POZNAMKA_br", "PSK_TEXT");
  });
  Insert(remark, "PS_POZN");

  for (plan::TEtaz* layer : Elements<plan::TEtaz>(group.EtazMN())) WriteLayer(*layer, id);
}

}  // namespace tarnik::islh
