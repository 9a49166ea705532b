#include "forest/layers/stand_table_texts.h"

#include <gtest/gtest.h>

#include <memory>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "forest/codelists/code_list_container.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/layers/layer_classes.h"
#include "framework/framework_classes.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

TEST(StandTableTexts, RowsOfTheStandThenOfItsSubCompartmentThenTheUnitDefaults) {
  framework::RegisterFrameworkClasses();
  RegisterForestClasses();
  RegisterHierarchyClasses();
  RegisterLayerClasses();
  testing::TempDir dir;
  engine::Database db = engine::Database::Open(dir.path());
  db.Execute(
      "CREATE TABLE KATEGPOR (ODD VARCHAR(4), DIL VARCHAR(2), POR VARCHAR(2), ID INTEGER, "
      "Kategorie VARCHAR(4), Org_Uroven2 VARCHAR(4), Poznamka VARCHAR(40))");
  db.Execute(
      "INSERT INTO KATEGPOR VALUES ('12', 'a', '1', 1, '32e', '12', 'les zvláštního určení'), "
      "('12', 'a', '1', 2, ' 21 a', '0', 'ochrana;'), ('12', 'a', NULL, 3, '41', NULL, NULL), "
      "('0', NULL, NULL, 4, '21b', NULL, 'celý LHC')");
  engine::Table kategpor(db, "KATEGPOR");

  auto lhc = std::make_unique<TLHC>();
  lhc->OddeleniMN()->SetNovyPrvek("12");
  TOddeleni* odd = lhc->Oddeleni();
  odd->DilecMN()->SetNovyPrvek("a");
  TDilec* dil = odd->Dilec();
  dil->SetPropertyText("DIL", "a");
  dil->PorostMN()->SetNovyPrvek("1");
  TPorost* listed = dil->Porost();
  dil->PorostMN()->SetNovyPrvek("2");
  TPorost* other = dil->Porost();
  EXPECT_EQ(listed->GetPropertyText("KategorieVcetnePrekryvu_zTabulkyPorostu"), "10");

  auto* lists = new tciselnik();
  lists->Lists().tables().Bind("Tb_PorKtg1", &kategpor);
  lhc->AddElement(lists);
  EXPECT_EQ(listed->GetPropertyText("KategorieVcetnePrekryvu_zTabulkyPorostu"), "32e/21a");
  EXPECT_EQ(listed->GetPropertyText("ZvlStVcetnePrekryvu_zTabulkyPorostu"), "12");
  EXPECT_EQ(listed->GetPropertyText("Texty_Z_KategPor"), "les zvláštního určení;ochrana;");
  EXPECT_EQ(other->GetPropertyText("KategorieVcetnePrekryvu_zTabulkyPorostu"), "41");
  EXPECT_EQ(other->GetPropertyText("ZvlStVcetnePrekryvu_zTabulkyPorostu"), "");

  lhc->OddeleniMN()->SetNovyPrvek("13");  // a compartment without rows: the unit defaults
  TOddeleni* next = lhc->Oddeleni();
  ASSERT_EQ(next->ODD(), 13);
  next->DilecMN()->SetNovyPrvek("b");
  next->Dilec()->PorostMN()->SetNovyPrvek("1");
  EXPECT_EQ(next->Dilec()->Porost()->GetPropertyText("KategorieVcetnePrekryvu_zTabulkyPorostu"),
            "21b");
  lists->Lists().tables().Bind("Tb_PorKtg1", nullptr);
}

}  // namespace
}  // namespace tarnik::plan
