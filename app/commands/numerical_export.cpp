#include "app/commands/numerical_export.h"

#include <stdexcept>

#include "app/commands/bark_confirmation.h"
#include "app/commands/dtd_copy.h"
#include "app/commands/output_directory.h"
#include "forest/codelists/cisel_kelva.h"
#include "forest/hierarchy/lhc.h"
#include "forest/option_flags.h"
#include "gis/map_panel.h"
#include "islh/export_mapping.h"
#include "islh/export_unit.h"
#include "islh/map_export.h"
#include "islh/xml_export.h"
#include "platform/file_replacement.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/ui.h"

namespace tarnik::app {
namespace {

using Status = ExportResult::Status;

// The exporter writes under the temporary names; the counts of what it wrote go to `result`.
void RunExporter(islh::TExportUnit& unit, const std::string& xml, const std::string& dtd,
                 const std::string& error, const ExportOptions& options, ExportResult& result,
                 bool with_map, gis::VAzedevoDevov* panel) {
  islh::TExportMapping mapping(unit);
  mapping.SetProgressLine(true);
  islh::TMapExportSource map_source(mapping, unit, panel);
  map_source.SetProgressLine(true);
  islh::TExportLHC_XML exporter;
  if (with_map) {
    exporter.SetSource(&map_source);
  } else {
    exporter.SetSource(&mapping);
  }
  exporter.SetProgressLine(true);
  exporter.SetXMLFileName(xml);
  exporter.SetDTDFileName(dtd);
  exporter.SetErrorFileName(error);
  exporter.SetProtocolName(platform::FileNameOf(result.error_file));
  exporter.SetLHC(unit.AsElement());
  exporter.SetTypIshul(options.typ_ishul);
  exporter.SetKU_DATUM(options.ku_datum);
  exporter.SetHeleLes(with_map ? panel : nullptr);
  exporter.SetEmptyXML(false);
  exporter.Run();  // shows "Konec exportu do XML" as it goes
  result.written = exporter.WrittenCounts();
}

}  // namespace

std::string NumericalDtdName(bool national_park) {
  return national_park ? "XmlExpNUSum.dtd" : "XmlExpNU.dtd";
}

std::string VariantDtdName(NumericalVariant variant, bool national_park) {
  if (HasOtherLand(variant)) return national_park ? "Xml_Exp_SOSTSum.dtd" : "Xml_Exp_SOST.dtd";
  if (IsMapVariant(variant)) return national_park ? "Xml_ExpSum.dtd" : "Xml_Exp.dtd";
  return NumericalDtdName(national_park);
}

void CleanMapNames(gis::VAzedevoDevov& panel) {
  platform::ui().SetStatus("Hledam mezery.");
  panel.RemoveBlanksFromHierarchy();
  platform::ui().SetStatus("Mezery vyhledány případně odstraněny.");
}

void SetExportFlags(islh::TExportUnit& unit, const ExportOptions& options) {
  forest::Flags().sniz_etat = true;
  if (plan::TLHC* lhc = unit.LHC()) {
    lhc->SetPropertyBoolean("VypMzdDleZezuly1", options.mzd_pod_80_let);
  }
  plan::TCiselKelva* codes = unit.CiselKelva();
  forest::Flags().sestavit_mzd = !codes || codes->MZDHospSoubMN()->PocetPrvku() == 0;
}

ExportResult ExportNumerical(islh::TExportUnit& unit, NumericalVariant variant,
                             const ExportOptions& options, gis::VAzedevoDevov* panel) {
  ExportResult result;
  plan::TLHC* lhc = unit.LHC();
  if (!lhc) throw std::runtime_error("Lesní hospodářský celek není načten.");
  if (!unit.CanReadCompartments()) {
    platform::ui().ShowMessage(kNoCompartmentList, platform::Severity::kFailure);
    return result;
  }
  ApplyWindowOptions(options);
  lhc->SetExportProLCR(IsLcrVariant(variant));
  if (!ConfirmBarkExport()) {
    result.status = Status::kDeclined;
    return result;
  }
  const bool with_map = IsMapVariant(variant);
  if (with_map) {
    // The map's names are cleaned before the directory is chosen, even when it is then not.
    platform::ui().SetStatus("Hledam mezery.");
    SetExportFlags(unit, options);
    if (panel) CleanMapNames(*panel);
  }

  OutputDirectory dir = ChooseOutputDirectory(unit.adresarObecnychDatLHP());
  result.directory = dir.path;
  if (dir.status != OutputDirectory::Status::kReady) {
    result.status =
        dir.status == OutputDirectory::Status::kCancelled ? Status::kCancelled : Status::kFailed;
    return result;
  }
  if (HasOtherLand(variant) && lhc->GetPropertyText("LHO") == "A") {
    platform::ui().ShowMessage(kOutlineWithOtherLand, platform::Severity::kFailure);
    return result;
  }

  const std::string code = std::to_string(lhc->LHC_KOD_XML());
  result.dtd_file = dir.path + "/" + code + ".dtd";
  result.xml_file = dir.path + "/" + code + ".xml";
  result.error_file = dir.path + "/error.txt";
  // The three files are written under temporary names and replace the old ones only when all
  // are complete, so a failed export leaves the previous document as it was.
  platform::FileReplacement files;
  std::string dtd_temporary, xml_temporary, error_temporary;
  try {
    dtd_temporary = files.Add(result.dtd_file);
    xml_temporary = files.Add(result.xml_file);
    error_temporary = files.Add(result.error_file);
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    return result;
  }
  std::string source =
      platform::ProgramFile(VariantDtdName(variant, lhc->GetPropertyBoolean("VerzeProPark1")));
  if (int error = CopyDtdFile(source, dtd_temporary); error != 0) {
    platform::ui().ShowMessage(
        "Nelze vytvořit soubor \"" + result.dtd_file + "\". Chyba " + std::to_string(error),
        platform::Severity::kFailure);
    return result;
  }

  if (!with_map) SetExportFlags(unit, options);
  // The walk reads the program's DTD, of which the copy is byte for byte the same: messages about
  // the DTD then name the file to mend.
  RunExporter(unit, xml_temporary, source, error_temporary, options, result, with_map, panel);
  files.Commit();
  platform::ui().SetStatus("Export proveden.");
  result.status = Status::kDone;
  return result;
}

}  // namespace tarnik::app
