#include "forest/codelists/plan_wide_rows.h"

#include <exception>

#include <fmt/format.h>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "forest/codelists/mel_drev.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

std::string Text(engine::Table& table, const std::string& field) {
  return table.HasField(field) ? platform::Trim(table.AsString(field)) : "";
}

// Walks every row; an error ends the walk and keeps the rows read so far.
template <typename Row, typename Read>
std::vector<Row> ReadAll(engine::Table* table, Read read) {
  std::vector<Row> rows;
  if (table == nullptr) return rows;
  try {
    for (table->First(); !table->Eof(); table->Next()) rows.push_back(read(*table));
  } catch (const std::exception&) {
  }
  return rows;
}

}  // namespace

std::vector<OlhRow> ReadOlhRows(engine::Table* olh) {
  return ReadAll<OlhRow>(olh, [](engine::Table& t) {
    return OlhRow{Text(t, "KOD"), Text(t, "POPIS"),
                  t.HasField("CIS_LIC") ? Text(t, "CIS_LIC") : Text(t, "OLH_LIC")};
  });
}

std::vector<HsRow> ReadHsRows(engine::Database& phs) {
  try {
    if (!phs.TableExists("TAB_HS")) return {};
    if (!phs.FindColumn("TAB_HS", "SEST_DTO"))
      phs.AddColumn("TAB_HS", {"SEST_DTO", {engine::FieldType::kAlpha, 2}, false});
  } catch (const std::exception&) {
  }
  try {
    engine::Table table(phs, "TAB_HS");
    return ReadAll<HsRow>(&table, [](engine::Table& t) {
      return HsRow{Text(t, "Cislo_HS"), Text(t, "NAZEV_HS"),   Text(t, "OBMYTI"),
                   Text(t, "OBN_DOBA"), Text(t, "POD_MEL_DR"), Text(t, "ODVOZ_TEZ"),
                   Text(t, "SEST_DTO")};
    });
  } catch (const std::exception&) {
    return {};
  }
}

std::string NormalizeSiteTypes(const std::string& lt) {
  std::vector<std::string> pieces;
  std::string piece;
  for (char c : lt + "$") {
    if (c == '$' || c == ',' || c == ';' || c == '/' || c == ' ') {
      if (!piece.empty()) pieces.push_back(piece);
      piece.clear();
    } else {
      piece += c;
    }
  }
  if (!pieces.empty() && platform::UpperAscii(pieces.back()) == "X") pieces.pop_back();
  return platform::Join(pieces, "$");
}

std::vector<MzdRow> ReadMzdRows(engine::Table* mel_drev) {
  return ReadAll<MzdRow>(mel_drev, [](engine::Table& t) {
    MzdRow row;
    row.cislo_hs = Text(t, "Cislo_HS");
    row.mzd = Text(t, "MZD");
    row.name = row.cislo_hs + kCodeNameSeparator + row.mzd;
    std::vector<std::string> species;
    for (int i = 1; i <= 10; ++i) species.push_back(Text(t, fmt::format("MEL_DR{}", i)));
    row.species = JoinAmelioratingSpecies(species);
    row.lt = NormalizeSiteTypes(Text(t, "LT"));
    return row;
  });
}

std::vector<SchuRow> ReadSchuRows(engine::Table* cis_schu) {
  std::vector<SchuRow> rows = ReadAll<SchuRow>(cis_schu, [](engine::Table& t) {
    SchuRow row{"", Text(t, "SCHU_KOD"), Text(t, "SCHU_NAZEV"), Text(t, "SCHU_SML"),
                Text(t, "SCHU_POPIS")};
    row.name = row.kod + kCodeNameSeparator + row.nazev;
    return row;
  });
  for (const auto& row : rows)
    if (row.kod == "0") return rows;
  rows.push_back({std::string("0") + kCodeNameSeparator + "Není SCHU", "0", "Není SCHU", "Není",
                  "Plocha není součástí žádného smluvně chráněného území"});
  return rows;
}

std::vector<OrgUrRow> ReadOrgUrRows(engine::Table* org_ur) {
  return ReadAll<OrgUrRow>(org_ur, [](engine::Table& t) {
    OrgUrRow row{"", Text(t, "KOD"), Text(t, "Popis")};
    row.name = row.kod + kCodeNameSeparator + row.popis;
    return row;
  });
}

std::vector<ProbirkaRow> ReadProbirkaRows(engine::Table* probir) {
  return ReadAll<ProbirkaRow>(probir, [](engine::Table& t) {
    ProbirkaRow row;
    row.drevina = Text(t, "DREVINA");
    row.podminka = Text(t, "PODMINKA");
    for (int i = 0; i < 19; ++i) {
      std::string column = fmt::format("ProcTV{}", i + 1);
      if (!t.HasField(column)) column = fmt::format("Proc{:02}_{}", 5 * i + 6, 5 * i + 10);
      row.proc_tv[i] = t.HasField(column) ? static_cast<int>(t.AsInteger(column)) : 0;
    }
    return row;
  });
}

}  // namespace tarnik::plan
