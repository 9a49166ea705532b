// The unit's code lists into the plan-wide tables of the PHS database. A row of the table with
// the element's code takes the element's values (the table's other columns stay as they were);
// an element whose code the table lacks becomes a new row. Rows of codes the unit does not hold
// stay: the PHS directory serves every plan beside it.
#include <algorithm>
#include <exception>

#include "data/engine/field_value.h"
#include "data/engine/sqlite_util.h"
#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/plan_wide_rows.h"
#include "forest/layers/mzd_table.h"
#include "islh/plan_transfer.h"
#include "islh/property_value.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::islh {

using engine::Value;
using framework::TElement;
using platform::Severity;

namespace {

std::string Text(TElement& e, const char* name) { return platform::Trim(e.GetPropertyText(name)); }

// Writes the row set in `w` over the row whose `key_column` holds `key`, or as a new row.
// Answers whether a row was written.
bool Store(ImportDatabase& db, TableWriter& w, const std::string& table,
           const std::string& key_column, const Value& key) {
  if (!w.Set(key_column, key)) {  // a code the column cannot take (reported)
    w.Clear();
    return false;
  }
  const Value stored = w.Get(key_column);
  const Value rowid =
      db.Scalar("SELECT rowid FROM " + ImportDatabase::Qualified(Schema::kPhs, table) + " WHERE " +
                    engine::QuoteIdentifier(key_column) + " = ?",
                {stored});
  if (rowid.is_null()) {
    w.Insert();
  } else {
    w.Update(rowid.integer());
  }
  return true;
}

// The species of an MZD record: joined with "&", which a document states as " a " (the export
// writes an ampersand of a text so).
std::vector<std::string> MzdSpecies(const std::string& text) {
  std::vector<std::string> out;
  std::string rest = text;
  for (size_t at = rest.find(" a "); at != std::string::npos; at = rest.find(" a "))
    rest.replace(at, 3, "&");
  size_t start = 0;
  while (start <= rest.size()) {
    size_t end = rest.find('&', start);
    if (end == std::string::npos) end = rest.size();
    const std::string code = platform::Trim(rest.substr(start, end - start));
    if (!code.empty()) out.push_back(code);
    start = end + 1;
  }
  return out;
}

}  // namespace

void PlanTransfer::WriteMzdRecords(plan::TLesniMnozina& records) {
  if (!db_.HasTable(Schema::kPhs, "MEL_DREV") || records.PocetPrvku() == 0) return;
  // Records that are exactly the expansion of the compartments' keys were built by the export
  // from the built-in table; the unit's list stays empty so that the next export builds them.
  std::vector<plan::MzdKey> keys;
  for (TElement* e : mzd_keys_->Prvky())
    keys.push_back({e->GetPropertyInteger("CISLO_HS"), e->GetPropertyText("LT_SLT")});
  const std::vector<plan::MzdRecord> derived = plan::RozvinMZDHospSoub(keys);
  const std::vector<TElement*> given = records.Prvky();
  bool same = derived.size() == given.size();
  for (size_t i = 0; same && i < given.size(); ++i) {
    TElement& e = *given[i];
    same = derived[i].cislo_hs == e.GetPropertyInteger("CISLO_HS") &&
           derived[i].mzd == e.GetPropertyInteger("MZD") &&
           platform::Trim(derived[i].dr_zkr) == Text(e, "DR_ZKR") &&
           platform::Trim(derived[i].lt_slt) == Text(e, "LT_SLT");
  }
  if (same) {
    platform::ui().ShowMessage(
        "Záznamy MZD dokumentu program sestavuje z porostů, do tabulky MEL_DREV se neukládají.",
        Severity::kInformation);
    return;
  }
  // One row per management set and site types; their records' species fill Mel_dr1 to Mel_dr10.
  struct Row {
    Value hs, mzd;
    std::string lt;
    std::vector<std::string> species;
  };
  std::vector<Row> rows;
  for (TElement* e : records.Prvky()) {
    Row row{PropertyValue(*e, "CISLO_HS"), PropertyValue(*e, "MZD"),
            plan::NormalizeSiteTypes(e->GetPropertyText("LT_SLT")),
            MzdSpecies(e->GetPropertyText("DR_ZKR"))};
    auto same = std::find_if(rows.begin(), rows.end(), [&](const Row& r) {
      return r.hs == row.hs && r.lt == row.lt && r.mzd == row.mzd;
    });
    if (same == rows.end()) {
      rows.push_back(std::move(row));
      continue;
    }
    for (const std::string& code : row.species) {
      if (std::find(same->species.begin(), same->species.end(), code) == same->species.end())
        same->species.push_back(code);
    }
  }
  // The rows the table holds, by management set and site types.
  std::vector<std::pair<int64_t, std::pair<double, std::string>>> existing;
  {
    engine::Statement& st =
        db_.Prepared("SELECT rowid, \"Cislo_HS\", \"LT\" FROM \"phs\".\"MEL_DREV\"");
    while (st.Step()) {
      const Value lt = st.Column(2);
      existing.push_back({st.Column(0).integer(),
                          {st.Column(1).number(),
                           plan::NormalizeSiteTypes(lt.is_text() ? lt.text() : std::string())}});
    }
    st.Reset();
  }
  TableWriter& w = db_.Writer(Schema::kPhs, "MEL_DREV");
  for (const Row& row : rows) {
    if (row.species.size() > 10) {
      platform::ui().ShowMessage(
          "MZD hospodářského souboru " +
              platform::Trim(
                  row.hs.is_null() ? "" : std::to_string(static_cast<int64_t>(row.hs.number()))) +
              " má více než 10 dřevin, další se neukládají.",
          Severity::kPassedOver);
    }
    if (!w.Set("Cislo_HS", row.hs)) continue;
    for (size_t i = 0; i < 10; ++i) {
      w.Set("Mel_dr" + std::to_string(i + 1),
            i < row.species.size() ? Value(row.species[i]) : Value());
    }
    w.Set("MZD", row.mzd);
    w.Set("LT", Value(row.lt));
    auto found = std::find_if(existing.begin(), existing.end(), [&](const auto& e) {
      return e.second.first == row.hs.number() && e.second.second == row.lt;
    });
    if (found == existing.end()) {
      w.Insert();
    } else {
      w.Update(found->first);
    }
    ++written_["MEL_DREV"];
  }
}

void PlanTransfer::WriteCodeLists(plan::TCiselKelva& codes) {
  std::vector<plan::TLesniMnozina*> lists = {
      codes.CisHsMN(),   codes.OrgUrMN(1),   codes.OrgUrMN(2),
      codes.OrgUrMN(3),  codes.katastryMN(), codes.OLHMN(),
      codes.majetkyMN(), codes.CisSCHUMN(),  codes.MZDHospSoubMN()};
  if (!db_.has_phs()) {
    for (plan::TLesniMnozina* list : lists) {
      if (list && list->PocetPrvku() > 0) {
        platform::ui().ShowMessage(
            "Plán nemá databázi PHS: číselníky (hospodářské soubory, organizační úrovně, katastry, "
            "OLH, vlastníci, SCHU) se neukládají.",
            Severity::kPassedOver);
        return;
      }
    }
    return;
  }

  auto each = [&](plan::TLesniMnozina* set, const char* table, auto&& write) {
    if (!set || !db_.HasTable(Schema::kPhs, table)) return;
    TableWriter& w = db_.Writer(Schema::kPhs, table);
    for (TElement* element : set->Prvky()) {
      bool stored = false;
      try {
        stored = write(w, *element);
      } catch (const ImportDatabaseError&) {
        throw;
      } catch (const std::exception&) {
        w.Clear();
        platform::ui().ShowMessage(
            "Řádek \"" + element->GetName() + "\" tabulky " + table + " nelze uložit.",
            Severity::kPassedOver);
      }
      if (stored) ++written_[table];
    }
  };

  each(codes.CisHsMN(), "TAB_HS", [&](TableWriter& w, TElement& e) {
    w.Set("NAZEV_HS", Value(e.GetPropertyText("NAZEV_HS")));
    for (const char* c : {"OBMYTI", "OBN_DOBA"}) w.Set(c, PropertyValue(e, c));
    w.Set("POD_MEL_DR", Value(Text(e, "MZD")));
    w.Set("ODVOZ_TEZ", Value(e.GetPropertyText("ODVOZ_TEZ")));
    w.Set("SEST_DTO", Value(e.GetPropertyText("JdeDoSestavDTO")));
    return Store(db_, w, "TAB_HS", "CISLO_HS", PropertyValue(e, "CISLO_HS"));
  });
  for (int level = 1; level <= 3; ++level) {
    plan::TOrgUrMN* set = codes.OrgUrMN(level);
    if (level == 3 && set->PocetPrvku() == 0) continue;
    const std::string table = "ORGUR" + std::to_string(level);
    each(set, table.c_str(), [&](TableWriter& w, TElement& e) {
      const std::string popis = Text(e, "Popis");
      w.Set("POPIS", Value(popis.empty() ? std::string("-") : e.GetPropertyText("Popis")));
      return Store(db_, w, table, "KOD", Value(Text(e, "Kod")));
    });
  }
  each(codes.katastryMN(), "KATASTRY", [&](TableWriter& w, TElement& e) {
    const std::string code = Text(e, "Kod");
    if (code.empty()) return false;
    // A known name of a row is kept over the mark of an area the program's list lacks.
    const std::string name = e.GetPropertyText("Popis");
    const Value known =
        db_.Scalar("SELECT \"POPIS\" FROM \"phs\".\"KATASTRY\" WHERE \"Kod\" = ?", {Value(code)});
    if (name != "Není v seznamu." || known.is_null() ||
        (known.is_text() && platform::Trim(known.text()).empty()))
      w.Set("POPIS", Value(name));
    return Store(db_, w, "KATASTRY", "Kod", Value(code));
  });
  if (codes.OLHMN()->PocetPrvku() > 0 && db_.HasTable(Schema::kPhs, "OLH") &&
      !db_.HasColumn(Schema::kPhs, "OLH", "ICO_RC")) {
    const bool added = db_.AddColumns(Schema::kPhs, "OLH",
                                      {{"ICO_RC", {engine::FieldType::kAlpha, 12}},
                                       {"OKR_URAD", {engine::FieldType::kAlpha, 4}},
                                       {"CIS_LIC", {engine::FieldType::kAlpha, 12}}});
    platform::ui().ShowMessage(added
                                   ? "Do tabulky OLH se přidávají kolonky ICO_RC,OKR_URAD,CIS_LIC."
                                   : "Nelze rozšířit tabulku OLH",
                               added ? Severity::kInformation : Severity::kPassedOver);
  }
  each(codes.OLHMN(), "OLH", [&](TableWriter& w, TElement& e) {
    // The manager's code stays its code: the stands name their manager by it.
    const std::string code = Text(e, "KOD");
    w.Set("POPIS", Value(e.GetPropertyText("JMENO")));
    w.Set("ICO_RC", Value(code));
    w.Set("OKR_URAD", Value(e.GetPropertyText("OKR_URAD")));
    w.Set("CIS_LIC", Value(e.GetPropertyText("CIS_LIC")));
    return Store(db_, w, "OLH", "KOD", Value(code));
  });
  each(codes.majetkyMN(), "MAJETKY", [&](TableWriter& w, TElement& e) {
    const std::string code = Text(e, "MAJ_KOD_C");
    if (!w.Set("MAJ_KOD", Value(code))) return false;
    const Value known = db_.Scalar("SELECT rowid FROM \"phs\".\"MAJETKY\" WHERE \"MAJ_KOD\" = ?",
                                   {w.Get("MAJ_KOD")});
    if (!known.is_null()) {  // an owner the table holds, or one already written
      w.Clear();
      return false;
    }
    w.Set("MAJ_DRUH", Value(Text(e, "MAJ_DRUH_C")));
    w.Set("MAJ_NAZ", Value(e.GetPropertyText("MAJ_NAZ_C")));
    w.Insert();
    return true;
  });
  each(codes.CisSCHUMN(), "CisSCHU", [&](TableWriter& w, TElement& e) {
    for (const char* c : {"SCHU_NAZEV", "SCHU_SML", "SCHU_POPIS"})
      w.Set(c, Value(e.GetPropertyText(c)));
    return Store(db_, w, "CisSCHU", "SCHU_KOD", PropertyValue(e, "SCHU_KOD"));
  });
  WriteMzdRecords(*codes.MZDHospSoubMN());
}

}  // namespace tarnik::islh
