#include "islh/xml_loader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forest/codelists/cisel_kelva.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/layer.h"
#include "forest/layers/tree_species.h"
#include "forest/option_flags.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_classes.h"
#include "platform/recording_ui.h"
#include "testing/fake_export_unit.h"
#include "testing/test_env.h"

namespace tarnik::islh {
namespace {

using platform::Severity;
using Strings = std::vector<std::string>;

// What the loader handed over, as it stood at that moment.
struct RecordingSink : TUnitSink {
  std::vector<std::string> events;
  void WriteUnit(plan::TLHC& lhc) override {
    events.push_back("unit " + lhc.GetPropertyText("LHC_KOD"));
  }
  void WriteCompartment(plan::TOddeleni& c) override {
    events.push_back("compartment " + std::to_string(c.ODD()) + " with " +
                     std::to_string(c.DilecMN()->PocetPrvku()) + " sub-compartments");
  }
};

class XmlLoaderTest : public ::testing::Test {
 protected:
  XmlLoaderTest() {
    testunit::RegisterModelClasses();
    plan::RegisterUnitClasses();
    forest::Flags() = forest::OptionFlags();
  }
  ~XmlLoaderTest() override { forest::Flags() = forest::OptionFlags(); }

  void Load(const std::string& doc) {
    TLHC_XMLLoader loader;
    loader.SetUnit(unit_.get());
    loader.SetSink(&sink_);
    loader.LoadBytes(doc);
    counts_ = loader.ReadCounts();
  }
  plan::TLHC& Lhc() { return *unit_->LHC(); }
  plan::TOddeleni* Compartment() { return Lhc().Oddeleni(); }
  Strings Problems(Severity severity) const { return ui_.MessagesOf(severity); }

  testing::ScopedProgramDir program_;
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  std::unique_ptr<plan::TLesniCelek> unit_ = std::make_unique<plan::TLesniCelek>();
  RecordingSink sink_;
  std::map<std::string, long> counts_;
};

const char* const kTwoCompartments =
    "<DATAISLH><LHC LHC_KOD=\"615203\" LHC_NAZ=\"Sn\xEC\x9En\xE9\">"
    "<ODD ODD=\"11\"><DIL DIL=\"A\"><POR POR=\"1\" POR_TEXT=\"U h&apos;\xE1jovny\">"
    "<KAT KATEGORIE=\"10\"/><PSK PSK=\"8\" PSK_P=\"4.12\"><ETZ ETAZ=\"8\" ETAZ_PP=\"4.12\">"
    "<DRV DR_ZKR=\"SM \" ZAST=\"80\"><POS POSKOZ_D=\"2\" POSKOZ_R=\"3\"/></DRV>"
    "<DRV DR_ZKR=\"BK\" ZAST=\"20\"></DRV></ETZ></PSK></POR></DIL>"
    "<DIL DIL=\"B\"/></ODD>"
    "<ODD ODD=\"12\"/></LHC></DATAISLH>";

TEST_F(XmlLoaderTest, CompartmentsGoToTheSinkWhenTheNextBegins) {
  Load(kTwoCompartments);
  EXPECT_EQ(sink_.events, (Strings{"unit 615203", "compartment 11 with 2 sub-compartments"}));
  // The second compartment stays in the unit for the caller; it was read without children.
  ASSERT_NE(Compartment(), nullptr);
  EXPECT_EQ(Compartment()->ODD(), 12);
  EXPECT_EQ(Compartment()->DilecMN()->PocetPrvku(), 0);
  EXPECT_EQ(Lhc().OddeleniMN()->PocetPrvku(), 1);
  EXPECT_EQ(Lhc().RId(), 1);
  EXPECT_EQ(Lhc().GetPropertyText("LHC_NAZ"), "Sněžné");
  EXPECT_EQ(counts_["ODD"], 2);
  EXPECT_EQ(counts_["DRV"], 2);
  EXPECT_EQ(counts_["POS"], 1);
  EXPECT_EQ(counts_.count("DATAISLH"), 0u);
  EXPECT_TRUE(Problems(Severity::kPassedOver).empty()) << ::testing::PrintToString(ui_.Messages());
  EXPECT_EQ(ui_.pending_events, 2);  // once per compartment
}

TEST_F(XmlLoaderTest, ElementsStandUnderTheElementsTheyAreIn) {
  Load(kTwoCompartments);
  // Compartment 11 was freed when 12 came; read it alone to look inside.
  Load(
      "<LHC><ODD ODD=\"11\"><DIL DIL=\"A\"><POR Por = '3' POR_TEXT=\"U h&apos;\xE1jovny\">"
      "<PSK PSK=\"8\"><ETZ ETAZ=\"8\"><DRV DR_ZKR=\"SM \"/><DRV DR_ZKR=\"bk\"/></ETZ>"
      "</PSK></POR></DIL></ODD></LHC>");
  plan::TOddeleni* c = Compartment();
  ASSERT_NE(c, nullptr);
  auto* dilec = dynamic_cast<plan::TDilec*>(c->DilecMN()->Prvky().at(0));
  auto* stand = dynamic_cast<plan::TPorost*>(dilec->PorostMN()->Prvky().at(0));
  EXPECT_EQ(stand->POR(), "3");
  EXPECT_EQ(stand->PorText(), Strings{"U h'ájovny"});
  auto* group = dynamic_cast<plan::TPorostniSkupina*>(stand->PorostniSkupinaMN()->Prvky().at(0));
  auto* layer = dynamic_cast<plan::TEtaz*>(group->EtazMN()->Prvky().at(0));
  std::vector<std::string> species;
  for (auto* s : layer->DrevinaMN()->Prvky())
    species.push_back(static_cast<plan::TDrevina*>(s)->DR_ZKR());
  EXPECT_EQ(species, (Strings{"SM ", "BK "}));
}

TEST_F(XmlLoaderTest, ChildrenOutsideTheirParentsArePassedOverWithTheirContent) {
  Load(
      "<LHC><ODD ODD=\"1\"><DIL DIL=\"A\">"
      "<PSK PSK=\"9\"><ETZ ETAZ=\"1\"><DRV DR_ZKR=\"SM\"/></ETZ></PSK>"  // no stand around it
      "<POR POR=\"1\"/>"
      "<ETZ ETAZ=\"2\"/>"  // after the stand, not in it
      "</DIL></ODD></LHC>");
  EXPECT_EQ(
      Problems(Severity::kPassedOver),
      (Strings{"Element <PSK> na řádku 1 nestojí v elementu <POR>, vynechává se i s obsahem.",
               "Element <ETZ> na řádku 1 nestojí v elementu <PSK>, vynechává se i s obsahem."}));
  EXPECT_EQ(counts_.count("PSK"), 0u);
  EXPECT_EQ(counts_.count("ETZ"), 0u);
  EXPECT_EQ(counts_.count("DRV"), 0u);
  EXPECT_EQ(counts_["POR"], 1);
}

TEST_F(XmlLoaderTest, NestingDeeperThanTheBoundIsRefused) {
  std::string doc = "<LHC><ODD ODD=\"1\">";
  for (size_t i = 0; i < TLHC_XMLLoader::kMaxDepth + 5; ++i) doc += "<DATAISLH>";
  doc += "<DIL DIL=\"Z\"/>";
  for (size_t i = 0; i < TLHC_XMLLoader::kMaxDepth + 5; ++i) doc += "</DATAISLH>";
  doc += "<DIL DIL=\"A\"/></ODD></LHC>";
  Load(doc);
  const Strings passed = Problems(Severity::kPassedOver);
  ASSERT_EQ(passed.size(), 1u);
  EXPECT_NE(passed[0].find("hlouběji než 64 úrovní"), std::string::npos);
  // What follows the deep part is read again.
  ASSERT_EQ(Compartment()->DilecMN()->PocetPrvku(), 1);
  EXPECT_EQ(Compartment()->DilecMN()->Prvky()[0]->GetPropertyText("DIL"), "A");
}

TEST_F(XmlLoaderTest, DocumentOfAnotherProducer) {
  Load(testing::ReadFile(testing::SourcePath("islh/tests/data/other_producer.xml")));
  // Newer elements and unknown attributes: one report per name; the map part is information.
  EXPECT_EQ(
      Problems(Severity::kPassedOver),
      (Strings{"Element <HOS> program nezná, vynechává se i s obsahem (poprvé na řádku 8).",
               "Atribut \"PRODUCENT\" elementu <POR> program nezná, jeho hodnoty se "
               "nenačítají (poprvé na řádku 11).",
               "Element <IK> program nezná, vynechává se i s obsahem (poprvé na řádku 17)."}));
  EXPECT_EQ(Problems(Severity::kInformation),
            (Strings{"Mapová část dokumentu se nenačítá (poprvé <PSK_OBRAZ> na řádku 15)."}));
  EXPECT_EQ(counts_["POR"], 2);
  EXPECT_EQ(counts_["PSK"], 1);
  EXPECT_EQ(counts_["DRV"], 1);
  EXPECT_EQ(counts_.count("HOS"), 0u);
  // UTF-8 as the declaration says; the code lists went into the unit's container.
  EXPECT_EQ(Lhc().GetPropertyText("LHC_NAZ"), "Žďárské vrchy");
  plan::TCiselKelva* codes = unit_->CiselKelva();
  ASSERT_EQ(codes->CisHsMN()->PocetPrvku(), 1);
  EXPECT_EQ(codes->CisHsMN()->Prvky()[0]->GetPropertyText("NAZEV_HS"), "kyselá stanoviště");
  EXPECT_EQ(codes->OrgUrMN(1)->PocetPrvku(), 1);
  EXPECT_EQ(codes->OrgUrMN(2)->PocetPrvku(), 2);
  ASSERT_EQ(codes->OLHMN()->PocetPrvku(), 1);
  EXPECT_EQ(codes->OLHMN()->Prvky()[0]->GetPropertyText("JMENO"), "Lesy & Co");
  EXPECT_EQ(codes->MZDHospSoubMN()->PocetPrvku(), 2);
}

TEST_F(XmlLoaderTest, CodeListsTakeTheDocumentsValuesForCodesTheyHold) {
  testunit::FakeExportUnit fake;  // only for its code element helper
  fake.AddCode(unit_->CiselKelva()->CisHsMN(), "53", {{"CISLO_HS", "53"}, {"NAZEV_HS", "old"}});
  Load(
      "<LHC><HS CISLO_HS=\"53\" NAZEV_HS=\"new\"/><HS CISLO_HS=\"55\" NAZEV_HS=\"other\"/>"
      "<MZD CISLO_HS=\"53\" MZD=\"25\" DR_ZKR=\"BK\" LT_SLT=\"5K\" CISLOHS_LTSLT=\"000535K \"/>"
      "<MZD CISLO_HS=\"53\" MZD=\"25\" DR_ZKR=\"BK\" LT_SLT=\"5K\" CISLOHS_LTSLT=\"000535K \"/>"
      "</LHC>");
  std::vector<framework::TElement*> sets = unit_->CiselKelva()->CisHsMN()->Prvky();
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0]->GetPropertyText("NAZEV_HS"), "new");
  EXPECT_EQ(sets[1]->GetPropertyText("NAZEV_HS"), "other");
  // Records of the document may repeat each other, as an export's expansion writes them.
  EXPECT_EQ(unit_->CiselKelva()->MZDHospSoubMN()->PocetPrvku(), 2);
  EXPECT_EQ(Problems(Severity::kInformation),
            Strings{"Atribut \"CISLOHS_LTSLT\" elementu <MZD> program počítá z jiných hodnot, jeho "
                    "hodnoty se nenačítají."});
}

TEST_F(XmlLoaderTest, CutsStatedReducedComeBackWhole) {
  Load("<LHC LHC_KOD=\"1\" LHC_IND=\"300\" LHC_IND_TV=\"100\" ETAT_TO=\"800\" ETAT_TV=\"400\"/>");
  EXPECT_EQ(Lhc().ETAT_TO(), 1000);
  EXPECT_EQ(Lhc().ETAT_TV(), 500);
  // Once an export has begun, the record reads the same document values again.
  forest::Flags().sniz_etat = true;
  EXPECT_EQ(Lhc().ETAT_TO_XML(), 800);
  EXPECT_EQ(Lhc().ETAT_TV_XML(), 400);
}

TEST_F(XmlLoaderTest, AfforestationRowsTakeTheirAreaFromTheLayer) {
  Load(
      "<LHC><ODD ODD=\"1\"><DIL DIL=\"A\"><POR POR=\"1\"><PSK PSK=\"1\">"
      "<ETZ ETAZ=\"1\" ZAL_DRUH=\"1\" ZAL_P=\"1.00\">"
      "<ZAL ZAL_DR=\"SM\" ZAL_DR_P=\"33\"/><ZAL ZAL_DR=\"BK\" ZAL_DR_P=\"33\"/>"
      "<ZAL ZAL_DR=\"JD\" ZAL_DR_P=\"34\"/></ETZ></PSK></POR></DIL></ODD></LHC>");
  auto* dilec = static_cast<plan::TDilec*>(Compartment()->DilecMN()->Prvky().at(0));
  auto* stand = static_cast<plan::TPorost*>(dilec->PorostMN()->Prvky().at(0));
  auto* group = static_cast<plan::TPorostniSkupina*>(stand->PorostniSkupinaMN()->Prvky().at(0));
  auto* layer = static_cast<plan::TEtaz*>(group->EtazMN()->Prvky().at(0));
  std::vector<double> areas;
  std::vector<std::string> kinds;
  for (plan::TZalesneni* row : layer->ZalesneniMN()->Rows()) {
    areas.push_back(row->ZAL_P());
    kinds.push_back(row->ZAL_DRUH());
  }
  ASSERT_EQ(areas.size(), 3u);
  EXPECT_DOUBLE_EQ(areas[0], 0.33);
  EXPECT_DOUBLE_EQ(areas[1], 0.33);
  EXPECT_NEAR(areas[2], 0.34, 1e-9);
  EXPECT_EQ(kinds, (Strings{"1", "1", "1"}));
}

}  // namespace
}  // namespace tarnik::islh
