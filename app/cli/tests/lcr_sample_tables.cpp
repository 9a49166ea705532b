#include "app/cli/tests/lcr_sample_tables.h"

#include <vector>

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
#include "forest/unit/lesni_celek.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::cli::test {
namespace {

using engine::SqlConnection;
using engine::Value;
using framework::TElement;

// A column: its name, the property it holds and its kind (I integer, F float, T text).
struct Col {
  const char* column;
  const char* property;
  char kind;
};
using Cols = std::vector<Col>;

Value Typed(const std::string& text, char kind) {
  const std::string t = platform::Trim(text);
  if (kind == 'I') {
    if (auto v = platform::TextToInt64(t)) return Value(*v);
    return Value();
  }
  if (kind == 'F') {
    std::string dot = t;
    for (char& c : dot)
      if (c == ',') c = '.';
    if (auto v = platform::TextToFloatDot(dot)) return Value(*v);
    return Value();
  }
  return Value(text);
}

const char* SqlType(char kind) {
  return kind == 'I' ? "INTEGER" : kind == 'F' ? "FLOAT" : "VARCHAR(255)";
}

// Key columns and their values, then the element's columns.
struct Row {
  Cols cols;
  std::vector<Value> values;
  Row With(const char* column, char kind, Value v) const {
    Row r = *this;
    r.cols.push_back({column, column, kind});
    r.values.push_back(std::move(v));
    return r;
  }
};

class Writer {
 public:
  explicit Writer(SqlConnection& db) : db_(db) {}

  void Create(const std::string& table, const Cols& keys, const Cols& cols) {
    std::string sql = "CREATE TABLE " + table + " (";
    bool first = true;
    for (const Cols* list : {&keys, &cols})
      for (const Col& c : *list) {
        sql += (first ? "" : ", ") + std::string(c.column) + " " + SqlType(c.kind);
        first = false;
      }
    db_.Execute(sql + ")");
  }

  void Insert(const std::string& table, const Row& keys, TElement* element, const Cols& cols,
              const std::vector<std::pair<const char*, Value>>& extra = {}) {
    std::string names, marks;
    std::vector<Value> values;
    auto add = [&](const std::string& name, Value v) {
      names += (names.empty() ? "" : ", ") + name;
      marks += values.empty() ? "?" : ", ?";
      values.push_back(std::move(v));
    };
    for (size_t i = 0; i < keys.cols.size(); ++i) add(keys.cols[i].column, keys.values[i]);
    for (const Col& c : cols)
      if (element && c.property[0] != '\0')
        add(c.column, Typed(element->GetPropertyText(c.property), c.kind));
    for (const auto& [name, v] : extra) add(name, v);
    db_.Execute("INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")", values);
  }

 private:
  SqlConnection& db_;
};

std::vector<TElement*> Items(plan::TLesniMnozina* set) {
  return set ? set->Prvky() : std::vector<TElement*>();
}

// Walks every compartment of the unit from the first.
template <class F>
void EachCompartment(plan::TLesniCelek& unit, F&& f) {
  unit.ZnovuNacti();
  for (bool more = unit.LHC()->Oddeleni() != nullptr; more;
       more = !unit.JeKonec() && unit.NactiDalsiOddeleni(false))
    f(*unit.LHC()->Oddeleni());
}

std::string Text(TElement* e, const char* property) { return e->GetPropertyText(property); }

// The organisation level codes of a stand, first to third ("" where it has none).
std::vector<std::string> Levels(plan::TPorost& stand) {
  std::vector<std::string> codes(3);
  const std::vector<TElement*> levels = Items(stand.Org_UrovenMN());
  for (size_t k = 0; k < levels.size() && k < 3; ++k) codes[k] = Text(levels[k], "ORG_UROVEN");
  return codes;
}

// The stand's remark lines as the one line the LČR tables hold.
std::string RemarkLine(plan::TPorost& stand) {
  std::string text;
  for (const std::string& line : stand.PorText()) text += (text.empty() ? "" : " ") + line;
  return text;
}

// The Oracle tables' columns.
const Cols kPorCols = {{"POR", "POR", 'T'},           {"PAS_OHR", "PAS_OHR", 'T'},
                       {"LES_OBL", "LES_OBL", 'T'},   {"SDR_POR", "SDR_POR", 'T'},
                       {"OLH", "OLH_98n", 'T'},       {"HIST_ROZD", "HIST_ROZD", 'T'},
                       {"HIST_LHC", "HIST_LHC", 'T'}, {"HIST_LHPOD", "HIST_LHPOD", 'T'}};
const Cols kPskCols = {
    {"PSK", "PSK", 'T'},           {"PSK_P0", "Plocha0", 'F'}, {"PSK_V", "Vymera", 'F'},
    {"PSK_P", "PSK_P", 'F'},       {"KVAL_P", "KVAL_P", 'T'},  {"LES_URAD", "LES_URAD", 'I'},
    {"SLT", "SLT", 'T'},           {"LT", "LT", 'T'},          {"TER_TYP", "TER_TYP", 'T'},
    {"PRIB_VZD", "PRIB_VZD", 'I'}, {"KU_KOD", "KU_KOD", 'I'},  {"PSK_TEXT", "PSK_TEXT", 'T'},
    {"HOSP_ZP", "HOSP_ZP", 'T'}};
const Cols kEtazCols = {{"ETAZ", "ETAZ", 'T'},
                        {"ETAZ_PS", "ETAZ_PS", 'F'},
                        {"ETAZ_PP", "ETAZ_PP", 'F'},
                        {"HS", "HS", 'I'},
                        {"OBMYTI", "OBMYTI", 'I'},
                        {"OBN_DOBA", "OBN_DOBA", 'I'},
                        {"VEK", "VEK", 'I'},
                        {"ZAKM", "ZAKM", 'I'},
                        {"HOSP_TV", "HOSP_TV", 'T'},
                        {"M_Z_ZASOBY", "M_Z_ZASOBY", 'I'},
                        {"PRO_P", "PRO_P", 'F'},
                        {"PRO_NAL", "PRO_NAL", 'T'},
                        {"PRO_POC", "PRO_POC", 'I'},
                        {"TV_P", "TV_P", 'F'},
                        {"TV_NAL", "TV_NAL", 'T'},
                        {"TV_POC", "TV_POC", 'I'},
                        {"TO_P", "TO_P", 'F'},
                        {"TO_NAL", "TO_NAL", 'T'},
                        {"TO_DUVOD", "TO_DUVOD", 'T'},
                        {"TO_ZPUSOB", "TO_ZPUSOB", 'T'},
                        {"TVYB_P", "TVYB_P", 'F'},
                        {"TVYB_NAL", "TVYB_NAL", 'T'},
                        {"M_TEZ_PROC", "M_TEZ_PROC", 'I'},
                        {"ODVOZ_TEZ", "ODVOZ_TEZ", 'T'},
                        {"ZAL_DRUH", "ZAL_DRUH", 'T'},
                        {"ZAL_P", "ZAL_P", 'F'}};
const Cols kDrevinCols = {
    {"PROC_SOUS", "PROC_SOUS", 'I'}, {"DR_PUVOD", "DR_PUVOD", 'T'},     {"ZAST", "ZAST", 'I'},
    {"VYSKA", "VYSKA", 'I'},         {"TLOUSTKA", "TLOUSTKA", 'I'},     {"BON_R", "BON_R", 'T'},
    {"BON_A", "BON_A", 'I'},         {"GEN_KLAS", "GEN_KLAS", 'T'},     {"VYB_STR", "VYB_STR", 'T'},
    {"DR_ZAS_HA", "DR_ZAS_HA", 'I'}, {"DR_ZAS_CEL", "DR_ZAS_CEL", 'I'}, {"IMISE", "IMISE", 'T'},
    {"DR_KVAL", "DR_KVAL", 'T'},     {"DR_TV", "DR_TV", 'I'},           {"DR_TO", "DR_TO", 'I'},
    {"DR_TVYB", "DR_TVYB", 'I'},     {"DR_ZAS_TAB", "ZAS_TAB_HA", 'I'}};
const Cols kPoskozCols = {{"POSKOZ_D", "POSKOZ_D", 'I'}, {"POSKOZ_R", "POSKOZ_R", 'I'}};
const Cols kZalCols = {{"ZAL_DR", "ZAL_DR", 'T'}, {"ZAL_DR_P", "ZAL_DR_P", 'I'}};
const Cols kBzlCols = {
    {"BZL", "BZL", 'I'},        {"KU_KOD", "KU_KOD", 'I'},     {"LES_URAD", "LES_URAD", 'T'},
    {"BZL_P0", "Plocha0", 'F'}, {"BZL_V", "Vymera", 'F'},      {"BZL_P", "Plocha", 'F'},
    {"KVAL_P", "KVAL_P", 'T'},  {"BZL_VYUZ", "BZL_VYUZ", 'T'}, {"BZL_DRUH", "BZL_DRUH", 'T'}};
const Cols kJpCols = {
    {"JP", "JP", 'I'},         {"KU_KOD", "KU_KOD", 'I'},   {"LES_URAD", "LES_URAD", 'I'},
    {"JP_P0", "Plocha0", 'F'}, {"JP_V", "Vymera", 'F'},     {"JP_P", "Plocha", 'F'},
    {"KVAL_P", "KVAL_P", 'I'}, {"JP_DRUH", "JP_DRUH", 'T'}, {"JP_VYUZ", "JP_VYUZ", 'T'}};

}  // namespace

void WriteLcrOracleTables(SqlConnection& db, plan::TLesniCelek& unit, int64_t version,
                          const std::vector<LcrCodeRow>& code_lists) {
  Writer w(db);
  const Cols unit_key = {{"LHC_ID", "", 'I'}};
  const Cols odd_key = {{"LHC_ID", "", 'I'}, {"ODD", "", 'I'}};
  const Cols dil_key = {{"LHC_ID", "", 'I'}, {"ODD", "", 'I'}, {"DIL", "", 'T'}};
  Cols stand_key = dil_key;
  stand_key.push_back({"POR", "", 'T'});
  stand_key.push_back({"MAJ_KOD", "", 'I'});
  Cols group_key = stand_key;
  group_key.push_back({"PSK", "", 'T'});
  Cols layer_key = group_key;
  layer_key.push_back({"ETAZ", "", 'T'});
  Cols species_key = layer_key;
  species_key.push_back({"DR_ZKR", "", 'T'});
  species_key.push_back({"PROC_SOUS", "", 'I'});

  db.Execute("CREATE TABLE T_LHC (LHC_KOD INTEGER, LHC_ID INTEGER, LHC_NAZ VARCHAR(40))");
  w.Create("T_ODD", odd_key, {});
  w.Create("T_DIL", dil_key, {});
  Cols por_cols = kPorCols;
  por_cols.erase(por_cols.begin());  // POR is a key of the other tables
  w.Create("T_POR", stand_key, [&] {
    Cols c = por_cols;
    for (const char* l : {"ORG_UR1", "ORG_UR2", "ORG_UR3"}) c.push_back({l, "", 'T'});
    c.push_back({"POR_TEXT", "", 'T'});
    return c;
  }());
  Cols psk_cols(kPskCols.begin() + 1, kPskCols.end());
  w.Create("T_PSK", group_key, psk_cols);
  w.Create("T_ETAZ", group_key, kEtazCols);
  w.Create("T_DREVIN", layer_key, [] {
    Cols c = {{"DR_ZKR", "DR_ZKR", 'T'}};
    c.insert(c.end(), kDrevinCols.begin(), kDrevinCols.end());
    return c;
  }());
  w.Create("T_POSKOZ", species_key, kPoskozCols);
  w.Create("T_ZAL_DR", layer_key, kZalCols);
  w.Create("T_ZVS", stand_key, {{"ZVL_STATUT", "", 'T'}});
  w.Create("T_KATEG", stand_key,
           {{"PORADI", "", 'I'}, {"KATEGORIE", "KATEGORIE", 'T'}, {"KAT_SPEC", "", 'T'}});
  w.Create("T_BZL", stand_key, kBzlCols);
  w.Create("T_JP", stand_key, kJpCols);
  db.Execute("CREATE TABLE C_054 (LHC_ID INTEGER, KOD INTEGER, JMENO VARCHAR(80))");
  db.Execute(
      "CREATE TABLE C_MAJ (LHC_ID INTEGER, MAJ_KOD INTEGER, MAJ_DRUH INTEGER, MAJ_NAZ "
      "VARCHAR(80))");
  db.Execute(
      "CREATE TABLE C_ORG_UR (KOD INTEGER, LHC_ID INTEGER, PORADI INTEGER, POPIS VARCHAR(80))");
  db.Execute("CREATE TABLE C_KU (KOD INTEGER, POPIS VARCHAR(80))");
  for (const LcrCodeRow& row : code_lists) {
    std::string marks;
    for (size_t i = 0; i < row.values.size(); ++i) marks += i ? ", ?" : "?";
    db.Execute("INSERT INTO " + row.table + " VALUES (" + marks + ")", row.values);
  }

  db.StartTransaction();
  db.Execute("INSERT INTO T_LHC VALUES (?, ?, ?)",
             {Value(int64_t{unit.LHC()->LHC_KOD()}), Value(version), Value(unit.LHC()->LHC_NAZ())});
  const Row unit_row{unit_key, {Value(version)}};
  EachCompartment(unit, [&](plan::TOddeleni& odd) {
    const Row odd_row = unit_row.With("ODD", 'I', Value(int64_t{odd.ODD()}));
    w.Insert("T_ODD", odd_row, nullptr, {});
    for (TElement* d : Items(odd.DilecMN())) {
      const Row dil_row = odd_row.With("DIL", 'T', Value(Text(d, "DIL")));
      w.Insert("T_DIL", dil_row, nullptr, {});
      for (TElement* p : Items(static_cast<plan::TDilec*>(d)->PorostMN())) {
        auto& stand = *static_cast<plan::TPorost*>(p);
        const Row stand_row = dil_row.With("POR", 'T', Value(stand.POR()))
                                  .With("MAJ_KOD", 'I', Value(int64_t{stand.MAJ_KOD()}));
        const std::vector<std::string> levels = Levels(stand);
        w.Insert("T_POR", stand_row, &stand, por_cols,
                 {{"ORG_UR1", Value(levels[0])},
                  {"ORG_UR2", Value(levels[1])},
                  {"ORG_UR3", Value(levels[2])},
                  {"POR_TEXT", Value(RemarkLine(stand))}});
        for (TElement* g : Items(stand.PorostniSkupinaMN())) {
          w.Insert("T_PSK", stand_row.With("PSK", 'T', Value(Text(g, "PSK"))), g, psk_cols);
          const Row group_row = stand_row.With("PSK", 'T', Value(Text(g, "PSK")));
          for (TElement* e : Items(static_cast<plan::TPorostniSkupina*>(g)->EtazMN())) {
            w.Insert("T_ETAZ", group_row, e, kEtazCols);
            const Row layer_row = group_row.With("ETAZ", 'T', Value(Text(e, "ETAZ")));
            auto* layer = static_cast<plan::TEtaz*>(e);
            for (TElement* s : Items(layer->DrevinaMN())) {
              w.Insert("T_DREVIN", layer_row.With("DR_ZKR", 'T', Value(Text(s, "DR_ZKR"))), s,
                       kDrevinCols);
              const Row species_row = layer_row.With("DR_ZKR", 'T', Value(Text(s, "DR_ZKR")))
                                          .With("PROC_SOUS", 'I', Typed(Text(s, "PROC_SOUS"), 'I'));
              for (TElement* damage : Items(static_cast<plan::TDrevina*>(s)->PoskozeniMN()))
                w.Insert("T_POSKOZ", species_row, damage, kPoskozCols);
            }
            for (TElement* z : Items(layer->ZalesneniMN()))
              w.Insert("T_ZAL_DR", layer_row, z, kZalCols);
          }
        }
        const std::vector<TElement*> statuses = Items(stand.ZvlStMN());
        for (size_t k = 1; k <= statuses.size(); ++k)
          w.Insert("T_ZVS", stand_row, nullptr, {},
                   {{"ZVL_STATUT", Value(stand.ZVL_STATUT(static_cast<int>(k)))}});
        for (TElement* k : Items(stand.Kategorie1MN()))
          w.Insert("T_KATEG", stand_row, k, {{"KATEGORIE", "KATEGORIE", 'T'}},
                   {{"PORADI", Value(int64_t{static_cast<plan::TObecnyLesniPrvek*>(k)->RId()})},
                    {"KAT_SPEC", Value(Text(&stand, "KAT_SPEC"))}});
        for (TElement* b : Items(stand.BezlesiMN())) w.Insert("T_BZL", stand_row, b, kBzlCols);
        for (TElement* j : Items(stand.JinyPozemekMN())) w.Insert("T_JP", stand_row, j, kJpCols);
      }
    }
  });
  db.Commit();
}

void WriteLcrPlanTables(SqlConnection& db, plan::TLesniCelek& unit, int64_t version) {
  Writer w(db);
  const Cols lhc_cols = {{"LHC_NAZ", "LHC_NAZ", 'T'},       {"LHP_OD", "LHP_OD", 'T'},
                         {"LHP_DO", "LHP_DO", 'T'},         {"LHP_TAX", "LHP_TAX", 'T'},
                         {"LHP_LIC", "LHP_LIC", 'T'},       {"LHP_Z_OD", "LHP_Z_OD", 'T'},
                         {"LHP_Z_DO", "LHP_Z_DO", 'T'},     {"LHP_Z_TAX", "LHP_Z_TAX", 'T'},
                         {"LHP_Z_LIC", "LHP_Z_LIC", 'T'},   {"ETAT", "ETAT", 'I'},
                         {"ETAT_TO", "ETAT_TO", 'I'},       {"ETAT_TV", "ETAT_TV", 'I'},
                         {"ETAT_TVYB", "ETAT_TVYB", 'I'},   {"TEZ_PROC", "TEZ_PROC", 'I'},
                         {"NOR_PAS", "NOR_PAS", 'I'},       {"LHC_PN_PRO", "LHC_PN_PRO", 'I'},
                         {"LHC_IND", "LHC_IND", 'I'},       {"LHC_MAX", "LHC_MAX", 'I'},
                         {"LHP_NEZDAR", "LHP_NEZDAR", 'I'}, {"MVYCH_DO40", "MVYCH_DO40", 'F'}};
  const Cols unit_key = {{"LHC_KOD", "", 'I'}, {"LHC_KOD_ID", "", 'I'}};
  Cols stand_key = unit_key;
  for (const char* c : {"ODD", "ODD_ID"}) stand_key.push_back({c, "", 'I'});
  for (const char* c : {"DIL", "POR"}) stand_key.push_back({c, "", 'T'});
  Cols group_key = stand_key;
  group_key.push_back({"PSK", "", 'T'});
  Cols layer_key = group_key;
  layer_key.push_back({"ETAZ", "", 'T'});
  Cols species_key = layer_key;
  species_key.push_back({"DR_ZKR", "", 'T'});
  // The plan tables name their columns like the properties.
  auto named = [](const Cols& cols, std::initializer_list<const char*> leave_out = {}) {
    Cols c;
    for (const Col& col : cols) {
      bool out = false;
      for (const char* l : leave_out) out = out || std::string(col.property) == l;
      if (!out) c.push_back({col.property, col.property, col.kind});
    }
    return c;
  };
  Cols por_cols = named(kPorCols, {"POR"});
  por_cols.push_back({"MAJ_KOD", "MAJ_KOD", 'I'});
  por_cols.push_back({"MAJ_DRUH", "MAJ_DRUH", 'I'});
  por_cols.push_back({"LES_PODOBL", "LES_PODOBL", 'T'});
  por_cols.push_back({"ZVL_STATUT", "ZVL_STATUT", 'T'});
  // The plan tables hold the special-area columns and a few more the Oracle tables lack.
  const Cols areal = {
      {"PO_KOD", "PO_KOD", 'I'},   {"CHKO_KOD", "CHKO_KOD", 'I'}, {"CHKO_Z_KOD", "CHKO_Z_KOD", 'I'},
      {"NP_KOD", "NP_KOD", 'I'},   {"NP_Z_KOD", "NP_Z_KOD", 'I'}, {"PP_KOD", "PP_KOD", 'I'},
      {"PR_KOD", "PR_KOD", 'I'},   {"EVL_KOD", "EVL_KOD", 'T'},   {"NPP_KOD", "NPP_KOD", 'T'},
      {"NPR_KOD", "NPR_KOD", 'T'}, {"SCHU_KOD", "SCHU_KOD", 'I'}};
  auto with = [](Cols cols, const Cols& more) {
    cols.insert(cols.end(), more.begin(), more.end());
    return cols;
  };
  const Cols psk_cols = with(named(kPskCols, {"PSK"}),
                             with({{"HOSP_TVAR", "HOSP_TVAR", 'T'}, {"DAN", "DAN", 'T'}}, areal));
  const Cols etaz_cols = with(named(kEtazCols, {"ETAZ"}), {{"MZD", "MZD", 'I'}});
  Cols drevina_cols =
      with(named(kDrevinCols, {"PROC_SOUS"}), {{"PLOCHA_DREVINY", "PLOCHA_DREVINY", 'F'}});
  drevina_cols.push_back({"OBJ_SOUSI", "PROC_SOUS", 'I'});
  const Cols skody_cols = named(kPoskozCols);
  const Cols zal_cols = named(kZalCols);
  const Cols bzl_cols = with(named(kBzlCols), with({{"LT", "LT", 'T'}}, areal));
  const Cols jp_cols =
      with(named(kJpCols), with({{"LT", "LT", 'T'}, {"JP_PUPFL", "JP_PUPFL", 'T'}}, areal));

  w.Create("LHC", unit_key, lhc_cols);
  w.Create("POROST", stand_key, [&] {
    Cols c = por_cols;
    for (const char* l : {"OR_UR1_KOD", "OR_UR2_KOD", "OR_UR3_KOD", "POR_TEXT"})
      c.push_back({l, "", 'T'});
    return c;
  }());
  w.Create("POROST_SKUP", group_key, psk_cols);
  w.Create("ETAZ", layer_key, etaz_cols);
  w.Create("DREVINA", species_key, drevina_cols);
  w.Create("DREV_ZALES", layer_key, zal_cols);
  w.Create("SKODY", species_key, skody_cols);
  w.Create("PREKRYV", stand_key, {{"KATEGORIE", "KATEGORIE", 'T'}});
  w.Create("BEZLESI", stand_key, bzl_cols);
  w.Create("JINE_POZ", stand_key, jp_cols);

  db.StartTransaction();
  const int64_t code = unit.LHC()->LHC_KOD();
  const Row unit_row{unit_key, {Value(code), Value(version)}};
  w.Insert("LHC", unit_row, unit.LHC(), lhc_cols);
  EachCompartment(unit, [&](plan::TOddeleni& odd) {
    const Row odd_row = unit_row.With("ODD", 'I', Value(int64_t{odd.ODD()}))
                            .With("ODD_ID", 'I', Value(int64_t{odd.ODD()} * 10));
    for (TElement* d : Items(odd.DilecMN())) {
      for (TElement* p : Items(static_cast<plan::TDilec*>(d)->PorostMN())) {
        auto& stand = *static_cast<plan::TPorost*>(p);
        const Row stand_row =
            odd_row.With("DIL", 'T', Value(Text(d, "DIL"))).With("POR", 'T', Value(stand.POR()));
        const std::vector<std::string> levels = Levels(stand);
        w.Insert("POROST", stand_row, &stand, por_cols,
                 {{"OR_UR1_KOD", Value(levels[0])},
                  {"OR_UR2_KOD", Value(levels[1])},
                  {"OR_UR3_KOD", Value(levels[2])},
                  {"POR_TEXT", Value(RemarkLine(stand))}});
        for (TElement* g : Items(stand.PorostniSkupinaMN())) {
          const Row group_row = stand_row.With("PSK", 'T', Value(Text(g, "PSK")));
          w.Insert("POROST_SKUP", group_row, g, psk_cols);
          for (TElement* e : Items(static_cast<plan::TPorostniSkupina*>(g)->EtazMN())) {
            const Row layer_row = group_row.With("ETAZ", 'T', Value(Text(e, "ETAZ")));
            w.Insert("ETAZ", layer_row, e, etaz_cols);
            auto* layer = static_cast<plan::TEtaz*>(e);
            for (TElement* s : Items(layer->DrevinaMN())) {
              const Row species_row = layer_row.With("DR_ZKR", 'T', Value(Text(s, "DR_ZKR")));
              w.Insert("DREVINA", species_row, s, drevina_cols);
              for (TElement* damage : Items(static_cast<plan::TDrevina*>(s)->PoskozeniMN()))
                w.Insert("SKODY", species_row, damage, skody_cols);
            }
            for (TElement* z : Items(layer->ZalesneniMN()))
              w.Insert("DREV_ZALES", layer_row, z, zal_cols);
          }
        }
        for (TElement* k : Items(stand.Kategorie1MN()))
          w.Insert("PREKRYV", stand_row, k, {{"KATEGORIE", "KATEGORIE", 'T'}});
        for (TElement* b : Items(stand.BezlesiMN())) w.Insert("BEZLESI", stand_row, b, bzl_cols);
        for (TElement* j : Items(stand.JinyPozemekMN()))
          w.Insert("JINE_POZ", stand_row, j, jp_cols);
      }
    }
  });
  db.Commit();
}

}  // namespace tarnik::cli::test
