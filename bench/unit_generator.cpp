#include "bench/unit_generator.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "bench/code_pool.h"
#include "bench/phs_tables.h"
#include "bench/prng.h"
#include "bench/row_writer.h"
#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/schema.h"

namespace tarnik::bench {
namespace {

namespace fs = std::filesystem;
using engine::Database;

double Round2(double v) { return std::round(v * 100.0) / 100.0; }

const std::string& Draw(Prng& rng, const WeightedCodes& pool) {
  return pool.codes[rng.Weighted(pool.weights)];
}

// Shares of `n` species adding up to 100 in steps of 5, the first the largest.
std::vector<int64_t> Shares(Prng& rng, int n) {
  std::vector<int64_t> shares(n, 5);
  int64_t left = 100 - 5 * n;
  for (int i = 0; i < n && left > 0; ++i) {
    int64_t take = i == n - 1 ? left : 5 * rng.Between(left / 10, left / 5);
    take = std::min(take, left);
    shares[i] += take;
    left -= take;
  }
  shares[0] += left;
  std::sort(shares.begin(), shares.end(), std::greater<>());
  return shares;
}

// The management set of a forest type: acid, fertile and gleyed sites of middle (5) or higher
// (6) elevation.
int ManagementSet(const std::string& forest_type) {
  int base = !forest_type.empty() && forest_type[0] == '6' ? 70 : 50;
  char site = forest_type.size() > 1 ? forest_type[1] : 'K';
  if (site == 'O' || site == 'G') return base + 7;
  if (site == 'S' || site == 'B') return base + 5;
  return base + 3;
}

class PlanWriter {
 public:
  PlanWriter(sqlite3* db, const CodePools& pools, uint64_t seed)
      : pools_(pools),
        rng_(seed),
        compartments_(db, "ODDELENI", {"ID", "VAZBA", "ODD"}),
        subs_(db, "DILEC", {"ID", "VAZBA", "DIL"}),
        stands_(db, "POROST",
                {"ID", "VAZBA", "POR", "KATEGORIE", "PAS_OHR", "LES_OBL", "KAT_SPEC", "Cil_HS",
                 "ZVL_STATUS", "MAJ_KOD", "MAJ_DRUH", "Ktg_str", "ORG_UROVEN1", "ORG_UROVEN2",
                 "DRUH_POZ", "OLH"}),
        stand_notes_(db, "POR_POZN", {"VAZBA", "ID", "POZNAMKA"}),
        overlays_(db, "PREKRYV", {"VAZBA", "ID", "Ktg_str"}),
        statuses_(db, "ZvlSt", {"VAZBA", "ID", "ZVL_STATUT", "IZVL_STAT"}),
        groups_(db, "PS",
                {"ID",       "VAZBA",  "PSK",      "MAJ_KOD",   "KU_KOD",     "LES_URAD",
                 "LT",       "SLT",    "PRIB_VZD", "HOSP_TVAR", "TER_TYP",    "OLH",
                 "HOSP_ZP",  "PSK_P",  "PSK_P0",   "PSK_V",     "KVAL_P",     "POT_VLAST",
                 "DAN",      "LVS",    "PO_KOD",   "CHKO_KOD",  "CHKO_Z_KOD", "NP_KOD",
                 "NP_Z_KOD", "PP_KOD", "PR_KOD",   "SCHU_KOD",  "CISLO_TEL",  "PocCasti"}),
        group_notes_(db, "PS_POZN", {"Vazba", "ID", "Poznamka"}),
        layers_(db, "ETAZ",
                {"ID", "VAZBA", "ETAZ", "HS", "ETAZ_PP", "ETAZ_PS", "OBMYTI", "OBN_DOBA",
                 "POC_OBNOVY", "VEK", "ZAKM", "Metoda_zjisteni_zasoby", "Rok_zjisteni_zasoby",
                 "HOSP_ZP", "MZD", "HOSP_TV", "PROC_HS"}),
        species_(db, "DREVINA",
                 {"ID", "VAZBA", "DR_ZKR", "ZAST", "TLOUSTKA", "VYSKA", "BON_A", "ZAS_TAB_HA",
                  "DR_ZAS_HA", "DR_ZAS_CELK", "POCET_KMENU", "VYCETNI_ZAKLADNA", "PUVOD_DR",
                  "PROC_SOUS", "DR_KVAL", "BON_R", "PLOCHA_DREVINY", "STAV_ZPRAC"}),
        proposals_(db, "NAVRH",
                   {"ID", "Vazba", "N_Druh_vykonu", "N_Zkratka_dreviny", "N_Nalehavost", "N_Plocha",
                    "N_Objem", "N_ObjemHa", "N_Procento", "Pocet_Zasahu"}),
        damages_(db, "POSKOZ", {"Vazba", "Druh_poskozeni", "Stupen_poskozeni"}),
        non_forest_(
            db, "BEZLESI",
            {"ID", "VAZBA", "BZL", "MAJ_KOD", "MAJ_DRUH", "KU_KOD", "LES_URAD", "BZL_P0", "BZL_P",
             "BZL_V", "KVAL_P", "BZL_DRUH", "POT_VLAST", "CISLO_TEL", "LVS", "LT", "SLT"}),
        other_plots_(db, "JINE_POZ", {"ID",       "VAZBA",     "JP",        "MAJ_KOD",   "MAJ_DRUH",
                                      "KU_KOD",   "LES_URAD",  "JP_P0",     "JP_P",      "JP_V",
                                      "KVAL_P",   "JP_VYUZ",   "JP_DRUH",   "POT_VLAST", "JP_PUPFL",
                                      "DRUH_POZ", "Kategorie", "CISLO_TEL", "LVS",       "LT"}),
        other_land_(
            db, "OST_POZ",
            {"ID", "VAZBA", "OST", "MAJ_KOD", "MAJ_DRUH", "KU_KOD", "LES_URAD", "OST_P0", "OST_P",
             "OST_V", "KVAL_P", "OST_VYUZ", "POT_VLAST", "DRUH_POZ", "Vyuziti", "CISLO_TEL"}),
        unit_(db, "LHC",
              {"ID", "LHC_KOD", "LHC_NAZ", "LHP_OD", "LHP_DO", "Puv_Dat", "ETAT_TO", "ETAT_TV",
               "ETAT", "LHP_TAX", "LHO", "LHC_KOD_ID", "KU_DATUM"}),
        identifiers_(db, "ID", {"Tabulka", "ID"}) {}

  void Write(int compartment_count) {
    for (int c = 1; c <= compartment_count; ++c) Compartment(c);
    unit_.Write({int64_t{1}, int64_t{615299}, std::string("Syntetický celek"), std::string("2022"),
                 std::string("2031"), std::string("MERK 98"), std::round(regeneration_volume_),
                 std::round(thinning_volume_),
                 std::round(regeneration_volume_) + std::round(thinning_volume_),
                 std::string("Ing. Jana Horáková"), std::string("N"), int64_t{1},
                 std::string("2021-12-31")});
    WriteIdentifiers();
  }

  void Counts(UnitCounts& counts) const {
    for (const RowWriter* w :
         {&compartments_, &subs_, &stands_, &stand_notes_, &overlays_, &statuses_, &groups_,
          &group_notes_, &layers_, &species_, &proposals_, &damages_, &non_forest_, &other_plots_,
          &other_land_, &unit_, &identifiers_})
      counts[w->table()] = w->rows();
  }

  const std::set<int>& management_sets() const { return management_sets_; }
  const std::vector<PhsStand>& phs_stands() const { return phs_stands_; }

 private:
  struct Place {
    int64_t owner;
    int64_t owner_kind;
    int64_t cadastre;
    int64_t level2;
  };

  void Compartment(int number) {
    int64_t id = ++last_.compartment;
    compartments_.Write({id, int64_t{1}, int64_t{number}});
    std::vector<int64_t> stand_ids;
    int subs = static_cast<int>(rng_.Between(2, 4));
    int64_t level2 = 1 + number % 2;
    for (int d = 0; d < subs; ++d) {
      int64_t sub_id = ++last_.sub;
      std::string letter(1, static_cast<char>('A' + d));
      subs_.Write({sub_id, id, letter});
      Place place{1, 1, kCadastres[rng_.Weighted({5, 2, 2, 1})], level2};
      if (rng_.Chance(0.05)) place = {104, 2, kCadastres[3], 3};
      int stands = static_cast<int>(rng_.Between(2, 3));
      for (int p = 1; p <= stands; ++p)
        stand_ids.push_back(Stand(sub_id, number, letter, p, place));
    }
    // Non-forest land, other plots and other land hang on stands of the compartment.
    int roads = static_cast<int>(rng_.Between(1, 3));
    for (int b = 0; b < roads; ++b) NonForest(stand_ids[rng_.Between(0, stand_ids.size() - 1)]);
    if (rng_.Chance(0.2)) OtherPlot(stand_ids[rng_.Between(0, stand_ids.size() - 1)]);
    if (rng_.Chance(0.15)) OtherLand(stand_ids[rng_.Between(0, stand_ids.size() - 1)]);
  }

  int64_t Stand(int64_t sub_id, int compartment, const std::string& sub, int number,
                const Place& place) {
    int64_t id = ++last_.stand;
    static const std::vector<std::pair<const char*, int64_t>> kCategories = {
        {"10", 100}, {"21a", 211}, {"32e", 325}, {"32a", 321}};
    auto& category = kCategories[rng_.Weighted({90, 5, 3, 2})];
    std::vector<int> statuses;
    if (rng_.Chance(0.1))
      statuses.push_back(std::vector<int>{17, 18, 26}[rng_.Weighted({4, 4, 2})]);
    std::string lt = Draw(rng_, pools_.forest_types);
    int hs = ManagementSet(lt);
    Cell status = statuses.empty() ? Cell{} : Cell{std::to_string(statuses[0])};
    stands_.Write({id, sub_id, std::to_string(number), category.second, std::string("D"),
                   std::string("16"), int64_t{0}, int64_t{hs}, status, place.owner,
                   place.owner_kind, std::string(category.first), int64_t{128}, place.level2,
                   int64_t{10}, std::to_string(place.owner_kind)});
    overlays_.Write({id, ++last_.overlay, std::string(category.first)});
    for (int s : statuses) statuses_.Write({id, ++last_.status, std::to_string(s), int64_t{s}});
    if (rng_.Chance(0.05))
      stand_notes_.Write({id, ++last_.stand_note,
                          std::string("Přístup po lesní cestě, svážnice v dobrém stavu.")});
    phs_stands_.push_back({compartment, sub, std::to_string(number), category.first, statuses});

    int groups = static_cast<int>(rng_.Between(1, 3));
    std::set<int64_t> degrees;
    for (int g = 0; g < groups; ++g) {
      int64_t age, degree;
      do {
        age = rng_.Between(3, 150);
        degree = age / 10 + 1;
      } while (!degrees.insert(degree).second);
      Group(id, lt, hs, age, place);
    }
    return id;
  }

  void Group(int64_t stand_id, const std::string& stand_lt, int hs, int64_t age,
             const Place& place) {
    int64_t id = ++last_.group;
    std::string lt = rng_.Chance(0.7) ? stand_lt : Draw(rng_, pools_.forest_types);
    double area = Round2(0.3 + rng_.Unit() * rng_.Unit() * 7.5);
    std::string lvs = lt.substr(0, 1);
    groups_.Write({id,
                   stand_id,
                   std::to_string(age / 10 + 1),
                   place.owner,
                   place.cadastre,
                   int64_t{206108},
                   lt,
                   lt.substr(0, 2),
                   rng_.Between(1, 8) * 50,
                   std::string("V"),
                   int64_t{1},
                   1.0,
                   2.0,
                   area,
                   Round2(area * 1.012),
                   area,
                   1.0,
                   1.0,
                   std::string("1"),
                   lvs.empty() ? Cell{} : Cell{lvs},
                   rng_.Chance(0.6) ? int64_t{611010} : int64_t{0},
                   int64_t{23},
                   rng_.Between(2, 3),
                   int64_t{0},
                   int64_t{0},
                   int64_t{0},
                   int64_t{0},
                   int64_t{0},
                   std::string("10001"),
                   int64_t{1}});
    if (rng_.Chance(0.05))
      group_notes_.Write(
          {id, ++last_.group_note, std::string("NMD: BK, JD; DTO: ochrana proti zvěři")});
    management_sets_.insert(ManagementSet(lt));

    // The main layer carries the group's age; lower layers are younger, each of its own degree.
    int wanted = static_cast<int>(rng_.Weighted({20, 45, 35})) + 1;
    std::vector<int64_t> ages = {age};
    std::set<int64_t> degrees = {age / 10 + 1};
    for (int l = 1; l < wanted; ++l) {
      for (int attempt = 0; attempt < 10; ++attempt) {
        int64_t a = rng_.Between(3, std::max<int64_t>(4, age - 10));
        if (degrees.insert(a / 10 + 1).second) {
          ages.push_back(a);
          break;
        }
      }
    }
    const int layers = static_cast<int>(ages.size());
    std::vector<int64_t> percents = {100};
    if (layers > 1) {
      percents[0] = 5 * rng_.Between(12, 18);
      int64_t left = 100 - percents[0];
      for (int l = 1; l < layers; ++l) {
        int64_t part = l == layers - 1 ? left : 5 * rng_.Between(1, left / 5 - 1);
        percents.push_back(part);
        left -= part;
      }
    }
    double area_left = area;
    for (int l = 0; l < layers; ++l) {
      double layer_area = l == layers - 1 ? Round2(area_left) : Round2(area * percents[l] / 100.0);
      area_left -= layer_area;
      Layer(id, hs, ages[l], layer_area, static_cast<double>(percents[l]));
    }
  }

  void Layer(int64_t group_id, int hs, int64_t age, double area, double percent) {
    int64_t id = ++last_.layer;
    int64_t density = rng_.Between(6, 10);
    layers_.Write({id, group_id, std::to_string(age / 10 + 1), int64_t{hs}, area, percent,
                   int64_t{110}, int64_t{30}, int64_t{95}, age, density,
                   age < 20 ? int64_t{1} : int64_t{2}, int64_t{2021}, int64_t{2},
                   5 * rng_.Between(0, 8), std::string("V"),
                   age >= 100 ? rng_.Between(0, 90) : int64_t{0}});

    int count = std::min(static_cast<int>(rng_.Weighted({50, 50})) + 2,
                         static_cast<int>(pools_.species.codes.size()));
    std::vector<int64_t> shares = Shares(rng_, count);
    std::vector<std::string> codes;
    struct Stock {
      std::string code;
      double volume;
      int64_t share;
    };
    std::vector<Stock> stock;
    while (static_cast<int>(codes.size()) < count) {
      const std::string& code = Draw(rng_, pools_.species);
      if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
    }
    for (size_t i = 0; i < codes.size(); ++i) {
      int64_t sid = ++last_.species;
      double grown = std::min(1.0, age / 120.0);
      int64_t dbh = age < 15 ? 0 : static_cast<int64_t>(4 + 44 * grown + rng_.Between(-3, 3));
      int64_t height =
          std::max<int64_t>(1, static_cast<int64_t>(1 + 33 * grown + rng_.Between(-2, 2)));
      int64_t table = age < 20 ? 0 : static_cast<int64_t>(900 * grown + rng_.Between(-40, 40));
      int64_t per_ha = table * shares[i] * density / 1000;
      double total = std::round(per_ha * area);
      species_.Write({sid, id, codes[i], shares[i], dbh, height, 20 + 2 * rng_.Between(0, 6), table,
                      per_ha, total, rng_.Between(30, 2500), Round2(per_ha / 25.0),
                      std::string(rng_.Chance(0.7) ? "2" : "1"), int64_t{0},
                      age < 20 ? Cell{} : Cell{int64_t{2}}, rng_.Between(1, 5),
                      Round2(area * shares[i] / 100.0), int64_t{0}});
      stock.push_back({codes[i], total, shares[i]});
      if (rng_.Chance(0.06))
        damages_.Write({sid, pools_.damage_kinds[rng_.Between(0, pools_.damage_kinds.size() - 1)],
                        10 * rng_.Between(1, 5)});
    }

    // Proposals: the layer-level row of a kind first, then the species' volumes.
    if (age < 20) {
      if (rng_.Chance(0.3))
        Proposal(id, 12, Cell{}, rng_.Between(1, 3), area, Cell{}, Cell{}, Cell{});
    } else if (age < 80) {
      if (rng_.Chance(0.6)) Felling(id, 11, area, stock, 8 + rng_.Between(0, 8), &thinning_volume_);
    } else if (rng_.Chance(0.5)) {
      int64_t percent = 10 * rng_.Between(2, 9);
      double felled = Round2(area * percent / 100.0);
      Felling(id, 10, felled, stock, percent, &regeneration_volume_);
      std::vector<int64_t> planted = Shares(rng_, 2);
      for (size_t i = 0; i < planted.size() && i < stock.size(); ++i)
        Proposal(id, 1, Cell{stock[i].code}, Cell{}, Round2(felled * planted[i] / 100.0), Cell{},
                 Cell{}, Cell{static_cast<double>(planted[i])});
    }
  }

  template <typename StockList>
  void Felling(int64_t layer_id, int64_t kind, double area, const StockList& stock, int64_t percent,
               double* sum) {
    Proposal(layer_id, kind, Cell{}, rng_.Between(1, 3), area, Cell{}, Cell{}, Cell{});
    // Every species of the layer has its row, as the planning program writes them; a row
    // missing from a felling makes the reader report the proposal as damaged.
    for (const auto& s : stock) {
      double volume = std::max(1.0, std::round(s.volume * percent / 100.0));
      *sum += volume;
      Proposal(layer_id, kind, Cell{s.code}, Cell{}, 0.0, volume,
               area > 0 ? std::round(volume / area) : 0.0, static_cast<double>(percent));
    }
  }

  void Proposal(int64_t layer_id, int64_t kind, Cell species, Cell urgency, double area,
                Cell volume, Cell per_ha, Cell percent) {
    bool layer_row = std::holds_alternative<std::monostate>(species);
    proposals_.Write({++last_.proposal, layer_id, kind, species, urgency, area, volume, per_ha,
                      percent, layer_row ? Cell{int64_t{1}} : Cell{}});
  }

  void NonForest(int64_t stand_id) {
    int64_t number = ++plots_per_stand_[stand_id];
    double area = Round2(0.05 + rng_.Unit() * 0.6);
    std::string lt = Draw(rng_, pools_.forest_types);
    non_forest_.Write({++last_.non_forest, stand_id, number, 1.0, 1.0, kCadastres[0],
                       int64_t{206108}, area, area, area, 1.0, Draw(rng_, pools_.non_forest), 1.0,
                       std::string("10001"), lt.substr(0, 1), lt, lt.substr(0, 2)});
  }

  void OtherPlot(int64_t stand_id) {
    static const char* kKinds[] = {"SK", "PL", "PZ"};
    static const char* kUses[] = {"lesní školka", "plantáž vánočních stromků", "pastvina pro zvěř"};
    int kind = static_cast<int>(rng_.Between(0, 2));
    double area = Round2(0.2 + rng_.Unit() * 0.5);
    std::string lt = Draw(rng_, pools_.forest_types);
    other_plots_.Write({++last_.other_plot,
                        stand_id,
                        ++plots_per_stand_[stand_id],
                        1.0,
                        1.0,
                        kCadastres[1],
                        int64_t{206108},
                        area,
                        area,
                        area,
                        1.0,
                        std::string(kUses[kind]),
                        std::string(kKinds[kind]),
                        1.0,
                        std::string("A"),
                        10.0,
                        std::string("10"),
                        std::string("10001"),
                        lt.substr(0, 1),
                        lt});
  }

  void OtherLand(int64_t stand_id) {
    static const char* kUses[] = {"požární nádrž", "hájovna", "zemědělská půda"};
    static const char* kKinds[] = {"VP", "ZP", "OR"};
    int kind = static_cast<int>(rng_.Between(0, 2));
    double area = Round2(0.1 + rng_.Unit() * 0.4);
    other_land_.Write({++last_.other_land, stand_id, ++plots_per_stand_[stand_id], 1.0, 1.0,
                       kCadastres[0], int64_t{206108}, area, area, area, 1.0,
                       std::string(kUses[kind]), 1.0, 11.0, std::string(kKinds[kind]),
                       std::string("10001")});
  }

  void WriteIdentifiers() {
    const std::pair<const char*, int64_t> keys[] = {
        {"ODDELENI", last_.compartment}, {"DILEC", last_.sub},
        {"POROST", last_.stand},         {"PS", last_.group},
        {"POR_POZN", last_.stand_note},  {"PS_POZN", last_.group_note},
        {"ETAZ", last_.layer},           {"DREVINA", last_.species},
        {"NAVRH", last_.proposal},       {"PREKRYV", last_.overlay},
        {"ZVL_STATUT", last_.status},    {"JINE_POZ", last_.other_plot},
        {"OST_POZ", last_.other_land},   {"BEZLESI", last_.non_forest}};
    for (const auto& [key, last] : keys) identifiers_.Write({std::string(key), last});
  }

  const CodePools& pools_;
  Prng rng_;
  RowWriter compartments_, subs_, stands_, stand_notes_, overlays_, statuses_, groups_,
      group_notes_, layers_, species_, proposals_, damages_, non_forest_, other_plots_, other_land_,
      unit_, identifiers_;
  struct {
    int64_t compartment = 0, sub = 0, stand = 0, stand_note = 0, overlay = 0, status = 0, group = 0,
            group_note = 0, layer = 0, species = 0, proposal = 0, non_forest = 0, other_plot = 0,
            other_land = 0;
  } last_;
  std::map<int64_t, int64_t> plots_per_stand_;
  double thinning_volume_ = 0, regeneration_volume_ = 0;
  std::set<int> management_sets_;
  std::vector<PhsStand> phs_stands_;
};

// The tables of a set as a current planning program keeps them: the columns read only when
// present are there too (the sample unit has them), the national-park ones are not.
void CreateTables(Database& db, engine::TableSet set) {
  for (const engine::SchemaTable& table : engine::SchemaTables(set)) {
    if (db.TableExists(table.name)) continue;
    engine::TableDefinition definition = engine::DefinitionOf(table);
    std::vector<engine::FieldDef> fields;
    for (const engine::SchemaColumn& column : table.columns) {
      auto known = std::find_if(definition.fields.begin(), definition.fields.end(),
                                [&](const engine::FieldDef& f) { return f.name == column.name; });
      if (known != definition.fields.end())
        fields.push_back(*known);
      else if (table.IsOptional(column.name) && !table.IsNationalPark(column.name))
        fields.push_back({column.name, column.shape});
    }
    definition.fields = std::move(fields);
    db.CreateTable(definition);
  }
}

}  // namespace

int CompartmentsForScale(double scale) {
  return std::max(1, static_cast<int>(std::lround(scale * 200.0)));
}

UnitCounts GenerateUnit(const UnitOptions& options) {
  if (options.compartments < 1 || options.compartments > 30000)
    throw engine::EngineError("Počet oddělení musí být mezi 1 a 30000");
  const CodePools pools = LoadCodePools(options.codelist_dir);
  const fs::path data_dir = fs::path(options.out_dir) / "DATA";
  const fs::path phs_dir = fs::path(options.out_dir) / "PHS";
  for (const fs::path& dir : {data_dir, phs_dir}) {
    if (fs::exists(dir / engine::kDatabaseFileName))
      throw engine::EngineError("Soubor \"" + (dir / engine::kDatabaseFileName).string() +
                                "\" už existuje");
  }
  fs::create_directories(data_dir);
  fs::create_directories(phs_dir);

  UnitCounts counts;
  try {
    Database plan = Database::Open(data_dir.string());
    Database phs = Database::Open(phs_dir.string());
    // The whole unit is one transaction: a page cache large enough for it keeps SQLite from
    // spilling into the journal halfway through.
    plan.Execute("PRAGMA cache_size = -262144");
    engine::Transaction plan_tx(plan);
    engine::Transaction phs_tx(phs);
    CreateTables(plan, engine::TableSet::kPlan);
    CreateTables(phs, engine::TableSet::kPhs);
    {
      PlanWriter writer(plan.handle(), pools, options.seed);
      writer.Write(options.compartments);
      writer.Counts(counts);
      WritePhsTables(phs.handle(), writer.management_sets(), writer.phs_stands(), counts);
    }
    plan_tx.Commit();
    phs_tx.Commit();
  } catch (...) {
    std::error_code ignored;
    fs::remove(data_dir / engine::kDatabaseFileName, ignored);
    fs::remove(phs_dir / engine::kDatabaseFileName, ignored);
    throw;
  }
  return counts;
}

}  // namespace tarnik::bench
