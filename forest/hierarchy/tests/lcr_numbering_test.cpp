#include "forest/hierarchy/lcr_numbering.h"

#include <gtest/gtest.h>

#include "data/engine/database.h"
#include "forest/hierarchy/tests/hierarchy_fixture.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

constexpr const char* kMessage =
    "V tabulce \"\\ciselnik\\LHC_LCR.DB\" není uveden LHC_KOD A LHC_KOD_LCR exportovaného LHC. "
    "V XML bude uveden LHC_KOD pro státní správu.";

class LcrNumberingTest : public HierarchyTest {
 protected:
  LcrNumberingTest() : previous_(platform::ProgramDir()) { platform::SetProgramDir(dir_.path()); }
  ~LcrNumberingTest() override { platform::SetProgramDir(previous_); }

  void WriteTables() {
    platform::ForceDirectories(dir_.File("ciselnik"));
    engine::Database db = engine::Database::Open(dir_.File("ciselnik"));
    db.Execute("CREATE TABLE LHC_LCR (LHC_KOD INTEGER, LHC_KOD_LCR INTEGER, LHC_NAZ VARCHAR(40))");
    db.Execute("INSERT INTO LHC_LCR VALUES (615203, 12850, 'Sněžné'), (615204, NULL, 'bez')");
    db.Execute(
        "CREATE TABLE LHC_SSL_LCR (LHC_KOD_LCR INTEGER, LHC_KOD INTEGER, LHC_NAZ VARCHAR(40))");
    db.Execute("INSERT INTO LHC_SSL_LCR VALUES (12850, 615203, 'Sněžné')");
  }

  testing::TempDir dir_;
  std::string previous_;
};

TEST_F(LcrNumberingTest, CodesAreTranslatedBothWays) {
  WriteTables();
  EXPECT_EQ(LhcKodProXml(615203, true), 12850);
  EXPECT_EQ(LhcKodProXml(12850, false), 615203);
  // Codes outside the translated ranges stay as they are, without a message.
  EXPECT_EQ(LhcKodProXml(615203, false), 615203);
  EXPECT_EQ(LhcKodProXml(12850, true), 12850);
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(LcrNumberingTest, AMissingCodeKeepsLhcKodAndTellsTheUser) {
  WriteTables();
  lhc_->SetLHC_KOD(699999);
  lhc_->SetExportProLCR(true);
  EXPECT_EQ(lhc_->GetPropertyText("LHC_KOD_XML"), "699999");
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], kMessage);
  EXPECT_EQ(lhc_->LHC_KOD(), 699999);
  // A partner that is not an integer counts as missing.
  EXPECT_EQ(LhcKodProXml(615204, true), 615204);
  EXPECT_EQ(LhcKodProXml(11111, false), 11111);
  EXPECT_EQ(ui_.Messages().size(), 3u);
  // Writing the XML form writes LHC_KOD.
  lhc_->SetPropertyText("LHC_KOD_XML", "615203");
  EXPECT_EQ(lhc_->LHC_KOD(), 615203);
  EXPECT_EQ(lhc_->LHC_KOD_XML(), 12850);
}

TEST_F(LcrNumberingTest, NoCodeListDatabaseMeansTheCodeItself) {
  EXPECT_EQ(LhcKodProXml(615203, true), 615203);
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], kMessage);
  EXPECT_FALSE(platform::DirectoryExists(dir_.File("ciselnik")));
}

}  // namespace
}  // namespace tarnik::plan
