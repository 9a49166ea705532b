#include "forest/layers/mzd_list.h"

#include <exception>

#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/kelva_codes.h"
#include "forest/layers/mzd_table.h"
#include "forest/layers/owner_names.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

std::string KeyOf(const TMZDHospSoub& record) {
  return platform::Trim(MzdListKey(record.Number("CISLO_HS"), record.Text("LT_SLT")));
}

TMZDHospSoub* NewRecord(int32_t cislo_hs, const std::string& lt) {
  auto* record = new TMZDHospSoub();
  record->SetNumber("CISLO_HS", cislo_hs);
  record->SetText("LT_SLT", lt);
  return record;
}

}  // namespace

void PridejKlicMZD(TMZDHospSoubMN& list, int32_t cislo_hs, const std::string& lt) {
  const std::vector<framework::TElement*> records = list.Prvky();
  if (records.empty()) {
    list.AddElement(NewRecord(cislo_hs, lt));
    return;
  }
  const std::string key = platform::Trim(MzdListKey(cislo_hs, lt));
  size_t found = 0;  // the last record whose key is not greater, the first when all are
  for (size_t i = 0; i < records.size(); ++i)
    if (KeyOf(*static_cast<TMZDHospSoub*>(records[i])) <= key) found = i;
  const std::string found_key = KeyOf(*static_cast<TMZDHospSoub*>(records[found]));
  if (found_key == key) return;
  framework::TElement* after =
      key < KeyOf(*static_cast<TMZDHospSoub*>(records.front())) ? nullptr : records[found];
  TMZDHospSoub* record = NewRecord(cislo_hs, lt);
  list.AddElement(record);  // names and registers the record; then moved to its place
  list.RemoveElement(record);
  const int index = after ? list.IndexOf(after) + 1 : list.IndexOf(records.front());
  list.InsertElement(index, record);
}

void RozvinMZDHospSoub(TCiselKelva& codes) {
  TMZDHospSoubMN* old_list = codes.MZDHospSoubMN();
  std::vector<MzdKey> keys;
  for (framework::TElement* element : old_list->Prvky()) {
    auto* record = static_cast<TMZDHospSoub*>(element);
    keys.push_back({record->Number("CISLO_HS"), record->Text("LT_SLT")});
  }
  auto* expanded = new TMZDHospSoubMN();
  for (const MzdKey& key : keys) {
    for (const MzdRecord& r : RozvinMZDKlic(key)) {
      try {
        auto* record = NewRecord(r.cislo_hs, r.lt_slt);
        record->SetNumber("MZD", r.mzd);
        record->SetText("DR_ZKR", r.dr_zkr);
        expanded->AddElement(record);
      } catch (const std::exception&) {
        platform::ui().ShowMessage("chyba v RozvinMZDHospSoub ss_DR=" + r.dr_zkr,
                                   platform::Severity::kPassedOver);
      }
    }
  }
  const std::string name = old_list->GetName();
  old_list->FreeAll();
  codes.FreeElement(old_list);
  expanded->SetName(name);
  codes.AddElement(expanded);
}

MzdListMatch NajdiVSeznamuMZD(const TMZDHospSoubMN& list, int32_t cislo_hs, const std::string& lt) {
  MzdListMatch match;
  const std::string site = platform::Trim(lt);
  if (site.empty()) return match;
  for (framework::TElement* element : list.Prvky()) {
    auto* record = dynamic_cast<TMZDHospSoub*>(element);
    // Keys collected for the export carry no species yet and fit nothing.
    if (!record || record->Number("CISLO_HS") != cislo_hs) continue;
    if (platform::Trim(record->Text("DR_ZKR")).empty()) continue;
    std::string sites = record->Text("LT_SLT");
    for (char& c : sites)
      if (c == ',') c = ' ';
    bool fits = false;
    for (const std::string& piece : platform::Split(sites, ' '))
      if (!piece.empty() && piece == site) fits = true;
    if (!fits) continue;
    if (!match.found) match.mzd = record->Number("MZD");
    match.found = true;
    for (const std::string& piece : platform::Split(record->Text("DR_ZKR"), '&')) {
      const std::string code = platform::Trim(piece);
      if (!code.empty()) match.species.push_back(code);
    }
  }
  return match;
}

const TMZDHospSoubMN* SeznamMZD(TObecnyLesniPrvek& element) {
  TCiselKelva* kelva = CiselKelvaOf(element);
  if (!kelva) return nullptr;
  TMZDHospSoubMN* list = kelva->MZDHospSoubMN();
  return list->PocetPrvku() > 0 ? list : nullptr;
}

}  // namespace tarnik::plan
