// Rows of the plan-wide tables (the PHS database) as the unit's second code-list set takes them
// over: forest managers, management sets, ameliorating species, contractual protected areas,
// organisational levels and thinning rules. Tables are borrowed and walked from the first row;
// a missing table answers no rows. Reading never throws.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tarnik::engine {
class Database;
class Table;
}  // namespace tarnik::engine

namespace tarnik::plan {

// Separator between code and name in the keys of the second code-list set.
inline constexpr const char* kCodeNameSeparator = " - ";

struct OlhRow {
  std::string kod, popis, cis_lic;  // licence from CIS_LIC, or OLH_LIC when that column is missing
};
std::vector<OlhRow> ReadOlhRows(engine::Table* olh);

struct HsRow {
  std::string cislo_hs, nazev_hs, obmyti, obn_doba, pod_mel_dr, odvoz_tez, sest_dto;
};
// TAB_HS of the database; the column SEST_DTO is added first when missing (errors ignored).
std::vector<HsRow> ReadHsRows(engine::Database& phs);

struct MzdRow {
  std::string name;  // Cislo_HS + " - " + MZD
  std::string cislo_hs, mzd;
  std::string species;  // MEL_DR1, then each non-empty MEL_DR2 ... MEL_DR10, joined with "&"
  std::string lt;       // site types joined with "$", a trailing "X" entry removed
};
std::vector<MzdRow> ReadMzdRows(engine::Table* mel_drev);
// The site types of a MEL_DREV row: pieces cut at "$", ",", ";", "/" and blanks, empty pieces
// dropped, a last piece "X" dropped, joined with "$".
std::string NormalizeSiteTypes(const std::string& lt);

struct SchuRow {
  std::string name;  // SCHU_KOD + " - " + SCHU_NAZEV
  std::string kod, nazev, sml, popis;
};
// Adds the row of code 0 ("Není SCHU") when no row has that code.
std::vector<SchuRow> ReadSchuRows(engine::Table* cis_schu);

struct OrgUrRow {
  std::string name;  // KOD + " - " + Popis
  std::string kod, popis;
};
std::vector<OrgUrRow> ReadOrgUrRows(engine::Table* org_ur);

struct ProbirkaRow {
  std::string drevina, podminka;
  std::array<int, 19> proc_tv{};  // ProcTV1 ... ProcTV19, or Proc06_10 ... Proc96_100
};
std::vector<ProbirkaRow> ReadProbirkaRows(engine::Table* probir);

}  // namespace tarnik::plan
