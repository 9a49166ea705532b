#include "app/commands/numerical_import.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

#include "app/commands/tests/program_fixture.h"
#include "forest/option_flags.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_session.h"
#include "islh/xml_import.h"
#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::app {
namespace {

using platform::Button;
using platform::Severity;
using Strings = std::vector<std::string>;
using Status = ImportResult::Status;

// Every row of every table of a database file, in a fixed order, as one text. Opening the file
// read-write lets SQLite roll back a journal a killed writer left behind.
std::string Dump(const std::string& file) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) return "?";
  std::string text;
  std::vector<std::string> tables;
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "SELECT name, sql FROM sqlite_master WHERE type='table' ORDER BY name", -1,
                     &st, nullptr);
  while (sqlite3_step(st) == SQLITE_ROW) {
    tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    text += reinterpret_cast<const char*>(sqlite3_column_text(st, 1)) + std::string("\n");
  }
  sqlite3_finalize(st);
  for (const std::string& table : tables) {
    text += "[" + table + "]\n";
    sqlite3_prepare_v2(db, ("SELECT * FROM \"" + table + "\" ORDER BY rowid").c_str(), -1, &st,
                       nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) {
      for (int i = 0; i < sqlite3_column_count(st); ++i) {
        const unsigned char* v = sqlite3_column_text(st, i);
        text += (v ? reinterpret_cast<const char*>(v) : "NULL") + std::string("|");
      }
      text += "\n";
    }
    sqlite3_finalize(st);
  }
  sqlite3_close(db);
  return text;
}

// The first column of the first row of a query on a database file ("" without rows).
std::string Query(const std::string& file, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* st = nullptr;
  std::string out;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
    while (sqlite3_step(st) == SQLITE_ROW) {
      const unsigned char* v = sqlite3_column_text(st, 0);
      out += (out.empty() ? "" : ",") + std::string(v ? reinterpret_cast<const char*>(v) : "NULL");
    }
  } else {
    out = std::string("error: ") + sqlite3_errmsg(db);
  }
  sqlite3_finalize(st);
  sqlite3_close(db);
  return out;
}

void Sql(const std::string& file, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  char* error = nullptr;
  sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  ASSERT_EQ(message, "") << sql;
}

// A session whose unit the test owns.
plan::UnitSessionOptions OwnedByTheTest() {
  plan::UnitSessionOptions options;
  options.add_to_world = false;
  return options;
}

// A document of one unit with the given content of its LHC element.
std::string Document(const std::string& content) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<DATAISLH>\r\n"
         "<LHC LHC_KOD=\"615203\" LHC_NAZ=\"Sněžné\">\r\n" +
         content + "\r\n</LHC>\r\n</DATAISLH>\r\n";
}

// A compartment with one stand, its group and one layer with the given species.
std::string Compartment(int odd, const std::string& stand_attributes = "",
                        const std::string& layer = "<ETZ ETAZ=\"5\" ETAZ_PP=\"2.00\"/>") {
  return "<ODD ODD=\"" + std::to_string(odd) + "\"><DIL DIL=\"A\"><POR POR=\"1\" " +
         stand_attributes + "><KAT KATEGORIE=\"10\"/><PSK PSK=\"1\" PSK_P=\"2.00\">" + layer +
         "</PSK></POR></DIL></ODD>";
}

class NumericalImportTest : public ::testing::Test, public test::ProgramUnitFixture {
 protected:
  NumericalImportTest() {
    forest::Flags() = forest::OptionFlags();
    CreatePlanDatabase(data_);
  }
  ~NumericalImportTest() override {
    plan::CloseUnitSession(session_);
    forest::Flags() = forest::OptionFlags();
  }

  std::string plan() const { return data_ + "/tables.sqlite"; }
  std::string phs() const { return tmp.File("u/PHS/tables.sqlite"); }

  ImportResult Import(const std::string& document, std::vector<Button> answers = {}) {
    const std::string file = tmp.File("doc.xml");
    testing::WriteFile(file, document);
    plan::CloseUnitSession(session_);
    session_ = plan::OpenUnitSession(data_, OwnedByTheTest());
    EXPECT_TRUE(session_.ok()) << session_.failure;
    log_.clear();
    session_.unit->SetLogLine([this](const std::string& text) { log_.push_back(text); });
    ui.Clear();
    ui.files.push_back(file);
    for (Button b : answers) ui.answers.push_back(b);
    return ImportNumerical(*session_.unit);
  }
  std::vector<std::string> Questions() const {
    Strings out;
    for (const auto& s : ui.shown)
      if (s.kind == "question") out.push_back(s.caption + ": " + s.text);
    return out;
  }

  std::string data_ = tmp.File("u/DATA");
  plan::UnitSession session_;
  Strings log_;  // the unit's log line
};

TEST_F(NumericalImportTest, AnEmptyDatabaseIsNotAskedAndIdentifiersContinue) {
  Sql(plan(), "INSERT INTO ID (Tabulka, ID) VALUES ('ODDELENI', 40), ('POROST', 7)");
  ImportResult r = Import(Document(Compartment(3) + Compartment(4)));
  ASSERT_EQ(r.status, Status::kDone) << ::testing::PrintToString(ui.Messages());
  EXPECT_TRUE(Questions().empty());
  EXPECT_EQ(r.compartments, 2);
  EXPECT_EQ(Query(plan(), "SELECT CAST(ID AS INTEGER) || ':' || ODD FROM ODDELENI ORDER BY ID"),
            "41:3,42:4");
  EXPECT_EQ(Query(plan(), "SELECT CAST(ID AS INTEGER) FROM POROST ORDER BY ID"), "8,9");
  EXPECT_EQ(Query(plan(), "SELECT ID FROM ID WHERE Tabulka = 'ODDELENI'"), "42.0");
  // A key without a counter starts at 1; ZVL_STATUT and POR_POZN are stored cut to the column.
  EXPECT_EQ(Query(plan(), "SELECT ID FROM ID WHERE Tabulka = 'DILEC'"), "2.0");
  EXPECT_EQ(Query(plan(), "SELECT VAZBA FROM ODDELENI"), "1.0,1.0");
  EXPECT_EQ(Query(plan(), "SELECT ID || ':' || LHC_KOD FROM LHC"), "1.0:615203.0");
  EXPECT_EQ(ui.Statuses().back(), "Načtení ze souboru \"doc.xml\" provedeno.");
  // Each compartment write reports its steps on the unit's log line.
  ASSERT_EQ(log_.size(), 16u) << ::testing::PrintToString(log_);
  EXPECT_EQ(Strings(log_.begin(), log_.begin() + 8),
            (Strings{"V UlozOddeleni_DB98 3", "Pred uloz polozky ", "Za uloz polozky ",
                     "Pred uloz dilec  3A", "Za uloz dilec  ", "Pred uloz porost  Porost: ODD 3A1",
                     "Pred afterInsert ", "Koncim UlozOddeleni_DB98 3"}));
  EXPECT_EQ(log_[8], "V UlozOddeleni_DB98 4");
}

TEST_F(NumericalImportTest, ExistingCompartmentsAreEmptiedOrKeptAsAnswered) {
  ASSERT_EQ(Import(Document(Compartment(1) + Compartment(2))).status, Status::kDone);

  // "Ne": the document is added to what is there.
  ASSERT_EQ(Import(Document(Compartment(3)), {Button::kNo}).status, Status::kDone);
  ASSERT_EQ(Questions().size(), 1u);
  EXPECT_EQ(Questions()[0],
            "Dotaz na úplné vymazání zdroje: Vymazat všechna data ze zdroje ?\n"
            "Data obsahují 2 různých oddělení.\n" +
                data_);
  EXPECT_EQ(Query(plan(), "SELECT ODD FROM ODDELENI ORDER BY ID"), "1,2,3");

  // "ukončit": nothing changes at all.
  const std::string before = Dump(plan()) + Dump(phs());
  EXPECT_EQ(Import(Document(Compartment(9)), {Button::kQuit}).status, Status::kQuit);
  EXPECT_EQ(Dump(plan()) + Dump(phs()), before);

  // "Ano": the old data go, identifiers go on.
  ASSERT_EQ(Import(Document(Compartment(5)), {Button::kYes}).status, Status::kDone);
  EXPECT_EQ(Query(plan(), "SELECT ID || ':' || ODD FROM ODDELENI"), "4.0:5");
  EXPECT_EQ(Query(plan(), "SELECT COUNT(*) FROM POROST"), "1");

  // A single compartment 0 is no data: emptied without asking.
  Sql(plan(), "DELETE FROM ODDELENI; INSERT INTO ODDELENI (ID, VAZBA, ODD) VALUES (77, 1, 0)");
  ASSERT_EQ(Import(Document(Compartment(6))).status, Status::kDone);
  EXPECT_TRUE(Questions().empty());
  EXPECT_EQ(Query(plan(), "SELECT ODD FROM ODDELENI"), "6");
}

TEST_F(NumericalImportTest, ColumnRulesOfTheWriters) {
  const std::string layer =
      "<ETZ ETAZ=\"5\" ETAZ_PP=\"2.00\" Rok_zjisteni_zasoby=\"2004\" TV_P=\"2.00\" TV_NAL=\"1\">"
      "<DRV DR_ZKR=\"SM\" ZAST=\"60\" IMISE=\"0/1\" DR_TV=\"10\"/>"
      "<DRV DR_ZKR=\"BK\" ZAST=\"40\" IMISE=\"\" DR_TV=\"5\"/></ETZ>"
      "<ETZ ETAZ=\"1\" ETAZ_PP=\"1.00\" Rok_zjisteni_zasoby=\"1998\"/>";
  ImportResult r =
      Import(Document("<ODD ODD=\"1\"><DIL DIL=\"A\"><POR Por = '3' OLH=\"x7\">"
                      "<PSK PSK=\"1\">" +
                      layer + "</PSK></POR></DIL></ODD>"));
  ASSERT_EQ(r.status, Status::kDone);
  EXPECT_EQ(Query(plan(), "SELECT POR || '/' || OLH FROM POROST"), "3/0");
  EXPECT_EQ(Query(plan(), "SELECT IMISE FROM DREVINA ORDER BY ID"), "01,0");
  EXPECT_EQ(Query(plan(), "SELECT Rok_zjisteni_zasoby FROM ETAZ ORDER BY ID"), "4,98");
  // Areas of the species follow the layer when the document gives none.
  EXPECT_EQ(Query(plan(), "SELECT PLOCHA_DREVINY FROM DREVINA ORDER BY ID"), "1.2,0.8");
  // The thinning: one row per species, the layer's area in the first species' row; volumes
  // with bark (the document's are under bark).
  EXPECT_EQ(Query(plan(),
                  "SELECT N_Zkratka_dreviny || ':' || N_Plocha || ':' || N_Objem FROM NAVRH "
                  "WHERE N_Druh_vykonu = 11 ORDER BY ID"),
            "SM :2.0:11.0,BK :0.0:6.0");
  EXPECT_EQ(Query(plan(), "SELECT DISTINCT N_Plocha_br FROM NAVRH"), "-1");
}

TEST_F(NumericalImportTest, RemarksAndProposalsGoOverRowsLeftForTheStand) {
  // Rows for the identifiers the new stand and layer will get, left behind with ID at 0.
  ASSERT_EQ(Import(Document(Compartment(1))).status, Status::kDone);
  Sql(plan(),
      "DELETE FROM POROST; DELETE FROM ETAZ; DELETE FROM ID WHERE Tabulka IN ('POROST', 'ETAZ');"
      "INSERT INTO POR_POZN (VAZBA, ID, POZNAMKA) VALUES (1, 0, 'a'), (1, 1, 'b'), (1, 2, 'c'),"
      " (1, 3, 'd'), (1, 4, 'e');"
      "INSERT INTO NAVRH (ID, Vazba, N_Druh_vykonu, N_Zkratka_dreviny) VALUES"
      " (500, 1, 11, 'SM '), (501, 1, 10, 'SM '), (502, 1, 12, '000');");
  const std::string remarks = "POR_TEXT=\"first&#13;&#10;second&#13;&#10;third\"";
  ASSERT_EQ(Import(Document(Compartment(2, remarks,
                                        "<ETZ ETAZ=\"5\" ETAZ_PP=\"2.00\" PRO_P=\"1.50\">"
                                        "<DRV DR_ZKR=\"SM\" ZAST=\"100\"/></ETZ>")),
                   {Button::kNo})
                .status,
            Status::kDone);
  EXPECT_EQ(Query(plan(), "SELECT ID || ':' || POZNAMKA FROM POR_POZN WHERE VAZBA = 1 ORDER BY ID"),
            "0.0:first,1.0:second,2.0:third");
  // The layer has neither thinning nor felling: their old rows went; the cleaning row was
  // written over.
  EXPECT_EQ(Query(plan(),
                  "SELECT ID || ':' || N_Druh_vykonu || ':' || N_Plocha FROM NAVRH "
                  "WHERE Vazba = 1 ORDER BY ID"),
            "502.0:12:1.5");
}

TEST_F(NumericalImportTest, CodeListsKeepCodesAndColumnsTheDocumentDoesNotCarry) {
  Sql(phs(),
      "INSERT INTO KATASTRY (Kod, POPIS, ORP) VALUES (752061, 'Sněžné', 6107);"
      "INSERT INTO TAB_HS (CISLO_HS, NAZEV_HS, POC_PROR) VALUES (53, 'staré', 4);"
      "INSERT INTO MAJETKY (MAJ_KOD, MAJ_DRUH, MAJ_NAZ) VALUES (2, 1, 'obec');");
  const std::string stands =
      "<ODD ODD=\"1\"><DIL DIL=\"A\">"
      "<POR POR=\"1\" MAJ_KOD=\"1\" MAJ_DRUH=\"1\" MAJ_NAZ=\"stát\" OLH=\"17\">"
      "<PSK PSK=\"1\" KATUZE_KOD=\"752061\"/></POR>"
      "<POR POR=\"2\" MAJ_KOD=\"1\" MAJ_DRUH=\"1\" MAJ_NAZ=\"stát\"/>"
      "<POR POR=\"3\" MAJ_KOD=\"2\" MAJ_DRUH=\"1\" MAJ_NAZ=\"obec\"/></DIL></ODD>";
  ImportResult r = Import(Document(
      "<HS CISLO_HS=\"53\" NAZEV_HS=\"kyselá\" OBMYTI=\"110\"/>"
      "<OU1 Kod=\"128\" Popis=\"\"/><OLH KOD=\"17\" JMENO=\"Ing. Novák\" CIS_LIC=\"L/1\"/>" +
      stands + "<MZD CISLO_HS=\"53\" MZD=\"25\" DR_ZKR=\"BK a JD\" LT_SLT=\"5K$5N\"/>"));
  ASSERT_EQ(r.status, Status::kDone) << ::testing::PrintToString(ui.Messages());
  EXPECT_EQ(Query(phs(), "SELECT NAZEV_HS || ':' || OBMYTI || ':' || POC_PROR FROM TAB_HS"),
            "kyselá:110:4");
  EXPECT_EQ(Query(phs(), "SELECT KOD || ':' || POPIS FROM ORGUR1"), "128:-");
  // The manager keeps his code: the stands name him by it.
  EXPECT_EQ(Query(phs(), "SELECT KOD || ':' || POPIS || ':' || ICO_RC || ':' || CIS_LIC FROM OLH"),
            "17:Ing. Novák:17:L/1");
  EXPECT_EQ(Query(plan(), "SELECT OLH FROM POROST WHERE POR = '1'"), "17");
  // The cadastral area's name from the program's list; the table's ORP stays.
  EXPECT_EQ(Query(phs(), "SELECT Kod || ':' || POPIS || ':' || ORP FROM KATASTRY"),
            "752061.0:Sněžné na Moravě:6107");
  // Owners appearing twice give one row; an owner the table holds stays as it is.
  EXPECT_EQ(Query(phs(), "SELECT MAJ_KOD || ':' || MAJ_NAZ FROM MAJETKY ORDER BY MAJ_KOD"),
            "1.0:stát,2.0:obec");
  EXPECT_EQ(Query(phs(),
                  "SELECT Cislo_HS || ':' || Mel_dr1 || ':' || Mel_dr2 || ':' || MZD || ':' "
                  "|| LT FROM MEL_DREV"),
            "53.0:BK:JD:25:5K$5N");
}

TEST_F(NumericalImportTest, AFailureOfTheDatabaseLeavesBothAsTheyWere) {
  ASSERT_EQ(Import(Document("<HS CISLO_HS=\"1\" NAZEV_HS=\"a\"/>" + Compartment(1))).status,
            Status::kDone);
  Sql(plan(),
      "CREATE TRIGGER refuse BEFORE INSERT ON ETAZ WHEN trim(NEW.ETAZ) = '9' "
      "BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
  const std::string before = Dump(plan()) + Dump(phs());
  ImportResult r = Import(Document("<HS CISLO_HS=\"2\" NAZEV_HS=\"b\"/>" + Compartment(2) +
                                   Compartment(3, "", "<ETZ ETAZ=\"9\"/>")),
                          {Button::kYes});
  EXPECT_EQ(r.status, Status::kFailed);
  const Strings failures = ui.MessagesOf(Severity::kFailure);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("disk full"), std::string::npos);
  EXPECT_NE(failures[0].find("Import nebyl proveden, databáze zůstaly beze změny."),
            std::string::npos);
  EXPECT_EQ(Dump(plan()) + Dump(phs()), before);
}

TEST_F(NumericalImportTest, APlanWithoutPhsImportsIntoThePlanAlone) {
  platform::RemoveTree(tmp.File("u/PHS"));
  ImportResult r = Import(Document("<HS CISLO_HS=\"53\" NAZEV_HS=\"kyselá\"/>" + Compartment(7)));
  ASSERT_EQ(r.status, Status::kDone) << ::testing::PrintToString(ui.Messages());
  EXPECT_EQ(Query(plan(), "SELECT ODD FROM ODDELENI"), "7");
  // The code lists the document brought cannot be kept: data passed over, said once.
  EXPECT_EQ(ui.MessagesOf(Severity::kPassedOver),
            Strings{"Plán nemá databázi PHS: číselníky (hospodářské soubory, organizační úrovně, "
                    "katastry, OLH, vlastníci, SCHU) se neukládají."});
  EXPECT_FALSE(platform::DirectoryExists(tmp.File("u/PHS")));
}

TEST_F(NumericalImportTest, MissingFileAndCancelledDialog) {
  plan::CloseUnitSession(session_);
  session_ = plan::OpenUnitSession(data_, OwnedByTheTest());
  ui.Clear();
  ui.files.push_back(tmp.File("none.xml"));
  EXPECT_EQ(ImportNumerical(*session_.unit).status, Status::kMissingFile);
  EXPECT_EQ(ImportNumerical(*session_.unit).status, Status::kMissingFile);
  EXPECT_EQ(ui.MessagesOf(Severity::kFailure),
            (Strings{"Soubor \"" + tmp.File("none.xml") + "\" neexistuje!",
                     "Soubor \"NicSeNavybralo\" neexistuje!"}));
  // The narrow form, XML documents only.
  ASSERT_EQ(ui.shown.front().kind, "file");
  EXPECT_EQ(ui.shown.front().mask, "*.xml");
  EXPECT_EQ(ui.shown.front().form, platform::SelectionForm::kNarrow);
  EXPECT_EQ(ui.shown.front().caption, kChooseImportFile);
}

// A Ui that ends its process when the import lets the window process events for the n-th time.
class KillingUi : public platform::RecordingUi {
 public:
  int kill_at_events = 0;  // 0: never
  void ProcessPendingEvents() override {
    RecordingUi::ProcessPendingEvents();
    if (kill_at_events && pending_events >= kill_at_events) ::kill(::getpid(), SIGKILL);
  }
};

TEST_F(NumericalImportTest, AKilledImportLeavesBothDatabasesUnchanged) {
  ASSERT_EQ(Import(Document("<HS CISLO_HS=\"1\" NAZEV_HS=\"a\"/>" + Compartment(1))).status,
            Status::kDone);
  plan::CloseUnitSession(session_);
  const std::string before = Dump(plan()) + Dump(phs());
  const std::string document =
      Document("<HS CISLO_HS=\"2\" NAZEV_HS=\"b\"/><OLH KOD=\"1\" JMENO=\"x\"/>" + Compartment(2) +
               Compartment(3) + Compartment(4));
  testing::WriteFile(tmp.File("doc.xml"), document);

  for (int round = 0; round < 2; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      KillingUi killing;
      platform::ScopedUi scoped(&killing);
      plan::UnitSession session = plan::OpenUnitSession(data_, OwnedByTheTest());
      killing.files.push_back(tmp.File("doc.xml"));
      killing.answers.push_back(Button::kYes);
      if (round == 0) {
        killing.kill_at_events = killing.pending_events + 2;  // the second compartment begins
      } else {
        // Every compartment written, the code lists not yet.
        session.unit->SetLogLine([](const std::string& text) {
          if (text == "Koncim UlozOddeleni_DB98 4") ::kill(::getpid(), SIGKILL);
        });
      }
      ImportNumerical(*session.unit);
      ::_exit(3);  // not killed: the test fails below
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round << " exited " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(Dump(plan()) + Dump(phs()), before) << "round " << round;
  }
  // The same import, not killed, goes through.
  ASSERT_EQ(Import(document, {Button::kYes}).status, Status::kDone);
  EXPECT_EQ(Query(plan(), "SELECT ODD FROM ODDELENI ORDER BY ID"), "2,3,4");
  EXPECT_EQ(Query(phs(), "SELECT KOD || ':' || ICO_RC || ':' || POPIS FROM OLH"), "1:1:x");
}

}  // namespace
}  // namespace tarnik::app
