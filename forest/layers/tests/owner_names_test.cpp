#include "forest/layers/owner_names.h"

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
#include "forest/layers/owner_transformation.h"
#include "framework/framework_classes.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

// Answers the LČR name queries by table: the owner, manager and level names of one unit.
class FakeLcrSource : public LcrCodeSource {
 public:
  std::optional<std::string> FirstValue(const std::string& sql, const std::vector<engine::Value>&,
                                        const std::string&) override {
    if (sql.find("C_MAJ") != std::string::npos) return "Obec z LČR";
    if (sql.find("C_054") != std::string::npos) return "Hajný z LČR";
    if (sql.find("C_ORG_UR") != std::string::npos) return "Revír z LČR";
    if (sql.find("C_KU") != std::string::npos) return "Katastr z LČR";
    return std::nullopt;
  }
};

class OwnerNamesTest : public ::testing::Test {
 protected:
  OwnerNamesTest() {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
    RegisterHierarchyClasses();
    RegisterLayerClasses();
    db_.Execute(
        "CREATE TABLE MAJETKY (MAJ_KOD INTEGER, MAJ_DRUH INTEGER, OLH VARCHAR(3), "
        "MAJ_NAZ VARCHAR(80))");
    db_.Execute("INSERT INTO MAJETKY VALUES (37, 2, '11', 'Obec Sněžné')");
    db_.Execute("CREATE TABLE OLH (Kod VARCHAR(3), POPIS VARCHAR(40), OLH_LIC VARCHAR(12))");
    db_.Execute("INSERT INTO OLH VALUES ('4', 'Ing. Novák', 'L-44')");
    db_.Execute("CREATE TABLE ORGUR1 (Kod VARCHAR(5), POPIS VARCHAR(40))");
    db_.Execute("INSERT INTO ORGUR1 VALUES ('3', 'Správa Jih')");
    majetky_ = std::make_unique<engine::Table>(db_, "MAJETKY");
    olh_ = std::make_unique<engine::Table>(db_, "OLH");
    orgur1_ = std::make_unique<engine::Table>(db_, "ORGUR1");

    lhc_->OddeleniMN()->SetNovyPrvek("12");
    TOddeleni* odd = lhc_->Oddeleni();
    odd->DilecMN()->SetNovyPrvek("a");
    odd->Dilec()->SetPropertyText("DIL", "a");
    odd->Dilec()->PorostMN()->SetNovyPrvek("1");
    stand_ = odd->Dilec()->Porost();
    stand_->SetMAJ_DRUH(2);
    stand_->SetMAJ_KOD(37);
  }

  // A code-list container with the three tables bound, held by the LHC.
  tciselnik* AddCodeLists() {
    auto* lists = new tciselnik();
    lists->Lists().tables().Bind("tb_Majetky", majetky_.get());
    lists->Lists().tables().Bind("tb_OLH", olh_.get());
    lists->Lists().tables().Bind("Tb_OrgUr1", orgur1_.get());
    lhc_->AddElement(lists);
    return lists;
  }
  TCiselKelva* AddKelva() {
    auto* kelva = new TCiselKelva();
    lhc_->AddElement(kelva);
    return kelva;
  }
  static Tmajetky* AddOwner(TCiselKelva* kelva, const std::string& kind, const std::string& code,
                            const std::string& name, const std::string& manager) {
    kelva->majetkyMN()->SetNovyPrvek(code);
    auto* owner = static_cast<Tmajetky*>(kelva->majetkyMN()->AktualniPrvek());
    owner->SetPropertyText("MAJ_DRUH_C", kind);
    owner->SetPropertyText("MAJ_KOD_C", code);
    owner->SetPropertyText("MAJ_NAZ_C", name);
    owner->SetPropertyText("OLH_C", manager);
    return owner;
  }
  std::string Read(const char* property) { return stand_->GetPropertyText(property); }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_ui_{&ui_};
  testing::TempDir dir_;
  engine::Database db_ = engine::Database::Open(dir_.path());
  std::unique_ptr<engine::Table> majetky_, olh_, orgur1_;
  std::unique_ptr<TLHC> lhc_ = std::make_unique<TLHC>();
  TPorost* stand_ = nullptr;
};

TEST_F(OwnerNamesTest, OwnerNameFromTheLcrSourceThenTheOwnerListThenTheCodeList) {
  EXPECT_EQ(Read("MAJ_NAZ"), "Jak muze byt tady nil???");
  tciselnik* lists = AddCodeLists();
  EXPECT_EQ(Read("MAJ_NAZ"), "Obec Sněžné");
  EXPECT_EQ(Read("MAJ_NAZ_xml"), "Obec Sněžné");
  EXPECT_EQ(Read("OlH_DleTb_Majetky"), "11");

  TCiselKelva* kelva = AddKelva();
  AddOwner(kelva, "2", "37", "Lesy obce", "");
  EXPECT_EQ(Read("MAJ_NAZ"), "Lesy obce");
  stand_->SetMAJ_KOD(38);  // the list is not empty: its not-found marker
  EXPECT_EQ(Read("MAJ_NAZ"), "*");
  stand_->SetMAJ_KOD(37);

  lists->SetLcrSource(std::make_unique<FakeLcrSource>(), "12850");
  EXPECT_EQ(Read("MAJ_NAZ"), "Obec z LČR");
  EXPECT_EQ(Read("ORG_UROVEN1_nazev"), "Revír z LČR");
  stand_->PorostniSkupinaMN()->SetNovyPrvek("1");
  EXPECT_EQ(stand_->PorostniSkupina()->GetPropertyText("KU_NAZ"), "Katastr z LČR");
}

TEST_F(OwnerNamesTest, PlotsNameTheOwnerOfTheirStand) {
  AddCodeLists();
  stand_->BezlesiMN()->SetNovyPrvek("3");
  framework::TElement* plot = stand_->BezlesiMN()->AktualniPrvek();
  EXPECT_EQ(plot->GetPropertyText("MAJ_NAZ"), "Obec Sněžné");
  EXPECT_EQ(plot->GetPropertyText("MAJ_NAZ_BZL"), "Obec Sněžné");
}

TEST_F(OwnerNamesTest, ManagerIsTheStoredCodeUnlessTheOwnerListAssignsOne) {
  AddCodeLists();
  stand_->SetPropertyText("OLH", "4");
  EXPECT_EQ(stand_->OLH_98n(), "4");
  EXPECT_EQ(Read("OLH_98"), "4");
  EXPECT_EQ(Read("OLH_XML"), "4");
  EXPECT_EQ(Read("OLH_99"), "Ing. Novák");  // no manager list: the code list
  EXPECT_EQ(Read("OLH_LIC"), "L-44");

  TCiselKelva* kelva = AddKelva();
  Tmajetky* owner = AddOwner(kelva, "2", "37", "Lesy obce", "");
  EXPECT_EQ(Read("OLH_98"), "4");  // a blank assignment keeps the stored code
  owner->SetPropertyText("OLH_C", "9");
  EXPECT_EQ(Read("OLH_98"), "9");
  EXPECT_EQ(Read("OLH"), "9");
  EXPECT_EQ(stand_->OLH_98n(), "4");

  // The per-stand list names this stand: its manager wins.
  owner->SetPropertyText("OLH1_C", "5");
  owner->PoPorostech(1)->SetNovyPrvek("x");
  framework::TElement* entry = owner->PoPorostech(1)->AktualniPrvek();
  entry->SetPropertyText("ODD", "12");
  entry->SetPropertyText("DIL", "a");
  entry->SetPropertyText("POR", "1");
  EXPECT_EQ(Read("OLH_XML"), "5");

  kelva->OLHMN()->SetNovyPrvek("5");
  kelva->OLHMN()->AktualniPrvek()->SetPropertyText("KOD", "5");
  kelva->OLHMN()->AktualniPrvek()->SetPropertyText("JMENO", "Bc. Dvořák");
  kelva->OLHMN()->AktualniPrvek()->SetPropertyText("CIS_LIC", "L-55");
  EXPECT_EQ(Read("OLH_99"), "Bc. Dvořák");
  EXPECT_EQ(Read("OLH_nazev"), "Bc. Dvořák");
  EXPECT_EQ(Read("OLH_LIC"), "L-55");  // not in the code list: the manager list's licence
}

TEST_F(OwnerNamesTest, WritingTheXmlFormsRegistersManagerAndOwnerOnce) {
  TCiselKelva* kelva = AddKelva();
  stand_->SetPropertyText("OLH_LIC", "L-77");
  stand_->SetPropertyText("OLH_XML", " 7 ");
  stand_->SetPropertyText("OLH_XML", "7");
  EXPECT_EQ(stand_->OLH_98n(), "7");
  ASSERT_EQ(kelva->OLHMN()->PocetPrvku(), 1);
  framework::TElement* manager = kelva->OLHMN()->Prvky().front();
  EXPECT_EQ(manager->GetPropertyText("KOD"), "7");
  EXPECT_EQ(manager->GetPropertyText("CIS_LIC"), "L-77");
  EXPECT_EQ(Read("OLH_LIC"), "L-77");

  stand_->SetPropertyText("MAJ_NAZ_xml", "Obec Nová");
  stand_->SetPropertyText("MAJ_NAZ_xml", "Jiný název");  // listed already: unchanged
  ASSERT_EQ(kelva->majetkyMN()->PocetPrvku(), 1);
  framework::TElement* owner = kelva->majetkyMN()->Prvky().front();
  EXPECT_EQ(owner->GetPropertyText("MAJ_KOD_C"), "37");
  EXPECT_EQ(owner->GetPropertyText("MAJ_DRUH_C"), "2");
  EXPECT_EQ(Read("MAJ_NAZ_xml"), "Obec Nová");
}

TEST_F(OwnerNamesTest, OrganisationalLevelNamesPreferTheNonEmptyLevelList) {
  AddCodeLists();
  stand_->SetPropertyText("ORG_UROVEN1", "3");
  EXPECT_EQ(Read("ORG_UROVEN1_nazev"), "Správa Jih");
  TCiselKelva* kelva = AddKelva();
  EXPECT_EQ(Read("ORG_UROVEN1_nazev"), "Správa Jih");  // the level list is empty
  kelva->OrgUrMN(1)->SetNovyPrvek("3");
  kelva->OrgUrMN(1)->AktualniPrvek()->SetPropertyText("Kod", "3");
  kelva->OrgUrMN(1)->AktualniPrvek()->SetPropertyText("Popis", "Správa Sever");
  EXPECT_EQ(Read("ORG_UROVEN1_nazev"), "Správa Sever");
}

TEST_F(OwnerNamesTest, TransformationGivesStandsTheManagerOfTheirOwner) {
  TOddeleni* odd = lhc_->Oddeleni();
  TTransforDleMajiteleMN rows;
  EXPECT_TRUE(TransformujDleMajitele(*odd, rows, &OLHDleVlastnika));
  EXPECT_EQ(ui_.Messages(), std::vector<std::string>{"číselník chybí"});

  TCiselKelva* kelva = AddKelva();
  AddOwner(kelva, "2", "37", "Lesy obce", "8");
  EXPECT_TRUE(TransformujDleMajitele(*odd, rows, &OLHDleVlastnika));
  EXPECT_EQ(stand_->OLH_98n(), "8");
  EXPECT_EQ(ui_.Messages().size(), 1u);
}

}  // namespace
}  // namespace tarnik::plan
