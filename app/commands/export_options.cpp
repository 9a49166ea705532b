#include "app/commands/export_options.h"

#include "forest/option_flags.h"

namespace tarnik::app {

void ApplyWindowOptions(const ExportOptions& options) {
  forest::Flags().odkorneno = options.odkorneno;
  forest::Flags().smaz_zvl_st = options.smaz_zvl_st;
}

}  // namespace tarnik::app
