#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/sources/part_files/part_reader.h"
#include "data/sources/part_files/part_translator.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/damage.h"
#include "forest/layers/layer.h"
#include "forest/layers/tree_species.h"
#include "platform/numtext.h"
#include "testing/part_files_writer.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan {
namespace {

using tarnik::testing::PartLine;

// A species record of compartment 7, sub-compartment "a", the state as owner.
PartLine Species(const char* group, const char* species, const char* share = "100") {
  PartLine line;
  line.Set(6, "01").Set(7, "  7").Set(8, "a").Set(9, "10").Set(10, "101").Set(31, "0");
  line.Set(16, group).Set(17, "0200").Set(18, "080").Set(19, "501").Set(20, "12010");
  line.Set(23, species).Set(24, share).Set(32, "00500").Set(64, "02");
  return line;
}

std::vector<framework::TElement*> Elements(TLesniMnozina* set) {
  return set ? set->Prvky() : std::vector<framework::TElement*>{};
}

std::string Text(framework::TElement* e, const char* property) {
  return e->GetPropertyText(property);
}

double Float(framework::TElement* e, const char* property) {
  return platform::DecimalTextToFloat(e->GetPropertyText(property));
}

class CompartmentTest : public ::testing::Test, public test::UnitFixture {
 protected:
  // Reads the first compartment of the lines (with the description records, when given).
  TOddeleni& Read(const std::vector<PartLine>& lines,
                  std::optional<std::string> description = std::nullopt) {
    reader_.OpenBytes(tarnik::testing::PartFileBytes(lines), std::move(description));
    compartment_.reset(
        NactiOddeleni_LHP(reader_, [this](const std::string& t) { progress.push_back(t); }));
    EXPECT_NE(compartment_, nullptr);
    return *compartment_;
  }
  TDilec* Sub(TOddeleni& odd, size_t i) {
    return dynamic_cast<TDilec*>(Elements(odd.DilecMN()).at(i));
  }
  TPorost* Stand(TDilec* dil, size_t i) {
    return dynamic_cast<TPorost*>(Elements(dil->PorostMN()).at(i));
  }
  TPorostniSkupina* Group(TPorost* stand, size_t i) {
    return dynamic_cast<TPorostniSkupina*>(Elements(stand->PorostniSkupinaMN()).at(i));
  }
  TEtaz* Layer(TPorostniSkupina* group) {
    return dynamic_cast<TEtaz*>(Elements(group->EtazMN()).at(0));
  }

  TUnivStareLHP reader_;
  std::unique_ptr<TOddeleni> compartment_;
  std::vector<std::string> progress;
};

TEST_F(CompartmentTest, TheLayerTakesItsValuesFromTheRecord) {
  std::vector<PartLine> lines = {Species("01 ", "SM", "070"), Species("01 ", "BK", "030"),
                                 Species("01 ", "JD")};
  lines[0].Set(59, "4").Set(19, "123").Set(21, "6K1").Set(22, "09").Set(60, "03");
  lines[0].Set(37, "1").Set(38, "2").Set(46, "2").Set(62, "1");
  // Another compartment follows.
  lines[2].Set(7, "  8");
  TOddeleni& odd = Read(lines);
  EXPECT_EQ(odd.ODD(), 7);
  ASSERT_EQ(Elements(odd.DilecMN()).size(), 1u);
  TPorostniSkupina* group = Group(Stand(Sub(odd, 0), 0), 0);
  EXPECT_EQ(group->PSK(), " 1 ");
  EXPECT_EQ(Text(group, "LT"), "6K1");
  EXPECT_EQ(Text(group, "SLT"), "6K");
  EXPECT_EQ(Text(group, "PRIB_VZD"), "3");
  TEtaz* layer = Layer(group);
  EXPECT_EQ(layer->ETAZ(), " 1 ");
  EXPECT_EQ(Text(layer, "HS"), "4123");
  EXPECT_EQ(Text(layer, "OBMYTI"), "120");
  EXPECT_EQ(Text(layer, "OBN_DOBA"), "10");
  EXPECT_EQ(layer->VEK(), 80);
  EXPECT_EQ(layer->ZAKM(), 9);
  EXPECT_DOUBLE_EQ(layer->ETAZ_PP(), 2.0);
  EXPECT_EQ(Text(layer, "HOSP_TV"), "V");
  EXPECT_EQ(Text(layer, "M_Z_ZASOBY"), "1");
  std::vector<framework::TElement*> species = Elements(layer->DrevinaMN());
  ASSERT_EQ(species.size(), 2u);
  EXPECT_EQ(Text(species[0], "DR_ZKR"), "SM ");
  EXPECT_EQ(Text(species[0], "ZAST"), "70");
  EXPECT_EQ(Text(species[1], "DR_ZKR"), "BK ");
  // The reader stays on the next compartment's first record.
  EXPECT_FALSE(reader_.Eof());
  EXPECT_EQ(reader_.Current().D(7), "  8");
}

TEST_F(CompartmentTest, VolumesPerHectareAndProposals) {
  std::vector<PartLine> lines = {Species("3", "SM"), Species("3", "BK")};
  lines[0].Set(32, "00125").Set(17, "0200").Set(43, "20").Set(44, "0010").Set(40, "00033");
  lines[0].Set(42, "0050").Set(46, "3").Set(39, "0020").Set(33, "21").Set(34, "02");
  lines[0].Set(35, "05").Set(36, "1");
  lines[1].Set(42, "0025").Set(46, "3");
  TEtaz* layer = Layer(Group(Stand(Sub(Read(lines), 0), 0), 0));
  std::vector<framework::TElement*> species = Elements(layer->DrevinaMN());
  ASSERT_EQ(species.size(), 2u);
  // 125 / 200 * 100 = 62.5 rounds to even; 62 * 20 % = 12.4.
  EXPECT_EQ(Text(species[0], "DR_ZAS_HA"), "62");
  EXPECT_EQ(Text(species[0], "N_ObjemHaTV"), "12");
  EXPECT_EQ(Text(species[0], "DR_TV"), "10");
  EXPECT_EQ(Text(species[0], "DR_TO"), "33");
  EXPECT_DOUBLE_EQ(Float(layer, "TV_P"), 0.75);
  EXPECT_EQ(Text(layer, "TV_NAL"), "1");
  EXPECT_EQ(Text(layer, "TV_POC"), "2");
  EXPECT_DOUBLE_EQ(Float(layer, "TO_P"), 0.2);
  EXPECT_EQ(Text(layer, "TO_DUVOD"), "1");
  std::vector<framework::TElement*> damages =
      Elements(dynamic_cast<TDrevina*>(species[0])->PoskozeniMN());
  ASSERT_EQ(damages.size(), 2u);
  EXPECT_EQ(Text(damages[0], "POSKOZ_D"), "21");
  EXPECT_EQ(Text(damages[0], "POSKOZ_R"), "20");
  EXPECT_EQ(Text(damages[1], "POSKOZ_R"), "10");
  // A group without area has no volume per hectare.
  lines[0].Set(17, "0000");
  layer = Layer(Group(Stand(Sub(Read(lines), 0), 0), 0));
  EXPECT_EQ(Text(Elements(layer->DrevinaMN())[0], "DR_ZAS_HA"), "0");
}

TEST_F(CompartmentTest, AfforestationSharesAddUpToAHundred) {
  // An unstocked layer: afforestation and cleaning only.
  PartLine clearing = Species("0", "");
  clearing.Set(18, "000").Set(47, "0040").Set(46, "2");
  clearing.Set(48, "01").Set(49, "1").Set(50, "0010");
  clearing.Set(51, "50").Set(52, "1").Set(53, "0010");
  clearing.Set(54, "07").Set(55, "2").Set(56, "0010");
  TEtaz* layer = Layer(Group(Stand(Sub(Read({clearing}), 0), 0), 0));
  EXPECT_TRUE(Elements(layer->DrevinaMN()).empty());
  EXPECT_DOUBLE_EQ(Float(layer, "PRO_P"), 0.4);
  EXPECT_EQ(Text(layer, "PRO_NAL"), "2");
  EXPECT_EQ(Text(layer, "PRO_POC"), "1");
  std::vector<framework::TElement*> rows = Elements(layer->ZalesneniMN());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(Text(rows[0], "ZAL_DR"), "SM");
  EXPECT_EQ(Text(rows[1], "ZAL_DR"), "BK");
  EXPECT_EQ(Text(rows[0], "ZAL_DR_P"), "34");
  EXPECT_EQ(Text(rows[1], "ZAL_DR_P"), "33");
  EXPECT_EQ(Text(rows[2], "ZAL_DR_P"), "33");
  EXPECT_EQ(Text(rows[2], "ZpZadZal"), "2");

  clearing.Set(50, "0030").Set(53, "0070").Set(54, "00");
  rows = Elements(Layer(Group(Stand(Sub(Read({clearing}), 0), 0), 0))->ZalesneniMN());
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(Text(rows[0], "ZAL_DR_P"), "30");
  EXPECT_EQ(Text(rows[1], "ZAL_DR_P"), "70");
}

TEST_F(CompartmentTest, EveryOwnerOfASubCompartmentHasAStand) {
  PartLine municipal = Species("2", "BO");
  municipal.Set(10, "407").Set(31, "2");
  TDilec* dil =
      Sub(Read({Species("1", "SM"), municipal, Species("3", "MD"), Species("2", "DB")}), 0);
  std::vector<framework::TElement*> stands = Elements(dil->PorostMN());
  ASSERT_EQ(stands.size(), 2u);
  EXPECT_EQ(Stand(dil, 0)->POR(), "a");
  EXPECT_EQ(Stand(dil, 0)->MAJ_DRUH(), 1);
  EXPECT_EQ(Stand(dil, 0)->MAJ_KOD(), 1);
  EXPECT_EQ(Stand(dil, 1)->POR(), "b");
  EXPECT_EQ(Stand(dil, 1)->MAJ_DRUH(), 4);
  EXPECT_EQ(Stand(dil, 1)->MAJ_KOD(), 207);
  // The state's records after the municipality's go on in stand "a"; the state's group 2 is not
  // the municipality's.
  EXPECT_EQ(Elements(Stand(dil, 0)->PorostniSkupinaMN()).size(), 3u);
  EXPECT_EQ(Elements(Stand(dil, 1)->PorostniSkupinaMN()).size(), 1u);
  EXPECT_EQ(Text(Stand(dil, 0), "DRUH_POZ"), "10");
  EXPECT_EQ(Text(Stand(dil, 0), "KATEG_ST"), "10");
  std::vector<framework::TElement*> levels = Elements(Stand(dil, 0)->Org_UrovenMN());
  ASSERT_EQ(levels.size(), 2u);
  EXPECT_EQ(Text(levels[0], "ORG_UROVEN"), "1");
  EXPECT_EQ(Text(levels[1], "ORG_UROVEN"), "2");
}

TEST_F(CompartmentTest, MoreThanTwentySixOwnersGetKeysOfTheirOwn) {
  EXPECT_EQ(StandKey(0), "a");
  EXPECT_EQ(StandKey(25), "z");
  EXPECT_EQ(StandKey(26), "aa");
  EXPECT_EQ(StandKey(27), "ab");
  EXPECT_EQ(StandKey(26 + 26 * 26), "aaa");
  std::vector<PartLine> lines;
  for (int owner = 0; owner < 30; ++owner) {
    PartLine line = Species("1", "SM");
    line.Set(31, std::to_string(owner));
    lines.push_back(line);
  }
  TDilec* dil = Sub(Read(lines), 0);
  std::vector<framework::TElement*> stands = Elements(dil->PorostMN());
  ASSERT_EQ(stands.size(), 30u);
  EXPECT_EQ(Stand(dil, 25)->POR(), "z");
  EXPECT_EQ(Stand(dil, 26)->POR(), "aa");
  EXPECT_EQ(Stand(dil, 29)->POR(), "ad");
  EXPECT_EQ(Stand(dil, 29)->MAJ_KOD(), 2901);
  EXPECT_TRUE(reader_.Eof());
}

TEST_F(CompartmentTest, DuplicatesAreReportedAndPassedOver) {
  PartLine other = Species("1", "SM");
  other.Set(8, "b");
  TOddeleni& odd = Read({Species("1", "SM"), other, Species("1", "JD"), Species("1", "BK")});
  EXPECT_EQ(Elements(odd.DilecMN()).size(), 2u);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"nelze přidat stejný dílec"});
  EXPECT_TRUE(reader_.Eof());
  ui.Clear();
  // A group designation that comes back in the same stand.
  Read({Species("1", "SM"), Species("2", "SM"), Species("1", "BK")});
  EXPECT_EQ(ui.Messages(),
            std::vector<std::string>{
                "Porost: 7aa vyskytuje se duplicitní označení porostní skupiny.1  "});
}

TEST_F(CompartmentTest, TheDescriptionGivesTheStandsText) {
  const std::string description =
      tarnik::testing::DescriptionBytes({{"7a", "smrková kmenovina", "druhý", "třetí", "zdravý",
                                          "probírka", "sedmý", "smrk", "devátý"}});
  TPorost* stand = Stand(Sub(Read({Species("1", "SM")}, description), 0), 0);
  const std::string indent(22, ' ');
  EXPECT_EQ(stand->PorText(),
            (std::vector<std::string>{"Popis porostu: smrková kmenovina", indent + "druhý",
                                      indent + "třetí", "Zdravotní stav: zdravý",
                                      "Plán hosp.opatření: probírka", indent + "sedmý",
                                      "Perspektivní záměr: smrk", indent + "devátý"}));
  EXPECT_TRUE(Stand(Sub(Read({Species("1", "SM")}), 0), 0)->PorText().empty());
  EXPECT_FALSE(progress.empty());
  EXPECT_EQ(progress.front(), "Z lhp načítám oddělení   7");
}

}  // namespace
}  // namespace tarnik::plan
