// Stand groups, non-forest plots, other plots and other land of the current table set, with the
// special-area columns they share and the forest office derived from the cadastral area.
#include "data/sources/merk/level_readers.h"
#include "forest/hierarchy/plosny_prvek.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/land.h"
#include "platform/text.h"

namespace tarnik::plan::readers {

namespace {

// Colour of `column` onto `key` and, when `suffix` is not empty, also onto key + "_" + suffix.
void ColourTwice(ReaderState& state, Row& row, TObecnyLesniPrvek& element,
                 const std::string& column, const std::string& key, const std::string& suffix) {
  state.Colour(row, element, column, key);
  if (!suffix.empty()) state.Colour(row, element, column, key + "_" + suffix);
}

void ReadProtectedAreas(ReaderState& state, Row& row, TLesniPlosnyPrvek& element) {
  if (!row.Has("EVL_KOD")) return;
  // The multi-valued codes are stored in their "$" form.
  for (const char* code : {"EVL_KOD", "NPP_KOD", "NPR_KOD"}) {
    if (row.Has(code)) PutText(element, std::string(code) + "_XML", row.Text(code));
  }
  static const char* const kSingle[] = {"PO_KOD",   "CHKO_KOD", "CHKO_Z_KOD", "NP_KOD",
                                        "NP_Z_KOD", "PP_KOD",   "PR_KOD",     "SCHU_KOD"};
  for (const char* code : kSingle) {
    if (row.Has(code)) PutInt(element, code, row.Int(code));
  }
  if (!row.Has("EVL_KOD_br")) return;
  for (const char* code : {"EVL_KOD", "NPP_KOD", "NPR_KOD"})
    state.Colour(row, element, std::string(code) + "_br", code);
  for (const char* code : kSingle) state.Colour(row, element, std::string(code) + "_br", code);
}

// The plot kinds: key column, set, colour suffix, kind column and property, error prefix.
struct PlotKind {
  const char* key;          // BZL, JP, OST
  const char* suffix;       // colour suffix
  const char* kind_column;  // BZL_DRUH, JP_DRUH, VYUZITI
  const char* kind_property;
  const char* error;
};

const PlotKind kBezlesi{"BZL", "BZL", "BZL_DRUH", "BZL_DRUH", "Chyba při načítání bezlesí : "};
const PlotKind kJiny{"JP", "JP", "JP_DRUH", "JP_DRUH", "Chyba při načítání jiného pozemku : "};
const PlotKind kOstatni{"OST", "OST", "VYUZITI", "OP_DRUH", "Chyba při načítání ostatní plochy : "};

void ReadPlotRow(ReaderState& state, Row& row, TLesniPlosnyNeporostniPrvek& plot,
                 const PlotKind& kind) {
  const std::string key = kind.key;
  const std::string s = kind.suffix;
  state.PrepareColours(plot);
  plot.SetRId(static_cast<int32_t>(row.Int("ID")));
  plot.SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
  PutInt(plot, key, row.Int(key));
  plot.SetPuvodni_oznaceni(row.IntText(key));
  state.Colour(row, plot, key + "_br", key);
  if (key == "JP" && row.Has("JP_PUPFL")) {
    PutText(plot, "JP_PUPFL", row.Text("JP_PUPFL"));
    state.Colour(row, plot, "JP_PUPFL_br", "JP_PUPFL");
  }
  const int64_t ku_kod = row.Int("KU_KOD");
  PutInt(plot, "KU_KOD", ku_kod);
  state.Colour(row, plot, "KU_KOD_br", "KU_KOD_" + s);
  PutInt(plot, "LES_URAD", OfficeCode(state, row.Int("LES_URAD"), ku_kod));
  state.Colour(row, plot, "LES_URAD_br", "LES_URAD_" + s);
  PutFloat(plot, "Plocha0", row.Float(key + "_P0"));
  state.Colour(row, plot, key + "_P0_br", key + "_P0");
  PutFloat(plot, "Plocha", row.Float(key + "_P"));
  state.Colour(row, plot, key + "_P_br", key + "_P_st");
  PutFloat(plot, "Vymera", row.Float(key + "_V"));
  state.Colour(row, plot, key + "_V_br", key + "_V_st");
  for (const char* c : {"KVAL_P", "POT_VLAST", "SKUPPARC"}) {
    CopyColumn(row, plot, c);
    state.Colour(row, plot, std::string(c) + "_br", std::string(c) + "_" + s);
  }
  if (key != "BZL" && row.Has("DRUH_POZ")) {
    CopyColumn(row, plot, "DRUH_POZ");
    state.Colour(row, plot, "DRUH_POZ_br", "DRUH_POZ_" + s);
  }
  CopyColumn(row, plot, key + "_VYUZ");
  state.Colour(row, plot, key + "_VYUZ_br", key + "_VYUZ");
  if (row.Has(kind.kind_column)) {
    PutText(plot, kind.kind_property, row.Text(kind.kind_column));
    state.Colour(row, plot, std::string(kind.kind_column) + "_br", kind.kind_property);
  }
  if (row.Has("INV_CIS")) {
    PutText(plot, "INV_CIS", row.Text("INV_CIS"));
    state.Colour(row, plot, "INV_CIS_BR", "INV_CIS_" + s);
  }
  if (row.Has("CISLO_TEL")) PutText(plot, "CISLO_TEL_Lom", row.Text("CISLO_TEL"));
  state.Colour(row, plot, "MAJ_KOD_br", "MAJ_KOD_" + s);
  state.Colour(row, plot, "MAJ_DRUH_br", "MAJ_DRUH_" + s);
  ReadSpecialAreaColumns(state, row, plot, s);
}

// Reads the row into the set's current element, keeping the element's name (the key it was
// created under) although the key setter renames it.
void ReadCurrentPlot(ReaderState& state, Row& row, TLesniMnozina& set, const PlotKind& kind) {
  auto* plot = dynamic_cast<TLesniPlosnyNeporostniPrvek*>(set.AktualniPrvek());
  if (!plot) return;
  const std::string name = plot->GetName();
  Guarded(state, *plot, kind.error, [&] { ReadPlotRow(state, row, *plot, kind); });
  plot->SetName(name);
}

void ReadBezlesi(ReaderState& state, TPorost& stand) {
  engine::Table* table = state.Get("Tb_BZL");
  TLesniMnozina* set = stand.BezlesiMN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    if (row.Int("BZL") == 0) {
      state.Message(Designation(stand) + " vyskytuje se chybné označení bezlesi.");
      continue;
    }
    const std::string key = row.IntText("BZL");
    set->SetNovyPrvek(key);
    for (char letter = 'a'; !set->AktualniPrvek() && letter <= 'z'; ++letter)
      set->SetNovyPrvek(key + letter);
    ReadCurrentPlot(state, row, *set, kBezlesi);
  }
}

void ReadAlways(ReaderState& state, TLesniMnozina* set, const char* table_name,
                const PlotKind& kind) {
  engine::Table* table = state.Get(table_name);
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    set->SetNovyPrvekVzdy(row.IntText(kind.key));
    ReadCurrentPlot(state, row, *set, kind);
  }
}

}  // namespace

int64_t OfficeCode(ReaderState& state, int64_t les_urad, int64_t ku_kod) {
  if (les_urad < 100000 || les_urad > 199999 || ku_kod < 100000 || ku_kod > 999999) return les_urad;
  return state.OfficeOfCadastralArea(ku_kod).value_or(les_urad);
}

void ReadSpecialAreaColumns(ReaderState& state, Row& row, TLesniPlosnyPrvek& element,
                            const std::string& kind) {
  const bool group_or_bzl = kind.empty() || kind == "BZL";
  const std::string twin = kind == "BZL" || kind == "JP" ? kind : std::string();
  if (row.Has("LVS")) {
    PutInt(element, "LVS", row.Int("LVS"));
    ColourTwice(state, row, element, "LVS_br", "LVS", twin);
  }
  if (row.Has("LT")) {
    PutText(element, "LT", row.Text("LT"));
    ColourTwice(state, row, element, "LT_br", "LT", twin);
  }
  for (const char* c : {"SLT", "PLT"}) {
    if (!row.Has(c)) continue;
    if (group_or_bzl) PutText(element, c, row.Text(c));
    // Other plots colour their PLT under their own name; other land has neither twin.
    const std::string own = kind == "BZL" || (kind == "JP" && std::string(c) == "PLT") ? kind : "";
    ColourTwice(state, row, element, std::string(c) + "_br", c, own);
  }
  ReadProtectedAreas(state, row, element);
  if (row.Has("MNG_REZIM")) {
    PutText(element, "MNG_REZIM", row.Text("MNG_REZIM"));
    state.Colour(row, element, "MNG_REZIM_br", "MNG_REZIM");
  }
}

void ReadStandGroup(ReaderState& state, TPorostniSkupina& group) {
  engine::Table* table = state.Get("TB_SK");
  if (!table) return;
  Row row = state.RowOf(*table);
  state.PrepareColours(group);
  group.SetRId(static_cast<int32_t>(row.Int("ID")));
  group.SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
  const std::string psk = row.Text("PSK");
  PutText(group, "PSK", psk);
  group.SetPuvodni_oznaceni(psk);
  state.Colour(row, group, "PSK_br", "PSK");
  const int64_t les_urad = row.Int("LES_URAD");
  PutInt(group, "LES_URAD", les_urad);
  state.Colour(row, group, "LES_URAD_br", "LES_URAD");
  const int64_t ku_kod = row.Int("KU_KOD");
  PutInt(group, "KU_KOD", ku_kod);
  state.Colour(row, group, "KU_KOD_br", "KU_KOD");
  for (const char* c : {"PRIB_VZD", "HOSP_TVAR"}) {
    CopyColumn(row, group, c);
    if (state.colours()) state.Colour(row, group, std::string(c) + "_br");
  }
  std::string ter_typ = row.Text("TER_TYP");
  if (platform::Trim(ter_typ) == "0") ter_typ.clear();
  PutText(group, "TER_TYP", ter_typ);
  state.Colour(row, group, "TER_TYP_br");
  for (const char* c : {"Terenni_skupina", "Uzivatel", "HOSP_ZP"}) {
    CopyColumn(row, group, c);
    if (state.colours()) state.Colour(row, group, std::string(c) + "_br");
  }
  PutFloat(group, "PSK_P", row.Float("PSK_P"));
  state.Colour(row, group, "PSK_P_br", "PSK_P");
  state.Colour(row, group, "PSK_P_br", "PSK_P_MERK");
  PutFloat(group, "Plocha0", row.Float("PSK_P0"));
  state.Colour(row, group, "PSK_P0_br", "PSK_P0");
  PutFloat(group, "Vymera", row.Float("PSK_V"));
  state.Colour(row, group, "PSK_V_br", "PSK_V");
  for (const char* c : {"KVAL_P", "POT_VLAST", "SKUPPARC", "DAN"}) {
    CopyColumn(row, group, c);
    if (state.colours()) state.Colour(row, group, std::string(c) + "_br");
  }
  if (row.Has("TXTNEPIS")) {
    PutText(group, "TxtNepis", row.Text("TXTNEPIS"));
    state.Colour(row, group, "TXTNEPIS_br", "TxtNepis");
  }
  if (row.Has("PocCasti")) PutInt(group, "PocetCasti", row.Int("PocCasti"));
  if (engine::Table* remarks = state.Get("TB_PS_POZN"); remarks && !remarks->Eof()) {
    Row remark = state.RowOf(*remarks);
    PutText(group, "PSK_TEXT", remark.Text("POZNAMKA"));
    state.Colour(remark, group, "POZNAMKA_br", "PSK_TEXT");
  }
  for (const char* c : {"StareOzn", "Face", "BotanLok", "SegmVyv"}) {
    if (row.Has(c)) PutText(group, c, row.Text(c));
  }
  state.Colour(row, group, "StareOzn_br", "StareOzn");
  if (row.Has("CISLO_TEL")) PutText(group, "CISLO_TEL_XML", row.Text("CISLO_TEL"));
  if (state.national_park()) {
    static const std::pair<const char*, const char*> kPark[] = {
        {"PrirStan", "KodPrirStan"}, {"Biotop", "Biotop"},       {"RSO", "RSO"},
        {"Revize", "Revize"},        {"Prioritni", "Prioritni"}, {"Rok_Sum", "Rok_Sum"},
        {"StupPriroz", "StupPriroz"}};
    for (const auto& [column, property] : kPark) {
      if (row.Has(column)) CopyColumn(row, group, column, property);
    }
  }
  ReadSpecialAreaColumns(state, row, group, "");
  const int64_t office = OfficeCode(state, les_urad, ku_kod);
  if (office != les_urad) PutInt(group, "LES_URAD", office);
}

void ReadStandPlots(ReaderState& state, TPorost& stand) {
  ReadBezlesi(state, stand);
  ReadAlways(state, stand.JinyPozemekMN(), "Tb_jine", kJiny);
  ReadAlways(state, stand.OstatniMN(), "Tb_OST", kOstatni);
}

}  // namespace tarnik::plan::readers
