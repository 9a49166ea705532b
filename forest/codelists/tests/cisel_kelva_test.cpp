#include "forest/codelists/cisel_kelva.h"

#include <gtest/gtest.h>

#include "data/engine/database.h"
#include "forest/codelists/code_list_tables.h"
#include "forest/codelists/code_lists.h"
#include "forest/forest_classes.h"
#include "framework/framework_classes.h"
#include "platform/fs.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

class CiselKelva : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
  }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  testing::ScopedProgramDir program_;
  testing::TempDir tmp_;
  std::string unit_ = testing::CopySample("demo", tmp_);
};

TEST_F(CiselKelva, PlanWideTablesFillTheEmptyListsOnce) {
  engine::Database phs = engine::Database::Open(platform::JoinPath(unit_, "PHS"));
  TCiselKelva kelva;
  EXPECT_EQ(kelva.GetName(), "CiselKelva");
  kelva.NaplnZPlanu(phs);

  ASSERT_EQ(kelva.OLHMN()->PocetPrvku(), 2);
  framework::TElement* manager = kelva.OLHMN()->PrvekPodleKlice("1");
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->GetPropertyText("CIS_LIC"), "OLH/0128/20");
  EXPECT_EQ(kelva.CisHsMN()->PocetPrvku(), 8);
  framework::TElement* set1 = kelva.CisHsMN()->PrvekPodleKlice("1");
  EXPECT_EQ(set1->GetPropertyText("OBMYTI"), "150");
  // The age at which regeneration begins is computed, whole divisions truncated.
  set1->SetPropertyText("OBMYTI", "110");
  set1->SetPropertyText("OBN_DOBA", "30");
  EXPECT_EQ(set1->GetPropertyText("POC_OBNOVY"), "91");
  set1->SetPropertyText("OBMYTI", "100");
  set1->SetPropertyText("OBN_DOBA", "25");
  set1->SetPropertyText("POC_OBNOVY", "7");
  EXPECT_EQ(set1->GetPropertyText("POC_OBNOVY"), "81");
  set1->SetPropertyText("OBMYTI", "-2147483648");
  EXPECT_EQ(set1->GetPropertyText("POC_OBNOVY"), "-2147483648");
  set1->SetPropertyText("OBMYTI", "2147483647");
  set1->SetPropertyText("OBN_DOBA", "-2147483648");
  EXPECT_EQ(set1->GetPropertyText("POC_OBNOVY"), "2147483647");
  EXPECT_EQ(kelva.MZDHospSoubMN()->PocetPrvku(), 8);
  framework::TElement* mzd = kelva.MZDHospSoubMN()->PrvekPodleKlice("1 - 30");
  ASSERT_NE(mzd, nullptr);
  EXPECT_EQ(mzd->GetPropertyText("DR_ZKR"), "BK&JD&KL&JB");
  EXPECT_EQ(mzd->GetPropertyText("CISLOHS_LTSLT"), "000015Y$6Y");
  EXPECT_NE(kelva.CisSCHUMN()->PrvekPodleKlice("0 - Není SCHU"), nullptr);
  EXPECT_EQ(
      kelva.OrgUrMN(1)->PrvekPodleKlice("128 - LS Nové Město na Moravě")->GetPropertyText("Kod"),
      "128");
  EXPECT_EQ(kelva.OrgUrMN(4), nullptr);
  EXPECT_EQ(kelva.FindElementByName("OrgUr1MN"), kelva.OrgUrMN(1));

  framework::TElement* hs = kelva.HospSoubPhsMN()->AktualniPrvekVzdy();
  hs->SetPropertyText("SlHospSoub20", "x");
  EXPECT_EQ(hs->GetPropertyText("SlHospSoub20"), "x");
  EXPECT_TRUE(hs->HasProperty("CisRad1"));
  EXPECT_TRUE(TProbirkaPhs::StaticClass().Find("ProcTV19") != nullptr);

  kelva.NaplnZPlanu(phs);  // filled lists stay as they are
  EXPECT_EQ(kelva.OLHMN()->PocetPrvku(), 2);
  EXPECT_EQ(kelva.CisHsMN()->PocetPrvku(), 8);
}

TEST_F(CiselKelva, DecisionTypesAndCadastralNamesFromTheProgramLists) {
  TCiselKelva kelva;
  const std::string path = platform::JoinPath(CodeListTables::Directory(), "CisDokum.DB");
  kelva.NactiTypyRozhodnuti(path);
  kelva.NactiTypyRozhodnuti(path);  // existing keys are skipped
  ASSERT_EQ(kelva.TypRozhodnutiMN()->PocetPrvku(), 6);
  framework::TElement* lhp = kelva.TypRozhodnutiMN()->PrvekPodleKlice("LHP-1");
  ASSERT_NE(lhp, nullptr);
  EXPECT_EQ(lhp->GetPropertyText("Popis"), "schválení lesního hospodářského plánu");
  EXPECT_EQ(lhp->GetPropertyText("JedinecnyTyp"), "LHP-1");

  kelva.katastryMN()->SetNovyPrvek("752061");
  kelva.katastryMN()->AktualniPrvek()->SetPropertyText("Kod", "752061");
  kelva.katastryMN()->SetNovyPrvek("1");
  kelva.katastryMN()->AktualniPrvek()->SetPropertyText("Kod", "1");
  CodeLists lists;
  kelva.PojmenujKatastry(lists);
  EXPECT_EQ(kelva.katastryMN()->PrvekPodleKlice("752061")->GetPropertyText("Popis"),
            "Sněžné na Moravě");
  EXPECT_EQ(kelva.katastryMN()->PrvekPodleKlice("1")->GetPropertyText("Popis"), "Není v seznamu.");
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(CiselKelva, ManagerOfAnOwnerWithPerStandOverrides) {
  TCiselKelva kelva;
  EXPECT_EQ(kelva.OLHVlastnika(1, 5, {"12", "a", "1", ""}, "keep"), "keep");
  TmajetkyMN* owners = kelva.majetkyMN();
  owners->SetNovyPrvek("1-5");
  auto* owner = static_cast<Tmajetky*>(owners->AktualniPrvek());
  owner->SetPropertyText("MAJ_DRUH_C", "1");
  owner->SetPropertyText("MAJ_KOD_C", "5");
  owner->SetPropertyText("OLH_C", "7");
  EXPECT_EQ(owner->GetPropertyText("ODB_SPR_C"), "7");  // one value under two names
  owner->SetPropertyText("OLH2_C", "9");
  owner->PoPorostech(2)->SetNovyPrvek("x");
  framework::TElement* entry = owner->PoPorostech(2)->AktualniPrvek();
  entry->SetPropertyText("ODD", "12");
  entry->SetPropertyText("DIL", "a");
  entry->SetPropertyText("POR", "1");
  EXPECT_EQ(owner->FindElementByName("MajPoPorostechOLH2MN"), owner->PoPorostech(2));
  EXPECT_EQ(entry->GetPropertyText("ODD_DIL_POR"), "12/a/1");

  EXPECT_EQ(kelva.OLHVlastnika(1, 5, {"12", "a", "2", ""}, "keep"), "7");
  EXPECT_EQ(kelva.OLHVlastnika(1, 5, {"12", "a", "1", ""}, "keep"), "9");
  EXPECT_EQ(kelva.OLHVlastnika(2, 5, {"12", "a", "1", ""}, "keep"), "keep");
}

}  // namespace
}  // namespace tarnik::plan
