#include "data/sources/merk/older_reader.h"

#include <memory>
#include <set>

#include "data/sources/merk/level_readers.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/land.h"
#include "forest/layers/layer.h"
#include "forest/layers/statuses.h"
#include "framework/element.h"
#include "platform/text.h"

namespace tarnik::plan::readers {

namespace {

// Copies every column of the row that the element publishes under the same name with a
// writer, except the record identity, colour columns and the columns in `except`.
void CopySameNames(Row& row, framework::TElement& element,
                   const std::set<std::string>& except = {}) {
  for (const engine::ColumnInfo& column : row.table().fields()) {
    const std::string upper = platform::UpperCz(column.name);
    if (upper == "ID" || upper == "VAZBA" || upper.ends_with("_BR") || except.count(upper))
      continue;
    const framework::TPropInfo* prop = element.ClassType().Find(column.name);
    if (!prop || !prop->HasWriter()) continue;
    CopyColumn(row, element, column.name, prop->name);
  }
}

void ReadOlderLayerRow(ReaderState& state, Row& row, TEtaz& layer) {
  layer.SetRId(static_cast<int32_t>(row.Int("ID")));
  layer.SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
  CopySameNames(row, layer, {"MZD", "METODA_ZJISTENI_ZASOBY"});
  PutInt(layer, "M_Z_ZASOBY", row.Int("Metoda_zjisteni_zasoby"));
  PutText(layer, "MZDs", row.Text("MZD"));
  ReadProposal(state, layer, "TB_Pror", "PRO_P", "PRO_NAL", "PRO_POC");
  ReadProposal(state, layer, "TB_NAVRH", "TV_P", "TV_NAL", "TV_POC");
  ReadProposal(state, layer, "TB_TEZOB", "TO_P", "TO_NAL", "TO_DUVOD");
}

void ReadOlderLayers(ReaderState& state, TPorostniSkupina& group) {
  engine::Table* table = state.Get("TB_ETAZ");
  TLesniMnozina* set = group.EtazMN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    set->SetNovyPrvek(row.Text("ETAZ"));
    auto* layer = dynamic_cast<TEtaz*>(set->AktualniPrvek());
    if (!layer) continue;
    Guarded(state, *layer,
            "Chyba při načítání etáže : ", [&] { ReadOlderLayerRow(state, row, *layer); });
    ReadAfforestation(state, *layer);
    ReadSpecies(state, *layer);
  }
}

void ReadOlderGroupRow(ReaderState& state, Row& row, TPorostniSkupina& group) {
  group.SetRId(static_cast<int32_t>(row.Int("ID")));
  group.SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
  static const char* const kColumns[] = {
      "PSK",       "LES_URAD", "KU_KOD",          "LT",        "SLT",      "PRIB_VZD",
      "HOSP_TVAR", "TER_TYP",  "Terenni_skupina", "Uzivatel",  "HOSP_ZP",  "PSK_P",
      "PSK_P0",    "PSK_V",    "KVAL_P",          "POT_VLAST", "SKUPPARC", "DAN"};
  for (const char* c : kColumns) {
    if (row.Has(c)) CopyColumn(row, group, c);
  }
  if (engine::Table* remarks = state.Get("TB_PS_POZN"); remarks && !remarks->IsEmpty()) {
    remarks->First();
    Row remark = state.RowOf(*remarks);
    PutText(group, "PSK_TEXT", remark.Text("Poznamka"));
  }
}

void ReadOlderGroups(ReaderState& state, TPorost& stand) {
  engine::Table* table = state.Get("TB_SK");
  TPorostniSkupinaMN* set = stand.PorostniSkupinaMN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    set->SetNovyPrvek(row.Text("PSK"));
    auto* group = dynamic_cast<TPorostniSkupina*>(set->AktualniPrvek());
    if (!group) {
      state.Message(Designation(stand) + " vyskytuje se duplicitní označení porostní skupiny.");
      continue;
    }
    Guarded(state, *group, "Chyba při načítání porostní skupiny : ", [&] {
      ReadOlderGroupRow(state, row, *group);
    });
    ReadOlderLayers(state, *group);
  }
}

// A plot row of the older set: the columns of the same names, Vyuziti as VYUZITI and, for
// other plots, Kategorie as the plot's categories.
void ReadOlderPlotRow(Row& row, TLesniPlosnyNeporostniPrvek& plot) {
  plot.SetRId(static_cast<int32_t>(row.Int("ID")));
  plot.SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
  CopySameNames(row, plot, {"MAJ_KOD", "MAJ_DRUH", "KATEGORIE"});
  if (row.Has("Vyuziti")) PutText(plot, "VYUZITI", row.Text("Vyuziti"));
  if (row.Has("Kategorie") && plot.Is<TJinyPozemek>()) {
    if (TLesniMnozina* categories = plot.Kategorie1MN())
      PutText(*categories, "NovaKategorieVcetnePrekryvu", row.Text("Kategorie"));
  }
}

void ReadPlotsOf(ReaderState& state, TLesniMnozina* set, const char* table_name, const char* key,
                 bool always, const char* error, const char* before, const char* after) {
  engine::Table* table = state.Get(table_name);
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    if (before) state.Progress(before);
    const std::string number = row.IntText(key);
    if (always) {
      set->SetNovyPrvekVzdy(number);
    } else {
      set->SetNovyPrvek(number);
      for (char letter = 'a'; !set->AktualniPrvek() && letter <= 'z'; ++letter)
        set->SetNovyPrvek(number + letter);
    }
    auto* plot = dynamic_cast<TLesniPlosnyNeporostniPrvek*>(set->AktualniPrvek());
    if (!plot) continue;
    const std::string name = plot->GetName();
    Guarded(state, *plot, error, [&] { ReadOlderPlotRow(row, *plot); });
    plot->SetName(name);
    if (after) state.Progress(after + Designation(*plot));
  }
}

void ReadOlderStandRow(ReaderState& state, Row& row, TPorost& stand) {
  stand.SetRId(static_cast<int32_t>(row.Int("ID")));
  stand.SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
  PutText(stand, "POR", row.Text("POR"));
  for (const char* c : {"MAJ_KOD", "MAJ_DRUH", "PAS_OHR", "LES_OBL", "KAT_SPEC", "SDR_POR"}) {
    if (row.Has(c)) CopyColumn(row, stand, c);
  }
  if (row.Has("ZVL_STATUS")) PutText(stand, "ZVL_STATUT", row.Text("ZVL_STATUS"));
  if (TLesniMnozina* levels = stand.Org_UrovenMN()) {
    for (const char* c : {"ORG_UROVEN1", "ORG_UROVEN2"}) {
      if (!row.Has(c)) continue;
      const int64_t value = row.Int(c);
      if (value <= 0) continue;
      levels->SetNovyPrvek(std::to_string(value));
      if (auto* level = dynamic_cast<TOrg_Uroven*>(levels->AktualniPrvek()))
        level->SetORG_UROVEN(static_cast<int32_t>(value));
    }
  }
  if (row.Has("DRUH_POZ")) CopyColumn(row, stand, "DRUH_POZ");
  if (row.Has("OLH")) CopyColumn(row, stand, "OLH", "OLH_98n");
}

void ReadOlderStandDetails(ReaderState& state, TPorost& stand) {
  if (engine::Table* remarks = state.Get("TB_POR_POZN")) {
    Row row = state.RowOf(*remarks);
    for (remarks->First(); !remarks->Eof(); remarks->Next())
      stand.PorText().push_back(row.Text("POZNAMKA"));
  }
  engine::Table* overlay = state.Get("TB_PREKRYV1");
  TLesniMnozina* categories = stand.Kategorie1MN();
  if (overlay && categories) {
    Row row = state.RowOf(*overlay);
    for (overlay->First(); !overlay->Eof(); overlay->Next()) {
      const std::string code = row.Text("Ktg_str");
      categories->SetNovyPrvek(code);
      auto* category = dynamic_cast<TKategorie1*>(categories->AktualniPrvek());
      if (!category) {
        state.Message(Designation(stand) + " KTG:" + "\"" + code + "\"" +
                      " vyskytuje se duplicitní označení kategorie v překryvu.");
        break;
      }
      category->SetKATEGORIE(code);
    }
  }
  ReadPlotsOf(state, stand.BezlesiMN(), "Tb_BZL", "BZL", false,
              "Chyba při načítání bezlesí : ", nullptr, nullptr);
  ReadOlderGroups(state, stand);
}

void ReadOlderStands(ReaderState& state, TDilec& dilec) {
  engine::Table* table = state.Get("TB_Porost");
  TPorostMN* set = dilec.PorostMN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    set->SetNovyPrvek(row.Text("POR"));
    auto* stand = dynamic_cast<TPorost*>(set->AktualniPrvek());
    if (!stand) {
      state.Message(Designation(dilec) + " vyskytuje se duplicitní označení porostu.");
      continue;
    }
    Guarded(state, *stand,
            "Chyba při načítání porostu : ", [&] { ReadOlderStandRow(state, row, *stand); });
    state.Progress("Za NactiPolozkyPorostu_db " + Designation(*stand));
    ReadOlderStandDetails(state, *stand);
  }
}

void ReadOlderSubCompartments(ReaderState& state, TOddeleni& compartment) {
  engine::Table* table = state.Get("TB_DL");
  TDilecMN* set = compartment.DilecMN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    set->SetNovyPrvek(row.Text("DIL"));
    auto* dilec = dynamic_cast<TDilec*>(set->AktualniPrvek());
    if (!dilec) continue;  // a repeated sub-compartment is left out silently
    Guarded(state, *dilec, "Chyba při načítání dílce : ", [&] {
      dilec->SetRId(static_cast<int32_t>(row.Int("ID")));
      dilec->SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
      PutText(*dilec, "DIL", row.Text("DIL"));
    });
    state.Progress("Za NactiPolozkyDilce_db " + Designation(*dilec));
    ReadOlderStands(state, *dilec);
  }
  table->First();
  if (engine::Table* stands = state.Get("TB_Porost")) stands->First();
}

// Other plots and other land hang on the compartment: they go to the current stand of the
// current sub-compartment once the compartment is complete.
void ReadCompartmentPlots(ReaderState& state, TOddeleni& compartment) {
  TDilec* dilec = compartment.Dilec();
  TPorost* stand = dilec ? dilec->Porost() : nullptr;
  if (!stand) return;
  ReadPlotsOf(state, stand->JinyPozemekMN(), "Tb_jine", "JP", true,
              "Chyba při načítání jiného pozemku : ", nullptr, "Za jinypozemek ");
  ReadPlotsOf(state, stand->OstatniMN(), "Tb_OST", "OST", false,
              "Chyba při načítání ostatní plochy : ", "Pred ostatni ", "Za Ostatni ");
}

}  // namespace

TOddeleni* ReadOlderCompartment(PlanReadContext& ctx) {
  ReaderState state(ctx);
  engine::Table* table = ctx.tables->Get("TB_ODD");
  auto compartment = std::make_unique<TOddeleni>();
  Row row = state.RowOf(*table);
  state.Progress("V NactiOddeleni_db ");
  try {
    compartment->SetRId(static_cast<int32_t>(row.Int("ID")));
    compartment->SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
    compartment->SetName(row.IntText("ODD"));
    compartment->AdoptODD(static_cast<int32_t>(row.Int("ODD")));
    state.Progress("Za NactiPolozkyOddeleni_db " + row.IntText("ODD"));
    ReadOlderSubCompartments(state, *compartment);
    compartment->DoplnPomlcky();
    ReadCompartmentPlots(state, *compartment);
  } catch (const std::exception&) {
    state.Message("Chyba při načítání oddělení : " + compartment->GetName());
  }
  table->Next();
  return compartment.release();
}

}  // namespace tarnik::plan::readers
