#include "app/commands/export_options.h"

#include "forest/option_flags.h"

namespace tarnik::app {

void ApplyWindowOptions(const ExportOptions& options) {
  forest::Flags().odkorneno = options.odkorneno;
  forest::Flags().smaz_zvl_st = options.smaz_zvl_st;
}

bool IsMapVariant(NumericalVariant variant) {
  return variant == NumericalVariant::kMapa || HasOtherLand(variant);
}

bool HasOtherLand(NumericalVariant variant) {
  return variant == NumericalVariant::kMapaOst || variant == NumericalVariant::kMapaOstLCR;
}

bool IsLcrVariant(NumericalVariant variant) {
  return variant == NumericalVariant::kNumerikaLCR || variant == NumericalVariant::kMapaOstLCR;
}

}  // namespace tarnik::app
