// The layers of a stand group: the layer row with its cleaning proposal, the species with their
// shares of the thinning and of the regeneration felling and their damages, and the afforestation
// rows, all proposals in NAVRH as the proposal views of the readers find them again.
#include <algorithm>
#include <cmath>

#include "data/engine/sqlite_util.h"
#include "forest/codelists/species.h"
#include "forest/colour.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/tree_species.h"
#include "islh/plan_transfer.h"
#include "islh/property_value.h"
#include "islh/transfer_steps.h"
#include "platform/numtext.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::islh {

using engine::Value;
using framework::TElement;
using platform::Severity;
using transfer::Designation;
using transfer::Elements;
using transfer::Guarded;
using transfer::IsZero;

namespace {

constexpr int kFelling = 10;
constexpr int kThinning = 11;
constexpr int kCleaning = 12;

double Float(TElement& e, const char* name) { return PropertyValue(e, name).number(); }
int64_t Int(TElement& e, const char* name) {
  const Value v = PropertyValue(e, name);
  return v.is_integer() ? v.integer() : static_cast<int64_t>(std::llround(v.number()));
}
std::string Text(TElement& e, const char* name) { return e.GetPropertyText(name); }

// The integer columns of a species row and the value columns whose colours go to properties of
// the same name, as the species reader takes them.
const char* const kSpeciesInts[] = {
    "ZAST",  "TLOUSTKA",  "VYSKA",   "POCET_KMENU", "PROC_SOUS",
    "BON_R", "GEN_PUVOD", "RS_KLON", "POC_JEHL",    "METODA_ZJISTENI_PRIRUSTU"};
const char* const kSpeciesRounded[] = {"VYCETNI_ZAKLADNA", "Vi", "PLOCHA_DREVINY"};
const char* const kSpeciesTexts[] = {"GEN_KLAS", "VYB_STR", "DR_KVAL", "ZPZADZAS",
                                     "GEN_PUVOD_OBLAST"};
const char* const kSpeciesColoured[] = {"DR_ZKR",
                                        "ZAST",
                                        "TLOUSTKA",
                                        "VYSKA",
                                        "POCET_KMENU",
                                        "PROC_SOUS",
                                        "BON_R",
                                        "METODA_ZJISTENI_PRIRUSTU",
                                        "GEN_PUVOD",
                                        "RS_KLON",
                                        "POC_JEHL",
                                        "BON_A",
                                        "ZAS_TAB_HA",
                                        "DR_ZAS_HA",
                                        "VYCETNI_ZAKLADNA",
                                        "Vi",
                                        "PLOCHA_DREVINY",
                                        "GEN_KLAS",
                                        "VYB_STR",
                                        "DR_KVAL",
                                        "ZPZADZAS",
                                        "GEN_PUVOD_OBLAST",
                                        "IMISE"};

}  // namespace

void PlanTransfer::LoadProposals(int64_t layer_id) {
  proposals_.clear();
  if (layer_id > LargestLink("NAVRH")) return;
  engine::Statement& st = db_.Prepared(
      "SELECT rowid, \"N_Druh_vykonu\", \"N_Zkratka_dreviny\" FROM \"main\".\"NAVRH\" WHERE "
      "\"Vazba\" = ? ORDER BY \"N_Druh_vykonu\", \"ID\", rowid");
  st.Bind(1, Value(layer_id));
  while (st.Step()) {
    const Value kind = st.Column(1);
    const Value species = st.Column(2);
    proposals_.push_back({st.Column(0).integer(), static_cast<int>(std::llround(kind.number())),
                          plan::NormalizeSpeciesCode(species.is_text() ? species.text() : "")});
  }
  st.Reset();
}

const PlanTransfer::Proposal* PlanTransfer::FindShare(int kind, const std::string& species,
                                                      int k) const {
  for (const Proposal& p : proposals_) {
    if (p.kind == kind && p.species == species && --k == 0) return &p;
  }
  return nullptr;
}

void PlanTransfer::DeleteProposal(int64_t rowid) {
  db_.Execute("DELETE FROM \"main\".\"NAVRH\" WHERE rowid = ?", {Value(rowid)});
  std::erase_if(proposals_, [rowid](const Proposal& p) { return p.rowid == rowid; });
}

void PlanTransfer::DeleteProposals(int first_kind, int last_kind) {
  std::vector<int64_t> doomed;
  for (const Proposal& p : proposals_)
    if (p.kind >= first_kind && p.kind <= last_kind) doomed.push_back(p.rowid);
  // From the last row backwards, as the views are emptied.
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) DeleteProposal(*it);
}

void PlanTransfer::WriteLayer(plan::TEtaz& layer, int64_t group_id) {
  if (!layer_columns_checked_) {
    layer_columns_checked_ = true;
    if (!db_.HasColumn(Schema::kPlan, "ETAZ", "PROC_HS") &&
        !db_.AddColumns(Schema::kPlan, "ETAZ", {{"PROC_HS", {engine::FieldType::kInteger, 0}}}))
      platform::ui().ShowMessage("Do tabulky etaz nelze přidat kolonku PROC_HS.",
                                 Severity::kPassedOver);
    const std::pair<const char*, engine::FieldType> kTbh[] = {
        {"TBH_P", engine::FieldType::kFloat},
        {"TBH_P_br", engine::FieldType::kInteger},
        {"ProcentoTBH", engine::FieldType::kInteger},
        {"ProcentoTBH_br", engine::FieldType::kInteger}};
    for (const auto& [column, type] : kTbh) {
      if (!db_.HasColumn(Schema::kPlan, "ETAZ", column))
        db_.AddColumns(Schema::kPlan, "ETAZ", {{column, {type, 0}}});
    }
  }
  TableWriter& w = db_.Writer(Schema::kPlan, "ETAZ");
  const int64_t id = db_.NewIdentifier("ETAZ");
  w.Set("ID", Value(id));
  w.Set("VAZBA", Value(group_id));
  int step = 0;
  try {
    step = 1;
    w.Set("ETAZ", Value(Text(layer, "ETAZ")));
    Colour(w, layer, "ETAZ_br", "ETAZ");
    step = 2;
    for (const char* c : {"HS", "OBMYTI", "OBN_DOBA", "POC_OBNOVY", "VEK", "ZAKM", "KVAL_HS",
                          "ETAZ_PP", "ETAZ_PS"}) {
      if (!w.Has(c)) continue;
      w.Set(c, PropertyValue(layer, c));
      Colour(w, layer, std::string(c) + "_br");
    }
    step = 3;
    w.Set("Metoda_zjisteni_zasoby", PropertyValue(layer, "M_Z_ZASOBY"));
    Colour(w, layer, "Metoda_zjisteni_zasoby_br", "M_Z_ZASOBY");
    step = 4;
    if (std::optional<int64_t> year = StoredSurveyYear(Int(layer, "Rok_zjisteni_zasoby")))
      w.Set("Rok_zjisteni_zasoby", Value(*year));
    Colour(w, layer, "Rok_zjisteni_zasoby_br");
    step = 5;
    w.Set("MZD", PropertyValue(layer, "MZDs"));
    Colour(w, layer, "MZD_br", "MZDs");
    step = 6;
    for (const char* c : {"HOSP_TV", "TO_ZPUSOB"}) {
      w.Set(c, PropertyValue(layer, c));
      Colour(w, layer, std::string(c) + "_br");
    }
    step = 7;
    if (w.Has("TBH_P")) {
      w.Set("TBH_P", PropertyValue(layer, "TBH_P"));
      Colour(w, layer, "TBH_P_br", "TBH_P_MERK");
    }
    if (w.Has("ProcentoTBH")) {
      w.Set("ProcentoTBH", PropertyValue(layer, "ProcentoTBH"));
      Colour(w, layer, "ProcentoTBH_br", "ProcentoTBH");
    }
    step = 8;
    if (w.Has("PROC_HS")) w.Set("PROC_HS", PropertyValue(layer, "PROC_HS"));
    if (options_.national_park && w.Has("STR_VRS"))
      w.Set("STR_VRS", PropertyValue(layer, "STR_VRS"));
    step = 9;
    Colour(w, layer, "EKOL_HOD_br", "EKOL_HOD");
    Colour(w, layer, "ZAL_P_MERK_br", "ZAL_P_MERK");
  } catch (const ImportDatabaseError&) {
    throw;
  } catch (const std::exception&) {
    platform::ui().ShowMessage("Nemohu uložit etáž \"" + Designation(layer) +
                                   "\" do tabulky DB ic=" + std::to_string(step),
                               Severity::kPassedOver);
  }
  Insert(w, "ETAZ");
  layer.SetRId(static_cast<int32_t>(id));
  layer.SetVazba(static_cast<int32_t>(group_id));
  layer.SetPuvodni_oznaceni(Text(layer, "ETAZ"));

  WriteLayerProposals(layer, id);

  // Species without areas get them from the layer's area and their shares; the first species of
  // the largest area takes up what the rounding left over. Areas the document states are kept.
  const std::vector<plan::TDrevina*> species = Elements<plan::TDrevina>(layer.DrevinaMN());
  Guarded(layer, "Chyba při výpočtu ploch dřevin : ", [&] {
    bool stated = false;
    for (plan::TDrevina* s : species) stated = stated || !IsZero(Float(*s, "PLOCHA_DREVINY"));
    if (species.empty() || stated) return;
    const double layer_area = Float(layer, "ETAZ_PP");
    std::vector<double> areas;
    double sum = 0;
    size_t largest = 0;
    for (size_t i = 0; i < species.size(); ++i) {
      areas.push_back(std::nearbyint(layer_area * Int(*species[i], "ZAST")) / 100.0);
      sum += areas.back();
      if (areas[i] > areas[largest]) largest = i;
    }
    areas[largest] += layer_area - sum;
    for (size_t i = 0; i < species.size(); ++i)
      SetFloatProperty(*species[i], "PLOCHA_DREVINY", areas[i]);
  });
  std::vector<std::string> seen;
  for (plan::TDrevina* s : species) {
    const std::string code = plan::NormalizeSpeciesCode(s->DR_ZKR());
    seen.push_back(code);
    WriteSpecies(*s, layer, id, static_cast<int>(std::count(seen.begin(), seen.end(), code)));
  }

  for (plan::TZalesneni* row : Elements<plan::TZalesneni>(layer.ZalesneniMN())) {
    TableWriter& a = db_.Writer(Schema::kPlan, "NAVRH");
    const int64_t row_id = db_.NewIdentifier("NAVRH");
    a.Set("Vazba", Value(id));
    a.Set("ID", Value(row_id));
    Guarded(*row, "Chyba při ukládání zalesnění :", [&] {
      // Afforestation rows belong to the kinds 0 to 7; a kind that is no number counts as 0.
      a.Set("N_Druh_vykonu",
            Value(platform::TextToInt(platform::Trim(row->ZAL_DRUH())).value_or(0)));
      a.Set("N_Plocha", Value(row->ZAL_P()));
      a.Set("N_Zkratka_dreviny", Value(row->ZAL_DR()));
      a.Set("N_Procento", Value(static_cast<int64_t>(row->ZAL_DR_P())));
      a.Set("ZpZadTV", PropertyValue(*row, "ZpZadZal"));
    });
    try {
      Colour(a, *row, "N_Plocha_br", "ZAL_P");
      Colour(a, *row, "N_Zkratka_dreviny_br", "ZAL_DR");
      Colour(a, *row, "N_Procento_br", "ZAL_DR_P");
      Colour(a, layer, "N_Druh_Vykonu_br", "ZAL_DRUH");
    } catch (const std::exception&) {
      platform::ui().ShowMessage(
          "Chyba při uložení barev zalesneni Chyba při uložení zalesneni " + Designation(*row),
          Severity::kPassedOver);
    }
    Insert(a, "NAVRH");
    row->SetRId(static_cast<int32_t>(row_id));
    row->SetVazba(static_cast<int32_t>(id));
  }
}

void PlanTransfer::WriteLayerProposals(plan::TEtaz& layer, int64_t layer_id) {
  LoadProposals(layer_id);
  Guarded(layer, "Chyba při ukládání prořezávky : ", [&] {
    const double area = Float(layer, "PRO_P");
    const std::string urgency = platform::Trim(Text(layer, "PRO_NAL"));
    const int64_t count = Int(layer, "PRO_POC");
    if (IsZero(area) && urgency.empty() && count == 0) {
      DeleteProposals(kCleaning, kCleaning);
      return;
    }
    TableWriter& w = db_.Writer(Schema::kPlan, "NAVRH");
    w.Set("N_Zkratka_dreviny", Value("000"));
    w.Set("N_Druh_vykonu", Value(static_cast<int64_t>(kCleaning)));
    w.Set("N_Plocha", Value(area));
    w.Set("N_Nalehavost", Value(urgency));
    w.Set("Pocet_Zasahu", Value(count));
    Colour(w, layer, "N_Plocha_br", "PRO_P");
    Colour(w, layer, "N_Nalehavost_br", "PRO_NAL");
    Colour(w, layer, "Pocet_Zasahu_br", "PRO_POC");
    if (const Proposal* existing = FindShare(kCleaning, plan::NormalizeSpeciesCode("000"), 1)) {
      w.Update(existing->rowid);
      ++written_["NAVRH"];
      return;
    }
    w.Set("Vazba", Value(layer_id));
    w.Set("ID", Value(db_.NewIdentifier("NAVRH")));
    proposals_.push_back({Insert(w, "NAVRH"), kCleaning, plan::NormalizeSpeciesCode("000")});
  });
  Guarded(layer, "Chyba při ukládání těžby : ", [&] {
    if (IsZero(Float(layer, "TV_P")) && platform::Trim(Text(layer, "TV_NAL")).empty() &&
        Int(layer, "TV_POC") == 0)
      DeleteProposals(kThinning, kThinning);
    if (IsZero(Float(layer, "TO_P")) && platform::Trim(Text(layer, "TO_NAL")).empty() &&
        platform::Trim(Text(layer, "TO_DUVOD")).empty() &&
        platform::Trim(Text(layer, "TO_ZPUSOB")).empty())
      DeleteProposals(kFelling, kFelling);
  });
}

void PlanTransfer::WriteSpecies(plan::TDrevina& species, plan::TEtaz& layer, int64_t layer_id,
                                int k) {
  TableWriter& w = db_.Writer(Schema::kPlan, "DREVINA");
  const int64_t id = db_.NewIdentifier("DREVINA");
  w.Set("ID", Value(id));
  w.Set("VAZBA", Value(layer_id));
  Guarded(species, "Chyba při ukládání dřeviny : ", [&] {
    w.Set("DR_ZKR", Value(species.DR_ZKR()));
    for (const char* c : kSpeciesInts) {
      if (w.Has(c)) w.Set(c, PropertyValue(species, c));
    }
    w.Set("BON_A", PropertyValue(species, "BON_A"));
    // Volumes as they are stored, with bark.
    w.Set("ZAS_TAB_HA",
          Value(static_cast<int64_t>(species.StoredVolume(plan::TDrevina::kZasTabHa))));
    w.Set("DR_ZAS_HA", Value(static_cast<int64_t>(species.StoredVolume(plan::TDrevina::kZasHa))));
    w.Set("DR_ZAS_CELK",
          Value(static_cast<int64_t>(species.StoredVolume(plan::TDrevina::kZasCel))));
    for (const char* c : kSpeciesRounded) {
      if (w.Has(c)) w.Set(c, PropertyValue(species, c));
    }
    for (const char* c : kSpeciesTexts) {
      if (w.Has(c)) w.Set(c, PropertyValue(species, c));
    }
    w.Set("PUVOD_DR", PropertyValue(species, "DR_PUVOD"));
    const std::string imise = species.IMISE();
    w.Set("IMISE", Value(imise == "0/1" ? std::string("01") : imise));
    if (w.Has("DR_CBP")) w.Set("DR_CBP", PropertyValue(species, "DR_CBP"));
    if (w.Has("STAV_ZPRAC")) w.Set("STAV_ZPRAC", Value(static_cast<int64_t>(0)));
    for (const char* c : kSpeciesColoured) Colour(w, species, std::string(c) + "_br", c);
    Colour(w, species, "STAV_ZPRAC_br", "DR_STAV_ZPRAC");
    Colour(w, species, "DR_ZAS_CELK_br", "DR_ZAS_CEL");
    Colour(w, species, "PUVOD_DR_br", "DR_PUVOD");
  });
  Insert(w, "DREVINA");
  species.SetRId(static_cast<int32_t>(id));
  species.SetVazba(static_cast<int32_t>(layer_id));
  species.SetPuvodni_oznaceni(species.DR_ZKR());

  WriteShares(species, layer, layer_id, k);

  for (plan::TPoskozeni* damage : Elements<plan::TPoskozeni>(species.PoskozeniMN())) {
    TableWriter& d = db_.Writer(Schema::kPlan, "POSKOZ");
    d.Set("Vazba", Value(id));
    Guarded(*damage, "Chyba při ukládání poškození : ", [&] {
      d.Set("Druh_poskozeni", PropertyValue(*damage, "POSKOZ_D"));
      d.Set("Stupen_poskozeni", PropertyValue(*damage, "POSKOZ_R"));
      Colour(d, *damage, "Druh_poskozeni_br", "POSKOZ_D");
      Colour(d, *damage, "Stupen_poskozeni_br", "POSKOZ_R");
    });
    Insert(d, "POSKOZ");
    damage->SetRId(0);
    damage->SetVazba(static_cast<int32_t>(id));
    damage->SetPuvodni_oznaceni(damage->GetPropertyText("POSKOZ_D"));
  }
}

void PlanTransfer::WriteShares(plan::TDrevina& species, plan::TEtaz& layer, int64_t layer_id,
                               int k) {
  const std::string code = plan::NormalizeSpeciesCode(species.DR_ZKR());
  // The area of a proposal stands in the row of the one species marked for it; the first
  // species written takes the mark when none has it.
  auto area_of = [&](double area, const char* mark, const char* any_marked) {
    if (layer.GetPropertyBoolean(any_marked)) return species.GetPropertyBoolean(mark) ? area : 0.0;
    if (area > 0.001) {
      species.SetPropertyBoolean(mark, true);
      return area;
    }
    return 0.0;
  };
  auto store = [&](TableWriter& w, const Proposal* existing, int kind) {
    w.Set("STAV_ZPRAC", Value(static_cast<int64_t>(0)));
    if (existing) {
      w.Update(existing->rowid);
      ++written_["NAVRH"];
      return;
    }
    w.Set("Vazba", Value(layer_id));
    w.Set("ID", Value(db_.NewIdentifier("NAVRH")));
    proposals_.push_back({Insert(w, "NAVRH"), kind, code});
  };

  Guarded(species, "Chyba při ukládání těžby výchovné : ", [&] {
    const double area = Float(layer, "TV_P");
    const std::string urgency = platform::Trim(Text(layer, "TV_NAL"));
    const int64_t count = Int(layer, "TV_POC");
    const Proposal* existing = FindShare(kThinning, code, k);
    if (IsZero(area) && urgency.empty() && count == 0 && Int(layer, "Etaz_TV") < 1) {
      if (existing) DeleteProposal(existing->rowid);
      return;
    }
    TableWriter& w = db_.Writer(Schema::kPlan, "NAVRH");
    w.Set("N_Zkratka_dreviny", Value(species.DR_ZKR()));
    w.Set("N_Druh_vykonu", Value(static_cast<int64_t>(kThinning)));
    w.Set("N_Plocha", Value(area_of(area, "JedinaProTV_P", "ExistujeJedinaProTV_P")));
    w.Set("N_Nalehavost", Value(urgency));
    w.Set("Pocet_Zasahu", Value(count));
    w.Set("N_Procento", PropertyValue(species, "N_ProcentoTV"));
    w.Set("N_ObjemHa",
          Value(static_cast<int64_t>(species.StoredVolume(plan::TDrevina::kObjemHaTV))));
    w.Set("N_Objem", Value(static_cast<int64_t>(species.StoredVolume(plan::TDrevina::kTv))));
    w.Set("ZpZadTV", PropertyValue(species, "ZpZadTV"));
    Colour(w, layer, "N_Plocha_br", "TV_P_MERK");
    Colour(w, layer, "N_Nalehavost_br", "TV_NAL");
    Colour(w, layer, "Pocet_Zasahu_br", "TV_POC");
    Colour(w, species, "N_Objem_br", "DR_TV");
    Colour(w, species, "N_Procento_br", "N_ProcentoTV");
    Colour(w, species, "N_ObjemHa_br", "N_ObjemHaTV");
    store(w, existing, kThinning);
  });

  Guarded(species, "Chyba při ukládání těžby obnovní : ", [&] {
    const double area = Float(layer, "TO_P");
    const std::string urgency = Text(layer, "TO_NAL");
    const Proposal* existing = FindShare(kFelling, code, k);
    if (IsZero(area) && platform::Trim(urgency).empty()) {
      if (existing) DeleteProposal(existing->rowid);
      return;
    }
    if (!options_.no_colours) {
      // The entry mode follows the colours: the layer's area and the species' volume entered
      // by hand (aqua), the layer's alone, or neither.
      const bool layer_aqua =
          layer.Vlastnosti() && layer.BarvaProperty("TO_P_MERK") == plan::kColorAqua;
      const bool species_aqua =
          species.Vlastnosti() && species.BarvaProperty("DR_TO") == plan::kColorAqua;
      species.SetPropertyText("ZpZadTO", layer_aqua ? (species_aqua ? "2" : "3") : "1");
    }
    TableWriter& w = db_.Writer(Schema::kPlan, "NAVRH");
    w.Set("N_Zkratka_dreviny", Value(species.DR_ZKR()));
    w.Set("N_Druh_vykonu", Value(static_cast<int64_t>(kFelling)));
    w.Set("N_Plocha", Value(area_of(area, "JedinaProTO_P", "ExistujeJedinaProTO_P")));
    w.Set("N_Nalehavost", Value(urgency));
    w.Set("Duvod", PropertyValue(layer, "TO_DUVOD"));
    w.Set("N_Objem", Value(static_cast<int64_t>(species.StoredVolume(plan::TDrevina::kTo))));
    w.Set("ZpZadTV", PropertyValue(species, "ZpZadTO"));
    Colour(w, layer, "N_Plocha_br", "TO_P_MERK");
    Colour(w, layer, "N_Nalehavost_br", "TO_NAL");
    Colour(w, layer, "Pocet_Zasahu_br", "TO_POC");
    Colour(w, species, "N_Objem_br", "DR_TO");
    store(w, existing, kFelling);
  });
}

}  // namespace tarnik::islh
