// The layers of a stand group of the current table set: the layer row with its layer-level
// proposals, the afforestation rows, the species with their shares of the thinning and the
// regeneration felling and their damages.
#include <algorithm>
#include <optional>
#include <vector>

#include "data/sources/merk/level_readers.h"
#include "forest/codelists/species.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/tree_species.h"
#include "platform/checked_math.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan::readers {

namespace {

std::string LinkText(Row& row) {
  return " vazba=" + row.IntText("VAZBA") + "  id=" + (row.Has("ID") ? row.IntText("ID") : "");
}

std::optional<int64_t> OptionalInt(Row& row, const char* column) {
  if (!row.Has(column)) return std::nullopt;
  return row.Int(column);
}

// A species row of a proposal view, read once per layer.
struct ShareRow {
  std::string code;  // N_Zkratka_dreviny as the species-code tables compare it
  double plocha = 0;
  int64_t objem = 0, procento = 0, objem_ha = 0;
  std::string zp_zad, stav_zprac;
  std::optional<int64_t> objem_br, procento_br, objem_ha_br;
};

std::vector<ShareRow> ReadShareRows(ReaderState& state, engine::Table* view) {
  std::vector<ShareRow> rows;
  if (!view) return rows;
  Row row = state.RowOf(*view);
  for (view->First(); !view->Eof(); view->Next()) {
    ShareRow r;
    r.code = NormalizeSpeciesCode(row.Text("N_Zkratka_dreviny"));
    r.plocha = row.Float("N_Plocha");
    r.objem = row.Int("N_Objem");
    r.procento = row.Int("N_Procento");
    r.objem_ha = row.Int("N_ObjemHa");
    r.zp_zad = row.Has("ZpZadTV") ? row.Text("ZpZadTV") : std::string();
    r.stav_zprac = row.Has("STAV_ZPRAC") ? row.Text("STAV_ZPRAC") : std::string();
    r.objem_br = OptionalInt(row, "N_Objem_br");
    r.procento_br = OptionalInt(row, "N_Procento_br");
    r.objem_ha_br = OptionalInt(row, "N_ObjemHa_br");
    rows.push_back(std::move(r));
  }
  return rows;
}

// The k-th (1-based) row of the view with the species code.
const ShareRow* FindShare(const std::vector<ShareRow>& rows, const std::string& code, int k) {
  for (const ShareRow& r : rows) {
    if (r.code == code && --k == 0) return &r;
  }
  return nullptr;
}

// A non-zero integer processing state: the stored volume is under bark.
std::optional<int> UnderBarkState(const std::string& text) {
  std::optional<int32_t> s = platform::TextToInt(platform::Trim(text));
  if (!s || *s == 0) return std::nullopt;
  return *s;
}

// A volume stored under bark back over bark, less the rounding correction of the stored state
// (state - 5); taken wide, since the stored state and volume may be any integers.
int32_t OverBarkVolume(int32_t stored, const std::string& species, int32_t state) {
  return platform::ClampToInt32(int64_t{OverBarkInt(stored, species)} - (int64_t{state} - 5));
}

void ColourIf(ReaderState& state, TObecnyLesniPrvek& e, std::string_view key,
              const std::optional<int64_t>& code) {
  if (state.colours() && code) PutColour(e, key, *code);
}

void ReadLayerProposal(ReaderState& state, TEtaz& layer, const char* view_name, const char* area,
                       const char* urgency, const char* third, const char* area_colour,
                       const char* count_colour) {
  std::optional<Row> row = ReadProposal(state, layer, view_name, area, urgency, third);
  if (!row) return;
  state.Colour(*row, layer, "N_Plocha_br", area_colour);
  state.Colour(*row, layer, "N_Nalehavost_br", urgency);
  state.Colour(*row, layer, "Pocet_Zasahu_br", count_colour);
}

void ReadLayerRow(ReaderState& state, Row& row, TEtaz& layer) {
  const std::string etaz = row.Text("ETAZ");
  PutText(layer, "ETAZ", etaz);
  layer.SetPuvodni_oznaceni(etaz);
  state.Colour(row, layer, "ETAZ_br", "ETAZ");
  for (const char* c :
       {"HS", "OBMYTI", "OBN_DOBA", "POC_OBNOVY", "VEK", "ZAKM", "KVAL_HS", "ETAZ_PP", "ETAZ_PS"}) {
    if (!row.Has(c)) continue;
    CopyColumn(row, layer, c);
    if (state.colours()) state.Colour(row, layer, std::string(c) + "_br");
  }
  PutInt(layer, "M_Z_ZASOBY", row.Int("Metoda_zjisteni_zasoby"));
  state.Colour(row, layer, "Metoda_zjisteni_zasoby_br", "M_Z_ZASOBY");
  int64_t year = row.Int("Rok_zjisteni_zasoby");
  if (year < 50) year += 2000;
  if (year >= 50 && year <= 99) year += 1900;
  PutInt(layer, "Rok_zjisteni_zasoby", year);
  state.Colour(row, layer, "Rok_zjisteni_zasoby_br");
  PutText(layer, "MZDs", row.Text("MZD"));
  state.Colour(row, layer, "MZD_br", "MZDs");
  for (const char* c : {"HOSP_TV", "TO_ZPUSOB"}) {
    CopyColumn(row, layer, c);
    if (state.colours()) state.Colour(row, layer, std::string(c) + "_br");
  }
  if (row.Has("TBH_P")) {
    PutFloat(layer, "TBH_P", row.RawFloat("TBH_P"));
    state.Colour(row, layer, "TBH_P_br", "TBH_P_MERK");
  }
  if (row.Has("ProcentoTBH")) {
    PutInt(layer, "ProcentoTBH", row.Int("ProcentoTBH"));
    state.Colour(row, layer, "ProcentoTBH_br", "ProcentoTBH");
  }
  if (state.national_park() && row.Has("STR_VRS")) PutText(layer, "STR_VRS", row.Text("STR_VRS"));
  state.Colour(row, layer, "EKOL_HOD_br", "EKOL_HOD");
  state.Colour(row, layer, "ZAL_P_MERK_br", "ZAL_P_MERK");
  ReadLayerProposal(state, layer, "TB_Pror", "PRO_P", "PRO_NAL", "PRO_POC", "PRO_P", "PRO_POC");
  ReadLayerProposal(state, layer, "TB_NAVRH", "TV_P", "TV_NAL", "TV_POC", "TV_P_MERK", "TV_POC");
  ReadLayerProposal(state, layer, "TB_TEZOB", "TO_P", "TO_NAL", "TO_DUVOD", "TO_P_MERK", "TO_POC");
}

}  // namespace

void ReadAfforestation(ReaderState& state, TEtaz& layer) {
  engine::Table* view = state.Get("TB_ZAL");
  TZalesneniMN* set = layer.ZalesneniMN();
  if (!view || !set) return;
  Row row = state.RowOf(*view);
  for (view->First(); !view->Eof(); view->Next()) {
    const std::string species = row.Text("N_Zkratka_dreviny");
    set->SetNovyPrvek(species);
    auto* row_element = dynamic_cast<TZalesneni*>(set->AktualniPrvek());
    if (!row_element) {
      if (state.older())
        state.Message(Designation(layer) + " vyskytuje se duplicitní drevina k zalesnění.");
      else
        state.Message(Designation(layer) + species +
                      " vyskytuje se duplicitní drevina k zalesnění." + LinkText(row));
      continue;
    }
    const std::string name = row_element->GetName();
    Guarded(state, *row_element, "Chyba při načítání zalesnění : ", [&] {
      state.PrepareColours(*row_element);
      row_element->SetRId(static_cast<int32_t>(row.Int("ID")));
      row_element->SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
      const std::string kind = row.IntText("N_Druh_vykonu");
      PutText(*row_element, "ZAL_DRUH", kind);
      if (!state.older()) row_element->SetPuvodni_oznaceni(kind);
      PutFloat(*row_element, "ZAL_P", row.Float("N_Plocha"));
      PutText(*row_element, "ZAL_DR", species);
      PutInt(*row_element, "ZAL_DR_P", row.Int("N_Procento"));
      PutInt(*row_element, "ZpZadZal", row.IntOrZero("ZpZadTV"));
      state.Colour(row, *row_element, "N_Plocha_br", "ZAL_P");
      state.Colour(row, *row_element, "N_Zkratka_dreviny_br", "ZAL_DR");
      state.Colour(row, *row_element, "N_Procento_br", "ZAL_DR_P");
      state.Colour(row, layer, "N_Druh_Vykonu_br", "ZAL_DRUH");
    });
    row_element->SetName(name);
  }
}

namespace {

// The integer columns of a species row and the value columns whose colours go to properties of
// the same name.
// The integer columns of a species row and the value columns whose colours go to properties of
// the same name. DR_CBP is left out: the model derives it from the growth tables.
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
                                        "IMISE",
                                        "STAV_ZPRAC"};

void ReadSpeciesRow(ReaderState& state, Row& row, TDrevina& species) {
  const std::string code = row.Text("DR_ZKR");
  species.SetDR_ZKR(code);
  if (!state.older()) species.SetPuvodni_oznaceni(code);
  for (const char* c : kSpeciesInts) {
    if (row.Has(c)) PutInt(species, c, row.Int(c));
  }
  PutInt(species, "BON_A", row.Int("BON_A"));
  // Volumes are kept as stored, with bark, whatever the bark option of the program says.
  species.SetStoredVolume(TDrevina::kZasTabHa, static_cast<int32_t>(row.Int("ZAS_TAB_HA")));
  species.SetStoredVolume(TDrevina::kZasHa, static_cast<int32_t>(row.Int("DR_ZAS_HA")));
  species.SetStoredVolume(TDrevina::kZasCel, static_cast<int32_t>(row.Int("DR_ZAS_CELK")));
  for (const char* c : kSpeciesRounded) {
    if (row.Has(c)) PutFloat(species, c, row.Float(c));
  }
  for (const char* c : kSpeciesTexts) {
    if (row.Has(c)) PutText(species, c, row.Text(c));
  }
  PutText(species, "DR_PUVOD", row.Text("PUVOD_DR"));
  PutText(species, "IMISE", row.Text("IMISE"));
  const std::string stav = row.Has("STAV_ZPRAC") ? row.Text("STAV_ZPRAC") : std::string();
  PutText(species, "DR_STAV_ZPRAC", stav);
  if (std::optional<int> s = UnderBarkState(stav)) {
    const std::string& dr = species.DR_ZKR();
    species.SetStoredVolume(TDrevina::kZasCel,
                            OverBarkVolume(species.StoredVolume(TDrevina::kZasCel), dr, *s));
    species.SetStoredVolume(TDrevina::kZasHa,
                            OverBarkInt(species.StoredVolume(TDrevina::kZasHa), dr));
  }
  // The colour columns' names are made only when colours are read.
  if (state.colours()) {
    for (const char* c : kSpeciesColoured) {
      std::string key = c;
      if (key == "STAV_ZPRAC") key = "DR_STAV_ZPRAC";
      state.Colour(row, species, std::string(c) + "_br", key);
    }
  }
  state.Colour(row, species, "DR_ZAS_CELK_br", "DR_ZAS_CEL");
  state.Colour(row, species, "PUVOD_DR_br", "DR_PUVOD");
}

void ReadThinningShare(ReaderState& state, TDrevina& species, const ShareRow* share) {
  if (!share) {
    species.SetStoredVolume(TDrevina::kTv, 0);
    PutInt(species, "N_ProcentoTV", 0);
    species.SetStoredVolume(TDrevina::kObjemHaTV, 0);
    return;
  }
  species.SetStoredVolume(TDrevina::kTv, static_cast<int32_t>(share->objem));
  PutInt(species, "N_ProcentoTV", share->procento);
  species.SetStoredVolume(TDrevina::kObjemHaTV, static_cast<int32_t>(share->objem_ha));
  PutText(species, "ZpZadTV", share->zp_zad);
  PutText(species, "TV_STAV_ZPRAC", share->stav_zprac);
  if (std::optional<int> s = UnderBarkState(share->stav_zprac)) {
    const std::string& dr = species.DR_ZKR();
    species.SetStoredVolume(TDrevina::kTv,
                            OverBarkVolume(species.StoredVolume(TDrevina::kTv), dr, *s));
    species.SetStoredVolume(TDrevina::kObjemHaTV,
                            OverBarkInt(species.StoredVolume(TDrevina::kObjemHaTV), dr));
  }
  PutBool(species, "JedinaProTV_P", share->plocha > 0.001);
  ColourIf(state, species, "DR_TV", share->objem_br);
  ColourIf(state, species, "N_ProcentoTV", share->procento_br);
  ColourIf(state, species, "N_ObjemHaTV", share->objem_ha_br);
}

void ReadFellingShare(ReaderState& state, TDrevina& species, const ShareRow* share,
                      bool view_empty) {
  PutInt(species, "DR_TVYB", 0);
  if (!share) {
    if (!view_empty)
      state.Message(Designation(species) + " chybí v TO dřevina. Zruš TO a navrhni jej znovu.");
    species.SetStoredVolume(TDrevina::kTo, 0);
    PutBool(species, "JedinaProTO_P", false);
    return;
  }
  species.SetStoredVolume(TDrevina::kTo, static_cast<int32_t>(share->objem));
  PutText(species, "ZpZadTO", share->zp_zad);
  PutText(species, "TO_STAV_ZPRAC", share->stav_zprac);
  if (std::optional<int> s = UnderBarkState(share->stav_zprac)) {
    species.SetStoredVolume(
        TDrevina::kTo, OverBarkVolume(species.StoredVolume(TDrevina::kTo), species.DR_ZKR(), *s));
  }
  PutBool(species, "JedinaProTO_P", share->plocha > 0.001);
}

void ReadDamages(ReaderState& state, TDrevina& species) {
  engine::Table* table = state.Get("Tb_Poskoz");
  TPoskozeniMN* set = species.PoskozeniMN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    const int64_t kind = row.Int("Druh_poskozeni");
    const int64_t degree = row.Int("Stupen_poskozeni");
    if (kind == 0 && degree == 0 && !state.older()) continue;
    const std::string kind_text = std::to_string(kind);
    set->SetNovyPrvek(kind_text);
    auto* damage = dynamic_cast<TPoskozeni*>(set->AktualniPrvek());
    if (!damage) {
      if (state.older())
        state.Message(Designation(species) + " vyskytuje se duplicitní označení poškození.");
      else
        state.Message(Designation(species) + kind_text +
                      " vyskytuje se duplicitní označení poškození." + LinkText(row));
      continue;
    }
    const std::string name = damage->GetName();
    Guarded(state, *damage, "Chyba při načítání poškození : ", [&] {
      state.PrepareColours(*damage);
      damage->SetRId(0);
      damage->SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
      PutInt(*damage, "POSKOZ_D", kind);
      PutInt(*damage, "POSKOZ_R", degree);
      if (!state.older()) damage->SetPuvodni_oznaceni(damage->GetPropertyText("POSKOZ_D"));
      state.Colour(row, *damage, "Druh_poskozeni_br", "POSKOZ_D");
      state.Colour(row, *damage, "Stupen_poskozeni_br", "POSKOZ_R");
    });
    damage->SetName(name);
  }
}

// The species of a DREVINA row: a new key, or the keys of a repeated code (the earlier species
// with a full dead-wood share renamed aside, a full dead-wood share of this row keyed with "s").
TDrevina* SpeciesForRow(TDrevinaMN& set, const std::string& code, int64_t proc_sous) {
  set.SetNovyPrvek(code);
  if (auto* created = dynamic_cast<TDrevina*>(set.AktualniPrvek())) return created;
  set.SetJmenoAktualnihoPrvku(code);
  if (auto* existing = dynamic_cast<TDrevina*>(set.AktualniPrvek())) {
    if (existing->GetPropertyInteger("PROC_SOUS") == 100) {
      existing->SetName(platform::Trim(existing->DR_ZKR()) + "s DREV");
      set.SetNovyPrvek(code);
    } else {
      set.SetAktualniPrvek(nullptr);
    }
  }
  if (!set.AktualniPrvek() && proc_sous == 100) set.SetNovyPrvek(code + "s");
  return dynamic_cast<TDrevina*>(set.AktualniPrvek());
}

}  // namespace

void ReadSpecies(ReaderState& state, TEtaz& layer) {
  engine::Table* table = state.Get("TB_DR");
  TDrevinaMN* set = layer.DrevinaMN();
  if (!table || !set) return;
  const std::vector<ShareRow> thinning = ReadShareRows(state, state.Get("TB_NAVRH"));
  const std::vector<ShareRow> felling = ReadShareRows(state, state.Get("TB_TEZOB"));
  std::vector<std::string> seen;  // the codes of the rows read so far
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    const std::string code = platform::Trim(row.Text("DR_ZKR"));
    const std::string normalized = NormalizeSpeciesCode(code);
    seen.push_back(normalized);
    const int k = static_cast<int>(std::count(seen.begin(), seen.end(), normalized));
    TDrevina* species = nullptr;
    if (state.older()) {
      set->SetNovyPrvek(code);
      species = dynamic_cast<TDrevina*>(set->AktualniPrvek());
    } else {
      species = SpeciesForRow(*set, code, row.Int("PROC_SOUS"));
    }
    if (!species) {
      if (state.older())
        state.Message(Designation(layer) + " vyskytuje se duplicitní drevina.");
      else
        state.Message(Designation(layer) + code + " vyskytuje se duplicitní drevina." +
                      LinkText(row));
      continue;
    }
    const std::string name = species->GetName();
    Guarded(state, *species, "Chyba při načítání dřeviny : ", [&] {
      state.PrepareColours(*species);
      species->SetRId(static_cast<int32_t>(row.Int("ID")));
      species->SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
      ReadSpeciesRow(state, row, *species);
    });
    species->SetName(name);
    Guarded(state, *species, "Chyba při načítání těžby výchovné : ", [&] {
      ReadThinningShare(state, *species, FindShare(thinning, normalized, k));
    });
    Guarded(state, *species, "Chyba při načítání těžby obnovní : ", [&] {
      ReadFellingShare(state, *species, FindShare(felling, normalized, k), felling.empty());
    });
    ReadDamages(state, *species);
  }
  if (set->PocetPrvku() > 0) set->SetAktualniPrvek(set->Prvky().front());
}

std::optional<Row> ReadProposal(ReaderState& state, TEtaz& layer, const char* view_name,
                                const char* area, const char* urgency, const char* third) {
  engine::Table* view = state.Get(view_name);
  const bool reason = std::string(third) == "TO_DUVOD";
  if (!view || view->IsEmpty()) {
    PutFloat(layer, area, 0);
    PutText(layer, urgency, "");
    if (reason)
      PutText(layer, third, "");
    else
      PutInt(layer, third, 0);
    return std::nullopt;
  }
  view->First();
  Row row = state.RowOf(*view);
  PutFloat(layer, area, row.Float("N_Plocha"));
  PutText(layer, urgency, row.Text("N_Nalehavost"));
  if (reason)
    PutText(layer, third, row.Text("Duvod"));
  else
    PutInt(layer, third, row.Int("Pocet_Zasahu"));
  return row;
}

void ReadLayers(ReaderState& state, TPorostniSkupina& group) {
  engine::Table* table = state.Get("TB_ETAZ");
  TLesniMnozina* set = group.EtazMN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    const std::string etaz = row.Text("ETAZ");
    set->SetNovyPrvek(etaz);
    auto* layer = dynamic_cast<TEtaz*>(set->AktualniPrvek());
    if (!layer) {
      state.Message(Designation(group) + etaz + " vyskytuje se duplicitní označení etáže." +
                    "vazba=" + row.IntText("VAZBA") + "  id=" + row.IntText("ID"));
      continue;
    }
    state.PrepareColours(*layer);
    layer->SetRId(static_cast<int32_t>(row.Int("ID")));
    layer->SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
    Guarded(state, *layer,
            "Chyba při načítání etáže : ", [&] { ReadLayerRow(state, row, *layer); });
    ReadAfforestation(state, *layer);
    ReadSpecies(state, *layer);
  }
}

}  // namespace tarnik::plan::readers
