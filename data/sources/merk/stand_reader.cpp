// A stand of the current table set: its row in TB_Porost with the special statuses and
// organisation levels it carries, then its remarks, category overlay and special statuses.
#include <algorithm>

#include "data/sources/merk/level_readers.h"
#include "forest/hierarchy/porost.h"
#include "forest/layers/statuses.h"

namespace tarnik::plan::readers {

namespace {

// "vazba=<VAZBA>  id=<ID>" of a row.
std::string LinkText(Row& row) {
  return "vazba=" + row.IntText("VAZBA") + "  id=" + (row.Has("ID") ? row.IntText("ID") : "");
}

void ReadLevels(Row& row, TPorost& stand) {
  TLesniMnozina* levels = stand.Org_UrovenMN();
  if (!levels) return;
  auto add = [&](int64_t value) {
    const std::string text = std::to_string(value);
    levels->SetNovyPrvek(text);
    if (auto* level = dynamic_cast<TOrg_Uroven*>(levels->AktualniPrvek())) {
      level->SetORG_UROVEN(static_cast<int32_t>(value));
      level->SetPuvodni_oznaceni(text);
    }
  };
  const int64_t first = row.Int("ORG_UROVEN1");
  const int64_t second = row.Int("ORG_UROVEN2");
  if (first > 0 || second > 0) add(first);
  if (second > 0) add(second);
  if (row.Has("ORG_UROVEN3")) {
    const int64_t third = row.Int("ORG_UROVEN3");
    if (third > 0) add(third);
  }
}

void ReadStandRow(ReaderState& state, Row& row, TPorost& stand) {
  for (const char* c : {"MAJ_KOD", "MAJ_DRUH"}) {
    CopyColumn(row, stand, c);
    if (state.colours()) state.Colour(row, stand, std::string(c) + "_br");
  }
  const std::string por = row.Text("POR");
  PutText(stand, "POR", por);
  stand.SetPuvodni_oznaceni(por);
  state.Colour(row, stand, "POR_br", "POR");
  CopyColumn(row, stand, "PAS_OHR");
  state.Colour(row, stand, "PAS_OHR_br");
  for (const char* c : {"LES_OBL", "LES_PODOBL", "KAT_SPEC", "Cil_HS"}) {
    if (!row.Has(c)) continue;
    CopyColumn(row, stand, c);
    if (state.colours()) state.Colour(row, stand, std::string(c) + "_br");
  }
  PutText(stand, "ZVL_STATUT", row.Text("ZVL_STATUS"));
  if (TLesniMnozina* statuses = stand.ZvlStMN()) {
    const std::vector<framework::TElement*> read = statuses->Prvky();
    if (read.size() == 1)
      PutBool(*read.front(), "Z_Porostu", true);
    else if (read.size() >= 2)
      state.Message(" V porostu " + Designation(stand) + " už jsou zvláštní statuty.");
  }
  state.Colour(row, stand, "ZVL_STATUT_br", "ZVL_STATUT");
  ReadLevels(row, stand);
  for (const char* c : {"ORG_UROVEN1_br", "ORG_UROVEN2_br", "ORG_UROVEN3_br"})
    state.Colour(row, stand, c);
  for (const char* c : {"SDR_POR", "DRUH_POZ"}) {
    CopyColumn(row, stand, c);
    if (state.colours()) state.Colour(row, stand, std::string(c) + "_br");
  }
  CopyColumn(row, stand, "OLH", "OLH_98n");
  state.Colour(row, stand, "OLH_br", "OLH");
  if (state.national_park()) {
    for (const char* c : {"ZONACE", "CISLO_ZONY"}) {
      if (row.Has(c)) CopyColumn(row, stand, c);
    }
  }
  state.Colour(row, stand, "KATEGORIE_br", "KATEGORIE");
  state.Colour(row, stand, "KTG_STR_br", "KTG_STR");
}

// The special status of a ZvlSt row: a new one, or the one the stand row created and no
// earlier row has read yet; nullptr (after the message) for a repeated status.
TZvlSt* StatusForRow(ReaderState& state, Row& row, TPorost& stand, TLesniMnozina& set,
                     const std::string& code) {
  set.SetNovyPrvek(code);
  if (auto* created = dynamic_cast<TZvlSt*>(set.AktualniPrvek())) return created;
  set.SetJmenoAktualnihoPrvku(code);
  auto* existing = dynamic_cast<TZvlSt*>(set.AktualniPrvek());
  if (existing && !existing->BylNoveVytvoren()) {
    state.Message(Designation(stand) +
                  " vyskytuje se duplicitní označení násobného zvl. statutu \"" + code + "\"" +
                  " " + LinkText(row));
    return nullptr;
  }
  return existing;
}

void ReadStatusRow(ReaderState& state, Row& row, TZvlSt& status, const std::string& code) {
  Guarded(state, status, "Chyba při načítání ZvlSt : ", [&] {
    state.PrepareColours(status);
    status.SetRId(static_cast<int32_t>(row.Int("ID")));
    status.SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
    status.SetZVL_STATUT(code);
    status.SetPuvodni_oznaceni(code);
  });
  Guarded(state, status, "Chyba při načítání barva ZvlSt : ", [&] {
    state.Colour(row, status, "ZVL_STATUT_br", "ZVL_STATUT");
  });
}

// The stand row's status was not among the status rows: the first status row takes its code
// and the stand row's own status goes.
void MergeStandRowStatus(TPorost& stand, TLesniMnozina& set) {
  try {
    const std::vector<framework::TElement*> statuses = set.Prvky();
    if (statuses.size() < 2) return;
    auto* first = dynamic_cast<TZvlSt*>(statuses[0]);
    auto* second = dynamic_cast<TZvlSt*>(statuses[1]);
    if (!first || !second || !first->BylNoveVytvoren()) return;
    second->SetZVL_STATUT(first->ZVL_STATUT());
    stand.SetBylEditovan(true);
    second->SetBylEditovan(true);
    set.FreeElement(first);
  } catch (const std::exception&) {
  }
}

void SortStatuses(TLesniMnozina& set) {
  const std::vector<framework::TElement*> statuses = set.Prvky();
  if (statuses.empty()) return;
  auto number = [](framework::TElement* e) {
    auto* status = dynamic_cast<TZvlSt*>(e);
    return status ? status->CisloZvlStInduktDopredu() : 0;
  };
  if (statuses.size() >= 2 &&
      !std::is_sorted(statuses.begin(), statuses.end(),
                      [&](auto* a, auto* b) { return number(a) < number(b); }))
    set.SetridPodlePropertyCislo("CisloZvlStInduktDopredu", true);
  set.SetAktualniPrvek(set.Prvky().front());
}

}  // namespace

void ReadStand(ReaderState& state, TPorost& stand) {
  engine::Table* table = state.Get("TB_Porost");
  if (!table) return;
  Row row = state.RowOf(*table);
  state.PrepareColours(stand);
  stand.SetRId(static_cast<int32_t>(row.Int("ID")));
  stand.SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
  Guarded(state, stand, "Chyba při načítání porostu : ", [&] { ReadStandRow(state, row, stand); });
}

void ReadStandRemarks(ReaderState& state, TPorost& stand) {
  engine::Table* table = state.Get("TB_POR_POZN");
  if (!table) return;
  Row row = state.RowOf(*table);
  bool first = true;
  for (table->First(); !table->Eof(); table->Next()) {
    if (first) state.Colour(row, stand, "Poznamka_br", "POR_TEXT_Vse");
    first = false;
    stand.PorText().push_back(row.Text("POZNAMKA"));
  }
}

void ReadStandCategories(ReaderState& state, TPorost& stand) {
  engine::Table* table = state.Get("TB_PREKRYV1");
  TLesniMnozina* set = stand.Kategorie1MN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    const std::string code = row.Text("KTG_STR");
    set->SetNovyPrvek(code);
    auto* category = dynamic_cast<TKategorie1*>(set->AktualniPrvek());
    if (!category) {
      state.Message(Designation(stand) + code +
                    " vyskytuje se duplicitní označení kategorie v překryvu." + LinkText(row));
      continue;
    }
    Guarded(state, *category, "Chyba při načítání kategorie : ", [&] {
      category->SetRId(static_cast<int32_t>(row.Int("ID")));
      category->SetVazba(static_cast<int32_t>(row.Int("VAZBA")));
      category->SetKATEGORIE(code);
      category->SetPuvodni_oznaceni(code);
    });
  }
}

void ReadStandStatuses(ReaderState& state, TPorost& stand) {
  engine::Table* table = state.Get("Tb_ZvlSt");
  TLesniMnozina* set = stand.ZvlStMN();
  if (!table || !set) return;
  Row row = state.RowOf(*table);
  for (table->First(); !table->Eof(); table->Next()) {
    const std::string code = row.Text("ZVL_STATUT");
    if (TZvlSt* status = StatusForRow(state, row, stand, *set, code))
      ReadStatusRow(state, row, *status, code);
  }
  MergeStandRowStatus(stand, *set);
  SortStatuses(*set);
}

}  // namespace tarnik::plan::readers
