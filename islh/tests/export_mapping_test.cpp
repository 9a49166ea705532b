#include "islh/export_mapping.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forest/codelists/cisel_kelva.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/land.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_classes.h"
#include "forest/layers/parcel_part.h"
#include "forest/layers/statuses.h"
#include "forest/layers/tree_species.h"
#include "forest/option_flags.h"
#include "framework/framework_classes.h"
#include "platform/numtext.h"
#include "platform/recording_ui.h"
#include "testing/fake_export_unit.h"

namespace tarnik::islh {
namespace {

using framework::TElement;
using plan::TOddeleni;
using testunit::FakeExportUnit;

class ExportMappingTest : public ::testing::Test {
 protected:
  ExportMappingTest() {
    testunit::RegisterModelClasses();
    forest::Flags() = forest::OptionFlags();
  }
  ~ExportMappingTest() override { forest::Flags() = forest::OptionFlags(); }

  // The key property of every object the element name yields until none is left.
  std::vector<std::string> Walk(const std::string& element, const std::string& key) {
    std::vector<std::string> keys;
    for (int guard = 0; guard < 100; ++guard) {
      TElement* e = mapping_.NextObject(element);
      if (!e) return keys;
      keys.push_back(e->GetPropertyText(key));
    }
    ADD_FAILURE() << element << " never ends";
    return keys;
  }
  TElement* FirstCompartment() {
    unit_.ZnovuNacti();
    mapping_.ResetIterator();
    return mapping_.NextObject("ODD");
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  FakeExportUnit unit_;
  TExportMapping mapping_{unit_};
};

using Strings = std::vector<std::string>;

TEST_F(ExportMappingTest, CompartmentsInLoadOrderEmptyOnesSkippedExceptTheLast) {
  unit_.Add(11, [](TOddeleni& c) { testunit::AddGroup(testunit::AddStand(c, "A", "1"), "1a"); });
  // Only other land: step 6 removes the stand and the sub-compartment.
  unit_.Add(12, [](TOddeleni& c) {
    testunit::AddPlot<plan::TOstatni>(testunit::AddStand(c, "B", "1")->OstatniMN(), 4, 700, 0.5);
  });
  unit_.Add(13, [](TOddeleni& c) { testunit::AddGroup(testunit::AddStand(c, "C", "2"), "2b"); });
  unit_.Add(14, [](TOddeleni&) {});
  mapping_.SetProgressLine(true);
  unit_.ZnovuNacti();
  mapping_.ResetIterator();
  EXPECT_EQ(Walk("ODD", "ODD"), (Strings{"11", "13", "14"}));
  EXPECT_EQ(ui_.Statuses(),
            (Strings{"exportuji oddělění 11", "exportuji oddělění 12", "exportuji oddělění 13"}));
  EXPECT_EQ(unit_.progress_calls, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(mapping_.NextObject("odd"), nullptr);

  // A new document walks the unit again from its first compartment.
  unit_.ZnovuNacti();
  mapping_.ResetIterator();
  EXPECT_EQ(Walk("Odd", "ODD"), (Strings{"11", "13", "14"}));
}

TEST_F(ExportMappingTest, StandWithOnlyOtherLandStaysForTheLcrExport) {
  unit_.Add(12, [](TOddeleni& c) {
    plan::TPorost* stand = testunit::AddStand(c, "B", "1");
    testunit::AddPlot<plan::TOstatni>(stand->OstatniMN(), 4, 700, 0.5);
  });
  unit_.Add(13, [](TOddeleni&) {});
  unit_.lhc->SetExportProLCR(true);
  ASSERT_NE(FirstCompartment(), nullptr);
  EXPECT_EQ(Walk("DIL", "DIL"), Strings{"B"});
  EXPECT_EQ(Walk("POR", "POR"), Strings{"1"});
  EXPECT_EQ(Walk("OP", "OP"), Strings{"4"});

  FakeExportUnit state;
  TExportMapping state_mapping(state);
  state.Add(12, [](TOddeleni& c) {
    testunit::AddPlot<plan::TOstatni>(testunit::AddStand(c, "B", "1")->OstatniMN(), 4, 700, 0.5);
  });
  state.ZnovuNacti();
  state_mapping.ResetIterator();
  TElement* only = state_mapping.NextObject("ODD");
  ASSERT_NE(only, nullptr);  // the last compartment is yielded empty
  EXPECT_EQ(state_mapping.NextObject("DIL"), nullptr);
}

TEST_F(ExportMappingTest, UnitWithoutCompartmentsYieldsNone) {
  EXPECT_EQ(FirstCompartment(), nullptr);
  EXPECT_EQ(mapping_.NextObject("DIL"), nullptr);
  EXPECT_EQ(mapping_.NextObject("ODD"), nullptr);
}

TEST_F(ExportMappingTest, UnitThatCannotLoadFurtherEndsTheWalk) {
  unit_.Add(1, [](TOddeleni& c) { testunit::AddGroup(testunit::AddStand(c, "a", "1"), "1"); });
  unit_.Add(2, [](TOddeleni&) {});
  unit_.stuck = true;  // claims more compartments but keeps the loaded one
  ASSERT_NE(FirstCompartment(), nullptr);
  EXPECT_EQ(mapping_.NextObject("ODD"), nullptr);
}

TEST_F(ExportMappingTest, NestedPositionsFollowTheCurrentParents) {
  unit_.Add(5, [](TOddeleni& c) {
    plan::TPorost* a1 = testunit::AddStand(c, "a", "1");
    plan::TPorostniSkupina* g = testunit::AddGroup(a1, "1a");
    plan::TEtaz* layer = testunit::AddLayer(g, "1", 21);
    testunit::AddSpecies(layer, "SM", {"1", "2"});
    testunit::AddSpecies(layer, "BK", {});
    testunit::AddLayer(g, "2", 25);
    testunit::AddGroup(a1, "2a");
    testunit::AddGroup(testunit::AddStand(c, "a", "2"), "3a");
    testunit::AddGroup(testunit::AddStand(c, "b", "1"), "1b");
  });
  ASSERT_NE(FirstCompartment(), nullptr);
  ASSERT_NE(mapping_.NextObject("DIL"), nullptr);
  ASSERT_NE(mapping_.NextObject("POR"), nullptr);
  ASSERT_NE(mapping_.NextObject("PSK"), nullptr);
  EXPECT_EQ(Walk("CPP", "Name"), Strings{"CParc Vzdy"});  // created by the preparation
  ASSERT_NE(mapping_.NextObject("ETZ"), nullptr);
  ASSERT_NE(mapping_.NextObject("DRV"), nullptr);
  EXPECT_EQ(Walk("POS", "POSKOZ_D"), (Strings{"1", "2"}));
  EXPECT_EQ(Walk("POS", "POSKOZ_D"), (Strings{"1", "2"}));  // walked again after its last
  ASSERT_NE(mapping_.NextObject("DRV"), nullptr);
  EXPECT_EQ(Walk("POS", "POSKOZ_D"), Strings{});  // the second species has none
  EXPECT_EQ(mapping_.NextObject("DRV"), nullptr);
  EXPECT_EQ(Walk("ETZ", "ETAZ_XML"), Strings{"2"});
  EXPECT_EQ(Walk("ETZ", "ETAZ_XML"), (Strings{"1", "2"}));
  EXPECT_EQ(Walk("PSK", "PSK_XML"), Strings{"2a"});
  EXPECT_EQ(mapping_.NextObject("PSK"), nullptr);  // stays past its last until the stand changes
  EXPECT_EQ(Walk("POR", "POR"), Strings{"2"});
  EXPECT_EQ(Walk("PSK", "PSK_XML"), Strings{"3a"});
  EXPECT_EQ(Walk("DIL", "DIL"), Strings{"b"});
  EXPECT_EQ(Walk("POR", "POR"), Strings{"1"});
  EXPECT_EQ(Walk("PSK", "PSK_XML"), Strings{"1b"});
  EXPECT_EQ(mapping_.NextObject("DIL"), nullptr);
  EXPECT_EQ(mapping_.NextObject("ETZ?"), nullptr);
  EXPECT_EQ(mapping_.NextObject("DATAISLH"), nullptr);
}

// The current objects answer what the walk stands on after every move of any kind: restarted
// kinds stand before their first, kinds past their last keep it, and a further compartment
// starts every kind below it anew.
TEST_F(ExportMappingTest, CurrentObjectsFollowEveryMoveOfTheWalk) {
  unit_.Add(5, [](TOddeleni& c) {
    plan::TPorostniSkupina* g = testunit::AddGroup(testunit::AddStand(c, "a", "1"), "1a");
    testunit::AddLayer(g, "1", 21);
    testunit::AddLayer(g, "2", 25);
    testunit::AddGroup(testunit::AddStand(c, "a", "2"), "2a");
  });
  unit_.Add(6, [](TOddeleni& c) { testunit::AddGroup(testunit::AddStand(c, "c", "1"), "1c"); });
  ASSERT_NE(FirstCompartment(), nullptr);
  EXPECT_EQ(mapping_.CurrentObject("DIL"), nullptr);
  TElement* dil = mapping_.NextObject("DIL");
  EXPECT_EQ(mapping_.CurrentObject("DIL"), dil);
  EXPECT_EQ(mapping_.CurrentObject("POR"), nullptr);
  TElement* first = mapping_.NextObject("POR");
  EXPECT_EQ(mapping_.CurrentObject("POR"), first);
  TElement* group = mapping_.NextObject("PSK");
  EXPECT_EQ(mapping_.CurrentObject("PSK"), group);
  TElement* layer = mapping_.NextObject("ETZ");
  EXPECT_EQ(mapping_.CurrentObject("ETZ")->GetPropertyText("ETAZ_XML"), "1");
  EXPECT_EQ(mapping_.CurrentObject("ETZ"), layer);
  mapping_.NextObject("ETZ");
  EXPECT_EQ(mapping_.CurrentObject("ETZ")->GetPropertyText("ETAZ_XML"), "2");
  EXPECT_EQ(mapping_.NextObject("ETZ"), nullptr);
  EXPECT_EQ(mapping_.CurrentObject("ETZ"), nullptr);  // back before its first
  EXPECT_EQ(mapping_.CurrentObject("PSK"), group);

  TElement* second = mapping_.NextObject("POR");
  ASSERT_NE(second, first);
  EXPECT_EQ(mapping_.CurrentObject("POR"), second);
  EXPECT_EQ(mapping_.CurrentObject("PSK"), nullptr);  // restarted by the stand's move
  EXPECT_EQ(mapping_.CurrentObject("ETZ"), nullptr);
  EXPECT_EQ(mapping_.NextObject("PSK")->GetPropertyText("PSK_XML"), "2a");
  EXPECT_EQ(mapping_.CurrentObject("PSK")->GetPropertyText("PSK_XML"), "2a");
  EXPECT_EQ(mapping_.NextObject("POR"), nullptr);
  EXPECT_EQ(mapping_.CurrentObject("POR"), second);  // stays on its last
  EXPECT_EQ(mapping_.CurrentObject("PSK")->GetPropertyText("PSK_XML"), "2a");

  ASSERT_NE(mapping_.NextObject("ODD"), nullptr);
  EXPECT_EQ(mapping_.CurrentObject("ODD")->GetPropertyText("ODD"), "6");
  EXPECT_EQ(mapping_.CurrentObject("DIL"), nullptr);
  EXPECT_EQ(mapping_.CurrentObject("POR"), nullptr);
  EXPECT_EQ(mapping_.CurrentObject("PSK"), nullptr);
  mapping_.NextObject("DIL");
  EXPECT_EQ(mapping_.CurrentObject("DIL")->GetPropertyText("DIL"), "c");
  mapping_.NextObject("POR");
  EXPECT_EQ(mapping_.NextObject("PSK")->GetPropertyText("PSK_XML"), "1c");
  EXPECT_EQ(mapping_.CurrentObject("PSK")->GetPropertyText("PSK_XML"), "1c");
}

TEST_F(ExportMappingTest, ParcelsOfPlotsAndOtherLandFollowTheKindTakenLast) {
  unit_.Add(5, [](TOddeleni& c) {
    plan::TPorost* stand = testunit::AddStand(c, "a", "1");
    testunit::AddPlot<plan::TJinyPozemek>(stand->JinyPozemekMN(), 2, 700, 0.3);
    plan::TOstatni* other = testunit::AddPlot<plan::TOstatni>(stand->OstatniMN(), 3, 700, 0.1);
    other->CastParcelyMN()->SetNovyPrvekVzdy("P1");
    other->CastParcelyMN()->SetNovyPrvekVzdy("P2");
    testunit::AddPlot<plan::TBezlesi>(stand->BezlesiMN(), 1, 700, 0.2);
  });
  ASSERT_NE(FirstCompartment(), nullptr);
  mapping_.NextObject("DIL");
  mapping_.NextObject("POR");
  ASSERT_NE(mapping_.NextObject("BZL"), nullptr);
  EXPECT_EQ(Walk("CPB", "Name"), Strings{"CParc Vzdy"});
  ASSERT_NE(mapping_.NextObject("JP"), nullptr);
  EXPECT_EQ(Walk("CPJ", "Name"), Strings{"CParc Vzdy"});
  EXPECT_EQ(mapping_.NextObject("JP"), nullptr);
  ASSERT_NE(mapping_.NextObject("OP"), nullptr);
  EXPECT_EQ(Walk("CPJ", "Name"), (Strings{"CParc P1", "CParc P2"}));
}

TEST_F(ExportMappingTest, PreparationMergesPlotsAddsCategoryAndDropsStatuses) {
  auto build = [](TOddeleni& c) {
    plan::TPorost* stand = testunit::AddStand(c, "a", "1");
    testunit::AddGroup(stand, "1");
    testunit::AddPlot<plan::TBezlesi>(stand->BezlesiMN(), 3, 701, 0.5);
    testunit::AddPlot<plan::TBezlesi>(stand->BezlesiMN(), 3, 702, 0.1);
    testunit::AddPlot<plan::TBezlesi>(stand->BezlesiMN(), 3, 701, 0.25);
    static_cast<plan::TZvlStMN*>(stand->ZvlStMN())->NastavZvlSt("12/x55/14", "/");
  };
  unit_.Add(5, build);
  forest::Flags().smaz_zvl_st = true;
  ASSERT_NE(FirstCompartment(), nullptr);
  mapping_.NextObject("DIL");
  auto* stand = dynamic_cast<plan::TPorost*>(mapping_.NextObject("POR"));
  ASSERT_NE(stand, nullptr);
  EXPECT_EQ(Walk("KAT", "KATEGORIE"), Strings{"10"});
  std::vector<double> areas;
  for (TElement* e; (e = mapping_.NextObject("BZL"));)
    areas.push_back(static_cast<plan::TBezlesi*>(e)->Plocha());
  EXPECT_EQ(areas, (std::vector<double>{0.75, 0.1}));
  EXPECT_EQ(stand->GetPropertyText("ZVL_STATUT_XML"), "14");

  FakeExportUnit keep;
  TExportMapping keep_mapping(keep);
  keep.Add(5, build);
  forest::Flags().smaz_zvl_st = false;
  keep.ZnovuNacti();
  keep_mapping.ResetIterator();
  ASSERT_NE(keep_mapping.NextObject("ODD"), nullptr);
  keep_mapping.NextObject("DIL");
  TElement* kept = keep_mapping.NextObject("POR");
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(static_cast<plan::TPorost*>(kept)->ZvlStMN()->PocetPrvku(), 3);
}

TEST_F(ExportMappingTest, CodeListsAndTheLhcRecord) {
  unit_.AddCode(unit_.codes->CisHsMN(), "21", {{"CISLO_HS", "21"}});
  unit_.AddCode(unit_.codes->CisHsMN(), "25", {{"CISLO_HS", "25"}});
  unit_.AddCode(unit_.codes->CisSCHUMN(), "7", {{"SCHU_KOD", "7"}});
  unit_.AddCode(unit_.codes->OrgUrMN(1), "128", {{"Kod", "128"}});
  unit_.AddCode(unit_.codes->OrgUrMN(2), "1", {{"Kod", "1"}});
  unit_.AddCode(unit_.codes->OrgUrMN(2), "2", {{"Kod", "2"}});
  unit_.AddCode(unit_.codes->OLHMN(), "3", {{"KOD", "3"}});
  mapping_.ResetIterator();
  EXPECT_EQ(Walk("hs", "CISLO_HS"), (Strings{"21", "25"}));
  EXPECT_EQ(Walk("HS", "CISLO_HS"), Strings{});  // restarted only by a new document
  EXPECT_EQ(Walk("SCHU", "SCHU_KOD"), Strings{"7"});
  EXPECT_EQ(Walk("OU1", "Kod"), Strings{"128"});
  EXPECT_EQ(Walk("OU2", "Kod"), (Strings{"1", "2"}));
  EXPECT_EQ(Walk("OLH", "KOD"), Strings{"3"});
  EXPECT_EQ(mapping_.NextObject("LHC"), unit_.lhc.get());
  EXPECT_EQ(mapping_.NextObject("lhc"), unit_.lhc.get());
  mapping_.ResetIterator();
  EXPECT_EQ(Walk("HS", "CISLO_HS"), (Strings{"21", "25"}));
}

TEST_F(ExportMappingTest, MzdKeysCollectedPerCompartmentAndExpandedAfterwards) {
  unit_.Add(1, [](TOddeleni& c) {
    plan::TPorostniSkupina* g = testunit::AddGroup(testunit::AddStand(c, "a", "1"), "1", "3K");
    testunit::AddLayer(g, "1", 45);
    testunit::AddLayer(g, "2", 21);
  });
  unit_.Add(2, [](TOddeleni& c) {
    plan::TPorostniSkupina* g = testunit::AddGroup(testunit::AddStand(c, "a", "1"), "1", "1A");
    testunit::AddLayer(g, "1", 21);
    testunit::AddLayer(g, "2", 45);
  });
  forest::Flags().sestavit_mzd = true;
  ASSERT_NE(FirstCompartment(), nullptr);
  EXPECT_EQ(unit_.codes->MZDHospSoubMN()->SpojHodnotyProperty("CISLOHS_LTSLT", ","),
            "000213K ,000453K ");
  ASSERT_NE(mapping_.NextObject("ODD"), nullptr);
  EXPECT_EQ(mapping_.NextObject("ODD"), nullptr);
  EXPECT_EQ(unit_.codes->MZDHospSoubMN()->SpojHodnotyProperty("CISLOHS_LTSLT", ","),
            "000211A ,000213K ,000451A ,000453K ");

  mapping_.RozvinMZDHospSoub();
  Strings records = Walk("MZD", "DR_ZKR");
  // In key order: (21, 1A) thirteen species, BK first; (21, 3K) eight; (45, 1A) sixteen of the
  // DB variant; (45, 3K) eight, as no DB variant exists for 3K.
  ASSERT_EQ(records.size(), 13u + 8u + 16u + 8u);
  EXPECT_EQ(records.front(), "BK");

  FakeExportUnit without;
  TExportMapping without_mapping(without);
  without.Add(1, [](TOddeleni& c) {
    testunit::AddLayer(testunit::AddGroup(testunit::AddStand(c, "a", "1"), "1", "1A"), "1", 21);
  });
  forest::Flags().sestavit_mzd = false;
  without.ZnovuNacti();
  without_mapping.ResetIterator();
  ASSERT_NE(without_mapping.NextObject("ODD"), nullptr);
  EXPECT_EQ(without.codes->MZDHospSoubMN()->PocetPrvku(), 0);
}

}  // namespace
}  // namespace tarnik::islh
