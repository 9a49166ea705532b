#include "data/engine/plan_tables.h"

#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "data/engine/local_sql.h"
#include "platform/recording_ui.h"
#include "testing/engine_test_util.h"

namespace tarnik::engine {
namespace {

class PlanTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::BuildSqlDirectory("samples/demo/DATA", tmp_.File("DATA"));
    db_ = std::make_unique<Database>(Database::Open(tmp_.File("DATA")));
  }
  // IDs of `table` with the given VAZBA in index order (VAZBA, then ID).
  std::vector<int64_t> ChildIds(const std::string& table, const std::string& link, Value parent) {
    Query q(*db_);
    q.SetSql("SELECT {} FROM {} WHERE {} = ? ORDER BY {}", {"ID", table, link, "ID"});
    q.SetParams({parent});
    q.Open();
    std::vector<int64_t> ids;
    for (; !q.Eof(); q.Next()) ids.push_back(q.AsInteger("ID"));
    return ids;
  }
  std::vector<int64_t> Walk(Table& t) {
    std::vector<int64_t> ids;
    for (t.First(); !t.Eof(); t.Next()) ids.push_back(t.AsInteger("ID"));
    return ids;
  }
  int64_t Count(const std::string& table) {
    Query q(*db_);
    q.SetSql("SELECT COUNT(*) AS N FROM {}", {table});
    q.Open();
    return q.AsInteger("N");
  }
  testing::TempDir tmp_;
  std::unique_ptr<Database> db_;
};

TEST_F(PlanTablesTest, MasterDetailWalksTheSampleInIndexOrder) {
  PlanTables p(*db_);
  Table& odd = *p.Get("TB_ODD");
  Table& dl = *p.Get("TB_DL");
  Table& por = *p.Get("TB_Porost");
  Table& sk = *p.Get("TB_SK");
  Table& etaz = *p.Get("TB_ETAZ");
  Table& dr = *p.Get("TB_DR");
  Table& posk = *p.Get("Tb_Poskoz");
  int64_t groups = 0, layers = 0, species = 0, damages = 0;
  std::vector<int> compartments;
  for (odd.First(); !odd.Eof(); odd.Next()) {
    compartments.push_back(static_cast<int>(odd.AsInteger("ODD")));
    EXPECT_EQ(Walk(dl), ChildIds("DILEC", "VAZBA", odd.GetValue("ID")));
    for (dl.First(); !dl.Eof(); dl.Next()) {
      EXPECT_EQ(Walk(por), ChildIds("POROST", "VAZBA", dl.GetValue("ID")));
      for (por.First(); !por.Eof(); por.Next()) {
        EXPECT_EQ(Walk(sk), ChildIds("PS", "VAZBA", por.GetValue("ID")));
        for (sk.First(); !sk.Eof(); sk.Next(), ++groups) {
          EXPECT_EQ(Walk(etaz), ChildIds("ETAZ", "VAZBA", sk.GetValue("ID")));
          for (etaz.First(); !etaz.Eof(); etaz.Next(), ++layers) {
            EXPECT_EQ(Walk(dr), ChildIds("DREVINA", "VAZBA", etaz.GetValue("ID")));
            for (dr.First(); !dr.Eof(); dr.Next(), ++species) {
              for (posk.First(); !posk.Eof(); posk.Next(), ++damages) {
                EXPECT_EQ(posk.AsFloat("Vazba"), dr.AsFloat("ID"));
              }
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(compartments, (std::vector<int>{11, 12, 13}));
  EXPECT_EQ(groups, 30);
  EXPECT_EQ(groups, Count("PS"));
  EXPECT_EQ(layers, Count("ETAZ"));
  EXPECT_EQ(species, Count("DREVINA"));
  EXPECT_EQ(damages, Count("POSKOZ"));
}

TEST_F(PlanTablesTest, ProposalViewsFollowTheCurrentLayer) {
  PlanTables p(*db_);
  Table& etaz = *p.Get("TB_ETAZ");
  etaz.ClearMaster();  // every layer of the unit
  etaz.SetIndexFieldNames("ID");
  int64_t proposals = 0;
  for (etaz.First(); !etaz.Eof(); etaz.Next()) {
    for (const auto& v : ProposalViews()) {
      Query q(*db_);
      q.SetSql("SELECT {} FROM {} WHERE {} = ? AND {} BETWEEN ? AND ? ORDER BY {}, {}",
               {"ID", "NAVRH", "Vazba", "N_Druh_vykonu", "N_Druh_vykonu", "ID"});
      q.SetParams({etaz.GetValue("ID"), Value(v.first_kind), Value(v.last_kind)});
      q.Open();
      std::vector<int64_t> expected;
      for (; !q.Eof(); q.Next()) expected.push_back(q.AsInteger("ID"));
      EXPECT_EQ(Walk(*p.Get(v.name)), expected) << v.name << " of layer " << etaz.AsString("ID");
      proposals += static_cast<int64_t>(expected.size());
    }
  }
  EXPECT_EQ(proposals, Count("NAVRH"));
  EXPECT_GT(proposals, 0);
}

TEST_F(PlanTablesTest, NewRowsGetIdentifiersAndViewsEmpty) {
  PlanTables p(*db_);
  Table& etaz = *p.Get("TB_ETAZ");
  Table& tezob = *p.Get("TB_TEZOB");
  // A layer with a regeneration felling.
  Query q(*db_);
  q.SetSql("SELECT {} AS V FROM {} WHERE {} = 10 LIMIT 1", {"Vazba", "NAVRH", "N_Druh_vykonu"});
  q.Open();
  Value layer = q.GetValue("V");
  etaz.ClearMaster();
  etaz.SetIndexFieldNames("ID");
  ASSERT_TRUE(etaz.FindKey({layer}));
  ASSERT_FALSE(tezob.IsEmpty());
  int64_t others = Count("NAVRH") - tezob.RecordCount();
  tezob.Append();
  tezob.SetValue("Vazba", layer);
  tezob.SetInteger("N_Druh_vykonu", 10);
  EXPECT_EQ(p.PostWithNewIdentifier(tezob, "NAVRH"), 110);  // the sample issued 109
  EXPECT_EQ(tezob.AsInteger("ID"), 110);
  EXPECT_EQ(p.NewIdentifier("NAVRH"), 111);
  p.EmptyProposalView(tezob);
  EXPECT_TRUE(tezob.IsEmpty());
  EXPECT_EQ(Count("NAVRH"), others);
  p.Close();
  EXPECT_EQ(p.Get("TB_ODD"), nullptr);
}

TEST_F(PlanTablesTest, RowOutsideTheViewIsReported) {
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  PlanTables p(*db_);
  Table& dl = *p.Get("TB_DL");
  dl.ClearMaster();
  dl.SetIndexFieldNames("ID");
  dl.SetRange({Value(1000)}, {Value(2000)});  // shows nothing the new row could fall into
  dl.Append();
  dl.SetInteger("VAZBA", 1);
  dl.SetString("DIL", "Z");
  EXPECT_EQ(p.PostWithNewIdentifier(dl, "DILEC"), 8);
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{"Po přidání ID nejsou v tabulce \"DILEC\" žádné řádky."});
  EXPECT_THROW(p.PostWithNewIdentifier(dl, "DILEC"), EngineError);  // not appending
}

TEST_F(PlanTablesTest, MissingTablesAreAbsent) {
  db_->DropTable("ZvlSt");
  PlanTables p(*db_);
  EXPECT_EQ(p.Get("Tb_ZvlSt"), nullptr);
  EXPECT_NE(p.Get("tb_zal"), nullptr);
}

TEST(LocalSqlTest, NamesAreQuotedValuesBoundAndPathsResolved) {
  EXPECT_EQ(SqlWithNames("UPDATE {} SET {} = ?", {"PS", "a\"b"}),
            "UPDATE \"PS\" SET \"a\"\"b\" = ?");
  EXPECT_THROW(SqlWithNames("SELECT {} FROM {}", {"A"}), EngineError);
  EXPECT_THROW(SqlWithNames("SELECT 1", {"A"}), EngineError);
  EXPECT_EQ(SplitTablePath("C:\\LHP\\DATA\\ps.db").directory, "C:/LHP/DATA");
  EXPECT_EQ(SplitTablePath("C:\\LHP\\DATA\\ps.db").table, "ps");
  EXPECT_EQ(SplitTablePath("PS.DB").directory, ".");

  testing::TempDir tmp;
  test::RunSql(tmp.File("d"),
               "CREATE TABLE POR_POZN (VAZBA DOUBLE, ID DOUBLE, POZNAMKA VARCHAR(255));");
  std::string table;
  Query q = Query::OnTablePath(tmp.File("d") + "/por_pozn.DB", &table);
  EXPECT_EQ(table, "POR_POZN");
  q.SetSql("INSERT INTO {} ({}, {}, {}) VALUES (?, ?, ?)", {table, "VAZBA", "ID", "POZNAMKA"});
  q.SetParams({Value(5), Value(1), Value("porost 'U Křížku'; DROP TABLE POR_POZN --")});
  EXPECT_EQ(q.ExecSql(), 1);
  q.SetSql("SELECT * FROM {} WHERE {} = ?", {table, "POZNAMKA"});
  q.SetParams({Value("porost 'U Křížku'; DROP TABLE POR_POZN --")});
  q.Open();
  EXPECT_EQ(q.RecordCount(), 1);
  EXPECT_EQ(q.AsInteger("ID"), 1);
  EXPECT_EQ(q.FindField("NENI"), nullptr);
  EXPECT_THROW(q.GetValue("NENI"), EngineError);
  q.SetSql("DELETE FROM {} WHERE {} = ?", {table, "VAZBA"});
  q.SetParams({Value(5)});
  EXPECT_EQ(q.ExecSql(), 1);

  // Several added columns are one statement: a failing one adds none.
  Database& db = q.database();
  EXPECT_THROW(AlterTableAdd(db, "POR_POZN",
                             {{"NOVA", {FieldType::kInteger, 0}, false},
                              {"ID", {FieldType::kInteger, 0}, false}}),
               EngineError);
  EXPECT_FALSE(db.FindColumn("POR_POZN", "NOVA"));
  EXPECT_FALSE(db.InTransaction());
}

}  // namespace
}  // namespace tarnik::engine
