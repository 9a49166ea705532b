#include "data/engine/table.h"

#include <gtest/gtest.h>

#include "data/engine/engine_error.h"
#include "data/engine/sqlite_util.h"
#include "platform/encoding.h"
#include "testing/engine_test_util.h"

namespace tarnik::engine {
namespace {

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = tmp_.File("plan");
    test::RunSql(dir_, test::Fixture("plan_small.sql"));
    db_ = std::make_unique<Database>(Database::Open(dir_));
  }
  std::vector<std::string> Column(Table& t, const std::string& field) {
    std::vector<std::string> out;
    for (t.First(); !t.Eof(); t.Next()) out.push_back(t.AsString(field));
    return out;
  }
  testing::TempDir tmp_;
  std::string dir_;
  std::unique_ptr<Database> db_;
};

TEST_F(TableTest, CzechIndexOrderPutsChAfterHAndAccentsAfterBase) {
  Table t(*db_, "jmena");
  t.SetIndexName("NAZEV");
  EXPECT_EQ(Column(t, "NAZEV"),
            (std::vector<std::string>{"", "a", "á", "b", "c", "C", "č", "d", "h", "ch", "i"}));
  // Equal texts ("c" and "C") keep ID order.
  t.FindKey({Value("c")});
  EXPECT_EQ(t.AsInteger("ID"), 4);
  t.Next();
  EXPECT_EQ(t.AsInteger("ID"), 10);
}

TEST_F(TableTest, PrimaryIndexOrdersNumbersAndNavigates) {
  Table t(*db_, "ODDELENI");
  EXPECT_EQ(Column(t, "ODD"), (std::vector<std::string>{"7", "12"}));
  EXPECT_EQ(t.RecordCount(), 2);
  t.First();
  EXPECT_TRUE(t.Bof());
  EXPECT_EQ(t.RecNo(), 1);
  t.Next();
  EXPECT_EQ(t.RecNo(), 2);
  EXPECT_FALSE(t.Eof());
  t.Next();
  EXPECT_TRUE(t.Eof());
  EXPECT_EQ(t.AsInteger("ODD"), 12);  // stays on the last row
  t.GoTo(1);
  EXPECT_EQ(t.AsInteger("ID"), 1);
  EXPECT_THROW(t.GoTo(3), EngineError);
}

TEST_F(TableTest, FieldsByNameAbsentAnsweredAsAbsent) {
  Table t(*db_, "JMENA");
  EXPECT_EQ(t.FindField("NEEXISTUJE"), nullptr);
  ASSERT_NE(t.FindField("nazev"), nullptr);
  EXPECT_EQ(t.FieldTypeOf("NAZEV"), FieldType::kAlpha);
  EXPECT_EQ(t.FieldSize("NAZEV"), 70);
  EXPECT_EQ(t.FieldTypeOf("DATUM"), FieldType::kDate);
  EXPECT_THROW(t.GetValue("NEEXISTUJE"), EngineError);
  t.GoTo(9);  // ID 9 has a null name
  EXPECT_TRUE(t.IsNull("NAZEV"));
  EXPECT_EQ(t.AsString("NAZEV"), "");
  EXPECT_EQ(t.AsInteger("POZN"), 0);
}

TEST_F(TableTest, FieldNamesIgnoreCaseAlsoInCzechLetters) {
  db_->Execute("CREATE TABLE POKUS (ID INTEGER, \"Číslo_Úseku\" INTEGER, Plocha DOUBLE)");
  db_->Execute("INSERT INTO POKUS VALUES (1, 42, 1.5)");
  Table t(*db_, "POKUS");
  EXPECT_EQ(t.AsInteger("číslo_úseku"), 42);
  EXPECT_EQ(t.AsInteger("ČÍSLO_ÚSEKU"), 42);
  EXPECT_DOUBLE_EQ(t.AsFloat("pLOCHA"), 1.5);
  EXPECT_EQ(t.FindField("Cislo_Useku"), nullptr);  // accents are not ignored
  EXPECT_EQ(t.FindField("PLOCH"), nullptr);
}

TEST_F(TableTest, KeyedSearchExactAndNearest) {
  Table t(*db_, "JMENA");
  t.SetIndexName("NAZEV");
  EXPECT_TRUE(t.FindKey({Value("CH")}));
  EXPECT_EQ(t.AsInteger("ID"), 2);
  t.First();
  EXPECT_FALSE(t.FindKey({Value("e")}));
  EXPECT_EQ(t.RecNo(), 1);  // stays
  t.FindNearest({Value("e")});
  EXPECT_EQ(t.AsString("NAZEV"), "h");
  t.FindNearest({Value("ž")});
  EXPECT_EQ(t.AsString("NAZEV"), "i");  // past every key: the last row
  t.SetIndexName("");
  EXPECT_TRUE(t.FindKey({Value("5")}));  // key text converted to the field's type
  EXPECT_EQ(t.AsString("NAZEV"), "h");
  EXPECT_THROW(t.SetIndexName("NEMA"), EngineError);
}

TEST_F(TableTest, RangeOnCompositeIndexYieldsOneLayersKind) {
  Table t(*db_, "NAVRH");
  t.SetIndexFieldNames("Vazba;N_Druh_vykonu;ID");
  t.SetRange({Value(100), Value(10), Value(0)}, {Value(100), Value(10), Value(900000)});
  EXPECT_EQ(Column(t, "ID"), (std::vector<std::string>{"1001", "1002"}));
  // Afforestation kinds 0 to 7.
  t.SetRange({Value(100), Value(0), Value(0)}, {Value(100), Value(7), Value(900000)});
  EXPECT_EQ(Column(t, "ID"), (std::vector<std::string>{"1004"}));
  t.SetRange({Value(101), Value(12), Value(0)}, {Value(101), Value(12), Value(900000)});
  EXPECT_TRUE(t.IsEmpty());
  EXPECT_TRUE(t.Eof());
  t.CancelRange();
  EXPECT_EQ(t.RecordCount(), 7);
  t.SetIndexName("VAZBA");  // the named index gives the same order
  EXPECT_EQ(t.index_fields(), (std::vector<std::string>{"Vazba", "N_Druh_vykonu", "ID"}));
}

TEST_F(TableTest, RangesOverTextAndInvertedOrFloatKeys) {
  Table t(*db_, "NAVRH");
  t.SetIndexFieldNames("Vazba;N_Druh_vykonu;ID");
  t.SetRange({Value(100.0), Value(11), Value(0)}, {Value(100.0), Value(12), Value(900000)});
  EXPECT_EQ(Column(t, "ID"), (std::vector<std::string>{"1000", "1005"}));
  t.SetRange({Value(101)}, {Value(100)});  // low above high
  EXPECT_TRUE(t.IsEmpty());
  t.SetRange({Value(100)}, {Value(101)});  // an open first field is filtered in memory
  EXPECT_EQ(t.RecordCount(), 7);
  // Text keys follow the Czech collation (CH after H), whatever SQLite would make of them.
  Table j(*db_, "JMENA");
  j.SetIndexName("NAZEV");
  j.SetRange({Value("h")}, {Value("ch")});
  EXPECT_EQ(Column(j, "NAZEV"), (std::vector<std::string>{"h", "ch"}));
  j.SetRange({Value("ch")}, {Value("ch")});
  EXPECT_EQ(Column(j, "ID"), (std::vector<std::string>{"2"}));
}

TEST_F(TableTest, ATableOpenedWithoutRowsReadsThemOnResume) {
  Table odd(*db_, "ODDELENI");
  Table dil(*db_, "DILEC", /*load_rows=*/false);
  EXPECT_TRUE(dil.IsEmpty());
  EXPECT_TRUE(dil.Eof());
  dil.SetIndexFieldNames("VAZBA;DIL");
  dil.SetMaster(&odd, "VAZBA", "ID");
  EXPECT_TRUE(dil.IsEmpty());  // still suspended
  odd.First();
  EXPECT_TRUE(dil.IsEmpty());
  dil.Resume();
  EXPECT_FALSE(dil.suspended());
  EXPECT_EQ(Column(dil, "DIL"), (std::vector<std::string>{"a", "b"}));
  odd.Next();
  EXPECT_EQ(Column(dil, "ID"), (std::vector<std::string>{"12"}));
  dil.Resume();  // a second call changes nothing
  EXPECT_EQ(dil.RecordCount(), 1);
}

TEST_F(TableTest, ARangeTakenFromAWiderTableHasTheRowsOfItsOwnRead) {
  Table all(*db_, "NAVRH");
  all.SetIndexFieldNames("Vazba;N_Druh_vykonu;ID");
  Table own(*db_, "NAVRH");
  own.SetIndexFieldNames("Vazba;N_Druh_vykonu;ID");
  Table from(*db_, "NAVRH");
  from.SetIndexFieldNames("Vazba;N_Druh_vykonu;ID");
  for (int layer : {100, 101, 102}) {
    all.SetRange({Value(layer)}, {Value(layer)});
    for (auto [low, high] : {std::pair{0, 7}, {10, 10}, {11, 11}, {12, 12}, {0, 12}}) {
      own.SetRange({Value(layer), Value(low), Value(0)},
                   {Value(layer), Value(high), Value(900000)});
      from.SetRangeFrom({Value(layer), Value(low), Value(0)},
                        {Value(layer), Value(high), Value(900000)}, all);
      EXPECT_EQ(Column(from, "ID"), Column(own, "ID")) << layer << " " << low << "-" << high;
    }
  }
  // Another index does not fit: the table reads its rows itself.
  Table other(*db_, "NAVRH");
  other.SetIndexFieldNames("ID");
  from.SetRangeFrom({Value(100), Value(10), Value(0)}, {Value(100), Value(10), Value(900000)},
                    other);
  EXPECT_EQ(Column(from, "ID"), (std::vector<std::string>{"1001", "1002"}));
}

TEST_F(TableTest, FirstOnASettledTableStillResetsMovedDetailsAndSeesWrites) {
  Transaction read(*db_);
  Table odd(*db_, "ODDELENI");
  Table dil(*db_, "DILEC");
  dil.SetIndexFieldNames("VAZBA;DIL");
  dil.SetMaster(&odd, "VAZBA");
  odd.First();  // ID 1: sub-compartments a (11) and b (10)
  dil.First();
  EXPECT_EQ(dil.AsString("DIL"), "a");
  dil.Next();
  EXPECT_EQ(dil.AsString("DIL"), "b");
  odd.First();  // a moved detail is put back on its first row
  EXPECT_EQ(dil.AsString("DIL"), "a");
  dil.First();
  EXPECT_EQ(dil.AsInteger("ID"), 11);
  // A write through another table of the connection is seen by the next First.
  Table writer(*db_, "DILEC");
  writer.SetIndexFieldNames("ID");
  ASSERT_TRUE(writer.FindKey({Value(11)}));
  writer.Edit();
  writer.SetString("DIL", "z");
  writer.Post();
  dil.First();
  EXPECT_EQ(dil.AsString("DIL"), "z");
  read.Commit();
}

TEST_F(TableTest, DetailRowsReadInATransactionShowLaterWritesOfAnyConnection) {
  Table odd(*db_, "ODDELENI");
  Table dil(*db_, "DILEC");
  dil.SetIndexFieldNames("VAZBA;DIL");
  dil.SetMaster(&odd, "VAZBA");
  Table writer(*db_, "DILEC");
  writer.SetIndexFieldNames("ID");
  {
    Transaction read(*db_);
    odd.First();  // the detail rows a (11) and b (10) are read whole here
    EXPECT_EQ(dil.AsString("DIL"), "a");
    ASSERT_TRUE(writer.FindKey({Value(10)}));
    writer.Edit();
    writer.SetString("DIL", "y");
    writer.Post();
    dil.Next();
    EXPECT_EQ(dil.AsInteger("ID"), 10);
    EXPECT_EQ(dil.AsString("DIL"), "y");
    read.Commit();
  }
  {
    Transaction read(*db_);
    odd.First();
    dil.Next();
    ASSERT_EQ(dil.AsInteger("ID"), 10);
    read.Commit();
  }
  // Another program writes between two transactions of this one; the rows read in the first
  // are not taken for the second.
  Database other = Database::Open(dir_);
  other.Execute("UPDATE DILEC SET DIL = 'x' WHERE ID = 11");
  Transaction read(*db_);
  dil.Prior();
  EXPECT_EQ(dil.AsInteger("ID"), 11);
  EXPECT_EQ(dil.AsString("DIL"), "x");
  read.Commit();
}
TEST_F(TableTest, DetailRowsReadForAllMasterRowsAtOnceAreThoseOfEachMasterRow) {
  auto walk = [&](bool in_transaction) {
    std::optional<Transaction> read;
    if (in_transaction) read.emplace(*db_);
    // A ranged master read inside a transaction lets its detail read for all its rows at once.
    Table odd(*db_, "ODDELENI");
    odd.SetIndexFieldNames("VAZBA;ID");
    odd.SetRange({Value(1)}, {Value(1)});
    Table dil(*db_, "DILEC");
    dil.SetIndexFieldNames("VAZBA;DIL");
    dil.SetMaster(&odd, "VAZBA");
    std::vector<std::string> out;
    for (odd.First(); !odd.Eof(); odd.Next()) {
      for (dil.First(); !dil.Eof(); dil.Next())
        out.push_back(odd.AsString("ID") + ":" + dil.AsString("DIL") + dil.AsString("ID"));
    }
    // A row written meanwhile is there when the master comes back.
    Table writer(*db_, "DILEC");
    writer.Append();
    writer.SetInteger("ID", 20 + static_cast<int>(out.size()));
    writer.SetInteger("VAZBA", 2);
    writer.SetString("DIL", "c");
    writer.Post();
    odd.First();
    odd.Next();
    out.push_back("2:" + std::to_string(dil.RecordCount()));
    if (read) read->Commit();
    return out;
  };
  const std::vector<std::string> one_by_one = walk(false);
  EXPECT_EQ(one_by_one, (std::vector<std::string>{"1:a11", "1:b10", "2:a12", "2:2"}));
  EXPECT_EQ(walk(true), (std::vector<std::string>{"1:a11", "1:b10", "2:a12", "2:c23", "2:3"}));
}

TEST_F(TableTest, MasterDetailFollowsTheMasterRow) {
  Table odd(*db_, "ODDELENI");
  Table dil(*db_, "DILEC");
  dil.SetIndexName("VAZBA");
  dil.SetMaster(&odd, "VAZBA");
  odd.First();  // ID 1
  EXPECT_EQ(Column(dil, "ID"), (std::vector<std::string>{"10", "11"}));
  odd.Next();  // ID 2
  EXPECT_EQ(Column(dil, "ID"), (std::vector<std::string>{"12"}));
  // A new detail row takes the link value.
  dil.Append();
  dil.SetInteger("ID", 13);
  dil.Post();
  EXPECT_EQ(dil.AsInteger("VAZBA"), 2);
  EXPECT_EQ(dil.RecordCount(), 2);
  // A pending edit is posted when the master moves.
  dil.First();
  dil.Edit();
  dil.SetString("DIL", "c");
  odd.First();
  odd.Next();
  dil.First();
  EXPECT_EQ(dil.AsString("DIL"), "c");
}

TEST_F(TableTest, DetailOfEmptyMasterIsEmptyAndUnlinksOnDestruction) {
  db_->Execute("DELETE FROM ETAZ");
  Table etaz(*db_, "ETAZ");
  auto navrh = std::make_unique<Table>(*db_, "NAVRH");
  navrh->SetIndexName("VAZBA");
  navrh->SetMaster(&etaz, "Vazba");
  EXPECT_TRUE(navrh->IsEmpty());
  navrh.reset();
  etaz.Refresh();  // must not touch the destroyed detail
  SUCCEED();
}

TEST_F(TableTest, ApostrophesTravelAsValues) {
  Table t(*db_, "JMENA");
  t.Append();
  t.SetInteger("ID", 50);
  t.SetString("NAZEV", "O'Brien'); DROP TABLE JMENA; --");
  t.Post();
  Table u(*db_, "JMENA");
  ASSERT_TRUE(u.FindKey({Value(50)}));
  EXPECT_EQ(u.AsString("NAZEV"), "O'Brien'); DROP TABLE JMENA; --");
}

TEST_F(TableTest, TextWidthCountedInCharacters) {
  std::string sixty;
  for (int i = 0; i < 6; ++i) sixty += "žluťoučký ";  // 10 characters, 16 bytes
  ASSERT_EQ(platform::Utf8Length(sixty), 60u);
  Table t(*db_, "JMENA");
  t.Append();
  t.SetInteger("ID", 60);
  t.SetString("NAZEV", sixty);
  t.Post();
  EXPECT_EQ(t.AsString("NAZEV"), sixty);
  t.Edit();
  t.SetString("NAZEV", sixty + sixty);
  t.Post();
  EXPECT_EQ(platform::Utf8Length(t.AsString("NAZEV")), 70u);
  EXPECT_EQ(t.AsString("NAZEV"), sixty + platform::Utf8Prefix(sixty, 10));
}

TEST_F(TableTest, EditPostCancelDelete) {
  Table t(*db_, "ODDELENI");
  t.First();
  t.Edit();
  t.SetInteger("ODD", 99);
  EXPECT_EQ(t.AsInteger("ODD"), 99);  // the buffer
  t.Cancel();
  EXPECT_EQ(t.AsInteger("ODD"), 7);
  EXPECT_THROW(t.SetInteger("ODD", 1), EngineError);  // not editing
  t.Append();
  t.SetInteger("ID", 3);
  t.SetString("ODD", "5");
  EXPECT_THROW(t.SetString("ODD", "40000"), EngineError);
  t.Post();
  EXPECT_EQ(t.AsInteger("ID"), 3);
  EXPECT_EQ(t.RecNo(), 3);
  t.Append();
  t.SetInteger("ID", 3);
  EXPECT_THROW(t.Post(), EngineError);  // duplicate primary key
  t.Cancel();
  t.GoTo(2);
  t.Delete();
  EXPECT_EQ(t.RecordCount(), 2);
  EXPECT_EQ(t.AsInteger("ID"), 3);  // the row that followed
  t.Last();
  t.Delete();
  EXPECT_EQ(t.AsInteger("ID"), 1);
}

TEST_F(TableTest, TypedConversions) {
  Table t(*db_, "JMENA");
  t.Append();
  t.SetInteger("ID", 70);
  t.SetString("DATUM", "9.12.2026");
  t.SetBoolean("ANO", true);
  t.SetString("POZN", "");
  t.Post();
  EXPECT_EQ(t.GetValue("DATUM"), Value("2026-12-09"));
  EXPECT_EQ(t.AsString("DATUM"), "9.12.2026");
  EXPECT_TRUE(t.AsBoolean("ANO"));
  EXPECT_TRUE(t.IsNull("POZN"));
  t.Edit();
  EXPECT_THROW(t.SetString("DATUM", "31.2.2026"), EngineError);
  EXPECT_THROW(t.SetString("ID", "abc"), EngineError);
  t.SetString("ID", "70,0");
  t.Cancel();
  Table o(*db_, "ODDELENI");
  o.First();
  EXPECT_DOUBLE_EQ(o.AsFloat("ID"), 1.0);
  EXPECT_EQ(o.AsString("ID"), "1");
}

TEST_F(TableTest, OpenByPathAndReadOnly) {
  auto t = Table::OpenPath(dir_ + "/Oddeleni.DB");
  EXPECT_EQ(t->RecordCount(), 2);
  auto r = Table::OpenPath(dir_ + "/ODDELENI", OpenMode::kReadOnly);
  r->First();
  EXPECT_THROW(r->Edit(), EngineError);
  EXPECT_THROW(Table(*db_, "NENI"), EngineError);
}

// Columns appended in place hold what reading each column on its own gives, for every storage
// class, and a detail read whole shows the same values row by row.
TEST_F(TableTest, ColumnsAppendedInPlaceEqualColumnsReadOneByOne) {
  Statement st(db_->handle(),
               "SELECT 7, -2.5, NULL, 'text longer than a short string', x'00ff41', 9000000000");
  ASSERT_TRUE(st.Step());
  std::vector<Value> appended{Value("kept")};
  st.AppendColumns(0, 6, &appended);
  ASSERT_EQ(appended.size(), 7u);
  EXPECT_EQ(appended[0], Value("kept"));
  for (int i = 0; i < 6; ++i) EXPECT_EQ(appended[static_cast<size_t>(i) + 1], st.Column(i)) << i;
  EXPECT_TRUE(appended[1].is_integer());
  EXPECT_TRUE(appended[2].is_real());
  EXPECT_TRUE(appended[3].is_null());
  EXPECT_TRUE(appended[4].is_text());
  EXPECT_TRUE(appended[5].is_bytes());
  EXPECT_EQ(appended[6].integer(), 9000000000);
  std::vector<Value> none;
  st.AppendColumns(2, 0, &none);
  EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace tarnik::engine
