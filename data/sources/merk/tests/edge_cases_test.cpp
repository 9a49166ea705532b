// Key rules, messages and value rules of the readers on a small unit built for them.
#include <gtest/gtest.h>

#include <limits>

#include "data/sources/merk/tests/reader_fixture.h"
#include "forest/layers/damage.h"
#include "forest/layers/land.h"
#include "forest/layers/statuses.h"

namespace tarnik::plan::test {
namespace {

std::string Designation(framework::TElement& e) { return e.GetPropertyText("CeleOznaceni"); }

class EdgeCaseTest : public ReaderTest {
 protected:
  void SetUp() override {
    OpenFixture("edge_cases.sql");
    ctx_.code_lists = &code_lists_;
  }
  TPorost* Stand1() { return Por(compartment_.get(), "A", "1"); }
  TPorostniSkupina* Group(const std::string& psk) {
    return Key<TPorostniSkupina>(Stand1()->PorostniSkupinaMN(), psk);
  }
  TEtaz* Layer(const std::string& psk) { return Key<TEtaz>(Group(psk)->EtazMN(), "1"); }

  testing::ScopedProgramDir program_dir_;  // the program's code lists (cadastral areas)
  tciselnik code_lists_;
};

TEST_F(EdgeCaseTest, RepeatedSpeciesCodesGetTheDeadWoodKeys) {
  ASSERT_NE(Next(), nullptr);
  TDrevinaMN* species = Layer("1")->DrevinaMN();
  EXPECT_EQ(Names(species), (std::vector<std::string>{"SMs DREV", "DREV SM", "DREV SMs"}));
  std::vector<int> rids, shares;
  for (auto* e : species->Prvky()) {
    auto* s = static_cast<TDrevina*>(e);
    rids.push_back(s->RId());
    shares.push_back(s->StoredVolume(TDrevina::kTv));
    EXPECT_EQ(s->DR_ZKR(), "SM ");
  }
  EXPECT_EQ(rids, (std::vector<int>{1, 2, 3}));
  // The k-th spruce row takes the k-th spruce row of the thinning.
  EXPECT_EQ(shares, (std::vector<int>{11, 22, 33}));
  auto* second = static_cast<TDrevina*>(species->Prvky()[1]);
  EXPECT_TRUE(second->GetPropertyBoolean("JedinaProTV_P"));
  EXPECT_EQ(second->GetPropertyText("N_ProcentoTV"), "20");
  EXPECT_FALSE(static_cast<TDrevina*>(species->Prvky()[0])->GetPropertyBoolean("JedinaProTV_P"));
  EXPECT_EQ(species->AktualniPrvek(), species->Prvky().front());
}

TEST_F(EdgeCaseTest, RepeatedPlotNumbersTakeLetters) {
  ASSERT_NE(Next(), nullptr);
  TLesniMnozina* plots = Stand1()->BezlesiMN();
  EXPECT_EQ(Keys(plots), (std::vector<std::string>{"3", "3a", "3b"}));
  std::vector<std::string> numbers, areas;
  for (auto* e : plots->Prvky()) {
    numbers.push_back(e->GetPropertyText("BZL"));
    areas.push_back(e->GetPropertyText("Plocha"));
  }
  EXPECT_EQ(numbers, (std::vector<std::string>{"3", "3", "3"}));
  EXPECT_EQ(areas, (std::vector<std::string>{"0.1", "0.2", "0.3"}));
}

TEST_F(EdgeCaseTest, SurveyYearsOfTwoDigitsGetTheirCentury) {
  ASSERT_NE(Next(), nullptr);
  EXPECT_EQ(Layer("1")->GetPropertyText("Rok_zjisteni_zasoby"), "2007");
  EXPECT_EQ(Layer("2")->GetPropertyText("Rok_zjisteni_zasoby"), "1995");
  EXPECT_EQ(Layer("3")->GetPropertyText("Rok_zjisteni_zasoby"), "1998");
  EXPECT_EQ(Layer("1")->GetPropertyText("MZDs"), "20");
}

TEST_F(EdgeCaseTest, ForestOfficeFromTheCadastralAreaOnlyForSixDigitOfficeAndArea) {
  ASSERT_NE(Next(), nullptr);
  EXPECT_EQ(Group("1")->GetPropertyInteger("LLES_URAD"), 206108);
  EXPECT_EQ(Group("2")->GetPropertyInteger("LLES_URAD"), 206001);
  EXPECT_EQ(Group("3")->GetPropertyInteger("LLES_URAD"), 123456);
}

TEST_F(EdgeCaseTest, WithoutCodeListsTheOfficeStaysAsStored) {
  ctx_.code_lists = nullptr;
  ASSERT_NE(Next(), nullptr);
  EXPECT_EQ(Group("1")->GetPropertyInteger("LLES_URAD"), 123456);
}

TEST_F(EdgeCaseTest, AreasRoundToSixDecimalsWithTiesToEven) {
  ASSERT_NE(Next(), nullptr);
  EXPECT_EQ(Group("1")->Plocha0(), 1.0);
  EXPECT_EQ(Group("2")->Plocha0(), 2.0);
  EXPECT_EQ(Group("3")->Plocha0(), 3.000002);
  EXPECT_EQ(Group("1")->GetPropertyText("TER_TYP"), "");
  EXPECT_EQ(Group("2")->GetPropertyText("TER_TYP"), "3");
}

TEST_F(EdgeCaseTest, VolumesStoredUnderBarkAreRestored) {
  ASSERT_NE(Next(), nullptr);
  TDrevinaMN* species = Layer("2")->DrevinaMN();
  auto* spruce = Key<TDrevina>(species, "SM");
  auto* beech = Key<TDrevina>(species, "BK");
  ASSERT_TRUE(spruce && beech);
  // 91 under bark is 100 over bark, less the rounding correction 7 - 5.
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kZasCel), 98);
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kZasHa), 100);
  EXPECT_EQ(spruce->GetPropertyText("DR_STAV_ZPRAC"), "7");
  EXPECT_EQ(beech->StoredVolume(TDrevina::kZasCel), 87);
  // Thinning share stored under bark with no correction.
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kTv), 100);
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kObjemHaTV), 100);
  // Felling share: 40 under bark of beech is 46 over bark, less 6 - 5.
  EXPECT_EQ(beech->StoredVolume(TDrevina::kTo), 45);
  EXPECT_TRUE(beech->GetPropertyBoolean("JedinaProTO_P"));
  EXPECT_EQ(beech->GetPropertyText("ZpZadTO"), "N");
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kTo), 0);
  EXPECT_EQ(Layer("2")->GetPropertyText("TO_DUVOD"), "4");
  EXPECT_EQ(Layer("2")->GetPropertyText("TO_NAL"), "2");
}

TEST_F(EdgeCaseTest, TheBarkOptionDoesNotChangeWhatIsStored) {
  forest::Flags().odkorneno = true;
  ASSERT_NE(Next(), nullptr);
  auto* beech = Key<TDrevina>(Layer("2")->DrevinaMN(), "BK");
  ASSERT_NE(beech, nullptr);
  EXPECT_EQ(beech->StoredVolume(TDrevina::kZasCel), 87);
}

TEST_F(EdgeCaseTest, StatusesOfTheStandRowAndTheStatusTable) {
  ASSERT_NE(Next(), nullptr);
  TLesniMnozina* first = Stand1()->ZvlStMN();
  EXPECT_EQ(Keys(first), (std::vector<std::string>{"17", "18"}));
  auto* read17 = static_cast<TZvlSt*>(first->Prvky()[0]);
  EXPECT_EQ(read17->RId(), 1);
  EXPECT_EQ(read17->Puvodni_oznaceni(), "17");
  EXPECT_TRUE(read17->GetPropertyBoolean("Z_Porostu"));
  // 1A2: its row's status 26 was not among its status rows; the first row takes that code,
  // the statuses are sorted and the stand is marked edited.
  TPorost* stand2 = Por(compartment_.get(), "A", "2");
  std::vector<std::string> codes;
  for (auto* e : stand2->ZvlStMN()->Prvky()) codes.push_back(e->GetPropertyText("ZVL_STATUT"));
  EXPECT_EQ(codes, (std::vector<std::string>{"17", "26"}));
  EXPECT_TRUE(stand2->BylEditovan());
  EXPECT_EQ(stand2->ZvlStMN()->AktualniPrvek(), stand2->ZvlStMN()->Prvky().front());
}

TEST_F(EdgeCaseTest, OrganisationLevelsCategoriesAndDamages) {
  ASSERT_NE(Next(), nullptr);
  EXPECT_EQ(Keys(Stand1()->Org_UrovenMN()), (std::vector<std::string>{"0", "5"}));
  EXPECT_EQ(Keys(Por(compartment_.get(), "A", "2")->Org_UrovenMN()),
            (std::vector<std::string>{"128", "3"}));
  EXPECT_EQ(Keys(Stand1()->Kategorie1MN()), (std::vector<std::string>{"10"}));
  TDrevinaMN* species = Layer("1")->DrevinaMN();
  auto* second = static_cast<TDrevina*>(species->Prvky()[1]);
  EXPECT_EQ(Keys(second->PoskozeniMN()), (std::vector<std::string>{"5"}));
  auto* damage = static_cast<TPoskozeni*>(second->PoskozeniMN()->Prvky().front());
  EXPECT_EQ(damage->GetPropertyText("POSKOZ_R"), "2");
  EXPECT_EQ(damage->RId(), 0);
  auto* third = static_cast<TDrevina*>(species->Prvky()[2]);
  EXPECT_EQ(third->PoskozeniMN()->PocetPrvku(), 1);  // kind 0 with a degree is kept
  TLesniMnozina* afforestation = Layer("1")->ZalesneniMN();
  EXPECT_EQ(Keys(afforestation), (std::vector<std::string>{"BK"}));
  auto* row = afforestation->Prvky().front();
  EXPECT_EQ(row->GetPropertyText("ZAL_DR_P"), "60");
  EXPECT_EQ(row->GetPropertyText("ZpZadZal"), "0");
  EXPECT_EQ(row->GetPropertyText("ZAL_DRUH"), "1");
}

TEST_F(EdgeCaseTest, DuplicateKeysAreReportedAndSkipped) {
  ASSERT_NE(Next(), nullptr);
  TPorost* stand = Stand1();
  TDilec* dilec = Dil(compartment_.get(), "A");
  TEtaz* layer1 = Layer("1");
  auto* damaged = static_cast<TDrevina*>(layer1->DrevinaMN()->Prvky()[1]);
  auto* spruce2 = Key<TDrevina>(Layer("2")->DrevinaMN(), "SM");
  const std::string stand_d = Designation(*stand);
  EXPECT_EQ(
      ui_.Messages(),
      (std::vector<std::string>{
          stand_d + "10 vyskytuje se duplicitní označení kategorie v překryvu.vazba=1  id=2",
          stand_d + " vyskytuje se duplicitní označení násobného zvl. statutu \"18\" vazba=1  id=3",
          stand_d + " vyskytuje se chybné označení bezlesi.",
          Designation(*layer1) + "BK vyskytuje se duplicitní drevina k zalesnění. vazba=1  id=6",
          Designation(*damaged) + "5 vyskytuje se duplicitní označení poškození. vazba=2  id=",
          Designation(*layer1) + "SM vyskytuje se duplicitní drevina. vazba=1  id=4",
          Designation(*Group("1")) + "1 vyskytuje se duplicitní označení etáže.vazba=1  id=2",
          Designation(*spruce2) + " chybí v TO dřevina. Zruš TO a navrhni jej znovu.",
          stand_d + "1 vyskytuje se duplicitní označení porostní skupiny.vazba=1  id=4",
          Designation(*dilec) + "1 vyskytuje se duplicitní označení porostu.vazba=1  id=2",
      }));
  // The repeated rows and their details are left out.
  EXPECT_EQ(Keys(stand->PorostniSkupinaMN()).size(), 3u);
  EXPECT_EQ(Group("1")->EtazMN()->PocetPrvku(), 1);
  EXPECT_EQ(Layer("1")->VEK(), 80);
  EXPECT_EQ(Keys(dilec->PorostMN()), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(Key<TPorostniSkupina>(stand->PorostniSkupinaMN(), "9"), nullptr);
  EXPECT_TRUE(missing_.empty()) << ::testing::PrintToString(missing_);
}

TEST_F(EdgeCaseTest, ACompartmentWithoutSubCompartmentsStillAdvances) {
  ASSERT_NE(Next(), nullptr);
  TOddeleni* empty = Next();
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->ODD(), 2);
  // The completion gives it the "-" sub-compartment with the "-" stand.
  EXPECT_EQ(Keys(empty->DilecMN()), (std::vector<std::string>{"-"}));
  EXPECT_NE(Por(empty, "-", "-"), nullptr);
  TOddeleni* third = Next();
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->ODD(), 3);
  EXPECT_NE(Por(third, "B", "1"), nullptr);
  EXPECT_EQ(Next(), nullptr);
  EXPECT_EQ(Next(), nullptr);
}

TEST_F(EdgeCaseTest, HeaderDefaultsOfAnEmptyOrigin) {
  TLHC lhc;
  ctx_.national_park = true;
  NactiHlavickuLHC(lhc, ctx_);
  EXPECT_EQ(lhc.PUVOD_DAT(), "MERK 98");
  EXPECT_EQ(lhc.LHC_KOD(), 999001);
  EXPECT_TRUE(lhc.GetPropertyBoolean("VerzeProPark1"));
}

// Stored values at the ends of the integer range (as a foreign program may leave them) are read
// without overflow; what leaves the range sticks at its ends.
using StoredExtremesTest = EdgeCaseTest;

TEST_F(StoredExtremesTest, UnderBarkStatesAndVolumesOfAnyValue) {
  db_->Execute("UPDATE DREVINA SET STAV_ZPRAC = -2147483648 WHERE ID = 5");
  db_->Execute("UPDATE NAVRH SET STAV_ZPRAC = -2147483648 WHERE ID = 9");
  db_->Execute("UPDATE NAVRH SET STAV_ZPRAC = 2147483647, N_Objem = -1000000000 WHERE ID = 8");
  ASSERT_NE(Next(), nullptr);
  auto* spruce = Key<TDrevina>(Layer("2")->DrevinaMN(), "SM");
  auto* beech = Key<TDrevina>(Layer("2")->DrevinaMN(), "BK");
  ASSERT_TRUE(spruce && beech);
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kZasCel), 2147483647);  // 100 + 2^31 + 5
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kTv), 2147483647);
  EXPECT_EQ(beech->StoredVolume(TDrevina::kTo), -2147483648);
}

TEST_F(StoredExtremesTest, WholeNumbersOfRealsBeyondTheRangeStickAtItsEnds) {
  db_->Execute("UPDATE LHC SET LHC_KOD = 1e19, MVYCH_DO40 = -1e300");
  engine::Table* header = tables_->Get("TB_LHC");
  ASSERT_NE(header, nullptr);
  header->First();
  ASSERT_FALSE(header->Eof());
  readers::Row row(*header);
  EXPECT_EQ(row.IntOrZero("LHC_KOD"), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(row.IntOrZero("MVYCH_DO40"), std::numeric_limits<int64_t>::min());
}

class NationalParkTest : public ReaderTest {
 protected:
  void SetUp() override { OpenFixture("national_park.sql"); }
  TPorost* Stand() { return Por(compartment_.get(), "A", "1"); }
  TPorostniSkupina* Group() { return Key<TPorostniSkupina>(Stand()->PorostniSkupinaMN(), "1"); }
};

TEST_F(NationalParkTest, ParkColumnsAreReadOnlyInTheParkVersion) {
  ASSERT_NE(Next(), nullptr);
  EXPECT_EQ(Stand()->GetPropertyText("ZONACE"), "");
  EXPECT_EQ(Group()->GetPropertyText("KodPrirStan"), "");
  EXPECT_EQ(Key<TEtaz>(Group()->EtazMN(), "1")->GetPropertyText("STR_VRS"), "");
  // The management regime is a special-area column, read wherever the table has it.
  EXPECT_EQ(Group()->GetPropertyText("MNG_REZIM"), "B");
  EXPECT_TRUE(missing_.empty()) << ::testing::PrintToString(missing_);
}

TEST_F(NationalParkTest, ParkVersionReadsZonesNaturalStateAndStorey) {
  ctx_.national_park = true;
  ASSERT_NE(Next(), nullptr);
  EXPECT_EQ(Stand()->GetPropertyText("ZONACE"), "I");
  EXPECT_EQ(Stand()->GetPropertyText("CISLO_ZONY"), "2");
  EXPECT_EQ(Group()->GetPropertyText("KodPrirStan"), "P3");
  EXPECT_EQ(Group()->GetPropertyText("Biotop"), "L9.2");
  EXPECT_EQ(Group()->GetPropertyText("Rok_Sum"), "2010");
  EXPECT_EQ(Key<TEtaz>(Group()->EtazMN(), "1")->GetPropertyText("STR_VRS"), "E2");
  EXPECT_TRUE(missing_.empty()) << ::testing::PrintToString(missing_);
}

}  // namespace
}  // namespace tarnik::plan::test
