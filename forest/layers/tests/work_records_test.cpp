#include "forest/layers/work_records.h"

#include <gtest/gtest.h>

#include <memory>

#include "forest/forest_classes.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_classes.h"
#include "framework/framework_classes.h"

namespace tarnik::plan {
namespace {

TRadekLHEvidence* Record(TRadekLHEvidenceMN& list, int32_t odd, const std::string& psk,
                         const std::string& etaz, int32_t rok) {
  list.SetNovyPrvekVzdy(std::to_string(rok));
  auto* row = static_cast<TRadekLHEvidence*>(list.AktualniPrvek());
  row->odd = odd;
  row->dil = "a";
  row->por = "1";
  row->psk = psk;
  row->etaz = etaz;
  row->rok = rok;
  return row;
}

TEST(WorkRecords, ALayerGathersTheUnitRowsOfItsKey) {
  framework::RegisterFrameworkClasses();
  RegisterForestClasses();
  RegisterHierarchyClasses();
  RegisterLayerClasses();
  auto lhc = std::make_unique<TLHC>();
  auto* unit = new TRadekLHEvidenceMN();
  unit->SetName("LHEvidenceMN");
  lhc->AddElement(unit);
  Record(*unit, 7, " 1 ", " 1 ", 2019);
  TRadekLHEvidence* later = Record(*unit, 7, " 1 ", " 1 ", 2021);
  Record(*unit, 7, " 1 ", " 2 ", 2020);
  Record(*unit, 12, " 1 ", " 1 ", 2018);
  unit->SetridPodleProperty("OddDilPorPskEtMinus", true);
  EXPECT_EQ(later->OddDilPorPskEtMinus(), "0007a1 1  1 ");
  unit->SetAktualniPrvek(later);

  lhc->OddeleniMN()->SetNovyPrvek("7");
  TOddeleni* odd = lhc->Oddeleni();
  odd->DilecMN()->SetNovyPrvek("a");
  odd->Dilec()->SetPropertyText("DIL", "a");
  odd->Dilec()->PorostMN()->SetNovyPrvek("1");
  TPorost* stand = odd->Dilec()->Porost();
  stand->PorostniSkupinaMN()->SetNovyPrvek("1");
  TPorostniSkupina* group = stand->PorostniSkupina();
  group->EtazMN()->SetNovyPrvek("1");
  auto* layer = static_cast<TEtaz*>(group->EtazMN()->AktualniPrvek());
  layer->SetETAZ("1");

  TRadekLHEvidenceMN* rows = layer->RadekLHEvidenceMN();
  ASSERT_EQ(rows->PocetPrvku(), 2);
  EXPECT_TRUE(rows->ObsahujePrvek(later));
  EXPECT_EQ(rows->Prvky()[0]->GetPropertyText("ETAZ") + rows->Prvky()[1]->GetPropertyText("ETAZ"),
            " 1  1 ");
  EXPECT_EQ(rows->AktualniPrvek(), later);
  EXPECT_EQ(layer->RadekLHEvidenceMN(), rows);  // gathered once
  EXPECT_EQ(unit->PocetPrvku(), 4);             // the unit keeps its rows

  group->EtazMN()->SetNovyPrvek("3");
  auto* empty = static_cast<TEtaz*>(group->EtazMN()->AktualniPrvek());
  empty->SetETAZ("3");
  EXPECT_EQ(empty->RadekLHEvidenceMN()->PocetPrvku(), 0);
  EXPECT_EQ(empty->RadekLHEvidenceMN()->AktualniPrvek(), nullptr);
}

}  // namespace
}  // namespace tarnik::plan
