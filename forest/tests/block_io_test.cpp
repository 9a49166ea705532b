#include "forest/block_io.h"

#include <gtest/gtest.h>

#include <memory>

#include "forest/block_rotation.h"
#include "forest/tests/forest_test_classes.h"
#include "platform/fs.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

using tarnik::testing::ReadFile;
using tarnik::testing::TempDir;
using tarnik::testing::WriteFile;
using testing::NewVzorek;
using testing::TVzorek;
using testing::TVzorekMN;

class BlockIo : public ::testing::Test {
 protected:
  void SetUp() override { testing::RegisterTestClasses(); }

  // A unit with a set of two compartments.
  std::unique_ptr<TVzorek> Unit(int first) {
    auto unit = std::make_unique<TVzorek>();
    unit->SetName("LHC");
    auto* set = new TVzorekMN();
    unit->AddElement(set);
    set->AddElement(NewVzorek(std::to_string(first), first, "prvni"));
    set->AddElement(NewVzorek(std::to_string(first + 1), first + 1, "druhy"));
    return unit;
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  TempDir dir_;
};

TEST_F(BlockIo, SavedSetLoadsBackAndBackupsRotate) {
  const std::string file = dir_.File("BLOK.KLV");
  ASSERT_TRUE(UlozBlok(Unit(1).get(), file, 2));
  const std::string first = ReadFile(file);
  ASSERT_TRUE(UlozBlok(Unit(5).get(), file, 2));
  const std::string second = ReadFile(file);
  ASSERT_TRUE(UlozBlok(Unit(9).get(), file, 2));
  EXPECT_EQ(ReadFile(dir_.File("BLOK1.KLV")), second);
  EXPECT_EQ(ReadFile(dir_.File("BLOK2.KLV")), first);
  EXPECT_TRUE(ui_.Messages().empty());

  std::unique_ptr<framework::TOwnerEntity> loaded(NactiBlok(file, true));
  ASSERT_NE(loaded, nullptr);
  ASSERT_TRUE(loaded->Is<TVzorek>());
  auto* set = dynamic_cast<TVzorekMN*>(loaded->FindElementByClass(TVzorekMN::StaticClass()));
  ASSERT_NE(set, nullptr);
  ASSERT_EQ(set->PocetPrvku(), 2);
  EXPECT_EQ(set->Prvky()[0]->GetName(), "ODD 9");
  EXPECT_EQ(set->Prvky()[1]->GetPropertyText("TEXT"), "druhy");
  EXPECT_EQ(set->PrvekPodleKlice("10")->GetPropertyText("CISLO"), "10");
}

TEST_F(BlockIo, SaveFailingMidwayLeavesEveryVersionAsItWas) {
  const std::string file = dir_.File("X.KLV");
  WriteFile(file, "now");
  WriteFile(dir_.File("X1.KLV"), "before");
  WriteFile(dir_.File("X2.KLV"), "oldest");
  // The temporary file cannot be created: a directory stands in its place.
  ASSERT_TRUE(platform::ForceDirectories(BlockTemporaryName(file)));
  EXPECT_FALSE(UlozBlok(Unit(1).get(), file, 2));
  EXPECT_EQ(ReadFile(file), "now");
  EXPECT_EQ(ReadFile(dir_.File("X1.KLV")), "before");
  EXPECT_EQ(ReadFile(dir_.File("X2.KLV")), "oldest");
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0].rfind("Chyba při ukládání do bloku \"" + file + "\"  č.", 0), 0u);
}

TEST_F(BlockIo, LoadingReportsMissingDamagedAndForeignFiles) {
  EXPECT_EQ(NactiBlok(dir_.File("NIC.KLV"), false), nullptr);
  EXPECT_TRUE(ui_.Messages().empty());
  EXPECT_EQ(NactiBlok(dir_.File("NIC.KLV"), true), nullptr);
  WriteFile(dir_.File("ROZBITY.KLV"), "KLV0 to není model");
  EXPECT_EQ(NactiBlok(dir_.File("ROZBITY.KLV"), true), nullptr);

  framework::TNameElement plain;
  plain.SetName("jen prvek");
  ASSERT_TRUE(UlozBlok(&plain, dir_.File("PRVEK.KLV"), 0));
  EXPECT_EQ(NactiBlok(dir_.File("PRVEK.KLV"), true), nullptr);

  ASSERT_EQ(ui_.Messages().size(), 3u);
  EXPECT_EQ(ui_.Messages()[0], "Soubor \"" + dir_.File("NIC.KLV") + "\" neexistuje.");
  EXPECT_EQ(ui_.Messages()[1],
            "Soubor \"" + dir_.File("ROZBITY.KLV") + "\" nejde načíst jako Klv.");
  EXPECT_EQ(ui_.Messages()[2],
            "Soubor \"" + dir_.File("PRVEK.KLV") + "\" neobsahuje TOwnerEntity.");
}

}  // namespace
}  // namespace tarnik::plan
