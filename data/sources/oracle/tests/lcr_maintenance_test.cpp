// The maintenance of the LČR plan database through ODBC: the whole-unit copy with its commits, the
// rows it cannot insert, dates and apostrophes on the way, renumbering and deleting, and the
// selections' transaction.
#include "data/sources/oracle/lcr_maintenance.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/engine/server_connections.h"
#include "data/sources/oracle/tests/lcr_fixture.h"

namespace tarnik::plan::lcr {
namespace {

using engine::SqlConnection;
using engine::Timestamp;
using engine::Value;

Selection Part(int level, const std::string& dil, const std::string& por,
               const std::string& psk = "", int64_t plot = 0) {
  Selection s;
  s.level = level;
  s.odd = 11;
  s.dil = dil;
  s.por = por;
  s.psk = psk;
  s.plot = plot;
  return s;
}

// A target connection that records, at every commit, the inserts run since the previous one and
// the stands another connection sees then.
class CommitRecorder : public SqlConnection {
 public:
  CommitRecorder(SqlConnection& inner, std::function<int64_t()> visible)
      : inner_(inner), visible_(std::move(visible)) {}
  void Connect(const engine::ConnectionParams& p) override { inner_.Connect(p); }
  void Disconnect() override { inner_.Disconnect(); }
  bool IsConnected() const override { return inner_.IsConnected(); }
  std::unique_ptr<engine::SqlResult> Query(const std::string& sql,
                                           const std::vector<Value>& params) override {
    return inner_.Query(sql, params);
  }
  int64_t Execute(const std::string& sql, const std::vector<Value>& params) override {
    if (sql.rfind("INSERT", 0) == 0) ++inserts_;
    return inner_.Execute(sql, params);
  }
  void StartTransaction() override { inner_.StartTransaction(); }
  void Commit() override {
    inner_.Commit();
    commits.push_back(inserts_);
    visible.push_back(visible_());
    inserts_ = 0;
  }
  void Rollback() override { inner_.Rollback(); }
  bool InTransaction() const override { return inner_.InTransaction(); }

  std::vector<int64_t> commits, visible;

 private:
  SqlConnection& inner_;
  std::function<int64_t()> visible_;
  int64_t inserts_ = 0;
};

class LcrMaintenanceTest : public test::LcrFixture {
 protected:
  int64_t Count(SqlConnection& db, const std::string& sql) {
    auto rows = db.Query(sql);
    EXPECT_TRUE(rows->Next());
    return rows->AsInteger(rows->ColumnName(0));
  }
  bool Logged(const std::string& text) const {
    return std::find(log.begin(), log.end(), text) != log.end();
  }
  Log Logger() {
    return [this](const std::string& t) { log.push_back(t); };
  }
  std::vector<std::string> log;
};

TEST_F(LcrMaintenanceTest, WholeUnitCopyCommitsEveryHundredRowsAndCountsWhatItLost) {
  std::string sql = std::string(test::kPlanTables) +
                    "INSERT INTO LHC VALUES (615203, 0, 'Sněžné', '1998-03-05', 4246);";
  for (int i = 1; i <= 250; ++i)
    sql += "INSERT INTO POROST VALUES (615203, 0, " + std::to_string(i) +
           ", 0, 'A', '1', 1, 'Pod ''Horou''', NULL);";
  // A stand of another unit that is not copied, and a row the target refuses.
  sql +=
      "INSERT INTO POROST VALUES (615203, 1, 1, 0, 'A', '1', 1, NULL, NULL);"
      "INSERT INTO BEZLESI VALUES (615203, 0, 1, 0, 'A', '1', 3, 0, 0.5),"
      " (615203, 0, 1, 0, 'A', '1', 3, 0, 0.7);"
      "INSERT INTO POROST_SKUP VALUES (615203, 0, 1, 0, 'A', '1', 'O''1', 1.5, "
      " 'u ''Boudy'' ');";
  Server("LHP_ORAC", sql);
  Server("LHP_NOVA", std::string(test::kPlanTables) +
                         "CREATE UNIQUE INDEX BZL_KLIC ON BEZLESI (LHC_KOD, LHC_KOD_ID, BZL);");
  auto source = engine::ConnectServer("LHP_ORAC");
  auto connection = engine::ConnectServer("LHP_NOVA");
  auto observer = engine::ConnectServer("LHP_NOVA");
  CommitRecorder recorder(*connection, [&] {
    return Count(*observer, "select count(*) from POROST where LHC_KOD_ID = 7");
  });
  SqlConnection* target = &recorder;
  ASSERT_FALSE(UnitExists(*target, 615203, 7));
  const CopyCount count =
      KopirujLHC(*source, *target, {615203, 0, "Sněžné"}, {615203, 7, ""}, Logger());
  // LHC, MAJETEK, POROST after rows 100 and 200 and at its end, BEZLESI (one row refused), the
  // group and the empty tables at their ends; the stands are seen by others at once.
  EXPECT_EQ(recorder.commits,
            (std::vector<int64_t>{1, 0, 100, 100, 50, 2, 0, 0, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(std::vector<int64_t>(recorder.visible.begin() + 2, recorder.visible.begin() + 5),
            (std::vector<int64_t>{100, 200, 250}));
  EXPECT_EQ(count.copied, 1 + 250 + 1 + 1);
  EXPECT_EQ(count.lost, 1);
  EXPECT_TRUE(Logged("V tabulce POROST začínám kopírovat."));
  EXPECT_TRUE(Logged("V tabulce POROST 100 proveden commit"));
  EXPECT_TRUE(Logged("V tabulce POROST 200 proveden commit"));
  EXPECT_FALSE(Logged("V tabulce POROST 250 proveden commit"));
  EXPECT_TRUE(Logged("V tabulce POROST jsem všechno zkopíroval."));
  EXPECT_TRUE(Logged("Hotovo - zkopírováno LHC, ale 1 řádků se nepodařilo zkopírovat (viz výše)."));
  EXPECT_FALSE(Logged("Hotovo - zkopírováno LHC"));
  EXPECT_FALSE(target->InTransaction());

  // Everything is committed: another connection sees it, with the date and the apostrophes.
  auto check = engine::ConnectServer("LHP_NOVA");
  EXPECT_EQ(Count(*check, "select count(*) from POROST where LHC_KOD_ID = 7"), 250);
  EXPECT_EQ(Count(*check, "select count(*) from POROST where LHC_KOD_ID <> 7"), 0);
  auto lhc = check->Query("select * from LHC");
  ASSERT_TRUE(lhc->Next());
  EXPECT_EQ(lhc->Get("KU_DATUM"), Value(Timestamp{1998, 3, 5}));
  EXPECT_EQ(lhc->AsString("LHC_NAZ"), "Sněžné");
  lhc.reset();
  auto text = check->Query("select distinct POR_TEXT from POROST");
  ASSERT_TRUE(text->Next());
  EXPECT_EQ(text->AsString("POR_TEXT"), "Pod 'Horou'");
  text.reset();
  auto group =
      check->Query("select * from POROST_SKUP where LHC_KOD_ID = 7 and PSK = ?", {Value("O'1")});
  ASSERT_TRUE(group->Next());
  EXPECT_EQ(group->AsString("PSK_TEXT"), "u 'Boudy' ");
  group.reset();
  EXPECT_TRUE(UnitExists(*check, 615203, 7));
  // The date is stored as the date 5.3.1998 (a timestamp at midnight), not as a text or with day
  // and month swapped.
  EXPECT_EQ(Count(*check, "select count(*) from LHC where date(KU_DATUM) = '1998-03-05' and "
                          "time(KU_DATUM) = '00:00:00'"),
            1);
  auto day = check->Query("select * from LHC");
  ASSERT_TRUE(day->Next());
  const Value date = day->Get("KU_DATUM");
  ASSERT_TRUE(date.is_timestamp());
  EXPECT_EQ(date.timestamp().day, 5);
  EXPECT_EQ(date.timestamp().month, 3);
}

TEST_F(LcrMaintenanceTest, AColumnThatCannotTravelIsInsertedAsNullByName) {
  Server("LHP_ORAC", std::string(test::kPlanTables) +
                         "INSERT INTO POROST (LHC_KOD, LHC_KOD_ID, ODD, ODD_ID, DIL, POR, OBR) "
                         "VALUES (1, 0, 5, 3, 'B', '2', x'00ff');");
  auto db = engine::ConnectServer("LHP_ORAC");
  auto row = db->Query("select * from POROST");
  ASSERT_TRUE(row->Next());
  db->StartTransaction();
  EXPECT_TRUE(VlozRadek(*db, *row, "POROST", 2, 1, int64_t{9}, CopyMode::kParts, Logger()));
  row.reset();
  db->Commit();
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0].rfind("Bacha,Bacha fieldName \"OBR\"=", 0), 0u) << ui.Messages()[0];
  auto copied = db->Query("select * from POROST where LHC_KOD = 2");
  ASSERT_TRUE(copied->Next());
  EXPECT_EQ(copied->AsInteger("ODD_ID"), 9);
  EXPECT_EQ(copied->AsInteger("LHC_KOD_ID"), 1);
  EXPECT_EQ(copied->AsString("POR"), "2");
  EXPECT_TRUE(copied->Get("OBR").is_null());
}

TEST_F(LcrMaintenanceTest, RenumberingAndDeletingTouchOnlyTheUnitVersion) {
  Server("LHP_ORAC", std::string(test::kPlanTables) +
                         "INSERT INTO LHC VALUES (1, 0, 'a', NULL, 0), (1, 1, 'b', NULL, 0);"
                         "INSERT INTO POROST (LHC_KOD, LHC_KOD_ID, ODD) VALUES (1, 0, 1), "
                         "(1, 1, 2);"
                         "INSERT INTO SKODY (LHC_KOD, LHC_KOD_ID, ODD) VALUES (1, 0, 1);");
  auto db = engine::ConnectServer("LHP_ORAC");
  PrecislujLHC(*db, {1, 0, "a"}, {2, 5, ""}, Logger());
  EXPECT_EQ(ListUnits(*db), (std::vector<LcrUnitVersion>{{1, 1, "b"}, {2, 5, "a"}}));
  EXPECT_EQ(Count(*db, "select count(*) from SKODY where LHC_KOD = 2 and LHC_KOD_ID = 5"), 1);
  ZrusLHC(*db, {2, 5, "a"}, Logger());
  EXPECT_EQ(ListUnits(*db), (std::vector<LcrUnitVersion>{{1, 1, "b"}}));
  EXPECT_EQ(Count(*db, "select count(*) from POROST"), 1);
  EXPECT_EQ(Count(*db, "select count(*) from SKODY"), 0);
  EXPECT_TRUE(Logged("LHC smazáno"));
}

class SelectionsTest : public LcrMaintenanceTest {
 protected:
  void SetUp() override {
    // Unit 1/0 with stand 11A1 (its sub-compartment stored with a trailing blank) holding a
    // group and a species, and stand 11B' with an apostrophe; unit 2/0 is the destination.
    Server("LHP_ORAC",
           std::string(test::kPlanTables) +
               "INSERT INTO LHC VALUES (1, 0, 'zdroj', NULL, 0), (2, 0, 'cíl', NULL, 0);"
               "INSERT INTO POROST (LHC_KOD, LHC_KOD_ID, ODD, ODD_ID, DIL, POR) VALUES "
               " (1, 0, 11, 0, 'A ', '1'), (1, 0, 11, 0, 'B', '''');"
               "INSERT INTO POROST_SKUP (LHC_KOD, LHC_KOD_ID, ODD, ODD_ID, DIL, POR, PSK) "
               " VALUES (1, 0, 11, 0, 'A ', '1', '1a'), (1, 0, 11, 0, 'B', '''', '2');"
               "INSERT INTO DREVINA (LHC_KOD, LHC_KOD_ID, ODD, ODD_ID, DIL, POR, PSK, ETAZ, "
               " DR_ZKR) VALUES (1, 0, 11, 0, 'A ', '1', '1a', '1', 'SM');");
    db = engine::ConnectServer("LHP_ORAC");
  }
  int64_t InDestination(const std::string& table) {
    auto other = engine::ConnectServer("LHP_ORAC");
    return Count(*other, "select count(*) from " + table + " where LHC_KOD = 2");
  }
  std::unique_ptr<SqlConnection> db;
};

TEST_F(SelectionsTest, DecliningAtTheEndLeavesTheDestinationAsItWas) {
  Selections selections(*db, {1, 0, "zdroj"}, Logger());
  EXPECT_FALSE(selections.SetDestination({3, 0, ""}));
  EXPECT_TRUE(Logged("Nelze zkopírovat. LHC_KOD \"3\", LHC_KOD_ID \"0\" neexistuje. Zadej znovu."));
  ASSERT_TRUE(selections.SetDestination({2, 0, "cíl"}));
  const Selection stand = Part(2, "A", "1");
  EXPECT_EQ(selections.Kopiruj(stand), "Hotovo - Kopírování porostu proběhlo.");
  EXPECT_EQ(selections.Kopiruj(stand), "Nelze kopírovat, porost už existuje.");
  // The designation with an apostrophe is bound as it is.
  const Selection group = Part(3, "B", "'", "2");
  EXPECT_EQ(selections.Kopiruj(group), "Hotovo - Kopírování porostní skupiny proběhlo.");
  {
    auto rows = db->Query("select DR_ZKR from DREVINA where LHC_KOD = 2");
    ASSERT_TRUE(rows->Next());
    EXPECT_EQ(rows->AsString("DR_ZKR"), "SM");
    auto stands = db->Query("select count(*) as N from POROST where LHC_KOD = 2 and POR = ''''");
    ASSERT_TRUE(stands->Next());
    EXPECT_EQ(stands->AsInteger("N"), 1);  // the missing stand was copied first
  }
  EXPECT_EQ(InDestination("POROST"), 0);  // not committed yet
  EXPECT_EQ(selections.UkonciTransakci(false), "Změny z poslední transakce byly opět smazány.");
  EXPECT_EQ(InDestination("POROST"), 0);
  EXPECT_EQ(InDestination("POROST_SKUP"), 0);
  EXPECT_EQ(InDestination("DREVINA"), 0);

  ASSERT_TRUE(selections.SetDestination({2, 0, "cíl"}));
  EXPECT_EQ(selections.Kopiruj(stand), "Hotovo - Kopírování porostu proběhlo.");
  EXPECT_EQ(selections.UkonciTransakci(true),
            "provedeno definitvní zapsání změn z poslední transakce.");
  EXPECT_EQ(InDestination("POROST"), 1);
  EXPECT_EQ(InDestination("POROST_SKUP"), 1);
}

TEST_F(SelectionsTest, DeletingAGroupAsksAboutItsEmptyStand) {
  Selections selections(*db, {1, 0, "zdroj"}, Logger());
  std::vector<std::string> asked;
  const Selection group = Part(3, "A", "1", "1a");
  EXPECT_EQ(selections.Smaz(group, false,
                            [&](const std::string& q) {
                              asked.push_back(q);
                              return true;
                            }),
            "Hotovo - Mazání porostní skupiny proběhlo.");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0],
            "Porost  11A1  neobsahuje žádnou POROST_SKUP,BEZLESI ani JINY_POZ.\nMám jej smazat ?");
  const Selection plot = Part(4, "B", "'", "", 3);
  EXPECT_EQ(selections.Smaz(plot, true, nullptr), "Bezlesí není porostní půda.");
  EXPECT_EQ(selections.Smaz(Selection{}, false, nullptr), "Chyba při výběru pole");
  selections.UkonciTransakci(true);
  auto other = engine::ConnectServer("LHP_ORAC");
  EXPECT_EQ(Count(*other, "select count(*) from POROST where LHC_KOD = 1"), 1);
  EXPECT_EQ(Count(*other, "select count(*) from DREVINA"), 0);
}

TEST_F(SelectionsTest, TheDestinationsOddIdIsAskedOncePerCompartment) {
  // The destination holds compartment 11 twice (ODD_ID 5 and 7); compartment 12 not at all.
  db->Execute(
      "INSERT INTO POROST (LHC_KOD, LHC_KOD_ID, ODD, ODD_ID, DIL, POR) VALUES "
      " (2, 0, 11, 7, 'C', '1'), (2, 0, 11, 5, 'D', '1'), (1, 0, 12, 3, 'A', '1')");
  std::vector<std::pair<int64_t, std::vector<int64_t>>> asked;
  Selections selections(*db, {1, 0, "zdroj"}, Logger(),
                        [&](int64_t odd, const std::vector<int64_t>& ids) -> int64_t {
                          asked.emplace_back(odd, ids);
                          return 7;
                        });
  ASSERT_TRUE(selections.SetDestination({2, 0, "cíl"}));
  EXPECT_EQ(selections.Kopiruj(Part(2, "A", "1")), "Hotovo - Kopírování porostu proběhlo.");
  EXPECT_EQ(selections.Kopiruj(Part(3, "B", "'", "2")),
            "Hotovo - Kopírování porostní skupiny proběhlo.");
  ASSERT_EQ(asked.size(), 1u);  // kept for the compartment
  EXPECT_EQ(asked[0].first, 11);
  EXPECT_EQ(asked[0].second, (std::vector<int64_t>{5, 7}));
  Selection other = Part(2, "A", "1");
  other.odd = 12;
  other.odd_id = 3;
  EXPECT_EQ(selections.Kopiruj(other), "Hotovo - Kopírování porostu proběhlo.");
  EXPECT_EQ(asked.size(), 1u);  // the destination lacks compartment 12: nothing to ask
  auto ids = [&](const std::string& where) {
    std::vector<int64_t> found;
    auto rows =
        db->Query("select ODD_ID from POROST where LHC_KOD = 2 and " + where + " order by ODD_ID");
    while (rows->Next()) found.push_back(rows->AsInteger("ODD_ID"));
    return found;
  };
  EXPECT_EQ(ids("ODD = 11 and DIL in ('A ', 'B')"), (std::vector<int64_t>{7, 7}));
  EXPECT_EQ(ids("ODD = 12"), (std::vector<int64_t>{3}));
  {
    auto rows = db->Query("select ODD_ID from POROST_SKUP where LHC_KOD = 2");
    ASSERT_TRUE(rows->Next());
    EXPECT_EQ(rows->AsInteger("ODD_ID"), 7);
  }
  // A new transaction asks again.
  selections.UkonciTransakci(false);
  ASSERT_TRUE(selections.SetDestination({2, 0, "cíl"}));
  EXPECT_EQ(selections.Kopiruj(Part(2, "A", "1")), "Hotovo - Kopírování porostu proběhlo.");
  EXPECT_EQ(asked.size(), 2u);
}

}  // namespace
}  // namespace tarnik::plan::lcr
