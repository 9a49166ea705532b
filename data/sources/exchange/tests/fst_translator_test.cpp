#include "data/sources/exchange/fst_translator.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/sources/exchange/fst_readers.h"
#include "forest/forest_set.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/tree_species.h"
#include "forest/unit/lesni_celek.h"
#include "platform/numtext.h"
#include "platform/text.h"
#include "testing/fst_writer.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using tarnik::testing::FstTable;

// A property as a number with "." (the model writes the user's separator).
double Float(TElement& element, const char* name) {
  return platform::DecimalTextToFloat(element.GetPropertyText(name));
}

class TranslatorTest : public ::testing::Test, public test::UnitFixture {
 protected:
  // Every line of the file through both passes into the compartment.
  void Apply(const std::string& file, const FstTable& table, bool older_form = false) {
    TPrenasecZeStandarduData reader;
    reader.OpenBytes(tarnik::testing::FstDataBytes(table), file);
    TImportStandardPP_FST translator(unit);
    translator.JmenoTextFile = file;
    translator.Oddelovac = reader.OddelovacMeziNasobnymiHodnotami();
    translator.NevytvaretNoveOddeleni = true;
    translator.OwnerOfOtherPlotsToStand = older_form;
    translator.PUVOD_DAT_PP = "IS 98";
    translator.SetCompartment(compartment.get());
    for (reader.NactiDalsiRadek(); !reader.Konec(); reader.NactiDalsiRadek()) {
      translator.Nastavuj = true;
      translator.Execute(reader.decoder());
      translator.Nastavuj = false;
      translator.Execute(reader.decoder());
    }
  }
  static std::vector<TElement*> Elements(TLesniMnozina* set) {
    return set ? set->Prvky() : std::vector<TElement*>();
  }
  TPorost* Stand(size_t dil = 0, size_t por = 0) {
    auto* d = dynamic_cast<TDilec*>(Elements(compartment->DilecMN()).at(dil));
    return dynamic_cast<TPorost*>(Elements(d->PorostMN()).at(por));
  }
  TPorostniSkupina* Group(TPorost* stand, size_t n = 0) {
    return dynamic_cast<TPorostniSkupina*>(Elements(stand->PorostniSkupinaMN()).at(n));
  }
  TEtaz* Layer(TPorostniSkupina* group, size_t n = 0) {
    return dynamic_cast<TEtaz*>(Elements(group->EtazMN()).at(n));
  }
  std::vector<TElement*> Species(TEtaz* layer) { return Elements(layer->DrevinaMN()); }

  TLesniCelek unit;
  std::unique_ptr<TOddeleni> compartment = std::make_unique<TOddeleni>();
};

TEST_F(TranslatorTest, AStandLineFillsEveryLevel) {
  FstTable pp;
  pp.columns = {"LHC_KOD",  "LHC_NAZ",    "LHP_OD",  "ETAT_TV",   "TEZ_PROC",   "MVYCH_DO40",
                "ODD",      "DIL",        "POR",     "KATEGORIE", "ORG_UROVEN", "LES_OBL",
                "OLH",      "PAS_OHR",    "MAJ_KOD", "MAJ_DRUH",  "POR_TEXT",   "PSK",
                "PSK_P",    "PSK_P0",     "KVAL_P",  "KU_KOD",    "LT",         "PRIB_VZD",
                "PSK_TEXT", "ETAZ",       "ETAZ_PP", "ETAZ_PS",   "HS",         "VEK",
                "ZAKM",     "PRO_POC",    "TV_NAL",  "MZD",       "DR_ZKR",     "ZAST",
                "BON_A",    "DR_ZAS_TAB", "DR_TV",   "POSKOZ_D",  "POSKOZ_R"};
  pp.rows = {{" 615 203",
              "Sněžné – ŽĎÁR",
              "2022",
              "1 568",
              "5",
              "14,5",
              "11",
              "A",
              "1",
              "1$3",
              "128$1",
              "16",
              "1",
              "D",
              "104",
              "2",
              "Porost u studní",
              "10/1",
              "2.5",
              "2,4",
              "kval 3",
              "752126",
              "5K1",
              "300",
              "Žďárské",
              "1",
              "2,5",
              "2.5",
              "73",
              "45",
              "9",
              "a2",
              "T",
              "BK 20",
              "SM",
              "7 0",
              "28",
              "420",
              "15x",
              "2$5",
              "30$20"},
             {"615203", "Sněžné", "2022", "1568", "5", "14.5",  "11",   "A",   "1", "1$3", "128$1",
              "16",     "1",      "D",    "104",  "2", "Druhá", "10/1", "2.5", "",  "",    "752126",
              "5K1",    "300",    "",     "1",    "",  "",      "73",   "45",  "9", "",    "",
              "",       "",       "55",   "",     "",  "",      "",     ""}};
  Apply("PP.FST", pp);
  TLHC& lhc = *unit.LHC();
  EXPECT_EQ(lhc.LHC_KOD(), 615203);
  EXPECT_EQ(lhc.PUVOD_DAT(), "IS 98");
  EXPECT_EQ(lhc.LHC_NAZ(), "Sněžné");
  EXPECT_EQ(lhc.GetPropertyText("LHP_OD"), "2022");
  EXPECT_EQ(lhc.GetPropertyInteger("ETAT_TV"), 1568);
  EXPECT_EQ(lhc.GetPropertyInteger("TEZ_PROC"), 5);
  EXPECT_DOUBLE_EQ(Float(lhc, "MVYCH_DO40"), 14.5);

  ASSERT_EQ(Elements(compartment->DilecMN()).size(), 1u);
  TPorost* stand = Stand();
  EXPECT_EQ(stand->POR(), "1");
  // KATEGORIE "1" $ "3": two categories.
  std::vector<TElement*> categories = Elements(stand->Kategorie1MN());
  ASSERT_EQ(categories.size(), 2u);
  EXPECT_EQ(categories[0]->GetPropertyText("KATEGORIE"), "1");
  EXPECT_EQ(categories[1]->GetPropertyText("KATEGORIE"), "3");
  EXPECT_EQ(Elements(stand->Org_UrovenMN()).size(), 2u);
  EXPECT_EQ(stand->GetPropertyText("OLH_98n"), "1");
  EXPECT_EQ(stand->GetPropertyText("PAS_OHR"), "D");
  EXPECT_EQ(stand->MAJ_KOD(), 104);
  EXPECT_EQ(stand->MAJ_DRUH(), 2);
  // Only the first line's remark is taken.
  EXPECT_EQ(stand->PorText(), (std::vector<std::string>{"Porost u studní"}));

  // "10/1" is the group "10 / 1 ", found again by the second line.
  ASSERT_EQ(Elements(stand->PorostniSkupinaMN()).size(), 1u);
  TPorostniSkupina* group = Group(stand);
  EXPECT_EQ(group->PSK(), "10 / 1 ");
  EXPECT_DOUBLE_EQ(Float(*group, "PSK_P0"), 0);  // the second line's empty value: 0
  EXPECT_EQ(group->GetPropertyInteger("KVAL_P"), 0);
  EXPECT_EQ(group->GetPropertyInteger("KU_KOD"), 752126);
  EXPECT_EQ(group->GetPropertyText("LT"), "5K1");
  EXPECT_EQ(group->GetPropertyInteger("PRIB_VZD"), 300);
  EXPECT_EQ(group->PSK_TEXT(), "");

  TEtaz* layer = Layer(group);
  EXPECT_EQ(layer->GetPropertyInteger("HS"), 73);
  EXPECT_EQ(layer->GetPropertyInteger("VEK"), 45);
  EXPECT_EQ(layer->GetPropertyInteger("ZAKM"), 9);
  EXPECT_EQ(layer->GetPropertyText("MZDs"), "");

  // The first line makes a species; the second line's empty DR_ZKR writes no species values.
  std::vector<TElement*> species = Species(layer);
  ASSERT_EQ(species.size(), 1u);
  EXPECT_EQ(platform::Trim(species[0]->GetPropertyText("DR_ZKR")), "SM");
  EXPECT_EQ(species[0]->GetPropertyInteger("ZAST"), 70);
  EXPECT_EQ(species[0]->GetPropertyInteger("BON_A"), 28);
  EXPECT_EQ(species[0]->GetPropertyInteger("ZAS_TAB_HA"), 420);
  EXPECT_EQ(species[0]->GetPropertyInteger("DR_TV"), 15);
  auto* damages = dynamic_cast<TDrevina*>(species[0])->PoskozeniMN();
  std::vector<TElement*> rows = Elements(damages);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1]->GetPropertyText("POSKOZ_D"), "5");
  EXPECT_EQ(rows[1]->GetPropertyText("POSKOZ_R10"), "20");
  EXPECT_TRUE(ui.MessagesOf(platform::Severity::kPassedOver).empty());
}

TEST_F(TranslatorTest, TheFirstLineWritesTheValuesOfEveryColumn) {
  // One line: the values of the loading pass arrive in their elements.
  FstTable pp;
  pp.columns = {"ODD",     "DIL",     "POR",    "PSK", "PSK_P",  "PSK_TEXT", "ETAZ_TEXT", "ETAZ",
                "ETAZ_PP", "PRO_POC", "TV_NAL", "MZD", "DR_ZKR", "ZAST",     "IMISE"};
  pp.rows = {{"11", "A", "1", "1a", "2.5", "Žďárské", "druhá", "1", "2,5", "a2", "T", "2 0", "SM",
              "7 0", "1"}};
  Apply("PP.FST", pp);
  TPorostniSkupina* group = Group(Stand());
  EXPECT_DOUBLE_EQ(Float(*group, "PSK_P"), 2.5);
  EXPECT_EQ(group->PSK_TEXT(), "Žďárské ETÁŽ: druhá");
  TEtaz* layer = Layer(group);
  EXPECT_DOUBLE_EQ(Float(*layer, "ETAZ_PP"), 2.5);
  EXPECT_EQ(layer->GetPropertyInteger("PRO_POC"), 2);
  EXPECT_EQ(layer->GetPropertyText("TV_NAL"), "T");
  EXPECT_EQ(layer->GetPropertyText("MZDs"), "20");
  EXPECT_EQ(Species(layer).at(0)->GetPropertyText("IMISE"), "1");
}

TEST_F(TranslatorTest, AfforestationRowsAndTheirAreas) {
  FstTable pp;
  pp.columns = {"ODD", "DIL", "POR", "PSK", "ETAZ", "ZAL_DR", "ZAL_DRUH", "ZAL_P", "ZAL_DR_P"};
  pp.rows = {{"11", "A", "1", "1a", "1", "SM$BK", "1$2", "0.6$0.4", "0"},
             {"11", "A", "1", "1a", "1", "", "", "0", ""}};
  Apply("PP.FST", pp);
  TEtaz* layer = Layer(Group(Stand()));
  std::vector<TElement*> rows = Elements(layer->ZalesneniMN());
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0]->GetPropertyText("ZAL_DR"), "SM");
  EXPECT_EQ(rows[1]->GetPropertyText("ZAL_DR"), "BK");
  EXPECT_EQ(rows[1]->GetPropertyText("ZAL_DRUH"), "2");
  // ZAL_P "0" on the second line leaves the areas as they were.
  EXPECT_DOUBLE_EQ(Float(*rows[0], "ZAL_P"), 0.6);
  EXPECT_DOUBLE_EQ(Float(*rows[1], "ZAL_P"), 0.4);
}

TEST_F(TranslatorTest, PlotsAndTheirOwnersByFileAndForm) {
  FstTable jp;
  jp.columns = {"ODD",     "DIL",      "POR",     "JP",       "JP_P",  "JP_P0",
                "JP_VYUZ", "DRUH_POZ", "MAJ_KOD", "MAJ_DRUH", "KU_KOD"};
  jp.rows = {{"14", "A", "1", "1", "0.4", "0,5", "školka", "2", "7", "3", "752126"},
             {"14", "A", "1", "1", "0.2", "", "pastva", "10", "7", "3", "x"}};
  Apply("JP.FST", jp);
  TPorost* stand = Stand();
  // A line makes a new plot even when the number repeats.
  std::vector<TElement*> plots = Elements(stand->JinyPozemekMN());
  ASSERT_EQ(plots.size(), 2u);
  EXPECT_DOUBLE_EQ(Float(*plots[0], "JP_P"), 0.4);
  EXPECT_DOUBLE_EQ(Float(*plots[0], "JP_P0"), 0.5);
  EXPECT_EQ(plots[0]->GetPropertyText("JP_VYUZ"), "školka");
  EXPECT_EQ(plots[1]->GetPropertyText("DRUH_POZ"), "10");
  // The plot keeps its own owner (read back as the stand's, stored as the original one).
  EXPECT_EQ(plots[0]->GetPropertyInteger("MAJ_KOD_PUV"), 7);
  EXPECT_EQ(plots[0]->GetPropertyInteger("KU_KOD"), 752126);
  // The second line's KU_KOD is no whole number: reported, and the plot keeps its value.
  EXPECT_EQ(ui.MessagesOf(platform::Severity::kPassedOver),
            (std::vector<std::string>{"chyba při načítaní elementu \"KU_KOD\" recursorem "
                                      "\"JP.FST\""}));
  EXPECT_EQ(plots[1]->GetPropertyInteger("KU_KOD"), 0);
  EXPECT_EQ(stand->MAJ_KOD(), 0);  // the owner of other plots stays with the plot

  // In the 97 form (no POR in JP.FST) the owner of an other plot goes to the stand.
  FstTable jp97;
  jp97.columns = {"ODD", "DIL", "JP", "MAJ_KOD", "MAJ_DRUH"};
  jp97.rows = {{"14", "A", "1", "7", "3"}, {"14", "A", "2", "7", "3"}};
  compartment = std::make_unique<TOddeleni>();
  Apply("JP.FST", jp97, true);
  EXPECT_EQ(Elements(Stand()->JinyPozemekMN()).size(), 2u);
  EXPECT_EQ(Stand()->MAJ_KOD(), 7);
  EXPECT_EQ(Stand()->MAJ_DRUH(), 3);

  // Empty designations of the stand of an other plot become "-".
  FstTable blank;
  blank.columns = {"ODD", "DIL", "POR", "JP"};
  blank.rows = {{"14", "", "", "3"}};
  compartment = std::make_unique<TOddeleni>();
  Apply("JP.FST", blank);
  EXPECT_EQ(Stand()->POR(), "-");
  EXPECT_EQ(dynamic_cast<TDilec*>(Elements(compartment->DilecMN())[0])->DIL(), "-");

  FstTable bzl;
  bzl.columns = {"ODD", "DIL", "POR", "BZL", "BZL_P", "BZL_VYUZ", "MAJ_KOD"};
  bzl.rows = {{"12", "B", "2", "1", "0,3", "cesta", "104"}};
  compartment = std::make_unique<TOddeleni>();
  Apply("BZL.FST", bzl);
  std::vector<TElement*> land = Elements(Stand()->BezlesiMN());
  ASSERT_EQ(land.size(), 1u);
  EXPECT_DOUBLE_EQ(Float(*land[0], "BZL_P"), 0.3);
  EXPECT_EQ(land[0]->GetPropertyText("BZL_VYUZ"), "cesta");
  EXPECT_EQ(land[0]->GetPropertyInteger("MAJ_KOD_BZL"), 104);
  EXPECT_EQ(Stand()->MAJ_KOD(), 104);
}

TEST_F(TranslatorTest, CodePageLettersAndOtherBytes) {
  // All 38 letters the readers convert, with bytes that are not among them.
  const std::string letters = "ÁÉÍĹÓŔÚÝáéíĺóŕúýČĎĚĽŇÔŘŠŤŮŽčďěľňôřšťůž";
  FstTable lhc;
  lhc.columns = {"LHC_KOD", "LHC_NAZ"};
  lhc.rows = {{"1", letters + " @#-"}};
  Apply("LHC.FST", lhc);
  EXPECT_EQ(unit.LHC()->LHC_NAZ(), letters + " @#-");
  // LHC.FST has no compartment: nothing is created below the LHC.
  EXPECT_EQ(Elements(compartment->DilecMN()).size(), 0u);
}

}  // namespace
}  // namespace tarnik::plan
