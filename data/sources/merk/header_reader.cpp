// The unit header: the single row of TB_LHC into TLHC, for the current and the older table set.
#include <exception>

#include "data/sources/merk/plan_readers.h"
#include "data/sources/merk/reader_state.h"
#include "forest/hierarchy/lhc.h"

namespace tarnik::plan {

namespace {

using readers::PutFloat;
using readers::PutInt;
using readers::PutText;
using readers::Row;

void CopyTexts(Row& row, TLHC& lhc, std::initializer_list<const char*> columns) {
  for (const char* c : columns) PutText(lhc, c, row.Text(c));
}

void CopyInts(Row& row, TLHC& lhc, std::initializer_list<const char*> columns) {
  for (const char* c : columns) PutInt(lhc, c, row.Int(c));
}

// "Puv_Dat" with the default of the table set when empty or "0".
std::string DataOrigin(Row& row, const char* fallback) {
  std::string origin = row.Has("Puv_Dat") ? row.Text("Puv_Dat") : std::string();
  if (origin.empty() || origin == "0") return fallback;
  return origin;
}

void ReadCurrentHeader(Row& row, TLHC& lhc) {
  lhc.SetRId(static_cast<int32_t>(row.Int("ID")));
  PutInt(lhc, "LHC_KOD", row.Int("LHC_KOD"));
  CopyTexts(row, lhc, {"LHC_NAZ", "LHP_OD", "LHP_DO"});
  try {
    CopyInts(row, lhc, {"ETAT_TO", "ETAT_TV", "ETAT", "ETAT_TVYB"});
    CopyTexts(row, lhc, {"LHP_Z_OD", "LHP_Z_DO", "LHP_Z_TAX", "LHP_TAX"});
    CopyInts(row, lhc, {"TEZ_PROC", "NOR_PAS", "LHC_PN_PRO", "LHC_IND", "LHC_MAX"});
  } catch (const std::exception&) {
    // A header from a damaged block keeps what was read before it.
  }
  PutText(lhc, "LHO", row.Has("LHO") ? row.Text("LHO") : std::string("N"));
  for (const char* c : {"LHP_LIC", "LHP_Z_LIC"}) {
    if (row.Has(c)) PutText(lhc, c, row.Text(c));
  }
  if (row.Has("MVYCH_DO40")) PutFloat(lhc, "MVYCH_DO40", row.Float("MVYCH_DO40"));
  PutText(lhc, "PUVOD_DAT", DataOrigin(row, "MERK 98"));
  // Columns the upgrade adds; a table that missed it keeps the defaults.
  for (const char* c : {"LHC_IND_TV", "LHC_IND_TO"}) {
    if (row.Has(c)) PutInt(lhc, c, row.Int(c));
  }
  if (row.Has("KU_DATUM")) PutText(lhc, "KU_DATUM", row.Text("KU_DATUM"));
}

// The older set's reduced header; unreadable cut totals read -1.
void ReadOlderHeader(Row& row, TLHC& lhc) {
  PutInt(lhc, "LHC_KOD", row.Int("LHC_KOD"));
  CopyTexts(row, lhc, {"LHC_NAZ", "LHP_OD", "LHP_DO"});
  for (const char* c : {"ETAT_TO", "ETAT_TV"}) {
    int64_t value = -1;
    try {
      value = row.Int(c);
    } catch (const std::exception&) {
    }
    PutInt(lhc, c, value);
  }
  PutText(lhc, "PUVOD_DAT", DataOrigin(row, "MERK 97"));
}

}  // namespace

void NactiHlavickuLHC(TLHC& lhc, PlanReadContext& ctx) {
  readers::ReaderState state(ctx);
  engine::Table* table = ctx.tables ? ctx.tables->Get("TB_LHC") : nullptr;
  try {
    if (table) {
      table->First();
      if (!table->Eof()) {
        Row row = state.RowOf(*table);
        if (ctx.older_set)
          ReadOlderHeader(row, lhc);
        else
          ReadCurrentHeader(row, lhc);
      }
    }
  } catch (const std::exception& e) {
    state.Message(std::string("Chyba při načítání LHC : ") + e.what());
  }
  if (!ctx.older_set) PutInt(lhc, "VerzeProPark1", ctx.national_park ? 1 : 0);
}

}  // namespace tarnik::plan
