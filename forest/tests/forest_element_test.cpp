#include "forest/forest_element.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "forest/codelists/code_list_container.h"
#include "forest/colour.h"
#include "forest/forest_set.h"
#include "forest/property_metadata.h"
#include "forest/tests/forest_test_classes.h"
#include "framework/values/string_list.h"
#include "platform/recording_ui.h"

namespace tarnik::plan {
namespace {

using framework::TElement;
using framework::TElementRef;
using framework::TOwnerEntity;
using testing::NewVzorek;
using testing::TCizi;
using testing::TVzorek;
using testing::TVzorekMN;

class ForestElement : public ::testing::Test {
 protected:
  void SetUp() override { testing::RegisterTestClasses(); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
};

TEST_F(ForestElement, FreshElementAndItsBookkeepingProperties) {
  TVzorek v;
  EXPECT_EQ(v.StoredTypZdroje(), kSourceUnknown);
  EXPECT_EQ(v.Priznak(), 1);
  EXPECT_EQ(v.GetPropertyText("Vazba"), "0");
  EXPECT_EQ(v.GetPropertyText("BylNoveVytvoren"), "False");
  v.SetPropertyText("Puvodni_oznaceni", kNewDesignation);
  EXPECT_EQ(v.GetPropertyText("BylNoveVytvoren"), "True");
  v.SetPropertyText("RId", "42");
  EXPECT_EQ(v.RId(), 42);
  EXPECT_EQ(v.GetPropertyText("LHC_KODOwnEnt"), "-1");
  EXPECT_EQ(v.GetPropertyText("Ciselnik"), "0");
}

TEST_F(ForestElement, LookupsClimbThroughTheOwners) {
  auto unit = std::make_unique<TVzorek>();
  auto* lists = new tciselnik();
  unit->AddElement(lists);
  auto* lhc = new TOwnerEntity();
  lhc->SetName("TLHC");
  unit->AddElement(lhc);
  auto* kelva = new TOwnerEntity();
  kelva->SetName("CiselKelva");
  unit->AddElement(kelva);
  auto* set = new TVzorekMN();
  unit->AddElement(set);
  set->SetNovyPrvek("1");
  auto* stand = static_cast<TVzorek*>(set->AktualniPrvek());

  EXPECT_EQ(stand->Ciselnik(), lists);
  EXPECT_EQ(stand->ciselKelvaOwnEnt(), kelva);
  EXPECT_EQ(stand->LHCOwnEnt(), lhc);
  EXPECT_EQ(stand->VlastnikTridy<TLesniMnozina>(), set);
  EXPECT_EQ(stand->VlastnikTridy<TVzorek>(), unit.get());
  EXPECT_EQ(stand->VlastnikTridy<TCizi>(), nullptr);

  // The source kind comes from the first owner that knows it and is stored on the way.
  unit->SetTypZdroje(2);
  EXPECT_EQ(stand->TypZdroje(), 2);
  EXPECT_EQ(stand->StoredTypZdroje(), 2);
  unit->SetTypZdroje(5);
  EXPECT_EQ(stand->TypZdroje(), 2);

  // A later owner's LHC replaces an earlier one's.
  auto other = std::make_unique<TVzorek>();
  auto* other_lhc = new TOwnerEntity();
  other_lhc->SetName("TLHC");
  other->AddElement(other_lhc);
  other->AddElement(stand);
  EXPECT_EQ(stand->LHCOwnEnt(), other_lhc);
  other->RemoveElement(stand);
}

TEST_F(ForestElement, CyclicHoldersEndTheLookups) {
  auto a = std::make_unique<TVzorek>();
  auto b = std::make_unique<TVzorek>();
  a->AddElement(b.get());
  b->AddElement(a.get());
  EXPECT_EQ(a->Ciselnik(), nullptr);
  EXPECT_EQ(a->LHCOwnEnt(), nullptr);
  EXPECT_EQ(a->TypZdroje(), kSourceUnknown);
  EXPECT_EQ(a->VlastnikTridy<TCizi>(), nullptr);
  EXPECT_FALSE(a->MaSmazanyRekurz());
  EXPECT_FALSE(a->BylEditovanNeboNoveVytvorenRekurz());
  a->NastavAktualniNaPrvni();
  b->RemoveElement(a.get());
  a->RemoveElement(b.get());
}

TEST_F(ForestElement, RecursiveFlagsLookAtForestChildren) {
  TVzorek root;
  auto* set = new TVzorekMN();
  root.AddElement(set);
  set->SetNovyPrvek("1");
  auto* child = static_cast<TVzorek*>(set->AktualniPrvek());
  EXPECT_FALSE(root.BylEditovanNeboNoveVytvorenRekurz());
  child->SetBylEditovan(true);
  EXPECT_TRUE(root.BylEditovanNeboNoveVytvorenRekurz());

  EXPECT_FALSE(root.MaSmazanyRekurz());
  child->smazany = true;
  EXPECT_TRUE(root.MaSmazanyRekurz());
  root.SetPuvodni_oznaceni(kNewDesignation);  // a new element has nothing deleted
  EXPECT_FALSE(root.MaSmazanyRekurz());
}

TEST_F(ForestElement, ColoursOfPropertiesLiveInTheMetadata) {
  TVzorek v;
  EXPECT_EQ(v.BarvaProperty("TEXT"), kColor3DLight);
  v.NastavBarvuProperty("TEXT", kColorAqua);  // nothing without metadata
  EXPECT_EQ(v.BarvaProperty("TEXT"), kColor3DLight);

  v.VytvorVlastnosti();
  ASSERT_NE(v.Vlastnosti(), nullptr);
  EXPECT_EQ(v.Vlastnosti()->GetPropertyText("PocetPrvku"),
            std::to_string(v.PropertiesWithMetadata().size()));
  EXPECT_EQ(v.BarvaProperty("text"), kColorInfoBk);
  v.NastavBarvuProperty("text", kColorAqua);
  EXPECT_EQ(v.BarvaProperty("TEXT"), kColorAqua);
  EXPECT_EQ(v.Vlastnosti()->Entry("TEXT")->GetPropertyText("barva_cis"), "5");
  EXPECT_EQ(v.BarvaProperty("NEEXISTUJE"), kColor3DLight);
  v.NastavPocetZnacekProperty("CISLO", 3);
  EXPECT_EQ(v.PocetZnacekProperty("CISLO"), 3);
  EXPECT_EQ(v.PocetZnacekProperty("NEEXISTUJE"), 0);

  // Creating again warns and replaces the set rather than stacking a second one.
  v.VytvorVlastnosti();
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0], "Pozor, Vlastnosti už jsou vytvořené");
  EXPECT_EQ(v.CountOfClass(TVlastnostiMN::StaticClass()), 1);
  EXPECT_EQ(v.BarvaProperty("TEXT"), kColorInfoBk);

  // Metadata freed behind the element's back reads as absent.
  v.FreeElement(v.Vlastnosti());
  EXPECT_EQ(v.Vlastnosti(), nullptr);
  EXPECT_EQ(v.BarvaProperty("TEXT"), kColor3DLight);
}

TEST_F(ForestElement, CopyAsNewKeepsValuesAndColoursButNotTheIdentity) {
  TVzorek v;
  v.SetName("ODD 4");
  v.cislo = 4;
  v.SetRId(17);
  v.SetVazba(3);
  v.SetPuvodni_oznaceni("4");
  v.VytvorVlastnosti();
  v.NastavBarvuProperty("CISLO", kColorYellow);
  std::unique_ptr<TObecnyLesniPrvek> copy(v.KopieJakoNovy());
  ASSERT_NE(copy, nullptr);
  EXPECT_TRUE(copy->Is<TVzorek>());
  EXPECT_EQ(copy->GetName(), "ODD 4");
  EXPECT_EQ(copy->GetPropertyText("CISLO"), "4");
  EXPECT_EQ(copy->RId(), -1);
  EXPECT_EQ(copy->Vazba(), -1);
  EXPECT_TRUE(copy->BylNoveVytvoren());
  EXPECT_EQ(copy->BarvaProperty("CISLO"), kColorYellow);
  EXPECT_NE(copy->Vlastnosti(), v.Vlastnosti());
}

TEST_F(ForestElement, SumInTheTreeRoundsHalvesToEven) {
  TVzorek root;
  root.SetPropertyText("PLOCHA", "1,5");
  auto* set = new TVzorekMN();
  root.AddElement(set);
  set->AddElement(NewVzorek("1"));
  set->AddElement(NewVzorek("2"));
  set->Prvky()[0]->SetPropertyText("PLOCHA", "0,5");
  set->Prvky()[1]->SetPropertyText("PLOCHA", "0,5");
  EXPECT_EQ(root.SoucetPropertyVeStromu("PLOCHA"), 2);  // 2.5
  set->Prvky()[1]->SetPropertyText("PLOCHA", "1,5");
  EXPECT_EQ(root.SoucetPropertyVeStromu("PLOCHA"), 4);  // 3.5
  // Sums of stored areas beyond the integer range stick at its ends.
  set->Prvky()[1]->SetPropertyText("PLOCHA", "1e300");
  EXPECT_EQ(root.SoucetPropertyVeStromu("PLOCHA"), std::numeric_limits<int64_t>::max());
  set->Prvky()[1]->SetPropertyText("PLOCHA", "-1e300");
  EXPECT_EQ(root.SoucetPropertyVeStromu("PLOCHA"), std::numeric_limits<int64_t>::min());
}

TEST_F(ForestElement, FillingFromANameValueListPrefersXmlAndReportsBadValues) {
  framework::TStringListElement list;
  list.SetValue("KOD", "7");
  list.SetValue("CISLO", "12");
  list.SetValue("NEZNAMA", "x");
  list.SetValue("TEXT", "odmítnutý");
  list.SetValue("PLOCHA", "2,5");
  TVzorek v;
  v.SetName("ODD 1");
  v.odmitat_zapis = true;
  v.NactiZeSeznamu(list);
  EXPECT_EQ(v.xml, "xml:7");
  EXPECT_EQ(v.cislo, 12);
  EXPECT_DOUBLE_EQ(v.plocha, 2.5);  // the item after the failing one is still read
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0],
            "Do vlastnosti \"TEXT\" prvku jménem \"ODD 1\" nejde načíst hodnota \"odmítnutý\".");
}

TEST_F(ForestElement, ColumnSetDescribesTheClassAndRenumbersVisibleColumns) {
  TVlastnostiSloupcuMN columns;
  columns.VytvorProTridu(TVzorek::StaticClass());
  const int first = TOwnerEntity::StaticClass().IndexOf("LastIndex") + 1;
  ASSERT_EQ(columns.PocetPrvku(), TVzorek::StaticClass().PropCount() - first);
  SloupecPopis rid = columns.Popis("RId");
  EXPECT_EQ(rid.titulek, "RId");
  EXPECT_EQ(rid.index_property, TVzorek::StaticClass().IndexOf("RId"));
  EXPECT_EQ(rid.sirka, 80);
  EXPECT_TRUE(rid.viditelny);
  EXPECT_EQ(columns.Popis("Puvodni_oznaceni").index_sloupce, 0);

  columns.Sloupec("Puvodni_oznaceni")->viditelny = false;
  columns.Precisluj();
  EXPECT_EQ(columns.Popis("Puvodni_oznaceni").index_sloupce, -1);
  EXPECT_EQ(columns.Popis("RId").index_sloupce, 0);

  SloupecPopis absent = columns.Popis("NIC");
  EXPECT_EQ(absent.titulek, "neni");
  EXPECT_EQ(absent.index_sloupce, -1);
  EXPECT_FALSE(absent.viditelny);
}

}  // namespace
}  // namespace tarnik::plan
