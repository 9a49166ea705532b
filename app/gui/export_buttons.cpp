#include "app/gui/export_buttons.h"

#include "platform/ui.h"

namespace tarnik::gui {

const char* VariantOf(ExportButton button) {
  switch (button) {
    case ExportButton::kButExpNumer:
      return "numerika";
    case ExportButton::kButton4:
      return "numerika-lcr";
    case ExportButton::kBtXMLExport:
      return "mapa";
    case ExportButton::kButXMLExpiOst:
      return "mapa-ost";
    case ExportButton::kButton3:
      return "mapa-ost-lcr";
  }
  return "numerika";
}

bool IsNumericalVariant(const std::string& variant) {
  return variant == "numerika" || variant == "numerika-lcr";
}

std::string MissingVariantText(const std::string& variant) {
  return "Export varianty \"" + variant + "\" tato verze programu neumí, export nebyl proveden.";
}

app::ExportResult RunExportVariant(const std::string& variant, islh::TExportUnit& unit,
                                   const app::ExportOptions& options) {
  if (IsNumericalVariant(variant)) {
    return app::ExportNumerical(unit,
                                variant == "numerika-lcr" ? app::NumericalVariant::kNumerikaLCR
                                                          : app::NumericalVariant::kNumerika,
                                options);
  }
  platform::ui().ShowMessage(MissingVariantText(variant), platform::Severity::kFailure);
  return {};
}

}  // namespace tarnik::gui
