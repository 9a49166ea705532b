#include "data/sources/merk/merk_detection.h"

#include <gtest/gtest.h>

#include "data/sources/merk/merk_source.h"
#include "data/sources/merk/tests/merk_fixture.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/unit/compartment_list.h"
#include "forest/unit/lesni_celek.h"
#include "platform/fs.h"
#include "platform/paths.h"

namespace tarnik::plan {
namespace {

class MerkDetectionTest : public ::testing::Test, public test::MerkUnitFixture {};

TEST_F(MerkDetectionTest, RecognisesTheDatabaseWithWhatItStores) {
  const std::string dir = Dir("DATA");
  EXPECT_FALSE(RecogniseMerkDatabase(MakeSourceQuery(dir)));
  test::WriteMerkDatabase(dir, 615203, true);
  SourceQuery not_a_directory = MakeSourceQuery(dir);
  not_a_directory.is_directory = false;
  EXPECT_FALSE(RecogniseMerkDatabase(not_a_directory));

  std::optional<SourceMatch> match = RecogniseMerkDatabase(MakeSourceQuery(dir));
  ASSERT_TRUE(match);
  EXPECT_EQ(match->source->Kind(), kSourceMerk98);
  EXPECT_EQ(match->source->ReaderName(), "Merk98-Paradox");
  EXPECT_EQ(match->lhc_kod, 615203);
  EXPECT_FALSE(match->exchange_files);
  EXPECT_EQ(match->settings, (std::vector<::tarnik::plan::Setting>{{"DATA", "PATH=" + dir}}));
  // Recognising opens nothing; the source still answers where its data lie.
  EXPECT_FALSE(match->source->IsOpen());
  EXPECT_EQ(match->source->CodeListDatabase(), nullptr);
  EXPECT_EQ(match->source->ZdrojNazev(), dir);
  EXPECT_EQ(match->source->PHSNazev(), tmp.File("PHS"));
  EXPECT_TRUE(match->source->HasStandardItemLists());

  const std::string older = Dir("older");
  test::WriteMerkDatabase(older, 4711, false);
  match = RecogniseMerkDatabase(MakeSourceQuery(older, true));
  ASSERT_TRUE(match);
  EXPECT_EQ(match->source->Kind(), kSourceMerk97);
  EXPECT_EQ(match->source->ReaderName(), "Merk97-Paradox");
  EXPECT_EQ(match->settings,
            (std::vector<::tarnik::plan::Setting>{{"MANAGER", "NE"}, {"DATA", "PATH=" + older}}));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(MerkDetectionTest, ADatabaseThatCannotBeOpenedReportsItAndEndsTheData) {
  const std::string dir = Dir("gone");
  test::WriteMerkDatabase(dir, 1, true);
  TLesniCelek unit;
  unit.NajdiDataLHP(false, dir, false);
  ASSERT_EQ(unit.TypZdroje(), kSourceMerk98);
  platform::RemoveTree(dir);

  CompartmentList list;
  EXPECT_FALSE(unit.Source().ListCompartments(unit, list));
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_FALSE(unit.Source().IsOpen());
  EXPECT_TRUE(unit.JeKonec());
  EXPECT_FALSE(unit.NactiPrvniOddeleni());
  EXPECT_EQ(ui.Messages().size(), 2u);  // every attempt to open is reported
  EXPECT_EQ(unit.LHC()->Oddeleni(), nullptr);
  // The reader's name is the source's even though nothing could be read.
  EXPECT_EQ(unit.JakBylNacten(), "Merk98-Paradox");
}

}  // namespace
}  // namespace tarnik::plan
