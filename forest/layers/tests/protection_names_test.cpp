#include "forest/layers/protection_names.h"

#include <gtest/gtest.h>

#include <memory>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/code_list_container.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/layer_classes.h"
#include "framework/framework_classes.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

class ProtectionNamesTest : public ::testing::Test {
 protected:
  ProtectionNamesTest() {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
    RegisterHierarchyClasses();
    RegisterLayerClasses();
    for (const char* table : {"CHKO", "EVL", "PR"})
      db_.Execute(std::string("CREATE TABLE ") + table + " (Kod INTEGER, POPIS VARCHAR(40))");
    db_.Execute("INSERT INTO CHKO VALUES (5, 'Beskydy')");
    db_.Execute("INSERT INTO EVL VALUES (101, 'Údolí Bečvy'), (102, 'Vsetínské vrchy')");
    chko_ = std::make_unique<engine::Table>(db_, "CHKO");
    evl_ = std::make_unique<engine::Table>(db_, "EVL");
    pr_ = std::make_unique<engine::Table>(db_, "PR");
    auto* lists = new tciselnik();
    lists->Lists().tables().Bind("tb_CHKO", chko_.get());
    lists->Lists().tables().Bind("tb_EVL", evl_.get());
    lists->Lists().tables().Bind("tb_PR", pr_.get());
    lhc_->AddElement(lists);
    kelva_ = new TCiselKelva();
    lhc_->AddElement(kelva_);
    lhc_->OddeleniMN()->SetNovyPrvek("1");
    TOddeleni* odd = lhc_->Oddeleni();
    odd->DilecMN()->SetNovyPrvek("a");
    odd->Dilec()->PorostMN()->SetNovyPrvek("1");
    TPorost* stand = odd->Dilec()->Porost();
    stand->PorostniSkupinaMN()->SetNovyPrvek("1");
    group_ = stand->PorostniSkupina();
  }

  testing::TempDir dir_;
  engine::Database db_ = engine::Database::Open(dir_.path());
  std::unique_ptr<engine::Table> chko_, evl_, pr_;
  std::unique_ptr<TLHC> lhc_ = std::make_unique<TLHC>();
  TCiselKelva* kelva_ = nullptr;
  TPorostniSkupina* group_ = nullptr;
};

TEST_F(ProtectionNamesTest, NamedLinesAndTheUnknownCodes) {
  EXPECT_EQ(group_->GetPropertyText("OCHR_PRIR_Nazvy"), "");
  EXPECT_EQ(group_->GetPropertyText("OCHR_PRIR_pocet_RadkuProTisk"), "0");
  EXPECT_EQ(group_->GetPropertyText("ChybaVOchrPrir"), "");

  group_->SetPropertyText("OCHR_PRIR", "EVL:101/103; CHKO:5; PR:7; ");
  EXPECT_EQ(group_->GetPropertyText("OCHR_PRIR_Nazvy"),
            "EVL 101 Údolí Bečvy\r\nEVL 103 *zz2*103\r\nCHKO 5 Beskydy\r\nPR 7 *zz2*7");
  EXPECT_EQ(group_->GetPropertyText("OCHR_PRIR_pocet_RadkuProTisk"), "4");
  EXPECT_EQ(group_->GetPropertyText("ChybaVOchrPrir"),
            "  PR=7 ,kod není v poradku.  EVL=103 ,kod není v poradku.");
}

TEST_F(ProtectionNamesTest, ContractualAreasComeFromTheSchuListOfTheUnit) {
  group_->SetPropertyText("SCHU_KOD", "3");
  EXPECT_EQ(group_->GetPropertyText("ChybaVOchrPrir"), "");  // no list to check against
  kelva_->CisSCHUMN()->SetNovyPrvek("4");
  kelva_->CisSCHUMN()->AktualniPrvek()->SetPropertyText("SCHU_KOD", "4");
  kelva_->CisSCHUMN()->AktualniPrvek()->SetPropertyText("SCHU_NAZEV", "Hostýn");
  EXPECT_EQ(group_->GetPropertyText("ChybaVOchrPrir"), "  SCHU=3 ,kod není v poradku.");
  group_->SetPropertyText("SCHU_KOD", "4");
  EXPECT_EQ(group_->GetPropertyText("SCHU_Nazev"), "Hostýn");
  EXPECT_EQ(group_->GetPropertyText("OCHR_PRIR_Nazvy"), "SCHU 4 Hostýn");
  EXPECT_EQ(group_->GetPropertyText("ChybaVOchrPrir"), "");
}

}  // namespace
}  // namespace tarnik::plan
