// The MZD list of the unit's code lists (TMZDHospSoubMN of TCiselKelva): collecting the
// (management set, site type) keys of the exported layers in key order, and replacing the keys
// by their expansion through the built-in table. The list's records are owned by the list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnik::plan {

class TCiselKelva;
class TObecnyLesniPrvek;
class TMZDHospSoubMN;

// Inserts a record (CISLO_HS, LT_SLT) at its place in a list kept in ascending order of
// MzdListKey; nothing when a record of the same key is there. Keys compare trimmed.
void PridejKlicMZD(TMZDHospSoubMN& list, int32_t cislo_hs, const std::string& lt);

// Replaces the code lists' MZD list by its expansion: every record becomes the records of its
// table row (done by the export after the last compartment). The old list is freed; the new
// one is added under the same name. A record that fails to be created is reported
// ("chyba v RozvinMZDHospSoub ss_DR=" + the species not yet cut) and the expansion goes on.
void RozvinMZDHospSoub(TCiselKelva& codes);

// The records of a management set and a site type in the list: a record fits when its
// CISLO_HS is the management set and one of its site types (LT_SLT, separated by blanks or
// commas) is the site type, trimmed, and it names species. `mzd` is the share of the first fitting
// record, `species` every species of the fitting records (DR_ZKR, separated by "&").
struct MzdListMatch {
  bool found = false;
  int32_t mzd = -1;
  std::vector<std::string> species;
};
MzdListMatch NajdiVSeznamuMZD(const TMZDHospSoubMN& list, int32_t cislo_hs, const std::string& lt);
// The list of the element's CiselKelva when it holds records, else nil (the built-in table
// answers then).
const TMZDHospSoubMN* SeznamMZD(TObecnyLesniPrvek& element);

}  // namespace tarnik::plan
