// The older table set: its reduced header, its creation rules and messages, the progress texts
// and the other plots that hang on the compartment.
#include <gtest/gtest.h>

#include "data/engine/schema.h"
#include "data/sources/merk/tests/reader_fixture.h"
#include "forest/colour.h"
#include "forest/layers/damage.h"
#include "forest/layers/land.h"
#include "forest/layers/statuses.h"

namespace tarnik::plan::test {
namespace {

std::string Designation(framework::TElement& e) { return e.GetPropertyText("CeleOznaceni"); }

class OlderSetTest : public ReaderTest {
 protected:
  void SetUp() override {
    const std::string dir = tmp_.File("DATA");
    engine::test::RunSql(dir, "");
    {
      engine::Database db = engine::Database::Open(dir);
      for (const auto& table : engine::SchemaTables(engine::TableSet::kOlderPlan))
        db.CreateTable(engine::DefinitionOf(table, {.older_set = true}));
    }
    engine::test::RunSql(dir, "BEGIN;\n" + Fixture("older_set.sql") + "\nCOMMIT;\n");
    Open(true);
  }
};

TEST_F(OlderSetTest, HeaderReadsTheReducedColumns) {
  TLHC lhc;
  NactiHlavickuLHC(lhc, ctx_);
  EXPECT_EQ(lhc.LHC_KOD(), 777);
  EXPECT_EQ(lhc.LHC_NAZ(), "Starý celek");
  EXPECT_EQ(lhc.ETAT_TO(), 1200);
  EXPECT_EQ(lhc.ETAT_TV(), -1);
  EXPECT_EQ(lhc.PUVOD_DAT(), "MERK 97");
  EXPECT_EQ(lhc.GetPropertyText("LHP_OD"), "1995");
}

TEST_F(OlderSetTest, CompartmentWithTheOlderRules) {
  TOddeleni* odd = Next();
  ASSERT_NE(odd, nullptr);
  EXPECT_EQ(odd->ODD(), 5);
  EXPECT_EQ(Keys(odd->DilecMN()), (std::vector<std::string>{"A"}));
  TPorost* stand = Por(odd, "A", "1");
  ASSERT_NE(stand, nullptr);
  EXPECT_EQ(stand->Puvodni_oznaceni(), kNewDesignation);
  EXPECT_EQ(stand->Vlastnosti(), nullptr);
  EXPECT_EQ(stand->BarvaProperty("POR"), kColor3DLight);
  EXPECT_EQ(stand->PorText(), (std::vector<std::string>{"první", "druhá"}));
  EXPECT_EQ(Keys(stand->Kategorie1MN()), (std::vector<std::string>{"10"}));
  EXPECT_EQ(Keys(stand->Org_UrovenMN()), (std::vector<std::string>{"3"}));
  EXPECT_EQ(stand->GetPropertyText("OLH_98n"), "7");
  EXPECT_EQ(stand->GetPropertyText("ZVL_STATUT"), "17");
  auto* group = Key<TPorostniSkupina>(stand->PorostniSkupinaMN(), "1");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->PSK_TEXT(), "NMD: BK.");
  EXPECT_EQ(group->GetPropertyText("LT"), "5S1");
  EXPECT_EQ(group->GetPropertyInteger("LLES_URAD"), 123456);  // no office from the area
  ASSERT_EQ(group->EtazMN()->PocetPrvku(), 1);
  auto* layer = Key<TEtaz>(group->EtazMN(), "1");
  EXPECT_EQ(layer->VEK(), 70);
  EXPECT_EQ(layer->GetPropertyText("Rok_zjisteni_zasoby"), "7");  // no century rule
  EXPECT_EQ(layer->GetPropertyText("M_Z_ZASOBY"), "2");
  EXPECT_EQ(layer->GetPropertyText("MZDs"), "25");
  EXPECT_EQ(layer->GetPropertyText("PRO_P"), "0.7");
  EXPECT_EQ(layer->GetPropertyText("PRO_NAL"), "3");
  EXPECT_EQ(layer->GetPropertyText("TO_DUVOD"), "2");
  EXPECT_EQ(layer->GetPropertyText("TV_P"), "0");
  EXPECT_EQ(Keys(layer->DrevinaMN()), (std::vector<std::string>{"SM", "BK"}));
  auto* spruce = Key<TDrevina>(layer->DrevinaMN(), "SM");
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kZasCel), 300);
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kTo), 50);
  EXPECT_EQ(spruce->Puvodni_oznaceni(), kNewDesignation);
  // Every damage row is read, the empty one included; the second one repeats kind 0.
  EXPECT_EQ(Keys(spruce->PoskozeniMN()), (std::vector<std::string>{"0"}));
  EXPECT_EQ(Keys(layer->ZalesneniMN()), (std::vector<std::string>{"BK"}));
  // The compartment's other plots go to its current stand.
  EXPECT_EQ(Keys(stand->JinyPozemekMN()), (std::vector<std::string>{"4"}));
  auto* plot = Key<TJinyPozemek>(stand->JinyPozemekMN(), "4");
  EXPECT_EQ(plot->GetPropertyText("VYUZITI"), "S");
  EXPECT_EQ(plot->Kategorie1MN()->SpojHodnotyProperty("KATEGORIE", "/"), "10/32a");
  EXPECT_EQ(Keys(stand->OstatniMN()), (std::vector<std::string>{"2", "2a"}));
  EXPECT_EQ(Keys(stand->BezlesiMN()), (std::vector<std::string>{"2"}));
  EXPECT_EQ(Next(), nullptr);
  EXPECT_TRUE(missing_.empty()) << ::testing::PrintToString(missing_);
}

TEST_F(OlderSetTest, MessagesCarryNoValueAndNoLink) {
  TOddeleni* odd = Next();
  ASSERT_NE(odd, nullptr);
  TPorost* stand = Por(odd, "A", "1");
  auto* group = Key<TPorostniSkupina>(stand->PorostniSkupinaMN(), "1");
  auto* layer = Key<TEtaz>(group->EtazMN(), "1");
  auto* spruce = Key<TDrevina>(layer->DrevinaMN(), "SM");
  auto* beech = Key<TDrevina>(layer->DrevinaMN(), "BK");
  EXPECT_EQ(ui_.Messages(),
            (std::vector<std::string>{
                Designation(*stand) +
                    " KTG:\"10\" vyskytuje se duplicitní označení kategorie v překryvu.",
                Designation(*spruce) + " vyskytuje se duplicitní označení poškození.",
                Designation(*layer) + " vyskytuje se duplicitní drevina.",
                Designation(*beech) + " chybí v TO dřevina. Zruš TO a navrhni jej znovu.",
                Designation(*Dil(odd, "A")) + " vyskytuje se duplicitní označení porostu.",
            }));
}

TEST_F(OlderSetTest, ProgressTextsFollowTheTraversal) {
  TOddeleni* odd = Next();
  ASSERT_NE(odd, nullptr);
  TPorost* stand = Por(odd, "A", "1");
  const std::string dil = Designation(*Dil(odd, "A"));
  const std::string jp = Designation(*Key(stand->JinyPozemekMN(), "4"));
  const std::string ost = Designation(*Key(stand->OstatniMN(), "2"));
  const std::string ost_a = Designation(*Key(stand->OstatniMN(), "2a"));
  EXPECT_EQ(progress_, (std::vector<std::string>{
                           "V NactiOddeleni_db ",
                           "Za NactiPolozkyOddeleni_db 5",
                           "Za NactiPolozkyDilce_db " + dil,
                           "Za NactiPolozkyPorostu_db " + Designation(*stand),
                           "Za jinypozemek " + jp,
                           "Pred ostatni ",
                           "Za Ostatni " + ost,
                           "Pred ostatni ",
                           "Za Ostatni " + ost_a,
                       }));
}

}  // namespace
}  // namespace tarnik::plan::test
