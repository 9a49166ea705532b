// The LČR sources through the forest unit and ODBC: kind 9 reads the Oracle tables of
// "LCR_ORAC" compartment after compartment, kind 5 the LČR plan tables of "LHP_ORAC"; a
// connection that fails names its database and not its password.
#include "data/sources/oracle/lcr_source.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "data/sources/oracle/oracle_source.h"
#include "data/sources/oracle/tests/lcr_fixture.h"
#include "data/sources/oracle/unit_choice.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/tree_species.h"
#include "forest/unit/lesni_celek.h"
#include "framework/handles.h"

namespace tarnik::plan {
namespace {

// Unit 615203 version 4 with compartments 11 and 12; stand 11A1 (stored "A " and "1 ") with two
// categories, two special statuses, a group "1" of layers "1" and "2", a non-forest plot and an
// owner code with a letter.
const char* kLcrTables =
    "CREATE TABLE T_LHC (LHC_KOD INTEGER, LHC_ID INTEGER, LHC_NAZ VARCHAR(40));"
    "CREATE TABLE T_ODD (LHC_ID INTEGER, ODD INTEGER);"
    "CREATE TABLE T_DIL (LHC_ID INTEGER, ODD INTEGER, DIL CHAR(1));"
    "CREATE TABLE T_POR (LHC_ID INTEGER, ODD INTEGER, DIL CHAR(1), POR CHAR(1), "
    " MAJ_KOD VARCHAR(8), ORG_UR1 VARCHAR(4), ORG_UR2 VARCHAR(4), ORG_UR3 VARCHAR(4), "
    " POR_TEXT VARCHAR(255), HIST_LHC VARCHAR(8));"
    "CREATE TABLE T_PSK (LHC_ID INTEGER, ODD INTEGER, DIL CHAR(1), POR CHAR(1), "
    " MAJ_KOD VARCHAR(8), PSK VARCHAR(12), PSK_P FLOAT, PSK_V FLOAT, PSK_P0 FLOAT, "
    " KVAL_P VARCHAR(4), PSK_TEXT VARCHAR(255));"
    "CREATE TABLE T_ETAZ (LHC_ID INTEGER, ODD INTEGER, DIL CHAR(1), POR CHAR(1), "
    " MAJ_KOD VARCHAR(8), PSK VARCHAR(12), ETAZ VARCHAR(3), VEK INTEGER, ETAZ_PS FLOAT);"
    "CREATE TABLE T_DREVIN (LHC_ID INTEGER, ODD INTEGER, DIL CHAR(1), POR CHAR(1), "
    " MAJ_KOD VARCHAR(8), PSK VARCHAR(12), ETAZ VARCHAR(3), DR_ZKR VARCHAR(3), "
    " PROC_SOUS INTEGER, ZAST INTEGER);"
    "CREATE TABLE T_POSKOZ (LHC_ID INTEGER, ODD INTEGER, DIL CHAR(1), POR CHAR(1), "
    " MAJ_KOD VARCHAR(8), PSK VARCHAR(12), ETAZ VARCHAR(3), DR_ZKR VARCHAR(3), "
    " PROC_SOUS INTEGER, POSKOZ_D INTEGER, POSKOZ_R INTEGER);"
    "CREATE TABLE T_ZAL_DR (LHC_ID INTEGER, ODD INTEGER, DIL CHAR(1), POR CHAR(1), "
    " MAJ_KOD VARCHAR(8), PSK VARCHAR(12), ETAZ VARCHAR(3), ZAL_DR VARCHAR(3), "
    " ZAL_DR_P INTEGER);"
    "CREATE TABLE T_ZVS (LHC_ID INTEGER, ODD INTEGER, DIL CHAR(1), POR CHAR(1), "
    " MAJ_KOD VARCHAR(8), ZVL_STATUT VARCHAR(4));"
    "CREATE TABLE T_KATEG (LHC_ID INTEGER, ODD INTEGER, DIL CHAR(1), POR CHAR(1), "
    " MAJ_KOD VARCHAR(8), PORADI INTEGER, KATEGORIE VARCHAR(4), KAT_SPEC VARCHAR(4));"
    "CREATE TABLE T_BZL (LHC_ID INTEGER, ODD INTEGER, DIL CHAR(1), POR CHAR(1), "
    " MAJ_KOD VARCHAR(8), BZL INTEGER, KU_KOD INTEGER, LES_URAD VARCHAR(8), BZL_P FLOAT, "
    " KVAL_P VARCHAR(4));"
    "CREATE TABLE T_JP (LHC_ID INTEGER, ODD INTEGER, DIL CHAR(1), POR CHAR(1), "
    " MAJ_KOD VARCHAR(8), JP INTEGER, KU_KOD INTEGER, LES_URAD INTEGER, JP_P FLOAT, "
    " KVAL_P INTEGER);"
    "INSERT INTO T_LHC VALUES (615203, 4, 'Sněžné'), (615203, 5, 'jiná verze');"
    "INSERT INTO T_ODD VALUES (4, 11), (4, 0), (4, 12), (5, 13);"
    "INSERT INTO T_DIL VALUES (4, 11, 'A '), (4, 12, 'B');"
    "INSERT INTO T_POR VALUES (4, 11, 'A ', '1 ', 'A12', '128', '3', '', 'Pod ''Horou''', 'x5'),"
    " (4, 12, 'B', '2', '1', '128', '', '', NULL, NULL);"
    "INSERT INTO T_PSK VALUES (4, 11, 'A', '1', 'A12', '1', 2.5, 2.4, 2.6, 'K1', 'NMD: SM');"
    "INSERT INTO T_ETAZ VALUES (4, 11, 'A', '1', 'A12', '1', '1', 115, 80),"
    " (4, 11, 'A', '1', 'A12', '1', '2', 20, 20);"
    "INSERT INTO T_DREVIN VALUES (4, 11, 'A', '1', 'A12', '1', '1', 'SM', 0, 70),"
    " (4, 11, 'A', '1', 'A12', '1', '1', 'BK', 0, 30);"
    "INSERT INTO T_POSKOZ VALUES (4, 11, 'A', '1', 'A12', '1', '1', 'SM', 0, 3, 2);"
    "INSERT INTO T_ZAL_DR VALUES (4, 11, 'A', '1', 'A12', '1', '2', 'JD', 100);"
    "INSERT INTO T_ZVS VALUES (4, 11, 'A', '1', 'A12', '17'), (4, 11, 'A', '1', 'A12', '26');"
    "INSERT INTO T_KATEG VALUES (4, 11, 'A', '1', 'A12', 1, '10', ''),"
    " (4, 11, 'A', '1', 'A12', 2, '32e', 'S7');"
    "INSERT INTO T_BZL VALUES (4, 11, 'A', '1', 'A12', 3, 123456, 'x', 0.25, '');";

class LcrSourceTest : public test::LcrFixture {
 protected:
  LcrSourceTest() {
    RegisterOracleSources();
    previous_ = SetUnitVersionChooser(ChooseThe(615203, 4));
  }
  ~LcrSourceTest() override { SetUnitVersionChooser(previous_); }
  framework::TElement* Child(TLesniMnozina* set, size_t i) {
    return set && set->Prvky().size() > i ? set->Prvky()[i] : nullptr;
  }

  UnitVersionChooser previous_;
};

TEST_F(LcrSourceTest, OracleTablesAreReadCompartmentAfterCompartment) {
  Server("LCR_ORAC", kLcrTables);
  framework::TElementRef keep(new TLesniCelek());
  auto& unit = *keep.As<TLesniCelek>();
  unit.NajdiDataLHP(false, "spojení LCR-Oracle", false);
  EXPECT_EQ(unit.TypZdroje(), kSourceLcrOracle);
  EXPECT_EQ(unit.SeznamOddeleni(), (std::vector<std::string>{" 11", " 12"}));
  ASSERT_TRUE(unit.NactiPrvniOddeleni()) << ::testing::PrintToString(ui.Messages());
  EXPECT_EQ(unit.LHC()->LHC_KOD(), 615203);
  EXPECT_EQ(unit.LHC()->GetPropertyInteger("LHC_KOD_ID"), 4);
  EXPECT_EQ(unit.LHC()->LHC_NAZ(), "Sněžné");

  TOddeleni* odd = unit.LHC()->Oddeleni();
  ASSERT_NE(odd, nullptr);
  EXPECT_EQ(odd->ODD(), 11);
  auto* sub = dynamic_cast<TDilec*>(Child(odd->DilecMN(), 0));
  ASSERT_NE(sub, nullptr);
  auto* stand = dynamic_cast<TPorost*>(Child(sub->PorostMN(), 0));
  ASSERT_NE(stand, nullptr);
  // Trailing blanks of the CHAR designations do not keep the children from being found.
  EXPECT_EQ(stand->MAJ_KOD(), 12);
  EXPECT_EQ(stand->GetPropertyInteger("HIST_LHC"), 5);
  EXPECT_EQ(stand->PorText(), (std::vector<std::string>{"Pod 'Horou'"}));
  EXPECT_EQ(stand->Kategorie1MN()->Prvky().size(), 2u);
  EXPECT_EQ(dynamic_cast<TObecnyLesniPrvek*>(Child(stand->Kategorie1MN(), 1))->RId(), 2);
  EXPECT_EQ(stand->GetPropertyInteger("KAT_SPEC"), 7);
  EXPECT_EQ(stand->ZvlStMN()->Prvky().size(), 1u);
  EXPECT_EQ(stand->ZVL_STATUT(1), "17");
  // ORG_UR1 and ORG_UR2 name levels; the blank ORG_UR3 names none.
  ASSERT_EQ(stand->Org_UrovenMN()->Prvky().size(), 2u);
  EXPECT_EQ(stand->Org_UrovenMN()->Prvky()[1]->GetPropertyInteger("ORG_UROVEN"), 3);
  auto* group = dynamic_cast<TPorostniSkupina*>(Child(stand->PorostniSkupinaMN(), 0));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->GetPropertyText("PSK_Nactene"), "1");
  EXPECT_EQ(group->GetPropertyInteger("KVAL_P"), 1);
  EXPECT_EQ(group->EtazMN()->Prvky().size(), 2u);
  // The designation is rebuilt from the layers and written through the PSK rule.
  auto no_blanks = [](std::string t) {
    std::erase(t, ' ');
    return t;
  };
  EXPECT_EQ(no_blanks(group->PSK()), no_blanks(group->PSKzEtaziProKont1()));
  EXPECT_NE(no_blanks(group->PSK()), "1");
  auto* layer = dynamic_cast<TObecnyLesniPrvek*>(Child(group->EtazMN(), 0));
  ASSERT_NE(layer, nullptr);
  EXPECT_EQ(layer->GetPropertyInteger("VEK"), 115);
  EXPECT_EQ(layer->GetPropertyText("ETAZ_nactene"), "1");
  auto* bzl = dynamic_cast<TObecnyLesniPrvek*>(Child(stand->BezlesiMN(), 0));
  ASSERT_NE(bzl, nullptr);
  EXPECT_EQ(bzl->GetPropertyInteger("KVAL_P"), 0);

  EXPECT_FALSE(unit.JeKonec());
  ASSERT_TRUE(unit.NactiDalsiOddeleni(false));
  EXPECT_EQ(unit.LHC()->Oddeleni()->ODD(), 12);
  EXPECT_TRUE(unit.JeKonec());
  EXPECT_FALSE(unit.NactiDalsiOddeleni(false));
}

TEST_F(LcrSourceTest, DesignationsWithAnApostropheFindTheirChildren) {
  Server("LCR_ORAC",
         std::string(kLcrTables) +
             "INSERT INTO T_PSK VALUES (4, 12, 'B', '2', '1', 'O''1', 1.5, 1.5, 1.5, '1', "
             " 'u ''Boudy''');"
             "INSERT INTO T_ETAZ VALUES (4, 12, 'B', '2', '1', 'O''1', '1', 40, 100);"
             "INSERT INTO T_DREVIN VALUES (4, 12, 'B', '2', '1', 'O''1', '1', 'SM', 0, 100);"
             "INSERT INTO T_POSKOZ VALUES (4, 12, 'B', '2', '1', 'O''1', '1', 'SM', 0, 5, 1);");
  framework::TElementRef keep(new TLesniCelek());
  auto& unit = *keep.As<TLesniCelek>();
  unit.NajdiDataLHP(false, "LCR-Oracle", false);
  ASSERT_TRUE(unit.NactiPrvniOddeleni()) << ::testing::PrintToString(ui.Messages());
  ASSERT_TRUE(unit.NactiDalsiOddeleni(false));
  TOddeleni* odd = unit.LHC()->Oddeleni();
  ASSERT_EQ(odd->ODD(), 12);
  auto* sub = dynamic_cast<TDilec*>(Child(odd->DilecMN(), 0));
  ASSERT_NE(sub, nullptr);
  auto* stand = dynamic_cast<TPorost*>(Child(sub->PorostMN(), 0));
  ASSERT_NE(stand, nullptr);
  auto* group = dynamic_cast<TPorostniSkupina*>(Child(stand->PorostniSkupinaMN(), 0));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->GetPropertyText("PSK_Nactene"), "O'1");
  EXPECT_EQ(group->GetPropertyText("PSK_TEXT"), "u 'Boudy'");
  auto* layer = dynamic_cast<TEtaz*>(Child(group->EtazMN(), 0));
  ASSERT_NE(layer, nullptr);
  EXPECT_EQ(layer->GetPropertyInteger("VEK"), 40);
  auto* species = dynamic_cast<TDrevina*>(Child(layer->DrevinaMN(), 0));
  ASSERT_NE(species, nullptr);
  EXPECT_EQ(species->GetPropertyInteger("ZAST"), 100);
  ASSERT_EQ(species->PoskozeniMN()->Prvky().size(), 1u);
  EXPECT_EQ(species->PoskozeniMN()->Prvky()[0]->GetPropertyInteger("POSKOZ_R"), 1);
}

TEST_F(LcrSourceTest, AFailedConnectionNamesTheDatabaseAndNoPassword) {
  platform::IniFile ini(platform::ProgramFile("vekta.ini"));
  ini.WriteString("DATABASE", "LCR_ORAC", "DSN=neni_takovy");
  ::setenv("TARNIK_LCR_ORAC_PASSWORD", "velmi-tajne", 1);
  framework::TElementRef keep(new TLesniCelek());
  auto& unit = *keep.As<TLesniCelek>();
  unit.NajdiDataLHP(false, "LCR-Oracle", false);
  EXPECT_TRUE(unit.SeznamOddeleni().empty());
  ::unsetenv("TARNIK_LCR_ORAC_PASSWORD");
  // The login tried once: the connection's message, the request to try again, and the source
  // gives up naming its database.
  const std::vector<std::string> messages = ui.Messages();
  ASSERT_EQ(messages.size(), 3u) << ::testing::PrintToString(messages);
  EXPECT_EQ(messages[0].rfind("Databázi \"LCR_ORAC\" nelze připojit: ", 0), 0u);
  EXPECT_EQ(messages[1], "Databázi nelze připojit. Zkuste to znovu.");
  EXPECT_EQ(messages[2], "Databáze \"LCR_ORAC\" nebude otevřena.");
  EXPECT_EQ(ui.MessagesOf(platform::Severity::kFailure), (std::vector<std::string>{messages[2]}));
  for (const std::string& m : messages) EXPECT_EQ(m.find("velmi-tajne"), std::string::npos) << m;
  EXPECT_TRUE(unit.JeKonec());
}

TEST_F(LcrSourceTest, PlanTablesThroughTheAliasAreReadCompartmentAfterCompartment) {
  Server("LHP_ORAC",
         std::string(test::kPlanTables) +
             "INSERT INTO LHC VALUES (615203, 4, 'Sněžné', '1998-03-05', 4246);"
             "INSERT INTO POROST (LHC_KOD, LHC_KOD_ID, ODD, ODD_ID, DIL, POR, POR_TEXT) VALUES "
             " (615203, 4, 11, 1, 'A', '1', 'první'), (615203, 4, 11, 1, 'B', '1', NULL),"
             " (615203, 4, 12, 2, 'A', '1', NULL), (615203, 5, 13, 3, 'A', '1', NULL);"
             "INSERT INTO POROST_SKUP VALUES (615203, 4, 11, 1, 'A', '1', '1', 1.5, 'NMD: BK');"
             "INSERT INTO ETAZ VALUES (615203, 4, 11, 1, 'A', '1', '1', '1', 90);"
             "INSERT INTO DREVINA VALUES (615203, 4, 11, 1, 'A', '1', '1', '1', 'BK', 100, 0);");
  framework::TElementRef keep(new TLesniCelek());
  auto& unit = *keep.As<TLesniCelek>();
  unit.NajdiDataLHP(false, "ALIAS", false);
  EXPECT_EQ(unit.TypZdroje(), kSourceAlias);
  EXPECT_EQ(unit.SeznamOddeleni(), (std::vector<std::string>{" 11", " 12"}));
  ASSERT_TRUE(unit.NactiPrvniOddeleni()) << ::testing::PrintToString(ui.Messages());
  EXPECT_EQ(unit.LHC()->GetPropertyInteger("ETAT_TO"), 4246);
  TOddeleni* odd = unit.LHC()->Oddeleni();
  EXPECT_EQ(odd->ODD(), 11);
  EXPECT_EQ(odd->RId(), 1);
  EXPECT_EQ(odd->DilecMN()->Prvky().size(), 2u);
  auto* sub = dynamic_cast<TDilec*>(Child(odd->DilecMN(), 0));
  auto* stand = dynamic_cast<TPorost*>(Child(sub->PorostMN(), 0));
  ASSERT_NE(stand, nullptr);
  EXPECT_EQ(stand->PorText(), (std::vector<std::string>{"první"}));
  auto* group = dynamic_cast<TPorostniSkupina*>(Child(stand->PorostniSkupinaMN(), 0));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->GetPropertyText("PSK_TEXT"), "NMD: BK");
  EXPECT_EQ(group->EtazMN()->Prvky().size(), 1u);
  ASSERT_TRUE(unit.NactiDalsiOddeleni(false));
  EXPECT_EQ(unit.LHC()->Oddeleni()->ODD(), 12);
  EXPECT_TRUE(unit.JeKonec());
}

}  // namespace
}  // namespace tarnik::plan
