#include "forest/layers/statuses.h"

#include <gtest/gtest.h>

#include "forest/forest_classes.h"
#include "forest/layers/areal_properties.h"
#include "forest/layers/layer_classes.h"
#include "forest/layers/multi_value.h"
#include "forest/layers/protection_text.h"
#include "framework/framework_classes.h"
#include "framework/property_text.h"
#include "platform/recording_ui.h"

namespace tarnik::plan {

// An areal element and stand as the lists see it: the sets, a few integer codes and the
// properties that the holders publish through the shared declarations.
class TTestPlocha : public TObecnyLesniPrvek {
 public:
  TARNIK_ELEMENT_CLASS(TTestPlocha)
  TNasobny_LongIntMN* Evl() { return OwnChildSet<TNasobny_LongIntMN>(*this, evl_, "EVL_KODmn"); }
  TNasobny_VlastnikMN* Owners() {
    return OwnChildSet<TNasobny_VlastnikMN>(*this, owners_, "Nasobny_VlastnikMN");
  }
  template <class S>
  S* Set(framework::TElementRef& ref, const char* name) {
    return OwnChildSet<S>(*this, ref, name);
  }
  int32_t chko = 0, np = 0, pr = 0, po = 0, kat_spec = 7;
  framework::TElementRef evl_, owners_, statuses_, categories_, levels_;
  static void Define(std::vector<framework::TPropInfo>& out) {
    using P = TTestPlocha;
    using framework::TElement;
    framework::TPropDefs<P> d(out);
    d.Object(
        "EVL_KODmn", TNasobny_LongIntMN::StaticClass(), [](P& p) -> TElement* { return p.Evl(); },
        nullptr);
    d.Object(
        "Nasobny_VlastnikMN", TNasobny_VlastnikMN::StaticClass(),
        [](P& p) -> TElement* { return p.Owners(); }, nullptr);
    d.Object(
        "ZvlStMN", TZvlStMN::StaticClass(),
        [](P& p) -> TElement* { return p.Set<TZvlStMN>(p.statuses_, "ZvlStMN"); }, nullptr);
    d.Object(
        "Kategorie1MN", TKategorie1MN::StaticClass(),
        [](P& p) -> TElement* { return p.Set<TKategorie1MN>(p.categories_, "Kategorie1MN"); },
        nullptr);
    d.Object(
        "Org_UrovenMN", TOrg_UrovenMN::StaticClass(),
        [](P& p) -> TElement* { return p.Set<TOrg_UrovenMN>(p.levels_, "Org_UrovenMN"); }, nullptr);
    d.Integer("CHKO_KOD", TARNIK_FIELD(&P::chko));
    d.Integer("NP_KOD", TARNIK_FIELD(&P::np));
    d.Integer("PR_KOD", TARNIK_FIELD(&P::pr));
    d.Integer("PO_KOD", TARNIK_FIELD(&P::po));
    d.Integer("KAT_SPEC", TARNIK_FIELD(&P::kat_spec));
    d.String(
        "CeleOznaceniKratce", [](P&) { return std::string("5a1"); }, nullptr);
    DefineArealCodeProperties(out);
    DefinePlotCodeProperties(out, "BZL");
    DefineStandListProperties(out);
  }
};
TARNIK_DEFINE_CLASS(TTestPlocha, TObecnyLesniPrvek, &TTestPlocha::Define)

namespace {

class StandListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
    RegisterLayerClasses();
    stand_ = std::make_unique<TTestPlocha>();
  }
  template <class S>
  S* SetOf(const char* property) {
    return static_cast<S*>(framework::GetPropertyObject(stand_.get(), property));
  }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  std::unique_ptr<TTestPlocha> stand_;
};

TEST_F(StandListsTest, ProtectionTextComposesAndParses) {
  stand_->Evl()->Pridej("101");
  stand_->Evl()->Pridej("102");
  stand_->chko = 5;
  EXPECT_EQ(OchranaPrirodyText(*stand_), "EVL:101/102; CHKO:5; ");
  SetOchranaPrirodyText(*stand_, "NP:3; PR:7; ");
  EXPECT_EQ(stand_->np, 3);
  EXPECT_EQ(stand_->pr, 7);
  EXPECT_EQ(stand_->chko, 0);
  EXPECT_EQ(stand_->Evl()->PocetPrvku(), 0);
  EXPECT_EQ(OchranaPrirodyText(*stand_), "NP:3; PR:7; ");
  // Labels that are the tail of longer labels are told apart.
  const OchranaPrirody parts = RozeberOchranuPrirody("CHKO-Z:2; NPR:4/5; PR:9; SCHU:1; ");
  EXPECT_EQ(parts.chko, 0);
  EXPECT_EQ(parts.chko_z, 2);
  EXPECT_EQ(parts.npr, "4/5");
  EXPECT_EQ(parts.pr, 9);
  EXPECT_EQ(parts.schu, 1);
  EXPECT_EQ(SestavOchranuPrirody(parts), "CHKO-Z:2; NPR:4/5; PR:9; SCHU:1; ");
}

TEST_F(StandListsTest, MultiValuedForms) {
  TNasobny_LongIntMN* codes = stand_->Evl();
  EXPECT_EQ(codes->FormaXml(), "0");
  codes->NastavFormuXml("11$ 12", true);
  EXPECT_EQ(codes->Forma("/"), "11/12");
  EXPECT_EQ(codes->Prvky()[0]->GetName(), "NasLongInt 11");
  codes->NastavFormuXml("0", true);
  EXPECT_EQ(codes->PocetPrvku(), 0);
  auto* owners = stand_->Owners();
  owners->Pridej("15");
  owners->Pridej(" 15 ");
  EXPECT_EQ(owners->PocetPrvku(), 1);
  owners->Pridej("0");
  owners->VycistiNuly();
  EXPECT_EQ(owners->Forma("/"), "15");
  owners->Pridej("VymazVse");
  EXPECT_EQ(owners->PocetPrvku(), 0);
}

TEST_F(StandListsTest, SpecialStatusesForTheXml) {
  auto* statuses = SetOf<TZvlStMN>("ZvlStMN");
  statuses->SetZVL_STATUT_XML("29$53$14");
  ASSERT_EQ(statuses->PocetPrvku(), 3);
  auto* first = static_cast<TZvlSt*>(statuses->Prvky()[0]);
  EXPECT_EQ(first->GetName(), "ZVLST 29");
  EXPECT_EQ(first->GetPropertyText("CeleOznaceni"), "5a1 zvl.st.: 29");
  // Without an LHC exporting for LČR, 29 reads 53 and the duplicate is written once.
  EXPECT_EQ(statuses->ZVL_STATUT_XML(), "53$14");
  statuses->SetZVL_STATUT_XML(" ");
  EXPECT_EQ(statuses->PocetPrvku(), 0);
  statuses->NastavZvlSt("12/x55y/14", "/");
  statuses->OdstranNeexportovane();
  EXPECT_EQ(statuses->SpojHodnotyProperty("ZVL_STATUT", "/"), "14");
  EXPECT_TRUE(ZvlStNeexportovany("29"));
  EXPECT_FALSE(ZvlStNeexportovany("abc"));  // no digits count as 0
  statuses->SetPropertyText("ZvlStVcetnePrekryvuBezMazani", "1/5");
  EXPECT_EQ(statuses->GetPropertyText("ZvlStVcetnePrekryvu"), "1/5/14");
  EXPECT_EQ(static_cast<TZvlSt*>(statuses->Prvky()[0])->CisloZvlStInduktDopredu(), 1);
  statuses->SetPropertyText("NovaZvlStVcetnePrekryvuSCarkama", "10,3");
  EXPECT_EQ(static_cast<TZvlSt*>(statuses->Prvky()[0])->CisloZvlStInduktDopredu(), -40);
}

TEST_F(StandListsTest, CategoriesAndLevels) {
  auto* categories = SetOf<TKategorie1MN>("Kategorie1MN");
  EXPECT_EQ(categories->GetPropertyInteger("KATEGORIEint"), 0);
  categories->SetPropertyText("NovaKategorieVcetnePrekryvu", "32e/10");
  EXPECT_EQ(categories->HlavniKATEGORIE(), "32e");
  EXPECT_EQ(categories->GetPropertyText("KategorieVcetnePrekryvuSMezerama"), "32e 10");
  EXPECT_EQ(categories->GetPropertyInteger("KATEGORIEint"), 325);
  categories->SetPropertyText("NovaKategorieVcetnePrekryvu", "");
  EXPECT_EQ(categories->PocetPrvku(), 0);  // no category with an empty code
  categories->DoplnKategorii10();
  EXPECT_EQ(categories->HlavniKATEGORIE(), "10");
  categories->NastavKategorie("21a", "/");
  categories->DoplnKategorii10();
  EXPECT_EQ(categories->GetPropertyText("KategorieVcetnePrekryvu"), "21a");

  auto* levels = SetOf<TOrg_UrovenMN>("Org_UrovenMN");
  levels->SetORG_UROVEN("4$7");
  EXPECT_EQ(levels->ORG_UROVEN(), "4$7");
  EXPECT_EQ(levels->Uroven(3), "");
  levels->SetORG_UROVEN("");
  levels->SetUroven(3, "9");  // the missing levels 1 and 2 are made with 0
  EXPECT_EQ(levels->ORG_UROVEN(), "0$0$9");
  levels->SetUroven(1, "2");
  EXPECT_EQ(levels->Uroven(1), "2");
  EXPECT_EQ(levels->Uroven(3), "9");
}

TEST_F(StandListsTest, KatSpecOfNestedCategoriesIsTheStands) {
  // Every forest element can hold categories, so a category's own set may hold another, as deep
  // as anyone asks for "always" elements. KAT_SPEC is the stand's however deep the category is.
  auto* categories = SetOf<TKategorie1MN>("Kategorie1MN");
  categories->NastavKategorie("32e", "/");
  framework::TElement* category = categories->Prvky().front();
  for (int depth = 0; depth < 2000; ++depth) {
    auto* inner = static_cast<TKategorie1MN*>(framework::GetPropertyObject(category, "Kategorie1MN"));
    ASSERT_NE(inner, nullptr);
    category = inner->AktualniPrvekVzdy();
    ASSERT_NE(category, nullptr);
  }
  EXPECT_EQ(static_cast<TKategorie1*>(category)->Porost(), stand_.get());
  EXPECT_EQ(category->GetPropertyText("KAT_SPEC"), "7");
  EXPECT_EQ(category->GetPropertyText("CeleOznaceni"), "5a1 Ktg: ");
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(StandListsTest, PublishedPropertiesOfHolders) {
  stand_->SetPropertyText("EVL_KOD_XML", "101$102");
  stand_->chko = 5;
  EXPECT_EQ(stand_->GetPropertyText("OCHR_PRIR"), "EVL:101/102; CHKO:5; ");
  EXPECT_EQ(stand_->GetPropertyText("OCHR_PRIR_BZL"), "EVL:101/102; CHKO:5; ");
  EXPECT_EQ(stand_->GetPropertyText("EVL_KOD"), "101$102");
  EXPECT_EQ(stand_->GetPropertyText("NPP_KOD_XML"), "0");  // no set, no codes
  stand_->SetPropertyText("OCHR_PRIR", "NP:3; PR:7; ");
  EXPECT_EQ(stand_->GetPropertyText("EVL_KOD_XML"), "0");
  EXPECT_EQ(stand_->np, 3);
  EXPECT_EQ(stand_->chko, 0);

  EXPECT_EQ(stand_->GetPropertyText("CISLO_TEL_XML"), "0");
  stand_->SetPropertyText("PridejCislo_TEL", "15");
  stand_->SetPropertyText("PridejCislo_TEL", "15");
  stand_->SetPropertyText("PridejCislo_TEL", "16");
  EXPECT_EQ(stand_->GetPropertyText("CISLO_TEL_BZL"), "15/16");
  stand_->SetPropertyText("PridejCislo_TEL", "VymazVse");
  EXPECT_EQ(stand_->GetPropertyText("CISLO_TEL_Lom"), "");

  stand_->SetPropertyText("ZVL_STATUT_XML", "29$53");
  EXPECT_EQ(stand_->GetPropertyText("ZVL_STATUT_XML"), "53");  // the duplicate is left out
  EXPECT_EQ(stand_->GetPropertyText("ZVL_STATUTLom"), "29/53");
  EXPECT_EQ(stand_->GetPropertyText("HlavniZVL_STATUT"), "29");
  stand_->SetPropertyText("ZVL_ST_Pridej", " 5 3 ");  // exists already
  stand_->SetPropertyText("ZVL_ST_Pridej", "14");
  EXPECT_EQ(stand_->GetPropertyText("ZVL_STATUTLom"), "29/53/14");

  EXPECT_EQ(stand_->GetPropertyText("CisHlKATEG"), "");
  SetOf<TKategorie1MN>("Kategorie1MN")->NastavKategorie("32e", "/");
  EXPECT_EQ(stand_->GetPropertyText("HlavniKATEGORIE"), "32e");
  EXPECT_EQ(stand_->GetPropertyText("CisHlKATEG"), "325");
  stand_->SetPropertyText("ORG_UROVEN2", "7");
  EXPECT_EQ(stand_->GetPropertyText("ORG_UROVEN"), "0$7");
  EXPECT_EQ(stand_->GetPropertyText("ORG_UROVEN1"), "0");
}

}  // namespace
}  // namespace tarnik::plan
