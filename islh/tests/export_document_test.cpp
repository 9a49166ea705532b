// The numerical document end to end over an in-memory unit: the mapping drives the writer with
// the program's own DTDs, and the document is valid against them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "forest/layers/statuses.h"
#include "forest/option_flags.h"
#include "islh/export_mapping.h"
#include "islh/xml_export.h"
#include "platform/encoding.h"
#include "platform/recording_ui.h"
#include "testing/fake_export_unit.h"
#include "testing/test_env.h"

namespace tarnik::islh {
namespace {

using plan::TOddeleni;

bool HaveXmllint() { return std::system("xmllint --version >/dev/null 2>&1") == 0; }

class ExportDocumentTest : public ::testing::Test {
 protected:
  ExportDocumentTest() {
    testunit::RegisterModelClasses();
    forest::Flags() = forest::OptionFlags();
    unit_.lhc->SetLHC_KOD(412);
    unit_.lhc->SetPropertyText("LHC_NAZ", "Les & <Háj>");
    unit_.AddCode(unit_.codes->CisHsMN(), "21", {{"CISLO_HS", "21"}, {"NAZEV_HS", "smrkové"}});
    unit_.AddCode(unit_.codes->OLHMN(), "1", {{"KOD", "1"}, {"JMENO", "Novák"}});
    unit_.Add(7, [](TOddeleni& c) {
      plan::TPorost* stand = testunit::AddStand(c, "a", "1");
      plan::TPorostniSkupina* group = testunit::AddGroup(stand, "1 a", "1A");
      plan::TEtaz* layer = testunit::AddLayer(group, "1", 21);
      testunit::AddSpecies(layer, "SM", {"3"});
      testunit::AddSpecies(layer, "BK", {});
      testunit::AddPlot<plan::TBezlesi>(stand->BezlesiMN(), 2, 700, 0.5);
      testunit::AddStand(c, "b", "1");  // nothing left of it after the preparation
    });
    unit_.Add(8, [](TOddeleni&) {});
  }
  ~ExportDocumentTest() override { forest::Flags() = forest::OptionFlags(); }

  // Exports with the program directory's DTD and answers the document decoded to UTF-8.
  std::string Export(const std::string& dtd_name) {
    // Beside the document under the unit's code, as the export command copies it.
    dtd_ = program_.File("412.dtd");
    ::tarnik::testing::WriteFile(dtd_, ::tarnik::testing::ReadFile(program_.File(dtd_name)));
    {
      TExportMapping mapping(unit_);
      mapping.SetProgressLine(true);
      TExportLHC_XML exporter;
      exporter.SetSource(&mapping);
      exporter.SetXMLFileName(xml_);
      exporter.SetDTDFileName(dtd_);
      exporter.SetErrorFileName(program_.File("error.txt"));
      exporter.SetTypIshul("2010");
      exporter.SetKU_DATUM("30.6.2009");
      exporter.SetProgressLine(true);
      exporter.Run();
    }
    return platform::Cp1250ToUtf8(::tarnik::testing::ReadFile(xml_));
  }
  void ExpectValid() {
    if (!HaveXmllint()) GTEST_SKIP() << "xmllint is not installed";
    std::string command = "xmllint --noout --dtdvalid '" + dtd_ + "' '" + xml_ + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  ::tarnik::testing::ScopedProgramDir program_;
  testunit::FakeExportUnit unit_;
  std::string xml_ = program_.File("412.xml");
  std::string dtd_;
};

TEST_F(ExportDocumentTest, NumericalDocumentFollowsTheDtdAndIsValid) {
  forest::Flags().sestavit_mzd = true;
  std::string xml = Export("XmlExpNU.dtd");
  EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"Windows-1250\" ?>\r\n"
                      "<?ISLH 2010 LHP $ ?>\r\n"
                      "<!DOCTYPE DATAISLH SYSTEM \"412.dtd\">\r\n"
                      "<DATAISLH>\r\n"
                      "  <LHC LHC_KOD=\"412\" LHC_NAZ=\"Les  a  &lt;Háj&gt;\"",
                      0),
            0u)
      << xml.substr(0, 400);
  EXPECT_NE(xml.find(" KU_DATUM=\"30.6.2009\""), std::string::npos);
  EXPECT_NE(xml.find("    <HS CISLO_HS=\"21\" NAZEV_HS=\"smrkové\""), std::string::npos);
  EXPECT_NE(xml.find("    <OLH KOD=\"1\" JMENO=\"Novák\""), std::string::npos);
  // Compartment 7 with its one stand left, then the empty last compartment 8.
  EXPECT_NE(xml.find("    <ODD ODD=\"7\">\r\n      <DIL DIL=\"a\">\r\n"), std::string::npos);
  EXPECT_EQ(xml.find("<DIL DIL=\"b\""), std::string::npos);
  EXPECT_NE(xml.find("    <ODD ODD=\"8\"/>\r\n"), std::string::npos);
  EXPECT_NE(xml.find("<KAT KATEGORIE=\"10\"/>"), std::string::npos);
  EXPECT_NE(xml.find("<PSK PSK=\"1a\""), std::string::npos);  // blanks removed
  EXPECT_NE(xml.find("<CPP KATUZE_KOD="), std::string::npos);
  EXPECT_NE(xml.find("<CPB KATUZE_KOD="), std::string::npos);
  EXPECT_NE(xml.find("<POS POSKOZ_D=\"3\""), std::string::npos);
  size_t bk = xml.find("<DRV DR_ZKR=\"BK");
  ASSERT_NE(bk, std::string::npos) << xml;
  size_t line_end = xml.find("\r\n", bk);
  EXPECT_EQ(xml.substr(line_end, 22), "\r\n              </DRV>");
  // The MZD list of the collected key (21, 1A) follows the compartments.
  size_t mzd = xml.find("    <MZD CISLO_HS=\"21\" MZD=\"30\" DR_ZKR=\"BK\" LT_SLT=\"1A\"");
  EXPECT_NE(mzd, std::string::npos);
  EXPECT_GT(mzd, xml.find("<ODD ODD=\"8\"/>"));
  EXPECT_EQ(xml.substr(xml.size() - 23), "  </LHC>\r\n</DATAISLH>\r\n");
  EXPECT_EQ(ui_.Messages().back(), "Konec exportu do XML");
  EXPECT_EQ(ui_.Statuses().front(), "exportuji oddělění 7");
  ExpectValid();
}

TEST_F(ExportDocumentTest, NationalParkDocumentIsValidAgainstItsDtd) {
  unit_.lhc->SetPropertyText("LHO", "A");
  std::string xml = Export("XmlExpNUSum.dtd");
  EXPECT_NE(xml.find("<?ISLH 2010 LHO $ ?>\r\n"), std::string::npos);
  EXPECT_NE(xml.find(" STROMOVA_VRSTVA=\"\""), std::string::npos);
  EXPECT_NE(xml.find(" EVCISLO_ZONY=\"0\""), std::string::npos);
  ExpectValid();
}

}  // namespace
}  // namespace tarnik::islh
