// The MZD list of the unit's code lists (TMZDHospSoubMN of TCiselKelva): collecting the
// (management set, site type) keys of the exported layers in key order, and replacing the keys
// by their expansion through the built-in table. The list's records are owned by the list.
#pragma once

#include <cstdint>
#include <string>

namespace tarnik::plan {

class TCiselKelva;
class TMZDHospSoubMN;

// Inserts a record (CISLO_HS, LT_SLT) at its place in a list kept in ascending order of
// MzdListKey; nothing when a record of the same key is there. Keys compare trimmed.
void PridejKlicMZD(TMZDHospSoubMN& list, int32_t cislo_hs, const std::string& lt);

// Replaces the code lists' MZD list by its expansion: every record becomes the records of its
// table row (Part of the export after the last compartment). The old list is freed; the new
// one is added under the same name. A record that fails to be created is reported
// ("chyba v RozvinMZDHospSoub ss_DR=" + the species not yet cut) and the expansion goes on.
void RozvinMZDHospSoub(TCiselKelva& codes);

}  // namespace tarnik::plan
