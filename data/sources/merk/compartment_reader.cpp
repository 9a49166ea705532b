// One compartment of the current table set in the fixed order of the tables' details:
// sub-compartments, stands with their remarks, overlays, statuses and plots, stand groups with
// their layers; then the completion of the compartment and the move to the next TB_ODD row.
#include <memory>

#include "data/sources/merk/level_readers.h"
#include "data/sources/merk/older_reader.h"
#include "data/sources/merk/plan_readers.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"

namespace tarnik::plan {

namespace readers {
namespace {

std::string LinkText(Row& row) {
  return "vazba=" + row.IntText("VAZBA") + "  id=" + row.IntText("ID");
}

void ReadStandGroups(ReaderState& state, TPorost& stand) {
  engine::Table* table = state.Get("TB_SK");
  TPorostniSkupinaMN* set = stand.PorostniSkupinaMN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    const std::string psk = row.Text("PSK");
    set->SetNovyPrvek(psk);
    auto* group = dynamic_cast<TPorostniSkupina*>(set->AktualniPrvek());
    if (!group) {
      state.Message(Designation(stand) + psk +
                    " vyskytuje se duplicitní označení porostní skupiny." + LinkText(row));
      continue;
    }
    Guarded(state, *group,
            "Chyba při načítání porostní skupiny : ", [&] { ReadStandGroup(state, *group); });
    ReadLayers(state, *group);
  }
}

void ReadStands(ReaderState& state, TDilec& dilec) {
  engine::Table* table = state.Get("TB_Porost");
  TPorostMN* set = dilec.PorostMN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    const std::string por = row.Text("POR");
    set->SetNovyPrvek(por);
    auto* stand = dynamic_cast<TPorost*>(set->AktualniPrvek());
    if (!stand) {
      state.Message(Designation(dilec) + por + " vyskytuje se duplicitní označení porostu." +
                    LinkText(row));
      continue;
    }
    ReadStand(state, *stand);
    ReadStandRemarks(state, *stand);
    ReadStandCategories(state, *stand);
    ReadStandStatuses(state, *stand);
    ReadStandPlots(state, *stand);
    ReadStandGroups(state, *stand);
  }
}

void ReadSubCompartments(ReaderState& state, TOddeleni& compartment) {
  engine::Table* table = state.Get("TB_DL");
  TDilecMN* set = compartment.DilecMN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    const std::string dil = row.Text("DIL");
    set->SetNovyPrvekVzdy(dil);
    auto* dilec = dynamic_cast<TDilec*>(set->AktualniPrvek());
    if (!dilec) continue;
    Guarded(state, *dilec, "Chyba při načítání dílce : ", [&] {
      state.PrepareColours(*dilec);
      dilec->SetRId(static_cast<int32_t>(row.Int("ID")));
      dilec->SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
      PutText(*dilec, "DIL", dil);
      dilec->SetPuvodni_oznaceni(dil);
      state.Colour(row, *dilec, "DIL_br", "DIL");
    });
    ReadStands(state, *dilec);
  }
  table->First();
  if (engine::Table* stands = state.Get("TB_Porost")) stands->First();
}

}  // namespace

void ReadCompartmentRow(ReaderState& state, Row& row, TOddeleni& compartment) {
  state.PrepareColours(compartment);
  compartment.SetRId(static_cast<int32_t>(row.Int("ID")));
  compartment.SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
  const std::string odd = row.IntText("ODD");
  compartment.SetName(odd);
  compartment.AdoptODD(static_cast<int32_t>(row.Int("ODD")));
  compartment.SetPuvodni_oznaceni(odd);
  state.Colour(row, compartment, "ODD_br", "ODD");
}

}  // namespace readers

TOddeleni* NactiOddeleni(PlanReadContext& ctx) {
  engine::Table* table = ctx.tables ? ctx.tables->Get("TB_ODD") : nullptr;
  if (!table || table->Eof()) return nullptr;
  if (ctx.older_set) return readers::ReadOlderCompartment(ctx);
  readers::ReaderState state(ctx);
  auto compartment = std::make_unique<TOddeleni>();
  readers::Row row = state.RowOf(*table);
  try {
    readers::ReadCompartmentRow(state, row, *compartment);
    readers::ReadSubCompartments(state, *compartment);
    compartment->DoplnPomlcky();
    compartment->VycistiNulyOchrany();
  } catch (const std::exception&) {
    state.Message("Chyba při načítání oddělení : " + compartment->GetName());
  }
  table->Next();
  return compartment.release();
}

}  // namespace tarnik::plan
