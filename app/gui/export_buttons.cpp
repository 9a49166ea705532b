#include "app/gui/export_buttons.h"

#include <optional>

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

namespace {

std::optional<app::NumericalVariant> CommandVariant(const std::string& variant) {
  if (variant == "numerika") return app::NumericalVariant::kNumerika;
  if (variant == "numerika-lcr") return app::NumericalVariant::kNumerikaLCR;
  if (variant == "mapa") return app::NumericalVariant::kMapa;
  if (variant == "mapa-ost") return app::NumericalVariant::kMapaOst;
  if (variant == "mapa-ost-lcr") return app::NumericalVariant::kMapaOstLCR;
  return std::nullopt;
}

}  // namespace

app::ExportResult RunExportVariant(const std::string& variant, islh::TExportUnit& unit,
                                   const app::ExportOptions& options, gis::VAzedevoDevov* panel) {
  const std::optional<app::NumericalVariant> command = CommandVariant(variant);
  if (!command) {
    platform::ui().ShowMessage(MissingVariantText(variant), platform::Severity::kFailure);
    return {};
  }
  return app::ExportNumerical(unit, *command, options,
                              app::IsMapVariant(*command) ? panel : nullptr);
}

}  // namespace tarnik::gui
