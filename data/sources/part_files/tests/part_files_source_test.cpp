#include "data/sources/part_files/part_files_source.h"

#include <gtest/gtest.h>

#include "data/sources/part_files/part_file_name.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/layer.h"
#include "forest/layers/tree_species.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/plan_source.h"
#include "framework/values/string_list.h"
#include "testing/part_files_writer.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan {
namespace {

TEST(SourceFiles, PartFileNamesNeedTwoIntegers) {
  auto part = ParsePartFileName("123.01V");
  ASSERT_TRUE(part);
  EXPECT_EQ(part->unit, 123);
  EXPECT_EQ(part->part, 1);
  EXPECT_EQ(ParsePartFileName("456.12v")->part, 12);
  EXPECT_FALSE(ParsePartFileName("abc.01V"));
  EXPECT_FALSE(ParsePartFileName("123.AV"));
  EXPECT_FALSE(ParsePartFileName("123.V"));
  EXPECT_FALSE(ParsePartFileName("123V"));
  EXPECT_FALSE(ParsePartFileName("99999999999.01V"));
  // The name is split at the first ".": "1.2.3V" has the extension "2.3V".
  EXPECT_FALSE(ParsePartFileName("1.2.3V"));
}

class PartFilesSourceTest : public ::testing::Test, public test::UnitFixture {
 protected:
  PartFilesSourceTest() { RegisterPartFilesSource(); }
};

TEST_F(PartFilesSourceTest, AnyPartFileMatchesAndTheFirstNamesTheUnit) {
  const std::string dir = Dir("lhp160");
  EXPECT_FALSE(RecognisePartFiles(MakeSourceQuery(dir)));
  tarnik::testing::WriteFile(dir + "/notes.V", "");
  tarnik::testing::WriteFile(dir + "/777.01X", "");
  EXPECT_FALSE(RecognisePartFiles(MakeSourceQuery(dir)));

  tarnik::testing::WriteFile(dir + "/123.02V", "");
  tarnik::testing::WriteFile(dir + "/123.01V", "");
  std::optional<SourceMatch> match = RecognisePartFiles(MakeSourceQuery(dir));
  ASSERT_TRUE(match);
  ASSERT_NE(match->source, nullptr);
  EXPECT_EQ(match->source->Kind(), kSourcePartFiles);
  EXPECT_EQ(match->lhc_kod, 123);
  EXPECT_FALSE(match->exchange_files);
  EXPECT_TRUE(match->settings.empty());
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(match->source->ReaderName(), "LHP160");
  // Nothing is read before the unit asks.
  EXPECT_FALSE(match->source->IsOpen());
  EXPECT_TRUE(match->source->AtEnd());
}

TEST_F(PartFilesSourceTest, TheUnitIsReadPartAfterPart) {
  const std::string dir = Dir("sample");
  tarnik::testing::WriteSamplePartFiles(dir);
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  ASSERT_EQ(unit.TypZdroje(), kSourcePartFiles);
  unit.ZnovuNacti();
  EXPECT_EQ(unit.JakBylNacten(), "LHP160");
  EXPECT_EQ(unit.SeznamOddeleni(), (std::vector<std::string>{" 11", " 12", " 13"}));
  auto* index =
      dynamic_cast<framework::TStringListElement*>(unit.FindElementByName("SeznamLHP160_elem"));
  ASSERT_NE(index, nullptr);
  EXPECT_EQ(index->ValuesToStringList(), (std::vector<std::string>{"1", "1", "1"}));
  EXPECT_EQ(unit.LHC()->LHC_NAZ(), "Sněžné - Žďárské vrchy");
  std::vector<std::string> read;
  std::vector<size_t> sub_compartments;
  for (bool more = unit.LHC()->Oddeleni() != nullptr; more;
       more = !unit.JeKonec() && unit.NactiDalsiOddeleni(false)) {
    TOddeleni* odd = unit.LHC()->Oddeleni();
    read.push_back(std::to_string(odd->ODD()));
    sub_compartments.push_back(odd->DilecMN()->Prvky().size());
  }
  // Compartment 13 continues in the second part and is one compartment.
  EXPECT_EQ(read, (std::vector<std::string>{"11", "12", "13"}));
  EXPECT_EQ(sub_compartments, (std::vector<size_t>{2, 2, 2}));
  TDilec* first = dynamic_cast<TDilec*>(unit.LHC()->Oddeleni()->DilecMN()->Prvky().at(0));
  auto* stand = dynamic_cast<TPorost*>(first->PorostMN()->Prvky().at(0));
  auto* group = dynamic_cast<TPorostniSkupina*>(stand->PorostniSkupinaMN()->Prvky().at(0));
  auto* layer = dynamic_cast<TEtaz*>(group->EtazMN()->Prvky().at(0));
  EXPECT_EQ(layer->DrevinaMN()->Prvky().size(), 2u);
  EXPECT_TRUE(unit.JeKonec());
  EXPECT_TRUE(ui.Messages().empty()) << ui.Messages().front();
}

TEST_F(PartFilesSourceTest, EveryCompartmentIsReadWhateverItsNumber) {
  // Compartment 12 before 5, and the parts 01 and 03 without 02.
  const std::string dir = Dir("unsorted");
  tarnik::testing::PartLine twelve, five;
  twelve.Set(7, " 12").Set(8, "a").Set(16, "1").Set(18, "050").Set(23, "SM");
  five.Set(7, "  5").Set(8, "a").Set(16, "1").Set(18, "050").Set(23, "SM");
  tarnik::testing::WritePartFile(dir + "/77.01V", {twelve});
  tarnik::testing::WritePartFile(dir + "/77.03V", {five}, false);
  tarnik::testing::WritePartFile(dir + "/78.01V", {five});
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  unit.ZnovuNacti();
  EXPECT_EQ(unit.SeznamOddeleni(), (std::vector<std::string>{"  5", " 12"}));
  std::vector<int32_t> read = {unit.LHC()->Oddeleni()->ODD()};
  while (!unit.JeKonec() && unit.NactiDalsiOddeleni(false))
    read.push_back(unit.LHC()->Oddeleni()->ODD());
  EXPECT_EQ(read, (std::vector<int32_t>{12, 5}));
  EXPECT_EQ(unit.LHC()->LHC_KOD(), 0);  // the record's D2 to D5 are blank
}

TEST_F(PartFilesSourceTest, PartsWithoutRecordsLoadNothing) {
  const std::string dir = Dir("empty");
  tarnik::testing::WriteFile(dir + "/123.01V", "\x1a");
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  unit.ZnovuNacti();
  EXPECT_TRUE(unit.SeznamOddeleni().empty());
  EXPECT_FALSE(unit.Source().IsOpen());
  EXPECT_EQ(unit.LHC()->Oddeleni(), nullptr);
  EXPECT_TRUE(unit.JeKonec());
  EXPECT_EQ(unit.LHC()->LHC_KOD(), 123);
}

TEST_F(PartFilesSourceTest, OnlyADirectoryIsLookedAt) {
  const std::string dir = Dir("lhp160");
  tarnik::testing::WriteFile(dir + "/123.01V", "");
  SourceQuery query = MakeSourceQuery(dir);
  query.is_directory = false;
  EXPECT_FALSE(RecognisePartFiles(query));
}

}  // namespace
}  // namespace tarnik::plan
