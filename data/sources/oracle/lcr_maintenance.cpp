#include "data/sources/oracle/lcr_maintenance.h"

#include <fmt/format.h>

#include <utility>

#include "data/engine/engine_error.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan::lcr {

using engine::SqlConnection;
using engine::SqlResult;
using engine::Value;

const std::vector<std::string>& CopiedTables() {
  static const std::vector<std::string> tables = {
      "MAJETEK", "POROST", "BEZLESI",    "JINE_POZ", "PREKRYV", "POROST_SKUP",
      "PS_V_KU", "ETAZ",   "DREV_ZALES", "DREVINA",  "SKODY"};
  return tables;
}

const std::vector<std::string>& RenumberedTables() {
  static const std::vector<std::string> tables = {
      "SKODY",   "DREVINA",  "DREV_ZALES", "ETAZ",   "PS_V_KU", "POROST_SKUP",
      "PREKRYV", "JINE_POZ", "BEZLESI",    "POROST", "MAJETEK", "LHC"};
  return tables;
}

const std::vector<std::string>& DeletedTables() {
  static const std::vector<std::string> tables = {
      "SKODY",   "DREVINA",  "DREV_ZALES", "ETAZ",   "PS_V_KU", "POROST_SKUP",
      "PREKRYV", "JINE_POZ", "BEZLESI",    "POROST", "MAJETEK"};
  return tables;
}

Condition Condition::And(const std::string& column, Value value) const {
  Condition c = *this;
  c.sql += (c.sql.empty() ? "" : " and ") + column + " = ?";
  c.params.push_back(std::move(value));
  return c;
}

Condition Condition::AndDesignation(const std::string& column, const std::string& value) const {
  Condition c = *this;
  c.sql += (c.sql.empty() ? "" : " and ") + ("RTRIM(" + column + ") = RTRIM(?)");
  c.params.push_back(Value(value));
  return c;
}

Condition UnitCondition(int64_t code, int64_t version) {
  return Condition{}.And("LHC_KOD", Value(code)).And("LHC_KOD_ID", Value(version));
}

std::vector<LcrUnitVersion> ListUnits(SqlConnection& db) {
  std::vector<LcrUnitVersion> units;
  auto rows = db.Query("select * from LHC order by LHC_KOD , LHC_KOD_ID");
  while (rows->Next())
    units.push_back(
        {rows->AsInteger("LHC_KOD"), rows->AsInteger("LHC_KOD_ID"), rows->AsString("LHC_NAZ")});
  return units;
}

namespace {

int64_t Count(SqlConnection& db, const std::string& table, const Condition& where) {
  auto rows = db.Query("Select count(*) as N from " + table + " where " + where.sql, where.params);
  return rows->Next() ? rows->AsInteger("N") : 0;
}

bool Travels(const Value& v) { return !v.is_bytes(); }

}  // namespace

bool UnitExists(SqlConnection& db, int64_t code, int64_t version) {
  return Count(db, "LHC", UnitCondition(code, version)) > 0;
}

bool VlozRadek(SqlConnection& target, const SqlResult& row, const std::string& table, int64_t code,
               int64_t version, std::optional<int64_t> odd_id, CopyMode mode, const Log& log) {
  std::string columns, marks;
  std::vector<Value> values;
  int odd_id_at = -1;
  for (int i = 0; i < row.ColumnCount(); ++i) {
    const std::string name = row.ColumnName(i);
    const std::string upper = platform::UpperCz(name);
    Value v = row.Column(i);
    if (upper == "LHC_KOD") {
      v = Value(code);
    } else if (upper == "LHC_KOD_ID") {
      v = Value(version);
    } else if (upper == "ODD_ID") {
      odd_id_at = static_cast<int>(values.size());
      if (odd_id) v = Value(*odd_id);
    } else if (!Travels(v)) {
      platform::ui().ShowMessage(
          fmt::format("Bacha,Bacha fieldName \"{}\"={}", name, row.ColumnTypeCode(i)),
          platform::Severity::kPassedOver);
      v = Value();
    }
    columns += (columns.empty() ? "" : ",") + name;
    marks += values.empty() ? "?" : ",?";
    values.push_back(std::move(v));
  }
  const std::string sql = "INSERT into " + table + " (" + columns + ") VALUES (" + marks + ")";
  auto attempt = [&]() {
    try {
      target.Execute(sql, values);
      return true;
    } catch (const engine::EngineError& e) {
      if (log) {
        log("Nelze provést '" + sql + "'");
        log(e.what());
      }
      platform::ui().Beep();
      return false;
    }
  };
  if (attempt()) return true;
  if (mode == CopyMode::kParts && odd_id_at >= 0 && values[odd_id_at] != Value(int64_t{-1})) {
    if (log) log("Zkusím to nahrát s ODD_ID=-1");
    values[odd_id_at] = Value(int64_t{-1});
    return attempt();
  }
  return false;
}

CopyCount KopirujTabulku(SqlConnection& source, SqlConnection& target, const std::string& table,
                         const Condition& where, int64_t code, int64_t version,
                         std::optional<int64_t> odd_id, CopyMode mode, const Log& log) {
  const bool whole = mode == CopyMode::kWholeUnit;
  CopyCount count;
  auto rows = source.Query("SELECT * FROM " + table + " where " + where.sql, where.params);
  target.EnsureTransaction();
  if (whole && log) log("V tabulce " + table + " začínám kopírovat.");
  int64_t n = 0;
  while (rows->Next()) {
    ++n;
    platform::ui().SetStatus(fmt::format("Kopiruju tabulku {} {}", table, n));
    if (VlozRadek(target, *rows, table, code, version, odd_id, mode, log))
      ++count.copied;
    else
      ++count.lost;
    if (whole && n % 100 == 0) {
      target.Commit();
      if (log) log(fmt::format("V tabulce {} {} proveden commit", table, n));
      target.StartTransaction();
    }
  }
  if (whole) {
    target.Commit();
    if (log) log("V tabulce " + table + " jsem všechno zkopíroval.");
  }
  return count;
}

CopyCount KopirujLHC(SqlConnection& source, SqlConnection& target, const LcrUnitVersion& from,
                     const LcrUnitVersion& to, const Log& log) {
  CopyCount count;
  if (log) log("Kopíruju řádek LHC");
  count += KopirujTabulku(source, target, "LHC", UnitCondition(from.code, from.version), to.code,
                          to.version, std::nullopt, CopyMode::kWholeUnit, Log());
  for (const std::string& table : CopiedTables()) {
    if (log) log("Kopíruju tabulku " + table);
    count += KopirujTabulku(source, target, table, UnitCondition(from.code, from.version), to.code,
                            to.version, std::nullopt, CopyMode::kWholeUnit, log);
  }
  if (log) {
    log(count.lost == 0 ? std::string("Hotovo - zkopírováno LHC")
                        : fmt::format("Hotovo - zkopírováno LHC, ale {} řádků se nepodařilo "
                                      "zkopírovat (viz výše).",
                                      count.lost));
  }
  return count;
}

void PrecislujLHC(SqlConnection& db, const LcrUnitVersion& from, const LcrUnitVersion& to,
                  const Log& log) {
  const Condition where = UnitCondition(from.code, from.version);
  for (const std::string& table : RenumberedTables()) {
    platform::ui().SetStatus("Přečíslovávám LHC v tabulce " + table);
    db.EnsureTransaction();
    std::vector<Value> params = {Value(to.code), Value(to.version)};
    params.insert(params.end(), where.params.begin(), where.params.end());
    db.Execute("Update " + table + " set LHC_KOD = ?, LHC_KOD_ID = ? where " + where.sql, params);
    db.Commit();
    if (log) log("Zavíráni tabulky commit");
  }
  if (log) log("Přečíslování LHC provedeno ");
}

void ZrusLHC(SqlConnection& db, const LcrUnitVersion& unit, const Log& log) {
  const Condition where = UnitCondition(unit.code, unit.version);
  db.EnsureTransaction();
  for (const std::string& table : DeletedTables()) {
    platform::ui().SetStatus(
        fmt::format("Mazání řádků LHC {}*{} v tabulce  {} ", unit.code, unit.name, table));
    db.Execute("DELETE FROM " + table + " where " + where.sql, where.params);
    db.Commit();
    db.StartTransaction();
  }
  if (log) log("Mazání řádků LHC provedeno ");
  if (log) log("Mažu řádek tabulky LHC");
  db.Execute("DELETE FROM LHC where " + where.sql, where.params);
  db.Commit();
  if (log) log("LHC smazáno");
}

std::optional<Condition> SelectionCondition(int64_t code, int64_t version, const Selection& s,
                                            std::optional<int64_t> odd_id) {
  if (s.level < 1 || s.level > 5) return std::nullopt;
  Condition c = UnitCondition(code, version)
                    .And("ODD", Value(s.odd))
                    .And("ODD_ID", Value(odd_id.value_or(s.odd_id)));
  if (s.level == 1) return c;
  c = c.AndDesignation("DIL", s.dil).AndDesignation("POR", s.por);
  if (s.level == 3) return c.AndDesignation("PSK", s.psk);
  if (s.level == 4) return c.And("BZL", Value(s.plot)).And("BZL_ID", Value(s.plot_id));
  if (s.level == 5) return c.And("JP", Value(s.plot)).And("JP_ID", Value(s.plot_id));
  return c;
}

namespace {

const std::vector<std::string>& GroupTables() {
  static const std::vector<std::string> tables = {"POROST_SKUP", "PS_V_KU", "ETAZ",
                                                  "DREV_ZALES",  "DREVINA", "SKODY"};
  return tables;
}

const char* CountedTable(int level) {
  switch (level) {
    case 3:
      return "POROST_SKUP";
    case 4:
      return "BEZLESI";
    case 5:
      return "JINE_POZ";
    default:
      return "POROST";
  }
}

}  // namespace

Selections::Selections(SqlConnection& db, LcrUnitVersion unit, const Log& log,
                       OddIdChoice choose_odd_id)
    : db_(db), unit_(std::move(unit)), log_(log), choose_odd_id_(std::move(choose_odd_id)) {
  db_.EnsureTransaction();
}

std::optional<int64_t> Selections::DestinationOddId(int64_t odd) {
  if (last_odd_ == odd) return chosen_odd_id_;
  std::vector<int64_t> ids;
  {
    const Condition where =
        UnitCondition(destination_->code, destination_->version).And("ODD", Value(odd));
    auto rows = db_.Query(
        "select distinct ODD_ID from POROST where " + where.sql + " order by ODD_ID", where.params);
    while (rows->Next()) ids.push_back(rows->AsInteger("ODD_ID"));
  }
  chosen_odd_id_.reset();
  if (!ids.empty()) chosen_odd_id_ = choose_odd_id_ ? choose_odd_id_(odd, ids) : ids.front();
  last_odd_ = odd;
  return chosen_odd_id_;
}

bool Selections::SetDestination(const LcrUnitVersion& destination) {
  if (!UnitExists(db_, destination.code, destination.version)) {
    if (log_)
      log_(
          fmt::format("Nelze zkopírovat. LHC_KOD \"{}\", LHC_KOD_ID \"{}\" neexistuje. Zadej "
                      "znovu.",
                      destination.code, destination.version));
    return false;
  }
  if (destination_ != destination) {
    last_odd_.reset();
    chosen_odd_id_.reset();
  }
  destination_ = destination;
  return true;
}

std::string Selections::Kopiruj(const Selection& s, std::optional<int64_t> odd_id) {
  if (!destination_) return "Není vybrán LHC, do něhož se kopíruje.";
  const std::optional<Condition> where = SelectionCondition(unit_.code, unit_.version, s);
  if (!where) return "Chyba při výběru pole";
  db_.EnsureTransaction();
  if (!odd_id) odd_id = DestinationOddId(s.odd);
  const LcrUnitVersion& to = *destination_;
  auto copy = [&](const std::string& table, const Condition& c) {
    KopirujTabulku(db_, db_, table, c, to.code, to.version, odd_id, CopyMode::kParts, log_);
  };
  auto exists = [&](const Selection& at) {
    return Count(db_, CountedTable(at.level),
                 *SelectionCondition(to.code, to.version, at, odd_id)) > 0;
  };
  Selection stand = s;
  stand.level = 2;
  const Condition stand_where = *SelectionCondition(unit_.code, unit_.version, stand);
  switch (s.level) {
    case 1:
    case 2:
      if (s.level == 2 && exists(s)) return "Nelze kopírovat, porost už existuje.";
      for (const char* t : {"POROST", "BEZLESI", "JINE_POZ", "PREKRYV"}) copy(t, *where);
      for (const std::string& t : GroupTables()) copy(t, *where);
      return s.level == 1 ? "Hotovo - Kopírování oddělění proběhlo."
                          : "Hotovo - Kopírování porostu proběhlo.";
    case 3:
    case 4:
    case 5: {
      if (!exists(stand)) copy("POROST", stand_where);
      if (exists(s)) {
        return s.level == 3   ? "Nelze kopírovat, PSK už existuje."
               : s.level == 4 ? "Nelze kopírovat, BZL už existuje."
                              : "Nelze kopírovat, JP už existuje.";
      }
      if (s.level == 3) {
        for (const std::string& t : GroupTables()) copy(t, *where);
        return "Hotovo - Kopírování porostní skupiny proběhlo.";
      }
      copy(s.level == 4 ? "BEZLESI" : "JINE_POZ", *where);
      return s.level == 4 ? "Hotovo - Kopírování bezlesí proběhlo."
                          : "Hotovo - Kopírování jiného pozemku proběhlo.";
    }
    default:
      return "Chyba při výběru pole";
  }
}

void Selections::EmptyStandCheck(const Selection& stand,
                                 const std::function<bool(const std::string&)>& delete_empty) {
  const Condition where = *SelectionCondition(unit_.code, unit_.version, stand);
  if (Count(db_, "POROST_SKUP", where) + Count(db_, "BEZLESI", where) +
          Count(db_, "JINE_POZ", where) >
      0)
    return;
  const std::string question = fmt::format(
      "Porost  {}{}{}  neobsahuje žádnou POROST_SKUP,BEZLESI ani JINY_POZ.\nMám "
      "jej smazat ?",
      stand.odd, stand.dil, stand.por);
  if (!delete_empty || !delete_empty(question)) return;
  db_.Execute("Delete from POROST where " + where.sql, where.params);
  db_.Execute("Delete from PREKRYV where " + where.sql, where.params);
}

std::string Selections::Smaz(const Selection& s, bool forest_land_only,
                             const std::function<bool(const std::string&)>& delete_empty) {
  const std::optional<Condition> where = SelectionCondition(unit_.code, unit_.version, s);
  if (!where) return "Chyba při výběru pole";
  if (forest_land_only && s.level == 4) return "Bezlesí není porostní půda.";
  if (forest_land_only && s.level == 5) return "Jiný pozemek není porostní půda.";
  deleted_ = true;
  db_.EnsureTransaction();
  auto remove = [&](const std::string& table) {
    platform::ui().SetStatus("Mažu " + table);
    db_.Execute("delete from " + table + " where " + where->sql, where->params);
  };
  auto stands_of_selection = [&]() {
    std::vector<Selection> stands;
    auto rows =
        db_.Query("select ODD,ODD_ID,DIL,POR from POROST where " + where->sql, where->params);
    while (rows->Next()) {
      Selection st = s;
      st.level = 2;
      st.dil = rows->AsString("DIL");
      st.por = rows->AsString("POR");
      stands.push_back(st);
    }
    return stands;
  };
  Selection stand = s;
  stand.level = 2;
  switch (s.level) {
    case 1:
    case 2: {
      const std::vector<Selection> stands = stands_of_selection();
      for (const std::string& t : GroupTables()) remove(t);
      if (!forest_land_only) {
        for (const char* t : {"BEZLESI", "JINE_POZ", "PREKRYV", "POROST"}) remove(t);
      } else {
        for (const Selection& st : stands) EmptyStandCheck(st, delete_empty);
      }
      return s.level == 1 ? "Hotovo - Mazání oddělění proběhlo."
                          : "Hotovo - Mazání porostu proběhlo.";
    }
    case 3:
      for (const std::string& t : GroupTables()) remove(t);
      EmptyStandCheck(stand, delete_empty);
      return "Hotovo - Mazání porostní skupiny proběhlo.";
    case 4:
    case 5:
      remove(s.level == 4 ? "BEZLESI" : "JINE_POZ");
      EmptyStandCheck(stand, delete_empty);
      return s.level == 4 ? "Hotovo - Mazání bezlesí proběhlo."
                          : "Hotovo - Mazání jiného pozemku proběhlo.";
    default:
      return "Chyba při výběru pole";
  }
}

std::string Selections::UkonciTransakci(bool keep) {
  std::string text;
  if (destination_ || deleted_) {
    if (keep) {
      if (db_.InTransaction()) db_.Commit();
      text = "provedeno definitvní zapsání změn z poslední transakce.";
    } else {
      db_.Rollback();
      text = "Změny z poslední transakce byly opět smazány.";
    }
  } else if (db_.InTransaction()) {
    db_.Commit();
  }
  destination_.reset();
  deleted_ = false;
  last_odd_.reset();
  chosen_odd_id_.reset();
  if (log_ && !text.empty()) log_(text);
  return text;
}

}  // namespace tarnik::plan::lcr
