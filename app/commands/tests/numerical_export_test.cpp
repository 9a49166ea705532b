#include "app/commands/numerical_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/commands/bark_confirmation.h"
#include "forest/option_flags.h"
#include "platform/fs.h"
#include "platform/recording_ui.h"
#include "testing/fake_export_unit.h"
#include "testing/test_env.h"

namespace tarnik::app {
namespace {

using ::tarnik::testing::ReadFile;
using Status = ExportResult::Status;
using Strings = std::vector<std::string>;

class NumericalExportTestBase : public ::testing::Test {
 protected:
  NumericalExportTestBase() {
    islh::testunit::RegisterModelClasses();
    forest::Flags() = forest::OptionFlags();
    unit_.lhc->SetLHC_KOD(615203);  // LČR unit 12850 in the program's code lists
    unit_.Add(3, [](plan::TOddeleni& c) {
      islh::testunit::AddLayer(
          islh::testunit::AddGroup(islh::testunit::AddStand(c, "a", "1"), "1", "1A"), "1", 21);
    });
  }
  ~NumericalExportTestBase() override { forest::Flags() = forest::OptionFlags(); }

  std::vector<std::string> Kinds() const {
    std::vector<std::string> kinds;
    for (const auto& s : ui_.shown) kinds.push_back(s.kind);
    return kinds;
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  ::tarnik::testing::ScopedProgramDir program_;
  ::tarnik::testing::TempDir out_;
  islh::testunit::FakeExportUnit unit_;
  ExportOptions options_;
};

class NumericalExportTest : public NumericalExportTestBase {};

TEST_F(NumericalExportTest, WritesDtdDocumentAndProtocolIntoIshulxml) {
  ui_.directories.push_back(out_.path());
  options_.mzd_pod_80_let = false;
  ExportResult result = ExportNumerical(unit_, NumericalVariant::kNumerika, options_);
  ASSERT_EQ(result.status, Status::kDone);
  const std::string dir = out_.File("ISHULXML");
  EXPECT_EQ(result.directory, dir);
  EXPECT_EQ(result.dtd_file, dir + "/615203.dtd");
  EXPECT_EQ(result.xml_file, dir + "/615203.xml");
  EXPECT_EQ(result.error_file, dir + "/error.txt");
  EXPECT_EQ(ReadFile(result.dtd_file), ReadFile(program_.File("XmlExpNU.dtd")));
  EXPECT_EQ(ReadFile(result.xml_file)
                .rfind("<?xml version=\"1.0\" encoding=\"Windows-1250\" ?>\r\n"
                       "<?ISLH 2010 LHP $ ?>\r\n"
                       "<!DOCTYPE DATAISLH SYSTEM \"615203.dtd\">\r\n",
                       0),
            0u);
  EXPECT_TRUE(platform::FileExists(result.error_file));
  EXPECT_NE(ReadFile(result.xml_file).find("<ODD ODD=\"3\">"), std::string::npos);
  // No question with volumes under bark; the dialog comes first, "Export proveden." last.
  EXPECT_EQ(Kinds().front(), "directory");
  EXPECT_EQ(ui_.Messages(), Strings{"Konec exportu do XML"});
  EXPECT_EQ(ui_.Statuses().back(), "Export proveden.");
  EXPECT_FALSE(unit_.lhc->ExportProLCR());
  EXPECT_FALSE(unit_.lhc->GetPropertyBoolean("VypMzdDleZezuly1"));
  EXPECT_TRUE(forest::Flags().sniz_etat);
  EXPECT_TRUE(forest::Flags().sestavit_mzd);
  EXPECT_TRUE(forest::Flags().odkorneno);
  EXPECT_EQ(unit_.codes->MZDHospSoubMN()->PocetPrvku(), 13);  // (21, 1A) expanded

  // A second export finds the expanded list and writes it as it is.
  ui_.directories.push_back(dir);
  ASSERT_EQ(ExportNumerical(unit_, NumericalVariant::kNumerikaLCR, options_).status, Status::kDone);
  EXPECT_FALSE(forest::Flags().sestavit_mzd);
  EXPECT_TRUE(unit_.lhc->ExportProLCR());
  EXPECT_EQ(unit_.codes->MZDHospSoubMN()->PocetPrvku(), 13);
}

TEST_F(NumericalExportTest, BarkQuestionComesFirstAndOnlyAnoGoesOn) {
  options_.odkorneno = false;
  ui_.answers.push_back(platform::Button::kNo);
  EXPECT_EQ(ExportNumerical(unit_, NumericalVariant::kNumerika, options_).status,
            Status::kDeclined);
  ASSERT_EQ(Kinds(), Strings{"box"});
  EXPECT_EQ(ui_.shown[0].caption, "Dotaz zda exportovat.");
  EXPECT_EQ(ui_.shown[0].text,
            "Není zaškrtnuto \"V XML Odkorněno\", do xml budou tedy exportovány \n"
            "zásoby a objemy těžeb s kůrou, což není obvyklé.\n"
            "Pokračovat v exportování s kůrou ?");
  EXPECT_EQ(ui_.shown[0].buttons,
            (platform::Buttons{platform::Button::kYes, platform::Button::kNo}));

  ui_.Clear();
  ui_.answers.push_back(platform::Button::kYes);
  ui_.directories.push_back(std::nullopt);
  EXPECT_EQ(ExportNumerical(unit_, NumericalVariant::kNumerika, options_).status,
            Status::kCancelled);
  EXPECT_EQ(Kinds(), (Strings{"box", "directory"}));
  EXPECT_FALSE(forest::Flags().odkorneno);
}

TEST_F(NumericalExportTest, NationalParkUnitCopiesTheSumDtd) {
  unit_.lhc->SetPropertyBoolean("VerzeProPark1", true);
  ui_.directories.push_back(out_.File("Ishulxml"));
  ExportResult result = ExportNumerical(unit_, NumericalVariant::kNumerika, options_);
  ASSERT_EQ(result.status, Status::kDone);
  EXPECT_EQ(result.directory, out_.File("Ishulxml"));
  EXPECT_EQ(ReadFile(result.dtd_file), ReadFile(program_.File("XmlExpNUSum.dtd")));
}

TEST_F(NumericalExportTest, FailedDtdCopyWritesNoDocument) {
  platform::DeleteFile(program_.File("XmlExpNU.dtd"));
  ui_.directories.push_back(out_.path());
  ExportResult result = ExportNumerical(unit_, NumericalVariant::kNumerika, options_);
  EXPECT_EQ(result.status, Status::kFailed);
  const std::string dtd = out_.File("ISHULXML/615203.dtd");
  EXPECT_EQ(ui_.Messages(),
            (Strings{"Nelze otevřít soubor \"" + program_.File("XmlExpNU.dtd") + "\"",
                     "Nelze vytvořit soubor \"" + dtd + "\". Chyba 1"}));
  EXPECT_FALSE(platform::FileExists(out_.File("ISHULXML/615203.xml")));
  EXPECT_TRUE(ui_.Statuses().empty());
}

TEST_F(NumericalExportTest, ExistingMzdListIsNotBuilt) {
  unit_.AddCode(unit_.codes->MZDHospSoubMN(), "1", {{"CISLO_HS", "11"}, {"LT_SLT", "2A"}});
  options_.smaz_zvl_st = false;
  SetExportFlags(unit_, options_);
  EXPECT_FALSE(forest::Flags().sestavit_mzd);
  EXPECT_TRUE(unit_.lhc->GetPropertyBoolean("VypMzdDleZezuly1"));
  ApplyWindowOptions(options_);
  EXPECT_FALSE(forest::Flags().smaz_zvl_st);
}

class MapVariantTest : public NumericalExportTestBase {};

TEST_F(MapVariantTest, AnOutlineUnitRefusesOnlyTheExportsWithOtherLand) {
  unit_.lhc->SetPropertyText("LHO", "A");
  for (NumericalVariant variant : {NumericalVariant::kMapaOst, NumericalVariant::kMapaOstLCR}) {
    ui_.Clear();
    ui_.directories.push_back(out_.path());
    ExportResult result = ExportNumerical(unit_, variant, options_);
    EXPECT_EQ(result.status, Status::kFailed);
    EXPECT_EQ(ui_.Messages(), Strings{"Ostatní pozemky na osnovách nemají být."});
    EXPECT_FALSE(platform::FileExists(out_.File("ISHULXML/615203.xml")));
    EXPECT_FALSE(platform::FileExists(out_.File("ISHULXML/615203.dtd")));
    // The map's names are cleaned and the flags set before the directory is chosen.
    EXPECT_EQ(ui_.Statuses().front(), "Hledam mezery.");
    EXPECT_TRUE(forest::Flags().sniz_etat);
  }
  EXPECT_TRUE(unit_.lhc->ExportProLCR());  // the LČR variant marked the record
  struct Allowed {
    NumericalVariant variant;
    const char* dtd;
  };
  for (const Allowed& a : {Allowed{NumericalVariant::kNumerika, "XmlExpNU.dtd"},
                           Allowed{NumericalVariant::kNumerikaLCR, "XmlExpNU.dtd"},
                           Allowed{NumericalVariant::kMapa, "Xml_Exp.dtd"}}) {
    ui_.directories.push_back(out_.path());
    ExportResult result = ExportNumerical(unit_, a.variant, options_);
    ASSERT_EQ(result.status, Status::kDone) << a.dtd;
    EXPECT_EQ(ReadFile(result.dtd_file), ReadFile(program_.File(a.dtd)));
  }
  // Without a map, the outline is a placeholder.
  EXPECT_NE(ReadFile(out_.File("ISHULXML/615203.xml")).find("<PSK_OBRAZ/>"), std::string::npos);

  unit_.lhc->SetPropertyText("LHO", "N");
  ui_.directories.push_back(out_.path());
  ExportResult result = ExportNumerical(unit_, NumericalVariant::kMapaOst, options_);
  ASSERT_EQ(result.status, Status::kDone);
  EXPECT_EQ(ReadFile(result.dtd_file), ReadFile(program_.File("Xml_Exp_SOST.dtd")));
  EXPECT_FALSE(unit_.lhc->ExportProLCR());
}

TEST_F(MapVariantTest, VariantsNameTheirDtds) {
  EXPECT_EQ(VariantDtdName(NumericalVariant::kMapa, true), "Xml_ExpSum.dtd");
  EXPECT_EQ(VariantDtdName(NumericalVariant::kMapaOstLCR, true), "Xml_Exp_SOSTSum.dtd");
  EXPECT_EQ(VariantDtdName(NumericalVariant::kNumerikaLCR, true), "XmlExpNUSum.dtd");
  EXPECT_FALSE(IsMapVariant(NumericalVariant::kNumerikaLCR));
  EXPECT_TRUE(IsLcrVariant(NumericalVariant::kMapaOstLCR));
  EXPECT_FALSE(HasOtherLand(NumericalVariant::kMapa));
}

}  // namespace
}  // namespace tarnik::app
