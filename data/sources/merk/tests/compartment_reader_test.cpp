// The sample unit read compartment by compartment: header, counts per level against the rows
// its SQL holds, and the values, colours and keys the sample carries.
#include <gtest/gtest.h>

#include "data/engine/local_sql.h"
#include "data/sources/merk/row_access.h"
#include "data/sources/merk/tests/reader_fixture.h"
#include "forest/colour.h"
#include "forest/layers/land.h"
#include "forest/layers/statuses.h"

namespace tarnik::plan::test {
namespace {

class SampleReadTest : public ReaderTest {
 protected:
  void SetUp() override { OpenSample(); }

  int64_t Count(const std::string& sql, int64_t compartment_id) {
    engine::Query q(*db_);
    q.SetSql(sql);
    q.SetParams({engine::Value(compartment_id)});
    q.Open();
    return q.AsInteger("N");
  }

  struct Counts {
    int sub_compartments = 0, stands = 0, groups = 0, layers = 0, species = 0, plots = 0;
    bool operator==(const Counts&) const = default;
  };
  static Counts CountModel(TOddeleni& odd) {
    Counts c;
    for (auto* d : odd.DilecMN()->Prvky()) {
      ++c.sub_compartments;
      for (auto* p : static_cast<TDilec*>(d)->PorostMN()->Prvky()) {
        ++c.stands;
        auto* stand = static_cast<TPorost*>(p);
        c.plots += stand->BezlesiMN()->PocetPrvku() + stand->JinyPozemekMN()->PocetPrvku() +
                   stand->OstatniMN()->PocetPrvku();
        for (auto* g : stand->PorostniSkupinaMN()->Prvky()) {
          ++c.groups;
          for (auto* e : static_cast<TPorostniSkupina*>(g)->EtazMN()->Prvky()) {
            ++c.layers;
            c.species += static_cast<TEtaz*>(e)->DrevinaMN()->PocetPrvku();
          }
        }
      }
    }
    return c;
  }
  Counts CountSql(int64_t id) {
    const std::string stands =
        "SELECT P.ID FROM POROST P JOIN DILEC D ON P.VAZBA = D.ID "
        "WHERE D.VAZBA = ?";
    const std::string groups = "SELECT S.ID FROM PS S WHERE S.VAZBA IN (" + stands + ")";
    const std::string layers = "SELECT E.ID FROM ETAZ E WHERE E.VAZBA IN (" + groups + ")";
    Counts c;
    c.sub_compartments = Count("SELECT COUNT(*) AS N FROM DILEC WHERE VAZBA = ?", id);
    c.stands = Count("SELECT COUNT(*) AS N FROM (" + stands + ")", id);
    c.groups = Count("SELECT COUNT(*) AS N FROM (" + groups + ")", id);
    c.layers = Count("SELECT COUNT(*) AS N FROM (" + layers + ")", id);
    c.species = Count("SELECT COUNT(*) AS N FROM DREVINA WHERE VAZBA IN (" + layers + ")", id);
    for (const char* t : {"BEZLESI", "JINE_POZ", "OST_POZ"})
      c.plots += Count(
          std::string("SELECT COUNT(*) AS N FROM ") + t + " WHERE VAZBA IN (" + stands + ")", id);
    return c;
  }
};

TEST_F(SampleReadTest, HeaderCarriesTheUnitRow) {
  TLHC lhc;
  NactiHlavickuLHC(lhc, ctx_);
  EXPECT_EQ(lhc.LHC_KOD(), 615203);
  EXPECT_EQ(lhc.LHC_NAZ(), "Sněžné - Žďárské vrchy");
  EXPECT_EQ(lhc.ETAT_TO(), 4246);
  EXPECT_EQ(lhc.ETAT_TV(), 1568);
  EXPECT_EQ(lhc.PUVOD_DAT(), "MERK 98");
  EXPECT_EQ(lhc.LHO(), "N");
  EXPECT_EQ(lhc.RId(), 1);
  EXPECT_EQ(lhc.GetPropertyText("LHP_Z_LIC"), "LHP/0311/2018");
  EXPECT_EQ(lhc.GetPropertyText("MVYCH_DO40"), "14.5");
  EXPECT_EQ(lhc.GetPropertyText("LHC_PN_PRO"), "12");
  EXPECT_FALSE(lhc.GetPropertyBoolean("VerzeProPark1"));
  EXPECT_TRUE(missing_.empty()) << ::testing::PrintToString(missing_);
}

TEST_F(SampleReadTest, EveryCompartmentHoldsWhatItsRowsHold) {
  std::vector<int> numbers;
  Counts total;
  for (int64_t id = 1; TOddeleni* odd = Next(); ++id) {
    numbers.push_back(odd->ODD());
    EXPECT_EQ(odd->RId(), id);
    EXPECT_EQ(odd->GetName(), std::to_string(odd->ODD()));
    Counts model = CountModel(*odd);
    EXPECT_EQ(model, CountSql(id)) << "compartment " << odd->ODD();
    total.groups += model.groups;
    total.layers += model.layers;
    total.species += model.species;
  }
  EXPECT_EQ(numbers, (std::vector<int>{11, 12, 13}));
  EXPECT_EQ(total.groups, 30);
  EXPECT_EQ(total.layers, 36);
  EXPECT_EQ(total.species, 105);
  EXPECT_EQ(Next(), nullptr);
  EXPECT_TRUE(missing_.empty()) << ::testing::PrintToString(missing_);
  EXPECT_TRUE(ui_.Messages().empty()) << ::testing::PrintToString(ui_.Messages());
}

// Every element below `element` by class and name (names are keys read from the rows), one line
// each, with the stored identifier.
void Fingerprint(framework::TElement& element, std::string* out) {
  *out += element.ClassName() + " " + element.GetName() + " " + std::to_string(element.ID()) + "\n";
  if (auto* entity = dynamic_cast<framework::TEntity*>(&element))
    for (framework::TElement* child : entity->Children()) Fingerprint(*child, out);
}

TEST_F(SampleReadTest, ColumnPositionsKeptAcrossCompartmentsReadTheSame) {
  std::vector<std::string> fresh;
  while (TOddeleni* odd = Next()) Fingerprint(*odd, &fresh.emplace_back());
  ASSERT_EQ(fresh.size(), 3u);
  // The same tables read again with the positions of the first compartment kept for the rest.
  compartment_.reset();
  Open(false);
  readers::ColumnMapStore kept;
  ctx_.column_maps = &kept;
  std::vector<std::string> again;
  while (TOddeleni* odd = Next()) Fingerprint(*odd, &again.emplace_back());
  EXPECT_EQ(again, fresh);
}

TEST_F(SampleReadTest, ValuesColoursAndKeysOfTheFirstCompartment) {
  TOddeleni* odd = Next();
  ASSERT_NE(odd, nullptr);
  TPorost* stand = Por(odd, "A", "1");
  ASSERT_NE(stand, nullptr);
  EXPECT_EQ(stand->RId(), 1);
  EXPECT_EQ(stand->Puvodni_oznaceni(), "1");
  EXPECT_EQ(stand->PorText(),
            (std::vector<std::string>{"Porost u hájovny 'U Tří studní', přístup po zpevněné cestě "
                                      "od Sněžného."}));
  EXPECT_EQ(Keys(stand->Kategorie1MN()), (std::vector<std::string>{"10"}));
  auto* group = Key<TPorostniSkupina>(stand->PorostniSkupinaMN(), "12");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->RId(), 3);
  EXPECT_EQ(group->GetPropertyText("PSK_P"), "2.6");
  EXPECT_EQ(group->BarvaProperty("PSK_P"), kColorAqua);
  EXPECT_EQ(group->GetPropertyText("LES_URAD"), "6108");  // ORP 6108 as stored
  EXPECT_EQ(group->PSK_TEXT(), "NMD: BK JD. DTO: clonná seč od okraje porostu 11A1 8.");
  auto* layer = Key<TEtaz>(group->EtazMN(), "12");
  ASSERT_NE(layer, nullptr);
  EXPECT_EQ(layer->BarvaProperty("OBMYTI"), kColorYellow);
  EXPECT_EQ(layer->VEK(), 115);
  EXPECT_EQ(layer->GetPropertyText("TO_P"), "1.94");
  EXPECT_EQ(layer->GetPropertyText("TO_DUVOD"), "1");
  EXPECT_EQ(Keys(layer->ZalesneniMN()), (std::vector<std::string>{"SM", "BK", "JD"}));
  auto* spruce = Key<TDrevina>(layer->DrevinaMN(), "SM");
  ASSERT_NE(spruce, nullptr);
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kZasCel), 1147);
  EXPECT_EQ(spruce->StoredVolume(TDrevina::kTo), 1009);
  EXPECT_TRUE(spruce->GetPropertyBoolean("JedinaProTO_P") == false);
  EXPECT_EQ(layer->DrevinaMN()->AktualniPrvek(), layer->DrevinaMN()->Prvky().front());
  EXPECT_EQ(Keys(stand->Org_UrovenMN()), (std::vector<std::string>{"128", "1"}));
  auto* hand_entered = Key<TDrevina>(
      Key<TEtaz>(Key<TPorostniSkupina>(Por(odd, "A", "2")->PorostniSkupinaMN(), "6")->EtazMN(), "6")
          ->DrevinaMN(),
      "SM");
  ASSERT_NE(hand_entered, nullptr);
  EXPECT_EQ(hand_entered->BarvaProperty("DR_ZAS_CEL"), kColorAqua);
  EXPECT_EQ(hand_entered->BarvaProperty("DR_ZAS_HA"), kColorAqua);
  EXPECT_EQ(hand_entered->BarvaProperty("ZAST"), kColorInfoBk);  // a blank code reads 0
  // 11A1 holds one non-forest plot, keyed by its number.
  EXPECT_EQ(Keys(stand->BezlesiMN()), (std::vector<std::string>{"1"}));
  auto* plot = Key<TBezlesi>(stand->BezlesiMN(), "1");
  ASSERT_NE(plot, nullptr);
  EXPECT_EQ(plot->GetPropertyText("BZL_VYUZ"), "lesní cesta zpevněná");
  EXPECT_EQ(plot->GetPropertyText("Plocha"), "0.35");
  EXPECT_EQ(plot->GetPropertyText("KU_KOD"), "752061");
}

TEST_F(SampleReadTest, SplitPlotAndStatusesOfTheLastCompartments) {
  Next();
  TOddeleni* odd12 = Next();
  TPorost* stand12a1 = Por(odd12, "A", "1");
  ASSERT_NE(stand12a1, nullptr);
  auto* statuses = stand12a1->ZvlStMN();
  ASSERT_GE(statuses->PocetPrvku(), 1);
  auto* status = static_cast<TZvlSt*>(statuses->Prvky().front());
  EXPECT_EQ(status->BarvaProperty("ZVL_STATUT"), kColorWhite);
  EXPECT_EQ(stand12a1->BarvaProperty("POR_TEXT_Vse"), kColorWhite);
  TPorost* stand12c1 = Por(odd12, "C", "1");
  EXPECT_EQ(Keys(stand12c1->Kategorie1MN()), (std::vector<std::string>{"32e", "10"}));
  EXPECT_EQ(Keys(stand12c1->ZvlStMN()), (std::vector<std::string>{"18", "26"}));
  auto* felled =
      Key<TEtaz>(Key<TPorostniSkupina>(stand12c1->PorostniSkupinaMN(), "10")->EtazMN(), "10");
  ASSERT_NE(felled, nullptr);
  EXPECT_EQ(felled->BarvaProperty("TO_P_MERK"), kColorYellow);
  TOddeleni* odd13 = Next();
  TPorost* stand13a2 = Por(odd13, "A", "2");
  ASSERT_NE(stand13a2, nullptr);
  EXPECT_EQ(Keys(stand13a2->BezlesiMN()), (std::vector<std::string>{"3", "3a"}));
  auto* second = Key<TBezlesi>(stand13a2->BezlesiMN(), "3a");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->GetPropertyText("BZL"), "3");
  EXPECT_EQ(second->RId(), 7);
  EXPECT_EQ(Next(), nullptr);
}

TEST_F(SampleReadTest, WithoutColoursNoMetadataIsCreated) {
  ctx_.no_colours = true;
  TOddeleni* odd = Next();
  auto* group = Key<TPorostniSkupina>(Por(odd, "A", "1")->PorostniSkupinaMN(), "12");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->Vlastnosti(), nullptr);
  EXPECT_EQ(group->BarvaProperty("PSK_P"), kColor3DLight);
  EXPECT_EQ(odd->Vlastnosti(), nullptr);
  EXPECT_EQ(Por(odd, "A", "1")->Vlastnosti(), nullptr);
  EXPECT_EQ(group->GetPropertyText("PSK_P"), "2.6");
}

}  // namespace
}  // namespace tarnik::plan::test
